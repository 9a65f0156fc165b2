#include "skin/paint/portable/DrawHelpersGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Letters 7 pixels wide, dots 3: "..." is 9 pixels.
int Width(const std::string& s) {
    int w = 0;
    for (char c : s) w += c == '.' ? 3 : 7;
    return w;
}

struct ShortenCase {
    std::string Text;
    int MaxWidth;
    std::string Expected;
};

TEST(DrawHelpersGeometryTest, ShortenTextCutsFromTheEndAndAppendsAnEllipsis) {
    const ShortenCase cases[] = {
        {"Hadi", 28, "Hadi"},        // exactly fits: unchanged
        {"Hadi", 100, "Hadi"},
        {"Hadi Kizim", 40, "Hadi..."},  // 28 + 9 = 37 fits, "Hadi " + ... = 44 does not
        {"Hadi Kizim", 16, "H..."},
        {"Hadi Kizim", 15, "..."},      // not even one letter and the dots fit
        {"Hadi Kizim", 3, "..."},       // too narrow for the dots themselves
        {"", 0, ""},
    };
    for (const ShortenCase& c : cases) {
        SCOPED_TRACE(c.Text + " in " + std::to_string(c.MaxWidth));
        EXPECT_EQ(ShortenTextWith(c.Text, c.MaxWidth, Width), c.Expected);
    }
}

TEST(DrawHelpersGeometryTest, ShortenTextWorksOnWideText) {
    const auto width = [](const std::wstring& s) { return int(s.size()) * 5; };
    EXPECT_EQ(ShortenTextWith(std::wstring(L"Tebrikler"), 30, width), std::wstring(L"Teb..."));
    EXPECT_EQ(ShortenTextWith(std::wstring(L"Tebrikler"), 45, width), std::wstring(L"Tebrikler"));
}

TEST(DrawHelpersGeometryTest, DarkerColorScalesEveryChannel) {
    const TColor c = RGBColor(200, 101, 5);
    EXPECT_EQ(DarkerRgb(c, 0), c);
    EXPECT_EQ(DarkerRgb(c, 100), RGBColor(0, 0, 0));
    // 30 %: 200 - 60, 101 - round(30.3), 5 - round(1.5) (halves away from zero)
    EXPECT_EQ(DarkerRgb(c, 30), RGBColor(140, 71, 3));
    // Out-of-range percentages saturate instead of wrapping a channel.
    EXPECT_EQ(DarkerRgb(c, 150), RGBColor(0, 0, 0));
    EXPECT_EQ(DarkerRgb(c, -100), RGBColor(255, 202, 10));
}

TEST(DrawHelpersGeometryTest, MiddleColorAveragesChannelsDownwards) {
    EXPECT_EQ(MiddleRgb(RGBColor(255, 0, 10), RGBColor(0, 255, 11)), RGBColor(127, 127, 10));
    EXPECT_EQ(MiddleRgb(RGBColor(255, 255, 255), RGBColor(255, 255, 255)), RGBColor(255, 255, 255));
}

TEST(DrawHelpersGeometryTest, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(5, 30, 100), 2);   // 1.5 -> 2
    EXPECT_EQ(MulDivRound(-5, 30, 100), -2);
    EXPECT_EQ(MulDivRound(7, 1, 2), 4);
    EXPECT_EQ(MulDivRound(7, 1, -2), -4);
    EXPECT_EQ(MulDivRound(7, 1, 0), 0);
    EXPECT_EQ(MulDivRound(2000000000, 3, 4), 1500000000);  // no overflow in the product
}

TEST(DrawHelpersGeometryTest, EffectTextBitmapIsSizeLargerOnEverySide) {
    const TEffectTextGeometry g = EffectTextGeometry(Rect(10, 20, 90, 40), 3, 0);
    EXPECT_EQ(g.BitmapWidth, 86);
    EXPECT_EQ(g.BitmapHeight, 26);
    EXPECT_EQ(g.TextRect, Rect(3, 3, 83, 23));
    EXPECT_EQ(g.DrawAt, Point(7, 17));
    EXPECT_EQ(g.BlurRadius, 3);
    EXPECT_EQ(EffectTextGeometry(Rect(10, 20, 90, 40), 3, 2).DrawAt, Point(9, 19));
    const TEffectTextGeometry none = EffectTextGeometry(Rect(10, 20, 90, 40), -4, 1);
    EXPECT_EQ(none.BitmapWidth, 80);
    EXPECT_EQ(none.TextRect, Rect(0, 0, 80, 20));
    EXPECT_EQ(none.DrawAt, Point(11, 21));
}

TEST(DrawHelpersGeometryTest, GlowBoxSitsInsideOrAroundTheCaption) {
    const TGlowTextGeometry v = GlowTextGeometry(Rect(0, 0, 60, 20), bsVistaGlowMargin);
    EXPECT_EQ(v.BitmapWidth, 80);
    EXPECT_EQ(v.BitmapHeight, 40);
    EXPECT_EQ(v.TextRect, Rect(10, 10, 70, 30));
    EXPECT_EQ(v.SolidRect, Rect(13, 13, 67, 27));
    EXPECT_EQ(v.DrawAt, Point(-10, -10));
    EXPECT_EQ(v.BlurRadius, 5);
    const TGlowTextGeometry c = GlowTextGeometry(Rect(5, 5, 65, 25), bsCaptionGlowMargin);
    EXPECT_EQ(c.BitmapWidth, 84);
    EXPECT_EQ(c.TextRect, Rect(12, 12, 72, 32));
    EXPECT_EQ(c.SolidRect, Rect(9, 14, 75, 30));
    EXPECT_EQ(c.DrawAt, Point(-7, -7));
    EXPECT_EQ(c.BlurRadius, 6);
}

TEST(DrawHelpersGeometryTest, ReflectionFadesFromTheTextsOwnBottom) {
    // Text at the top of its bitmap.
    EXPECT_DOUBLE_EQ(ReflectionFactor(20, 0, 20), 0.7);
    EXPECT_DOUBLE_EQ(ReflectionFactor(15, 0, 20), 0.45);
    EXPECT_DOUBLE_EQ(ReflectionFactor(0, 0, 20), 0.05);
    // The same text centred lower in its bitmap fades the same way.
    EXPECT_DOUBLE_EQ(ReflectionFactor(50, 30, 50), 0.7);
    EXPECT_DOUBLE_EQ(ReflectionFactor(45, 30, 50), 0.45);
    EXPECT_DOUBLE_EQ(ReflectionFactor(30, 30, 50), 0.05);
    EXPECT_DOUBLE_EQ(ReflectionFactor(3, 5, 5), 0.05);  // no text height
}

TEST(DrawHelpersGeometryTest, MeasuredTextIsPlacedByTheFormatFlags) {
    const TRect box = Rect(10, 10, 110, 41);
    EXPECT_EQ(PlaceMeasuredText(box, 40, 13, 0), Rect(10, 10, 50, 23));
    EXPECT_EQ(PlaceMeasuredText(box, 40, 13, bsdtCenter | bsdtVCenter | bsdtSingleLine), Rect(40, 19, 80, 32));
    EXPECT_EQ(PlaceMeasuredText(box, 40, 13, bsdtRight | bsdtBottom | bsdtSingleLine), Rect(70, 28, 110, 41));
    // Vertical placement needs a single line.
    EXPECT_EQ(PlaceMeasuredText(box, 40, 13, bsdtVCenter), Rect(10, 10, 50, 23));
}

TEST(DrawHelpersGeometryTest, SingleLineCaptionRules) {
    const TRect r = Rect(0, 10, 50, 30);
    EXPECT_EQ(TrimmedTextRect(r, false, true, false), r);
    EXPECT_EQ(TrimmedTextRect(r, true, true, true), Rect(0, 9, 52, 30));
    EXPECT_EQ(TrimmedTextRect(r, false, false, true), r);
    EXPECT_EQ(ListTextOrigin(Rect(0, 10, 50, 31), 0, 13, false), Point(2, 14));
    EXPECT_EQ(ListTextOrigin(Rect(0, 10, 50, 31), 8, 13, true), Point(10, 13));
}

}  // namespace
