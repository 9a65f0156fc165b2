#include "skin/paint/portable/EffectPixels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::uint32_t Grey(int v, int a) { return MakePixel(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v), std::uint8_t(a)); }

}  // namespace

TEST(BlendPixel, EqualsRoundedDivisionBy255ForEveryInput) {
    for (int a = 1; a < 255; ++a)
        for (int s = 0; s < 256; ++s)
            for (int d = 0; d < 256; ++d) {
                const int want = (s * a + d * (255 - a) + 127) / 255;  // never an exact half: 255 is odd
                const std::uint32_t got = BlendPixel(MakePixel(0, 0, std::uint8_t(s), std::uint8_t(a)), MakePixel(0, 0, std::uint8_t(d), 0));
                if (PixelB(got) != want) FAIL() << "a=" << a << " src=" << s << " dst=" << d << " got " << int(PixelB(got));
            }
    EXPECT_EQ(BlendPixel(Grey(9, 255), Grey(200, 3)), Grey(9, 255)) << "opaque copies";
    EXPECT_EQ(BlendPixel(Grey(9, 0), Grey(200, 3)), Grey(200, 3)) << "transparent leaves";
    EXPECT_EQ(PixelA(BlendPixel(Grey(9, 100), Grey(200, 3))), 255);
}

TEST(EffectPixels, TransparentColourTakesPixelsWithinFive) {
    TPixelBuffer img(3, 1);
    img.At(0, 0) = MakePixel(104, 96, 100, 255);
    img.At(1, 0) = MakePixel(106, 100, 100, 255);
    img.At(2, 0) = MakePixel(100, 100, 94, 255);
    EXPECT_TRUE(KeyNearColor(ViewOf(img), RGBColor(100, 100, 100)));
    EXPECT_EQ(img.At(0, 0), bsTransparentKey);
    EXPECT_EQ(img.At(1, 0), MakePixel(106, 100, 100, 255));
    EXPECT_EQ(img.At(2, 0), MakePixel(100, 100, 94, 255));
    EXPECT_FALSE(KeyNearColor(ViewOf(img), RGBColor(0, 255, 0)));
}

TEST(EffectPixels, PartialAlphaOnlyForValuesBetweenZeroAnd255) {
    TPixelBuffer img(2, 2, Grey(5, 0));
    img.At(1, 1) = Grey(5, 255);
    EXPECT_FALSE(HasPartialAlpha(ViewOf(img)));
    img.At(0, 1) = Grey(5, 1);
    EXPECT_TRUE(HasPartialAlpha(ViewOf(img)));
    SetAlphaPixels(ViewOf(img), 77);
    EXPECT_EQ(img.At(0, 1), Grey(5, 77));
}

TEST(EffectPixels, ClampAndPremultiplyRoundToNearest) {
    TPixelBuffer img(3, 1);
    img.At(0, 0) = MakePixel(255, 1, 1, 128);
    img.At(1, 0) = MakePixel(200, 10, 100, 127);
    img.At(2, 0) = MakePixel(200, 10, 100, 0);
    TPixelBuffer clamped = img;
    ClampPixelsToAlpha(ViewOf(clamped));
    EXPECT_EQ(clamped.At(1, 0), MakePixel(127, 10, 100, 127));
    EXPECT_EQ(clamped.At(2, 0), MakePixel(0, 0, 0, 0));
    PremultiplyPixels(ViewOf(img));
    EXPECT_EQ(img.At(0, 0), MakePixel(128, 1, 1, 128));        // 128, 0.502, 0.502
    EXPECT_EQ(img.At(1, 0), MakePixel(100, 5, 50, 127));       // 99.6, 4.98, 49.8
    EXPECT_EQ(img.At(2, 0), MakePixel(0, 0, 0, 0));
}

TEST(EffectPixels, AlphaFromSmallerMaskReadsOnlyOverlapAndMakesRestOpaque) {
    TPixelBuffer img(4, 3, MakePixel(10, 20, 30, 9));
    TPixelBuffer mask(2, 2, MakePixel(255, 255, 255, 0));
    mask.At(1, 0) = MakePixel(1, 1, 0, 0);  // 2/3 -> 1
    mask.At(0, 1) = MakePixel(1, 0, 0, 0);  // 1/3 -> 0
    AlphaFromMaskPixels(ViewOf(img), ViewOf(mask));
    EXPECT_EQ(PixelA(img.At(0, 0)), 255);
    EXPECT_EQ(PixelA(img.At(1, 0)), 1);
    EXPECT_EQ(PixelA(img.At(0, 1)), 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            if (x >= 2 || y >= 2) {
                EXPECT_EQ(img.At(x, y), MakePixel(10, 20, 30, 255)) << "x=" << x << " y=" << y;
            }
    AlphaFromMaskPixels(ViewOf(img), TPixelView{});
    EXPECT_EQ(PixelA(img.At(1, 0)), 255);
}

TEST(EffectPixels, ScaledSourceIndexRoundsHalvesToEvenAndTakesMiddleForOnePixel) {
    const int fourOverSeven[7] = {0, 0, 1, 2, 2, 2, 3};  // r * 3 / 6; 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
    for (int r = 0; r < 7; ++r) EXPECT_EQ(ScaledSourceIndex(r, 4, 7), fourOverSeven[r]) << r;
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ScaledSourceIndex(r, 9, 3), r * 4) << r;
    EXPECT_EQ(ScaledSourceIndex(0, 5, 1), 2);
    EXPECT_EQ(ScaledSourceIndex(0, 4, 1), 1);
}

TEST(EffectPixels, CombineDrawsOnlyInsideTargetAndNeedsWholeSource) {
    TPixelBuffer src(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) src.At(x, y) = MakePixel(std::uint8_t(x), std::uint8_t(y), 1, 255);
    TPixelBuffer dst(3, 3, 0);
    CombinePixels(ViewOf(dst), Rect(-1, 2, 1, 4), ViewOf(src), Rect(0, 0, 2, 2), TCombineMode::cmCopy);
    EXPECT_EQ(dst.At(0, 2), MakePixel(1, 0, 1, 255));
    EXPECT_EQ(dst.At(1, 2), 0u);
    TPixelBuffer untouched(3, 3, 0);
    CombinePixels(ViewOf(untouched), Rect(0, 0, 3, 3), ViewOf(src), Rect(0, 0, 3, 2), TCombineMode::cmCopy);
    CombinePixels(ViewOf(untouched), Rect(0, 0, 3, 3), ViewOf(src), Rect(-1, 0, 1, 2), TCombineMode::cmCopy);
    for (std::uint32_t p : untouched.Pixels) EXPECT_EQ(p, 0u);

    TPixelBuffer keyed(2, 1);
    keyed.At(0, 0) = bsTransparentKey | 0x12000000u;  // the key whatever the alpha
    keyed.At(1, 0) = MakePixel(3, 4, 5, 0);
    TPixelBuffer onto(2, 1, 0xAABBCCDDu);
    CombinePixels(ViewOf(onto), Rect(0, 0, 2, 1), ViewOf(keyed), Rect(0, 0, 2, 1), TCombineMode::cmKey);
    EXPECT_EQ(onto.At(0, 0), 0xAABBCCDDu);
    EXPECT_EQ(onto.At(1, 0), MakePixel(3, 4, 5, 255));
}

TEST(EffectPixels, FillIsClippedAndColourBecomesOpaquePixel) {
    TPixelBuffer img(3, 2, 0);
    FillPixels(ViewOf(img), Rect(-5, 1, 2, 9), ColorToBGRA(RGBColor(1, 2, 3)), false);
    EXPECT_EQ(img.At(0, 1), MakePixel(1, 2, 3, 255));
    EXPECT_EQ(img.At(1, 1), MakePixel(1, 2, 3, 255));
    EXPECT_EQ(img.At(2, 1), 0u);
    EXPECT_EQ(img.At(0, 0), 0u);
}
