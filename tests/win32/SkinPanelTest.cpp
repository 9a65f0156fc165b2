// The skinned containers on a real window: the group box and the panel
// painted from the built-in skin's records through WM_PRINTCLIENT, their
// caption, where aligned children go bound and unbound, the status bar's
// fixed height and three-part face, backgrounds that cannot be tiled,
// transparent mode and the layout properties.
#include "skin/controls/SkinPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/paint/Composition.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"

namespace {

// Zevrak's records, all on picture 3:
//  "groupbox"  skinrect 125,4,185,58 (60 x 54), corners (5,19) (54,19)
//              (5,49) (54,49), clientrect 4,19,56,50, captionrect 3,2,57,16,
//              centred, Tahoma 13, grey 8421504;
//  "panel"     skinrect 189,4,249,58, corners (4,4) (56,4) (4,50) (56,50),
//              clientrect 4,4,56,50;
//  "statusbar" skinrect 64,74,113,95 (49 x 21), ends 4 and 4, stretched,
//              clientrect 2,3,47,19.
constexpr TRect kGroupSkin{125, 4, 185, 58};
constexpr TRect kPanelSkin{189, 4, 249, 58};
constexpr TRect kStatusSkin{64, 74, 113, 95};
constexpr std::uint32_t kCaptionGrey = MakePixel(128, 128, 128);

std::uint32_t SysPixel(int index) {
    const COLORREF c = GetSysColor(index);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Counts how often its parent tells it that the background behind it changed.
class TListeningPanel : public TbsSkinPanel {
public:
    using TbsSkinPanel::TbsSkinPanel;
    int BackgroundChanges = 0;

protected:
    void ParentBackgroundChanged() override {
        ++BackgroundChanges;
        TbsSkinPanel::ParentBackgroundChanged();
    }
};

// A panel whose record, once copied, has no client area or names a
// background picture the skin does not have.
class TDamagedPanel : public TbsSkinPanel {
public:
    using TbsSkinPanel::TbsSkinPanel;
    bool EmptyClient = false;
    int BackgroundPicture = -1;

    void FetchSkinRecord() override {
        TbsSkinPanel::FetchSkinRecord();
        if (GetSkinRecordIndex() == -1) return;
        if (EmptyClient) FSkin.SrcClient = Rect(4, 4, 4, 50);
        FPanel.BGPictureIndex = BackgroundPicture;
    }
};

class SkinPanel : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetClientWidth(400);
        Form->SetClientHeight(300);
    }
    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* control = new T(Form.get());
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }
    // The part of a skin picture's client area a tile covers at (x, y),
    // tiles starting at the client area's origin.
    std::uint32_t TilePixel(const TRect& skin, const TRect& client, TPoint origin, int x, int y) const {
        return PicturePixel(skin.Left + client.Left + (x - origin.X) % client.Width(),
                            skin.Top + client.Top + (y - origin.Y) % client.Height());
    }
};

// The columns where two prints differ, as [first, last]; {-1, -1} when equal.
std::pair<int, int> DifferingColumns(const TbsBitmap& a, const TbsBitmap& b, int& top, int& bottom) {
    int first = -1, last = -1;
    top = b.Height(), bottom = -1;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (Rgb(*a.PixelPtr(x, y)) != Rgb(*b.PixelPtr(x, y))) {
                if (first < 0 || x < first) first = x;
                last = std::max(last, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {first, last};
}

TEST_F(SkinPanel, GroupBoxDrawsItsFrameTiledCentreAndCentredCaption) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    box->SetSkinData(Manager);
    EXPECT_EQ(box->GetWidth(), 201);
    EXPECT_EQ(box->GetHeight(), 113);

    TbsBitmap plain, titled;
    Print(*box, plain);
    box->SetCaption("Merhaba Oyuncu");
    Print(*box, titled);
    EXPECT_EQ(box->SizedCaptionRect(), Rect(3, 2, 198, 16));

    // Frame corners from the record, the centre tiled from its client area
    // (tiles start at the sized client area's left, 4, and top, 19).
    const TRect client = Rect(4, 19, 56, 50);
    ExpectPixels(
        plain,
        [&](int x, int y) {
            if (x < 5 && y < 19) return PicturePixel(kGroupSkin.Left + x, kGroupSkin.Top + y);
            if (x >= 195 && y >= 108) return PicturePixel(kGroupSkin.Left + 54 + x - 195, kGroupSkin.Top + 49 + y - 108);
            if (x >= 5 && x < 195 && y >= 19 && y < 108) return TilePixel(kGroupSkin, client, {4, 19}, x, y);
            return *plain.PixelPtr(x, y);
        },
        TestName() + ".frame");

    // The caption: grey text, centred in 3..198 in Tahoma 13, one pixel up
    // for the odd height, nothing outside the band.
    int top = 0, bottom = 0;
    const auto [first, last] = DifferingColumns(plain, titled, top, bottom);
    ASSERT_GE(first, 0) << "no caption drawn";
    // The record's height 13 is the font's cell height.
    SIZE extent{};
    {
        TbsBitmap probe;
        probe.SetSize(1, 1);
        TFontHandle font(CreateFontA(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
        TSelectObject select(probe.DC(), font.Get());
        GetTextExtentPoint32A(probe.DC(), "Merhaba Oyuncu", 14, &extent);
    }
    const int textLeft = 3 + 195 / 2 - extent.cx / 2;
    EXPECT_GE(first, textLeft);
    EXPECT_LT(last, textLeft + extent.cx);
    // The ink is centred in the band (side bearings of a pixel or two).
    EXPECT_LE(std::abs(first + last + 1 - (2 * 100 + 1)), 3) << first << ".." << last;
    EXPECT_GT(last - first, extent.cx - 10);
    EXPECT_GE(top, 2);
    EXPECT_LT(bottom, 16);
    int grey = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 201; ++x) grey += Rgb(*titled.PixelPtr(x, y)) == kCaptionGrey;
    EXPECT_GT(grey, 20);
}

TEST_F(SkinPanel, AlignedChildrenShareTheSizedClientRectangle) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* child = Add<TbsSkinPanel>(box, 0, 0, 20, 20);
    child->SetAlign(TAlign::alClient);
    box->SetSkinData(Manager);
    EXPECT_EQ(child->GetBoundsRect(), Rect(4, 19, 197, 109));
    box->SetBounds(10, 10, 261, 150);  // the area follows the size
    EXPECT_EQ(child->GetBoundsRect(), Rect(4, 19, 257, 146));
    box->SetEmptyDrawing(true);  // the whole client area
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, 261, 150));
}

TEST_F(SkinPanel, UnboundGroupBoxHasA22PixelBandWithItsChildrenBelow) {
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* child = Add<TbsSkinPanel>(box, 0, 0, 20, 20);
    child->SetAlign(TAlign::alClient);
    EXPECT_EQ(child->GetBoundsRect(), Rect(1, 23, 200, 112));
    box->SetRibbonStyle(true);
    EXPECT_EQ(child->GetBoundsRect(), Rect(1, 1, 200, 90));
    box->SetRibbonStyle(false);
    box->SetBorderStyle(TBevelStyle::bvNone);
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 22, 201, 113));
    box->SetCaptionMode(false);
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, 201, 113));
    box->SetCaptionMode(true);
    box->SetBorderStyle(TBevelStyle::bvFrame);
    child->SetVisible(false);

    TbsBitmap plain, titled;
    Print(*box, plain);
    box->SetCaption("Merhaba Oyuncu");
    Print(*box, titled);
    const std::uint32_t face = SysPixel(COLOR_BTNFACE), shadow = SysPixel(COLOR_BTNSHADOW);
    EXPECT_EQ(Rgb(*plain.PixelPtr(100, 60)), face);
    EXPECT_EQ(Rgb(*plain.PixelPtr(0, 60)), shadow);    // the frame border
    EXPECT_EQ(Rgb(*plain.PixelPtr(200, 60)), shadow);
    EXPECT_EQ(Rgb(*plain.PixelPtr(100, 21)), shadow);  // the band's lower edge
    EXPECT_EQ(Rgb(*plain.PixelPtr(100, 22)), face);
    int top = 0, bottom = 0;
    const auto [first, last] = DifferingColumns(plain, titled, top, bottom);
    ASSERT_GE(first, 0) << "no caption drawn";
    EXPECT_GE(first, 4);  // left aligned, two pixels into the band's inner frame
    EXPECT_LE(first, 6);
    EXPECT_GE(top, 2);
    EXPECT_LT(bottom, 20);
}

TEST_F(SkinPanel, StatusBarIs21HighWhateverStoredAndComposesItsRecord) {
    LoadZevrak();
    auto* bar = Add<TbsSkinStatusBar>(Form.get(), 0, 0, 300, 30);
    auto* child = Add<TbsSkinPanel>(bar, 0, 0, 50, 10);
    child->SetAlign(TAlign::alLeft);
    EXPECT_EQ(bar->GetAlign(), TAlign::alBottom);
    EXPECT_EQ(bar->GetHeight(), 30);  // unbound, the stored height stays
    bar->SetSkinData(Manager);
    EXPECT_EQ(bar->GetHeight(), 21);
    EXPECT_EQ(bar->GetTop(), Form->GetClientHeight() - 21);
    EXPECT_EQ(child->GetSkinData(), Manager);  // handed on to skinned children
    child->SetSkinData(nullptr);
    EXPECT_EQ(child->GetBoundsRect(), Rect(2, 3, 52, 19));
    bar->SetHeight(40);
    EXPECT_EQ(bar->GetHeight(), 21);

    // The three-part face, the middle stretched; its empty caption
    // rectangle never shows a caption.
    bar->SetCaption("Bekliyor");
    const int W = bar->GetWidth();
    TbsBitmap face, printed;
    CreateHSkinImage(4, 4, face, true, W, kStatusSkin, Picture);
    Print(*bar, printed);
    ExpectPixels(
        printed,
        [&](int x, int y) { return x >= 2 && x < 52 && y >= 3 && y < 19 ? *printed.PixelPtr(x, y) : *face.PixelPtr(x, y); },
        TestName());
}

// The grip: children keep clear of it, the hit test answers bottom-right
// sizing over it, and without a gripper image it is drawn as diagonal lines
// in the skin's colours.
TEST_F(SkinPanel, StatusBarSizeGripTakesTheCornerFromChildrenAndTheHitTest) {
    auto* bar = Add<TbsSkinStatusBar>(Form.get(), 0, 0, 300, 21);
    auto* child = Add<TbsSkinPanel>(bar, 0, 0, 50, 10);
    child->SetAlign(TAlign::alClient);
    const int W = bar->GetWidth();
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, W, 21));
    EXPECT_TRUE(bar->GripRect().IsEmpty());
    bar->SetSizeGrip(true);
    const int grip = TbsSkinStatusBar::kPlainGripSize;
    EXPECT_EQ(bar->GripRect(), Rect(W - grip, 21 - grip, W, 21));
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, W - grip, 21));

    const TPoint corner = bar->ClientToScreen({W - 1, 20});
    const TPoint middle = bar->ClientToScreen({W / 2, 10});
    EXPECT_EQ(SendMessageA(bar->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(corner.X, corner.Y)), HTBOTTOMRIGHT);
    EXPECT_EQ(SendMessageA(bar->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(middle.X, middle.Y)), HTCLIENT);

    child->SetVisible(false);
    TbsBitmap printed;
    Print(*bar, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(W - 1, 20)), SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(Rgb(*printed.PixelPtr(W - 2, 20)), SysPixel(COLOR_BTNHIGHLIGHT));

    LoadZevrak();
    bar->SetSkinData(Manager);
    Print(*bar, printed);
    const TColor shadow = Manager->GetSkin().GetSkinColors().BtnShadow;
    EXPECT_EQ(Rgb(*printed.PixelPtr(W - 1, 20)),
              MakePixel(GetRValue(ColorToRGB(shadow)), GetGValue(ColorToRGB(shadow)), GetBValue(ColorToRGB(shadow))));
    bar->SetSizeGrip(false);
    child->SetVisible(true);
    EXPECT_EQ(child->GetBoundsRect(), Rect(2, 3, W - 2, 19));
}

TEST_F(SkinPanel, PanelPaintedIntoMemoryEqualsItsRecord) {
    LoadZevrak();
    auto* panel = Add<TbsSkinPanel>(Form.get(), 10, 10, 150, 130);
    panel->SetSkinData(Manager);
    const TRect client = Rect(4, 4, 56, 50);
    TbsBitmap framed, bare;
    Print(*panel, framed);
    ExpectPixels(
        framed,
        [&](int x, int y) {
            if (x < 4 && y < 4) return PicturePixel(kPanelSkin.Left + x, kPanelSkin.Top + y);
            if (x >= 146 && y >= 126) return PicturePixel(kPanelSkin.Left + 56 + x - 146, kPanelSkin.Top + 50 + y - 126);
            if (x >= 4 && x < 146 && y >= 4 && y < 126) return TilePixel(kPanelSkin, client, {4, 4}, x, y);
            return *framed.PixelPtr(x, y);
        },
        TestName() + ".framed");

    // Without a border: the skin's client area alone over the whole panel.
    panel->SetBorderStyle(TBevelStyle::bvNone);
    Print(*panel, bare);
    ExpectPixels(bare, [&](int x, int y) { return TilePixel(kPanelSkin, client, {0, 0}, x, y); }, TestName() + ".bare");
}

// Backgrounds are tiled by the size of what is tiled: a client area of
// width 0 or a picture the skin lacks draw no background, the frame stays.
TEST_F(SkinPanel, UntileableBackgroundsDrawNothingAndKeepTheFrame) {
    LoadZevrak();
    auto* panel = Add<TDamagedPanel>(Form.get(), 10, 10, 150, 130);
    panel->EmptyClient = true;
    panel->SetSkinData(Manager);
    const std::uint32_t black = 0;
    // The frame keeps its corners; the client area shows what the print
    // target held (the frame's side strips follow the client area's edges).
    panel->SetBorderStyle(TBevelStyle::bvFrame);
    TbsBitmap framed;
    Print(*panel, framed);
    EXPECT_EQ(Rgb(*framed.PixelPtr(1, 1)), Rgb(PicturePixel(kPanelSkin.Left + 1, kPanelSkin.Top + 1)));
    EXPECT_EQ(Rgb(*framed.PixelPtr(148, 128)), Rgb(PicturePixel(kPanelSkin.Left + 58, kPanelSkin.Top + 52)));
    for (const TPoint p : {TPoint{5, 5}, TPoint{50, 65}, TPoint{90, 120}})
        EXPECT_EQ(Rgb(*framed.PixelPtr(p.X, p.Y)), Rgb(kWhite)) << p.X << "," << p.Y;
    // Without a border nothing at all is drawn over the new bitmap.
    panel->SetBorderStyle(TBevelStyle::bvNone);
    TbsBitmap bare;
    Print(*panel, bare);
    ExpectPixels(bare, [&](int, int) { return black; }, TestName() + ".bare");

    // A background picture index the skin does not have.
    panel->EmptyClient = false;
    panel->SetBorderStyle(TBevelStyle::bvFrame);
    for (const int index : {99, -7}) {
        panel->BackgroundPicture = index;
        TbsBitmap printed;
        Print(*panel, printed);
        EXPECT_EQ(Rgb(*printed.PixelPtr(75, 65)), black) << index;
        EXPECT_EQ(Rgb(*printed.PixelPtr(1, 1)), Rgb(PicturePixel(kPanelSkin.Left + 1, kPanelSkin.Top + 1))) << index;
    }

    // An existing one is tiled over the sized client area from its origin,
    // and the children get the whole panel.
    panel->BackgroundPicture = 3;
    auto* child = Add<TbsSkinPanel>(panel, 0, 0, 10, 10);
    child->SetAlign(TAlign::alClient);
    child->SetVisible(false);
    panel->Realign();
    TbsBitmap printed;
    Print(*panel, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(75, 65)), Rgb(PicturePixel(75 - 4, 65 - 4)));
    EXPECT_EQ(Rgb(*printed.PixelPtr(1, 1)), Rgb(PicturePixel(kPanelSkin.Left + 1, kPanelSkin.Top + 1)));
    EXPECT_EQ(panel->ChildArea(), Rect(0, 0, 150, 130));
}

TEST_F(SkinPanel, TransparentPanelTellsItsChildrenWhenMovedOrWhenTold) {
    LoadZevrak();
    auto* panel = Add<TbsSkinPanel>(Form.get(), 10, 10, 150, 130);
    auto* child = Add<TListeningPanel>(panel, 10, 10, 30, 30);
    panel->SetSkinData(Manager);
    child->BackgroundChanges = 0;

    SendMessageA(panel->GetHandle(), WM_PARENTBGCHANGED, 0, 0);
    panel->SetBounds(20, 10, 150, 130);
    EXPECT_EQ(child->BackgroundChanges, 0);  // an opaque panel keeps it to itself

    panel->SetTransparentMode(true);
    SendMessageA(panel->GetHandle(), WM_PARENTBGCHANGED, 0, 0);
    EXPECT_EQ(child->BackgroundChanges, 1);
    panel->SetBounds(30, 15, 150, 130);
    EXPECT_EQ(child->BackgroundChanges, 2);
    panel->SetBounds(30, 15, 150, 130);  // not moved
    EXPECT_EQ(child->BackgroundChanges, 2);

    // What shows is the form behind it.
    child->SetVisible(false);
    TbsBitmap printed, behind;
    Print(*panel, printed);
    FillCanvas(behind, 150, 130);
    panel->DrawParentImage(behind.DC());
    GdiFlush();
    ExpectPixels(printed, [&](int x, int y) { return *behind.PixelPtr(x, y); }, TestName());
}

TEST_F(SkinPanel, PaintingEveryPathLeavesNoHandleBehind) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* plainBox = Add<TbsSkinGroupBox>(Form.get(), 10, 130, 201, 113);
    auto* bar = Add<TbsSkinStatusBar>(Form.get(), 0, 0, 300, 21);
    auto* background = Add<TDamagedPanel>(Form.get(), 220, 10, 150, 130);
    box->SetCaption("Merhaba Oyuncu");
    plainBox->SetCaption("Merhaba Oyuncu");
    box->SetSkinData(Manager);
    bar->SetSkinData(Manager);
    bar->SetSizeGrip(true);
    background->BackgroundPicture = 3;
    background->SetSkinData(Manager);
    const std::vector<TWinControl*> all{box, plainBox, bar, background};
    TbsBitmap printed;
    for (TWinControl* c : all) Print(*c, printed);  // the shared picture cache fills once
    const long fonts = LiveHandleCount(THandleKind::Font), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc);
    for (int i = 0; i < 5; ++i)
        for (TWinControl* c : all) Print(*c, printed);
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
}

TEST_F(SkinPanel, LayoutPropertiesReachThePanels) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* box = classes.Find("TbsSkinGroupBox");
    const TClassInfo* bar = classes.Find("TbsSkinStatusBar");
    ASSERT_NE(box, nullptr);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bool(box->Create));
    ASSERT_TRUE(bool(bar->Create));

    std::unique_ptr<TComponent> madeBox(box->Create(nullptr));
    auto* groupBox = dynamic_cast<TbsSkinGroupBox*>(madeBox.get());
    ASSERT_NE(groupBox, nullptr);
    EXPECT_EQ(groupBox->GetSkinDataName(), "groupbox");
    EXPECT_TRUE(groupBox->GetCaptionMode());
    EXPECT_EQ(groupBox->GetBorderStyle(), TBevelStyle::bvFrame);
    EXPECT_EQ(groupBox->GetDefaultCaptionHeight(), 22);
    EXPECT_EQ(groupBox->GetWidth(), 150);
    box->FindProperty("BorderStyle")->SetValue(*groupBox, TLayoutValue::OfIdent("bvRaised"));
    box->FindProperty("DefaultAlignment")->SetValue(*groupBox, TLayoutValue::OfIdent("taCenter"));
    box->FindProperty("DefaultCaptionHeight")->SetValue(*groupBox, TLayoutValue::OfInteger(30));
    box->FindProperty("CaptionMode")->SetValue(*groupBox, TLayoutValue::OfBool(false));
    box->FindProperty("UseSkinSize")->SetValue(*groupBox, TLayoutValue::OfBool(false));
    box->FindProperty("TransparentMode")->SetValue(*groupBox, TLayoutValue::OfBool(true));
    box->FindProperty("RibbonStyle")->SetValue(*groupBox, TLayoutValue::OfBool(true));
    box->FindProperty("EmptyDrawing")->SetValue(*groupBox, TLayoutValue::OfBool(true));
    EXPECT_EQ(groupBox->GetBorderStyle(), TBevelStyle::bvRaised);
    EXPECT_EQ(groupBox->GetDefaultAlignment(), taCenter);
    EXPECT_EQ(groupBox->GetDefaultCaptionHeight(), 30);
    EXPECT_FALSE(groupBox->GetCaptionMode());
    EXPECT_FALSE(groupBox->GetUseSkinSize());
    EXPECT_TRUE(groupBox->GetTransparentMode());
    EXPECT_TRUE(groupBox->GetRibbonStyle());
    EXPECT_TRUE(groupBox->GetEmptyDrawing());

    std::unique_ptr<TComponent> madeBar(bar->Create(nullptr));
    auto* statusBar = dynamic_cast<TbsSkinStatusBar*>(madeBar.get());
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(statusBar->GetSkinDataName(), "statusbar");
    EXPECT_EQ(statusBar->GetAlign(), TAlign::alBottom);
    EXPECT_EQ(statusBar->GetHeight(), 21);
    EXPECT_EQ(statusBar->GetBorderStyle(), TBevelStyle::bvNone);
    EXPECT_FALSE(statusBar->GetCaptionMode());
    EXPECT_FALSE(statusBar->GetSizeGrip());
    bar->FindProperty("SizeGrip")->SetValue(*statusBar, TLayoutValue::OfBool(true));
    EXPECT_TRUE(statusBar->GetSizeGrip());
    EXPECT_NE(bar->FindProperty("DefaultFont.Name"), nullptr);
}

}  // namespace
