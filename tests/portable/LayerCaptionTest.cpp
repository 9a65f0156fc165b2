// The caption of a full border: where the caption objects go in the top
// strip as it grows with the form, and how their pictures and text are laid
// over the strip with their alpha.
#include <gtest/gtest.h>

#include <vector>

#include "skin/form/portable/LayerCaptionGeometry.h"
#include "skin/paint/portable/AlphaCompose.h"

namespace {

// A 180-pixel layer picture: buttons right of its middle, the system-menu
// button and the caption left of it.
TbsLayerCaptionMetrics Metrics() {
    TbsLayerCaptionMetrics m;
    m.PictureWidth = 180;
    m.ButtonsRect = TRect{100, 14, 164, 34};
    m.SysMenuButtonRect = TRect{14, 14, 34, 34};
    m.CaptionRect = TRect{36, 14, 120, 34};
    m.ButtonsTopOffset = 1;
    m.SysButtonTopOffset = 2;
    m.ButtonsOffset = 2;
    return m;
}

TbsLayerCaptionItem Button(TbsStdCommand command, int w = 20, int h = 20) {
    TbsLayerCaptionItem item;
    item.Command = command;
    item.Size = {w, h};
    return item;
}

TbsLayerCaptionItem CaptionItem() {
    TbsLayerCaptionItem item;
    item.Caption = true;
    return item;
}

TEST(LayerCaptionGeometry, PlacesRightOfThePicturesMiddleMoveWithTheStrip) {
    EXPECT_EQ(LayerBandRect(TRect{100, 14, 164, 34}, 180, 430), (TRect{350, 14, 414, 34}));
    EXPECT_EQ(LayerBandRect(TRect{90, 14, 164, 34}, 180, 430), (TRect{90, 14, 164, 34})) << "the middle itself stays";
    EXPECT_EQ(LayerBandRect(TRect{14, 14, 34, 34}, 180, 430), (TRect{14, 14, 34, 34}));
    EXPECT_EQ(LayerBandRect(TRect{}, 180, 430), TRect{}) << "no place stays none";
    EXPECT_EQ(LayerBandRect(TRect{100, 14, 164, 34}, 180, 150), (TRect{70, 14, 134, 34})) << "a narrower strip";
}

TEST(LayerCaptionGeometry, ButtonsRunRightToLeftCloseFirstAndCutTheCaption) {
    // In the skin's order, as records come: the row still starts with close.
    std::vector<TbsLayerCaptionItem> items = {Button(cmMaximize), Button(cmMinimize), Button(cmSysMenu),
                                              Button(cmClose, 24, 18), CaptionItem(), Button(cmDefault, 10, 10)};
    ArrangeLayerCaptionObjects(Metrics(), 430, items);
    const int right = 164 + 250;
    EXPECT_EQ(items[3].Rect, (TRect{right - 24, 15, right, 33})) << "close";
    EXPECT_EQ(items[0].Rect, (TRect{right - 46, 15, right - 26, 35})) << "maximise";
    EXPECT_EQ(items[1].Rect, (TRect{right - 68, 15, right - 48, 35})) << "minimise";
    EXPECT_EQ(items[5].Rect, (TRect{right - 80, 15, right - 70, 25})) << "a custom button after them";
    EXPECT_EQ(items[2].Rect, (TRect{14, 16, 34, 36})) << "the system menu in its own place";
    // The caption widens by 250 to 370 and ends where the custom button begins.
    EXPECT_EQ(items[4].Rect, (TRect{36, 14, right - 80, 34}));
}

TEST(LayerCaptionGeometry, HiddenObjectsAndMissingPlacesGetNoRectangle) {
    TbsLayerCaptionMetrics m = Metrics();
    m.SysMenuButtonRect = TRect{};
    std::vector<TbsLayerCaptionItem> items = {Button(cmClose), Button(cmMaximize), Button(cmSysMenu), CaptionItem()};
    items[1].Visible = false;
    ArrangeLayerCaptionObjects(m, 180, items);
    EXPECT_EQ(items[0].Rect, (TRect{144, 15, 164, 35}));
    EXPECT_TRUE(items[1].Rect.IsEmpty()) << "hidden: no gap either";
    EXPECT_TRUE(items[2].Rect.IsEmpty()) << "no place for it";
    EXPECT_EQ(items[3].Rect, (TRect{36, 14, 120, 34})) << "the close button lies beyond the caption";

    // The system-menu button inside the caption's place cuts it from the left.
    m.SysMenuButtonRect = TRect{36, 14, 56, 34};
    m.SysButtonTopOffset = 0;
    ArrangeLayerCaptionObjects(m, 180, items);
    EXPECT_EQ(items[3].Rect.Left, 56);

    // A strip so narrow that the buttons cover the whole caption.
    m.CaptionRect = TRect{100, 14, 130, 34};
    m.SysMenuButtonRect = TRect{};
    std::vector<TbsLayerCaptionItem> crowded = {Button(cmClose, 40, 20), CaptionItem()};
    ArrangeLayerCaptionObjects(m, 150, crowded);
    EXPECT_EQ(crowded[0].Rect, (TRect{94, 15, 134, 35}));
    EXPECT_EQ(crowded[1].Rect.Width(), 0);
    EXPECT_FALSE(crowded[1].Rect.Right < crowded[1].Rect.Left);
}

TEST(AlphaCompose, PremultipliedOverKeepsOpaqueAndClearAndBlendsTheRest) {
    TPixelBuffer target(3, 2, MakePixel(200, 100, 0, 255));
    target.At(2, 1) = 0;  // clear
    TPixelBuffer source(3, 2, 0u);
    source.At(0, 0) = MakePixel(10, 20, 30, 255);   // opaque: replaces
    source.At(1, 0) = 0;                             // clear: keeps
    source.At(2, 0) = MakePixel(64, 0, 32, 128);     // half: s + d * 127 / 255
    source.At(2, 1) = MakePixel(64, 0, 32, 128);     // over clear: itself
    ComposeOver(ViewOf(target), 0, 0, ViewOf(source));
    EXPECT_EQ(target.At(0, 0), MakePixel(10, 20, 30, 255));
    EXPECT_EQ(target.At(1, 0), MakePixel(200, 100, 0, 255));
    EXPECT_EQ(target.At(2, 0), MakePixel(64 + 100, 50, 32, 255));
    EXPECT_EQ(target.At(2, 1), MakePixel(64, 0, 32, 128));
}

TEST(AlphaCompose, ASourceReachingOutsideTheTargetIsCut) {
    TPixelBuffer target(2, 2, 0u);
    TPixelBuffer source(3, 3, MakePixel(1, 2, 3, 255));
    ComposeOver(ViewOf(target), 1, -1, ViewOf(source));
    EXPECT_EQ(target.At(0, 0), 0u);
    EXPECT_EQ(target.At(1, 0), MakePixel(1, 2, 3, 255));
    EXPECT_EQ(target.At(1, 1), MakePixel(1, 2, 3, 255));
    ComposeOver(ViewOf(target), -5, 7, ViewOf(source));  // wholly outside
    EXPECT_EQ(target.At(0, 1), 0u);
}

TEST(AlphaCompose, DrawingOverBlackAndWhiteGivesColourAndCoverage) {
    // Red text: fully covered, half covered, not covered.
    TPixelBuffer black(3, 1, 0u), white(3, 1, 0u);
    black.At(0, 0) = MakePixel(255, 0, 0, 0);
    white.At(0, 0) = MakePixel(255, 0, 0, 0);
    black.At(1, 0) = MakePixel(128, 0, 0, 0);
    white.At(1, 0) = MakePixel(255, 127, 127, 0);
    black.At(2, 0) = MakePixel(0, 0, 0, 0);
    white.At(2, 0) = MakePixel(255, 255, 255, 0);
    MatteFromBlackAndWhite(ViewOf(black), ViewOf(white));
    EXPECT_EQ(black.At(0, 0), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(black.At(1, 0), MakePixel(128, 0, 0, 128));
    EXPECT_EQ(black.At(2, 0), 0u);
    // The platform's rounding may leave a colour a little above the
    // coverage: never kept above the alpha.
    TPixelBuffer b(1, 1, MakePixel(200, 10, 10, 0)), w(1, 1, MakePixel(255, 200, 200, 0));
    MatteFromBlackAndWhite(ViewOf(b), ViewOf(w));
    EXPECT_LE(PixelR(b.At(0, 0)), PixelA(b.At(0, 0)));
}

TEST(AlphaCompose, AShapeGivesItsAlphaAndThePixelsArePremultiplied) {
    TPixelBuffer look(3, 1, MakePixel(200, 100, 50, 0));
    TPixelBuffer shape(2, 1, 0u);
    shape.At(0, 0) = MakePixel(0, 0, 0, 255);
    shape.At(1, 0) = MakePixel(0, 0, 0, 51);
    ApplyShapeAlpha(ViewOf(look), ViewOf(shape));
    EXPECT_EQ(look.At(0, 0), MakePixel(200, 100, 50, 255));
    EXPECT_EQ(look.At(1, 0), MakePixel(40, 20, 10, 51));
    EXPECT_EQ(look.At(2, 0), MakePixel(200, 100, 50, 255)) << "beyond the shape: opaque";
    TPixelBuffer plain(1, 1, MakePixel(9, 9, 9, 0));
    ApplyShapeAlpha(ViewOf(plain), TPixelView{});
    EXPECT_EQ(plain.At(0, 0), MakePixel(9, 9, 9, 255)) << "no shape: opaque";
}

}  // namespace
