#include "bench/table/RepaintFloor.h"

#include <algorithm>

namespace {

const char kFloorClass[] = "TableBenchFloor";

// The picture every window of the copy paints from: as large as the screen
// may need, made once for the process.
HDC gPicture = nullptr;

LRESULT CALLBACK FloorWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(wnd, &ps);
            RECT rc{};
            GetClientRect(wnd, &rc);
            BitBlt(ps.hdc, 0, 0, rc.right, rc.bottom, gPicture, 0, 0, SRCCOPY);
            EndPaint(wnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;  // the paint covers it
        case WM_NCHITTEST: return HTTRANSPARENT;
        default: return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

void RegisterFloorClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FloorWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kFloorClass;
    RegisterClassExA(&wc);
    HDC screen = GetDC(nullptr);
    gPicture = CreateCompatibleDC(screen);
    SelectObject(gPicture, CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    ReleaseDC(nullptr, screen);
    PatBlt(gPicture, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), WHITENESS);
    registered = true;
}

// A 32-bit top-down section of w x h, every pixel half transparent grey.
HBITMAP LayerPicture(HDC dc, int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::fill_n(static_cast<DWORD*>(bits), std::size_t(w) * h, DWORD(0x80404040));
    return bitmap;
}

void UpdateLayer(HWND wnd, HDC picture) {
    RECT at{};
    GetWindowRect(wnd, &at);
    POINT dst{at.left, at.top}, src{0, 0};
    SIZE size{at.right - at.left, at.bottom - at.top};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(wnd, nullptr, &dst, &size, picture, &src, 0, &blend, ULW_ALPHA);
}

}  // namespace

TRepaintFloor::TRepaintFloor(HWND model, const std::vector<RECT>& layers) {
    RegisterFloorClass();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RECT r{};
    GetWindowRect(model, &r);
    FTop.Reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kFloorClass, "", WS_POPUP | WS_CLIPCHILDREN, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr));
    FWindowCount = 1;
    CopyChildren(model, FTop.Get());
    ShowWindow(FTop.Get(), SW_SHOWNOACTIVATE);
    for (const RECT& at : layers) {
        const int w = at.right - at.left, h = at.bottom - at.top;
        TLayer layer;
        layer.Window.Reset(CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                           kFloorClass, "", WS_POPUP, at.left, at.top, w, h, nullptr, nullptr, instance,
                                           nullptr));
        layer.Dc.Reset(CreateCompatibleDC(nullptr));
        layer.Picture.Reset(LayerPicture(layer.Dc.Get(), w, h));
        SelectObject(layer.Dc.Get(), layer.Picture.Get());
        UpdateLayer(layer.Window.Get(), layer.Dc.Get());
        ShowWindow(layer.Window.Get(), SW_SHOWNOACTIVATE);
        FLayers.push_back(std::move(layer));
    }
    UpdateWindow(FTop.Get());
}

void TRepaintFloor::CopyChildren(HWND model, HWND copy) {
    for (HWND child = GetWindow(model, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, copy, reinterpret_cast<POINT*>(&r), 2);
        HWND made = CreateWindowExA(0, kFloorClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, r.left,
                                    r.top, r.right - r.left, r.bottom - r.top, copy, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        ++FWindowCount;
        CopyChildren(child, made);
    }
}

void TRepaintFloor::Repaint() {
    RedrawWindow(FTop.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const TLayer& layer : FLayers) UpdateLayer(layer.Window.Get(), layer.Dc.Get());
    GdiFlush();
}
