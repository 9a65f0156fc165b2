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
#include <tuple>
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

// A group box whose record, once copied, has a "framerect": the top-left
// 20 x 14 of its own skin rectangle with 3-pixel ends.
class TFramedGroupBox : public TbsSkinGroupBox {
public:
    using TbsSkinGroupBox::TbsSkinGroupBox;

    void FetchSkinRecord() override {
        TbsSkinGroupBox::FetchSkinRecord();
        if (GetSkinRecordIndex() == -1) return;
        FPanel.FrameRect = Rect(125, 4, 145, 18);
        FPanel.FrameLeftOffset = FPanel.FrameRightOffset = 3;
    }
};

// A left click at (x, y) of the control's client area.
void Click(TWinControl& control, int x, int y) {
    SendMessageA(control.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(control.GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

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

// CheckedMode: the check image at the caption's left (a plain 13-pixel box
// where the skin has none), the text moved past it, a click on it toggles
// Checked, and every child's Enabled follows with AutoEnabledControls.
TEST_F(SkinPanel, CheckImageClickTogglesCheckedAndTheChildrenFollow) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* child = Add<TbsSkinPanel>(box, 10, 30, 20, 20);
    box->SetSkinData(Manager);
    box->SetCaption("Merhaba Oyuncu");
    int changes = 0;
    box->SetOnChecked([&](TComponent* sender) {
        EXPECT_EQ(sender, box);
        ++changes;
    });
    TbsBitmap plain;
    Print(*box, plain);
    box->SetCheckedMode(true);
    EXPECT_FALSE(child->GetEnabled());  // not checked: the children are off
    const TbsCaptionLine line = box->CaptionLine();
    EXPECT_EQ(line.CheckImage, Rect(3, 2, 16, 15));
    EXPECT_EQ(line.TextClip, Rect(18, 2, 198, 16));

    TbsBitmap unchecked, checked;
    Print(*box, unchecked);
    Click(*box, Centre(line.TextClip).X, 9);  // the text is not the check image
    EXPECT_FALSE(box->GetChecked());
    Click(*box, 9, 9);
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(child->GetEnabled());
    child->SetVisible(false);
    Print(*box, checked);
    // The box shows the mark; the text sits in the rest of the band.
    int top = 0, bottom = 0;
    auto [first, last] = DifferingColumns(unchecked, checked, top, bottom);
    EXPECT_GE(first, 3);
    EXPECT_LT(last, 16);
    std::tie(first, last) = DifferingColumns(plain, unchecked, top, bottom);
    EXPECT_EQ(first, 3);  // the box is new
    EXPECT_LT(bottom, 19);

    Click(*box, 9, 9);
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(child->GetEnabled());
    box->SetAutoEnabledControls(false);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_FALSE(child->GetEnabled());
    child->SetEnabled(true);
    box->SetChecked(true);
    EXPECT_TRUE(child->GetEnabled());
    EXPECT_EQ(changes, 5);
}

TEST_F(SkinPanel, UnboundCheckBoxSitsAtX5InTheBand) {
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    box->SetCaption("Merhaba Oyuncu");
    box->SetCheckedMode(true);
    const TbsCaptionLine line = box->CaptionLine();
    EXPECT_EQ(line.CheckImage, Rect(5, 4, 19, 18));
    EXPECT_EQ(line.Text.X, 21);
    TbsBitmap unchecked, checked;
    Print(*box, unchecked);
    box->SetChecked(true);
    Print(*box, checked);
    int top = 0, bottom = 0;
    const auto [first, last] = DifferingColumns(unchecked, checked, top, bottom);
    EXPECT_GT(first, 5);  // the mark, inside the box
    EXPECT_LT(last, 18);
    EXPECT_GT(top, 4);
    EXPECT_LT(bottom, 17);
}

// The roll-up button: the caption's right 12 pixels; a click rolls the
// panel up to its caption band (the frame's top and bottom strips), hides
// the children and keeps the height; a second click brings both back. A
// child hidden before stays hidden.
TEST_F(SkinPanel, RollUpButtonRollsThePanelToItsCaptionAndBack) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* shown = Add<TbsSkinPanel>(box, 10, 30, 20, 20);
    auto* hidden = Add<TbsSkinPanel>(box, 40, 30, 20, 20);
    hidden->SetVisible(false);
    box->SetSkinData(Manager);
    box->SetCaption("Merhaba Oyuncu");
    int changes = 0;
    box->SetOnChangeRollUpState([&](TComponent*) { ++changes; });
    box->SetRollUpMode(true);
    const TbsCaptionLine line = box->CaptionLine();
    EXPECT_EQ(line.RollUpButton, Rect(186, 2, 198, 16));
    EXPECT_EQ(line.TextClip, Rect(3, 2, 186, 16));

    Click(*box, 100, 9);  // the caption itself does nothing
    EXPECT_FALSE(box->GetRollUpState());
    Click(*box, 191, 9);
    EXPECT_TRUE(box->GetRollUpState());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->GetHeight(), 19 + 5);
    EXPECT_EQ(box->GetRealHeight(), 113);
    EXPECT_FALSE(shown->GetVisible());
    // Rolled up, it still draws its frame: the bottom strip's corner.
    TbsBitmap printed;
    Print(*box, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(200, 23)), Rgb(PicturePixel(kGroupSkin.Right - 1, kGroupSkin.Bottom - 1)));

    Click(*box, 191, 9);
    EXPECT_FALSE(box->GetRollUpState());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box->GetHeight(), 113);
    EXPECT_EQ(box->GetRealHeight(), -1);
    EXPECT_TRUE(shown->GetVisible());
    EXPECT_FALSE(hidden->GetVisible());

    // Turning the mode off unrolls.
    box->SetRollUpState(true);
    box->SetRollUpMode(false);
    EXPECT_FALSE(box->GetRollUpState());
    EXPECT_EQ(box->GetHeight(), 113);
    EXPECT_TRUE(box->CaptionLine().RollUpButton.IsEmpty());
}

TEST_F(SkinPanel, UnboundPanelRollsUpToItsBandAndBackAfterAChildWent) {
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* child = Add<TbsSkinPanel>(box, 10, 30, 20, 20);
    auto* other = Add<TbsSkinPanel>(box, 40, 30, 20, 20);
    box->SetRollUpMode(true);
    EXPECT_EQ(box->CaptionLine().RollUpButton, Rect(185, 2, 197, 20));
    box->SetRollUpState(true);
    EXPECT_EQ(box->GetHeight(), 22);
    delete child;  // gone while rolled up
    box->SetRollUpState(false);
    EXPECT_EQ(box->GetHeight(), 113);
    EXPECT_TRUE(other->GetVisible());
    // A new skin re-rolls a rolled-up panel to its own caption height.
    box->SetRollUpState(true);
    LoadZevrak();
    box->SetSkinData(Manager);
    EXPECT_EQ(box->GetHeight(), 24);
    box->SetRollUpState(false);
    EXPECT_EQ(box->GetHeight(), 113);
}

// The caption glyph goes before the text, the two centred as one run; with
// bsipLeft it sits 2 pixels into the caption rectangle.
TEST_F(SkinPanel, CaptionGlyphGoesBeforeTheTextOrAtTheLeft) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    box->SetSkinData(Manager);
    box->SetCaption("Merhaba");
    TbsBitmap glyph;
    FillCanvas(glyph, 20, 10, MakePixel(255, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x) *glyph.PixelPtr(x, y) = MakePixel(0, 0, 255);
    *glyph.PixelPtr(0, 9) = *glyph.PixelPtr(10, 9) = kWhite;  // each cell's transparent corner
    box->SetGlyph(glyph);
    box->SetNumGlyphs(2);
    box->SetSpacing(4);
    TbsCaptionLine line = box->CaptionLine();
    EXPECT_EQ(line.Image.Width(), 10);
    EXPECT_EQ(line.Image.Top, 4);  // centred in 2..16
    EXPECT_EQ(line.Text.X, line.Image.Right + 4);
    TbsBitmap printed;
    Print(*box, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(line.Image.Left + 2, line.Image.Top + 2)), MakePixel(255, 0, 0));
    box->SetEnabled(false);
    Print(*box, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(line.Image.Left + 2, line.Image.Top + 2)), MakePixel(0, 0, 255));
    box->SetEnabled(true);

    box->SetImagePosition(bsipLeft);
    line = box->CaptionLine();
    EXPECT_EQ(line.Image.Left, 5);
    Print(*box, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(6, 5)), MakePixel(255, 0, 0));
    EXPECT_NE(Rgb(*printed.PixelPtr(5, 13)), MakePixel(255, 255, 255));  // the corner lets the frame through
}

TEST_F(SkinPanel, FrameImageIsDrawnBehindTheCaption) {
    LoadZevrak();
    auto* box = Add<TFramedGroupBox>(Form.get(), 10, 10, 201, 113);
    box->SetSkinData(Manager);
    box->SetCaption("Merhaba Oyuncu");
    const TbsCaptionLine line = box->CaptionLine();
    ASSERT_FALSE(line.Frame.IsEmpty());
    EXPECT_EQ(line.Frame.Top, 2);
    EXPECT_EQ(line.Frame.Height(), 14);
    EXPECT_EQ(line.Frame.Left, line.Text.X - 3);
    TbsBitmap printed;
    Print(*box, printed);
    // The frame's left end, copied from the picture.
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(Rgb(*printed.PixelPtr(line.Frame.Left + x, 3)), Rgb(PicturePixel(125 + x, 5))) << x;
    EXPECT_EQ(Rgb(*printed.PixelPtr(line.Frame.Right - 1, 3)), Rgb(PicturePixel(144, 5)));
}

// UseSkinSize false with CaptionMode: the record composed at the size with
// a band of DefaultCaptionHeight in the skin's colours over it, and the
// children below the band.
TEST_F(SkinPanel, WithoutSkinSizeTheCaptionBandIsDrawnInTheSkinsColours) {
    LoadZevrak();
    auto* box = Add<TbsSkinGroupBox>(Form.get(), 10, 10, 201, 113);
    auto* child = Add<TbsSkinPanel>(box, 0, 0, 20, 20);
    child->SetAlign(TAlign::alClient);
    box->SetSkinData(Manager);
    box->SetUseSkinSize(false);
    box->SetDefaultCaptionHeight(24);
    box->SetCaption("Merhaba Oyuncu");
    EXPECT_EQ(child->GetTop(), 24);
    child->SetVisible(false);
    TbsBitmap printed;
    Print(*box, printed);
    const auto pixel = [](TColor c) {
        const COLORREF rgb = ColorToRGB(c);
        return MakePixel(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    };
    const auto& colors = Manager->GetSkin().GetSkinColors();
    EXPECT_EQ(Rgb(*printed.PixelPtr(100, 0)), pixel(colors.BtnShadow));
    EXPECT_EQ(Rgb(*printed.PixelPtr(100, 23)), pixel(colors.BtnShadow));
    EXPECT_EQ(Rgb(*printed.PixelPtr(8, 12)), pixel(colors.BtnFace));
    // Below the band, the record's bottom-right corner.
    EXPECT_EQ(Rgb(*printed.PixelPtr(200, 112)), Rgb(PicturePixel(kGroupSkin.Right - 1, kGroupSkin.Bottom - 1)));
    int grey = 0;
    for (int y = 1; y < 23; ++y)
        for (int x = 0; x < 201; ++x) grey += Rgb(*printed.PixelPtr(x, y)) == kCaptionGrey;
    EXPECT_GT(grey, 20);
}

TEST_F(SkinPanel, CaptionLinePropertiesReachThePanels) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinPanel");
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* panel = dynamic_cast<TbsSkinPanel*>(made.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->GetAutoEnabledControls());
    EXPECT_EQ(panel->GetRealHeight(), -1);
    EXPECT_EQ(panel->GetNumGlyphs(), 1);
    EXPECT_EQ(panel->GetSpacing(), 2);
    EXPECT_EQ(panel->GetCaptionImageIndex(), -1);
    const auto set = [&](const char* name, const TLayoutValue& v) {
        const TPropertyInfo* p = info->FindProperty(name);
        ASSERT_NE(p, nullptr) << name;
        p->SetValue(*panel, v);
    };
    set("ImagePosition", TLayoutValue::OfIdent("bsipLeft"));
    set("CaptionImageIndex", TLayoutValue::OfInteger(2));
    set("NumGlyphs", TLayoutValue::OfInteger(2));
    set("Spacing", TLayoutValue::OfInteger(5));
    set("AutoEnabledControls", TLayoutValue::OfBool(false));
    set("CheckedMode", TLayoutValue::OfBool(true));
    set("Checked", TLayoutValue::OfBool(true));
    set("RollUpMode", TLayoutValue::OfBool(true));
    EXPECT_EQ(panel->GetImagePosition(), bsipLeft);
    EXPECT_EQ(panel->GetCaptionImageIndex(), 2);
    EXPECT_EQ(panel->GetNumGlyphs(), 2);
    EXPECT_EQ(panel->GetSpacing(), 5);
    EXPECT_FALSE(panel->GetAutoEnabledControls());
    EXPECT_TRUE(panel->GetCheckedMode());
    EXPECT_TRUE(panel->GetChecked());
    EXPECT_TRUE(panel->GetRollUpMode());
    for (const char* name : {"RollUpState", "RealHeight", "OnChecked", "OnChangeRollUpState"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
}

// The band drawn over the record without the skin's size: an empty client
// area composes no centre, the band and the frame stay.
TEST_F(SkinPanel, WithoutSkinSizeAnEmptyClientAreaDrawsNoCentre) {
    LoadZevrak();
    auto* panel = Add<TDamagedPanel>(Form.get(), 10, 10, 150, 130);
    panel->EmptyClient = true;
    panel->SetSkinData(Manager);
    panel->SetUseSkinSize(false);
    panel->SetCaptionMode(true);
    panel->SetCaption("Merhaba");
    TbsBitmap printed;
    Print(*panel, printed);
    const COLORREF shadow = ColorToRGB(Manager->GetSkin().GetSkinColors().BtnShadow);
    EXPECT_EQ(Rgb(*printed.PixelPtr(75, 0)), MakePixel(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow)));
    EXPECT_EQ(Rgb(*printed.PixelPtr(75, 65)), 0u);
    EXPECT_EQ(Rgb(*printed.PixelPtr(1, 128)), Rgb(PicturePixel(kPanelSkin.Left + 1, kPanelSkin.Bottom - 2)));
}

}  // namespace
