#include "skin/paint/portable/Blur.h"

#include <gtest/gtest.h>

namespace {

TPixelBuffer Line(std::initializer_list<int> values) {
    TPixelBuffer img(int(values.size()), 1);
    int x = 0;
    for (int v : values) img.At(x++, 0) = MakePixel(std::uint8_t(v), 0, std::uint8_t(v), 0);
    return img;
}

std::vector<int> Reds(const TPixelBuffer& img) {
    std::vector<int> out;
    for (std::uint32_t p : img.Pixels) out.push_back(PixelR(p));
    return out;
}

}  // namespace

TEST(Blur, TriangleKernelWeighsNeighboursAndRepeatsEdges) {
    TPixelBuffer img = Line({0, 0, 255, 0, 0});
    BlurPixels(ViewOf(img), 1);
    EXPECT_EQ(Reds(img), (std::vector<int>{0, 63, 127, 63, 0}));  // weights 1 2 1 over 4, truncated
    EXPECT_EQ(PixelA(img.At(0, 0)), 255);
    EXPECT_EQ(PixelG(img.At(2, 0)), 0);

    TPixelBuffer edge = Line({0, 255});
    BlurPixels(ViewOf(edge), 1);
    EXPECT_EQ(Reds(edge), (std::vector<int>{63, 191}));

    // Radius 2: weights 1 2 3 2 1 over 9.
    TPixelBuffer wide = Line({90, 0, 0, 0, 0, 0});
    BlurPixels(ViewOf(wide), 2);
    EXPECT_EQ(Reds(wide), (std::vector<int>{60, 30, 10, 0, 0, 0}));  // (1+2+3)*90/9, (1+2)*90/9, 90/9
}

TEST(Blur, VerticalPassFollowsHorizontal) {
    TPixelBuffer img(3, 3, 0);
    img.At(1, 1) = MakePixel(160, 0, 0, 0);
    BlurPixels(ViewOf(img), 1);
    EXPECT_EQ(PixelR(img.At(1, 1)), 40);  // 160 * 2/4 * 2/4
    EXPECT_EQ(PixelR(img.At(0, 1)), 20);
    EXPECT_EQ(PixelR(img.At(0, 0)), 10);
}

TEST(Blur, RadiusFromSkinIsClampedAndNonPositiveDoesNothing) {
    TPixelBuffer a(5, 4, 0), b(5, 4, 0);
    a.At(2, 1) = b.At(2, 1) = MakePixel(250, 250, 250, 0);
    BlurPixels(ViewOf(a), 5000);
    BlurPixels(ViewOf(b), MaxBlurRadius);
    EXPECT_EQ(a.Pixels, b.Pixels);
    TPixelBuffer same(2, 2, MakePixel(7, 7, 7, 3));
    BlurPixels(ViewOf(same), 0);
    BlurPixels(ViewOf(same), -4);
    EXPECT_EQ(same.At(1, 1), MakePixel(7, 7, 7, 3));
    TPixelBuffer flat(7, 3, MakePixel(99, 98, 97, 0));
    BlurPixels(ViewOf(flat), 3);
    for (std::uint32_t p : flat.Pixels) EXPECT_EQ(p, MakePixel(99, 98, 97, 255));
}
