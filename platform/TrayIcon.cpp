#include "platform/TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"

namespace {

constexpr const char* kClassName = "RdzTrayIcon";
constexpr UINT kIconId = 1;

}  // namespace

TTrayIcon::TTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
    static const ATOM registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WndProc;
        wc.hInstance = FrameworkInstance();
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc);
    }();
    (void)registered;
    FWindow = TWindowHandle(
        CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, FrameworkInstance(), nullptr));
    if (FWindow) SetWindowLongPtrA(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTrayIcon::~TTrayIcon() {
    if (FShown) Notify(NIM_DELETE);
    if (FWindow) SetWindowLongPtrA(FWindow.Get(), GWLP_USERDATA, 0);
}

void TTrayIcon::Notify(DWORD action) {
    if (!FWindow) return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = FWindow.Get();
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYICONNOTIFY;
    data.hIcon = FIcon ? FIcon : LoadIconA(nullptr, IDI_APPLICATION);
    std::strncpy(data.szTip, FHint.c_str(), sizeof(data.szTip) - 1);
    const BOOL ok = Shell_NotifyIconA(action, &data);
    if (action == NIM_ADD) FShown = ok != FALSE;
    else if (action == NIM_DELETE) FShown = false;
}

void TTrayIcon::SetVisible(bool value) {
    FVisible = value;
    if (value && !FShown) Notify(NIM_ADD);
    else if (!value && FShown) Notify(NIM_DELETE);
}

void TTrayIcon::SetHint(const std::string& value) {
    FHint = value;
    if (FShown) Notify(NIM_MODIFY);
}

void TTrayIcon::SetIcon(HICON value) {
    FIcon = value;
    if (FShown) Notify(NIM_MODIFY);
}

void TTrayIcon::MinimizeToTray() {
    SetVisible(true);
    FInTray = true;
    if (TForm* form = Application().GetMainForm(); form && form->HandleAllocated())
        ShowWindow(form->WindowHandle(), SW_HIDE);
}

void TTrayIcon::RestoreFromTray() {
    if (!FInTray) return;
    FInTray = false;
    if (TForm* form = Application().GetMainForm(); form && form->HandleAllocated()) {
        HWND wnd = form->WindowHandle();
        ShowWindow(wnd, IsIconic(wnd) ? SW_RESTORE : SW_SHOW);
        PostMessageA(wnd, WM_RESTOREDFROMTRAY, 0, 0);
    }
}

LRESULT CALLBACK TTrayIcon::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_TRAYICONNOTIFY && self) {
        switch (LOWORD(lParam)) {
            case WM_LBUTTONDBLCLK:
                if (self->OnDblClick) self->OnDblClick(self);
                return 0;
            case WM_RBUTTONUP:
                if (self->OnPopup) self->OnPopup(CursorPos());
                return 0;
            default: return 0;
        }
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
