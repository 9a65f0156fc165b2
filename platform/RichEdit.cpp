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

void TRichEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    if (HandleAllocated()) SendMessageA(GetHandle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    RecreateWnd();
}
