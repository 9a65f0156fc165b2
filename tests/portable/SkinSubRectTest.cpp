// Parts inside a skin (captions, grippers, frame buttons) follow the corner
// they sit in when the element is sized, or stretch across corners.
#include "skin/paint/portable/SkinSubRect.h"
#include "skin/paint/portable/SkinGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct TZoneCase {
    const char* Name;
    TRect In;
    TRect Out;
};

// A 100 x 40 skin with corners LT (0,0,10,8), RT (90,0,100,8),
// LB (0,32,10,40), RB (90,32,100,40), sized to 150 x 60.
constexpr TPoint kLT{10, 8}, kRT{90, 8}, kLB{10, 32}, kRB{90, 32};
constexpr TRect kSkin{0, 0, 100, 40};

}  // namespace

TEST(MapSkinSubRect, NinePartPartsFollowTheirCornerOrStretchAcrossCorners) {
    const TZoneCase cases[] = {
        {"inside left-top: stays", Rect(2, 2, 8, 6), Rect(2, 2, 8, 6)},
        {"the whole left-top zone: stays", Rect(0, 0, 10, 8), Rect(0, 0, 10, 8)},
        {"inside right-top: moves right", Rect(92, 1, 98, 7), Rect(142, 1, 148, 7)},
        {"right-top flush with the skin's right edge: moves right", Rect(95, 0, 100, 8), Rect(145, 0, 150, 8)},
        {"inside left-bottom: moves down", Rect(1, 33, 9, 39), Rect(1, 53, 9, 59)},
        {"gripper in the bottom-right corner: moves with it", Rect(94, 34, 100, 40), Rect(144, 54, 150, 60)},
        {"left-top to right-bottom: grows both ways", Rect(5, 4, 95, 36), Rect(5, 4, 145, 56)},
        {"corner points themselves count (edges inclusive)", Rect(10, 8, 90, 32), Rect(10, 8, 140, 52)},
        {"left-top to right-top caption: grows right", Rect(5, 3, 95, 7), Rect(5, 3, 145, 7)},
        {"left-bottom to right-bottom: grows right and moves down", Rect(5, 34, 95, 38), Rect(5, 54, 145, 58)},
        {"left-top to left-bottom: grows down", Rect(2, 5, 8, 35), Rect(2, 5, 8, 55)},
        {"right-top to right-bottom: moves right and grows down", Rect(92, 5, 98, 35), Rect(142, 5, 148, 55)},
        {"in the middle: stays", Rect(40, 15, 60, 25), Rect(40, 15, 60, 25)},
        {"right-top to left-bottom: stays", Rect(92, 5, 8, 35), Rect(92, 5, 8, 35)},
        {"top edge between the corners: stays", Rect(20, 0, 80, 8), Rect(20, 0, 80, 8)},
    };
    for (const TZoneCase& c : cases) {
        EXPECT_EQ(MapRectByCornerZones(c.In, kLT, kRT, kLB, kRB, 100, 40, 50, 20), c.Out) << c.Name;
        EXPECT_EQ(MapSkinSubRect(c.In, bsrmNinePart, Bounds(7, 9, 100, 40), kLT, kRT, kLB, kRB, 150, 60), c.Out)
            << c.Name;
    }
}

TEST(MapSkinSubRect, NinePartPartsMoveBackWhenTheElementIsSmallerThanItsSkin) {
    EXPECT_EQ(MapSkinSubRect(Rect(92, 1, 98, 7), bsrmNinePart, kSkin, kLT, kRT, kLB, kRB, 80, 30), Rect(72, 1, 78, 7));
    EXPECT_EQ(MapSkinSubRect(Rect(5, 4, 95, 36), bsrmNinePart, kSkin, kLT, kRT, kLB, kRB, 80, 30),
              Rect(5, 4, 75, 26));
    EXPECT_EQ(MapSkinSubRect(Rect(2, 2, 8, 6), bsrmNinePart, kSkin, kLT, kRT, kLB, kRB, 80, 30), Rect(2, 2, 8, 6));
}

TEST(MapSkinSubRect, HorizontalThreePartStretchesSpansAndMovesTheRightEnd) {
    // 100 x 20, ends 10 and 10 wide, sized to 150 wide (dW 50); the height
    // passed in plays no part.
    const TPoint lt{10, 5}, rt{90, 5};
    const TZoneCase cases[] = {
        {"across both ends: grows", Rect(5, 2, 95, 18), Rect(5, 2, 145, 18)},
        {"exactly from end to end: grows", Rect(10, 2, 90, 18), Rect(10, 2, 140, 18)},
        {"inside the right end: moves", Rect(92, 2, 98, 18), Rect(142, 2, 148, 18)},
        {"starting at the right end: moves", Rect(90, 0, 100, 20), Rect(140, 0, 150, 20)},
        {"empty at the right end's edge: stays", Rect(90, 2, 90, 18), Rect(90, 2, 90, 18)},
        {"inside the middle: stays", Rect(20, 2, 80, 18), Rect(20, 2, 80, 18)},
        {"inside the left end: stays", Rect(2, 2, 8, 18), Rect(2, 2, 8, 18)},
    };
    for (const TZoneCase& c : cases)
        EXPECT_EQ(MapSkinSubRect(c.In, bsrmHorizontal, Rect(0, 0, 100, 20), lt, rt, {}, {}, 150, 999), c.Out)
            << c.Name;
}

TEST(MapSkinSubRect, VerticalThreePartStretchesSpansAndMovesTheBottomEnd) {
    const TPoint lt{5, 10}, lb{5, 90};
    const TZoneCase cases[] = {
        {"across both ends: grows", Rect(2, 5, 18, 95), Rect(2, 5, 18, 145)},
        {"inside the bottom end: moves", Rect(2, 92, 18, 98), Rect(2, 142, 18, 148)},
        {"inside the middle: stays", Rect(2, 20, 18, 80), Rect(2, 20, 18, 80)},
        {"inside the top end: stays", Rect(2, 2, 18, 8), Rect(2, 2, 18, 8)},
    };
    for (const TZoneCase& c : cases)
        EXPECT_EQ(MapSkinSubRect(c.In, bsrmVertical, Rect(0, 0, 20, 100), lt, {}, lb, {}, 999, 150), c.Out) << c.Name;
}

TEST(MapSkinSubRect, FixedSizeAndNoSkinKeepEveryPart) {
    for (int mode : {bsrmFixed, bsrmNoSkin, 7}) {
        EXPECT_EQ(MapSkinSubRect(Rect(92, 1, 98, 7), mode, kSkin, kLT, kRT, kLB, kRB, 150, 60), Rect(92, 1, 98, 7))
            << mode;
        EXPECT_EQ(MapSkinSubRect(Rect(5, 4, 95, 36), mode, kSkin, kLT, kRT, kLB, kRB, 150, 60), Rect(5, 4, 95, 36))
            << mode;
    }
}

// Coordinates from a skin file may lie anywhere in the int range.
TEST(MapSkinSubRect, PartsAtTheEndsOfTheIntRangeSaturateInsteadOfOverflowing) {
    EXPECT_EQ(MapSkinSubRect(Rect(95, 0, INT_MAX, 5), bsrmHorizontal, Rect(0, 0, 100, 20), Point(10, 5),
                             Point(90, 5), {}, {}, 150, 20),
              Rect(145, 0, INT_MAX, 5));
    EXPECT_EQ(MapRectByCornerZones(Rect(5, 4, INT_MAX - 1, INT_MAX - 1), Point(10, 8), Point(90, 8), Point(10, 32),
                                   Point(90, 32), INT_MAX, INT_MAX, 50, 20),
              Rect(5, 4, INT_MAX, INT_MAX));
    EXPECT_EQ(MapRectByCornerZones(Rect(92, 1, 98, 7), kLT, kRT, kLB, kRB, 100, 40, INT_MAX, 0),
              Rect(INT_MAX, 1, INT_MAX, 7));
    EXPECT_EQ(MapRectByCornerZones(Rect(1, 33, 9, 39), kLT, kRT, kLB, kRB, 100, 40, 0, INT_MIN),
              Rect(1, INT_MIN + 33, 9, INT_MIN + 39));
    // A skin as wide as the int range sized to a small element.
    EXPECT_EQ(MapSkinSubRect(Rect(-5, 2, 95, 18), bsrmHorizontal, Rect(INT_MIN, 0, INT_MAX, 20), Point(10, 5),
                             Point(90, 5), {}, {}, -100, 20),
              Rect(-5, 2, INT_MIN + 95, 18));  // dW held at INT_MIN
}
