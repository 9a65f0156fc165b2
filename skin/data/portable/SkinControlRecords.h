// Skin records of the "SKINCONTROLS" list: one object per named section,
// holding one field per key of the section (named after the key).
//
// Every record reads its base class's keys first, then its own; the keys are
// listed once per class in BindKeys, which both LoadFromIni and SaveToIni
// run. The in-class initialisers are the defaults a missing key takes.
// Picture indexes are kept as read; test them with IsValidPictureIndex.
//
// Class tree:
//   TbsDataSkinControl              pictureindex, maskpictureindex, skinrect
//     TbsDataSkinCustomControl      + the nine-part keys
//       TbsDataSkinButtonControl    TbsDataSkinMenuButtonControl
//       TbsDataSkinPanelControl     TbsDataSkinExPanelControl
//       TbsDataSkinCheckRadioControl, TbsDataSkinGaugeControl,
//       TbsDataSkinLabelControl, TbsDataSkinEditControl (TbsDataSkinMemoControl),
//       TbsDataSkinListBox (TbsDataSkinCheckListBox), TbsDataSkinComboBox,
//       TbsDataSkinScrollBarControl, TbsDataSkinSpinEditControl,
//       TbsDataSkinUpDownControl, TbsDataSkinTrackBarControl,
//       TbsDataSkinSplitterControl, TbsDataSkinScrollBoxControl,
//       TbsDataSkinControlBar, TbsDataSkinAppMenu
//     TbsDataSkinRichEdit, TbsDataSkinStdLabelControl, TbsDataSkinListView,
//     TbsDataSkinTreeView, TbsDataSkinGridControl, TbsDataSkinTabControl,
//     TbsDataSkinMainMenuBar, TbsDataSkinSlider, TbsDataSkinBevel
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/portable/IniFile.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinKeyBinder.h"

class TbsDataSkinControl {
public:
    explicit TbsDataSkinControl(std::string sectionName) : SectionName(std::move(sectionName)) {}
    virtual ~TbsDataSkinControl() = default;
    TbsDataSkinControl(const TbsDataSkinControl&) = delete;
    TbsDataSkinControl& operator=(const TbsDataSkinControl&) = delete;

    // Reads the keys of the section SectionName. A malformed point or
    // rectangle raises the conversion error.
    virtual void LoadFromIni(const TMemIniFile& ini);
    // Erases the section SectionName, then writes every key it reads.
    virtual void SaveToIni(TMemIniFile& ini) const;

    std::string SectionName;
    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    TRect SkinRect;

protected:
    virtual void BindKeys(TbsKeyBinder& keys);
};

class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;  // relative to SkinRect
    TRect ClientRect;                                                      // relative to SkinRect
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchKind StretchType = bsstFull;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = bsmkDefault;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;  // ms per frame
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = 0;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    TRect TrackButtonRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    int BGPictureIndex = -1;
    TRect CaptionRect;
    TAlignment Alignment = taCenter;
    TbsSkinFont Font;
    TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
    TRect ButtonRect, ButtonActiveRect, ButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect RollHSkinRect, RollVSkinRect;
    int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
    TRect RollVCaptionRect, RollHCaptionRect;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
    TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
    TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
    TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
    TRect CaptionRect;
    TbsSkinFont Font;
    bool ButtonsTransparent = false;
    TColor ButtonsTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
    TRect ActiveSkinRect, CheckImageArea, TextArea;
    TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = bsmkDefault;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ProgressArea, ProgressRect;
    int BeginOffset = 0, EndOffset = 0;
    bool Vertical = false;
    TbsSkinFont Font;
    bool ProgressTransparent = false;
    TColor ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    TRect AnimationSkinRect;
    int AnimationCountFrames = 0, AnimationTimerInterval = 0;
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
    int AnimationBeginOffset = 0, AnimationEndOffset = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TbsSkinFont Font;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ActiveSkinRect;
    TbsSkinFont Font;
    TColor DisabledFontColor = 0, ActiveFontColor = 0;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    TColor BGColor = 0, ActiveBGColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ItemRect, ActiveItemRect, FocusItemRect;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, FocusFontColor = 0;
    TRect CaptionRect;
    TbsSkinFont CaptionFont;  // keys "captionfontname" ... "captionfontcolor"
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    std::string VScrollBarName = "vscrollbar";
    std::string HScrollBarName = "hscrollbar";
    std::string BothScrollBarName = "bothhscrollbar";
    bool ShowFocus = false;
    TRect DisabledButtonsRect, ButtonsArea;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    TRect ItemCheckRect, CheckImageRect, UnCheckImageRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ActiveSkinRect;
    TRect ItemRect, ActiveItemRect, FocusItemRect;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TbsSkinFont Font;
    TColor FocusFontColor = 0, ActiveFontColor = 0;
    std::string ListBoxName;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false;
    bool ShowFocus = false;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect TrackArea;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect ThumbRect, ActiveThumbRect, DownThumbRect;
    int ThumbOffset1 = 0, ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0, ThumbMinPageSize = 0;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ActiveSkinRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, DisabledFontColor = 0;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
    bool Vertical = false;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    int BGPictureIndex = -1;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    TRect ItemRect;
    int BGPictureIndex = -1;
    TRect HGripRect, VGripRect;
    int GripOffset1 = 0, GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int ItemOffset1 = 3, ItemOffset2 = 3;
    bool ItemTransparent = false;
    TColor ItemTransparentColor = 0;
    bool GripTransparent = false;
    TColor GripTransparentColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinAppMenu : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    int BGPictureIndex = -1;
    bool BGStretchEffect = false;
    TRect ItemRect, PageItemRect, PageItemActiveRect;
    int ItemOffset1 = 3, ItemOffset2 = 3;
    int PageItemOffset1 = 10, PageItemOffset2 = 10;
    int PageOffset = 0;
    TbsSkinFont Font;
    int FontPageHeight = 16;
    TColor DisabledFontColor = 0, ActiveFontColor = 0, FontPageColor = 0, ActiveFontPageColor = 0;
    TRect GripperRect;
    TColor GripperTransparentColor = 0;
    TRect TopLineRect;
    int TopLineOffset1 = 0, TopLineOffset2 = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinRichEdit : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TbsSkinFont Font;
    TColor BGColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TbsSkinFont Font;
    TColor ActiveFontColor = 16711680;  // 0xFF0000, pure blue

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinListView : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TbsSkinFont Font;
    TColor BGColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinTreeView : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TbsSkinFont Font;
    TColor BGColor = 0;
    TRect ExpandImageRect, NoExpandImageRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TRect FixedCellRect, SelectCellRect, FocusCellRect;
    int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    int CellLeftOffset = 0, CellRightOffset = 0;
    TRect CellTextRect;
    int BGPictureIndex = -1;
    TColor LinesColor = 0, BGColor = 0;
    TbsSkinFont Font;
    TColor SelectFontColor = 0, FocusFontColor = 0;
    TbsSkinFont FixedFont;  // keys "fixedfontname" ... "fixedfontcolor"
    bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClientRect;
    int BGPictureIndex = -1;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    int TabLeftOffset = 0, TabRightOffset = 0;
    TRect TabsBGRect;
    bool TabStretchEffect = false;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchKind StretchType = bsstFull;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
    std::string UpDown;
    bool ShowFocus = false;
    int FocusOffsetX = 0, FocusOffsetY = 0;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
    TRect DividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    TRect MDICloseRect, MDICloseActiveRect, MDICloseDownRect;
    TRect MDIRestoreRect, MDIRestoreActiveRect, MDIRestoreDownRect;
    TRect MDIMinRect, MDIMinActiveRect, MDIMinDownRect;
    bool MDIButtonsTransparent = false;
    TColor MDIButtonsTransparentColor = 0;
    TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TRect ItemsRect;
    // section names of object records
    std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
    TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
    bool StretchEffect = false, ItemTransparent = false;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TColor BGColor = 0;
    TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
    int EdgeSize = 0;
    TColor PointsColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    TColor LightColor = 0, DarkColor = 0;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

// The record of a "SKINCONTROLS" type word ("button", "panel", ...) named
// `sectionName`, or null when the word is not one (compared exactly).
std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view typeWord, std::string sectionName);
