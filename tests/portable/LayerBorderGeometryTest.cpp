// The layered border's geometry with the built-in skin's layer frame
// (picture 180 x 159, clientrect (14, 14, 164, 144), corner points
// (40, 29), (140, 27), (40, 135), (140, 135)) and with cut and stretched
// variants.
#include <gtest/gtest.h>

#include "skin/form/portable/LayerBorderGeometry.h"

namespace {

TbsLayerBorderMetrics TableMetrics() {
    TbsLayerBorderMetrics m;
    m.PictureWidth = 180;
    m.PictureHeight = 159;
    m.ClientRect = TRect{14, 14, 164, 144};
    m.LeftTop = TPoint{40, 29};
    m.RightTop = TPoint{140, 27};
    m.LeftBottom = TPoint{40, 135};
    m.RightBottom = TPoint{140, 135};
    return m;
}

TEST(LayerBorderGeometry, TableWindowBorderSurroundsTheFormWithItsFourStrips) {
    const TbsLayerBorderMetrics m = TableMetrics();
    struct Row {
        TRect form;
        TRect border;
    };
    const Row rows[] = {
        {TRect{251, 345, 251 + 777, 345 + 333}, TRect{237, 331, 251 + 777 + 16, 345 + 333 + 15}},
        {TRect{0, 0, 100, 27}, TRect{-14, -14, 116, 42}},
        {TRect{-50, 10, 350, 210}, TRect{-64, -4, 366, 225}},
    };
    for (const Row& r : rows) {
        const TRect border = LayerBorderRect(m, r.form, r.form.Height());
        EXPECT_EQ(border, r.border);
        EXPECT_EQ(border.Width(), r.form.Width() + 30);
        EXPECT_EQ(border.Height(), r.form.Height() + 29);
    }
    const TbsLayerPieceSizes s = LayerPieceSizes(m, 807, 362);
    EXPECT_EQ(s.TopHeight, 29);
    EXPECT_EQ(s.BottomHeight, 24);
    EXPECT_EQ(s.LeftWidth, 14);
    EXPECT_EQ(s.RightWidth, 16);
    EXPECT_EQ(s.SideHeight, 362 - 29 - 24);

    const TbsLayerWindowPlaces p = LayerWindowPlaces(m, TRect{237, 331, 237 + 807, 331 + 362});
    EXPECT_EQ(p.Top, (TRect{237, 331, 1044, 360}));
    EXPECT_EQ(p.Bottom, (TRect{237, 331 + 362 - 24, 1044, 693}));
    EXPECT_EQ(p.Left, (TRect{237, 360, 251, 669}));
    EXPECT_EQ(p.Right, (TRect{1044 - 16, 360, 1044, 669}));
}

TEST(LayerBorderGeometry, OffsetsMoveAndGrowTheBorder) {
    TbsLayerBorderMetrics m = TableMetrics();
    m.LeftOffset = 2;
    m.TopOffset = -3;
    m.WidthOffset = 5;
    m.HeightOffset = 7;
    EXPECT_EQ(LayerBorderRect(m, TRect{100, 100, 200, 150}, 50), (TRect{88, 83, 88 + 135, 83 + 86}));
}

TEST(LayerBorderGeometry, TopStripCopiesTheCornersAndStretchesTheMiddle) {
    const TSkinBlits blits = LayerTopPieceBlits(TableMetrics(), 807, 362);
    ASSERT_EQ(blits.size(), 3u);
    EXPECT_EQ(blits[0].Src, (TRect{0, 0, 40, 29}));
    EXPECT_EQ(blits[0].Dst, (TRect{0, 0, 40, 29}));
    EXPECT_EQ(blits[1].Src, (TRect{140, 0, 180, 29}));
    EXPECT_EQ(blits[1].Dst, (TRect{807 - 40, 0, 807, 29}));
    EXPECT_EQ(blits[2].Src, (TRect{40, 0, 140, 29}));
    EXPECT_EQ(blits[2].Dst, (TRect{40, 0, 767, 29}));
}

TEST(LayerBorderGeometry, ShortBorderCutsTheBottomStripFromItsOuterRowsAndHasNoSides) {
    const TbsLayerBorderMetrics m = TableMetrics();
    // 40 rows: the top strip takes 29, the bottom keeps its last 11.
    const TbsLayerPieceSizes s = LayerPieceSizes(m, 200, 40);
    EXPECT_EQ(s.BottomHeight, 11);
    EXPECT_EQ(s.SideHeight, 0);
    const TSkinBlits bottom = LayerBottomPieceBlits(m, 200, 40);
    ASSERT_FALSE(bottom.empty());
    EXPECT_EQ(bottom[0].Src, (TRect{0, 148, 40, 159}));
    EXPECT_TRUE(LayerLeftPieceBlits(m, 200, 40).empty());
    EXPECT_TRUE(LayerRightPieceBlits(m, 200, 40).empty());
    const TbsLayerWindowPlaces p = LayerWindowPlaces(m, TRect{0, 0, 200, 40});
    EXPECT_TRUE(p.Left.IsEmpty());
    EXPECT_TRUE(p.Right.IsEmpty());
    EXPECT_EQ(p.Bottom, (TRect{0, 29, 200, 40}));
    // Nothing at all for an empty border.
    EXPECT_TRUE(LayerTopPieceBlits(m, 0, 40).empty());
    EXPECT_EQ(LayerPieceSizes(m, 200, 0).TopHeight, 0);
}

TEST(LayerBorderGeometry, SideStripsRepeatTheColumnWithTheLastCopyCutOrStretchIt) {
    TbsLayerBorderMetrics m = TableMetrics();
    // The column between the strips: rows 29 .. 135, 106 high.
    const TSkinBlits tiled = LayerLeftPieceBlits(m, 807, 29 + 250 + 24);
    ASSERT_EQ(tiled.size(), 3u);
    EXPECT_EQ(tiled[0].Src, (TRect{0, 29, 14, 135}));
    EXPECT_EQ(tiled[1].Dst, (TRect{0, 106, 14, 212}));
    EXPECT_EQ(tiled[2].Dst, (TRect{0, 212, 14, 318}));
    EXPECT_EQ(tiled[2].Clip, (TRect{0, 0, 14, 250})) << "the last copy is cut at the strip's end";
    const TSkinBlits right = LayerRightPieceBlits(m, 807, 29 + 250 + 24);
    EXPECT_EQ(right[0].Src, (TRect{164, 29, 180, 135}));
    m.FullStretch = true;
    const TSkinBlits stretched = LayerLeftPieceBlits(m, 807, 29 + 250 + 24);
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(stretched[0].Dst, (TRect{0, 0, 14, 250}));
}

TEST(LayerBorderGeometry, MouseZonesOfABorderWithABorderRect) {
    // A border 10 pixels thick around the form inside a 14-pixel margin.
    const TbsLayerHitMetrics h = LayerHitMetrics(TRect{4, 4, 174, 154}, TRect{14, 14, 164, 144}, TPoint{24, 24},
                                                 TPoint{154, 24}, TPoint{24, 134}, TPoint{154, 134},
                                                 TRect{30, 6, 150, 14}, 3);
    EXPECT_EQ(h.Left, 10);
    EXPECT_EQ(h.Right, 10);
    EXPECT_EQ(h.TopLeftCorner, (TPoint{20, 20}));
    const int formWidth = 300;  // the border is 330 wide, its top strip 29 high
    EXPECT_EQ(LayerHitTest(h, lsLeft, TPoint{2, 50}, 14, 100, formWidth, true), bsfhNowhere) << "outer margin";
    EXPECT_EQ(LayerHitTest(h, lsLeft, TPoint{6, 50}, 14, 100, formWidth, true), bsfhLeft);
    EXPECT_EQ(LayerHitTest(h, lsLeft, TPoint{6, 50}, 14, 100, formWidth, false), bsfhNowhere) << "not sizable";
    EXPECT_EQ(LayerHitTest(h, lsRight, TPoint{5, 50}, 16, 100, formWidth, true), bsfhRight);
    EXPECT_EQ(LayerHitTest(h, lsRight, TPoint{12, 50}, 16, 100, formWidth, true), bsfhNowhere);
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{6, 6}, 330, 29, formWidth, true), bsfhTopLeft);
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{320, 6}, 330, 29, formWidth, true), bsfhTopRight);
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{100, 5}, 330, 29, formWidth, true), bsfhTop);
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{250, 9}, 330, 29, formWidth, true), bsfhCaption)
        << "the caption zone widens with the form";
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{250, 9}, 330, 29, formWidth, false), bsfhCaption)
        << "moving needs no sizing";
    EXPECT_EQ(LayerHitTest(h, lsTop, TPoint{100, 2}, 330, 29, formWidth, true), bsfhNowhere);
    EXPECT_EQ(LayerHitTest(h, lsBottom, TPoint{8, 5}, 330, 24, formWidth, true), bsfhBottomLeft);
    EXPECT_EQ(LayerHitTest(h, lsBottom, TPoint{150, 5}, 330, 24, formWidth, true), bsfhBottom);
    EXPECT_EQ(LayerHitTest(h, lsBottom, TPoint{-1, 5}, 330, 24, formWidth, true), bsfhNowhere);
}

}  // namespace
