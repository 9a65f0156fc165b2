#include "skin/paint/portable/Markers.h"

#include <algorithm>
#include <cstdlib>

namespace {

int CentreX(const TRect& r) { return r.Left + r.Width() / 2; }
int CentreY(const TRect& r) { return r.Top + r.Height() / 2; }

// Lines of a triangular arrow: for i = 0 .. count - 1, one line whose half
// length is i. Left and up arrows widen away from the tip at C - 2; right
// and down arrows have their tip at C + 2.
TStrokeList TriangleArrow(const TRect& rect, int direction, int count) {
    const int cx = CentreX(rect);
    const int cy = CentreY(rect);
    TStrokeList out;
    for (int i = 0; i < count; ++i) {
        switch (direction) {
            case bsadLeft: out.push_back(LineStroke(cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1)); break;
            case bsadRight: out.push_back(LineStroke(cx + 2 - i, cy - i, cx + 2 - i, cy + i + 1)); break;
            case bsadUp: out.push_back(LineStroke(cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i)); break;
            case bsadDown: out.push_back(LineStroke(cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i)); break;
            default: return {};
        }
    }
    return out;
}

void StepLine(TPoint from, TPoint to, std::vector<TPoint>& out) {
    const int dx = to.X - from.X;
    const int dy = to.Y - from.Y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    // The end point is left out, as the platform's line drawing does.
    for (int k = 0; k < steps; ++k) {
        // Rounds k * d / steps to nearest; exact for axis and 45-degree lines.
        const auto along = [&](int d) {
            const int num = 2 * k * d + (d >= 0 ? steps : -steps);
            return num / (2 * steps);
        };
        out.push_back(Point(from.X + along(dx), from.Y + along(dy)));
    }
}

}  // namespace

TStroke LineStroke(int x1, int y1, int x2, int y2) {
    return PolylineStroke({Point(x1, y1), Point(x2, y2)});
}

TStroke PolylineStroke(std::vector<TPoint> points) {
    TStroke s;
    s.Kind = TStrokeKind::skPolyline;
    s.Points = std::move(points);
    return s;
}

TStroke FrameStroke(const TRect& box) {
    TStroke s;
    s.Kind = TStrokeKind::skFrame;
    s.Box = box;
    return s;
}

TStroke FillStroke(const TRect& box) {
    TStroke s;
    s.Kind = TStrokeKind::skFill;
    s.Box = box;
    return s;
}

TStrokeList ComboArrowStrokes(const TRect& rect) {
    const int cx = CentreX(rect);
    const int cy = CentreY(rect);
    TStrokeList out;
    for (int n = 2; n >= 0; --n) out.push_back(LineStroke(cx - n, cy + 2 - n, cx + n + 1, cy + 2 - n));
    return out;
}

TStrokeList ArrowStrokes(const TRect& rect, int direction) {
    return TriangleArrow(rect, direction, 6);
}

TStrokeList SmallArrowStrokes(const TRect& rect, int direction) {
    if (direction != bsadPlus) return TriangleArrow(rect, direction, 4);
    const int cx = CentreX(rect);
    const int cy = CentreY(rect);
    return {LineStroke(cx - 4, cy - 1, cx + 4, cy - 1), LineStroke(cx - 4, cy, cx + 4, cy),
            LineStroke(cx - 1, cy - 4, cx - 1, cy + 4), LineStroke(cx, cy - 4, cx, cy + 4)};
}

TStrokeList CheckMarkStrokes(int x, int y) {
    TStrokeList out;
    for (int i = 0; i < 3; ++i)
        out.push_back(PolylineStroke({Point(x, y + 5 - i), Point(x + 2, y + 7 - i), Point(x + 7, y + 2 - i)}));
    return out;
}

TStrokeList CaptionSymbolStrokes(TbsCaptionSymbol symbol, int x, int y) {
    TStrokeList out;
    switch (symbol) {
        case bscsClose:
            out = {LineStroke(x + 1, y + 1, x + 9, y + 9), LineStroke(x + 9, y + 1, x + 1, y + 9),
                   LineStroke(x + 2, y + 1, x + 10, y + 9), LineStroke(x + 8, y + 1, x, y + 9)};
            break;
        case bscsMinimize:
            out = {LineStroke(x + 1, y + 8, x + 9, y + 8), LineStroke(x + 1, y + 9, x + 9, y + 9)};
            break;
        case bscsMaximize:
            out = {FrameStroke(Rect(x, y, x + 11, y + 10)), FrameStroke(Rect(x, y, x + 11, y + 2))};
            break;
        case bscsRestore:
            out = {FrameStroke(Rect(x + 2, y, x + 10, y + 6)), FrameStroke(Rect(x + 2, y, x + 10, y + 2)),
                   FrameStroke(Rect(x, y + 4, x + 7, y + 10)), FrameStroke(Rect(x, y + 4, x + 7, y + 6))};
            break;
        case bscsRollUp:
            for (int i = 0; i < 5; ++i) out.push_back(LineStroke(x + i + 1, y + 6 - i, x + 9 - i, y + 6 - i));
            break;
        case bscsRollDown:
            for (int i = 0; i < 5; ++i) out.push_back(LineStroke(x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i));
            break;
        case bscsRollUpBox:
            out = {FrameStroke(Rect(x + 1, y + 3, x + 9, y + 6))};
            break;
        case bscsSmallSquare:
            out = {FillStroke(Rect(x + 2, y + 2, x + 7, y + 7))};
            break;
    }
    return out;
}

std::vector<TPoint> FocusDotPoints(const TRect& rect) {
    std::vector<TPoint> out;
    if (rect.IsEmpty()) return out;
    const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
    bool set = !((r - l) % 2 == 0 && (b - t) % 2 == 0);
    // Walks one edge from (x, y) for n + 1 pixels; the last pixel is the
    // corner the next edge begins with, in the same state.
    const auto edge = [&](int x, int y, int stepX, int stepY, int n) {
        for (int k = 0; k <= n; ++k) {
            if (set) out.push_back(Point(x + k * stepX, y + k * stepY));
            if (k < n) set = !set;
        }
    };
    edge(l, t, 1, 0, r - l);
    edge(r, t, 0, 1, b - t);
    edge(r, b, -1, 0, r - l);
    edge(l, b, 0, -1, b - t);
    std::sort(out.begin(), out.end(), [](TPoint a, TPoint c) { return a.Y != c.Y ? a.Y < c.Y : a.X < c.X; });
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

TFrame3DStrokes Frame3DStrokes(const TRect& rect) {
    TFrame3DStrokes out;
    if (rect.IsEmpty()) return out;
    const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
    out.TopLeft = PolylineStroke({Point(l, b), Point(l, t), Point(r, t)});
    out.BottomRight = PolylineStroke({Point(r, t), Point(r, b), Point(l - 1, b)});
    return out;
}

std::vector<TPoint> RasterizeStrokes(const TStrokeList& strokes) {
    std::vector<TPoint> out;
    for (const TStroke& s : strokes) {
        switch (s.Kind) {
            case TStrokeKind::skPolyline:
                for (std::size_t i = 1; i < s.Points.size(); ++i) StepLine(s.Points[i - 1], s.Points[i], out);
                break;
            case TStrokeKind::skFrame:
                if (s.Box.IsEmpty()) break;
                for (int x = s.Box.Left; x < s.Box.Right; ++x) {
                    out.push_back(Point(x, s.Box.Top));
                    out.push_back(Point(x, s.Box.Bottom - 1));
                }
                for (int y = s.Box.Top; y < s.Box.Bottom; ++y) {
                    out.push_back(Point(s.Box.Left, y));
                    out.push_back(Point(s.Box.Right - 1, y));
                }
                break;
            case TStrokeKind::skFill:
                for (int y = s.Box.Top; y < s.Box.Bottom; ++y)
                    for (int x = s.Box.Left; x < s.Box.Right; ++x) out.push_back(Point(x, y));
                break;
        }
    }
    std::sort(out.begin(), out.end(), [](TPoint a, TPoint c) { return a.Y != c.Y ? a.Y < c.Y : a.X < c.X; });
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}
