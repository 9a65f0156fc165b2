// What the framework offers the controls for input: timers shared with a
// native control, mouse capture with hover from positions, hover ended by
// the pointer hooks, key and focus handlers, the form's dialog keys and
// accelerators, and freeing a window from its own handler.
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/FrameworkClasses.h"
#include "platform/LayoutProperties.h"
#include "platform/StdCtrls.h"
#include "platform/SystemHooks.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/TimerIds.h"
#include "tests/win32/FormFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Input tests leave posted messages behind: handle them before the next.
class FrameworkInput : public TFormFixture {
protected:
    void TearDown() override {
        Form.reset();
        PumpFor(10);
        Application().ResetTerminated();
    }
};

// ---- timers ----------------------------------------------------------------------

// A window class standing in for a native control: its procedure starts a
// timer of its own when it is made, and logs every timer id that reaches
// it. The framework wraps it as it wraps EDIT or COMBOBOX.
constexpr char kNativeProbeClass[] = "RdzNativeTimerProbe";
constexpr UINT_PTR kNativeTimerId = 1;  // the kind of id a native control picks

std::vector<UINT_PTR>& NativeTicks() {
    static std::vector<UINT_PTR> ticks;
    return ticks;
}

LRESULT CALLBACK NativeProbeProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CREATE) SetTimer(wnd, kNativeTimerId, 10, nullptr);
    if (msg == WM_TIMER) {
        NativeTicks().push_back(wParam);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void RegisterNativeProbe() {
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_GLOBALCLASS;  // found by name, as the system's classes are
        wc.lpfnWndProc = NativeProbeProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kNativeProbeClass;
        return RegisterClassExA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
}

// A wrapped native control with a timer of its own beside the native one's.
class TNativeTimed : public TWinControl {
public:
    using TWinControl::TWinControl;
    static constexpr UINT_PTR OwnId = tidEditHover;
    int OwnTicks = 0;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.SystemClassName = kNativeProbeClass;
    }
    bool OnTimer(UINT_PTR id) override {
        if (id != OwnId) return TWinControl::OnTimer(id);
        ++OwnTicks;
        return true;
    }
};

TEST_F(FrameworkInput, NativeControlInsideTheFormKeepsItsOwnTimerIds) {
    RegisterNativeProbe();
    NativeTicks().clear();
    auto* control = Add<TNativeTimed>(Form.get(), Bounds(10, 10, 60, 21));
    HWND wnd = control->GetHandle();
    // The timer the native procedure started reaches the native procedure.
    ASSERT_TRUE(PumpUntil([] { return !NativeTicks().empty(); }, 5000)) << "the native timer never came back to it";
    EXPECT_EQ(NativeTicks().front(), kNativeTimerId);
    EXPECT_EQ(control->OwnTicks, 0);
    KillTimer(wnd, kNativeTimerId);
    PumpFor(20);
    NativeTicks().clear();

    SendMessageA(wnd, WM_TIMER, TNativeTimed::OwnId, 0);
    EXPECT_EQ(control->OwnTicks, 1);
    EXPECT_TRUE(NativeTicks().empty()) << "our id never reaches the native procedure";

    // Ids the object does not own are the native control's.
    for (UINT_PTR nativeId : {UINT_PTR(0), UINT_PTR(1)}) SendMessageA(wnd, WM_TIMER, nativeId, 0);
    EXPECT_EQ(NativeTicks(), (std::vector<UINT_PTR>{0, 1}));
    EXPECT_EQ(control->OwnTicks, 1);
}

TEST_F(FrameworkInput, OwnedTimersAreTheObjectsAndStopWithTheWindow) {
    struct TTicking : TCustomControl {
        using TCustomControl::TCustomControl;
        using TCustomControl::OnTimer;
    };
    auto* control = Add<TTicking>(Form.get(), Bounds(0, 0, 20, 20));
    const long before = LiveHandleCount(THandleKind::Timer);
    control->StartTimer(tidButtonMorph, 20);
    control->StartTimer(tidButtonRepeat, 500);
    control->StartTimer(tidButtonMorph, 40);  // restarts, still one timer
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), before + 2);
    EXPECT_TRUE(control->OnTimer(tidButtonMorph)) << "a started id is the object's";
    EXPECT_FALSE(control->OnTimer(tidButtonFrameAnimation));
    control->StopTimer(tidButtonRepeat);
    EXPECT_FALSE(control->TimerRunning(tidButtonRepeat));
    control->RecreateWnd();
    EXPECT_FALSE(control->TimerRunning(tidButtonMorph)) << "timers go with their window";
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), before);
}

// ---- mouse -------------------------------------------------------------------------

// Logs the mouse notifications of a control that captures on a press.
class TPressable : public TCustomControl {
public:
    explicit TPressable(TComponent* owner) : TCustomControl(owner) { FCaptureMouseOnPress = true; }
    std::vector<std::string> Log;
    void MouseEnter() override {
        TCustomControl::MouseEnter();
        Log.push_back("enter");
    }
    void MouseLeave() override {
        TCustomControl::MouseLeave();
        Log.push_back("leave");
    }
    void MouseDown(TMouseButton b, unsigned shift, int x, int y) override {
        TCustomControl::MouseDown(b, shift, x, y);
        Log.push_back(shift & ssDouble ? "double down" : "down");
    }
    void MouseUp(TMouseButton b, unsigned shift, int x, int y) override {
        TCustomControl::MouseUp(b, shift, x, y);
        Log.push_back("up");
    }
    void DblClick() override { Log.push_back("dblclick"); }

protected:
    void CaptureLost() override { Log.push_back("lost"); }
};

// The pointer as the test says: over `under`, at the screen origin.
TSystemHooks PointerOver(HWND& under) {
    TSystemHooks hooks;
    hooks.CursorPos = [] { return Point(0, 0); };
    hooks.WindowAt = [&under](TPoint) { return under; };
    return hooks;
}

TEST_F(FrameworkInput, PressCapturesAndHoverFollowsThePositionUntilRelease) {
    auto* control = Add<TPressable>(Form.get(), Bounds(10, 10, 50, 30));
    HWND wnd = control->GetHandle();
    HWND under = wnd;
    TSystemHooksOverride hooks(PointerOver(under));

    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), wnd);
    EXPECT_TRUE(control->IsMousePressed());
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 5));   // dragged out to the left
    SendMessageA(wnd, WM_MOUSELEAVE, 0, 0);                            // the system's word does not count now
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(49, 29));  // back in, last pixel
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 10));  // right edge is outside
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(50, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(control->IsMousePressed());
    EXPECT_EQ(control->Log, (std::vector<std::string>{"enter", "down", "leave", "enter", "leave", "up"}));
    EXPECT_FALSE(control->IsMouseInside());

    // A control that does not capture leaves capture alone.
    auto* plain = Add<TCustomControl>(Form.get(), Bounds(100, 10, 20, 20));
    SendMessageA(plain->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(plain->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(FrameworkInput, LosingTheCaptureEndsThePressWithoutRelease) {
    auto* control = Add<TPressable>(Form.get(), Bounds(10, 10, 50, 30));
    auto* other = Add<TCustomControl>(Form.get(), Bounds(100, 10, 50, 30));
    HWND wnd = control->GetHandle();
    HWND under = wnd;
    TSystemHooksOverride hooks(PointerOver(under));
    SendMessageA(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(GetCapture(), wnd);
    under = other->GetHandle();  // the pointer is elsewhere when the capture goes
    SetCapture(other->GetHandle());
    EXPECT_FALSE(control->IsMousePressed());
    ReleaseCapture();
    EXPECT_EQ(control->Log, (std::vector<std::string>{"enter", "double down", "dblclick", "lost", "leave"}));
}

TEST_F(FrameworkInput, WindowlessPressEndsWithoutClickWhenTheCaptureGoes) {
    auto* label = Add<TLabel>(Form.get(), Bounds(10, 10, 40, 20));
    auto* other = Add<TCustomControl>(Form.get(), Bounds(100, 10, 50, 30));
    int clicks = 0;
    label->SetOnClick([&](TComponent*) { ++clicks; });
    HWND wnd = Form->GetHandle();
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    ASSERT_EQ(GetCapture(), wnd);
    SetCapture(other->GetHandle());  // a popup, say, takes the mouse
    ReleaseCapture();
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(clicks, 0) << "the press was lost with the capture";
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(clicks, 1);
}

TEST_F(FrameworkInput, HoverLastsWhileThePointerIsOverAWindowInside) {
    auto* panel = Add<TPressable>(Form.get(), Bounds(10, 10, 150, 100));
    auto* inner = new TPressable(Form.get());
    inner->SetParent(panel);
    inner->SetBounds(10, 10, 50, 30);
    HWND under = panel->GetHandle();
    TSystemHooksOverride hooks(PointerOver(under));

    SendMessageA(panel->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    under = inner->GetHandle();  // the pointer moves onto the inner window
    SendMessageA(panel->GetHandle(), WM_MOUSELEAVE, 0, 0);
    SendMessageA(inner->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(panel->IsMouseInside());
    EXPECT_TRUE(inner->IsMouseInside());

    // It leaves both at once, through the inner window's edge.
    under = Form->GetHandle();
    SendMessageA(inner->GetHandle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(inner->IsMouseInside());
    EXPECT_FALSE(panel->IsMouseInside());
    EXPECT_EQ(panel->Log, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(inner->Log, (std::vector<std::string>{"enter", "leave"}));

    // Polling by timer asks the same question.
    under = panel->GetHandle();
    SendMessageA(panel->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    panel->CheckMouseLeave();
    EXPECT_TRUE(panel->IsMouseInside());
    under = nullptr;  // off every window
    panel->CheckMouseLeave();
    EXPECT_FALSE(panel->IsMouseInside());
}

// ---- keys and focus ------------------------------------------------------------------

TEST_F(FrameworkInput, KeyAndFocusHandlersSeeTheMessagesAndMayUseThemUp) {
    auto* first = Add<TEdit>(Form.get(), Bounds(10, 10, 80, 21));
    auto* second = Add<TEdit>(Form.get(), Bounds(10, 40, 80, 21));
    first->SetText("abc");
    std::vector<std::string> log;
    first->SetOnKeyDown([&](TComponent*, WORD& key, unsigned) {
        log.push_back("down " + std::to_string(key));
        if (key == VK_DELETE) key = 0;  // used up: the native edit deletes nothing
    });
    first->SetOnKeyPress([&](TComponent*, char& key) {
        if (key == 'x') key = 0;
    });
    first->SetOnEnter([&](TComponent*) { log.push_back("enter"); });
    first->SetOnExit([&](TComponent*) { log.push_back("exit"); });
    first->SetOnMouseWheel([&](TComponent*, unsigned, int delta, TPoint, bool& handled) {
        log.push_back("wheel " + std::to_string(delta));
        handled = true;
    });
    Form->Show();
    first->SetFocus();
    HWND wnd = first->GetHandle();
    SendMessageA(wnd, EM_SETSEL, 0, 0);
    SendMessageA(wnd, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(first->GetText(), "abc");
    SendMessageA(wnd, WM_CHAR, 'x', 0);
    EXPECT_EQ(first->GetText(), "abc");
    SendMessageA(wnd, WM_CHAR, 'y', 0);
    EXPECT_EQ(first->GetText(), "yabc");
    SendMessageA(wnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
    second->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 46", "wheel -120", "exit"}));
}

TEST_F(FrameworkInput, SettingTheSameTextAnnouncesNoChange) {
    auto* edit = Add<TEdit>(Form.get(), Bounds(10, 10, 80, 21));
    int changes = 0;
    edit->SetOnChange([&](TComponent*) { ++changes; });
    edit->HandleNeeded();
    edit->SetText("250");
    edit->SetText("250");
    EXPECT_EQ(changes, 1);
    edit->SetText("245");
    EXPECT_EQ(changes, 2);
    edit->DestroyHandle();  // without a window the object's text decides
    edit->SetText("245");
    EXPECT_EQ(edit->GetText(), "245");
}

// ---- dialog keys ---------------------------------------------------------------------

class FrameworkDialogKeys : public FrameworkInput {
protected:
    void SetUp() override {
        FrameworkInput::SetUp();
        Edit = Add<TEdit>(Form.get(), Bounds(10, 10, 80, 21));
        Ok = AddButton("&Spin", Bounds(10, 40, 75, 25));
        Ok->SetDefault(true);
        Cancel = AddButton("Cancel", Bounds(90, 40, 75, 25));
        Cancel->SetCancel(true);
        Other = AddButton("&Other", Bounds(170, 40, 75, 25));
        Form->Show();
    }
    TButton* AddButton(const char* caption, const TRect& bounds) {
        auto* b = Add<TButton>(Form.get(), bounds);
        b->SetCaption(caption);
        b->SetOnClick([this, caption](TComponent*) { Clicks.push_back(caption); });
        return b;
    }
    // Posts a key to the focused window as the keyboard would and handles
    // what follows.
    void Press(UINT msg, WPARAM key) {
        PostMessageA(GetFocus(), msg, key, 0);
        Application().ProcessMessages();
    }
    TEdit* Edit = nullptr;
    TButton *Ok = nullptr, *Cancel = nullptr, *Other = nullptr;
    std::vector<std::string> Clicks;
};

TEST_F(FrameworkDialogKeys, EnterAndEscapeFromAnEditClickTheDefaultAndCancelButtons) {
    Edit->SetFocus();
    ASSERT_EQ(GetFocus(), Edit->GetHandle());
    Press(WM_KEYDOWN, VK_RETURN);
    Press(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Spin", "Cancel"}));
    Ok->SetEnabled(false);
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Clicks.size(), 2u) << "a disabled default button does not click";
}

TEST_F(FrameworkDialogKeys, EnterOnAFocusedButtonClicksThatButtonOnce) {
    Other->SetFocus();
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Other"}));
    Ok->SetFocus();
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Other", "&Spin"})) << "one Enter, one click";
}

// The dialog-key step called directly (not from a key message) leaves
// Enter to a focused window that takes Enter itself.
TEST_F(FrameworkDialogKeys, DialogKeyStepLeavesEnterToTheFocusedButton) {
    Other->SetFocus();
    EXPECT_FALSE(Form->DialogKey(VK_RETURN, 0));
    EXPECT_TRUE(Clicks.empty());
    Edit->SetFocus();
    EXPECT_TRUE(Form->DialogKey(VK_RETURN, 0));
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Spin"}));
    Other->SetFocus();
    EXPECT_TRUE(Form->DialogKey(VK_ESCAPE, 0)) << "Escape still reaches the cancel button";
}

// A control that notes where the focus went.
class TFocusWatcher : public TControl {
public:
    using TControl::TControl;
    void FocusChanged(TWinControl* focused) override { Seen.push_back(focused); }
    std::vector<TWinControl*> Seen;
};

TEST_F(FrameworkDialogKeys, EveryControlOfTheWindowHearsWhereTheFocusWent) {
    auto* panel = Add<TPanel>(Form.get(), Bounds(10, 80, 100, 50));
    auto* watcher = new TFocusWatcher(Form.get());
    watcher->SetParent(panel);
    Other->SetFocus();  // the form may have given Edit the focus already
    Edit->SetFocus();
    Other->SetFocus();
    ASSERT_GE(watcher->Seen.size(), 2u);
    EXPECT_EQ(watcher->Seen[watcher->Seen.size() - 2], Edit);
    EXPECT_EQ(watcher->Seen.back(), Other);
}

TEST_F(FrameworkDialogKeys, AcceleratorsFocusAndClickButUnlessTheFocusTakesCharacters) {
    Edit->SetFocus();
    Press(WM_CHAR, 's');  // typed into the edit
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Edit->GetText(), "s");
    Press(WM_SYSCHAR, 'o');  // Alt+O
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Other"}));
    EXPECT_EQ(GetFocus(), Other->GetHandle());
    Press(WM_CHAR, 'S');  // a button takes no characters: S is an accelerator
    EXPECT_EQ(Clicks, (std::vector<std::string>{"&Other", "&Spin"}));
    Other->SetVisible(false);
    Press(WM_SYSCHAR, 'o');
    EXPECT_EQ(Clicks.size(), 2u) << "a hidden button has no accelerator";
}

// ---- deferred free -----------------------------------------------------------------

// Counts its destruction.
class TCountedForm : public TForm {
public:
    explicit TCountedForm(int& destroyed) : TForm(nullptr), FDestroyed(destroyed) {}
    ~TCountedForm() override { ++FDestroyed; }

private:
    int& FDestroyed;
};

TEST(FrameworkRelease, WindowFreedFromItsOwnClickHandlerGoesAfterTheHandlerReturns) {
    Application().Initialize();
    ReleaseLater(new TComponent(nullptr));  // makes the release window before counting
    PumpFor(20);
    const long windows = LiveHandleCount(THandleKind::Window);
    int destroyed = 0;
    auto* form = new TCountedForm(destroyed);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    HWND formWnd = form->GetHandle();
    bool aliveInHandler = false, aliveAfterPump = false;
    button->SetOnClick([&](TComponent*) {
        form->Release();
        aliveInHandler = IsWindow(formWnd) && destroyed == 0;
        Application().ProcessMessages();  // a pump inside the handler frees nothing
        aliveAfterPump = IsWindow(formWnd) && destroyed == 0;
    });
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(aliveInHandler);
    EXPECT_TRUE(aliveAfterPump);
    ASSERT_TRUE(PumpUntil([&] { return destroyed > 0; }, 2000));
    EXPECT_FALSE(IsWindow(formWnd));
    PumpFor(20);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), windows);
    Application().ResetTerminated();
}

TEST(FrameworkRelease, FreedMeanwhileOrAskedTwiceIsFreedOnce) {
    Application().Initialize();
    int destroyed = 0;
    auto* first = new TCountedForm(destroyed);
    ReleaseLater(first);
    delete first;  // its owner was quicker
    auto* second = new TCountedForm(destroyed);
    ReleaseLater(second);
    ReleaseLater(second);
    ASSERT_TRUE(PumpUntil([&] { return destroyed == 2; }, 2000));
    PumpFor(20);
    EXPECT_EQ(destroyed, 2);

    // A secondary form closed with caFree goes the same way.
    auto* main = new TCountedForm(destroyed);
    Application().SetMainForm(main);
    auto* dialog = new TCountedForm(destroyed);
    dialog->SetOnClose([](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; });
    dialog->Close();
    EXPECT_EQ(destroyed, 2);
    ASSERT_TRUE(PumpUntil([&] { return destroyed == 3; }, 2000));
    delete main;
    Application().ResetTerminated();
}

}  // namespace

namespace {

// A control with a second font, registered through the shared font group.
class TTwoFonts : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TFont DefaultFont;
};

TEST_F(FrameworkInput, LayoutsSetButtonsKeysAndEveryFontGroupTheSameWay) {
    TClassRegistry& classes = FrameworkClasses();
    if (!classes.Find("TTwoFonts")) {
        TClassBuilder<TTwoFonts> twoFonts(classes, "TTwoFonts", "TCustomControl");
        twoFonts.Creatable();
        AddFontProperties(twoFonts, "DefaultFont", [](TTwoFonts& c) -> TFont& { return c.DefaultFont; });
    }
    TLayoutNode layout = ParseLayoutText(R"(
        F: TForm {
          B: TButton { Default = True Cancel = True Caption = "&Spin" Font.Style = [fsBold] }
          T: TTwoFonts {
            Font.Name = "Arial"
            DefaultFont.Name = "Tahoma" DefaultFont.Height = -13 DefaultFont.Style = [fsBold, fsItalic]
            DefaultFont.Color = clBtnText DefaultFont.Charset = TURKISH_CHARSET
          }
        })",
                                         nullptr);
    Form->ReadLayoutInto(layout);
    auto* button = dynamic_cast<TButton*>(Form->FindComponent("B"));
    auto* two = dynamic_cast<TTwoFonts*>(Form->FindComponent("T"));
    ASSERT_NE(button, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_TRUE(button->GetDefault());
    EXPECT_TRUE(button->GetCancel());
    EXPECT_EQ(button->Font().GetStyle(), unsigned(fsBold));
    EXPECT_EQ(two->Font().GetName(), "Arial");
    EXPECT_EQ(two->DefaultFont.GetName(), "Tahoma");
    EXPECT_EQ(two->DefaultFont.GetHeight(), -13);
    EXPECT_EQ(two->DefaultFont.GetStyle(), unsigned(fsBold | fsItalic));
    EXPECT_EQ(two->DefaultFont.GetColor(), clBtnText);
    EXPECT_EQ(two->DefaultFont.GetCharset(), TURKISH_CHARSET);

    TLayoutNode bad = ParseLayoutText("F: TForm { T: TTwoFonts { DefaultFont.Style = [fsShiny] } }", nullptr);
    TForm other(nullptr);
    EXPECT_THROW(other.ReadLayoutInto(bad), Exception);
}

}  // namespace
