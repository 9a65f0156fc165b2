// A skinned form under a full border: the built-in skin with its layer
// frame turned into a full border (a 40-pixel top strip over a form that
// starts 34 pixels down, buttons, system-menu button and caption placed on
// the strip). The form loses its own frame, the caption objects are drawn
// into the top strip and take the mouse through its window, and the frame
// comes back where the border cannot be.
#include <gtest/gtest.h>

#include "platform/portable/AppMessages.h"
#include "platform/portable/TimerIds.h"
#include "skin/form/SkinForm.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/portable/CompositionPixels.h"
#include "tests/win32/PatchedSkin.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

class FormFullBorder : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetText("Full border");
        Form->SetClientWidth(400);
        Form->SetClientHeight(200);
        Form->SetOnClose([this](TComponent*, TCloseAction& action) {
            ++Closes;
            action = TCloseAction::caNone;
        });
        Frame = new TbsSkinForm(Form.get());  // the form owns it
        Stored->LoadFromIniFile(PatchedSkin("rdz-fullborder", FullBorderKeys()));
        Manager->LoadCompressedStoredSkin(Stored);
        ASSERT_FALSE(Manager->GetEmpty());
        Frame->SetSkinData(Manager);
        SetWindowPos(Wnd(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND Wnd() const { return Form->GetHandle(); }
    TbsFormLayerBorder& Border() const { return Frame->LayerBorder(); }
    void Show() {
        ShowWindow(Wnd(), SW_SHOWNORMAL);
        SetForegroundWindow(Wnd());
        ASSERT_TRUE(PumpUntil([this] { return Border().Shown() && Frame->FormActive(); }, 5000));
    }
    static TRect WindowRectOf(HWND wnd) {
        RECT r{};
        GetWindowRect(wnd, &r);
        return TRect{r.left, r.top, r.right, r.bottom};
    }
    bool HasOwnFrame() const {
        RECT client{};
        ::GetClientRect(Wnd(), &client);
        const TRect window = WindowRectOf(Wnd());
        return client.right != window.Width() || client.bottom != window.Height();
    }
    TbsSkinStdButtonObject* Button(TbsStdCommand command) const {
        for (int i = 0; i < Frame->GetObjectCount(); ++i) {
            auto* button = dynamic_cast<TbsSkinStdButtonObject*>(Frame->GetObject(i));
            if (button && button->Command == command) return button;
        }
        return nullptr;
    }
    TbsSkinCaptionObject* Caption() const {
        for (int i = 0; i < Frame->GetObjectCount(); ++i)
            if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(Frame->GetObject(i))) return caption;
        return nullptr;
    }
    // The top strip's pixels over r against a rectangle of the skin's
    // button picture (opaque, so its premultiplied pixels are its own).
    bool StripShows(const TRect& r, const TRect& look) const {
        const TbsBitmap& top = Border().Piece(lsTop);
        const TPixelBuffer& picture = Manager->GetSkin().FActivePictures.at(0);
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                if (*top.PixelPtr(r.Left + x, r.Top + y) != (picture.At(look.Left + x, look.Top + y) | 0xFF000000u))
                    return false;
        return true;
    }
    LPARAM At(TPoint p) const { return MAKELPARAM(p.X, p.Y); }
    static TPoint Centre(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

    TbsSkinForm* Frame = nullptr;  // owned by Form
    int Closes = 0;
};

TEST_F(FormFullBorder, TheFormLosesItsFrameAndTheTopStripCarriesTheCaption) {
    Show();
    ASSERT_TRUE(Frame->FullBorderMode());
    EXPECT_FALSE(HasOwnFrame()) << "the client area is the whole window";
    const TRect form = WindowRectOf(Wnd());
    EXPECT_EQ(form.Width(), 400);
    EXPECT_EQ(form.Height(), 200);
    EXPECT_EQ(SendMessageA(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(form.Left + 5, form.Top + 2)), HTCLIENT);
    TRegionHandle shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(Wnd(), shape.Get()), SIMPLEREGION) << "a rectangle";
    RECT box{};
    GetRgnBox(shape.Get(), &box);
    EXPECT_EQ(box.right - box.left, 400);
    EXPECT_EQ(box.bottom - box.top, 200);

    // The border: 14 left of the form, 34 above it; a 40-pixel top strip.
    const TRect layer = Border().LayerRect();
    EXPECT_EQ(layer, (TRect{form.Left - 14, form.Top - 34, form.Right + 16, form.Bottom + 15}));
    ASSERT_EQ(Border().Piece(lsTop).Height(), 40);
    EXPECT_EQ(GetWindowLongPtrA(Border().Window(lsTop), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0)
        << "the caption's window takes the mouse";
    EXPECT_NE(GetWindowLongPtrA(Border().Window(lsLeft), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);

    // The buttons' place lies right of the picture's middle: it moves with
    // the width (430 - 180 = 250). Close at its right end, then maximise
    // and minimise, 2 pixels apart (the frame's buttons offset).
    const int dx = layer.Width() - 180;
    TbsSkinStdButtonObject* close = Button(cmClose);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->ObjectRect, (TRect{144 + dx, 14, 164 + dx, 34}));
    EXPECT_EQ(Button(cmMaximize)->ObjectRect, (TRect{122 + dx, 14, 142 + dx, 34}));
    EXPECT_EQ(Button(cmMinimize)->ObjectRect, (TRect{100 + dx, 14, 120 + dx, 34}));
    EXPECT_EQ(Button(cmSysMenu)->ObjectRect, (TRect{14, 14, 34, 34}));
    ASSERT_NE(Caption(), nullptr);
    EXPECT_EQ(Caption()->ObjectRect, (TRect{40, 14, 100 + dx, 34})) << "widened, up to the minimise button";

    // The strip: the layer picture's pieces, with the buttons' looks over
    // them and the caption's text; nothing else changed.
    const TbsBitmap& top = Border().Piece(lsTop);
    TPixelBuffer plain(top.Width(), top.Height(), 0u);
    const TbsDataSkinLayerFrame& frame = Manager->GetSkin().FDefinition.LayerFrameData;
    DrawSkinBlits(ViewOf(plain), ViewOf(*frame.FActiveLayerImage),
                  LayerTopPieceBlits(Border().Metrics(), layer.Width(), layer.Height()));
    int textPixels = 0, otherChanges = 0;
    for (int y = 0; y < top.Height(); ++y)
        for (int x = 0; x < top.Width(); ++x) {
            const bool changed = *top.PixelPtr(x, y) != plain.At(x, y);
            if (PtInRect(Caption()->ObjectRect, Point(x, y))) textPixels += changed;
            else if (!PtInRect(Button(cmMaximize)->ObjectRect, Point(x, y)) &&
                     !PtInRect(Button(cmMinimize)->ObjectRect, Point(x, y)) &&
                     !PtInRect(close->ObjectRect, Point(x, y)) && !PtInRect(Button(cmSysMenu)->ObjectRect, Point(x, y)))
                otherChanges += changed;
        }
    EXPECT_GT(textPixels, 20) << "the caption's text";
    EXPECT_EQ(otherChanges, 0);
    EXPECT_TRUE(StripShows(Button(cmMinimize)->ObjectRect, TRect{70, 1, 90, 21})) << "the normal look, opaque";
    // The close button takes the shape of its mask: transparent where the
    // mask is black, its own look where it is white.
    const TPixelBuffer& mask = Manager->GetSkin().FActivePictures.at(9);
    int shaped = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const std::uint32_t pixel = *top.PixelPtr(close->ObjectRect.Left + x, close->ObjectRect.Top + y);
            const std::uint32_t look = Manager->GetSkin().FActivePictures.at(0).At(1 + x, 1 + y) | 0xFF000000u;
            if ((mask.At(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                EXPECT_EQ(pixel, look) << x << ", " << y;
            } else if ((mask.At(x, y) & 0xFFFFFF) == 0) {
                EXPECT_EQ(pixel, plain.At(close->ObjectRect.Left + x, close->ObjectRect.Top + y)) << x << ", " << y;
                ++shaped;
            }
        }
    EXPECT_GT(shaped, 0) << "the mask has transparent corners";
}

TEST_F(FormFullBorder, TheTopWindowAnswersObjectsCaptionAndTransparentPixels) {
    Show();
    const TRect layer = Border().LayerRect();
    HWND top = Border().Window(lsTop);
    const auto hit = [&](TPoint p) {
        return SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(layer.Left + p.X, layer.Top + p.Y));
    };
    EXPECT_EQ(hit(Centre(Button(cmClose)->ObjectRect)), HTCLIENT);
    EXPECT_EQ(hit(Centre(Caption()->ObjectRect)), HTCAPTION) << "dragging the caption moves the form";
    EXPECT_EQ(hit(TPoint{0, 0}), HTTRANSPARENT) << "the shadow's clear corner";
}

TEST_F(FormFullBorder, HoverPressAndReleaseOnTheCloseButtonCloseTheForm) {
    Show();
    HWND top = Border().Window(lsTop);
    TbsSkinStdButtonObject* close = Button(cmClose);
    const TPoint p = Centre(close->ObjectRect);
    SendMessageA(top, WM_MOUSEMOVE, 0, At(p));
    EXPECT_TRUE(close->FHot);
    PumpUntil([&] { return !Frame->MorphAllowed() || close->FMorphPos >= 1; }, 3000);
    EXPECT_TRUE(StripShows(TRect{close->ObjectRect.Left + 5, close->ObjectRect.Top + 5, close->ObjectRect.Left + 15,
                                 close->ObjectRect.Top + 15},
                           TRect{6, 28, 16, 38}))
        << "the hot look";

    SendMessageA(top, WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    EXPECT_EQ(GetCapture(), top);
    EXPECT_TRUE(close->FPressed);
    SendMessageA(top, WM_LBUTTONUP, 0, At(p));
    EXPECT_NE(GetCapture(), top);
    EXPECT_EQ(Closes, 0) << "the command runs once the click is over";
    EXPECT_TRUE(PumpUntil([&] { return Closes == 1; }, 3000));

    // Pressed, then released off the button: nothing.
    SendMessageA(top, WM_MOUSEMOVE, 0, At(p));
    SendMessageA(top, WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    SendMessageA(top, WM_LBUTTONUP, 0, At(Centre(Caption()->ObjectRect)));
    PumpFor(100);
    EXPECT_EQ(Closes, 1);
}

TEST_F(FormFullBorder, ThePointerLeavingTheStripEndsTheHover) {
    Show();
    HWND top = Border().Window(lsTop);
    TbsSkinStdButtonObject* minimize = Button(cmMinimize);
    SendMessageA(top, WM_MOUSEMOVE, 0, At(Centre(minimize->ObjectRect)));
    ASSERT_TRUE(minimize->FHot);
    SetCursorPos(2, 2);  // far from the strip
    Border().CaptionMouseOutTick();
    EXPECT_FALSE(minimize->FHot);
    EXPECT_EQ(Frame->GetActiveObject(), -1);
    EXPECT_TRUE(PumpUntil([&] { return StripShows(minimize->ObjectRect, TRect{70, 1, 90, 21}); }, 3000))
        << "back to the normal look";
}

TEST_F(FormFullBorder, SystemMenuButtonInTheStripGivesTheMouseToItsMenuAndStaysDownUntilItCloses) {
    Show();
    HWND top = Border().Window(lsTop);
    TbsSkinStdButtonObject* sysMenu = Button(cmSysMenu);
    ASSERT_NE(sysMenu, nullptr);
    const TRect r = sysMenu->ObjectRect;
    const TRect inner{r.Left + 5, r.Top + 5, r.Left + 15, r.Top + 15};
    const TRect down{sysMenu->DownRect.Left + 5, sysMenu->DownRect.Top + 5, sysMenu->DownRect.Left + 15,
                     sysMenu->DownRect.Top + 15};
    SendMessageA(top, WM_MOUSEMOVE, 0, At(Centre(r)));  // the strip's mouse-out timer runs from here
    SendMessageA(top, WM_LBUTTONDOWN, MK_LBUTTON, At(Centre(r)));
    TbsSkinMenu& menu = Frame->SkinMenu();
    ASSERT_TRUE(menu.GetMenuOpen());
    EXPECT_NE(GetCapture(), top) << "the strip keeps the mouse: the menu's items cannot be clicked";
    EXPECT_TRUE(sysMenu->FPressed);
    EXPECT_TRUE(StripShows(inner, down)) << "drawn down in the strip while its menu is open";
    SendMessageA(top, WM_LBUTTONUP, 0, At(Centre(r)));
    EXPECT_TRUE(sysMenu->FPressed) << "the release of the press that opened the menu leaves it down";
    // The pointer goes to the menu: the next mouse-out step ends the
    // strip's tracking and its timer.
    SetCursorPos(2, 2);
    Border().CaptionMouseOutTick();
    EXPECT_FALSE(sysMenu->FHot);
    EXPECT_FALSE(KillTimer(top, tidLayerBorderMouseOut)) << "the strip's mouse-out timer still runs";
    EXPECT_TRUE(StripShows(inner, down));
    // Close, chosen with the mouse.
    TbsSkinPopupWindow& window = menu.Window(0);
    int closeEntry = -1;
    for (int i = 0; i < window.EntryCount(); ++i)
        if (window.Entry(i).MenuItem->GetName() == "BSF_CLOSE") closeEntry = i;
    ASSERT_GE(closeEntry, 0);
    const TPoint item = Centre(window.Entry(closeEntry).ObjectRect);
    SendMessageA(window.WindowHandle(), WM_MOUSEMOVE, 0, At(item));
    SendMessageA(window.WindowHandle(), WM_LBUTTONUP, 0, At(item));
    EXPECT_FALSE(menu.GetMenuOpen());
    EXPECT_FALSE(sysMenu->FPressed) << "up once its menu has closed";
    EXPECT_FALSE(StripShows(inner, down));
    EXPECT_TRUE(PumpUntil([&] { return Closes == 1; }, 3000));
}

TEST_F(FormFullBorder, MaximisedTheFormHasItsOwnFrameAndRestoredTheBorderAgain) {
    Show();
    Frame->SetWindowState(TbsWindowState::wsMaximized);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }, 3000));
    EXPECT_FALSE(Frame->FullBorderMode());
    EXPECT_FALSE(Border().Shown());
    EXPECT_TRUE(HasOwnFrame()) << "the skinned frame with its caption";
    Frame->SetWindowState(TbsWindowState::wsNormal);
    ASSERT_TRUE(PumpUntil([&] { return Border().Shown(); }, 3000));
    EXPECT_TRUE(Frame->FullBorderMode());
    EXPECT_FALSE(HasOwnFrame());
    EXPECT_EQ(WindowRectOf(Wnd()).Width(), 400);
    EXPECT_EQ(WindowRectOf(Wnd()).Height(), 200);
}

TEST_F(FormFullBorder, WithoutLayeredBordersTheFormGetsItsFrameBackAroundTheSameClient) {
    Show();
    Manager->SetShowLayeredBorders(false);
    PumpFor(20);
    EXPECT_FALSE(Border().Shown());
    EXPECT_FALSE(Frame->FullBorderMode());
    EXPECT_TRUE(HasOwnFrame());
    RECT client{};
    ::GetClientRect(Wnd(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 200);
    Manager->SetShowLayeredBorders(true);
    ASSERT_TRUE(PumpUntil([&] { return Border().Shown(); }, 3000));
    EXPECT_FALSE(HasOwnFrame());
    EXPECT_EQ(WindowRectOf(Wnd()).Height(), 200);
}

TEST_F(FormFullBorder, RolledUpTheBorderIsBuiltForTheRollUpHeight) {
    Show();
    Frame->SetRolledUp(true);
    PumpFor(20);
    const TRect form = WindowRectOf(Wnd());
    EXPECT_EQ(form.Height(), 6);
    // 6 + 159 - 110: the strip, the rolled-up form and the bottom.
    EXPECT_EQ(Border().LayerRect().Height(), 55);
    Frame->SetRolledUp(false);
    PumpFor(20);
    EXPECT_EQ(WindowRectOf(Wnd()).Height(), 200);
    EXPECT_EQ(Border().LayerRect().Height(), 249);
}

}  // namespace
