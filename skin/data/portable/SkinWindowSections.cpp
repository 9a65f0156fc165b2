#include "skin/data/portable/SkinWindowSections.h"

#include <algorithm>

#include "skin/data/portable/SkinValues.h"

void TbsSkinVersionInfo::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "VERSION");
    keys.Text("skinname", SkinName);
    keys.Text("skinauthor", SkinAuthor);
    keys.Text("authoremail", AuthorEmail);
    keys.Text("authorurl", AuthorURL);
    keys.Text("skincomments", SkinComments);
}

void TbsSkinPictureNames::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "PICTURES");
    keys.Text("picture", Picture);
    keys.Text("inactivepicture", InActivePicture);
    keys.Text("mask", Mask);
    ActivePictures = ReadList(ini, "PICTURES", "activepictures");
}

void TbsSkinPictureNames::Clear() { *this = TbsSkinPictureNames{}; }

void TbsFormInfo::LoadFromIni(const TMemIniFile& ini, bool maskNamed) {
    TbsKeyBinder keys(ini, "FORMINFO");
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Picture("bgpictureindex", BGPictureIndex);
    keys.Picture("mdibgpictureindex", MDIBGPictureIndex);
    keys.Boolean("leftstretch", LeftStretch);
    keys.Boolean("rightstretch", RightStretch);
    keys.Boolean("topstretch", TopStretch);
    keys.Boolean("bottomstretch", BottomStretch);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Stretch("stretchtype", StretchType);
    keys.Boolean("mdibgstretcheffect", MDIBGStretchEffect);
    keys.Stretch("mdibgstretchtype", MDIBGStretchType);
    keys.Rect("maskrectarea", MaskRectArea);
    keys.Point("hittestlefttoppoint", HitTestLeftTopPoint);
    keys.Point("hittestrighttoppoint", HitTestRightTopPoint);
    keys.Point("hittestleftbottompoint", HitTestLeftBottomPoint);
    keys.Point("hittestrightbottompoint", HitTestRightBottomPoint);
    keys.Rect("buttonsrect", ButtonsRect);
    keys.Rect("captionrect", CaptionRect);
    keys.Integer("buttonsoffset", ButtonsOffset);
    keys.Boolean("buttonsinleft", ButtonsInLeft);
    keys.Boolean("mainmenupopupup", MainMenuPopupUp);
    keys.Integer("borderwidth", BorderWidth);
    keys.Integer("formminwidth", FormMinWidth);
    keys.Integer("formminheight", FormMinHeight);
    keys.Boolean("mditabstransparent", MDITabsTransparent);
    keys.Boolean("mainmenubartransparent", MainMenuBarTransparent);
    keys.Boolean("autorenderinginactiveimage", AutoRenderingInActiveImage);
    keys.Effect("inactiveeffect", InActiveEffect);
    Complete(maskNamed);
}

void TbsFormInfo::Complete(bool maskNamed) {
    if (maskNamed) {
        if (MaskRectArea.IsEmpty()) {
            MaskRectArea = ClientRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClientRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClientRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClientRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClientRect.Bottom);
        }
        const auto fill = [](TPoint& hitTest, TPoint corner) {
            if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
        };
        fill(HitTestLeftTopPoint, LeftTopPoint);
        fill(HitTestRightTopPoint, RightTopPoint);
        fill(HitTestLeftBottomPoint, LeftBottomPoint);
        fill(HitTestRightBottomPoint, RightBottomPoint);
    }
    if (RightBottomPoint.X == LeftTopPoint.X || RightBottomPoint.Y == LeftTopPoint.Y) return;
    LeftTopPoint.X = std::max(LeftTopPoint.X, ClientRect.Left);
    LeftBottomPoint.X = std::max(LeftBottomPoint.X, ClientRect.Left);
    RightTopPoint.X = std::min(RightTopPoint.X, ClientRect.Right);
    RightBottomPoint.X = std::min(RightBottomPoint.X, ClientRect.Right);
    LeftTopPoint.Y = std::max(LeftTopPoint.Y, ClientRect.Top);
    RightTopPoint.Y = std::max(RightTopPoint.Y, ClientRect.Top);
    LeftBottomPoint.Y = std::min(LeftBottomPoint.Y, ClientRect.Bottom);
    RightBottomPoint.Y = std::min(RightBottomPoint.Y, ClientRect.Bottom);
}

void TbsDataSkinPopupWindow::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "POPUPWINDOW");
    keys.Picture("windowpictureindex", WindowPictureIndex);
    keys.Picture("maskpictureindex", MaskPictureIndex);
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Rect("itemsrect", ItemsRect);
    keys.Color("scrollmarkercolor", ScrollMarkerColor);
    keys.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    keys.Boolean("leftstretch", LeftStretch);
    keys.Boolean("rightstretch", RightStretch);
    keys.Boolean("topstretch", TopStretch);
    keys.Boolean("bottomstretch", BottomStretch);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Stretch("stretchtype", StretchType);
}

void TbsDataSkinLayerFrame::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "LAYERFRAME");
    keys.Picture("pictureindex", PictureIndex);
    keys.Picture("maskpictureindex", MaskPictureIndex);
    keys.Picture("inactivepictureindex", InActivePictureIndex);
    keys.Picture("inactivemaskpictureindex", InActiveMaskPictureIndex);
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Integer("alphablendvalue", AlphaBlendValue, 255);
    keys.Integer("inactivealphablendvalue", InActiveAlphaBlendValue, 255);
    keys.Rect("borderrect", BorderRect);
    keys.Boolean("hittestenable", HitTestEnable);
    keys.Boolean("fullborder", FullBorder);
    keys.Integer("hittestsize", HitTestSize);
    keys.Rect("captionrect", CaptionRect);
    keys.Point("hittestlefttoppoint", HitTestLeftTopPoint);
    keys.Point("hittestrighttoppoint", HitTestRightTopPoint);
    keys.Point("hittestleftbottompoint", HitTestLeftBottomPoint);
    keys.Point("hittestrightbottompoint", HitTestRightBottomPoint);
    keys.Rect("buttonsrect", ButtonsRect);
    keys.Rect("sysmenubuttonrect", SysMenuButtonRect);
    keys.Boolean("fullstretch", FullStretch);
    keys.Integer("rollupformheight", RollUpFormHeight);
    keys.Integer("buttonstopoffset", ButtonsTopOffset);
    keys.Integer("sysbuttontopoffset", SysButtonTopOffset);
    keys.Picture("blurmaskpictureindex", BlurMaskPictureIndex);
    keys.Rect("intersectblurmaskrect", IntersectBlurMaskRect);
    keys.Rect("excludeblurmaskrect", ExcludeBlurMaskRect);
    keys.Integer("leftoffset", LeftOffset);
    keys.Integer("topoffset", TopOffset);
    keys.Integer("widthoffset", WidthOffset);
    keys.Integer("heightoffset", HeightOffset);
}

namespace {

TbsRecordImage MakeLayerImage(const std::vector<TPixelBuffer>& pictures, int pictureIndex, int maskIndex) {
    const int count = int(pictures.size());
    if (!IsValidPictureIndex(pictureIndex, count) || !IsValidPictureIndex(maskIndex, count)) return nullptr;
    auto image = std::make_unique<TPixelBuffer>(pictures[pictureIndex]);
    ApplyAlphaMask(*image, pictures[maskIndex]);
    return image;
}

}  // namespace

void TbsDataSkinLayerFrame::BuildImages(const std::vector<TPixelBuffer>& activePictures) {
    FActiveLayerImage.reset();
    FInActiveLayerImage.reset();
    FActiveLayerImage = MakeLayerImage(activePictures, PictureIndex, MaskPictureIndex);
    // Skins often use one picture for both states: copy instead of rebuilding.
    if (FActiveLayerImage && InActivePictureIndex == PictureIndex && InActiveMaskPictureIndex == MaskPictureIndex)
        FInActiveLayerImage = std::make_unique<TPixelBuffer>(*FActiveLayerImage);
    else
        FInActiveLayerImage = MakeLayerImage(activePictures, InActivePictureIndex, InActiveMaskPictureIndex);
}

bool TbsDataSkinLayerFrame::UsesFullBorder(int pictureCount) const {
    return FullBorder && IsValidPictureIndex(PictureIndex, pictureCount);
}

void TbsDataSkinHintWindow::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "HINTWINDOW");
    keys.Picture("windowpictureindex", WindowPictureIndex);
    keys.Picture("maskpictureindex", MaskPictureIndex);
    keys.Point("lefttoppoint", LeftTopPoint);
    keys.Point("righttoppoint", RightTopPoint);
    keys.Point("leftbottompoint", LeftBottomPoint);
    keys.Point("rightbottompoint", RightBottomPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Font(Font);
    keys.Boolean("leftstretch", LeftStretch);
    keys.Boolean("rightstretch", RightStretch);
    keys.Boolean("topstretch", TopStretch);
    keys.Boolean("bottomstretch", BottomStretch);
    keys.Boolean("stretcheffect", StretchEffect);
    keys.Stretch("stretchtype", StretchType);
}

namespace {

// 0xFF0000nn: the platform's system colour nn.
constexpr TColor SysColor(unsigned index) { return 0xFF000000u | index; }
constexpr TColor kBtnFace = SysColor(15), kBtnText = SysColor(18), kWindow = SysColor(5),
                 kWindowText = SysColor(8), kHighlight = SysColor(13), kHighlightText = SysColor(14),
                 kBtnHighlight = SysColor(20), kBtnShadow = SysColor(16);

}  // namespace

void TbsSkinColors::SetSystemColors() {
    BtnFace = kBtnFace;
    BtnText = kBtnText;
    Window = kWindow;
    WindowText = kWindowText;
    Highlight = kHighlight;
    HighlightText = kHighlightText;
    BtnHighlight = kBtnHighlight;
    BtnShadow = kBtnShadow;
}

void TbsSkinColors::LoadFromIni(const TMemIniFile& ini) {
    TbsKeyBinder keys(ini, "SKINCOLORS");
    keys.Color("cbtnface", BtnFace, kBtnFace);
    keys.Color("cbtntext", BtnText, kBtnText);
    keys.Color("cwindow", Window, kWindow);
    keys.Color("cwindowtext", WindowText, kWindowText);
    keys.Color("chighlight", Highlight, kHighlight);
    keys.Color("chighlighttext", HighlightText, kHighlightText);
    keys.Color("cbtnhighlight", BtnHighlight, kBtnHighlight);
    keys.Color("cbtnshadow", BtnShadow, kBtnShadow);
}
