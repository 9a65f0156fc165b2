// The skinned form's side of its layered border: when the border is used,
// and the points where it follows the form (shown and hidden with it,
// rebuilt after a size change and during a live resize, moved with it, kept
// just below it in the z-order, drawn in the state of the form's
// activation, hidden while the form is minimised or maximised and around a
// skin change).
#include "skin/form/SkinForm.h"

#include "platform/portable/AppMessages.h"
#include "platform/portable/TimerIds.h"
#include "skin/paint/LayeredApi.h"

namespace {

bool VisibleNormal(HWND wnd) { return wnd && IsWindowVisible(wnd) && !IsIconic(wnd) && !IsZoomed(wnd); }

}  // namespace

bool TbsSkinForm::LayerBorderUsed() const {
    return FSkinLoaded && FSkinnable && HasBorder() && FSkinData && FSkinData->GetShowLayeredBorders() &&
           FLayerBorder->HasFrame() && LayeredWindowsAvailable() && !FLayerSuspended;
}

void TbsSkinForm::LayerBorderShow() {
    if (!LayerBorderUsed() || !FOwnerForm->HandleAllocated()) {
        LayerBorderHide();
        return;
    }
    HWND wnd = FOwnerForm->WindowHandle();
    if (!VisibleNormal(wnd)) return;
    FLayerBorder->SetOwnerWindow(wnd);
    FLayerBorder->SetLayerActive(FNCActive || GetForegroundWindow() == wnd, false);
    FLayerBorder->ShowLayer();
}

void TbsSkinForm::LayerBorderHide() { FLayerBorder->HideLayer(); }

void TbsSkinForm::LayerBorderUpdate() {
    if (FLayerBorder->Shown()) FLayerBorder->UpdateLayer();
}

void TbsSkinForm::LayerBorderSetBounds(const TRect& formBounds) {
    if (FLayerBorder->Shown()) FLayerBorder->SetLayerBounds(formBounds);
}

void TbsSkinForm::LayerBorderSetAlpha(int alpha, bool apply) { FLayerBorder->SetLayerAlpha(alpha, apply); }

void TbsSkinForm::LayerBorderWindowPosChanged(const WINDOWPOS& pos) {
    HWND wnd = FOwnerForm->WindowHandle();
    if ((pos.flags & SWP_HIDEWINDOW) || !VisibleNormal(wnd) || !LayerBorderUsed()) {
        LayerBorderHide();
        return;
    }
    if (!FLayerBorder->Shown()) {
        // Shown with the form: the border's windows come after the first
        // paint of the form and its controls, so the window itself appears
        // as soon as it can (its four windows cost as much as the form's).
        if (pos.flags & SWP_SHOWWINDOW) FOwnerForm->StartTimer(tidFormShowLayerBorder, USER_TIMER_MINIMUM);
        else LayerBorderShow();
        return;
    }
    if (!(pos.flags & SWP_NOSIZE)) FLayerBorder->UpdateLayer();
    else if (!(pos.flags & SWP_NOMOVE)) FLayerBorder->MoveLayer(pos.x, pos.y);
    if (!(pos.flags & SWP_NOZORDER)) FLayerBorder->PlaceBelowForm();
}

void TbsSkinForm::LayerBorderActivate(bool active) {
    if (FLayerBorder->Shown() && IsWindowVisible(FOwnerForm->WindowHandle())) FLayerBorder->SetLayerActive(active, true);
    else FLayerBorder->SetLayerActive(active, false);
}

void TbsSkinForm::LayerBorderReload() {
    LayerBorderHide();
    FLayerBorder->LoadSkin(FSkinLoaded && FSkinnable ? FSkinData : nullptr);
    LayerBorderShow();
}

void TbsSkinForm::OnLayerBorderMessage(UINT msg) {
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    switch (msg) {
        case WM_LAYEREDBORDERSCHANGED:
            // A full border carries the frame: the form's own frame goes or
            // comes with it.
            if (FLayerBorder->FullBorder()) ApplyHookedFrame();
            if (LayerBorderUsed()) {
                // With desktop composition the system's own show animation
                // would run without the border: switched off once.
                if (IsVistaOrLater() && CompositionEnabled() && !FTransitionsOff) {
                    SetWindowTransitions(wnd, false);
                    FTransitionsOff = true;
                }
                LayerBorderShow();
            } else {
                LayerBorderHide();
                if (FTransitionsOff) {
                    SetWindowTransitions(wnd, true);
                    FTransitionsOff = false;
                }
            }
            break;
        case WM_AEROBLURCHANGED:
            if (FLayerBorder->Shown()) {
                LayerBorderHide();
                LayerBorderShow();
            }
            break;
        case WM_SUSPENDLAYERBORDER:
            FLayerSuspended = true;
            LayerBorderHide();
            break;
        case WM_RESUMELAYERBORDER:
            FLayerSuspended = false;
            if (LayerBorderUsed() && VisibleNormal(wnd)) {
                FLayerBorder->SetOwnerWindow(wnd);
                FLayerBorder->FadeIn();
            }
            break;
        default:
            break;
    }
}
