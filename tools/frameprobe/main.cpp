// frameprobe: a captioned window that sizes and paints its own frame.
//
//   frameprobe [--region] [--answer] [--seconds N]
//
// The frame is 4 pixels wide with a 26-pixel caption band: the band is
// painted green (0, 200, 0), the other sides magenta, the client blue.
// --region gives the window a region of its whole rectangle, --answer
// answers WM_NCACTIVATE, WM_SETTEXT and WM_NCPAINT without the system's
// default handling (the text is still stored); without it the first two go
// to the default handling alone, and WM_NCPAINT paints ours after it. After showing, the window
// changes its text and its activation a few times, so that a system caption
// drawn by any of those would land over the green band, then prints its
// window rectangle and stays up for N seconds (default 8).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSide = 4;       // pixels
constexpr int kCaption = 26;   // pixels
constexpr UINT_PTR kQuitTimer = 1;

bool gAnswer = false;

void PaintFrame(HWND wnd) {
    RECT rc{};
    GetWindowRect(wnd, &rc);
    OffsetRect(&rc, -rc.left, -rc.top);
    HDC dc = GetWindowDC(wnd);
    HBRUSH side = CreateSolidBrush(RGB(255, 0, 255));
    HBRUSH band = CreateSolidBrush(RGB(0, 200, 0));
    RECT top{0, 0, rc.right, kCaption};
    RECT left{0, kCaption, kSide, rc.bottom};
    RECT right{rc.right - kSide, kCaption, rc.right, rc.bottom};
    RECT bottom{0, rc.bottom - kSide, rc.right, rc.bottom};
    FillRect(dc, &top, band);
    FillRect(dc, &left, side);
    FillRect(dc, &right, side);
    FillRect(dc, &bottom, side);
    DeleteObject(side);
    DeleteObject(band);
    ReleaseDC(wnd, dc);
}

LRESULT CALLBACK ProbeProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCALCSIZE: {
        RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0];
        r.left += kSide;
        r.right -= kSide;
        r.top += kCaption;
        r.bottom -= kSide;
        return 0;
    }
    case WM_NCPAINT:
        if (!gAnswer) DefWindowProcA(wnd, msg, wp, lp);
        PaintFrame(wnd);
        return 0;
    case WM_NCACTIVATE:
        if (!gAnswer) return DefWindowProcA(wnd, msg, wp, lp);
        PaintFrame(wnd);
        return TRUE;
    case WM_SETTEXT: {
        if (!gAnswer) return DefWindowProcA(wnd, msg, wp, lp);
        // Store the text with the caption style off, so the default
        // handling has no caption to draw into.
        LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);
        SetWindowLongPtrA(wnd, GWL_STYLE, style & ~WS_CAPTION);
        LRESULT r = DefWindowProcA(wnd, msg, wp, lp);
        SetWindowLongPtrA(wnd, GWL_STYLE, style);
        PaintFrame(wnd);
        return r;
    }
    case WM_ERASEBKGND: {
        RECT rc{};
        GetClientRect(wnd, &rc);
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(reinterpret_cast<HDC>(wp), &rc, blue);
        DeleteObject(blue);
        return 1;
    }
    case WM_TIMER:
        if (wp == kQuitTimer) DestroyWindow(wnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(wnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    bool region = false;
    int seconds = 8;
    for (int i = 1; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "--region") == 0) region = true;
        else if (std::strcmp(__argv[i], "--answer") == 0) gAnswer = true;
        else if (std::strcmp(__argv[i], "--seconds") == 0 && i + 1 < __argc) seconds = std::atoi(__argv[++i]);
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "FrameProbe";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, "FrameProbe", "Frame probe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               100, 100, 300, 200, nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    if (region) SetWindowRgn(wnd, CreateRectRgn(0, 0, 300, 200), FALSE);  // the window owns it
    ShowWindow(wnd, SW_SHOW);
    UpdateWindow(wnd);
    for (int i = 0; i < 3; ++i) {
        char text[32];
        std::snprintf(text, sizeof(text), "Frame probe %d", i);
        SetWindowTextA(wnd, text);
        SendMessageA(wnd, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(wnd, WM_NCACTIVATE, TRUE, 0);
    }
    SetForegroundWindow(wnd);
    RECT rc{}, client{};
    GetWindowRect(wnd, &rc);
    GetClientRect(wnd, &client);
    std::printf("window %ld %ld %ld %ld client %ld x %ld\n", rc.left, rc.top, rc.right, rc.bottom, client.right,
                client.bottom);
    std::fflush(stdout);
    SetTimer(wnd, kQuitTimer, UINT(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
