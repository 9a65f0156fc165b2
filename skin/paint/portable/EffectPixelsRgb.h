// 24-bit pictures: three bytes per pixel, blue, green, red, rows top-down,
// each row padded to a multiple of 4 bytes (width*3 + width mod 4 bytes, the
// row of a 24-bit device-independent section). Used by the mask reader and
// by the morphs and inactive effects of TbsEffectBmp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes per row of a 24-bit section.
constexpr int RgbRowSize(int width) { return width * 3 + width % 4; }

// A window onto 24-bit pixels owned elsewhere. Stride is in bytes.
struct TRgbView {
    std::uint8_t* Bits = nullptr;  // not owned
    int Width = 0;
    int Height = 0;
    int Stride = 0;

    bool Empty() const { return !Bits || Width <= 0 || Height <= 0; }
    std::uint8_t* Row(int y) const { return Bits + std::ptrdiff_t(y) * Stride; }
    std::uint8_t* Pixel(int x, int y) const { return Row(y) + std::ptrdiff_t(x) * 3; }
};

// A 24-bit picture in memory, laid out like the section.
struct TRgbBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Bytes;

    TRgbBuffer() = default;
    TRgbBuffer(int width, int height, std::uint8_t fill = 0)
        : Width(width > 0 ? width : 0),
          Height(height > 0 ? height : 0),
          Bytes(std::size_t(RgbRowSize(Width)) * std::size_t(Height), fill) {}

    bool Empty() const { return Width <= 0 || Height <= 0; }
    TRgbView View() { return TRgbView{Bytes.data(), Width, Height, RgbRowSize(Width)}; }
    TRgbView View() const { return const_cast<TRgbBuffer*>(this)->View(); }  // read only through it
    void Set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        std::uint8_t* p = View().Pixel(x, y);
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
};
