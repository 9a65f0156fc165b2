// The scroll bar's arithmetic: the position kept within the range, the
// page that fits, the layout of the built-in skin's bars and of the plain
// bar, the thumb's length and place with halves to even, the part under a
// point and the position a drag gives.
#include "skin/controls/portable/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr auto kVertical = TScrollBarKind::sbVertical;
constexpr auto kHorizontal = TScrollBarKind::sbHorizontal;

// Zevrak's "vscrollbar": 17 x 60, track 0,17,17,43, "upbuttonrect" at the
// top and "downbuttonrect" at the bottom, thumb 13 x 24.
TbsScrollBarSkinGeometry ZevrakVertical() {
    TbsScrollBarSkinGeometry g;
    g.SkinWidth = 17;
    g.SkinHeight = 60;
    g.LeftBottomY = 42;
    g.RightTopX = 0;
    g.TrackArea = Rect(0, 17, 17, 43);
    const TbsScrollButtonPair buttons = AssignScrollButtons(Rect(0, 0, 17, 17), Rect(0, 43, 17, 60), true);
    g.IncreaseButton = buttons.Increase;
    g.DecreaseButton = buttons.Decrease;
    g.ThumbWidth = 13;
    g.ThumbHeight = 24;
    return g;
}

// Zevrak's "hscrollbar": 60 x 17, track 17,0,43,17, thumb 24 x 13.
TbsScrollBarSkinGeometry ZevrakHorizontal() {
    TbsScrollBarSkinGeometry g;
    g.SkinWidth = 60;
    g.SkinHeight = 17;
    g.LeftBottomY = 0;
    g.RightTopX = 42;
    g.TrackArea = Rect(17, 0, 43, 17);
    const TbsScrollButtonPair buttons = AssignScrollButtons(Rect(0, 0, 17, 17), Rect(43, 0, 60, 17), false);
    g.IncreaseButton = buttons.Increase;
    g.DecreaseButton = buttons.Decrease;
    g.ThumbWidth = 24;
    g.ThumbHeight = 13;
    return g;
}

TbsScrollValues Values(int min, int max, int position, int page) { return TbsScrollValues{min, max, position, page}; }

TEST(ScrollBarGeometry, RoundingTakesHalvesToTheEvenNeighbour) {
    struct TRow {
        std::int64_t Num, Den, Expected;
    };
    const TRow rows[] = {
        {5, 2, 2},   {7, 2, 4},   {-5, 2, -2}, {-7, 2, -4}, {1, 3, 0},  {2, 3, 1},
        {-2, 3, -1}, {5, -2, -2}, {0, 7, 0},   {9, 3, 3},   {1, 2, 0},  {3, 2, 2},
        {std::int64_t(INT_MAX) * INT_MAX, INT_MAX, INT_MAX},
    };
    for (const TRow& r : rows) EXPECT_EQ(RoundHalfEven(r.Num, r.Den), r.Expected) << r.Num << "/" << r.Den;
}

TEST(ScrollBarGeometry, PositionStaysBetweenMinAndTheLastFullPage) {
    struct TRow {
        int Value, Min, Max, Page, Expected;
    };
    const TRow rows[] = {
        {35, 0, 37, 8, 30},   {30, 0, 37, 8, 30},   {29, 0, 37, 8, 29},  {-1, 0, 37, 8, 0},
        {101, 0, 100, 0, 100}, {100, 0, 100, 0, 100}, {5, 10, 110, 0, 10}, {200, 10, 110, 20, 91},
        // The last page starts below Min: anything from Min on gives it.
        {12, 10, 20, 15, 6},  {3, 10, 20, 15, 10},
        {INT_MAX, 0, INT_MAX, 0, INT_MAX}, {INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(ClampScrollPosition(r.Value, r.Min, r.Max, r.Page), r.Expected)
            << r.Value << " in " << r.Min << ".." << r.Max << " page " << r.Page;
}

TEST(ScrollBarGeometry, PageFitsOnlyWhenItEndsWithinTheRange) {
    EXPECT_TRUE(ScrollPageSizeFits(8, 37, 0));
    EXPECT_TRUE(ScrollPageSizeFits(38, 37, 0));
    EXPECT_FALSE(ScrollPageSizeFits(39, 37, 0));
    EXPECT_TRUE(ScrollPageSizeFits(8, 37, 30));
    EXPECT_FALSE(ScrollPageSizeFits(8, 37, 31));
    // Min 10: the last page of 10..47 starts at 40.
    EXPECT_TRUE(ScrollPageSizeFits(8, 47, 40));
    EXPECT_FALSE(ScrollPageSizeFits(8, 47, 41));
    EXPECT_FALSE(ScrollPageSizeFits(-1, 37, 0));
    EXPECT_FALSE(ScrollPageSizeFits(INT_MAX, INT_MIN, INT_MAX));  // no overflow
}

TEST(ScrollBarGeometry, ButtonFurtherAlongTheBarIncreases) {
    const TbsScrollButtonPair zevrak = AssignScrollButtons(Rect(0, 0, 17, 17), Rect(0, 43, 17, 60), true);
    EXPECT_EQ(zevrak.Increase, Rect(0, 43, 17, 60));
    EXPECT_EQ(zevrak.Decrease, Rect(0, 0, 17, 17));
    EXPECT_TRUE(zevrak.Swapped);
    // "up" at the bottom end, as the names suggest: kept.
    const TbsScrollButtonPair named = AssignScrollButtons(Rect(1, 44, 16, 59), Rect(1, 1, 16, 16), true);
    EXPECT_EQ(named.Increase, Rect(1, 44, 16, 59));
    EXPECT_FALSE(named.Swapped);
    const TbsScrollButtonPair across = AssignScrollButtons(Rect(0, 0, 17, 17), Rect(43, 0, 60, 17), false);
    EXPECT_EQ(across.Increase, Rect(43, 0, 60, 17));
    EXPECT_FALSE(AssignScrollButtons(Rect(0, 0, 5, 5), Rect(0, 0, 5, 5), true).Swapped);
}

// The number selector's list: a 152-high bar, 38 items, 8 visible.
TEST(ScrollBarGeometry, ZevrakVerticalBarFollowsItsHeightAndSizesThumbByPage) {
    const TbsScrollBarSkinGeometry skin = ZevrakVertical();
    struct TRow {
        int Position;
        TRect Thumb;
        int Offset;
    };
    // Track 17..135 (118 long); thumb round(118 * 8 / 38) = 25; centre from
    // 29 to 135 - 13 = 122; position 15 is 46.5 pixels along: 46.
    const TRow rows[] = {{0, Rect(2, 17, 15, 42), 0}, {15, Rect(2, 63, 15, 88), 46}, {30, Rect(2, 110, 15, 135), 93}};
    for (const TRow& r : rows) {
        const TbsScrollBarLayout l = ScrollBarLayout(&skin, kVertical, 17, 152, 0, Values(0, 37, r.Position, 8));
        EXPECT_EQ(l.Track, Rect(0, 17, 17, 135));
        EXPECT_EQ(l.DecreaseButton, Rect(0, 0, 17, 17));
        EXPECT_EQ(l.IncreaseButton, Rect(0, 135, 17, 152));
        EXPECT_EQ(l.ThumbLength, 25);
        EXPECT_EQ(l.ThumbStart, 29);
        EXPECT_EQ(l.ThumbEnd, 122);
        EXPECT_EQ(l.ThumbOffset, r.Offset) << r.Position;
        EXPECT_EQ(l.Thumb, r.Thumb) << r.Position;
    }
}

TEST(ScrollBarGeometry, ZevrakHorizontalBarWithoutPageKeepsTheThumbSize) {
    const TbsScrollBarSkinGeometry skin = ZevrakHorizontal();
    struct TRow {
        int Position;
        TRect Thumb;
    };
    // Track 17..183; centre from 29 to 171 (142 pixels for 0..100).
    const TRow rows[] = {{0, Rect(17, 2, 41, 15)}, {50, Rect(88, 2, 112, 15)}, {100, Rect(159, 2, 183, 15)}};
    for (const TRow& r : rows) {
        const TbsScrollBarLayout l = ScrollBarLayout(&skin, kHorizontal, 200, 17, 0, Values(0, 100, r.Position, 0));
        EXPECT_EQ(l.Track, Rect(17, 0, 183, 17));
        EXPECT_EQ(l.DecreaseButton, Rect(0, 0, 17, 17));
        EXPECT_EQ(l.IncreaseButton, Rect(183, 0, 200, 17));
        EXPECT_EQ(l.Thumb, r.Thumb) << r.Position;
    }
    // "thumbminsize" sets the length; "thumbminpagesize" the length without a page.
    TbsScrollBarSkinGeometry sized = skin;
    sized.ThumbMinSize = 30;
    EXPECT_EQ(ScrollBarLayout(&sized, kHorizontal, 200, 17, 0, Values(0, 100, 0, 0)).ThumbLength, 30);
    sized.ThumbMinPageSize = 40;
    EXPECT_EQ(ScrollBarLayout(&sized, kHorizontal, 200, 17, 0, Values(0, 100, 0, 0)).ThumbLength, 40);
    EXPECT_EQ(ScrollBarLayout(&sized, kHorizontal, 200, 17, 0, Values(0, 100, 0, 1)).ThumbLength, 30);
}

TEST(ScrollBarGeometry, RangeWithoutRoomPutsTheThumbAtTheStartOrTheRightEnd) {
    // Min above Max with a page: no rounding of the length, no place to go.
    const TbsScrollBarSkinGeometry h = ZevrakHorizontal(), v = ZevrakVertical();
    const TbsScrollBarLayout across = ScrollBarLayout(&h, kHorizontal, 200, 17, 0, Values(5, 3, 5, 1));
    EXPECT_EQ(across.ThumbLength, 24);
    EXPECT_EQ(across.Thumb, Rect(159, 2, 183, 15));
    const TbsScrollBarLayout down = ScrollBarLayout(&v, kVertical, 17, 152, 0, Values(5, 3, 5, 1));
    EXPECT_EQ(down.Thumb, Rect(2, 17, 15, 41));
    // Equal bounds without a page: at the start.
    EXPECT_EQ(ScrollBarLayout(&h, kHorizontal, 200, 17, 0, Values(7, 7, 7, 0)).Thumb, Rect(17, 2, 41, 15));
}

TEST(ScrollBarGeometry, PlainBarsHaveSixteenPixelButtonsInsideAOnePixelBorder) {
    const TbsScrollBarLayout v = ScrollBarLayout(nullptr, kVertical, 19, 134, 0, Values(0, 7, 0, 5));
    EXPECT_EQ(v.DecreaseButton, Rect(1, 1, 18, 17));
    EXPECT_EQ(v.IncreaseButton, Rect(1, 117, 18, 133));
    EXPECT_EQ(v.Track, Rect(1, 17, 18, 117));
    EXPECT_EQ(v.ThumbLength, 62);  // 100 * 5 / 8 = 62.5: to even
    EXPECT_EQ(v.Thumb, Rect(1, 17, 18, 79));
    EXPECT_EQ(ScrollBarLayout(nullptr, kVertical, 19, 134, 0, Values(0, 7, 0, 3)).ThumbLength, 38);  // 37.5
    // Position 1 of 0..3: 38 / 3 = 12.67 pixels along: 13.
    EXPECT_EQ(ScrollBarLayout(nullptr, kVertical, 19, 134, 0, Values(0, 7, 1, 5)).Thumb, Rect(1, 30, 18, 92));
    EXPECT_EQ(ScrollBarLayout(nullptr, kVertical, 19, 134, 0, Values(0, 100, 0, 0)).ThumbLength, 16);
    EXPECT_EQ(ScrollBarLayout(nullptr, kVertical, 19, 134, 0, Values(0, 1000, 0, 1)).ThumbLength, 16);

    const TbsScrollBarLayout h = ScrollBarLayout(nullptr, kHorizontal, 200, 19, 0, Values(0, 100, 100, 0));
    EXPECT_EQ(h.DecreaseButton, Rect(1, 1, 17, 18));
    EXPECT_EQ(h.IncreaseButton, Rect(183, 1, 199, 18));
    EXPECT_EQ(h.Track, Rect(17, 1, 183, 18));
    EXPECT_EQ(h.Thumb, Rect(167, 1, 183, 18));
    // Both: the corner next to a vertical bar stays free.
    const TbsScrollBarLayout both = ScrollBarLayout(nullptr, kHorizontal, 200, 19, 19, Values(0, 100, 0, 0));
    EXPECT_EQ(both.IncreaseButton, Rect(164, 1, 180, 18));
    EXPECT_EQ(both.Track, Rect(17, 1, 164, 18));
}

TEST(ScrollBarGeometry, PartUnderPointPrefersTheThumbThenTheButtons) {
    const TbsScrollBarSkinGeometry skin = ZevrakVertical();
    const TbsScrollBarLayout top = ScrollBarLayout(&skin, kVertical, 17, 152, 0, Values(0, 37, 0, 8));
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(8, 5), true), TbsScrollPart::DecreaseButton);
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(8, 140), true), TbsScrollPart::IncreaseButton);
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(8, 20), true), TbsScrollPart::Thumb);
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(8, 20), false), TbsScrollPart::TrackBefore);  // centre 29
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(8, 60), true), TbsScrollPart::TrackAfter);
    EXPECT_EQ(ScrollPartAt(top, kVertical, Point(30, 60), true), TbsScrollPart::None);
    const TbsScrollBarLayout bottom = ScrollBarLayout(&skin, kVertical, 17, 152, 0, Values(0, 37, 30, 8));
    EXPECT_EQ(ScrollPartAt(bottom, kVertical, Point(8, 60), true), TbsScrollPart::TrackBefore);
    EXPECT_TRUE(PointBeforeThumb(bottom, kVertical, Point(8, 109)));
    EXPECT_FALSE(PointBeforeThumb(bottom, kVertical, Point(8, 110)));
    EXPECT_FALSE(PointAfterThumb(top, kVertical, Point(8, 41)));
    EXPECT_TRUE(PointAfterThumb(top, kVertical, Point(8, 42)));
}

TEST(ScrollBarGeometry, DragGivesPositionsWithinTheRangeOnly) {
    const TbsScrollBarSkinGeometry h = ZevrakHorizontal(), v = ZevrakVertical();
    struct TRow {
        const TbsScrollBarSkinGeometry* Skin;
        TScrollBarKind Kind;
        TbsScrollValues Values;
        int Displacement, StartOffset, Expected;
    };
    const TRow rows[] = {
        // 0..100 without a page over 142 pixels.
        {&h, kHorizontal, Values(0, 100, 0, 0), 500, 0, 100},   // past the end: Max, never more
        {&h, kHorizontal, Values(0, 100, 0, 0), -5, 0, 0},
        {&h, kHorizontal, Values(0, 100, 50, 0), 0, 71, 50},
        {&h, kHorizontal, Values(0, 100, 0, 0), 1, 0, 1},        // 0.70
        {&h, kHorizontal, Values(10, 110, 10, 0), 142, 0, 110},  // Min not 0
        // 0..37 with a page of 8 over 93 pixels: 0..30.
        {&v, kVertical, Values(0, 37, 0, 8), 93, 0, 30},
        {&v, kVertical, Values(0, 37, 0, 8), 1000, 0, 30},
        {&v, kVertical, Values(0, 37, 0, 8), 47, 0, 15},        // 15.16
        {&v, kVertical, Values(0, 37, 30, 8), -93, 93, 0},
    };
    for (const TRow& r : rows) {
        const TbsScrollBarLayout l = ScrollBarLayout(r.Skin, r.Kind, r.Kind == kVertical ? 17 : 200,
                                                     r.Kind == kVertical ? 152 : 17, 0, r.Values);
        const std::optional<int> p = ScrollDragPosition(l, r.Values, r.Displacement, r.StartOffset);
        ASSERT_TRUE(p.has_value()) << r.Displacement;
        EXPECT_EQ(*p, r.Expected) << r.Displacement << " from " << r.StartOffset;
    }
}

TEST(ScrollBarGeometry, ThumbFillingItsTrackCannotBeDragged) {
    // A page covering the whole range, and a plain thumb longer than its track.
    const TbsScrollBarSkinGeometry v = ZevrakVertical();
    const TbsScrollBarLayout full = ScrollBarLayout(&v, kVertical, 17, 152, 0, Values(0, 7, 0, 8));
    EXPECT_EQ(full.ThumbStart, full.ThumbEnd);
    EXPECT_EQ(full.Thumb, Rect(2, 17, 15, 135));
    EXPECT_FALSE(ScrollDragPosition(full, Values(0, 7, 0, 8), 40, 0).has_value());
    const TbsScrollBarLayout cramped = ScrollBarLayout(nullptr, kVertical, 19, 40, 0, Values(0, 100, 0, 0));
    EXPECT_EQ(cramped.Track, Rect(1, 17, 18, 23));
    EXPECT_EQ(cramped.ThumbStart, 25);
    EXPECT_EQ(cramped.ThumbEnd, 25);
    EXPECT_FALSE(ScrollDragPosition(cramped, Values(0, 100, 0, 0), 3, 0).has_value());
}

}  // namespace
