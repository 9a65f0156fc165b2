#include "tools/skinview/PngFile.h"

#include <zlib.h>

#include <string>

#include "platform/portable/Exception.h"

namespace {

constexpr const char* PngCompressionError = "error";

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    Put32(out, std::uint32_t(data.size()));
    std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, out.data() + start, uInt(out.size() - start));
    Put32(out, std::uint32_t(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TPixelBuffer& pixels) {
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(pixels.Height) * (std::size_t(pixels.Width) * 4 + 1));
    for (int y = 0; y < pixels.Height; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint32_t p = pixels.At(x, y);
            raw.push_back(PixelR(p));
            raw.push_back(PixelG(p));
            raw.push_back(PixelB(p));
            raw.push_back(PixelA(p));
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        throw Exception(PngCompressionError);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32(header, std::uint32_t(pixels.Width));
    Put32(header, std::uint32_t(pixels.Height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filter 0, no interlace
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}
