// The layered border of a skinned form: a soft per-pixel-alpha edge (a
// shadow or a glow) drawn outside the form in four borderless layered
// windows, one per side, that follow the form.
//
//  TbsFormLayerWindow  one strip's window: class "TbsFormLayerWindow" (the
//                      skin manager's broadcast leaves it out), never
//                      activated, transparent to the mouse unless the skin
//                      gives the border mouse zones
//  TbsFormLayerBorder  the strips cut from the skin's layer picture for the
//                      form's bounds (LayerBorderGeometry.h), the four
//                      windows, the alphas of the active and inactive state
//                      and the fade-in on resume
//
// The border copies what it needs from the skin when the skin is loaded
// (values and the premultiplied layer images), so a skin change between two
// messages never leaves it reading freed pictures.
//
// A full border ("fullborder" 1) carries the form's whole frame: the form
// keeps no frame of its own, and its caption objects are drawn into the top
// strip (by the form, through DrawCaption) and take the mouse through the
// top window, which then is not transparent to it: a press on an object
// goes to the form (CaptionMouse), a press elsewhere on the strip moves the
// form, and a 500 ms timer notices the pointer leaving the strip.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "platform/Handles.h"
#include "platform/portable/PixelBuffer.h"
#include "skin/form/portable/LayerBorderGeometry.h"
#include "skin/form/portable/LayerCaptionGeometry.h"
#include "skin/paint/TbsBitmap.h"
#include "skin/paint/portable/LayerFade.h"

class TbsSkinData;
class TbsFormLayerBorder;

inline constexpr const char* bsFormLayerWindowClass = "TbsFormLayerWindow";

class TbsFormLayerWindow {
public:
    // Created hidden. Raises Exception when the window cannot be made.
    TbsFormLayerWindow(TbsFormLayerBorder& border, TbsLayerSide side, bool mouseTransparent, bool topMost);
    TbsFormLayerWindow(const TbsFormLayerWindow&) = delete;
    TbsFormLayerWindow& operator=(const TbsFormLayerWindow&) = delete;
    ~TbsFormLayerWindow();

    HWND Handle() const { return FHandle.Get(); }
    TbsLayerSide Side() const { return FSide; }

private:
    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND FWnd = nullptr;          // set at WM_NCCREATE, before CreateWindowEx returns
    TWindowHandle FHandle;        // owns FWnd once created
    TbsFormLayerBorder& FBorder;  // not owned: the border that owns this window
    TbsLayerSide FSide;
};

class TbsFormLayerBorder {
public:
    // form: the skinned form's window (not owned); it may not exist yet.
    TbsFormLayerBorder() = default;
    TbsFormLayerBorder(const TbsFormLayerBorder&) = delete;
    TbsFormLayerBorder& operator=(const TbsFormLayerBorder&) = delete;
    ~TbsFormLayerBorder();

    void SetOwnerWindow(HWND form) { FOwnerWindow = form; }
    HWND OwnerWindow() const { return FOwnerWindow; }
    // What the border asks of its form: may the form be resized now, and the
    // height the border is built for (the window's own, or its rolled-up
    // height). Both optional.
    std::function<bool()> CanResize;
    // The form is rolled up or minimised: a full border is then built for
    // the form height "rollupformheight". Optional.
    std::function<bool()> FormRolledUp;
    // Full border only, all optional. DrawCaption draws the caption objects
    // into the freshly built top strip (its coordinates); CaptionHitAt
    // answers for a point of the strip: bsfhClient on a caption button,
    // bsfhCaption on the caption, else bsfhNowhere; CaptionMouse gets
    // the top window's mouse messages (WM_MOUSEMOVE, button presses and
    // releases) with the point in the strip; CaptionMouseLeave is called
    // once the pointer has left the strip.
    std::function<void(TbsBitmap& top)> DrawCaption;
    std::function<int(TPoint p)> CaptionHitAt;
    std::function<void(UINT msg, TPoint p)> CaptionMouse;
    std::function<void()> CaptionMouseLeave;
    // Whether the desktop may blur behind the border now (the manager's
    // AeroBlurEnabled, no alpha on the form); optional, true when unset.
    std::function<bool()> BlurAllowed;

    // Takes the skin's layer frame, or none when the manager holds no skin
    // or the frame's pictures are missing. A shown border is hidden first.
    void LoadSkin(const TbsSkinData* skinData);
    bool HasFrame() const { return FHasFrame; }
    // The skin's layer frame is a full border (see above).
    bool FullBorder() const { return FHasFrame && FFullBorder; }
    int RollUpFormHeight() const { return FRollUpFormHeight; }
    // The places of the caption objects in the layer picture (ButtonsOffset
    // is left 0: the form's frame has it).
    const TbsLayerCaptionMetrics& CaptionMetrics() const { return FCaptionMetrics; }
    // The width of the border around a form formWidth wide.
    int LayerWidthFor(int formWidth) const;

    // Builds the strips for the form's current bounds and shows the windows.
    void ShowLayer();
    // Frees the strips and the windows.
    void HideLayer();
    // Rebuilds the strips for the form's current bounds and moves the windows.
    void UpdateLayer();
    // Gives the windows their pictures again (nothing else changes).
    void RedrawLayer();
    // As UpdateLayer, for explicit form bounds (a live resize, a restore).
    void SetLayerBounds(const TRect& formBounds);
    // Moves the windows only.
    void MoveLayer(int left, int top);
    // Active and inactive alpha := the skin's alpha x alpha / 255, rounded.
    void SetLayerAlpha(int alpha, bool apply);
    void SetLayerActive(bool active, bool apply);
    // Shows the border at alpha 0 and raises it on a timer to the alpha of
    // the current state.
    void FadeIn();
    // One fade step (the timer's handler).
    void FadeStep();
    // Full border: builds the top strip again (the caption objects changed)
    // and gives the top window its new picture.
    void RedrawCaption();
    // The hit test of the full border's top window at a point of the strip.
    int FullBorderHitTest(TPoint p) const;
    // The top window's mouse under a full border: the message goes to the
    // form, and the mouse-out timer watches the pointer.
    void TopWindowMouse(UINT msg, TPoint p);
    // The mouse-out timer's step: the pointer off the strip ends the tracking.
    void CaptionMouseOutTick();
    static constexpr UINT kCaptionMouseOutInterval = 500;  // ms
    // Puts the windows just below the form in the z-order (or topmost with
    // a topmost form), without activating anything.
    void PlaceBelowForm();

    bool Shown() const { return FShown; }
    bool ShowActive() const { return FShowActive; }
    int ActiveAlpha() const { return FActiveAlpha; }
    int InActiveAlpha() const { return FInActiveAlpha; }
    // The alpha the windows show now (the fade's while it runs).
    int CurrentAlpha() const;
    bool Fading() const { return FFade.Running(); }
    TRect LayerRect() const { return FLayerRect; }
    const TbsLayerBorderMetrics& Metrics() const { return FMetrics; }
    // The strip and the window of a side; an empty bitmap and null for a
    // side that is not shown.
    const TbsBitmap& Piece(TbsLayerSide side) const { return FPieces[side]; }
    HWND Window(TbsLayerSide side) const;
    // The hit test of a layer window at a point in its coordinates.
    int HitTest(TbsLayerSide side, TPoint p) const;
    // The mouse zones are offered ("borderrect" is not empty).
    bool MouseZones() const { return !FBorderRect.IsEmpty(); }
    bool HitTestEnabled() const { return FHitTestEnable; }
    // The blur region of a side's window (null when that side is not
    // blurred): where the skin's blur mask is black, cut like the strip.
    // Only where the desktop composes windows and the blur is allowed.
    HRGN BlurRegion(TbsLayerSide side) const { return FBlurRegions[side].Get(); }

private:
    // False when the pieces were already built for that size and picture.
    bool BuildPieces(int width, int height);
    void BuildPiece(TbsLayerSide side, int w, int h, const TSkinBlits& blits);
    // The form height the border is built for.
    int BorderFormHeight(const TRect& formBounds) const;
    void CreateWindows();
    void DrawWindows(int alpha);
    void PlaceWindows();
    bool BlurApplies() const;
    void BuildBlurRegions(int width, int height);
    // Gives each window its blur region (or takes the blur away).
    void ApplyBlur();
    TRect FormBounds() const;
    int StateAlpha() const { return FShowActive ? FActiveAlpha : FInActiveAlpha; }
    bool UsesInactivePicture() const { return !FShowActive && !FInActiveImage.Empty(); }

    HWND FOwnerWindow = nullptr;  // not owned
    bool FHasFrame = false;
    TbsLayerBorderMetrics FMetrics;
    TbsLayerHitMetrics FHitMetrics;
    TRect FBorderRect;
    bool FHitTestEnable = false;
    bool FFullBorder = false;
    int FRollUpFormHeight = 0;
    TbsLayerCaptionMetrics FCaptionMetrics;
    int FSkinAlpha = 255, FSkinInActiveAlpha = 255;
    // Copies of the skin's premultiplied layer images.
    TPixelBuffer FActiveImage, FInActiveImage;
    // The desktop composes windows (taken with the skin), and the prepared
    // blur mask (LayerBlurMask.h); empty without composition or blur mask.
    bool FDWMBlur = false;
    TPixelBuffer FBlurMask;

    bool FShown = false;
    bool FShowActive = true;
    int FActiveAlpha = 255, FInActiveAlpha = 255;
    TRect FLayerRect;
    std::array<TbsBitmap, 4> FPieces;
    // What the pieces were built for: a rebuild for the same size and
    // picture (a repaint, a move) keeps them.
    int FBuiltWidth = -1, FBuiltHeight = -1;
    bool FBuiltInactive = false;
    int FDrawnAlpha = -1;  // the alpha the windows show now; -1 without windows
    std::array<std::unique_ptr<TbsFormLayerWindow>, 4> FWindows;
    std::array<TRegionHandle, 4> FBlurRegions;  // owned: the blur call does not take them
    std::array<bool, 4> FBlurred{};             // the window was given a blur
    TLayerFade FFade;
};
