// The object behind a window of a class whose every window belongs to one
// C++ object: the object comes as CreateWindowEx's creation parameter, is
// kept in the window's GWLP_USERDATA from WM_NCCREATE on, and is let go at
// WM_NCDESTROY (the window's last message), so a message arriving after the
// object has detached itself reaches nobody.
#pragma once

#include <windows.h>

// The object for this message of the window, or null: at WM_NCCREATE the
// one being created (now attached), at WM_NCDESTROY none (now detached).
template <class T>
T* WindowObject(HWND wnd, UINT msg, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<T*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        return created;
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (self && msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        return nullptr;
    }
    return self;
}
