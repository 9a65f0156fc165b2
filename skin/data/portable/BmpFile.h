// Strict reading and writing of the BMP files a skin package holds.
//
// Accepted: a 14-byte file header ("BM", total size, two reserved words,
// pixel offset), an information header of 40 bytes (or one of the longer
// versions, whose extra fields are ignored), 1, 4, 8, 24 or 32 bits per
// pixel, no compression, rows bottom-up (positive height) or top-down
// (negative height), each row padded to a multiple of 4 bytes, and a colour
// table for the indexed depths. Every size the header states is checked
// against the bytes present before anything is allocated, so a header that
// lies is refused with an Exception instead of being believed.
//
// The total size in the file header is the file's length: inside a package
// the next item begins right after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/portable/PixelBuffer.h"

// What the headers of a valid BMP file say.
struct TBmpInfo {
    std::uint32_t FileSize = 0;     // bytes, from the file header: the item's length
    std::uint32_t PixelOffset = 0;  // bytes from the start of the file to the first row
    std::uint32_t HeaderSize = 0;   // bytes of the information header
    int Width = 0;                  // pixels, > 0
    int Height = 0;                 // pixels, > 0 (the sign is in TopDown)
    bool TopDown = false;           // first row in the file is the top row
    int BitsPerPixel = 0;           // 1, 4, 8, 24 or 32
    std::uint32_t ColorCount = 0;   // colour table entries, 4 bytes each
    std::uint32_t RowBytes = 0;     // bytes per row including padding
};

// Limits beyond which a picture is refused even when its bytes are present:
// no skin picture comes near them, and they keep a decoded picture below
// 256 MB.
constexpr int MaxBmpSide = 32767;                  // pixels
constexpr std::uint64_t MaxBmpPixels = 1ull << 26;  // 64 M pixels

// Checks the BMP file at the start of data (size bytes available; the file
// may be followed by other bytes) and returns its header facts. Raises an
// Exception saying what is wrong when the file is malformed, unsupported or
// cut short.
TBmpInfo ReadBmpInfo(const std::uint8_t* data, std::size_t size);

// Decodes the pixels of a file already checked by ReadBmpInfo into a
// top-down 32-bit buffer. Colour channels come from the file or its colour
// table; alpha is the file's fourth byte for 32 bits per pixel and 0
// otherwise (as when a 24-bit picture is copied into a 32-bit section). An
// index past the colour table reads as black.
TPixelBuffer DecodeBmp(const std::uint8_t* data, const TBmpInfo& info);

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
