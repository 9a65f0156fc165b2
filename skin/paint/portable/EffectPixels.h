// Per-pixel arithmetic of the 32-bit effect bitmaps, free of any platform
// call so that it is tested natively.
//
// Pixel conventions: one 32-bit value per pixel, blue, green, red, alpha in
// memory (0xAARRGGBB read as a little-endian integer); rows top-down.
// Rectangles are Left, Top, Right, Bottom with Right and Bottom exclusive.
#pragma once

#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"

#include <cstddef>
#include <cstdint>

// A window onto 32-bit pixels owned elsewhere (a TPixelBuffer or the memory
// of a device-independent section). Stride is in pixels.
struct TPixelView {
    std::uint32_t* Pixels = nullptr;  // not owned
    int Width = 0;
    int Height = 0;
    int Stride = 0;

    bool Empty() const { return !Pixels || Width <= 0 || Height <= 0; }
    std::uint32_t* Row(int y) const { return Pixels + std::ptrdiff_t(y) * Stride; }
    std::uint32_t& At(int x, int y) const { return Row(y)[x]; }
};

inline TPixelView ViewOf(TPixelBuffer& buffer) {
    return TPixelView{buffer.Pixels.data(), buffer.Width, buffer.Height, buffer.Width};
}
// A const buffer is only ever read through the view.
inline TPixelView ViewOf(const TPixelBuffer& buffer) {
    return ViewOf(const_cast<TPixelBuffer&>(buffer));
}

// The colour key of a transparent bitmap: red 127, green 0, blue 127, alpha 0.
constexpr std::uint32_t bsTransparentKey = 0x007F007Fu;

// The colour's red, green and blue in pixel byte order, alpha 255.
constexpr std::uint32_t ColorToBGRA(TColor color) {
    return MakePixel(GetRValue(color), GetGValue(color), GetBValue(color), 255);
}

// Blends src over dst with src's alpha a: a = 255 gives src, a = 0 leaves
// dst, otherwise each colour channel becomes round((src*a + dst*(255-a)) / 255)
// and the alpha 255. This is the only blend formula in the tree, whatever the
// processor.
inline std::uint32_t BlendPixel(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t a = src >> 24;
    if (a == 255) return src;
    if (a == 0) return dst;
    const std::uint32_t na = 255 - a;
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        // x / 255 rounded to nearest, exact for x < 65536 + 255
        std::uint32_t x = ((src >> shift) & 0xFF) * a + ((dst >> shift) & 0xFF) * na + 128;
        out |= (((x + (x >> 8)) >> 8) & 0xFF) << shift;
    }
    return out;
}

enum class TCombineMode {
    cmCopy,   // source pixels replace the target's
    cmKey,    // pixels equal (alpha ignored) to the colour key are skipped, others copied with alpha 255
    cmAlpha,  // pixels are blended with their alpha (BlendPixel)
};

// Column (or row) of the source taken by destination offset r when a source
// span of sw pixels is drawn over dw pixels: round(r*(sw-1)/(dw-1)), halves
// to even; the middle source pixel when dw < 2. Returned relative to the
// span's start.
int ScaledSourceIndex(int r, int sw, int dw);

// Draws srcRect of source onto dstRect of target with the given mode,
// scaling by whole pixels when the sizes differ. Only the part of dstRect
// inside the target is drawn; nothing is drawn when srcRect is not wholly
// inside the source.
void CombinePixels(const TPixelView& target, const TRect& dstRect, const TPixelView& source,
                   const TRect& srcRect, TCombineMode mode);

// Whole-image operations of the 32-bit effect bitmap.
void SetAlphaPixels(const TPixelView& view, std::uint8_t alpha);
// True when any pixel has an alpha other than 0 and 255.
bool HasPartialAlpha(const TPixelView& view);
// Every pixel whose red, green and blue each differ from color's by less
// than 6 becomes the colour key; returns true when at least one did.
bool KeyNearColor(const TPixelView& view, TColor color);
// Lowers red, green and blue to the pixel's alpha where above it.
void ClampPixelsToAlpha(const TPixelView& view);
// red, green, blue := round(alpha * channel / 255).
void PremultiplyPixels(const TPixelView& view);
// Fills rect (clipped to the view) with the pixel value; with blend true the
// value is blended in with BlendPixel instead.
void FillPixels(const TPixelView& view, TRect rect, std::uint32_t pixel, bool blend);

// Alpha of each pixel of bmp := round((red + green + blue) / 3) of the mask
// pixel at the same place (white opaque, black transparent). Where the mask
// is smaller than the picture, the pixels outside it become opaque (255).
void AlphaFromMaskPixels(const TPixelView& bmp, const TPixelView& mask);

// True when the processor reports MMX (identification instruction present,
// family above 4, feature bit 23). Informational only: no pixel depends on it.
bool ProcessorHasMmx();
