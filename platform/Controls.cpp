#include "platform/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "platform/portable/Exception.h"

// Implemented by the application object (Forms.cpp): shows an error that no
// handler caught. Declared here to keep exceptions out of the window system.
void HandleFrameworkException(const std::exception& e);

namespace {

constexpr const char* kCreateWindowFailed = "Error creating window";

struct TClassEntry {
    WNDPROC Original = nullptr;  // the system class's procedure, or nullptr
};
std::map<std::string, TClassEntry>& ClassTable() {
    static std::map<std::string, TClassEntry> table;
    return table;
}

}  // namespace

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

HINSTANCE FrameworkInstance() { return GetModuleHandleA(nullptr); }

namespace {

// Registers the class the params name, once; returns its name.
std::string RegisterWindowClass(const TCreateParams& params) {
    std::string name = params.SystemClassName.empty() ? params.WinClassName : "Rdz." + params.SystemClassName;
    auto& table = ClassTable();
    if (table.count(name)) return name;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    TClassEntry entry;
    if (!params.SystemClassName.empty()) {
        if (!GetClassInfoExA(nullptr, params.SystemClassName.c_str(), &wc))
            throw Exception(std::string(kCreateWindowFailed) + ": no window class " + params.SystemClassName);
        entry.Original = wc.lpfnWndProc;
        wc.cbSize = sizeof(wc);
        wc.style &= ~UINT(CS_GLOBALCLASS);
    } else {
        wc.style = params.ClassStyle;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = params.Background;
    }
    wc.lpfnWndProc = FrameworkWndProc;
    wc.hInstance = FrameworkInstance();
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception(std::string(kCreateWindowFailed) + ": cannot register " + name);
    table[name] = entry;
    return name;
}

WNDPROC OriginalProcOf(HWND wnd) {
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    auto it = ClassTable().find(name);
    return it == ClassTable().end() ? nullptr : it->second.Original;
}

unsigned ShiftFromKeys(WPARAM keys) {
    unsigned s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    return s;
}

}  // namespace

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!control && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        control = static_cast<TWinControl*>(cs->lpCreateParams);
        if (control) {
            SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
            control->FHandle.Reset(wnd);  // owned from its first message on
            control->FDefWndProc = OriginalProcOf(wnd);
        }
    }
    if (!control) {
        WNDPROC original = OriginalProcOf(wnd);
        return original ? CallWindowProcA(original, wnd, msg, wParam, lParam) : DefWindowProcA(wnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = control->Dispatch(msg, wParam, lParam);
    } catch (const std::exception& e) {
        HandleFrameworkException(e);
    }
    if (msg == WM_NCDESTROY) {
        // The window is gone: the object lets go of it without destroying it again.
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        (void)control->FHandle.Release();
        control->FTrackingLeave = false;
    }
    return result;
}

// ---- TControl -----------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this] {
        if (!FFontFromParent) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParentComponent(TComponent* value) {
    auto* parent = dynamic_cast<TWinControl*>(value);
    if (value && !parent) throw Exception(value->GetName() + " cannot contain controls");
    SetParent(parent);
}

void TControl::SetParent(TWinControl* value) {
    if (value == FParent) return;
    if (value == this) throw Exception("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    FParent = value;
    if (FParent) {
        FParent->InsertControl(this);
        if (FParentFont) ParentFontChanged();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged();
    if (FAlign != TAlign::alNone && FParent && !FParent->FAligning) FParent->Realign();
}

void TControl::SetAlign(TAlign value) {
    if (value == FAlign) return;
    FAlign = value;
    if (FParent) FParent->Realign();
}

void TControl::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    VisibleChanged();
}

bool TControl::IsShowing() const {
    for (const TControl* c = this; c; c = c->FParent) {
        if (!c->FVisible) return false;
    }
    return true;
}

void TControl::VisibleChanged() {
    if (FParent) FParent->Invalidate();
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    EnabledChanged();
}

void TControl::SetParentFont(bool value) {
    FParentFont = value;
    if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FFontFromParent = true;
    FFont->Assign(FParent->Font());
    FFontFromParent = false;
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    ColorChanged();
}

void TControl::SetText(const std::string& value) {
    if (value == FText) return;
    FText = value;
    TextChanged();
}

void TControl::Invalidate() {}
void TControl::Update() {}

TPoint TControl::ClientToScreen(TPoint p) const {
    if (!FParent) return p;
    return FParent->ClientToScreen(Point(p.X + FLeft, p.Y + FTop));
}

void TControl::Click() {
    if (FOnClick) FOnClick(this);
}
void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    if (FOnMouseDown) FOnMouseDown(this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, unsigned shift, int x, int y) {
    if (FOnMouseUp) FOnMouseUp(this, button, shift, x, y);
}
void TControl::MouseMove(unsigned shift, int x, int y) {
    if (FOnMouseMove) FOnMouseMove(this, shift, x, y);
}
void TControl::MouseEnter() {
    FMouseInside = true;
    if (FOnMouseEnter) FOnMouseEnter(this);
}
void TControl::MouseLeave() {
    FMouseInside = false;
    if (FOnMouseLeave) FOnMouseLeave(this);
}

// ---- TGraphicControl ------------------------------------------------------------

void TGraphicControl::Invalidate() {
    TWinControl* parent = GetParent();
    if (!parent || !parent->HandleAllocated()) return;
    TRect r = GetPaintRect();
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(parent->GetHandle(), &rc, TRUE);
}

void TGraphicControl::Update() {
    if (GetParent()) GetParent()->Update();
}

void TGraphicControl::BoundsChanged() {
    // Old and new area both need painting; the parent repaints the lot.
    if (GetParent()) GetParent()->Invalidate();
}

// ---- TWinControl ------------------------------------------------------------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Hooks outlive nothing: they are left detached.
    for (TWindowHook* h = FHooks; h; h = h->FNext) h->FControl = nullptr;
    FHooks = nullptr;
    // Children that another component owns lose their parent first.
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyHandle();
}

HWND TWinControl::GetHandle() {
    if (!FHandle) CreateWnd();
    return FHandle.Get();
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
    if (!wnd) return nullptr;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(wnd, GCLP_WNDPROC)) != FrameworkWndProc) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = FText;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    if (GetVisible()) params.Style |= WS_VISIBLE;
    if (!GetEnabled()) params.Style |= WS_DISABLED;
    if (FTabStop) params.Style |= WS_TABSTOP;
    if (GetParent()) {
        params.Style |= WS_CHILD;
        params.WndParent = GetParent()->GetHandle();
    }
}

void TWinControl::CreateWnd() {
    if (FCreating) return;
    if (GetParent()) {
        GetParent()->HandleNeeded();  // creates this control too, as its child
        if (FHandle) return;
    }
    FCreating = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FCreating};
    TCreateParams params;
    CreateParams(params);
    std::string className = RegisterWindowClass(params);
    HWND wnd = CreateWindowExA(params.ExStyle, className.c_str(), params.Caption.c_str(), params.Style, params.X,
                               params.Y, params.Width, params.Height, params.WndParent, nullptr, FrameworkInstance(),
                               this);
    if (!wnd) throw Exception(std::string(kCreateWindowFailed) + " " + GetName());
    InitializeWnd();
    for (TControl* c : FControls) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
    }
    ApplyTabOrder();
    Realign();
}

void TWinControl::InitializeWnd() {
    SendMessageA(FHandle.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().GetHandle()), FALSE);
}

void TWinControl::SaveWndState() {
    if (FHandle) FText = GetText();
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    // WM_DESTROY saves each window's state; WM_NCDESTROY lets go of it.
    HWND wnd = FHandle.Get();
    DestroyWindow(wnd);
    if (FHandle.Get() == wnd) (void)FHandle.Release();  // destroyed from another thread's view: forget it
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FTabList.push_back(w);
        if (FHandle) w->HandleNeeded();
    }
    if (control->GetAlign() != TAlign::alNone) Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        w->DestroyHandle();
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
    }
    if (FMouseControl == control) FMouseControl = nullptr;
    if (FCaptureControl == control) FCaptureControl = nullptr;
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    Invalidate();
}

TGraphicControl* TWinControl::GraphicControlAt(TPoint p) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        if (g && g->GetVisible() && g->GetEnabled() && PtInRect(g->GetBoundsRect(), p)) return g;
    }
    return nullptr;
}

int TWinControl::GetTabOrder() const {
    if (!GetParent()) return -1;
    const auto& list = GetParent()->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (!GetParent()) return;
    auto& list = GetParent()->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp(value, 0, int(list.size()));
    list.insert(list.begin() + value, this);
    GetParent()->ApplyTabOrder();
}

void TWinControl::SetTabStop(bool value) {
    FTabStop = value;
    if (FHandle) {
        LONG_PTR style = GetWindowLongPtrA(FHandle.Get(), GWL_STYLE);
        style = value ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP));
        SetWindowLongPtrA(FHandle.Get(), GWL_STYLE, style);
    }
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const { return FTabList; }

void TWinControl::ApplyTabOrder() {
    // Dialog navigation follows the window order, so the windows are put in
    // tab order.
    HWND after = HWND_TOP;
    for (TWinControl* w : FTabList) {
        if (!w->FHandle) continue;
        SetWindowPos(w->FHandle.Get(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = w->FHandle.Get();
    }
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    int oldWidth = FWidth, oldHeight = FHeight;
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FWidth != oldWidth || FHeight != oldHeight) Realign();
}

void TWinControl::BoundsChanged() {
    if (FHandle) MoveWindow(FHandle.Get(), FLeft, FTop, FWidth, FHeight, TRUE);
}

TRect TWinControl::GetClientRect() const {
    if (FHandle) {
        RECT rc{};
        ::GetClientRect(FHandle.Get(), &rc);
        return Rect(rc.left, rc.top, rc.right, rc.bottom);
    }
    return TControl::GetClientRect();
}

void TWinControl::Realign() {
    if (FAligning) return;
    FAligning = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FAligning};
    TRect area = GetClientRect();
    for (TControl* c : FControls) {
        if (!c->GetVisible()) continue;
        int w = c->FWidth, h = c->FHeight;
        switch (c->FAlign) {
            case TAlign::alNone: continue;
            case TAlign::alTop:
                c->SetBounds(area.Left, area.Top, area.Width(), h);
                area.Top += h;
                break;
            case TAlign::alBottom:
                c->SetBounds(area.Left, area.Bottom - h, area.Width(), h);
                area.Bottom -= h;
                break;
            case TAlign::alLeft:
                c->SetBounds(area.Left, area.Top, w, area.Height());
                area.Left += w;
                break;
            case TAlign::alRight:
                c->SetBounds(area.Right - w, area.Top, w, area.Height());
                area.Right -= w;
                break;
            case TAlign::alClient:
                c->SetBounds(area.Left, area.Top, area.Width(), area.Height());
                break;
        }
    }
}

std::string TWinControl::GetText() const {
    if (!FHandle) return FText;
    int length = GetWindowTextLengthA(FHandle.Get());
    std::string text(std::size_t(std::max(length, 0)) + 1, '\0');
    int got = GetWindowTextA(FHandle.Get(), text.data(), int(text.size()));
    text.resize(std::size_t(std::max(got, 0)));
    return text;
}

void TWinControl::SetText(const std::string& value) {
    FText = value;
    if (FHandle) SetWindowTextA(FHandle.Get(), value.c_str());
    TextChanged();
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle.Get(), nullptr, TRUE);
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle.Get());
}

TPoint TWinControl::ClientToScreen(TPoint p) const {
    if (!FHandle) return TControl::ClientToScreen(p);
    POINT pt{p.X, p.Y};
    ::ClientToScreen(FHandle.Get(), &pt);
    return Point(pt.x, pt.y);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle.Get(); }

void TWinControl::SetFocus() { ::SetFocus(GetHandle()); }

void TWinControl::FontChanged() {
    if (FHandle) {
        SendMessageA(FHandle.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().GetHandle()), TRUE);
    }
    for (TControl* c : FControls) c->ParentFontChanged();
    Invalidate();
}

void TWinControl::VisibleChanged() {
    if (FHandle) ShowWindow(FHandle.Get(), GetVisible() ? SW_SHOWNA : SW_HIDE);
    if (GetAlign() != TAlign::alNone && GetParent()) GetParent()->Realign();
}

void TWinControl::EnabledChanged() {
    if (FHandle) EnableWindow(FHandle.Get(), GetEnabled() ? TRUE : FALSE);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return Dispatch(msg, wParam, lParam); }

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    return FHooks ? FHooks->HookWndProc(msg, wParam, lParam) : WndProc(msg, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = FHandle.Get();
    if (!wnd) return 0;
    return FDefWndProc ? CallWindowProcA(FDefWndProc, wnd, msg, wParam, lParam) : DefWindowProcA(wnd, msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            if (OnPaint()) return 0;
            break;
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
            break;
        case WM_COMMAND:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                child->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SIZE: {
            LRESULT r = DefaultHandler(msg, wParam, lParam);
            OnSize();
            return r;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MOUSELEAVE:
            return OnMouse(msg, wParam, lParam);
        case WM_DESTROY:
            SaveWndState();
            break;
        default:
            break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

bool TWinControl::OnPaint() {
    if (!FHandle) return false;
    bool hasGraphic = std::any_of(FControls.begin(), FControls.end(),
                                  [](TControl* c) { return dynamic_cast<TGraphicControl*>(c) != nullptr; });
    if (!hasGraphic) return false;
    // The class paints itself first, then the graphic children on top.
    DefaultHandler(WM_PAINT, 0, 0);
    TWindowDc dc(FHandle.Get());
    TCanvas canvas(dc.Get());
    PaintControls(canvas);
    return true;
}

bool TWinControl::OnEraseBackground(HDC) { return false; }

void TWinControl::PaintControls(TCanvas& canvas) {
    HDC dc = canvas.GetHandle();
    if (!dc) return;
    RECT clip{};
    GetClipBox(dc, &clip);
    for (TControl* c : FControls) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->GetVisible() || g->GetWidth() <= 0 || g->GetHeight() <= 0) continue;
        TRect area = g->GetPaintRect();
        RECT bounds{area.Left, area.Top, area.Right, area.Bottom}, both{};
        if (!IntersectRect(&both, &bounds, &clip)) continue;
        TSaveDc save(dc);
        OffsetViewportOrgEx(dc, g->FLeft, g->FTop, nullptr);
        IntersectClipRect(dc, area.Left - g->FLeft, area.Top - g->FTop, area.Right - g->FLeft, area.Bottom - g->FTop);
        TCanvas childCanvas(dc);  // its own objects, put back before RestoreDC
        childCanvas.Font().Assign(g->Font());
        childCanvas.Brush().SetColor(g->GetColor());
        g->Paint(childCanvas);
    }
}

void TWinControl::UpdateMouseControl(TPoint p) {
    TGraphicControl* now = FMouseInside ? GraphicControlAt(p) : nullptr;
    if (now == FMouseControl) return;
    TGraphicControl* old = FMouseControl;
    FMouseControl = now;
    if (old) old->MouseLeave();
    if (now) now->MouseEnter();
}

LRESULT TWinControl::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    TPoint p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    unsigned shift = ShiftFromKeys(wParam);
    if (msg == WM_MOUSELEAVE) {
        FTrackingLeave = false;
        FMouseInside = false;
        UpdateMouseControl(p);
        TControl::MouseLeave();
        return DefaultHandler(msg, wParam, lParam);
    }
    if (!FMouseInside) {
        TControl::MouseEnter();
    }
    if (!FTrackingLeave && FHandle) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, FHandle.Get(), 0};
        FTrackingLeave = TrackMouseEvent(&tme) != FALSE;
    }
    UpdateMouseControl(p);
    TGraphicControl* target = FCaptureControl ? FCaptureControl : FMouseControl;
    auto local = [&](TControl* c) { return Point(p.X - c->FLeft, p.Y - c->FTop); };
    TMouseButton button = TMouseButton::mbLeft;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP) button = TMouseButton::mbRight;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) button = TMouseButton::mbMiddle;
    switch (msg) {
        case WM_MOUSEMOVE:
            if (target) {
                TPoint l = local(target);
                target->MouseMove(shift, l.X, l.Y);
            } else {
                MouseMove(shift, p.X, p.Y);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (target) {
                if (msg != WM_RBUTTONDOWN && msg != WM_MBUTTONDOWN) {
                    FCaptureControl = target;
                    target->FMouseDown = true;
                    SetCapture(FHandle.Get());
                }
                TPoint l = local(target);
                target->MouseDown(button, shift, l.X, l.Y);
            } else {
                MouseDown(button, shift, p.X, p.Y);
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (target) {
                TGraphicControl* g = target;
                bool click = msg == WM_LBUTTONUP && g->FMouseDown && PtInRect(g->GetBoundsRect(), p);
                if (msg == WM_LBUTTONUP) {
                    g->FMouseDown = false;
                    FCaptureControl = nullptr;
                    ReleaseCapture();
                }
                TPoint l = local(g);
                g->MouseUp(button, shift, l.X, l.Y);
                if (click) g->Click();
            } else {
                MouseUp(button, shift, p.X, p.Y);
            }
            break;
        default:
            break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

// ---- TCustomControl ----------------------------------------------------------------

void TCustomControl::Paint(TCanvas& canvas) {
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(GetClientRect());
}

bool TCustomControl::OnPaint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(GetHandle(), &ps);
    {
        TCanvas canvas(dc);
        canvas.Font().Assign(Font());
        Paint(canvas);
    }
    {
        TCanvas canvas(dc);
        PaintControls(canvas);
    }
    EndPaint(GetHandle(), &ps);
    return true;
}

bool TCustomControl::OnEraseBackground(HDC) { return true; }  // Paint covers everything

// ---- TWindowHook ---------------------------------------------------------------------

TWindowHook::TWindowHook(TWinControl& control) : FControl(&control), FNext(control.FHooks) {
    control.FHooks = this;
}

TWindowHook::~TWindowHook() {
    if (!FControl) return;
    for (TWindowHook** link = &FControl->FHooks; *link; link = &(*link)->FNext) {
        if (*link == this) {
            *link = FNext;
            break;
        }
    }
}

LRESULT TWindowHook::HookWndProc(UINT msg, WPARAM wParam, LPARAM lParam) { return CallPrevious(msg, wParam, lParam); }

LRESULT TWindowHook::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!FControl) return 0;
    return FNext ? FNext->HookWndProc(msg, wParam, lParam) : FControl->WndProc(msg, wParam, lParam);
}
