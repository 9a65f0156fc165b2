// The form's window-state plans, caption double click, first placement,
// fade-in steps and magnetic edges.
#include <gtest/gtest.h>

#include "skin/form/portable/FormBehaviour.h"

namespace {

using S = TbsFormState;
using Step = TbsStateStep;

TEST(FormStatePlan, TransitionsFollowTheStateTheFormIsIn) {
    struct Row {
        TbsFormStateFacts Facts;
        S Requested;
        std::vector<Step> Steps;
        S NewReal;
    };
    const Row rows[] = {
        {{S::Normal}, S::Normal, {}, S::Normal},
        {{S::Normal}, S::Minimized, {Step::Minimize}, S::Minimized},
        {{S::Normal}, S::Maximized, {Step::Maximize}, S::Maximized},
        {{S::Minimized}, S::Normal, {Step::Restore}, S::Normal},
        {{S::Maximized}, S::Normal, {Step::Restore}, S::Normal},
        {{S::Minimized}, S::Maximized, {Step::Maximize}, S::Maximized},
        {{S::Maximized}, S::Minimized, {Step::Minimize}, S::Minimized},
        {{S::Maximized}, S::Maximized, {}, S::Maximized},
        // The main form minimises the application and keeps its own state.
        {{S::Normal, true}, S::Minimized, {Step::Minimize}, S::Normal},
        {{S::Maximized, true}, S::Minimized, {Step::Minimize}, S::Maximized},
        // Rolled up only while maximised: unrolled on the way back.
        {{S::Maximized, false, true, true, false}, S::Normal, {Step::Unroll, Step::Restore}, S::Normal},
        // Rolled up before maximising: stays rolled up.
        {{S::Maximized, false, true, true, true}, S::Normal, {Step::Restore}, S::Normal},
    };
    for (const Row& row : rows) {
        const TbsStatePlan plan = PlanWindowState(row.Facts, row.Requested);
        EXPECT_EQ(plan.Steps, row.Steps) << int(row.Facts.Real) << " -> " << int(row.Requested);
        EXPECT_EQ(plan.NewReal, row.NewReal) << int(row.Facts.Real) << " -> " << int(row.Requested);
    }
}

TEST(FormStatePlan, RollUpAndDoubleClickRules) {
    EXPECT_TRUE(RollUpAllowed(true, {S::Normal}));
    EXPECT_FALSE(RollUpAllowed(false, {S::Normal})) << "no roll-up button";
    EXPECT_FALSE(RollUpAllowed(true, {S::Minimized}));
    EXPECT_TRUE(RollUpAllowed(true, {S::Maximized, false, true, true, false}));
    EXPECT_FALSE(RollUpAllowed(true, {S::Maximized, false, true, false, true}))
        << "rolled up before maximising: only a restore unrolls it";

    using A = TbsDoubleClickAction;
    // The table window: single border, not resizable: always the roll-up.
    EXPECT_EQ(CaptionDoubleClickAction(false, false, {S::Normal}), A::ToggleRollUp);
    EXPECT_EQ(CaptionDoubleClickAction(false, true, {S::Normal, false, true}), A::ToggleRollUp);
    EXPECT_EQ(CaptionDoubleClickAction(true, true, {S::Minimized}), A::Restore);
    EXPECT_EQ(CaptionDoubleClickAction(true, true, {S::Normal}), A::Maximize);
    EXPECT_EQ(CaptionDoubleClickAction(true, false, {S::Normal}), A::ToggleRollUp) << "no maximise button";
    EXPECT_EQ(CaptionDoubleClickAction(true, true, {S::Normal, false, true}), A::ToggleRollUp);
    EXPECT_EQ(CaptionDoubleClickAction(true, true, {S::Maximized}), A::Restore);
    EXPECT_EQ(CaptionDoubleClickAction(true, true, {S::Maximized, false, true, true}), A::ToggleRollUp);
}

TEST(FormPlacement, DefaultKeepsThePositionCentringRoundsTowardZero) {
    const TRect monitor{0, 0, 1280, 1024};
    const TRect work{0, 0, 1280, 994};
    const TRect form = Bounds(70, 90, 777, 333);
    EXPECT_EQ(FirstPlacement(TbsPositionInMonitor::bspDefault, monitor, work, form), (TPoint{70, 90}));
    EXPECT_EQ(FirstPlacement(TbsPositionInMonitor::bspScreenCenter, monitor, work, form), (TPoint{252, 346}));
    EXPECT_EQ(FirstPlacement(TbsPositionInMonitor::bspDesktopCenter, monitor, work, form), (TPoint{252, 331}));
    // A monitor left of the primary one, and a form larger than the area.
    const TRect left{-1024, 0, 0, 768};
    EXPECT_EQ(FirstPlacement(TbsPositionInMonitor::bspScreenCenter, left, left, Bounds(0, 0, 1101, 801)),
              (TPoint{-1024 + 512 - 550, 384 - 400}));
}

TEST(FormFade, StepsOfAFifteenthEndAtTheTarget) {
    EXPECT_EQ(FormFadeTarget(true, 200), 200);
    EXPECT_EQ(FormFadeTarget(false, 200), 255) << "an animation alone ends opaque";
    EXPECT_EQ(FormFadeTarget(true, 300), 255);
    const std::vector<int> steps = FormFadeSteps(200);
    ASSERT_EQ(steps.size(), 17u);
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) EXPECT_EQ(steps[i], int(i) * 13);
    EXPECT_EQ(steps.back(), 200);
    EXPECT_EQ(FormFadeSteps(255).size(), 16u) << "0 and fifteen steps of 17";
    EXPECT_EQ(FormFadeSteps(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << "a step of at least 1";
    EXPECT_EQ(FormFadeSteps(0), (std::vector<int>{0}));
}

TEST(MagneticSnap, EdgeSticksWithinTheSizeAndLetsGoAfterThePointerMovesFurther) {
    const TRect area{0, 0, 1280, 994};
    TbsMagneticSnap snap;
    // Dragged left; the pointer holds the caption 100 pixels right of the left edge.
    EXPECT_EQ(snap.Snap(TPoint{40, 200}, 300, 200, area, TPoint{140, 210}, 5), (TPoint{40, 200}));
    EXPECT_FALSE(snap.LeftStuck());
    EXPECT_EQ(snap.Snap(TPoint{5, 200}, 300, 200, area, TPoint{105, 210}, 5), (TPoint{5, 200})) << "5 is not near";
    EXPECT_EQ(snap.Snap(TPoint{4, 200}, 300, 200, area, TPoint{104, 210}, 5), (TPoint{0, 200}));
    EXPECT_TRUE(snap.LeftStuck());
    // Stays while the pointer is within 5 of where the edge touched.
    EXPECT_EQ(snap.Snap(TPoint{9, 200}, 300, 200, area, TPoint{109, 210}, 5), (TPoint{0, 200}));
    EXPECT_EQ(snap.Snap(TPoint{-1, 200}, 300, 200, area, TPoint{99, 210}, 5), (TPoint{0, 200}));
    // Six pixels away it lets go and follows the pointer from the edge.
    EXPECT_EQ(snap.Snap(TPoint{10, 200}, 300, 200, area, TPoint{110, 210}, 5), (TPoint{6, 200}));
    EXPECT_FALSE(snap.LeftStuck());
    EXPECT_EQ(snap.Snap(TPoint{30, 200}, 300, 200, area, TPoint{130, 210}, 5), (TPoint{30, 200}));
}

TEST(MagneticSnap, RightAndBottomEdgesAndAnOutsetBorder) {
    const TRect area{0, 0, 1280, 994};
    TbsMagneticSnap snap;
    EXPECT_EQ(snap.Snap(TPoint{978, 692}, 300, 300, area, TPoint{1100, 700}, 5), (TPoint{980, 694}));
    EXPECT_TRUE(snap.RightStuck());
    EXPECT_TRUE(snap.BottomStuck());
    snap.Reset();
    EXPECT_FALSE(snap.RightStuck());
    // A border 14 wide on the left: the border's edge meets the area's.
    const TRect outset{14, 14, 16, 15};
    EXPECT_EQ(snap.Snap(TPoint{17, 300}, 300, 300, area, TPoint{200, 310}, 5, outset), (TPoint{14, 300}));
    EXPECT_EQ(snap.Snap(TPoint{11, 300}, 300, 300, area, TPoint{197, 310}, 5, outset), (TPoint{14, 300}))
        << "held by its border's edge, not the form's";
    EXPECT_EQ(snap.Snap(TPoint{8, 300}, 300, 300, area, TPoint{194, 310}, 5, outset), (TPoint{8, 300}))
        << "let go, it follows the pointer past the edge";
}

}  // namespace
