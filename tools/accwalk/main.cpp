// accwalk: what a screen reader hears of a window of another program.
//
//   accwalk [--title TITLE] [--wait SECONDS]
//       waits for the top window titled TITLE (default: the table window)
//       and prints the client object of every visible window inside it,
//       depth first, one line each (platform/AccessibleWalk.h)
//   accwalk --events [--title TITLE] [--wait SECONDS] [--seconds N]
//       follows that window's process: prints one line per focus, state,
//       name and value event of a window's client object, with the object
//       as it reads when the line is written (a moment after the event, as
//       a screen reader reads it), until the window goes (or N seconds)
//
// Exit status: 0, or 1 when the window did not appear or the arguments are
// wrong. Output lines end with "\n" and are flushed one by one.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <utility>

#include "platform/AccessibleWalk.h"
#include "platform/OleAcc.h"

namespace {

constexpr const char* kDefaultTitle = "Rozudavuvo Dariz Zodovi";

struct TOptions {
    std::string Title = kDefaultTitle;
    bool Events = false;
    double WaitSeconds = 30;
    double Seconds = 0;  // 0: until the window goes
};

HWND GTop = nullptr;  // the followed window, for the event callback

const char* EventName(DWORD event) {
    switch (event) {
        case EVENT_OBJECT_FOCUS: return "focus";
        case EVENT_OBJECT_STATECHANGE: return "state";
        case EVENT_OBJECT_NAMECHANGE: return "name";
        case EVENT_OBJECT_VALUECHANGE: return "value";
        default: return nullptr;
    }
}

// Events heard and not yet read out, oldest first. The callback only
// queues: reading an object is a call into the other process, during which
// COM delivers the next events to this thread; read from the callback, they
// would nest and come out last first.
std::deque<std::pair<DWORD, HWND>> GQueue;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND wnd, LONG idObject, LONG idChild, DWORD, DWORD) {
    if (EventName(event) && wnd && idObject == OBJID_CLIENT && idChild == CHILDID_SELF) GQueue.emplace_back(event, wnd);
}

void ReadQueuedEvents() {
    while (!GQueue.empty()) {
        const auto [event, wnd] = GQueue.front();
        GQueue.pop_front();
        POINT origin{0, 0};
        ClientToScreen(GTop, &origin);
        std::printf("%s %s\n", EventName(event), DescribeAccessibleWindow(wnd, origin).c_str());
        std::fflush(stdout);
    }
}

HWND WaitForWindow(const std::string& title, double seconds) {
    const DWORD until = GetTickCount() + DWORD(seconds * 1000);
    for (;;) {
        if (HWND wnd = FindWindowA(nullptr, title.c_str())) return wnd;
        if (LONG(GetTickCount() - until) >= 0) return nullptr;
        Sleep(100);
    }
}

int FollowEvents(HWND top, double seconds) {
    DWORD process = 0;
    GetWindowThreadProcessId(top, &process);
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        std::fprintf(stderr, "accwalk: SetWinEventHook failed (%lu)\n", GetLastError());
        return 1;
    }
    std::printf("following\n");
    std::fflush(stdout);
    const DWORD until = GetTickCount() + DWORD(seconds * 1000);
    // The events come as messages to this thread; the window's end is polled.
    while (IsWindow(top) && (seconds <= 0 || LONG(GetTickCount() - until) < 0)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        ReadQueuedEvents();
    }
    UnhookWinEvent(hook);
    return 0;
}

bool ParseArguments(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--events") options.Events = true;
        else if (arg == "--title" && hasValue) options.Title = argv[++i];
        else if (arg == "--wait" && hasValue) options.WaitSeconds = std::atof(argv[++i]);
        else if (arg == "--seconds" && hasValue) options.Seconds = std::atof(argv[++i]);
        else return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseArguments(argc, argv, options)) {
        std::fprintf(stderr, "usage: accwalk [--events] [--title TITLE] [--wait SECONDS] [--seconds N]\n");
        return 1;
    }
    if (!OleAcc().AccessibleObjectFromWindow) {
        std::fprintf(stderr, "accwalk: oleacc.dll is missing\n");
        return 1;
    }
    GTop = WaitForWindow(options.Title, options.WaitSeconds);
    if (!GTop) {
        std::fprintf(stderr, "accwalk: no window titled \"%s\"\n", options.Title.c_str());
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    if (options.Events) {
        status = FollowEvents(GTop, options.Seconds);
    } else {
        for (const std::string& line : WalkAccessibleWindows(GTop)) std::printf("%s\n", line.c_str());
    }
    CoUninitialize();
    return status;
}
