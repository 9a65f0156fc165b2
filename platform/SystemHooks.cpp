#include "platform/SystemHooks.h"

#include <utility>

namespace {

TSystemHooks& Hooks() {
    static TSystemHooks hooks;
    return hooks;
}

}  // namespace

TPoint CursorPos() {
    if (Hooks().CursorPos) return Hooks().CursorPos();
    POINT p{};
    GetCursorPos(&p);
    return Point(p.x, p.y);
}

HWND WindowAt(TPoint screen) {
    if (Hooks().WindowAt) return Hooks().WindowAt(screen);
    return WindowFromPoint(POINT{screen.X, screen.Y});
}

HWND WindowUnderCursor() { return WindowAt(CursorPos()); }

DWORD TickCount() { return Hooks().TickCount ? Hooks().TickCount() : GetTickCount(); }

TSystemHooksOverride::TSystemHooksOverride(TSystemHooks hooks) : FSaved(Hooks()) {
    if (hooks.CursorPos) Hooks().CursorPos = std::move(hooks.CursorPos);
    if (hooks.WindowAt) Hooks().WindowAt = std::move(hooks.WindowAt);
    if (hooks.TickCount) Hooks().TickCount = std::move(hooks.TickCount);
}

TSystemHooksOverride::~TSystemHooksOverride() { Hooks() = std::move(FSaved); }
