#include "skin/form/portable/LayerCaptionGeometry.h"

#include <algorithm>

namespace {

// The order of the row from the right, as the platform's own caption has it.
int RowRank(TbsStdCommand command) {
    switch (command) {
        case cmClose: return 0;
        case cmMaximize: return 1;
        case cmMinimize: return 2;
        case cmRollUp: return 3;
        case cmMinimizeToTray: return 4;
        default: return 5;
    }
}

TRect Sized(int left, int top, TbsObjectSize size) { return TRect{left, top, left + size.Width, top + size.Height}; }

}  // namespace

TRect LayerBandRect(const TRect& r, int pictureWidth, int width) {
    if (r.IsEmpty() || r.Left <= pictureWidth / 2) return r;
    const int dx = width - pictureWidth;
    return TRect{r.Left + dx, r.Top, r.Right + dx, r.Bottom};
}

void ArrangeLayerCaptionObjects(const TbsLayerCaptionMetrics& m, int width, std::vector<TbsLayerCaptionItem>& items) {
    std::vector<TbsLayerCaptionItem*> row;
    TbsLayerCaptionItem* caption = nullptr;
    for (TbsLayerCaptionItem& item : items) {
        item.Rect = TRect{};
        if (!item.Visible) continue;
        if (item.Caption) {
            if (!caption) caption = &item;
        } else if (item.Command == cmSysMenu) {
            const TRect place = LayerBandRect(m.SysMenuButtonRect, m.PictureWidth, width);
            if (!place.IsEmpty()) item.Rect = Sized(place.Left, place.Top + m.SysButtonTopOffset, item.Size);
        } else {
            row.push_back(&item);
        }
    }
    std::stable_sort(row.begin(), row.end(), [](const TbsLayerCaptionItem* a, const TbsLayerCaptionItem* b) {
        return RowRank(a->Command) < RowRank(b->Command);
    });
    const TRect buttons = LayerBandRect(m.ButtonsRect, m.PictureWidth, width);
    if (!buttons.IsEmpty()) {
        int right = buttons.Right;
        for (TbsLayerCaptionItem* item : row) {
            item->Rect = Sized(right - item->Size.Width, buttons.Top + m.ButtonsTopOffset, item->Size);
            right -= item->Size.Width + m.ButtonsOffset;
        }
    }
    if (!caption || m.CaptionRect.IsEmpty()) return;
    TRect text = m.CaptionRect;
    text.Right += width - m.PictureWidth;
    // The buttons lying in the caption's band cut it: those right of its
    // middle from the right, the others from the left.
    for (const TbsLayerCaptionItem& item : items) {
        const TRect& r = item.Rect;
        if (&item == caption || r.IsEmpty() || r.Bottom <= text.Top || r.Top >= text.Bottom) continue;
        if (r.Right <= text.Left || r.Left >= text.Right) continue;
        if (r.Left + r.Right > text.Left + text.Right) text.Right = std::min(text.Right, r.Left);
        else text.Left = std::max(text.Left, r.Right);
    }
    if (text.Right < text.Left) text.Right = text.Left;
    caption->Rect = text;
}
