#include "platform/Handles.h"

namespace handles_detail {
std::atomic<long>& Counter(THandleKind kind) {
    static std::atomic<long> counters[static_cast<int>(THandleKind::Count)];
    return counters[static_cast<int>(kind)];
}
}  // namespace handles_detail

long LiveHandleCount(THandleKind kind) { return handles_detail::Counter(kind).load(); }

bool InstallWindowRegion(HWND wnd, TRegionHandle region, bool redraw) {
    HRGN raw = region.Get();
    if (SetWindowRgn(wnd, raw, redraw ? TRUE : FALSE) == 0) {
        return false;  // region's destructor deletes it: the window did not take it
    }
    (void)region.Release();  // the window owns it now
    return true;
}
