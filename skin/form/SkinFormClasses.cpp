// Layout registration of the skinned frame.
#include "platform/LayoutProperties.h"
#include "skin/form/SkinForm.h"

namespace {

const TEnumNames kSkinBorderIconNames = {{"biSystemMenu", 0},
                                         {"biMinimize", 1},
                                         {"biMaximize", 2},
                                         {"biRollUp", 3},
                                         {"biMinimizeToTray", 4}};
const TEnumNames kWindowStateNames = {{"wsNormal", int(TbsWindowState::wsNormal)},
                                      {"wsMinimized", int(TbsWindowState::wsMinimized)},
                                      {"wsMaximized", int(TbsWindowState::wsMaximized)}};
const TEnumNames kPositionInMonitorNames = {{"bspDefault", int(TbsPositionInMonitor::bspDefault)},
                                           {"bspScreenCenter", int(TbsPositionInMonitor::bspScreenCenter)},
                                           {"bspDesktopCenter", int(TbsPositionInMonitor::bspDesktopCenter)}};
const TEnumNames kClientInActiveEffectNames = {{"bsieSemiTransparent", int(TbsClientInActiveEffect::bsieSemiTransparent)},
                                               {"bsieBlur", int(TbsClientInActiveEffect::bsieBlur)}};

}  // namespace

void RegisterSkinFormClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinForm")) return;
    using F = TbsSkinForm;
    TClassBuilder<F> form(registry, "TbsSkinForm", "TComponent");
    form.Creatable()
        .Ref("SkinData", &F::GetSkinData, &F::SetSkinData)
        .Ref("MenusSkinData", &F::GetMenusSkinData, &F::SetMenusSkinData)
        .Ref("SystemMenu", &F::GetSystemMenu, &F::SetSystemMenu)
        .Value("BorderIcons", [](F& f, const TLayoutValue& v) { f.SetBorderIcons(LayoutSet(v, kSkinBorderIconNames)); })
        .Enum<TbsWindowState>("WindowState", &F::SetWindowState, kWindowStateNames)
        .Bool("ShowIcon", &F::GetShowIcon, &F::SetShowIcon)
        .Bool("AlphaBlend", &F::GetAlphaBlend, &F::SetAlphaBlend)
        .Int("AlphaBlendValue", &F::GetAlphaBlendValue, &F::SetAlphaBlendValue)
        .Bool("AlphaBlendAnimation", &F::GetAlphaBlendAnimation, &F::SetAlphaBlendAnimation)
        .Enum<TbsPositionInMonitor>("PositionInMonitor", &F::SetPositionInMonitor, kPositionInMonitorNames)
        .Int("MenusAlphaBlendValue", &F::GetMenusAlphaBlendValue, &F::SetMenusAlphaBlendValue)
        .Bool("Magnetic", &F::GetMagnetic, &F::SetMagnetic)
        .Bool("AlwaysMinimizeToTray", &F::GetAlwaysMinimizeToTray, &F::SetAlwaysMinimizeToTray)
        .Bool("AlwaysShowInTray", &F::GetAlwaysShowInTray, &F::SetAlwaysShowInTray)
        .Int("MagneticSize", &F::GetMagneticSize, &F::SetMagneticSize)
        .Bool("UseSkinFontInCaption", &F::GetUseSkinFontInCaption, &F::SetUseSkinFontInCaption)
        .Bool("UseSkinFontInMenu", &F::GetUseSkinFontInMenu, &F::SetUseSkinFontInMenu)
        .Bool("UseSkinSizeInMenu", &F::GetUseSkinSizeInMenu, &F::SetUseSkinSizeInMenu)
        .Bool("UseDefaultSysMenu", &F::GetUseDefaultSysMenu, &F::SetUseDefaultSysMenu)
        .Bool("ClientInActiveEffect", &F::GetClientInActiveEffect, &F::SetClientInActiveEffect)
        .Enum<TbsClientInActiveEffect>("ClientInActiveEffectType", &F::SetClientInActiveEffectType,
                                       kClientInActiveEffectNames)
        .Int("DefMenuItemHeight", &F::GetDefMenuItemHeight, &F::SetDefMenuItemHeight)
        .Int("MinWidth", &F::GetMinWidth, &F::SetMinWidth)
        .Int("MinHeight", &F::GetMinHeight, &F::SetMinHeight)
        .Int("MaxWidth", &F::GetMaxWidth, &F::SetMaxWidth)
        .Int("MaxHeight", &F::GetMaxHeight, &F::SetMaxHeight)
        .Int("ClientWidth", &F::GetClientWidth, &F::SetClientWidth)
        .Int("ClientHeight", &F::GetClientHeight, &F::SetClientHeight)
        .Bool("AlwaysResize", &F::GetAlwaysResize, &F::SetAlwaysResize)
        .Bool("UseFormCursorInNCArea", &F::GetUseFormCursorInNCArea, &F::SetUseFormCursorInNCArea)
        .Bool("MaximizeOnFullScreen", &F::GetMaximizeOnFullScreen, &F::SetMaximizeOnFullScreen)
        .Bool("HideCaptionButtons", &F::GetHideCaptionButtons, &F::SetHideCaptionButtons)
        .Bool("DisableSystemMenu", &F::GetDisableSystemMenu, &F::SetDisableSystemMenu)
        .Bool("UseDefaultObjectHint", &F::GetUseDefaultObjectHint, &F::SetUseDefaultObjectHint);
    AddFontProperties(form, "DefCaptionFont", [](F& f) -> TFont& { return f.DefCaptionFont(); });
    AddFontProperties(form, "DefInActiveCaptionFont", [](F& f) -> TFont& { return f.DefInActiveCaptionFont(); });
    AddFontProperties(form, "DefMenuItemFont", [](F& f) -> TFont& { return f.DefMenuItemFont(); });
}
