#include "skin/controls/SkinControlClasses.h"

#include "platform/LayoutProperties.h"
#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinRichEdit.h"
#include "skin/controls/SkinScrollBar.h"

namespace {

const TEnumNames kImagePositionNames = {{"bsipDefault", bsipDefault}, {"bsipLeft", bsipLeft}};

// The properties the windowed and windowless bases share.
template <class C>
void AddSkinLinkProperties(TClassBuilder<C>& builder) {
    builder.Ref("SkinData", &C::GetSkinData, &C::SetSkinData)
        .Str("SkinDataName", &C::GetSkinDataName, &C::SetSkinDataName)
        .Str("HintTitle", &C::GetHintTitle, &C::SetHintTitle)
        .Int("HintImageIndex", &C::GetHintImageIndex, &C::SetHintImageIndex)
        .Ref("HintImageList", &C::GetHintImageList, &C::SetHintImageList);
}

// The stored properties of every panel kind.
template <class C>
void AddPanelProperties(TClassBuilder<C>& builder) {
    builder.Bool("EmptyDrawing", &C::GetEmptyDrawing, &C::SetEmptyDrawing)
        .Bool("RibbonStyle", &C::GetRibbonStyle, &C::SetRibbonStyle)
        .Bool("TransparentMode", &C::GetTransparentMode, &C::SetTransparentMode)
        .template Enum<TAlignment>("DefaultAlignment", &C::SetDefaultAlignment, kTextAlignmentNames)
        .Int("DefaultCaptionHeight", &C::GetDefaultCaptionHeight, &C::SetDefaultCaptionHeight)
        .template Enum<TBevelStyle>("BorderStyle", &C::SetBorderStyle, kBevelNames)
        .Bool("CaptionMode", &C::GetCaptionMode, &C::SetCaptionMode)
        .template Enum<TbsImagePosition>("ImagePosition", &C::SetImagePosition, kImagePositionNames)
        .Int("CaptionImageIndex", &C::GetCaptionImageIndex, &C::SetCaptionImageIndex)
        .Int("NumGlyphs", &C::GetNumGlyphs, &C::SetNumGlyphs)
        .Int("Spacing", &C::GetSpacing, &C::SetSpacing)
        .Bool("AutoEnabledControls", &C::GetAutoEnabledControls, &C::SetAutoEnabledControls)
        .Bool("CheckedMode", &C::GetCheckedMode, &C::SetCheckedMode)
        .Bool("Checked", &C::GetChecked, &C::SetChecked)
        .Bool("RollUpMode", &C::GetRollUpMode, &C::SetRollUpMode)
        .Bool("RollUpState", &C::GetRollUpState, &C::SetRollUpState)
        .Int("RealHeight", &C::GetRealHeight, &C::SetRealHeight)
        .Event("OnChecked", &C::SetOnChecked)
        .Event("OnChangeRollUpState", &C::SetOnChangeRollUpState);
}

template <class C>
void AddCustomProperties(TClassBuilder<C>& builder) {
    builder.Int("DefaultWidth", &C::GetDefaultWidth, &C::SetDefaultWidth)
        .Int("DefaultHeight", &C::GetDefaultHeight, &C::SetDefaultHeight)
        .Bool("UseSkinFont", &C::GetUseSkinFont, &C::SetUseSkinFont);
    AddFontProperties(builder, "DefaultFont", [](C& c) -> TFont& { return c.DefaultFont(); });
}

}  // namespace

void RegisterSkinControlClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinControl")) return;
    RegisterSkinDataClasses(registry);

    TClassBuilder<TbsSkinControl> control(registry, "TbsSkinControl", "TCustomControl");
    AddSkinLinkProperties(control);
    TClassBuilder<TbsSkinCustomControl> custom(registry, "TbsSkinCustomControl", "TbsSkinControl");
    AddCustomProperties(custom);

    TClassBuilder<TbsGraphicSkinControl> graphic(registry, "TbsGraphicSkinControl", "TGraphicControl");
    AddSkinLinkProperties(graphic);
    TClassBuilder<TbsGraphicSkinCustomControl> graphicCustom(registry, "TbsGraphicSkinCustomControl",
                                                             "TbsGraphicSkinControl");
    AddCustomProperties(graphicCustom);

    TClassBuilder<TbsSkinGauge> gauge(registry, "TbsSkinGauge", "TbsSkinCustomControl");
    gauge.Creatable()
        .Bool("UseSkinSize", &TbsSkinGauge::GetUseSkinSize, &TbsSkinGauge::SetUseSkinSize)
        .Int("MinValue", &TbsSkinGauge::GetMinValue, &TbsSkinGauge::SetMinValue)
        .Int("MaxValue", &TbsSkinGauge::GetMaxValue, &TbsSkinGauge::SetMaxValue)
        .Int("Value", &TbsSkinGauge::GetValue, &TbsSkinGauge::SetValue)
        .Bool("Vertical", &TbsSkinGauge::GetVertical, &TbsSkinGauge::SetVertical)
        .Bool("ShowProgressText", &TbsSkinGauge::GetShowProgressText, &TbsSkinGauge::SetShowProgressText)
        .Str("ProgressText", &TbsSkinGauge::GetProgressText, &TbsSkinGauge::SetProgressText)
        .Bool("ShowPercent", &TbsSkinGauge::GetShowPercent, &TbsSkinGauge::SetShowPercent)
        .Int("ProgressAnimationPause", &TbsSkinGauge::GetProgressAnimationPause,
             &TbsSkinGauge::SetProgressAnimationPause);

    TClassBuilder<TbsSkinPanel> panel(registry, "TbsSkinPanel", "TbsSkinCustomControl");
    panel.Creatable();
    AddPanelProperties(panel);
    TClassBuilder<TbsSkinGroupBox> groupBox(registry, "TbsSkinGroupBox", "TbsSkinPanel");
    groupBox.Creatable().Bool("UseSkinSize", &TbsSkinGroupBox::GetUseSkinSize, &TbsSkinGroupBox::SetUseSkinSize);
    TClassBuilder<TbsSkinStatusBar> statusBar(registry, "TbsSkinStatusBar", "TbsSkinPanel");
    statusBar.Creatable().Bool("SizeGrip", &TbsSkinStatusBar::GetSizeGrip, &TbsSkinStatusBar::SetSizeGrip);
    RegisterSkinScrollBarClasses(registry);
    RegisterSkinButtonClasses(registry);
    RegisterSkinLabelClasses(registry);
    RegisterSkinEditClasses(registry);
    RegisterSkinRichEditClasses(registry);
    RegisterSkinComboBoxClasses(registry);
}
