// Platform functions of layered windows, monitors, scroll bars and desktop
// composition, looked up by name because older platforms lack them:
// UpdateLayeredWindow, SetLayeredWindowAttributes, MonitorFromWindow,
// GetMonitorInfoA and GetScrollBarInfo from "user32.dll";
// DwmIsCompositionEnabled, DwmSetWindowAttribute and
// DwmEnableBlurBehindWindow from "dwmapi.dll" when it loads. Every caller
// checks its pointer before use; both libraries are released by
// FreeLayeredApi (called at shutdown, and by the table's own destructor at
// process exit).
//
// The free operations below wrap them so that a missing function means
// "do nothing" (or the documented fallback), never a crash.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/LayeredApiVersion.h"

#include <windows.h>

#include "platform/Handles.h"

// The platform's DWM_BLURBEHIND record, declared here so the program does
// not link the desktop-composition library.
struct TbsBlurBehind {
    DWORD dwFlags;
    BOOL fEnable;
    HRGN hRgnBlur;  // not owned
    BOOL fTransitionOnMaximized;
};

using TUpdateLayeredWindowFunc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                               DWORD);
using TSetLayeredWindowAttributesFunc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using TMonitorFromWindowFunc = HMONITOR(WINAPI*)(HWND, DWORD);
using TGetMonitorInfoAFunc = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);
using TGetScrollBarInfoFunc = BOOL(WINAPI*)(HWND, LONG, SCROLLBARINFO*);
using TDwmIsCompositionEnabledFunc = HRESULT(WINAPI*)(BOOL*);
using TDwmSetWindowAttributeFunc = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using TDwmEnableBlurBehindWindowFunc = HRESULT(WINAPI*)(HWND, const TbsBlurBehind*);

// Each pointer is null when the function is absent.
struct TLayeredApiFunctions {
    TUpdateLayeredWindowFunc UpdateLayeredWindow = nullptr;
    TSetLayeredWindowAttributesFunc SetLayeredWindowAttributes = nullptr;
    TMonitorFromWindowFunc MonitorFromWindow = nullptr;
    TGetMonitorInfoAFunc GetMonitorInfoA = nullptr;
    TGetScrollBarInfoFunc GetScrollBarInfo = nullptr;
    TDwmIsCompositionEnabledFunc DwmIsCompositionEnabled = nullptr;
    TDwmSetWindowAttributeFunc DwmSetWindowAttribute = nullptr;
    TDwmEnableBlurBehindWindowFunc DwmEnableBlurBehindWindow = nullptr;
};

// Looks the functions up (once; later calls do nothing until FreeLayeredApi).
void LoadLayeredApi();
// Forgets the functions and releases both libraries.
void FreeLayeredApi();
// The functions in use, loaded on first call.
const TLayeredApiFunctions& LayeredApi();

// Test seam: replaces the functions in use for the guard's lifetime (to
// record calls or to simulate a platform that lacks some of them).
class TLayeredApiOverride {
public:
    explicit TLayeredApiOverride(const TLayeredApiFunctions& functions);
    TLayeredApiOverride(const TLayeredApiOverride&) = delete;
    TLayeredApiOverride& operator=(const TLayeredApiOverride&) = delete;
    ~TLayeredApiOverride();

private:
    TLayeredApiFunctions FFunctions;
    const TLayeredApiFunctions* FPrevious;  // not owned
};

// The running platform's version (GetVersion), or the injected one.
TPlatformVersion PlatformVersion();

// Test seam: reports the given version for the guard's lifetime.
class TPlatformVersionOverride {
public:
    explicit TPlatformVersionOverride(TPlatformVersion version);
    TPlatformVersionOverride(const TPlatformVersionOverride&) = delete;
    TPlatformVersionOverride& operator=(const TPlatformVersionOverride&) = delete;
    ~TPlatformVersionOverride();

private:
    bool FHadPrevious;
    TPlatformVersion FPrevious;
};

// The version checks applied to PlatformVersion().
bool LayeredWindowsAvailable();
bool IsWindowsXPOrLater();
bool IsVistaOrLater();
bool IsWindows7();

// SetLayeredWindowAttributes(handle, 0, alpha, LWA_ALPHA) when present;
// false when the call is missing or fails.
bool SetWindowAlpha(HWND handle, int alpha);
// False unless the composition library answers that composition is on.
bool CompositionEnabled();
// Desktop transitions of the window: on (Enable true) or force-disabled.
void SetWindowTransitions(HWND handle, bool enable);
// Blur behind the window, over region when given (not owned: the caller
// keeps it), else over the whole window.
void EnableBlurBehind(HWND handle, bool enable, HRGN region);
// The work area (workArea true) or the whole rectangle of the monitor
// nearest the window when there are several monitors; otherwise of the
// primary display.
TRect GetMonitorWorkArea(HWND handle, bool workArea);
// GetScrollBarInfo when present; otherwise the bar's state is set to
// STATE_SYSTEM_INVISIBLE and the result is FALSE. info->cbSize must be set.
BOOL GetScrollBarInfoSafe(HWND handle, LONG id, SCROLLBARINFO* info);
