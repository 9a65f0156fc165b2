// Glow, shadow, glass-glow and reflection text (declared in DrawHelpers.h).
//
// Each draws the caption in pure red into a temporary 32-bit bitmap with
// the target's font, turns the red level into alpha over the effect colour
// (blurring first for the glows), blends the bitmap onto the target and
// then draws the caption itself. Narrow and wide forms share one template.
#include "skin/paint/DrawHelpers.h"

#include "platform/Handles.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/Blur.h"

#include <cmath>

namespace {

constexpr COLORREF bsMaskRed = RGB(255, 0, 0);

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

// Draws text on a context (DrawTextA or DrawTextWide); returns the height.
using TTextDrawer = std::function<int(HDC, RECT&, UINT)>;

TTextDrawer NarrowDrawer(const std::string& text) {
    return [&text](HDC dc, RECT& r, UINT format) { return DrawTextA(dc, text.c_str(), int(text.size()), &r, format); };
}

TTextDrawer WideDrawer(const std::wstring& text) {
    return [&text](HDC dc, RECT& r, UINT format) {
        TRect t = Rect(r.left, r.top, r.right, r.bottom);
        const int height = DrawTextWide(dc, text, t, format);
        r = ToRECT(t);
        return height;
    };
}

// The caption in red on the mask bitmap, with the target's font.
void DrawMaskText(HDC target, TbsBitmap& mask, const TRect& rect, UINT format, const TTextDrawer& draw) {
    TSelectObject font(mask.DC(), GetCurrentObject(target, OBJ_FONT));
    const COLORREF oldColor = SetTextColor(mask.DC(), bsMaskRed);
    const int oldMode = SetBkMode(mask.DC(), TRANSPARENT);
    RECT r = ToRECT(rect);
    draw(mask.DC(), r, format);
    SetBkMode(mask.DC(), oldMode);
    SetTextColor(mask.DC(), oldColor);
    GdiFlush();
}

// Every pixel: alpha := its red level, colour := color.
void AlphaFromRed(TbsBitmap& bmp, TColor color) {
    const COLORREF rgb = ColorToRgbRef(color);
    const std::uint32_t colour = MakePixel(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), 0);
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint32_t* row = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x) row[x] = colour | (std::uint32_t(PixelR(row[x])) << 24);
    }
    bmp.SetAlphaBlend(true);
}

void DrawCaption(HDC dc, const TRect& rect, UINT format, const TTextDrawer& draw) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT r = ToRECT(rect);
    draw(dc, r, format);
    SetBkMode(dc, oldMode);
}

void EffectText(HDC dc, const TRect& rect, int size, TColor color, int offset, UINT format, const TTextDrawer& draw) {
    if (!dc) return;
    const TEffectTextGeometry g = EffectTextGeometry(rect, size, offset);
    TbsBitmap glow;
    if (g.BitmapWidth > 0 && g.BitmapHeight > 0 && glow.TrySetSize(g.BitmapWidth, g.BitmapHeight)) {
        DrawMaskText(dc, glow, g.TextRect, format, draw);
        BlurBitmap(glow, g.BlurRadius);
        AlphaFromRed(glow, color);
        glow.Draw(dc, g.DrawAt.X, g.DrawAt.Y);
    }
    DrawCaption(dc, rect, format, draw);
}

void GlowText(HDC dc, const TRect& rect, int margin, TColor color, UINT format, const TTextDrawer& draw) {
    if (!dc) return;
    const TGlowTextGeometry g = GlowTextGeometry(rect, margin);
    TbsBitmap glow;
    if (g.BitmapWidth > 0 && g.BitmapHeight > 0 && glow.TrySetSize(g.BitmapWidth, g.BitmapHeight)) {
        {
            TBrushHandle red(CreateSolidBrush(bsMaskRed));
            const RECT solid = ToRECT(g.SolidRect);
            FillRect(glow.DC(), &solid, red.Get());
        }
        for (TPoint d : bsGlowTextOffsets) DrawMaskText(dc, glow, OffsetRect(g.TextRect, d.X, d.Y), format, draw);
        BlurBitmap(glow, g.BlurRadius);
        BlurBitmap(glow, g.BlurRadius);
        AlphaFromRed(glow, color);
        glow.Draw(dc, g.DrawAt.X, g.DrawAt.Y);
    }
    DrawCaption(dc, rect, format, draw);
}

void ReflectionText(HDC dc, const TRect& rect, TColor color, int offset, UINT format, const TTextDrawer& draw) {
    if (!dc) return;
    const int w = rect.Width(), h = rect.Height();
    TbsBitmap mirror;
    if (w > 0 && h > 0 && mirror.TrySetSize(w, h)) {
        DrawMaskText(dc, mirror, Rect(0, 0, w, h), format, draw);
        // Where the text lies in the bitmap (B) and in rect (its bottom Rb).
        // Measured without the placement flags: some platforms move the
        // measured rectangle for them, and PlaceMeasuredText does that.
        RECT measured{0, 0, w, h};
        draw(dc, measured, (format & ~UINT(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
        const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
        const TRect b = PlaceMeasuredText(Rect(0, 0, w, h), tw, th, format);
        const int rb = PlaceMeasuredText(rect, tw, th, format).Bottom;

        const COLORREF rgb = ColorToRgbRef(color);
        const std::uint32_t colour = MakePixel(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), 0);
        if (b.Bottom - b.Top > 0) {
            for (int y = 0; y < h; ++y) {
                std::uint32_t* row = mirror.ScanLine(y);
                const bool inText = y >= b.Top && y <= b.Bottom;
                const double k = ReflectionFactor(y, b.Top, b.Bottom);
                for (int x = 0; x < w; ++x) {
                    const auto alpha = inText ? std::uint32_t(std::nearbyint(PixelR(row[x]) * k)) : 0u;
                    row[x] = alpha ? colour | (alpha << 24) : 0;
                }
            }
        }
        for (int y = 0; y < h / 2; ++y)
            std::swap_ranges(mirror.ScanLine(y), mirror.ScanLine(y) + w, mirror.ScanLine(h - 1 - y));
        mirror.SetAlphaBlend(true);
        mirror.Draw(dc, rect.Left, rb + b.Bottom + offset - h);
    }
    DrawCaption(dc, rect, format, draw);
}

}  // namespace

void DrawEffectText(HDC dc, const TRect& rect, const std::string& text, int size, TColor color, int offset,
                    UINT format) {
    EffectText(dc, rect, size, color, offset, format, NarrowDrawer(text));
}

void DrawEffectTextWide(HDC dc, const TRect& rect, const std::wstring& text, int size, TColor color, int offset,
                        UINT format) {
    EffectText(dc, rect, size, color, offset, format, WideDrawer(text));
}

void DrawReflectionText(HDC dc, const TRect& rect, const std::string& text, TColor color, int offset, UINT format) {
    ReflectionText(dc, rect, color, offset, format, NarrowDrawer(text));
}

void DrawReflectionTextWide(HDC dc, const TRect& rect, const std::wstring& text, TColor color, int offset,
                            UINT format) {
    ReflectionText(dc, rect, color, offset, format, WideDrawer(text));
}

void DrawVistaGlowText(HDC dc, const TRect& rect, const std::string& text, TColor color, UINT format) {
    GlowText(dc, rect, bsVistaGlowMargin, color, format, NarrowDrawer(text));
}

void DrawCaptionGlowText(HDC dc, const TRect& rect, const std::wstring& text, TColor color, UINT format) {
    GlowText(dc, rect, bsCaptionGlowMargin, color, format, WideDrawer(text));
}
