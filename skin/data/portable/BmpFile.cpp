#include "skin/data/portable/BmpFile.h"

#include <bit>
#include <cstring>

#include "platform/portable/Exception.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;  // "BM", size, two reserved words, pixel offset
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kBiRgb = 0;            // uncompressed

const char* const SBmpTruncated = "bitmap: the data ends inside the bitmap";
const char* const SBmpSignature = "bitmap: missing the \"BM\" signature";
const char* const SBmpFileSize = "bitmap: the file size is smaller than its headers";
const char* const SBmpHeaderSize = "bitmap: unsupported information header size";
const char* const SBmpDimensions = "bitmap: width or height is zero, negative or too large";
const char* const SBmpPlanes = "bitmap: the plane count is not 1";
const char* const SBmpDepth = "bitmap: unsupported bits per pixel";
const char* const SBmpCompression = "bitmap: unsupported compression";
const char* const SBmpColorTable = "bitmap: the colour table does not fit before the pixels";
const char* const SBmpPixelOffset = "bitmap: the pixel rows lie past the end of the file";

std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return std::int32_t(U32(p)); }

// A 32-bit value loaded from memory, as the little-endian number it holds.
std::uint32_t LittleEndian(std::uint32_t loaded) {
    if constexpr (std::endian::native == std::endian::little)
        return loaded;
    else
        return ((loaded & 0xFF) << 24) | ((loaded & 0xFF00) << 8) | ((loaded >> 8) & 0xFF00) | (loaded >> 24);
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowBytesFor(int width, int bitsPerPixel) {
    return std::uint32_t((std::uint64_t(width) * std::uint64_t(bitsPerPixel) + 31) / 32 * 4);
}

std::vector<std::uint8_t> Headers(int width, int height, int bitsPerPixel, std::uint32_t colors) {
    std::uint32_t rowBytes = RowBytesFor(width, bitsPerPixel);
    std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + colors * 4;
    std::uint32_t imageBytes = rowBytes * std::uint32_t(height < 0 ? -height : height);
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);  // the two reserved words
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);  // planes
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, kBiRgb);
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dots per inch, in pixels per metre
    Put32(out, 2835);
    Put32(out, colors);
    Put32(out, 0);  // all colours important
    return out;
}

}  // namespace

TBmpInfo ReadBmpInfo(const std::uint8_t* data, std::size_t size) {
    if (size < kFileHeaderSize + kInfoHeaderSize)
        throw Exception(SBmpTruncated);
    if (data[0] != 'B' || data[1] != 'M')
        throw Exception(SBmpSignature);

    TBmpInfo info;
    info.FileSize = U32(data + 2);
    info.PixelOffset = U32(data + 10);
    info.HeaderSize = U32(data + 14);
    if (info.FileSize < kFileHeaderSize + kInfoHeaderSize)
        throw Exception(SBmpFileSize);
    if (info.FileSize > size)
        throw Exception(SBmpTruncated);
    // BITMAPINFOHEADER and its longer successors (V2, V3, V4, V5).
    const std::uint32_t h = info.HeaderSize;
    if (h != 40 && h != 52 && h != 56 && h != 108 && h != 124)
        throw Exception(SBmpHeaderSize);
    if (std::uint64_t(kFileHeaderSize) + h > info.FileSize)
        throw Exception(SBmpFileSize);

    const std::uint8_t* ih = data + kFileHeaderSize;
    std::int32_t width = I32(ih + 4);
    std::int32_t height = I32(ih + 8);
    if (width <= 0 || width > MaxBmpSide || height == 0 || height < -MaxBmpSide || height > MaxBmpSide)
        throw Exception(SBmpDimensions);
    if (std::uint64_t(width) * std::uint64_t(height < 0 ? -height : height) > MaxBmpPixels)
        throw Exception(SBmpDimensions);
    info.Width = width;
    info.Height = height < 0 ? -height : height;
    info.TopDown = height < 0;
    if (U16(ih + 12) != 1)
        throw Exception(SBmpPlanes);
    info.BitsPerPixel = U16(ih + 14);
    if (info.BitsPerPixel != 1 && info.BitsPerPixel != 4 && info.BitsPerPixel != 8 && info.BitsPerPixel != 24 &&
        info.BitsPerPixel != 32)
        throw Exception(SBmpDepth);
    if (U32(ih + 16) != kBiRgb)
        throw Exception(SBmpCompression);

    // The colour table follows the information header. Indexed depths have
    // 2^bits entries unless the header names fewer; the direct depths may
    // carry an optional table of up to 256 entries, which is ignored.
    std::uint32_t used = U32(ih + 32);
    if (info.BitsPerPixel <= 8) {
        std::uint32_t full = 1u << info.BitsPerPixel;
        if (used > full)
            throw Exception(SBmpColorTable);
        info.ColorCount = used == 0 ? full : used;
    } else {
        if (used > 256)
            throw Exception(SBmpColorTable);
        info.ColorCount = used;
    }
    std::uint64_t tableEnd = std::uint64_t(kFileHeaderSize) + h + std::uint64_t(info.ColorCount) * 4;
    if (tableEnd > info.FileSize || tableEnd > info.PixelOffset)
        throw Exception(SBmpColorTable);

    info.RowBytes = RowBytesFor(info.Width, info.BitsPerPixel);
    std::uint64_t pixelEnd = std::uint64_t(info.PixelOffset) + std::uint64_t(info.RowBytes) * std::uint64_t(info.Height);
    if (pixelEnd > info.FileSize)
        throw Exception(SBmpPixelOffset);
    return info;
}

TPixelBuffer DecodeBmp(const std::uint8_t* data, const TBmpInfo& info) {
    TPixelBuffer out(info.Width, info.Height);
    // Entries past the colour table stay 0, so every 8-bit index reads
    // something and those past the table read black.
    std::uint32_t palette[256] = {};
    if (info.BitsPerPixel <= 8) {
        const std::uint8_t* table = data + kFileHeaderSize + info.HeaderSize;
        for (std::uint32_t i = 0; i < info.ColorCount; ++i)
            palette[i] = MakePixel(table[i * 4 + 2], table[i * 4 + 1], table[i * 4], 0);
    }
    auto lookup = [&](unsigned index) { return palette[index]; };

    for (int fileRow = 0; fileRow < info.Height; ++fileRow) {
        const std::uint8_t* src = data + info.PixelOffset + std::size_t(fileRow) * info.RowBytes;
        std::uint32_t* dst = out.Row(info.TopDown ? fileRow : info.Height - 1 - fileRow);
        switch (info.BitsPerPixel) {
        case 1:
            for (int x = 0; x < info.Width; ++x)
                dst[x] = lookup((src[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < info.Width; ++x)
                dst[x] = lookup((x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4));
            break;
        case 8:
            for (int x = 0; x < info.Width; ++x)
                dst[x] = lookup(src[x]);
            break;
        case 24: {
            // Blue, green, red in memory are the low three bytes of a pixel:
            // load four and drop the fourth, except for the last pixel, whose
            // fourth byte may lie past the row.
            const int last = info.Width - 1;
            for (int x = 0; x < last; ++x, src += 3) {
                std::uint32_t v;
                std::memcpy(&v, src, 4);
                dst[x] = LittleEndian(v) & 0x00FFFFFFu;
            }
            dst[last] = MakePixel(src[2], src[1], src[0], 0);
            break;
        }
        default:  // 32: blue, green, red, alpha, as in memory
            for (int x = 0; x < info.Width; ++x, src += 4)
                dst[x] = U32(src);
            break;
        }
    }
    return out;
}

TBmpFile ReadBmpFile(const std::uint8_t* data, std::size_t size) {
    TBmpFile file;
    file.Info = ReadBmpInfo(data, size);
    file.Bytes.assign(data, data + file.Info.FileSize);
    return file;
}

std::vector<std::uint8_t> WriteBmp(const TPixelBuffer& pixels, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw Exception(SBmpDepth);
    if (pixels.Empty())
        throw Exception(SBmpDimensions);
    std::vector<std::uint8_t> out = Headers(pixels.Width, pixels.Height, bitsPerPixel, 0);
    std::uint32_t rowBytes = RowBytesFor(pixels.Width, bitsPerPixel);
    for (int y = pixels.Height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint32_t p = pixels.At(x, y);
            out.push_back(PixelB(p));
            out.push_back(PixelG(p));
            out.push_back(PixelR(p));
            if (bitsPerPixel == 32)
                out.push_back(PixelA(p));
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

std::vector<std::uint8_t> WriteIndexedBmp(int width, int height, int bitsPerPixel,
                                          const std::vector<std::uint32_t>& palette,
                                          const std::vector<std::uint8_t>& indexes, bool topDown) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw Exception(SBmpDepth);
    if (width <= 0 || height <= 0 || indexes.size() != std::size_t(width) * std::size_t(height))
        throw Exception(SBmpDimensions);
    if (palette.empty() || palette.size() > (1u << bitsPerPixel))
        throw Exception(SBmpColorTable);
    std::vector<std::uint8_t> out =
        Headers(width, topDown ? -height : height, bitsPerPixel, std::uint32_t(palette.size()));
    for (std::uint32_t c : palette) {
        out.push_back(std::uint8_t(c));        // blue
        out.push_back(std::uint8_t(c >> 8));   // green
        out.push_back(std::uint8_t(c >> 16));  // red
        out.push_back(0);
    }
    std::uint32_t rowBytes = RowBytesFor(width, bitsPerPixel);
    for (int i = 0; i < height; ++i) {
        int y = topDown ? i : height - 1 - i;
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            unsigned v = indexes[std::size_t(y) * std::size_t(width) + std::size_t(x)] & ((1u << bitsPerPixel) - 1);
            int bit = x * bitsPerPixel;
            row[std::size_t(bit >> 3)] |= std::uint8_t(v << (8 - bitsPerPixel - (bit & 7)));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
