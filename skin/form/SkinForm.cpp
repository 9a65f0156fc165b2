// TbsSkinForm: creation, the message handling in front of the form, the skin
// changes, sizing and the caption objects' tracking. Painting is in
// SkinFormPaint.cpp.
//
// Sections: creation and properties; the skin; geometry and region; message
// handling; caption objects and the mouse; commands.
#include "skin/form/SkinForm.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "platform/portable/TimerIds.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MaskRegion.h"
#include "skin/paint/SkinAccess.h"

namespace {

constexpr UINT kMouseOutInterval = 50;   // ms
constexpr UINT kMorphInterval = 25;      // ms
constexpr UINT kAnimationInterval = 25;  // ms

// Answers to the queries of other windows.
constexpr LRESULT kFrameIsSkinned = 12853, kFrameIsNotSkinned = 12852;
constexpr LRESULT kFramePainted = 12851;
constexpr LPARAM kPaintControlTag = 16802;  // lParam of WM_PAINTCONTROLTODC that asks for the frame

TForm* RequireForm(TComponent* owner) {
    auto* form = dynamic_cast<TForm*>(owner);
    if (!form) throw Exception(SSkinFormNeedsForm);
    return form;
}

void SetFont(TFont& font, const char* name, int height, unsigned style, TColor color) {
    font.SetName(name);
    font.SetHeight(height);
    font.SetStyle(style);
    font.SetColor(color);
}

}  // namespace

// Puts the component's handler in front of the form's window procedure.
class TbsSkinForm::THook : public TWindowHook {
public:
    THook(TbsSkinForm& frame, TForm& form) : TWindowHook(form), FFrame(frame) {}
    LRESULT Previous(UINT msg, WPARAM wParam, LPARAM lParam) { return CallPrevious(msg, wParam, lParam); }

protected:
    LRESULT HookWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        return FFrame.FrameWndProc(msg, wParam, lParam);
    }

private:
    TbsSkinForm& FFrame;  // not owned: the component that owns the hook
};

// ---- creation and properties ----------------------------------------------------

TbsSkinForm::TbsSkinForm(TComponent* AOwner) : TComponent(AOwner), FOwnerForm(RequireForm(AOwner)) {
    SetFont(FDefCaptionFont, "Tahoma", 13, fsBold, clBtnText);
    SetFont(FDefInActiveCaptionFont, "Tahoma", 13, fsBold, clBtnShadow);
    SetFont(FDefMenuItemFont, "Tahoma", 13, 0, clWindowText);
    if (LayeredWindowsAvailable()) FGlowLayer = std::make_unique<TbsLayerManager>();
    FLayerBorder = std::make_unique<TbsFormLayerBorder>();
    FSkinMenu = std::make_unique<TbsSkinMenu>(nullptr);
    FLayerBorder->CanResize = [this] { return Resizable() && !FRolledUp && !FormMinimized(); };
    // The desktop blurs behind the border only for an opaque form.
    FLayerBorder->BlurAllowed = [this] { return FSkinData && FSkinData->GetAeroBlurEnabled() && !FAlphaBlend; };
    ConnectFullBorder();
    FHook = std::make_unique<THook>(*this, *FOwnerForm);
    FPreviousShortCut = std::move(FOwnerForm->OnShortCut);
    FOwnerForm->OnShortCut = [this](WORD key, unsigned shift, bool& handled) { FormShortCut(key, shift, handled); };
    // The frame's own buttons replace the form's.
    FOldFormIcons = FOwnerForm->GetBorderIcons();
    FOwnerForm->SetBorderIcons(0);
    ApplyHookedFrame();
    CreatePlainObjects();
}

TbsSkinForm::~TbsSkinForm() {
    FSkinMenu.reset();
    FObjects.clear();
    FGlowLayer.reset();
    FLayerBorder.reset();
    const bool formAlive = FHook->GetControl() != nullptr && !FOwnerForm->IsDestroying();
    // Taken while the frame is still in front: removing the region makes the
    // system compute its own frame.
    const TRect client = formAlive ? FOwnerForm->GetClientRect() : TRect{};
    FHook.reset();
    if (!formAlive) return;
    FOwnerForm->OnShortCut = std::move(FPreviousShortCut);
    if (FOwnerForm->HandleAllocated()) {
        for (UINT_PTR id : {tidFormMouseOut, tidFormCaptionMorph, tidFormCaptionAnimation, tidFormShowLayerBorder}) FOwnerForm->StopTimer(id);
        // The fade's timer is set on the window itself (its id is fixed);
        // a fade cut short must not leave the form half seen.
        KillTimer(FOwnerForm->WindowHandle(), tidFormFadeIn);
        if (FFormFade.Running()) {
            FFormFade.Stop();
            RemoveLayered();
        }
        if (GetCapture() == FOwnerForm->WindowHandle()) ReleaseCapture();
        InstallWindowRegion(FOwnerForm->WindowHandle(), TRegionHandle(), true);
    }
    // Back to the system's frame, with the form's client size kept.
    if (FOldFormIcons != 0) {
        FOwnerForm->SetBorderIcons(FOldFormIcons);
    } else if (FOwnerForm->HandleAllocated()) {
        SetWindowPos(FOwnerForm->WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ResizeToClient(client.Width(), client.Height());
}

// Sizes the window so that its client area is width x height with the
// frame it has now.
void TbsSkinForm::ResizeToClient(int width, int height) {
    FOwnerForm->SetClientWidth(width);
    FOwnerForm->SetClientHeight(height);
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    RECT client{}, window{};
    ::GetClientRect(wnd, &client);
    GetWindowRect(wnd, &window);
    const int dw = width - client.right, dh = height - client.bottom;
    if (dw == 0 && dh == 0) return;
    SetWindowPos(wnd, nullptr, 0, 0, window.right - window.left + dw, window.bottom - window.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window gets the frame of the hook now in front of it.
void TbsSkinForm::ApplyHookedFrame() {
    if (!FOwnerForm->HandleAllocated()) return;
    const TRect client = FOwnerForm->GetClientRect();
    SetWindowPos(FOwnerForm->WindowHandle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeToClient(client.Width(), client.Height());
    RECT rc{};
    GetWindowRect(FOwnerForm->WindowHandle(), &rc);
    FFormWidth = rc.right - rc.left;
    FFormHeight = rc.bottom - rc.top;
    SetRegion(true);
}

void TbsSkinForm::Loaded() {
    TComponent::Loaded();
    ChangeSkinData();
    if (FWindowState != TbsWindowState::wsNormal) ApplyWindowState(FWindowState);
}

void TbsSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if ((AComponent == FSkinData || AComponent == FMenusSkinData) && FSkinMenu) FSkinMenu->CloseAll();
    if (AComponent == FMenusSkinData) FMenusSkinData = nullptr;
    if (AComponent == FTrayIcon) FTrayIcon = nullptr;
    if (AComponent == FSystemMenu) FSystemMenu = nullptr;
    if (AComponent == FSkinData) {
        FSkinData = nullptr;
        if (!IsDestroying()) ChangeSkinData();
    }
}

void TbsSkinForm::SetSkinData(TbsSkinData* value) {
    if (value == FSkinData) return;
    if (FSkinData) RemoveFreeNotification(FSkinData);
    FSkinData = value;
    if (FSkinData) {
        FreeNotification(FSkinData);
        FSkinnable = FSkinData->GetSkinnableForm();
    }
    if (!IsLoading()) ChangeSkinData();
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    if (IsLoading()) return;
    if (!FSkinLoaded) CreatePlainObjects();
    CheckObjects();
    ArrangeObjects();
    PaintFrame(nullptr);
}

void TbsSkinForm::SetShowIcon(bool value) {
    if (value == FShowIcon) return;
    FShowIcon = value;
    if (IsLoading()) return;
    ArrangeObjects();
    PaintFrame(nullptr);
}

void TbsSkinForm::SetUseSkinFontInCaption(bool value) {
    FUseSkinFontInCaption = value;
    if (!IsLoading()) PaintFrame(nullptr);
}

void TbsSkinForm::SetHideCaptionButtons(bool value) {
    FHideCaptionButtons = value;
    if (IsLoading()) return;
    CheckObjects();
    ArrangeObjects();
    PaintFrame(nullptr);
}

// ---- the skin -------------------------------------------------------------------

void TbsSkinForm::ChangeSkinData() {
    ResetMouseTracking();
    if (FGlowLayer) FGlowLayer->Hide();
    const TbsSkinDataCore* skin = SkinOf(FSkinData);
    FSkinLoaded = SkinUsable(skin) && !skin->FMainPicture.Empty();
    if (!FOwnerForm->HandleAllocated()) {
        if (FSkinLoaded && FSkinnable) CreateObjects();
        else CreatePlainObjects();
        LayerBorderReload();  // taken now, shown with the window
        return;
    }
    HWND wnd = FOwnerForm->WindowHandle();
    // The frame changes size: the form keeps its client size.
    const TRect client = FOwnerForm->GetClientRect();
    // The border's skin first: a full border takes the frame's place.
    LayerBorderHide();
    FLayerBorder->LoadSkin(FSkinLoaded && FSkinnable ? FSkinData : nullptr);
    if (FSkinLoaded && FSkinnable) {
        CreateObjects();
    } else {
        CreatePlainObjects();
    }
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeToClient(FClientWidth > 0 ? FClientWidth : client.Width(), FClientHeight > 0 ? FClientHeight : client.Height());
    EnsureMinimumSize();
    RECT rc{};
    GetWindowRect(wnd, &rc);
    FFormWidth = rc.right - rc.left;
    FFormHeight = rc.bottom - rc.top;
    // A form centred on the screen is centred on its size with this frame,
    // as long as it has not been shown.
    if (FOwnerForm->GetPosition() == TPosition::poScreenCenter && !IsWindowVisible(wnd)) {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - FFormWidth) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - FFormHeight) / 2;
        FOwnerForm->SetBounds(x, y, FFormWidth, FFormHeight);
    }
    if (FSkinLoaded && FSkinnable) UpdateFrame(true);
    else SetRegion(true);
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    SwitchCaptionActivation(FNCActive);
    LayerBorderShow();
    if (OnChangeSkinData) OnChangeSkinData(this);
}

void TbsSkinForm::EnsureMinimumSize() {
    const int minW = GetMinFormWidth(), minH = GetMinFormHeight();
    const int w = FOwnerForm->GetWidth(), h = FOwnerForm->GetHeight();
    if (w < minW || h < minH)
        FOwnerForm->SetBounds(FOwnerForm->GetLeft(), FOwnerForm->GetTop(), std::max(w, minW), std::max(h, minH));
}

// Makes the system apply the size limits again: one pixel narrower, then back.
void TbsSkinForm::Nudge() {
    const int w = FOwnerForm->GetWidth(), h = FOwnerForm->GetHeight();
    const int step = w - 1 < GetMinFormWidth() ? 1 : -1;
    FOwnerForm->SetBounds(FOwnerForm->GetLeft(), FOwnerForm->GetTop(), w + step, h);
    FOwnerForm->SetBounds(FOwnerForm->GetLeft(), FOwnerForm->GetTop(), w, h);
}

void TbsSkinForm::OnSkinChangeBegin(WPARAM wParam) {
    if (reinterpret_cast<TbsSkinData*>(wParam) != FSkinData || !FSkinData) return;
    FSkinChanging = true;
    FSkinLoaded = false;
    if (FOwnerForm->HandleAllocated())
        for (UINT_PTR id : {tidFormMouseOut, tidFormCaptionMorph, tidFormCaptionAnimation, tidFormShowLayerBorder}) FOwnerForm->StopTimer(id);
    if (FGlowLayer) FGlowLayer->Hide();
    FSkinMenu->CloseAll();  // its windows read the skin being replaced
    LayerBorderHide();
    FreeObjects();
    if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TbsSkinForm::OnSkinLoaded(WPARAM wParam) {
    FSkinChanging = false;
    if (reinterpret_cast<TbsSkinData*>(wParam) == FSkinData && FSkinData) ChangeSkinData();
}

const TbsBitmap* TbsSkinForm::FramePicture(bool inactive) {
    const TbsSkinDataCore* skin = SkinOf(FSkinData);
    if (!SkinUsable(skin) || skin->FMainPicture.Empty()) return nullptr;
    if (FFrameBitmapGeneration != skin->GetGeneration()) {
        FFrameBitmap.Assign(skin->FMainPicture);
        FInActiveFrameBitmap.reset();
        if (!skin->FInActivePicture.Empty()) {
            FInActiveFrameBitmap = std::make_unique<TbsBitmap>();
            FInActiveFrameBitmap->Assign(skin->FInActivePicture);
        }
        FFrameBitmapGeneration = skin->GetGeneration();
    }
    if (inactive && FInActiveFrameBitmap && !FInActiveFrameBitmap->Empty()) return FInActiveFrameBitmap.get();
    return FFrameBitmap.Empty() ? nullptr : &FFrameBitmap;
}

// ---- geometry and region ------------------------------------------------------

bool TbsSkinForm::HasBorder() const { return FOwnerForm->GetBorderStyle() != TFormBorderStyle::bsNone; }

bool TbsSkinForm::Resizable() const {
    return FAlwaysResize || FOwnerForm->GetBorderStyle() == TFormBorderStyle::bsSizeable;
}

bool TbsSkinForm::FormMinimized() const {
    return FOwnerForm->HandleAllocated() && IsIconic(FOwnerForm->WindowHandle());
}

bool TbsSkinForm::FormMaximized() const {
    return FOwnerForm->HandleAllocated() && IsZoomed(FOwnerForm->WindowHandle());
}

bool TbsSkinForm::IsMainForm() const { return Application().GetMainForm() == FOwnerForm; }

bool TbsSkinForm::MorphAllowed() const { return FSkinLoaded && FSkinData && FSkinData->GetEnableSkinEffects(); }

void TbsSkinForm::CalcRects() {
    if (!FSkinLoaded) return;
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FOwnerForm->GetWidth();
        FFormHeight = FOwnerForm->GetHeight();
    }
    const TbsSkinDataCore& skin = *SkinOf(FSkinData);
    FRects = CalcFrameRects(skin.FDefinition.FormInfo, skin.FMainPicture.Width, skin.FMainPicture.Height, FFormWidth,
                            FFormHeight);
}

void TbsSkinForm::UpdateFrame(bool resized) {
    if (!FSkinLoaded) return;
    if (FSkinnable) {
        CalcRects();
        if (resized) ArrangeObjects();
    }
    SetRegion(resized);
    const TbsSkinDataCore& skin = *SkinOf(FSkinData);
    if (skin.FDefinition.FormInfo.StretchEffect && FOwnerForm->HandleAllocated()) {
        InvalidateRect(FOwnerForm->WindowHandle(), nullptr, TRUE);
        FOwnerForm->Broadcast(WM_PARENTBGCHANGED, 0, 0);
    }
}

TbsFrameLimits TbsSkinForm::FrameLimits() const {
    TbsFrameLimits l;
    const TbsSkinDataCore* skin = SkinOf(FSkinData);
    l.SkinLoaded = FSkinLoaded && skin;
    if (l.SkinLoaded) {
        l.PictureWidth = skin->FMainPicture.Width;
        l.PictureHeight = skin->FMainPicture.Height;
        l.FormMinWidth = skin->FDefinition.FormInfo.FormMinWidth;
        l.FormMinHeight = skin->FDefinition.FormInfo.FormMinHeight;
        l.ClientRect = skin->FDefinition.FormInfo.ClientRect;
    }
    l.MinWidth = FMinWidth;
    l.MinHeight = FMinHeight;
    l.Minimized = FormMinimized();
    l.RolledUp = FRolledUp;
    return l;
}

int TbsSkinForm::GetMinFormWidth() const {
    if (FullBorderMode()) return FMinWidth;
    return FrameMinWidth(FrameLimits());
}

int TbsSkinForm::GetMinFormHeight() const {
    // A full border's form has no frame: rolled up it keeps the border's height.
    if (FullBorderMode()) return FRolledUp ? FLayerBorder->RollUpFormHeight() : FMinHeight;
    return FrameMinHeight(FrameLimits());
}

namespace {
RECT MonitorArea(HWND wnd, bool fullScreen) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoA(monitor, &info)) return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return fullScreen ? info.rcMonitor : info.rcWork;
}
}  // namespace

int TbsSkinForm::GetMaxFormWidth() const {
    if (FMaxWidth != 0) return FMaxWidth;
    const RECT r = MonitorArea(FOwnerForm->WindowHandle(), FMaximizeOnFullScreen);
    return r.right - r.left;
}

int TbsSkinForm::GetMaxFormHeight() const {
    if (FMaxHeight != 0) return FMaxHeight;
    const RECT r = MonitorArea(FOwnerForm->WindowHandle(), FMaximizeOnFullScreen);
    return r.bottom - r.top;
}

void TbsSkinForm::SetRegion(bool resized) {
    if (!FOwnerForm->HandleAllocated()) return;
    HWND wnd = FOwnerForm->WindowHandle();
    if (!FSkinnable || !HasBorder()) {
        InstallWindowRegion(wnd, TRegionHandle(), true);
        return;
    }
    const int W = FFormWidth, H = FFormHeight;
    const TbsSkinDataCore* skin = SkinOf(FSkinData);
    TRegionHandle region;
    if (!FSkinLoaded || skin->FMaskPicture.Empty() || FullBorderMode()) {
        FTopMask = FBottomMask = FLeftMask = FRightMask = TRgbBuffer();
        region.Reset(CreateRectRgn(0, 0, W, H));
    } else {
        const TbsFormInfo& info = skin->FDefinition.FormInfo;
        const TRgbBuffer mask = RgbBufferOf(ViewOf(skin->FMaskPicture));
        if (!resized) {
            region = RegionFromData(CreateRegionData(mask.View(), 0, 0));
        } else {
            FTopMask = FBottomMask = FLeftMask = FRightMask = TRgbBuffer();
            CreateSkinMaskStrips(info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint,
                                 info.MaskRectArea, mask.View(), FRects.FrameLT, FRects.FrameRT, FRects.FrameLB,
                                 FRects.FrameRB, FRects.FrameMaskArea, W, FTopMask, FBottomMask, FLeftMask,
                                 FRightMask);
            const TRect& area = FRects.FrameMaskArea;
            region.Reset(CreateRectRgn(area.Left, area.Top, area.Right, area.Bottom));
            const TMaskStripOffsets at = MaskStripOffsets(area);
            const auto add = [&region](const TRgbBuffer& strip, TPoint offset) {
                if (strip.Width <= 0 || strip.Height <= 0 || !region) return;
                TRegionHandle part = RegionFromData(CreateRegionData(strip.View(), offset.X, offset.Y));
                if (part) CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
            };
            add(FTopMask, at.Top);
            add(FBottomMask, at.Bottom);
            add(FLeftMask, at.Left);
            add(FRightMask, at.Right);
        }
    }
    // The window owns the region from here on and deletes the one it
    // replaces; nothing of it is kept here.
    InstallWindowRegion(wnd, std::move(region), true);
}

int TbsSkinForm::FrameHitTest(TPoint p) {
    TbsFrameHitState s;
    s.Resizable = Resizable();
    s.Maximized = FormMaximized();
    s.MinimizedOrRolledUp = FormMinimized() || FRolledUp;
    s.ObjectActive = FActiveObject != -1;
    s.InSizeMove = FInSizeMove;
    if (!FSkinLoaded) {
        const int W = FOwnerForm->GetWidth(), H = FOwnerForm->GetHeight();
        const TbsPlainFrameLayout layout = PlainFrameLayout(W, H, false, FBorderIcons, {kPlainButtonSize, kPlainButtonSize});
        return PlainFrameHitTest(layout, W, H, s, p);
    }
    const TbsSkinDataCore& skin = *SkinOf(FSkinData);
    s.BorderWidth = skin.FDefinition.FormInfo.BorderWidth;
    s.HasMask = !skin.FMaskPicture.Empty();
    s.TopMask = FTopMask.View();
    s.BottomMask = FBottomMask.View();
    s.LeftMask = FLeftMask.View();
    s.RightMask = FRightMask.View();
    std::vector<TRect> captions;
    for (const auto& object : FObjects)
        if (dynamic_cast<const TbsSkinCaptionObject*>(object.get()) && object->Visible) captions.push_back(object->ObjectRect);
    s.CaptionAreas = captions;
    return ::FrameHitTest(FRects, s, p);
}

// ---- message handling -----------------------------------------------------------

LRESULT TbsSkinForm::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) {
    return FHook->Previous(msg, wParam, lParam);
}

TPoint TbsSkinForm::WindowPoint(LPARAM screenPoint) const {
    RECT rc{};
    GetWindowRect(FOwnerForm->WindowHandle(), &rc);
    return Point(GET_X_LPARAM(screenPoint) - rc.left, GET_Y_LPARAM(screenPoint) - rc.top);
}

LRESULT TbsSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A fade-in whose timer never came must not leave the window unseen.
    if (FFormFade.Running() && TickCount() - FFadeStarted > kFadeDeadlineMs) FinishFade();
    switch (msg) {
        case WM_NCCALCSIZE:
            if (!FSkinnable) break;
            return OnNcCalcSize(wParam, lParam);
        case WM_NCPAINT:
            if (!FSkinnable) break;
            if (HasBorder() && !(FSkinChanging && !FSkinLoaded) && !FullBorderMode()) PaintFrame(nullptr);
            return 0;
        case WM_NCHITTEST:
            if (!FSkinnable) break;
            return OnNcHitTest(lParam);
        case WM_NCACTIVATE:
            if (!FSkinnable) break;
            return OnNcActivate(wParam, lParam);
        case WM_ACTIVATE: {
            if (!FSkinnable) break;
            const LRESULT r = CallOld(msg, wParam, lParam);
            OnActivate();
            LayerBorderActivate(LOWORD(wParam) != WA_INACTIVE);
            UpdateClientCover(LOWORD(wParam) != WA_INACTIVE);
            return r;
        }
        case WM_SYSCOMMAND:
            if (!FSkinnable) break;
            return OnSysCommand(wParam, lParam);
        case WM_RESTOREDFROMTRAY:
            if (FOwnerForm->HandleAllocated()) SetForegroundWindow(FOwnerForm->WindowHandle());
            return 0;
        case WM_SKINMENUCLOSED:
            OnSkinMenuClosed();
            return 0;
        case WM_MOVING:
            if (FSkinnable && OnMoving(*reinterpret_cast<RECT*>(lParam))) return TRUE;
            break;
        case WM_SHOWWINDOW:
            OnShowWindow(wParam != 0);
            break;
        case WM_WINDOWPOSCHANGED: {
            const LRESULT r = CallOld(msg, wParam, lParam);
            if (FOwnerForm->HandleAllocated()) LayerBorderWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return r;
        }
        case WM_DESTROY:
            LayerBorderHide();
            FClientCover.reset();
            break;
        case WM_LAYEREDBORDERSCHANGED:
        case WM_AEROBLURCHANGED:
        case WM_SUSPENDLAYERBORDER:
        case WM_RESUMELAYERBORDER:
            OnLayerBorderMessage(msg);
            return 0;
        case WM_SETTEXT:
            if (!FSkinnable) break;
            return OnSetText(wParam, lParam);
        case WM_ERASEBKGND:
            PaintClientBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_GETMINMAXINFO: {
            if (!FSkinnable) break;
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{GetMinFormWidth(), GetMinFormHeight()};
            info->ptMaxTrackSize = POINT{GetMaxFormWidth(), GetMaxFormHeight()};
            // Maximised: the work area (the whole monitor with
            // MaximizeOnFullScreen), one pixel in on every side when the
            // work area is the whole primary monitor, so that a task bar
            // that hides itself can still be reached.
            TRect area = GetMonitorWorkArea(FOwnerForm->WindowHandle(), !FMaximizeOnFullScreen);
            const TRect monitor = GetMonitorWorkArea(FOwnerForm->WindowHandle(), false);
            if (!FMaximizeOnFullScreen && area == monitor && area.Left == 0 && area.Top == 0)
                area = TRect{area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1};
            RECT mon{};
            if (HMONITOR m = MonitorFromWindow(FOwnerForm->WindowHandle(), MONITOR_DEFAULTTONEAREST)) {
                MONITORINFO mi{};
                mi.cbSize = sizeof(mi);
                if (GetMonitorInfoA(m, &mi)) mon = mi.rcMonitor;
            }
            // The maximised position is relative to the monitor.
            info->ptMaxPosition = POINT{area.Left - mon.left, area.Top - mon.top};
            info->ptMaxSize = POINT{area.Width(), area.Height()};
            break;
        }
        case WM_SIZE:
            if (!FSkinnable) break;
            return OnSize(msg, wParam, lParam);
        case WM_DISPLAYCHANGE:
            if (HasBorder() && (FOwnerForm->GetWidth() > GetMaxFormWidth() || FOwnerForm->GetHeight() > GetMaxFormHeight()))
                Nudge();
            break;
        case WM_SETCURSOR: {
            if (!FSkinnable || !FUseFormCursorInNCArea) break;
            const WORD code = LOWORD(lParam);
            if (code == HTCAPTION || code < HTLEFT || code > HTBOTTOMRIGHT)
                lParam = MAKELPARAM(HTCLIENT, HIWORD(lParam));
            break;
        }
        case WM_ENTERSIZEMOVE: {
            FSnap.Reset();
            if (FActiveObject != -1) TestActive(-1, -1, false);
            ResetMouseTracking();
            FInSizeMove = true;
            BOOL full = FALSE;
            SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
            FFullDrag = full != FALSE;
            break;
        }
        case WM_SIZING: {
            if (!FInSizeMove || !FFullDrag) break;
            FSizing = true;
            const LRESULT r = CallOld(msg, wParam, lParam);
            const auto* rc = reinterpret_cast<const RECT*>(lParam);
            FFormWidth = std::max(int(rc->right - rc->left), GetMinFormWidth());
            FFormHeight = std::max(int(rc->bottom - rc->top), GetMinFormHeight());
            LayerBorderSetBounds(TRect{rc->left, rc->top, rc->left + FFormWidth, rc->top + FFormHeight});
            if (!FSkinLoaded) SetRegion(true);
            else if (FFormWidth != FOwnerForm->GetWidth() || FFormHeight != FOwnerForm->GetHeight()) UpdateFrame(true);
            return r;
        }
        case WM_EXITSIZEMOVE: {
            const LRESULT r = CallOld(msg, wParam, lParam);
            if (FSizing && (FOwnerForm->GetWidth() != FFormWidth || FOwnerForm->GetHeight() != FFormHeight)) {
                FFormWidth = FOwnerForm->GetWidth();
                FFormHeight = FOwnerForm->GetHeight();
                UpdateFrame(true);
            }
            FSizing = FInSizeMove = false;
            ResetMouseTracking();
            if (FSkinLoaded) PaintFrame(nullptr);
            return r;
        }
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
            if (!FSkinnable) break;
            return OnNcMouse(msg, wParam, lParam);
        case WM_MOUSEMOVE:
            // While a caption button holds the mouse, the pointer's moves
            // come as client messages: it is on the button or off it.
            if (FMouseCaptureObject != -1 && GetCapture() == FOwnerForm->WindowHandle()) {
                POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(FOwnerForm->WindowHandle(), &pt);
                const TPoint p = WindowPoint(MAKELPARAM(pt.x, pt.y));
                TestActive(p.X, p.Y, true);
                if (FMouseCaptureObject != -1) FObjects[std::size_t(FMouseCaptureObject)]->MouseMove(p.X, p.Y);
                return 0;
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (FMouseCaptureObject != -1) return OnClientButtonUp(msg, wParam, lParam);
            break;
        case WM_CAPTURECHANGED:
            // Capture taken away: the press ends without a command.
            if (FMouseCaptureObject != -1 && reinterpret_cast<HWND>(lParam) != FOwnerForm->WindowHandle()) {
                TbsActiveSkinObject& object = *FObjects[std::size_t(FMouseCaptureObject)];
                FMouseCaptureObject = -1;
                if (auto* button = dynamic_cast<TbsSkinButtonObject*>(&object)) {
                    button->FPressed = false;
                    RedrawObject(object);
                }
            }
            break;
        case WM_CONTEXTMENU:
            // The system's own menu would open over the skinned caption; the
            // frame opens its own on the right press instead.
            if (FSkinnable && lParam != -1 && FrameHitTest(WindowPoint(lParam)) != HTCLIENT) return 0;
            break;
        case WM_TIMER:
            if (OnTimer(UINT_PTR(wParam))) return 0;
            break;
        case WM_SKINCHANGEBEGIN:
            OnSkinChangeBegin(wParam);
            break;  // the form walks its controls
        case WM_SKINLOADED:
            OnSkinLoaded(wParam);
            break;  // the form walks its controls
        case WM_SKINCHANGEEND:
            if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
            break;
        case WM_SKINNABLEFORMCHANGED:
            if (FSkinData && reinterpret_cast<TbsSkinData*>(wParam) == FSkinData) {
                FSkinnable = FSkinData->GetSkinnableForm();
                ChangeSkinData();
            }
            break;
        case WM_RESOURCESTRINGSCHANGED:
            LoadDefaultHints();
            break;
        case WM_QUERYSKINNEDFRAME:
            return FSkinnable ? kFrameIsSkinned : kFrameIsNotSkinned;
        case WM_PAINTFRAMETODC:
            if (!FSkinnable) break;
            if (wParam && HasBorder()) {
                PaintFrame(reinterpret_cast<HDC>(wParam));
                return kFramePainted;
            }
            return 0;
        case WM_PAINTCONTROLTODC:
            if (!FSkinnable || lParam != kPaintControlTag) break;
            if (wParam && HasBorder()) PaintFrame(reinterpret_cast<HDC>(wParam));
            return kPaintControlTag;
        case WM_FRAMECOMMAND:
            switch (TbsStdCommand(wParam)) {
                case cmClose: CommandClose(); break;
                case cmMinimize: CommandMinimize(); break;
                case cmMaximize: CommandMaximize(); break;
                case cmRollUp: CommandRollUp(); break;
                case cmMinimizeToTray: CommandMinimizeToTray(); break;
                default: break;
            }
            return 0;
        default:
            break;
    }
    return CallOld(msg, wParam, lParam);
}

LRESULT TbsSkinForm::OnNcCalcSize(WPARAM, LPARAM lParam) {
    // Whatever wParam says, lParam starts with the proposed window rectangle.
    auto* rc = reinterpret_cast<RECT*>(lParam);
    if (!HasBorder() || FullBorderMode()) return 0;
    const TRect window = Rect(rc->left, rc->top, rc->right, rc->bottom);
    TRect client;
    if (FSkinLoaded) {
        const TbsSkinDataCore& skin = *SkinOf(FSkinData);
        client = SkinnedClientOf(window, skin.FDefinition.FormInfo, skin.FMainPicture.Width, skin.FMainPicture.Height);
    } else {
        client = PlainClientOf(window, false);
    }
    *rc = RECT{client.Left, client.Top, client.Right, client.Bottom};
    return 0;
}

LRESULT TbsSkinForm::OnNcHitTest(LPARAM lParam) {
    if (FullBorderMode()) return HTCLIENT;
    const TPoint p = WindowPoint(lParam);
    const int code = FrameHitTest(p);
    if (code == HTOBJECT && !FOwnerForm->TimerRunning(tidFormMouseOut)) {
        TestActive(p.X, p.Y, true);
        if (FActiveObject != -1) FOwnerForm->StartTimer(tidFormMouseOut, kMouseOutInterval);
    }
    return code;
}

LRESULT TbsSkinForm::OnNcActivate(WPARAM wParam, LPARAM) {
    const bool active = wParam != 0;
    if (FGlowLayer) FGlowLayer->Hide();
    if (!active && FActiveObject != -1) TestActive(-1, -1, false);
    FNCActive = active;
    if (!active) ResetMouseTracking();
    SwitchCaptionActivation(active);
    if (HasBorder()) PaintFrame(nullptr);
    // Answered here: the default handling would draw the system's caption.
    return TRUE;
}

void TbsSkinForm::OnActivate() {
    for (const auto& object : FObjects) {
        if (dynamic_cast<TbsSkinCaptionObject*>(object.get())) continue;
        object->FHot = object->Active = false;
        object->FMorphPos = 0;
    }
    if (HasBorder()) PaintFrame(nullptr);
}

LRESULT TbsSkinForm::OnSetText(WPARAM wParam, LPARAM lParam) {
    // The text is stored with the caption style off, so that the default
    // handling finds no caption to draw into.
    HWND wnd = FOwnerForm->WindowHandle();
    const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);
    if (style & WS_CAPTION) SetWindowLongPtrA(wnd, GWL_STYLE, style & ~LONG_PTR(WS_CAPTION));
    const LRESULT r = CallOld(WM_SETTEXT, wParam, lParam);
    if (style & WS_CAPTION) SetWindowLongPtrA(wnd, GWL_STYLE, style);
    if (HasBorder()) PaintFrame(nullptr);
    return r;
}

LRESULT TbsSkinForm::OnSize(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (FInSizeMove && FFullDrag && FSizing) return CallOld(msg, wParam, lParam);
    const LRESULT r = CallOld(msg, wParam, lParam);
    TrackSystemState(wParam);
    if (wParam == SIZE_MINIMIZED) return r;
    RECT rc{};
    GetWindowRect(FOwnerForm->WindowHandle(), &rc);
    FFormWidth = rc.right - rc.left;
    FFormHeight = rc.bottom - rc.top;
    if (FSkinLoaded) {
        if (FFormWidth >= GetMinFormWidth() && FFormHeight >= GetMinFormHeight()) UpdateFrame(true);
    } else {
        ArrangeObjects();
        SetRegion(true);
        PaintFrame(nullptr);
    }
    return r;
}

bool TbsSkinForm::OnTimer(UINT_PTR id) {
    if (id == tidFormFadeIn) FadeTick();
    else if (id == tidFormMouseOut) MouseOutTick();
    else if (id == tidFormCaptionMorph) MorphTick();
    else if (id == tidFormCaptionAnimation) AnimationTick();
    else if (id == tidFormShowLayerBorder) {
        FOwnerForm->StopTimer(id);
        if (!FLayerBorder->Shown()) LayerBorderShow();
    } else return false;
    return true;
}

// ---- caption objects and the mouse ------------------------------------------------

void TbsSkinForm::FreeObjects() {
    // The indexes name entries of the list: they go with it.
    FActiveObject = FOldActiveObject = FMouseCaptureObject = -1;
    FObjects.clear();
}

void TbsSkinForm::ResetMouseTracking() {
    FActiveObject = FOldActiveObject = FMouseCaptureObject = -1;
    if (FOwnerForm->HandleAllocated()) FOwnerForm->StopTimer(tidFormMouseOut);
}

void TbsSkinForm::CreateObjects() {
    FreeObjects();
    const TbsSkinDataCore* skin = SkinOf(FSkinData);
    if (!SkinUsable(skin)) return;
    for (const auto& record : skin->FDefinition.ObjectRecords) {
        const TbsDataSkinObject* r = record.get();
        if (dynamic_cast<const TbsDataSkinMenuItem*>(r) || dynamic_cast<const TbsDataSkinMainMenuItem*>(r) ||
            dynamic_cast<const TbsDataSkinMainMenuBarButton*>(r))
            continue;
        if (const auto* std = dynamic_cast<const TbsDataSkinStdButton*>(r))
            FObjects.push_back(std::make_unique<TbsSkinStdButtonObject>(*this, std, std->Command, std->SectionName));
        else if (const auto* button = dynamic_cast<const TbsDataSkinButton*>(r))
            FObjects.push_back(std::make_unique<TbsSkinButtonObject>(*this, button));
        else if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(r))
            FObjects.push_back(std::make_unique<TbsSkinCaptionObject>(*this, *caption));
        else if (const auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(r))
            FObjects.push_back(std::make_unique<TbsSkinAnimateObject>(*this, *animate));
        else if (dynamic_cast<const TbsDataUserObject*>(r))
            FObjects.push_back(std::make_unique<TbsUserObject>(*this, r));
    }
    CheckObjects();
    LoadDefaultHints();
}

void TbsSkinForm::CreatePlainObjects() {
    FreeObjects();
    const std::pair<TbsStdCommand, const char*> buttons[] = {
        {cmClose, "closebutton"},   {cmMaximize, "maxbutton"},     {cmMinimize, "minbutton"},
        {cmRollUp, "rollupbutton"}, {cmSysMenu, "sysmenubutton"}, {cmMinimizeToTray, "traybutton"}};
    for (const auto& [command, name] : buttons)
        FObjects.push_back(std::make_unique<TbsSkinStdButtonObject>(*this, nullptr, command, name));
    CheckObjects();
    LoadDefaultHints();
    ArrangeObjects();
}

TbsActiveSkinObject* TbsSkinForm::FindObject(const std::string& name) const {
    for (const auto& object : FObjects)
        if (object->IDName == name) return object.get();
    return nullptr;
}

void TbsSkinForm::CheckObjects() {
    for (const auto& object : FObjects) {
        auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get());
        if (!std && !(animate && animate->ButtonStyle)) continue;
        if (FHideCaptionButtons) {
            object->Enabled = false;
            object->Visible = !object->OwnPicture;
            continue;
        }
        const TbsStdCommand command = std ? std->Command : animate->Command;
        bool enabled = object->Enabled;
        switch (command) {
            case cmClose: continue;  // below
            case cmMaximize: enabled = FBorderIcons & bsbiMaximize; break;
            case cmMinimize: enabled = FBorderIcons & bsbiMinimize; break;
            case cmSysMenu: enabled = (FBorderIcons & bsbiSystemMenu) && !FDisableSystemMenu; break;
            case cmRollUp: enabled = FBorderIcons & bsbiRollUp; break;
            case cmMinimizeToTray: enabled = FBorderIcons & bsbiMinimizeToTray; break;
            case cmDefault: {
                bool visible = false;
                if (OnActivateCustomObject) OnActivateCustomObject(object->IDName, visible);
                object->Visible = visible;
                continue;
            }
        }
        object->Enabled = enabled;
        object->Visible = object->OwnPicture ? enabled : true;
    }
    // A dialog's close button stands in for the others when only the
    // system menu (or nothing) is asked for.
    TbsActiveSkinObject* dialogClose = FindObject("dialogclosebutton");
    const bool dialog = (FBorderIcons & ~TbsBorderIcons(bsbiSystemMenu)) == 0;
    for (const auto& object : FObjects) {
        auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!std || std->Command != cmClose || FHideCaptionButtons) continue;
        if (object.get() == dialogClose) {
            object->Enabled = object->Visible = dialog;
        } else if (dialog && dialogClose) {
            object->Enabled = object->Visible = false;
        }
    }
}

void TbsSkinForm::LoadDefaultHints() {
    if (!FUseDefaultObjectHint) return;
    const TbsResourceStrData* strings = FSkinData ? FSkinData->GetResourceStrData() : nullptr;
    const auto text = [strings](const char* key, const char* builtIn) {
        if (strings) {
            std::string value = strings->GetResStr(key);
            if (!value.empty()) return value;
        }
        return std::string(builtIn);
    };
    for (const auto& object : FObjects) {
        auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!std) continue;
        switch (std->Command) {
            case cmClose: std->NormalHint = text("CLOSEBUTTON_HINT", "Close"); break;
            case cmMaximize: std->NormalHint = text("MAXBUTTON_HINT", "Maximize"); break;
            case cmMinimize: std->NormalHint = text("MINBUTTON_HINT", "Minimize"); break;
            case cmSysMenu: std->NormalHint = text("MENUBUTTON_HINT", "System menu"); break;
            case cmRollUp: std->NormalHint = text("ROLLUPBUTTON_HINT", "Roll Up"); break;
            case cmMinimizeToTray: std->NormalHint = text("TRAYBUTTON_HINT", "Minimize to Tray"); break;
            case cmDefault: continue;
        }
        std->RestoreHint = text("RESTORE_HINT", "Restore");
        std->Hint = std->NormalHint;
    }
}

void TbsSkinForm::ArrangeObjects() {
    const int W = FOwnerForm->GetWidth(), H = FOwnerForm->GetHeight();
    if (!FSkinLoaded) {
        const TbsPlainFrameLayout l =
            PlainFrameLayout(W, H, false, FBorderIcons, {kPlainButtonSize, kPlainButtonSize});
        for (const auto& object : FObjects) {
            auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            if (!std) continue;
            switch (std->Command) {
                case cmClose: std->ObjectRect = l.Close; break;
                case cmMaximize: std->ObjectRect = l.Maximize; break;
                case cmMinimize: std->ObjectRect = l.Minimize; break;
                case cmRollUp: std->ObjectRect = l.RollUp; break;
                case cmMinimizeToTray: std->ObjectRect = l.Tray; break;
                case cmSysMenu: std->ObjectRect = l.SysMenu; break;
                case cmDefault: break;
            }
        }
        return;
    }
    if (FullBorderMode()) {
        ArrangeFullBorderObjects(FLayerBorder->LayerWidthFor(W));
        return;
    }
    const TbsSkinDataCore& skin = *SkinOf(FSkinData);
    std::vector<TbsArrangeItem> items;
    items.reserve(FObjects.size());
    for (const auto& object : FObjects) {
        TbsArrangeItem item;
        item.SkinRect = object->SkinRect;
        item.OwnPicture = object->OwnPicture;
        item.Visible = object->Visible;
        item.Caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()) != nullptr;
        item.ObjectRect = object->ObjectRect;
        if (auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get())) {
            item.StdButton = true;
            item.Command = std->Command;
            if (std->Command == cmSysMenu && FShowIcon) item.Size = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
        } else if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            item.StdButton = animate->ButtonStyle;
            item.Command = animate->Command;
        }
        items.push_back(item);
    }
    ArrangeFrameObjects(skin.FDefinition.FormInfo, skin.FMainPicture.Width, skin.FMainPicture.Height, FRects, items);
    for (std::size_t i = 0; i < items.size(); ++i) FObjects[i]->ObjectRect = items[i].ObjectRect;
}

void TbsSkinForm::TestActive(int x, int y, bool inFrame) {
    if (FObjects.empty() || !FNCActive || FInSizeMove || !HasBorder()) return;
    FOldActiveObject = FActiveObject;
    int hit = -1;
    for (std::size_t i = 0; i < FObjects.size(); ++i) {
        TbsActiveSkinObject& o = *FObjects[i];
        if (!o.Enabled || !o.Visible || !PtInRect(o.ObjectRect, Point(x, y))) continue;
        if (!o.CanMouseHit(x - o.ObjectRect.Left, y - o.ObjectRect.Top)) continue;
        hit = int(i);
        break;
    }
    FActiveObject = inFrame ? hit : -1;
    // While one object holds the mouse, no other becomes active.
    if (FMouseCaptureObject != -1 && FActiveObject != FMouseCaptureObject) FActiveObject = -1;
    if (FActiveObject == FOldActiveObject) return;
    if (FOldActiveObject >= 0 && std::size_t(FOldActiveObject) < FObjects.size()) {
        TbsActiveSkinObject& old = *FObjects[std::size_t(FOldActiveObject)];
        if (old.Enabled && old.Visible) old.MouseLeave();
    }
    if (FActiveObject >= 0) {
        TbsActiveSkinObject& now = *FObjects[std::size_t(FActiveObject)];
        if (now.Enabled && now.Visible) now.MouseEnter();
    }
}

void TbsSkinForm::MouseOutTick() {
    HWND wnd = FOwnerForm->WindowHandle();
    if (FObjects.empty() || FInSizeMove) {
        FOwnerForm->StopTimer(tidFormMouseOut);
        return;
    }
    const TPoint cursor = CursorPos();
    if (WindowAt(cursor) != wnd) {
        TestActive(-1, -1, false);
        FOwnerForm->StopTimer(tidFormMouseOut);
        return;
    }
    RECT rc{};
    GetWindowRect(wnd, &rc);
    const TPoint p = Point(cursor.X - rc.left, cursor.Y - rc.top);
    if (!FSkinLoaded || !PtInRect(FRects.FrameClientRect, p)) TestActive(p.X, p.Y, true);
    else if (FActiveObject != -1) TestActive(-1, -1, false);
    if (FActiveObject == -1 && FMouseCaptureObject == -1) FOwnerForm->StopTimer(tidFormMouseOut);
}

void TbsSkinForm::MorphTick() {
    bool moved = false;
    for (const auto& object : FObjects) {
        if (!object->MorphInUse() || !object->NeedMorph()) continue;
        if (object->MorphStep()) {
            moved = true;
            RedrawObject(*object);
        }
    }
    if (!moved) FOwnerForm->StopTimer(tidFormCaptionMorph);
}

void TbsSkinForm::AnimationTick() {
    bool moved = false;
    for (const auto& object : FObjects) {
        if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            if (animate->AnimationTick()) {
                moved = true;
                RedrawObject(*animate);
            }
        } else if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get())) {
            if (caption->AnimationTick()) {
                moved = true;
                RedrawObject(*caption);
            }
        }
    }
    if (!moved) FOwnerForm->StopTimer(tidFormCaptionAnimation);
}

void TbsSkinForm::StartMorphTimer() {
    if (FOwnerForm->HandleAllocated()) FOwnerForm->StartTimer(tidFormCaptionMorph, kMorphInterval);
}

void TbsSkinForm::StartAnimationTimer() {
    if (FOwnerForm->HandleAllocated()) FOwnerForm->StartTimer(tidFormCaptionAnimation, kAnimationInterval);
}

void TbsSkinForm::SwitchCaptionActivation(bool active) {
    for (const auto& object : FObjects) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (!caption || caption->Active == active) continue;
        caption->Active = active;
        if (caption->MorphInUse()) StartMorphTimer();
        else caption->FMorphPos = active ? 1 : 0;
        if (!caption->AnimateSkinRect.IsEmpty() && MorphAllowed()) StartAnimationTimer();
        break;
    }
}

void TbsSkinForm::ObjectsMouseMove(TPoint p) {
    const int index = FMouseCaptureObject != -1 ? FMouseCaptureObject : FActiveObject;
    if (index >= 0 && std::size_t(index) < FObjects.size()) FObjects[std::size_t(index)]->MouseMove(p.X, p.Y);
}

void TbsSkinForm::ObjectsMouseDown(TPoint p, TMouseButton button, bool doubleClick, HWND captureWindow) {
    TestActive(p.X, p.Y, true);
    if (FActiveObject == -1) return;
    TbsActiveSkinObject& object = *FObjects[std::size_t(FActiveObject)];
    if (!dynamic_cast<TbsSkinCaptionObject*>(&object) && captureWindow) SetCapture(captureWindow);
    FMouseCaptureObject = FActiveObject;
    object.MouseDown(p.X, p.Y, button);
    if (doubleClick && FActiveObject != -1) FObjects[std::size_t(FActiveObject)]->DblClick();
}

void TbsSkinForm::ObjectsMouseUp(TPoint p, TMouseButton button, HWND captureWindow) {
    if (FMouseCaptureObject == -1) return;
    TbsActiveSkinObject& object = *FObjects[std::size_t(FMouseCaptureObject)];
    FMouseCaptureObject = -1;
    if (!dynamic_cast<TbsSkinCaptionObject*>(&object) && captureWindow && GetCapture() == captureWindow) ReleaseCapture();
    object.MouseUp(p.X, p.Y, button);
}

LRESULT TbsSkinForm::OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A right press on the caption would start the system's own menu loop
    // (it waits for the release, then opens the system menu over the
    // skinned caption): the frame opens its own menu instead.
    const bool rightOnCaption = (msg == WM_NCRBUTTONDOWN || msg == WM_NCRBUTTONDBLCLK) && wParam == HTCAPTION;
    const LRESULT r = rightOnCaption ? 0 : CallOld(msg, wParam, lParam);
    if (!FOwnerForm->HandleAllocated()) return r;
    if (FullBorderMode()) {
        // Only the border's top window sends these (the form itself has no
        // non-client area); its caption objects take the mouse there.
        if (wParam == HTCAPTION && msg == WM_NCRBUTTONDOWN && !FDisableSystemMenu) ShowSystemMenu(CursorPos());
        if (wParam == HTCAPTION && msg == WM_NCLBUTTONDBLCLK) CaptionDoubleClick();
        return r;
    }
    const TPoint p = WindowPoint(lParam);
    const TMouseButton button =
        msg == WM_NCRBUTTONDOWN || msg == WM_NCRBUTTONUP || msg == WM_NCRBUTTONDBLCLK ? TMouseButton::mbRight : TMouseButton::mbLeft;
    switch (msg) {
        case WM_NCMOUSEMOVE:
            ObjectsMouseMove(p);
            break;
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDBLCLK:
            ObjectsMouseDown(p, button, msg == WM_NCLBUTTONDBLCLK, FOwnerForm->WindowHandle());
            // A press on the caption text leaves the mouse to the system's move.
            if (wParam == HTCAPTION && FActiveObject != -1) FMouseCaptureObject = -1;
            if (wParam == HTCAPTION && msg == WM_NCRBUTTONDOWN && !FDisableSystemMenu) ShowSystemMenu(CursorPos());
            if (wParam == HTCAPTION && msg == WM_NCLBUTTONDBLCLK) CaptionDoubleClick();
            break;
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
            ObjectsMouseUp(p, button, FOwnerForm->WindowHandle());
            break;
        default:
            break;
    }
    return r;
}

LRESULT TbsSkinForm::OnClientButtonUp(UINT msg, WPARAM wParam, LPARAM lParam) {
    TbsActiveSkinObject& object = *FObjects[std::size_t(FMouseCaptureObject)];
    FMouseCaptureObject = -1;
    if (GetCapture() == FOwnerForm->WindowHandle()) ReleaseCapture();
    object.MouseUp(-1, -1, msg == WM_RBUTTONUP ? TMouseButton::mbRight : TMouseButton::mbLeft);
    (void)wParam;
    (void)lParam;
    return 0;
}

void TbsSkinForm::RedrawObject(TbsActiveSkinObject& object) {
    if (!HasBorder() || !FOwnerForm->HandleAllocated()) return;
    if (FullBorderMode()) {
        FLayerBorder->RedrawCaption();
        return;
    }
    // An object of the frame picture that grew with the window (the caption)
    // lies over frame parts that are composed, not copied: the whole frame
    // is painted again.
    if (!object.OwnPicture && (object.ObjectRect.Width() != object.SkinRect.Width() ||
                               object.ObjectRect.Height() != object.SkinRect.Height())) {
        PaintFrame(nullptr);
        return;
    }
    TWindowDc dc(FOwnerForm->WindowHandle(), true);
    if (!dc) return;
    object.DrawObject(dc.Get(), true);
}

// ---- commands -------------------------------------------------------------------

void TbsSkinForm::PostCommand(TbsStdCommand command) {
    if (FGlowLayer) FGlowLayer->Hide();
    if (FOwnerForm->HandleAllocated()) PostMessageA(FOwnerForm->WindowHandle(), WM_FRAMECOMMAND, WPARAM(command), 0);
}

void TbsSkinForm::CommandClose() { SendMessageA(FOwnerForm->GetHandle(), WM_CLOSE, 0, 0); }

HICON TbsSkinForm::FormIcon() const {
    HWND wnd = FOwnerForm->WindowHandle();
    HICON icon = wnd ? reinterpret_cast<HICON>(SendMessageA(wnd, WM_GETICON, ICON_SMALL, 0)) : nullptr;
    if (!icon && wnd) icon = reinterpret_cast<HICON>(GetClassLongPtrA(wnd, GCLP_HICONSM));
    if (!icon && wnd) icon = reinterpret_cast<HICON>(GetClassLongPtrA(wnd, GCLP_HICON));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

void TbsSkinForm::SelectCaptionFont(TFont& font, const TbsSkinFont& skinFont, bool active) {
    if (FUseSkinFontInCaption) {
        font.SetName(skinFont.Name);
        font.SetHeight(skinFont.Height);
        font.SetStyle(skinFont.Style);
    } else {
        font.Assign(active ? FDefCaptionFont : FDefInActiveCaptionFont);
    }
    font.SetCharset(FSkinData && FSkinData->GetResourceStrData() ? FSkinData->GetCharSet()
                                                                 : FDefCaptionFont.GetCharset());
}
