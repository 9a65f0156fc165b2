// 24-bit pictures: three bytes per pixel, blue, green, red, rows top-down,
// each row padded to a multiple of 4 bytes (width*3 + width mod 4 bytes, the
// row of a 24-bit device-independent section). Used by the mask reader and
// by the morphs and inactive effects of TbsEffectBmp.
#pragma once

#include "platform/portable/Exception.h"
#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/SkinEnums.h"  // TbsMorphKind, TbsInActiveEffect
#include "skin/paint/portable/EffectPixels.h"  // TPixelView

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes per row of a 24-bit section.
constexpr int RgbRowSize(int width) { return width * 3 + width % 4; }

// The pixels of a whole 24-bit picture owned elsewhere. Stride is in bytes;
// the bytes of a row past Width * 3 are padding, never another picture's
// pixels, so operations may write them.
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
    // Sides of 0 or less give an empty buffer; a size out of the pictures'
    // bounds (PixelSizeFits) raises Exception before anything is allocated.
    TRgbBuffer(int width, int height, std::uint8_t fill = 0) {
        if (!PixelSizeFits(width, height)) throw Exception(SPixelBufferTooLarge);
        if (width <= 0 || height <= 0) return;
        Width = width;
        Height = height;
        Bytes.assign(std::size_t(RgbRowSize(width)) * std::size_t(height), fill);
    }

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

// A 32-bit picture as 24-bit pixels, the form the mask readers and the
// effect bitmaps take: blue, green and red copied, alpha dropped. An empty
// view gives an empty buffer.
TRgbBuffer RgbBufferOf(const TPixelView& picture);


// Morphs between two states of an element, A (changed in place, the old
// state) and B (the new state), for a factor Kf, usually 0 ... 1. Each
// channel result is rounded to nearest, halves to even, and clamped to
// 0 ... 255. The cross-fade applies Kf in 16-bit fixed point (see
// BlendBytes.h for what that means for rounding). Nothing happens when the sizes differ. An image one pixel wide
// has no room to slide or grade across, so the horizontal morphs copy B.
void MorphRgb(const TRgbView& A, const TRgbView& B, double Kf);
void GradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf);
void LeftGradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf);
void RightGradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf);
void LeftSlideRgb(const TRgbView& A, const TRgbView& B, double Kf);
void RightSlideRgb(const TRgbView& A, const TRgbView& B, double Kf);
void PushRgb(const TRgbView& A, const TRgbView& B, double Kf);
// Dispatches on the kind.
void MorphRgbByKind(TbsMorphKind kind, const TRgbView& A, const TRgbView& B, double Kf);

// Inactive effects, in place, per channel of blue, green, red.
void BrightnessRgb(const TRgbView& image, double Kf);  // round((1-Kf)c + 255Kf), Kf clamped 0 ... 1
void DarknessRgb(const TRgbView& image, double Kf);    // round((1-Kf)c), Kf clamped 0 ... 1
void GrayscaleRgb(const TRgbView& image);              // round(0.3 r + 0.59 g + 0.11 b) in all three
// c + r - Amount div 2 with one r in 0 ... Amount-1 per pixel drawn from the
// seeded generator; nothing for Amount <= 0. Returns the generator's next seed.
std::uint32_t NoiseRgb(const TRgbView& image, int Amount, std::uint32_t seed);
// The average of the four pixels D rows and columns away, in place from the
// top; indexes that would fall outside the image are brought inside it.
void SplitBlurRgb(const TRgbView& image, int Distance);
void InvertRgb(const TRgbView& image);
// Applies the effect with the fixed parameter of its kind (0.5, 0.3, -, 50, 1, -).
void InactiveEffectRgb(TbsInActiveEffect effect, const TRgbView& image, std::uint32_t seed);
