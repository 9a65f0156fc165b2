#include "platform/PopupCloser.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Handles.h"
#include "platform/SystemHooks.h"

// The closers that watch and the two hooks they share. One thread runs the
// windows, so nothing is locked.
struct TPopupCloserHooks {
    static TPopupCloserHooks& Get() {
        static TPopupCloserHooks hooks;
        return hooks;
    }

    void Add(TPopupCloser* closer) {
        if (std::find(Closers.begin(), Closers.end(), closer) != Closers.end()) return;
        Closers.push_back(closer);
        if (!GetMessageHook)
            GetMessageHook.Reset(SetWindowsHookExA(WH_GETMESSAGE, &GetMessageProc, nullptr, GetCurrentThreadId()));
        if (!CallWndProcHook)
            CallWndProcHook.Reset(SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProc, nullptr, GetCurrentThreadId()));
    }

    void Remove(TPopupCloser* closer) {
        Closers.erase(std::remove(Closers.begin(), Closers.end(), closer), Closers.end());
        if (!Closers.empty()) return;
        GetMessageHook.Reset();
        CallWndProcHook.Reset();
    }

    // Offers a message to every closer. A closer's callback may stop or
    // free other closers (closing a menu can close a list), so each one is
    // looked up again before it is asked.
    void Offer(HWND wnd, UINT msg, WPARAM wParam) {
        const std::vector<TPopupCloser*> watching = Closers;
        for (TPopupCloser* closer : watching)
            if (std::find(Closers.begin(), Closers.end(), closer) != Closers.end()) closer->Offer(wnd, msg, wParam);
    }

    static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
        // A message only peeked at is offered when it is taken.
        if (code == HC_ACTION && wParam == PM_REMOVE) {
            const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
            Get().Offer(msg.hwnd, msg.message, msg.wParam);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION) {
            const CWPSTRUCT& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
            Get().Offer(sent.hwnd, sent.message, sent.wParam);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    std::vector<TPopupCloser*> Closers;  // not owned
    THookHandle GetMessageHook;
    THookHandle CallWndProcHook;
};

namespace {

bool IsPress(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONDBLCLK:
        case WM_NCXBUTTONDOWN:
        case WM_NCXBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

}  // namespace

TPopupCloser::TPopupCloser(TIsPart isPart, std::function<void()> close)
    : FIsPart(std::move(isPart)), FClose(std::move(close)) {}

TPopupCloser::~TPopupCloser() { Stop(); }

void TPopupCloser::Watch(HWND owner) {
    FTopLevel = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    FWatching = true;
    TPopupCloserHooks::Get().Add(this);
}

void TPopupCloser::Stop() {
    if (!FWatching) return;
    FWatching = false;
    FTopLevel = nullptr;
    TPopupCloserHooks::Get().Remove(this);
}

bool TPopupCloser::Closes(HWND wnd, UINT msg, WPARAM wParam) const {
    const auto part = [this](HWND w) { return w && FIsPart && FIsPart(w); };
    if (IsPress(msg)) return !part(wnd);
    if (!FTopLevel || wnd != FTopLevel) return false;
    switch (msg) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_CANCELMODE:
            return true;
        case WM_KILLFOCUS:
            return !part(reinterpret_cast<HWND>(wParam));
        case WM_MOUSEACTIVATE:
            // A click on a child reaches the top-level window as its mouse
            // activation before the press itself: one on the popup's owner
            // (a combo box in the window) is inside.
            return !part(WindowUnderCursor());
        default:
            return false;
    }
}

void TPopupCloser::Offer(HWND wnd, UINT msg, WPARAM wParam) {
    if (!FWatching || !Closes(wnd, msg, wParam)) return;
    Stop();
    const std::function<void()> close = FClose;  // the callback may free this closer
    if (close) close();
}
