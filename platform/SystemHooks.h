// Where the framework and the controls read the pointer and the clock.
//
// Hover and leave checks, pointer polling and type-ahead time-outs ask
// these instead of the system, so that a test can say where the pointer is,
// which window lies under it and what time it is (TSystemHooksOverride)
// without moving the real pointer or waiting.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>

struct TSystemHooks {
    std::function<TPoint()> CursorPos;             // screen coordinates
    std::function<HWND(TPoint screen)> WindowAt;   // the window under a screen point
    std::function<DWORD()> TickCount;              // ms
};

// The pointer's screen position.
TPoint CursorPos();
// The window under a screen point, and under the pointer.
HWND WindowAt(TPoint screen);
HWND WindowUnderCursor();
// Milliseconds since the system started, wrapping after 49.7 days.
DWORD TickCount();

// Installs the non-empty members of hooks for its lifetime and puts the
// previous ones back on destruction; overrides nest.
class TSystemHooksOverride {
public:
    explicit TSystemHooksOverride(TSystemHooks hooks);
    TSystemHooksOverride(const TSystemHooksOverride&) = delete;
    TSystemHooksOverride& operator=(const TSystemHooksOverride&) = delete;
    ~TSystemHooksOverride();

private:
    TSystemHooks FSaved;
};
