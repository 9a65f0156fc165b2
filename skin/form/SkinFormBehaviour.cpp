// The skinned form's window behaviours: the window state (the main form
// minimises the whole application; maximising keeps the bounds that a
// restore gives back), the first placement on the monitor, the constant
// alpha and the fade-in, and the magnetic edges while the form is dragged.
//
// The fade-in runs on the form's timer tidFormFadeIn, never in a loop that
// handles messages, and it can never leave the window invisible: a layered
// call that fails takes the layered style off again at once, a timer that
// cannot be started ends the fade at once, and a fade whose timer has not
// come within kFadeDeadlineMs is ended by the next message the window gets.
#include "skin/form/SkinForm.h"

#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"
#include "skin/paint/LayeredApi.h"

namespace {

TbsFormState ToFormState(TbsWindowState state) {
    switch (state) {
        case TbsWindowState::wsMinimized: return TbsFormState::Minimized;
        case TbsWindowState::wsMaximized: return TbsFormState::Maximized;
        case TbsWindowState::wsNormal: break;
    }
    return TbsFormState::Normal;
}

TRect WindowBounds(HWND wnd) {
    RECT rc{};
    GetWindowRect(wnd, &rc);
    return TRect{rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace

// ---- window state -------------------------------------------------------------------

TbsWindowState TbsSkinForm::GetWindowState() const {
    if (!FOwnerForm->HandleAllocated()) return FWindowState;
    if (FormMinimized()) return TbsWindowState::wsMinimized;
    if (FormMaximized()) return TbsWindowState::wsMaximized;
    return TbsWindowState::wsNormal;
}

void TbsSkinForm::SetWindowState(TbsWindowState value) {
    FWindowState = value;
    if (IsLoading() || !FOwnerForm->HandleAllocated()) return;
    ApplyWindowState(value);
}

TbsFormStateFacts TbsSkinForm::StateFacts() const {
    TbsFormStateFacts facts;
    facts.Real = FRealWindowState;
    facts.MainForm = IsMainForm();
    facts.RolledUp = FRolledUp;
    facts.MaxRolledUp = FMaxRolledUp;
    facts.WasRolledUpOnMaximize = FWasRolledUpOnMaximize;
    return facts;
}

TbsFormState TbsSkinForm::SystemState() const {
    if (FormMinimized() || (IsMainForm() && Application().GetMinimized())) return TbsFormState::Minimized;
    return FormMaximized() ? TbsFormState::Maximized : TbsFormState::Normal;
}

void TbsSkinForm::ApplyWindowState(TbsWindowState state) {
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    if (!FSkinnable) {
        ShowWindow(wnd, state == TbsWindowState::wsMinimized   ? SW_MINIMIZE
                        : state == TbsWindowState::wsMaximized ? SW_MAXIMIZE
                                                               : SW_RESTORE);
        return;
    }
    // Where the window is now, as the system has it (it may have changed
    // the state itself); a minimised main form counts as minimised.
    TbsFormStateFacts facts = StateFacts();
    facts.Real = SystemState();
    const TbsStatePlan plan = PlanWindowState(facts, ToFormState(state));
    if (plan.Steps.empty()) return;
    FRealWindowState = plan.NewReal;
    for (TbsStateStep step : plan.Steps) {
        switch (step) {
            case TbsStateStep::Unroll: SetRolledUp(false); break;
            case TbsStateStep::Restore: DoRestore(); break;
            case TbsStateStep::Minimize: DoMinimize(); break;
            case TbsStateStep::Maximize:
                FWasRolledUpOnMaximize = FRolledUp;
                DoMaximize();
                break;
        }
    }
}

void TbsSkinForm::DoMinimize() {
    HWND wnd = FOwnerForm->WindowHandle();
    if (IsMainForm()) {
        // The whole application goes, its owned windows with the main form;
        // the form keeps its state and bounds for when it comes back.
        Application().Minimize();
    } else {
        if (FRestoreBounds.IsEmpty() && !IsIconic(wnd) && !IsZoomed(wnd)) FRestoreBounds = WindowBounds(wnd);
        ShowWindow(wnd, SW_MINIMIZE);
    }
    if (OnMinimize) OnMinimize(this);
}

void TbsSkinForm::DoMaximize() {
    HWND wnd = FOwnerForm->WindowHandle();
    if (FRestoreBounds.IsEmpty() && !IsIconic(wnd)) FRestoreBounds = WindowBounds(wnd);
    // The rectangle (work area, or the monitor with MaximizeOnFullScreen)
    // comes from WM_GETMINMAXINFO; the system's maximised state is kept so
    // that the task bar and the system commands agree with the frame.
    if (IsIconic(wnd) && IsMainForm()) Application().Restore();
    ShowWindow(wnd, SW_MAXIMIZE);
    if (OnMaximize) OnMaximize(this);
}

void TbsSkinForm::DoRestore() {
    HWND wnd = FOwnerForm->WindowHandle();
    FMaxRolledUp = false;
    if (IsMainForm() && Application().GetMinimized()) Application().Restore();
    if (IsIconic(wnd) || IsZoomed(wnd)) ShowWindow(wnd, SW_RESTORE);
    if (IsZoomed(wnd)) {
        // Minimised from the maximised state: it comes back maximised and
        // keeps the bounds for its own restore.
        FRealWindowState = TbsFormState::Maximized;
        if (OnRestore) OnRestore(this);
        return;
    }
    if (FFirstShow) {
        FFirstShow = false;
        const TRect bounds = FRestoreBounds.IsEmpty() ? WindowBounds(wnd) : FRestoreBounds;
        const TPoint at = FirstPlacement(FPositionInMonitor, GetMonitorWorkArea(wnd, false),
                                         GetMonitorWorkArea(wnd, true), bounds);
        SetWindowPos(wnd, nullptr, at.X, at.Y, bounds.Width(), bounds.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (!FRestoreBounds.IsEmpty() && WindowBounds(wnd) != FRestoreBounds) {
        // The bounds it had, even where the system's restore put it elsewhere.
        SetWindowPos(wnd, nullptr, FRestoreBounds.Left, FRestoreBounds.Top, FRestoreBounds.Width(),
                     FRestoreBounds.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FRestoreBounds = TRect{};
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (OnRestore) OnRestore(this);
}

void TbsSkinForm::TrackSystemState(WPARAM sizeType) {
    HWND wnd = FOwnerForm->WindowHandle();
    switch (sizeType) {
        case SIZE_MINIMIZED:
            if (!IsMainForm()) FRealWindowState = TbsFormState::Minimized;
            break;
        case SIZE_MAXIMIZED: FRealWindowState = TbsFormState::Maximized; break;
        case SIZE_RESTORED:
            // Brought back by the system (the task bar): the application follows.
            if (IsMainForm() && Application().GetMinimized() && !IsIconic(wnd)) Application().Restored();
            if (!IsZoomed(wnd)) FRealWindowState = TbsFormState::Normal;
            break;
        default: break;
    }
}

// ---- first show, constant alpha, fade-in ----------------------------------------------

void TbsSkinForm::OnShowWindow(bool show) {
    if (!show || !FSkinnable) return;
    HWND wnd = FOwnerForm->WindowHandle();
    if (FFirstShow && !IsIconic(wnd) && !IsZoomed(wnd)) {
        FFirstShow = false;
        const TRect bounds = WindowBounds(wnd);
        const TPoint at = FirstPlacement(FPositionInMonitor, GetMonitorWorkArea(wnd, false),
                                         GetMonitorWorkArea(wnd, true), bounds);
        if (at.X != bounds.Left || at.Y != bounds.Top)
            SetWindowPos(wnd, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const bool forAll = FSkinData && FSkinData->GetAnimationForAllWindows();
    if (forAll && FAlphaBlendValue == 0) FAlphaBlendValue = 255;
    if (!LayeredWindowsAvailable()) return;
    if (FAlphaBlendAnimation || forAll) StartFade();
    else if (FAlphaBlend && !MakeLayered(FAlphaBlendValue)) FAlphaBlend = false;
}

bool TbsSkinForm::MakeLayered(int alpha) {
    HWND wnd = FOwnerForm->WindowHandle();
    const LONG_PTR ex = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrA(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (SetWindowAlpha(wnd, alpha)) return true;
    RemoveLayered();
    return false;
}

void TbsSkinForm::RemoveLayered() {
    HWND wnd = FOwnerForm->WindowHandle();
    const LONG_PTR ex = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED)) return;
    SetWindowLongPtrA(wnd, GWL_EXSTYLE, ex & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TbsSkinForm::StartFade() {
    HWND wnd = FOwnerForm->WindowHandle();
    FFormFade.Start(FormFadeTarget(FAlphaBlend, FAlphaBlendValue), 15);
    FFadeStarted = TickCount();
    // The desktop's own show animation would play over the fade.
    if (IsVistaOrLater() && !FTransitionsOff) {
        SetWindowTransitions(wnd, false);
        FTransitionsOff = true;
    }
    // Invisible only once the timer that brings it back is running.
    if (!SetTimer(wnd, tidFormFadeIn, kFadeInterval, nullptr) || !MakeLayered(0)) {
        FinishFade();
        return;
    }
    LayerBorderSetAlpha(0, false);
}

void TbsSkinForm::FadeTick() {
    if (!FFormFade.Running()) return;
    const int alpha = FFormFade.Tick();
    if (!SetWindowAlpha(FOwnerForm->WindowHandle(), alpha)) {
        FinishFade();
        return;
    }
    LayerBorderSetAlpha(alpha, true);
    if (!FFormFade.Running()) FinishFade();
}

void TbsSkinForm::FinishFade() {
    FFormFade.Stop();
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    KillTimer(wnd, tidFormFadeIn);
    const int target = FormFadeTarget(FAlphaBlend, FAlphaBlendValue);
    if (target >= 255 || !MakeLayered(target)) RemoveLayered();
    LayerBorderSetAlpha(255, true);
}

void TbsSkinForm::SetAlphaBlend(bool value) {
    FAlphaBlend = value;
    if (IsLoading() || !FOwnerForm->HandleAllocated() || FFormFade.Running()) return;
    if (!value || !LayeredWindowsAvailable() || !MakeLayered(FAlphaBlendValue)) RemoveLayered();
}

void TbsSkinForm::SetAlphaBlendValue(int value) {
    FAlphaBlendValue = std::clamp(value, 0, 255);
    if (FAlphaBlend && !IsLoading() && FOwnerForm->HandleAllocated() && !FFormFade.Running())
        MakeLayered(FAlphaBlendValue);
}

// ---- moving -------------------------------------------------------------------------------

bool TbsSkinForm::OnMoving(RECT& proposed) {
    HWND wnd = FOwnerForm->WindowHandle();
    if (FormMaximized()) {
        // A maximised form stays where it is.
        GetWindowRect(wnd, &proposed);
        return true;
    }
    if (!FMagnetic) return false;
    const int width = proposed.right - proposed.left, height = proposed.bottom - proposed.top;
    // A layered border that takes the mouse is part of the form's edges.
    TRect outset;
    if (FLayerBorder->Shown() && FLayerBorder->MouseZones()) {
        const TRect layer = FLayerBorder->LayerRect();
        const TRect form = WindowBounds(wnd);
        outset = TRect{form.Left - layer.Left, form.Top - layer.Top, layer.Right - form.Right, layer.Bottom - form.Bottom};
    }
    const TPoint at = FSnap.Snap(TPoint{proposed.left, proposed.top}, width, height, GetMonitorWorkArea(wnd, true),
                                 CursorPos(), FMagneticSize, outset);
    proposed = RECT{at.X, at.Y, at.X + width, at.Y + height};
    return true;
}

// ---- the inactive client cover ------------------------------------------------------------

void TbsSkinForm::UpdateClientCover(bool active) {
    FClientCover.reset();
    HWND wnd = FOwnerForm->WindowHandle();
    if (active || !FClientInActiveEffect || !IsWindowVisible(wnd) || IsIconic(wnd)) return;
    FClientCover = std::make_unique<TbsClientInActivePanel>(
        wnd, FClientInActiveEffectType, [this](HDC dc) { PaintClientBackground(dc); });
}
