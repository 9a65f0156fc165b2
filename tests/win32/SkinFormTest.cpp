// The skinned frame on a test form with the built-in skin: the window's
// size and region, the frame painted into memory, the hit test, the caption
// buttons' mouse handling and commands, the plain frame, skin changes, and
// the layout registration.
#include <gtest/gtest.h>


#include <memory>
#include <vector>

#include "platform/Resources.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/TimerIds.h"
#include "platform/SystemHooks.h"
#include "platform/FrameworkClasses.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/form/SkinForm.h"
#include "skin/paint/Composition.h"
#include "skin/paint/TbsEffectBmp.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// A frame that records what the later window behaviours would do.
class TRecordingSkinForm : public TbsSkinForm {
public:
    using TbsSkinForm::TbsSkinForm;
    void ShowSystemMenu(TPoint screen) override { SystemMenus.push_back(screen); }
    void CommandMaximize() override { ++Maximizes; }
    std::vector<TPoint> SystemMenus;
    int Maximizes = 0;
};

class SkinForm : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetText("Roulette test");
        Form->SetClientWidth(775);
        Form->SetClientHeight(306);
        Form->SetOnClose([this](TComponent*, TCloseAction& action) {
            ++Closes;
            action = TCloseAction::caNone;
        });
        Frame = new TRecordingSkinForm(Form.get());  // the form owns it
    }

    void Skin() {
        LoadZevrak();
        Frame->SetSkinData(Manager);
        Activate(true);
    }
    void Activate(bool active) { SendMessageA(Wnd(), WM_NCACTIVATE, active, 0); }
    HWND Wnd() const { return Form->GetHandle(); }
    SIZE WindowSize() const {
        RECT rc{};
        GetWindowRect(Wnd(), &rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    SIZE ClientSize() const {
        RECT rc{};
        ::GetClientRect(Wnd(), &rc);
        return SIZE{rc.right, rc.bottom};
    }
    // A window point as the screen point that mouse messages carry.
    LPARAM Screen(TPoint p) const {
        RECT rc{};
        GetWindowRect(Wnd(), &rc);
        return MAKELPARAM(rc.left + p.X, rc.top + p.Y);
    }
    LPARAM Client(TPoint p) const {
        POINT pt{0, 0};
        ClientToScreen(Wnd(), &pt);
        RECT rc{};
        GetWindowRect(Wnd(), &rc);
        return MAKELPARAM(p.X - (pt.x - rc.left), p.Y - (pt.y - rc.top));
    }
    int HitTest(TPoint p) const { return int(SendMessageA(Wnd(), WM_NCHITTEST, 0, Screen(p))); }
    TPoint Centre(const TbsActiveSkinObject& o) const {
        return Point(o.ObjectRect.Left + o.ObjectRect.Width() / 2, o.ObjectRect.Top + o.ObjectRect.Height() / 2);
    }
    // Presses the left button over the object, as the system reports it.
    void Press(const TbsActiveSkinObject& o) {
        ASSERT_EQ(HitTest(Centre(o)), HTOBJECT);
        SendMessageA(Wnd(), WM_NCLBUTTONDOWN, HTOBJECT, Screen(Centre(o)));
    }
    // The frame painted through the paint request into a 32-bit image.
    void PaintInto(TbsBitmap& target) {
        const SIZE s = WindowSize();
        FillCanvas(target, s.cx, s.cy, kSentinel);
        EXPECT_EQ(SendMessageA(Wnd(), WM_PAINTFRAMETODC, WPARAM(target.DC()), 0), 12851);
        GdiFlush();
    }

    static constexpr std::uint32_t kSentinel = 0xFF12A4C8u;
    TRecordingSkinForm* Frame = nullptr;  // owned by Form
    int Closes = 0;
};

TEST_F(SkinForm, RefusesAnOwnerThatIsNotAForm) {
    EXPECT_THROW(TbsSkinForm{Owner.get()}, Exception);
    EXPECT_THROW(TbsSkinForm{nullptr}, Exception);
}

TEST_F(SkinForm, TableClientGivesA777By333WindowWithTheCaptionAndButtons) {
    Skin();
    EXPECT_TRUE(Frame->GetSkinLoaded());
    EXPECT_EQ(WindowSize().cx, 777);
    EXPECT_EQ(WindowSize().cy, 333);
    EXPECT_EQ(ClientSize().cx, 775);
    EXPECT_EQ(ClientSize().cy, 306);
    POINT origin{0, 0};
    ClientToScreen(Wnd(), &origin);
    RECT rc{};
    GetWindowRect(Wnd(), &rc);
    EXPECT_EQ(origin.x - rc.left, 1);
    EXPECT_EQ(origin.y - rc.top, 26);

    // The objects of the skin, in its order; the maximise button is hidden
    // and the row closes up.
    ASSERT_EQ(Frame->GetObjectCount(), 5);
    const char* names[] = {"caption", "maxbutton", "minbutton", "sysmenubutton", "closebutton"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Frame->GetObject(i)->IDName, names[i]);
    Frame->SetBorderIcons(bsbiSystemMenu | bsbiMinimize | bsbiRollUp);
    EXPECT_FALSE(Frame->FindObject("maxbutton")->Visible);
    EXPECT_EQ(Frame->FindObject("closebutton")->ObjectRect, Rect(752, 3, 772, 23));
    EXPECT_EQ(Frame->FindObject("minbutton")->ObjectRect, Rect(730, 3, 750, 23));
    EXPECT_EQ(Frame->FindObject("caption")->ObjectRect, Rect(25, 3, 730, 22));

    // Dragged by the caption; the buttons are the frame's own.
    EXPECT_EQ(HitTest(Point(300, 12)), HTCAPTION);
    EXPECT_EQ(HitTest(Point(300, 100)), HTCLIENT);
    EXPECT_EQ(HitTest(Point(762, 13)), HTOBJECT);
    EXPECT_EQ(HitTest(Point(776, 100)), HTOBJECT);  // a single border: no sizing, and not client
}

TEST_F(SkinForm, RegionMatchesTheMask) {
    Skin();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Wnd(), region), ERROR);
    const TPixelBuffer& mask = Manager->GetSkin().FMaskPicture;
    const int dx = 777 - mask.Width, dy = 333 - mask.Height;
    // The fixed corners of the mask (12 x 26 at the top, 12 x 4 at the
    // bottom) sit at the window's corners; the client area is inside.
    int failures = 0;
    const auto expectAt = [&](int x, int y, int mx, int my) {
        const bool inside = (mask.At(mx, my) & 0xFFFFFFu) == 0;
        if (bool(PtInRegion(region, x, y)) != inside && ++failures <= 5)
            ADD_FAILURE() << "window pixel " << x << "," << y << " (mask " << mx << "," << my << ")";
    };
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 12; ++x) {
            expectAt(x, y, x, y);
            expectAt(777 - 12 + x, y, mask.Width - 12 + x, y);
        }
    for (int y = 126; y < mask.Height; ++y)
        for (int x = 0; x < 12; ++x) {
            expectAt(x, y + dy, x, y);
            expectAt(x + dx + 138, y + dy, x + 138, y);
        }
    EXPECT_TRUE(PtInRegion(region, 1, 26));
    EXPECT_TRUE(PtInRegion(region, 775, 331));
    EXPECT_FALSE(PtInRegion(region, 777, 100));
    DeleteObject(region);
}

// The frame of the paint request is the nine-part composition of the frame
// picture at the window's size (grey when inactive, as the skin asks),
// around the untouched client area; only the caption objects differ.
TEST_F(SkinForm, FramePaintedIntoMemoryIsTheCompositionActiveAndInactive) {
    Skin();
    const TbsFormInfo& info = Manager->GetSkin().FDefinition.FormInfo;
    TbsBitmap picture;
    picture.Assign(Manager->GetSkin().FMainPicture);
    const TbsFrameRects& r = Frame->GetFrameRects();
    TSkinImageParams p;
    p.SrcLT = info.LeftTopPoint, p.SrcRT = info.RightTopPoint;
    p.SrcLB = info.LeftBottomPoint, p.SrcRB = info.RightBottomPoint;
    p.SrcClient = info.ClientRect;
    p.SrcRect = Rect(0, 0, picture.Width(), picture.Height());
    p.W = 777, p.H = 333;
    p.StretchLeft = info.LeftStretch, p.StretchTop = info.TopStretch;
    p.StretchRight = info.RightStretch, p.StretchBottom = info.BottomStretch;
    CalcSkinGeometry(GetSkinResizeMode(p.SrcRect, p.SrcLT, p.SrcRT, p.SrcLB, p.SrcRB), p);
    ASSERT_EQ(p.DstClient, r.FrameClientRect);

    for (bool active : {true, false}) {
        Activate(active);
        TbsBitmap expected;
        CreateSkinImage(p, picture, expected);
        GdiFlush();
        std::unique_ptr<TbsEffectBmp> grey;
        if (!active) {
            grey = std::make_unique<TbsEffectBmp>(expected.Handle());
            grey->Grayscale();
        }
        const auto expectedAt = [&](int x, int y) -> std::uint32_t {
            if (!grey) return *expected.PixelPtr(x, y);
            const std::uint8_t* px = grey->View().Pixel(x, y);
            return MakePixel(px[2], px[1], px[0]);
        };
        TbsBitmap target;
        PaintInto(target);
        int differences = 0, textPixels = 0;
        for (int y = 0; y < 333; ++y)
            for (int x = 0; x < 777; ++x) {
                const std::uint32_t got = Rgb(*target.PixelPtr(x, y));
                if (PtInRect(r.FrameClientRect, Point(x, y))) {
                    if (got != Rgb(kSentinel) && ++differences <= 5) ADD_FAILURE() << "client overdrawn at " << x << "," << y;
                    continue;
                }
                bool onObject = false;
                for (int i = 0; i < Frame->GetObjectCount(); ++i)
                    onObject = onObject || (Frame->GetObject(i)->Visible && PtInRect(Frame->GetObject(i)->ObjectRect, Point(x, y)));
                if (onObject) {
                    if (PtInRect(Frame->FindObject("caption")->ObjectRect, Point(x, y)) && got != Rgb(expectedAt(x, y)))
                        ++textPixels;
                    continue;
                }
                if (got != Rgb(expectedAt(x, y)) && ++differences <= 5)
                    ADD_FAILURE() << (active ? "active" : "inactive") << " frame pixel " << x << "," << y << " is "
                                  << std::hex << got << ", expected " << Rgb(expectedAt(x, y));
            }
        if (differences) WriteBmp(target, active ? "SkinFormActiveFrame" : "SkinFormInactiveFrame");
        EXPECT_GT(textPixels, 50) << "the caption text is drawn in the caption object";
    }
}

TEST_F(SkinForm, CaptionTextSitsInTheSkinsTextRectangle) {
    Skin();
    TbsBitmap withText, without;
    PaintInto(withText);
    Form->SetText("");
    PaintInto(without);
    const TRect caption = Frame->FindObject("caption")->ObjectRect;
    const TRect text = Rect(caption.Left + 6, caption.Top, caption.Right - 4, caption.Top + 19);  // textrect 6,0,136,19
    int inside = 0, outside = 0;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 777; ++x) {
            if (Rgb(*withText.PixelPtr(x, y)) == Rgb(*without.PixelPtr(x, y))) continue;
            // The glow reaches three pixels around the letters.
            if (PtInRect(Rect(text.Left - 3, text.Top - 3, text.Right + 3, text.Bottom + 3), Point(x, y))) ++inside;
            else ++outside;
        }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
}

TEST_F(SkinForm, PressingAButtonMovingOffAndReleasingRunsNothing) {
    Skin();
    TbsActiveSkinObject& close = *Frame->FindObject("closebutton");
    Press(close);
    auto& button = dynamic_cast<TbsSkinButtonObject&>(close);
    EXPECT_TRUE(button.FPressed);
    EXPECT_EQ(GetCapture(), Wnd());
    // Off the button: it is no longer hot, and no other object takes over.
    SendMessageA(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, Client(Point(300, 100)));
    EXPECT_FALSE(close.FHot);
    SendMessageA(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, Client(Centre(*Frame->FindObject("minbutton"))));
    EXPECT_EQ(Frame->GetActiveObject(), -1);
    SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Point(300, 100)));
    EXPECT_FALSE(button.FPressed);
    EXPECT_NE(GetCapture(), Wnd());
    PumpFor(50);
    EXPECT_EQ(Closes, 0);
    EXPECT_FALSE(IsIconic(Wnd()));
}

TEST_F(SkinForm, ReleaseOnCloseDrawsItUpThenClosesAfterTheHandler) {
    Skin();
    TbsActiveSkinObject& close = *Frame->FindObject("closebutton");
    Press(close);
    SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Centre(close)));
    EXPECT_EQ(Closes, 0);  // not inside the button's own handler
    EXPECT_FALSE(dynamic_cast<TbsSkinButtonObject&>(close).FPressed);
    // Drawn up: the hot look of the skin, not the pressed one.
    TbsBitmap target;
    PaintInto(target);
    TbsBitmap buttons;
    buttons.Assign(Manager->GetSkin().FActivePictures.at(0));
    const TRect hot = Rect(1, 23, 21, 43);  // closebutton's activeskinrect
    TbsBitmap part;
    part.SetSize(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            *part.PixelPtr(x, y) = *target.PixelPtr(close.ObjectRect.Left + x, close.ObjectRect.Top + y);
    ExpectPixels(part, [&](int x, int y) { return *buttons.PixelPtr(hot.Left + x, hot.Top + y); },
                 "SkinFormCloseReleased");
    EXPECT_TRUE(PumpUntil([&] { return Closes == 1; }, 2000));
}

TEST_F(SkinForm, MinimiseButtonMinimisesAfterTheClick) {
    Skin();
    Form->Show();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Wnd()) != FALSE; }, 2000));
    Activate(true);
    TbsActiveSkinObject& minimise = *Frame->FindObject("minbutton");
    Press(minimise);
    SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Centre(minimise)));
    EXPECT_FALSE(IsIconic(Wnd()));
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(Wnd()) != FALSE; }, 2000));
    ShowWindow(Wnd(), SW_RESTORE);
}

TEST_F(SkinForm, RightPressOnTheCaptionAsksForTheSystemMenu) {
    Skin();
    ASSERT_EQ(HitTest(Point(300, 12)), HTCAPTION);
    SendMessageA(Wnd(), WM_NCRBUTTONDOWN, HTCAPTION, Screen(Point(300, 12)));
    EXPECT_EQ(Frame->SystemMenus.size(), 1u);
    EXPECT_EQ(Frame->GetMouseCaptureObject(), -1);  // the caption never holds the mouse
    // The system's own menu does not open over the skinned caption.
    EXPECT_EQ(SendMessageA(Wnd(), WM_CONTEXTMENU, WPARAM(Wnd()), Screen(Point(300, 12))), 0);
    Frame->SetDisableSystemMenu(true);
    SendMessageA(Wnd(), WM_NCRBUTTONDOWN, HTCAPTION, Screen(Point(300, 12)));
    EXPECT_EQ(Frame->SystemMenus.size(), 1u);
}

TEST_F(SkinForm, RemovingTheSkinGivesThePlainFrameAndRestoringBringsTheObjectsBack) {
    Skin();
    Frame->SetSkinData(nullptr);
    EXPECT_FALSE(Frame->GetSkinLoaded());
    EXPECT_EQ(ClientSize().cx, 775);
    EXPECT_EQ(ClientSize().cy, 306);
    EXPECT_EQ(WindowSize().cx, 775 + 6);
    EXPECT_EQ(WindowSize().cy, 306 + 19 + 6);
    ASSERT_EQ(Frame->GetObjectCount(), 6);  // the plain buttons
    EXPECT_EQ(Frame->FindObject("closebutton")->ObjectRect, Rect(781 - 3 - 17, 4, 781 - 3, 21));
    EXPECT_EQ(HitTest(Point(300, 10)), HTCAPTION);
    EXPECT_EQ(HitTest(Point(300, 100)), HTCLIENT);
    EXPECT_EQ(HitTest(Point(770, 10)), HTOBJECT);
    TbsBitmap plain;
    PaintInto(plain);
    EXPECT_EQ(Rgb(*plain.PixelPtr(300, 100)), Rgb(kSentinel));  // the client is left alone
    EXPECT_NE(Rgb(*plain.PixelPtr(300, 10)), Rgb(kSentinel));   // the caption band is painted

    Frame->SetSkinData(Manager);
    EXPECT_TRUE(Frame->GetSkinLoaded());
    EXPECT_EQ(WindowSize().cx, 777);
    EXPECT_EQ(WindowSize().cy, 333);
    ASSERT_NE(Frame->FindObject("caption"), nullptr);
    EXPECT_EQ(Frame->GetObjectCount(), 5);
}

TEST_F(SkinForm, DestroyingTheManagerFallsBackToThePlainFrame) {
    Skin();
    Owner.reset();  // the manager and the stored skin go
    Manager = nullptr;
    EXPECT_EQ(Frame->GetSkinData(), nullptr);
    EXPECT_FALSE(Frame->GetSkinLoaded());
    EXPECT_EQ(WindowSize().cy, 306 + 19 + 6);
    EXPECT_EQ(HitTest(Point(300, 10)), HTCAPTION);
}

// The objects go at the start of a skin change; the mouse indexes go with
// them, so a mouse message in the middle of the change finds nothing.
TEST_F(SkinForm, SkinReloadWithTheMouseOverAButtonBreaksNothing) {
    Skin();
    TbsActiveSkinObject& close = *Frame->FindObject("closebutton");
    Press(close);
    ASSERT_NE(Frame->GetMouseCaptureObject(), -1);
    int during = 0;
    Frame->OnBeforeChangeSkinData = [&](TComponent*) {
        ++during;
        EXPECT_EQ(Frame->GetObjectCount(), 0);
        EXPECT_EQ(Frame->GetActiveObject(), -1);
        EXPECT_EQ(Frame->GetMouseCaptureObject(), -1);
        SendMessageA(Wnd(), WM_NCMOUSEMOVE, HTOBJECT, Screen(Point(762, 13)));
        SendMessageA(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, Client(Point(762, 13)));
        SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Point(762, 13)));
        SendMessageA(Wnd(), WM_NCLBUTTONUP, HTOBJECT, Screen(Point(762, 13)));
        EXPECT_EQ(HitTest(Point(762, 13)), HTOBJECT);
        Frame->MouseOutTick();
        Frame->MorphTick();
    };
    Manager->LoadCompressedStoredSkin(Stored);
    EXPECT_EQ(during, 1);
    EXPECT_EQ(Frame->GetObjectCount(), 5);
    EXPECT_EQ(Frame->GetMouseCaptureObject(), -1);
    SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Point(762, 13)));
    PumpFor(30);
    EXPECT_EQ(Closes, 0);
    // The new objects work.
    Press(*Frame->FindObject("closebutton"));
    SendMessageA(Wnd(), WM_LBUTTONUP, 0, Client(Point(762, 13)));
    EXPECT_TRUE(PumpUntil([&] { return Closes == 1; }, 2000));
}

TEST_F(SkinForm, HoverMorphsInFiveTicksAndTheMouseOutTimerEndsTracking) {
    Skin();
    TbsActiveSkinObject& close = *Frame->FindObject("closebutton");
    ASSERT_EQ(HitTest(Centre(close)), HTOBJECT);
    EXPECT_TRUE(close.Active);
    EXPECT_TRUE(Form->TimerRunning(tidFormMouseOut));
    for (int i = 0; i < 5; ++i) Frame->MorphTick();
    EXPECT_DOUBLE_EQ(close.FMorphPos, 1.0);
    Frame->MorphTick();  // nothing moved: the timer stops
    EXPECT_FALSE(Form->TimerRunning(tidFormCaptionMorph));
    // The pointer is over another window now.
    TSystemHooksOverride elsewhere({[] { return Point(-5000, -5000); }, [](TPoint) { return HWND(nullptr); }, {}});
    Frame->MouseOutTick();
    EXPECT_FALSE(close.Active);
    EXPECT_EQ(Frame->GetActiveObject(), -1);
    EXPECT_FALSE(Form->TimerRunning(tidFormMouseOut));
}

TEST_F(SkinForm, ClientBackgroundIsTheSkinsClientPartTiled) {
    Skin();
    TbsBitmap client;
    FillCanvas(client, 775, 306, kSentinel);
    SendMessageA(Wnd(), WM_ERASEBKGND, WPARAM(client.DC()), 0);
    GdiFlush();
    TbsBitmap picture;
    picture.Assign(Manager->GetSkin().FMainPicture);
    const TRect src = Manager->GetSkin().FDefinition.FormInfo.ClientRect;  // bgpictureindex -1: the client part
    ExpectPixels(client,
                 [&](int x, int y) { return *picture.PixelPtr(src.Left + x % src.Width(), src.Top + y % src.Height()); },
                 "SkinFormBackground");
}

// A background picture index outside the skin's list, or a client area of
// no height, draws no background instead of failing.
TEST_F(SkinForm, BadBackgroundIndexAndEmptyClientDrawNothing) {
    Skin();
    // The records are the manager's; this skin is changed in place to state
    // an index no picture has.
    auto& info = const_cast<TbsSkinDataCore&>(Manager->GetSkin()).FDefinition.FormInfo;
    info.BGPictureIndex = 99;
    TbsBitmap client;
    FillCanvas(client, 775, 306, kSentinel);
    EXPECT_EQ(SendMessageA(Wnd(), WM_ERASEBKGND, WPARAM(client.DC()), 0), 1);
    GdiFlush();
    ExpectPixels(client, [](int, int) { return kSentinel; }, "SkinFormNoBackground");
    info.BGPictureIndex = -1;

    Form->SetClientHeight(0);
    EXPECT_EQ(ClientSize().cy, 0);
    EXPECT_EQ(SendMessageA(Wnd(), WM_ERASEBKGND, WPARAM(client.DC()), 0), 1);
}

TEST_F(SkinForm, PaintingAndSkinChangesLeaveNoHandleBehind) {
    Skin();
    TbsBitmap target;
    // Every path once first: fonts and pictures made on first use are kept.
    const auto everyPath = [&] {
        Activate(false);
        PaintInto(target);
        Activate(true);
        PaintInto(target);
        SendMessageA(Wnd(), WM_NCPAINT, 1, 0);
        Frame->SetSkinData(nullptr);
        PaintInto(target);
        Activate(false);
        PaintInto(target);
        Activate(true);
        Frame->SetSkinData(Manager);
        PaintInto(target);
    };
    everyPath();
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc),
               regions = LiveHandleCount(THandleKind::Region), fonts = LiveHandleCount(THandleKind::Font),
               pens = LiveHandleCount(THandleKind::Pen);
    for (int i = 0; i < 3; ++i) everyPath();
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Pen), pens);
}

TEST_F(SkinForm, FreeingTheFrameGivesTheFormItsOwnFrameBack) {
    Skin();
    delete Frame;
    Frame = nullptr;
    EXPECT_EQ(ClientSize().cx, 775);
    EXPECT_EQ(ClientSize().cy, 306);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Wnd(), region), ERROR);  // no shape any more
    DeleteObject(region);
    EXPECT_NE(Form->GetBorderIcons(), 0u);
    EXPECT_NE(SendMessageA(Wnd(), WM_QUERYSKINNEDFRAME, 0, 0), 12853);
}

TEST_F(SkinForm, QueriesOfOtherWindows) {
    Skin();
    EXPECT_EQ(SendMessageA(Wnd(), WM_QUERYSKINNEDFRAME, 0, 0), 12853);
    EXPECT_EQ(SendMessageA(Wnd(), WM_PAINTFRAMETODC, 0, 0), 0);  // no context: nothing painted
    EXPECT_EQ(SendMessageA(Wnd(), WM_PAINTCONTROLTODC, 0, 16802), 16802);
    MINMAXINFO info{};
    SendMessageA(Wnd(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 27);
}

TEST_F(SkinForm, LayoutHoldingTheFrameLoadsAndTakesItsLook) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    RegisterSkinFormClasses(classes);
    TForm form(nullptr);
    form.ReadLayoutInto(ParseLayoutText(R"(
        F: TForm {
          ClientWidth = 775 ClientHeight = 306 BorderStyle = bsSingle
          bsSkinForm1: TbsSkinForm {
            SkinData = bsSkinData1
            BorderIcons = [biSystemMenu, biMinimize, biRollUp]
            WindowState = wsNormal ShowIcon = False AlphaBlend = False AlphaBlendValue = 200
            MenusAlphaBlendValue = 200 Magnetic = False MagneticSize = 5
            UseSkinFontInCaption = True UseSkinFontInMenu = True UseSkinSizeInMenu = True UseDefaultSysMenu = True
            ClientInActiveEffect = False ClientInActiveEffectType = bsieSemiTransparent
            DefCaptionFont.Name = "Tahoma" DefCaptionFont.Height = 13 DefCaptionFont.Style = [fsBold]
            DefCaptionFont.Color = clBtnText DefCaptionFont.Charset = DEFAULT_CHARSET
            DefInActiveCaptionFont.Name = "Tahoma" DefInActiveCaptionFont.Height = 13
            DefInActiveCaptionFont.Style = [fsBold] DefInActiveCaptionFont.Color = clBtnShadow
            DefMenuItemFont.Name = "Tahoma" DefMenuItemFont.Height = 13 DefMenuItemHeight = 20
            MinWidth = 0 MinHeight = 0 MaxWidth = 0 MaxHeight = 0
          }
          bsSkinData1: TbsSkinData { CompressedStoredSkin = bsCompressedStoredSkin1 }
          bsCompressedStoredSkin1: TbsCompressedStoredSkin { CompressedData = resource("ZEVRAKSKIN") }
        })",
                                        LoadRcData));
    auto* frame = dynamic_cast<TbsSkinForm*>(form.FindComponent("bsSkinForm1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetBorderIcons(), TbsBorderIcons(bsbiSystemMenu | bsbiMinimize | bsbiRollUp));
    EXPECT_EQ(frame->DefInActiveCaptionFont().GetColor(), clBtnShadow);
    EXPECT_EQ(frame->GetDefMenuItemHeight(), 20);
    EXPECT_TRUE(frame->GetSkinLoaded());
    RECT rc{};
    GetWindowRect(form.GetHandle(), &rc);
    EXPECT_EQ(rc.right - rc.left, 777);
    EXPECT_EQ(rc.bottom - rc.top, 333);
    EXPECT_FALSE(frame->FindObject("maxbutton")->Visible);
    EXPECT_TRUE(frame->FindObject("minbutton")->Visible);
}

}  // namespace
