// A 32-bit picture in memory, independent of any platform bitmap.
//
// Pixels are stored top-down, row after row with no padding; each pixel is
// one 32-bit value laid out in memory as blue, green, red, alpha (that is,
// 0xAARRGGBB when read as a little-endian integer), the layout of a 32-bit
// Windows DIB section, so rows can be copied to and from one directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TPixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;  // Width * Height, top row first

    TPixelBuffer() = default;
    TPixelBuffer(int width, int height, std::uint32_t fill = 0)
        : Width(width > 0 ? width : 0),
          Height(height > 0 ? height : 0),
          Pixels(std::size_t(Width) * std::size_t(Height), fill) {}

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
