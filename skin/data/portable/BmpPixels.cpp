// DecodeBmp: the pixel rows of every encoding ReadBmpInfo accepts, into a
// top-down blue-green-red-alpha buffer.
#include <algorithm>
#include <bit>
#include <cstring>

#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/BmpFormat.h"
#include "skin/data/portable/BmpRle.h"

using namespace bmp;

namespace {

// One bit-field channel: where its bits sit and how they widen to 8 bits.
class TBitChannel {
public:
    explicit TBitChannel(std::uint32_t mask)
        : FMask(mask), FShift(mask ? std::countr_zero(mask) : 0), FMax(mask >> FShift) {}

    // round(v * 255 / max), exactly; 0 for an absent channel.
    // PERF: a lookup table per channel would replace the division; bit-field
    // pictures are rare in skins, so they take the plain arithmetic.
    std::uint8_t Take(std::uint32_t pixel) const {
        if (FMax == 0)
            return 0;
        const std::uint64_t v = (pixel & FMask) >> FShift;
        return std::uint8_t((v * 255 + FMax / 2) / FMax);
    }

private:
    std::uint32_t FMask;
    int FShift;
    std::uint32_t FMax;  // the channel's largest value, 2^bits - 1
};

struct TBitFields {
    TBitChannel Red, Green, Blue, Alpha;
    explicit TBitFields(const TBmpInfo& info)
        : Red(info.RedMask), Green(info.GreenMask), Blue(info.BlueMask), Alpha(info.AlphaMask) {}
    std::uint32_t Pixel(std::uint32_t v) const {
        return MakePixel(Red.Take(v), Green.Take(v), Blue.Take(v), Alpha.Take(v));
    }
};

// The colour table as pixels, 256 entries whatever the file holds: entries
// past the table stay 0, so every 8-bit index reads something and those past
// the table read black.
void ReadPalette(const std::uint8_t* data, const TBmpInfo& info, std::uint32_t (&palette)[256]) {
    const std::uint8_t* entry = data + info.ColorTableOffset;
    for (std::uint32_t i = 0; i < info.ColorCount; ++i, entry += info.ColorEntrySize)
        palette[i] = MakePixel(entry[2], entry[1], entry[0], 0);
}

void DecodeIndexedRow(const std::uint8_t* src, std::uint32_t* dst, int width, int bits, const std::uint32_t* palette) {
    switch (bits) {
    case 1:
        for (int x = 0; x < width; ++x)
            dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            dst[x] = palette[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
        break;
    default:  // 8
        for (int x = 0; x < width; ++x)
            dst[x] = palette[src[x]];
        break;
    }
}

// Blue, green, red in memory are the low three bytes of a pixel. Four
// pixels are three whole words; the rest load four bytes and drop the
// fourth, except for the last pixel, whose fourth byte may lie past the row
// (and past the file).
void Decode24Row(const std::uint8_t* src, std::uint32_t* dst, int width) {
    const int last = width - 1;
    int x = 0;
    for (; x + 4 <= width; x += 4, src += 12) {
        std::uint32_t a, b, c;
        std::memcpy(&a, src, 4);
        std::memcpy(&b, src + 4, 4);
        std::memcpy(&c, src + 8, 4);
        a = LittleEndian(a);
        b = LittleEndian(b);
        c = LittleEndian(c);
        dst[x] = a & 0x00FFFFFFu;
        dst[x + 1] = (a >> 24) | ((b & 0xFFFFu) << 8);
        dst[x + 2] = (b >> 16) | ((c & 0xFFu) << 16);
        dst[x + 3] = c >> 8;
    }
    if (x == width) return;
    for (; x < last; ++x, src += 3) {
        std::uint32_t v;
        std::memcpy(&v, src, 4);
        dst[x] = LittleEndian(v) & 0x00FFFFFFu;
    }
    dst[last] = MakePixel(src[2], src[1], src[0], 0);
}

void Decode16Row(const std::uint8_t* src, std::uint32_t* dst, int width, const TBitFields& fields) {
    for (int x = 0; x < width; ++x, src += 2)
        dst[x] = fields.Pixel(U16(src));
}

// 32 bits laid out as blue, green, red, alpha bytes (plain 32 bits, or bit
// fields naming those bytes) copy straight; other masks go channel by
// channel.
void Decode32Row(const std::uint8_t* src, std::uint32_t* dst, int width, const TBmpInfo& info,
                 const TBitFields& fields) {
    const bool byteChannels = info.RedMask == 0x00FF0000u && info.GreenMask == 0x0000FF00u &&
                              info.BlueMask == 0x000000FFu && (info.AlphaMask == 0xFF000000u || info.AlphaMask == 0);
    if (byteChannels) {
        const std::uint32_t keep = 0x00FFFFFFu | info.AlphaMask;
        for (int x = 0; x < width; ++x, src += 4)
            dst[x] = U32(src) & keep;
    } else {
        for (int x = 0; x < width; ++x, src += 4)
            dst[x] = fields.Pixel(U32(src));
    }
}

}  // namespace

TBmpRowDecoder::TBmpRowDecoder(const TBmpInfo& info, const std::uint8_t* head) : FInfo(info) {
    if (info.BitsPerPixel <= 8)
        ReadPalette(head, info, FPalette);
}

void TBmpRowDecoder::Decode(const std::uint8_t* rows, int fileRow, int count, TPixelBuffer& out) const {
    const TBitFields fields(FInfo);
    for (int i = 0; i < count; ++i, ++fileRow, rows += FInfo.RowBytes) {
        std::uint32_t* dst = out.Row(FInfo.TopDown ? fileRow : FInfo.Height - 1 - fileRow);
        switch (FInfo.BitsPerPixel) {
        case 16:
            Decode16Row(rows, dst, FInfo.Width, fields);
            break;
        case 24:
            Decode24Row(rows, dst, FInfo.Width);
            break;
        case 32:
            Decode32Row(rows, dst, FInfo.Width, FInfo, fields);
            break;
        default:
            DecodeIndexedRow(rows, dst, FInfo.Width, FInfo.BitsPerPixel, FPalette);
            break;
        }
    }
}

TPixelBuffer DecodeBmp(const std::uint8_t* data, const TBmpInfo& info) {
    if (info.RunLength()) {
        std::uint32_t palette[256] = {};
        ReadPalette(data, info, palette);
        TPixelBuffer out(info.Width, info.Height, palette[0]);  // pixels the stream skips keep index 0
        WalkBmpRle(data, info, palette, &out);
        return out;
    }
    TPixelBuffer out = TPixelBuffer::Unfilled(info.Width, info.Height);  // every row is decoded
    TBmpRowDecoder(info, data).Decode(data + info.PixelOffset, 0, info.Height, out);
    return out;
}
