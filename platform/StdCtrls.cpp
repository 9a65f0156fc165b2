#include "platform/StdCtrls.h"

#include <algorithm>

#include "platform/portable/Accelerator.h"

// ---- TLabel ---------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TLabel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

TRect TLabel::GetPaintRect() const {
    TRect r = GetBoundsRect();
    if (GetParent()) r.Right = std::max(r.Right, GetParent()->GetClientRect().Right);
    return r;
}

void TLabel::Paint(TCanvas& canvas) {
    if (!FTransparent) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(GetClientRect());
    }
    TRect r = GetClientRect();
    r.Right = GetPaintRect().Right - FLeft;
    if (!GetEnabled()) canvas.Font().SetColor(clGrayText);
    canvas.DrawText(GetText(), r, DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE);
}

// ---- TEdit ----------------------------------------------------------------------

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FTabStop = true;
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClassName = "EDIT";
    params.Style |= ES_AUTOHSCROLL | ES_LEFT;
    if (FReadOnly) params.Style |= ES_READONLY;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    if (HandleAllocated()) {
        FWritingText = true;
        SendMessageA(GetHandle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
        FWritingText = false;
    }
}

void TEdit::SetText(const std::string& value) {
    FWritingText = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FWritingText};
    TWinControl::SetText(value);
}

LRESULT TEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (FReadOnly && !FWritingText) {
        switch (msg) {
            case WM_CHAR:
                if (wParam == 3) break;  // Ctrl+C copies
                return 0;
            case WM_KEYDOWN:
                if (wParam == VK_DELETE || wParam == VK_BACK) return 0;
                if (wParam == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000)) return 0;  // Shift+Insert pastes
                break;
            case WM_CUT:
                return DefaultHandler(WM_COPY, 0, 0);  // the text is copied, not removed
            case WM_PASTE:
            case WM_CLEAR:
            case WM_UNDO:
            case EM_UNDO:
            case EM_REPLACESEL:
            case WM_SETTEXT:
                return 0;
            case EM_SETREADONLY:
                return DefaultHandler(msg, TRUE, lParam);  // stays read-only
            default:
                break;
        }
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

void TEdit::OnCommand(WORD notifyCode) {
    if (notifyCode == EN_CHANGE && FOnChange) FOnChange(this);
}

// ---- TComboBox ----------------------------------------------------------------------

namespace {
constexpr int kComboListItemHeight = 16;  // pixels per dropped item, for the list's room
}

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    FTabStop = true;
    SetColor(clWindow);
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClassName = "COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL |
                    (FStyle == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    if (FSorted) params.Style |= CBS_SORT;
    params.Height = DroppedHeight();
}

int TComboBox::DroppedHeight() const { return FHeight + FDropDownCount * kComboListItemHeight + 2; }

void TComboBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    // The closed box is as high as the layout says: border 3 above and below.
    SendMessageA(GetHandle(), CB_SETITEMHEIGHT, WPARAM(-1), std::max(FHeight - 6, 1));
    FillItems();
}

void TComboBox::FillItems() {
    HWND wnd = GetHandle();
    SendMessageA(wnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : FItems) SendMessageA(wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(wnd, CB_SETCURSEL, WPARAM(FItemIndex), 0);
    if (FStyle == TComboBoxStyle::csDropDown && FItemIndex < 0) SetWindowTextA(wnd, FText.c_str());
}

void TComboBox::SaveWndState() {
    if (!HandleAllocated()) return;
    FItemIndex = int(SendMessageA(GetHandle(), CB_GETCURSEL, 0, 0));
    TWinControl::SaveWndState();
}

void TComboBox::BoundsChanged() {
    if (HandleAllocated()) MoveWindow(GetHandle(), FLeft, FTop, FWidth, DroppedHeight(), TRUE);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    RecreateWnd();
}

void TComboBox::SetItems(const std::vector<std::string>& value) {
    FItems = value;
    if (FSorted) std::sort(FItems.begin(), FItems.end());
    if (FItemIndex >= int(FItems.size())) FItemIndex = -1;
    if (HandleAllocated()) FillItems();
}

int TComboBox::GetItemIndex() const {
    if (HandleAllocated()) return int(SendMessageA(WindowHandle(), CB_GETCURSEL, 0, 0));
    return FItemIndex;
}

void TComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= int(FItems.size())) value = -1;
    FItemIndex = value;
    if (HandleAllocated()) SendMessageA(GetHandle(), CB_SETCURSEL, WPARAM(value), 0);
}

void TComboBox::SetDropDownCount(int value) {
    FDropDownCount = std::max(value, 1);
    BoundsChanged();
}

void TComboBox::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    if (FSorted) std::sort(FItems.begin(), FItems.end());
    RecreateWnd();
}

std::string TComboBox::GetText() const {
    if (FStyle == TComboBoxStyle::csDropDownList) {
        int index = GetItemIndex();
        return index >= 0 && index < int(FItems.size()) ? FItems[std::size_t(index)] : std::string();
    }
    return TWinControl::GetText();
}

void TComboBox::OnCommand(WORD notifyCode) {
    if (notifyCode == CBN_SELCHANGE) {
        FItemIndex = GetItemIndex();
        if (FOnChange) FOnChange(this);
    }
}

// ---- TButton ----------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClassName = "BUTTON";
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    if (HandleAllocated()) SendMessageA(GetHandle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::OnCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED) Click();
}

LRESULT TButton::OnGetDlgCode(WPARAM key, MSG* msg) {
    LRESULT code = TWinControl::OnGetDlgCode(key, msg);
    // Enter on a focused button is the button's own, not the form's.
    if (key == VK_RETURN) code |= DLGC_WANTALLKEYS;
    return code;
}

bool TButton::OnKeyDown(WORD key, unsigned shift) {
    if (TWinControl::OnKeyDown(key, shift)) return true;
    if (key != VK_RETURN) return false;
    if (GetEnabled()) Click();
    return true;
}

bool TButton::DialogKey(WORD key, unsigned shift) {
    if (!GetEnabled()) return false;
    if ((key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel && shift == 0)) {
        Click();
        return true;
    }
    return false;
}

bool TButton::DialogChar(char ch) {
    if (!IsAccelerator(ch, GetText()) || !CanFocus()) return false;
    SetFocus();
    Click();
    return true;
}

// ---- TGroupBox ----------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {}

void TGroupBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WinClassName = "RdzGroupBox";
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;  // tabbing goes into its controls
}

void TGroupBox::Paint(TCanvas& canvas) {
    TRect client = GetClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    int textHeight = canvas.TextHeight("0");
    RECT frame{client.Left, client.Top + textHeight / 2, client.Right, client.Bottom};
    DrawEdge(canvas.GetHandle(), &frame, EDGE_ETCHED, BF_RECT);
    std::string caption = GetText();
    if (caption.empty()) return;
    TRect text = Rect(8, 0, 8 + canvas.TextWidth(caption) + 4, textHeight);
    canvas.FillRect(text);  // the caption interrupts the frame
    text.Left += 2;
    canvas.DrawText(caption, text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}
