// tablebench: what the table window costs a person who starts and uses it,
// against the same window built from the system's own controls (the peer,
// SystemTableWindow.h).
//
//   tablebench --startup-table   the table window, shown: prints the time
//                                from the process's creation to the end of
//                                the first paint of the window and every
//                                control, with where the time went (the
//                                process before main, the window made from
//                                its layout and skin, showing it up to the
//                                end of its first paint), and the private
//                                memory then; then ends
//   tablebench --startup-system  the same for the peer
//   tablebench --startup-empty   the same for an empty window (context: the
//                                least a window costs to start)
//   tablebench --repaint         both windows shown side by side: a full
//                                repaint of each (frame included), and a
//                                hover repaint of the spin button (one morph
//                                step) against the system button's; bounds
//                                1.5 x and 2 x (exit 1 when missed). The
//                                layered border's update and the floor of
//                                the repaint (the same windows painting one
//                                BitBlt each) are printed as context.
//   tablebench --machine         the processor and the Wine version
//
// Times are the fastest of alternating batches. bench/table/run.sh runs the
// start-up modes several times each, alternating, and prints the ratios.
#include "platform/portable/Types.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "bench/common/BenchmarkStart.h"
#include "bench/common/MachineInfo.h"
#include "bench/table/RepaintFloor.h"
#include "bench/table/SystemTableWindow.h"
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

// The process's private memory in KiB. Wine leaves PrivateUsage 0; the
// commit charge is the same figure there.
long long PrivateKiB() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
        return -1;
    return static_cast<long long>(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1024;
}

// Runs messages until the window is shown and neither it nor any of its
// descendants has an update region left: the first paint has ended.
void FinishFirstPaint(HWND wnd) {
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
}

void StartDetail() {
    gDetailStart = TClock::now();
    if (std::getenv("RDZ_BENCH_DETAIL")) {
        SetWindowsHookExA(WH_CBT, DetailHook, nullptr, GetCurrentThreadId());
        SetWindowsHookExA(WH_CALLWNDPROC, DetailMsgHook, nullptr, GetCurrentThreadId());
        SetWindowsHookExA(WH_GETMESSAGE, DetailGetHook, nullptr, GetCurrentThreadId());
    }
}

int StartupTable() {
    const double beforeMain = MsSinceProcessStart();
    StartDetail();
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
    FinishFirstPaint(form->GetHandle());
    const double showing = MsSince(shown);
    const double total = MsSinceProcessStart();
    std::printf("table window: first paint %.1f ms after the process began (before main %.1f, layout, skin and "
                "controls %.1f, their windows %.1f, showing and first paint %.1f), private memory %lld KiB\n",
                total, beforeMain, making, creating, showing, PrivateKiB());
    form.reset();
    return 0;
}

int StartupSystem() {
    const double beforeMain = MsSinceProcessStart();
    StartDetail();
    const auto made = TClock::now();
    TSystemTableWindow window;
    const double making = MsSince(made);
    const auto shown = TClock::now();
    window.Show();
    FinishFirstPaint(window.Handle());
    const double showing = MsSince(shown);
    const double total = MsSinceProcessStart();
    std::printf("system window: first paint %.1f ms after the process began (before main %.1f, layout, picture and "
                "windows %.1f, showing and first paint %.1f), private memory %lld KiB\n",
                total, beforeMain, making, showing, PrivateKiB());
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

// Repaints the window, its frame and every descendant now.
void RepaintAll(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
}

// Hover steps alternate between entering and leaving a button with the
// pointer, as a person's pointer passing over it would.
struct THoverSteps {
    HWND Button;
    TPoint Centre;
    bool Inside = false;
    void Enter() { SendMessageA(Button, WM_MOUSEMOVE, 0, MAKELPARAM(Centre.X, Centre.Y)); }
    void Leave() { SendMessageA(Button, WM_MOUSELEAVE, 0, 0); }
};

TPoint ClientCentre(HWND wnd) {
    RECT rc{};
    GetClientRect(wnd, &rc);
    return {rc.right / 2, rc.bottom / 2};
}

int Repaint() {
    Application().Initialize();
    auto form = std::make_unique<TForm1>(nullptr);
    form->Show();
    TSystemTableWindow system;
    // Side by side on the screen, neither covering the other: the peer
    // below the table window, or above it where the screen ends.
    HWND wnd = form->GetHandle(), peer = system.Handle();
    RECT rc{}, peerRc{};
    GetWindowRect(wnd, &rc);
    GetWindowRect(peer, &peerRc);
    const int gap = 40;  // pixels, clear of the layered border's strips
    int peerTop = rc.bottom + gap;
    if (peerTop + (peerRc.bottom - peerRc.top) > GetSystemMetrics(SM_CYSCREEN))
        peerTop = rc.top - gap - (peerRc.bottom - peerRc.top);
    SetWindowPos(peer, nullptr, rc.left, std::max(0, peerTop), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    system.Show();
    SetForegroundWindow(wnd);
    Pump(300);

    // A full repaint is what the window system asks for when the whole
    // window must be drawn again (uncovered, restored): the window, its
    // frame and every control. The layered border's strips are not part of
    // it: the window system keeps their pictures and shows them itself, as
    // it keeps the shadow of the peer's frame; the engine updates them only
    // when they change (activation, size, skin), timed below as context.
    const auto fullRepaint = [&] { RepaintAll(wnd); };
    const auto peerRepaint = [&] { RepaintAll(peer); };
    const auto [repaint, peerTime] = Compare(fullRepaint, peerRepaint, 9, 10);
    const double repaintRatio = repaint / peerTime;
    GetWindowRect(wnd, &rc);
    std::printf("full repaint: table window %ldx%ld (frame and controls) %.3f ms, system-controls window %.3f ms: "
                "%.2f x (bound 1.5)\n",
                rc.right - rc.left, rc.bottom - rc.top, repaint, peerTime, repaintRatio);
    const auto [border, unused] = Compare([&] { form->bsSkinForm1->LayerBorder().RedrawLayer(); }, [] {}, 7, 10);
    (void)unused;
    std::printf("  context: updating the layered border's strips when they change %.3f ms\n", border);
    if (std::getenv("RDZ_BENCH_DETAIL")) {
        // Each window on its own, to see where a repaint spends its time.
        for (HWND top : {wnd, peer})
            for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                char cls[64] = {};
                GetClassNameA(child, cls, sizeof(cls));
                const auto [one, unused] = Compare([child] { RepaintAll(child); }, [] {}, 5, 10);
                (void)unused;
                std::printf("    %-28s %.3f ms\n", cls, one);
            }
        for (HWND top : {wnd, peer}) {
            const auto [frameOnly, unused] = Compare(
                [top] {
                    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
                    GdiFlush();
                },
                [] {}, 5, 10);
            (void)unused;
            std::printf("    %s alone (frame and background) %.3f ms\n", top == wnd ? "the table window" : "the peer",
                        frameOnly);
        }
    }
    // Context: what the window system alone costs for the same windows.
    std::vector<RECT> strips;
    EnumThreadWindows(GetCurrentThreadId(), CollectLayerStrips, reinterpret_cast<LPARAM>(&strips));
    {
        TRepaintFloor floor(wnd, strips);
        Pump(100);
        const auto [least, again] = Compare([&] { floor.Repaint(); },
                                            [&] {
                                                fullRepaint();
                                                form->bsSkinForm1->LayerBorder().RedrawLayer();
                                            },
                                            7, 10);
        std::printf("  context: the floor, the same %d windows each painting one BitBlt and %zu layered updates, "
                    "%.3f ms; the table window's repaint with its layered border is %.2f x its floor\n",
                    floor.WindowCount(), strips.size(), least, again / least);
    }

    // The spin button's hover morph: the pointer enters (the morph timer
    // starts), each step blends and paints; then the pointer leaves and the
    // morph runs back. Steps are sent as the timer would. The system button
    // repaints once for each entry and leaving (with a visual style, in its
    // hot look; without one it would not repaint at all, so the step asks
    // for the repaint itself).
    HWND button = form->bsSkinButton1->GetHandle();
    THoverSteps skinned{button, ClientCentre(button)};
    THoverSteps plain{system.SpinButton(), ClientCentre(system.SpinButton())};
    POINT screen{skinned.Centre.X, skinned.Centre.Y};
    ClientToScreen(button, &screen);
    TSystemHooksOverride pointer(
        TSystemHooks{[screen] { return TPoint{screen.x, screen.y}; }, [button](TPoint) { return button; }, {}});
    const auto morphStep = [&] {
        if (!form->bsSkinButton1->MorphActive()) {
            skinned.Inside = !skinned.Inside;
            skinned.Inside ? skinned.Enter() : skinned.Leave();
        }
        SendMessageA(button, WM_TIMER, tidButtonMorph, 0);
        UpdateWindow(button);
        GdiFlush();
    };
    const auto systemStep = [&] {
        plain.Inside = !plain.Inside;
        plain.Inside ? plain.Enter() : plain.Leave();
        InvalidateRect(plain.Button, nullptr, TRUE);
        UpdateWindow(plain.Button);
        GdiFlush();
    };
    const auto [step, systemHover] = Compare(morphStep, systemStep, 9, 20);
    const double stepRatio = step / systemHover;
    GetClientRect(button, &rc);
    std::printf("hover repaint of the spin button %ldx%ld (one morph step): %.3f ms, the system button's %.3f ms: "
                "%.2f x (bound 2)\n",
                rc.right, rc.bottom, step, systemHover, stepRatio);
    form.reset();
    return repaintRatio <= 1.5 && stepRatio <= 2 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = BenchmarkStart("tablebench", argc, argv); status >= 0) return status;
    if (argc > 1 && std::strcmp(argv[1], "--startup-empty") == 0) return StartupEmpty();
    if (argc > 1 && std::strcmp(argv[1], "--startup-table") == 0) return StartupTable();
    if (argc > 1 && std::strcmp(argv[1], "--startup-system") == 0) return StartupSystem();
    if (argc > 1 && std::strcmp(argv[1], "--repaint") == 0) return Repaint();
    if (argc > 1 && std::strcmp(argv[1], "--machine") == 0) {
        PrintMachine("tablebench");
        return 0;
    }
    std::fputs("usage: tablebench --startup-empty | --startup-table | --startup-system | --repaint | --machine | "
               "--check\n",
               stderr);
    return 2;
}
