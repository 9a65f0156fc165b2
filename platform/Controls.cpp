// Sections:
//  FrameworkWndProc  the one window procedure, binding objects to windows
//  TControl          geometry, visibility, font, events; DrawParentImage;
//                    the paint guard (RunPaint, ReportPaintFailure)
//  TGraphicControl   invalidation through the parent
//  TWinControl       window creation, children, tab order, alignment, the
//                    message switch, painting of windowless children, mouse
//                    (hover, capture), timers, keyboard, walk and broadcast
//  TCustomControl    painting on a canvas, WM_PRINTCLIENT
//  TWindowHook       handlers in front of a window procedure
//  ReleaseLater      freeing components after their handlers returned
#include "platform/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "platform/Accessible.h"
#include "platform/Forms.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"

// Implemented by the application object (Forms.cpp): shows an error that no
// handler caught. Declared here to keep exceptions out of the window system.
void HandleFrameworkException(const std::exception& e);

namespace {

constexpr const char* kCreateWindowFailed = "Error creating window";

struct TClassEntry {
    WNDPROC Original = nullptr;  // the system class's procedure, or nullptr
};

// Framework window procedures running now, nested ones counted: a
// component asked to be freed waits until this is 0 (ReleaseLater).
int gHandlerDepth = 0;

// Child windows get ids of their own, so that WM_MEASUREITEM, which names
// its control only by id, can be relayed. Ids below 0x100 are left to the
// dialog manager's (IDOK, IDCANCEL, ...).
UINT_PTR NextChildId() {
    static UINT_PTR next = 0xFF;
    next = next >= 0xFFFF ? 0x100 : next + 1;
    return next;
}

void PostPendingReleases();
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

TRect Intersection(const TRect& a, const TRect& b) {
    return Rect(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                std::min(a.Bottom, b.Bottom));
}

bool Overlap(const TRect& a, const TRect& b) { return !Intersection(a, b).IsEmpty(); }

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
    ++gHandlerDepth;
    try {
        result = control->Dispatch(msg, wParam, lParam);
    } catch (const std::exception& e) {
        HandleFrameworkException(e);
    }
    if (msg == WM_NCDESTROY) {
        // The window is gone: the object lets go of it without destroying it
        // again, and of its timers, which went with it.
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        (void)control->FHandle.Release();
        control->FTimers.clear();
        control->FTrackingLeave = false;
        control->FMousePressed = false;
    }
    if (--gHandlerDepth == 0) PostPendingReleases();
    return result;
}

unsigned KeyShiftState() {
    unsigned s = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000) s |= ssShift;
    if (GetKeyState(VK_CONTROL) & 0x8000) s |= ssCtrl;
    if (GetKeyState(VK_MENU) & 0x8000) s |= ssAlt;
    return s;
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
    // Disabled, the control hears no mouse: its hover ends before the class
    // takes the change (a button then drops all its states). Enabled again,
    // the hover starts once the class has taken it if the pointer rests on
    // the control: no move would tell.
    if (!value) SettleHover();
    EnabledChanged();
    if (value) SettleHover();
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

bool TControl::IsEnabledInParents() const {
    for (const TControl* c = this; c; c = c->FParent) {
        if (!c->FEnabled) return false;
    }
    return true;
}

LRESULT TControl::Perform(UINT, WPARAM, LPARAM) { return 0; }

std::exception_ptr TControl::RunPaint(const std::function<void()>& paint, const std::function<void()>& plain) {
    std::exception_ptr failure;
    if (!FPaintFailed) {
        try {
            paint();
            return nullptr;
        } catch (const std::exception&) {
            failure = std::current_exception();
            FPaintFailed = true;
        }
    }
    try {
        plain();
    } catch (const std::exception&) {
        // Reported once already (or now): a plain paint that raises too
        // leaves the area as the failed paint left it.
    }
    return failure;
}

void ReportPaintFailure(const std::exception_ptr& failure) {
    if (!failure) return;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        HandleFrameworkException(e);
    }
}

bool TControl::DialogKey(WORD, unsigned) { return false; }
bool TControl::DialogChar(char) { return false; }

void TControl::DrawParentImage(HDC dc) const {
    TWinControl* parent = FParent;
    if (!parent || !dc) return;
    const TRect bounds = GetBoundsRect();
    {
        // The parent's background and face, in its client coordinates.
        TSaveDc save(dc);
        OffsetViewportOrgEx(dc, -bounds.Left, -bounds.Top, nullptr);
        const TRect client = parent->GetClientRect();
        IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
        // Through the window, so that a hook on the parent (a skinned form's
        // frame) paints its background.
        if (HWND wnd = parent->WindowHandle()) {
            SendMessageA(wnd, WM_ERASEBKGND, WPARAM(dc), 0);
        } else {
            parent->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
        }
        parent->PaintFace(dc);
    }
    for (TControl* sibling : parent->FControls) {
        if (sibling == this) break;  // the rest lie above this control
        if (!sibling->FVisible || sibling->FWidth <= 0 || sibling->FHeight <= 0) continue;
        if (auto* g = dynamic_cast<TGraphicControl*>(sibling)) {
            const TRect area = g->GetPaintRect();
            if (!Overlap(area, bounds)) continue;
            TSaveDc save(dc);
            OffsetViewportOrgEx(dc, g->FLeft - bounds.Left, g->FTop - bounds.Top, nullptr);
            IntersectClipRect(dc, area.Left - g->FLeft, area.Top - g->FTop, area.Right - g->FLeft,
                              area.Bottom - g->FTop);
            TCanvas canvas(dc);  // its own objects, put back before RestoreDC
            canvas.Font().Assign(g->Font());
            canvas.Brush().SetColor(g->GetColor());
            ReportPaintFailure(g->PaintGuarded(canvas));
            continue;
        }
        auto* w = dynamic_cast<TWinControl*>(sibling);
        HWND wnd = w ? w->WindowHandle() : nullptr;
        if (!wnd || !Overlap(w->GetBoundsRect(), bounds)) continue;
        // The client area sits inside the window's frame, if any.
        POINT origin{0, 0};
        MapWindowPoints(wnd, parent->WindowHandle(), &origin, 1);
        RECT client{};
        ::GetClientRect(wnd, &client);
        TSaveDc save(dc);
        OffsetViewportOrgEx(dc, origin.x - bounds.Left, origin.y - bounds.Top, nullptr);
        IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        SendMessageA(wnd, WM_ERASEBKGND, WPARAM(dc), 0);
        SendMessageA(wnd, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    }
}

void TControl::Click() {
    if (FOnClick) FOnClick(this);
}
void TControl::DblClick() {
    if (FOnDblClick) FOnDblClick(this);
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

std::exception_ptr TGraphicControl::PaintGuarded(TCanvas& canvas) {
    return RunPaint([&] { Paint(canvas); }, [&] { PaintPlain(canvas); });
}

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
    HMENU childId = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(NextChildId()) : nullptr;
    HWND wnd = CreateWindowExA(params.ExStyle, className.c_str(), params.Caption.c_str(), params.Style, params.X,
                               params.Y, params.Width, params.Height, params.WndParent, childId, FrameworkInstance(),
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
    AdjustClientRect(area);
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
    // Only a different text is a change: no repaint, no change notification.
    if (value == GetText()) return;
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

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->GetParent()) {
        if (!c->GetVisible() || !c->GetEnabled()) return false;
    }
    return true;
}

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
    if (!FHandle) return;
    HWND wnd = FHandle.Get();
    TForm* form = GetParentForm(this);
    if (form == this) form = nullptr;
    // The system drops the focus of a window it disables, leaving keys to
    // nobody; the form keeps them instead (see TForm::ControlDisabling).
    if (!GetEnabled() && form) {
        HWND focus = GetFocus();
        if (focus && (focus == wnd || IsChild(wnd, focus))) form->ControlDisabling(focus);
    }
    EnableWindow(wnd, GetEnabled() ? TRUE : FALSE);
    NotifyAccessibleEvent(wnd, EVENT_OBJECT_STATECHANGE);
    if (GetEnabled() && form) form->ControlEnabled(wnd);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return Dispatch(msg, wParam, lParam); }

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    return FHooks ? FHooks->HookWndProc(msg, wParam, lParam) : WndProc(msg, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = FHandle.Get();
    if (!wnd) return 0;
    // The system's own numbers mean other things to native controls (1226
    // would set a rich edit's typography options): they stop here.
    if (FDefWndProc && AppMessageName(msg)) return 0;
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
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU) break;
            if (TWinControl* child = FromHandle(item->hwndItem)) {
                if (child->OnDrawItem(*item)) return TRUE;
            }
            break;
        }
        case WM_MEASUREITEM: {
            // Sent while the child's window is being made: found by its id.
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU || !FHandle) break;
            if (TWinControl* child = FromHandle(GetDlgItem(FHandle.Get(), int(item->CtlID)))) {
                if (child->OnMeasureItem(*item)) return TRUE;
            }
            break;
        }
        case WM_VSCROLL:
        case WM_HSCROLL: {
            const bool vertical = msg == WM_VSCROLL;
            const WORD code = LOWORD(wParam);
            const int position = short(HIWORD(wParam));
            if (lParam) {
                TWinControl* bar = FromHandle(reinterpret_cast<HWND>(lParam));
                if (bar && bar != this) {
                    if (bar->OnScroll(vertical, code, position)) return 0;
                    break;
                }
            }
            if (OnScroll(vertical, code, position)) return 0;
            break;
        }
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
            if (OnTimer(wParam)) return 0;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            unsigned shift = KeyShiftState() | ((lParam & (1 << 29)) ? ssAlt : 0u);
            if (OnKeyDown(WORD(wParam), shift)) return 0;
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            unsigned shift = KeyShiftState() | ((lParam & (1 << 29)) ? ssAlt : 0u);
            if (OnKeyUp(WORD(wParam), shift)) return 0;
            break;
        }
        case WM_CHAR:
            if (OnChar(char(wParam))) return 0;
            break;
        case WM_SETFOCUS: {
            LRESULT r = DefaultHandler(msg, wParam, lParam);
            OnSetFocus(reinterpret_cast<HWND>(wParam));
            TWinControl* top = this;
            while (top->GetParent()) top = top->GetParent();
            top->ForEachControl([this](TControl& c) { c.FocusChanged(this); });
            return r;
        }
        case WM_KILLFOCUS: {
            LRESULT r = DefaultHandler(msg, wParam, lParam);
            OnKillFocus(reinterpret_cast<HWND>(wParam));
            return r;
        }
        case WM_MOUSEWHEEL:
            if (OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), ShiftFromKeys(GET_KEYSTATE_WPARAM(wParam)),
                             Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
                return 0;
            break;
        case WM_GETDLGCODE:
            return OnGetDlgCode(wParam, reinterpret_cast<MSG*>(lParam));
        case WM_GETOBJECT:
            if (LRESULT r = AnswerGetObject(*this, wParam, lParam)) return r;
            break;
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            break;
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
    std::exception_ptr failure;
    {
        TWindowDc dc(FHandle.Get());
        TCanvas canvas(dc.Get());
        failure = PaintControls(canvas);
    }
    ReportPaintFailure(failure);
    return true;
}

bool TWinControl::OnEraseBackground(HDC) { return false; }

std::exception_ptr TWinControl::PaintControls(TCanvas& canvas) {
    HDC dc = canvas.GetHandle();
    if (!dc) return nullptr;
    std::exception_ptr first;
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
        std::exception_ptr failure = g->PaintGuarded(childCanvas);
        if (failure && !first) first = failure;
    }
    return first;
}

void TWinControl::SetMouseControl(TGraphicControl* control) {
    if (control == FMouseControl) return;
    TGraphicControl* old = FMouseControl;
    FMouseControl = control;
    if (old) old->MouseLeave();
    if (control) control->MouseEnter();
}

void TWinControl::UpdateMouseControl(TPoint p) { SetMouseControl(FMouseInside ? GraphicControlAt(p) : nullptr); }

void TWinControl::TrackMouseLeave() {
    if (FTrackingLeave || !FHandle) return;
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, FHandle.Get(), 0};
    FTrackingLeave = TrackMouseEvent(&tme) != FALSE;
}

void TWinControl::CheckMouseLeave() {
    if (!FMouseInside) return;
    HWND wnd = FHandle.Get();
    HWND under = WindowUnderCursor();
    // Over a window inside this one (an edit in a panel) still counts as over.
    if (wnd && under && (under == wnd || IsChild(wnd, under))) return;
    SetMouseControl(nullptr);
    MouseLeave();
    // The pointer may have left the parent through this window.
    if (TWinControl* parent = GetParent()) parent->CheckMouseLeave();
}

void TWinControl::SettleHover() {
    HWND wnd = FHandle.Get();
    if (!wnd) return;
    if (!GetEnabled()) {
        if (FTrackingLeave) {
            // Asked again afresh when the control is enabled.
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_CANCEL, wnd, 0};
            TrackMouseEvent(&tme);
            FTrackingLeave = false;
        }
        SetMouseControl(nullptr);
        if (FMouseInside) MouseLeave();
        return;
    }
    if (FMouseInside || !IsWindowVisible(wnd)) return;
    HWND under = WindowUnderCursor();
    if (!under || (under != wnd && !IsChild(wnd, under))) return;
    MouseEnter();
    TrackMouseLeave();
}

void TWinControl::OnCaptureChanged(HWND newCapture) {
    if (FHandle && newCapture == FHandle.Get()) return;
    if (FCaptureControl) {
        // A windowless child's press ends without a click.
        FCaptureControl->FMouseDown = false;
        FCaptureControl = nullptr;
    }
    if (!FMousePressed) return;
    FMousePressed = false;
    CaptureLost();
    // No more moves will tell: the pointer's place settles the hover.
    CheckMouseLeave();
}

LRESULT TWinControl::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    TPoint p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    unsigned shift = ShiftFromKeys(wParam);
    if (msg == WM_MOUSELEAVE) {
        FTrackingLeave = false;
        // While a press holds the capture, the moves' positions decide.
        if (!FMousePressed) {
            SetMouseControl(nullptr);
            CheckMouseLeave();
        }
        return DefaultHandler(msg, wParam, lParam);
    }
    if (FMousePressed) {
        // Captured: moves arrive from anywhere; inside is where they are.
        bool inside = PtInRect(GetClientRect(), p);
        if (inside && !FMouseInside) MouseEnter();
        if (!inside && FMouseInside) MouseLeave();
    } else {
        if (!FMouseInside) MouseEnter();
        TrackMouseLeave();
    }
    UpdateMouseControl(p);
    TGraphicControl* target = FCaptureControl ? FCaptureControl : FMouseControl;
    auto local = [&](TControl* c) { return Point(p.X - c->FLeft, p.Y - c->FTop); };
    TMouseButton button = TMouseButton::mbLeft;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP) button = TMouseButton::mbRight;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) button = TMouseButton::mbMiddle;
    const bool leftPress = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
    if (msg == WM_LBUTTONDBLCLK) shift |= ssDouble;
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
                if (leftPress) {
                    FCaptureControl = target;
                    target->FMouseDown = true;
                    SetCapture(FHandle.Get());
                }
                TPoint l = local(target);
                target->MouseDown(button, shift, l.X, l.Y);
                if (msg == WM_LBUTTONDBLCLK) target->DblClick();
            } else {
                if (leftPress && FCaptureMouseOnPress && FHandle) {
                    FMousePressed = true;  // first: the capture change it causes is no loss
                    SetCapture(FHandle.Get());
                }
                MouseDown(button, shift, p.X, p.Y);
                if (msg == WM_LBUTTONDBLCLK) DblClick();
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
                if (msg == WM_LBUTTONUP && FMousePressed) {
                    FMousePressed = false;  // first: releasing the capture is no loss
                    ReleaseCapture();
                    if (FMouseInside) TrackMouseLeave();
                }
                MouseUp(button, shift, p.X, p.Y);
            }
            break;
        default:
            break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

bool TWinControl::OnTimer(UINT_PTR id) { return TimerRunning(id); }

void TWinControl::StartTimer(UINT_PTR id, UINT interval) {
    HWND wnd = GetHandle();
    FTimers.erase(id);  // killed first, so that the old owner cannot kill the new timer
    TTimerId timer(wnd, id, interval);
    if (timer) FTimers.emplace(id, std::move(timer));
}

void TWinControl::StopTimer(UINT_PTR id) { FTimers.erase(id); }

bool TWinControl::OnScroll(bool, WORD, int) { return false; }

bool TWinControl::OnKeyDown(WORD key, unsigned shift) {
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::OnKeyUp(WORD key, unsigned shift) {
    KeyUp(key, shift);
    return key == 0;
}

bool TWinControl::OnChar(char ch) {
    KeyPress(ch);
    return ch == 0;
}

void TWinControl::OnSetFocus(HWND) { DoEnter(); }
void TWinControl::OnKillFocus(HWND) { DoExit(); }

bool TWinControl::OnMouseWheel(int delta, unsigned shift, TPoint screenPos) {
    bool handled = false;
    if (FOnMouseWheel) FOnMouseWheel(this, shift, delta, screenPos, handled);
    return handled;
}

LRESULT TWinControl::OnGetDlgCode(WPARAM key, MSG* msg) {
    return DefaultHandler(WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg));
}

void TWinControl::KeyDown(WORD& key, unsigned shift) {
    if (FOnKeyDown) FOnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(WORD& key, unsigned shift) {
    if (FOnKeyUp) FOnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(char& key) {
    if (FOnKeyPress) FOnKeyPress(this, key);
}
void TWinControl::DoEnter() {
    if (FOnEnter) FOnEnter(this);
}
void TWinControl::DoExit() {
    if (FOnExit) FOnExit(this);
}

bool TWinControl::Contains(const TControl* control) const {
    return std::find(FControls.begin(), FControls.end(), control) != FControls.end();
}

bool TWinControl::WalkControls(const std::function<bool(TControl&)>& visit) {
    const std::vector<TControl*> children = FControls;  // the visits may add or remove controls
    for (TControl* c : children) {
        if (!Contains(c)) continue;
        if (visit(*c)) return true;
        if (!Contains(c)) continue;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && w->WalkControls(visit)) return true;
    }
    return false;
}

void TWinControl::ForEachControl(const std::function<void(TControl&)>& visit) {
    WalkControls([&](TControl& c) {
        visit(c);
        return false;
    });
}

TControl* TWinControl::FindControl(const std::function<bool(TControl&)>& pred) {
    TControl* found = nullptr;
    WalkControls([&](TControl& c) {
        if (pred(c)) found = &c;
        return found != nullptr;
    });
    return found;
}

void TWinControl::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
    const std::vector<TControl*> children = FControls;
    for (TControl* c : children) {
        if (!Contains(c)) continue;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && w->HandleAllocated()) {
            SendMessageA(w->WindowHandle(), msg, wParam, lParam);
        } else {
            c->Perform(msg, wParam, lParam);
        }
    }
}

// ---- TCustomControl ----------------------------------------------------------------

void TCustomControl::Paint(TCanvas& canvas) {
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(GetClientRect());
}

void TCustomControl::PaintPlain(TCanvas& canvas) { TCustomControl::Paint(canvas); }

std::exception_ptr TCustomControl::PaintGuarded(TCanvas& canvas) {
    return RunPaint([&] { Paint(canvas); },
                    [&] {
                        try {
                            PaintPlain(canvas);
                        } catch (const std::exception&) {
                            TCustomControl::PaintPlain(canvas);
                        }
                    });
}

void TCustomControl::PaintReporting(TCanvas& canvas) { ReportPaintFailure(PaintGuarded(canvas)); }

std::exception_ptr TCustomControl::PaintOn(HDC dc) {
    TSaveDc save(dc);
    TCanvas canvas(dc);
    canvas.Font().Assign(Font());
    return PaintGuarded(canvas);
}

bool TCustomControl::OnPaint() {
    std::exception_ptr failure, childFailure;
    {
        TPaintDc paint(GetHandle());
        failure = PaintOn(paint.Get());
        TCanvas canvas(paint.Get());
        childFailure = PaintControls(canvas);
    }
    // Each from a control of its own: the window's, a windowless child's.
    ReportPaintFailure(failure);
    ReportPaintFailure(childFailure);
    return true;
}

bool TCustomControl::OnEraseBackground(HDC) { return true; }  // Paint covers everything

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PRINTCLIENT) {
        OnPrintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

void TCustomControl::OnPrintClient(HDC dc) {
    if (!dc) return;
    const std::exception_ptr failure = PaintOn(dc);
    std::exception_ptr childFailure;
    {
        TCanvas canvas(dc);
        childFailure = PaintControls(canvas);
    }
    ReportPaintFailure(failure);
    ReportPaintFailure(childFailure);
}

void TCustomControl::PaintFace(HDC dc) {
    if (dc) ReportPaintFailure(PaintOn(dc));
}

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

// ---- ReleaseLater ---------------------------------------------------------------------

namespace {

// The components waiting to be freed. It asks to hear of their destruction,
// so that one freed meanwhile by its owner is forgotten, not freed again.
class TReleaseList : public TComponent {
public:
    TReleaseList() : TComponent(nullptr) {}

    void Add(TComponent* component) {
        if (std::find(FPending.begin(), FPending.end(), component) != FPending.end()) return;
        FPending.push_back(component);
        FreeNotification(component);
    }
    // The first waiting component, no longer watched; nullptr when none.
    TComponent* TakeFirst() {
        if (FPending.empty()) return nullptr;
        TComponent* first = FPending.front();
        FPending.erase(FPending.begin());
        RemoveFreeNotification(first);
        return first;
    }
    bool Empty() const { return FPending.empty(); }
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove)
            FPending.erase(std::remove(FPending.begin(), FPending.end(), component), FPending.end());
    }

    bool Posted = false;  // a WM_RELEASECOMPONENTS is on its way

private:
    std::vector<TComponent*> FPending;  // not owned until freed
};

TReleaseList& PendingReleases() {
    static TReleaseList list;
    return list;
}

void FreePendingReleases() {
    // One at a time: freeing one may free others of the list (the components
    // it owns), which then leave the list by their notification.
    while (TComponent* next = PendingReleases().TakeFirst()) delete next;
}

LRESULT CALLBACK ReleaseWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_RELEASECOMPONENTS) return DefWindowProcA(wnd, msg, wParam, lParam);
    PendingReleases().Posted = false;
    // Taken from a pump inside a handler: that handler's window may be one of
    // them. PostPendingReleases posts again once the handlers are done.
    if (gHandlerDepth == 0) FreePendingReleases();
    return 0;
}

// A message-only window whose only message is WM_RELEASECOMPONENTS.
HWND ReleaseWindow() {
    static TWindowHandle window = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ReleaseWndProc;
        wc.hInstance = FrameworkInstance();
        wc.lpszClassName = "RdzRelease";
        RegisterClassExA(&wc);
        return TWindowHandle(CreateWindowExA(0, "RdzRelease", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             FrameworkInstance(), nullptr));
    }();
    return window.Get();
}

void PostPendingReleases() {
    TReleaseList& list = PendingReleases();
    if (list.Empty() || list.Posted) return;
    list.Posted = PostMessageA(ReleaseWindow(), WM_RELEASECOMPONENTS, 0, 0) != FALSE;
}

}  // namespace

void ReleaseLater(TComponent* component) {
    if (!component || component->IsDestroying()) return;
    PendingReleases().Add(component);
    PostPendingReleases();
}
