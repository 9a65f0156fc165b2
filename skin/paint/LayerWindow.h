// Glow windows: a per-pixel-alpha popup shown over the screen beside a hot
// element, fading in when shown and removed at once when hidden.
//
//  TbsLayerWindow   the popup itself: a tool window transparent to the
//                   mouse that never takes activation and paints nothing;
//                   its content comes only from the layered update
//  TbsLayerManager  owns one glow at a time: Show, Hide, ReShow and the
//                   25 ms fade-in
//  MakeLayerImage, UpdateLayerImage   the glow image and its layered update
//
// Nothing here is created on platforms without layered windows
// (LayeredWindowsAvailable false).
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/LayerFade.h"

#include <windows.h>

#include "platform/Handles.h"
#include "skin/paint/TbsBitmap.h"

#include <memory>

class TbsLayerManager;

class TbsLayerWindow {
public:
    // Style exactly WS_POPUP, extended style exactly WS_EX_TOOLWINDOW |
    // WS_EX_TRANSPARENT (no taskbar button, mouse input passes through),
    // class style CS_SAVEBITS. Created hidden at the given screen bounds.
    // Raises Exception when the window cannot be created.
    TbsLayerWindow(const TRect& bounds, TbsLayerManager* owner);
    TbsLayerWindow(const TbsLayerWindow&) = delete;
    TbsLayerWindow& operator=(const TbsLayerWindow&) = delete;
    virtual ~TbsLayerWindow();

    HWND Handle() const { return FHandle.Get(); }
    // Screen position of the window.
    int Left() const;
    int Top() const;

    static constexpr UINT_PTR FadeTimerId = 1;

protected:
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND FWnd = nullptr;      // set at WM_NCCREATE, before CreateWindowEx returns
    TWindowHandle FHandle;    // owns FWnd once created
    TbsLayerManager* FOwner;  // not owned: receives the fade timer
};

// Image := picture with the mask's grey levels as alpha (white opaque,
// black transparent), colours lowered to the alpha as the layered update
// expects. Pictures and masks of different sizes: the mask's missing part
// counts as opaque. Raises only when the image cannot be sized.
void MakeLayerImage(const TbsBitmap& picture, const TbsBitmap& mask, TbsBitmap& image);
void MakeLayerImage(HBITMAP picture, HBITMAP mask, TbsBitmap& image);

// Puts image, with the constant alpha on top of its own, into the layered
// window at the window's position. Nothing without a window, an image or
// the platform's UpdateLayeredWindow.
void UpdateLayerImage(const TbsBitmap& image, int alpha, const TbsLayerWindow* window);
// The same for any layered window, at its current position.
void UpdateLayerImage(const TbsBitmap& image, int alpha, HWND window);

class TbsLayerManager {
public:
    TbsLayerManager() = default;
    TbsLayerManager(const TbsLayerManager&) = delete;
    TbsLayerManager& operator=(const TbsLayerManager&) = delete;
    ~TbsLayerManager();

    // Shows picture at screen position (x, y), masked by mask, fading in
    // from transparent to alphaValue (clamped to 0 .. 255). A glow already
    // shown is hidden first. Nothing for an empty picture.
    void Show(int x, int y, int alphaValue, const TbsBitmap& mask, const TbsBitmap& picture);
    void Show(int x, int y, int alphaValue, HBITMAP mask, HBITMAP picture);
    // Removes the glow at once.
    void Hide();
    // Shows the glow window again where it is, in its z-order band, without
    // activating it (after the owner's frame took the mouse).
    void ReShow();
    // One step of the fade (the timer's handler).
    void FadeStep();

    bool GetTopMost() const { return FTopMost; }
    void SetTopMost(bool value) { FTopMost = value; }
    bool Visible() const { return FVisible; }
    int CurrentAlpha() const { return FFade.Current(); }
    int TargetAlpha() const { return FFade.Target(); }
    bool FadeTimerEnabled() const { return FTimerEnabled; }
    const TbsLayerWindow* LayerWindow() const { return FWindow.get(); }
    const TbsBitmap* Image() const { return FImage.get(); }

private:
    void ShowImage(int x, int y, int alphaValue, std::unique_ptr<TbsBitmap> image);
    void SetTimerEnabled(bool enabled);

    std::unique_ptr<TbsLayerWindow> FWindow;
    std::unique_ptr<TbsBitmap> FImage;
    TLayerFade FFade;
    bool FTimerEnabled = false;
    bool FTopMost = true;
    bool FVisible = false;
};
