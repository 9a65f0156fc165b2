// The skinned gauge on a real window: the value kept within its bounds and
// painted only when it changes, the fill composed from the built-in skin's
// "gauge" record through WM_PRINTCLIENT, the plain drawing, the progress
// text, the progress animation driven by its timer handler, and the layout
// properties.
#include "skin/controls/SkinGauge.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/paint/Composition.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"

namespace {

// Zevrak's "gauge": skinrect 125,120,174,139 (49 x 19, ends 5 and 6, tiled),
// progressarea 3,3,46,16, progressrect 125,142,153,155 with 2-pixel caps,
// picture 3.
constexpr TRect kSkinRect{125, 120, 174, 139};
constexpr TRect kProgressRect{125, 142, 153, 155};
constexpr int kCaps = 2;

// Counts the invalidations a gauge asks for.
class TCountingGauge : public TbsSkinGauge {
public:
    using TbsSkinGauge::TbsSkinGauge;
    void Invalidate() override {
        ++Invalidations;
        TbsSkinGauge::Invalidate();
    }
    int Invalidations = 0;
};

std::uint32_t SysPixel(int index) {
    const COLORREF c = GetSysColor(index);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

class SkinGauge : public TSkinControlFixture {
protected:
    // The table window's gauge: 178 x 20 in the layout, 0..100, bound when asked.
    TCountingGauge* AddGauge(bool bound, int width = 178, int height = 20) {
        auto* gauge = new TCountingGauge(Form.get());
        gauge->SetParent(Form.get());
        gauge->SetBounds(10, 10, width, height);
        gauge->SetValue(0);
        if (bound) gauge->SetSkinData(Manager);
        return gauge;
    }
    // The background of a W-wide gauge: the skin rectangle's three parts, the middle tiled.
    void ComposeBackground(int W, TbsBitmap& background) const {
        CreateHSkinImage(5, 6, background, false, W, kSkinRect, Picture);
    }
};

TEST_F(SkinGauge, ValueStaysWithinTheBoundsAndRepaintsOnlyWhenItChanges) {
    auto* gauge = AddGauge(false);
    gauge->Invalidations = 0;
    gauge->SetValue(104);
    EXPECT_EQ(gauge->GetValue(), 100);
    EXPECT_EQ(gauge->Invalidations, 1);
    gauge->SetValue(100);  // the stored value again
    gauge->SetValue(130);  // clamps to the stored value
    EXPECT_EQ(gauge->Invalidations, 1);
    gauge->SetValue(-5);
    EXPECT_EQ(gauge->GetValue(), 0);
    EXPECT_EQ(gauge->Invalidations, 2);

    // The game's steps of 4 reach 100 after 25 ticks and stay there.
    for (int tick = 0; tick < 30; ++tick) gauge->SetValue(gauge->GetValue() + 4);
    EXPECT_EQ(gauge->GetValue(), 100);
    EXPECT_EQ(gauge->Invalidations, 2 + 25);

    gauge->SetValue(60);
    gauge->SetMaxValue(40);
    EXPECT_EQ(gauge->GetValue(), 40);
    gauge->SetMinValue(45);
    EXPECT_EQ(gauge->GetMinValue(), 45);
    EXPECT_EQ(gauge->GetValue(), 40);  // raised to 45, then held at the maximum 40
    gauge->SetMaxValue(90);
    gauge->SetMinValue(50);
    EXPECT_EQ(gauge->GetValue(), 50);
}

TEST_F(SkinGauge, ZevrakGaugeTakesHeight19AndFills86PixelsAtHalf) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    EXPECT_EQ(gauge->GetWidth(), 178);
    EXPECT_EQ(gauge->GetHeight(), 19);
    EXPECT_EQ(gauge->SizedProgressArea(), Rect(3, 3, 175, 16));
    gauge->SetValue(50);
    EXPECT_EQ(gauge->FillRect(), Rect(3, 3, 89, 16));
}

// The fill: the start cap, the middle tiled from the progress picture less
// its caps, the end cap; the rest is the background composition.
TEST_F(SkinGauge, PaintedGaugeEqualsTheCompositionOfItsRecord) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    for (const int value : {50, 0, 100, 37}) {
        gauge->SetValue(value);
        const int fillWidth = 172 * value / 100;
        TbsBitmap background, printed;
        ComposeBackground(178, background);
        Print(*gauge, printed);
        ExpectPixels(
            printed,
            [&](int x, int y) {
                const int lx = x - 3, ly = y - 3;
                if (lx < 0 || lx >= fillWidth || ly < 0 || ly >= 13) return *background.PixelPtr(x, y);
                const int py = kProgressRect.Top + ly;
                if (lx < kCaps) return PicturePixel(kProgressRect.Left + lx, py);
                if (lx >= fillWidth - kCaps) return PicturePixel(kProgressRect.Right - (fillWidth - lx), py);
                const int tile = kProgressRect.Width() - 2 * kCaps;
                return PicturePixel(kProgressRect.Left + kCaps + (lx - kCaps) % tile, py);
            },
            TestName() + "." + std::to_string(value));
    }
}

TEST_F(SkinGauge, FillShorterThanItsCapsShowsOnlyTheCaps) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    gauge->SetValue(2);  // 3 pixels: the 2-pixel caps overlap, the end cap on top
    ASSERT_EQ(gauge->FillRect(), Rect(3, 3, 6, 16));
    TbsBitmap background, printed;
    ComposeBackground(178, background);
    Print(*gauge, printed);
    for (int y = 3; y < 16; ++y) {
        const int py = kProgressRect.Top + y - 3;
        EXPECT_EQ(Rgb(*printed.PixelPtr(3, y)), Rgb(PicturePixel(kProgressRect.Left, py))) << y;
        EXPECT_EQ(Rgb(*printed.PixelPtr(4, y)), Rgb(PicturePixel(kProgressRect.Right - 2, py))) << y;
        EXPECT_EQ(Rgb(*printed.PixelPtr(5, y)), Rgb(PicturePixel(kProgressRect.Right - 1, py))) << y;
        EXPECT_EQ(Rgb(*printed.PixelPtr(6, y)), Rgb(*background.PixelPtr(6, y))) << y;
    }
}

TEST_F(SkinGauge, PercentageIsDrawnInTheRecordsFontColourOverTheMiddle) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    gauge->SetValue(33);
    TbsBitmap plain, withText;
    Print(*gauge, plain);
    EXPECT_EQ(gauge->ProgressTextToDraw(), "");
    gauge->SetShowPercent(true);
    EXPECT_EQ(gauge->ProgressTextToDraw(), "33%");
    Print(*gauge, withText);
    // Only pixels near the centre change, some of them to the white "fontcolor".
    int changed = 0, white = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 178; ++x) {
            if (Rgb(*withText.PixelPtr(x, y)) == Rgb(*plain.PixelPtr(x, y))) continue;
            ++changed;
            white += Rgb(*withText.PixelPtr(x, y)) == 0xFFFFFFu;
            EXPECT_GT(x, 60) << y;
            EXPECT_LT(x, 118) << y;
        }
    EXPECT_GT(changed, 20);
    EXPECT_GT(white, 10);
}

TEST_F(SkinGauge, OnGaugePaintReplacesTheFillAndEraseFromOutsidePaintsTheGauge) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    gauge->SetValue(50);
    gauge->SetShowPercent(true);
    TbsBitmap drawn, erased, background;
    Print(*gauge, drawn);
    // Erasing into a context outside the gauge's own paint paints it there.
    FillCanvas(erased, 178, 19);
    SendMessageA(gauge->GetHandle(), WM_ERASEBKGND, WPARAM(erased.DC()), 0);
    GdiFlush();
    ExpectPixels(erased, [&](int x, int y) { return *drawn.PixelPtr(x, y); }, TestName() + ".erased");

    TRect area, fill;
    gauge->OnGaugePaint = [&](TbsSkinGauge*, TCanvas&, const TRect& a, const TRect& f) {
        area = a;
        fill = f;
    };
    Print(*gauge, drawn);
    EXPECT_EQ(area, Rect(3, 3, 175, 16));
    EXPECT_EQ(fill, Rect(3, 3, 89, 16));
    // Neither the fill nor the text: the background alone.
    ComposeBackground(178, background);
    ExpectPixels(drawn, [&](int x, int y) { return *background.PixelPtr(x, y); }, TestName() + ".replaced");
}

TEST_F(SkinGauge, UnboundGaugeDrawsFrameWindowColourAndPlainFill) {
    auto* gauge = AddGauge(false, 100, 20);
    gauge->SetValue(50);  // 49 of the inner 98 pixels
    TbsBitmap printed;
    Print(*gauge, printed);
    const std::uint32_t shadow = SysPixel(COLOR_BTNSHADOW), window = SysPixel(COLOR_WINDOW);
    const std::uint32_t fill = MakePixel(0xB6, 0xBD, 0xD2);
    ExpectPixels(
        printed,
        [&](int x, int y) {
            if (x == 0 || y == 0 || x == 99 || y == 19) return shadow;
            return x < 50 ? fill : window;
        },
        TestName());

    // Vertical: the fill rises from the bottom.
    gauge->SetVertical(true);
    gauge->SetBounds(10, 10, 20, 100);
    Print(*gauge, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 98)), Rgb(fill));
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 50)), Rgb(fill));
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 49)), Rgb(window));
}

TEST_F(SkinGauge, EqualBoundsFillNothingAndShowZeroPercent) {
    auto* gauge = AddGauge(false, 100, 20);
    gauge->SetMinValue(30);
    gauge->SetMaxValue(30);
    gauge->SetShowPercent(true);
    EXPECT_EQ(gauge->GetValue(), 30);
    EXPECT_EQ(gauge->ProgressTextToDraw(), "0%");
    TbsBitmap printed;
    Print(*gauge, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(2, 2)), Rgb(SysPixel(COLOR_WINDOW)));
}

TEST_F(SkinGauge, ProgressAnimationAlternatesRunsAndPausesOnItsTimers) {
    LoadZevrak();
    auto* gauge = AddGauge(true);
    gauge->SetValue(50);
    HWND wnd = gauge->GetHandle();
    const auto tick = [&](TTimerIdValue id) { SendMessageA(wnd, WM_TIMER, id, 0); };

    gauge->SetProgressAnimationPause(-1);  // ignored
    EXPECT_EQ(gauge->GetProgressAnimationPause(), 3000);
    tick(tidGaugeAnimationFrame);  // idle: no timer of the gauge's runs
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);

    gauge->BeginProgressAnimation();
    ASSERT_TRUE(gauge->ProgressAnimating());
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    TbsBitmap still, framed;
    Print(*gauge, still);
    for (int frame = 1; frame <= 9; ++frame) {
        tick(tidGaugeAnimationFrame);
        EXPECT_EQ(gauge->GetAnimationFrame(), frame);
    }
    // A frame shown: the middle is the frame's slice stretched, the caps stay.
    Print(*gauge, framed);
    EXPECT_NE(Rgb(*framed.PixelPtr(40, 9)), Rgb(*still.PixelPtr(40, 9)));
    EXPECT_EQ(Rgb(*framed.PixelPtr(3, 9)), Rgb(*still.PixelPtr(3, 9)));

    tick(tidGaugeAnimationFrame);  // past the last frame: the pause
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    tick(tidGaugeAnimationFrame);  // the frame timer stopped with the pause
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    tick(tidGaugeAnimationPause);  // the pause ends: a new run
    tick(tidGaugeAnimationFrame);
    EXPECT_EQ(gauge->GetAnimationFrame(), 1);

    // A skin change keeps a running animation running, from a new run.
    Manager->LoadCompressedStoredSkin(Stored);
    EXPECT_TRUE(gauge->ProgressAnimating());
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    tick(tidGaugeAnimationFrame);
    EXPECT_EQ(gauge->GetAnimationFrame(), 1);

    gauge->EndProgressAnimation();
    EXPECT_FALSE(gauge->ProgressAnimating());
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    tick(tidGaugeAnimationFrame);
    tick(tidGaugeAnimationPause);
    EXPECT_EQ(gauge->GetAnimationFrame(), 0);
    Print(*gauge, framed);
    EXPECT_EQ(Rgb(*framed.PixelPtr(40, 9)), Rgb(*still.PixelPtr(40, 9)));
}

TEST_F(SkinGauge, AnimationNeedsARecordWithAnimationFrames) {
    auto* unbound = AddGauge(false);
    unbound->BeginProgressAnimation();
    EXPECT_FALSE(unbound->ProgressAnimating());
    LoadZevrak();
    auto* other = AddGauge(true);
    other->SetSkinDataName("button");  // a record without progress frames
    other->BeginProgressAnimation();
    EXPECT_FALSE(other->ProgressAnimating());
}

TEST_F(SkinGauge, WithoutUseSkinSizeTheSkinIsStretchedOverTheRequestedSize) {
    LoadZevrak();
    auto* gauge = AddGauge(false);
    gauge->SetUseSkinSize(false);
    gauge->SetSkinData(Manager);
    EXPECT_EQ(gauge->GetHeight(), 20);
    EXPECT_EQ(gauge->GetWidth(), 178);
    TbsBitmap printed;
    Print(*gauge, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), Rgb(PicturePixel(kSkinRect.Left, kSkinRect.Top)));
    EXPECT_EQ(Rgb(*printed.PixelPtr(177, 19)), Rgb(PicturePixel(kSkinRect.Right - 1, kSkinRect.Bottom - 1)));
}

TEST_F(SkinGauge, PaintingTextInBothDirectionsLeavesNoHandleBehind) {
    LoadZevrak();
    auto* bound = AddGauge(true);
    auto* vertical = AddGauge(false, 20, 100);
    for (auto* g : {bound, vertical}) {
        g->SetShowProgressText(true);
        g->SetProgressText("Dolum ");
        g->SetShowPercent(true);
        g->SetValue(57);
    }
    vertical->SetVertical(true);
    TbsBitmap printed;
    Print(*bound, printed);  // the shared picture cache fills once
    Print(*vertical, printed);
    const long fonts = LiveHandleCount(THandleKind::Font), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc);
    for (int i = 0; i < 5; ++i) {
        Print(*bound, printed);
        Print(*vertical, printed);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    // The turned text is drawn: the plain vertical gauge is no longer plain.
    TbsBitmap plain;
    vertical->SetShowPercent(false);
    vertical->SetShowProgressText(false);
    Print(*vertical, plain);
    Print(*vertical, printed);
    vertical->SetShowPercent(true);
    Print(*vertical, printed);
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 20; ++x) changed += Rgb(*printed.PixelPtr(x, y)) != Rgb(*plain.PixelPtr(x, y));
    EXPECT_GT(changed, 10);
}

TEST_F(SkinGauge, LayoutPropertiesReachTheGauge) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinGauge");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    LoadZevrak();
    auto* gauge = AddGauge(false);
    info->FindProperty("MaxValue")->SetValue(*gauge, TLayoutValue::OfInteger(80));
    info->FindProperty("Value")->SetValue(*gauge, TLayoutValue::OfInteger(95));
    info->FindProperty("ShowPercent")->SetValue(*gauge, TLayoutValue::OfBool(true));
    info->FindProperty("ShowProgressText")->SetValue(*gauge, TLayoutValue::OfBool(true));
    info->FindProperty("ProgressText")->SetValue(*gauge, TLayoutValue::OfString("Hiz "));
    info->FindProperty("ProgressAnimationPause")->SetValue(*gauge, TLayoutValue::OfInteger(1500));
    info->FindProperty("Vertical")->SetValue(*gauge, TLayoutValue::OfBool(true));
    info->FindProperty("UseSkinSize")->SetValue(*gauge, TLayoutValue::OfBool(false));
    info->FindProperty("SkinData")->SetReference(*gauge, Manager);
    EXPECT_EQ(gauge->GetMaxValue(), 80);
    EXPECT_EQ(gauge->GetValue(), 80);
    EXPECT_EQ(gauge->ProgressTextToDraw(), "Hiz 100%");
    EXPECT_EQ(gauge->GetProgressAnimationPause(), 1500);
    EXPECT_FALSE(gauge->GetUseSkinSize());
    EXPECT_FALSE(gauge->GetVertical());  // the bound record's "vertical" wins
    EXPECT_NE(info->FindProperty("DefaultFont.Name"), nullptr);

    // A new gauge's defaults.
    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* fresh = dynamic_cast<TbsSkinGauge*>(made.get());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetSkinDataName(), "gauge");
    EXPECT_EQ(fresh->GetValue(), 50);
    EXPECT_EQ(fresh->GetWidth(), 100);
    EXPECT_EQ(fresh->GetHeight(), 20);
    EXPECT_TRUE(fresh->GetUseSkinSize());
}

}  // namespace
