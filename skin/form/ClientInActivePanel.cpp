#include "skin/form/ClientInActivePanel.h"

#include "platform/Controls.h"
#include "skin/paint/Blur.h"
#include "skin/paint/portable/BlendBytes.h"

namespace {

constexpr const char* kClassName = "TbsClientInActivePanel";

}  // namespace

TbsClientInActivePanel::TbsClientInActivePanel(HWND form, TbsClientInActiveEffect effect,
                                               const std::function<void(HDC)>& paintBackground) {
    RECT client{};
    GetClientRect(form, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    FPicture.SetSize(width, height);
    {
        // The client area as it is on the screen now, controls included.
        HDC formDc = GetDC(form);
        BitBlt(FPicture.DC(), 0, 0, width, height, formDc, 0, 0, SRCCOPY);
        ReleaseDC(form, formDc);
        GdiFlush();
    }
    if (effect == TbsClientInActiveEffect::bsieBlur) {
        BlurBitmap(FPicture, kBlurRadius);
    } else {
        TbsBitmap background;
        background.SetSize(width, height);
        paintBackground(background.DC());
        GdiFlush();
        const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
        BlendBytes(reinterpret_cast<std::uint8_t*>(FPicture.PixelPtr(0, 0)),
                   reinterpret_cast<const std::uint8_t*>(background.PixelPtr(0, 0)), bytes,
                   BlendWeight(kBackgroundAlpha / 255.0));
    }
    static const ATOM registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WndProc;
        wc.hInstance = FrameworkInstance();
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc);
    }();
    (void)registered;
    FWindow = TWindowHandle(CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, width, height, form,
                                            nullptr, FrameworkInstance(), this));
    if (!FWindow) return;
    SetWindowLongPtrA(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowPos(FWindow.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT CALLBACK TbsClientInActivePanel::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TbsClientInActivePanel*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            if (self) self->FPicture.Draw(dc, 0, 0);
            EndPaint(wnd, &ps);
            return 0;
        }
        case WM_NCHITTEST:
            // Clicks go through to the form below, which activates.
            return HTTRANSPARENT;
        default: break;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
