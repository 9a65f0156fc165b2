#include "skin/form/portable/FormBehaviour.h"

#include <algorithm>
#include <cstdlib>

#include "skin/paint/portable/LayerFade.h"

TbsStatePlan PlanWindowState(const TbsFormStateFacts& facts, TbsFormState requested) {
    TbsStatePlan plan;
    plan.NewReal = facts.Real;
    if (requested == facts.Real) return plan;
    if (!(requested == TbsFormState::Minimized && facts.MainForm)) plan.NewReal = requested;
    switch (requested) {
        case TbsFormState::Normal:
            // Rolled up only while maximised: down again on the way back.
            if (facts.Real == TbsFormState::Maximized && facts.MaxRolledUp && !facts.WasRolledUpOnMaximize)
                plan.Steps.push_back(TbsStateStep::Unroll);
            plan.Steps.push_back(TbsStateStep::Restore);
            break;
        case TbsFormState::Minimized: plan.Steps.push_back(TbsStateStep::Minimize); break;
        case TbsFormState::Maximized: plan.Steps.push_back(TbsStateStep::Maximize); break;
    }
    return plan;
}

bool RollUpAllowed(bool hasRollUpIcon, const TbsFormStateFacts& facts) {
    if (!hasRollUpIcon || facts.Real == TbsFormState::Minimized) return false;
    // Rolled up before it was maximised: it stays so until restored.
    return !(facts.Real == TbsFormState::Maximized && facts.RolledUp && facts.WasRolledUpOnMaximize);
}

TbsDoubleClickAction CaptionDoubleClickAction(bool resizable, bool hasMaximizeIcon, const TbsFormStateFacts& facts) {
    if (resizable) {
        if (facts.Real == TbsFormState::Minimized) return TbsDoubleClickAction::Restore;
        if (facts.Real == TbsFormState::Normal && !facts.RolledUp && hasMaximizeIcon)
            return TbsDoubleClickAction::Maximize;
        if (facts.Real == TbsFormState::Maximized && !facts.MaxRolledUp) return TbsDoubleClickAction::Restore;
    }
    return TbsDoubleClickAction::ToggleRollUp;
}

TPoint FirstPlacement(TbsPositionInMonitor position, const TRect& monitor, const TRect& workArea, const TRect& bounds) {
    const TRect* area = nullptr;
    switch (position) {
        case TbsPositionInMonitor::bspDefault: return TPoint{bounds.Left, bounds.Top};
        case TbsPositionInMonitor::bspScreenCenter: area = &monitor; break;
        case TbsPositionInMonitor::bspDesktopCenter: area = &workArea; break;
    }
    // C++ division rounds toward zero, as the halves must.
    return TPoint{area->Left + area->Width() / 2 - bounds.Width() / 2,
                  area->Top + area->Height() / 2 - bounds.Height() / 2};
}

int FormFadeTarget(bool alphaBlend, int alphaBlendValue) {
    return alphaBlend ? std::clamp(alphaBlendValue, 0, 255) : 255;
}

std::vector<int> FormFadeSteps(int target) {
    TLayerFade fade;
    fade.Start(target, 15);
    std::vector<int> steps{0};
    while (fade.Running()) {
        const int alpha = fade.Tick();
        if (alpha != steps.back()) steps.push_back(alpha);
    }
    return steps;
}

int TbsMagneticSnap::SnapEdge(int pos, int target, int cursor, int m, TEdge& edge) {
    if (edge.Stuck) {
        if (std::abs(cursor - edge.Anchor) <= m) return target;
        edge.Stuck = false;
        return target + (cursor - edge.Anchor);
    }
    if (std::abs(pos - target) < m) {
        edge.Stuck = true;
        edge.Anchor = cursor;
        return target;
    }
    return pos;
}

TPoint TbsMagneticSnap::Snap(TPoint proposed, int width, int height, const TRect& area, TPoint cursor,
                             int magneticSize, const TRect& outset) {
    const int m = magneticSize;
    // Work with the outer box (the form and what surrounds it).
    int left = proposed.X - outset.Left;
    int top = proposed.Y - outset.Top;
    const int outerWidth = width + outset.Left + outset.Right;
    const int outerHeight = height + outset.Top + outset.Bottom;
    left = SnapEdge(left, area.Left, cursor.X, m, FLeft);
    top = SnapEdge(top, area.Top, cursor.Y, m, FTop);
    left = SnapEdge(left + outerWidth, area.Right, cursor.X, m, FRight) - outerWidth;
    top = SnapEdge(top + outerHeight, area.Bottom, cursor.Y, m, FBottom) - outerHeight;
    return TPoint{left + outset.Left, top + outset.Top};
}
