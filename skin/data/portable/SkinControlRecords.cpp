#include "skin/data/portable/SkinControlRecords.h"


void TbsDataSkinControl::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, SectionName);
    BindKeys(keys);
}

void TbsDataSkinControl::SaveToIni(TMemIniFile& ini) const {
    ini.EraseSection(SectionName);
    TbsKeyBinder keys(ini, SectionName);
    // A writing binder only reads the fields it is given.
    const_cast<TbsDataSkinControl*>(this)->BindKeys(keys);
}

void TbsDataSkinControl::BindKeys(TbsKeyBinder& keys) {
    keys.Picture("pictureindex", PictureIndex);
    keys.Picture("maskpictureindex", MaskPictureIndex);
    keys.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Boolean("leftstretch", LeftStretch);
    keys.Boolean("topstretch", TopStretch);
    keys.Boolean("rightstretch", RightStretch);
    keys.Boolean("bottomstretch", BottomStretch);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Stretch("stretchtype", StretchType);
}

void TbsDataSkinButtonControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("downfontcolor", DownFontColor);
    keys.Color("disabledfontcolor", DisabledFontColor);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("downskinrect", DownSkinRect);
    keys.Rect("focusedskinrect", FocusedSkinRect);
    keys.Rect("disabledskinrect", DisabledSkinRect);
    keys.Boolean("morphing", Morphing);
    keys.Morph("morphkind", MorphKind);
    keys.Rect("animateskinrect", AnimateSkinRect);
    keys.Integer("framecount", FrameCount);
    keys.Integer("animateinterval", AnimateInterval, 25);
    keys.Boolean("showfocus", ShowFocus);
    keys.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    keys.Rect("menumarkerrect", MenuMarkerRect);
    keys.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    keys.Rect("menumarkerdownrect", MenuMarkerDownRect);
    keys.Color("menumarkertransparentcolor", MenuMarkerTransparentColor);
    keys.Picture("glowlayerpictureindex", GlowLayerPictureIndex);
    keys.Picture("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
    keys.Integer("glowlayeroffsetleft", GlowLayerOffsetLeft);
    keys.Integer("glowlayeroffsettop", GlowLayerOffsetTop);
    keys.Integer("glowlayeroffsetright", GlowLayerOffsetRight);
    keys.Integer("glowlayeroffsetbottom", GlowLayerOffsetBottom);
    keys.Integer("glowlayershowoffsetx", GlowLayerShowOffsetX);
    keys.Integer("glowlayershowoffsety", GlowLayerShowOffsetY);
    keys.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataSkinMenuButtonControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinButtonControl::BindKeys(keys);
    keys.Rect("trackbuttonrect", TrackButtonRect);
}

void TbsDataSkinPanelControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Rect("captionrect", CaptionRect);
    keys.Alignment("alignment", Alignment);
    keys.Font(Font);
    keys.Rect("checkimagerect", CheckImageRect);
    keys.Rect("uncheckimagerect", UnCheckImageRect);
    keys.Rect("markframerect", MarkFrameRect);
    keys.Rect("framerect", FrameRect);
    keys.Rect("frametextrect", FrameTextRect);
    keys.Integer("frameleftoffset", FrameLeftOffset);
    keys.Integer("framerightoffset", FrameRightOffset);
    keys.Rect("gripperrect", GripperRect);
    keys.Boolean("grippertransparent", GripperTransparent);
    keys.Color("grippertransparentcolor", GripperTransparentColor);
    keys.Rect("buttonrect", ButtonRect);
    keys.Rect("buttonactiverect", ButtonActiveRect);
    keys.Rect("buttondownrect", ButtonDownRect);
    keys.Boolean("buttontransparent", ButtonTransparent);
    keys.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TbsDataSkinExPanelControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("rollhskinrect", RollHSkinRect);
    keys.Rect("rollvskinrect", RollVSkinRect);
    keys.Integer("rollleftoffset", RollLeftOffset);
    keys.Integer("rollrightoffset", RollRightOffset);
    keys.Integer("rolltopoffset", RollTopOffset);
    keys.Integer("rollbottomoffset", RollBottomOffset);
    keys.Rect("rollvcaptionrect", RollVCaptionRect);
    keys.Rect("rollhcaptionrect", RollHCaptionRect);
    keys.Rect("closebuttonrect", CloseButtonRect);
    keys.Rect("closebuttonactiverect", CloseButtonActiveRect);
    keys.Rect("closebuttondownrect", CloseButtonDownRect);
    keys.Rect("hrollbuttonrect", HRollButtonRect);
    keys.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    keys.Rect("hrollbuttondownrect", HRollButtonDownRect);
    keys.Rect("hrestorebuttonrect", HRestoreButtonRect);
    keys.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    keys.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    keys.Rect("vrollbuttonrect", VRollButtonRect);
    keys.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    keys.Rect("vrollbuttondownrect", VRollButtonDownRect);
    keys.Rect("vrestorebuttonrect", VRestoreButtonRect);
    keys.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    keys.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    keys.Rect("captionrect", CaptionRect);
    keys.Font(Font);
    keys.Boolean("buttonstransparent", ButtonsTransparent);
    keys.Color("buttonstransparentcolor", ButtonsTransparentColor);
}

void TbsDataSkinCheckRadioControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("unenabledfontcolor", UnEnabledFontColor);
    keys.Color("framefontcolor", FrameFontColor);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("checkimagearea", CheckImageArea);
    keys.Rect("textarea", TextArea);
    keys.Rect("checkimagerect", CheckImageRect);
    keys.Rect("uncheckimagerect", UnCheckImageRect);
    keys.Rect("activecheckimagerect", ActiveCheckImageRect);
    keys.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    keys.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    keys.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    keys.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    keys.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
    keys.Boolean("morphing", Morphing);
    keys.Morph("morphkind", MorphKind);
}

void TbsDataSkinGaugeControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("progressarea", ProgressArea);
    keys.Rect("progressrect", ProgressRect);
    keys.Integer("beginoffset", BeginOffset);
    keys.Integer("endoffset", EndOffset);
    keys.Boolean("vertical", Vertical);
    keys.Font(Font);
    keys.Boolean("progresstransparent", ProgressTransparent);
    keys.Color("progresstransparentcolor", ProgressTransparentColor);
    keys.Boolean("progressstretch", ProgressStretch);
    keys.Rect("animationskinrect", AnimationSkinRect);
    keys.Integer("animationcountframes", AnimationCountFrames);
    keys.Integer("animationtimerinterval", AnimationTimerInterval);
    keys.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    keys.Integer("progressanimationcountframes", ProgressAnimationCountFrames);
    keys.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval);
    keys.Integer("animationbeginoffset", AnimationBeginOffset);
    keys.Integer("animationendoffset", AnimationEndOffset);
}

void TbsDataSkinLabelControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Font(Font);
}

void TbsDataSkinEditControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Font(Font);
    keys.Color("disabledfontcolor", DisabledFontColor);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Rect("buttonrect", ButtonRect);
    keys.Rect("activebuttonrect", ActiveButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TbsDataSkinMemoControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinEditControl::BindKeys(keys);
    keys.Color("bgcolor", BGColor);
    keys.Color("activebgcolor", ActiveBGColor);
}

void TbsDataSkinListBox::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("itemrect", ItemRect);
    keys.Rect("activeitemrect", ActiveItemRect);
    keys.Rect("focusitemrect", FocusItemRect);
    keys.Integer("itemleftoffset", ItemLeftOffset);
    keys.Integer("itemrightoffset", ItemRightOffset);
    keys.Rect("itemtextrect", ItemTextRect);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("focusfontcolor", FocusFontColor);
    keys.Rect("captionrect", CaptionRect);
    keys.Font(CaptionFont, "caption");
    keys.Rect("upbuttonrect", UpButtonRect);
    keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
    keys.Rect("downupbuttonrect", DownUpButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
    keys.Rect("downdownbuttonrect", DownDownButtonRect);
    keys.Rect("checkbuttonrect", CheckButtonRect);
    keys.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    keys.Rect("downcheckbuttonrect", DownCheckButtonRect);
    keys.Text("vscrollbarname", VScrollBarName, "vscrollbar");
    keys.Text("hscrollbarname", HScrollBarName, "hscrollbar");
    keys.Text("bothhscrollbarname", BothScrollBarName, "bothhscrollbar");
    keys.Boolean("showfocus", ShowFocus);
    keys.Rect("disabledbuttonsrect", DisabledButtonsRect);
    keys.Rect("buttonsarea", ButtonsArea);
}

void TbsDataSkinCheckListBox::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinListBox::BindKeys(keys);
    keys.Rect("itemcheckrect", ItemCheckRect);
    keys.Rect("checkimagerect", CheckImageRect);
    keys.Rect("uncheckimagerect", UnCheckImageRect);
}

void TbsDataSkinComboBox::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("itemrect", ItemRect);
    keys.Rect("activeitemrect", ActiveItemRect);
    keys.Rect("focusitemrect", FocusItemRect);
    keys.Integer("itemleftoffset", ItemLeftOffset);
    keys.Integer("itemrightoffset", ItemRightOffset);
    keys.Rect("itemtextrect", ItemTextRect);
    keys.Font(Font);
    keys.Color("focusfontcolor", FocusFontColor);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Text("listboxname", ListBoxName);
    keys.Rect("buttonrect", ButtonRect);
    keys.Rect("activebuttonrect", ActiveButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("unenabledbuttonrect", UnEnabledButtonRect);
    keys.Boolean("itemstretcheffect", ItemStretchEffect);
    keys.Boolean("focusitemstretcheffect", FocusItemStretchEffect);
    keys.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinScrollBarControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("trackarea", TrackArea);
    keys.Rect("upbuttonrect", UpButtonRect);
    keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
    keys.Rect("downupbuttonrect", DownUpButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
    keys.Rect("downdownbuttonrect", DownDownButtonRect);
    keys.Rect("thumbrect", ThumbRect);
    keys.Rect("activethumbrect", ActiveThumbRect);
    keys.Rect("downthumbrect", DownThumbRect);
    keys.Integer("thumboffset1", ThumbOffset1);
    keys.Integer("thumboffset2", ThumbOffset2);
    keys.Boolean("thumbtransparent", ThumbTransparent);
    keys.Color("thumbtransparentcolor", ThumbTransparentColor);
    keys.Boolean("thumbstretcheffect", ThumbStretchEffect);
    keys.Integer("thumbminsize", ThumbMinSize);
    keys.Integer("thumbminpagesize", ThumbMinPageSize);
    keys.Rect("glyphrect", GlyphRect);
    keys.Rect("activeglyphrect", ActiveGlyphRect);
    keys.Rect("downglyphrect", DownGlyphRect);
    keys.Boolean("glyphtransparent", GlyphTransparent);
    keys.Color("glyphtransparentcolor", GlyphTransparentColor);
}

namespace {

// The six arrow-button rectangles shared by the spin edit and the up-down.
void BindUpDownButtons(TbsKeyBinder& keys, TRect& up, TRect& activeUp, TRect& downUp, TRect& down,
                       TRect& activeDown, TRect& downDown) {
    keys.Rect("upbuttonrect", up);
    keys.Rect("activeupbuttonrect", activeUp);
    keys.Rect("downupbuttonrect", downUp);
    keys.Rect("downbuttonrect", down);
    keys.Rect("activedownbuttonrect", activeDown);
    keys.Rect("downdownbuttonrect", downDown);
}

}  // namespace

void TbsDataSkinSpinEditControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("disabledfontcolor", DisabledFontColor);
    BindUpDownButtons(keys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
}

void TbsDataSkinUpDownControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    BindUpDownButtons(keys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
}

void TbsDataSkinTrackBarControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("trackarea", TrackArea);
    keys.Rect("buttonrect", ButtonRect);
    keys.Rect("activebuttonrect", ActiveButtonRect);
    keys.Boolean("vertical", Vertical);
    keys.Boolean("buttontransparent", ButtonTransparent);
    keys.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TbsDataSkinSplitterControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("gripperrect", GripperRect);
    keys.Boolean("grippertransparent", GripperTransparent);
    keys.Color("grippertransparentcolor", GripperTransparentColor);
}

void TbsDataSkinScrollBoxControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Picture("bgpictureindex", BGPictureIndex);
}

void TbsDataSkinControlBar::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Rect("itemrect", ItemRect);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Rect("hgriprect", HGripRect);
    keys.Rect("vgriprect", VGripRect);
    keys.Integer("gripoffset1", GripOffset1);
    keys.Integer("gripoffset2", GripOffset2);
    keys.Boolean("itemstretcheffect", ItemStretchEffect);
    keys.Integer("itemoffset1", ItemOffset1, 3);
    keys.Integer("itemoffset2", ItemOffset2, 3);
    keys.Boolean("itemtransparent", ItemTransparent);
    keys.Color("itemtransparentcolor", ItemTransparentColor);
    keys.Boolean("griptransparent", GripTransparent);
    keys.Color("griptransparentcolor", GripTransparentColor);
}

void TbsDataSkinAppMenu::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinCustomControl::BindKeys(keys);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Boolean("bgstretcheffect", BGStretchEffect);
    keys.Rect("itemrect", ItemRect);
    keys.Rect("pageitemrect", PageItemRect);
    keys.Rect("pageitemactiverect", PageItemActiveRect);
    keys.Integer("itemoffset1", ItemOffset1, 3);
    keys.Integer("itemoffset2", ItemOffset2, 3);
    keys.Integer("pageitemoffset1", PageItemOffset1, 10);
    keys.Integer("pageitemoffset2", PageItemOffset2, 10);
    keys.Integer("pageoffset", PageOffset);
    keys.Font(Font);
    keys.Integer("fontpageheight", FontPageHeight, 16);
    keys.Color("disabledfontcolor", DisabledFontColor);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("fontpagecolor", FontPageColor);
    keys.Color("activefontpagecolor", ActiveFontPageColor);
    keys.Rect("gripperrect", GripperRect);
    keys.Color("grippertransparentcolor", GripperTransparentColor);
    keys.Rect("toplinerect", TopLineRect);
    keys.Integer("toplineoffset1", TopLineOffset1);
    keys.Integer("toplineoffset2", TopLineOffset2);
}

void TbsDataSkinRichEdit::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("bgcolor", BGColor);
}

void TbsDataSkinStdLabelControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor, 16711680);
}

void TbsDataSkinListView::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("bgcolor", BGColor);
}

void TbsDataSkinTreeView::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Font(Font);
    keys.Color("bgcolor", BGColor);
    keys.Rect("expandimagerect", ExpandImageRect);
    keys.Rect("noexpandimagerect", NoExpandImageRect);
}

void TbsDataSkinGridControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Rect("fixedcellrect", FixedCellRect);
    keys.Rect("selectcellrect", SelectCellRect);
    keys.Rect("focuscellrect", FocusCellRect);
    keys.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    keys.Integer("fixedcellrightoffset", FixedCellRightOffset);
    keys.Rect("fixedcelltextrect", FixedCellTextRect);
    keys.Integer("cellleftoffset", CellLeftOffset);
    keys.Integer("cellrightoffset", CellRightOffset);
    keys.Rect("celltextrect", CellTextRect);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Color("linescolor", LinesColor);
    keys.Color("bgcolor", BGColor);
    keys.Font(Font);
    keys.Color("selectfontcolor", SelectFontColor);
    keys.Color("focusfontcolor", FocusFontColor);
    keys.Font(FixedFont, "fixed");
    keys.Boolean("cellstretcheffect", CellStretchEffect);
    keys.Boolean("fixedcellstretcheffect", FixedCellStretchEffect);
    keys.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinTabControl::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Rect("tabrect", TabRect);
    keys.Rect("activetabrect", ActiveTabRect);
    keys.Rect("focustabrect", FocusTabRect);
    keys.Rect("mouseintabrect", MouseInTabRect);
    keys.Rect("clientrect", ClientRect);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Integer("tableftoffset", TabLeftOffset);
    keys.Integer("tabrightoffset", TabRightOffset);
    keys.Rect("tabsbgrect", TabsBGRect);
    keys.Boolean("tabstretcheffect", TabStretchEffect);
    keys.Boolean("leftstretch", LeftStretch);
    keys.Boolean("topstretch", TopStretch);
    keys.Boolean("rightstretch", RightStretch);
    keys.Boolean("bottomstretch", BottomStretch);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Stretch("stretchtype", StretchType);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("focusfontcolor", FocusFontColor);
    keys.Color("mouseinfontcolor", MouseInFontColor);
    keys.Text("updown", UpDown);
    keys.Boolean("showfocus", ShowFocus);
    keys.Integer("focusoffsetx", FocusOffsetX);
    keys.Integer("focusoffsety", FocusOffsetY);
    keys.Rect("closebuttonrect", CloseButtonRect);
    keys.Rect("closebuttonactiverect", CloseButtonActiveRect);
    keys.Rect("closebuttondownrect", CloseButtonDownRect);
    keys.Boolean("buttontransparent", ButtonTransparent);
    keys.Color("buttontransparentcolor", ButtonTransparentColor);
    keys.Rect("dividerrect", DividerRect);
    keys.Boolean("dividertransparent", DividerTransparent);
    keys.Color("dividertransparentcolor", DividerTransparentColor);
    keys.Rect("mdicloserect", MDICloseRect);
    keys.Rect("mdicloseactiverect", MDICloseActiveRect);
    keys.Rect("mdiclosedownrect", MDICloseDownRect);
    keys.Rect("mdirestorerect", MDIRestoreRect);
    keys.Rect("mdirestoreactiverect", MDIRestoreActiveRect);
    keys.Rect("mdirestoredownrect", MDIRestoreDownRect);
    keys.Rect("mdiminrect", MDIMinRect);
    keys.Rect("mdiminactiverect", MDIMinActiveRect);
    keys.Rect("mdimindownrect", MDIMinDownRect);
    keys.Boolean("mdibuttonstransparent", MDIButtonsTransparent);
    keys.Color("mdibuttonstransparentcolor", MDIButtonsTransparentColor);
    keys.Rect("tableftbottomactiverect", TabLeftBottomActiveRect);
    keys.Rect("tableftbottomfocusrect", TabLeftBottomFocusRect);
}

void TbsDataSkinMainMenuBar::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Rect("itemsrect", ItemsRect);
    keys.Text("menubaritem", MenuBarItem);
    keys.Text("closebutton", CloseButton);
    keys.Text("minbutton", MinButton);
    keys.Text("maxbutton", MaxButton);
    keys.Text("sysmenubutton", SysMenuButton);
    keys.Color("trackmarkcolor", TrackMarkColor);
    keys.Color("trackmarkactivecolor", TrackMarkActiveColor);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Boolean("itemtransparent", ItemTransparent);
}

void TbsDataSkinSlider::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Color("bgcolor", BGColor);
    keys.Rect("hrulerrect", HRulerRect);
    keys.Rect("hthumbrect", HThumbRect);
    keys.Rect("vrulerrect", VRulerRect);
    keys.Rect("vthumbrect", VThumbRect);
    keys.Integer("edgesize", EdgeSize);
    keys.Color("pointscolor", PointsColor);
}

void TbsDataSkinBevel::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinControl::BindKeys(keys);
    keys.Color("lightcolor", LightColor);
    keys.Color("darkcolor", DarkColor);
}

namespace {

template <class T>
std::unique_ptr<TbsDataSkinControl> Make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

struct TControlType {
    const char* Word;
    std::unique_ptr<TbsDataSkinControl> (*Create)(std::string);
};

const TControlType kControlTypes[] = {
    {"button", Make<TbsDataSkinButtonControl>},
    {"menubutton", Make<TbsDataSkinMenuButtonControl>},
    {"panel", Make<TbsDataSkinPanelControl>},
    {"expanel", Make<TbsDataSkinExPanelControl>},
    {"checkradio", Make<TbsDataSkinCheckRadioControl>},
    {"gauge", Make<TbsDataSkinGaugeControl>},
    {"splitter", Make<TbsDataSkinSplitterControl>},
    {"trackbar", Make<TbsDataSkinTrackBarControl>},
    {"label", Make<TbsDataSkinLabelControl>},
    {"stdlabel", Make<TbsDataSkinStdLabelControl>},
    {"updown", Make<TbsDataSkinUpDownControl>},
    {"grid", Make<TbsDataSkinGridControl>},
    {"tab", Make<TbsDataSkinTabControl>},
    {"slider", Make<TbsDataSkinSlider>},
    {"richedit", Make<TbsDataSkinRichEdit>},
    {"mainmenubar", Make<TbsDataSkinMainMenuBar>},
    {"controlbar", Make<TbsDataSkinControlBar>},
    {"appmenu", Make<TbsDataSkinAppMenu>},
    {"memo", Make<TbsDataSkinMemoControl>},
    {"edit", Make<TbsDataSkinEditControl>},
    {"checklistbox", Make<TbsDataSkinCheckListBox>},
    {"listbox", Make<TbsDataSkinListBox>},
    {"combobox", Make<TbsDataSkinComboBox>},
    {"scrollbar", Make<TbsDataSkinScrollBarControl>},
    {"spinedit", Make<TbsDataSkinSpinEditControl>},
    {"scrollbox", Make<TbsDataSkinScrollBoxControl>},
    {"treeview", Make<TbsDataSkinTreeView>},
    {"bevel", Make<TbsDataSkinBevel>},
    {"listview", Make<TbsDataSkinListView>},
};

}  // namespace

std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view typeWord, std::string sectionName) {
    for (const TControlType& type : kControlTypes)
        if (typeWord == type.Word) return type.Create(std::move(sectionName));
    return nullptr;
}
