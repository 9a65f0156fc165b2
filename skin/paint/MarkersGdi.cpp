#include "skin/paint/MarkersGdi.h"

#include "platform/Handles.h"

COLORREF ColorToRgbRef(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(int(color & 0xFF));
    return COLORREF(color & 0x00FFFFFFu);
}

void DrawStrokes(HDC dc, const TStrokeList& strokes, TColor color) {
    if (!dc || strokes.empty()) return;
    const COLORREF rgb = ColorToRgbRef(color);
    TPenHandle pen(CreatePen(PS_SOLID, 1, rgb));
    TBrushHandle brush(CreateSolidBrush(rgb));
    TSelectObject selectPen(dc, pen.Get());
    TSelectObject selectBrush(dc, GetStockObject(NULL_BRUSH));
    POINT old{};
    MoveToEx(dc, 0, 0, &old);
    for (const TStroke& s : strokes) {
        switch (s.Kind) {
            case TStrokeKind::skPolyline:
                if (s.Points.size() < 2) break;
                MoveToEx(dc, s.Points[0].X, s.Points[0].Y, nullptr);
                for (std::size_t i = 1; i < s.Points.size(); ++i) LineTo(dc, s.Points[i].X, s.Points[i].Y);
                break;
            case TStrokeKind::skFrame:
                if (!s.Box.IsEmpty()) Rectangle(dc, s.Box.Left, s.Box.Top, s.Box.Right, s.Box.Bottom);
                break;
            case TStrokeKind::skFill: {
                if (s.Box.IsEmpty()) break;
                const RECT r{s.Box.Left, s.Box.Top, s.Box.Right, s.Box.Bottom};
                FillRect(dc, &r, brush.Get());
                break;
            }
        }
    }
    MoveToEx(dc, old.x, old.y, nullptr);
}

void DrawArrow(HDC dc, const TRect& rect, TColor color, int direction) {
    DrawStrokes(dc, ArrowStrokes(rect, direction), color);
}

void DrawSmallArrow(HDC dc, const TRect& rect, TColor color, int direction) {
    DrawStrokes(dc, SmallArrowStrokes(rect, direction), color);
}

void DrawComboArrow(HDC dc, const TRect& rect, TColor color) { DrawStrokes(dc, ComboArrowStrokes(rect), color); }

void DrawCheckMark(HDC dc, int x, int y, TColor color) { DrawStrokes(dc, CheckMarkStrokes(x, y), color); }

void DrawCaptionSymbol(HDC dc, TbsCaptionSymbol symbol, int x, int y, TColor color) {
    DrawStrokes(dc, CaptionSymbolStrokes(symbol, x, y), color);
}

void DrawFocusDots(HDC dc, const TRect& rect) {
    if (!dc) return;
    const COLORREF color = GetTextColor(dc);
    for (TPoint p : FocusDotPoints(rect)) SetPixelV(dc, p.X, p.Y, color);
}

void DrawFrame3D(HDC dc, const TRect& rect, TColor topLeftColor, TColor bottomRightColor) {
    const TFrame3DStrokes f = Frame3DStrokes(rect);
    if (f.TopLeft.Points.empty()) return;
    DrawStrokes(dc, {f.TopLeft}, topLeftColor);
    DrawStrokes(dc, {f.BottomRight}, bottomRightColor);
}
