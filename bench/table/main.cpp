// tablebench: what the table window costs a person who starts and uses it.
//
//   tablebench --startup-empty   an empty window, shown: prints the time
//                                from the process's creation to the end of
//                                its first paint, then ends
//   tablebench --startup-table   the same for the table window, with where
//                                the time went (the process before main,
//                                the window made from its layout and skin,
//                                showing it up to the end of its first paint)
//   tablebench --repaint         a full repaint of the shown table window
//                                (frame, layered border, every control)
//                                against one window-sized BitBlt, and a hover
//                                morph step of the spin button painted to the
//                                screen against a button-sized BitBlt; bounds
//                                10 x each (exit 1 when missed)
//
// Times are the fastest of alternating batches. bench/table/run.sh runs the
// start-up modes several times each, alternating, and prints their ratio.
#include "platform/portable/Types.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "bench/common/BenchmarkStart.h"
#include "bench/table/RepaintFloor.h"
#include "game/Unit1.h"
#include "platform/Forms.h"
#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// Milliseconds from the process's creation to now, on the system clock.
double MsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

bool gPainted = false;

LRESULT CALLBACK EmptyWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        FillRect(ps.hdc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        EndPaint(wnd, &ps);
        gPainted = true;
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

int StartupEmpty() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = EmptyWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "TableBenchEmpty";
    RegisterClassExA(&wc);
    HWND wnd = CreateWindowExA(0, wc.lpszClassName, "Empty", WS_OVERLAPPEDWINDOW, 100, 100, 777, 333, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ShowWindow(wnd, SW_SHOWNORMAL);
    MSG msg;
    while (!gPainted && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    std::printf("empty window: first paint %.1f ms after the process began\n", MsSinceProcessStart());
    DestroyWindow(wnd);
    return 0;
}

// With RDZ_BENCH_DETAIL set, each window made is printed with the time.
TClock::time_point gDetailStart;
LRESULT CALLBACK DetailHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        char cls[64] = "?";
        if (HIWORD(reinterpret_cast<ULONG_PTR>(create->lpcs->lpszClass)))
            std::snprintf(cls, sizeof(cls), "%s", create->lpcs->lpszClass);
        std::printf("    %7.2f ms  create %s\n", MsSince(gDetailStart), cls);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// ... and the messages that show where showing the window spends its time.
LRESULT CALLBACK DetailMsgHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (m->message == WM_SHOWWINDOW || m->message == WM_NCPAINT || m->message == WM_ERASEBKGND || m->message == WM_ACTIVATE ||
        m->message == WM_WINDOWPOSCHANGED || m->message == WM_SIZE || m->message == WM_SETFOCUS || m->message == WM_NCACTIVATE) {
        char cls[64] = {};
        GetClassNameA(m->hwnd, cls, sizeof(cls));
        std::printf("    %7.2f ms  msg %04x %s", MsSince(gDetailStart), m->message, cls);
        if (m->message == WM_WINDOWPOSCHANGED) {
            const auto* p = reinterpret_cast<WINDOWPOS*>(m->lParam);
            std::printf(" flags %x at %d,%d %dx%d", p->flags, p->x, p->y, p->cx, p->cy);
        }
        std::printf("\n");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK DetailGetHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        char cls[64] = {};
        GetClassNameA(m->hwnd, cls, sizeof(cls));
        std::printf("    %7.2f ms  got %04x %s\n", MsSince(gDetailStart), m->message, cls);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// EnumChildWindows: sets *found and stops at a window with an update region.
BOOL CALLBACK FindPaintPending(HWND child, LPARAM found) {
    if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// EnumThreadWindows: the rectangles of the shown layered border strips.
BOOL CALLBACK CollectLayerStrips(HWND top, LPARAM found) {
    char cls[64] = {};
    GetClassNameA(top, cls, sizeof(cls));
    RECT r{};
    if (IsWindowVisible(top) && std::strcmp(cls, "TbsFormLayerWindow") == 0 && GetWindowRect(top, &r))
        reinterpret_cast<std::vector<RECT>*>(found)->push_back(r);
    return TRUE;
}

int StartupTable() {
    const double beforeMain = MsSinceProcessStart();
    gDetailStart = TClock::now();
    if (std::getenv("RDZ_BENCH_DETAIL")) {
        SetWindowsHookExA(WH_CBT, DetailHook, nullptr, GetCurrentThreadId());
        SetWindowsHookExA(WH_CALLWNDPROC, DetailMsgHook, nullptr, GetCurrentThreadId());
        SetWindowsHookExA(WH_GETMESSAGE, DetailGetHook, nullptr, GetCurrentThreadId());
    }
    const auto made = TClock::now();
    Application().Initialize();
    auto form = std::make_unique<TForm1>(nullptr);
    const double making = MsSince(made);
    // The windows of the form and its controls (made on first need).
    const auto windows = TClock::now();
    form->HandleNeeded();
    const double creating = MsSince(windows);
    const auto shown = TClock::now();
    if (std::getenv("RDZ_BENCH_DETAIL")) std::printf("    %7.2f ms  Show\n", MsSince(gDetailStart));
    form->Show();
    if (std::getenv("RDZ_BENCH_DETAIL")) std::printf("    %7.2f ms  Show returned\n", MsSince(gDetailStart));
    // The first paint has ended once neither the window nor any of its
    // controls has an update region left.
    HWND wnd = form->GetHandle();
    const auto paintPending = [wnd] {
        bool pending = GetUpdateRect(wnd, nullptr, FALSE) != FALSE;
        EnumChildWindows(wnd, FindPaintPending, reinterpret_cast<LPARAM>(&pending));
        return pending;
    };
    MSG msg;
    while (paintPending() || !IsWindowVisible(wnd)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    UpdateWindow(wnd);
    const double showing = MsSince(shown);
    std::printf("table window: first paint %.1f ms after the process began (before main %.1f, layout, skin and "
                "controls %.1f, their windows %.1f, showing and first paint %.1f)\n",
                MsSinceProcessStart(), beforeMain, making, creating, showing);
    form.reset();
    return 0;
}

// The fastest of `batches` alternating batches of `runs` calls of each.
std::pair<double, double> Compare(const std::function<void()>& subject, const std::function<void()>& baseline,
                                  int batches, int runs) {
    double bestSubject = 1e300, bestBaseline = 1e300;
    for (int b = 0; b < batches; ++b) {
        auto start = TClock::now();
        for (int i = 0; i < runs; ++i) subject();
        bestSubject = std::min(bestSubject, MsSince(start) / runs);
        start = TClock::now();
        for (int i = 0; i < runs; ++i) baseline();
        bestBaseline = std::min(bestBaseline, MsSince(start) / runs);
    }
    return {bestSubject, bestBaseline};
}

void Pump(int ms) {
    const auto start = TClock::now();
    while (MsSince(start) < ms) {
        Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// A BitBlt of a memory picture of the window's size onto the window.
std::function<void()> BlitOnto(HWND wnd, int width, int height, HDC& memory, HBITMAP& bitmap) {
    HDC screen = GetDC(wnd);
    memory = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    ReleaseDC(wnd, screen);
    return [wnd, width, height, memory] {
        HDC dc = GetWindowDC(wnd);
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        ReleaseDC(wnd, dc);
        GdiFlush();
    };
}

int Repaint() {
    Application().Initialize();
    auto form = std::make_unique<TForm1>(nullptr);
    form->Show();
    Pump(300);
    HWND wnd = form->GetHandle();
    RECT rc{};
    GetWindowRect(wnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    const auto windowBlit = BlitOnto(wnd, w, h, memory, bitmap);
    const auto fullRepaint = [&] {
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        form->bsSkinForm1->LayerBorder().RedrawLayer();
        GdiFlush();
    };
    const auto [repaint, blit] = Compare(fullRepaint, windowBlit, 7, 10);
    const double repaintRatio = repaint / blit;
    std::printf("full repaint of the table window %dx%d (frame, layered border, controls): %.3f ms, BitBlt %.3f ms, "
                "%.2f x (bound 10)\n",
                w, h, repaint, blit, repaintRatio);
    // Where the time goes: the window with its controls, and the border.
    const auto [windowOnly, blit2] = Compare(
        [&] {
            RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            GdiFlush();
        },
        windowBlit, 7, 10);
    const auto [borderOnly, blit3] = Compare([&] { form->bsSkinForm1->LayerBorder().RedrawLayer(); }, windowBlit, 7, 10);
    std::printf("  of which the window, its frame and controls %.3f ms, the layered border %.3f ms\n", windowOnly,
                borderOnly);
    if (std::getenv("RDZ_BENCH_DETAIL")) {
        // Each window on its own, to see where a repaint spends its time.
        for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[64] = {};
            GetClassNameA(child, cls, sizeof(cls));
            const auto [one, unused] = Compare(
                [child] {
                    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                    GdiFlush();
                },
                [] {}, 5, 10);
            (void)unused;
            std::printf("    %-28s %.3f ms\n", cls, one);
        }
        const auto [frameOnly, unused] = Compare(
            [&] {
                RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
                GdiFlush();
            },
            [] {}, 5, 10);
        (void)unused;
        std::printf("    the form alone (frame and background) %.3f ms\n", frameOnly);
    }
    (void)blit2;
    (void)blit3;
    // Against what the window system alone costs for the same windows.
    std::vector<RECT> strips;
    EnumThreadWindows(GetCurrentThreadId(), CollectLayerStrips, reinterpret_cast<LPARAM>(&strips));
    {
        TRepaintFloor floor(wnd, strips);
        Pump(100);
        const auto [least, blit4] = Compare([&] { floor.Repaint(); }, windowBlit, 7, 10);
        std::printf("  the floor, the same %d windows each painting one BitBlt and %zu layered updates: %.3f ms, %.2f x "
                    "the BitBlt; the table window's repaint is %.2f x its floor\n",
                    floor.WindowCount(), strips.size(), least, least / blit4, repaint / least);
    }
    DeleteDC(memory);
    DeleteObject(bitmap);

    // The spin button's hover morph: the pointer enters (the morph timer
    // starts), each step blends and paints; then the pointer leaves and the
    // morph runs back. Steps are sent as the timer would.
    HWND button = form->bsSkinButton1->GetHandle();
    GetClientRect(button, &rc);
    const TPoint centre{rc.right / 2, rc.bottom / 2};
    POINT screen{centre.X, centre.Y};
    ClientToScreen(button, &screen);
    TSystemHooksOverride pointer(
        TSystemHooks{[screen] { return TPoint{screen.x, screen.y}; }, [button](TPoint) { return button; }, {}});
    bool inside = false;
    const auto morphStep = [&] {
        if (!form->bsSkinButton1->MorphActive()) {
            inside = !inside;
            if (inside) SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(centre.X, centre.Y));
            else SendMessageA(button, WM_MOUSELEAVE, 0, 0);
        }
        SendMessageA(button, WM_TIMER, tidButtonMorph, 0);
        UpdateWindow(button);
        GdiFlush();
    };
    const auto buttonBlit = BlitOnto(button, rc.right, rc.bottom, memory, bitmap);
    const auto [step, buttonCopy] = Compare(morphStep, buttonBlit, 7, 20);
    const double stepRatio = step / buttonCopy;
    std::printf("hover morph step of the spin button %ldx%ld painted to the screen: %.3f ms, BitBlt %.3f ms, %.2f x "
                "(bound 10)\n",
                rc.right, rc.bottom, step, buttonCopy, stepRatio);
    DeleteDC(memory);
    DeleteObject(bitmap);
    form.reset();
    return repaintRatio <= 10 && stepRatio <= 10 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = BenchmarkStart("tablebench", argc, argv); status >= 0) return status;
    if (argc > 1 && std::strcmp(argv[1], "--startup-empty") == 0) return StartupEmpty();
    if (argc > 1 && std::strcmp(argv[1], "--startup-table") == 0) return StartupTable();
    if (argc > 1 && std::strcmp(argv[1], "--repaint") == 0) return Repaint();
    std::fputs("usage: tablebench --startup-empty | --startup-table | --repaint | --check\n", stderr);
    return 2;
}
