#include "skin/paint/LayeredApi.h"

#include <optional>

namespace {

// DwmSetWindowAttribute attribute: transitions force-disabled.
constexpr DWORD bsDwmaTransitionsForceDisabled = 3;
// DwmEnableBlurBehindWindow flags.
constexpr DWORD bsDwmBbEnable = 1;
constexpr DWORD bsDwmBbBlurRegion = 2;

struct TLayeredApiState {
    TModuleHandle User32;
    TModuleHandle Dwmapi;
    TLayeredApiFunctions Loaded;
    bool IsLoaded = false;
    const TLayeredApiFunctions* Active = &Loaded;  // not owned
    std::optional<TPlatformVersion> InjectedVersion;
};

TLayeredApiState& State() {
    static TLayeredApiState state;
    return state;
}

// GetProcAddress answers a generic function pointer; the cast through
// void(*)() is the one the compiler accepts without a function-type warning.
template <typename F>
F Proc(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

void LoadLayeredApi() {
    TLayeredApiState& s = State();
    if (s.IsLoaded) return;
    s.IsLoaded = true;
    s.User32.Reset(LoadLibraryA("user32.dll"));
    HMODULE user32 = s.User32.Get();
    s.Loaded.UpdateLayeredWindow = Proc<TUpdateLayeredWindowFunc>(user32, "UpdateLayeredWindow");
    s.Loaded.SetLayeredWindowAttributes = Proc<TSetLayeredWindowAttributesFunc>(user32, "SetLayeredWindowAttributes");
    s.Loaded.MonitorFromWindow = Proc<TMonitorFromWindowFunc>(user32, "MonitorFromWindow");
    s.Loaded.GetMonitorInfoA = Proc<TGetMonitorInfoAFunc>(user32, "GetMonitorInfoA");
    s.Loaded.GetScrollBarInfo = Proc<TGetScrollBarInfoFunc>(user32, "GetScrollBarInfo");
    s.Dwmapi.Reset(LoadLibraryA("dwmapi.dll"));
    HMODULE dwmapi = s.Dwmapi.Get();
    s.Loaded.DwmIsCompositionEnabled = Proc<TDwmIsCompositionEnabledFunc>(dwmapi, "DwmIsCompositionEnabled");
    s.Loaded.DwmSetWindowAttribute = Proc<TDwmSetWindowAttributeFunc>(dwmapi, "DwmSetWindowAttribute");
    s.Loaded.DwmEnableBlurBehindWindow = Proc<TDwmEnableBlurBehindWindowFunc>(dwmapi, "DwmEnableBlurBehindWindow");
}

void FreeLayeredApi() {
    TLayeredApiState& s = State();
    s.Loaded = TLayeredApiFunctions{};
    s.User32.Reset();
    s.Dwmapi.Reset();
    s.IsLoaded = false;
}

const TLayeredApiFunctions& LayeredApi() {
    TLayeredApiState& s = State();
    if (s.Active == &s.Loaded) LoadLayeredApi();
    return *s.Active;
}

TLayeredApiOverride::TLayeredApiOverride(const TLayeredApiFunctions& functions)
    : FFunctions(functions), FPrevious(State().Active) {
    State().Active = &FFunctions;
}

TLayeredApiOverride::~TLayeredApiOverride() { State().Active = FPrevious; }

TPlatformVersion PlatformVersion() {
    const TLayeredApiState& s = State();
    if (s.InjectedVersion) return *s.InjectedVersion;
    return DecodePlatformVersion(std::uint32_t(GetVersion()));
}

TPlatformVersionOverride::TPlatformVersionOverride(TPlatformVersion version)
    : FHadPrevious(State().InjectedVersion.has_value()), FPrevious(State().InjectedVersion.value_or(version)) {
    State().InjectedVersion = version;
}

TPlatformVersionOverride::~TPlatformVersionOverride() {
    if (FHadPrevious)
        State().InjectedVersion = FPrevious;
    else
        State().InjectedVersion.reset();
}

bool LayeredWindowsAvailable() { return LayeredWindowsAvailable(PlatformVersion()); }
bool IsWindowsXPOrLater() { return IsWindowsXPOrLater(PlatformVersion()); }
bool IsVistaOrLater() { return IsVistaOrLater(PlatformVersion()); }
bool IsWindows7() { return IsWindows7(PlatformVersion()); }

bool SetWindowAlpha(HWND handle, int alpha) {
    const auto set = LayeredApi().SetLayeredWindowAttributes;
    return set && set(handle, 0, BYTE(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha), LWA_ALPHA) != FALSE;
}

bool CompositionEnabled() {
    const auto isEnabled = LayeredApi().DwmIsCompositionEnabled;
    if (!isEnabled) return false;
    BOOL enabled = FALSE;
    return SUCCEEDED(isEnabled(&enabled)) && enabled;
}

void SetWindowTransitions(HWND handle, bool enable) {
    const auto setAttribute = LayeredApi().DwmSetWindowAttribute;
    if (!setAttribute) return;
    const BOOL disabled = enable ? FALSE : TRUE;  // the attribute is "force-disabled", 4 bytes
    setAttribute(handle, bsDwmaTransitionsForceDisabled, &disabled, sizeof(disabled));
}

void EnableBlurBehind(HWND handle, bool enable, HRGN region) {
    const auto enableBlur = LayeredApi().DwmEnableBlurBehindWindow;
    if (!enableBlur) return;
    TbsBlurBehind blur{};
    blur.dwFlags = region ? bsDwmBbEnable | bsDwmBbBlurRegion : bsDwmBbEnable;
    blur.fEnable = enable ? TRUE : FALSE;
    blur.hRgnBlur = region;
    blur.fTransitionOnMaximized = FALSE;
    enableBlur(handle, &blur);
}

TRect GetMonitorWorkArea(HWND handle, bool workArea) {
    const TLayeredApiFunctions& api = LayeredApi();
    if (GetSystemMetrics(SM_CMONITORS) > 1 && api.GetMonitorInfoA && api.MonitorFromWindow) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);  // 40 bytes: the record without a device name
        if (api.GetMonitorInfoA(api.MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &info)) {
            const RECT& r = workArea ? info.rcWork : info.rcMonitor;
            return Rect(r.left, r.top, r.right, r.bottom);
        }
    }
    if (workArea) {
        RECT r{};
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return Rect(r.left, r.top, r.right, r.bottom);
    }
    return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

BOOL GetScrollBarInfoSafe(HWND handle, LONG id, SCROLLBARINFO* info) {
    if (!info) return FALSE;
    if (const auto get = LayeredApi().GetScrollBarInfo) return get(handle, id, info);
    info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return FALSE;
}
