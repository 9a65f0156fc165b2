// Closing a popup (a drop-down list, a chain of menu windows) the way the
// system's own popups close: on any press outside the popup and the control
// that owns it, and when the owner's top-level window moves, sizes, is
// activated or deactivated, loses the focus, gets cancel mode or a mouse
// activation that is not on the popup or its owner.
//
// A TPopupCloser watches from Watch to Stop (or its destruction). It needs
// nothing from the window procedures of the popup or of the owner: it reads
// the thread's messages through two thread hooks shared by every closer
// that watches, installed while at least one watches:
//  - WH_GETMESSAGE: the presses the queue hands to any window of the
//    thread, in any message loop (the application's, a modal one, a test's);
//  - WH_CALLWNDPROC: what is sent to the owner's top-level window (moving,
//    sizing and activation come that way, from SetWindowPos and the
//    system's own loops, never through the queue).
//
// The close callback runs at most once per Watch, after the closer has
// stopped watching; it may free the popup and the closer itself.
#pragma once

#include <windows.h>

#include <functional>

class TPopupCloser {
public:
    // Whether a window is the popup's or its owner's (a press there is
    // inside); close closes the popup.
    using TIsPart = std::function<bool(HWND)>;
    TPopupCloser(TIsPart isPart, std::function<void()> close);
    TPopupCloser(const TPopupCloser&) = delete;
    TPopupCloser& operator=(const TPopupCloser&) = delete;
    ~TPopupCloser();

    // Starts watching presses and the top-level window of owner (null:
    // presses only); watching again changes the window watched.
    void Watch(HWND owner);
    void Stop();
    bool Watching() const { return FWatching; }
    HWND WatchedWindow() const { return FTopLevel; }  // not owned

    // Whether msg, taken from the queue or sent to a window of the thread,
    // closes the popup. The hooks ask this; public so that the rules can be
    // read and tested in one place.
    bool Closes(HWND wnd, UINT msg, WPARAM wParam) const;

private:
    friend struct TPopupCloserHooks;
    // Stops watching and runs the callback when msg closes the popup.
    void Offer(HWND wnd, UINT msg, WPARAM wParam);

    TIsPart FIsPart;
    std::function<void()> FClose;
    HWND FTopLevel = nullptr;  // not owned
    bool FWatching = false;
};
