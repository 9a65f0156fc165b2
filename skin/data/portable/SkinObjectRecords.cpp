#include "skin/data/portable/SkinObjectRecords.h"

#include "skin/data/portable/SkinValues.h"

void TbsDataSkinObject::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, SectionName);
    BindKeys(keys);
}

void TbsDataSkinObject::SaveToIni(TMemIniFile& ini) const {
    ini.EraseSection(SectionName);
    TbsKeyBinder keys(ini, SectionName);
    // A writing binder only reads the fields it is given.
    const_cast<TbsDataSkinObject*>(this)->BindKeys(keys);
}

void TbsDataSkinObject::PrepareImages(const TbsSkinImageSource&) {}

void TbsDataSkinObject::BindKeys(TbsKeyBinder& keys) {
    keys.Text("hint", Hint);
    keys.Picture("activepictureindex", ActivePictureIndex);
    keys.Picture("activemaskpictureindex", ActiveMaskPictureIndex);
    keys.Boolean("skinrectinapicture", SkinRectInAPicture);
    keys.Rect("skinrect", SkinRect);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("inactiveskinrect", InActiveSkinRect);
    keys.Boolean("morphing", Morphing);
    keys.Morph("morphkind", MorphKind);
    keys.Picture("glowlayerpictureindex", GlowLayerPictureIndex);
    keys.Picture("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
    keys.Integer("glowlayeroffsetx", GlowLayerOffsetX);
    keys.Integer("glowlayeroffsety", GlowLayerOffsetY);
    keys.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataSkinButton::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinObject::BindKeys(keys);
    keys.Rect("downrect", DownRect);
    keys.Rect("disableskinrsect", DisableSkinRect);
    keys.Picture("alphamaskpictureindex", AlphaMaskPictureIndex);
    keys.Picture("alphamaskactivepictureindex", AlphaMaskActivePictureIndex);
    keys.Picture("alphamaskinactivepictureindex", AlphaMaskInActivePictureIndex);
}

void TbsDataSkinButton::BuildImage(TbsRecordImage& image, const char* key, const TRect& area, int maskIndex,
                                   const TbsSkinImageSource& source) {
    image.reset();
    const int count = int(source.ActivePictures.size());
    if (area.IsEmpty() || !IsValidPictureIndex(ActivePictureIndex, count)) return;
    if (!PixelSizeFits(area.Width(), area.Height())) {
        FOversizedImages.emplace_back(key);
        return;
    }
    image = std::make_unique<TPixelBuffer>(CopyPictureArea(source.ActivePictures[ActivePictureIndex], area));
    if (IsValidPictureIndex(maskIndex, count))
        ApplyAlphaMask(*image, source.ActivePictures[maskIndex]);
    else
        MakeOpaque(*image);
}

void TbsDataSkinButton::PrepareImages(const TbsSkinImageSource& source) {
    FOversizedImages.clear();
    if (!source.LayerFrameFullBorder) {
        FSkinImage.reset();
        FActiveSkinImage.reset();
        FDownSkinImage.reset();
        FInActiveSkinImage.reset();
        return;
    }
    BuildImage(FSkinImage, "skinrect", SkinRect, AlphaMaskPictureIndex, source);
    BuildImage(FActiveSkinImage, "activeskinrect", ActiveSkinRect, AlphaMaskActivePictureIndex, source);
    BuildImage(FDownSkinImage, "downrect", DownRect, AlphaMaskActivePictureIndex, source);
    BuildImage(FInActiveSkinImage, "inactiveskinrect", InActiveSkinRect, AlphaMaskInActivePictureIndex, source);
}

void TbsDataSkinStdButton::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinButton::BindKeys(keys);
    keys.Command("command", Command);
    keys.Rect("restorerect", RestoreRect);
    keys.Rect("restoreactiverect", RestoreActiveRect);
    keys.Rect("restoredownrect", RestoreDownRect);
    keys.Rect("restoreinactiverect", RestoreInActiveRect);
    keys.Text("restorehint", RestoreHint);
}

void TbsDataSkinStdButton::LoadFromIni(const TMemIniFile& ini) {
    TbsDataSkinButton::LoadFromIni(ini);
    // A button that changes the window state shows "Restore" while the state
    // is changed, unless the skin names its own text.
    if (!RestoreHint.empty()) return;
    if ((Hint == "Maximize" && Command == cmMaximize) || (Hint == "Minimize" && Command == cmMinimize) ||
        ((Hint == "RollUp" || Hint == "Roll Up") && Command == cmRollUp))
        RestoreHint = "Restore";
}

void TbsDataSkinStdButton::PrepareImages(const TbsSkinImageSource& source) {
    TbsDataSkinButton::PrepareImages(source);
    if (!source.LayerFrameFullBorder) {
        FRestoreImage.reset();
        FRestoreActiveImage.reset();
        FRestoreDownImage.reset();
        FRestoreInActiveImage.reset();
        return;
    }
    BuildImage(FRestoreImage, "restorerect", RestoreRect, AlphaMaskPictureIndex, source);
    BuildImage(FRestoreActiveImage, "restoreactiverect", RestoreActiveRect, AlphaMaskActivePictureIndex, source);
    BuildImage(FRestoreDownImage, "restoredownrect", RestoreDownRect, AlphaMaskActivePictureIndex, source);
    BuildImage(FRestoreInActiveImage, "restoreinactiverect", RestoreInActiveRect, AlphaMaskInActivePictureIndex, source);
}

void TbsDataSkinCaption::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinObject::BindKeys(keys);
    keys.Rect("textrect", TextRect);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Alignment("alignment", Alignment);
    keys.Boolean("light", Light);
    keys.Color("lightcolor", LightColor);
    keys.Color("activelightcolor", ActiveLightColor);
    keys.Boolean("shadow", Shadow);
    keys.Color("shadowcolor", ShadowColor);
    keys.Color("activeshadowcolor", ActiveShadowColor);
    keys.Rect("framerect", FrameRect);
    keys.Rect("activeframerect", ActiveFrameRect);
    keys.Rect("frametextrect", FrameTextRect);
    keys.Integer("frameleftoffset", FrameLeftOffset);
    keys.Integer("framerightoffset", FrameRightOffset);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Rect("animateskinrect", AnimateSkinRect);
    keys.Integer("framecount", FrameCount);
    keys.Integer("animateinterval", AnimateInterval, 25);
    keys.Boolean("inactiveanimation", InActiveAnimation);
    keys.Boolean("fullframe", FullFrame);
    keys.Boolean("vistagloweffect", VistaGlowEffect);
    keys.Boolean("vistaglowinactiveeffect", VistaGlowInActiveEffect);
    keys.Boolean("gloweffect", GlowEffect);
    keys.Boolean("glowinactiveeffect", GlowInActiveEffect);
    keys.Integer("glowsize", GlowSize, 3);
    keys.Color("glowcolor", GlowColor);
    keys.Color("glowactivecolor", GlowActiveColor);
    keys.Integer("glowoffset", GlowOffset);
    keys.Boolean("reflectioneffect", ReflectionEffect);
    keys.Color("reflactioncolor", ReflectionColor);
    keys.Color("reflactionactivecolor", ReflectionActiveColor);
    keys.Integer("reflectionoffset", ReflectionOffset);
    keys.Rect("dividerrect", DividerRect);
    keys.Rect("inactivedividerrect", InActiveDividerRect);
    keys.Boolean("dividertransparent", DividerTransparent);
    keys.Color("dividertransparentcolor", DividerTransparentColor);
    keys.Picture("quickbuttonalphamaskpictureindex", QuickButtonAlphaMaskPictureIndex);
}

void TbsDataSkinAnimate::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinObject::BindKeys(keys);
    keys.Integer("countframes", CountFrames, 1);
    keys.Boolean("cycle", Cycle);
    keys.Boolean("buttonstyle", ButtonStyle);
    keys.Integer("timerinterval", TimerInterval, 50);
    keys.Command("command", Command);
    keys.Rect("downskinrect", DownSkinRect);
    keys.Rect("restorerect", RestoreRect);
    keys.Rect("restoreactiverect", RestoreActiveRect);
    keys.Rect("restoredownrect", RestoreDownRect);
    keys.Rect("restoreinactiverect", RestoreInActiveRect);
    keys.Text("restorehint", RestoreHint);
}

void TbsDataSkinMenuItem::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinObject::BindKeys(keys);
    keys.Integer("itemleftoffset", ItemLeftOffset);
    keys.Integer("itemrightoffset", ItemRightOffset);
    keys.Rect("dividerrect", DividerRect);
    keys.Integer("dividerleftoffset", DividerLeftOffset);
    keys.Integer("dividerrightoffset", DividerRightOffset);
    keys.Rect("textrect", TextRect);
    keys.Rect("imagerect", ImageRect);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("unenabledfontcolor", UnEnabledFontColor);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Boolean("inactivestretcheffect", InActiveStretchEffect);
    keys.Boolean("dividerstretcheffect", DividerStretchEffect);
    keys.Rect("animateskinrect", AnimateSkinRect);
    keys.Integer("framecount", FrameCount);
    keys.Integer("animateinterval", AnimateInterval, 25);
    keys.Boolean("inactiveanimation", InActiveAnimation);
    keys.Boolean("useimagecolor", UseImageColor);
    keys.Color("imagecolor", ImageColor);
    keys.Color("activeimagecolor", ActiveImageColor);
    keys.Boolean("inactivetransparent", InActiveTransparent);
    keys.Rect("checkimagerect", CheckImageRect);
    keys.Rect("activecheckimagerect", ActiveCheckImageRect);
    keys.Rect("radioimagerect", RadioImageRect);
    keys.Rect("activeradioimagerect", ActiveRadioImageRect);
    keys.Rect("arrowimagerect", ArrowImageRect);
    keys.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TbsDataSkinMainMenuItem::BindKeys(TbsKeyBinder& keys) {
    TbsDataSkinObject::BindKeys(keys);
    keys.Integer("itemleftoffset", ItemLeftOffset);
    keys.Integer("itemrightoffset", ItemRightOffset);
    keys.Rect("downrect", DownRect);
    keys.Rect("textrect", TextRect);
    keys.Font(Font);
    keys.Color("activefontcolor", ActiveFontColor);
    keys.Color("downfontcolor", DownFontColor);
    keys.Color("unenabledfontColor", UnEnabledFontColor);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Rect("animateskinrect", AnimateSkinRect);
    keys.Integer("framecount", FrameCount);
    keys.Integer("animateinterval", AnimateInterval, 25);
    keys.Boolean("inactiveanimation", InActiveAnimation);
}

void TbsDataUserObject::BindKeys(TbsKeyBinder& keys) { keys.Rect("skinrect", SkinRect); }

namespace {

template <class T>
std::unique_ptr<TbsDataSkinObject> Make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

struct TObjectType {
    const char* Word;
    std::unique_ptr<TbsDataSkinObject> (*Create)(std::string);
};

const TObjectType kObjectTypes[] = {
    {"caption", Make<TbsDataSkinCaption>},
    {"stdbutton", Make<TbsDataSkinStdButton>},
    {"button", Make<TbsDataSkinButton>},
    {"animate", Make<TbsDataSkinAnimate>},
    {"menuitem", Make<TbsDataSkinMenuItem>},
    {"mainmenubaritem", Make<TbsDataSkinMainMenuBarItem>},
    {"mainmenubarbutton", Make<TbsDataSkinMainMenuBarButton>},
    {"userobject", Make<TbsDataUserObject>},
};

}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view typeWord, std::string sectionName) {
    for (const TObjectType& type : kObjectTypes)
        if (typeWord == type.Word) return type.Create(std::move(sectionName));
    return nullptr;
}
