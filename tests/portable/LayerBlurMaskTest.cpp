// The blur areas of the layered border: the skin's blur mask limited by its
// two rectangles, and the strips' blur rectangles after the strips are cut
// and stretched like the layer picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/portable/LayerBlurMask.h"
#include "skin/form/portable/LayerBorderGeometry.h"
#include "skin/paint/portable/CompositionPixels.h"

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

// Rows of '#' (black) and '.' (white) as a picture.
TPixelBuffer Picture(const std::vector<const char*>& rows) {
    const int width = int(std::string(rows[0]).size()), height = int(rows.size());
    TPixelBuffer p(width, height);
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) p.At(x, y) = rows[std::size_t(y)][x] == '#' ? kBlack : kWhite;
    return p;
}

std::vector<std::string> Rows(const TPixelBuffer& p) {
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height; ++y) {
        std::string row;
        for (int x = 0; x < p.Width; ++x) row += p.At(x, y) == bsBlurInside ? '#' : p.At(x, y) == bsBlurOutside ? '.' : '?';
        rows.push_back(row);
    }
    return rows;
}

TEST(LayerBlurMask, BlackPixelsWithinTheIntersectionAndOutsideTheExclusionAreBlurred) {
    TPixelBuffer mask = Picture({"####..", "####..", "..####"});
    mask.At(0, 0) = 0x00000000u;  // black with no alpha is black
    mask.At(1, 0) = 0xFF010000u;  // nearly black is not
    using R = std::vector<std::string>;
    EXPECT_EQ(Rows(PrepareLayerBlurMask(ViewOf(mask), TRect{}, TRect{})), (R{"#.##..", "####..", "..####"}));
    EXPECT_EQ(Rows(PrepareLayerBlurMask(ViewOf(mask), TRect{1, 1, 5, 3}, TRect{})), (R{"......", ".###..", "..###."}));
    EXPECT_EQ(Rows(PrepareLayerBlurMask(ViewOf(mask), TRect{}, TRect{2, 0, 4, 2})), (R{"#.....", "##....", "..####"}));
    EXPECT_EQ(Rows(PrepareLayerBlurMask(ViewOf(mask), TRect{0, 0, 6, 2}, TRect{0, 0, 6, 2})),
              (R{"......", "......", "......"}));
    EXPECT_TRUE(PrepareLayerBlurMask(TPixelView{}, TRect{}, TRect{}).Empty());
}

TEST(LayerBlurMask, RunsAreRowsOfInsidePixels) {
    const TPixelBuffer strip = Picture({"##..#", ".....", "#####"});
    const std::vector<TRect> runs = LayerBlurRuns(ViewOf(strip));
    EXPECT_EQ(runs, (std::vector<TRect>{{0, 0, 2, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}}));
    EXPECT_TRUE(LayerBlurRuns(TPixelView{}).empty());
}

// A 10 x 8 layer picture around a 4 x 2 client (3, 3)-(7, 5): the top strip
// of a wider border stretches its middle, and the blur follows it.
TEST(LayerBlurMask, TheTopStripsBlurAreaStretchesWithTheStrip) {
    TbsLayerBorderMetrics m;
    m.PictureWidth = 10;
    m.PictureHeight = 8;
    m.ClientRect = TRect{3, 3, 7, 5};
    m.LeftTop = TPoint{3, 3};
    m.RightTop = TPoint{7, 3};
    m.LeftBottom = TPoint{3, 5};
    m.RightBottom = TPoint{7, 5};
    const TPixelBuffer mask = Picture({"#.........", "...####...", "..........", "..........", "..........",
                                       "..........", "..........", ".........#"});
    const TPixelBuffer prepared = PrepareLayerBlurMask(ViewOf(mask), TRect{}, TRect{});
    const int width = 20, height = 12;
    const TbsLayerPieceSizes sizes = LayerPieceSizes(m, width, height);
    TPixelBuffer top(width, sizes.TopHeight, bsBlurOutside);
    DrawSkinBlits(ViewOf(top), ViewOf(prepared), LayerTopPieceBlits(m, width, height));
    EXPECT_EQ(LayerBlurRuns(ViewOf(top)), (std::vector<TRect>{{0, 0, 1, 1}, {3, 1, width - 3, 2}}));
    TPixelBuffer bottom(width, sizes.BottomHeight, bsBlurOutside);
    DrawSkinBlits(ViewOf(bottom), ViewOf(prepared), LayerBottomPieceBlits(m, width, height));
    EXPECT_EQ(LayerBlurRuns(ViewOf(bottom)), (std::vector<TRect>{{width - 1, sizes.BottomHeight - 1, width, sizes.BottomHeight}}));
}

}  // namespace
