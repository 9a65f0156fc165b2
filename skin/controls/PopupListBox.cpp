#include "skin/controls/PopupListBox.h"

#include <algorithm>

#include "skin/paint/LayeredApi.h"

namespace {

constexpr UINT kShowAnimationInterval = 5;  // ms between alpha steps
constexpr int kShowAnimationSteps = 15;     // the alpha reaches its value in about this many steps

}  // namespace

TbsPopupListBox::TbsPopupListBox(TComponent* AOwner, TWinControl* ownerWindow)
    : TbsSkinListBox(AOwner), FOwnerWindow(ownerWindow) {
    SetVisible(false);
}

void TbsPopupListBox::CreateParams(TCreateParams& params) {
    TbsSkinListBox::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    // Not topmost: as an owned window it stays above the form that owns it,
    // and never floats over other programs.
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WndParent = FOwnerWindow ? FOwnerWindow->GetHandle() : nullptr;
    params.WinClassName = IsWindowsXPOrLater() ? "TbsPopupListBoxShadow" : "TbsPopupListBox";
    params.ClassStyle |= CS_SAVEBITS | (IsWindowsXPOrLater() ? CS_DROPSHADOW : 0u);
}

void TbsPopupListBox::SetLayered(bool layered) {
    HWND wnd = GetHandle();
    const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
    const LONG_PTR wanted = layered ? (style | WS_EX_LAYERED) : (style & ~LONG_PTR(WS_EX_LAYERED));
    if (wanted != style) SetWindowLongPtrA(wnd, GWL_EXSTYLE, wanted);
}

void TbsPopupListBox::ShowAt(TPoint screen, int width, int height, bool alphaBlend, int alpha, bool animate) {
    HandleNeeded();
    StopTimer(tidComboShowAnimation);
    SetBounds(screen.X, screen.Y, width, height);
    UpdateLayout();
    const bool layered = alphaBlend && LayeredWindowsAvailable();
    SetLayered(layered);
    FTargetAlpha = layered ? std::clamp(alpha, 0, 255) : 255;
    FAlpha = FTargetAlpha;
    if (layered && animate) {
        FAlphaStep = std::max(FTargetAlpha / kShowAnimationSteps, 1);
        FAlpha = 0;
    }
    if (layered) SetWindowAlpha(GetHandle(), FAlpha);
    SetVisible(true);
    SetWindowPos(GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (FAlpha < FTargetAlpha) StartTimer(tidComboShowAnimation, kShowAnimationInterval);
}

void TbsPopupListBox::Hide() {
    StopTimer(tidComboShowAnimation);
    SetVisible(false);
}

bool TbsPopupListBox::IsShown() const { return WindowHandle() && IsWindowVisible(WindowHandle()); }

bool TbsPopupListBox::OnTimer(UINT_PTR id) {
    if (id != tidComboShowAnimation) return TbsSkinListBox::OnTimer(id);
    FAlpha = std::min(FAlpha + FAlphaStep, FTargetAlpha);
    SetWindowAlpha(GetHandle(), FAlpha);
    if (FAlpha >= FTargetAlpha) StopTimer(tidComboShowAnimation);
    return true;
}

LRESULT TbsPopupListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;  // the combo keeps the focus
    return TbsSkinListBox::WndProc(msg, wParam, lParam);
}
