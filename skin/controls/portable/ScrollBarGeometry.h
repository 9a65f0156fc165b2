// The arithmetic of the skinned scroll bar, free of any window: how the
// position is kept within the range, where the buttons, the track and the
// thumb lie for a size and a set of values, which part a point falls on,
// and which position a drag of the thumb gives.
//
// Conventions: rectangles are left, top, right, bottom with right and
// bottom exclusive, in control coordinates. "Along" is the bar's own
// direction (y for a vertical bar, x for a horizontal one), "across" the
// other. The increase button sits at the bottom (right) end and raises the
// position; the decrease button sits at the top (left) end. Rounding to the
// nearest integer takes halves to even, exactly, in 64-bit integers.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/portable/Types.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

// num / den rounded to the nearest integer, halves to the even neighbour.
// den must not be 0; a negative den is taken with its sign.
std::int64_t RoundHalfEven(std::int64_t num, std::int64_t den);

// The range and the position of a bar.
struct TbsScrollValues {
    int Min = 0;
    int Max = 100;
    int Position = 0;
    int PageSize = 0;  // 0: no page (the thumb has a fixed length)
    friend bool operator==(const TbsScrollValues&, const TbsScrollValues&) = default;
};

// The highest position a bar takes: Max without a page, Max - PageSize + 1
// with one (computed without overflow, kept within int).
int ScrollUpperBound(int max, int pageSize);
// The position a bar stores for `value`: Min below Min, else the upper bound
// above it, else value. When the upper bound is below Min, every value at
// or above Min gives the upper bound.
int ClampScrollPosition(int value, int min, int max, int pageSize);
// Whether a page of `pageSize` starting at `position` ends within the
// range: Max - Position + 1 >= pageSize. Position is absolute, so the rule
// holds for any Min (with Min 0 it is Max - Min + 1 >= pageSize +
// Position). A negative page never fits.
bool ScrollPageSizeFits(int pageSize, int max, int position);

// The record's values the layout needs, in skin coordinates (relative to
// the record's skin rectangle).
struct TbsScrollBarSkinGeometry {
    int SkinWidth = 0, SkinHeight = 0;
    int LeftBottomY = 0;  // "leftbottompoint".Y: buttons below it follow the bottom edge
    int RightTopX = 0;    // "righttoppoint".X: buttons right of it follow the right edge
    TRect TrackArea;
    TRect IncreaseButton, DecreaseButton;
    int ThumbWidth = 0, ThumbHeight = 0;  // "thumbrect"'s size
    int ThumbMinSize = 0;                 // 0: the thumb rectangle's own length
    int ThumbMinPageSize = 0;             // the length without a page; 0: the thumb's length
};

// The record names its buttons "up" and "down"; the one further along the
// bar (lower, or further right) is the increase button, whatever its name,
// so that a button always moves the thumb towards its own end. With both at
// the same place "up" increases.
struct TbsScrollButtonPair {
    TRect Increase, Decrease;
    bool Swapped = false;  // "down" increases
};
TbsScrollButtonPair AssignScrollButtons(const TRect& up, const TRect& down, bool vertical);

// Where everything lies for one size and one set of values.
struct TbsScrollBarLayout {
    TRect Track, IncreaseButton, DecreaseButton, Thumb;
    int ThumbLength = 0;  // along
    // Along positions of the thumb's centre at the minimum and the maximum
    // position: the track's start plus half the length, its end less the
    // longer half (the thumb stays inside the track); never End < Start (a
    // thumb longer than its track stays at Start).
    int ThumbStart = 0, ThumbEnd = 0;
    int ThumbOffset = 0;  // the centre's distance from ThumbStart
    friend bool operator==(const TbsScrollBarLayout&, const TbsScrollBarLayout&) = default;
};

// The layout of a bar of width x height. `skin` null: the plain bar, its
// buttons 16 pixels long inside a 1-pixel border and a thumb of at least 16;
// a horizontal plain bar leaves `bothMarkerWidth` free at its right end.
//
// The thumb's length: with a page, round(track length * PageSize / (Max -
// Min + 1)), at least the thumb size (0 for the rounding when the divisor is
// not above 0); without, ThumbMinPageSize when set, else the thumb size.
// Its place: the share (Position - Min) / (Max - Min + 1 - PageSize) with a
// page, (Position - Min) / (Max - Min) without, of ThumbEnd - ThumbStart.
// When the divisor is not above 0 the share is 0, except for a horizontal
// bar with a page, which puts the thumb at its right end. Across, the thumb
// is centred in the track with its own breadth (the track's, plain).
TbsScrollBarLayout ScrollBarLayout(const TbsScrollBarSkinGeometry* skin, TScrollBarKind kind, int width, int height,
                                   int bothMarkerWidth, const TbsScrollValues& values);

// The parts a point can fall on.
enum class TbsScrollPart { None, Thumb, IncreaseButton, DecreaseButton, TrackBefore, TrackAfter };
// The part under p: the thumb (when thumbShown) before the buttons, the
// buttons before the track; the track before or after the thumb's centre.
TbsScrollPart ScrollPartAt(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p, bool thumbShown);

// Whether p, along the bar, is still before (page decrease) or after (page
// increase) the thumb: paging goes on only while it is.
bool PointBeforeThumb(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p);
bool PointAfterThumb(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p);

// The position for a thumb dragged by `displacement` pixels along the bar
// from where it was pressed, `startOffset` being the ThumbOffset then:
// Min + round(span * share), where share is (displacement + startOffset) /
// (ThumbEnd - ThumbStart) kept within 0..1 and span is Max - Min - PageSize
// + 1 with a page, Max - Min without. Nothing when the thumb fills its
// track (ThumbEnd = ThumbStart): there is nowhere to drag it.
std::optional<int> ScrollDragPosition(const TbsScrollBarLayout& layout, const TbsScrollValues& values,
                                      int displacement, int startOffset);
