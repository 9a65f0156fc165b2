// ReadBmpInfo: the file and information headers, the bit-field masks, the
// colour table's place and the extent of the pixel data, each checked
// against the bytes present.
#include <algorithm>
#include <bit>

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/BmpFormat.h"
#include "skin/data/portable/BmpRle.h"

using namespace bmp;

namespace {

// Information header sizes with a 4-byte width and height: BITMAPINFOHEADER
// and its successors (V2, V3, V4, V5).
bool IsInfoHeaderSize(std::uint32_t h) { return h == 40 || h == 52 || h == 56 || h == 108 || h == 124; }

// Where bit-field masks come from, and the checks every used mask passes:
// red, green and blue each one run of set bits inside the pixel, alpha one
// run or none, no two sharing a bit.
void ReadMasks(TBmpInfo& info, const std::uint8_t* ih, std::uint32_t& masksAfterHeader) {
    masksAfterHeader = 0;
    if (!info.BitFields()) {
        if (info.BitsPerPixel == 16) {  // 5-5-5, the top bit unused
            info.RedMask = 0x7C00;
            info.GreenMask = 0x03E0;
            info.BlueMask = 0x001F;
        } else if (info.BitsPerPixel == 32) {  // blue, green, red, alpha bytes
            info.RedMask = 0x00FF0000;
            info.GreenMask = 0x0000FF00;
            info.BlueMask = 0x000000FF;
            info.AlphaMask = 0xFF000000;
        }
        return;
    }
    const std::uint8_t* masks = ih + 40;  // inside a longer header, or right after a 40-byte one
    const bool alphaGiven =
        info.HeaderSize >= 56 || (info.HeaderSize == InfoHeaderSize && info.Compression == bmcAlphaBitFields);
    if (info.HeaderSize == InfoHeaderSize)
        masksAfterHeader = alphaGiven ? 16 : 12;
    if (std::uint64_t(FileHeaderSize) + info.HeaderSize + masksAfterHeader > info.FileSize)
        throw Exception(SBmpFileSize);
    info.RedMask = U32(masks);
    info.GreenMask = U32(masks + 4);
    info.BlueMask = U32(masks + 8);
    info.AlphaMask = alphaGiven ? U32(masks + 12) : 0;

    const std::uint32_t pixelBits = info.BitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    const std::uint32_t masksInOrder[4] = {info.RedMask, info.GreenMask, info.BlueMask, info.AlphaMask};
    std::uint32_t seen = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t m = masksInOrder[i];
        if (m == 0) {
            if (i < 3)  // only alpha may be absent
                throw Exception(SBmpMaskZero);
            continue;
        }
        if ((m & ~pixelBits) != 0)
            throw Exception(SBmpMaskOutside);
        const std::uint32_t run = m >> std::countr_zero(m);
        if ((run & (run + 1)) != 0)  // a run of ones plus one is a power of two (0 when all 32 are set)
            throw Exception(SBmpMaskGap);
        if ((seen & m) != 0)
            throw Exception(SBmpMaskOverlap);
        seen |= m;
    }
}

// Compression and depth together: which pairs exist, and what they ask of
// the rest of the header.
void CheckCompression(const TBmpInfo& info) {
    switch (info.Compression) {
    case bmcRgb:
        return;
    case bmcRle8:
    case bmcRle4:
        if (info.BitsPerPixel != (info.Compression == bmcRle8 ? 8 : 4))
            throw Exception(SBmpCompressionDepth);
        if (info.TopDown)
            throw Exception(SBmpRleTopDown);
        return;
    case bmcBitFields:
    case bmcAlphaBitFields:
        if (info.BitsPerPixel != 16 && info.BitsPerPixel != 32)
            throw Exception(SBmpCompressionDepth);
        return;
    case bmcJpeg:
        throw Exception(SBmpJpeg);
    case bmcPng:
        throw Exception(SBmpPng);
    }
    throw Exception(SBmpCompression);
}

}  // namespace

namespace {

// Every check of ReadBmpInfo but the walk through run-length data. Reads
// no byte past the first min(FileSize, BmpHeadBytes) of the file.
TBmpInfo ReadHeaders(const std::uint8_t* data, std::size_t size) {
    if (size < FileHeaderSize + 4)
        throw Exception(SBmpTruncated);
    if (data[0] != 'B' || data[1] != 'M')
        throw Exception(SBmpSignature);

    TBmpInfo info;
    info.FileSize = U32(data + 2);
    info.PixelOffset = U32(data + 10);
    info.HeaderSize = U32(data + 14);
    if (info.FileSize > size)
        throw Exception(SBmpTruncated);
    const std::uint32_t h = info.HeaderSize;
    if (h != CoreHeaderSize && !IsInfoHeaderSize(h))
        throw Exception(SBmpHeaderSize);
    if (std::uint64_t(FileHeaderSize) + h > info.FileSize)
        throw Exception(SBmpFileSize);

    const std::uint8_t* ih = data + FileHeaderSize;
    const bool core = h == CoreHeaderSize;
    std::int64_t width, height;
    if (core) {  // unsigned 16-bit sizes, always bottom-up
        width = U16(ih + 4);
        height = U16(ih + 6);
    } else {
        width = I32(ih + 4);
        height = I32(ih + 8);
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || width > MaxBmpSide || rows == 0 || rows > MaxBmpSide)
        throw Exception(SBmpDimensions);
    if (std::uint64_t(width) * std::uint64_t(rows) > MaxBmpPixels)
        throw Exception(SBmpDimensions);
    info.Width = int(width);
    info.Height = int(rows);
    info.TopDown = height < 0;
    if (U16(ih + (core ? 8 : 12)) != 1)
        throw Exception(SBmpPlanes);
    info.BitsPerPixel = U16(ih + (core ? 10 : 14));
    const int bits = info.BitsPerPixel;
    const bool coreDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24;
    if (!coreDepth && (core || (bits != 16 && bits != 32)))
        throw Exception(SBmpDepth);
    info.Compression = core ? bmcRgb : TBmpCompression(U32(ih + 16));
    CheckCompression(info);

    std::uint32_t masksAfterHeader = 0;
    ReadMasks(info, ih, masksAfterHeader);

    // The colour table follows the header and any masks. Indexed depths have
    // 2^bits entries unless a 40-byte or longer header names fewer; the
    // direct depths may carry an optional table of up to 256 entries, which
    // is ignored.
    const std::uint32_t used = core ? 0 : U32(ih + 32);
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        if (used > full)
            throw Exception(SBmpColorTable);
        info.ColorCount = used == 0 ? full : used;
    } else {
        if (used > 256)
            throw Exception(SBmpColorTable);
        info.ColorCount = used;
    }
    info.ColorEntrySize = core ? 3 : 4;
    info.ColorTableOffset = FileHeaderSize + h + masksAfterHeader;
    const std::uint64_t tableEnd =
        std::uint64_t(info.ColorTableOffset) + std::uint64_t(info.ColorCount) * info.ColorEntrySize;
    if (tableEnd > info.FileSize || tableEnd > info.PixelOffset)
        throw Exception(SBmpColorTable);

    if (!info.RunLength()) {
        const std::uint64_t rowBytes = RowBytesFor(info.Width, bits);
        const std::uint64_t dataSize = rowBytes * std::uint64_t(info.Height);
        if (std::uint64_t(info.PixelOffset) + dataSize > info.FileSize)
            throw Exception(SBmpPixelOffset);
        info.RowBytes = std::uint32_t(rowBytes);
        info.DataSize = std::uint32_t(dataSize);
        return info;
    }

    // Run-length data is as long as the image size field says, or, when
    // that is 0, runs to the end of the file.
    if (info.PixelOffset > info.FileSize)
        throw Exception(SBmpPixelOffset);
    const std::uint32_t imageSize = U32(ih + 20);
    if (std::uint64_t(info.PixelOffset) + imageSize > info.FileSize)
        throw Exception(SBmpImageSize);
    info.DataSize = imageSize != 0 ? imageSize : info.FileSize - info.PixelOffset;
    return info;
}

}  // namespace

TBmpInfo ReadBmpInfo(const std::uint8_t* data, std::size_t size) {
    const TBmpInfo info = ReadHeaders(data, size);
    if (info.RunLength()) WalkBmpRle(data, info, nullptr, nullptr);
    return info;
}

TBmpInfo ReadBmpHeaders(const std::uint8_t* head, std::size_t headSize) {
    if (headSize < FileHeaderSize + 4)
        throw Exception(SBmpTruncated);
    const std::uint32_t fileSize = U32(head + 2);
    if (headSize < std::min<std::size_t>(fileSize, BmpHeadBytes))
        throw Exception(SBmpTruncated);
    return ReadHeaders(head, fileSize);
}
