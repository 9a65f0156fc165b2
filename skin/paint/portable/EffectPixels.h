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

// The source column (row) that a colour-on-colour stretch blit of a span of
// sw source pixels over dw destination pixels takes for destination offset
// r, relative to the span's start, as the platform's StretchBlt picks it
// (measured, see tests/win32/PlatformBlitTest.cpp):
//  - equal spans: r;
//  - enlarging (dw > sw): the source pixel under the destination pixel's
//    centre, (r + 1/2) * sw / dw, the lower one on an exact boundary;
//  - reducing: source pixel i falls on destination pixel
//    (i*dw + (dw-1)/2) div sw, and of the pixels falling on one destination
//    pixel a column takes the last and a row the first; a destination one
//    column wide takes the next-to-last column of the span.
// Defined for 0 <= r < dw and spans of 1 to 2^32 - 1 pixels (the longest a
// rectangle of int sides has), and computed without overflow.
std::int64_t ScaledSourceColumn(std::int64_t r, std::int64_t sw, std::int64_t dw);
std::int64_t ScaledSourceRow(std::int64_t r, std::int64_t sw, std::int64_t dw);

// ScaledSourceColumn (column true) or ScaledSourceRow at consecutive
// offsets r0, r0 + 1, ... (all below dw), an addition a step instead of a
// division: each is floor((sw * r + B) / dw) for a B fixed by the kind of
// scaling, so the quotient and remainder move by fixed amounts.
class TScaledWalk {
public:
    TScaledWalk(std::int64_t r0, std::int64_t sw, std::int64_t dw, bool column);
    std::int64_t Value() const { return std::int64_t(FQuotient); }
    void Next() {
        FQuotient += FStep;
        FRemainder += FRemainderStep;
        if (FRemainder >= FDw) {
            FRemainder -= FDw;
            ++FQuotient;
        }
    }

private:
    std::uint64_t FQuotient = 0, FRemainder = 0, FStep = 0, FRemainderStep = 0, FDw = 1;
};

// Draws srcRect of source onto dstRect of target with the given mode,
// scaling by whole rows and columns when the sizes differ, as a
// colour-on-colour stretch blit does. srcRect may reach outside the source:
// each destination pixel takes its source pixel by ScaledSourceColumn and
// ScaledSourceRow over the whole of srcRect (one to one when the sizes are
// equal) and is drawn only when that pixel is inside the source and the
// destination pixel inside the target; the other destination pixels keep
// what they held.
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
