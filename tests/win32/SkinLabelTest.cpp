// The skinned label and status panel on a real window: the status panel's
// place and height in the status bar, its face painted from the built-in
// skin's record with its text, long captions cut or shortened, the
// effects, the image before the text, AutoSize, the caption repainting at
// once, sizing without the skin's size, a fixed record turning AutoSize
// off, and the layout properties.
#include "skin/controls/SkinLabel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinPanel.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Zevrak's "statuspanel": picture 3, skinrect 64,98,104,115 (40 x 17),
// ends 4 and 4, stretched, clientrect 5,1,35,16, Tahoma 13 in 12632256.
constexpr TRect kPanelSkin{64, 98, 104, 115};
constexpr TColor kPanelFontColor = 12632256;
// At width 209 the client rectangle's right edge moves to 35 + 169.
constexpr TRect kContent209{5, 1, 204, 16};

// Counts the paints that draw its content.
class TCountingStatusPanel : public TbsSkinStatusPanel {
public:
    using TbsSkinStatusPanel::TbsSkinStatusPanel;
    int ContentPaints = 0;

protected:
    void PaintContent(TbsBitmap& bitmap, TRect r) override {
        ++ContentPaints;
        TbsSkinStatusPanel::PaintContent(bitmap, r);
    }
};

// A status panel whose record, once copied, has no client area or names a
// picture the skin does not have.
class TDamagedStatusPanel : public TbsSkinStatusPanel {
public:
    using TbsSkinStatusPanel::TbsSkinStatusPanel;
    bool EmptyClient = false;
    int Picture = -1;  // -1: the record's own

    void FetchSkinRecord() override {
        TbsSkinStatusPanel::FetchSkinRecord();
        if (GetSkinRecordIndex() == -1) return;
        if (EmptyClient) FSkin.SrcClient = Rect(5, 1, 5, 16);
        if (Picture != -1) FSkin.PictureIndex = Picture;
    }
};

class SkinLabel : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetClientWidth(400);
    }
    // The status bar at the form's bottom with the status panel of the table
    // window in it: aligned left, 209 wide, "Bekliyor".
    template <class TPanel = TbsSkinStatusPanel>
    TPanel* AddStatusPanel(bool bind = true) {
        Bar = new TbsSkinStatusBar(Form.get());
        Bar->SetParent(Form.get());
        auto* panel = new TPanel(Form.get());
        panel->SetParent(Bar);
        panel->SetAlign(TAlign::alLeft);
        panel->SetWidth(209);
        panel->SetCaption("Bekliyor");
        if (bind) Bar->SetSkinData(Manager);
        return panel;
    }
    // The record composed at width W, with text drawn as the panel draws
    // it: the record's font, centred, clipped to r.
    void ExpectedFace(TbsBitmap& face, int W, const std::string& text, const TRect& r) {
        CreateHSkinImage(4, 4, face, true, W, kPanelSkin, Picture);
        if (text.empty()) return;
        TCanvas& c = face.Canvas();
        c.Font().SetName("Tahoma");
        c.Font().SetHeight(13);
        c.Font().SetStyle(0);
        c.Font().SetColor(kPanelFontColor);
        c.Font().SetCharset(Manager->GetResourceStrData() ? Manager->GetCharSet() : TFont().GetCharset());
        const int y = r.Top + (r.Height() - c.TextHeight(text)) / 2 - 1;  // odd height: one up
        TSaveDc save(face.DC());
        IntersectClipRect(face.DC(), r.Left, r.Top, r.Right, r.Bottom);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.TextOut(r.Left, y, text);
        GdiFlush();
    }
    static int TextWidthIn(const std::string& text) {
        TbsBitmap probe;
        probe.SetSize(1, 1);
        probe.Canvas().Font().SetName("Tahoma");
        probe.Canvas().Font().SetHeight(13);
        return probe.Canvas().TextWidth(text);
    }

    TbsSkinStatusBar* Bar = nullptr;  // owned by Form
};

// Columns of `printed` that differ from `plain`, within rows top..bottom.
std::vector<int> InkColumns(const TbsBitmap& printed, const TbsBitmap& plain) {
    std::vector<int> columns;
    for (int x = 0; x < printed.Width(); ++x)
        for (int y = 0; y < printed.Height(); ++y)
            if (Rgb(*printed.PixelPtr(x, y)) != Rgb(*plain.PixelPtr(x, y))) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST_F(SkinLabel, StatusPanelIs17HighAtTheStatusBarsClientOrigin) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    EXPECT_EQ(Bar->GetHeight(), 21);
    EXPECT_EQ(panel->GetSkinData(), Manager);
    EXPECT_EQ(panel->GetBoundsRect(), Rect(2, 3, 211, 20));
    EXPECT_EQ(panel->ContentRect(), kContent209);
    panel->SetHeight(40);  // the skin keeps the height
    EXPECT_EQ(panel->GetHeight(), 17);
}

// The pixels: the record's three-part face at 209 plus the caption in the
// record's font and colour, nothing else.
TEST_F(SkinLabel, StatusPanelPaintedIntoMemoryEqualsItsRecordAndText) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    TbsBitmap printed, expected;
    Print(*panel, printed);
    ExpectedFace(expected, 209, "Bekliyor", kContent209);
    ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName());

    panel->SetCaption("");
    TbsBitmap bare, face;
    Print(*panel, bare);
    ExpectedFace(face, 209, "", kContent209);
    ExpectPixels(bare, [&](int x, int y) { return *face.PixelPtr(x, y); }, TestName() + ".bare");
}

TEST_F(SkinLabel, LongCaptionIsCutAtTheSizedClientRectanglesRightEdge) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    const std::string text = "Kazandiniz! Top 17 kirmizi tek, bahis 25 kat odedi, bakiye 1250";
    ASSERT_GT(TextWidthIn(text), 202);
    panel->SetCaption(text);
    EXPECT_EQ(panel->GetWidth(), 209);  // no AutoSize

    TbsBitmap printed, face, expected;
    Print(*panel, printed);
    ExpectedFace(face, 209, "", kContent209);
    ExpectedFace(expected, 209, text, kContent209);
    ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName());
    // Ink runs up to the edge and never past it: no "..." ending.
    const std::vector<int> ink = InkColumns(printed, face);
    ASSERT_FALSE(ink.empty());
    EXPECT_LT(ink.back(), kContent209.Right);
    EXPECT_GE(ink.back(), kContent209.Right - 4);

    // bsetEllips shortens it to the width with a trailing "...".
    panel->SetEllipsType(bsetEllips);
    TbsBitmap shortened, withDots;
    Print(*panel, shortened);
    std::string cut = text;
    {
        TbsBitmap probe;
        probe.SetSize(1, 1);
        probe.Canvas().Font().SetName("Tahoma");
        probe.Canvas().Font().SetHeight(13);
        probe.Canvas().TextWidth(cut);  // selects the font
        ShortenText(probe.DC(), cut, kContent209.Width());
    }
    ASSERT_NE(cut, text);
    ASSERT_EQ(cut.substr(cut.size() - 3), "...");
    ExpectedFace(withDots, 209, cut, kContent209);
    ExpectPixels(shortened, [&](int x, int y) { return *withDots.PixelPtr(x, y); }, TestName() + ".ellips");
}

// The shadow draws more than the text's own ink, in the darkened face
// colour of the skin; the reflection draws ink below the text line; both
// stay within the control.
TEST_F(SkinLabel, ShadowAndReflectionAddToTheText) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    TbsBitmap plainText, face;
    Print(*panel, plainText);
    ExpectedFace(face, 209, "", kContent209);
    const auto inkCount = [&](const TbsBitmap& b) {
        int n = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) n += Rgb(*b.PixelPtr(x, y)) != Rgb(*face.PixelPtr(x, y));
        return n;
    };
    const int textInk = inkCount(plainText);
    ASSERT_GT(textInk, 20);

    panel->SetShadowEffect(true);
    panel->SetShadowOffset(1);
    TbsBitmap shadowed;
    Print(*panel, shadowed);
    EXPECT_GT(inkCount(shadowed), textInk);
    panel->SetShadowEffect(false);

    panel->SetReflectionEffect(true);
    panel->SetReflectionOffset(0);
    TbsBitmap reflected;
    Print(*panel, reflected);
    EXPECT_NE(inkCount(reflected), textInk);
}

TEST_F(SkinLabel, GlyphSitsAtTheContentsLeftAndPushesTheText) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    TbsBitmap glyph;
    // Two 10 x 10 cells, red then blue, each with a white bottom-left corner.
    FillCanvas(glyph, 20, 10, MakePixel(255, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x) *glyph.PixelPtr(x, y) = MakePixel(0, 0, 255);
    *glyph.PixelPtr(0, 9) = *glyph.PixelPtr(10, 9) = kWhite;  // each cell's transparent corner
    panel->SetGlyph(glyph);
    panel->SetNumGlyphs(2);
    TbsBitmap printed;
    Print(*panel, printed);
    // Centred in 1..16: rows 3..12, columns 5..14.
    EXPECT_EQ(Rgb(*printed.PixelPtr(6, 4)), MakePixel(255, 0, 0));
    EXPECT_EQ(Rgb(*printed.PixelPtr(14, 12)), MakePixel(255, 0, 0));
    TbsBitmap face, expected;
    ExpectedFace(face, 209, "", kContent209);
    EXPECT_EQ(Rgb(*printed.PixelPtr(5, 12)), Rgb(*face.PixelPtr(5, 12)));  // the transparent corner
    // The text starts past the glyph and its 2-pixel gap.
    ExpectedFace(expected, 209, "Bekliyor", Rect(17, 1, 204, 16));
    for (int y = 0; y < 17; ++y)
        for (int x = 17; x < 209; ++x)
            ASSERT_EQ(Rgb(*printed.PixelPtr(x, y)), Rgb(*expected.PixelPtr(x, y))) << x << "," << y;

    panel->SetEnabled(false);  // the second cell
    Print(*panel, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(6, 4)), MakePixel(0, 0, 255));
}

TEST_F(SkinLabel, AutoSizeFitsTheWidthToTheTextAndTheGlyph) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    panel->SetAlign(TAlign::alNone);
    panel->SetAutoSize(true);
    const int short_ = TextWidthIn("Bekliyor");
    EXPECT_EQ(panel->ContentRect().Width(), short_);
    EXPECT_EQ(panel->GetWidth(), short_ + 10);  // the record's sides: 5 and 5

    const std::string text = "Kazandiniz, 1250 puan";
    panel->SetCaption(text);
    EXPECT_EQ(panel->ContentRect().Width(), TextWidthIn(text));
    EXPECT_EQ(panel->CalcAutoSizeDelta(), 0);

    TbsBitmap glyph;
    glyph.SetSize(12, 12);
    panel->SetGlyph(glyph);
    EXPECT_EQ(panel->CalcAutoSizeDelta(), 12 + 3);
    panel->SetCaption("Bekliyor");
    EXPECT_EQ(panel->ContentRect().Width(), short_ + 12 + 3);

    // Aligned to the top, the parent decides the width.
    panel->SetAlign(TAlign::alTop);
    const int width = panel->GetWidth();
    panel->SetCaption(text);
    EXPECT_EQ(panel->GetWidth(), width);
}

TEST_F(SkinLabel, CaptionAssignmentPaintsBeforeItReturns) {
    LoadZevrak();
    auto* panel = AddStatusPanel<TCountingStatusPanel>();
    Form->Show();
    ASSERT_TRUE(PumpUntil([&] { return panel->ContentPaints > 0; }, 5000));
    const int before = panel->ContentPaints;
    panel->SetCaption("Kaybettiniz");
    EXPECT_EQ(panel->ContentPaints, before + 1);
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(panel->GetHandle(), &pending, FALSE));
    panel->SetCaption("Kaybettiniz");  // the same text: nothing
    EXPECT_EQ(panel->ContentPaints, before + 1);
}

// Without the skin's size the control keeps the height it is given, the
// record is stretched around its client rectangle, and the window has no
// shape.
TEST_F(SkinLabel, WithoutSkinSizeTheHeightStaysAndTheContentGrows) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    panel->SetAlign(TAlign::alNone);
    panel->SetUseSkinSize(false);
    panel->SetBounds(2, 0, 209, 21);
    EXPECT_EQ(panel->GetHeight(), 21);
    EXPECT_EQ(panel->ContentRect(), Rect(5, 1, 204, 20));
    TbsBitmap printed;
    Print(*panel, printed);
    // The corners of the client rectangle's frame come from the record.
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), Rgb(PicturePixel(kPanelSkin.Left, kPanelSkin.Top)));
    EXPECT_EQ(Rgb(*printed.PixelPtr(208, 20)), Rgb(PicturePixel(kPanelSkin.Right - 1, kPanelSkin.Bottom - 1)));
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(panel->GetHandle(), region.Get()), ERROR);
    panel->SetUseSkinSize(true);
    EXPECT_EQ(panel->GetHeight(), 17);
}

TEST_F(SkinLabel, UnboundLabelDrawsTheFaceBorderAndDefaultFont) {
    auto* label = new TbsSkinLabel(Form.get());
    label->SetParent(Form.get());
    EXPECT_EQ(label->GetSkinDataName(), "label");
    EXPECT_EQ(label->GetWidth(), 75);
    EXPECT_EQ(label->GetHeight(), 21);
    EXPECT_EQ(label->ContentRect(), Rect(3, 3, 72, 18));
    label->SetBorderStyle(TBevelStyle::bvLowered);
    label->SetAlignment(taRightJustify);
    label->SetCaption("Bet");
    TbsBitmap printed;
    Print(*label, printed);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), MakePixel(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow)));
    EXPECT_EQ(Rgb(*printed.PixelPtr(5, 10)), MakePixel(GetRValue(face), GetGValue(face), GetBValue(face)));
    // Right-aligned text ends at the content's right edge.
    int last = -1;
    for (int x = 0; x < 75; ++x)
        for (int y = 3; y < 18; ++y)
            if (Rgb(*printed.PixelPtr(x, y)) == 0) last = x;
    EXPECT_GE(last, 66);
    EXPECT_LT(last, 72);
}

// A record of fixed size (here the status panel's record with its
// three-part points taken away) gives the width nothing to follow.
TEST_F(SkinLabel, FixedSizeRecordTurnsAutoSizeOff) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "rdz-fixed-label-skin";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path source = fs::path(RDZ_SOURCE_DIR) / "skins" / "Zevrak";
    for (const auto& entry : fs::directory_iterator(source)) fs::copy_file(entry.path(), dir / entry.path().filename());
    std::ifstream in(source / "Zevrak.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string ini = text.str();
    const std::size_t section = ini.find("[statuspanel]");
    ASSERT_NE(section, std::string::npos);
    const std::size_t point = ini.find("righttoppoint=36,8", section);
    ASSERT_NE(point, std::string::npos);
    ini.replace(point, 18, "righttoppoint=0,0");
    std::ofstream(dir / "Zevrak.ini", std::ios::binary) << ini;
    Stored->LoadFromIniFile((dir / "Zevrak.ini").string());
    Manager->LoadCompressedStoredSkin(Stored);
    ASSERT_FALSE(Manager->GetEmpty());

    auto* panel = new TbsSkinStatusPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetAutoSize(true);
    panel->SetCaption("Bekliyor");
    EXPECT_TRUE(panel->GetAutoSize());
    panel->SetSkinData(Manager);
    EXPECT_FALSE(panel->GetAutoSize());
    EXPECT_EQ(panel->GetBoundsRect().Width(), 40);  // the skin's own size
    panel->SetCaption("Kazandiniz, 1250 puan");
    EXPECT_EQ(panel->GetWidth(), 40);
    fs::remove_all(dir);
}

TEST_F(SkinLabel, PaintingLeavesNoHandleBehind) {
    LoadZevrak();
    auto* panel = AddStatusPanel();
    auto* label = new TbsSkinLabel(Form.get());
    label->SetParent(Form.get());
    label->SetCaption("Bahis");
    TbsBitmap glyph;
    glyph.SetSize(10, 10);
    panel->SetGlyph(glyph);
    TbsBitmap printed;
    Print(*panel, printed);
    Print(*label, printed);
    const long fonts = LiveHandleCount(THandleKind::Font), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc);
    for (int i = 0; i < 4; ++i) {
        panel->SetShadowEffect(i == 1);
        panel->SetReflectionEffect(i == 2);
        panel->SetEllipsType(i == 3 ? bsetEllips : bsetNoneEllips);
        panel->SetCaption("Kazandiniz " + std::to_string(i));
        Print(*panel, printed);
        Print(*label, printed);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
}

TEST_F(SkinLabel, LayoutPropertiesReachTheLabels) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinStatusPanel");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    ASSERT_NE(classes.Find("TbsSkinLabel"), nullptr);
    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* panel = dynamic_cast<TbsSkinStatusPanel*>(made.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetSkinDataName(), "statuspanel");
    EXPECT_EQ(panel->GetWidth(), 120);
    EXPECT_EQ(panel->GetEllipsType(), bsetNoneEllips);
    EXPECT_EQ(panel->GetShadowSize(), 3);
    EXPECT_EQ(panel->GetReflectionOffset(), -5);
    EXPECT_TRUE(panel->GetUseSkinSize());
    EXPECT_TRUE(panel->GetUseSkinFontColor());
    const auto set = [&](const char* name, const TLayoutValue& v) {
        const TPropertyInfo* p = info->FindProperty(name);
        ASSERT_NE(p, nullptr) << name;
        p->SetValue(*panel, v);
    };
    set("EllipsType", TLayoutValue::OfIdent("bsetEllips"));
    set("Alignment", TLayoutValue::OfIdent("taCenter"));
    set("ShadowEffect", TLayoutValue::OfBool(true));
    set("ShadowColor", TLayoutValue::OfIdent("clRed"));
    set("ShadowOffset", TLayoutValue::OfInteger(2));
    set("ShadowSize", TLayoutValue::OfInteger(5));
    set("ReflectionEffect", TLayoutValue::OfBool(true));
    set("ReflectionOffset", TLayoutValue::OfInteger(-2));
    set("UseSkinFontColor", TLayoutValue::OfBool(false));
    set("Transparent", TLayoutValue::OfBool(true));
    set("BorderStyle", TLayoutValue::OfIdent("bvRaised"));
    set("AutoSize", TLayoutValue::OfBool(true));
    set("NumGlyphs", TLayoutValue::OfInteger(2));
    set("ImageIndex", TLayoutValue::OfInteger(4));
    set("Width", TLayoutValue::OfInteger(209));
    set("Caption", TLayoutValue::OfString("Bekliyor"));
    EXPECT_EQ(panel->GetEllipsType(), bsetEllips);
    EXPECT_EQ(panel->GetAlignment(), taCenter);
    EXPECT_TRUE(panel->GetShadowEffect());
    EXPECT_EQ(panel->GetShadowColor(), clRed);
    EXPECT_EQ(panel->GetShadowOffset(), 2);
    EXPECT_EQ(panel->GetShadowSize(), 5);
    EXPECT_TRUE(panel->GetReflectionEffect());
    EXPECT_EQ(panel->GetReflectionOffset(), -2);
    EXPECT_FALSE(panel->GetUseSkinFontColor());
    EXPECT_TRUE(panel->GetTransparent());
    EXPECT_EQ(panel->GetBorderStyle(), TBevelStyle::bvRaised);
    EXPECT_TRUE(panel->GetAutoSize());
    EXPECT_EQ(panel->GetNumGlyphs(), 2);
    EXPECT_EQ(panel->GetImageIndex(), 4);
    EXPECT_EQ(panel->GetCaption(), "Bekliyor");
    EXPECT_NE(info->FindProperty("SkinDataName"), nullptr);
    EXPECT_NE(info->FindProperty("Align"), nullptr);
}

// An empty client rectangle leaves the text nowhere to go; stretched
// around it (UseSkinSize false) there is no background to draw at all. A
// picture the skin lacks draws the plain face.
TEST_F(SkinLabel, EmptyClientAreaOrMissingPictureDrawsNoBackground) {
    LoadZevrak();
    auto* panel = AddStatusPanel<TDamagedStatusPanel>(false);
    panel->EmptyClient = true;
    Bar->SetSkinData(Manager);
    EXPECT_TRUE(panel->ContentRect().IsEmpty());
    TbsBitmap printed, face;
    Print(*panel, printed);
    ExpectedFace(face, 209, "", kContent209);
    ExpectPixels(printed, [&](int x, int y) { return *face.PixelPtr(x, y); }, TestName() + ".face");

    panel->SetAlign(TAlign::alNone);
    panel->SetUseSkinSize(false);
    panel->SetBounds(2, 0, 209, 21);
    Print(*panel, printed);
    ExpectPixels(printed, [](int, int) { return 0u; }, TestName() + ".stretched");

    panel->EmptyClient = false;
    panel->Picture = 99;
    Print(*panel, printed);
    const COLORREF btnFace = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Rgb(*printed.PixelPtr(1, 1)), MakePixel(GetRValue(btnFace), GetGValue(btnFace), GetBValue(btnFace)));
}

}  // namespace
