#include "skin/controls/portable/ComboGeometry.h"

#include <algorithm>
#include <cctype>

TbsComboRects ComboBoxRects(bool bound, const TbsComboSkinGeometry& skin, bool useSkinSize, int width, int height) {
    TbsComboRects r;
    if (!bound) {
        r.Button = Rect(width - 19, 2, width - 2, height - 2);  // a 17-wide button inside a 2-pixel frame
        r.Text = Rect(2, 2, r.Button.Left - 1, height - 2);
        return r;
    }
    const int dx = width - skin.SkinWidth;
    r.Button = skin.ButtonRect;
    if (r.Button.Left >= skin.SkinWidth - skin.RightTopX) {
        r.Button.Left += dx;
        r.Button.Right += dx;
    }
    r.Text = skin.ClientRect;
    r.Text.Right += dx;
    if (!useSkinSize) {
        const int dy = height - skin.SkinHeight;
        r.Button.Bottom += dy;
        r.Text.Bottom += dy;
    }
    return r;
}

int DropDownRows(int itemCount, int dropDownCount) {
    if (itemCount <= 0) return 0;
    return std::max(1, std::min(itemCount, dropDownCount));
}

int PopupListHeight(bool bound, int skinHeight, const TRect& clientRect, int rows, int itemHeight, int captionHeight,
                    int hScrollBarHeight) {
    const int rowsHeight = rows * itemHeight;
    const int frame = bound ? skinHeight + clientRect.Top - clientRect.Bottom : 4 + captionHeight;
    return rowsHeight + frame + hScrollBarHeight;
}

TPoint PopupListPosition(const TRect& comboScreen, int listHeight, const TRect& workArea) {
    TPoint p = Point(comboScreen.Left, comboScreen.Bottom);
    if (p.Y + listHeight > workArea.Bottom) p.Y = comboScreen.Top - listHeight;
    return p;
}

bool ListNeedsScrollBar(int innerHeight, int itemHeight, int itemCount) {
    if (itemHeight <= 0) return false;
    return innerHeight / itemHeight < itemCount;
}

int ComboStepIndex(TbsComboStep step, int index, int count, int dropDownCount) {
    if (count <= 0) return -1;
    const int last = count - 1;
    int target = index;
    switch (step) {
        case TbsComboStep::Previous: target = index - 1; break;
        case TbsComboStep::Next: target = index + 1; break;
        case TbsComboStep::PageUp: target = index - (dropDownCount + 1); break;
        case TbsComboStep::PageDown: target = index + (dropDownCount - 1); break;
        case TbsComboStep::First: target = 0; break;
        case TbsComboStep::Last: target = last; break;
    }
    // No selection (-1) stepping back still lands on an item.
    return std::clamp(target, 0, last);
}

int ComboWheelIndex(int index, int count, int delta) {
    if (delta == 0 || count <= 0) return index;
    return ComboStepIndex(delta < 0 ? TbsComboStep::Next : TbsComboStep::Previous, index, count, 0);
}

const std::string& TbsTypeAhead::Add(char ch, std::uint32_t tick, bool autoComplete) {
    // Unsigned subtraction: a tick count that wrapped still gives the pause.
    if (!autoComplete || (FHasLast && tick - FLastTick > kResetAfter)) FText.clear();
    FText += ch;
    FLastTick = tick;
    FHasLast = true;
    return FText;
}

namespace {

char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(item[i]) != Lower(prefix[i])) return false;
    return true;
}

}  // namespace

int FindTypeAheadItem(const std::vector<std::string>& items, const std::string& search, int current) {
    const int count = int(items.size());
    if (search.empty() || count == 0) return -1;
    const int start = search.size() == 1 ? current + 1 : 0;
    for (int k = 0; k < count; ++k) {
        int i = ((start + k) % count + count) % count;
        if (StartsWithNoCase(items[std::size_t(i)], search)) return i;
    }
    return -1;
}

bool ItemLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}
