// The skinned popup menu on a skinned test form with the built-in skin: the
// system menu the frame builds, opening on the caption, keys and pointer
// (the pointer, the clock and the timers are driven by the test), the open
// delay of a sub-menu, commands that run after the menu has gone, what
// closes an open menu, and handle counts over many openings.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/ImageList.h"
#include "platform/portable/ShortCuts.h"
#include "platform/portable/TimerIds.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

class SkinMenu : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetText("Menu test");
        Form->SetClientWidth(775);
        Form->SetClientHeight(306);
        Frame = new TbsSkinForm(Form.get());  // the form owns it
        Frame->SetBorderIcons(bsbiSystemMenu | bsbiMinimize | bsbiRollUp);
        LoadZevrak();
        Frame->SetSkinData(Manager);
        SetWindowPos(Wnd(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(Wnd(), SW_SHOWNORMAL);
        Hooks = std::make_unique<TSystemHooksOverride>(TSystemHooks{[this] { return Pointer; }, nullptr,
                                                                    [this] { return Clock; }});
    }
    void TearDown() override {
        Hooks.reset();
        TSkinControlFixture::TearDown();
    }
    HWND Wnd() const { return Form->GetHandle(); }
    TbsSkinMenu& Menu() const { return Frame->SkinMenu(); }
    // A key as the application's loop delivers it to the focused window.
    void Key(WORD key) {
        MSG msg{};
        msg.hwnd = Wnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        bool handled = false;
        if (Application().OnMessage) Application().OnMessage(msg, handled);
        EXPECT_TRUE(handled) << "the open menu takes the key " << key;
    }
    // A key as the system queues it for the focused window: the
    // application's own message step takes it from there.
    void PostKey(UINT msg, WORD key) {
        LPARAM lParam = 1 | LPARAM(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
        if (msg == WM_SYSKEYDOWN) lParam |= LPARAM(1) << 29;  // Alt held
        PostMessageA(Wnd(), msg, key, lParam);
    }
    std::vector<std::string> Captions(int level) const {
        std::vector<std::string> out;
        TbsSkinPopupWindow& w = Menu().Window(level);
        for (int i = 0; i < w.EntryCount(); ++i) out.push_back(w.Entry(i).MenuItem->GetName());
        return out;
    }
    // Points the injected pointer at an entry's centre and lets the poll see it.
    void PointAt(TbsSkinPopupWindow& w, int entry) {
        RECT rc{};
        GetWindowRect(w.WindowHandle(), &rc);
        const TRect& r = w.Entry(entry).ObjectRect;
        Pointer = TPoint{rc.left + (r.Left + r.Right) / 2, rc.top + (r.Top + r.Bottom) / 2};
        w.HoverAt(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }

    TbsSkinForm* Frame = nullptr;  // owned by Form
    TPoint Pointer{5, 5};
    DWORD Clock = 1000;
    std::unique_ptr<TSystemHooksOverride> Hooks;
};

TEST_F(SkinMenu, SystemMenuOfTheTableWindowHasNoMaximizeAndOpensWithTheFirstItemSelected) {
    Frame->ShowSystemMenu(TPoint{300, 100});
    ASSERT_TRUE(Menu().GetMenuOpen());
    ASSERT_EQ(Menu().WindowCount(), 1);
    EXPECT_EQ(Captions(0), (std::vector<std::string>{"BSF_MINITEM", "BSF_ROLLUP", "-", "BSF_CLOSE"}));
    TbsSkinPopupWindow& w = Menu().Window(0);
    EXPECT_EQ(w.SelectedEntry(), 0);
    EXPECT_TRUE(w.Skinned()) << "drawn from the skin's popup frame";
    EXPECT_TRUE(w.EntriesSkinned());
    EXPECT_EQ(w.Entry(3).MenuItem->ShortCutText(), "Alt+F4");
    RECT rc{};
    GetWindowRect(w.WindowHandle(), &rc);
    EXPECT_EQ(rc.left, 300);
    EXPECT_EQ(rc.top, 100) << "opens below the point";
    EXPECT_TRUE(GetWindowLongPtrA(w.WindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(w.WindowHandle()));
    // Down skips the separator; Up from the first wraps to Close.
    Key(VK_DOWN);
    EXPECT_EQ(w.SelectedEntry(), 1);
    Key(VK_DOWN);
    EXPECT_EQ(w.SelectedEntry(), 3);
    Key(VK_DOWN);
    EXPECT_EQ(w.SelectedEntry(), 0);
    Key(VK_UP);
    EXPECT_EQ(w.SelectedEntry(), 3);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menu().GetMenuOpen());
    EXPECT_FALSE(Application().OnMessage) << "the key filter goes with the menu";
}

TEST_F(SkinMenu, RollUpFromTheMenuRunsAfterTheMenuHasGoneAndRestoreReplacesIt) {
    Frame->ShowSystemMenu(TPoint{300, 100});
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(Menu().GetMenuOpen()) << "closed first";
    EXPECT_FALSE(Frame->GetRolledUp()) << "the command waits for the handler to return";
    ASSERT_TRUE(PumpUntil([this] { return Frame->GetRolledUp(); }, 2000));
    RECT rc{};
    GetWindowRect(Wnd(), &rc);
    EXPECT_EQ(rc.bottom - rc.top, 27) << "rolled up to the caption";
    Frame->ShowSystemMenu(TPoint{300, 100});
    EXPECT_EQ(Captions(0), (std::vector<std::string>{"BSF_MINITEM", "BSF_RESTORE", "-", "BSF_CLOSE"}));
    Key(VK_DOWN);
    Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([this] { return !Frame->GetRolledUp(); }, 2000));
    GetWindowRect(Wnd(), &rc);
    EXPECT_EQ(rc.bottom - rc.top, 333);
}

TEST_F(SkinMenu, CaptionDoubleClickRollsUpAndDown) {
    RECT rc{};
    GetWindowRect(Wnd(), &rc);
    SendMessageA(Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rc.left + 300, rc.top + 12));
    GetWindowRect(Wnd(), &rc);
    EXPECT_EQ(rc.bottom - rc.top, 27);
    const LRESULT hit = SendMessageA(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(rc.left + 300, rc.bottom - 1));
    EXPECT_TRUE(hit == HTCAPTION || hit == 19) << "the rolled-up window is all caption: " << hit;
    SendMessageA(Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rc.left + 300, rc.top + 12));
    GetWindowRect(Wnd(), &rc);
    EXPECT_EQ(rc.bottom - rc.top, 333);
}

TEST_F(SkinMenu, AltSpaceOpensBelowTheSystemMenuButtonAndDisableSystemMenuStopsIt) {
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_TRUE(Menu().GetMenuOpen());
    RECT form{}, menu{};
    GetWindowRect(Wnd(), &form);
    GetWindowRect(Menu().Window(0).WindowHandle(), &menu);
    const TbsActiveSkinObject* button = Frame->FindObject("sysmenubutton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(menu.left, form.left + button->ObjectRect.Left);
    EXPECT_EQ(menu.top, form.top + button->ObjectRect.Bottom);
    // Other menu keys close it and never show the system's own menu.
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_FALSE(Menu().GetMenuOpen());
    Frame->SetDisableSystemMenu(true);
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    Frame->ShowSystemMenu(TPoint{300, 100});
    EXPECT_FALSE(Menu().GetMenuOpen());
}

TEST_F(SkinMenu, AltSpaceOnTheMinimisedWindowOpensAtThePointerAndRestoreBringsItBack) {
    const RECT before = [this] {
        RECT rc{};
        GetWindowRect(Wnd(), &rc);
        return rc;
    }();
    Frame->CommandMinimize();
    ASSERT_TRUE(IsIconic(Wnd()));
    Pointer = TPoint{320, 410};
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_TRUE(Menu().GetMenuOpen()) << "the buttons are off the screen, the menu is not";
    EXPECT_EQ(Captions(0), (std::vector<std::string>{"BSF_RESTORE", "-", "BSF_CLOSE"}));
    RECT menu{};
    GetWindowRect(Menu().Window(0).WindowHandle(), &menu);
    EXPECT_EQ(menu.left, 320);
    EXPECT_EQ(menu.top, 410);
    Key(VK_RETURN);
    EXPECT_TRUE(PumpUntil([this] { return !IsIconic(Wnd()); }, 2000));
    RECT after{};
    GetWindowRect(Wnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "back at its bounds";
    EXPECT_FALSE(Application().GetMinimized());
}

TEST_F(SkinMenu, ShortCutsReachTheEventFirstAndAltSpaceOpensTheMenuThroughTheSystem) {
    std::vector<WORD> seen;
    bool takeSpace = false;
    Frame->OnShortCut = [&](WORD key, unsigned, bool& handled) {
        seen.push_back(key);
        handled = takeSpace && key == VK_SPACE;
    };
    MSG altSpace{Wnd(), WM_SYSKEYDOWN, VK_SPACE, LPARAM(1) << 29, 0, {}};
    EXPECT_FALSE(Form->HandleDialogMessage(altSpace)) << "Alt+Space goes on to the system";
    // ... whose keyboard-menu command opens the skinned menu.
    SendMessageA(Wnd(), WM_SYSCHAR, ' ', LPARAM(1) << 29);
    EXPECT_TRUE(Menu().GetMenuOpen());
    Menu().CloseAll();
    MSG plain{Wnd(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(Form->HandleDialogMessage(plain)) << "other keys go on";
    takeSpace = true;
    EXPECT_TRUE(Form->HandleDialogMessage(altSpace));
    EXPECT_FALSE(Menu().GetMenuOpen()) << "the event took it first";
    EXPECT_EQ(seen, (std::vector<WORD>{VK_SPACE, 'A', VK_SPACE}));
}

TEST_F(SkinMenu, ItemLettersChooseThroughTheMessageLoopWithAndWithoutAlt) {
    // Alt+Space, then N: Minimize.
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_TRUE(Menu().GetMenuOpen());
    PostKey(WM_KEYDOWN, 'N');
    EXPECT_TRUE(PumpUntil([this] { return IsIconic(Wnd()) != FALSE; }, 2000)) << "N did not choose Minimize";
    EXPECT_FALSE(Menu().GetMenuOpen());
    // Alt+Space, then Alt+R: Restore.
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_EQ(Captions(0).front(), "BSF_RESTORE");
    PostKey(WM_SYSKEYDOWN, 'R');
    EXPECT_TRUE(PumpUntil([this] { return !IsIconic(Wnd()); }, 2000)) << "Alt+R did not choose Restore";
    // Any skinned menu: a letter no item carries and a key that makes no
    // character leave it open; an item's letter chooses it. Enter chooses
    // too, and its character reaches nobody once the menu has gone.
    TMenuItem root;
    int deal = 0, fold = 0, elsewhere = 0;
    root.Add("&Deal")->OnClick = [&deal](TMenuItem&) { ++deal; };
    root.Add("&Fold")->OnClick = [&fold](TMenuItem&) { ++fold; };
    Form->SetOnKeyPress([&elsewhere](TComponent*, char&) { ++elsewhere; });
    Menu().Popup(Wnd(), Manager, false, root, TRect{200, 200, 200, 200});
    PostKey(WM_KEYDOWN, 'Z');
    PostKey(WM_KEYDOWN, VK_F5);
    PumpFor(100);
    EXPECT_TRUE(Menu().GetMenuOpen());
    PostKey(WM_KEYDOWN, 'F');
    EXPECT_TRUE(PumpUntil([&fold] { return fold == 1; }, 2000)) << "F did not choose Fold";
    EXPECT_EQ(deal, 0);
    EXPECT_FALSE(Menu().GetMenuOpen());
    Menu().Popup(Wnd(), Manager, false, root, TRect{200, 200, 200, 200});
    PostKey(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(PumpUntil([&deal] { return deal == 1; }, 2000)) << "Enter did not choose the selected item";
    PumpFor(100);
    EXPECT_EQ(elsewhere, 0) << "a key the menu took made a character for the form";
}

TEST_F(SkinMenu, SystemMenuButtonStaysDownWhileItsMenuIsOpenAndComesUpWhenItCloses) {
    SendMessageA(Wnd(), WM_NCACTIVATE, TRUE, 0);
    auto* button = dynamic_cast<TbsSkinStdButtonObject*>(Frame->FindObject("sysmenubutton"));
    ASSERT_NE(button, nullptr);
    ASSERT_FALSE(button->DownRect.IsEmpty()) << "the built-in skin has a down look";
    RECT rc{};
    GetWindowRect(Wnd(), &rc);
    const TRect r = button->ObjectRect;
    const LPARAM at = MAKELPARAM(rc.left + (r.Left + r.Right) / 2, rc.top + (r.Top + r.Bottom) / 2);
    ASSERT_EQ(SendMessageA(Wnd(), WM_NCHITTEST, 0, at), HTOBJECT);
    // Whether the frame, painted into memory, shows the skin's down look
    // over the whole button.
    const TPixelBuffer& looks = Manager->GetSkin().FActivePictures.at(0);
    const auto drawnDown = [&] {
        TbsBitmap frame;
        FillCanvas(frame, rc.right - rc.left, rc.bottom - rc.top);
        SendMessageA(Wnd(), WM_PAINTFRAMETODC, WPARAM(frame.DC()), 0);
        GdiFlush();
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                if (Rgb(*frame.PixelPtr(r.Left + x, r.Top + y)) !=
                    Rgb(looks.At(button->DownRect.Left + x, button->DownRect.Top + y)))
                    return false;
        return true;
    };
    ASSERT_FALSE(drawnDown());
    SendMessageA(Wnd(), WM_NCMOUSEMOVE, HTOBJECT, at);
    SendMessageA(Wnd(), WM_NCLBUTTONDOWN, HTOBJECT, at);
    ASSERT_TRUE(Menu().GetMenuOpen());
    EXPECT_NE(GetCapture(), Wnd()) << "the menu's windows take the clicks";
    EXPECT_TRUE(button->FPressed);
    EXPECT_TRUE(drawnDown()) << "drawn down while its menu is open";
    // The release of the press that opened it, and the pointer moving off
    // it, leave it down.
    SendMessageA(Wnd(), WM_NCLBUTTONUP, HTOBJECT, at);
    Pointer = TPoint{5, 5};  // off the window: the mouse-out step ends the hover
    SendMessageA(Wnd(), WM_TIMER, tidFormMouseOut, 0);
    EXPECT_FALSE(button->FHot);
    EXPECT_TRUE(drawnDown()) << "drawn down after the release and off the button";
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menu().GetMenuOpen());
    EXPECT_FALSE(button->FPressed);
    EXPECT_FALSE(drawnDown()) << "up once its menu has closed";
}

TEST_F(SkinMenu, UserSystemMenuTakesTheStandardItemsOnceAndItsShortCutsWork) {
    TPopupMenu user(nullptr);
    int about = 0;
    TMenuItem* item = user.Items().Add("&About", "about");
    item->SetShortCut(ShortCut('A', scAlt));
    item->OnClick = [&about](TMenuItem&) { ++about; };
    Frame->SetSystemMenu(&user);
    for (int opening = 0; opening < 2; ++opening) {
        Frame->ShowSystemMenu(TPoint{300, 100});
        ASSERT_TRUE(Menu().GetMenuOpen());
        EXPECT_EQ(Captions(0), (std::vector<std::string>{"BSF_MINITEM", "BSF_ROLLUP", "about", "BSF_CLOSE"}))
            << "opening " << opening;
        Menu().CloseAll();
    }
    Frame->SetUseDefaultSysMenu(false);
    Frame->ShowSystemMenu(TPoint{300, 100});
    EXPECT_EQ(Captions(0), (std::vector<std::string>{"about"}));
    Menu().CloseAll();
    MSG altA{Wnd(), WM_SYSKEYDOWN, 'A', LPARAM(1) << 29, 0, {}};
    EXPECT_TRUE(Form->HandleDialogMessage(altA));
    EXPECT_EQ(about, 1);
    Frame->SetSystemMenu(nullptr);
}

TEST_F(SkinMenu, ItemsDrawTheMenusPicturesByIndexGreyedWhenDisabled) {
    TImageList images(nullptr, 16, 16);
    images.Add(TPixelBuffer(16, 16, 0xFFFF0000u));  // opaque red
    TMenuItem root;
    root.SetImages(&images);
    root.Add("&Red")->SetImageIndex(0);
    TMenuItem* off = root.Add("&Off");
    off->SetImageIndex(0);
    off->SetEnabled(false);
    root.Add("&None")->SetImageIndex(3);  // past the list: no picture
    Menu().Popup(Wnd(), Manager, false, root, TRect{200, 200, 200, 200});
    TbsSkinPopupWindow& w = Menu().Window(0);
    RECT rc{};
    GetClientRect(w.WindowHandle(), &rc);
    TbsBitmap shot;
    shot.SetSize(rc.right, rc.bottom);
    w.PaintTo(shot.DC());
    GdiFlush();
    auto redIn = [&shot](const TRect& r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if ((*shot.PixelPtr(x, y) & 0xFFFFFF) == 0xFF0000) ++n;
        return n;
    };
    EXPECT_EQ(redIn(w.Entry(0).ObjectRect), 16 * 16) << "the whole picture";
    EXPECT_EQ(redIn(w.Entry(1).ObjectRect), 0) << "greyed";
    EXPECT_EQ(redIn(w.Entry(2).ObjectRect), 0);
    Menu().CloseAll();
}

TEST_F(SkinMenu, CloseFromTheMenuFreesTheFormSafelyAfterTheMenuHasGone) {
    // A secondary form asked to free itself: another form stands in as the
    // program's main form, whose close would end the loop instead.
    TForm mainForm(nullptr);
    Application().SetMainForm(&mainForm);
    bool closed = false;
    Form->SetOnClose([&closed](TComponent*, TCloseAction& action) {
        closed = true;
        action = TCloseAction::caFree;
    });
    Frame->ShowSystemMenu(TPoint{300, 100});
    Key(VK_UP);  // Close
    Key(VK_RETURN);
    EXPECT_FALSE(closed) << "the command waits until the menu has gone";
    const int forms = Application().GetFormCount();
    TForm* form = Form.release();  // the close frees it
    (void)form;
    ASSERT_TRUE(PumpUntil([&closed] { return closed; }, 2000));
    EXPECT_TRUE(PumpUntil([forms] { return Application().GetFormCount() == forms - 1; }, 2000))
        << "the form is freed once the handlers are done";
    EXPECT_FALSE(Application().GetTerminated());
}

TEST_F(SkinMenu, CloseFromTheMenuOfTheMainFormEndsTheLoop) {
    ASSERT_EQ(Application().GetMainForm(), Form.get());
    Frame->ShowSystemMenu(TPoint{300, 100});
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return Application().GetTerminated(); }, 2000));
    EXPECT_FALSE(Menu().GetMenuOpen());
    Application().ResetTerminated();
}

TEST_F(SkinMenu, SubMenuOpensAfterTheDelayOrAtOnceByKeyButNotWhenReachedByArrows) {
    TMenuItem root;
    root.Add("&Plain", "plain");
    TMenuItem* more = root.Add("&More", "more");
    more->Add("&Inner", "inner");
    more->Add("&Deeper", "deeper")->Add("&Deepest", "deepest");
    root.Add("&Off", "off")->SetEnabled(false);
    Menu().Popup(Wnd(), Manager, false, root, TRect{200, 200, 200, 200});
    TbsSkinPopupWindow& w = Menu().Window(0);
    // Reached by Down: selected, no sub-menu, no delay.
    Key(VK_DOWN);
    EXPECT_EQ(w.SelectedEntry(), 1);
    EXPECT_EQ(Menu().WindowCount(), 1);
    EXPECT_FALSE(Menu().OpenDelayRunning());
    // Right opens it at once with its first item selected; Escape closes one level.
    Key(VK_RIGHT);
    ASSERT_EQ(Menu().WindowCount(), 2);
    EXPECT_EQ(Menu().Window(1).SelectedEntry(), 0);
    EXPECT_TRUE(w.Entry(1).SubMenuOpen);
    Key(VK_ESCAPE);
    EXPECT_EQ(Menu().WindowCount(), 1);
    EXPECT_FALSE(w.Entry(1).SubMenuOpen);
    EXPECT_TRUE(Menu().GetMenuOpen());
    // The pointer resting on it starts the delay; its tick opens the level.
    PointAt(w, 0);
    PointAt(w, 1);
    EXPECT_TRUE(Menu().OpenDelayRunning());
    EXPECT_EQ(Menu().WindowCount(), 1) << "not before the delay";
    Menu().OpenDelayTick();
    ASSERT_EQ(Menu().WindowCount(), 2);
    // Disabled items are never selected by the pointer.
    PointAt(w, 2);
    EXPECT_EQ(w.SelectedEntry(), 1);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(Menu().WindowCount(), 1) << "Left never closes the first level";
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menu().GetMenuOpen());
}

TEST_F(SkinMenu, TallMenuIsCutToTheWorkAreaWithMarkersThatScrollOneItemPerTick) {
    TMenuItem root;
    for (int i = 0; i < 120; ++i) root.Add("Item " + std::to_string(i));
    Menu().Popup(Wnd(), Manager, false, root, TRect{200, 200, 200, 200});
    TbsSkinPopupWindow& w = Menu().Window(0);
    ASSERT_TRUE(w.Scrolling());
    RECT rc{};
    GetWindowRect(w.WindowHandle(), &rc);
    EXPECT_EQ(rc.bottom - rc.top, Menu().WorkArea().Height());
    EXPECT_EQ(rc.top, Menu().WorkArea().Top);
    EXPECT_EQ(w.Entry(0).ObjectRect.Top, w.ItemsRect().Top + 10) << "below the top marker";
    const int shown = w.ShownCount();
    EXPECT_LT(shown, 120);
    // Resting on the bottom marker scrolls down one entry per tick.
    const TRect items = w.ItemsRect();
    w.HoverAt(TPoint{items.Left + 5, items.Bottom - 5});
    EXPECT_EQ(w.ScrollDir(), 2);
    w.ScrollTick();
    w.ScrollTick();
    EXPECT_EQ(w.TopEntry(), 2);
    w.HoverAt(TPoint{items.Left + 5, items.Top + 5});
    EXPECT_EQ(w.ScrollDir(), 1);
    w.ScrollTick();
    EXPECT_EQ(w.TopEntry(), 1);
    // Up from the first entry goes to the last page.
    w.SelectByKeyboard(0);
    Key(VK_UP);
    EXPECT_EQ(w.SelectedEntry(), 119);
    EXPECT_TRUE(w.Entry(119).Shown);
    Menu().CloseAll();
}

// An open menu goes, as the system's do, when its form moves or sizes, is
// activated or deactivated, loses the focus, gets cancel mode or a mouse
// activation, and on a press anywhere but on the menu; closing stops the
// watching (no hook outlives the menu).
TEST_F(SkinMenu, OpenMenuClosesWhenItsFormMovesSizesLosesFocusOrIsCancelledOrPressedElsewhere) {
    HWND wnd = Wnd();
    struct TWay {
        const char* Name;
        std::function<void()> Do;
    };
    const TWay ways[] = {
        {"move", [wnd] { SetWindowPos(wnd, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"size", [wnd] { SetWindowPos(wnd, nullptr, 0, 0, 760, 333, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"deactivation", [wnd] { SendMessageA(wnd, WM_ACTIVATE, WA_INACTIVE, 0); }},
        {"focus loss", [wnd] { SendMessageA(wnd, WM_KILLFOCUS, 0, 0); }},
        {"cancel mode", [wnd] { SendMessageA(wnd, WM_CANCELMODE, 0, 0); }},
        {"mouse activation",
         [wnd] { SendMessageA(wnd, WM_MOUSEACTIVATE, WPARAM(wnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)); }},
        {"a press on the form",
         [wnd] {
             PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 100));
             PumpUntil([] { return HIWORD(GetQueueStatus(QS_POSTMESSAGE)) == 0; }, 2000);
         }},
    };
    for (const TWay& way : ways) {
        Frame->ShowSystemMenu(TPoint{300, 100});
        ASSERT_TRUE(Menu().GetMenuOpen());
        int closes = 0;
        Menu().OnMenuClose = [&closes](TComponent*) { ++closes; };
        // A press on the menu's own window is inside.
        PostMessageA(Menu().Window(0).WindowHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
        ASSERT_TRUE(PumpUntil([] { return HIWORD(GetQueueStatus(QS_POSTMESSAGE)) == 0; }, 2000));
        ASSERT_TRUE(Menu().GetMenuOpen()) << way.Name << ": a press on the menu";
        way.Do();
        EXPECT_FALSE(Menu().GetMenuOpen()) << way.Name;
        EXPECT_EQ(Menu().WindowCount(), 0) << way.Name;
        EXPECT_EQ(closes, 1) << way.Name;
        EXPECT_EQ(LiveHandleCount(THandleKind::Hook), 0) << way.Name;
    }
}

TEST_F(SkinMenu, HundredOpeningsLeaveNoHandles) {
    Frame->ShowSystemMenu(TPoint{300, 100});
    Menu().CloseAll();
    const long windows = LiveHandleCount(THandleKind::Window), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc), fonts = LiveHandleCount(THandleKind::Font),
               regions = LiveHandleCount(THandleKind::Region), timers = LiveHandleCount(THandleKind::Timer);
    for (int i = 0; i < 100; ++i) {
        Frame->ShowSystemMenu(TPoint{300 + i, 100});
        TbsBitmap target;
        target.SetSize(Menu().Window(0).GetWidth(), Menu().Window(0).GetHeight());
        Menu().Window(0).PaintTo(target.DC());
        Key(VK_DOWN);
        Key(VK_ESCAPE);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), windows);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), timers);
}

}  // namespace
