// Any input either decodes to three bytes per group less one per fill
// character that ends its group, or fails with the one fixed error text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "game/portable/Base64.h"
#include "platform/portable/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const char fill = size > 0 ? input[0] : '=';
    for (char fillChar : {'=', fill}) {
        try {
            const std::string out = TBase64Decoder(fillChar).DecodeString(input);
            if (size % 4 != 0) std::abort();
            std::size_t expected = 0;
            for (std::size_t i = 0; i < size; i += 4)
                expected += input[i + 2] == fillChar ? 1 : input[i + 3] == fillChar ? 2 : 3;
            if (out.size() != expected) std::abort();
        } catch (const Exception& e) {
            if (size % 4 == 0 || std::strcmp(e.what(), SUnevenSizeInDecodeToStream) != 0) std::abort();
        }
    }
    return 0;
}
