#include "skin/paint/portable/EffectPixels.h"

#include "PaintTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using painttest::Coord;
using painttest::CoordPicture;
using painttest::PixelsMatch;

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

// Source columns and rows a stretch takes, as measured from the platform's
// StretchBlt in colour-on-colour mode (PlatformBlitTest checks the rule
// against it for every pair of spans up to 40).
TEST(ScaledSource, EnlargingTakesThePixelUnderEachCentreAndReducingKeepsLastColumnFirstRow) {
    struct TRow {
        int Sw, Dw;
        std::vector<std::int64_t> Columns, Rows;
    };
    const TRow rows[] = {
        {4, 7, {0, 0, 1, 1, 2, 3, 3}, {0, 0, 1, 1, 2, 3, 3}},
        {3, 8, {0, 0, 0, 1, 1, 2, 2, 2}, {0, 0, 0, 1, 1, 2, 2, 2}},
        {6, 23, {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5},
                {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5}},
        {6, 4, {1, 2, 4, 5}, {0, 2, 3, 5}},
        {7, 5, {0, 2, 3, 5, 6}, {0, 1, 3, 4, 6}},
        {9, 3, {2, 5, 8}, {0, 3, 6}},
        {5, 2, {2, 4}, {0, 3}},
        {5, 1, {3}, {0}},  // one column wide: the next-to-last column
        {2, 1, {0}, {0}},
        {5, 5, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
    };
    for (const TRow& row : rows)
        for (int r = 0; r < row.Dw; ++r) {
            EXPECT_EQ(ScaledSourceColumn(r, row.Sw, row.Dw), row.Columns[std::size_t(r)])
                << row.Sw << " over " << row.Dw << ", column " << r;
            EXPECT_EQ(ScaledSourceRow(r, row.Sw, row.Dw), row.Rows[std::size_t(r)])
                << row.Sw << " over " << row.Dw << ", row " << r;
        }
}

TEST(ScaledSource, StepByStepWalkGivesTheSameIndexesAsTheFormula) {
    // Every pair of spans up to 40 pixels, from every start, and spans near
    // the longest an int rectangle has.
    for (std::int64_t sw = 1; sw <= 40; ++sw)
        for (std::int64_t dw = 1; dw <= 40; ++dw)
            for (bool column : {true, false})
                for (std::int64_t r0 = 0; r0 < dw; ++r0) {
                    TScaledWalk walk(r0, sw, dw, column);
                    for (std::int64_t r = r0; r < dw; ++r, walk.Next()) {
                        const std::int64_t want = column ? ScaledSourceColumn(r, sw, dw) : ScaledSourceRow(r, sw, dw);
                        ASSERT_EQ(walk.Value(), want) << sw << " over " << dw << " from " << r0 << " at " << r
                                                      << (column ? " (column)" : " (row)");
                    }
                }
    constexpr std::int64_t M = 4294967295;
    for (const auto& [sw, dw] : {std::pair{M, M - 1}, {M - 1, M}, {M, std::int64_t(16)}, {std::int64_t(8), M}})
        for (bool column : {true, false}) {
            const std::int64_t r0 = std::max<std::int64_t>(0, dw - 1000);
            TScaledWalk walk(r0, sw, dw, column);
            for (std::int64_t r = r0; r < dw; ++r, walk.Next())
                ASSERT_EQ(walk.Value(), column ? ScaledSourceColumn(r, sw, dw) : ScaledSourceRow(r, sw, dw))
                    << sw << " over " << dw << " at " << r;
        }
}

TEST(ScaledSource, SpansOfFourBillionPixelsDoNotOverflow) {
    constexpr std::int64_t M = 4294967295;  // the longest span int sides give
    struct TRow {
        std::int64_t R, Sw, Dw, Column, Row;
    };
    const TRow rows[] = {
        {M - 2, M, M - 1, M - 1, M - 1},
        {M - 3, M - 1, M, M - 4, M - 4},
        {2147483653, M, M - 1, 2147483654, 2147483654},
        {0, M, 16, 268435455, 0},
        {15, M, 16, M - 1, 4026531839},
        {15, 8, M, 0, 0},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.Sw) + " over " + std::to_string(row.Dw) + " at " + std::to_string(row.R));
        EXPECT_EQ(ScaledSourceColumn(row.R, row.Sw, row.Dw), row.Column);
        EXPECT_EQ(ScaledSourceRow(row.R, row.Sw, row.Dw), row.Row);
    }
}

namespace {

constexpr std::uint32_t kUntouched = 0x12345678u;  // alpha 0x12: never a Coord pixel

// One blit of the 6 x 5 coordinate picture onto a 16 x 12 target: the
// target pixels it draws (Drawn; none when empty) and the source columns and
// rows they take, from left to right and top to bottom.
struct TCoverCase {
    const char* Name;
    TRect Src, Dst;
    TRect Drawn;
    std::vector<int> Columns, Rows;
};

const TCoverCase kCoverCases[] = {
    {"same size, left outside", Rect(-2, 1, 3, 4), Rect(4, 2, 9, 5), Rect(6, 2, 9, 5), {0, 1, 2}, {1, 2, 3}},
    {"same size, top outside", Rect(1, -2, 4, 3), Rect(2, 3, 5, 8), Rect(2, 5, 5, 8), {1, 2, 3}, {0, 1, 2}},
    {"same size, right outside", Rect(3, 1, 8, 3), Rect(1, 1, 6, 3), Rect(1, 1, 4, 3), {3, 4, 5}, {1, 2}},
    {"same size, bottom outside", Rect(0, 3, 2, 7), Rect(7, 0, 9, 4), Rect(7, 0, 9, 2), {0, 1}, {3, 4}},
    {"same size, outside on all sides", Rect(-2, -1, 8, 7), Rect(3, 2, 13, 10), Rect(5, 3, 11, 8),
     {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4}},
    {"same size, source and destination both partly outside", Rect(-1, -1, 3, 3), Rect(-2, 2, 2, 6),
     Rect(0, 3, 2, 6), {1, 2}, {0, 1, 2}},
    {"same size, wholly right of the picture", Rect(6, 0, 9, 3), Rect(0, 0, 3, 3), NullRect(), {}, {}},
    {"same size, wholly above and left", Rect(-5, -4, -1, -1), Rect(0, 0, 4, 3), NullRect(), {}, {}},
    {"enlarged, left and top outside", Rect(-2, -1, 4, 3), Rect(1, 1, 14, 10), Rect(5, 3, 14, 10),
     {0, 0, 0, 1, 1, 2, 2, 3, 3}, {0, 0, 0, 1, 1, 2, 2}},
    {"enlarged, right and bottom outside", Rect(3, 2, 8, 7), Rect(2, 0, 14, 11), Rect(2, 0, 9, 7),
     {3, 3, 4, 4, 4, 5, 5}, {2, 2, 3, 3, 4, 4, 4}},
    {"enlarged, wholly left of the picture", Rect(-4, 0, -1, 3), Rect(0, 0, 9, 7), NullRect(), {}, {}},
    // Reduced: the pixels whose own source is outside stay, even where a
    // source pixel inside falls on the same destination pixel.
    {"reduced, left and top outside", Rect(-4, -3, 5, 4), Rect(2, 2, 5, 4), Rect(3, 3, 5, 4), {1, 4}, {1}},
    {"reduced, right and bottom outside", Rect(2, 1, 12, 9), Rect(1, 1, 5, 4), Rect(1, 1, 2, 3), {4}, {1, 4}},
    {"reduced, outside on all sides", Rect(-3, -2, 9, 8), Rect(1, 1, 6, 5), Rect(2, 2, 4, 4), {1, 3}, {1, 3}},
    {"reduced to one pixel", Rect(-3, 0, 4, 4), Rect(5, 5, 6, 6), Rect(5, 5, 6, 6), {2}, {0}},
    {"reduced, wholly left of the picture", Rect(-9, 0, -1, 3), Rect(0, 0, 3, 2), NullRect(), {}, {}},
    {"wider and shorter, left and bottom outside", Rect(-2, -1, 4, 7), Rect(0, 0, 11, 3), Rect(4, 1, 11, 3),
     {0, 0, 1, 2, 2, 3, 3}, {2, 4}},
    // Scaled rows under columns taken one to one (a frame's side edges).
    {"taller only, top outside", Rect(1, -1, 4, 3), Rect(2, 1, 5, 10), Rect(2, 3, 5, 10), {1, 2, 3},
     {0, 0, 0, 1, 1, 2, 2}},
    {"shorter only, bottom outside", Rect(2, 1, 5, 9), Rect(1, 1, 4, 4), Rect(1, 1, 4, 3), {2, 3, 4}, {1, 4}},
};

}  // namespace

TEST(CombinePixels, PartlyCoveredSourceDrawsTheCoveredPixelsAndKeepsTheRest) {
    const TPixelBuffer picture = CoordPicture(6, 5);
    for (const TCoverCase& c : kCoverCases) {
        TPixelBuffer target(16, 12, kUntouched);
        CombinePixels(ViewOf(target), c.Dst, ViewOf(picture), c.Src, TCombineMode::cmCopy);
        EXPECT_TRUE(PixelsMatch(target, [&](int x, int y) {
            if (!PtInRect(c.Drawn, Point(x, y))) return kUntouched;
            return Coord(c.Columns[std::size_t(x - c.Drawn.Left)], c.Rows[std::size_t(y - c.Drawn.Top)]);
        }, c.Name));
    }
}

TEST(CombinePixels, HugeRectanglesDrawWithoutOverflow) {
    constexpr int kMax = INT_MAX, kMin = INT_MIN;
    struct TRow {
        const char* Name;
        TRect Src, Dst;
        TRect Drawn;   // target pixels drawn
        TPoint SrcAt;  // source of Drawn's top-left pixel; the others follow one to one,
        bool Repeat;   // or all repeat it
    };
    const TRow rows[] = {
        // Column 0 takes the last of the 134217728 columns that fall on it.
        {"reduced from 2^31 - 1 square", Rect(0, 0, kMax, kMax), Rect(0, 0, 16, 16), NullRect(), {}, false},
        {"reduced from 2^31 - 1 rows", Rect(0, 0, 8, kMax), Rect(0, 0, 8, 16), Rect(0, 0, 8, 1), {}, false},
        {"enlarged to 2^31 - 1 square", Rect(0, 0, 8, 8), Rect(0, 0, kMax, kMax), Rect(0, 0, 16, 16), {}, true},
        {"same size, 2^31 - 1 square", Rect(0, 0, kMax, kMax), Rect(0, 0, kMax, kMax), Rect(0, 0, 8, 8), {}, false},
        {"same size, 2^32 - 1 square", Rect(kMin, kMin, kMax, kMax), Rect(kMin, kMin, kMax, kMax), Rect(0, 0, 8, 8),
         {}, false},
        // 2^32 - 1 over 2^32 - 2: the column and row dropped lie at the
        // middle, just before target pixel 0, which takes source pixel 1.
        {"reduced by one from 2^32 - 1", Rect(kMin, kMin, kMax, kMax), Rect(kMin, kMin, kMax - 1, kMax - 1),
         Rect(0, 0, 7, 7), Point(1, 1), false},
        {"far outside", Rect(kMin, kMin, kMin + 8, kMin + 8), Rect(0, 0, 16, 16), NullRect(), {}, false},
    };
    const TPixelBuffer picture = CoordPicture(8, 8);
    for (const TRow& row : rows) {
        TPixelBuffer target(16, 16, kUntouched);
        CombinePixels(ViewOf(target), row.Dst, ViewOf(picture), row.Src, TCombineMode::cmCopy);
        EXPECT_TRUE(PixelsMatch(target, [&](int x, int y) {
            if (!PtInRect(row.Drawn, Point(x, y))) return kUntouched;
            if (row.Repeat) return Coord(row.SrcAt.X, row.SrcAt.Y);
            return Coord(row.SrcAt.X + x - row.Drawn.Left, row.SrcAt.Y + y - row.Drawn.Top);
        }, row.Name));
    }
}

TEST(CombinePixels, KeyedModeSkipsTheKeyWhateverItsAlpha) {
    TPixelBuffer keyed(2, 1);
    keyed.At(0, 0) = bsTransparentKey | 0x12000000u;
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
