#include "skin/paint/portable/DrawHelpersGeometry.h"

#include <algorithm>
#include <cstdint>

int MulDivRound(int a, int b, int c) {
    if (c == 0) return 0;
    const std::int64_t num = std::int64_t(a) * b;
    const std::int64_t den = c;
    const bool negative = (num < 0) != (den < 0);
    const std::int64_t an = num < 0 ? -num : num;
    const std::int64_t ad = den < 0 ? -den : den;
    const std::int64_t q = (2 * an + ad) / (2 * ad);
    return int(negative ? -q : q);
}

TColor MiddleRgb(TColor a, TColor b) {
    return RGBColor(std::uint8_t((GetRValue(a) + GetRValue(b)) >> 1), std::uint8_t((GetGValue(a) + GetGValue(b)) >> 1),
                    std::uint8_t((GetBValue(a) + GetBValue(b)) >> 1));
}

TColor DarkerRgb(TColor color, int percent) {
    const auto darker = [percent](int c) {
        return std::uint8_t(std::clamp(c - MulDivRound(c, percent, 100), 0, 255));
    };
    return RGBColor(darker(GetRValue(color)), darker(GetGValue(color)), darker(GetBValue(color)));
}

TEffectTextGeometry EffectTextGeometry(const TRect& rect, int size, int offset) {
    const int s = std::max(0, size);
    TEffectTextGeometry g;
    g.BitmapWidth = rect.Width() + 2 * s;
    g.BitmapHeight = rect.Height() + 2 * s;
    g.TextRect = Rect(s, s, g.BitmapWidth - s, g.BitmapHeight - s);
    g.DrawAt = Point(rect.Left + offset - s, rect.Top + offset - s);
    g.BlurRadius = s;
    return g;
}

TGlowTextGeometry GlowTextGeometry(const TRect& rect, int margin) {
    const int m = std::max(0, margin);
    TGlowTextGeometry g;
    g.BitmapWidth = rect.Width() + 2 * m;
    g.BitmapHeight = rect.Height() + 2 * m;
    g.TextRect = Rect(m, m, g.BitmapWidth - m, g.BitmapHeight - m);
    const TRect& t = g.TextRect;
    // The caption's box is wider than its text; the smaller glow of the
    // controls sits inside it.
    g.SolidRect = m == bsCaptionGlowMargin ? Rect(t.Left - 3, t.Top + 2, t.Right + 3, t.Bottom - 2)
                                           : Rect(t.Left + 3, t.Top + 3, t.Right - 3, t.Bottom - 3);
    g.DrawAt = Point(rect.Left - m, rect.Top - m);
    g.BlurRadius = m / 2;
    return g;
}

double ReflectionFactor(int y, int top, int bottom) {
    if (bottom <= top) return 0.05;
    const double k = 0.7 - double(bottom - y) / double(bottom - top);
    return std::max(k, 0.05);
}

TRect PlaceMeasuredText(const TRect& bounds, int textW, int textH, unsigned format) {
    int x = bounds.Left;
    if (format & bsdtCenter)
        x = bounds.Left + (bounds.Width() - textW) / 2;
    else if (format & bsdtRight)
        x = bounds.Right - textW;
    int y = bounds.Top;
    if (format & bsdtSingleLine) {
        if (format & bsdtVCenter)
            y = bounds.Top + (bounds.Height() - textH) / 2;
        else if (format & bsdtBottom)
            y = bounds.Bottom - textH;
    }
    return Bounds(x, y, textW, textH);
}

TRect TrimmedTextRect(TRect rect, bool oddFontHeight, bool widenForW, bool startsWithW) {
    if (oddFontHeight) rect.Top -= 1;
    if (widenForW && startsWithW) rect.Right += 2;
    return rect;
}

TPoint ListTextOrigin(const TRect& rect, int indent, int textHeight, bool oddFontHeight) {
    return Point(rect.Left + 2 + indent,
                 rect.Top + rect.Height() / 2 - textHeight / 2 - (oddFontHeight ? 1 : 0));
}
