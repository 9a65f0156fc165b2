// Reading and writing of the BMP files a skin package holds.
//
// Accepted: a 14-byte file header ("BM", total size, two reserved words,
// pixel offset) followed by one of these information headers:
//   12 bytes   OS/2 core: 16-bit width and height, bottom-up only, 1, 4, 8 or
//              24 bits, no compression, a colour table of 2^bits entries of
//              3 bytes each (blue, green, red);
//   40 bytes   the common header; 52 and 56 bytes add the red, green, blue
//              (and, at 56, alpha) masks; 108 and 124 bytes add colour
//              space facts, which are ignored. Colour table entries are
//              4 bytes (blue, green, red, unused).
// Encodings (bits per pixel, compression):
//   1, 4, 8     uncompressed, through the colour table, which may be
//               shorter than the depth allows (the header's used-colour
//               count): an index past it reads as black;
//   8 RLE8, 4 RLE4
//               run-length encoded, bottom-up only (see DecodeBmp);
//   16          uncompressed 5-5-5, or any masks given as bit fields;
//   24          uncompressed blue, green, red;
//   32          uncompressed blue, green, red, alpha, or bit fields.
// Bit-field masks follow a 40-byte header (three, or four with the
// alpha-bit-field compression) or sit inside the 52- to 124-byte headers.
// Refused, each with its own text: JPEG or PNG data inside a BMP, masks that
// are zero, overlap, have gaps or lie outside the pixel, a colour table that
// does not fit before the pixels, and every size the headers state that the
// bytes present do not back. All of it is checked in 64-bit arithmetic
// before anything is allocated, so a header that lies is refused with an
// Exception instead of being believed.
//
// The total size in the file header is the file's length: inside a package
// the next item begins right after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/portable/PixelBuffer.h"

// The compression field of the information header, as numbered in the file.
enum TBmpCompression : std::uint32_t {
    bmcRgb = 0,             // uncompressed
    bmcRle8 = 1,            // run-length encoded, 8 bits per pixel
    bmcRle4 = 2,            // run-length encoded, 4 bits per pixel
    bmcBitFields = 3,       // uncompressed, channels picked out by red, green, blue masks
    bmcJpeg = 4,            // a JPEG file as the pixel data: refused
    bmcPng = 5,             // a PNG file as the pixel data: refused
    bmcAlphaBitFields = 6,  // bit fields with a fourth, alpha, mask after a 40-byte header
};

// What the headers of a valid BMP file say.
struct TBmpInfo {
    std::uint32_t FileSize = 0;     // bytes, from the file header: the item's length
    std::uint32_t PixelOffset = 0;  // bytes from the start of the file to the pixel data
    std::uint32_t HeaderSize = 0;   // bytes of the information header: 12, 40, 52, 56, 108 or 124
    int Width = 0;                  // pixels, > 0
    int Height = 0;                 // pixels, > 0 (the sign is in TopDown)
    bool TopDown = false;           // first row in the file is the top row
    int BitsPerPixel = 0;           // 1, 4, 8, 16, 24 or 32
    TBmpCompression Compression = bmcRgb;  // as the file states it; never bmcJpeg or bmcPng
    std::uint32_t ColorTableOffset = 0;    // bytes from the start of the file to the colour table
    std::uint32_t ColorCount = 0;          // colour table entries
    std::uint32_t ColorEntrySize = 4;      // bytes per entry: 3 after a core header, else 4
    // The masks decoding uses, for 16 and 32 bits only (0 otherwise).
    // Uncompressed 16 bits are 5-5-5 and uncompressed 32 bits take alpha from
    // the fourth byte; masks inside a longer header count only with bit-field
    // compression. An AlphaMask of 0 gives alpha 0.
    std::uint32_t RedMask = 0;
    std::uint32_t GreenMask = 0;
    std::uint32_t BlueMask = 0;
    std::uint32_t AlphaMask = 0;
    std::uint32_t RowBytes = 0;  // uncompressed: bytes per row including padding; 0 for run-length data
    std::uint32_t DataSize = 0;  // bytes of pixel data from PixelOffset: the rows, or the run-length stream

    bool RunLength() const { return Compression == bmcRle8 || Compression == bmcRle4; }
    bool BitFields() const { return Compression == bmcBitFields || Compression == bmcAlphaBitFields; }
};

// Limits beyond which a picture is refused even when its bytes are present:
// no skin picture comes near them, and they keep a decoded picture below
// 256 MB.
constexpr int MaxBmpSide = 32767;                  // pixels
constexpr std::uint64_t MaxBmpPixels = 1ull << 26;  // 64 M pixels

// The smallest valid BMP file: a core header and one 24-bit pixel, whose row
// is padded to 4 bytes (14 + 12 + 4).
constexpr std::size_t MinBmpFileSize = 30;

// Checks the BMP file at the start of data (size bytes available; the file
// may be followed by other bytes) and returns its header facts. Run-length
// data is walked through once, without writing pixels, so that a stream cut
// short is refused here rather than when the picture is decoded. Raises an
// Exception saying what is wrong when the file is malformed, unsupported or
// cut short.
TBmpInfo ReadBmpInfo(const std::uint8_t* data, std::size_t size);

// The bytes at the start of a BMP file that hold every header field: the
// file header, the longest information header and four masks after it.
constexpr std::size_t BmpHeadBytes = 14 + 124 + 16;

// For a reader that has only the start of a file: the checks of ReadBmpInfo
// on the headers, from the first min(FileSize, BmpHeadBytes) bytes of the
// file or more (headSize; fewer raise "truncated"). Run-length data is not
// walked, and the rest of the file is taken to be there: the caller checks
// that the bytes arrive.
TBmpInfo ReadBmpHeaders(const std::uint8_t* head, std::size_t headSize);

// Decodes the pixels of a file already checked by ReadBmpInfo into a
// top-down 32-bit buffer; it reads no byte past info.FileSize.
//  - Colour tables and 24 bits give alpha 0 (as when a 24-bit picture is
//    copied into a 32-bit section). An index past the colour table reads as
//    black.
//  - Plain 32 bits keep the file's fourth byte as alpha; bit fields take
//    alpha from the alpha mask, and give 0 without one.
//  - A bit-field channel of n bits with value v becomes the nearest 8-bit
//    value, round(v * 255 / (2^n - 1)), computed exactly as
//    (v * 255 + (2^n - 1) / 2) / (2^n - 1): for 5 bits (v * 255 + 15) / 31.
//  - Run-length data: a run or a delta that would cross the row's end or the
//    image's top is cut there, never written past it; pixels the stream never
//    writes (skipped by a delta, an early end of line or end of bitmap) keep
//    colour table index 0.
TPixelBuffer DecodeBmp(const std::uint8_t* data, const TBmpInfo& info);

// Decodes the rows of an uncompressed file as they arrive, for a reader
// that streams the file rather than holding it whole; DecodeBmp decodes
// through it too.
class TBmpRowDecoder {
public:
    // info from ReadBmpInfo or ReadBmpHeaders, not run-length; head holds
    // the file's bytes up to the end of its colour table at least.
    TBmpRowDecoder(const TBmpInfo& info, const std::uint8_t* head);

    // Decodes count rows of info.RowBytes bytes each, the first of them the
    // file's row fileRow (0 is the first row in the file), into out, a
    // buffer of the picture's size.
    void Decode(const std::uint8_t* rows, int fileRow, int count, TPixelBuffer& out) const;

private:
    TBmpInfo FInfo;
    std::uint32_t FPalette[256] = {};  // entries past the colour table stay black
};

// A BMP file kept byte for byte, so that a package can write it back
// unchanged, with the facts of its headers.
struct TBmpFile {
    std::vector<std::uint8_t> Bytes;  // exactly Info.FileSize bytes
    TBmpInfo Info;

    TPixelBuffer Decode() const { return DecodeBmp(Bytes.data(), Info); }
};

// Checks the file at the start of data and copies its FileSize bytes.
TBmpFile ReadBmpFile(const std::uint8_t* data, std::size_t size);

// Writes an uncompressed bottom-up BMP file of 24 or 32 bits per pixel.
std::vector<std::uint8_t> WriteBmp(const TPixelBuffer& pixels, int bitsPerPixel);

// Writes an indexed BMP file (1, 4 or 8 bits per pixel) from one colour
// table index per pixel, top row first; palette entries are 0x00RRGGBB.
std::vector<std::uint8_t> WriteIndexedBmp(int width, int height, int bitsPerPixel,
                                          const std::vector<std::uint32_t>& palette,
                                          const std::vector<std::uint8_t>& indexes, bool topDown = false);
