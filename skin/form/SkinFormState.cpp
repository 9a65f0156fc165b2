// The skinned form's window commands: maximise and restore, rolling up to
// the caption and down again, and the caption's double click.
#include "skin/form/SkinForm.h"

#include "skin/paint/LayeredApi.h"

void TbsSkinForm::CommandMaximize() {
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    if (FormMaximized()) {
        SendMessageA(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
    }
    if (!(FBorderIcons & bsbiMaximize)) return;
    // The size comes from WM_GETMINMAXINFO: the work area, or the monitor.
    SendMessageA(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (FormMaximized() && OnMaximize) OnMaximize(this);
}

void TbsSkinForm::CommandRollUp() { SetRolledUp(!FRolledUp); }

void TbsSkinForm::SetRolledUp(bool value) {
    if (value == FRolledUp || !(FBorderIcons & bsbiRollUp) || FormMinimized()) return;
    if (!FOwnerForm->HandleAllocated()) return;
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
    const bool resizable = Resizable();
    if (resizable && FormMinimized()) {
        CommandMinimize();  // restores
    } else if (resizable && !FormMaximized() && !FRolledUp && (FBorderIcons & bsbiMaximize)) {
        CommandMaximize();
    } else if (resizable && FormMaximized() && !FRolledUp) {
        CommandMaximize();  // restores
    } else {
        SetRolledUp(!FRolledUp);
    }
}
