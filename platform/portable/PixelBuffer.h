// A 32-bit picture in memory, independent of any platform bitmap.
//
// Pixels are stored top-down, row after row with no padding; each pixel is
// one 32-bit value laid out in memory as blue, green, red, alpha (that is,
// 0xAARRGGBB when read as a little-endian integer), the layout of a 32-bit
// Windows DIB section, so rows can be copied to and from one directly.
//
// Sizes: every picture the engine makes is at most MaxPixelSide pixels on a
// side and MaxPixelCount pixels in all (256 MB at 4 bytes a pixel). Sizes
// often come from skin files, which anybody can write: the bound is checked
// in 64-bit arithmetic before anything is allocated, so that neither a
// 65536 x 65536 rectangle nor a 32-bit size_t can make a buffer smaller than
// its pixels or ask for gigabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/portable/PixelMemory.h"

constexpr int MaxPixelSide = 32767;                  // pixels
constexpr std::uint64_t MaxPixelCount = 1ull << 26;  // 64 M pixels

// True when a width x height picture is within the bounds above. Sides of 0
// or less make an empty picture, which always fits.
constexpr bool PixelSizeFits(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) return true;
    return width <= MaxPixelSide && height <= MaxPixelSide &&
           std::uint64_t(width) * std::uint64_t(height) <= MaxPixelCount;
}

// The number of 32-bit pixels of a width x height picture as a SizeT, or
// nothing when the picture is out of bounds. SizeT is a parameter so that the
// arithmetic of a 32-bit size_t (the i686 build) can be checked on any
// machine; within the bounds the bytes (count * 4) fit in 32 bits too.
template <class SizeT = std::size_t>
constexpr std::optional<SizeT> PixelCountFor(std::int64_t width, std::int64_t height) {
    if (!PixelSizeFits(width, height)) return std::nullopt;
    if (width <= 0 || height <= 0) return SizeT(0);
    return SizeT(std::uint64_t(width) * std::uint64_t(height));
}

static_assert(MaxPixelCount * 4 <= 0xFFFFFFFFull, "a bounded picture's bytes fit a 32-bit size_t");

// Raised (as Exception) by the checked constructor below.
extern const char* const SPixelBufferTooLarge;

struct TPixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t, TPixelAllocator<std::uint32_t>> Pixels;  // Width * Height, top row first

    TPixelBuffer() = default;
    // Sides of 0 or less give an empty buffer. Raises Exception
    // (SPixelBufferTooLarge) when the size is out of bounds, before
    // allocating anything.
    TPixelBuffer(int width, int height, std::uint32_t fill = 0);

    // A buffer whose pixels are left unset, for a caller that writes every
    // one of them (a decoder): it saves a pass over the memory. Checked as
    // the constructor is.
    static TPixelBuffer Unfilled(int width, int height);

    bool Empty() const { return Width <= 0 || Height <= 0; }
    std::uint32_t* Row(int y) { return Pixels.data() + std::size_t(y) * std::size_t(Width); }
    const std::uint32_t* Row(int y) const { return Pixels.data() + std::size_t(y) * std::size_t(Width); }
    std::uint32_t& At(int x, int y) { return Row(y)[x]; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }
};

// Pixel value helpers for the blue-green-red-alpha layout above.
constexpr std::uint32_t MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 0) {
    return std::uint32_t(b) | (std::uint32_t(g) << 8) | (std::uint32_t(r) << 16) | (std::uint32_t(a) << 24);
}
constexpr std::uint8_t PixelB(std::uint32_t p) { return std::uint8_t(p); }
constexpr std::uint8_t PixelG(std::uint32_t p) { return std::uint8_t(p >> 8); }
constexpr std::uint8_t PixelR(std::uint32_t p) { return std::uint8_t(p >> 16); }
constexpr std::uint8_t PixelA(std::uint32_t p) { return std::uint8_t(p >> 24); }
