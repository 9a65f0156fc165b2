#include <gtest/gtest.h>

#include "tools/zevrak/Canvas.h"

namespace zevrak {
namespace {

const TRgb Red{1, 0, 0};

TEST(Canvas, RoundRectOnPixelEdgesCoversItsPixelsAndNothingElse) {
    TCanvas c(10, 10);
    c.FillRoundRect(Box(2, 3, 8, 7), 0, Solid(Red));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            EXPECT_EQ(c.Byte(x, y, 0), inside ? 255 : 0) << "x=" << x << " y=" << y;
        }
    }
}

TEST(Canvas, RoundedCornerLeavesTheCornerPixelOpenAndSmoothsTheCurve) {
    TCanvas c(20, 20);
    c.FillRoundRect(Box(0, 0, 20, 20), 8, Solid(Red));
    EXPECT_EQ(c.Byte(0, 0, 0), 0);      // outside the arc
    EXPECT_EQ(c.Byte(10, 10, 0), 255);  // centre
    EXPECT_EQ(c.Byte(10, 0, 0), 255);   // straight top edge
    // Somewhere along the arc there are partly covered pixels.
    bool partial = false;
    for (int i = 0; i < 8; ++i) {
        int v = c.Byte(i, 2, 0);
        partial = partial || (v > 0 && v < 255);
    }
    EXPECT_TRUE(partial);
}

TEST(Canvas, StrokeFillsOnlyTheRingInsideTheEdge) {
    TCanvas c(12, 12);
    c.StrokeRoundRect(Box(1, 1, 11, 11), 0, 2, Solid(Red));
    EXPECT_EQ(c.Byte(1, 5, 0), 255);
    EXPECT_EQ(c.Byte(2, 5, 0), 255);
    EXPECT_EQ(c.Byte(3, 5, 0), 0);   // inside the ring
    EXPECT_EQ(c.Byte(0, 5, 0), 0);   // outside the shape
    EXPECT_EQ(c.Byte(6, 6, 0), 0);
}

TEST(Canvas, PolygonIsTheSameInEitherWinding) {
    TCanvas a(16, 16), b(16, 16);
    a.FillPolygon({{2, 2}, {14, 4}, {6, 13}}, Solid(Red));
    b.FillPolygon({{6, 13}, {14, 4}, {2, 2}}, Solid(Red));
    int covered = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(a.Byte(x, y, 0), b.Byte(x, y, 0)) << "x=" << x << " y=" << y;
            covered += a.Byte(x, y, 0) == 255;
        }
    }
    EXPECT_GT(covered, 20);
    EXPECT_EQ(a.Byte(15, 15, 0), 0);
}

TEST(Canvas, ShapesAreClippedAtTheCanvasEdges) {
    TCanvas c(4, 4);
    c.FillCircle(0, 0, 10, Solid(Red));
    c.FillCapsule(-20, -20, 30, 30, 3, Solid(Red));
    EXPECT_EQ(c.Byte(3, 3, 0), 255);
}

TEST(Canvas, RampClampsOutsideItsStopsAndInterpolatesBetween) {
    std::vector<TStop> stops = {{0.25f, TRgb{0, 0, 0}}, {0.75f, TRgb{1, 1, 1}}};
    EXPECT_EQ(Ramp(stops, 0).R, 0);
    EXPECT_EQ(Ramp(stops, 1).R, 1);
    EXPECT_FLOAT_EQ(Ramp(stops, 0.5f).R, 0.5f);
}

TEST(Canvas, NoiseIsRepeatableAndVaries) {
    EXPECT_EQ(Noise(3, 4, 1), Noise(3, 4, 1));
    EXPECT_NE(Noise(3, 4, 1), Noise(4, 3, 1));
    EXPECT_NE(Noise(3, 4, 1), Noise(3, 4, 2));
    for (int i = 0; i < 100; ++i) {
        float n = Noise(i, i * 7, 5);
        ASSERT_GE(n, 0.0f);
        ASSERT_LT(n, 1.0f);
    }
}

}  // namespace
}  // namespace zevrak
