// The skin button's decisions: the state image of each rule, the morph
// steps, animation slices, glyph cells, the glow geometry and the record's
// fallbacks.
#include "skin/controls/portable/ButtonLogic.h"

#include <gtest/gtest.h>

#include "skin/paint/portable/SkinGeometry.h"

namespace {

TbsButtonState Normal() { return TbsButtonState{}; }

TEST(ButtonLogic, StateImageTakesTheFirstRuleThatApplies) {
    struct TRow {
        const char* Name;
        TbsButtonState State;
        TbsButtonImage Expected;
    };
    auto with = [](auto change) {
        TbsButtonState s = Normal();
        change(s);
        return s;
    };
    const TRow rows[] = {
        {"1 disabled", with([](auto& s) { s.Enabled = false; s.Down = true; s.MouseOver = true; }),
         {bsbrDisabled, false, false}},
        {"1 disabled without its rectangle falls through",
         with([](auto& s) { s.Enabled = false; s.HasDisabledRect = false; }), {bsbrSkin, false, false}},
        {"2 down and hot", with([](auto& s) { s.Down = true; s.MouseOver = true; }), {bsbrDown, true, true}},
        {"2 down and focused by the keyboard", with([](auto& s) { s.Down = true; s.Focused = true; }),
         {bsbrDown, true, true}},
        {"2 down group member, pointer away", with([](auto& s) { s.Down = true; s.GroupIndex = 1; }),
         {bsbrDown, true, true}},
        {"2 down but dragged out of: drawn up, focused",
         with([](auto& s) { s.Down = true; s.Focused = true; s.PressedByMouse = true; }), {bsbrFocused, true, false}},
        {"2 down but dragged out of an unfocused button", with([](auto& s) { s.Down = true; s.PressedByMouse = true; }),
         {bsbrSkin, false, false}},
        {"3 focused", with([](auto& s) { s.Focused = true; s.MouseOver = true; }), {bsbrFocused, true, false}},
        {"3 focused, but the frame animation runs",
         with([](auto& s) { s.Focused = true; s.FrameAnimating = true; }), {bsbrActive, true, false}},
        {"4 focused without a focused rectangle", with([](auto& s) { s.Focused = true; s.HasFocusedRect = false; }),
         {bsbrActive, true, false}},
        {"focus does not count for an unfocusable button", with([](auto& s) { s.Focused = true; s.CanFocused = false; }),
         {bsbrSkin, false, false}},
        {"5 hot", with([](auto& s) { s.MouseOver = true; }), {bsbrActive, true, false}},
        {"6 morph ended at 1", with([](auto& s) { s.MorphActive = true; s.MorphValue = 1; }), {bsbrActive, true, false}},
        {"6 needs the morph active", with([](auto& s) { s.MorphValue = 1; }), {bsbrSkin, false, false}},
        {"7 normal", Normal(), {bsbrSkin, false, false}},
    };
    for (const TRow& r : rows) EXPECT_EQ(ChooseButtonImage(r.State), r.Expected) << r.Name;
}

TEST(ButtonLogic, BlendsOnlyStrictlyBetweenTheEndsWhileEnabled) {
    TbsButtonState s = Normal();
    s.MorphActive = true;
    for (double v : {0.2, 0.4, 0.6, 0.8}) {
        s.MorphValue = v;
        EXPECT_TRUE(ButtonMorphBlends(s)) << v;
    }
    for (double v : {0.0, 1.0}) {
        s.MorphValue = v;
        EXPECT_FALSE(ButtonMorphBlends(s)) << v;
    }
    s.MorphValue = 0.4;
    s.Enabled = false;
    EXPECT_FALSE(ButtonMorphBlends(s));
    s.Enabled = true;
    s.MorphActive = false;
    EXPECT_FALSE(ButtonMorphBlends(s));
}

TEST(ButtonLogic, MorphReachesExactlyOneInFiveTicksAndStopsOnTheSixth) {
    double v = 0;
    for (int tick = 1; tick <= 5; ++tick) {
        const TbsMorphStep step = StepButtonMorph(v, true);
        EXPECT_FALSE(step.Stop) << tick;
        EXPECT_DOUBLE_EQ(step.Value, tick * 0.2) << tick;
        v = step.Value;
    }
    EXPECT_EQ(v, 1.0);
    EXPECT_EQ(StepButtonMorph(v, true), (TbsMorphStep{1.0, true}));
}

TEST(ButtonLogic, MorphFallsBackToExactlyZeroWithoutDrift) {
    double v = 1;
    for (int tick = 1; tick <= 5; ++tick) {
        const TbsMorphStep step = StepButtonMorph(v, false);
        EXPECT_FALSE(step.Stop) << tick;
        v = step.Value;
        EXPECT_GE(v, 0.0);
    }
    EXPECT_EQ(v, 0.0) << "five steps of 0.2 down land on 0, not 5.6e-17";
    EXPECT_EQ(StepButtonMorph(v, false), (TbsMorphStep{0.0, true}));
    // Turning round halfway goes back by the same steps.
    EXPECT_DOUBLE_EQ(StepButtonMorph(0.6, false).Value, 0.4);
    EXPECT_DOUBLE_EQ(StepButtonMorph(0.4, true).Value, 0.6);
}

TEST(ButtonLogic, AnimationFramesAreEqualSlicesAlongTheLongerSide) {
    const TRect skin = Rect(4, 4, 60, 29);  // 56 x 25
    struct TRow {
        TRect Strip;
        int Frame, Count;
        TRect Expected;
    };
    const TRow rows[] = {
        {Rect(0, 100, 224, 125), 1, 4, Rect(0, 100, 56, 125)},   // wider than the skin: across
        {Rect(0, 100, 224, 125), 4, 4, Rect(168, 100, 224, 125)},
        {Rect(0, 100, 56, 200), 1, 4, Rect(0, 100, 56, 125)},    // as wide: downwards
        {Rect(0, 100, 56, 200), 3, 4, Rect(0, 150, 56, 175)},
        {Rect(0, 100, 224, 125), 0, 4, TRect{}},                  // frame outside 1..count
        {Rect(0, 100, 224, 125), 5, 4, TRect{}},
        {Rect(0, 100, 224, 125), 1, 0, TRect{}},                  // no frames: no division by 0
        {TRect{}, 1, 4, TRect{}},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(ButtonAnimationFrame(r.Strip, skin, r.Frame, r.Count), r.Expected) << r.Frame << "/" << r.Count;
}

TEST(ButtonLogic, GlyphCellFollowsStateAndCellCount) {
    struct TRow {
        bool Active, Down, Enabled;
        int NumGlyphs, Expected;
    };
    const TRow rows[] = {
        {false, false, true, 1, 1},  {false, false, false, 1, 1},  // one cell serves every state
        {false, false, false, 2, 2}, {false, false, true, 2, 1},   // disabled cell
        {true, true, true, 3, 3},    {true, true, true, 2, 1},     // down cell needs three
        {true, false, true, 4, 4},   {true, false, true, 3, 1},    // hot cell needs four
        {true, true, true, 4, 3},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(ButtonGlyphCell(r.Active, r.Down, r.Enabled, r.NumGlyphs), r.Expected)
            << r.Active << r.Down << r.Enabled << r.NumGlyphs;
}

TEST(ButtonLogic, GlowGrowsByResizeModeAndSitsAtTheShowOffsets) {
    TbsButtonSkin skin;
    skin.GlowOffsetLeft = 10;
    skin.GlowOffsetRight = 12;
    skin.GlowOffsetTop = 6;
    skin.GlowOffsetBottom = 7;
    skin.GlowShowOffsetX = 5;
    skin.GlowShowOffsetY = 4;
    const TPoint origin = Point(100, 200);
    EXPECT_EQ(ButtonGlowGeometry(skin, bsrmFixed, true, 66, 35, 20, 3, origin),
              (TbsGlowGeometry{bsgsAsIs, 66, 35, Point(95, 196)}));
    EXPECT_EQ(ButtonGlowGeometry(skin, bsrmHorizontal, true, 66, 35, 20, 0, origin),
              (TbsGlowGeometry{bsgsHorizontal, 86, 35, Point(95, 196)}));
    EXPECT_EQ(ButtonGlowGeometry(skin, bsrmHorizontal, false, 66, 35, 20, 0, origin),
              (TbsGlowGeometry{bsgsAsIs, 66, 35, Point(95, 196)}));
    EXPECT_EQ(ButtonGlowGeometry(skin, bsrmNinePart, true, 66, 35, 20, 10, origin),
              (TbsGlowGeometry{bsgsNinePart, 86, 45, Point(95, 196)}));
    // Much narrower than the skin: the fixed ends still fit.
    EXPECT_EQ(ButtonGlowGeometry(skin, bsrmNinePart, true, 66, 35, -60, -40, origin),
              (TbsGlowGeometry{bsgsNinePart, 22, 13, Point(95, 196)}));
}

TEST(ButtonLogic, RecordFallbacksFillEmptyRectanglesAndAnInvisibleDisabledColour) {
    TbsDataSkinButtonControl record("button");
    record.SkinRect = Rect(4, 4, 60, 29);
    record.Font.Color = 14408408;
    record.DisabledFontColor = 14408408;
    TbsButtonSkin s = ButtonSkinOf(record);
    EXPECT_EQ(s.ActiveSkinRect, record.SkinRect);
    EXPECT_EQ(s.DownSkinRect, record.SkinRect);
    EXPECT_EQ(s.DisabledFontColor, kButtonDisabledGrey);
    EXPECT_TRUE(s.DisabledSkinRect.IsEmpty()) << "no fallback: a disabled button then draws its normal image";

    record.ActiveSkinRect = Rect(4, 31, 60, 56);
    record.DisabledFontColor = 6315098;
    s = ButtonSkinOf(record);
    EXPECT_EQ(s.ActiveSkinRect, record.ActiveSkinRect);
    EXPECT_EQ(s.DownSkinRect, record.ActiveSkinRect) << "the down image falls back to the active one";
    EXPECT_EQ(s.DisabledFontColor, 6315098);
    record.DownSkinRect = Rect(4, 58, 60, 83);
    EXPECT_EQ(ButtonSkinOf(record).DownSkinRect, record.DownSkinRect);
}

}  // namespace
