// Layout registration of the skinned edit classes.
#include "platform/LayoutProperties.h"
#include "skin/controls/SkinEdit.h"

namespace {

const TEnumNames kCharCaseNames = {{"ecNormal", 0}, {"ecUpperCase", 1}, {"ecLowerCase", 2}};

}  // namespace

void RegisterSkinEditClasses(TClassRegistry& registry) {
    if (registry.Find("TbsCustomEdit")) return;
    TClassBuilder<TbsCustomEdit>(registry, "TbsCustomEdit", "TEdit")
        .Enum<TAlignment>("Alignment", &TbsCustomEdit::SetAlignment, kTextAlignmentNames)
        .Bool("AutoSelect", &TbsCustomEdit::GetAutoSelect, &TbsCustomEdit::SetAutoSelect)
        .Bool("HideSelection", &TbsCustomEdit::GetHideSelection, &TbsCustomEdit::SetHideSelection)
        .Enum<TEditCharCase>("CharCase", &TbsCustomEdit::SetCharCase, kCharCaseNames)
        .Int("MaxLength", &TbsCustomEdit::GetMaxLength, &TbsCustomEdit::SetMaxLength);

    TClassBuilder<TbsSkinCustomEdit> custom(registry, "TbsSkinCustomEdit", "TbsCustomEdit");
    custom.Ref("SkinData", &TbsSkinCustomEdit::GetSkinData, &TbsSkinCustomEdit::SetSkinData)
        .Str("SkinDataName", &TbsSkinCustomEdit::GetSkinDataName, &TbsSkinCustomEdit::SetSkinDataName)
        .Value("DefaultColor",
               [](TbsSkinCustomEdit& c, const TLayoutValue& v) { c.SetDefaultColor(LayoutColor(v)); })
        .Bool("UseSkinFont", &TbsSkinCustomEdit::GetUseSkinFont, &TbsSkinCustomEdit::SetUseSkinFont)
        .Int("DefaultWidth", &TbsSkinCustomEdit::GetDefaultWidth, &TbsSkinCustomEdit::SetDefaultWidth)
        .Int("DefaultHeight", &TbsSkinCustomEdit::GetDefaultHeight, &TbsSkinCustomEdit::SetDefaultHeight)
        .Bool("ButtonMode", &TbsSkinCustomEdit::GetButtonMode, &TbsSkinCustomEdit::SetButtonMode)
        .Event("OnButtonClick", &TbsSkinCustomEdit::SetOnButtonClick);
    AddFontProperties(custom, "DefaultFont", [](TbsSkinCustomEdit& c) -> TFont& { return c.DefaultFont(); });

    TClassBuilder<TbsSkinEdit>(registry, "TbsSkinEdit", "TbsSkinCustomEdit").Creatable();
}
