#include "skin/form/FormLayerBorder.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/WindowObject.h"
#include "platform/portable/Exception.h"
#include "platform/portable/TimerIds.h"
#include "skin/data/SkinData.h"
#include "skin/form/portable/LayerBlurMask.h"
#include "skin/paint/LayerWindow.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MaskRegion.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/portable/CompositionPixels.h"

namespace {

constexpr const char* bsErrFormLayerWindow = "Can't create the form's layer window";

void RegisterFormLayerWindowClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = bsFormLayerWindowClass;
    registered = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A picture index names a picture of the skin.
bool ValidPicture(const TbsSkinDataCore* skin, int index) { return SkinPicture(skin, index) != nullptr; }

// The platform's sizing-command codes (WMSZ_...) are the hit codes less 9.
WPARAM SizeCommand(int hit) { return SC_SIZE | WPARAM(hit - (bsfhLeft - WMSZ_LEFT)); }

}  // namespace

// ---- the strip windows -----------------------------------------------------------

TbsFormLayerWindow::TbsFormLayerWindow(TbsFormLayerBorder& border, TbsLayerSide side, bool mouseTransparent,
                                       bool topMost)
    : FBorder(border), FSide(side) {
    RegisterFormLayerWindowClass(&TbsFormLayerWindow::StaticWndProc);
    DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED;
    if (mouseTransparent) exStyle |= WS_EX_TRANSPARENT;
    if (topMost) exStyle |= WS_EX_TOPMOST;
    HWND wnd = CreateWindowExA(exStyle, bsFormLayerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), this);
    if (!wnd) throw Exception(bsErrFormLayerWindow);
    FHandle.Reset(wnd);
}

TbsFormLayerWindow::~TbsFormLayerWindow() {
    if (HWND wnd = FHandle.Get()) {
        KillTimer(wnd, tidLayerBorderFade);
        KillTimer(wnd, tidLayerBorderMouseOut);
        if (GetCapture() == wnd) ReleaseCapture();
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    }
}

LRESULT CALLBACK TbsFormLayerWindow::StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TbsFormLayerWindow* self = WindowObject<TbsFormLayerWindow>(wnd, msg, lParam);
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    if (msg == WM_NCCREATE) self->FWnd = wnd;
    return self->WndProc(msg, wParam, lParam);
}

LRESULT TbsFormLayerWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = FWnd;
    HWND form = FBorder.OwnerWindow();
    const bool caption = FSide == lsTop && FBorder.FullBorder();
    switch (msg) {
        case WM_MOUSEACTIVATE:
            // A layer window is never activated; with mouse zones, or on a
            // full border's caption, the click brings the form forward instead.
            if ((FBorder.HitTestEnabled() || caption) && form) SetForegroundWindow(form);
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (!caption) break;
            FBorder.TopWindowMouse(msg, TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETFOCUS:
            if (form) SetForegroundWindow(form);
            return 0;
        case WM_NCHITTEST: {
            if (!FBorder.MouseZones() && !caption) return HTTRANSPARENT;
            RECT r{};
            GetWindowRect(wnd, &r);
            const TPoint p{short(LOWORD(lParam)) - r.left, short(HIWORD(lParam)) - r.top};
            const int hit = caption ? FBorder.FullBorderHitTest(p) : FBorder.HitTest(FSide, p);
            return hit == bsfhNowhere ? HTTRANSPARENT : hit;
        }
        case WM_NCLBUTTONDOWN:
            // The form runs the move or size itself and takes the border
            // with it; posted, so this window's handler has returned first.
            if (!form) break;
            if (wParam == HTCAPTION) PostMessageA(form, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
            else if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT) PostMessageA(form, WM_SYSCOMMAND, SizeCommand(int(wParam)), lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            if (form && wParam == HTCAPTION) PostMessageA(form, WM_NCLBUTTONDBLCLK, HTCAPTION, lParam);
            return 0;
        case WM_NCRBUTTONDOWN:
            // The system menu, as a right press on the form's own caption.
            if (form && wParam == HTCAPTION) PostMessageA(form, WM_NCRBUTTONDOWN, HTCAPTION, lParam);
            return 0;
        case WM_NCRBUTTONUP:
            return 0;
        case WM_TIMER:
            if (wParam == tidLayerBorderFade) {
                FBorder.FadeStep();
                return 0;
            }
            if (wParam == tidLayerBorderMouseOut) {
                FBorder.CaptionMouseOutTick();
                return 0;
            }
            break;
        case WM_PAINT: {
            // The content comes from the layered update; only validate.
            PAINTSTRUCT ps;
            BeginPaint(wnd, &ps);
            EndPaint(wnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

// ---- the border ------------------------------------------------------------------

TbsFormLayerBorder::~TbsFormLayerBorder() { HideLayer(); }

void TbsFormLayerBorder::LoadSkin(const TbsSkinData* skinData) {
    const bool wasShown = FShown;
    if (wasShown) HideLayer();
    FHasFrame = false;
    FFullBorder = false;
    FBuiltWidth = FBuiltHeight = -1;  // pieces of the old skin
    FActiveImage = TPixelBuffer();
    FInActiveImage = TPixelBuffer();
    FBlurMask = TPixelBuffer();
    FDWMBlur = false;
    const TbsSkinDataCore* skin = SkinOf(skinData);
    if (!SkinUsable(skin)) return;
    const TbsDataSkinLayerFrame& frame = skin->FDefinition.LayerFrameData;
    if (!ValidPicture(skin, frame.PictureIndex) || !ValidPicture(skin, frame.MaskPictureIndex) ||
        !frame.FActiveLayerImage || frame.FActiveLayerImage->Empty())
        return;
    FActiveImage = *frame.FActiveLayerImage;
    if (ValidPicture(skin, frame.InActivePictureIndex) && ValidPicture(skin, frame.InActiveMaskPictureIndex) &&
        frame.FInActiveLayerImage)
        FInActiveImage = *frame.FInActiveLayerImage;
    FMetrics.PictureWidth = FActiveImage.Width;
    FMetrics.PictureHeight = FActiveImage.Height;
    FMetrics.ClientRect = frame.ClientRect;
    FMetrics.LeftTop = frame.LeftTopPoint;
    FMetrics.RightTop = frame.RightTopPoint;
    FMetrics.LeftBottom = frame.LeftBottomPoint;
    FMetrics.RightBottom = frame.RightBottomPoint;
    FMetrics.LeftOffset = frame.LeftOffset;
    FMetrics.TopOffset = frame.TopOffset;
    FMetrics.WidthOffset = frame.WidthOffset;
    FMetrics.HeightOffset = frame.HeightOffset;
    FMetrics.FullStretch = frame.FullStretch;
    FBorderRect = frame.BorderRect;
    FHitTestEnable = frame.HitTestEnable;
    FFullBorder = frame.UsesFullBorder(int(skin->FActivePictures.size()));
    FRollUpFormHeight = std::max(0, frame.RollUpFormHeight);
    FCaptionMetrics = TbsLayerCaptionMetrics{};
    FCaptionMetrics.PictureWidth = FActiveImage.Width;
    FCaptionMetrics.CaptionRect = frame.CaptionRect;
    FCaptionMetrics.ButtonsRect = frame.ButtonsRect;
    FCaptionMetrics.SysMenuButtonRect = frame.SysMenuButtonRect;
    FCaptionMetrics.ButtonsTopOffset = frame.ButtonsTopOffset;
    FCaptionMetrics.SysButtonTopOffset = frame.SysButtonTopOffset;
    FHitMetrics = LayerHitMetrics(frame.BorderRect, frame.ClientRect, frame.HitTestLeftTopPoint,
                                  frame.HitTestRightTopPoint, frame.HitTestLeftBottomPoint,
                                  frame.HitTestRightBottomPoint, frame.CaptionRect, frame.HitTestSize);
    FSkinAlpha = ClampAlpha(frame.AlphaBlendValue);
    FSkinInActiveAlpha = ClampAlpha(frame.InActiveAlphaBlendValue);
    FActiveAlpha = FSkinAlpha;
    FInActiveAlpha = FSkinInActiveAlpha;
    FDWMBlur = IsVistaOrLater() && CompositionEnabled();
    const TPixelBuffer* blurMask = SkinPicture(skin, frame.BlurMaskPictureIndex);
    // The mask is cut by the layer picture's steps, so it must have its size.
    if (FDWMBlur && blurMask && blurMask->Width == FActiveImage.Width && blurMask->Height == FActiveImage.Height)
        FBlurMask = PrepareLayerBlurMask(ViewOf(*blurMask), frame.IntersectBlurMaskRect, frame.ExcludeBlurMaskRect);
    FHasFrame = true;
}

TRect TbsFormLayerBorder::FormBounds() const {
    RECT r{};
    if (FOwnerWindow) GetWindowRect(FOwnerWindow, &r);
    return TRect{r.left, r.top, r.right, r.bottom};
}

HWND TbsFormLayerBorder::Window(TbsLayerSide side) const {
    return FWindows[side] ? FWindows[side]->Handle() : nullptr;
}

int TbsFormLayerBorder::CurrentAlpha() const { return FFade.Running() ? FFade.Current() : StateAlpha(); }

bool TbsFormLayerBorder::BuildPieces(int width, int height) {
    if (width == FBuiltWidth && height == FBuiltHeight && UsesInactivePicture() == FBuiltInactive) return false;
    FBuiltWidth = width;
    FBuiltHeight = height;
    FBuiltInactive = UsesInactivePicture();
    const TbsLayerPieceSizes sizes = LayerPieceSizes(FMetrics, width, height);
    BuildPiece(lsTop, width, sizes.TopHeight, LayerTopPieceBlits(FMetrics, width, height));
    BuildPiece(lsBottom, width, sizes.BottomHeight, LayerBottomPieceBlits(FMetrics, width, height));
    BuildPiece(lsLeft, sizes.LeftWidth, sizes.SideHeight, LayerLeftPieceBlits(FMetrics, width, height));
    BuildPiece(lsRight, sizes.RightWidth, sizes.SideHeight, LayerRightPieceBlits(FMetrics, width, height));
    BuildBlurRegions(width, height);
    return true;
}

void TbsFormLayerBorder::BuildPiece(TbsLayerSide side, int w, int h, const TSkinBlits& blits) {
    TbsBitmap& piece = FPieces[side];
    if (w <= 0 || h <= 0 || !piece.TrySetSize(w, h)) {
        piece.SetSize(0, 0);
        return;
    }
    for (int y = 0; y < h; ++y) std::fill(piece.ScanLine(y), piece.ScanLine(y) + w, 0u);
    DrawSkinBlits(piece.View(), ViewOf(UsesInactivePicture() ? FInActiveImage : FActiveImage), blits);
    if (side == lsTop && FFullBorder && DrawCaption) DrawCaption(piece);
}

int TbsFormLayerBorder::BorderFormHeight(const TRect& formBounds) const {
    if (FFullBorder && FormRolledUp && FormRolledUp()) return FRollUpFormHeight - FMetrics.HeightOffset;
    return formBounds.Height();
}

int TbsFormLayerBorder::LayerWidthFor(int formWidth) const {
    return LayerBorderRect(FMetrics, TRect{0, 0, formWidth, 0}, 0).Width();
}

bool TbsFormLayerBorder::BlurApplies() const {
    return FDWMBlur && !FBlurMask.Empty() && (!BlurAllowed || BlurAllowed());
}

void TbsFormLayerBorder::BuildBlurRegions(int width, int height) {
    for (TRegionHandle& region : FBlurRegions) region.Reset();
    if (!BlurApplies()) return;
    const TSkinBlits blits[4] = {LayerLeftPieceBlits(FMetrics, width, height), LayerTopPieceBlits(FMetrics, width, height),
                                 LayerRightPieceBlits(FMetrics, width, height),
                                 LayerBottomPieceBlits(FMetrics, width, height)};
    for (int side = lsLeft; side <= lsBottom; ++side) {
        const TbsBitmap& piece = FPieces[std::size_t(side)];
        if (piece.Empty()) continue;
        TPixelBuffer strip(piece.Width(), piece.Height(), bsBlurOutside);
        DrawSkinBlits(ViewOf(strip), ViewOf(FBlurMask), blits[side]);
        const std::vector<TRect> runs = LayerBlurRuns(ViewOf(strip));
        if (runs.empty()) continue;
        FBlurRegions[std::size_t(side)] = RegionFromData(MakeRegionData(runs, TRect{0, 0, strip.Width, strip.Height}));
    }
}

void TbsFormLayerBorder::ApplyBlur() {
    for (int side = lsLeft; side <= lsBottom; ++side) {
        HWND wnd = Window(TbsLayerSide(side));
        if (!wnd) continue;
        HRGN region = FBlurRegions[std::size_t(side)].Get();
        if (region) EnableBlurBehind(wnd, true, region);
        else if (FBlurred[std::size_t(side)]) EnableBlurBehind(wnd, false, nullptr);
        FBlurred[std::size_t(side)] = region != nullptr;
    }
}

void TbsFormLayerBorder::CreateWindows() {
    const bool topMost = FOwnerWindow && (GetWindowLongPtrA(FOwnerWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (int side = lsLeft; side <= lsBottom; ++side) {
        const bool takesMouse = MouseZones() || (FFullBorder && side == lsTop);
        FWindows[std::size_t(side)] =
            std::make_unique<TbsFormLayerWindow>(*this, TbsLayerSide(side), !takesMouse, topMost);
    }
}

void TbsFormLayerBorder::PlaceWindows() {
    const TbsLayerWindowPlaces places = LayerWindowPlaces(FMetrics, FLayerRect);
    const TRect* rects[4] = {&places.Left, &places.Top, &places.Right, &places.Bottom};
    for (int side = lsLeft; side <= lsBottom; ++side) {
        HWND wnd = Window(TbsLayerSide(side));
        if (!wnd) continue;
        const TRect& r = *rects[side];
        if (r.IsEmpty() || FPieces[std::size_t(side)].Empty()) {
            ShowWindow(wnd, SW_HIDE);
            continue;
        }
        SetWindowPos(wnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW);
    }
}

void TbsFormLayerBorder::DrawWindows(int alpha) {
    FDrawnAlpha = alpha;
    for (int side = lsLeft; side <= lsBottom; ++side) {
        HWND wnd = Window(TbsLayerSide(side));
        const TbsBitmap& piece = FPieces[std::size_t(side)];
        if (wnd && !piece.Empty()) UpdateLayerImage(piece, alpha, wnd);
    }
}

void TbsFormLayerBorder::PlaceBelowForm() {
    if (!FShown || !FOwnerWindow) return;
    const bool topMost = (GetWindowLongPtrA(FOwnerWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (int side = lsLeft; side <= lsBottom; ++side) {
        HWND wnd = Window(TbsLayerSide(side));
        if (!wnd || FPieces[std::size_t(side)].Empty()) continue;
        // Just below the form: the form's own pixels stay on top of the
        // border where the two overlap.
        SetWindowPos(wnd, topMost ? HWND_TOPMOST : FOwnerWindow, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        if (topMost)
            SetWindowPos(wnd, FOwnerWindow, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TbsFormLayerBorder::ShowLayer() {
    if (!FHasFrame || !FOwnerWindow || !LayeredWindowsAvailable()) return;
    if (FShown) HideLayer();
    FLayerRect = LayerBorderRect(FMetrics, FormBounds(), BorderFormHeight(FormBounds()));
    if (FLayerRect.IsEmpty()) return;
    BuildPieces(FLayerRect.Width(), FLayerRect.Height());
    CreateWindows();
    FBlurred = {};
    FShown = true;
    PlaceWindows();
    DrawWindows(CurrentAlpha());
    ApplyBlur();
    PlaceBelowForm();
}

void TbsFormLayerBorder::HideLayer() {
    FFade.Stop();
    for (auto& window : FWindows) {
        if (window && window->Handle()) ShowWindow(window->Handle(), SW_HIDE);
        window.reset();
    }
    for (TbsBitmap& piece : FPieces) piece.SetSize(0, 0);
    for (TRegionHandle& region : FBlurRegions) region.Reset();
    FBlurred = {};
    FBuiltWidth = FBuiltHeight = -1;
    FDrawnAlpha = -1;
    FShown = false;
}

void TbsFormLayerBorder::UpdateLayer() { SetLayerBounds(FormBounds()); }

void TbsFormLayerBorder::RedrawLayer() {
    // PERF: under wine the four layered updates cost about 1 ms each (the
    // pictures go to the X server in full); only the strips of a changed
    // side would need to go.
    if (FShown) DrawWindows(CurrentAlpha());
}

void TbsFormLayerBorder::SetLayerBounds(const TRect& formBounds) {
    if (!FShown) return;
    const TRect next = LayerBorderRect(FMetrics, formBounds, BorderFormHeight(formBounds));
    const bool rebuilt = BuildPieces(next.Width(), next.Height());
    // Each layered update and z-order change is a round trip to the window
    // server (under wine also a copy to the X server): an update that would
    // show the same pictures at the same place does nothing.
    if (!rebuilt && next == FLayerRect && FDrawnAlpha == CurrentAlpha()) return;
    FLayerRect = next;
    PlaceWindows();
    DrawWindows(CurrentAlpha());
    if (rebuilt) ApplyBlur();
    PlaceBelowForm();
}

void TbsFormLayerBorder::MoveLayer(int left, int top) {
    if (!FShown) return;
    const TRect form = FormBounds();
    const TRect moved{left, top, left + form.Width(), top + form.Height()};
    const TRect next = LayerBorderRect(FMetrics, moved, BorderFormHeight(moved));
    if (next.Width() != FLayerRect.Width() || next.Height() != FLayerRect.Height()) {
        SetLayerBounds(moved);
        return;
    }
    FLayerRect = next;
    PlaceWindows();
    // The layered update carries the position too: a window placed by
    // SetWindowPos alone keeps its old image where it was on some systems.
    DrawWindows(CurrentAlpha());
}

void TbsFormLayerBorder::SetLayerAlpha(int alpha, bool apply) {
    alpha = ClampAlpha(alpha);
    FActiveAlpha = int(std::lround(FSkinAlpha * alpha / 255.0));
    FInActiveAlpha = int(std::lround(FSkinInActiveAlpha * alpha / 255.0));
    if (apply && FShown && !FFade.Running()) DrawWindows(StateAlpha());
}

void TbsFormLayerBorder::SetLayerActive(bool active, bool apply) {
    // A full border's caption objects have looks of their own for each state.
    const bool pictureChanges = FShowActive != active && (!FInActiveImage.Empty() || FFullBorder);
    if (pictureChanges) FBuiltWidth = -1;
    FShowActive = active;
    if (!FShown) return;
    if (pictureChanges) BuildPieces(FLayerRect.Width(), FLayerRect.Height());
    if (apply && !FFade.Running()) {
        PlaceWindows();
        DrawWindows(StateAlpha());
    }
    if (apply) PlaceBelowForm();
}

void TbsFormLayerBorder::FadeIn() {
    if (!FHasFrame) return;
    if (!FShown) ShowLayer();
    if (!FShown) return;
    FFade.Start(StateAlpha());
    DrawWindows(0);
    HWND timerWindow = Window(lsTop) ? Window(lsTop) : Window(lsBottom);
    if (!timerWindow || !SetTimer(timerWindow, tidLayerBorderFade, bsLayerFadeInterval, nullptr)) {
        // No timer: show the border at once rather than leave it invisible.
        FFade.Stop();
        DrawWindows(StateAlpha());
    }
}

void TbsFormLayerBorder::FadeStep() {
    if (!FShown || !FFade.Running()) return;
    DrawWindows(FFade.Tick());
    if (FFade.Running()) return;
    for (HWND wnd : {Window(lsTop), Window(lsBottom)})
        if (wnd) KillTimer(wnd, tidLayerBorderFade);
    // The fade ran towards the alpha of the state it started in.
    DrawWindows(StateAlpha());
}

int TbsFormLayerBorder::HitTest(TbsLayerSide side, TPoint p) const {
    const TbsBitmap& piece = FPieces[side];
    const TRect form = FormBounds();
    const bool sizing = CanResize ? CanResize() : false;
    return LayerHitTest(FHitMetrics, side, p, piece.Width(), piece.Height(), form.Width(), sizing);
}

// ---- the full border's caption ----------------------------------------------------

void TbsFormLayerBorder::RedrawCaption() {
    if (!FShown || !FFullBorder) return;
    const int width = FLayerRect.Width(), height = FLayerRect.Height();
    BuildPiece(lsTop, width, LayerPieceSizes(FMetrics, width, height).TopHeight,
               LayerTopPieceBlits(FMetrics, width, height));
    HWND top = Window(lsTop);
    if (top && !FPieces[lsTop].Empty()) UpdateLayerImage(FPieces[lsTop], CurrentAlpha(), top);
}

int TbsFormLayerBorder::FullBorderHitTest(TPoint p) const {
    const int object = CaptionHitAt ? CaptionHitAt(p) : int(bsfhNowhere);
    if (object != bsfhNowhere) return object;
    if (MouseZones()) {
        const int zone = HitTest(lsTop, p);
        if (zone != bsfhNowhere) return zone;
    }
    // The rest of the strip is the caption where it shows, and lets the
    // mouse through to what lies behind where it is fully transparent.
    const TbsBitmap& piece = FPieces[lsTop];
    if (p.X < 0 || p.Y < 0 || p.X >= piece.Width() || p.Y >= piece.Height()) return bsfhNowhere;
    return (piece.ScanLine(p.Y)[p.X] >> 24) == 0 ? bsfhNowhere : bsfhCaption;
}

void TbsFormLayerBorder::TopWindowMouse(UINT msg, TPoint p) {
    HWND top = Window(lsTop);
    if (msg == WM_MOUSEMOVE && top) SetTimer(top, tidLayerBorderMouseOut, kCaptionMouseOutInterval, nullptr);
    if (CaptionMouse) CaptionMouse(msg, p);
}

void TbsFormLayerBorder::CaptionMouseOutTick() {
    HWND top = Window(lsTop);
    if (!top) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (GetCapture() == top || WindowFromPoint(cursor) == top) return;
    KillTimer(top, tidLayerBorderMouseOut);
    if (CaptionMouseLeave) CaptionMouseLeave();
}
