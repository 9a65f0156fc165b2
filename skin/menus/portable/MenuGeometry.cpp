#include "skin/menus/portable/MenuGeometry.h"

#include <algorithm>

TbsMenuSize MenuWindowSize(const TbsMenuSizeInput& in) {
    TbsMenuSize s;
    s.Width = in.TextWidth + in.GlyphColumn + 19 + in.ExtraWidth;
    const int count = int(in.Heights.size());
    if (in.MaxItems > 0 && in.MaxItems < count) {
        s.Height = in.ItemHeight * in.MaxItems + in.FrameHeight + 2 * kMenuMarkerHeight;
        s.Scrolling = s.CountLimited = true;
    } else {
        int sum = 0;
        for (int h : in.Heights) sum += h;
        s.Height = sum + in.FrameHeight;
    }
    if (in.WorkAreaHeight > 0 && s.Height > in.WorkAreaHeight) {
        s.Height = in.WorkAreaHeight;
        s.Scrolling = true;
    }
    return s;
}

TbsMenuLayout LayoutMenuEntries(const std::vector<int>& heights, const TRect& items, int topEntry, bool scrolling) {
    TbsMenuLayout layout;
    const int count = int(heights.size());
    layout.Rects.assign(std::size_t(count), TRect{});
    layout.Shown.assign(std::size_t(count), false);
    const int bottom = items.Bottom - (scrolling ? kMenuMarkerHeight : 0);
    int y = items.Top + (scrolling ? kMenuMarkerHeight : 0);
    for (int i = std::max(topEntry, 0); i < count; ++i) {
        const TRect r{items.Left, y, items.Right, y + heights[std::size_t(i)]};
        if (r.Bottom > bottom) break;
        layout.Rects[std::size_t(i)] = r;
        layout.Shown[std::size_t(i)] = true;
        ++layout.ShownCount;
        layout.LastShown = i;
        y = r.Bottom;
    }
    return layout;
}

TbsMenuPlace PlaceMenuWindow(const TbsMenuPlaceInput& in) {
    const TRect& A = in.WorkArea;
    const TRect& R = in.Request;
    const int W = in.Width, H = in.Height;
    const bool upperHalf = R.Top < A.Top + A.Height() / 2;
    const bool fullHeight = in.Scrolling && !in.CountLimited;
    TbsMenuPlace p;
    if (fullHeight) {
        p.Y = A.Top;
    } else if (in.Submenu) {
        p.Y = R.Top - in.ItemsTop;
        if (p.Y + H > A.Bottom) p.Y = upperHalf ? A.Bottom - H : std::max(A.Top, R.Bottom + in.ItemsTop - H);
    } else if (in.Upward) {
        p.Y = R.Top - H;
        if (p.Y < A.Top) {
            p.MovedAside = true;
            if (upperHalf) {
                p.Y = R.Bottom;
                if (p.Y + H <= A.Bottom) p.MovedAside = false;
                else p.Y = A.Bottom - H;
            } else {
                p.Y = A.Top;
            }
        }
    } else {
        p.Y = R.Bottom;
        if (p.Y + H > A.Bottom) {
            if (upperHalf) {
                p.Y = A.Bottom - H;
                p.MovedAside = true;
            } else if (R.Top - H >= A.Top) {
                p.Y = R.Top - H;
            } else {
                p.Y = A.Top;
                p.MovedAside = true;
            }
        }
    }
    if (!in.Submenu && !p.MovedAside && !fullHeight) {
        p.X = R.Left;
        if (p.X + W > A.Right) p.X = A.Right - W;
        p.X = std::max(p.X, A.Left);
    } else {
        p.X = R.Right + W + 1 <= A.Right ? R.Right + 1 : R.Left - W - 1;
    }
    // Asked for above the work area (a window parked off the screen): the
    // menu still opens where it can be seen.
    if (p.Y < A.Top) p.Y = A.Top;
    return p;
}

int NextSelectableEntry(const std::vector<bool>& selectable, int from, bool forward) {
    const int count = int(selectable.size());
    if (count == 0) return -1;
    int i = from;
    for (int n = 0; n < count; ++n) {
        if (forward) i = (i < 0 || i >= count - 1) ? 0 : i + 1;
        else i = (i <= 0 || i >= count) ? count - 1 : i - 1;
        if (selectable[std::size_t(i)]) return i;
    }
    return -1;
}

int TopEntryShowingLast(const std::vector<int>& heights, int entry, int room) {
    int top = entry, used = 0;
    while (top >= 0 && used + heights[std::size_t(top)] <= room) used += heights[std::size_t(top--)];
    return std::min(top + 1, entry);
}

TbsMenuMark MenuMarkOf(bool checked, bool radioItem, bool hasCheckImage, bool hasRadioImage) {
    if (!checked) return bsmmNone;
    if (radioItem) return hasRadioImage ? bsmmRadioImage : bsmmRadioDot;
    return hasCheckImage ? bsmmCheckImage : bsmmCheckStrokes;
}
