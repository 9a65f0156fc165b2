#include "game/portable/Base64.h"

#include <array>
#include <cstdint>

#include "platform/portable/Exception.h"

namespace {

// Decoding table built once from the alphabet; characters outside it map to 0.
const std::array<std::uint8_t, 256>& DecodeTable() {
    static const std::array<std::uint8_t, 256> table = [] {
        constexpr std::string_view alphabet =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::array<std::uint8_t, 256> t{};
        for (std::size_t i = 0; i < alphabet.size(); ++i)
            t[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint8_t>(i);
        return t;
    }();
    return table;
}

}  // namespace

std::string TBase64Decoder::DecodeString(std::string_view input) const {
    if (input.size() % 4 != 0)
        throw Exception(SUnevenSizeInDecodeToStream);
    const auto& table = DecodeTable();
    std::string out;
    out.reserve(input.size() / 4 * 3);
    for (std::size_t i = 0; i < input.size(); i += 4) {
        std::uint32_t group = 0;  // 24 bits, the first character the highest
        for (std::size_t k = 0; k < 4; ++k)
            group = (group << 6) | table[static_cast<unsigned char>(input[i + k])];
        const int count = input[i + 2] == FFillChar ? 1 : input[i + 3] == FFillChar ? 2 : 3;
        out.push_back(static_cast<char>((group >> 16) & 0xFF));
        if (count > 1) out.push_back(static_cast<char>((group >> 8) & 0xFF));
        if (count > 2) out.push_back(static_cast<char>(group & 0xFF));
    }
    return out;
}
