// Plain geometry and colour types shared by every layer.
//
// Conventions used throughout the tree:
//  - coordinates are signed 32-bit pixels;
//  - a rectangle is Left, Top, Right, Bottom with Right and Bottom exclusive;
//  - a rectangle is empty when its width or height is 0 or less;
//  - integer halves truncate toward zero (plain C++ division);
//  - a colour is 0x00BBGGRR; 0xFF0000nn names the platform's system colour nn.
#pragma once

#include <cstdint>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// a - b, held to the int range instead of overflowing: the sides of a
// rectangle read from a skin can lie anywhere in it.
constexpr int SaturatedDifference(int a, int b) {
    const std::int64_t d = std::int64_t(a) - std::int64_t(b);
    return d > INT32_MAX ? INT32_MAX : d < INT32_MIN ? INT32_MIN : int(d);
}

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    // Saturated: a rectangle from -2147483647 to 2147483647 is INT32_MAX wide.
    constexpr int Width() const { return SaturatedDifference(Right, Left); }
    constexpr int Height() const { return SaturatedDifference(Bottom, Top); }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return TPoint{x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}
constexpr TRect NullRect() { return TRect{0, 0, 0, 0}; }
constexpr bool IsNullRect(const TRect& r) { return r == NullRect(); }
constexpr TRect OffsetRect(TRect r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
constexpr bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// 0x00BBGGRR, or 0xFF0000nn for system colour nn.
using TColor = std::uint32_t;

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
// The names are parenthesised so that windows.h's function-like macros of the
// same names (which compute the same values) cannot rewrite the definitions,
// whichever header comes first.
constexpr std::uint8_t(GetRValue)(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t(GetGValue)(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t(GetBValue)(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }
