#include "skin/controls/SkinControlClasses.h"

#include "platform/LayoutProperties.h"
#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinControl.h"

namespace {

// The properties the windowed and windowless bases share.
template <class C>
void AddSkinLinkProperties(TClassBuilder<C>& builder) {
    builder.Ref("SkinData", &C::GetSkinData, &C::SetSkinData)
        .Str("SkinDataName", &C::GetSkinDataName, &C::SetSkinDataName)
        .Str("HintTitle", &C::GetHintTitle, &C::SetHintTitle)
        .Int("HintImageIndex", &C::GetHintImageIndex, &C::SetHintImageIndex)
        .Ref("HintImageList", &C::GetHintImageList, &C::SetHintImageList);
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
}
