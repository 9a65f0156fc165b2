// The gauge's arithmetic: clamping, the filled part, the pieces of the fill
// image, the animation frames and the progress text.
#include "skin/controls/portable/GaugeGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(GaugeGeometry, ValueIsClampedIntoTheBounds) {
    struct TRow {
        int Value, Min, Max, Expected;
    };
    const TRow rows[] = {
        {104, 0, 100, 100}, {-5, 0, 100, 0},   {50, 0, 100, 50},          {100, 0, 100, 100},
        {60, 0, 40, 40},    {7, 10, 10, 10},   {INT_MIN, 0, 100, 0},      {INT_MAX, 0, 100, 100},
        {50, 80, 20, 20},   // bounds in the wrong order: above the maximum wins
    };
    for (const TRow& r : rows) EXPECT_EQ(ClampGaugeValue(r.Value, r.Min, r.Max), r.Expected) << r.Value;
}

TEST(GaugeGeometry, ShareTruncatesExactlyAndStaysWithinTheLength) {
    struct TRow {
        int Length, Value, Min, Max, Expected;
    };
    const TRow rows[] = {
        {172, 50, 0, 100, 86},  {172, 33, 0, 100, 56},  {100, 29, 0, 100, 29},  // no floating rounding down
        {100, 57, 0, 100, 57},  {172, 100, 0, 100, 172}, {172, 0, 0, 100, 0},
        {172, 5, 5, 5, 0},      // equal bounds: nothing
        {0, 50, 0, 100, 0},     {-4, 50, 0, 100, 0},
        {10, INT_MAX, INT_MIN, INT_MAX, 10},  {10, 0, INT_MIN, INT_MAX, 5},  // no overflow
        {10, 150, 0, 100, 10},  {10, -50, 0, 100, 0},  // outside the bounds: kept within the length
    };
    for (const TRow& r : rows)
        EXPECT_EQ(GaugeShare(r.Length, r.Value, r.Min, r.Max), r.Expected) << r.Length << " " << r.Value;
}

TEST(GaugeGeometry, FillRunsRightwardsOrUpwards) {
    const TRect area = Rect(3, 3, 175, 16);
    EXPECT_EQ(GaugeFillRect(area, 50, 0, 100, false), Rect(3, 3, 89, 16));
    EXPECT_EQ(GaugeFillRect(area, 0, 0, 100, false), Rect(3, 3, 3, 16));
    EXPECT_EQ(GaugeFillRect(area, 70, 70, 70, false), Rect(3, 3, 3, 16));
    const TRect tall = Rect(2, 4, 15, 104);
    EXPECT_EQ(GaugeFillRect(tall, 25, 0, 100, true), Rect(2, 79, 15, 104));
    EXPECT_EQ(GaugeFillRect(tall, 100, 0, 100, true), tall);
    // An inverted area fills nothing rather than reaching out of it.
    EXPECT_EQ(GaugeFillRect(Rect(10, 0, 4, 5), 50, 0, 100, false), Rect(10, 0, 10, 5));
}

TEST(GaugeGeometry, SizedAreaGrowsWithTheControlAlongTheFillOnly) {
    const TRect area = Rect(3, 3, 46, 16);
    EXPECT_EQ(SizedProgressArea(area, 2, false, 178, 19, 49, 19), Rect(3, 3, 175, 16));
    EXPECT_EQ(SizedProgressArea(area, 3, true, 49, 119, 49, 19), Rect(3, 3, 46, 116));
    EXPECT_EQ(SizedProgressArea(area, 0, false, 178, 19, 49, 19), area);
    EXPECT_EQ(SizedProgressArea(area, -1, false, 178, 19, 49, 19), area);
}

// The table window's gauge: "progressrect" 125,142,153,155 (28 x 13).
TbsGaugeFillSource ZevrakSource(int caps) {
    TbsGaugeFillSource s;
    s.ProgressRect = Rect(125, 142, 153, 155);
    s.BeginOffset = caps;
    s.EndOffset = caps;
    return s;
}

TEST(GaugeGeometry, MiddleIsTiledBetweenTheCapsAndTheLastTileIsCut) {
    // 86 wide with 3-pixel caps: middle 3..83 (80) in tiles of 22.
    const TbsGaugeFillBlits fill = GaugeFillBlits(ZevrakSource(3), 86, 13);
    ASSERT_TRUE(fill.Drawn);
    const TRect all = Rect(0, 0, 86, 13);
    const TSkinBlits expected = {
        {Rect(128, 142, 150, 155), Rect(3, 0, 25, 13), {}},
        {Rect(128, 142, 150, 155), Rect(25, 0, 47, 13), {}},
        {Rect(128, 142, 150, 155), Rect(47, 0, 69, 13), {}},
        {Rect(128, 142, 142, 155), Rect(69, 0, 83, 13), {}},
        {Rect(125, 142, 128, 155), Rect(0, 0, 3, 13), all},
        {Rect(150, 142, 153, 155), Rect(83, 0, 86, 13), all},
    };
    EXPECT_EQ(fill.Blits, expected);
}

TEST(GaugeGeometry, FillShorterThanBothCapsShowsOnlyTheCaps) {
    for (const int W : {6, 5, 1}) {
        const TbsGaugeFillBlits fill = GaugeFillBlits(ZevrakSource(3), W, 13);
        ASSERT_TRUE(fill.Drawn);
        const TRect all = Rect(0, 0, W, 13);
        const TSkinBlits expected = {
            {Rect(125, 142, 128, 155), Rect(0, 0, 3, 13), all},
            {Rect(150, 142, 153, 155), Rect(W - 3, 0, W, 13), all},
        };
        EXPECT_EQ(fill.Blits, expected) << W;
    }
    EXPECT_TRUE(GaugeFillBlits(ZevrakSource(3), 0, 13).Blits.empty());
}

TEST(GaugeGeometry, StretchOrAnimationFrameCoversTheMiddleWithOneCopy) {
    TbsGaugeFillSource s = ZevrakSource(2);
    s.Stretch = true;
    EXPECT_EQ(GaugeFillBlits(s, 60, 13).Blits.front(), (TSkinBlit{Rect(127, 142, 151, 155), Rect(2, 0, 58, 13), {}}));
    s.Stretch = false;
    s.FrameRect = Rect(527, 4, 533, 121);
    EXPECT_EQ(GaugeFillBlits(s, 60, 13).Blits.front(), (TSkinBlit{Rect(529, 4, 531, 121), Rect(2, 0, 58, 13), {}}));
}

TEST(GaugeGeometry, SourceWithoutLengthDrawsNothing) {
    TbsGaugeFillSource s = ZevrakSource(14);  // 28 pixels, all caps
    const TbsGaugeFillBlits fill = GaugeFillBlits(s, 60, 13);
    EXPECT_FALSE(fill.Drawn);
    EXPECT_TRUE(fill.Blits.empty());
    // Negative offsets from a hostile skin count as none.
    s = ZevrakSource(-4);
    const TbsGaugeFillBlits plain = GaugeFillBlits(s, 30, 13);
    ASSERT_EQ(plain.Blits.size(), 2u);
    EXPECT_EQ(plain.Blits[0].Dst, Rect(0, 0, 28, 13));
}

TEST(GaugeGeometry, VerticalFillTilesFromTheBottomWithTheStartCapOnTop) {
    TbsGaugeFillSource s;
    s.ProgressRect = Rect(10, 20, 23, 30);  // 13 x 10
    s.BeginOffset = 2;
    s.EndOffset = 1;
    s.Vertical = true;
    const TbsGaugeFillBlits fill = GaugeFillBlits(s, 13, 20);
    const TRect all = Rect(0, 0, 13, 20);
    const TSkinBlits expected = {
        {Rect(10, 22, 23, 29), Rect(0, 12, 13, 19), {}},
        {Rect(10, 22, 23, 29), Rect(0, 5, 13, 12), {}},
        {Rect(10, 26, 23, 29), Rect(0, 2, 13, 5), {}},
        {Rect(10, 20, 23, 22), Rect(0, 0, 13, 2), all},
        {Rect(10, 29, 23, 30), Rect(0, 19, 13, 20), all},
    };
    EXPECT_EQ(fill.Blits, expected);
}

TEST(GaugeGeometry, AnimationFramesAreEqualSlices) {
    const TRect anim = Rect(527, 4, 586, 121);  // 59 x 117, wider than the 28-wide progress picture
    const TRect progress = Rect(125, 142, 153, 155);
    EXPECT_EQ(GaugeAnimationFrame(anim, progress, 1, 9), Rect(527, 4, 533, 121));
    EXPECT_EQ(GaugeAnimationFrame(anim, progress, 9, 9), Rect(575, 4, 581, 121));
    EXPECT_EQ(GaugeAnimationFrame(anim, Rect(0, 0, 80, 13), 2, 9), Rect(527, 17, 586, 30));
    EXPECT_TRUE(GaugeAnimationFrame(anim, progress, 0, 9).IsEmpty());
    EXPECT_TRUE(GaugeAnimationFrame(anim, progress, 10, 9).IsEmpty());
    EXPECT_TRUE(GaugeAnimationFrame(anim, progress, 1, 0).IsEmpty());
}

TEST(GaugeGeometry, ProgressTextJoinsTextAndPercentage) {
    EXPECT_EQ(GaugeProgressText(false, "", true, 33, 0, 100), "33%");
    EXPECT_EQ(GaugeProgressText(true, "Dolum ", true, 29, 0, 100), "Dolum 29%");
    EXPECT_EQ(GaugeProgressText(true, "Dolum", false, 29, 0, 100), "Dolum");
    EXPECT_EQ(GaugeProgressText(false, "Dolum", false, 29, 0, 100), "");
    EXPECT_EQ(GaugeProgressText(false, "", true, 40, 40, 40), "0%");  // equal bounds
    EXPECT_EQ(GaugeProgressText(false, "", true, 100, 0, 100), "100%");
}

}  // namespace
