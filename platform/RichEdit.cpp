#include "platform/RichEdit.h"

#include <richedit.h>

#include "platform/Handles.h"
#include "platform/portable/Exception.h"

namespace {

// The library's window class; the newer library first.
const char* RichEditClass() {
    static TModuleHandle library;
    static const char* className = nullptr;
    if (!className) {
        library.Reset(LoadLibraryA("msftedit.dll"));
        if (library) {
            className = "RICHEDIT50W";
        } else {
            library.Reset(LoadLibraryA("riched20.dll"));
            if (!library) throw Exception("The rich text library is not installed");
            className = "RichEdit20A";
        }
    }
    return className;
}

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FTabStop = true;
    SetColor(clWindow);
}

void TRichEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClassName = RichEditClass();
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (FReadOnly) params.Style |= ES_READONLY;
    if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
    if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
    if (FScrollBars == TScrollStyle::ssNone) params.Style |= ES_AUTOHSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TRichEdit::InitializeWnd() {
    TWinControl::InitializeWnd();
    SendMessageA(GetHandle(), EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(GetColor())));
}

void TRichEdit::ColorChanged() {
    if (HandleAllocated()) SendMessageA(GetHandle(), EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(GetColor())));
}

LRESULT TRichEdit::OnGetDlgCode(WPARAM key, MSG* msg) {
    // A multi-line text control asks for every key, Tab included; a result
    // box that kept Tab would hold the keyboard focus for ever. The dialog
    // manager asks with the message itself, so a Tab is told apart there.
    LRESULT code = TWinControl::OnGetDlgCode(key, msg);
    const bool tab = key == VK_TAB || (msg && msg->wParam == VK_TAB &&
                                       (msg->message == WM_KEYDOWN || msg->message == WM_CHAR));
    if (FWantTabs) {
        code |= DLGC_WANTTAB;
    } else {
        code &= ~LRESULT(DLGC_WANTTAB);
        if (tab) code &= ~LRESULT(DLGC_WANTALLKEYS);
    }
    const bool enter = key == VK_RETURN || (msg && msg->wParam == VK_RETURN);
    if (!FWantReturns && enter) code &= ~LRESULT(DLGC_WANTALLKEYS);
    return code;
}

void TRichEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    if (HandleAllocated()) SendMessageA(GetHandle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    RecreateWnd();
}
