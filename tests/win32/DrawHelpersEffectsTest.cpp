#include "DrawHelpersTestSupport.h"

#include "skin/paint/DrawHelpers.h"

#include <algorithm>

namespace {

// The box of pixels that differ from white, or an empty rect.
TRect ChangedBox(const TbsBitmap& bmp, const TRect& within) {
    TRect box = Rect(within.Right, within.Bottom, within.Left, within.Top);
    for (int y = within.Top; y < within.Bottom; ++y)
        for (int x = within.Left; x < within.Right; ++x)
            if (Rgb(*bmp.PixelPtr(x, y)) != Rgb(kWhite)) {
                box.Left = std::min(box.Left, x), box.Right = std::max(box.Right, x + 1);
                box.Top = std::min(box.Top, y), box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

// The darkest green level in a block of rows (the glow colours used have
// no green, so a lower value means denser effect).
int DarkestGreen(const TbsBitmap& bmp, int top, int bottom) {
    int darkest = 255;
    for (int y = std::max(0, top); y < std::min(bmp.Height(), bottom); ++y)
        for (int x = 0; x < bmp.Width(); ++x) darkest = std::min<int>(darkest, PixelG(*bmp.PixelPtr(x, y)));
    return darkest;
}

SIZE CaptionSize(HDC dc, const std::string& text) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return SIZE{r.right, r.bottom};
}

TEST(DrawHelpersEffectsTest, GlowSpreadsAtMostSizeAroundTheShiftedCaption) {
    for (int offset : {0, 2}) {
        SCOPED_TRACE(testing::Message() << "offset " << offset);
        TbsBitmap canvas;
        FillCanvas(canvas, 120, 60);
        TTestFont font(canvas.DC(), 20, FW_BOLD);
        SetTextColor(canvas.DC(), RGB(255, 255, 255));  // the caption itself is invisible on white
        const SIZE s = CaptionSize(canvas.DC(), "Hadi");
        const TRect rect = Bounds(30, 15, s.cx, s.cy);
        DrawEffectText(canvas.DC(), rect, "Hadi", 3, RGBColor(0, 0, 255), offset, DT_SINGLELINE);
        GdiFlush();
        const TRect glow = ChangedBox(canvas, Rect(0, 0, 120, 60));
        ASSERT_FALSE(glow.IsEmpty()) << "no glow drawn";
        // The bitmap is 3 pixels larger on every side, moved by the offset.
        EXPECT_GE(glow.Left, rect.Left - 3 + offset);
        EXPECT_GE(glow.Top, rect.Top - 3 + offset);
        EXPECT_LE(glow.Right, rect.Right + 3 + offset);
        EXPECT_LE(glow.Bottom, rect.Bottom + 3 + offset);
        // The blur carries the glow past the caption's own box.
        EXPECT_LT(glow.Left, rect.Left + offset);
    }
}

TEST(DrawHelpersEffectsTest, CaptionIsDrawnOverItsGlow) {
    TbsBitmap canvas;
    FillCanvas(canvas, 120, 60);
    TTestFont font(canvas.DC(), 20, FW_BOLD);
    SetTextColor(canvas.DC(), RGB(0, 0, 0));
    DrawEffectText(canvas.DC(), Rect(10, 10, 110, 50), "Hadi", 2, RGBColor(255, 0, 0), 0,
                   DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    GdiFlush();
    int black = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) black += Rgb(*canvas.PixelPtr(x, y)) == 0;
    EXPECT_GT(black, 20) << "the caption in the text colour";
}

TEST(DrawHelpersEffectsTest, GlassGlowBoxSurroundsTheCaption) {
    TbsBitmap canvas;
    FillCanvas(canvas, 160, 80);
    TTestFont font(canvas.DC(), 14);
    SetTextColor(canvas.DC(), RGB(255, 255, 255));
    const TRect rect = Rect(30, 25, 130, 55);
    DrawVistaGlowText(canvas.DC(), rect, "Cam", RGBColor(0, 0, 255), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    GdiFlush();
    const TRect glow = ChangedBox(canvas, Rect(0, 0, 160, 80));
    ASSERT_FALSE(glow.IsEmpty());
    EXPECT_GE(glow.Left, rect.Left - 10);
    EXPECT_LE(glow.Right, rect.Right + 10);
    // The solid box covers the rectangle inset by 3: its middle is dense.
    EXPECT_LT(PixelG(*canvas.PixelPtr(40, 40)), 128);
}

struct ReflectionCase {
    const char* Name;
    TRect Rect;
    UINT Format;
};

TEST(DrawHelpersEffectsTest, ReflectionShowsUnderTheCaptionWhereverItSits) {
    const ReflectionCase cases[] = {
        {"top", Rect(10, 5, 190, 35), DT_SINGLELINE},
        {"centred in a tall box", Rect(10, 5, 190, 95), DT_SINGLELINE | DT_VCENTER},
    };
    for (const ReflectionCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TbsBitmap canvas;
        FillCanvas(canvas, 200, 160);
        TTestFont font(canvas.DC(), 22, FW_BOLD);
        SetTextColor(canvas.DC(), RGB(255, 255, 255));  // only the reflection shows
        const SIZE s = CaptionSize(canvas.DC(), "HHHH");
        DrawReflectionText(canvas.DC(), c.Rect, "HHHH", RGBColor(0, 0, 255), 0, c.Format);
        GdiFlush();
        const int textBottom = (c.Format & DT_VCENTER) ? c.Rect.Top + (c.Rect.Height() - s.cy) / 2 + s.cy
                                                         : c.Rect.Top + s.cy;
        // Right under the caption the mirror image is dense: up to 0.7 of
        // the ink, less the rows of the empty descent (0.05 would leave it
        // nearly white).
        EXPECT_LT(DarkestGreen(canvas, textBottom, textBottom + s.cy / 2), 170);
        // It never reaches above the caption's bottom.
        EXPECT_EQ(DarkestGreen(canvas, 0, textBottom), 255);
        // It fades out downwards.
        const TRect reflection = ChangedBox(canvas, Rect(0, 0, 200, 160));
        EXPECT_LE(reflection.Bottom, textBottom + s.cy + 1);
    }
}

}  // namespace
