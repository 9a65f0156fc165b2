// The arithmetic of the drawing helpers (skin/paint/DrawHelpers.h): text
// shortening with an injected width measure, the colour helpers, and where
// the glow, shadow and reflection bitmaps of a caption go.
//
// Conventions: rectangles are Left, Top, Right, Bottom with Right and Bottom
// exclusive; colours are 0x00BBGGRR already resolved to RGB (system colours
// are resolved by the callers that own a device context).
#pragma once

#include "platform/portable/Types.h"

#include <string>

// Text format flags used here, with the platform's values (DrawText).
constexpr unsigned bsdtCenter = 0x0001;
constexpr unsigned bsdtRight = 0x0002;
constexpr unsigned bsdtVCenter = 0x0004;
constexpr unsigned bsdtBottom = 0x0008;
constexpr unsigned bsdtSingleLine = 0x0020;

// Appended to a shortened text.
constexpr const char* bsEllipsis = "...";

// When text fits maxWidth (width(text) <= maxWidth) it is returned as it is;
// otherwise characters are removed from the end until the rest plus "..."
// fits, or nothing is left, and "..." is appended.
// PERF: measures once per removed character; a binary search over the
// length would measure log n times for monotonic widths.
template <typename TString, typename TMeasure>
TString ShortenTextWith(const TString& text, int maxWidth, TMeasure width) {
    if (width(text) <= maxWidth) return text;
    TString ellipsis;
    for (const char* c = bsEllipsis; *c; ++c) ellipsis.push_back(typename TString::value_type(*c));
    TString rest = text;
    while (!rest.empty() && width(rest + ellipsis) > maxWidth) rest.pop_back();
    return rest + ellipsis;
}

// a * b / c rounded to nearest, halves away from zero (the platform's MulDiv);
// 0 when c is 0.
int MulDivRound(int a, int b, int c);

// Per-channel (a + b) shr 1 of two RGB colours.
TColor MiddleRgb(TColor a, TColor b);
// Each channel c becomes c - round(c * percent / 100), kept within 0 .. 255
// so percentages outside 0 .. 100 saturate instead of wrapping.
TColor DarkerRgb(TColor color, int percent);

// A glow or shadow drawn behind a caption: a bitmap Size larger on each side
// than the caption rectangle, the caption drawn into it inset by Size, then
// blurred with radius Size and placed Offset down and right of the caption.
struct TEffectTextGeometry {
    int BitmapWidth = 0, BitmapHeight = 0;
    TRect TextRect;   // in the bitmap
    TPoint DrawAt;    // the bitmap's top-left on the target
    int BlurRadius = 0;
};
// A negative size counts as 0.
TEffectTextGeometry EffectTextGeometry(const TRect& rect, int size, int offset);

// The soft "glass" box behind a caption: margin 10 (controls) or 12 (the
// form caption).
constexpr int bsVistaGlowMargin = 10;
constexpr int bsCaptionGlowMargin = 12;

struct TGlowTextGeometry {
    int BitmapWidth = 0, BitmapHeight = 0;
    TRect TextRect;   // in the bitmap
    TRect SolidRect;  // filled solid before the caption is smeared over it
    TPoint DrawAt;    // the bitmap's top-left on the target
    int BlurRadius = 0;  // applied twice
};
TGlowTextGeometry GlowTextGeometry(const TRect& rect, int margin);

// The nine offsets at which the caption is drawn into the glow bitmap, the
// plain position last.
constexpr TPoint bsGlowTextOffsets[9] = {{-1, -1}, {-2, -2}, {-1, 0}, {-2, 0}, {1, 0},
                                         {2, 0},   {1, 1},   {2, 2},   {0, 0}};

// Alpha factor of row y of a reflected caption whose text occupies rows
// top .. bottom of its bitmap: 0.7 at the text's own bottom, falling by 1
// over the text's height, never below 0.05. Measured from the text's bottom
// so the reflection looks the same wherever the caption sits in its bitmap.
double ReflectionFactor(int y, int top, int bottom);

// Where text of the measured size lands inside bounds for the format: left,
// centred or right; and with bsdtSingleLine, top, centred (halves truncate)
// or bottom.
TRect PlaceMeasuredText(const TRect& bounds, int textW, int textH, unsigned format);

// Single-line caption drawing: odd font heights move the top up a pixel; the
// centred and first left forms widen the right edge by 2 for a caption
// beginning with "W" (its overhang would be clipped otherwise).
TRect TrimmedTextRect(TRect rect, bool oddFontHeight, bool widenForW, bool startsWithW);

// Top-left of a list entry's text: 2 pixels (plus indent) in, vertically
// centred, one pixel higher for odd font heights.
TPoint ListTextOrigin(const TRect& rect, int indent, int textHeight, bool oddFontHeight);
