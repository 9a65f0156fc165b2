// The skinned push button on a real window, bound to the built-in skin's
// "button" record (the table window's spin button): the state images
// painted into memory against the composition of the record, the morph
// driven by its timer handler, mouse presses with capture, keys, Default
// and Cancel with one owner for Enter, a disabled button that never clicks,
// glyph cells and margins, a radio-like group, the glow frame of a record
// that has one, and the layout properties.
#include "skin/controls/SkinButton.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/StdCtrls.h"
#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/TbsEffectBmp.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Zevrak's "button": picture 3, 56 x 25 state images, ends 13 and 17, the
// middle stretched; client area 4,3,52,21.
constexpr TRect kNormalRect{4, 4, 60, 29};
constexpr TRect kActiveRect{4, 31, 60, 56};
constexpr TRect kDownRect{4, 58, 60, 83};
constexpr TRect kFocusedRect{4, 85, 60, 110};
constexpr TRect kDisabledRect{4, 112, 60, 137};
constexpr int kWidth = 75;
// The client area of the 75-wide button: the record's, 19 wider.
constexpr TRect kContent{4, 3, 71, 21};

constexpr std::uint32_t kRed = MakePixel(255, 0, 0, 0);
constexpr std::uint32_t kGreen = MakePixel(0, 255, 0, 0);

class SkinButton : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->Show();
        SetForegroundWindow(Form->GetHandle());
    }

    // The spin button: 75 x 20 in the layout, caption "Hadi Kizim".
    TbsSkinButton* AddButton(bool bound, const std::string& caption = "Hadi Kizim", int left = 10) {
        auto* button = new TbsSkinButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(left, 10, kWidth, 20);
        button->SetCaption(caption);
        button->SetOnClick([this, button](TComponent*) {
            ++Clicks;
            ClickedDown = button->GetDown();
        });
        button->HandleNeeded();
        if (bound) button->SetSkinData(Manager);
        return button;
    }

    // The record's state image at the button's size, with the caption in
    // the record's font and the given colour.
    void ComposeFace(const TRect& rect, const std::string& caption, TColor color, TbsBitmap& face) const {
        CreateHSkinImage(13, 17, face, true, kWidth, rect, Picture);
        if (caption.empty()) return;
        TFont font;
        font.SetName("Tahoma");
        font.SetHeight(13);
        font.SetStyle(Record().Font.Style);
        TSelectObject select(face.DC(), font.GetHandle());
        SetBkMode(face.DC(), TRANSPARENT);
        SetTextColor(face.DC(), ColorToRGB(color));
        TbsBitmap noGlyph;
        DrawGlyphAndText(face.DC(), kContent, -1, 0, false, false, 1, 1, noGlyph, caption, bsglGlyphLeft, 1);
        GdiFlush();
    }

    void ExpectFace(TbsSkinButton& button, const TRect& rect, TColor color) {
        TbsBitmap expected, printed;
        ComposeFace(rect, button.GetCaption(), color, expected);
        Print(button, printed);
        ASSERT_EQ(printed.Height(), 25);
        ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName() + "." + Name(rect));
    }
    static std::string Name(const TRect& rect) { return "y" + std::to_string(rect.Top); }

    static void Tick(TbsSkinButton& button, UINT_PTR id) { button.Perform(WM_TIMER, id, 0); }
    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
    static void Send(TbsSkinButton& button, UINT msg, int x = 10, int y = 10) {
        SendMessageA(button.GetHandle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, At(x, y));
    }

    const TbsDataSkinButtonControl& Record() const {
        const int index = Manager->GetSkin().FindSkinControlRecord("button");
        return *SkinControlRecordAs<TbsDataSkinButtonControl>(Manager, index);
    }

    int Clicks = 0;
    bool ClickedDown = true;
};

// Counts pixels of one colour.
int CountPixels(const TbsBitmap& bmp, std::uint32_t pixel) {
    int n = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) n += Rgb(*bmp.PixelPtr(x, y)) == Rgb(pixel);
    return n;
}

int LeftmostPixel(const TbsBitmap& bmp, std::uint32_t pixel) {
    for (int x = 0; x < bmp.Width(); ++x)
        for (int y = 0; y < bmp.Height(); ++y)
            if (Rgb(*bmp.PixelPtr(x, y)) == Rgb(pixel)) return x;
    return -1;
}

TEST_F(SkinButton, SpinButtonTakesTheSkinHeightAndTheRecordValues) {
    LoadZevrak();
    auto* button = AddButton(true);
    EXPECT_EQ(button->GetWidth(), 75);
    EXPECT_EQ(button->GetHeight(), 25);
    EXPECT_EQ(button->SizedGeometry().DstClient, kContent);
    const TbsButtonSkin& skin = button->ButtonSkin();
    EXPECT_EQ(skin.ActiveSkinRect, kActiveRect);
    EXPECT_EQ(skin.DownSkinRect, kDownRect);
    EXPECT_EQ(skin.DisabledSkinRect, kDisabledRect);
    EXPECT_EQ(skin.DisabledFontColor, Record().DisabledFontColor);
    EXPECT_TRUE(button->MorphActive());
    // Unbound, the layout's size stays.
    auto* plain = AddButton(false, "x", 100);
    EXPECT_EQ(plain->GetHeight(), 20);
}

// Pixels: normal, hot, down and disabled each equal the composition of
// their rectangle of the record with the caption in the state's colour.
TEST_F(SkinButton, EachStatePaintsTheCompositionOfItsRecordRectangle) {
    LoadZevrak();
    auto* button = AddButton(true);
    const TbsDataSkinButtonControl& r = Record();
    ExpectFace(*button, kNormalRect, r.Font.Color);

    button->MouseEnter();
    EXPECT_EQ(button->CurrentImage(), (TbsButtonImage{bsbrActive, true, false}));
    ExpectFace(*button, kActiveRect, r.ActiveFontColor);

    button->SetDown(true);
    EXPECT_EQ(button->CurrentImage(), (TbsButtonImage{bsbrDown, true, true}));
    ExpectFace(*button, kDownRect, r.DownFontColor);
    button->SetDown(false);
    button->MouseLeave();

    button->SetEnabled(false);
    EXPECT_EQ(button->CaptionColor(false, false), r.DisabledFontColor);
    ExpectFace(*button, kDisabledRect, r.DisabledFontColor);
}

TEST_F(SkinButton, PaintHandlerGetsTheContentRectangleAndCanReplaceTheCaption) {
    LoadZevrak();
    auto* button = AddButton(true);
    TRect seen;
    int calls = 0;
    button->OnPaint = [&](TbsSkinButton*, TCanvas&, bool& drawDefault, bool isActive, bool isDown, const TRect& r) {
        ++calls;
        seen = r;
        EXPECT_FALSE(isActive);
        EXPECT_FALSE(isDown);
        drawDefault = false;
    };
    TbsBitmap expected, printed;
    ComposeFace(kNormalRect, "", 0, expected);
    Print(*button, printed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, kContent);
    ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName());
}

TEST_F(SkinButton, HoverFadesToHotInFiveTicksAndBack) {
    LoadZevrak();
    auto* button = AddButton(true);
    button->MouseEnter();
    EXPECT_TRUE(button->TimerRunning(tidButtonMorph));
    EXPECT_EQ(button->MorphValue(), 0.0);
    for (int tick = 1; tick <= 5; ++tick) {
        Tick(*button, tidButtonMorph);
        EXPECT_DOUBLE_EQ(button->MorphValue(), tick * 0.2) << tick;
        if (tick == 2) {
            // Mid-way the paint is the normal image morphed towards the hot one.
            TbsBitmap normal, hot, printed;
            ComposeFace(kNormalRect, button->GetCaption(), Record().Font.Color, normal);
            ComposeFace(kActiveRect, button->GetCaption(), Record().ActiveFontColor, hot);
            TbsEffectBmp from(normal.Handle()), to(hot.Handle());
            from.Morph(to, 0.4);
            TbsBitmap expected;
            expected.SetSize(kWidth, 25);
            from.Draw(expected.DC(), 0, 0);
            GdiFlush();
            Print(*button, printed);
            ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName() + ".blend");
        }
    }
    EXPECT_TRUE(button->TimerRunning(tidButtonMorph)) << "a final tick ends the fade";
    Tick(*button, tidButtonMorph);
    EXPECT_FALSE(button->TimerRunning(tidButtonMorph));
    EXPECT_EQ(button->MorphValue(), 1.0);
    ExpectFace(*button, kActiveRect, Record().ActiveFontColor);

    button->MouseLeave();
    for (int tick = 0; tick < 5; ++tick) Tick(*button, tidButtonMorph);
    EXPECT_EQ(button->MorphValue(), 0.0);
    Tick(*button, tidButtonMorph);
    EXPECT_FALSE(button->TimerRunning(tidButtonMorph));
    ExpectFace(*button, kNormalRect, Record().Font.Color);
}

TEST_F(SkinButton, PressAndReleaseInsideClicksOnceAfterTheButtonIsDrawnUp) {
    LoadZevrak();
    TSystemHooksOverride hooks({{}, [&](TPoint) { return Form->GetHandle(); }, {}});
    auto* button = AddButton(true);
    TbsBitmap atClick;
    button->SetOnClick([&](TComponent*) {
        ++Clicks;
        ClickedDown = button->GetDown();
        Print(*button, atClick);
    });
    Send(*button, WM_LBUTTONDOWN);
    EXPECT_TRUE(button->GetDown());
    EXPECT_EQ(GetCapture(), button->GetHandle());
    EXPECT_EQ(button->CurrentImage().Rect, bsbrDown);
    EXPECT_EQ(Clicks, 0);
    Send(*button, WM_LBUTTONUP);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(ClickedDown);
    // Focused by the press: the focused image, in the hot colour.
    TbsBitmap expected;
    ComposeFace(kFocusedRect, button->GetCaption(), Record().ActiveFontColor, expected);
    ExpectPixels(atClick, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName() + ".atClick");
    EXPECT_NE(GetCapture(), button->GetHandle());
}

TEST_F(SkinButton, ReleaseOutsideOrLosingCaptureClicksNothingAndLeavesItUp) {
    LoadZevrak();
    TSystemHooksOverride hooks({{}, [&](TPoint) { return Form->GetHandle(); }, {}});
    auto* button = AddButton(true);
    Send(*button, WM_LBUTTONDOWN);
    Send(*button, WM_MOUSEMOVE, 200, 100);  // dragged out while captured
    EXPECT_FALSE(button->MouseOver());
    EXPECT_NE(button->CurrentImage().Rect, bsbrDown) << "a down button dragged out of is drawn up";
    Send(*button, WM_LBUTTONUP, 200, 100);
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(button->GetDown());

    Send(*button, WM_LBUTTONDOWN);
    ASSERT_TRUE(button->GetDown());
    SetCapture(Form->GetHandle());  // another window takes the mouse mid-press
    EXPECT_FALSE(button->GetDown());
    ReleaseCapture();
    Send(*button, WM_LBUTTONUP);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(SkinButton, DisabledButtonNeverClicksByAnyPathAndComesBackNormal) {
    LoadZevrak();
    TSystemHooksOverride hooks({{}, [&](TPoint) { return Form->GetHandle(); }, {}});
    auto* button = AddButton(true, "&Hadi Kizim");
    button->SetDefault(true);
    button->SetCancel(true);
    button->SetRepeatMode(true);
    // A repeat running when the game disables the button.
    Send(*button, WM_LBUTTONDOWN);
    ASSERT_TRUE(button->TimerRunning(tidButtonRepeat));
    button->MouseEnter();
    button->SetEnabled(false);
    EXPECT_FALSE(button->TimerRunning(tidButtonRepeat));
    EXPECT_FALSE(button->TimerRunning(tidButtonMorph));
    Tick(*button, tidButtonRepeat);
    Send(*button, WM_LBUTTONUP);

    Send(*button, WM_LBUTTONDOWN);
    Send(*button, WM_LBUTTONUP);
    SendMessageA(button->GetHandle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(button->GetHandle(), WM_KEYUP, VK_SPACE, 0);
    SendMessageA(button->GetHandle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(Form->DialogKey(VK_RETURN, 0));
    EXPECT_FALSE(Form->DialogKey(VK_ESCAPE, 0));
    EXPECT_FALSE(Form->DialogChar('h'));
    EXPECT_FALSE(button->DialogKey(VK_RETURN, 0));
    EXPECT_FALSE(button->DialogChar('h'));
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    button->ExecuteClick();
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(button->CurrentImage().Rect, bsbrDisabled);

    ::SetFocus(nullptr);  // else the form gives the focus back and the face shows it
    button->SetEnabled(true);
    EXPECT_EQ(button->MorphValue(), 0.0);
    EXPECT_FALSE(button->GetDown());
    ExpectFace(*button, kNormalRect, Record().Font.Color);
    button->ExecuteClick();
    EXPECT_EQ(Clicks, 1);
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks, 2) << "an automation click presses an enabled button once";
}

TEST_F(SkinButton, RepeatStopsWhenAParentIsDisabled) {
    LoadZevrak();
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(0, 50, 200, 60);
    auto* button = new TbsSkinButton(Form.get());
    button->SetParent(panel);
    button->SetBounds(10, 10, kWidth, 25);
    button->SetSkinData(Manager);
    button->SetOnClick([this](TComponent*) { ++Clicks; });
    button->SetRepeatMode(true);
    button->SetRepeatInterval(40);
    Send(*button, WM_LBUTTONDOWN);
    Tick(*button, tidButtonRepeat);
    EXPECT_EQ(Clicks, 1);
    panel->SetEnabled(false);
    Tick(*button, tidButtonRepeat);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(button->TimerRunning(tidButtonRepeat));
}

TEST_F(SkinButton, SpaceAndAcceleratorClickOnce) {
    LoadZevrak();
    auto* button = AddButton(true, "&Hadi Kizim");
    button->SetFocus();
    SendMessageA(button->GetHandle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(button->GetHandle(), WM_KEYDOWN, VK_SPACE, 1 << 30);  // auto-repeat
    EXPECT_TRUE(button->GetDown());
    EXPECT_EQ(Clicks, 0);
    SendMessageA(button->GetHandle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(button->GetDown());
    // A space released without its press here does nothing.
    SendMessageA(button->GetHandle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Form->DialogChar('H'));
    EXPECT_EQ(Clicks, 2);
    EXPECT_FALSE(Form->DialogChar('x'));
}

class SkinButtonEnter : public SkinButton {
protected:
    void Press(WPARAM key) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        Application().ProcessMessages();
    }
};

TEST_F(SkinButtonEnter, OneEnterIsOneClickWhereverTheFocusIs) {
    LoadZevrak();
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 100, 80, 21);
    int defaultClicks = 0, otherClicks = 0;
    auto* spin = AddButton(true, "Hadi Kizim", 10);
    auto* other = AddButton(true, "Other", 100);
    spin->SetOnClick([&](TComponent*) { ++defaultClicks; });
    other->SetOnClick([&](TComponent*) { ++otherClicks; });
    spin->SetDefault(true);

    other->SetFocus();
    EXPECT_FALSE(spin->ActiveDefault());
    EXPECT_TRUE(other->ActiveDefault());
    Press(VK_RETURN);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(defaultClicks, 0) << "the focused button owns Enter";
    EXPECT_FALSE(Form->DialogKey(VK_RETURN, 0)) << "the dialog-key step leaves Enter to the focused button";
    EXPECT_EQ(defaultClicks, 0);

    spin->SetFocus();
    Press(VK_RETURN);
    EXPECT_EQ(defaultClicks, 1);
    EXPECT_EQ(otherClicks, 1);

    edit->SetFocus();
    EXPECT_TRUE(spin->ActiveDefault());
    EXPECT_FALSE(other->ActiveDefault());
    EXPECT_TRUE(spin->MouseOver()) << "the default button is drawn hot while an edit has the focus";
    Press(VK_RETURN);
    EXPECT_EQ(defaultClicks, 2);
    EXPECT_EQ(otherClicks, 1);

    other->SetCancel(true);
    Press(VK_ESCAPE);
    EXPECT_EQ(otherClicks, 2);
}

TEST_F(SkinButton, GlyphCellFollowsNumGlyphsAndMarginBelowMinusOneIsIgnored) {
    LoadZevrak();
    auto* button = AddButton(true, "");
    TbsBitmap& glyph = button->Glyph();
    glyph.SetSize(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) *glyph.PixelPtr(x, y) = x < 8 ? kRed : kGreen;
    // Each cell's bottom-left pixel's colour is the transparent one.
    *glyph.PixelPtr(0, 7) = MakePixel(255, 0, 255, 0);
    *glyph.PixelPtr(8, 7) = MakePixel(255, 0, 255, 0);
    button->SetNumGlyphs(2);
    TbsBitmap printed;
    Print(*button, printed);
    EXPECT_GT(CountPixels(printed, kRed), 0);
    EXPECT_EQ(CountPixels(printed, kGreen), 0);
    button->SetEnabled(false);
    Print(*button, printed);
    EXPECT_EQ(CountPixels(printed, kRed), 0);
    EXPECT_GT(CountPixels(printed, kGreen), 0) << "disabled with two cells: the second";
    button->SetNumGlyphs(1);  // one cell: the whole strip, disabled or not
    Print(*button, printed);
    EXPECT_GT(CountPixels(printed, kRed), 0);
    EXPECT_EQ(LeftmostPixel(printed, kRed), kContent.Left + (kContent.Width() - 16) / 2);
    button->SetEnabled(true);

    button->SetNumGlyphs(2);
    button->SetMargin(5);
    Print(*button, printed);
    EXPECT_EQ(LeftmostPixel(printed, kRed), kContent.Left + 5);
    button->SetMargin(-2);
    EXPECT_EQ(button->GetMargin(), 5);
    Print(*button, printed);
    EXPECT_EQ(LeftmostPixel(printed, kRed), kContent.Left + 5);
    button->SetMargin(-1);  // centred: the glyph alone in the content rectangle
    Print(*button, printed);
    EXPECT_EQ(LeftmostPixel(printed, kRed), kContent.Left + (kContent.Width() - 8) / 2);
}

TEST_F(SkinButton, GroupOfThreeKeepsOneDown) {
    LoadZevrak();
    TbsSkinButton* b[3];
    int clicks[3] = {};
    for (int i = 0; i < 3; ++i) {
        b[i] = AddButton(true, "g", 10 + 80 * i);
        b[i]->SetGroupIndex(1);
        b[i]->SetOnClick([&clicks, i](TComponent*) { ++clicks[i]; });
        EXPECT_FALSE(b[i]->GetCanFocused());
    }
    auto press = [&](int i) {
        Send(*b[i], WM_LBUTTONDOWN);
        Send(*b[i], WM_LBUTTONUP);
        b[i]->MouseLeave();  // the pointer moves on
    };
    press(0);
    EXPECT_TRUE(b[0]->GetDown());
    EXPECT_EQ(clicks[0], 1) << "a group member clicks on the press";
    press(1);
    EXPECT_TRUE(b[1]->GetDown());
    EXPECT_FALSE(b[0]->GetDown());
    EXPECT_FALSE(b[2]->GetDown());
    press(1);  // pressing the down one again keeps it down
    EXPECT_TRUE(b[1]->GetDown());
    EXPECT_EQ(clicks[1], 1);
    // Released by its neighbour, the first fades from hot back to normal.
    EXPECT_EQ(b[0]->CurrentImage().Rect, bsbrActive);
    for (int tick = 0; tick < 6; ++tick) Tick(*b[0], tidButtonMorph);
    EXPECT_FALSE(b[0]->TimerRunning(tidButtonMorph));
    EXPECT_EQ(b[0]->CurrentImage().Rect, bsbrSkin);
    EXPECT_EQ(b[1]->CurrentImage().Rect, bsbrDown) << "a down group member is drawn down with the pointer away";

    b[1]->SetAllowAllUp(true);
    press(1);
    EXPECT_FALSE(b[1]->GetDown());
    EXPECT_EQ(clicks[1], 2);
    // Setting Down from code releases the others too.
    b[2]->SetDown(true);
    b[0]->SetDown(true);
    EXPECT_FALSE(b[2]->GetDown());
}

TEST_F(SkinButton, CheckedModeTogglesWithOneClickPerPress) {
    LoadZevrak();
    auto* button = AddButton(true);
    button->SetCheckedMode(true);
    EXPECT_EQ(button->GetGroupIndex(), -1);
    Send(*button, WM_LBUTTONDOWN);
    Send(*button, WM_LBUTTONUP);
    EXPECT_TRUE(button->GetDown());
    EXPECT_EQ(Clicks, 1);
    Send(*button, WM_LBUTTONDOWN);
    Send(*button, WM_LBUTTONUP);
    EXPECT_FALSE(button->GetDown());
    EXPECT_EQ(Clicks, 2);
    button->SetCheckedMode(false);
    EXPECT_EQ(button->GetGroupIndex(), 0);
}

// A copy of the built-in skin whose "button" has a glow picture: the
// layered border picture and its mask, shown 5 left and 4 up.
class SkinButtonGlow : public SkinButton {
protected:
    void LoadGlowSkin() {
        namespace fs = std::filesystem;
        Folder = fs::temp_directory_path() / ("rdz-glow-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        const fs::path source = fs::path(RDZ_SOURCE_DIR) / "skins" / "Zevrak";
        for (const auto& entry : fs::directory_iterator(source)) fs::copy(entry.path(), Folder / entry.path().filename());
        std::ifstream in(Folder / "Zevrak.ini", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        in.close();
        std::string ini = text.str();
        // Only the "button" section changes.
        const std::size_t button = ini.find("[button]");
        ASSERT_NE(button, std::string::npos);
        Replace(ini, button, "glowlayerpictureindex=-1", "glowlayerpictureindex=12");
        Replace(ini, button, "glowlayermaskpictureindex=-1", "glowlayermaskpictureindex=13");
        Replace(ini, button, "glowlayershowoffsetx=0", "glowlayershowoffsetx=5");
        Replace(ini, button, "glowlayershowoffsety=0", "glowlayershowoffsety=4");
        std::ofstream(Folder / "Zevrak.ini", std::ios::binary) << ini;
        Stored->LoadFromIniFile((Folder / "Zevrak.ini").string());
        Manager->LoadCompressedStoredSkin(Stored);
        ASSERT_FALSE(Manager->GetEmpty());
        Picture.Assign(Manager->GetSkin().FActivePictures.at(kControlsPicture));
        GlowPicture.Assign(Manager->GetSkin().FActivePictures.at(12));
    }
    void TearDown() override {
        SkinButton::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }
    static void Replace(std::string& text, std::size_t start, const std::string& from, const std::string& to) {
        const auto at = text.find(from, start);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
    bool GlowShown(const TbsSkinButton& button) const {
        return button.GlowLayer() && button.GlowLayer()->Visible();
    }
    std::filesystem::path Folder;
    TbsBitmap GlowPicture;
};

TEST_F(SkinButtonGlow, GlowFrameShowsOnEnterAndHidesOnLeave) {
    LoadGlowSkin();
    auto* button = AddButton(true);
    ASSERT_EQ(button->ButtonSkin().GlowPictureIndex, 12);
    button->MouseEnter();
    EXPECT_FALSE(GlowShown(*button)) << "posted: shown after the handler that asked";
    ASSERT_TRUE(PumpUntil([&] { return GlowShown(*button); }, 2000));
    const TPoint origin = button->ClientToScreen(Point(0, 0));
    const TbsLayerWindow* layer = button->GlowLayer()->LayerWindow();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->Left(), origin.X - 5);
    EXPECT_EQ(layer->Top(), origin.Y - 4);
    // The horizontal three-part button widens its glow by its own widening.
    EXPECT_EQ(button->GlowLayer()->Image()->Width(), GlowPicture.Width() + kWidth - 56);
    button->MouseLeave();
    ASSERT_TRUE(PumpUntil([&] { return !GlowShown(*button); }, 2000));

    Manager->SetShowButtonGlowFrames(false);
    button->MouseEnter();
    PumpFor(50);
    EXPECT_FALSE(GlowShown(*button));
    button->MouseLeave();
    button->SetAlwaysShowLayeredFrame(true);
    button->MouseEnter();
    EXPECT_TRUE(PumpUntil([&] { return GlowShown(*button); }, 2000));
    button->MouseLeave();
    EXPECT_TRUE(PumpUntil([&] { return !GlowShown(*button); }, 2000)) << "hidden whatever the options";
}

TEST_F(SkinButton, ZevrakButtonShowsNoGlow) {
    LoadZevrak();
    auto* button = AddButton(true);
    button->MouseEnter();
    PumpFor(50);
    EXPECT_FALSE(button->GlowLayer() && button->GlowLayer()->Visible());
}

TEST_F(SkinButton, PlainButtonDrawsTheStateColours) {
    auto* button = AddButton(false, "");
    // A colour as the canvas of a memory bitmap fills it here.
    auto filled = [](TColor color) {
        TbsBitmap one;
        one.SetSize(1, 1);
        one.Canvas().Brush().SetColor(color);
        one.Canvas().FillRect(Rect(0, 0, 1, 1));
        GdiFlush();
        return Rgb(*one.PixelPtr(0, 0));
    };
    TbsBitmap printed;
    Print(*button, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 10)), filled(clBtnFace));
    button->MouseEnter();
    Print(*button, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 10)), filled(13811126));  // hex D2BDB6
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), filled(8388608));     // navy frame
    button->SetDown(true);
    Print(*button, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(10, 10)), filled(11899781));  // hex B59285
}

TEST_F(SkinButton, PaintingEveryStateLeavesNoHandleBehind) {
    LoadZevrak();
    auto* button = AddButton(true);
    TbsBitmap printed;
    auto paintAll = [&] {
        Print(*button, printed);
        button->MouseEnter();
        Tick(*button, tidButtonMorph);
        Print(*button, printed);  // a blend
        button->SetDown(true);
        Print(*button, printed);
        button->SetDown(false);
        button->MouseLeave();
        button->SetEnabled(false);
        Print(*button, printed);
        button->SetEnabled(true);
    };
    paintAll();
    const long fonts = LiveHandleCount(THandleKind::Font), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc), brushes = LiveHandleCount(THandleKind::Brush);
    for (int i = 0; i < 5; ++i) paintAll();
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), brushes);
}

TEST_F(SkinButton, LayoutPropertiesReachTheButton) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinButton");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* button = dynamic_cast<TbsSkinButton*>(made.get());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetSkinDataName(), "button");
    EXPECT_EQ(button->GetWidth(), 75);
    EXPECT_EQ(button->GetHeight(), 25);
    EXPECT_TRUE(button->GetCanFocused());
    EXPECT_TRUE(button->GetTabStop());
    auto set = [&](const char* name, const TLayoutValue& v) {
        const TPropertyInfo* p = info->FindProperty(name);
        ASSERT_NE(p, nullptr) << name;
        p->SetValue(*button, v);
    };
    set("Caption", TLayoutValue::OfString("Hadi Kizim"));
    set("RepeatMode", TLayoutValue::OfBool(true));
    set("RepeatInterval", TLayoutValue::OfInteger(150));
    set("NumGlyphs", TLayoutValue::OfInteger(3));
    set("Margin", TLayoutValue::OfInteger(4));
    set("Spacing", TLayoutValue::OfInteger(6));
    set("Layout", TLayoutValue::OfIdent("blGlyphTop"));
    set("Default", TLayoutValue::OfBool(true));
    set("Cancel", TLayoutValue::OfBool(true));
    set("ModalResult", TLayoutValue::OfInteger(1));
    set("AlwaysShowLayeredFrame", TLayoutValue::OfBool(true));
    set("UseSkinFontColor", TLayoutValue::OfBool(false));
    set("Transparent", TLayoutValue::OfBool(true));
    set("ImageIndex", TLayoutValue::OfInteger(2));
    set("AllowAllUp", TLayoutValue::OfBool(true));
    set("GroupIndex", TLayoutValue::OfInteger(2));
    set("Down", TLayoutValue::OfBool(true));
    EXPECT_EQ(button->GetCaption(), "Hadi Kizim");
    EXPECT_TRUE(button->GetRepeatMode());
    EXPECT_EQ(button->GetRepeatInterval(), 150);
    EXPECT_EQ(button->GetNumGlyphs(), 3);
    EXPECT_EQ(button->GetMargin(), 4);
    EXPECT_EQ(button->GetSpacing(), 6);
    EXPECT_EQ(button->GetLayout(), bsglGlyphTop);
    EXPECT_TRUE(button->GetDefault());
    EXPECT_TRUE(button->GetCancel());
    EXPECT_EQ(button->GetModalResult(), 1);
    EXPECT_TRUE(button->GetAlwaysShowLayeredFrame());
    EXPECT_FALSE(button->GetUseSkinFontColor());
    EXPECT_TRUE(button->GetTransparent());
    EXPECT_EQ(button->GetImageIndex(), 2);
    EXPECT_TRUE(button->GetAllowAllUp());
    EXPECT_EQ(button->GetGroupIndex(), 2);
    EXPECT_FALSE(button->GetCanFocused()) << "a group member takes no focus";
    EXPECT_TRUE(button->GetDown());
    set("CheckedMode", TLayoutValue::OfBool(true));
    EXPECT_EQ(button->GetGroupIndex(), -1);
    set("CanFocused", TLayoutValue::OfBool(true));
    EXPECT_TRUE(button->GetCanFocused());
    set("UseSkinSize", TLayoutValue::OfBool(false));
    EXPECT_FALSE(button->GetUseSkinSize());
    for (const char* name : {"SkinData", "SkinDataName", "OnClick", "Enabled", "TabStop", "TabOrder", "DefaultFont.Name"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
}

}  // namespace
