// Skin records of the "SKINOBJECTS" list: the frame's caption, caption
// buttons, animations and menu items. As for the control records, each
// class lists its keys once in BindKeys after its base's, and the in-class
// initialisers are the defaults.
//
// Class tree:
//   TbsDataSkinObject               the object keys
//     TbsDataSkinButton             + pressed/disabled looks, alpha images
//       TbsDataSkinStdButton        + command and restore looks
//         TbsDataSkinMainMenuBarButton
//     TbsDataSkinCaption, TbsDataSkinAnimate, TbsDataSkinMenuItem
//     TbsDataSkinMainMenuItem
//       TbsDataSkinMainMenuBarItem
//     TbsDataUserObject             only "skinrect"
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/IniFile.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinImages.h"
#include "skin/data/portable/SkinKeyBinder.h"

class TbsDataSkinObject {
public:
    explicit TbsDataSkinObject(std::string sectionName) : SectionName(std::move(sectionName)) {}
    virtual ~TbsDataSkinObject() = default;
    TbsDataSkinObject(const TbsDataSkinObject&) = delete;
    TbsDataSkinObject& operator=(const TbsDataSkinObject&) = delete;

    virtual void LoadFromIni(const TMemIniFile& ini);
    virtual void SaveToIni(TMemIniFile& ini) const;
    // Builds the record's images from the manager's pictures; called once
    // right after LoadFromIni. Only button objects have images.
    virtual void PrepareImages(const TbsSkinImageSource& source);

    std::string SectionName;
    std::string Hint;
    int ActivePictureIndex = -1;
    int ActiveMaskPictureIndex = -1;
    bool SkinRectInAPicture = false;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = bsmkDefault;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0, GlowLayerOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;

    // The keys whose rectangle was too large for a picture (see
    // PixelBuffer.h) when the images were prepared: those looks have no
    // image and draw plainly. Tools report them.
    std::vector<std::string> FOversizedImages;

protected:
    virtual void BindKeys(TbsKeyBinder& keys);
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void PrepareImages(const TbsSkinImageSource& source) override;

    TRect DownRect;
    TRect DisableSkinRect;  // key "disableskinrsect"
    int AlphaMaskPictureIndex = -1, AlphaMaskActivePictureIndex = -1, AlphaMaskInActivePictureIndex = -1;

    // Alpha images of the normal, hot, pressed and inactive looks; built only
    // when the layer frame is a full border.
    TbsRecordImage FSkinImage, FActiveSkinImage, FDownSkinImage, FInActiveSkinImage;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
    // Rebuilds one image: released first; absent when `area` is empty, too
    // large for a picture (then `key` joins FOversizedImages) or the active
    // picture index is not valid; opaque without a valid mask.
    void BuildImage(TbsRecordImage& image, const char* key, const TRect& area, int maskIndex,
                    const TbsSkinImageSource& source);
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    void LoadFromIni(const TMemIniFile& ini) override;  // then the restore-hint rule
    void PrepareImages(const TbsSkinImageSource& source) override;

    TbsStdCommand Command = cmDefault;
    // The looks while the window is maximised, minimised or rolled up.
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    std::string RestoreHint;

    TbsRecordImage FRestoreImage, FRestoreActiveImage, FRestoreDownImage, FRestoreInActiveImage;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    TRect TextRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = taCenter;
    bool Light = false;
    TColor LightColor = 0, ActiveLightColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0, ActiveShadowColor = 0;
    TRect FrameRect, ActiveFrameRect, FrameTextRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;  // ms per frame
    bool InActiveAnimation = false, FullFrame = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false, GlowEffect = false, GlowInActiveEffect = false;
    int GlowSize = 3;
    TColor GlowColor = 0, GlowActiveColor = 0;
    int GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;  // keys "reflactioncolor", "reflactionactivecolor"
    int ReflectionOffset = 0;
    TRect DividerRect, InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    int QuickButtonAlphaMaskPictureIndex = -1;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int CountFrames = 1;
    bool Cycle = false, ButtonStyle = false;
    int TimerInterval = 50;  // ms
    TbsStdCommand Command = cmDefault;
    TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    std::string RestoreHint;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect DividerRect;
    int DividerLeftOffset = 0, DividerRightOffset = 0;
    TRect TextRect, ImageRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0;
    bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;  // ms per frame
    bool InActiveAnimation = false;
    bool UseImageColor = false;
    TColor ImageColor = 0, ActiveImageColor = 0;
    bool InActiveTransparent = false;
    TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect;
    TRect ArrowImageRect, ActiveArrowImageRect;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect DownRect, TextRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, DownFontColor = 0;
    TColor UnEnabledFontColor = 0;  // key "unenabledfontColor"
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;  // ms per frame
    bool InActiveAnimation = false;

protected:
    void BindKeys(TbsKeyBinder& keys) override;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

protected:
    void BindKeys(TbsKeyBinder& keys) override;  // "skinrect" only
};

// The record of a "SKINOBJECTS" type word named `sectionName`, or null when
// the word is not one (compared exactly).
std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view typeWord, std::string sectionName);
