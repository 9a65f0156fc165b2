// What the BMP reader's files share: the sizes of the format, the error
// texts (each written once, here) and little-endian field readers. Used only
// by the BMP reader and writer themselves.
#pragma once

#include <bit>
#include <cstdint>

namespace bmp {

constexpr std::uint32_t FileHeaderSize = 14;  // "BM", size, two reserved words, pixel offset
constexpr std::uint32_t CoreHeaderSize = 12;  // BITMAPCOREHEADER (OS/2 1.x)
constexpr std::uint32_t InfoHeaderSize = 40;  // BITMAPINFOHEADER

inline constexpr const char* SBmpTruncated = "bitmap: the data ends inside the bitmap";
inline constexpr const char* SBmpSignature = "bitmap: missing the \"BM\" signature";
inline constexpr const char* SBmpFileSize = "bitmap: the file size is smaller than its headers";
inline constexpr const char* SBmpHeaderSize = "bitmap: unsupported information header size";
inline constexpr const char* SBmpDimensions = "bitmap: width or height is zero, negative or too large";
inline constexpr const char* SBmpPlanes = "bitmap: the plane count is not 1";
inline constexpr const char* SBmpDepth = "bitmap: unsupported bits per pixel";
inline constexpr const char* SBmpCompression = "bitmap: unsupported compression";
inline constexpr const char* SBmpJpeg = "bitmap: JPEG data inside a bitmap is not supported";
inline constexpr const char* SBmpPng = "bitmap: PNG data inside a bitmap is not supported";
inline constexpr const char* SBmpCompressionDepth = "bitmap: the compression does not suit the bits per pixel";
inline constexpr const char* SBmpRleTopDown = "bitmap: run-length data must be stored bottom-up";
inline constexpr const char* SBmpMaskZero = "bitmap: a red, green or blue bit-field mask is zero";
inline constexpr const char* SBmpMaskOverlap = "bitmap: bit-field masks overlap";
inline constexpr const char* SBmpMaskGap = "bitmap: a bit-field mask is not one run of bits";
inline constexpr const char* SBmpMaskOutside = "bitmap: a bit-field mask lies outside the pixel";
inline constexpr const char* SBmpColorTable = "bitmap: the colour table does not fit before the pixels";
inline constexpr const char* SBmpPixelOffset = "bitmap: the pixel rows lie past the end of the file";
inline constexpr const char* SBmpImageSize = "bitmap: the image size runs past the end of the file";
inline constexpr const char* SBmpRleTruncated = "bitmap: the run-length data ends before its end-of-bitmap mark";

inline std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline std::int32_t I32(const std::uint8_t* p) { return std::int32_t(U32(p)); }

// A 32-bit value loaded from memory, as the little-endian number it holds.
inline std::uint32_t LittleEndian(std::uint32_t loaded) {
    if constexpr (std::endian::native == std::endian::little)
        return loaded;
    else
        return ((loaded & 0xFF) << 24) | ((loaded & 0xFF00) << 8) | ((loaded >> 8) & 0xFF00) | (loaded >> 24);
}

// Bytes per row, padded to a multiple of 4; at most 131072 for the widths
// the reader accepts, so 64-bit arithmetic never overflows.
inline std::uint64_t RowBytesFor(int width, int bitsPerPixel) {
    return (std::uint64_t(width) * std::uint64_t(bitsPerPixel) + 31) / 32 * 4;
}

}  // namespace bmp
