#include "skin/paint/LayerWindow.h"

#include "platform/WindowObject.h"
#include "skin/paint/LayeredApi.h"

namespace {

constexpr const char* bsLayerWindowClass = "TbsLayerWindow";
constexpr const char* bsErrLayerWindow = "Can't create the layer window";

// The styles a glow window is created with; WS_EX_LAYERED is added after.
constexpr DWORD bsLayerStyle = WS_POPUP;
constexpr DWORD bsLayerExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;  // 0xA0

void RegisterLayerWindowClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = bsLayerWindowClass;
    registered = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

RECT WindowRect(HWND wnd) {
    RECT r{};
    if (wnd) GetWindowRect(wnd, &r);
    return r;
}

}  // namespace

TbsLayerWindow::TbsLayerWindow(const TRect& bounds, TbsLayerManager* owner) : FOwner(owner) {
    RegisterLayerWindowClass(&TbsLayerWindow::StaticWndProc);
    HWND wnd = CreateWindowExA(bsLayerExStyle, bsLayerWindowClass, "", bsLayerStyle, bounds.Left, bounds.Top,
                               bounds.Width(), bounds.Height(), nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!wnd) throw Exception(bsErrLayerWindow);
    FHandle.Reset(wnd);
    SetWindowLongPtrA(wnd, GWL_EXSTYLE, GetWindowLongPtrA(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
}

TbsLayerWindow::~TbsLayerWindow() {
    if (HWND wnd = FHandle.Get()) {
        KillTimer(wnd, FadeTimerId);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    }
}

int TbsLayerWindow::Left() const { return WindowRect(FHandle.Get()).left; }
int TbsLayerWindow::Top() const { return WindowRect(FHandle.Get()).top; }

LRESULT CALLBACK TbsLayerWindow::StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TbsLayerWindow* self = WindowObject<TbsLayerWindow>(wnd, msg, lParam);
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    if (msg == WM_NCCREATE) self->FWnd = wnd;
    return self->WndProc(msg, wParam, lParam);
}

LRESULT TbsLayerWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = FWnd;
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_TIMER:
            if (wParam == FadeTimerId && FOwner) {
                FOwner->FadeStep();
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

void MakeLayerImage(const TbsBitmap& picture, const TbsBitmap& mask, TbsBitmap& image) {
    image.Assign(picture);
    image.SetAlpha(255);
    if (image.Empty()) return;
    AlphaFromMaskPixels(image.View(), mask.View());
    image.ClampToAlpha();
}

void MakeLayerImage(HBITMAP picture, HBITMAP mask, TbsBitmap& image) {
    TbsBitmap source;
    source.Assign(picture);
    TbsBitmap maskBitmap;
    maskBitmap.Assign(mask);
    MakeLayerImage(source, maskBitmap, image);
}

void UpdateLayerImage(const TbsBitmap& image, int alpha, const TbsLayerWindow* window) {
    if (window) UpdateLayerImage(image, alpha, window->Handle());
}

void UpdateLayerImage(const TbsBitmap& image, int alpha, HWND window) {
    if (!window || image.Empty()) return;
    const auto update = LayeredApi().UpdateLayeredWindow;
    if (!update) return;
    const RECT at = WindowRect(window);
    POINT dst{at.left, at.top};
    SIZE size{image.Width(), image.Height()};
    POINT src{0, 0};
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = BYTE(ClampAlpha(alpha));
    blend.AlphaFormat = AC_SRC_ALPHA;
    update(window, nullptr, &dst, &size, image.DC(), &src, 0, &blend, ULW_ALPHA);
}

TbsLayerManager::~TbsLayerManager() {
    SetTimerEnabled(false);
    FWindow.reset();
    FImage.reset();
}

void TbsLayerManager::Show(int x, int y, int alphaValue, const TbsBitmap& mask, const TbsBitmap& picture) {
    if (!LayeredWindowsAvailable()) return;
    auto image = std::make_unique<TbsBitmap>();
    MakeLayerImage(picture, mask, *image);
    ShowImage(x, y, alphaValue, std::move(image));
}

void TbsLayerManager::Show(int x, int y, int alphaValue, HBITMAP mask, HBITMAP picture) {
    if (!LayeredWindowsAvailable()) return;
    auto image = std::make_unique<TbsBitmap>();
    MakeLayerImage(picture, mask, *image);
    ShowImage(x, y, alphaValue, std::move(image));
}

void TbsLayerManager::ShowImage(int x, int y, int alphaValue, std::unique_ptr<TbsBitmap> image) {
    if (FWindow) Hide();
    if (image->Empty()) return;
    FVisible = true;
    FWindow = std::make_unique<TbsLayerWindow>(Bounds(x, y, image->Width(), image->Height()), this);
    FImage = std::move(image);
    UpdateLayerImage(*FImage, 0, FWindow.get());  // starts fully transparent
    SetWindowPos(FWindow->Handle(), FTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FFade.Start(alphaValue);
    SetTimerEnabled(true);
}

void TbsLayerManager::Hide() {
    if (!LayeredWindowsAvailable()) return;
    SetTimerEnabled(false);
    FFade.Stop();
    FImage.reset();
    FVisible = false;
    if (FWindow) {
        SetWindowPos(FWindow->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        FWindow.reset();
    }
}

void TbsLayerManager::ReShow() {
    if (!FVisible || !FWindow) return;
    SetWindowPos(FWindow->Handle(), FTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, FWindow->Left(), FWindow->Top(), 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

void TbsLayerManager::FadeStep() {
    // A tick already queued when the fade ended changes nothing.
    if (!FImage || !FWindow || !FFade.Running()) return;
    UpdateLayerImage(*FImage, FFade.Tick(), FWindow.get());
    if (!FFade.Running()) SetTimerEnabled(false);
}

void TbsLayerManager::SetTimerEnabled(bool enabled) {
    if (enabled == FTimerEnabled) return;
    FTimerEnabled = enabled;
    if (!FWindow) return;
    if (enabled)
        SetTimer(FWindow->Handle(), TbsLayerWindow::FadeTimerId, bsLayerFadeInterval, nullptr);
    else
        KillTimer(FWindow->Handle(), TbsLayerWindow::FadeTimerId);
}
