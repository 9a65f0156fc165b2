// Where panels and labels put their caption: centring with the odd-height
// rule, alignment, the panel's caption line with its roll-up button, check
// image, image and frame, the AutoSize width and the rolled-up height.
#include "skin/controls/portable/CaptionLayout.h"

#include <gtest/gtest.h>

#include "skin/paint/portable/SkinGeometry.h"

namespace {

TEST(CaptionLayout, TextIsCentredOnePixelHigherForAnOddFont) {
    struct TRow {
        TRect R;
        int TextHeight;
        bool Odd;
        int Expected;
    };
    const TRow rows[] = {
        {{5, 1, 204, 16}, 13, true, 1 + 1 - 1},  // the status panel's content, Tahoma 13
        {{5, 1, 204, 16}, 14, false, 1},
        {{3, 2, 198, 16}, 13, false, 2},
        {{0, 0, 10, 10}, 30, false, -10},  // taller than the rectangle: above its top
        {{0, 0, 0, 0}, 0, true, -1},
    };
    for (const TRow& r : rows) EXPECT_EQ(CentredTextTop(r.R, r.TextHeight, r.Odd), r.Expected) << r.TextHeight;
}

TEST(CaptionLayout, RunsAreAlignedLeftRightOrAroundTheTruncatedCentre) {
    const TRect r{3, 2, 198, 16};  // 195 wide
    EXPECT_EQ(AlignedLeft(r, 80, taLeftJustify), 3);
    EXPECT_EQ(AlignedLeft(r, 80, taRightJustify), 118);
    EXPECT_EQ(AlignedLeft(r, 80, taCenter), 3 + 97 - 40);
    EXPECT_EQ(AlignedLeft(r, 81, taCenter), 3 + 97 - 40);
    EXPECT_EQ(AlignedLeft(r, 300, taRightJustify), -102);  // wider: starts left of the rectangle
}

TEST(CaptionLayout, RollUpButtonAndCheckImageTakeTheEndsOfTheLine) {
    TbsCaptionLineInput in;
    in.Rect = {3, 2, 198, 16};
    in.RollUpButton = true;
    in.CheckImage = {13, 13};
    in.Text = {50, 13};
    in.Alignment = taRightJustify;
    const TbsCaptionLine line = LayoutCaptionLine(in);
    EXPECT_EQ(line.RollUpButton, Rect(186, 2, 198, 16));
    EXPECT_EQ(line.CheckImage, Rect(3, 2, 16, 15));  // (14 - 13) div 2 = 0 down
    EXPECT_EQ(line.TextClip, Rect(18, 2, 186, 16));
    EXPECT_EQ(line.Text, (TPoint{136, 2}));  // right-aligned against the button
    EXPECT_TRUE(line.Image.IsEmpty());
    EXPECT_TRUE(line.Frame.IsEmpty());

    in.RollUpButton = false;
    in.CheckImage = {};
    const TbsCaptionLine plain = LayoutCaptionLine(in);
    EXPECT_TRUE(plain.RollUpButton.IsEmpty());
    EXPECT_TRUE(plain.CheckImage.IsEmpty());
    EXPECT_EQ(plain.TextClip, in.Rect);
    EXPECT_EQ(plain.Text.X, 148);
}

TEST(CaptionLayout, ImageGoesBeforeTheTextOrAtTheLeftEdge) {
    TbsCaptionLineInput in;
    in.Rect = {0, 0, 200, 20};
    in.Image = {16, 10};
    in.Spacing = 4;
    in.Text = {60, 13};
    in.Alignment = taCenter;
    // Image and text centred as one run of 80 pixels.
    TbsCaptionLine line = LayoutCaptionLine(in);
    EXPECT_EQ(line.Image, Rect(60, 5, 76, 15));
    EXPECT_EQ(line.Text, (TPoint{80, 3}));

    in.Alignment = taLeftJustify;
    line = LayoutCaptionLine(in);
    EXPECT_EQ(line.Image, Rect(0, 5, 16, 15));
    EXPECT_EQ(line.Text.X, 20);

    // bsipLeft: the image at the left edge + 2, the text centred in the rest.
    in.ImageAtLeft = true;
    in.Alignment = taCenter;
    line = LayoutCaptionLine(in);
    EXPECT_EQ(line.Image, Rect(2, 5, 18, 15));
    EXPECT_EQ(line.Text.X, 22 + 178 / 2 - 30);

    // An image with no size is no image.
    in.Image = {0, 10};
    in.ImageAtLeft = false;
    line = LayoutCaptionLine(in);
    EXPECT_TRUE(line.Image.IsEmpty());
    EXPECT_EQ(line.Text.X, 70);
}

TEST(CaptionLayout, FrameSpansTheTextAndItsMarginsAtTheCaptionTop) {
    TbsCaptionLineInput in;
    in.Rect = {3, 2, 198, 16};
    in.Text = {50, 13};
    in.Alignment = taCenter;
    in.Frame = {30, 18};
    in.FrameLeftMargin = 6;
    in.FrameRightMargin = 8;
    const TbsCaptionLine line = LayoutCaptionLine(in);
    EXPECT_EQ(line.Text.X, 75);
    EXPECT_EQ(line.Frame, Rect(69, 2, 133, 20));
    in.Text = {};  // no caption, no frame
    EXPECT_TRUE(LayoutCaptionLine(in).Frame.IsEmpty());
}

TEST(CaptionLayout, AutoSizeCountsTheImageAndItsGap) {
    EXPECT_EQ(AutoSizeDelta(250, 0, 199), 51);
    EXPECT_EQ(AutoSizeDelta(250, 16, 199), 70);
    EXPECT_EQ(AutoSizeDelta(40, 0, 199), -159);  // narrower text: the label shrinks
    EXPECT_EQ(AutoSizeDelta(0, 0, 0), 0);
}

TEST(CaptionLayout, RolledUpHeightKeepsTheCaptionBand) {
    struct TRow {
        bool Bound;
        int Mode, Top, Bottom, CaptionBottom, DefaultCaption, Current, Expected;
    };
    const TRow rows[] = {
        {false, bsrmNoSkin, 0, 0, 0, 22, 113, 22},      // the plain band
        {true, bsrmNinePart, 19, 5, 16, 22, 113, 24},   // the group box's top and bottom strips
        {true, bsrmNinePart, 4, 4, 16, 22, 113, 20},    // a caption lower than the top strip
        {true, bsrmHorizontal, 4, 4, 16, 22, 21, 21},   // a fixed-height skin keeps its height
        {false, bsrmNoSkin, 0, 0, 0, 22, 10, 10},       // never taller than now
        {true, bsrmNinePart, 19, -3, 16, 22, 113, 19},  // a bottom strip of a broken record counts 0
        {false, bsrmNoSkin, 0, 0, 0, -5, 50, 0},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(RolledUpHeight(r.Bound, r.Mode, r.Top, r.Bottom, r.CaptionBottom, r.DefaultCaption, r.Current),
                  r.Expected)
            << r.Mode << " " << r.Top << " " << r.Current;
}

}  // namespace
