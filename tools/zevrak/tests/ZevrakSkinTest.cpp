// Checks of the generated skin against what the table window needs from it:
// picture sizes and depths, rectangles inside their pictures, the sizes the
// controls take from it, seamless stretched and tiled parts, and that the
// committed folder is exactly what the generator draws.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "tools/zevrak/ZevrakDefinition.h"
#include "tools/zevrak/ZevrakLayout.h"
#include "tools/zevrak/ZevrakPictures.h"
#include "tools/zevrak/ZevrakSkin.h"

namespace zevrak {
namespace {

using namespace layout;

// ---- reading the definition back ------------------------------------------------

std::vector<int> Numbers(const std::string& text) {
    std::vector<int> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        out.push_back(std::stoi(part));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out;
}

TRect RectKey(const TIniSection& s, const std::string& key) {
    const std::string* v = s.Find(key);
    if (!v) ADD_FAILURE() << "[" << s.Name() << "] has no " << key;
    if (!v) return NullRect();
    auto n = Numbers(*v);
    EXPECT_EQ(n.size(), 4u) << s.Name() << "." << key;
    return n.size() == 4 ? Rect(n[0], n[1], n[2], n[3]) : NullRect();
}

TPoint PointKey(const TIniSection& s, const std::string& key) {
    const std::string* v = s.Find(key);
    if (!v) return TPoint{};
    auto n = Numbers(*v);
    return n.size() == 2 ? TPoint{n[0], n[1]} : TPoint{};
}

int IntKey(const TIniSection& s, const std::string& key, int fallback) {
    const std::string* v = s.Find(key);
    return v ? std::stoi(*v) : fallback;
}

const TIniSection& SectionOf(const TIniText& ini, const std::string& name) {
    const TIniSection* s = ini.Find(name);
    if (!s) throw std::runtime_error("no section " + name);
    return *s;
}

// The rule that picks a composition from the corner points: 1 nine-part,
// 2 horizontal three-part, 3 vertical three-part, 0 fixed, -1 no skin.
int ResizeMode(const TIniSection& s) {
    TRect skin = RectKey(s, "skinrect");
    if (skin.IsEmpty()) return -1;
    TPoint rt = PointKey(s, "righttoppoint"), lb = PointKey(s, "leftbottompoint"), rb = PointKey(s, "rightbottompoint");
    if (rb.X != 0 && rb.Y != 0) return 1;
    if (rt.X != 0 || rt.Y != 0) return 2;
    if (lb.X != 0 || lb.Y != 0) return 3;
    return 0;
}

// Height a control of the given layout height takes once skinned.
int SizedHeight(const TIniSection& s, int height) {
    int mode = ResizeMode(s);
    TRect skin = RectKey(s, "skinrect");
    return (mode == 0 || mode == 2) ? skin.Height() : height;
}

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

TRect PictureRect(int index) { return Rect(0, 0, ActivePictures[index].Width, ActivePictures[index].Height); }

// ---- the definition -----------------------------------------------------------------

TEST(ZevrakDefinition, NamesEveryPictureOfTheTableInOrder) {
    TIniText ini = BuildZevrakDefinition();
    const auto& pictures = SectionOf(ini, "PICTURES");
    EXPECT_EQ(*pictures.Find("picture"), "main.bmp");
    EXPECT_EQ(*pictures.Find("inactivepicture"), "");
    EXPECT_EQ(*pictures.Find("mask"), "mask.bmp");
    ASSERT_EQ(IntKey(pictures, "activepicturescount", 0), 19);
    const char* expected[] = {"active.bmp",      "pw.bmp",         "menuitems.bmp",       "controls.bmp",
                              "hw.bmp",          "hwmask.bmp",     "pwmask.bmp",          "rbuttonmask.bmp",
                              "buttonmask.bmp",  "bactivemask.bmp", "htbmask.bmp",        "vtbmask.bmp",
                              "blayer.bmp",      "blayermask.bmp", "layerborder.bmp",     "layerbordermask.bmp",
                              "ribbon.bmp",      "appmenu.bmp",    "appmenubg.bmp"};
    for (int i = 0; i < 19; ++i) EXPECT_EQ(*pictures.Find(std::to_string(i)), expected[i]) << i;
    EXPECT_EQ(ini.Sections().front().Name(), "VERSION");
}

TEST(ZevrakDefinition, ListsTheCaptionAndButtonsFirstAndEveryControlTheTableUses) {
    TIniText ini = BuildZevrakDefinition();
    const auto& objects = SectionOf(ini, "SKINOBJECTS");
    const char* order[] = {"caption:caption", "maxbutton:stdbutton", "minbutton:stdbutton", "sysmenubutton:stdbutton",
                           "closebutton:stdbutton"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(*objects.Find(std::to_string(i)), order[i]);
    const auto& controls = SectionOf(ini, "SKINCONTROLS");
    std::set<std::string> listed;
    for (int i = 0; i < IntKey(controls, "count", 0); ++i) listed.insert(*controls.Find(std::to_string(i)));
    for (const char* item : {"button:button", "edit:edit", "combobox:combobox", "listbox:listbox", "groupbox:panel",
                             "statusbar:panel", "statuspanel:label", "richedit:richedit", "gauge:gauge", "panel:panel",
                             "vscrollbar:scrollbar", "hscrollbar:scrollbar", "bothhscrollbar:scrollbar"})
        EXPECT_TRUE(listed.count(item)) << item;
    // Every listed element has its own section.
    for (const auto& section : {objects, controls}) {
        for (int i = 0; i < IntKey(section, "count", 0); ++i) {
            std::string item = *section.Find(std::to_string(i));
            EXPECT_NE(ini.Find(item.substr(0, item.find(':'))), nullptr) << item;
        }
    }
}

TEST(ZevrakDefinition, FrameGivesTheTableWindowItsSize) {
    TIniText ini = BuildZevrakDefinition();
    const auto& form = SectionOf(ini, "FORMINFO");
    TRect client = RectKey(form, "clientrect");
    EXPECT_EQ(client, Rect(1, 26, 149, 129));
    EXPECT_EQ(RectKey(form, "captionrect"), Rect(5, 3, 145, 22));
    EXPECT_TRUE(RectKey(form, "buttonsrect").IsEmpty());
    EXPECT_EQ(IntKey(form, "buttonsoffset", -1), 2);
    EXPECT_EQ(IntKey(form, "buttonsinleft", -1), 0);
    EXPECT_EQ(IntKey(form, "formminwidth", -1), 200);
    EXPECT_EQ(IntKey(form, "formminheight", -1), 0);
    EXPECT_EQ(IntKey(form, "autorenderinginactiveimage", 0), 1);
    // A 775 x 306 client area: 1 pixel left and right, 26 on top, 1 below.
    int width = 775 + client.Left + (MainPicture.Width - client.Right);
    int height = 306 + client.Top + (MainPicture.Height - client.Bottom);
    EXPECT_EQ(width, 777);
    EXPECT_EQ(height, 333);
    // Rolled up, the window is as high as the frame without its client area.
    EXPECT_EQ(MainPicture.Height - client.Height(), 27);
}

TEST(ZevrakDefinition, ControlsTakeTheHeightsTheTableWindowExpects) {
    TIniText ini = BuildZevrakDefinition();
    struct Row {
        const char* Section;
        int LayoutHeight;
        int Expected;
    } rows[] = {{"button", 30, 25}, {"edit", 19, 21}, {"combobox", 24, 21}, {"gauge", 20, 19},
                {"statusbar", 30, 21}, {"statuspanel", 25, 17}};
    for (const auto& row : rows) {
        const auto& s = SectionOf(ini, row.Section);
        EXPECT_EQ(ResizeMode(s), 2) << row.Section;
        EXPECT_EQ(SizedHeight(s, row.LayoutHeight), row.Expected) << row.Section;
    }
    // The status panel sits in the status bar's client area at (2, 3).
    TRect barClient = RectKey(SectionOf(ini, "statusbar"), "clientrect");
    EXPECT_EQ(barClient.Left, 2);
    EXPECT_EQ(barClient.Top, 3);
    EXPECT_EQ(ResizeMode(SectionOf(ini, "listbox")), 1);
    EXPECT_EQ(ResizeMode(SectionOf(ini, "groupbox")), 1);
    EXPECT_EQ(ResizeMode(SectionOf(ini, "vscrollbar")), 3);
    EXPECT_EQ(ResizeMode(SectionOf(ini, "hscrollbar")), 2);
}

TEST(ZevrakDefinition, StatedValuesOfTheControlRecords) {
    TIniText ini = BuildZevrakDefinition();
    const auto& button = SectionOf(ini, "button");
    EXPECT_EQ(RectKey(button, "skinrect").Width(), 56);
    EXPECT_EQ(RectKey(button, "skinrect").Height(), 25);
    EXPECT_EQ(IntKey(button, "maskpictureindex", -1), piButtonMask);
    EXPECT_EQ(PointKey(button, "lefttoppoint").X, 13);
    EXPECT_EQ(PointKey(button, "righttoppoint"), (TPoint{39, 10}));
    EXPECT_EQ(IntKey(button, "glowlayerpictureindex", 0), -1);
    EXPECT_TRUE(RectKey(button, "animateskinrect").IsEmpty());
    EXPECT_EQ(IntKey(button, "disabledfontcolor", 0), 4408131);

    const auto& edit = SectionOf(ini, "edit");
    EXPECT_EQ(RectKey(edit, "skinrect"), Rect(225, 98, 282, 119));
    EXPECT_EQ(RectKey(edit, "activeskinrect"), Rect(225, 121, 282, 142));
    EXPECT_EQ(PointKey(edit, "lefttoppoint").X, 5);
    EXPECT_EQ(57 - PointKey(edit, "righttoppoint").X, 6);
    EXPECT_EQ(RectKey(edit, "clientrect"), Rect(4, 3, 53, 18));
    EXPECT_EQ(IntKey(edit, "fontcolor", 0), 12632256);
    EXPECT_EQ(IntKey(edit, "activefontcolor", 0), 16777215);
    EXPECT_EQ(IntKey(edit, "disabledfontcolor", 0), 9274748);

    const auto& combo = SectionOf(ini, "combobox");
    EXPECT_EQ(RectKey(combo, "clientrect"), Rect(3, 3, 38, 18));
    EXPECT_EQ(RectKey(combo, "buttonrect"), Rect(39, 2, 55, 19));
    EXPECT_EQ(RectKey(combo, "focusitemrect"), Rect(319, 28, 353, 43));
    EXPECT_TRUE(RectKey(combo, "itemrect").IsEmpty());
    EXPECT_TRUE(RectKey(combo, "activeitemrect").IsEmpty());
    EXPECT_EQ(IntKey(combo, "fontcolor", 0), 14408408);
    EXPECT_EQ(*combo.Find("listboxname"), "listbox");

    const auto& list = SectionOf(ini, "listbox");
    EXPECT_EQ(RectKey(list, "itemrect"), Rect(261, 4, 315, 23));
    EXPECT_EQ(RectKey(list, "activeitemrect"), Rect(261, 26, 315, 45));
    EXPECT_EQ(RectKey(list, "focusitemrect"), Rect(261, 48, 315, 67));
    EXPECT_EQ(RectKey(list, "itemtextrect"), Rect(4, 3, 49, 16));

    const auto& group = SectionOf(ini, "groupbox");
    EXPECT_EQ(RectKey(group, "captionrect"), Rect(3, 2, 57, 16));
    EXPECT_EQ(PointKey(group, "lefttoppoint"), (TPoint{5, 19}));
    EXPECT_EQ(PointKey(group, "righttoppoint"), (TPoint{54, 19}));
    EXPECT_EQ(IntKey(group, "fontcolor", 0), 8421504);
    // The caption band spans both top corners, so it grows with the width:
    // 3..198 at the table window's 201 pixels.
    EXPECT_EQ(RectKey(group, "captionrect").Right + (201 - RectKey(group, "skinrect").Width()), 198);

    const auto& gauge = SectionOf(ini, "gauge");
    EXPECT_EQ(RectKey(gauge, "progressarea"), Rect(3, 3, 46, 16));
    EXPECT_EQ(RectKey(gauge, "progressanimationskinrect"), Rect(527, 4, 586, 121));
    EXPECT_EQ(IntKey(gauge, "progressanimationcountframes", 0), 9);
    EXPECT_EQ(IntKey(gauge, "progressanimationtimerinterval", 0), 40);
    EXPECT_EQ(IntKey(gauge, "stretcheffect", 1), 0);

    const auto& rich = SectionOf(ini, "richedit");
    EXPECT_EQ(IntKey(rich, "fontcolor", 0), 12632256);
    EXPECT_EQ(IntKey(rich, "bgcolor", 0), 2302755);

    const auto& layer = SectionOf(ini, "LAYERFRAME");
    EXPECT_EQ(IntKey(layer, "pictureindex", 0), 14);
    EXPECT_EQ(IntKey(layer, "maskpictureindex", 0), 15);
    EXPECT_EQ(RectKey(layer, "clientrect"), Rect(14, 14, 164, 144));
    EXPECT_EQ(IntKey(layer, "fullborder", 1), 0);
    EXPECT_EQ(IntKey(layer, "hittestenable", 1), 0);
    // Border pieces: top 29 high, bottom 24, left 14, right 16.
    EXPECT_EQ(std::max(PointKey(layer, "lefttoppoint").Y, PointKey(layer, "righttoppoint").Y), 29);
    EXPECT_EQ(159 - std::min(PointKey(layer, "leftbottompoint").Y, PointKey(layer, "rightbottompoint").Y), 24);
}

// Keys whose rectangles are relative to the element's skin rectangle; every
// other rectangle key lies in the element's picture.
bool RelativeKey(const std::string& section, const std::string& key) {
    static const std::set<std::string> relative = {"clientrect", "captionrect", "progressarea", "itemtextrect",
                                                   "textrect",   "trackarea"};
    // The combo box's own button and a scroll bar's arrow buttons are placed
    // within the control; their other looks are cut from the picture.
    if (key == "buttonrect") return section == "combobox";
    if (key == "upbuttonrect" || key == "downbuttonrect") return section.find("scrollbar") != std::string::npos;
    return relative.count(key) > 0;
}

TEST(ZevrakDefinition, EveryRectangleLiesInsideItsPicture) {
    TIniText ini = BuildZevrakDefinition();
    std::set<std::string> whole = {"VERSION", "PICTURES", "FORMINFO", "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS",
                                   "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW", "caption"};
    int checked = 0;
    for (const auto& s : ini.Sections()) {
        if (whole.count(s.Name())) continue;
        int picture = IntKey(s, "pictureindex", IntKey(s, "activepictureindex", -1));
        if (picture < 0) continue;
        ASSERT_LT(picture, PictureCount) << s.Name();
        TRect skin = RectKey(s, "skinrect");
        ASSERT_TRUE(Inside(skin, PictureRect(picture))) << s.Name();
        for (const auto& [key, value] : s.Keys()) {
            if (key.size() < 4 || key.compare(key.size() - 4, 4, "rect") != 0) continue;
            TRect r = RectKey(s, key);
            if (r.IsEmpty()) continue;
            TRect bounds = RelativeKey(s.Name(), key) ? Rect(0, 0, skin.Width(), skin.Height()) : PictureRect(picture);
            EXPECT_TRUE(Inside(r, bounds)) << "[" << s.Name() << "] " << key << "=" << value;
            ++checked;
        }
    }
    EXPECT_GT(checked, 60);
    // The whole-skin sections, against their own pictures.
    const auto& popup = SectionOf(ini, "POPUPWINDOW");
    EXPECT_TRUE(Inside(RectKey(popup, "itemsrect"), PictureRect(piPopup)));
    const auto& hint = SectionOf(ini, "HINTWINDOW");
    EXPECT_TRUE(Inside(RectKey(hint, "clientrect"), PictureRect(piHint)));
    const auto& layer = SectionOf(ini, "LAYERFRAME");
    EXPECT_TRUE(Inside(RectKey(layer, "clientrect"), PictureRect(piLayer)));
    EXPECT_TRUE(Inside(RectKey(SectionOf(ini, "caption"), "skinrect"),
                       Rect(0, 0, MainPicture.Width, MainPicture.Height)));
}

// ---- the pictures -------------------------------------------------------------------------

std::uint32_t U32(const TBytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

TEST(ZevrakPictures, EveryFileHasTheSizeAndDepthOfTheTable) {
    auto files = BuildZevrakFolder();
    ASSERT_EQ(files.size(), 3u + PictureCount);
    auto check = [&](const TSkinFile& f, const TPictureSpec& pic) {
        EXPECT_EQ(f.Name, pic.FileName);
        ASSERT_GE(f.Bytes.size(), 54u);
        EXPECT_EQ(U32(f.Bytes, 2), f.Bytes.size()) << f.Name;
        EXPECT_EQ(int(U32(f.Bytes, 18)), pic.Width) << f.Name;
        EXPECT_EQ(int(U32(f.Bytes, 22)), pic.Height) << f.Name;
        EXPECT_EQ(int(f.Bytes[28]), pic.BitsPerPixel) << f.Name;
    };
    check(files[1], MainPicture);
    check(files[2], MaskPicture);
    for (int i = 0; i < PictureCount; ++i) check(files[3 + std::size_t(i)], ActivePictures[i]);
}

// Columns a..b (exclusive) of rows top..bottom are all the same as column a.
void ExpectUniformColumns(const TCanvas& c, int a, int b, int top, int bottom, const char* what) {
    for (int y = top; y < bottom; ++y)
        for (int x = a + 1; x < b; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(c.Byte(x, y, ch), c.Byte(a, y, ch)) << what << " x=" << x << " y=" << y;
}

void ExpectUniformRows(const TCanvas& c, int left, int right, int a, int b, const char* what) {
    for (int y = a + 1; y < b; ++y)
        for (int x = left; x < right; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(c.Byte(x, y, ch), c.Byte(x, a, ch)) << what << " x=" << x << " y=" << y;
}

TEST(ZevrakPictures, StretchedFrameEdgesAreTheSameAllAlong) {
    TCanvas main = PaintMainPicture();
    ExpectUniformColumns(main, FrameLT.X, FrameRT.X, 0, FrameClient.Top, "caption band");
    ExpectUniformColumns(main, FrameLB.X, FrameRB.X, FrameClient.Bottom, MainPicture.Height, "bottom edge");
    ExpectUniformRows(main, 0, FrameClient.Left, FrameLT.Y, FrameLB.Y, "left edge");
    ExpectUniformRows(main, FrameClient.Right, MainPicture.Width, FrameRT.Y, FrameRB.Y, "right edge");
    // The caption object's normal look is cut from the band and stretched.
    ExpectUniformColumns(main, FrameCaption.Left, FrameCaption.Right, FrameCaption.Top, FrameCaption.Bottom,
                         "caption object");
}

TEST(ZevrakPictures, ClientBackgroundIsTheSteelBackdropFromItsFirstRowToItsLast) {
    // The client part is tiled over the window's client area: a stray row of
    // the caption band in it would repeat as a line across the window. Every
    // pixel is the backdrop within its grain (3 % either way, 8 % allowed).
    TCanvas main = PaintMainPicture();
    const int backdrop[3] = {0xB9, 0xBD, 0xC3};  // red, green, blue
    for (int y = FrameClient.Top; y < FrameClient.Bottom; ++y)
        for (int x = FrameClient.Left; x < FrameClient.Right; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_NEAR(main.Byte(x, y, ch), backdrop[ch], backdrop[ch] * 0.08 + 1) << "x=" << x << " y=" << y;
}

TEST(ZevrakPictures, LayerBorderStripsRepeatWithoutSeams) {
    TCanvas pic = PaintLayerBorder(), mask = PaintLayerBorderMask();
    const int w = ActivePictures[piLayer].Width, h = ActivePictures[piLayer].Height;
    for (const TCanvas* c : {&pic, &mask}) {
        ExpectUniformColumns(*c, LayerLT.X, LayerRT.X, 0, std::max(LayerLT.Y, LayerRT.Y), "layer top");
        ExpectUniformColumns(*c, LayerLB.X, LayerRB.X, std::min(LayerLB.Y, LayerRB.Y), h, "layer bottom");
        ExpectUniformRows(*c, 0, LayerClient.Left, LayerLT.Y, LayerLB.Y, "layer left");
        ExpectUniformRows(*c, LayerClient.Right, w, LayerRT.Y, LayerRB.Y, "layer right");
    }
    // The window itself is fully clear; just outside its straight edges the
    // shadow is dark.
    EXPECT_EQ(mask.Byte(LayerClient.Left + 20, LayerClient.Top + 20, 0), 0);
    EXPECT_GT(mask.Byte(LayerClient.Left - 1, 80, 0), 100);
    EXPECT_LT(mask.Byte(0, 80, 0), mask.Byte(LayerClient.Left - 3, 80, 0));
}

TEST(ZevrakPictures, ThreePartControlsHaveUniformMiddles) {
    TCanvas c = PaintControls();
    struct Row {
        TRect Skin;
        TPoint LT, RT;
        const char* What;
    } rows[] = {{ButtonNormal, ButtonLT, ButtonRT, "button"},       {ButtonHot, ButtonLT, ButtonRT, "button hot"},
                {ButtonDown, ButtonLT, ButtonRT, "button down"},    {ButtonFocused, ButtonLT, ButtonRT, "focused"},
                {ButtonDisabled, ButtonLT, ButtonRT, "disabled"},   {EditNormal, EditLT, EditRT, "edit"},
                {EditActive, EditLT, EditRT, "edit active"},        {ComboNormal, ComboLT, ComboRT, "combo"},
                {StatusBar, StatusBarLT, StatusBarRT, "status bar"}, {StatusPanel, StatusPanelLT, StatusPanelRT, "panel"},
                {Gauge, GaugeLT, GaugeRT, "gauge"},                 {HScroll, HScrollLT, HScrollRT, "hscrollbar"}};
    for (const auto& row : rows)
        ExpectUniformColumns(c, row.Skin.Left + row.LT.X, row.Skin.Left + row.RT.X, row.Skin.Top, row.Skin.Bottom,
                             row.What);
    ExpectUniformRows(c, VScroll.Left, VScroll.Right, VScroll.Top + VScrollLT.Y, VScroll.Top + VScrollLB.Y,
                      "vscrollbar");
}

TEST(ZevrakPictures, NinePartClientAreasAreFlatSoTheirTilesMeet) {
    TCanvas c = PaintControls();
    struct Row {
        TRect Skin, Client;
        const char* What;
    } rows[] = {{GroupBox, GroupClient, "group box"}, {Panel, PanelClient, "panel"}, {ListBox, ListClient, "list box"}};
    for (const auto& row : rows) {
        TRect client = OffsetRect(row.Client, row.Skin.Left, row.Skin.Top);
        ExpectUniformRows(c, client.Left, client.Right, client.Top, client.Bottom, row.What);
        ExpectUniformColumns(c, client.Left, client.Right, client.Top, client.Bottom, row.What);
    }
}

TEST(ZevrakPictures, GaugeFillRepeatsSoTiledCopiesMeet) {
    TCanvas c = PaintControls();
    int left = GaugeFill.Left + GaugeFillCap, middle = GaugeFill.Width() - 2 * GaugeFillCap;
    ASSERT_EQ(middle % GaugeStripePeriod, 0);
    for (int y = GaugeFill.Top + 2; y < GaugeFill.Bottom - 2; ++y)
        for (int x = left; x + GaugeStripePeriod < left + middle; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(c.Byte(x, y, ch), c.Byte(x + GaugeStripePeriod, y, ch)) << "x=" << x << " y=" << y;
    // Nine animation frames of 13 rows each, as high as the progress area.
    EXPECT_EQ(GaugeAnimation.Height(), GaugeAnimationFrames * GaugeArea.Height());
}

TEST(ZevrakPictures, MasksAreBlackInsideAndWhiteInTheCutCorners) {
    TCanvas button = PaintButtonMask(), main = PaintMainMask(), caption = PaintCaptionButtonMask();
    EXPECT_EQ(button.Byte(28, 12, 0), 0);
    EXPECT_EQ(button.Byte(0, 0, 0), 255);
    EXPECT_EQ(button.Byte(55, 24, 0), 255);
    EXPECT_EQ(button.Byte(0, 12, 0), 0);  // the straight ends reach the edge
    EXPECT_EQ(main.Byte(0, 0, 0), 255);
    EXPECT_EQ(main.Byte(149, 0, 0), 255);
    EXPECT_EQ(main.Byte(75, 0, 0), 0);
    EXPECT_EQ(main.Byte(75, 129, 0), 0);
    EXPECT_EQ(main.Byte(0, 65, 0), 0);
    EXPECT_EQ(caption.Byte(10, 10, 0), 0);
    EXPECT_EQ(caption.Byte(0, 0, 0), 255);
}

// ---- the committed folder -------------------------------------------------------------------

TEST(ZevrakFolder, CommittedSkinIsExactlyWhatTheGeneratorDraws) {
    for (const auto& file : BuildZevrakFolder()) {
        std::string path = std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/" + file.Name;
        TBytes committed;
        ASSERT_NO_THROW(committed = ReadFile(path)) << path;
        ASSERT_EQ(committed.size(), file.Bytes.size()) << file.Name << " differs: run zevrak skins/Zevrak";
        EXPECT_TRUE(committed == file.Bytes) << file.Name << " differs: run zevrak skins/Zevrak";
    }
}

}  // namespace
}  // namespace zevrak
