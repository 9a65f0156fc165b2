#include "skin/paint/portable/Markers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The pixels as rows of '#' (set) and '.' over a width x height grid whose
// top-left is (0, 0); pixels outside the grid are reported as a row "outside".
std::vector<std::string> Art(const std::vector<TPoint>& points, int width, int height) {
    std::vector<std::string> rows(std::size_t(height), std::string(std::size_t(width), '.'));
    for (TPoint p : points) {
        if (p.X < 0 || p.Y < 0 || p.X >= width || p.Y >= height)
            rows.push_back("outside " + std::to_string(p.X) + "," + std::to_string(p.Y));
        else
            rows[std::size_t(p.Y)][std::size_t(p.X)] = '#';
    }
    return rows;
}

std::vector<std::string> Art(const TStrokeList& strokes, int width, int height) {
    return Art(RasterizeStrokes(strokes), width, height);
}

TEST(MarkersTest, ComboArrowIsASmallDownwardTriangleBelowTheCentre) {
    const std::vector<std::string> expected = {
        "..........", "..........", "..........", "..........", "..........",
        "...#####..", "....###...", ".....#....", "..........", "..........",
    };
    EXPECT_EQ(Art(ComboArrowStrokes(Rect(0, 0, 10, 10)), 10, 10), expected);
}

TEST(MarkersTest, ArrowsPointFromTheirTipTwoPixelsOffCentre) {
    const std::vector<std::string> left = {
        "............", ".........#..", "........##..", ".......###..", "......####..", ".....#####..",
        "....######..", ".....#####..", "......####..", ".......###..", "........##..", ".........#..",
    };
    EXPECT_EQ(Art(ArrowStrokes(Rect(0, 0, 12, 12), bsadLeft), 12, 12), left);
    const std::vector<std::string> down = {
        "............", "............", "............", ".###########", "..#########.", "...#######..",
        "....#####...", ".....###....", "......#.....", "............", "............", "............",
    };
    EXPECT_EQ(Art(ArrowStrokes(Rect(0, 0, 12, 12), bsadDown), 12, 12), down);

    // Up and right are the transposes of left and down about the diagonal.
    const auto transpose = [](std::vector<TPoint> pts) {
        for (TPoint& p : pts) std::swap(p.X, p.Y);
        return pts;
    };
    EXPECT_EQ(Art(ArrowStrokes(Rect(0, 0, 12, 12), bsadUp), 12, 12),
              Art(transpose(RasterizeStrokes(ArrowStrokes(Rect(0, 0, 12, 12), bsadLeft))), 12, 12));
    EXPECT_EQ(Art(ArrowStrokes(Rect(0, 0, 12, 12), bsadRight), 12, 12),
              Art(transpose(RasterizeStrokes(ArrowStrokes(Rect(0, 0, 12, 12), bsadDown))), 12, 12));
    EXPECT_TRUE(ArrowStrokes(Rect(0, 0, 12, 12), 0).empty());
    EXPECT_TRUE(ArrowStrokes(Rect(0, 0, 12, 12), bsadPlus).empty());
}

TEST(MarkersTest, SmallArrowHasFourLinesAndDirectionFiveIsAPlus) {
    EXPECT_EQ(SmallArrowStrokes(Rect(0, 0, 12, 12), bsadUp).size(), 4u);
    const std::vector<std::string> plus = {
        "............", "............", ".....##.....", ".....##.....", ".....##.....", "..########..",
        "..########..", ".....##.....", ".....##.....", ".....##.....", "............", "............",
    };
    EXPECT_EQ(Art(SmallArrowStrokes(Rect(0, 0, 12, 12), bsadPlus), 12, 12), plus);
}

TEST(MarkersTest, CheckMarkIsThreeStackedStrokes) {
    const std::vector<std::string> expected = {
        "........", "......#.", ".....##.", "#...###.", "##.###..", "#####...", ".###....", "..#.....",
    };
    EXPECT_EQ(Art(CheckMarkStrokes(0, 0), 8, 8), expected);
    // Moves with its origin.
    const auto at = RasterizeStrokes(CheckMarkStrokes(3, -2));
    const auto origin = RasterizeStrokes(CheckMarkStrokes(0, 0));
    ASSERT_EQ(at.size(), origin.size());
    for (std::size_t i = 0; i < at.size(); ++i) EXPECT_EQ(at[i], Point(origin[i].X + 3, origin[i].Y - 2));
}

struct SymbolCase {
    TbsCaptionSymbol Symbol;
    std::vector<std::string> Expected;  // 11 x 10 box at (0, 0)
};

TEST(MarkersTest, CaptionSymbolsDrawTheirLinesInATenPixelBox) {
    const SymbolCase cases[] = {
        {bscsClose,
         {"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
          "...##.##...", "..##...##..", ".##.....##.", "..........."}},
        {bscsMinimize,
         {"...........", "...........", "...........", "...........", "...........", "...........",
          "...........", "...........", ".########..", ".########.."}},
        {bscsMaximize,
         {"###########", "###########", "#.........#", "#.........#", "#.........#", "#.........#",
          "#.........#", "#.........#", "#.........#", "###########"}},
        {bscsRestore,
         {"..########.", "..########.", "..#......#.", "..#......#.", "#######..#.", "##########.",
          "#.....#....", "#.....#....", "#.....#....", "#######...."}},
        {bscsRollUp,
         {"...........", "...........", "...........", "....##.....", "...####....", "..######...",
          ".########..", "...........", "...........", "..........."}},
        {bscsRollDown,
         {"...........", "...........", ".########..", "..######...", "...####....", "....##.....",
          "...........", "...........", "...........", "..........."}},
        {bscsRollUpBox,
         {"...........", "...........", "...........", ".########..", ".#......#..", ".########..",
          "...........", "...........", "...........", "..........."}},
        {bscsSmallSquare,
         {"...........", "...........", "..#####....", "..#####....", "..#####....", "..#####....",
          "..#####....", "...........", "...........", "..........."}},
    };
    for (const SymbolCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "symbol " << int(c.Symbol));
        EXPECT_EQ(Art(CaptionSymbolStrokes(c.Symbol, 0, 0), 11, 10), c.Expected);
    }
}

TEST(MarkersTest, FocusDotsAlternateAroundTheFrameAndMeetThemselves) {
    // Shrunk size 4 x 3: not both even, so the first pixel is set.
    const std::vector<std::string> odd = {"#.#.#", ".....", "#...#", ".#.#."};
    EXPECT_EQ(Art(FocusDotPoints(Rect(0, 0, 5, 4)), 5, 4), odd);
    // Shrunk size 4 x 4: both even, so the first pixel is skipped.
    const std::vector<std::string> even = {".#.#.", "#...#", ".....", "#...#", ".#.#."};
    EXPECT_EQ(Art(FocusDotPoints(Rect(0, 0, 5, 5)), 5, 5), even);
    EXPECT_TRUE(FocusDotPoints(Rect(3, 3, 3, 9)).empty());
    EXPECT_TRUE(FocusDotPoints(Rect(3, 9, 8, 2)).empty());
    // A single pixel: shrunk size 0 x 0 (both even) leaves it skipped.
    EXPECT_TRUE(FocusDotPoints(Rect(2, 2, 3, 3)).empty());
}

TEST(MarkersTest, Frame3DSharesTheCornersBetweenItsTwoColours) {
    const TFrame3DStrokes f = Frame3DStrokes(Rect(0, 0, 4, 3));
    const std::vector<std::string> topLeft = {"###.", "#...", "#..."};
    const std::vector<std::string> bottomRight = {"...#", "...#", "####"};
    EXPECT_EQ(Art(TStrokeList{f.TopLeft}, 4, 3), topLeft);
    EXPECT_EQ(Art(TStrokeList{f.BottomRight}, 4, 3), bottomRight);
    EXPECT_TRUE(Frame3DStrokes(Rect(0, 0, 0, 3)).TopLeft.Points.empty());
}

TEST(MarkersTest, RasterizerLeavesOutTheLastPointOnly) {
    EXPECT_TRUE(RasterizeStrokes({LineStroke(4, 4, 4, 4)}).empty());
    EXPECT_EQ(RasterizeStrokes({LineStroke(0, 0, 3, 0)}), (std::vector<TPoint>{{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(RasterizeStrokes({LineStroke(2, 2, -1, -1)}), (std::vector<TPoint>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(RasterizeStrokes({PolylineStroke({{0, 0}, {0, 2}, {2, 2}})}),
              (std::vector<TPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 2}}));
    EXPECT_TRUE(RasterizeStrokes({FrameStroke(Rect(2, 2, 2, 5)), FillStroke(Rect(5, 5, 1, 1))}).empty());
}

}  // namespace
