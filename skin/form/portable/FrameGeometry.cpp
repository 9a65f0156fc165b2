#include "skin/form/portable/FrameGeometry.h"

#include <algorithm>

namespace {

TPoint Moved(TPoint p, int dx, int dy) { return Point(p.X + dx, p.Y + dy); }

bool InAny(std::span<const TRect> areas, TPoint p) {
    return std::any_of(areas.begin(), areas.end(), [p](const TRect& r) { return PtInRect(r, p); });
}

}  // namespace

TbsFrameRects CalcFrameRects(const TbsFormInfo& info, int PW, int PH, int W, int H) {
    const int dx = W - PW, dy = H - PH;
    TbsFrameRects r;
    r.Width = W;
    r.Height = H;
    r.FrameLT = info.LeftTopPoint;
    r.FrameRT = Moved(info.RightTopPoint, dx, 0);
    r.FrameLB = Moved(info.LeftBottomPoint, 0, dy);
    r.FrameRB = Moved(info.RightBottomPoint, dx, dy);
    r.FrameClientRect = Rect(info.ClientRect.Left, info.ClientRect.Top, info.ClientRect.Right + dx,
                             info.ClientRect.Bottom + dy);
    r.FrameCaptionRect = info.CaptionRect;
    if (!r.FrameCaptionRect.IsEmpty()) r.FrameCaptionRect.Right += dx;
    r.FrameButtonsRect = info.ButtonsRect;
    // A buttons rectangle in the right half of the picture stays with the right edge.
    if (!r.FrameButtonsRect.IsEmpty() && r.FrameButtonsRect.Left > PW / 2)
        r.FrameButtonsRect = OffsetRect(r.FrameButtonsRect, dx, 0);
    r.ButtonsOffset = info.ButtonsOffset;
    r.ButtonsInLeft = info.ButtonsInLeft;
    r.HitLT = info.HitTestLeftTopPoint;
    r.HitRT = Moved(info.HitTestRightTopPoint, dx, 0);
    r.HitLB = Moved(info.HitTestLeftBottomPoint, 0, dy);
    r.HitRB = Moved(info.HitTestRightBottomPoint, dx, dy);
    r.FrameMaskArea = Rect(info.MaskRectArea.Left, info.MaskRectArea.Top, info.MaskRectArea.Right + dx,
                           info.MaskRectArea.Bottom + dy);
    return r;
}

namespace {
TRect Uncrossed(TRect r) {
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}
}  // namespace

TRect SkinnedClientOf(const TRect& window, const TbsFormInfo& info, int PW, int PH) {
    const TRect& c = info.ClientRect;
    return Uncrossed(Rect(window.Left + c.Left, window.Top + c.Top, window.Right + (c.Right - PW),
                          window.Bottom + (c.Bottom - PH)));
}

TRect PlainClientOf(const TRect& window, bool toolWindow) {
    const int caption = toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight;
    return Uncrossed(Rect(window.Left + kPlainBorder, window.Top + caption + kPlainBorder,
                          window.Right - kPlainBorder, window.Bottom - kPlainBorder));
}

TbsPlainFrameLayout PlainFrameLayout(int W, int H, bool toolWindow, TbsBorderIcons icons, TbsObjectSize iconSize) {
    TbsPlainFrameLayout l;
    l.CaptionHeight = toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight;
    const int size = toolWindow ? kPlainToolButtonSize : kPlainButtonSize;
    // Right-hand buttons from W - 3 leftward without gaps. The close button
    // is always there; the others when their icon is set.
    int x = W - kPlainBorder;
    const auto place = [&](TRect& button, bool shown) {
        if (!shown) return;
        button = Rect(x - size, kPlainButtonTop, x, kPlainButtonTop + size);
        x -= size;
    };
    place(l.Close, true);
    place(l.Maximize, (icons & bsbiMaximize) != 0);
    place(l.Minimize, (icons & bsbiMinimize) != 0);
    place(l.RollUp, (icons & bsbiRollUp) != 0);
    place(l.Tray, (icons & bsbiMinimizeToTray) != 0);
    int left = kPlainBorder;
    if (icons & bsbiSystemMenu) {
        l.SysMenu = Bounds(kPlainBorder, kPlainButtonTop, iconSize.Width, iconSize.Height);
        left = l.SysMenu.Right;
    }
    l.Caption = Rect(left, kPlainBorder, x, l.CaptionHeight);
    l.Client = Rect(kPlainBorder, l.CaptionHeight + kPlainBorder, W - kPlainBorder, H - kPlainBorder);
    return l;
}

bool MaskStripInside(const TRgbView& strip, long long x, long long y) {
    if (strip.Empty() || x < 0 || y < 0 || x >= strip.Width || y >= strip.Height) return false;
    const std::uint8_t* px = strip.Pixel(int(x), int(y));
    return px[0] == 0 && px[1] == 0 && px[2] == 0;
}

namespace {

// Whether a probe point lies inside the window's shape: in the window and,
// with a mask, in the mask area or on a black pixel of the strip under it.
// Probe coordinates are 64-bit: any point and any border width may come in.
bool InsideShape(const TbsFrameRects& r, const TbsFrameHitState& s, long long px, long long py) {
    if (px < 0 || py < 0 || px >= r.Width || py >= r.Height) return false;
    const int x = int(px), y = int(py);
    if (!s.HasMask) return true;
    const TRect& m = r.FrameMaskArea;
    if (PtInRect(m, Point(x, y))) return true;
    // The strips meet without overlap: rows above the mask area are the
    // top strip's, rows from its bottom the bottom strip's, and the rows
    // between belong to the left or right strip by side.
    if (y < m.Top) return MaskStripInside(s.TopMask, x, y);
    if (y >= m.Bottom) return MaskStripInside(s.BottomMask, px, py - m.Bottom);
    if (x >= m.Right) return MaskStripInside(s.RightMask, px - m.Right, py - m.Top);
    return MaskStripInside(s.LeftMask, x, py - m.Top);
}

bool InBorderBand(const TbsFrameRects& r, const TbsFrameHitState& s, TPoint p) {
    if (s.HasMask && PtInRect(r.FrameMaskArea, p)) return false;
    const long long b = s.BorderWidth, x = p.X, y = p.Y;
    return !InsideShape(r, s, x - b, y) || !InsideShape(r, s, x, y - b) || !InsideShape(r, s, x + b, y) ||
           !InsideShape(r, s, x, y + b);
}

int SizingCode(const TbsFrameRects& r, TPoint p) {
    const int x = p.X, y = p.Y;
    if (x <= r.HitLT.X && y <= r.HitLT.Y) return bsfhTopLeft;
    if (x >= r.HitRT.X && y <= r.HitRT.Y) return bsfhTopRight;
    if (x <= r.HitLB.X && y >= r.HitLB.Y) return bsfhBottomLeft;
    if (x >= r.HitRB.X && y >= r.HitRB.Y) return bsfhBottomRight;
    if (PtInRect(Rect(r.HitLT.X, 0, r.HitRT.X, r.FrameClientRect.Top), p)) return bsfhTop;
    if (PtInRect(Rect(r.HitLB.X, r.FrameClientRect.Bottom, r.HitRB.X, r.Height), p)) return bsfhBottom;
    if (PtInRect(Rect(0, r.HitLT.Y, r.FrameClientRect.Left, r.HitLB.Y), p)) return bsfhLeft;
    if (PtInRect(Rect(r.FrameClientRect.Right, r.HitRT.Y, r.Width, r.HitRB.Y), p)) return bsfhRight;
    return bsfhNowhere;
}

}  // namespace

int FrameHitTest(const TbsFrameRects& r, const TbsFrameHitState& s, TPoint p) {
    // Any process may ask about any point: one outside the window is nowhere.
    if (!PtInRect(Rect(0, 0, r.Width, r.Height), p)) return bsfhNowhere;
    const auto captionOrObject = [&] { return InAny(s.CaptionAreas, p) ? bsfhCaption : bsfhObject; };
    if (s.MinimizedOrRolledUp) return captionOrObject();
    if (s.ObjectActive && !InAny(s.CaptionAreas, p) && !PtInRect(r.FrameClientRect, p) && !s.InSizeMove)
        return bsfhObject;
    if (!s.Maximized && s.Resizable) {
        if (!InBorderBand(r, s, p)) return PtInRect(r.FrameClientRect, p) ? bsfhClient : captionOrObject();
        if (int code = SizingCode(r, p)) return code;
    }
    if (PtInRect(r.FrameClientRect, p)) return bsfhClient;
    return captionOrObject();
}

int PlainFrameHitTest(const TbsPlainFrameLayout& l, int W, int H, const TbsFrameHitState& s, TPoint p) {
    if (!PtInRect(Rect(0, 0, W, H), p)) return bsfhNowhere;
    if (!s.Maximized && !s.MinimizedOrRolledUp && s.Resizable) {
        if (s.ObjectActive) return bsfhObject;
        const int x = p.X, y = p.Y;
        const int edge = kPlainBorder - 1;  // the last pixel of the 3-pixel border
        const bool left = x <= edge, top = y <= edge, right = x >= W - 1 - edge, bottom = y >= H - 1 - edge;
        if (left && top) return bsfhTopLeft;
        if (right && top) return bsfhTopRight;
        if (left && bottom) return bsfhBottomLeft;
        if (right && bottom) return bsfhBottomRight;
        if (left) return bsfhLeft;
        if (top) return bsfhTop;
        if (right) return bsfhRight;
        if (bottom) return bsfhBottom;
    }
    if (PtInRect(l.Caption, p)) return bsfhCaption;
    if (PtInRect(l.Client, p)) return bsfhClient;
    return bsfhObject;
}

int FrameMinWidth(const TbsFrameLimits& l) {
    if (!l.SkinLoaded) return l.MinWidth > 0 ? l.MinWidth : 120;  // 120: room for the plain caption buttons
    if (l.PictureWidth < l.MinWidth && !l.Minimized) return l.MinWidth;
    if (l.FormMinWidth > 0) return l.FormMinWidth < l.MinWidth && !l.Minimized ? l.MinWidth : l.FormMinWidth;
    return l.PictureWidth;
}

int FrameMinHeight(const TbsFrameLimits& l) {
    const bool small = l.Minimized || l.RolledUp;
    if (!l.SkinLoaded) {
        const int frame = l.PlainCaptionHeight + 2 * kPlainBorder;
        return frame >= l.MinHeight || small ? frame : l.MinHeight;
    }
    if (l.FormMinHeight != 0) return l.FormMinHeight < l.MinHeight && !small ? l.MinHeight : l.FormMinHeight;
    const int frame = l.PictureHeight - l.ClientRect.Height();
    return frame >= l.MinHeight || small ? frame : l.MinHeight;
}

namespace {

// A rectangle's place in the picture's corner zones, by its top-left pixel
// and its bottom-right pixel.
enum TZone { zNone, zLT, zRT, zLB, zRB };

TZone ZoneOf(const TbsFormInfo& info, int PW, int PH, TPoint p) {
    if (PtInRect(Rect(0, 0, info.LeftTopPoint.X, info.LeftTopPoint.Y), p)) return zLT;
    if (PtInRect(Rect(info.RightTopPoint.X, 0, PW, info.RightTopPoint.Y), p)) return zRT;
    if (PtInRect(Rect(0, info.LeftBottomPoint.Y, info.LeftBottomPoint.X, PH), p)) return zLB;
    if (PtInRect(Rect(info.RightBottomPoint.X, info.RightBottomPoint.Y, PW, PH), p)) return zRB;
    return zNone;
}

TRect CarryWithZones(const TbsFormInfo& info, int PW, int PH, int dx, int dy, TRect r) {
    if (r.IsEmpty()) return r;
    const TZone a = ZoneOf(info, PW, PH, Point(r.Left, r.Top));
    const TZone b = ZoneOf(info, PW, PH, Point(r.Right - 1, r.Bottom - 1));
    if (a == b) {
        if (a == zRT) return OffsetRect(r, dx, 0);
        if (a == zLB) return OffsetRect(r, 0, dy);
        if (a == zRB) return OffsetRect(r, dx, dy);
        return r;
    }
    if (a == zLT && b == zRB) return Rect(r.Left, r.Top, r.Right + dx, r.Bottom + dy);
    if (a == zLT && b == zRT) return Rect(r.Left, r.Top, r.Right + dx, r.Bottom);
    if (a == zLB && b == zRB) return Rect(r.Left, r.Top + dy, r.Right + dx, r.Bottom + dy);
    if (a == zLT && b == zLB) return Rect(r.Left, r.Top, r.Right, r.Bottom + dy);
    if (a == zRT && b == zRB) return Rect(r.Left + dx, r.Top, r.Right + dx, r.Bottom + dy);
    return r;
}

TbsObjectSize RowSize(const TbsArrangeItem& item) {
    if (item.Size.Width > 0 && item.Size.Height > 0) return item.Size;
    return TbsObjectSize{item.SkinRect.Width(), item.SkinRect.Height()};
}

}  // namespace

void ArrangeFrameObjects(const TbsFormInfo& info, int PW, int PH, const TbsFrameRects& rects,
                         std::vector<TbsArrangeItem>& items) {
    const int dx = rects.FrameRB.X - info.RightBottomPoint.X;
    const int dy = rects.FrameRB.Y - info.RightBottomPoint.Y;
    TbsArrangeItem* caption = nullptr;
    for (TbsArrangeItem& item : items) {
        if (!item.OwnPicture) item.ObjectRect = CarryWithZones(info, PW, PH, dx, dy, item.SkinRect);
        if (item.Caption && !caption) caption = &item;
    }

    const bool inButtonsRect = !rects.FrameButtonsRect.IsEmpty();
    const TRect place = inButtonsRect ? rects.FrameButtonsRect : rects.FrameCaptionRect;
    if (place.IsEmpty()) return;

    // The row: close, maximise, minimise, roll-up, tray, then the custom
    // buttons in list order.
    std::vector<TbsArrangeItem*> row;
    TbsArrangeItem* sysMenu = nullptr;
    for (TbsStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray, cmDefault}) {
        for (TbsArrangeItem& item : items) {
            if (!item.OwnPicture || !item.Visible || !item.StdButton) continue;
            if (item.Command == command) row.push_back(&item);
        }
    }
    for (TbsArrangeItem& item : items) {
        if (item.OwnPicture && item.Visible && item.StdButton && item.Command == cmSysMenu && !sysMenu) sysMenu = &item;
    }

    const int top = place.Top;
    const int offset = rects.ButtonsOffset;
    if (!rects.ButtonsInLeft) {
        int x = place.Right;
        for (TbsArrangeItem* item : row) {
            const TbsObjectSize s = RowSize(*item);
            item->ObjectRect = Rect(x - s.Width, top, x, top + s.Height);
            x -= s.Width + offset;
        }
        if (!inButtonsRect && caption && !row.empty()) caption->ObjectRect.Right = x + offset;
        if (!rects.FrameCaptionRect.IsEmpty() && sysMenu) {
            const TRect& c = rects.FrameCaptionRect;
            const TbsObjectSize s = RowSize(*sysMenu);
            const int y = c.Top + c.Height() / 2 - s.Height / 2;
            sysMenu->ObjectRect = Bounds(c.Left, y, s.Width, s.Height);
            if (caption) caption->ObjectRect.Left = sysMenu->ObjectRect.Right;
        }
    } else {
        int x = place.Left;
        if (!inButtonsRect && sysMenu) row.push_back(sysMenu);
        for (TbsArrangeItem* item : row) {
            const TbsObjectSize s = RowSize(*item);
            item->ObjectRect = Rect(x, top, x + s.Width, top + s.Height);
            x += s.Width + offset;
        }
        if (!inButtonsRect && caption && !row.empty()) caption->ObjectRect.Left = x + offset;
    }
}

TbsTileGrid BackgroundTiles(int W, int H, int TW, int TH) {
    if (W <= 0 || H <= 0 || TW <= 0 || TH <= 0) return {};
    return TbsTileGrid{W / TW + 1, H / TH + 1, TW, TH};
}
