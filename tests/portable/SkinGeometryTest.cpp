#include <gtest/gtest.h>

#include "tests/support/NinePartSkin.h"

#include "skin/paint/portable/SkinGeometry.h"

#include <ostream>

static std::ostream& operator<<(std::ostream& os, const TRect& r) {
    return os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}
static std::ostream& operator<<(std::ostream& os, const TSkinBlit& b) {
    os << "{src " << b.Src << " dst " << b.Dst;
    if (!b.Clip.IsEmpty()) os << " clip " << b.Clip;
    return os << "}";
}

namespace {

TSkinImageParams NinePart(int W, int H) { return NinePartSkin(W, H); }

// The steps whose destination lies in the given band, in order.
TSkinBlits Within(const TSkinBlits& all, const TRect& band) {
    TSkinBlits out;
    for (const TSkinBlit& b : all)
        if (b.Dst.Left >= band.Left && b.Dst.Right <= band.Right && b.Dst.Top >= band.Top && b.Dst.Bottom <= band.Bottom)
            out.push_back(b);
    return out;
}

}  // namespace

TEST(SkinResizeMode, ModesAreTestedInOrder) {
    struct Row {
        TRect SrcRect;
        TPoint RT, LB, RB;
        int Mode;
    } rows[] = {
        {Rect(0, 0, 0, 10), {3, 0}, {0, 0}, {4, 4}, -1},
        {Rect(5, 5, 10, 5), {3, 0}, {0, 0}, {4, 4}, -1},
        {Rect(0, 0, 10, 10), {3, 0}, {0, 0}, {4, 4}, 1},
        {Rect(0, 0, 10, 10), {3, 0}, {0, 0}, {0, 5}, 2},  // RB needs both coordinates
        {Rect(0, 0, 10, 10), {0, 2}, {1, 0}, {6, 0}, 2},
        {Rect(0, 0, 10, 10), {0, 0}, {0, 7}, {0, 0}, 3},
        {Rect(0, 0, 10, 10), {0, 0}, {0, 0}, {0, 0}, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(GetSkinResizeMode(r.SrcRect, Point(2, 2), r.RT, r.LB, r.RB), r.Mode) << r.SrcRect;
}

TEST(SkinGeometry, EachModeMovesOnlyItsPointsAndForcesItsSize) {
    const TRect src = Rect(100, 50, 130, 70), client = Rect(5, 4, 25, 16);
    const TPoint LT{10, 8}, RT{20, 8}, LB{10, 12}, RB{20, 12}, untouched{-7, -7};
    struct Row {
        int Mode, W, H;
        int WantW, WantH;
        TRect Client;
        TPoint DLT, DRT, DLB, DRB;
    } rows[] = {
        {-1, 45, 33, 45, 33, Rect(-1, -1, -1, -1), untouched, untouched, untouched, untouched},
        {0, 45, 33, 30, 20, client, untouched, untouched, untouched, untouched},
        {1, 45, 33, 45, 33, Rect(5, 4, 40, 29), LT, {35, 8}, {10, 25}, {35, 25}},
        {1, 10, 5, 10, 5, Rect(5, 4, 5, 1), LT, {0, 8}, {10, -3}, {0, -3}},
        {2, 45, 33, 45, 20, Rect(5, 4, 40, 16), LT, {35, 8}, untouched, untouched},
        {3, 45, 33, 30, 33, Rect(5, 4, 25, 29), LT, untouched, {10, 25}, untouched},
    };
    for (const Row& r : rows) {
        int W = r.W, H = r.H;
        TRect dc = Rect(-1, -1, -1, -1);
        TPoint dlt = untouched, drt = untouched, dlb = untouched, drb = untouched;
        CalcSkinGeometry(r.Mode, src, client, LT, RT, LB, RB, W, H, dc, dlt, drt, dlb, drb);
        SCOPED_TRACE(testing::Message() << "mode " << r.Mode << " size " << r.W << "x" << r.H);
        EXPECT_EQ(W, r.WantW);
        EXPECT_EQ(H, r.WantH);
        EXPECT_EQ(dc, r.Client);
        EXPECT_EQ(dlt, r.DLT);
        EXPECT_EQ(drt, r.DRT);
        EXPECT_EQ(dlb, r.DLB);
        EXPECT_EQ(drb, r.DRB);
    }
}

TEST(SkinImageBlits, TiledTopEdgeOfTwoAndAHalfPatternsCutsLastTileAtRightCorner) {
    const TSkinImageParams p = NinePart(45, 20);  // span 35 - 10 = 25 = 2.5 x 10
    const TSkinBlits top = Within(SkinImageBlits(p), Rect(10, 0, 35, 4));
    const TSkinBlits want = {
        {Rect(10, 0, 20, 4), Rect(10, 0, 20, 4), {}},
        {Rect(10, 0, 20, 4), Rect(20, 0, 30, 4), {}},
        {Rect(10, 0, 15, 4), Rect(30, 0, 35, 4), {}},
    };
    EXPECT_EQ(top, want);
}

TEST(SkinImageBlits, TiledTopEdgeOfExactMultipleListsTwoTilesAndNoEmptyCopy) {
    const TSkinImageParams p = NinePart(40, 20);  // span 20
    const TSkinBlits top = Within(SkinImageBlits(p), Rect(10, 0, 30, 4));
    const TSkinBlits want = {
        {Rect(10, 0, 20, 4), Rect(10, 0, 20, 4), {}},
        {Rect(10, 0, 20, 4), Rect(20, 0, 30, 4), {}},
    };
    EXPECT_EQ(top, want);
}

TEST(SkinImageBlits, SourceRectanglesAreMovedToSkinRectangleInPicture) {
    TSkinImageParams p = NinePart(30, 20);
    p.SrcRect = Rect(100, 50, 130, 70);
    const TSkinBlits blits = SkinImageBlits(p);
    ASSERT_FALSE(blits.empty());
    for (const TSkinBlit& b : blits) {
        EXPECT_GE(b.Src.Left, 100) << b;
        EXPECT_LE(b.Src.Right, 130) << b;
        EXPECT_GE(b.Src.Top, 50) << b;
        EXPECT_LE(b.Src.Bottom, 70) << b;
        // At the skin's own size every piece lands where it came from.
        EXPECT_EQ(OffsetRect(b.Dst, 100, 50), b.Src) << b;
    }
}

TEST(SkinImageBlits, CollapsedCornersDrawNothing) {
    TSkinImageParams p = NinePart(45, 30);
    p.SrcRB.X = p.SrcLT.X;
    EXPECT_TRUE(SkinImageBlits(p).empty());
    p = NinePart(45, 30);
    p.SrcRB.Y = p.SrcLT.Y;
    EXPECT_TRUE(SkinImageBlits(p).empty());
}

TEST(SkinImageBlits, ZeroOrNegativePatternLengthsAreNotTiled) {
    // Default "clientrect" (empty) with a tiled centre: no division by zero.
    TSkinImageParams p = NinePart(60, 40);
    p.SrcClient = Rect(0, 0, 0, 0);
    p.DstClient = Rect(0, 0, 30, 20);
    for (const TSkinBlit& b : SkinImageBlits(p)) EXPECT_FALSE(b.Src.IsEmpty()) << b;
    p.StretchCenter = true;
    p.StretchKind = bsstHorz;
    (void)SkinImageBlits(p);
    p.StretchKind = bsstVert;
    (void)SkinImageBlits(p);

    // Right point left of the left point: a negative top pattern, no tiles.
    p = NinePart(60, 40);
    p.SrcRT.X = 4;
    p.DstRT.X = 40;
    const TSkinBlits blits = SkinImageBlits(p);
    EXPECT_TRUE(Within(blits, Rect(10, 0, 40, 4)).empty());
    // A zero vertical pattern: the left edge is skipped, the corners stay.
    p = NinePart(60, 40);
    p.SrcLB.Y = p.SrcLT.Y;
    EXPECT_EQ(Within(SkinImageBlits(p), Rect(0, 8, 5, 12)).size(), 0u);
}

TEST(SkinImageBlits, HorizontalCentreRepeatsAcrossUnderClip) {
    TSkinImageParams p;
    p.SrcRect = Rect(0, 0, 14, 8);
    p.SrcClient = Rect(2, 2, 12, 6);  // a 10 x 4 centre piece
    p.SrcLT = Point(2, 2);
    p.SrcRT = Point(12, 2);
    p.SrcLB = Point(2, 6);
    p.SrcRB = Point(12, 6);
    p.W = 29;
    p.H = 12;
    CalcSkinGeometry(1, p);
    ASSERT_EQ(p.DstClient, Rect(2, 2, 27, 10));  // 25 wide, 8 tall
    p.StretchCenter = true;
    p.StretchKind = bsstHorz;
    TSkinBlits centre;
    for (const TSkinBlit& b : SkinImageBlits(p))
        if (!b.Clip.IsEmpty()) centre.push_back(b);
    const TSkinBlits want = {
        {Rect(2, 2, 12, 6), Rect(2, 2, 12, 10), Rect(2, 2, 27, 10)},
        {Rect(2, 2, 12, 6), Rect(12, 2, 22, 10), Rect(2, 2, 27, 10)},
        {Rect(2, 2, 12, 6), Rect(22, 2, 32, 10), Rect(2, 2, 27, 10)},
    };
    EXPECT_EQ(centre, want);
}

TEST(HSkinImageBlits, StretchedAndTiledMiddlesLandAtTheirExactRanges) {
    const TSkinBlits stretched = HSkinImageBlits(13, 17, true, 75, Rect(0, 0, 56, 25));
    const TSkinBlits wantStretched = {
        {Rect(0, 0, 13, 25), Rect(0, 0, 13, 25), {}},
        {Rect(39, 0, 56, 25), Rect(58, 0, 75, 25), {}},
        {Rect(13, 0, 39, 25), Rect(13, 0, 58, 25), {}},
    };
    EXPECT_EQ(stretched, wantStretched);

    const TSkinBlits tiled = HSkinImageBlits(5, 6, false, 178, Rect(0, 0, 49, 10));
    const TSkinBlits wantTiled = {
        {Rect(0, 0, 5, 10), Rect(0, 0, 5, 10), {}},         {Rect(43, 0, 49, 10), Rect(172, 0, 178, 10), {}},
        {Rect(5, 0, 43, 10), Rect(5, 0, 43, 10), {}},       {Rect(5, 0, 43, 10), Rect(43, 0, 81, 10), {}},
        {Rect(5, 0, 43, 10), Rect(81, 0, 119, 10), {}},     {Rect(5, 0, 43, 10), Rect(119, 0, 157, 10), {}},
        {Rect(5, 0, 20, 10), Rect(157, 0, 172, 10), {}},
    };
    EXPECT_EQ(tiled, wantTiled);
}

TEST(HSkinImageBlits, ZeroWidthMiddleDrawsOnlyTheEnds) {
    for (bool stretch : {false, true}) {
        const TSkinBlits blits = HSkinImageBlits(10, 10, stretch, 50, Rect(0, 0, 20, 6));
        ASSERT_EQ(blits.size(), 2u) << stretch;
        EXPECT_EQ(blits[0].Dst, Rect(0, 0, 10, 6));
        EXPECT_EQ(blits[1].Dst, Rect(40, 0, 50, 6));
    }
    // Ends wider than the source: a negative middle is neither tiled nor stretched.
    EXPECT_EQ(HSkinImageBlits(15, 15, false, 50, Rect(0, 0, 20, 6)).size(), 2u);
    EXPECT_EQ(VSkinImageBlits(15, 15, false, 50, Rect(0, 0, 6, 20)).size(), 2u);
}

TEST(VSkinImageBlits, TiledMiddleRunsDownAndIsCutAtBottomEnd) {
    const TSkinBlits blits = VSkinImageBlits(3, 2, false, 20, Rect(10, 100, 16, 110));  // middle 5 rows
    const TSkinBlits want = {
        {Rect(10, 100, 16, 103), Rect(0, 0, 6, 3), {}},   {Rect(10, 108, 16, 110), Rect(0, 18, 6, 20), {}},
        {Rect(10, 103, 16, 108), Rect(0, 3, 6, 8), {}},   {Rect(10, 103, 16, 108), Rect(0, 8, 6, 13), {}},
        {Rect(10, 103, 16, 108), Rect(0, 13, 6, 18), {}},
    };
    EXPECT_EQ(blits, want);
}

TEST(SkinBorderBlits, TiledStripsStartAtStripOriginAndEndsCoverThem) {
    const TSkinImageParams p = NinePart(45, 33);
    const TBorderPlan plan = SkinBorderBlits(p, 0, 0);
    ASSERT_TRUE(plan.Top.Make);
    EXPECT_EQ(plan.Top.Width, 45);
    EXPECT_EQ(plan.Top.Height, 4);
    const TSkinBlits wantTop = {
        {Rect(10, 0, 20, 4), Rect(0, 0, 10, 4), {}},  {Rect(10, 0, 20, 4), Rect(10, 0, 20, 4), {}},
        {Rect(10, 0, 20, 4), Rect(20, 0, 30, 4), {}}, {Rect(10, 0, 20, 4), Rect(30, 0, 40, 4), {}},
        {Rect(10, 0, 15, 4), Rect(40, 0, 45, 4), {}}, {Rect(0, 0, 10, 4), Rect(0, 0, 10, 4), {}},
        {Rect(20, 0, 30, 4), Rect(35, 0, 45, 4), {}},
    };
    EXPECT_EQ(plan.Top.Blits, wantTop);

    ASSERT_TRUE(plan.Bottom.Make);
    EXPECT_EQ(plan.Bottom.Height, 4);  // H - DstClient.Bottom = 33 - 29
    EXPECT_EQ(plan.Bottom.Blits.front(), (TSkinBlit{Rect(10, 16, 20, 20), Rect(0, 0, 10, 4), {}}));

    // Left strip: 33 - 4 - 4 = 25 rows; tiles of 4 from y = 0, then the upper
    // end (rows 4..8) and lower end (rows 12..16) drawn over them.
    ASSERT_TRUE(plan.Left.Make);
    EXPECT_EQ(plan.Left.Width, 5);
    EXPECT_EQ(plan.Left.Height, 25);
    const TSkinBlits& left = plan.Left.Blits;
    ASSERT_EQ(left.size(), 7u + 2u);
    EXPECT_EQ(left[6], (TSkinBlit{Rect(0, 8, 5, 9), Rect(0, 24, 5, 25), {}}));
    EXPECT_EQ(left[7], (TSkinBlit{Rect(0, 4, 5, 8), Rect(0, 0, 5, 4), {}}));
    EXPECT_EQ(left[8], (TSkinBlit{Rect(0, 12, 5, 16), Rect(0, 21, 5, 25), {}}));
    ASSERT_TRUE(plan.Right.Make);
    EXPECT_EQ(plan.Right.Width, 5);
}

TEST(SkinBorderBlits, SkippedStripsKeepTheHeightTheCallerGave) {
    TSkinImageParams p = NinePart(45, 33);
    p.SrcRT.X = p.SrcLT.X;  // no top pattern: the top strip is skipped
    const TBorderPlan plan = SkinBorderBlits(p, 7, 0);
    EXPECT_FALSE(plan.Top.Make);
    EXPECT_EQ(plan.Left.Height, 33 - 7 - 4);
    p = NinePart(0, 33);
    const TBorderPlan none = SkinBorderBlits(p, 0, 0);
    EXPECT_FALSE(none.Top.Make);
    EXPECT_FALSE(none.Bottom.Make);
}

namespace {

TSkinBlit Copy(TRect src, TRect dst) { return {src, dst, TRect{}}; }

}  // namespace

TEST(TileGrid, TiledCentresAndEdgesAreFoundInEitherOrderWithTheirCutTiles) {
    const TRect s = Rect(1, 26, 149, 129);  // 148 x 103
    // Two columns, two rows, the right and bottom tiles cut, column by column.
    const TSkinBlits columnMajor = {
        Copy(s, Rect(1, 26, 149, 129)), Copy(Rect(1, 26, 149, 76), Rect(1, 129, 149, 179)),
        Copy(Rect(1, 26, 36, 129), Rect(149, 26, 184, 129)), Copy(Rect(1, 26, 36, 76), Rect(149, 129, 184, 179))};
    EXPECT_EQ(TileGridAt(columnMajor, 0), (TTileGrid{s, Rect(1, 26, 184, 179), 4}));
    // The same grid row by row.
    const TSkinBlits rowMajor = {columnMajor[0], columnMajor[2], columnMajor[1], columnMajor[3]};
    EXPECT_EQ(TileGridAt(rowMajor, 0), (TTileGrid{s, Rect(1, 26, 184, 179), 4}));
    // A tiled edge: one row of tiles, found after the steps before it.
    const TSkinBlits edge = {Copy(Rect(0, 0, 5, 5), Rect(0, 0, 5, 5)), Copy(Rect(12, 0, 20, 26), Rect(12, 0, 20, 26)),
                             Copy(Rect(12, 0, 20, 26), Rect(20, 0, 28, 26)), Copy(Rect(12, 0, 15, 26), Rect(28, 0, 31, 26))};
    EXPECT_EQ(TileGridAt(edge, 1), (TTileGrid{Rect(12, 0, 20, 26), Rect(12, 0, 31, 26), 3}));
}

TEST(TileGrid, StepsThatDoNotCoverARectangleExactlyOnceAreNoGrid) {
    const TRect s = Rect(0, 0, 10, 10);
    struct TCase {
        const char* Name;
        TSkinBlits Blits;
    };
    const TCase cases[] = {
        {"single tile", {Copy(s, Rect(0, 0, 10, 10))}},
        {"gap between tiles", {Copy(s, Rect(0, 0, 10, 10)), Copy(s, Rect(20, 0, 30, 10))}},
        {"same tile twice", {Copy(s, Rect(0, 0, 10, 10)), Copy(s, Rect(0, 0, 10, 10))}},
        {"missing corner tile",
         {Copy(s, Rect(0, 0, 10, 10)), Copy(s, Rect(10, 0, 20, 10)), Copy(s, Rect(0, 10, 10, 20)),
          Copy(Rect(0, 0, 10, 10), Rect(0, 10, 10, 20))}},
        {"off the grid", {Copy(s, Rect(0, 0, 10, 10)), Copy(s, Rect(5, 10, 15, 20))}},
        {"cut tile not at the edge", {Copy(Rect(0, 0, 5, 10), Rect(0, 0, 5, 10)), Copy(s, Rect(10, 0, 20, 10))}},
        {"stretched step", {Copy(s, Rect(0, 0, 10, 10)), Copy(s, Rect(10, 0, 30, 10))}},
        {"clipped step", {Copy(s, Rect(0, 0, 10, 10)), TSkinBlit{s, Rect(10, 0, 20, 10), Rect(0, 0, 15, 10)}}},
    };
    for (const TCase& c : cases) EXPECT_FALSE(TileGridAt(c.Blits, 0).has_value()) << c.Name;
    EXPECT_FALSE(TileGridAt({}, 0).has_value());
}
