// The skinned form's window behaviours on a test form with the built-in
// skin: minimising with the application and coming back at the same
// bounds, maximising to the work area and staying there, the first show
// with a constant alpha or a fade-in (which never leaves the window
// unseen, even when the layered call fails or the timer never comes),
// the first placement, and the magnetic edges.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"
#include "skin/form/SkinForm.h"
#include "skin/paint/LayeredApi.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

class SkinFormBehaviour : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetText("Behaviour test");
        Form->SetClientWidth(400);
        Form->SetClientHeight(200);
        Frame = new TbsSkinForm(Form.get());  // the form owns it
        Frame->SetBorderIcons(bsbiSystemMenu | bsbiMinimize | bsbiMaximize | bsbiRollUp);
        LoadZevrak();
        Frame->SetSkinData(Manager);
        SetWindowPos(Wnd(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Hooks = std::make_unique<TSystemHooksOverride>(TSystemHooks{[this] { return Pointer; }, nullptr,
                                                                    [this] { return Clock; }});
    }
    void TearDown() override {
        Hooks.reset();
        Application().Restore();  // a test that minimised the application
        TSkinControlFixture::TearDown();
    }
    HWND Wnd() const { return Form->GetHandle(); }
    void Show() {
        ShowWindow(Wnd(), SW_SHOWNORMAL);
        PumpFor(20);
    }
    TRect Bounds() const {
        RECT rc{};
        GetWindowRect(Wnd(), &rc);
        return TRect{rc.left, rc.top, rc.right, rc.bottom};
    }
    bool Layered() const { return (GetWindowLongPtrA(Wnd(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
    int WindowAlpha() const {
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(Wnd(), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
        return alpha;
    }

    TbsSkinForm* Frame = nullptr;  // owned by Form
    TPoint Pointer{5, 5};
    DWORD Clock = 1000;
    std::unique_ptr<TSystemHooksOverride> Hooks;
};

TEST_F(SkinFormBehaviour, MinimisingTheMainFormMinimisesTheApplicationAndRestoringKeepsTheBounds) {
    ASSERT_EQ(Application().GetMainForm(), Form.get());
    Show();
    const TRect before = Bounds();
    int minimized = 0, restored = 0, appRestored = 0;
    Frame->OnMinimize = [&minimized](TComponent*) { ++minimized; };
    Frame->OnRestore = [&restored](TComponent*) { ++restored; };
    Application().OnRestore = [&appRestored] { ++appRestored; };

    Frame->CommandMinimize();
    EXPECT_TRUE(IsIconic(Wnd()));
    EXPECT_TRUE(Application().GetMinimized());
    EXPECT_EQ(Frame->GetWindowState(), TbsWindowState::wsMinimized);
    EXPECT_EQ(minimized, 1);
    Frame->CommandMinimize();  // the button again, or the menu's Restore
    EXPECT_FALSE(IsIconic(Wnd()));
    EXPECT_FALSE(Application().GetMinimized());
    EXPECT_EQ(Bounds(), before);
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(appRestored, 1);

    // Brought back by the system's restore command (the task bar's way).
    Frame->SetWindowState(TbsWindowState::wsMinimized);
    ASSERT_TRUE(IsIconic(Wnd()));
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Wnd()));
    EXPECT_FALSE(Application().GetMinimized());
    EXPECT_EQ(Bounds(), before);
    EXPECT_EQ(Frame->GetWindowState(), TbsWindowState::wsNormal);
    Application().OnRestore = nullptr;
}

TEST_F(SkinFormBehaviour, SecondaryFormMinimisesAloneAndComesBackAtItsBounds) {
    TForm mainForm(nullptr);
    Application().SetMainForm(&mainForm);
    Show();
    const TRect before = Bounds();
    Frame->SetWindowState(TbsWindowState::wsMinimized);
    EXPECT_TRUE(IsIconic(Wnd()));
    EXPECT_FALSE(Application().GetMinimized());
    EXPECT_EQ(Frame->GetRestoreBounds(), before);
    Frame->SetWindowState(TbsWindowState::wsNormal);
    EXPECT_EQ(Bounds(), before);
    EXPECT_TRUE(Frame->GetRestoreBounds().IsEmpty());
}

TEST_F(SkinFormBehaviour, MaximisedFormFillsTheWorkAreaCannotBeDraggedAndRestores) {
    Show();
    const TRect before = Bounds();
    int maximized = 0;
    Frame->OnMaximize = [&maximized](TComponent*) { ++maximized; };
    Frame->CommandMaximize();
    ASSERT_TRUE(IsZoomed(Wnd()));
    EXPECT_EQ(maximized, 1);
    EXPECT_EQ(Frame->GetRestoreBounds(), before);
    TRect area = GetMonitorWorkArea(Wnd(), true);
    if (area == GetMonitorWorkArea(Wnd(), false)) area = TRect{area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1};
    EXPECT_EQ(Bounds(), area) << "one pixel in where the work area is the whole screen";

    // The move loop proposes a new place: the form stays.
    RECT proposed{area.Left + 40, area.Top + 30, area.Right + 40, area.Bottom + 30};
    SendMessageA(Wnd(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ((TRect{proposed.left, proposed.top, proposed.right, proposed.bottom}), area);

    Frame->CaptionDoubleClick();  // not resizable: rolls up, and stays maximised
    EXPECT_TRUE(Frame->GetRolledUp());
    Frame->SetWindowState(TbsWindowState::wsNormal);
    EXPECT_FALSE(IsZoomed(Wnd()));
    EXPECT_FALSE(Frame->GetRolledUp()) << "rolled up only while maximised: down again";
    EXPECT_EQ(Bounds(), before);
}

TEST_F(SkinFormBehaviour, PlainFirstShowIsNotLayeredAndConstantAlphaShowsAtOnce) {
    Show();
    EXPECT_TRUE(IsWindowVisible(Wnd()));
    EXPECT_FALSE(Layered()) << "no alpha asked for: an ordinary window";
    EXPECT_FALSE(Frame->FadeRunning());
    ShowWindow(Wnd(), SW_HIDE);

    Frame->SetAlphaBlend(true);
    Frame->SetAlphaBlendValue(200);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_FALSE(Frame->FadeRunning()) << "no fade without the animation";
    EXPECT_TRUE(Layered());
    EXPECT_EQ(WindowAlpha(), 200);
    Frame->SetAlphaBlendValue(120);
    EXPECT_EQ(WindowAlpha(), 120) << "applied at once";
    Frame->SetAlphaBlend(false);
    EXPECT_FALSE(Layered());
}

TEST_F(SkinFormBehaviour, FadeInRisesByThirteensToTheConstantAlphaOnItsTimer) {
    Frame->SetAlphaBlend(true);
    Frame->SetAlphaBlendValue(200);
    Frame->SetAlphaBlendAnimation(true);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    ASSERT_TRUE(Frame->FadeRunning());
    EXPECT_EQ(WindowAlpha(), 0);
    std::vector<int> seen;
    for (int i = 0; i < 30 && Frame->FadeRunning(); ++i) {
        Frame->FadeTick();
        seen.push_back(WindowAlpha());
    }
    ASSERT_EQ(seen.size(), 16u);
    for (std::size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_EQ(seen[i], int(i + 1) * 13);
    EXPECT_EQ(seen.back(), 200);
    EXPECT_TRUE(Layered()) << "the constant alpha stays";

    // The animation alone ends opaque and not layered, on the real timer.
    ShowWindow(Wnd(), SW_HIDE);
    Frame->SetAlphaBlend(false);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_TRUE(Frame->FadeRunning());
    EXPECT_TRUE(PumpUntil([this] { return !Frame->FadeRunning(); }, 3000));
    EXPECT_FALSE(Layered());
    EXPECT_TRUE(IsWindowVisible(Wnd()));
}

BOOL WINAPI RefuseWindowAlpha(HWND, COLORREF, BYTE, DWORD) { return FALSE; }

TEST_F(SkinFormBehaviour, WindowEndsVisibleAndNotLayeredWhenTheLayeredCallFails) {
    TLayeredApiFunctions failing = LayeredApi();
    failing.SetLayeredWindowAttributes = RefuseWindowAlpha;
    TLayeredApiOverride refuse(failing);
    Frame->SetAlphaBlendAnimation(true);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_TRUE(IsWindowVisible(Wnd()));
    EXPECT_FALSE(Frame->FadeRunning());
    EXPECT_FALSE(Layered()) << "an invisible layered window is never left behind";
    ShowWindow(Wnd(), SW_HIDE);

    Frame->SetAlphaBlendAnimation(false);
    Frame->SetAlphaBlend(true);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_FALSE(Layered());
    EXPECT_TRUE(IsWindowVisible(Wnd()));
}

TEST_F(SkinFormBehaviour, FadeWhoseTimerNeverComesEndsAtTheNextMessageAfterItsDeadline) {
    Frame->SetAlphaBlendAnimation(true);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    ASSERT_TRUE(Frame->FadeRunning());
    KillTimer(Wnd(), tidFormFadeIn);  // the timer that never comes
    Clock += TbsSkinForm::kFadeDeadlineMs / 2;
    SendMessageA(Wnd(), WM_NULL, 0, 0);
    EXPECT_TRUE(Frame->FadeRunning()) << "not before the deadline";
    Clock += TbsSkinForm::kFadeDeadlineMs;
    SendMessageA(Wnd(), WM_NULL, 0, 0);
    EXPECT_FALSE(Frame->FadeRunning());
    EXPECT_FALSE(Layered());
}

TEST_F(SkinFormBehaviour, FirstShowPlacesTheFormByPositionInMonitorOnce) {
    Frame->SetPositionInMonitor(TbsPositionInMonitor::bspDesktopCenter);
    const TRect size = Bounds();
    Show();
    const TRect area = GetMonitorWorkArea(Wnd(), true);
    EXPECT_EQ(Bounds().Left, area.Left + area.Width() / 2 - size.Width() / 2);
    EXPECT_EQ(Bounds().Top, area.Top + area.Height() / 2 - size.Height() / 2);
    ShowWindow(Wnd(), SW_HIDE);
    SetWindowPos(Wnd(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Show();
    EXPECT_EQ(Bounds().Left, 10) << "only the first show places it";
}

TEST_F(SkinFormBehaviour, MagneticEdgeSnapsAndLetsGoWhenThePointerMovesOn) {
    Frame->SetMagnetic(true);
    Show();
    const TRect area = GetMonitorWorkArea(Wnd(), true);
    const int w = Bounds().Width(), h = Bounds().Height();
    SendMessageA(Wnd(), WM_ENTERSIZEMOVE, 0, 0);
    auto moving = [&](int left, int pointerX) {
        Pointer = TPoint{pointerX, area.Top + 300};
        RECT rc{left, area.Top + 290, left + w, area.Top + 290 + h};
        SendMessageA(Wnd(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&rc));
        EXPECT_EQ(rc.right - rc.left, w);
        return int(rc.left);
    };
    EXPECT_EQ(moving(area.Left + 30, 130), area.Left + 30);
    EXPECT_EQ(moving(area.Left + 4, 104), area.Left) << "4 pixels away snaps";
    EXPECT_EQ(moving(area.Left + 9, 109), area.Left) << "held within 5";
    EXPECT_EQ(moving(area.Left + 10, 110), area.Left + 6) << "6 pixels let it go";
    SendMessageA(Wnd(), WM_EXITSIZEMOVE, 0, 0);

    Frame->SetMagnetic(false);
    SendMessageA(Wnd(), WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_EQ(moving(area.Left + 4, 104), area.Left + 4) << "off: the system's place";
    SendMessageA(Wnd(), WM_EXITSIZEMOVE, 0, 0);
}

TEST_F(SkinFormBehaviour, InactiveClientIsCoveredSeenThroughTheBackgroundOrBlurredUntilActivated) {
    HWND dark = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 40, 40, 60, 60, Wnd(), nullptr,
                                nullptr, nullptr);
    ASSERT_NE(dark, nullptr);
    Frame->SetClientInActiveEffect(true);
    Show();
    SendMessageA(Wnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Frame->ClientCover(), nullptr);
    TbsBitmap background;
    background.SetSize(Form->GetClientWidth(), Form->GetClientHeight());
    SendMessageA(Wnd(), WM_ERASEBKGND, WPARAM(background.DC()), 0);
    TbsBitmap shown;  // the client area as the screen has it
    shown.SetSize(Form->GetClientWidth(), Form->GetClientHeight());
    HDC formDc = GetDC(Wnd());
    BitBlt(shown.DC(), 0, 0, shown.Width(), shown.Height(), formDc, 0, 0, SRCCOPY);
    ReleaseDC(Wnd(), formDc);
    GdiFlush();
    const std::uint32_t control = *shown.PixelPtr(70, 70);
    ASSERT_NE(control & 0xFFFFFF, *background.PixelPtr(70, 70) & 0xFFFFFF) << "the control stands out";

    SendMessageA(Wnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    ASSERT_NE(Frame->ClientCover(), nullptr);
    HWND cover = Frame->ClientCover()->WindowHandle();
    ASSERT_TRUE(IsWindowVisible(cover));
    EXPECT_EQ(GetWindow(Wnd(), GW_CHILD), cover) << "on top of the controls";
    RECT rc{};
    GetClientRect(cover, &rc);
    EXPECT_EQ(rc.right, Form->GetClientWidth());
    EXPECT_EQ(rc.bottom, Form->GetClientHeight());
    const TbsBitmap& picture = Frame->ClientCover()->Picture();
    auto channel = [](std::uint32_t p, int shift) { return int((p >> shift) & 0xFF); };
    for (int shift : {0, 8, 16}) {
        // Over the control: the background at 170 over it.
        const int bg = channel(*background.PixelPtr(70, 70), shift);
        EXPECT_NEAR(channel(*picture.PixelPtr(70, 70), shift), (channel(control, shift) * 85 + bg * 170) / 255, 1);
        // Over the background: the background itself.
        EXPECT_NEAR(channel(*picture.PixelPtr(250, 150), shift), channel(*background.PixelPtr(250, 150), shift), 1);
    }
    SendMessageA(Wnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Frame->ClientCover(), nullptr);
    EXPECT_FALSE(IsWindow(cover));

    // Blurred: the control's edge is softened, its middle keeps its colour.
    Frame->SetClientInActiveEffectType(TbsClientInActiveEffect::bsieBlur);
    SendMessageA(Wnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    ASSERT_NE(Frame->ClientCover(), nullptr);
    const TbsBitmap& blurred = Frame->ClientCover()->Picture();
    EXPECT_EQ(*blurred.PixelPtr(70, 70) & 0xFFFFFF, control & 0xFFFFFF);
    const int inside = channel(*blurred.PixelPtr(40, 70), 8), outside = channel(*blurred.PixelPtr(39, 70), 8);
    const int was = channel(control, 8), bg = channel(*shown.PixelPtr(39, 70), 8);
    EXPECT_GT(inside, was) << "the edge takes some of the lighter background";
    EXPECT_LT(outside, bg) << "and gives some of the control to it";
    SendMessageA(Wnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Frame->ClientCover(), nullptr);

    Frame->SetClientInActiveEffect(false);
    SendMessageA(Wnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(Frame->ClientCover(), nullptr) << "off: no cover";
    DestroyWindow(dark);
}

TEST_F(SkinFormBehaviour, TrayKeepsTheApplicationAndItsMenuBringsItBack) {
    Show();
    Frame->GoToTray();
    EXPECT_TRUE(IsWindowVisible(Wnd())) << "no tray icon: nothing happens";
    Frame->SetAlwaysMinimizeToTray(true);
    Frame->CommandMinimize();
    EXPECT_TRUE(IsIconic(Wnd())) << "no tray icon: an ordinary minimise";
    Frame->CommandMinimize();
    ASSERT_FALSE(IsIconic(Wnd()));

    TTrayIcon tray(nullptr);
    Frame->SetTrayIcon(&tray);
    int went = 0, came = 0;
    Frame->OnMinimizeToTray = [&went](TComponent*) { ++went; };
    Frame->OnRestoreFromTray = [&came](TComponent*) { ++came; };
    Frame->CommandMinimize();  // the button, with AlwaysMinimizeToTray
    EXPECT_FALSE(IsWindowVisible(Wnd()));
    EXPECT_TRUE(tray.InTray());
    EXPECT_TRUE(tray.GetVisible());
    EXPECT_EQ(went, 1);

    Frame->ShowTrayMenu(TPoint{400, 300});
    ASSERT_TRUE(Frame->SkinMenu().GetMenuOpen());
    TbsSkinPopupWindow& w = Frame->SkinMenu().Window(0);
    ASSERT_EQ(w.EntryCount(), 3);
    EXPECT_EQ(w.Entry(0).MenuItem->GetName(), "TRAY_BSF_RESTORE");
    EXPECT_EQ(w.Entry(2).MenuItem->GetName(), "TRAY_BSF_CLOSE");
    w.HandleKey(VK_RETURN);  // Restore, the first item
    EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(Wnd()) != FALSE; }, 2000));
    EXPECT_FALSE(tray.InTray());
    EXPECT_FALSE(tray.GetVisible()) << "the icon goes with the return";
    EXPECT_EQ(came, 1);

    Frame->SetAlwaysShowInTray(true);
    EXPECT_TRUE(tray.GetVisible());
    Frame->GoToTray();
    Frame->ReturnFromTray();
    EXPECT_TRUE(IsWindowVisible(Wnd()));
    EXPECT_TRUE(tray.GetVisible()) << "AlwaysShowInTray keeps it";
    Frame->SetTrayIcon(nullptr);
}

// The frame freed while its fade runs (a skin form taken off a form that
// keeps its window) takes its fade timer along and leaves the form fully
// seen.
TEST_F(SkinFormBehaviour, FrameFreedDuringItsFadeStopsTheFadeTimerAndLeavesTheFormOpaque) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetBorderIcons(0);  // given back as they were: the window stays
    form.SetClientWidth(300);
    form.SetClientHeight(150);
    form.HandleNeeded();
    auto* frame = new TbsSkinForm(&form);
    frame->SetSkinData(Manager);
    frame->SetAlphaBlendAnimation(true);
    const HWND wnd = form.GetHandle();
    ShowWindow(wnd, SW_SHOWNORMAL);
    ASSERT_TRUE(frame->FadeRunning());
    delete frame;
    ASSERT_EQ(form.GetHandle(), wnd) << "the form kept its window";
    EXPECT_FALSE(KillTimer(wnd, tidFormFadeIn)) << "the fade timer outlived the frame";
    EXPECT_FALSE(GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) << "left at the fade's alpha";
    EXPECT_TRUE(IsWindowVisible(wnd));
}

}  // namespace
