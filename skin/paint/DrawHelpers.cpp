#include "skin/paint/DrawHelpers.h"

#include "platform/Handles.h"
#include "skin/paint/MarkersGdi.h"

#include <cstdlib>

namespace {

// Sets the background mode to transparent (the "clear brush") and puts it
// back when the scope ends.
class TClearBrush {
public:
    explicit TClearBrush(HDC dc) : FDc(dc), FOld(SetBkMode(dc, TRANSPARENT)) {}
    TClearBrush(const TClearBrush&) = delete;
    TClearBrush& operator=(const TClearBrush&) = delete;
    ~TClearBrush() {
        if (FOld) SetBkMode(FDc, FOld);
    }

private:
    HDC FDc;  // not owned
    int FOld;
};

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

// Caption size as DrawTextA measures it with word breaks in a box of the
// measure rectangle's width.
SIZE MeasureCaption(HDC dc, const std::string& caption, const TRect& measure) {
    if (caption.empty()) return SIZE{0, 0};
    RECT r = ToRECT(measure);
    DrawTextA(dc, caption.c_str(), int(caption.size()), &r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The parts both button-face helpers share once the glyph size is known.
TFaceLayout PlanFace(HDC dc, const TRect& rect, int margin, bool showMarker, bool down, int glyphW, int glyphH,
                     const std::string& caption, int layout, int spacing, bool stripMarker) {
    const SIZE text = MeasureCaption(dc, caption, CaptionMeasureRect(layout, rect, glyphW, glyphH));
    TFaceLayoutInput in;
    in.Face = rect;
    in.Layout = layout;
    in.Margin = margin;
    in.Spacing = spacing;
    in.GlyphW = glyphW;
    in.GlyphH = glyphH;
    in.TextW = text.cx;
    in.TextH = text.cy;
    in.Down = down;
    in.OddFontHeight = FontHeightIsOdd(dc);
    in.ShowMarker = showMarker;
    in.StripMarker = stripMarker;
    return PlanFaceLayout(in);
}

void DrawFaceCaption(HDC dc, const std::string& caption, const TRect& textRect) {
    if (caption.empty()) return;
    TClearBrush clear(dc);
    RECT r = ToRECT(textRect);
    DrawTextA(dc, caption.c_str(), int(caption.size()), &r, DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER | DT_VCENTER);
}

bool IsNtPlatform() { return (GetVersion() & 0x80000000u) == 0; }

int TextWidthA(HDC dc, const std::string& text) {
    SIZE s{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &s);
    return s.cx;
}

void DrawSingleLine(HDC dc, const std::string& text, const TRect& rect, bool widenForW, UINT format) {
    const bool startsWithW = !text.empty() && text[0] == 'W';
    RECT r = ToRECT(TrimmedTextRect(rect, FontHeightIsOdd(dc), widenForW, startsWithW));
    TClearBrush clear(dc);
    DrawTextA(dc, text.c_str(), int(text.size()), &r, format);
}

void PrintWindowInto(HWND wnd, HDC dc) {
    SendMessageA(wnd, WM_ERASEBKGND, WPARAM(dc), 0);
    SendMessageA(wnd, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
}

TRect ChildBounds(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return Rect(r.left, r.top, r.right, r.bottom);
}

bool Intersects(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Runs paint with dc's origin at (dx, dy) and clipped to width x height
// there, restoring the context afterwards.
void PaintAt(HDC dc, int dx, int dy, int width, int height, const std::function<void()>& paint) {
    TSaveDc save(dc);
    POINT org{};
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + dx, org.y + dy, nullptr);
    IntersectClipRect(dc, 0, 0, width, height);
    paint();
}

}  // namespace

bool FontHeightIsOdd(HDC dc) {
    LOGFONTA lf{};
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    if (!font || !GetObjectA(font, sizeof(lf), &lf)) return false;
    return std::abs(lf.lfHeight) % 2 == 1;
}

void DrawImageAndText(HDC dc, const TRect& rect, int margin, TColor markerColor, bool showMarker, bool enabled,
                      bool down, HIMAGELIST images, int imageIndex, const std::string& caption, int layout,
                      int spacing) {
    if (!dc) return;
    int glyphW = 0, glyphH = 0;
    const bool hasImage = images && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(images);
    if (hasImage) ImageList_GetIconSize(images, &glyphW, &glyphH);
    const TFaceLayout face =
        PlanFace(dc, rect, margin, showMarker, down, glyphW, glyphH, caption, layout, spacing, false);
    DrawFaceCaption(dc, caption, face.Text);
    if (hasImage) {
        // Disabled glyphs are drawn half blended into the face colour.
        const UINT style = enabled ? ILD_NORMAL : ILD_BLEND50;
        ImageList_DrawEx(images, imageIndex, dc, face.Glyph.X, face.Glyph.Y, 0, 0, CLR_NONE,
                         enabled ? CLR_DEFAULT : GetSysColor(COLOR_BTNFACE), style);
    }
    DrawStrokes(dc, face.Marker, markerColor);
}

void DrawGlyphAndText(HDC dc, const TRect& rect, int margin, TColor markerColor, bool showMarker, bool down,
                      int glyphNum, int numGlyphs, const TbsBitmap& glyph, const std::string& caption, int layout,
                      int spacing) {
    if (!dc) return;
    const TRect cell = glyph.Empty() ? NullRect() : GlyphCellRect(glyph.Width(), glyph.Height(), glyphNum, numGlyphs);
    const TFaceLayout face = PlanFace(dc, rect, margin, showMarker, down, cell.Width(), cell.Height(), caption,
                                      layout, spacing, true);
    DrawFaceCaption(dc, caption, face.Text);
    if (!cell.IsEmpty()) DrawGlyph(dc, face.Glyph.X, face.Glyph.Y, glyphNum, numGlyphs, glyph);
    DrawStrokes(dc, face.Marker, markerColor);
}

void DrawGlyph(HDC dc, int x, int y, int glyphNum, int numGlyphs, const TbsBitmap& glyph) {
    if (!dc || glyph.Empty()) return;
    const TRect cell = GlyphCellRect(glyph.Width(), glyph.Height(), glyphNum, numGlyphs);
    if (cell.IsEmpty()) return;
    TbsBitmap temp;
    if (!temp.TrySetSize(cell.Width(), cell.Height())) return;
    CombinePixels(temp.View(), Rect(0, 0, cell.Width(), cell.Height()), glyph.View(), cell, TCombineMode::cmCopy);
    const std::uint32_t corner = *temp.PixelPtr(0, cell.Height() - 1);
    temp.SetTransparentColor(RGBColor(PixelR(corner), PixelG(corner), PixelB(corner)));
    temp.SetAlphaBlend(false);
    temp.Draw(dc, x, y);
}

int DrawTextWide(HDC dc, const std::wstring& text, TRect& rect, UINT format) {
    if (!dc) return 0;
    RECT r = ToRECT(rect);
    int height = 0;
    if (IsNtPlatform()) {
        height = DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
    } else {
        const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
        std::string narrow(std::size_t(n > 0 ? n : 0), '\0');
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), narrow.data(), n, nullptr, nullptr);
        height = DrawTextA(dc, narrow.c_str(), int(narrow.size()), &r, format);
    }
    rect = Rect(r.left, r.top, r.right, r.bottom);
    return height;
}

int TextWidthWide(HDC dc, const std::wstring& text) {
    TRect r = NullRect();
    DrawTextWide(dc, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.Width();
}

int TextHeightWide(HDC dc, const std::wstring& text) {
    TRect r = NullRect();
    return DrawTextWide(dc, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
}

void ShortenText(HDC dc, std::string& text, int maxWidth) {
    text = ShortenTextWith(text, maxWidth, [dc](const std::string& s) { return TextWidthA(dc, s); });
}

void ShortenTextWide(HDC dc, std::wstring& text, int maxWidth) {
    text = ShortenTextWith(text, maxWidth, [dc](const std::wstring& s) { return TextWidthWide(dc, s); });
}

void DrawTrimmedText(HDC dc, const std::string& text, const TRect& rect) {
    DrawSingleLine(dc, text, rect, true, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void DrawTrimmedTextLeft(HDC dc, const std::string& text, const TRect& rect) {
    DrawSingleLine(dc, text, rect, true, DT_SINGLELINE | DT_VCENTER);
}

void DrawTrimmedTextLeftPlain(HDC dc, const std::string& text, const TRect& rect) {
    DrawSingleLine(dc, text, rect, false, DT_SINGLELINE | DT_VCENTER);
}

void DrawListText(HDC dc, const std::string& text, const TRect& rect, int indent) {
    if (!dc || text.empty()) return;
    SIZE s{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &s);
    const TPoint at = ListTextOrigin(rect, indent, s.cy, FontHeightIsOdd(dc));
    const RECT clip = ToRECT(rect);
    TClearBrush clear(dc);
    ExtTextOutA(dc, at.X, at.Y, ETO_CLIPPED, &clip, text.c_str(), UINT(text.size()), nullptr);
}

void DrawParentImage(HWND control, HDC dc, const std::vector<TbsGraphicSibling>& graphicSiblings) {
    if (!control || !dc) return;
    HWND parent = GetParent(control);
    if (!parent || !(GetWindowLongPtrA(control, GWL_STYLE) & WS_CHILD)) return;
    const TRect bounds = ChildBounds(control, parent);
    RECT client{};
    GetClientRect(parent, &client);
    const bool parentIsChild = (GetWindowLongPtrA(parent, GWL_STYLE) & WS_CHILD) != 0;

    PaintAt(dc, -bounds.Left, -bounds.Top, client.right, client.bottom, [&] {
        SendMessageA(parent, WM_ERASEBKGND, WPARAM(dc), 0);
        // A form's client content is its controls; a container's is its face.
        if (parentIsChild) SendMessageA(parent, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    });

    // Child windows join their parent's list at the bottom of the z-order,
    // so walking from the top visits them in creation order.
    for (HWND sibling = GetWindow(control, GW_HWNDFIRST); sibling && sibling != control;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrA(sibling, GWL_STYLE) & WS_VISIBLE)) continue;
        const TRect b = ChildBounds(sibling, parent);
        if (!Intersects(b, bounds)) continue;
        PaintAt(dc, b.Left - bounds.Left, b.Top - bounds.Top, b.Width(), b.Height(),
                [&] { PrintWindowInto(sibling, dc); });
    }
    for (const TbsGraphicSibling& g : graphicSiblings) {
        if (!g.Visible || !g.Paint || !Intersects(g.BoundsRect, bounds)) continue;
        const TRect& b = g.BoundsRect;
        PaintAt(dc, b.Left - bounds.Left, b.Top - bounds.Top, b.Width(), b.Height(), [&] { g.Paint(dc); });
    }
}

TColor MiddleColor(TColor color1, TColor color2) {
    return MiddleRgb(TColor(ColorToRgbRef(color1)), TColor(ColorToRgbRef(color2)));
}

TColor DarkerColor(TColor color, int percent) { return DarkerRgb(TColor(ColorToRgbRef(color)), percent); }
