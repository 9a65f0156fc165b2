// The real table window, made from the layout the program carries: its
// controls, a spin played with mouse messages and real timers, the
// read-only balance field, and a close queued during a spin.
#include "game/Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include <zlib.h>

#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "tests/win32/PatchedSkin.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

class TableWindow : public testing::Test {
protected:
    void SetUp() override {
        Application().Initialize();
        Application().ResetTerminated();
        Form = std::make_unique<TForm1>(nullptr);
        Form->Show();
        PumpFor(50);
    }
    void TearDown() override {
        Form.reset();
        PumpFor(20);
        Application().ResetTerminated();
    }

    static std::string WindowText(HWND wnd) {
        char text[256] = {};
        GetWindowTextA(wnd, text, sizeof(text));
        return text;
    }

    // Presses and releases the left button over the middle of a window.
    static void ClickWindow(HWND wnd) {
        RECT rc{};
        GetClientRect(wnd, &rc);
        LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
        PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(wnd, WM_LBUTTONUP, 0, at);
    }

    std::unique_ptr<TForm1> Form;
};

struct TExpectedControl {
    const char* Name;
    const char* Parent;
    TRect Bounds;     // parent client coordinates
    int TabOrder;     // -1: not a windowed control
};

TEST_F(TableWindow, EveryControlHasItsClassParentBoundsAndTabOrder) {
    const TExpectedControl expected[] = {
        {"Image1", "Form1", Bounds(0, 0, 565, 239), -1},
        {"Label5", "Form1", Bounds(8, 256, 132, 13), -1},
        {"Label6", "Form1", Bounds(216, 256, 32, 13), -1},
        {"bsSkinGroupBox1", "Form1", Bounds(568, 2, 201, 113), 0},
        {"Label1", "bsSkinGroupBox1", Bounds(8, 32, 48, 13), -1},
        {"Label2", "bsSkinGroupBox1", Bounds(32, 88, 141, 13), -1},
        {"Label3", "bsSkinGroupBox1", Bounds(56, 72, 91, 13), -1},
        {"Label4", "bsSkinGroupBox1", Bounds(152, 32, 22, 13), -1},
        {"bsSkinEdit1", "bsSkinGroupBox1", Bounds(63, 29, 82, 21), 0},  // height from the skin
        {"bsSkinComboBox1", "Form1", Bounds(144, 253, 65, 21), 1},  // height from the skin
        {"bsSkinComboBox2", "Form1", Bounds(256, 253, 73, 21), 2},
        {"bsSkinButton1", "Form1", Bounds(344, 251, 75, 25), 3},
        {"bsSkinStatusBar1", "Form1", Bounds(0, 285, 775, 21), 4},
        {"bsSkinStatusPanel1", "bsSkinStatusBar1", Bounds(2, 3, 209, 17), 0},  // in the bar's sized client rectangle
        {"bsSkinRichEdit1", "Form1", Bounds(640, 128, 81, 89), 5},
        {"bsSkinGauge1", "Form1", Bounds(583, 222, 178, 19), 6},  // height from the skin
    };
    for (const TExpectedControl& e : expected) {
        SCOPED_TRACE(e.Name);
        auto* control = dynamic_cast<TControl*>(Form->FindComponent(e.Name));
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->GetParent(), nullptr);
        EXPECT_EQ(control->GetParent()->GetName(), e.Parent);
        EXPECT_EQ(control->GetBoundsRect(), e.Bounds);
        auto* windowed = dynamic_cast<TWinControl*>(control);
        EXPECT_EQ(windowed ? windowed->GetTabOrder() : -1, e.TabOrder);
        if (windowed) {
            // The native window sits where the object says.
            HWND wnd = windowed->GetHandle();
            RECT rc{};
            GetWindowRect(wnd, &rc);
            MapWindowPoints(HWND_DESKTOP, GetParent(wnd), reinterpret_cast<POINT*>(&rc), 2);
            EXPECT_EQ(Rect(rc.left, rc.top, rc.right, rc.bottom), e.Bounds);
        }
    }
    EXPECT_EQ(typeid(*Form->Image1), typeid(TImage));
    EXPECT_EQ(typeid(*Form->bsSkinGroupBox1), typeid(TbsSkinGroupBox));
    EXPECT_EQ(typeid(*Form->bsSkinEdit1), typeid(TbsSkinEdit));
    EXPECT_EQ(typeid(*Form->bsSkinButton1), typeid(TbsSkinButton));
    EXPECT_EQ(typeid(*Form->bsSkinStatusBar1), typeid(TbsSkinStatusBar));
    EXPECT_EQ(typeid(*Form->bsSkinStatusPanel1), typeid(TbsSkinStatusPanel));
    EXPECT_EQ(typeid(*Form->bsSkinRichEdit1), typeid(TbsSkinRichEdit));
    EXPECT_EQ(typeid(*Form->bsSkinGauge1), typeid(TbsSkinGauge));
    EXPECT_EQ(Form->bsSkinStatusBar1->GetAlign(), TAlign::alBottom);
    EXPECT_EQ(Form->bsSkinStatusPanel1->GetAlign(), TAlign::alLeft);
    // Dialog navigation follows the tab order: the window after the group
    // box is the number selector, then the stake selector, then the button.
    HWND form = Form->GetHandle();
    EXPECT_EQ(GetWindow(Form->bsSkinGroupBox1->GetHandle(), GW_HWNDNEXT), Form->bsSkinComboBox1->GetHandle());
    EXPECT_EQ(GetWindow(Form->bsSkinComboBox2->GetHandle(), GW_HWNDNEXT), Form->bsSkinButton1->GetHandle());
    EXPECT_EQ(GetWindow(form, GW_CHILD), Form->bsSkinGroupBox1->GetHandle());
}

TEST_F(TableWindow, SkinnedFrameIsCentredOnItsFinalSize) {
    HWND wnd = Form->GetHandle();
    RECT client{}, window{};
    GetClientRect(wnd, &client);
    GetWindowRect(wnd, &window);
    EXPECT_EQ(client.right, 775);
    EXPECT_EQ(client.bottom, 306);
    EXPECT_EQ(WindowText(wnd), "Rozudavuvo Dariz Zodovi");
    const int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_EQ(width, 777) << "the skin's frame: 1 at the sides and the bottom";
    EXPECT_EQ(height, 333) << "and a 26-pixel caption";
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 777) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 333) / 2);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(wnd, region), ERROR) << "shaped by the skin's mask";
    DeleteObject(region);
    EXPECT_EQ(SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(window.left + 300, window.top + 12)), HTCAPTION)
        << "dragged by its caption";
    for (POINT p : {POINT{window.right - 1, window.bottom - 1}, POINT{window.right - 1, window.top + 150},
                    POINT{window.left + 300, window.bottom - 1}, POINT{window.left, window.top + 150}}) {
        const LRESULT hit = SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << "not resizable: " << hit << " at " << p.x << "," << p.y;
    }
    EXPECT_FALSE(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(IsWindowVisible(wnd));
    // The layered border lies around it: four strip windows, 14 pixels out
    // at the left and the top.
    const TbsFormLayerBorder& border = Form->bsSkinForm1->LayerBorder();
    ASSERT_TRUE(border.Shown());
    EXPECT_EQ(border.LayerRect(), (TRect{window.left - 14, window.top - 14, window.right + 16, window.bottom + 15}));
    int strips = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, bsFormLayerWindowClass, nullptr)) != nullptr;)
        strips += IsWindowVisible(w) ? 1 : 0;
    EXPECT_EQ(strips, 4);
}

TEST_F(TableWindow, StartsWithTheLayoutsTextsItemsAndSelections) {
    EXPECT_EQ(WindowText(Form->bsSkinEdit1->GetHandle()), "200");
    EXPECT_EQ(Form->Label5->GetCaption(), "Parayi Koyacaginiz Numara:");
    EXPECT_EQ(Form->Label6->GetCaption(), "Miktar:");
    EXPECT_EQ(Form->Label1->GetCaption(), "Bakiyeniz:");
    EXPECT_EQ(Form->Label2->GetCaption(), "Bet with your head, not over it");
    EXPECT_EQ(Form->Label3->GetCaption(), "Rozudavuvo Casino");
    EXPECT_EQ(Form->Label4->GetCaption(), "VKS");
    EXPECT_EQ(Form->bsSkinGroupBox1->GetCaption(), "Merhaba Oyuncu");
    EXPECT_EQ(WindowText(Form->bsSkinButton1->GetHandle()), "Hadi Kizim");
    EXPECT_EQ(Form->bsSkinStatusPanel1->GetCaption(), "Bekliyor");
    EXPECT_EQ(Form->bsSkinRichEdit1->GetText(), "");
    EXPECT_EQ(Form->bsSkinGauge1->GetValue(), 0);
    EXPECT_TRUE(IsWindowEnabled(Form->bsSkinButton1->GetHandle()));

    const TbsSkinComboBox& numbers = *Form->bsSkinComboBox1;
    ASSERT_EQ(numbers.GetItemCount(), 38);
    EXPECT_EQ(numbers.GetItems()[1], "00");
    EXPECT_EQ(numbers.GetItems()[37], "36");
    EXPECT_EQ(numbers.GetItemIndex(), 0);
    EXPECT_EQ(numbers.GetText(), "0");
    EXPECT_EQ(numbers.GetStyle(), bscbFixedStyle);
    EXPECT_EQ(numbers.GetDropDownCount(), 8);

    const TbsSkinComboBox& stakes = *Form->bsSkinComboBox2;
    ASSERT_EQ(stakes.GetItemCount(), 4);
    EXPECT_EQ(stakes.GetItems()[3], "500 VKS");
    EXPECT_EQ(stakes.GetText(), "5 VKS");

    EXPECT_EQ(Form->bsSkinRichEdit1->Font().GetName(), "Arial");
    EXPECT_EQ(Form->bsSkinRichEdit1->Font().GetHeight(), -67);
    EXPECT_EQ(Form->Timer1->GetInterval(), 2600u);
    EXPECT_EQ(Form->Timer2->GetInterval(), 100u);
    EXPECT_FALSE(Form->Timer1->IsRunning());
    EXPECT_FALSE(Form->Timer2->IsRunning());
    EXPECT_EQ(Form->IdDecoderMIME1->GetFillChar(), '=');
    // The table picture was decoded at its own size.
    EXPECT_EQ(Form->Image1->Picture().GetWidth(), 565);
    EXPECT_EQ(Form->Image1->Picture().GetHeight(), 239);
    ASSERT_NE(Form->Round(), nullptr) << "FormCreate ran";
    EXPECT_EQ(Form->Round()->GetSpinCount(), 0);
}

TEST_F(TableWindow, MouseClickStartsASpinAndTheRealTimersDecideIt) {
    HWND button = Form->bsSkinButton1->GetHandle();
    ClickWindow(button);
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
    EXPECT_EQ(WindowText(Form->bsSkinEdit1->GetHandle()), "195");
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_TRUE(Form->Timer1->IsRunning());
    EXPECT_TRUE(Form->Timer2->IsRunning());

    DWORD start = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() != "Cekiliyor"; }, 15000));
    EXPECT_GE(GetTickCount() - start, 2000u) << "decided after the 2600 ms period, not before";
    // The first spin always wins: the number shown is the selected one.
    EXPECT_EQ(Form->bsSkinStatusPanel1->GetCaption(), "Tebrikler Kazandiniz!");
    EXPECT_EQ(WindowText(Form->bsSkinEdit1->GetHandle()), "205");
    EXPECT_EQ(Form->bsSkinRichEdit1->GetText(), "0");
    EXPECT_EQ(Form->bsSkinGauge1->GetValue(), 100);
    EXPECT_TRUE(IsWindowEnabled(button));
    EXPECT_FALSE(Form->Timer1->IsRunning());
    EXPECT_FALSE(Form->Timer2->IsRunning());
}

// The pointer rests on the spin button through a whole round: when the
// round gives the button back, it is hot at once, without a move.
TEST_F(TableWindow, SpinButtonUnderTheRestingPointerIsHotAgainAfterTheRound) {
    TbsSkinButton* spin = Form->bsSkinButton1;
    HWND button = spin->GetHandle();
    SetForegroundWindow(Form->GetHandle());
    RECT rc{};
    GetWindowRect(button, &rc);
    const POINT middle{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    ASSERT_EQ(WindowFromPoint(middle), button);
    PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(middle.x - rc.left, middle.y - rc.top));
    ASSERT_TRUE(PumpUntil([&] { return spin->MouseOver(); }, 2000)) << "the pointer's arrival makes it hot";

    ClickWindow(button);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(button); }, 2000));
    EXPECT_FALSE(spin->MouseOver()) << "a disabled button is never hot";
    EXPECT_FALSE(spin->IsMouseInside());
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(button); }, 15000)) << "the round ends";
    EXPECT_TRUE(PumpUntil([&] { return spin->MouseOver(); }, 1000)) << "hot again under the pointer";
    EXPECT_TRUE(spin->IsMouseInside());
    POINT now{};
    GetCursorPos(&now);
    EXPECT_TRUE(now.x == middle.x && now.y == middle.y) << "the pointer never moved";
    SetCursorPos(0, 0);
}

// A repaint of the group box or of the status bar leaves the windows inside
// them alone: the balance field and the status panel are not drawn over
// (and then drawn again, which is what flickers).
TEST_F(TableWindow, PanelRepaintsNeverDrawOverTheWindowsInsideThem) {
    RedrawWindow(Form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    struct TPair {
        TWinControl* Panel;
        TWinControl* Inside;
    } pairs[] = {{Form->bsSkinGroupBox1, Form->bsSkinEdit1}, {Form->bsSkinStatusBar1, Form->bsSkinStatusPanel1}};
    for (const TPair& pair : pairs) {
        SCOPED_TRACE(pair.Panel->GetName());
        HWND inside = pair.Inside->GetHandle();
        const int w = pair.Inside->GetWidth(), h = pair.Inside->GetHeight();
        auto onScreen = [&] {
            TBitmap shot(w, h);
            TWindowDc dc(inside);
            BitBlt(shot.Canvas().GetHandle(), 0, 0, w, h, dc.Get(), 0, 0, SRCCOPY);
            return shot.ToPixels();
        };
        const TPixelBuffer before = onScreen();
        // The panel alone paints: the window inside it is not asked to.
        RedrawWindow(pair.Panel->GetHandle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
        EXPECT_FALSE(GetUpdateRect(inside, nullptr, FALSE)) << "the window inside was not made to repaint";
        const TPixelBuffer after = onScreen();
        int changed = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) changed += (before.At(x, y) & 0xFFFFFF) != (after.At(x, y) & 0xFFFFFF);
        EXPECT_EQ(changed, 0) << "pixels of the window inside drawn over by its panel";
    }
}

TEST_F(TableWindow, EnterOrSpaceOnTheFocusedButtonPlaysOneRoundPerPress) {
    HWND form = Form->GetHandle(), button = Form->bsSkinButton1->GetHandle();
    SetForegroundWindow(form);
    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);
    PostMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(button, WM_KEYUP, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
    PumpFor(50);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "195") << "one stake for one Enter";
    EXPECT_FALSE(IsWindowEnabled(button));
    Form->Timer1Timer(Form->Timer1);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "205");
    ASSERT_TRUE(IsWindowEnabled(button));

    SetFocus(button);
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(button, WM_KEYUP, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
    PumpFor(50);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "200") << "one stake for one space press";
}

TEST_F(TableWindow, FocusStartsOnTheFirstTabStopAndComesBackToTheButtonAfterARound) {
    HWND form = Form->GetHandle(), button = Form->bsSkinButton1->GetHandle();
    SetForegroundWindow(form);
    ::SetFocus(form);
    EXPECT_EQ(GetFocus(), Form->bsSkinEdit1->GetHandle()) << "the form hands its focus to the first tab stop";

    ::SetFocus(button);
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(button, WM_KEYUP, VK_SPACE, LPARAM(0xC0000001));
    ASSERT_TRUE(PumpUntil([&] { return Form->bsSkinStatusPanel1->GetCaption() == "Cekiliyor"; }, 2000));
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_EQ(GetFocus(), form) << "the disabled button leaves the keys with the form, not with nobody";
    Form->Timer1Timer(Form->Timer1);
    ASSERT_TRUE(IsWindowEnabled(button));
    EXPECT_EQ(GetFocus(), button) << "the next round is one key away";

    // Deactivation and activation keep the focused control.
    ::SetFocus(Form->bsSkinComboBox2->GetHandle());
    SendMessageA(form, WM_ACTIVATE, WA_INACTIVE, 0);
    ::SetFocus(form);
    EXPECT_EQ(GetFocus(), Form->bsSkinComboBox2->GetHandle());
}

TEST_F(TableWindow, TabAndShiftTabWalkTheTabStopsInTheirOrderAndRound) {
    HWND form = Form->GetHandle();
    SetForegroundWindow(form);
    const std::vector<HWND> order = {Form->bsSkinEdit1->GetHandle(), Form->bsSkinComboBox1->GetHandle(),
                                     Form->bsSkinComboBox2->GetHandle(), Form->bsSkinButton1->GetHandle(),
                                     Form->bsSkinRichEdit1->GetHandle()};
    auto press = [](WORD key, bool shift) {
        HWND focus = GetFocus();
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, LPARAM(0xC0000001));
        PumpFor(30);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    SetFocus(order[0]);
    ASSERT_EQ(GetFocus(), order[0]);
    for (size_t i = 1; i <= order.size(); ++i) {
        press(VK_TAB, false);
        EXPECT_EQ(GetFocus(), order[i % order.size()]) << "Tab number " << i;
    }
    // The result box hands Tab on instead of keeping it, both ways.
    SetFocus(order[4]);
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), order[3]) << "Shift+Tab from the result box";
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), order[2]);
    // Into the player box and out of it around the start, backwards.
    SetFocus(order[1]);
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), order[0]);
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), order[4]);
}

TEST_F(TableWindow, NumberByKeysAndStakeByMouseReachTheRound) {
    HWND form = Form->GetHandle();
    SetForegroundWindow(form);
    // The number selector, three steps down: "0", "00", "1", "2".
    HWND numbers = Form->bsSkinComboBox1->GetHandle();
    SetFocus(numbers);
    for (int i = 0; i < 3; ++i) {
        PostMessageA(numbers, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(numbers, WM_KEYUP, VK_DOWN, 0);
    }
    ASSERT_TRUE(PumpUntil([&] { return Form->GetNumberText() == "2"; }, 2000));

    // The stake selector: its button opens the list, a click on the second row takes "25 VKS".
    TbsSkinComboBox& stakes = *Form->bsSkinComboBox2;
    const TRect button = stakes.ButtonRect();
    const LPARAM at = MAKELPARAM((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    PostMessageA(stakes.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(stakes.GetHandle(), WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(PumpUntil([&] { return stakes.GetDroppedDown(); }, 2000));
    HWND list = stakes.ListWindow().ListBox().GetHandle();
    RECT row{};
    ASSERT_NE(SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)), LB_ERR);
    const LPARAM onRow = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    SendMessageA(list, WM_MOUSEMOVE, 0, onRow);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, onRow);
    {
        // The press gave the mouse to the selector; the release comes to it,
        // with the pointer over the row.
        TSystemHooksOverride hooks({{}, [&](TPoint) { return list; }, {}});
        POINT p{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        MapWindowPoints(list, stakes.GetHandle(), &p, 1);
        SendMessageA(stakes.GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    ASSERT_TRUE(PumpUntil([&] { return !stakes.GetDroppedDown(); }, 2000));
    EXPECT_EQ(Form->GetStakeIndex(), 1);
    EXPECT_EQ(stakes.GetText(), "25 VKS");

    SendMessageA(Form->bsSkinButton1->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "175") << "the chosen stake was taken";
    Form->Timer1Timer(Form->Timer1);
    EXPECT_EQ(Form->bsSkinRichEdit1->GetText(), "2") << "the first spin lands on the chosen number";
}

TEST_F(TableWindow, TimerMessagesDriveProgressAndDecision) {
    Form->bsSkinComboBox1->SetItemIndex(2);  // "1"
    Form->bsSkinComboBox2->SetItemIndex(3);  // 500 > 200: refused
    SendMessageA(Form->bsSkinButton1->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Form->bsSkinStatusPanel1->GetCaption(), "Bakiye yetersiz");
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "200");
    EXPECT_FALSE(Form->Timer1->IsRunning());

    Form->bsSkinComboBox2->SetItemIndex(1);  // 25
    SendMessageA(Form->bsSkinButton1->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "175");
    for (int i = 0; i < 3; ++i) Form->Timer2Timer(Form->Timer2);
    EXPECT_EQ(Form->bsSkinGauge1->GetValue(), 12);
    Form->Timer1Timer(Form->Timer1);
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "225");
    EXPECT_EQ(Form->bsSkinRichEdit1->GetText(), "1");
    EXPECT_EQ(Form->bsSkinGauge1->GetValue(), 100);
}

TEST_F(TableWindow, BalanceFieldIsReadOnlyAgainstTypingPasteCutAndUndo) {
    HWND edit = Form->bsSkinEdit1->GetHandle();
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) << "created read-only";
    // Something to paste.
    ASSERT_TRUE(OpenClipboard(edit));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 8);
    lstrcpyA(static_cast<char*>(GlobalLock(mem)), "99999");
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();

    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, '7', 0);
    SendMessageA(edit, WM_CHAR, 0x16, 0);  // Ctrl+V as typed
    SendMessageA(edit, WM_CHAR, 0x18, 0);  // Ctrl+X as typed
    SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    SendMessageA(edit, WM_KEYDOWN, VK_BACK, 0);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;  // Shift+Insert pastes
    SetKeyboardState(keys);
    SendMessageA(edit, WM_KEYDOWN, VK_INSERT, 0);
    keys[VK_SHIFT] = shift;
    SetKeyboardState(keys);
    SendMessageA(edit, WM_PASTE, 0, 0);  // what the context menu's Paste sends
    SendMessageA(edit, WM_CLEAR, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("1"));
    SendMessageA(edit, WM_UNDO, 0, 0);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5000"));
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    SendMessageA(edit, WM_CHAR, '8', 0);
    SendMessageA(edit, WM_CUT, 0, 0);  // copies only
    EXPECT_EQ(WindowText(edit), "200");
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY);

    ASSERT_TRUE(OpenClipboard(edit));
    HANDLE data = GetClipboardData(CF_TEXT);
    std::string clip = data ? static_cast<const char*>(GlobalLock(data)) : "";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(clip, "200") << "cut copied the selection without removing it";

    // The round still writes it.
    Form->SetBalanceText("345");
    EXPECT_EQ(WindowText(edit), "345");
}

TEST_F(TableWindow, CloseQueuedDuringTheSpinsPumpLeavesTheWindowWhole) {
    HWND wnd = Form->GetHandle();
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    // The click's handler pumps the queue once and meets the close there.
    SendMessageA(Form->bsSkinButton1->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_EQ(Form->bsSkinEdit1->GetText(), "195");
    EXPECT_EQ(Form->bsSkinStatusPanel1->GetCaption(), "Cekiliyor");
    EXPECT_FALSE(IsWindowEnabled(Form->bsSkinButton1->GetHandle()));
    // The close ended the loop instead: the program destroys the window
    // after the handler has returned.
    EXPECT_TRUE(Application().GetTerminated());
}

TEST_F(TableWindow, LabelsAndPicturePaintOnTheWindow) {
    HWND wnd = Form->GetHandle();
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    TBitmap shot(775, 306);
    TWindowDc dc(wnd);
    BitBlt(shot.Canvas().GetHandle(), 0, 0, 775, 306, dc.Get(), 0, 0, SRCCOPY);
    TPixelBuffer pixels = shot.ToPixels();
    // The picture's own pixels are on the window where the picture is.
    TPixelBuffer picture = Form->Image1->Picture().ToPixels();
    int same = 0;
    for (int y = 0; y < 239; y += 17)
        for (int x = 0; x < 565; x += 23) same += (pixels.At(x, y) & 0xFFFFFF) == (picture.At(x, y) & 0xFFFFFF);
    EXPECT_GT(same, 15 * 25 * 9 / 10);
    // Label5's text darkens some of its pixels on the button-face background.
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::uint32_t facePixel = MakePixel(GetRValue(face), GetGValue(face), GetBValue(face));
    int ink = 0;
    for (int y = 256; y < 269; ++y)
        for (int x = 8; x < 140; ++x) ink += (pixels.At(x, y) & 0xFFFFFF) != facePixel;
    EXPECT_GT(ink, 20);
}

// A ".skn" file: version 3, the package's length, the zlib package.
void WriteSkinFile(const std::string& path, const std::vector<std::uint8_t>& package) {
    const std::int32_t header[2] = {3, std::int32_t(package.size())};
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(header, sizeof header, 1, f);
    std::fwrite(package.data(), 1, package.size(), f);
    std::fclose(f);
}

TEST_F(TableWindow, SkinFileReplacesTheBuiltInSkinOrLeavesItWithAClearReason) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    const std::string good = std::string(dir) + "rdz-good.skn", garbage = std::string(dir) + "rdz-garbage.skn",
                      broken = std::string(dir) + "rdz-broken.skn", missing = std::string(dir) + "rdz-missing.skn";
    TbsCompressedStoredSkin zevrak(nullptr);
    zevrak.LoadFromIniFile(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/Zevrak.ini");
    std::vector<std::uint8_t> file;
    zevrak.SaveToCompressedStream(file);
    FILE* f = std::fopen(good.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
    WriteSkinFile(garbage, {'B', 'M', 1, 2, 3});
    // A sound zlib stream that is not a skin package.
    const char text[] = "this is not a skin package at all";
    uLongf packedSize = compressBound(sizeof text);
    std::vector<std::uint8_t> packed(packedSize);
    ASSERT_EQ(compress2(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(text), sizeof text, 9), Z_OK);
    packed.resize(packedSize);
    WriteSkinFile(broken, packed);
    DeleteFileA(missing.c_str());

    TbsSkinData* manager = Form->bsSkinData1;
    const auto generation = manager->GetSkin().GetGeneration();
    EXPECT_EQ(Form->LoadSkinFile(good), "");
    EXPECT_NE(manager->GetSkin().GetGeneration(), generation) << "the file's skin was loaded";

    for (const std::string& path : {missing, garbage, broken}) {
        SCOPED_TRACE(path);
        const std::string failure = Form->LoadSkinFile(path);
        EXPECT_NE(failure.find(path), std::string::npos) << failure;
        EXPECT_NE(failure.find("built-in skin"), std::string::npos) << failure;
        EXPECT_FALSE(manager->GetEmpty()) << "the window keeps a skin";
        EXPECT_GE(manager->FindSkinControlRecord("button"), 0);
    }
    EXPECT_EQ(Form->bsSkinGauge1->GetHeight(), 19) << "the controls still wear the skin's sizes";
    for (const std::string& path : {good, garbage, broken}) DeleteFileA(path.c_str());
}

// A skin file whose layered border is a full border: the window's own frame
// goes, the caption and its buttons come in the border's top strip, and the
// built-in skin gives the frame back around the same client area.
TEST_F(TableWindow, AFullBorderSkinFileTakesTheFrameIntoTheBorder) {
    RECT client{};
    ::GetClientRect(Form->GetHandle(), &client);
    TbsCompressedStoredSkin patched(nullptr);
    patched.LoadFromIniFile(PatchedSkin("rdz-table-fullborder", FullBorderKeys()));
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + "rdz-fullborder.skn";
    std::vector<std::uint8_t> file;
    patched.SaveToCompressedStream(file);  // a whole skin file, header and all
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
    ASSERT_EQ(Form->LoadSkinFile(path), "");
    DeleteFileA(path.c_str());
    TbsSkinForm* frame = Form->bsSkinForm1;
    EXPECT_TRUE(frame->FullBorderMode());
    ASSERT_TRUE(PumpUntil([&] { return frame->LayerBorder().Shown(); }, 5000));
    RECT window{}, now{};
    GetWindowRect(Form->GetHandle(), &window);
    ::GetClientRect(Form->GetHandle(), &now);
    EXPECT_EQ(now.right, window.right - window.left) << "no frame of its own";
    EXPECT_EQ(now.right, client.right) << "the client area keeps its size";
    EXPECT_EQ(now.bottom, client.bottom);
    ASSERT_NE(frame->FindObject("closebutton"), nullptr);
    const TRect close = frame->FindObject("closebutton")->ObjectRect;
    EXPECT_FALSE(close.IsEmpty());
    EXPECT_LE(close.Bottom, frame->LayerBorder().Piece(lsTop).Height()) << "in the top strip";

    Form->bsSkinData1->LoadCompressedStoredSkin(Form->bsCompressedStoredSkin1);
    EXPECT_FALSE(frame->FullBorderMode());
    ::GetClientRect(Form->GetHandle(), &now);
    GetWindowRect(Form->GetHandle(), &window);
    EXPECT_LT(now.right, window.right - window.left) << "its own frame again";
    EXPECT_EQ(now.right, client.right);
    EXPECT_EQ(now.bottom, client.bottom);
}

}  // namespace

// An idle table window wakes nobody: with the pointer away from it, ten
// seconds pass without a timer message or a paint anywhere in this thread.
namespace {
int gIdleWakeUps = 0;
UINT gIdleLastMessage = 0;

bool IsWakeUp(UINT msg) {
    return msg == WM_TIMER || msg == 0x0118 /* WM_SYSTIMER */ || msg == WM_PAINT ||
           msg == WM_NCPAINT || msg == WM_ERASEBKGND;
}

LRESULT CALLBACK IdleGetMessageHook(int code, WPARAM wp, LPARAM lp) {
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && IsWakeUp(m->message)) {
        ++gIdleWakeUps;
        gIdleLastMessage = m->message;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK IdleCallWndProcHook(int code, WPARAM wp, LPARAM lp) {
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && IsWakeUp(m->message)) {
        ++gIdleWakeUps;
        gIdleLastMessage = m->message;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}
}  // namespace

TEST_F(TableWindow, TenIdleSecondsWithThePointerAwayBringNoTimerOrPaint) {
    TSystemHooksOverride away(TSystemHooks{
        [] { return TPoint{0, 0}; }, [](TPoint) { return HWND{}; }, {}});
    RECT wr{};
    GetWindowRect(Form->GetHandle(), &wr);
    ASSERT_FALSE(wr.left <= 0 && 0 < wr.right && wr.top <= 0 && 0 < wr.bottom);
    SetCursorPos(0, 0);
    PumpFor(1500);  // the first paints and any leave tracking settle

    gIdleWakeUps = 0;
    HHOOK get = SetWindowsHookExA(WH_GETMESSAGE, IdleGetMessageHook, nullptr, GetCurrentThreadId());
    HHOOK call = SetWindowsHookExA(WH_CALLWNDPROC, IdleCallWndProcHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(get, nullptr);
    ASSERT_NE(call, nullptr);
    PumpFor(10000);
    UnhookWindowsHookEx(call);
    UnhookWindowsHookEx(get);
    EXPECT_EQ(gIdleWakeUps, 0) << "last message 0x" << std::hex << gIdleLastMessage;

    // The hooks see what the window does: an invalidation is counted.
    gIdleWakeUps = 0;
    get = SetWindowsHookExA(WH_GETMESSAGE, IdleGetMessageHook, nullptr, GetCurrentThreadId());
    call = SetWindowsHookExA(WH_CALLWNDPROC, IdleCallWndProcHook, nullptr, GetCurrentThreadId());
    InvalidateRect(Form->GetHandle(), nullptr, TRUE);
    PumpFor(200);
    UnhookWindowsHookEx(call);
    UnhookWindowsHookEx(get);
    EXPECT_GT(gIdleWakeUps, 0);
}

// Rounds played one after another through the window's own timers, made
// fast by their intervals, leave the live handle counts where they were
// after the first few rounds.
TEST(TableWindowRounds, RepeatedRoundsLeaveTheHandleCountsFlat) {
    Application().Initialize();
    Application().ResetTerminated();
    auto form = std::make_unique<TForm1>(nullptr);
    form->Show();
    PumpFor(50);
    form->Timer1->SetInterval(1);
    form->Timer2->SetInterval(1);
    HWND button = form->bsSkinButton1->GetHandle();
    auto playRound = [&] {
        form->bsSkinEdit1->SetText("100000");  // the stake never outgrows the balance
        // A whole round may pass within one turn of the loop: the spin
        // count tells that it began.
        const TRouletteRound& round = *form->Round();
        const auto spinsBefore = round.GetSpinCount();
        PostMessageA(button, BM_CLICK, 0, 0);
        return PumpUntil([&] { return round.GetState() == TRoundState::rsSpinning || round.GetSpinCount() != spinsBefore; },
                         2000) &&
               PumpUntil([&] { return round.GetState() == TRoundState::rsIdle && IsWindowEnabled(button); }, 5000);
    };
    auto counts = [] {
        std::vector<long> live;
        for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k)
            live.push_back(LiveHandleCount(static_cast<THandleKind>(k)));
        return live;
    };
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(playRound()) << "warm-up round " << i;
    const std::vector<long> warm = counts();
    for (int i = 0; i < 40; ++i) {
        if (i % 7 == 3) form->bsSkinComboBox1->SetItemIndex(i % 37);
        ASSERT_TRUE(playRound()) << "round " << i;
    }
    EXPECT_EQ(counts(), warm);
    form.reset();
    PumpFor(20);
    Application().ResetTerminated();
}
