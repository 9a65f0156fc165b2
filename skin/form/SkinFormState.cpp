// The skinned form's window commands: maximise and restore, rolling up to
// the caption and down again, and the caption's double click.
#include "skin/form/SkinForm.h"

#include "skin/paint/LayeredApi.h"

void TbsSkinForm::CommandMaximize() {
    if (FormMaximized()) ApplyWindowState(TbsWindowState::wsNormal);
    else if (FBorderIcons & bsbiMaximize) ApplyWindowState(TbsWindowState::wsMaximized);
}

void TbsSkinForm::CommandMinimize() {
    const bool minimized = FormMinimized() || (IsMainForm() && Application().GetMinimized());
    if (!minimized && FAlwaysMinimizeToTray && FTrayIcon) {
        GoToTray();
        return;
    }
    ApplyWindowState(minimized ? TbsWindowState::wsNormal : TbsWindowState::wsMinimized);
}

void TbsSkinForm::CommandRollUp() { SetRolledUp(!FRolledUp); }

void TbsSkinForm::SetRolledUp(bool value) {
    if (value == FRolledUp || !FOwnerForm->HandleAllocated()) return;
    TbsFormStateFacts facts = StateFacts();
    facts.Real = SystemState();
    if (!RollUpAllowed((FBorderIcons & bsbiRollUp) != 0, facts)) return;
    if (facts.Real == TbsFormState::Maximized) FMaxRolledUp = value;
    HWND wnd = FOwnerForm->WindowHandle();
    RECT rc{};
    GetWindowRect(wnd, &rc);
    const int width = rc.right - rc.left;
    if (value) {
        FRollUpHeight = rc.bottom - rc.top;
        FRolledUp = true;
        // Rolled up, the minimum height is the frame without its client area.
        SetWindowPos(wnd, nullptr, 0, 0, width, GetMinFormHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        FRolledUp = false;
        if (FClientHeight > 0) ResizeToClient(FOwnerForm->GetClientRect().Width(), FClientHeight);
        else SetWindowPos(wnd, nullptr, 0, 0, width, FRollUpHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The frame's region and strips followed the new height on WM_SIZE.
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsSkinForm::CaptionDoubleClick() {
    TbsFormStateFacts facts = StateFacts();
    facts.Real = SystemState();
    switch (CaptionDoubleClickAction(Resizable(), (FBorderIcons & bsbiMaximize) != 0, facts)) {
        case TbsDoubleClickAction::Restore: ApplyWindowState(TbsWindowState::wsNormal); break;
        case TbsDoubleClickAction::Maximize: ApplyWindowState(TbsWindowState::wsMaximized); break;
        case TbsDoubleClickAction::ToggleRollUp: SetRolledUp(!FRolledUp); break;
    }
}
