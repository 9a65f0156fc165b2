#include "platform/AccessibleWalk.h"

#include <string>
#include <utility>

#include "platform/OleAcc.h"

namespace {

std::string FromBstr(BSTR text) {
    if (!text) return {};
    const int wide = int(SysStringLen(text));
    const int length = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    std::string result(std::size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, result.data(), length, nullptr, nullptr);
    SysFreeString(text);
    return result;
}

// The role in the words of the system's English texts, written here for
// the roles of this program so that lines do not depend on the platform's
// translation (Wine's words differ for the two kinds of text); others as
// the platform words them.
std::string RoleText(long role) {
    switch (role) {
        case ROLE_SYSTEM_PUSHBUTTON: return "push button";
        case ROLE_SYSTEM_COMBOBOX: return "combo box";
        case ROLE_SYSTEM_TEXT: return "editable text";
        case ROLE_SYSTEM_STATICTEXT: return "static text";
        case ROLE_SYSTEM_PROGRESSBAR: return "progress bar";
        case ROLE_SYSTEM_GROUPING: return "grouping";
        case ROLE_SYSTEM_STATUSBAR: return "status bar";
        case ROLE_SYSTEM_SCROLLBAR: return "scroll bar";
        case ROLE_SYSTEM_LIST: return "list";
        case ROLE_SYSTEM_LISTITEM: return "list item";
        case ROLE_SYSTEM_CLIENT: return "client";
        default: break;
    }
    const auto getRoleText = OleAcc().GetRoleTextA;
    char text[128] = {};
    if (getRoleText && getRoleText(DWORD(role), text, sizeof(text)) > 0) return text;
    return "role " + std::to_string(role);
}

// Releases the interface at the end of the scope.
template <class T>
struct TComRef {
    T* P = nullptr;
    TComRef() = default;
    TComRef(const TComRef&) = delete;
    TComRef& operator=(const TComRef&) = delete;
    ~TComRef() {
        if (P) P->Release();
    }
};

}  // namespace

VARIANT AccessibleSelf() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}


std::string AccessibleStateNames(long state) {
    static const std::pair<long, const char*> kNames[] = {
        {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_FOCUSABLE, "focusable"},
        {STATE_SYSTEM_FOCUSED, "focused"},         {STATE_SYSTEM_PRESSED, "pressed"},
        {STATE_SYSTEM_CHECKED, "checked"},         {STATE_SYSTEM_READONLY, "read-only"},
        {STATE_SYSTEM_HOTTRACKED, "hot"},          {STATE_SYSTEM_EXPANDED, "expanded"},
        {STATE_SYSTEM_COLLAPSED, "collapsed"},     {STATE_SYSTEM_HASPOPUP, "has popup"},
        {STATE_SYSTEM_PROTECTED, "protected"},     {STATE_SYSTEM_INVISIBLE, "invisible"},
        {STATE_SYSTEM_SELECTED, "selected"},       {STATE_SYSTEM_SELECTABLE, "selectable"},
    };
    std::string text;
    for (const auto& [bit, name] : kNames) {
        if ((state & bit) == 0) continue;
        if (!text.empty()) text += ',';
        text += name;
    }
    return text;
}

std::string DescribeAccessible(IAccessible& object, POINT origin) {
    const VARIANT self = AccessibleSelf();
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    object.get_accRole(self, &role);
    object.get_accState(self, &state);
    BSTR name = nullptr, value = nullptr, action = nullptr;
    object.get_accName(self, &name);
    const HRESULT hasValue = object.get_accValue(self, &value);
    object.get_accDefaultAction(self, &action);
    LONG x = 0, y = 0, w = 0, h = 0;
    object.accLocation(&x, &y, &w, &h, self);

    std::string line = role.vt == VT_I4 ? RoleText(role.lVal) : std::string("(role?)");
    line += " \"" + FromBstr(name) + "\"";
    const std::string valueText = FromBstr(value);
    if (hasValue == S_OK) line += " value=\"" + valueText + "\"";
    if (state.vt == VT_I4) {
        const std::string names = AccessibleStateNames(state.lVal);
        if (!names.empty()) line += " state=" + names;
    }
    const std::string actionText = FromBstr(action);
    if (!actionText.empty()) line += " action=\"" + actionText + "\"";
    line += " at " + std::to_string(x - origin.x) + "," + std::to_string(y - origin.y) + " " + std::to_string(w) +
            "x" + std::to_string(h);
    VariantClear(&role);
    VariantClear(&state);
    return line;
}

std::string DescribeAccessibleWindow(HWND wnd, POINT origin) {
    const auto from = OleAcc().AccessibleObjectFromWindow;
    TComRef<IAccessible> object;
    if (!from || FAILED(from(wnd, DWORD(OBJID_CLIENT), kIidAccessible, reinterpret_cast<void**>(&object.P))) ||
        !object.P)
        return "(no object)";
    return DescribeAccessible(*object.P, origin);
}

namespace {

void WalkChildren(HWND parent, int depth, POINT origin, std::vector<std::string>& lines) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        lines.push_back(std::string(std::size_t(depth) * 2, ' ') + DescribeAccessibleWindow(c, origin));
        WalkChildren(c, depth + 1, origin, lines);
    }
}

}  // namespace

std::vector<std::string> WalkAccessibleWindows(HWND top) {
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    std::vector<std::string> lines;
    WalkChildren(top, 0, origin, lines);
    return lines;
}
