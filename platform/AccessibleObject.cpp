// The one IAccessible of the framework's controls (see Accessible.h).
//
//  TAccessibleObject    IUnknown, IDispatch (no type information) and
//                       IAccessible over one window's control
//  AnswerGetObject      WM_GETOBJECT: LresultFromObject of a new object
//  the helpers          caption text, the label before a control, state
#include "platform/Accessible.h"

#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/OleAcc.h"

namespace {

// Returned for a window (or control) that is gone: the client's proxy
// says the same for a server that is gone.
constexpr HRESULT kDisconnected = RPC_E_DISCONNECTED;

BSTR ToBstr(const std::string& text) {
    if (text.empty()) return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, UINT(length));
    if (result) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), result, length);
    return result;
}

// S_OK with the text, S_FALSE and null for an empty one (what MSAA asks).
HRESULT GiveText(const std::string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = ToBstr(text);
    if (*out) return S_OK;
    return text.empty() ? S_FALSE : E_OUTOFMEMORY;
}

// Roles whose value is what they hold, even when that is empty.
bool HasValue(long role) {
    return role == ROLE_SYSTEM_TEXT || role == ROLE_SYSTEM_COMBOBOX || role == ROLE_SYSTEM_PROGRESSBAR ||
           role == ROLE_SYSTEM_SCROLLBAR;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

void SetI4(VARIANT* v, long value) {
    VariantInit(v);
    v->vt = VT_I4;
    v->lVal = value;
}

// The visible child windows, first in z-order first: the object's children.
std::vector<HWND> ChildWindows(HWND wnd) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsWindowVisible(c)) children.push_back(c);
    }
    return children;
}

HRESULT WindowObject(HWND wnd, IDispatch** out) {
    const auto from = OleAcc().AccessibleObjectFromWindow;
    if (!from) return E_FAIL;
    return from(wnd, DWORD(OBJID_WINDOW), kIidDispatch, reinterpret_cast<void**>(out));
}

class TAccessibleObject final : public IAccessible {
public:
    explicit TAccessibleObject(HWND wnd) : FWnd(wnd) {}
    TAccessibleObject(const TAccessibleObject&) = delete;
    TAccessibleObject& operator=(const TAccessibleObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, kIidUnknown) || IsEqualIID(riid, kIidDispatch) || IsEqualIID(riid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --FRefs;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: clients of this object call it through its vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!Control()) return kDisconnected;
        return WindowObject(FWnd, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        if (!Control()) return kDisconnected;
        TAccessibleFacts facts;
        Control()->GetAccessibleFacts(facts);
        *count = LONG(facts.Items.empty() ? ChildWindows(FWnd).size() : facts.Items.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!Control()) return kDisconnected;
        if (child.vt != VT_I4) return E_INVALIDARG;
        TAccessibleFacts facts;
        Control()->GetAccessibleFacts(facts);
        if (!facts.Items.empty()) {
            // Items are simple elements: the client asks this object about them.
            return child.lVal >= 1 && std::size_t(child.lVal) <= facts.Items.size() ? S_FALSE : E_INVALIDARG;
        }
        const std::vector<HWND> children = ChildWindows(FWnd);
        if (child.lVal < 1 || std::size_t(child.lVal) > children.size()) return E_INVALIDARG;
        return WindowObject(children[std::size_t(child.lVal - 1)], out);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (const TAccessibleItem* item = ItemOf(child)) return GiveText(item->Name, name);
        return Text(child, name, [](const TAccessibleFacts& f) { return f.Name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!value) return E_POINTER;
        *value = nullptr;
        TAccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
        // An empty edit still has a value: the empty text.
        if (facts.Value.empty() && HasValue(facts.Role)) {
            *value = SysAllocString(L"");
            return *value ? S_OK : E_OUTOFMEMORY;
        }
        return GiveText(facts.Value, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Text(child, text, [](const TAccessibleFacts&) { return std::string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        if (const TAccessibleItem* item = ItemOf(child)) {
            SetI4(role, item->Role);
            return S_OK;
        }
        TAccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
        SetI4(role, facts.Role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        if (const TAccessibleItem* item = ItemOf(child)) {
            SetI4(state, item->State);
            return S_OK;
        }
        TAccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
        TWinControl* control = Control();
        SetI4(state, AccessibleStateOf(FWnd, facts, control->GetTabStop()));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Text(child, help, [](const TAccessibleFacts&) { return std::string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = -1;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Text(child, keys, [](const TAccessibleFacts&) { return std::string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        if (!Control()) return kDisconnected;
        const HWND focused = GetFocus();
        if (focused == FWnd) {
            SetI4(focus, CHILDID_SELF);
            return S_OK;
        }
        for (HWND child : ChildWindows(FWnd)) {
            if (focused && (focused == child || IsChild(child, focused))) {
                IDispatch* object = nullptr;
                if (SUCCEEDED(WindowObject(child, &object)) && object) {
                    focus->vt = VT_DISPATCH;
                    focus->pdispVal = object;
                    return S_OK;
                }
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VariantInit(selection);
        return Control() ? S_FALSE : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action, [](const TAccessibleFacts& f) { return f.DefaultAction; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        TWinControl* control = Control();
        if (!control) return kDisconnected;
        if (!IsSelf(child)) return E_INVALIDARG;
        if ((flags & SELFLAG_TAKEFOCUS) == 0) return DISP_E_MEMBERNOTFOUND;
        if (!control->GetTabStop() || !control->CanFocus()) return S_FALSE;
        control->SetFocus();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        if (!Control()) return kDisconnected;
        RECT r{};
        if (const TAccessibleItem* item = ItemOf(child)) {
            r = item->Bounds;
        } else if (IsSelf(child)) {
            GetWindowRect(FWnd, &r);  // screen coordinates
        } else {
            return E_INVALIDARG;
        }
        *left = r.left, *top = r.top, *width = r.right - r.left, *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
        // Neighbours are the window tree's: the window object navigates.
        if (end) VariantInit(end);
        return Control() ? S_FALSE : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VariantInit(hit);
        if (!Control()) return kDisconnected;
        RECT r{};
        GetWindowRect(FWnd, &r);
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return S_FALSE;
        SetI4(hit, CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        TAccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
        if (facts.DefaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        return Control()->DoAccessibleDefaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~TAccessibleObject() = default;

    // The item a child id names, looked up now (kept in FItem until the
    // next lookup); null for CHILDID_SELF, a window gone or an id out of range.
    const TAccessibleItem* ItemOf(const VARIANT& child) {
        TWinControl* control = Control();
        if (!control || child.vt != VT_I4 || child.lVal < 1) return nullptr;
        TAccessibleFacts facts;
        control->GetAccessibleFacts(facts);
        if (std::size_t(child.lVal) > facts.Items.size()) return nullptr;
        FItem = facts.Items[std::size_t(child.lVal - 1)];
        return &FItem;
    }

    // The control behind the window, found again at every call; null once
    // the window (or the framework's object) is gone.
    TWinControl* Control() const { return IsWindow(FWnd) ? TWinControl::FromHandle(FWnd) : nullptr; }

    HRESULT Facts(const VARIANT& child, TAccessibleFacts& facts) const {
        TWinControl* control = Control();
        if (!control) return kDisconnected;
        if (!IsSelf(child)) return E_INVALIDARG;
        control->GetAccessibleFacts(facts);
        return S_OK;
    }

    template <class Pick>
    HRESULT Text(const VARIANT& child, BSTR* out, Pick pick) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        TAccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
        return GiveText(pick(facts), out);
    }

    HWND FWnd;  // not owned
    TAccessibleItem FItem;  // the last item looked up (ItemOf)
    std::atomic<ULONG> FRefs{1};
};

// COM for the thread that answers: LresultFromObject marshals the object,
// which needs an apartment. A thread that has none gets a single-threaded
// one, kept until the thread ends.
class TThreadApartment {
public:
    TThreadApartment() {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        FOwned = hr == S_OK || hr == S_FALSE;  // S_FALSE: already there, counted once more
    }
    TThreadApartment(const TThreadApartment&) = delete;
    TThreadApartment& operator=(const TThreadApartment&) = delete;
    ~TThreadApartment() {
        if (FOwned) CoUninitialize();
    }

private:
    bool FOwned = false;
};

bool IsLabelText(const TControl& c) {
    return dynamic_cast<const TGraphicControl*>(&c) && c.GetVisible() && !c.GetText().empty();
}

}  // namespace

std::string AccessibleText(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') text += '&';
            ++i;
            if (i < caption.size() && caption[i] != '&') text += caption[i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

std::string LabelBefore(const TControl& control) {
    const TWinControl* parent = control.GetParent();
    if (!parent) return {};
    const TRect me = control.GetBoundsRect();
    const TControl* left = nullptr;  // nearest on the same line, to the left
    const TControl* above = nullptr;  // nearest above, overlapping horizontally
    for (int i = 0; i < parent->GetControlCount(); ++i) {
        const TControl* c = parent->GetControl(i);
        if (c == &control || !IsLabelText(*c)) continue;
        const TRect r = c->GetBoundsRect();
        const bool sameLine = r.Top < me.Bottom && me.Top < r.Bottom;
        const bool overlapsAcross = r.Left < me.Right && me.Left < r.Right;
        if (sameLine && r.Right <= me.Left) {
            if (!left || r.Right > left->GetBoundsRect().Right) left = c;
        } else if (overlapsAcross && r.Bottom <= me.Top) {
            if (!above || r.Bottom > above->GetBoundsRect().Bottom) above = c;
        }
    }
    const TControl* label = left ? left : above;
    return label ? AccessibleText(label->GetText()) : std::string();
}

long AccessibleStateOf(HWND wnd, const TAccessibleFacts& facts, bool focusable) {
    long state = facts.State;
    if (!IsWindowEnabled(wnd)) state |= STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(wnd)) state |= STATE_SYSTEM_INVISIBLE;
    if (focusable) state |= STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == wnd) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

LRESULT AnswerGetObject(TWinControl& control, WPARAM wParam, LPARAM lParam) {
    // The object id comes as a 32-bit LONG, sign-extended on 64-bit.
    if (LONG(lParam) != LONG(OBJID_CLIENT)) return 0;
    HWND wnd = control.WindowHandle();
    if (!wnd) return 0;
    TAccessibleFacts facts;
    control.GetAccessibleFacts(facts);
    if (facts.Role == 0) return 0;
    const auto lresultFromObject = OleAcc().LresultFromObject;
    if (!lresultFromObject) return 0;
    static thread_local TThreadApartment apartment;
    auto* object = new TAccessibleObject(wnd);
    const LRESULT result = lresultFromObject(kIidAccessible, wParam, object);
    object->Release();  // the marshalled reference (if any) keeps it alive
    // A failure is a negative HRESULT, sign-extended to the LRESULT.
    return result < 0 ? 0 : result;
}

void NotifyAccessibleEvent(HWND wnd, DWORD event) {
    if (wnd) NotifyWinEvent(event, wnd, OBJID_CLIENT, CHILDID_SELF);
}
