#include "platform/Forms.h"

#include <algorithm>

#include "platform/FrameworkClasses.h"
#include "platform/Resources.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"

namespace {
constexpr const char* kNoLayout = "The program carries no window layout named ";

DWORD FormStyle(TFormBorderStyle border, unsigned icons, DWORD& exStyle);
}  // namespace

void HandleFrameworkException(const std::exception& e) { Application().HandleException(e); }

// ---- TForm --------------------------------------------------------------------

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
    Application().AddForm(this);
}

TForm::~TForm() {
    if (FOnDestroy) FOnDestroy(this);
    Application().RemoveForm(this);
    DestroyHandle();
}

namespace {
DWORD FormStyle(TFormBorderStyle border, unsigned icons, DWORD& exStyle) {
    DWORD style = WS_CLIPCHILDREN;
    exStyle = 0;
    switch (border) {
        case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
        case TFormBorderStyle::bsSingle: style |= WS_CAPTION | WS_BORDER; break;
        case TFormBorderStyle::bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
        case TFormBorderStyle::bsDialog:
            style |= WS_CAPTION | WS_DLGFRAME;
            exStyle |= WS_EX_DLGMODALFRAME;
            break;
    }
    if (border != TFormBorderStyle::bsNone && (icons & biSystemMenu)) {
        style |= WS_SYSMENU;
        if (border != TFormBorderStyle::bsDialog) {
            if (icons & biMinimize) style |= WS_MINIMIZEBOX;
            if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}
}  // namespace

SIZE TForm::FrameSize() const {
    DWORD ex = 0;
    DWORD style = FormStyle(FBorderStyle, FBorderIcons, ex);
    RECT rc{0, 0, FClientWidth, FClientHeight};
    AdjustWindowRectEx(&rc, style, FALSE, ex);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void TForm::ApplyClientSize() {
    if (FClientWidth < 0 || FClientHeight < 0) return;
    SIZE s = FrameSize();
    SetBounds(FLeft, FTop, s.cx, s.cy);
    if (!HandleAllocated()) return;
    // The system's frame may differ from the computed one: correct by the
    // difference actually found.
    RECT rc{};
    ::GetClientRect(GetHandle(), &rc);
    int dw = FClientWidth - (rc.right - rc.left), dh = FClientHeight - (rc.bottom - rc.top);
    if (dw || dh) SetBounds(FLeft, FTop, FWidth + dw, FHeight + dh);
}

void TForm::SetClientWidth(int value) {
    FClientWidth = value;
    if (FClientHeight < 0) FClientHeight = 0;
    ApplyClientSize();
}

void TForm::SetClientHeight(int value) {
    FClientHeight = value;
    if (FClientWidth < 0) FClientWidth = 0;
    ApplyClientSize();
}

TRect TForm::GetClientRect() const {
    if (HandleAllocated()) return TCustomControl::GetClientRect();
    if (FClientWidth >= 0 && FClientHeight >= 0) return Rect(0, 0, FClientWidth, FClientHeight);
    return TCustomControl::GetClientRect();
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    ApplyClientSize();
    RecreateWnd();
}

void TForm::SetBorderIcons(unsigned value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    ApplyClientSize();
    RecreateWnd();
}

void TForm::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WinClassName = "RdzForm";
    params.Style = FormStyle(FBorderStyle, FBorderIcons, params.ExStyle);
    if (!GetEnabled()) params.Style |= WS_DISABLED;
    params.WndParent = nullptr;
    if (FPosition == TPosition::poScreenCenter) {
        // Centred on the primary screen; halves truncate.
        FLeft = (GetSystemMetrics(SM_CXSCREEN) - FWidth) / 2;
        FTop = (GetSystemMetrics(SM_CYSCREEN) - FHeight) / 2;
    }
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
}

void TForm::CreateWnd() {
    TCustomControl::CreateWnd();
    ApplyClientSize();
    Realign();
}

void TForm::Show() {
    SetVisible(true);
    SetForegroundWindow(GetHandle());
}

void TForm::VisibleChanged() {
    if (GetVisible()) {
        HWND wnd = GetHandle();
        if (!FShownOnce && FPosition == TPosition::poScreenCenter) {
            // Centred on the size the window has now, whatever frame a hook
            // has given it since it was made; halves truncate.
            RECT rc{};
            GetWindowRect(wnd, &rc);
            const int w = rc.right - rc.left, h = rc.bottom - rc.top;
            SetBounds((GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h);
        }
        FShownOnce = true;
        ShowWindow(wnd, SW_SHOW);
    } else if (HandleAllocated()) {
        ShowWindow(GetHandle(), SW_HIDE);
    }
}

void TForm::TextChanged() {}

bool TForm::OnEraseBackground(HDC dc) {
    TCanvas canvas(dc);
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(GetClientRect());
    return true;
}

void TForm::Paint(TCanvas&) {}  // the background is painted on erase

void TForm::Close() {
    TCloseAction action = Application().GetMainForm() == this ? TCloseAction::caFree : TCloseAction::caHide;
    if (FOnClose) FOnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application().GetMainForm() == this) {
        // The loop ends and the program destroys the form afterwards, never
        // in the middle of a handler that pumped messages.
        Application().Terminate();
    } else if (action == TCloseAction::caFree) {
        Release();  // Close often runs inside a handler of the form itself
    } else {
        Hide();
    }
}

bool TForm::Reachable(const TControl& control) const {
    for (const TControl* c = &control; c && c != this; c = c->GetParent()) {
        if (!c->GetVisible() || !c->GetEnabled()) return false;
    }
    return true;
}

bool TForm::DialogKey(WORD key, unsigned shift) {
    // Enter has one owner: a focused control that takes Enter itself (a
    // button clicks itself) leaves no Enter for the default button.
    HWND focus = GetFocus();
    if (key == VK_RETURN && focus && HandleAllocated() && IsChild(GetHandle(), focus) &&
        (SendMessageA(focus, WM_GETDLGCODE, VK_RETURN, 0) & DLGC_WANTALLKEYS))
        return false;
    return FindControl([&](TControl& c) { return Reachable(c) && c.DialogKey(key, shift); }) != nullptr;
}

bool TForm::DialogChar(char ch) {
    return FindControl([&](TControl& c) { return Reachable(c) && c.DialogChar(ch); }) != nullptr;
}

bool TForm::HandleDialogMessage(MSG& msg) {
    if (!HandleAllocated() || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (OnShortCut && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        // Alt held is also in the message itself (bit 29 of a system key).
        unsigned shift = KeyShiftState();
        if (msg.message == WM_SYSKEYDOWN && (msg.lParam & (LPARAM(1) << 29))) shift |= ssAlt;
        bool handled = false;
        auto handler = OnShortCut;  // a copy: the handler may replace itself
        handler(WORD(msg.wParam), shift, handled);
        if (handled) return true;
    }
    if (msg.wParam == VK_TAB) return IsDialogMessageA(GetHandle(), &msg) != FALSE;
    const bool enterOrEscape = msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
    switch (msg.message) {
        case WM_KEYDOWN: {
            if (!enterOrEscape) return false;
            LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
            if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
            return DialogKey(WORD(msg.wParam), KeyShiftState());
        }
        case WM_CHAR: {
            // Enter and Escape were offered as keys already.
            if (enterOrEscape) return false;
            LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
            if (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
            return DialogChar(char(msg.wParam));
        }
        case WM_SYSCHAR:  // Alt+character: always an accelerator
            return DialogChar(char(msg.wParam));
        default:
            return false;
    }
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SKINCHANGEBEGIN:
        case WM_SKINLOADED:
            // Until a skinned frame takes them over, the manager's skin
            // messages go on to every control of the form, windowed or not,
            // whether or not its window exists yet.
            ForEachControl([&](TControl& control) { control.Perform(msg, wParam, lParam); });
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(GetHandle(), focus)) FFocusedControl = focus;
            }
            // Activation gives the form the focus, which hands it on below.
            return TCustomControl::WndProc(msg, wParam, lParam);
        case WM_SETFOCUS: {
            LRESULT r = TCustomControl::WndProc(msg, wParam, lParam);
            RestoreControlFocus();
            return r;
        }
        case WM_WINDOWPOSCHANGED: {
            LRESULT r = TCustomControl::WndProc(msg, wParam, lParam);
            RECT rc{};
            GetWindowRect(GetHandle(), &rc);
            FLeft = rc.left;
            FTop = rc.top;
            FWidth = rc.right - rc.left;
            FHeight = rc.bottom - rc.top;
            return r;
        }
        default:
            return TCustomControl::WndProc(msg, wParam, lParam);
    }
}

void TForm::RestoreControlFocus() {
    if (FParkingFocus || !HandleAllocated()) return;
    HWND form = GetHandle();
    HWND target = FFocusedControl;
    if (target && !(IsWindow(target) && IsChild(form, target))) target = FFocusedControl = nullptr;
    if (target) {
        // A parked control waits on the form until it is enabled again.
        if (!IsWindowEnabled(target) || !IsWindowVisible(target)) return;
    } else {
        target = GetNextDlgTabItem(form, nullptr, FALSE);
        if (!target || !IsChild(form, target)) return;
    }
    ::SetFocus(target);
}

void TForm::ControlDisabling(HWND focused) {
    if (!HandleAllocated() || !IsChild(GetHandle(), focused)) return;
    FFocusedControl = focused;
    FParkingFocus = true;
    ::SetFocus(GetHandle());
    FParkingFocus = false;
}

void TForm::ControlEnabled(HWND control) {
    if (!HandleAllocated() || !FFocusedControl || GetFocus() != GetHandle()) return;
    if (FFocusedControl == control || IsChild(control, FFocusedControl)) RestoreControlFocus();
}

void TForm::DoCreate() {
    if (FOnCreate) FOnCreate(this);
}

void TForm::ReadLayoutInto(const TLayoutNode& layout) {
    ReadLayout(*this, layout, FrameworkClasses());
    DoCreate();
}

void TForm::ReadLayoutResource(const std::string& resourceName) {
    std::optional<std::vector<std::uint8_t>> text = LoadRcData(resourceName);
    if (!text) throw Exception(kNoLayout + resourceName);
    TLayoutNode layout = ParseLayoutText(std::string(text->begin(), text->end()), LoadRcData);
    ReadLayoutInto(layout);
}

// ---- TApplication -----------------------------------------------------------------

TForm* GetParentForm(TControl* control) {
    TControl* top = control;
    while (top && top->GetParent()) top = top->GetParent();
    return dynamic_cast<TForm*>(top);
}

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() = default;

void TApplication::Initialize() {
    if (FInitialized) return;
    FInitialized = true;
    (void)FrameworkClasses();
}

void TApplication::Minimize() {
    if (FMinimized || !FMainForm || !FMainForm->HandleAllocated()) return;
    FMinimized = true;
    ShowWindow(FMainForm->WindowHandle(), SW_MINIMIZE);
    if (OnMinimize) OnMinimize();
}

void TApplication::Restore() {
    if (!FMinimized) return;
    if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->WindowHandle()))
        ShowWindow(FMainForm->WindowHandle(), SW_RESTORE);
    Restored();
}

void TApplication::Restored() {
    if (!FMinimized) return;
    FMinimized = false;
    if (OnRestore) OnRestore();
}

void TApplication::AddForm(TForm* form) {
    FForms.push_back(form);
    if (!FMainForm) FMainForm = form;
}

void TApplication::RemoveForm(TForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FMainForm == form) {
        FMainForm = nullptr;
        FMinimized = false;
    }
}

bool TApplication::HandleMessage() {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    if (OnMessage) {
        bool handled = false;
        // A copy: the filter may replace itself while it runs.
        auto filter = OnMessage;
        filter(msg, handled);
        if (handled) return true;
    }
    HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    for (TForm* form : FForms) {
        if (top && form->WindowHandle() == top && form->HandleDialogMessage(msg)) return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    while (!FTerminated && HandleMessage()) {
    }
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) {
        if (!HandleMessage()) WaitMessage();
    }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(e.what());
        return;
    }
    HWND owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->GetHandle() : nullptr;
    MessageBoxA(owner, e.what(), FTitle.c_str(), MB_OK | MB_ICONERROR);
}
