#include "skin/paint/portable/EffectPixelsRgb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

// A 4 x 2 image; every channel of column x is base + 20 x (plus the channel index).
TRgbBuffer Ramp(int width, int height, int base) {
    TRgbBuffer img(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) img.View().Pixel(x, y)[c] = std::uint8_t(base + 20 * x + c);
    return img;
}

int Ch(const TRgbBuffer& img, int x, int y = 0, int c = 0) { return img.View().Pixel(x, y)[c]; }

int Mixed(int a, int b, double w) { return int(std::nearbyint(w * a + (1 - w) * b)); }

// What each column of the result holds: 'A' + column of A, 'B' + column of B,
// or a weight of A over B at the same column.
struct TCol {
    char From;  // 'A', 'B' or 'w'
    int Index;  // source column for 'A' / 'B'
    double W;   // weight of A for 'w'
};

void ExpectColumns(const TRgbBuffer& out, const TRgbBuffer& a, const TRgbBuffer& b, const std::vector<TCol>& cols,
                   const std::string& what) {
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x)
            for (int c = 0; c < 3; ++c) {
                const TCol& col = cols[std::size_t(x)];
                const int want = col.From == 'A'   ? Ch(a, col.Index, y, c)
                                 : col.From == 'B' ? Ch(b, col.Index, y, c)
                                                   : Mixed(Ch(a, x, y, c), Ch(b, x, y, c), col.W);
                ASSERT_EQ(Ch(out, x, y, c), want) << what << " x=" << x << " y=" << y << " channel " << c;
            }
}

void RunMorph(void (*morph)(const TRgbView&, const TRgbView&, double), double kf, const std::vector<TCol>& cols,
         const std::string& what) {
    const TRgbBuffer a = Ramp(4, 2, 10), b = Ramp(4, 2, 150);
    TRgbBuffer out = a;
    morph(out.View(), b.View(), kf);
    ExpectColumns(out, a, b, cols, what + " at " + std::to_string(kf));
}

constexpr TCol A(int i) { return {'A', i, 0}; }
constexpr TCol B(int i) { return {'B', i, 0}; }
constexpr TCol Wt(double w) { return {'w', 0, w}; }

}  // namespace

TEST(Morphs, CrossFadeClampsFactorAndRoundsHalvesToEven) {
    RunMorph(MorphRgb, 0, {A(0), A(1), A(2), A(3)}, "Morph");
    RunMorph(MorphRgb, 1, {B(0), B(1), B(2), B(3)}, "Morph");
    RunMorph(MorphRgb, 1.5, {B(0), B(1), B(2), B(3)}, "Morph");
    RunMorph(MorphRgb, 0.5, {Wt(0.5), Wt(0.5), Wt(0.5), Wt(0.5)}, "Morph");
    TRgbBuffer a(2, 1, 0), b(2, 1, 0);
    a.Set(0, 0, 0, 0, 1);  // blue 1 over 0 ...
    b.Set(0, 0, 0, 0, 0);
    a.Set(1, 0, 0, 0, 0);  // ... and blue 0 over 3
    b.Set(1, 0, 0, 0, 3);
    MorphRgb(a.View(), b.View(), 0.5);
    EXPECT_EQ(Ch(a, 0), 0) << "0.5 rounds to 0";
    EXPECT_EQ(Ch(a, 1), 2) << "1.5 rounds to 2";
}

TEST(Morphs, EdgeGradientsGradeFromTheirEdge) {
    RunMorph(LeftGradientMorphRgb, 0, {B(0), A(1), A(2), A(3)}, "LeftGradient");
    RunMorph(LeftGradientMorphRgb, 0.5, {B(0), Wt(0.5), A(2), A(3)}, "LeftGradient");
    RunMorph(LeftGradientMorphRgb, 1, {B(0), Wt(1.0 / 3), Wt(2.0 / 3), A(3)}, "LeftGradient");
    RunMorph(LeftGradientMorphRgb, 1.5, {B(0), Wt(1.0 / 3), Wt(2.0 / 3), A(3)}, "LeftGradient");
    RunMorph(RightGradientMorphRgb, 0, {A(0), A(1), A(2), B(3)}, "RightGradient");
    RunMorph(RightGradientMorphRgb, 0.5, {A(0), A(1), Wt(0.5), B(3)}, "RightGradient");
    RunMorph(RightGradientMorphRgb, 1, {Wt(0.75), Wt(0.5), Wt(0.25), B(3)}, "RightGradient");
    RunMorph(RightGradientMorphRgb, 1.5, {Wt(0.75), Wt(0.5), Wt(0.25), B(3)}, "RightGradient");
}

TEST(Morphs, CentreGradientOpensBandFromTheMiddle) {
    RunMorph(GradientMorphRgb, 0, {A(0), Wt(0.5), B(2), Wt(0.5)}, "Gradient");
    RunMorph(GradientMorphRgb, 0.5, {A(0), B(1), B(2), B(3)}, "Gradient");
    RunMorph(GradientMorphRgb, 1, {B(0), B(1), B(2), B(3)}, "Gradient");
    RunMorph(GradientMorphRgb, 1.5, {B(0), B(1), B(2), B(3)}, "Gradient");
    // Taller than wide: whole rows. 1 x 5 at 0.5: a = 2, band rows 1..3.
    TRgbBuffer a(1, 5, 10), b(1, 5, 200);
    GradientMorphRgb(a.View(), b.View(), 0.5);
    EXPECT_EQ(Ch(a, 0, 0), 10);
    EXPECT_EQ(Ch(a, 0, 2), 200);
    EXPECT_EQ(Ch(a, 0, 3), 200);
    EXPECT_EQ(Ch(a, 0, 4), 10);
}

TEST(Morphs, SlidesAlwaysMoveAtLeastOneColumn) {
    RunMorph(LeftSlideRgb, 0, {B(3), A(1), A(2), A(3)}, "LeftSlide");
    RunMorph(LeftSlideRgb, 0.5, {B(2), B(3), A(2), A(3)}, "LeftSlide");
    RunMorph(LeftSlideRgb, 1, {B(1), B(2), B(3), A(3)}, "LeftSlide");
    RunMorph(LeftSlideRgb, 1.5, {B(1), B(2), B(3), A(3)}, "LeftSlide");
    RunMorph(RightSlideRgb, 0, {A(0), A(1), A(2), B(0)}, "RightSlide");
    RunMorph(RightSlideRgb, 0.5, {A(0), A(1), B(0), B(1)}, "RightSlide");
    RunMorph(RightSlideRgb, 1, {A(0), B(0), B(1), B(2)}, "RightSlide");
    RunMorph(RightSlideRgb, 1.5, {A(0), B(0), B(1), B(2)}, "RightSlide");
}

TEST(Morphs, PushMovesOldImageRightAndBringsInNewOnesEnd) {
    RunMorph(PushRgb, 0, {B(3), A(0), A(1), A(2)}, "Push");
    RunMorph(PushRgb, 0.5, {B(1), B(2), B(3), A(0)}, "Push");
    RunMorph(PushRgb, 1, {B(0), B(1), B(2), B(3)}, "Push");
    RunMorph(PushRgb, 1.5, {B(0), B(1), B(2), B(3)}, "Push");
}

TEST(Morphs, OnePixelWideImagesTakeTheNewImage) {
    for (int kind = bsmkGradient; kind <= bsmkPush; ++kind)
        for (double kf : {0.0, 0.5, 1.0, 1.5}) {
            TRgbBuffer a(1, 1, 10), b(1, 1, 99);
            MorphRgbByKind(TbsMorphKind(kind), a.View(), b.View(), kf);
            EXPECT_EQ(Ch(a, 0), 99) << "kind " << kind << " kf " << kf;
        }
}

TEST(Morphs, DifferentSizesChangeNothing) {
    for (int kind = bsmkDefault; kind <= bsmkPush; ++kind) {
        TRgbBuffer a(4, 2, 10), b(3, 2, 99);
        MorphRgbByKind(TbsMorphKind(kind), a.View(), b.View(), 0.5);
        EXPECT_EQ(Ch(a, 0), 10) << kind;
    }
}

TEST(InactiveEffects, BrightnessDarknessGreyAndInvertFollowTheirFormulas) {
    TRgbBuffer img(3, 1);
    img.Set(0, 0, 0, 0, 0);
    img.Set(1, 0, 255, 255, 255);
    img.Set(2, 0, 200, 200, 200);
    TRgbBuffer bright = img;
    BrightnessRgb(bright.View(), 0.5);
    EXPECT_EQ(Ch(bright, 0), 128) << "127.5 rounds to even";
    EXPECT_EQ(Ch(bright, 1), 255);
    TRgbBuffer dark = img;
    DarknessRgb(dark.View(), 0.3);
    EXPECT_EQ(Ch(dark, 2), 140);
    EXPECT_EQ(Ch(dark, 1), 178);  // 178.5 rounds to even
    TRgbBuffer clamped = img;
    DarknessRgb(clamped.View(), 7);  // clamped to 1: black
    EXPECT_EQ(Ch(clamped, 1), 0);

    TRgbBuffer grey(1, 1);
    grey.Set(0, 0, 100, 50, 10);  // 30 + 29.5 + 1.1 = 60.6
    GrayscaleRgb(grey.View());
    EXPECT_EQ(Ch(grey, 0, 0, 0), 61);
    EXPECT_EQ(Ch(grey, 0, 0, 2), 61);

    InvertRgb(img.View());
    EXPECT_EQ(Ch(img, 0), 255);
    EXPECT_EQ(Ch(img, 2), 55);
}

TEST(InactiveEffects, NoiseOffsetsStayWithinHalfTheAmountEitherSide) {
    TRgbBuffer img(64, 16, 100);
    NoiseRgb(img.View(), 50, 12345);
    std::set<int> seen;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const int v = Ch(img, x, y);
            ASSERT_GE(v, 75);
            ASSERT_LE(v, 124);
            EXPECT_EQ(Ch(img, x, y, 1), v) << "one offset for all three channels";
            seen.insert(v);
        }
    EXPECT_GT(seen.size(), 40u);
    TRgbBuffer same(2, 2, 7);
    NoiseRgb(same.View(), 0, 1);
    EXPECT_EQ(Ch(same, 1, 1), 7);
}

TEST(InactiveEffects, SplitBlurAveragesInPlaceAndStaysInsideSmallImages) {
    // 3 x 1 row 0, 40, 80 at distance 1: rows y-1 -> y, y+1 -> H - y = 1 -> clamped to 0.
    TRgbBuffer row(3, 1);
    row.Set(0, 0, 0, 0, 0);
    row.Set(1, 0, 40, 40, 40);
    row.Set(2, 0, 80, 80, 80);
    SplitBlurRgb(row.View(), 1);
    // x = 0: columns 0 and 1 -> (0 + 40 + 0 + 40) >> 2 = 20
    // x = 1: columns 0 and 2 -> 40; x = 2: columns 1 and W - x = 1 -> 40
    EXPECT_EQ(Ch(row, 0), 20);
    EXPECT_EQ(Ch(row, 1), 40);
    EXPECT_EQ(Ch(row, 2), 40);
    for (int w = 1; w <= 3; ++w)
        for (int h = 1; h <= 3; ++h) {
            TRgbBuffer small(w, h, 90);
            SplitBlurRgb(small.View(), 5);
            EXPECT_EQ(Ch(small, w - 1, h - 1), 90) << w << "x" << h;
        }
    TRgbBuffer untouched = Ramp(4, 2, 0);
    SplitBlurRgb(untouched.View(), 0);
    EXPECT_EQ(Ch(untouched, 3), 60);
}

// Masks and effect images are 24-bit; the pictures of a skin are 32-bit.
// Every width from 1 to 5 gives a different row padding; the picture is
// read through a view narrower than its buffer, so rows must follow the
// view's stride, and the alpha (which differs on every pixel) is dropped.
TEST(RgbConversion, CopiesRedGreenBlueOfEveryPixelIntoPaddedRowsAndDropsAlpha) {
    for (int width = 1; width <= 5; ++width) {
        TPixelBuffer wide(width + 3, 3);
        for (int y = 0; y < wide.Height; ++y)
            for (int x = 0; x < wide.Width; ++x)
                wide.At(x, y) =
                    MakePixel(std::uint8_t(x), std::uint8_t(y), std::uint8_t(100 + x + y), std::uint8_t(x * 7 + y));
        TPixelView view = ViewOf(wide);
        view.Width = width;  // the stride stays that of the wider buffer

        const TRgbBuffer rgb = RgbBufferOf(view);
        ASSERT_EQ(rgb.Width, width);
        ASSERT_EQ(rgb.Height, 3);
        ASSERT_EQ(rgb.Bytes.size(), std::size_t(RgbRowSize(width)) * 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = rgb.View().Pixel(x, y);
                EXPECT_EQ(p[0], 100 + x + y) << "blue at x=" << x << " y=" << y << " width " << width;
                EXPECT_EQ(p[1], y) << "green at x=" << x << " y=" << y << " width " << width;
                EXPECT_EQ(p[2], x) << "red at x=" << x << " y=" << y << " width " << width;
            }
    }
    EXPECT_TRUE(RgbBufferOf(TPixelView{}).Empty());
}
