// TTrayIcon: an icon of the application in the task bar's notification
// area, and keeping the application there: MinimizeToTray hides the main
// form (it leaves the task bar) and shows the icon; RestoreFromTray shows
// the main form again and posts WM_RESTOREDFROMTRAY to it. A double click
// on the icon raises OnDblClick, a right click OnPopup at the pointer.
//
// Where the desktop has no notification area the icon is not shown
// (IconShown false), and the application still goes and comes back.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Handles.h"
#include "platform/portable/Component.h"

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* AOwner);
    ~TTrayIcon() override;

    // The icon in the notification area (asked for; see IconShown).
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    // The system took the icon.
    bool IconShown() const { return FShown; }
    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& value);
    // Not owned; the application's icon when none.
    void SetIcon(HICON value);

    void MinimizeToTray();
    void RestoreFromTray();
    bool InTray() const { return FInTray; }

    TNotifyEvent OnDblClick;
    std::function<void(TPoint screen)> OnPopup;


private:
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Notify(DWORD action);

    TWindowHandle FWindow;  // message-only: receives the icon's messages
    HICON FIcon = nullptr;  // not owned
    std::string FHint;
    bool FVisible = false, FShown = false, FInTray = false;
};
