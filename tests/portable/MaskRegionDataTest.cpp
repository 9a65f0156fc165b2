#include "skin/paint/portable/MaskRegionData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "tests/support/FrameMask.h"

namespace {

std::int32_t Get32(const std::vector<std::uint8_t>& data, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(data[at + i]) << (8 * i);
    return std::int32_t(v);
}

TRect RectAt(const std::vector<std::uint8_t>& data, std::size_t at) {
    return Rect(Get32(data, at), Get32(data, at + 4), Get32(data, at + 8), Get32(data, at + 12));
}

// A mask from text rows: '#' black (inside), anything else white.
TRgbBuffer MaskOf(const std::vector<std::string>& rows) {
    TRgbBuffer mask(int(rows[0].size()), int(rows.size()), 0xFF);
    for (int y = 0; y < mask.Height; ++y)
        for (int x = 0; x < mask.Width; ++x)
            if (rows[std::size_t(y)][std::size_t(x)] == '#') mask.Set(x, y, 0, 0, 0);
    return mask;
}

using TShape = std::set<std::pair<int, int>>;

void AddRuns(TShape& shape, const std::vector<TRect>& runs) {
    for (const TRect& r : runs)
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) shape.insert({x, y});
}

// The shape CreateSkinRegion builds: client rectangle plus the strips' runs at their offsets.
TShape ElementShape(const TRgbBuffer& mask, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect client, TPoint DLT,
                    TPoint DRT, TPoint DLB, TPoint DRB, TRect dclient, int W) {
    TRgbBuffer top, bottom, left, right;
    CreateSkinMaskStrips(LT, RT, LB, RB, client, mask.View(), DLT, DRT, DLB, DRB, dclient, W, top, bottom, left, right);
    const TMaskStripOffsets at = MaskStripOffsets(dclient);
    std::vector<TRect> runs;
    CollectMaskRuns(top.View(), at.Top.X, at.Top.Y, runs);
    CollectMaskRuns(bottom.View(), at.Bottom.X, at.Bottom.Y, runs);
    CollectMaskRuns(left.View(), at.Left.X, at.Left.Y, runs);
    CollectMaskRuns(right.View(), at.Right.X, at.Right.Y, runs);
    runs.push_back(dclient);
    TShape shape;
    AddRuns(shape, runs);
    return shape;
}


}  // namespace

TEST(MaskRegionData, AllWhiteGivesHeaderWithNoRectangles) {
    TRgbBuffer white(5, 3, 0xFF);
    const std::vector<std::uint8_t> data = CreateRegionData(white.View(), 7, 9);
    ASSERT_EQ(data.size(), 32u);
    EXPECT_EQ(Get32(data, 0), 32);
    EXPECT_EQ(Get32(data, 4), 1);
    EXPECT_EQ(Get32(data, 8), 0);
    EXPECT_EQ(Get32(data, 12), 0);
    EXPECT_EQ(RectAt(data, 16), Rect(7, 9, 12, 12));
    EXPECT_TRUE(CreateRegionData(TRgbBuffer().View(), 0, 0).empty());
}

TEST(MaskRegionData, AllBlackGivesOneFullWidthRectanglePerRow) {
    TRgbBuffer black(5, 3, 0);  // width 5: rows are padded, the padding must not be read as pixels
    const std::vector<std::uint8_t> data = CreateRegionData(black.View(), 0, 0);
    ASSERT_EQ(data.size(), 32u + 3 * 16);
    EXPECT_EQ(Get32(data, 8), 3);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(RectAt(data, 32 + 16 * std::size_t(y)), Rect(0, y, 5, y + 1));
}

TEST(MaskRegionData, OnlyPureBlackIsInsideAndRunsReachRightEdge) {
    TRgbBuffer mask = MaskOf({"#..##", "....."});
    mask.Set(1, 0, 1, 0, 0);  // dark grey (1, 0, 0): outside
    mask.Set(2, 1, 0, 0, 1);
    std::vector<TRect> runs;
    CollectMaskRuns(mask.View(), 10, 20, runs);
    const std::vector<TRect> want = {Rect(10, 20, 11, 21), Rect(13, 20, 15, 21)};
    EXPECT_EQ(runs, want);
}

TEST(MaskRegionData, MoreThanTenThousandRunsAreAllKept) {
    TRgbBuffer mask(201, 101, 0xFF);
    for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 201; x += 2) mask.Set(x, y, 0, 0, 0);
    const std::vector<std::uint8_t> data = CreateRegionData(mask.View(), 0, 0);
    ASSERT_EQ(Get32(data, 8), 101 * 101);
    ASSERT_EQ(data.size(), 32u + 16u * 101 * 101);
    EXPECT_EQ(RectAt(data, data.size() - 16), Rect(200, 100, 201, 101));
}

TEST(MaskStrips, ElementOfMaskSizeHasTheMasksShapePlusClient) {
    const TRgbBuffer mask = MaskOf(kFrameMask);
    const TRect client = Rect(3, 3, 9, 6);
    const TShape shape = ElementShape(mask, {5, 4}, {7, 4}, {5, 5}, {7, 5}, client, {5, 4}, {7, 4}, {5, 5}, {7, 5},
                                      client, 12);
    TShape want;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            if (kFrameMask[std::size_t(y)][std::size_t(x)] == '#' || PtInRect(client, Point(x, y))) want.insert({x, y});
    EXPECT_EQ(shape, want);
}

TEST(MaskStrips, HorizontalElementWiderThanMaskRepeatsEdgePatternBetweenEnds) {
    // 8 x 3 mask, mode 2: ends x < 2 and x >= 6, pattern x 2..6 ("#.#." on top).
    const TRgbBuffer mask = MaskOf({".##.#.#.", "##....##", "#.#.#.##"});
    const TRect client = Rect(2, 1, 6, 2);
    const TPoint LT{2, 1}, RT{6, 1};
    const int W = 15;  // 7 wider: DstRT.X = 13
    const TPoint DRT{6 + W - 8, 1};
    const TRect dclient = Rect(2, 1, 13, 2);
    TRgbBuffer top, bottom, left, right;
    CreateSkinMaskStrips(LT, RT, LT, RT, client, mask.View(), LT, DRT, LT, DRT, dclient, W, top, bottom, left, right);
    ASSERT_EQ(top.Width, 15);
    std::string row;
    for (int x = 0; x < 15; ++x) row += top.View().Pixel(x, 0)[0] == 0 ? '#' : '.';
    EXPECT_EQ(row, ".##.#.#.#.#.##.");  // ends ".#" and "#.", pattern "#.#." from x = 2 cut at 13
    std::string bottomRow;
    for (int x = 0; x < 15; ++x) bottomRow += bottom.View().Pixel(x, 0)[0] == 0 ? '#' : '.';
    EXPECT_EQ(bottomRow, "#.#.#.#.#.#.###");
    // Left and right strips are only their fixed ends: one row, copied from the client's row.
    ASSERT_EQ(left.Height, 1);
    EXPECT_EQ(left.View().Pixel(0, 0)[0], 0);
    EXPECT_EQ(left.View().Pixel(1, 0)[0], 0);
    ASSERT_EQ(right.Width, 2);
    EXPECT_EQ(right.View().Pixel(1, 0)[0], 0);
}

TEST(MaskStrips, ZeroPatternSkipsTilingButKeepsEnds) {
    const TRgbBuffer mask = MaskOf(kFrameMask);
    // Left pattern of height 0 (LB.Y = LT.Y) in a taller element: ends only, the rest outside.
    TRgbBuffer top, bottom, left, right;
    const TRect dclient = Rect(3, 3, 9, 10);
    CreateSkinMaskStrips({5, 4}, {7, 4}, {5, 4}, {7, 5}, Rect(3, 3, 9, 6), mask.View(), {5, 4}, {7, 4}, {5, 8},
                         {7, 9}, dclient, 12, top, bottom, left, right);
    ASSERT_EQ(left.Height, 7);
    std::string column;
    for (int y = 0; y < 7; ++y) column += left.View().Pixel(0, y)[0] == 0 ? '#' : '.';
    EXPECT_EQ(column, "#....##");  // upper end 1 row, lower end 2 rows
    EXPECT_TRUE(MaskTooLargeForElement({5, 4}, {4, 4}, {5, 5}));
    EXPECT_TRUE(MaskTooLargeForElement({5, 4}, {7, 4}, {5, 3}));
    EXPECT_FALSE(MaskTooLargeForElement({5, 4}, {5, 4}, {5, 4}));
}
