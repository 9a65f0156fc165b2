// The sections that describe the skin as a whole: "VERSION", "PICTURES",
// "FORMINFO", "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW" and "SKINCOLORS".
// They are only read; each field is named after its key.
#pragma once

#include <string>
#include <vector>

#include "platform/portable/IniFile.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinImages.h"
#include "skin/data/portable/SkinKeyBinder.h"

// "VERSION": texts, kept and shown, used for nothing else.
struct TbsSkinVersionInfo {
    std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
    void LoadFromIni(const TMemIniFile& ini);
};

// "PICTURES": the BMP file names of the skin folder.
struct TbsSkinPictureNames {
    std::string Picture, InActivePicture, Mask;
    std::vector<std::string> ActivePictures;  // list "activepictures", picture index order
    void LoadFromIni(const TMemIniFile& ini);
    void Clear();
};

// "FORMINFO": the window frame.
struct TbsFormInfo {
    // inner corners of the frame in the main picture
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ClientRect;
    int BGPictureIndex = -1, MDIBGPictureIndex = -1;
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchKind StretchType = bsstFull;
    bool MDIBGStretchEffect = false;
    TbsStretchKind MDIBGStretchType = bsstFull;
    TRect MaskRectArea;
    TPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
    TRect ButtonsRect, CaptionRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false, MainMenuPopupUp = false;
    int BorderWidth = 0;
    int FormMinWidth = 0, FormMinHeight = 0;
    bool MDITabsTransparent = false, MainMenuBarTransparent = false;
    bool AutoRenderingInActiveImage = false;
    TbsInActiveEffect InActiveEffect = bsieBrightness;

    // Reads the section and completes it (Complete). `maskNamed`: the
    // "PICTURES" key "mask" is not empty.
    void LoadFromIni(const TMemIniFile& ini, bool maskNamed);
    // 1. with a mask: an empty mask area becomes the client rectangle, a
    //    non-empty one grows to contain it; hit-test points with x or y 0
    //    become the matching corner points;
    // 2. unless the right-bottom corner shares its x or y with the left-top
    //    one, the corner points are moved into the client rectangle.
    void Complete(bool maskNamed);
};

// "POPUPWINDOW": the frame of pop-up menus and drop-down windows.
struct TbsDataSkinPopupWindow {
    int WindowPictureIndex = -1, MaskPictureIndex = -1;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ItemsRect;
    TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchKind StretchType = bsstFull;
    void LoadFromIni(const TMemIniFile& ini);
};

// "LAYERFRAME": the layered border around the window, and the two images
// made from its pictures.
struct TbsDataSkinLayerFrame {
    int PictureIndex = -1, MaskPictureIndex = -1;
    int InActivePictureIndex = -1, InActiveMaskPictureIndex = -1;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ClientRect;
    int AlphaBlendValue = 255, InActiveAlphaBlendValue = 255;
    TRect BorderRect;
    bool HitTestEnable = false, FullBorder = false;
    int HitTestSize = 0;
    TRect CaptionRect;
    TPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
    TRect ButtonsRect, SysMenuButtonRect;
    bool FullStretch = false;
    int RollUpFormHeight = 0;
    int ButtonsTopOffset = 0, SysButtonTopOffset = 0;
    int BlurMaskPictureIndex = -1;
    TRect IntersectBlurMaskRect, ExcludeBlurMaskRect;
    int LeftOffset = 0, TopOffset = 0, WidthOffset = 0, HeightOffset = 0;

    // Premultiplied picture with the mask's alpha; null when an index of the
    // pair is not a valid picture index.
    TbsRecordImage FActiveLayerImage, FInActiveLayerImage;

    void LoadFromIni(const TMemIniFile& ini);
    // Rebuilds both images from the active pictures (releasing the old ones).
    void BuildImages(const std::vector<TPixelBuffer>& activePictures);
    // The layer frame's picture exists and is a full border: button objects
    // then build their alpha images.
    bool UsesFullBorder(int pictureCount) const;
};

// "HINTWINDOW": the hint balloon.
struct TbsDataSkinHintWindow {
    int WindowPictureIndex = -1, MaskPictureIndex = -1;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ClientRect;
    TbsSkinFont Font;
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchKind StretchType = bsstFull;
    void LoadFromIni(const TMemIniFile& ini);
};

// "SKINCOLORS": colours of the parts of skinned controls not drawn from
// pictures. New: all 0.
struct TbsSkinColors {
    TColor BtnFace = 0, BtnText = 0, Window = 0, WindowText = 0;
    TColor Highlight = 0, HighlightText = 0, BtnHighlight = 0, BtnShadow = 0;

    // The platform's system colours (what clearing the skin sets).
    void SetSystemColors();
    // Each key with its system colour as the default.
    void LoadFromIni(const TMemIniFile& ini);
};
