#include "skin/paint/Composition.h"
#include "skin/paint/portable/CompositionPixels.h"

#include <gtest/gtest.h>

#include "tests/support/NinePartSkin.h"

#include <string>
#include <vector>

namespace {

void CoordPicture(TbsBitmap& bmp, int w, int h) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) *bmp.PixelPtr(x, y) = 0xFF000000u | (std::uint32_t(y) << 12) | std::uint32_t(x);
}

TSkinImageParams NinePart(int W, int H) {
    TSkinImageParams p = NinePartSkin(W, H, Point(3, 2));
    p.StretchLeft = true;
    p.StretchCenter = true;
    p.StretchKind = bsstVert;
    return p;
}

void ExpectSame(const TbsBitmap& section, const TPixelBuffer& memory, const std::string& what) {
    ASSERT_EQ(section.Width(), memory.Width) << what;
    ASSERT_EQ(section.Height(), memory.Height) << what;
    for (int y = 0; y < memory.Height; ++y)
        for (int x = 0; x < memory.Width; ++x)
            ASSERT_EQ(*section.PixelPtr(x, y), memory.At(x, y)) << what << " x=" << x << " y=" << y;
}

}  // namespace

TEST(Composition, SectionsReceiveTheSamePixelsAsMemoryImages) {
    TbsBitmap picture;
    CoordPicture(picture, 40, 30);
    const TPixelBuffer pictureMemory = picture.ToPixelBuffer();
    const TSkinImageParams p = NinePart(77, 41);

    TbsBitmap image;
    CreateSkinImage(p, picture, image);
    TPixelBuffer want;
    CreateSkinImage(p, ViewOf(pictureMemory), want);
    ExpectSame(image, want, "nine-part");

    TbsBitmap h;
    CreateHSkinImage(13, 17, h, true, 75, Rect(0, 0, 30, 25), picture);
    CreateHSkinImage(13, 17, want, true, 75, Rect(0, 0, 30, 25), ViewOf(pictureMemory));
    ExpectSame(h, want, "three-part");
    EXPECT_EQ(*h.PixelPtr(58, 3), 0xFF000000u | (3u << 12) | 13u) << "the right end starts at x = 58";

    TbsBitmap t, b, l, r;
    TPixelBuffer tm, bm, lm, rm;
    CreateSkinBorderImages(p, picture, t, b, l, r);
    CreateSkinBorderImages(p, ViewOf(pictureMemory), tm, bm, lm, rm);
    ExpectSame(t, tm, "top strip");
    ExpectSame(l, lm, "left strip");
    ExpectSame(r, rm, "right strip");
    ExpectSame(b, bm, "bottom strip");
}

TEST(Composition, ImageThatCannotBeAllocatedDrawsNothingAndReportsOnce) {
    std::vector<std::string> errors;
    SetPaintErrorHandler([&](const Exception& e) { errors.push_back(e.what()); });
    TbsBitmap picture;
    CoordPicture(picture, 40, 30);
    TbsBitmap image;
    for (int paint = 0; paint < 3; ++paint) CreateSkinImage(NinePart(100000, 100000), picture, image);
    EXPECT_TRUE(image.Empty());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], kCantAllocateDib);
    SetPaintErrorHandler(nullptr);
    CreateHSkinImage(1, 1, image, false, 0, Rect(0, 0, 5, 5), picture);
    EXPECT_TRUE(image.Empty());
}
