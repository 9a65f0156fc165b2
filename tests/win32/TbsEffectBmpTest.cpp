#include "skin/paint/TbsEffectBmp.h"
#include "skin/paint/Blur.h"
#include "skin/paint/TbsBitmap.h"

#include <gtest/gtest.h>

namespace {

// A TbsBitmap whose pixel (x, y) has red x*10 + base, green y*10, blue 7.
void Paint(TbsBitmap& bmp, int w, int h, int base) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *bmp.PixelPtr(x, y) = MakePixel(std::uint8_t(x * 10 + base), std::uint8_t(y * 10), 7, 255);
}

int Red(const TbsEffectBmp& e, int x, int y) { return e.View().Pixel(x, y)[2]; }

}  // namespace

TEST(TbsEffectBmp, CopiesBitmapIntoTopDownRowsAndDrawsItBack) {
    TbsBitmap source;
    Paint(source, 5, 3, 0);
    TbsEffectBmp effect(source.Handle());
    ASSERT_EQ(effect.Width(), 5);
    ASSERT_EQ(effect.Height(), 3);
    EXPECT_EQ(effect.RowSize(), 16);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t* p = effect.View().Pixel(x, y);
            ASSERT_EQ(p[2], x * 10) << "x=" << x << " y=" << y;
            ASSERT_EQ(p[1], y * 10) << "x=" << x << " y=" << y;
            ASSERT_EQ(p[0], 7) << "x=" << x << " y=" << y;
        }
    TbsBitmap target;
    target.SetSize(8, 5);
    effect.Invert();
    effect.Draw(target.DC(), 2, 1);
    GdiFlush();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(*target.PixelPtr(x + 2, y + 1) & 0xFFFFFF, MakePixel(std::uint8_t(255 - x * 10),
                                                                           std::uint8_t(255 - y * 10), 248) & 0xFFFFFF)
                << "x=" << x << " y=" << y;
    EXPECT_EQ(*target.PixelPtr(0, 0), 0u);
}

TEST(TbsEffectBmp, MorphsBetweenStatesAndIgnoresOtherSizes) {
    TbsBitmap a, b, c;
    Paint(a, 4, 2, 0);
    Paint(b, 4, 2, 100);
    Paint(c, 3, 2, 100);
    TbsEffectBmp ea(a.Handle()), eb(b.Handle()), ec(c.Handle());
    ea.Push(eb, 0);  // B's last column, then A moved right by one
    EXPECT_EQ(Red(ea, 0, 1), 130);
    EXPECT_EQ(Red(ea, 1, 1), 0);
    EXPECT_EQ(Red(ea, 3, 0), 20);
    ea.Morph(ec, 1);
    EXPECT_EQ(Red(ea, 0, 0), 130);
    ea.Morph(eb, 1.5);
    EXPECT_EQ(Red(ea, 2, 0), 120);
    TbsEffectBmp none(nullptr);
    EXPECT_TRUE(none.Empty());
    none.Morph(eb, 0.5);
    none.InactiveEffect(bsieNoise);
}

TEST(TbsEffectBmp, OnePixelWideButtonMorphsWithoutWritingPastRow) {
    TbsBitmap a, b;
    Paint(a, 1, 4, 5);
    Paint(b, 1, 4, 200);
    for (int kind = bsmkGradient; kind <= bsmkPush; ++kind) {
        TbsEffectBmp ea(a.Handle()), eb(b.Handle());
        ea.MorphByKind(TbsMorphKind(kind), eb, 0.5);
        if (kind != bsmkGradient) {  // the gradient of a tall image runs by rows
            EXPECT_EQ(Red(ea, 0, 3), 200) << kind;
        }
    }
}

TEST(TbsEffectBmp, InactiveEffectsUseTheirFixedParameters) {
    TbsBitmap a;
    a.SetSize(1, 1);
    *a.PixelPtr(0, 0) = MakePixel(200, 0, 255, 255);
    TbsEffectBmp dark(a.Handle()), bright(a.Handle());
    dark.InactiveEffect(bsieDarkness);
    EXPECT_EQ(Red(dark, 0, 0), 140);
    bright.InactiveEffect(bsieBrightness);
    EXPECT_EQ(bright.View().Pixel(0, 0)[1], 128);
}

TEST(TbsBitmapEffects, BlurAndAlphaFromMaskWorkOnSections) {
    TbsBitmap img, mask;
    img.SetSize(4, 4);
    img.FillRect(Rect(0, 0, 4, 4), RGBColor(40, 40, 40));
    mask.SetSize(2, 2);
    mask.FillRect(Rect(0, 0, 2, 2), RGBColor(255, 255, 255));
    mask.FillRect(Rect(1, 1, 2, 2), RGBColor(0, 0, 0));
    AlphaFromMaskPremultiplied(img, mask);
    EXPECT_EQ(*img.PixelPtr(0, 0), MakePixel(40, 40, 40, 255));
    EXPECT_EQ(*img.PixelPtr(1, 1), MakePixel(0, 0, 0, 0));
    EXPECT_EQ(*img.PixelPtr(3, 3), MakePixel(40, 40, 40, 255)) << "beyond the mask: opaque";
    img.FillRect(Rect(0, 0, 4, 4), RGBColor(80, 80, 80));
    *img.PixelPtr(0, 0) = MakePixel(0, 0, 0, 255);
    BlurBitmap(img, 5000);  // clamped radius: no overflow, no huge allocation
    EXPECT_EQ(PixelA(*img.PixelPtr(3, 3)), 255);
    EXPECT_LT(PixelR(*img.PixelPtr(3, 3)), 80);
}
