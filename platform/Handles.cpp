#include "platform/Handles.h"

namespace handles_detail {
std::atomic<long>& Counter(THandleKind kind) {
    static std::atomic<long> counters[static_cast<int>(THandleKind::Count)];
    return counters[static_cast<int>(kind)];
}
}  // namespace handles_detail

long LiveHandleCount(THandleKind kind) { return handles_detail::Counter(kind).load(); }

namespace {
// Whether the window's shape is already `region` (both none counts).
bool WindowHasRegion(HWND wnd, HRGN region) {
    TRegionHandle current;
    current.Reset(CreateRectRgn(0, 0, 0, 0));
    if (!current) return false;
    if (GetWindowRgn(wnd, current.Get()) == ERROR) return region == nullptr;
    return region != nullptr && EqualRgn(current.Get(), region);
}
}  // namespace

bool InstallWindowRegion(HWND wnd, TRegionHandle region, bool redraw) {
    HRGN raw = region.Get();
    // Setting a shape changes the frame, which repaints the window and all
    // its children: not worth doing for the shape it already has (a form's
    // size message on showing asks for the same one again).
    if (WindowHasRegion(wnd, raw)) return true;
    if (SetWindowRgn(wnd, raw, redraw ? TRUE : FALSE) == 0) {
        return false;  // region's destructor deletes it: the window did not take it
    }
    (void)region.Release();  // the window owns it now
    return true;
}
