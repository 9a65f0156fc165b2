// The skinned combo box on a real window with the built-in skin: the
// drop-down list's height, bar and side, the keys, the wheel and type-ahead
// that never leave the items, Escape restoring the held item, the events,
// the mouse following into the list, what closes the open list (presses
// elsewhere, the form's move, size, deactivation, cancel mode, Tab), the
// timers of the auto-scroll and the show animation driven by hand, the
// drawing from the record, the handles and the layout properties.
#include "skin/controls/SkinComboBox.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/paint/Composition.h"
#include "skin/paint/LayeredApi.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Zevrak's "combobox" record: skin 64,4,121,25 with ends 5 and 19, its
// active look 64,27,121,48, the focused item strip 319,28,353,43 with ends
// 3 and 3, the active button image 64,52,80,69.
constexpr TRect kComboSkin{64, 4, 121, 25};
constexpr TRect kComboActive{64, 27, 121, 48};
constexpr TRect kFocusItem{319, 28, 353, 43};
constexpr TRect kActiveButton{64, 52, 80, 69};
// Zevrak's "listbox" item strips.
constexpr TRect kListItem{261, 4, 315, 23};
constexpr TRect kListActiveItem{261, 26, 315, 45};

std::vector<std::string> NumberItems() {
    std::vector<std::string> items{"0", "00"};
    for (int i = 1; i <= 36; ++i) items.push_back(std::to_string(i));
    return items;
}

const std::vector<std::string> kStakes{"5 VKS", "25 VKS", "100 VKS", "500 VKS"};

LPARAM At(int x, int y) { return MAKELPARAM(WORD(short(x)), WORD(short(y))); }

class SkinComboBox : public TSkinControlFixture {
protected:
    TbsSkinComboBox* AddCombo(const std::vector<std::string>& items, int width = 65, bool bound = true) {
        auto* combo = new TbsSkinComboBox(Form.get());
        combo->SetParent(Form.get());
        combo->SetBounds(20, 20, width, 20);
        if (bound) combo->SetSkinData(Manager);
        combo->SetItems(items);
        if (!items.empty()) combo->SetItemIndex(0);
        combo->SetOnChange([this](TComponent*) { ++Changes; });
        combo->SetOnClick([this](TComponent*) { ++Clicks; });
        Changes = Clicks = 0;
        return combo;
    }
    static void Key(TbsSkinComboBox& combo, WORD key, bool alt = false) {
        SendMessageA(combo.GetHandle(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? LPARAM(1) << 29 : 0);
    }
    static void Char(TbsSkinComboBox& combo, char ch) { SendMessageA(combo.GetHandle(), WM_CHAR, WPARAM(ch), 0); }
    static void Wheel(TbsSkinComboBox& combo, int delta) {
        SendMessageA(combo.GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(delta))), 0);
    }
    // A point of row `row` of the open list, in the combo's client coordinates.
    static TPoint RowPoint(TbsSkinComboBox& combo, int row) {
        TbsListBox& list = combo.ListWindow().ListBox();
        RECT r{};
        GetWindowRect(list.GetHandle(), &r);
        POINT p{r.left + 5, r.top + row * list.GetItemHeight() + list.GetItemHeight() / 2};
        ScreenToClient(combo.GetHandle(), &p);
        return Point(p.x, p.y);
    }
    // Posts a press as a click comes, and handles the queue until it is taken.
    static bool Delivered(HWND wnd, UINT msg, WPARAM wParam, LPARAM at) {
        PostMessageA(wnd, msg, wParam, at);
        return PumpUntil([] { return HIWORD(GetQueueStatus(QS_POSTMESSAGE)) == 0; }, 2000);
    }
    static TSystemHooks PointerOver(HWND under) {
        TSystemHooks hooks;
        hooks.WindowAt = [under](TPoint) { return under; };
        return hooks;
    }

    int Changes = 0;
    int Clicks = 0;
};

TEST_F(SkinComboBox, TakesTheSkinHeightAndPlacesButtonAndTextByWidth) {
    LoadZevrak();
    auto* number = AddCombo(NumberItems(), 65);
    auto* stake = AddCombo(kStakes, 73);
    EXPECT_EQ(number->GetHeight(), 21);
    EXPECT_EQ(number->ButtonRect(), Rect(47, 2, 63, 19));
    EXPECT_EQ(number->TextRect(), Rect(3, 3, 46, 18));
    EXPECT_EQ(stake->ButtonRect(), Rect(55, 2, 71, 19));
    EXPECT_EQ(stake->TextRect(), Rect(3, 3, 54, 18));
    EXPECT_EQ(number->GetText(), "0");
    auto* plain = AddCombo(kStakes, 120, false);
    EXPECT_EQ(plain->GetHeight(), 20);
    EXPECT_EQ(plain->ButtonRect(), Rect(101, 2, 118, 18));
}

TEST_F(SkinComboBox, ListOfThirtyEightShowsEightRowsWithABarAndFourWithout) {
    LoadZevrak();
    auto* number = AddCombo(NumberItems());
    number->DropDown();
    ASSERT_TRUE(number->GetDroppedDown());
    TbsPopupListBox& list = number->ListWindow();
    EXPECT_TRUE(list.IsShown());
    EXPECT_EQ(list.GetHeight(), 158);
    EXPECT_EQ(list.GetWidth(), 65);
    EXPECT_EQ(list.ListBox().GetItemHeight(), 19);
    ASSERT_NE(list.VScrollBar(), nullptr);
    EXPECT_EQ(list.VScrollBar()->GetSkinRecordIndex() != -1, true);
    EXPECT_EQ(list.VScrollBar()->GetMax(), 37);
    EXPECT_EQ(list.VScrollBar()->GetPageSize(), 8);
    EXPECT_EQ(list.ListBox().VisibleRows(), 8);
    // The bar scrolls the rows and follows them.
    list.VScrollBar()->SetPosition(12);
    EXPECT_EQ(list.ListBox().GetTopIndex(), 12);
    list.ListBox().SetTopIndex(3);
    EXPECT_EQ(list.VScrollBar()->GetPosition(), 3);
    number->CloseUp(false);
    EXPECT_FALSE(list.IsShown());

    auto* stake = AddCombo(kStakes, 73);
    stake->DropDown();
    EXPECT_EQ(stake->ListWindow().GetHeight(), 82);
    EXPECT_EQ(stake->ListWindow().VScrollBar(), nullptr);
    EXPECT_EQ(stake->ListWindow().ListBox().GetWidth(), 73 - 6);  // the frame's 3 on each side
    stake->CloseUp(false);
}

TEST_F(SkinComboBox, ListOpensUpwardsNearTheBottomOfTheWorkArea) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    const TRect work = GetMonitorWorkArea(Form->GetHandle(), true);
    RECT formRect{};
    GetWindowRect(Form->GetHandle(), &formRect);
    SetWindowPos(Form->GetHandle(), nullptr, formRect.left, work.Bottom - 80, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT comboRect{};
    GetWindowRect(combo->GetHandle(), &comboRect);
    ASSERT_GT(comboRect.bottom + 158, work.Bottom);
    combo->DropDown();
    RECT listRect{};
    GetWindowRect(combo->ListWindow().GetHandle(), &listRect);
    EXPECT_EQ(listRect.bottom, comboRect.top);
    EXPECT_EQ(listRect.top, comboRect.top - 158);
    combo->CloseUp(false);

    SetWindowPos(Form->GetHandle(), nullptr, formRect.left, work.Top + 10, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(combo->GetHandle(), &comboRect);
    combo->DropDown();
    GetWindowRect(combo->ListWindow().GetHandle(), &listRect);
    EXPECT_EQ(listRect.top, comboRect.bottom);
    EXPECT_EQ(listRect.left, comboRect.left);
    combo->CloseUp(false);
}

TEST_F(SkinComboBox, EscapeRestoresTheItemHeldAtOpeningWithoutEvents) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    combo->SetItemIndex(5);
    Changes = Clicks = 0;
    Key(*combo, VK_DOWN, true);  // Alt+Down opens
    ASSERT_TRUE(combo->GetDroppedDown());
    Key(*combo, VK_DOWN);
    Key(*combo, VK_DOWN);
    Key(*combo, VK_NEXT);
    EXPECT_EQ(combo->GetItemIndex(), 14);  // the list's selection moves
    EXPECT_EQ(combo->ShownIndex(), 5);     // the box still shows the held one
    EXPECT_EQ(combo->GetText(), "4");
    Key(*combo, VK_ESCAPE);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 5);
    EXPECT_EQ(combo->GetText(), "4");
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(Clicks, 0);

    // Enter accepts what the keys chose: one change, one click.
    Key(*combo, VK_F4);
    Key(*combo, VK_UP);
    Key(*combo, VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 4);
    EXPECT_EQ(combo->GetText(), "3");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(SkinComboBox, PagesMoveNineUpAndSevenDownAndArrowsStopAtTheEnds) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    combo->SetItemIndex(20);
    Changes = Clicks = 0;
    Key(*combo, VK_PRIOR);
    EXPECT_EQ(combo->GetItemIndex(), 11);
    combo->SetItemIndex(20);
    Key(*combo, VK_NEXT);
    EXPECT_EQ(combo->GetItemIndex(), 27);
    EXPECT_EQ(combo->GetText(), "26");
    EXPECT_EQ(Changes, 3);
    EXPECT_EQ(Clicks, 3);

    Key(*combo, VK_HOME);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    Key(*combo, VK_UP);
    Key(*combo, VK_PRIOR);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    Key(*combo, VK_END);
    Key(*combo, VK_DOWN);
    Key(*combo, VK_RIGHT);
    Key(*combo, VK_NEXT);
    EXPECT_EQ(combo->GetItemIndex(), 37);
    EXPECT_EQ(combo->GetText(), "36");
    Key(*combo, VK_LEFT);
    EXPECT_EQ(combo->GetItemIndex(), 36);
}

TEST_F(SkinComboBox, TypeAheadSearchesAfterTheItemOrCollectsQuickCharacters) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    DWORD now = 10000;
    TSystemHooks clock;
    clock.TickCount = [&now] { return now; };
    TSystemHooksOverride hooks(clock);
    Char(*combo, '3');
    EXPECT_EQ(combo->GetText(), "3");
    now += 501;
    Char(*combo, '3');
    EXPECT_EQ(combo->GetText(), "30");
    now += 2000;
    Char(*combo, '3');
    now += 100;
    Char(*combo, '4');
    EXPECT_EQ(combo->GetText(), "34");
    now += 100;
    Char(*combo, '9');  // "349" finds nothing: the selection stays
    EXPECT_EQ(combo->GetText(), "34");
    EXPECT_EQ(combo->GetItemIndex(), 35);

    combo->SetAutoComplete(false);
    Char(*combo, '1');
    now += 10;
    Char(*combo, '1');  // each character alone: "1" after "1", then "10"
    EXPECT_EQ(combo->GetText(), "10");
}

TEST_F(SkinComboBox, EmptyListNeverDropsDown) {
    LoadZevrak();
    auto* combo = AddCombo({});
    int dropped = 0;
    combo->SetOnDropDown([&](TComponent*) { ++dropped; });
    combo->DropDown();
    Key(*combo, VK_DOWN, true);
    Key(*combo, VK_F4);
    SendMessageA(combo->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, At(50, 10));
    SendMessageA(combo->GetHandle(), WM_LBUTTONUP, 0, At(50, 10));
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(combo->ListWindow().IsShown());
    EXPECT_EQ(dropped, 0);
    Key(*combo, VK_DOWN);
    Wheel(*combo, -120);
    Char(*combo, '1');
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(Changes + Clicks, 0);
}

TEST_F(SkinComboBox, SameItemIndexAgainClicksButDoesNotChange) {
    LoadZevrak();
    auto* combo = AddCombo(kStakes, 73);
    combo->SetItemIndex(2);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Clicks, 1);
    combo->SetItemIndex(2);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Clicks, 2);
    EXPECT_EQ(combo->GetText(), "100 VKS");
}

TEST_F(SkinComboBox, WheelNeverLeavesTheItemsAndZeroDoesNothing) {
    LoadZevrak();
    auto* combo = AddCombo(kStakes, 73);
    for (int i = 0; i < 6; ++i) Wheel(*combo, -120);  // towards the user: next
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(Changes, 3);
    Wheel(*combo, 0);
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(Changes, 3);
    EXPECT_EQ(Clicks, 3);
    for (int i = 0; i < 6; ++i) Wheel(*combo, 120);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->GetText(), "5 VKS");

    // With the list open only the list's selection moves.
    combo->DropDown();
    Changes = Clicks = 0;
    Wheel(*combo, -120);
    Wheel(*combo, -120);
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 2);
    EXPECT_EQ(Changes + Clicks, 0);
    combo->CloseUp(true);
    EXPECT_EQ(combo->GetText(), "100 VKS");
}

TEST_F(SkinComboBox, PressDragIntoTheListAndReleaseOverItAccepts) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    HWND wnd = combo->GetHandle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 10));  // on the button
    ASSERT_TRUE(combo->GetDroppedDown());
    EXPECT_TRUE(combo->IsMouseTracking());
    EXPECT_TRUE(combo->IsButtonPressed());
    const TPoint row3 = RowPoint(*combo, 3);
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(row3.X, row3.Y));
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 3);
    EXPECT_EQ(Changes, 0);
    {
        TSystemHooksOverride hooks(PointerOver(combo->ListWindow().ListBox().GetHandle()));
        SendMessageA(wnd, WM_LBUTTONUP, 0, At(row3.X, row3.Y));
    }
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(combo->IsButtonPressed());
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(combo->GetText(), "2");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(SkinComboBox, ReleaseAwayFromTheListAfterVisitingItRestores) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    HWND wnd = combo->GetHandle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));  // the text area opens it too
    ASSERT_TRUE(combo->GetDroppedDown());
    const TPoint row5 = RowPoint(*combo, 5);
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(row5.X, row5.Y));
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 5);
    {
        TSystemHooksOverride hooks(PointerOver(Form->GetHandle()));
        SendMessageA(wnd, WM_LBUTTONUP, 0, At(row5.X + 200, row5.Y));
    }
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(Changes + Clicks, 0);
}

TEST_F(SkinComboBox, ReleaseWithoutEnteringLeavesItOpenAndAClickOnARowAccepts) {
    LoadZevrak();
    auto* combo = AddCombo(kStakes, 73);
    HWND wnd = combo->GetHandle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 10));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(60, 10));
    ASSERT_TRUE(combo->GetDroppedDown());
    EXPECT_FALSE(combo->IsMouseTracking());

    TbsListBox& list = combo->ListWindow().ListBox();
    HWND native = list.GetHandle();
    const int rowY = 2 * list.GetItemHeight() + 3;
    SendMessageA(native, WM_MOUSEMOVE, 0, At(10, rowY));  // hover selects
    EXPECT_EQ(list.GetItemIndex(), 2);
    EXPECT_EQ(SendMessageA(native, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    SendMessageA(native, WM_LBUTTONDOWN, MK_LBUTTON, At(10, rowY));
    EXPECT_TRUE(combo->IsMouseTracking());
    EXPECT_EQ(GetCapture(), wnd);
    {
        TSystemHooksOverride hooks(PointerOver(native));
        const TPoint p = RowPoint(*combo, 2);
        SendMessageA(wnd, WM_LBUTTONUP, 0, At(p.X, p.Y));
    }
    EXPECT_NE(GetCapture(), wnd);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetText(), "100 VKS");
    EXPECT_EQ(Clicks, 1);
}

TEST_F(SkinComboBox, AutoScrollRunsByTimerPastTheListsEnds) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    combo->SetItemIndex(10);
    HWND wnd = combo->GetHandle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 10));
    const TPoint first = RowPoint(*combo, 0);
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(first.X, first.Y));
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 10);  // the list opened with 10 at the top
    const TPoint past = RowPoint(*combo, 8);             // just below the rows: below the list's last row
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(past.X, past.Y + 10));
    EXPECT_EQ(combo->AutoScrolling(), 2);
    EXPECT_TRUE(combo->TimerRunning(tidComboAutoScroll));
    SendMessageA(wnd, WM_TIMER, tidComboAutoScroll, 0);
    SendMessageA(wnd, WM_TIMER, tidComboAutoScroll, 0);
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 12);
    SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(first.X, first.Y - 40));  // above
    EXPECT_EQ(combo->AutoScrolling(), 1);
    for (int i = 0; i < 20; ++i) SendMessageA(wnd, WM_TIMER, tidComboAutoScroll, 0);
    EXPECT_EQ(combo->ListWindow().GetItemIndex(), 0);  // stops at the first
    EXPECT_FALSE(combo->TimerRunning(tidComboAutoScroll));
    {
        TSystemHooksOverride hooks(PointerOver(Form->GetHandle()));
        SendMessageA(wnd, WM_LBUTTONUP, 0, At(first.X, first.Y - 40));
    }
    EXPECT_EQ(combo->GetItemIndex(), 10);
}

TEST_F(SkinComboBox, FocusLossAndCancelModeCloseWithoutAccepting) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    auto* other = AddCombo(kStakes, 73);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    combo->SetFocus();
    ASSERT_TRUE(combo->Focused());
    combo->DropDown();
    Key(*combo, VK_DOWN);
    other->SetFocus();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 0);

    combo->DropDown();
    Key(*combo, VK_DOWN);
    SendMessageA(combo->GetHandle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(Changes, 0);
}

// A press outside the list and the combo closes the list, as the system's
// combo box does: on the form's background (where the table picture and the
// labels draw), on its caption, on another window of the program. Presses
// come through the queue as a click does; one on the list stays inside.
TEST_F(SkinComboBox, PressOutsideTheListAndTheComboClosesItWithoutAccepting) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    combo->SetFocus();
    TForm elsewhere(nullptr);
    elsewhere.HandleNeeded();
    RECT caption{};
    GetWindowRect(Form->GetHandle(), &caption);
    struct TPress {
        const char* Where;
        HWND Wnd;
        UINT Msg;
        WPARAM WParam;
        LPARAM At;
    };
    const TPress presses[] = {
        {"the form's background", Form->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, At(250, 150)},
        {"the form's background, right button", Form->GetHandle(), WM_RBUTTONDOWN, MK_RBUTTON, At(250, 150)},
        // (The middle button: the system's handling of the others waits for the release.)
        {"the caption", Form->GetHandle(), WM_NCMBUTTONDOWN, HTCAPTION, At(caption.left + 60, caption.top + 5)},
        {"another window", elsewhere.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)},
    };
    for (const TPress& press : presses) {
        combo->DropDown();
        ASSERT_TRUE(combo->GetDroppedDown());
        Key(*combo, VK_DOWN);
        // Presses on the list's own windows leave it open.
        ASSERT_TRUE(Delivered(combo->ListWindow().GetHandle(), WM_RBUTTONDOWN, MK_RBUTTON, At(1, 1)));
        EXPECT_TRUE(combo->GetDroppedDown()) << "a press on the list's frame";
        ASSERT_TRUE(Delivered(press.Wnd, press.Msg, press.WParam, press.At));
        EXPECT_FALSE(combo->GetDroppedDown()) << press.Where;
        EXPECT_FALSE(combo->ListWindow().IsShown()) << press.Where;
        EXPECT_EQ(combo->GetItemIndex(), 0) << press.Where << ": closed without accepting";
    }
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(combo->Focused()) << "a press that takes no focus leaves it where it was";
}

// The form's move, size, deactivation and cancel mode close the open list
// without accepting; the list is never topmost over other programs.
TEST_F(SkinComboBox, FormMoveSizeDeactivationAndCancelModeCloseTheList) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    Form->Show();
    HWND form = Form->GetHandle();
    struct TWay {
        const char* Name;
        std::function<void()> Do;
    };
    const TWay ways[] = {
        {"move", [form] { SetWindowPos(form, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"size", [form] { SetWindowPos(form, nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"deactivation", [form] { SendMessageA(form, WM_ACTIVATE, WA_INACTIVE, 0); }},
        {"cancel mode", [form] { SendMessageA(form, WM_CANCELMODE, 0, 0); }},
    };
    for (const TWay& way : ways) {
        combo->DropDown();
        ASSERT_TRUE(combo->GetDroppedDown());
        EXPECT_EQ(GetWindowLongPtrA(combo->ListWindow().GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        Key(*combo, VK_DOWN);
        way.Do();
        EXPECT_FALSE(combo->GetDroppedDown()) << way.Name;
        EXPECT_FALSE(combo->ListWindow().IsShown()) << way.Name;
        EXPECT_EQ(combo->GetItemIndex(), 0) << way.Name;
    }
    EXPECT_EQ(Changes, 0);
    // Closed, the list no longer watches: moving the form again is only a move.
    combo->DropDown();
    combo->CloseUp(true);
    Changes = Clicks = 0;
    SetWindowPos(form, nullptr, 60, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Changes + Clicks, 0);
}

// Tab with the list open is the form's: the focus moves on, and losing it
// closes the list without accepting. Enter still belongs to the open list.
TEST_F(SkinComboBox, TabWithTheListOpenClosesItAndMovesTheFocusOn) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems());
    auto* next = AddCombo(kStakes, 73);
    next->SetBounds(120, 20, 73, 20);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    combo->SetFocus();
    combo->DropDown();
    Key(*combo, VK_DOWN);
    MSG enter{combo->GetHandle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(Form->HandleDialogMessage(enter)) << "Enter goes to the open list";
    MSG tab{combo->GetHandle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(Form->HandleDialogMessage(tab));
    EXPECT_TRUE(next->Focused()) << "Tab moved the focus on";
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(combo->ListWindow().IsShown());
    EXPECT_EQ(combo->GetItemIndex(), 0);
}

TEST_F(SkinComboBox, ShowAnimationRisesByTimerWithoutPumping) {
    if (!LayeredWindowsAvailable()) GTEST_SKIP() << "no layered windows";
    LoadZevrak();
    auto* combo = AddCombo(kStakes, 73);
    combo->SetAlphaBlend(true);
    combo->SetAlphaBlendValue(150);
    combo->SetAlphaBlendAnimation(true);
    combo->DropDown();
    TbsPopupListBox& list = combo->ListWindow();
    EXPECT_EQ(list.CurrentAlpha(), 0);
    EXPECT_TRUE(list.Animating());
    EXPECT_NE(GetWindowLongPtrA(list.GetHandle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    for (int i = 1; i <= 15; ++i) {
        SendMessageA(list.GetHandle(), WM_TIMER, tidComboShowAnimation, 0);
        EXPECT_EQ(list.CurrentAlpha(), 10 * i);
    }
    EXPECT_FALSE(list.Animating());
    combo->CloseUp(false);

    // Closing mid-way stops the animation; opening opaque drops the layering.
    combo->DropDown();
    combo->CloseUp(false);
    EXPECT_FALSE(list.Animating());
    combo->SetAlphaBlend(false);
    combo->DropDown();
    EXPECT_EQ(GetWindowLongPtrA(list.GetHandle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(list.CurrentAlpha(), 255);
    combo->CloseUp(false);
}

TEST_F(SkinComboBox, ClosedBoxIsTheCompositionOfItsRecord) {
    LoadZevrak();
    auto* combo = AddCombo({}, 65);
    TbsBitmap got;
    Print(*combo, got);
    TbsBitmap want;
    CreateHSkinImage(5, 57 - 38, want, true, 65, kComboSkin, Picture);
    ASSERT_EQ(want.Width(), 65);
    ExpectPixels(got, [&](int x, int y) { return *want.PixelPtr(x, y); }, TestName() + ".closed");

    // Hovered over the button: the active look with the active button image.
    SendMessageA(combo->GetHandle(), WM_MOUSEMOVE, 0, At(55, 10));
    ASSERT_TRUE(combo->IsMouseInButton());
    Print(*combo, got);
    CreateHSkinImage(5, 57 - 38, want, true, 65, kComboActive, Picture);
    Picture.Draw(want.DC(), Rect(47, 2, 63, 19), kActiveButton);
    GdiFlush();
    ExpectPixels(got, [&](int x, int y) { return *want.PixelPtr(x, y); }, TestName() + ".hovered");
}

TEST_F(SkinComboBox, FocusedItemSitsOnTheFocusStripInWhite) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems(), 65);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    combo->SetFocus();
    ASSERT_TRUE(combo->Focused());
    TbsBitmap got;
    Print(*combo, got);
    TbsBitmap strip;
    CreateHSkinImage(3, 3, strip, true, 43, kFocusItem, Picture);
    ASSERT_EQ(strip.Height(), 15);
    // The strip left of the text (text starts 2 pixels into the text rectangle at 3).
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Rgb(*got.PixelPtr(3 + x, 3 + y)), Rgb(*strip.PixelPtr(x, y))) << x << ", " << y;
    // The item's text is white somewhere in the text rectangle.
    int white = 0;
    for (int y = 3; y < 18; ++y)
        for (int x = 8; x < 40; ++x) white += Rgb(*got.PixelPtr(x, y)) == 0xFFFFFF;
    EXPECT_GT(white, 3);
}

TEST_F(SkinComboBox, DrawItemEventsReplaceTheTextOverTheRecordsBackground) {
    LoadZevrak();
    auto* combo = AddCombo(NumberItems(), 65);
    combo->SetItemIndex(7);
    int shown = -2;
    TRect shownRect;
    combo->SetOnComboBoxDrawItem([&](TComponent*, TCanvas& canvas, int index, const TRect& rect) {
        shown = index;
        shownRect = rect;
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Top + 1));
    });
    TbsBitmap got;
    Print(*combo, got);
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(shownRect, Rect(3, 0, 40, 15));  // "itemtextrect" widened by 43 - 35
    EXPECT_EQ(Rgb(*got.PixelPtr(3 + 3, 3)), Rgb(MakePixel(255, 0, 0)));
    // Nothing else: no text over the background the box composed.
    TbsBitmap want;
    CreateHSkinImage(5, 57 - 38, want, true, 65, kComboSkin, Picture);
    ExpectPixels(
        got, [&](int x, int y) { return x == 6 && y == 3 ? *got.PixelPtr(x, y) : *want.PixelPtr(x, y); },
        TestName());
}

TEST_F(SkinComboBox, ListFrameAndRowsAreTheCompositionsOfTheListRecord) {
    LoadZevrak();
    auto* combo = AddCombo({"", "", "", ""}, 73);
    combo->DropDown();
    TbsPopupListBox& list = combo->ListWindow();
    TbsBitmap got;
    Print(list, got);
    TbsBitmap want;
    const TbsSkinControlGeometry& skin = list.SkinGeometry();
    int w = list.GetWidth(), h = list.GetHeight();
    TbsSkinSizedGeometry sized;
    CalcSkinSize(skin, w, h, sized);
    CreateSkinImage(SkinImageParamsOf(skin, sized, w, h), Picture, want);
    const TRect client = sized.DstClient;
    ExpectPixels(
        got,
        [&](int x, int y) {
            return PtInRect(client, Point(x, y)) ? *got.PixelPtr(x, y) : *want.PixelPtr(x, y);
        },
        TestName() + ".frame");

    // Rows: plain "itemrect" tiled between its ends, the selected one "activeitemrect".
    TbsBitmap row;
    for (auto [state, source] : {std::pair{TbsListItemState::Normal, kListItem},
                                 std::pair{TbsListItemState::Selected, kListActiveItem}}) {
        FillCanvas(row, 67, 19);
        list.PaintItem(row.DC(), Rect(0, 0, 67, 19), 0, state);
        GdiFlush();
        CreateHSkinImage(4, 4, want, false, 67, source, Picture);
        ExpectPixels(row, [&](int x, int y) { return *want.PixelPtr(x, y); }, TestName() + ".row");
    }
    combo->CloseUp(false);
}

TEST_F(SkinComboBox, SkinChangeReachesTheListAndNothingLeaks) {
    LoadZevrak();
    {
        // The skin's picture is converted once and kept with the manager.
        TbsBitmap warm;
        Print(*AddCombo({}, 65), warm);
    }
    const long windows = LiveHandleCount(THandleKind::Window), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc), timers = LiveHandleCount(THandleKind::Timer),
               fonts = LiveHandleCount(THandleKind::Font);
    {
        std::unique_ptr<TbsSkinComboBox> combo(new TbsSkinComboBox(nullptr));
        combo->SetParent(Form.get());
        combo->SetSkinData(Manager);
        combo->SetItems(NumberItems());
        combo->SetItemIndex(0);
        combo->SetAlphaBlend(true);
        combo->SetAlphaBlendValue(200);
        combo->SetAlphaBlendAnimation(true);
        combo->DropDown();
        TbsBitmap got;
        Print(*combo, got);
        Print(combo->ListWindow(), got);
        combo->CloseUp(false);
        // Between the manager's two messages the list draws plainly; after
        // them it is bound again.
        combo->PrepareSkinChange();
        EXPECT_EQ(combo->ListWindow().GetSkinRecordIndex(), -1);
        combo->ApplySkinChange();
        EXPECT_NE(combo->ListWindow().GetSkinRecordIndex(), -1);
        EXPECT_EQ(combo->ListWindow().GetSkinDataName(), "listbox");
        combo->DropDown();
        combo->CloseUp(true);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), windows);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), timers);
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
}

TEST_F(SkinComboBox, LayoutPropertiesLoadTheSelectors) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinComboBox");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    for (const char* name :
         {"SkinData", "SkinDataName", "Style", "Items", "ItemIndex", "DropDownCount", "Sorted", "AutoComplete",
          "HideSelection", "CharCase", "DefaultColor", "ToolButtonStyle", "AlphaBlend", "AlphaBlendValue",
          "ListBoxCaptionMode", "ListBoxDefaultItemHeight", "ListBoxUseSkinFont", "ListBoxUseSkinItemHeight",
          "ListBoxWidth", "ListBoxCaptionAlignment", "ListBoxDefaultFont.Name", "ListBoxDefaultCaptionFont.Height",
          "DefaultFont.Name", "UseSkinFont", "UseSkinSize", "OnChange", "OnClick", "TabOrder"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;

    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* fresh = dynamic_cast<TbsSkinComboBox*>(made.get());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetSkinDataName(), "combobox");
    EXPECT_EQ(fresh->GetStyle(), bscbFixedStyle);
    EXPECT_EQ(fresh->GetItemIndex(), -1);
    EXPECT_EQ(fresh->GetDropDownCount(), 8);
    EXPECT_EQ(fresh->GetWidth(), 120);
    EXPECT_TRUE(fresh->GetTabStop());

    LoadZevrak();
    auto* combo = new TbsSkinComboBox(Form.get());
    combo->SetParent(Form.get());
    int clicks = 0;
    combo->SetOnClick([&](TComponent*) { ++clicks; });
    combo->BeginLoading();
    auto set = [&](const char* name, TLayoutValue v) { info->FindProperty(name)->SetValue(*combo, v); };
    set("Left", TLayoutValue::OfInteger(144));
    set("Top", TLayoutValue::OfInteger(253));
    set("Width", TLayoutValue::OfInteger(65));
    set("Height", TLayoutValue::OfInteger(20));
    set("Style", TLayoutValue::OfIdent("bscbFixedStyle"));
    set("DropDownCount", TLayoutValue::OfInteger(8));
    set("Items", TLayoutValue::OfList(NumberItems()));
    set("ItemIndex", TLayoutValue::OfInteger(0));
    set("ListBoxDefaultItemHeight", TLayoutValue::OfInteger(20));
    set("ListBoxUseSkinItemHeight", TLayoutValue::OfBool(true));
    set("CharCase", TLayoutValue::OfIdent("ecNormal"));
    set("ListBoxCaptionAlignment", TLayoutValue::OfIdent("taLeftJustify"));
    info->FindProperty("SkinData")->SetReference(*combo, Manager);
    combo->Loaded();
    EXPECT_EQ(clicks, 0) << "no click while loading";
    EXPECT_EQ(combo->GetHeight(), 21);
    EXPECT_EQ(combo->GetItemCount(), 38);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->GetText(), "0");
    combo->DropDown();
    EXPECT_EQ(combo->ListWindow().GetHeight(), 158);
    combo->CloseUp(false);
}

TEST_F(SkinComboBox, EditStyleTypesIntoTheEditAndSearchesTheList) {
    LoadZevrak();
    auto* combo = AddCombo(kStakes, 100);
    combo->SetStyle(bscbEditStyle);
    ASSERT_NE(combo->Edit(), nullptr);
    combo->Edit()->HandleNeeded();
    EXPECT_EQ(combo->Edit()->GetParent(), combo);
    EXPECT_EQ(combo->Edit()->GetText(), "5 VKS");
    combo->Edit()->SetText("10");
    EXPECT_EQ(combo->GetText(), "10");
    EXPECT_EQ(combo->GetItemIndex(), 2);  // "100 VKS" found
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->Edit()->GetText(), "500 VKS");
    // Typing: the native edit's change notification.
    SendMessageA(combo->Edit()->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));
    SendMessageA(combo->GetHandle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Edit()->GetHandle()), EN_CHANGE),
                 reinterpret_cast<LPARAM>(combo->Edit()->GetHandle()));
    EXPECT_EQ(combo->GetText(), "2");
    EXPECT_EQ(combo->GetItemIndex(), 1);  // "25 VKS"
    combo->SetStyle(bscbFixedStyle);
    EXPECT_EQ(combo->Edit(), nullptr);
}

}  // namespace
