#include "tools/zevrak/ZevrakDefinition.h"

#include "tools/zevrak/ZevrakLayout.h"

namespace zevrak {

using namespace layout;

long long SkinColor(unsigned rrggbb) {
    unsigned r = (rrggbb >> 16) & 0xFF, g = (rrggbb >> 8) & 0xFF, b = rrggbb & 0xFF;
    return static_cast<long long>(r | (g << 8) | (b << 16));
}

namespace {

// Text colours of the style (0xRRGGBB).
constexpr unsigned Silver = 0xC0C0C0;         // 12632256: text on dark fields
constexpr unsigned SilverLight = 0xD8DADB;    // 14408408: combo box and list text
constexpr unsigned WhiteText = 0xFFFFFF;      // 16777215: hot and focused text
constexpr unsigned GreyText = 0x808080;       // 8421504: group box caption
constexpr unsigned DisabledText = 0x7C858D;   // 9274748: disabled edit text
constexpr unsigned GoldText = 0xF0D58C;       // hot button caption
constexpr unsigned DimText = 0x5A5C60;        // disabled captions and menu entries
constexpr unsigned ButtonDisabledText = 0x434343;  // 4408131: the spin button's caption during a round
constexpr unsigned CaptionInactive = 0x595959;  // 5855577
constexpr unsigned CaptionActive = 0xDCDDDE;    // 14605788
constexpr unsigned FieldBack = 0x232323;        // 2302755: rich edit background

const TRect Empty = NullRect();
constexpr TPoint Zero{0, 0};

void Font(TIniSection& s, unsigned colour, const char* style = "") {
    s.Text("fontname", "Tahoma").Int("fontheight", 13).Text("fontstyle", style).Int("fontcolor", SkinColor(colour));
}

// The keys every skin control with geometry has.
void Geometry(TIniSection& s, int picture, int mask, const TRect& skin, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
              const TRect& client, bool stretchEdges, bool stretchMiddle) {
    s.Int("pictureindex", picture).Int("maskpictureindex", mask).Rect("skinrect", skin);
    s.Point("lefttoppoint", lt).Point("righttoppoint", rt).Point("leftbottompoint", lb).Point("rightbottompoint", rb);
    s.Rect("clientrect", client);
    s.Bool("leftstretch", stretchEdges).Bool("topstretch", stretchEdges).Bool("rightstretch", stretchEdges);
    s.Bool("bottomstretch", stretchEdges).Bool("stretcheffect", stretchMiddle).Text("stretchtype", "stfull");
}

void Version(TIniText& ini) {
    ini.Section("VERSION")
        .Text("ver", "3")
        .Text("skinname", "Zevrak")
        .Text("skinauthor", "Rozudavuvo Dariz Zodovi")
        .Text("authoremail", "")
        .Text("authorurl", "")
        .Text("skincomments", "Black lacquer, brushed steel and gold around the green cloth");
}

void Pictures(TIniText& ini) {
    std::vector<std::string> names;
    for (const auto& p : ActivePictures) names.emplace_back(p.FileName);
    ini.Section("PICTURES")
        .Text("picture", MainPicture.FileName)
        .Text("inactivepicture", "")
        .Text("mask", MaskPicture.FileName)
        .List("activepictures", names);
}

void FormInfo(TIniText& ini) {
    auto& s = ini.Section("FORMINFO");
    s.Point("lefttoppoint", FrameLT).Point("righttoppoint", FrameRT);
    s.Point("leftbottompoint", FrameLB).Point("rightbottompoint", FrameRB);
    s.Rect("clientrect", FrameClient).Int("bgpictureindex", -1).Int("mdibgpictureindex", -1);
    // The edges are the same all along, so stretching them is seamless.
    s.Bool("leftstretch", true).Bool("rightstretch", true).Bool("topstretch", true).Bool("bottomstretch", true);
    s.Bool("stretcheffect", false).Text("stretchtype", "stfull");
    s.Bool("mdibgstretcheffect", false).Text("mdibgstretchtype", "stfull");
    s.Rect("maskrectarea", Empty);
    s.Point("hittestlefttoppoint", Zero).Point("hittestrighttoppoint", Zero);
    s.Point("hittestleftbottompoint", Zero).Point("hittestrightbottompoint", Zero);
    s.Rect("buttonsrect", Empty).Rect("captionrect", FrameCaption);
    s.Int("buttonsoffset", 2).Bool("buttonsinleft", false).Bool("mainmenupopupup", false);
    s.Int("borderwidth", 4).Int("formminwidth", 200).Int("formminheight", 0);
    s.Bool("mditabstransparent", false).Bool("mainmenubartransparent", false);
    s.Bool("autorenderinginactiveimage", true).Text("inactiveeffect", "iegrayscale");
}

void PopupWindow(TIniText& ini) {
    auto& s = ini.Section("POPUPWINDOW");
    s.Int("windowpictureindex", piPopup).Int("maskpictureindex", piPopupMask);
    s.Point("lefttoppoint", PopupLT).Point("righttoppoint", PopupRT);
    s.Point("leftbottompoint", PopupLB).Point("rightbottompoint", PopupRB);
    s.Rect("itemsrect", PopupItems);
    s.Int("scrollmarkercolor", SkinColor(Silver)).Int("scrollmarkeractivecolor", SkinColor(GoldText));
    s.Bool("leftstretch", true).Bool("rightstretch", true).Bool("topstretch", true).Bool("bottomstretch", true);
    s.Bool("stretcheffect", true).Text("stretchtype", "stfull");
}

void LayerFrame(TIniText& ini) {
    auto& s = ini.Section("LAYERFRAME");
    s.Int("pictureindex", piLayer).Int("maskpictureindex", piLayerMask);
    s.Int("inactivepictureindex", -1).Int("inactivemaskpictureindex", -1);
    s.Point("lefttoppoint", LayerLT).Point("righttoppoint", LayerRT);
    s.Point("leftbottompoint", LayerLB).Point("rightbottompoint", LayerRB);
    s.Rect("clientrect", LayerClient);
    s.Int("alphablendvalue", 255).Int("inactivealphablendvalue", 255);
    s.Rect("borderrect", Empty).Bool("hittestenable", false).Bool("fullborder", false).Int("hittestsize", 0);
    s.Rect("captionrect", Empty);
    s.Point("hittestlefttoppoint", Zero).Point("hittestrighttoppoint", Zero);
    s.Point("hittestleftbottompoint", Zero).Point("hittestrightbottompoint", Zero);
    s.Rect("buttonsrect", Empty).Rect("sysmenubuttonrect", Empty);
    s.Bool("fullstretch", false).Int("rollupformheight", 0);
    s.Int("buttonstopoffset", 0).Int("sysbuttontopoffset", 0);
    s.Int("blurmaskpictureindex", -1).Rect("intersectblurmaskrect", Empty).Rect("excludeblurmaskrect", Empty);
    s.Int("leftoffset", 0).Int("topoffset", 0).Int("widthoffset", 0).Int("heightoffset", 0);
}

void HintWindow(TIniText& ini) {
    auto& s = ini.Section("HINTWINDOW");
    s.Int("windowpictureindex", piHint).Int("maskpictureindex", piHintMask);
    s.Point("lefttoppoint", HintLT).Point("righttoppoint", HintRT);
    s.Point("leftbottompoint", HintLB).Point("rightbottompoint", HintRB);
    s.Rect("clientrect", HintClient);
    Font(s, SilverLight);
    s.Bool("leftstretch", true).Bool("rightstretch", true).Bool("topstretch", true).Bool("bottomstretch", true);
    s.Bool("stretcheffect", true).Text("stretchtype", "stfull");
}

void SkinColors(TIniText& ini) {
    ini.Section("SKINCOLORS")
        .Int("cbtnface", SkinColor(0x1C1D21))
        .Int("cbtntext", SkinColor(Silver))
        .Int("cwindow", SkinColor(FieldBack))
        .Int("cwindowtext", SkinColor(Silver))
        .Int("chighlight", SkinColor(0x137A43))
        .Int("chighlighttext", SkinColor(WhiteText))
        .Int("cbtnhighlight", SkinColor(0x5E626A))
        .Int("cbtnshadow", SkinColor(0x050506));
}

// ---- skin objects -----------------------------------------------------------

void ObjectKeys(TIniSection& s, const std::string& hint, int picture, int mask, bool ownPicture, const TRect& skin,
                const TRect& active, const TRect& inactive, bool morphing) {
    s.Text("hint", hint).Int("activepictureindex", picture).Int("activemaskpictureindex", mask);
    s.Bool("skinrectinapicture", ownPicture).Rect("skinrect", skin).Rect("activeskinrect", active);
    s.Rect("inactiveskinrect", inactive).Bool("morphing", morphing).Text("morphkind", "mkdefault");
}

void Caption(TIniText& ini) {
    auto& s = ini.Section("caption");
    ObjectKeys(s, "", -1, -1, false, FrameCaption, Empty, Empty, false);
    s.Int("glowlayerpictureindex", -1).Int("glowlayermaskpictureindex", -1);
    s.Int("glowlayeroffsetx", 0).Int("glowlayeroffsety", 0).Int("glowlayeralphablendvalue", 255);
    s.Rect("textrect", Rect(CaptionTextLeft, 0, FrameCaption.Width() - 4, FrameCaption.Height()));
    Font(s, CaptionInactive, "fsbold");
    s.Int("activefontcolor", SkinColor(CaptionActive)).Text("alignment", "taleftjustify");
    s.Bool("light", false).Int("lightcolor", 0).Int("activelightcolor", 0);
    s.Bool("shadow", false).Int("shadowcolor", 0).Int("activeshadowcolor", 0);
    s.Rect("framerect", Empty).Rect("activeframerect", Empty).Rect("frametextrect", Empty);
    s.Int("frameleftoffset", 0).Int("framerightoffset", 0).Bool("stretcheffect", false);
    s.Rect("animateskinrect", Empty).Int("framecount", 0).Int("animateinterval", 25);
    s.Bool("inactiveanimation", false).Bool("fullframe", false);
    // A dark halo of three pixels keeps the silver text crisp on the lacquer.
    s.Bool("vistagloweffect", false).Bool("vistaglowinactiveeffect", false);
    s.Bool("gloweffect", true).Bool("glowinactiveeffect", true).Int("glowsize", 3);
    s.Int("glowcolor", 0).Int("glowactivecolor", 0).Int("glowoffset", 0);
    s.Bool("reflectioneffect", false).Int("reflactioncolor", 0).Int("reflactionactivecolor", 0);
    s.Int("reflectionoffset", 0);
    s.Rect("dividerrect", Empty).Rect("inactivedividerrect", Empty);
    s.Bool("dividertransparent", false).Int("dividertransparentcolor", 0);
    s.Int("quickbuttonalphamaskpictureindex", -1);
}

void CaptionButton(TIniText& ini, const std::string& name, const std::string& hint, const std::string& command,
                   int glyph, int restoreGlyph) {
    auto& s = ini.Section(name);
    ObjectKeys(s, hint, piActive, piCaptionButtonMask, true, CaptionButtonCell(glyph, csNormal),
               CaptionButtonCell(glyph, csHot), CaptionButtonCell(glyph, csInactive), true);
    s.Int("glowlayerpictureindex", piGlow).Int("glowlayermaskpictureindex", piGlowMask);
    s.Int("glowlayeroffsetx", GlowOffset).Int("glowlayeroffsety", GlowOffset).Int("glowlayeralphablendvalue", 255);
    s.Rect("downrect", CaptionButtonCell(glyph, csDown)).Rect("disableskinrsect", Empty);
    s.Int("alphamaskpictureindex", -1).Int("alphamaskactivepictureindex", -1).Int("alphamaskinactivepictureindex", -1);
    s.Text("command", command);
    if (restoreGlyph >= 0) {
        s.Rect("restorerect", CaptionButtonCell(restoreGlyph, csNormal));
        s.Rect("restoreactiverect", CaptionButtonCell(restoreGlyph, csHot));
        s.Rect("restoredownrect", CaptionButtonCell(restoreGlyph, csDown));
        s.Rect("restoreinactiverect", CaptionButtonCell(restoreGlyph, csInactive));
        s.Text("restorehint", "Restore");
    } else {
        s.Rect("restorerect", Empty).Rect("restoreactiverect", Empty);
        s.Rect("restoredownrect", Empty).Rect("restoreinactiverect", Empty).Text("restorehint", "");
    }
}

void MenuItem(TIniText& ini) {
    auto& s = ini.Section("menuitem");
    ObjectKeys(s, "", piMenuItems, -1, false, MenuItemNormal, MenuItemActive, Empty, true);
    s.Int("itemleftoffset", 4).Int("itemrightoffset", 4);
    s.Rect("dividerrect", MenuItemDivider).Int("dividerleftoffset", 2).Int("dividerrightoffset", 2);
    s.Rect("textrect", MenuItemText).Rect("imagerect", Empty);
    Font(s, Silver);
    s.Int("activefontcolor", SkinColor(WhiteText)).Int("unenabledfontcolor", SkinColor(DimText));
    s.Bool("stretcheffect", true).Bool("inactivestretcheffect", true).Bool("dividerstretcheffect", true);
    s.Rect("animateskinrect", Empty).Int("framecount", 0).Int("animateinterval", 25).Bool("inactiveanimation", false);
    s.Bool("useimagecolor", false).Int("imagecolor", 0).Int("activeimagecolor", 0);
    // Unselected entries show the popup's own face behind them.
    s.Bool("inactivetransparent", true);
    s.Rect("checkimagerect", MenuCheck).Rect("activecheckimagerect", MenuCheckActive);
    s.Rect("radioimagerect", MenuRadio).Rect("activeradioimagerect", MenuRadioActive);
    s.Rect("arrowimagerect", MenuArrow).Rect("activearrowimagerect", MenuArrowActive);
}

void SkinObjects(TIniText& ini) {
    // The caption first, then the caption buttons in this order.
    ini.Section("SKINOBJECTS").List("", {"caption:caption", "maxbutton:stdbutton", "minbutton:stdbutton",
                                         "sysmenubutton:stdbutton", "closebutton:stdbutton", "menuitem:menuitem"});
    Caption(ini);
    CaptionButton(ini, "maxbutton", "Maximize", "cmmaximize", cgMaximize, cgRestore);
    CaptionButton(ini, "minbutton", "Minimize", "cmminimize", cgMinimize, cgRestore);
    CaptionButton(ini, "sysmenubutton", "System menu", "cmsysmenu", cgSysMenu, -1);
    CaptionButton(ini, "closebutton", "Close", "cmclose", cgClose, -1);
    MenuItem(ini);
}

// ---- skin controls ----------------------------------------------------------

void Button(TIniText& ini) {
    auto& s = ini.Section("button");
    Geometry(s, piControls, piButtonMask, ButtonNormal, ButtonLT, ButtonRT, Zero, Zero, ButtonClient, false, true);
    Font(s, SilverLight, "fsbold");
    s.Int("activefontcolor", SkinColor(GoldText)).Int("downfontcolor", SkinColor(WhiteText));
    s.Int("disabledfontcolor", SkinColor(ButtonDisabledText));
    s.Rect("activeskinrect", ButtonHot).Rect("downskinrect", ButtonDown);
    s.Rect("focusedskinrect", ButtonFocused).Rect("disabledskinrect", ButtonDisabled);
    s.Bool("morphing", true).Text("morphkind", "mkdefault");
    s.Rect("animateskinrect", Empty).Int("framecount", 0).Int("animateinterval", 25).Bool("showfocus", false);
    s.Rect("menumarkerflatrect", Empty).Rect("menumarkerrect", Empty);
    s.Rect("menumarkeractiverect", Empty).Rect("menumarkerdownrect", Empty).Int("menumarkertransparentcolor", 0);
    s.Int("glowlayerpictureindex", -1).Int("glowlayermaskpictureindex", -1);
    s.Int("glowlayeroffsetleft", 0).Int("glowlayeroffsettop", 0);
    s.Int("glowlayeroffsetright", 0).Int("glowlayeroffsetbottom", 0);
    s.Int("glowlayershowoffsetx", 0).Int("glowlayershowoffsety", 0).Int("glowlayeralphablendvalue", 255);
}

void Edit(TIniText& ini) {
    auto& s = ini.Section("edit");
    Geometry(s, piControls, -1, EditNormal, EditLT, EditRT, Zero, Zero, EditClient, false, true);
    s.Rect("activeskinrect", EditActive);
    Font(s, Silver);
    s.Int("disabledfontcolor", SkinColor(DisabledText)).Int("activefontcolor", SkinColor(WhiteText));
    s.Rect("buttonrect", Empty).Rect("activebuttonrect", Empty);
    s.Rect("downbuttonrect", Empty).Rect("unenabledbuttonrect", Empty);
}

void ComboBox(TIniText& ini) {
    auto& s = ini.Section("combobox");
    Geometry(s, piControls, -1, ComboNormal, ComboLT, ComboRT, Zero, Zero, ComboClient, false, true);
    s.Rect("activeskinrect", ComboActive);
    s.Rect("itemrect", Empty).Rect("activeitemrect", Empty).Rect("focusitemrect", ComboFocusItem);
    s.Int("itemleftoffset", 3).Int("itemrightoffset", 3).Rect("itemtextrect", ComboItemText);
    Font(s, SilverLight);
    s.Int("focusfontcolor", SkinColor(WhiteText)).Int("activefontcolor", SkinColor(WhiteText));
    s.Text("listboxname", "listbox");
    s.Rect("buttonrect", ComboButton).Rect("activebuttonrect", ComboButtonHot);
    s.Rect("downbuttonrect", ComboButtonDown).Rect("unenabledbuttonrect", ComboButtonDisabled);
    s.Bool("itemstretcheffect", true).Bool("focusitemstretcheffect", true).Bool("showfocus", false);
}

void ListBox(TIniText& ini) {
    auto& s = ini.Section("listbox");
    Geometry(s, piControls, -1, layout::ListBox, ListLT, ListRT, ListLB, ListRB, ListClient, true, false);
    s.Rect("itemrect", ListItem).Rect("activeitemrect", ListItemActive).Rect("focusitemrect", ListItemFocus);
    s.Int("itemleftoffset", 4).Int("itemrightoffset", 4).Rect("itemtextrect", ListItemText);
    Font(s, SilverLight);
    s.Int("activefontcolor", SkinColor(WhiteText)).Int("focusfontcolor", SkinColor(WhiteText));
    s.Rect("captionrect", Empty);
    s.Text("captionfontname", "Tahoma").Int("captionfontheight", 13).Text("captionfontstyle", "");
    s.Int("captionfontcolor", SkinColor(Silver));
    s.Rect("upbuttonrect", Empty).Rect("activeupbuttonrect", Empty).Rect("downupbuttonrect", Empty);
    s.Rect("downbuttonrect", Empty).Rect("activedownbuttonrect", Empty).Rect("downdownbuttonrect", Empty);
    s.Rect("checkbuttonrect", Empty).Rect("activecheckbuttonrect", Empty).Rect("downcheckbuttonrect", Empty);
    s.Text("vscrollbarname", "vscrollbar").Text("hscrollbarname", "hscrollbar");
    s.Text("bothhscrollbarname", "bothhscrollbar").Bool("showfocus", false);
    s.Rect("disabledbuttonsrect", Empty).Rect("buttonsarea", Empty);
}

void PanelKeys(TIniSection& s, const TRect& caption, unsigned colour) {
    s.Int("bgpictureindex", -1).Rect("captionrect", caption).Text("alignment", "tacenter");
    Font(s, colour);
    s.Rect("checkimagerect", Empty).Rect("uncheckimagerect", Empty).Rect("markframerect", Empty);
    s.Rect("framerect", Empty).Rect("frametextrect", Empty).Int("frameleftoffset", 0).Int("framerightoffset", 0);
    s.Rect("gripperrect", Empty).Bool("grippertransparent", false).Int("grippertransparentcolor", 0);
    s.Rect("buttonrect", Empty).Rect("buttonactiverect", Empty).Rect("buttondownrect", Empty);
    s.Bool("buttontransparent", false).Int("buttontransparentcolor", 0);
}

void Panels(TIniText& ini) {
    auto& group = ini.Section("groupbox");
    Geometry(group, piControls, -1, GroupBox, GroupLT, GroupRT, GroupLB, GroupRB, GroupClient, true, false);
    PanelKeys(group, GroupCaption, GreyText);

    auto& panel = ini.Section("panel");
    Geometry(panel, piControls, -1, Panel, PanelLT, PanelRT, PanelLB, PanelRB, PanelClient, true, false);
    PanelKeys(panel, Empty, Silver);

    auto& bar = ini.Section("statusbar");
    Geometry(bar, piControls, -1, StatusBar, StatusBarLT, StatusBarRT, Zero, Zero, StatusBarClient, false, true);
    PanelKeys(bar, Empty, Silver);

    auto& label = ini.Section("statuspanel");
    Geometry(label, piControls, -1, StatusPanel, StatusPanelLT, StatusPanelRT, Zero, Zero, StatusPanelClient, false,
             true);
    Font(label, Silver);
}

void RichEdit(TIniText& ini) {
    auto& s = ini.Section("richedit");
    s.Int("pictureindex", -1).Int("maskpictureindex", -1).Rect("skinrect", Empty);
    Font(s, Silver);
    s.Int("bgcolor", SkinColor(FieldBack));
}

void Gauge(TIniText& ini) {
    auto& s = ini.Section("gauge");
    // The middle is tiled: the track is the same in every column.
    Geometry(s, piControls, -1, layout::Gauge, GaugeLT, GaugeRT, Zero, Zero, GaugeClient, false, false);
    s.Rect("progressarea", GaugeArea).Rect("progressrect", GaugeFill);
    s.Int("beginoffset", GaugeFillCap).Int("endoffset", GaugeFillCap).Bool("vertical", false);
    Font(s, WhiteText, "fsbold");
    s.Bool("progresstransparent", false).Int("progresstransparentcolor", 0).Bool("progressstretch", false);
    s.Rect("animationskinrect", Empty).Int("animationcountframes", 0).Int("animationtimerinterval", 0);
    s.Rect("progressanimationskinrect", GaugeAnimation);
    s.Int("progressanimationcountframes", GaugeAnimationFrames);
    s.Int("progressanimationtimerinterval", GaugeAnimationInterval);
    s.Int("animationbeginoffset", 0).Int("animationendoffset", 0);
}

void ScrollKeys(TIniSection& s, const TRect& track, const TRect& up, const TRect& upHot, const TRect& upDown,
                const TRect& down, const TRect& downHot, const TRect& downDown, const TRect& thumb,
                const TRect& thumbHot, const TRect& thumbDown, const TRect& glyph, const TRect& glyphHot,
                const TRect& glyphDown) {
    s.Rect("trackarea", track);
    s.Rect("upbuttonrect", up).Rect("activeupbuttonrect", upHot).Rect("downupbuttonrect", upDown);
    s.Rect("downbuttonrect", down).Rect("activedownbuttonrect", downHot).Rect("downdownbuttonrect", downDown);
    s.Rect("thumbrect", thumb).Rect("activethumbrect", thumbHot).Rect("downthumbrect", thumbDown);
    s.Int("thumboffset1", ThumbCap).Int("thumboffset2", ThumbCap);
    s.Bool("thumbtransparent", false).Int("thumbtransparentcolor", 0).Bool("thumbstretcheffect", true);
    s.Int("thumbminsize", 0).Int("thumbminpagesize", 0);
    s.Rect("glyphrect", glyph).Rect("activeglyphrect", glyphHot).Rect("downglyphrect", glyphDown);
    s.Bool("glyphtransparent", false).Int("glyphtransparentcolor", 0);
}

void ScrollBars(TIniText& ini) {
    auto& v = ini.Section("vscrollbar");
    Geometry(v, piControls, -1, VScroll, VScrollLT, Zero, VScrollLB, Zero, VScrollTrack, false, true);
    ScrollKeys(v, VScrollTrack, VScrollUp, VScrollUpHot, VScrollUpDown, VScrollDown, VScrollDownHot, VScrollDownDown,
               VThumb, VThumbHot, VThumbDown, VGlyph, VGlyphHot, VGlyphDown);
    for (const auto& [name, skin] : {std::pair<const char*, TRect>{"hscrollbar", HScroll},
                                     std::pair<const char*, TRect>{"bothhscrollbar", BothHScroll}}) {
        auto& h = ini.Section(name);
        Geometry(h, piControls, -1, skin, HScrollLT, HScrollRT, Zero, Zero, HScrollTrack, false, true);
        ScrollKeys(h, HScrollTrack, HScrollLeft, HScrollLeftHot, HScrollLeftDown, HScrollRight, HScrollRightHot,
                   HScrollRightDown, HThumb, HThumbHot, HThumbDown, HGlyph, HGlyphHot, HGlyphDown);
    }
}

void SkinControls(TIniText& ini) {
    ini.Section("SKINCONTROLS")
        .List("", {"button:button", "edit:edit", "combobox:combobox", "listbox:listbox", "groupbox:panel",
                   "panel:panel", "statusbar:panel", "statuspanel:label", "richedit:richedit", "gauge:gauge",
                   "vscrollbar:scrollbar", "hscrollbar:scrollbar", "bothhscrollbar:scrollbar"});
    Button(ini);
    Edit(ini);
    ComboBox(ini);
    ListBox(ini);
    Panels(ini);
    RichEdit(ini);
    Gauge(ini);
    ScrollBars(ini);
}

}  // namespace

TIniText BuildZevrakDefinition() {
    TIniText ini;
    Version(ini);
    Pictures(ini);
    FormInfo(ini);
    PopupWindow(ini);
    LayerFrame(ini);
    HintWindow(ini);
    SkinColors(ini);
    SkinObjects(ini);
    SkinControls(ini);
    return ini;
}

}  // namespace zevrak
