// Geometry and keyboard navigation of a skinned popup menu window, as pure
// functions: the window's size, the entries' rectangles with the scroll
// markers, where the window goes on the work area, and which entry Up and
// Down reach.
//
// Rectangles are left, top, right, bottom with right and bottom exclusive;
// all values are pixels.
#pragma once

#include <vector>

#include "platform/portable/Types.h"

// The scroll markers: strips this high at the top and the bottom of the
// items rectangle of a window that scrolls.
constexpr int kMenuMarkerHeight = 10;

struct TbsMenuSizeInput {
    int TextWidth = 0;         // the widest entry's text, with its short-cut
    int GlyphColumn = 19;      // the image column
    int ExtraWidth = 10;       // frame and entry margins beyond the text rectangle
    std::vector<int> Heights;  // every entry's height, in order
    int ItemHeight = 20;       // an ordinary entry's height (for the item limit)
    int FrameHeight = 4;       // the frame's height outside the items rectangle
    int MaxItems = 0;          // 0: no limit
    int WorkAreaHeight = 0;
};
struct TbsMenuSize {
    int Width = 0, Height = 0;
    bool Scrolling = false;
    bool CountLimited = false;
};
TbsMenuSize MenuWindowSize(const TbsMenuSizeInput& in);

// Entry rectangles from topEntry on inside items (the sized items
// rectangle); with scrolling the markers take 10 pixels at both ends. An
// entry whose bottom would pass the end is not shown, nor is any after it
// or before topEntry.
struct TbsMenuLayout {
    std::vector<TRect> Rects;  // one per entry; empty for an entry not shown
    std::vector<bool> Shown;
    int ShownCount = 0;
    int LastShown = -1;
};
TbsMenuLayout LayoutMenuEntries(const std::vector<int>& heights, const TRect& items, int topEntry, bool scrolling);

struct TbsMenuPlaceInput {
    TRect WorkArea;
    TRect Request;  // the rectangle (button, point or parent entry) the menu opens from
    int Width = 0, Height = 0;
    int ItemsTop = 2;  // the items rectangle's top inside the window
    bool Submenu = false;
    bool Upward = false;
    bool Scrolling = false;
    bool CountLimited = false;
};
struct TbsMenuPlace {
    int X = 0, Y = 0;
    bool MovedAside = false;
};
TbsMenuPlace PlaceMenuWindow(const TbsMenuPlaceInput& in);

// The next selectable entry after `from` going down (forward) or up,
// wrapping round; from -1 starts at the first (down) or the last (up).
// -1 when no entry is selectable.
int NextSelectableEntry(const std::vector<bool>& selectable, int from, bool forward);

// The first entry to show so that `entry` is the last shown (scrolling
// down) given the entries' heights and the room between the markers.
int TopEntryShowingLast(const std::vector<int>& heights, int entry, int room);

// What marks a checked entry without an image of its own: the skin's check
// or radio picture when it has one for that kind, else the drawn check
// strokes or the radio dot. Unchecked entries get nothing.
enum TbsMenuMark { bsmmNone, bsmmCheckImage, bsmmRadioImage, bsmmCheckStrokes, bsmmRadioDot };
TbsMenuMark MenuMarkOf(bool checked, bool radioItem, bool hasCheckImage, bool hasRadioImage);
