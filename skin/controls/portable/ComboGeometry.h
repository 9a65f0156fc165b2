// The arithmetic of the skinned combo box and its drop-down list, free of
// any window: where the button and the text area lie, how high the list is,
// whether it opens above or below, which item a key or the wheel selects,
// and the type-ahead search with its half-second rule.
//
// Conventions: rectangles are left, top, right, bottom with right and
// bottom exclusive, in control coordinates unless named "screen". Item
// indexes run 0..count-1; -1 means no item.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/portable/Types.h"

// ---- combo box ---------------------------------------------------------------

// What the combo copies from its record for its layout.
struct TbsComboSkinGeometry {
    TRect ButtonRect;  // "buttonrect", skin coordinates
    TRect ClientRect;  // "clientrect", skin coordinates
    int SkinWidth = 0, SkinHeight = 0;
    int RightTopX = 0;  // "righttoppoint".X
};

struct TbsComboRects {
    TRect Button;
    TRect Text;
    friend bool operator==(const TbsComboRects&, const TbsComboRects&) = default;
};

// The button and the text area of a width x height combo. Bound (and not a
// tool button): the record's button, moved right by width - skin width when
// it lies in the right end (its left at or right of skin width - right-top
// x); the record's client area with its right edge moved likewise; without
// useSkinSize both bottoms move by height - skin height. Unbound: a 17-wide
// button 2 pixels inside the right edge and the text area left of it.
TbsComboRects ComboBoxRects(bool bound, const TbsComboSkinGeometry& skin, bool useSkinSize, int width, int height);

// ---- drop-down list -----------------------------------------------------------

// Rows the list shows: min(items, dropDownCount), at least 1 when there are items.
int DropDownRows(int itemCount, int dropDownCount);

// The list window's height for `rows` rows. Bound: skin height + rows *
// itemHeight + clientRect.Top - clientRect.Bottom (the frame around the
// rows); unbound: rows * itemHeight + 4, plus captionHeight. A horizontal
// bar adds its height (0 for none).
int PopupListHeight(bool bound, int skinHeight, const TRect& clientRect, int rows, int itemHeight, int captionHeight,
                    int hScrollBarHeight);

// Where the list goes: at the combo's bottom-left on the screen, or, when
// its bottom would pass the work area's bottom, above the combo.
TPoint PopupListPosition(const TRect& comboScreen, int listHeight, const TRect& workArea);

// Whether the list needs its vertical bar: fewer rows fit its inner height
// than it has items. A row height of 0 never needs one.
bool ListNeedsScrollBar(int innerHeight, int itemHeight, int itemCount);

// ---- selection by keys and wheel ------------------------------------------------

enum class TbsComboStep { Previous, Next, PageUp, PageDown, First, Last };

// The index a step selects from `index` among `count` items: previous and
// next move by one, page up by dropDownCount + 1, page down by dropDownCount
// - 1, first and last jump to the ends. The result is always within
// 0..count-1 (-1 only when there are no items); an index outside the range
// (no selection) steps from the nearest end.
int ComboStepIndex(TbsComboStep step, int index, int count, int dropDownCount);

// The index a wheel turn selects: a delta towards the user (negative) the
// next item, away from the user (positive) the previous one, clamped to
// 0..count-1; a delta of 0 leaves the index as it is.
int ComboWheelIndex(int index, int count, int delta);

// ---- type-ahead ----------------------------------------------------------------

// The characters typed so far. With autoComplete, a character typed more
// than 499 ms after the previous one starts a new search text; without it
// each character is a search text of its own. Ticks are ms and may wrap.
class TbsTypeAhead {
public:
    // Adds a typed character; returns the search text.
    const std::string& Add(char ch, std::uint32_t tick, bool autoComplete);
    void Clear() { FText.clear(); }
    const std::string& Text() const { return FText; }

    static constexpr std::uint32_t kResetAfter = 499;  // ms: a longer pause starts again

private:
    std::string FText;
    std::uint32_t FLastTick = 0;
    bool FHasLast = false;
};

// The item the search text selects, or -1: nothing for an empty text; a
// single character finds the first item beginning with it after `current`,
// wrapping round; a longer text finds the first from the top. Matching is a
// case-insensitive prefix match (ASCII letters).
int FindTypeAheadItem(const std::vector<std::string>& items, const std::string& search, int current);

// Case-insensitive order of the items of a sorted list (ASCII letters).
bool ItemLess(const std::string& a, const std::string& b);
