// Move-only owners for Win32 handles, and scope guards for selecting GDI
// objects into a device context.
//
// Every handle the program creates lives in one of these. Each owner counts
// its live handles per kind (LiveHandleCount), so tests can check that
// creating and destroying things leaves the counts where they started: under
// wine GetGuiResources is a stub and cannot tell.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

enum class THandleKind { Window, Dc, Bitmap, Font, Brush, Pen, Region, Module, Timer, Icon, Hook, Count };

// Live handles of a kind currently held by owners in this process.
long LiveHandleCount(THandleKind kind);

namespace handles_detail {
std::atomic<long>& Counter(THandleKind kind);

template <typename H, THandleKind Kind, BOOL(WINAPI* Destroy)(H)>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(H h) : FHandle(h) {
        if (FHandle) Counter(Kind)++;
    }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            FHandle = std::exchange(other.FHandle, nullptr);
        }
        return *this;
    }
    ~TUniqueHandle() { Reset(); }

    H Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }

    // Takes ownership of h, destroying what was held before.
    void Reset(H h = nullptr) {
        if (FHandle == h) return;
        if (FHandle) {
            Destroy(FHandle);
            Counter(Kind)--;
        }
        FHandle = h;
        if (FHandle) Counter(Kind)++;
    }

    // Gives up ownership without destroying: for handles the system takes
    // over, such as a region passed to SetWindowRgn.
    [[nodiscard]] H Release() {
        if (FHandle) Counter(Kind)--;
        return std::exchange(FHandle, nullptr);
    }

private:
    H FHandle = nullptr;
};

inline BOOL WINAPI DeleteBitmap(HBITMAP h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteFontObject(HFONT h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH h) { return DeleteObject(h); }
inline BOOL WINAPI DeletePenObject(HPEN h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteRegionObject(HRGN h) { return DeleteObject(h); }
}  // namespace handles_detail

using TWindowHandle = handles_detail::TUniqueHandle<HWND, THandleKind::Window, DestroyWindow>;
// A memory or compatible DC made with CreateCompatibleDC / CreateDC.
using TDcHandle = handles_detail::TUniqueHandle<HDC, THandleKind::Dc, DeleteDC>;
using TBitmapHandle = handles_detail::TUniqueHandle<HBITMAP, THandleKind::Bitmap, handles_detail::DeleteBitmap>;
using TFontHandle = handles_detail::TUniqueHandle<HFONT, THandleKind::Font, handles_detail::DeleteFontObject>;
using TBrushHandle = handles_detail::TUniqueHandle<HBRUSH, THandleKind::Brush, handles_detail::DeleteBrushObject>;
using TPenHandle = handles_detail::TUniqueHandle<HPEN, THandleKind::Pen, handles_detail::DeletePenObject>;
using TRegionHandle = handles_detail::TUniqueHandle<HRGN, THandleKind::Region, handles_detail::DeleteRegionObject>;
using TModuleHandle = handles_detail::TUniqueHandle<HMODULE, THandleKind::Module, FreeLibrary>;
// An icon made or loaded for this process alone (not a shared system icon).
using TIconHandle = handles_detail::TUniqueHandle<HICON, THandleKind::Icon, DestroyIcon>;
// A hook of SetWindowsHookEx.
using THookHandle = handles_detail::TUniqueHandle<HHOOK, THandleKind::Hook, UnhookWindowsHookEx>;

// A DC obtained with GetDC / GetWindowDC, released with ReleaseDC.
class TWindowDc {
public:
    explicit TWindowDc(HWND wnd, bool wholeWindow = false)
        : FWnd(wnd), FDc(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {
        if (FDc) handles_detail::Counter(THandleKind::Dc)++;
    }
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    ~TWindowDc() {
        if (FDc) {
            ReleaseDC(FWnd, FDc);
            handles_detail::Counter(THandleKind::Dc)--;
        }
    }
    HDC Get() const { return FDc; }
    explicit operator bool() const { return FDc != nullptr; }

private:
    HWND FWnd;  // not owned
    HDC FDc;
};

// One WM_PAINT's BeginPaint and EndPaint. The paint ends however the code
// between them leaves, an exception included: a paint that never ends keeps
// the window's paint context (and its caret hidden).
class TPaintDc {
public:
    explicit TPaintDc(HWND wnd) : FWnd(wnd), FDc(BeginPaint(wnd, &FPaint)) {}
    TPaintDc(const TPaintDc&) = delete;
    TPaintDc& operator=(const TPaintDc&) = delete;
    ~TPaintDc() { EndPaint(FWnd, &FPaint); }
    HDC Get() const { return FDc; }

private:
    HWND FWnd;  // not owned
    PAINTSTRUCT FPaint{};  // before FDc: BeginPaint fills it
    HDC FDc;    // not owned: EndPaint gives it back
};

// A running SetTimer timer of a window, killed on destruction.
class TTimerId {
public:
    TTimerId() = default;
    TTimerId(HWND wnd, UINT_PTR id, UINT interval)  // interval: ms
        : FWnd(wnd), FId(SetTimer(wnd, id, interval, nullptr)) {
        if (FId) handles_detail::Counter(THandleKind::Timer)++;
    }
    TTimerId(const TTimerId&) = delete;
    TTimerId& operator=(const TTimerId&) = delete;
    TTimerId(TTimerId&& other) noexcept
        : FWnd(std::exchange(other.FWnd, nullptr)), FId(std::exchange(other.FId, 0)) {}
    TTimerId& operator=(TTimerId&& other) noexcept {
        if (this != &other) {
            Reset();
            FWnd = std::exchange(other.FWnd, nullptr);
            FId = std::exchange(other.FId, 0);
        }
        return *this;
    }
    ~TTimerId() { Reset(); }
    explicit operator bool() const { return FId != 0; }
    UINT_PTR Get() const { return FId; }
    void Reset() {
        if (FId) {
            KillTimer(FWnd, FId);
            handles_detail::Counter(THandleKind::Timer)--;
        }
        FWnd = nullptr;
        FId = 0;
    }

private:
    HWND FWnd = nullptr;  // not owned
    UINT_PTR FId = 0;
};

// Selects a GDI object into a DC for the guard's lifetime and puts the
// previous object back on destruction.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ obj) : FDc(dc), FOld(dc && obj ? SelectObject(dc, obj) : nullptr) {}
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;
    ~TSelectObject() {
        if (FDc && FOld) SelectObject(FDc, FOld);
    }

private:
    HDC FDc;       // not owned
    HGDIOBJ FOld;  // not owned: the object that was selected before
};

// Saves the DC's state (clip region, selected objects, modes) and restores it.
class TSaveDc {
public:
    explicit TSaveDc(HDC dc) : FDc(dc), FSaved(dc ? SaveDC(dc) : 0) {}
    TSaveDc(const TSaveDc&) = delete;
    TSaveDc& operator=(const TSaveDc&) = delete;
    ~TSaveDc() {
        if (FDc && FSaved) RestoreDC(FDc, FSaved);
    }

private:
    HDC FDc;  // not owned
    int FSaved;
};

// Installs a region as a window's shape. The window owns the region from
// then on and deletes the one it replaces itself, so the caller must not
// delete either: this is the one place that hands a region to a window.
// A null region removes the shape. Returns true on success; on failure the
// region is deleted here, so it never leaks. A window that already has that
// shape is left alone.
bool InstallWindowRegion(HWND wnd, TRegionHandle region, bool redraw);
