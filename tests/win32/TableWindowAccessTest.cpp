// The real table window read as a screen reader reads it: every control's
// accessible object before, during and after a round, the default actions,
// an object that outlives its window, and the WinEvents of a keyboard round.
#include "game/Unit1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/Accessible.h"
#include "platform/AccessibleWalk.h"
#include "platform/OleAcc.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// COM for the test's thread, as any client of the objects has it.
struct TComApartment {
    TComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~TComApartment() { CoUninitialize(); }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;
};

// The client object of a window, released at the end of the scope.
class TClientObject {
public:
    explicit TClientObject(HWND wnd) {
        const auto from = OleAcc().AccessibleObjectFromWindow;
        if (from) from(wnd, DWORD(OBJID_CLIENT), kIidAccessible, reinterpret_cast<void**>(&FObject));
    }
    ~TClientObject() {
        if (FObject) FObject->Release();
    }
    TClientObject(const TClientObject&) = delete;
    TClientObject& operator=(const TClientObject&) = delete;
    IAccessible* operator->() const { return FObject; }
    explicit operator bool() const { return FObject != nullptr; }

private:
    IAccessible* FObject = nullptr;
};

long StateOf(HWND wnd) {
    TClientObject object(wnd);
    VARIANT state;
    VariantInit(&state);
    if (!object || FAILED(object->get_accState(AccessibleSelf(), &state)) || state.vt != VT_I4) return -1;
    return state.lVal;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The table window's client objects, one line per window (AccessibleWalk.h),
// before a round, after its first progress step and after its decision.
// The focus is on the balance field throughout: the round is started by a
// click message, not from the keyboard.
const char* const kTreeBefore =
    "grouping \"Merhaba Oyuncu\" at 568,2 201x113\n"
    "  editable text \"Bakiyeniz:\" value=\"200\" state=focusable,focused,read-only at 631,31 82x21\n"
    "combo box \"Parayi Koyacaginiz Numara:\" value=\"0\" state=focusable,collapsed,has popup action=\"Open\" at 144,253 65x21\n"
    "combo box \"Miktar:\" value=\"5 VKS\" state=focusable,collapsed,has popup action=\"Open\" at 256,253 73x21\n"
    "push button \"Hadi Kizim\" state=focusable action=\"Press\" at 344,251 75x25\n"
    "status bar \"\" state=read-only at 0,285 775x21\n"
    "  static text \"Bekliyor\" state=read-only at 2,288 209x17\n"
    "editable text \"\" value=\"\" state=focusable,read-only at 640,128 81x89\n"
    "progress bar \"\" value=\"0%\" state=read-only at 583,222 178x19\n";
const char* const kTreeDuring =
    "grouping \"Merhaba Oyuncu\" at 568,2 201x113\n"
    "  editable text \"Bakiyeniz:\" value=\"195\" state=focusable,focused,read-only at 631,31 82x21\n"
    "combo box \"Parayi Koyacaginiz Numara:\" value=\"0\" state=focusable,collapsed,has popup action=\"Open\" at 144,253 65x21\n"
    "combo box \"Miktar:\" value=\"5 VKS\" state=focusable,collapsed,has popup action=\"Open\" at 256,253 73x21\n"
    "push button \"Hadi Kizim\" state=unavailable,focusable action=\"Press\" at 344,251 75x25\n"
    "status bar \"\" state=read-only at 0,285 775x21\n"
    "  static text \"Cekiliyor\" state=read-only at 2,288 209x17\n"
    "editable text \"\" value=\"\" state=focusable,read-only at 640,128 81x89\n"
    "progress bar \"\" value=\"4%\" state=read-only at 583,222 178x19\n";
const char* const kTreeAfter =
    "grouping \"Merhaba Oyuncu\" at 568,2 201x113\n"
    "  editable text \"Bakiyeniz:\" value=\"205\" state=focusable,focused,read-only at 631,31 82x21\n"
    "combo box \"Parayi Koyacaginiz Numara:\" value=\"0\" state=focusable,collapsed,has popup action=\"Open\" at 144,253 65x21\n"
    "combo box \"Miktar:\" value=\"5 VKS\" state=focusable,collapsed,has popup action=\"Open\" at 256,253 73x21\n"
    "push button \"Hadi Kizim\" state=focusable action=\"Press\" at 344,251 75x25\n"
    "status bar \"\" state=read-only at 0,285 775x21\n"
    "  static text \"Tebrikler Kazandiniz!\" state=read-only at 2,288 209x17\n"
    "editable text \"\" value=\"0\" state=focusable,read-only at 640,128 81x89\n"
    "progress bar \"\" value=\"100%\" state=read-only at 583,222 178x19\n";

class TableWindowAccess : public testing::Test {
protected:
    void SetUp() override {
        Application().Initialize();
        Application().ResetTerminated();
        Form = std::make_unique<TForm1>(nullptr);
        Form->Show();
        PumpFor(50);
        ASSERT_NE(OleAcc().AccessibleObjectFromWindow, nullptr) << "oleacc.dll did not load";
    }
    void TearDown() override {
        Form.reset();
        PumpFor(20);
        Application().ResetTerminated();
    }

    std::string Tree() const { return Joined(WalkAccessibleWindows(Form->GetHandle())); }

    TComApartment Com;
    std::unique_ptr<TForm1> Form;
};

TEST(Accessibility, InterfaceIdsAreTheSystemsAndCaptionsLoseTheirMarks) {
    IID parsed{};
    ASSERT_EQ(IIDFromString(L"{618736E0-3C3D-11CF-810C-00AA00389B71}", &parsed), S_OK);
    EXPECT_TRUE(IsEqualIID(parsed, kIidAccessible));
    ASSERT_EQ(IIDFromString(L"{00020400-0000-0000-C000-000000000046}", &parsed), S_OK);
    EXPECT_TRUE(IsEqualIID(parsed, kIidDispatch));

    EXPECT_EQ(AccessibleText("&Hadi Kizim"), "Hadi Kizim");
    EXPECT_EQ(AccessibleText("Kar && Zarar"), "Kar & Zarar");
    EXPECT_EQ(AccessibleText("Sa&&n&s"), "Sa&ns");
    EXPECT_EQ(AccessibleText("Son&"), "Son") << "a trailing mark marks nothing";
    EXPECT_EQ(AccessibleText(""), "");
}


// A round's start is seen in the status panel; the decision is a timer
// call (the first spin always wins: it shows the selected number, 0).
TEST_F(TableWindowAccess, ScreenReaderHearsEveryControlBeforeDuringAndAfterARound) {
    SetForegroundWindow(Form->GetHandle());
    ::SetFocus(Form->GetHandle());  // to the first tab stop, the balance field
    EXPECT_EQ(Tree(), kTreeBefore);

    SendMessageA(Form->bsSkinButton1->GetHandle(), BM_CLICK, 0, 0);
    ASSERT_EQ(Form->bsSkinStatusPanel1->GetCaption(), "Cekiliyor");
    Form->Timer2Timer(Form->Timer2);
    EXPECT_EQ(Tree(), kTreeDuring);

    Form->Timer1Timer(Form->Timer1);
    EXPECT_EQ(Tree(), kTreeAfter);
}

TEST_F(TableWindowAccess, DefaultActionsPressTheButtonOnceAndOpenAndCloseTheSelector) {
    HWND button = Form->bsSkinButton1->GetHandle();
    {
        TClientObject object(button);
        ASSERT_TRUE(object);
        EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), S_OK);
        EXPECT_EQ(Form->bsSkinEdit1->GetText(), "200") << "the press is posted, not run inside the request";
        ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
        EXPECT_EQ(Form->bsSkinEdit1->GetText(), "195");
        EXPECT_NE(StateOf(button) & STATE_SYSTEM_UNAVAILABLE, 0);
        EXPECT_NE(object->accDoDefaultAction(AccessibleSelf()), S_OK) << "a disabled button is not pressed";
        PumpFor(50);
        EXPECT_EQ(Form->bsSkinEdit1->GetText(), "195") << "one stake for one press";
        Form->Timer1Timer(Form->Timer1);
        EXPECT_EQ(StateOf(button) & STATE_SYSTEM_UNAVAILABLE, 0);
    }

    HWND combo = Form->bsSkinComboBox2->GetHandle();
    TClientObject object(combo);
    ASSERT_TRUE(object);
    BSTR action = nullptr;
    ASSERT_EQ(object->get_accDefaultAction(AccessibleSelf(), &action), S_OK);
    EXPECT_STREQ(action, L"Open");
    SysFreeString(action);
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), S_OK);
    EXPECT_TRUE(Form->bsSkinComboBox2->GetDroppedDown());
    EXPECT_EQ(StateOf(combo) & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED), STATE_SYSTEM_EXPANDED);
    ASSERT_EQ(object->get_accDefaultAction(AccessibleSelf(), &action), S_OK);
    EXPECT_STREQ(action, L"Close");
    SysFreeString(action);
    {
        // The open list: a list whose items are its children.
        HWND popup = Form->bsSkinComboBox2->ListWindow().GetHandle();
        TClientObject list(popup);
        ASSERT_TRUE(list);
        VARIANT role;
        ASSERT_EQ(list->get_accRole(AccessibleSelf(), &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_LIST);
        LONG count = 0;
        ASSERT_EQ(list->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 4);
        VARIANT item = AccessibleSelf();
        item.lVal = 2;
        BSTR name = nullptr;
        ASSERT_EQ(list->get_accName(item, &name), S_OK);
        EXPECT_STREQ(name, L"25 VKS");
        SysFreeString(name);
        VARIANT state;
        ASSERT_EQ(list->get_accState(item, &state), S_OK);
        EXPECT_EQ(state.lVal & STATE_SYSTEM_SELECTED, 0);
        item.lVal = 1;
        ASSERT_EQ(list->get_accState(item, &state), S_OK);
        EXPECT_NE(state.lVal & STATE_SYSTEM_SELECTED, 0) << "the stake chosen now";
        RECT window{};
        GetWindowRect(popup, &window);
        LONG x = 0, y = 0, w = 0, h = 0;
        ASSERT_EQ(list->accLocation(&x, &y, &w, &h, item), S_OK);
        EXPECT_TRUE(w > 0 && h > 0 && x >= window.left && y >= window.top && x + w <= window.right &&
                    y + h <= window.bottom)
            << "the first item lies inside the list, in screen coordinates: " << x << "," << y << " " << w << "x" << h;
        item.lVal = 5;
        EXPECT_EQ(list->get_accName(item, &name), E_INVALIDARG) << "four items only";
    }
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), S_OK);
    EXPECT_FALSE(Form->bsSkinComboBox2->GetDroppedDown());
    EXPECT_EQ(StateOf(combo) & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED), STATE_SYSTEM_COLLAPSED);
    EXPECT_EQ(Form->bsSkinComboBox2->GetItemIndex(), 0) << "opening and closing chose nothing";
}

TEST_F(TableWindowAccess, AnObjectKeptAfterItsWindowWentAnswersDisconnected) {
    TClientObject object(Form->bsSkinButton1->GetHandle());
    ASSERT_TRUE(object);
    BSTR name = nullptr;
    ASSERT_EQ(object->get_accName(AccessibleSelf(), &name), S_OK);
    EXPECT_STREQ(name, L"Hadi Kizim");
    SysFreeString(name);
    VARIANT child = AccessibleSelf();
    child.lVal = 3;
    EXPECT_EQ(object->get_accName(child, &name), E_INVALIDARG) << "the button has no children";

    Form.reset();
    PumpFor(20);
    name = nullptr;
    EXPECT_EQ(object->get_accName(AccessibleSelf(), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), RPC_E_DISCONNECTED);
    LONG x, y, w, h;
    EXPECT_EQ(object->accLocation(&x, &y, &w, &h, AccessibleSelf()), RPC_E_DISCONNECTED);
}

// What a WinEvent hook of this process hears, in order.
struct THeard {
    DWORD Event;
    HWND Window;
    bool operator==(const THeard&) const = default;
};
std::vector<THeard>* GHeard = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND wnd, LONG idObject, LONG idChild, DWORD, DWORD) {
    if (GHeard && idObject == OBJID_CLIENT && idChild == CHILDID_SELF) GHeard->push_back({event, wnd});
}

TEST_F(TableWindowAccess, AKeyboardRoundRaisesFocusValueNameAndStateEvents) {
    std::vector<THeard> heard;
    GHeard = &heard;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    HWND form = Form->GetHandle(), button = Form->bsSkinButton1->GetHandle();
    HWND stake = Form->bsSkinComboBox2->GetHandle();
    SetForegroundWindow(form);
    ::SetFocus(stake);
    PostMessageA(stake, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(stake, WM_KEYUP, VK_DOWN, LPARAM(0xC0000001));
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinComboBox2->GetItemIndex() == 1; }, 2000));
    ::SetFocus(button);
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(button, WM_KEYUP, VK_SPACE, LPARAM(0xC0000001));
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
    Form->Timer2Timer(Form->Timer2);
    Form->Timer1Timer(Form->Timer1);
    PumpFor(100);
    UnhookWinEvent(hook);
    GHeard = nullptr;

    auto saw = [&](DWORD event, HWND wnd) { return std::count(heard.begin(), heard.end(), THeard{event, wnd}); };
    EXPECT_GE(saw(EVENT_OBJECT_FOCUS, stake), 1);
    EXPECT_GE(saw(EVENT_OBJECT_VALUECHANGE, stake), 1) << "the new stake";
    EXPECT_GE(saw(EVENT_OBJECT_FOCUS, button), 1);
    EXPECT_GE(saw(EVENT_OBJECT_STATECHANGE, button), 2) << "disabled for the round, enabled after it";
    HWND status = Form->bsSkinStatusPanel1->GetHandle();
    EXPECT_GE(saw(EVENT_OBJECT_NAMECHANGE, status), 2) << "\"Cekiliyor\", then the decision";
    EXPECT_GE(saw(EVENT_OBJECT_VALUECHANGE, Form->bsSkinEdit1->GetHandle()), 2) << "the stake taken, the win paid";
    EXPECT_GE(saw(EVENT_OBJECT_VALUECHANGE, Form->bsSkinGauge1->GetHandle()), 2) << "progress, then 100%";
    EXPECT_GE(saw(EVENT_OBJECT_VALUECHANGE, Form->bsSkinRichEdit1->GetHandle()), 1) << "the result";
    EXPECT_EQ(saw(EVENT_OBJECT_VALUECHANGE, Form->bsSkinComboBox1->GetHandle()), 0) << "the number stayed";
}

}  // namespace
