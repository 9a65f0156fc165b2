#include "skin/paint/portable/CompositionPixels.h"

#include "PaintTestSupport.h"

#include <gtest/gtest.h>

#include "tests/support/NinePartSkin.h"

#include <climits>
#include <string>
#include <utility>

using painttest::Coord;
using painttest::CoordPicture;
using painttest::PixelsMatch;

namespace {

// The shared nine-part skin placed at (3, 2) of a larger picture.
TSkinImageParams NinePart(int W, int H, bool stretch) {
    TSkinImageParams p = NinePartSkin(W, H, Point(3, 2));
    p.StretchLeft = p.StretchTop = p.StretchRight = p.StretchBottom = p.StretchCenter = stretch;
    return p;
}

}  // namespace

TEST(CompositionPixels, SkinSizedImageIsTheSkinRectangleWhateverTheStretchKeys) {
    const TPixelBuffer picture = CoordPicture(40, 30);
    for (bool stretch : {false, true}) {
        TPixelBuffer image;
        CreateSkinImage(NinePart(30, 20, stretch), ViewOf(picture), image);
        ASSERT_EQ(image.Width, 30);
        ASSERT_EQ(image.Height, 20);
        EXPECT_TRUE(PixelsMatch(image, [](int x, int y) { return Coord(x + 3, y + 2); }, "skin-size"))
            << "stretch " << stretch;
    }
}

TEST(CompositionPixels, WiderImageTilesTopEdgeAndKeepsCornersFixed) {
    const TPixelBuffer picture = CoordPicture(40, 30);
    TPixelBuffer image;
    CreateSkinImage(NinePart(45, 20, false), ViewOf(picture), image);
    // Row 0: corner 1 (x < 10), tiles of source x 10..19 from x = 10 cut at
    // 35, corner 3 (source x 20..29) from x = 35.
    EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) -> std::uint32_t {
        if (y >= 4) return image.At(x, y);  // only the top band is checked here
        int sx = x < 10 ? x : x < 35 ? 10 + (x - 10) % 10 : x - 15;
        return Coord(sx + 3, y + 2);
    }, "top-band"));
}

TEST(CompositionPixels, NarrowImageDrawsCornerThreeOverCornerOne) {
    const TPixelBuffer picture = CoordPicture(40, 30);
    TPixelBuffer image;
    CreateSkinImage(NinePart(12, 20, false), ViewOf(picture), image);  // DstRT.X = 2 < DstLT.X = 10
    // Corner 3 covers x 2..12 of the top band with source x 20..30.
    EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) -> std::uint32_t {
        if (y >= 4) return image.At(x, y);
        return Coord((x < 2 ? x : x + 18) + 3, y + 2);
    }, "narrow"));
}

TEST(CompositionPixels, HorizontalCentreIsRepeatedAcrossAndCutByClip) {
    TPixelBuffer picture = CoordPicture(14, 8);
    TSkinImageParams p;
    p.SrcRect = Rect(0, 0, 14, 8);
    p.SrcClient = Rect(2, 2, 12, 6);
    p.SrcLT = Point(2, 2);
    p.SrcRT = Point(12, 2);
    p.SrcLB = Point(2, 6);
    p.SrcRB = Point(12, 6);
    p.W = 29;
    p.H = 8;
    CalcSkinGeometry(1, p);
    p.StretchCenter = true;
    p.StretchKind = bsstHorz;
    TPixelBuffer image;
    CreateSkinImage(p, ViewOf(picture), image);
    // Client x 2..27: copies at offsets 0, 10, 20, the last cut to 5 pixels;
    // the right edge (x >= 27) is untouched by the centre.
    EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) -> std::uint32_t {
        if (x < 2 || x >= 27 || y < 2 || y >= 6) return image.At(x, y);
        return Coord(2 + (x - 2) % 10, y);
    }, "sthorz"));
    EXPECT_EQ(image.At(27, 3), Coord(12, 3));
}

TEST(CompositionPixels, StretchDropsOrRepeatsWholeRowsAndColumns) {
    const TPixelBuffer picture = CoordPicture(4, 4);
    TPixelBuffer image;
    CreateHSkinImage(0, 0, image, true, 7, Rect(0, 0, 4, 4), ViewOf(picture));
    // 4 columns over 7: the column under each pixel's centre, (x + 1/2) * 4 / 7.
    const int columns[7] = {0, 0, 1, 1, 2, 3, 3};
    EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) { return Coord(columns[x], y); }, "stretch"));
    CreateHSkinImage(0, 0, image, true, 2, Rect(0, 0, 4, 4), ViewOf(picture));
    // 4 columns over 2: columns 0, 1 fall on x = 0 and 2, 3 on x = 1; the last of each is kept.
    EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) { return Coord(2 * x + 1, y); }, "shrink"));
}

TEST(CompositionPixels, HSkinImageTiledExampleEndsMiddleAtRightEnd) {
    const TPixelBuffer picture = CoordPicture(49, 3);
    TPixelBuffer image;
    CreateHSkinImage(5, 6, image, false, 178, Rect(0, 0, 49, 3), ViewOf(picture));
    ASSERT_EQ(image.Height, 3);
    EXPECT_TRUE(PixelsMatch(image, [](int x, int y) {
        const int sx = x < 5 ? x : x >= 172 ? x - 129 : 5 + (x - 5) % 38;
        return Coord(sx, y);
    }, "htiled"));
}

TEST(CompositionPixels, BorderStripsMatchTheirPlans) {
    const TPixelBuffer picture = CoordPicture(40, 30);
    const TSkinImageParams p = NinePart(45, 33, false);
    TPixelBuffer top, bottom, left, right;
    CreateSkinBorderImages(p, ViewOf(picture), top, bottom, left, right);
    ASSERT_EQ(top.Width, 45);
    ASSERT_EQ(top.Height, 4);
    // Tiles from x = 0, left end over x 0..10, right end over x 35..45.
    EXPECT_TRUE(PixelsMatch(top, [](int x, int y) {
        const int sx = x < 10 ? x : x >= 35 ? x - 15 : 10 + x % 10;
        return Coord(sx + 3, y + 2);
    }, "border-top"));
    ASSERT_EQ(left.Height, 25);
    EXPECT_TRUE(PixelsMatch(left, [](int x, int y) {
        const int sy = y < 4 ? 4 + y : y >= 21 ? y - 9 : 8 + y % 4;
        return Coord(x + 3, sy + 2);
    }, "border-left"));
    EXPECT_EQ(right.Width, 5);
    EXPECT_EQ(bottom.Height, 4);
}

TEST(CompositionPixels, SourcesOutsidePictureAndEmptyPictureDrawNothing) {
    const TPixelBuffer picture = CoordPicture(3, 2);
    TPixelBuffer image;
    TSkinImageParams p = NinePart(45, 33, false);  // every piece lies beyond the 3 x 2 picture
    CreateSkinImage(p, ViewOf(picture), image);
    EXPECT_EQ(image.Width, 45);
    EXPECT_TRUE(PixelsMatch(image, [](int, int) { return 0u; }, "outside"));
    TPixelBuffer none;
    CreateSkinImage(NinePart(45, 33, false), ViewOf(none), image);
    EXPECT_EQ(image.Height, 33);
}

namespace {

// The part of a 100 x 80 coordinate picture from (ox, oy), w x h pixels
// large: its pixels name their place in the larger picture.
TPixelBuffer PartOfCoordPicture(int ox, int oy, int w, int h) {
    TPixelBuffer part(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) part.At(x, y) = Coord(ox + x, oy + y);
    return part;
}

}  // namespace

// A skin rectangle that sticks out of its picture composes as it would from
// a picture large enough to hold it, except that the pixels whose source is
// outside the picture are not drawn (a new image keeps them 0).
TEST(CompositionPixels, SkinRectangleStickingOutOfThePictureDrawsItsInsideParts) {
    struct TRow {
        const char* Name;
        TPoint Origin;  // of the skin rectangle in the picture
        int PictureWidth, PictureHeight;
    };
    const TRow rows[] = {
        {"right and bottom", Point(3, 2), 24, 15},
        {"left and top", Point(-4, -3), 40, 30},
        {"all sides", Point(-4, -3), 20, 12},
    };
    const TPixelBuffer whole = CoordPicture(100, 80);
    const TPoint at = Point(30, 25);  // where the pictures below lie in the whole one
    for (const TRow& row : rows)
        for (bool stretch : {false, true})
            for (TPoint size : {Point(30, 20), Point(45, 33)}) {
                const TPixelBuffer picture = PartOfCoordPicture(at.X, at.Y, row.PictureWidth, row.PictureHeight);
                TSkinImageParams p = NinePart(size.X, size.Y, stretch);
                p.SrcRect = Bounds(row.Origin.X, row.Origin.Y, 30, 20);
                TPixelBuffer image;
                CreateSkinImage(p, ViewOf(picture), image);
                p.SrcRect = OffsetRect(p.SrcRect, at.X, at.Y);
                TPixelBuffer reference;
                CreateSkinImage(p, ViewOf(whole), reference);
                const TRect inside = Bounds(at.X, at.Y, row.PictureWidth, row.PictureHeight);
                const std::string name = std::string(row.Name) + (stretch ? "-stretched-" : "-tiled-") +
                                         std::to_string(size.X) + "x" + std::to_string(size.Y);
                EXPECT_TRUE(PixelsMatch(image, [&](int x, int y) {
                    const std::uint32_t want = reference.At(x, y);
                    const TPoint source = Point(int(want & 0xFFF), int((want >> 12) & 0xFFF));
                    return PtInRect(inside, source) ? want : 0u;
                }, name));
            }
}

TEST(CompositionPixels, HugeRectanglesOnASmallPictureDrawWithoutOverflow) {
    const TPixelBuffer picture = CoordPicture(8, 8);
    const TRect huge = Rect(0, 0, INT_MAX, INT_MAX);
    // Reduced onto 16 x 16, column 0 takes the last of the 134217728 columns
    // falling on it, far outside the picture: nothing is drawn. Copied at its
    // own size, the picture's 8 x 8 pixels are.
    TPixelBuffer image(16, 16);
    DrawSkinBlits(ViewOf(image), ViewOf(picture), {TSkinBlit{huge, Rect(0, 0, 16, 16), NullRect()}});
    EXPECT_TRUE(PixelsMatch(image, [](int, int) { return 0u; }, "huge-reduced"));
    DrawSkinBlits(ViewOf(image), ViewOf(picture), {TSkinBlit{huge, huge, NullRect()}});
    EXPECT_TRUE(PixelsMatch(image, [](int x, int y) { return x < 8 && y < 8 ? Coord(x, y) : 0u; }, "huge-copied"));

    // Nine parts around the client (1, 1, INT_MAX - 1, INT_MAX - 1), all
    // stretched, on 16 x 16: of the corners only corner 1 is inside the
    // picture; the left edge's first row takes source row 1 (the first of
    // those falling on it); the other edges and the centre reach only
    // outside.
    image = TPixelBuffer(16, 16);
    CreateStretchSkinImage(image, ViewOf(picture), huge, Rect(1, 1, INT_MAX - 1, INT_MAX - 1), true);
    EXPECT_TRUE(PixelsMatch(image, [](int x, int y) { return x == 0 && y < 2 ? Coord(0, y) : 0u; }, "huge-nine-part"));

    // A three-part image 16 wide from a rectangle 2^31 - 1 wide: the left end
    // is inside the picture; the right end and the stretched middle are not.
    CreateHSkinImage(2, 3, image, true, 16, Rect(0, 0, INT_MAX, 8), ViewOf(picture));
    ASSERT_EQ(image.Height, 8);
    EXPECT_TRUE(PixelsMatch(image, [](int x, int y) { return x < 2 ? Coord(x, y) : 0u; }, "huge-three-part"));
}

TEST(CompositionPixels, TileGridsDrawAsTheirStepsWouldOneByOne) {
    // A tiled centre and tiled edges at sizes that cut the last tiles, on a
    // target that clips some of them, once with the source inside the
    // picture (drawn as a pattern) and once reaching outside it.
    const TPixelBuffer picture = CoordPicture(40, 30);
    for (const TRect client : {Rect(3, 2, 31, 27), Rect(3, 2, 41, 27)}) {
        for (const auto& [w, h] : {std::pair{150, 90}, {63, 47}, {200, 31}}) {
            TSkinImageParams p = NinePart(w, h, false);
            p.SrcClient = client;
            const TSkinBlits blits = SkinImageBlits(p);
            bool gridFound = false;
            for (std::size_t i = 0; i < blits.size(); ++i) gridFound |= TileGridAt(blits, i).has_value();
            EXPECT_TRUE(gridFound) << w << "x" << h;  // else the pattern path goes untested
            for (const auto& [tw, th] : {std::pair{w, h}, {w - 7, h / 2}}) {
                TPixelBuffer drawn(tw, th, 0x11223344u), oneByOne(tw, th, 0x11223344u);
                DrawSkinBlits(ViewOf(drawn), ViewOf(picture), blits);
                for (const TSkinBlit& b : blits) DrawSkinBlits(ViewOf(oneByOne), ViewOf(picture), {b});
                const std::string name = "tile-grid-" + std::to_string(w) + "x" + std::to_string(h) + "-" +
                                         std::to_string(tw) + "x" + std::to_string(th);
                EXPECT_TRUE(PixelsMatch(drawn, [&](int x, int y) { return oneByOne.At(x, y); }, name));
            }
        }
    }
}
