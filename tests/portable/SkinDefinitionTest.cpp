#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDefinition.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<TPixelBuffer> NoPictures() { return {}; }

}  // namespace

TEST(FormInfoCompletion, WithoutMaskTheMaskAreaAndHitTestPointsStayAsWritten) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\nmaskrectarea=0,0,0,0\nclientrect=5,6,50,60\n"
                                 "hittestlefttoppoint=0,3\nlefttoppoint=4,4\nrightbottompoint=4,9\n"),
                     false);
    EXPECT_EQ(info.MaskRectArea, Rect(0, 0, 0, 0));
    EXPECT_EQ(info.HitTestLeftTopPoint, Point(0, 3));
}

TEST(FormInfoCompletion, WithMaskAnEmptyMaskAreaBecomesTheClientRect) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\nclientrect=5,6,50,60\nmaskrectarea=10,10,10,40\n"), true);
    EXPECT_EQ(info.MaskRectArea, Rect(5, 6, 50, 60));  // zero width counts as empty
}

TEST(FormInfoCompletion, WithMaskANonEmptyMaskAreaGrowsToContainTheClientRect) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\nclientrect=5,6,50,60\nmaskrectarea=2,10,40,70\n"), true);
    EXPECT_EQ(info.MaskRectArea, Rect(2, 6, 50, 70));
}

TEST(FormInfoCompletion, WithMaskHitTestPointsWithAZeroCoordinateTakeTheCorner) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\nclientrect=0,0,100,100\n"
                                 "lefttoppoint=10,20\nrighttoppoint=90,20\n"
                                 "leftbottompoint=10,80\nrightbottompoint=90,80\n"
                                 "hittestlefttoppoint=0,5\nhittestrighttoppoint=7,0\n"
                                 "hittestleftbottompoint=3,4\n"),
                     true);
    EXPECT_EQ(info.HitTestLeftTopPoint, Point(10, 20));
    EXPECT_EQ(info.HitTestRightTopPoint, Point(90, 20));
    EXPECT_EQ(info.HitTestLeftBottomPoint, Point(3, 4));
    EXPECT_EQ(info.HitTestRightBottomPoint, Point(90, 80));  // absent: 0,0
}

TEST(FormInfoCompletion, CornerPointsAreMovedOntoTheClientRect) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\nclientrect=10,20,90,80\n"
                                 "lefttoppoint=2,3\nrighttoppoint=95,4\n"
                                 "leftbottompoint=5,85\nrightbottompoint=99,99\n"),
                     false);
    EXPECT_EQ(info.LeftTopPoint, Point(10, 20));
    EXPECT_EQ(info.RightTopPoint, Point(90, 20));
    EXPECT_EQ(info.LeftBottomPoint, Point(10, 80));
    EXPECT_EQ(info.RightBottomPoint, Point(90, 80));
}

TEST(FormInfoCompletion, CornerPointsStayWhenRightBottomSharesXOrYWithLeftTop) {
    for (const char* rightBottom : {"2,99", "99,3"}) {
        TbsFormInfo info;
        info.LoadFromIni(TMemIniFile(std::string("[FORMINFO]\nclientrect=10,20,90,80\nlefttoppoint=2,3\n"
                                                 "righttoppoint=95,4\nrightbottompoint=") +
                                     rightBottom + "\n"),
                         false);
        EXPECT_EQ(info.LeftTopPoint, Point(2, 3)) << rightBottom;
        EXPECT_EQ(info.RightTopPoint, Point(95, 4)) << rightBottom;
    }
}

TEST(FormInfoReading, DefaultsAndIdentifierFallbacks) {
    TbsFormInfo info;
    info.LoadFromIni(TMemIniFile("[FORMINFO]\ninactiveeffect=glow\nstretchtype=vertical\nbuttonsinleft=2\n"), false);
    EXPECT_EQ(info.InActiveEffect, bsieGrayScale);
    EXPECT_EQ(info.StretchType, bsstHorz);
    EXPECT_EQ(info.MDIBGStretchType, bsstFull);
    EXPECT_FALSE(info.ButtonsInLeft);
    EXPECT_EQ(info.BGPictureIndex, -1);
    TbsFormInfo absent;
    absent.LoadFromIni(TMemIniFile(""), false);
    EXPECT_EQ(absent.InActiveEffect, bsieBrightness);
}

TEST(WindowSections, WholeSkinRecordsReadTheirKeysWithDefaults) {
    const TMemIniFile ini(
        "[VERSION]\nskinname=Zeytin\nver=3\n"
        "[POPUPWINDOW]\nwindowpictureindex=2\nitemsrect=1,2,3,4\nscrollmarkercolor=255\n"
        "[LAYERFRAME]\nfullborder=1\nalphablendvalue=200\nrollupformheight=30\n"
        "[HINTWINDOW]\nfontname=Arial\nfontstyle=fsbold\n"
        "[SKINCOLORS]\ncbtnface=12632256\n");
    TbsSkinVersionInfo version;
    version.LoadFromIni(ini);
    EXPECT_EQ(version.SkinName, "Zeytin");
    EXPECT_EQ(version.SkinAuthor, "");
    TbsDataSkinPopupWindow popup;
    popup.LoadFromIni(ini);
    EXPECT_EQ(popup.WindowPictureIndex, 2);
    EXPECT_EQ(popup.MaskPictureIndex, -1);
    EXPECT_EQ(popup.ItemsRect, Rect(1, 2, 3, 4));
    EXPECT_EQ(popup.ScrollMarkerColor, 255u);
    TbsDataSkinLayerFrame layer;
    layer.LoadFromIni(ini);
    EXPECT_TRUE(layer.FullBorder);
    EXPECT_EQ(layer.AlphaBlendValue, 200);
    EXPECT_EQ(layer.InActiveAlphaBlendValue, 255);
    EXPECT_EQ(layer.RollUpFormHeight, 30);
    EXPECT_EQ(layer.BlurMaskPictureIndex, -1);
    TbsDataSkinHintWindow hint;
    hint.LoadFromIni(ini);
    EXPECT_EQ(hint.Font.Name, "Arial");
    EXPECT_EQ(hint.Font.Height, 13);
    EXPECT_EQ(hint.Font.Style, bsfsBold);
}

TEST(WindowSections, SkinColorsAreZeroWhenNewAndSystemColoursAsDefaults) {
    TbsSkinColors colors;
    EXPECT_EQ(colors.BtnFace, 0u);
    EXPECT_EQ(colors.BtnShadow, 0u);
    colors.LoadFromIni(TMemIniFile("[SKINCOLORS]\ncwindow=16777215\n"));
    EXPECT_EQ(colors.Window, 16777215u);
    EXPECT_EQ(colors.BtnFace, 0xFF00000Fu);
    EXPECT_EQ(colors.BtnText, 0xFF000012u);
    EXPECT_EQ(colors.WindowText, 0xFF000008u);
    EXPECT_EQ(colors.Highlight, 0xFF00000Du);
    EXPECT_EQ(colors.HighlightText, 0xFF00000Eu);
    EXPECT_EQ(colors.BtnHighlight, 0xFF000014u);
    EXPECT_EQ(colors.BtnShadow, 0xFF000010u);
}

TEST(LayerFrameImages, BuiltOnlyWhenBothIndexesAreValidPictures) {
    std::vector<TPixelBuffer> pictures;
    pictures.emplace_back(2, 1, MakePixel(200, 100, 50));
    pictures.emplace_back(2, 1, MakePixel(255, 255, 255));
    pictures[1].At(1, 0) = MakePixel(0, 0, 3);  // mean 1
    TbsDataSkinLayerFrame layer;
    layer.LoadFromIni(TMemIniFile("[LAYERFRAME]\npictureindex=0\nmaskpictureindex=1\n"
                                  "inactivepictureindex=-2\ninactivemaskpictureindex=1\n"));
    layer.BuildImages(pictures);
    ASSERT_TRUE(layer.FActiveLayerImage);
    EXPECT_EQ(layer.FActiveLayerImage->At(0, 0), MakePixel(200, 100, 50, 255));
    EXPECT_EQ(layer.FActiveLayerImage->At(1, 0), MakePixel(1, 0, 0, 1));  // premultiplied, rounded
    EXPECT_FALSE(layer.FInActiveLayerImage);  // -2 is not a picture
    layer.MaskPictureIndex = 2;               // past the list
    layer.BuildImages(pictures);
    EXPECT_FALSE(layer.FActiveLayerImage);
}

TEST(SkinListReading, TwoItemsNamingOneSectionGiveTwoRecordsAndLookupReturnsTheFirst) {
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[SKINCONTROLS]\ncount=5\n0=groupbox:panel\n1=statusbar:panel\n"
                                 "2=panel:panel\n3=panel:panel\n4=statuspanel:label\n"
                                 "[groupbox]\ncaptionrect=1,1,9,9\n[panel]\nbgpictureindex=4\n"),
                     NoPictures());
    ASSERT_EQ(skin.ControlRecords.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(dynamic_cast<TbsDataSkinPanelControl*>(skin.ControlRecords[i].get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinLabelControl*>(skin.ControlRecords[4].get()), nullptr);
    EXPECT_EQ(static_cast<TbsDataSkinPanelControl&>(*skin.ControlRecords[0]).CaptionRect, Rect(1, 1, 9, 9));
    EXPECT_EQ(static_cast<TbsDataSkinPanelControl&>(*skin.ControlRecords[1]).CaptionRect, Rect(0, 0, 0, 0));
    EXPECT_EQ(static_cast<TbsDataSkinPanelControl&>(*skin.ControlRecords[3]).BGPictureIndex, 4);
    EXPECT_EQ(skin.FindSkinControlRecord("panel"), 2);
    EXPECT_EQ(skin.FindSkinControlRecord("statuspanel"), 4);
}

TEST(SkinListReading, UnknownTypesAndItemsWithoutColonGiveNoRecord) {
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[SKINCONTROLS]\ncount=4\n0=a:nosuchtype\n1=novalue\n2=b:Button\n3=c:button\n"
                                 "[SKINOBJECTS]\ncount=3\n0=caption:caption\n1=x:label\n2=close:stdbutton:extra\n"),
                     NoPictures());
    ASSERT_EQ(skin.ControlRecords.size(), 1u);
    EXPECT_EQ(skin.ControlRecords[0]->SectionName, "c");
    ASSERT_EQ(skin.ObjectRecords.size(), 1u);  // "stdbutton:extra" is not a type word
    EXPECT_EQ(skin.ObjectRecords[0]->SectionName, "caption");
}

TEST(SkinListReading, SplitsAtTheFirstColon) {
    EXPECT_EQ(SplitSkinListItem("a:b:c").Name, "a");
    EXPECT_EQ(SplitSkinListItem("a:b:c").Type, "b:c");
    EXPECT_EQ(SplitSkinListItem(":panel").Name, "");
    EXPECT_EQ(SplitSkinListItem("plain").Type, "");
}

TEST(SkinListReading, HugeCountCostsNoMoreThanTheKeysPresent) {
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[SKINCONTROLS]\ncount=2000000000\n0=button:button\n"
                                 "[PICTURES]\nactivepicturescount=2000000000\n0=a.bmp\n"),
                     NoPictures());
    EXPECT_EQ(skin.ControlRecords.size(), 1u);
    EXPECT_EQ(skin.PictureNames.ActivePictures.size(), 2u);
}

TEST(SkinListReading, ASecondLoadReplacesTheRecords) {
    TbsSkinDefinition skin;
    const TMemIniFile ini("[SKINCONTROLS]\ncount=1\n0=button:button\n[SKINOBJECTS]\ncount=1\n0=c:caption\n");
    skin.LoadFromIni(ini, NoPictures());
    skin.LoadFromIni(ini, NoPictures());
    EXPECT_EQ(skin.ControlRecords.size(), 1u);
    EXPECT_EQ(skin.ObjectRecords.size(), 1u);
}

TEST(SkinRecordLookup, IsExactAndCaseSensitive) {
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[SKINCONTROLS]\ncount=1\n0=combobox:combobox\n"
                                 "[SKINOBJECTS]\ncount=2\n0=caption:caption\n1=closebutton:stdbutton\n"),
                     NoPictures());
    EXPECT_EQ(skin.FindSkinControlRecord("combobox"), 0);
    EXPECT_EQ(skin.FindSkinControlRecord("ComboBox"), -1);
    EXPECT_EQ(skin.FindSkinControlRecord("combo"), -1);
    EXPECT_EQ(skin.FindSkinControlRecord(""), -1);
    EXPECT_EQ(skin.FindSkinObjectRecord("closebutton"), 1);
    EXPECT_EQ(skin.FindSkinObjectRecord("combobox"), -1);
}

TEST(SkinDefinitionFailure, MalformedPointLeavesTheDefinitionClearedNotHalfBuilt) {
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[SKINCONTROLS]\ncount=1\n0=button:button\n"), NoPictures());
    ASSERT_EQ(skin.ControlRecords.size(), 1u);
    const TMemIniFile bad("[PICTURES]\nactivepicturescount=1\n0=a.bmp\n"
                          "[LAYERFRAME]\npictureindex=0\n"
                          "[SKINCONTROLS]\ncount=2\n0=button:button\n1=edit:edit\n[edit]\nlefttoppoint=5\n");
    EXPECT_THROW(skin.LoadFromIni(bad, NoPictures()), Exception);
    EXPECT_TRUE(skin.ControlRecords.empty());
    EXPECT_TRUE(skin.ObjectRecords.empty());
    EXPECT_TRUE(skin.PictureNames.ActivePictures.empty());
    EXPECT_EQ(skin.LayerFrameData.PictureIndex, -1);
    EXPECT_EQ(skin.SkinColors.BtnFace, 0xFF00000Fu);
}

TEST(SkinDefinitionClear, ClearRecordsDropsPicturesAndSetsSystemColours) {
    std::vector<TPixelBuffer> pictures(2, TPixelBuffer(1, 1, MakePixel(1, 2, 3)));
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile("[LAYERFRAME]\npictureindex=0\nmaskpictureindex=1\n"
                                 "[POPUPWINDOW]\nwindowpictureindex=1\n[HINTWINDOW]\nwindowpictureindex=0\n"
                                 "[SKINCOLORS]\ncbtnface=1\n"),
                     pictures);
    ASSERT_TRUE(skin.LayerFrameData.FActiveLayerImage);
    EXPECT_EQ(skin.SkinColors.BtnFace, 1u);
    skin.ClearRecords();
    EXPECT_FALSE(skin.LayerFrameData.FActiveLayerImage);
    EXPECT_EQ(skin.LayerFrameData.PictureIndex, -1);
    EXPECT_EQ(skin.PopupWindowData.WindowPictureIndex, -1);
    EXPECT_EQ(skin.HintWindowData.WindowPictureIndex, -1);
    EXPECT_EQ(skin.SkinColors.BtnFace, 0xFF00000Fu);
}

namespace {

// One 4x2 picture whose pixels encode their coordinates, a white/black mask.
std::vector<TPixelBuffer> ButtonPictures() {
    std::vector<TPixelBuffer> pictures;
    TPixelBuffer look(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) look.At(x, y) = MakePixel(std::uint8_t(10 * x), std::uint8_t(10 * y), 7);
    pictures.push_back(look);
    TPixelBuffer mask(2, 2, MakePixel(255, 255, 255));
    mask.At(1, 1) = MakePixel(0, 0, 0);
    pictures.push_back(mask);
    return pictures;
}

const char* const kButtonSkin =
    "[PICTURES]\nactivepicturescount=2\n0=a.bmp\n1=m.bmp\n"
    "[LAYERFRAME]\npictureindex=0\nfullborder=%d\n"
    "[SKINOBJECTS]\ncount=1\n0=close:stdbutton\n"
    "[close]\nactivepictureindex=%d\nskinrect=2,0,4,2\nactiveskinrect=0,0,2,2\ndownrect=1,1,1,2\n"
    "alphamaskactivepictureindex=1\nalphamaskpictureindex=-2\nrestorerect=0,0,1,1\n";

std::string ButtonSkin(int fullBorder, int activePicture) {
    char text[512];
    std::snprintf(text, sizeof text, kButtonSkin, fullBorder, activePicture);
    return text;
}

}  // namespace

TEST(ButtonAlphaImages, BuiltFromThePictureWithTheMasksAlphaOnlyForAFullBorder) {
    const std::vector<TPixelBuffer> pictures = ButtonPictures();
    TbsSkinDefinition skin;
    skin.LoadFromIni(TMemIniFile(ButtonSkin(1, 0)), pictures);
    auto& button = dynamic_cast<TbsDataSkinStdButton&>(*skin.ObjectRecords.at(0));
    ASSERT_TRUE(button.FSkinImage);
    EXPECT_EQ(button.FSkinImage->Width, 2);
    EXPECT_EQ(button.FSkinImage->At(0, 1), MakePixel(20, 10, 7, 255));  // invalid mask -2: opaque
    ASSERT_TRUE(button.FActiveSkinImage);
    EXPECT_EQ(button.FActiveSkinImage->At(1, 0), MakePixel(10, 0, 7, 255));
    EXPECT_EQ(button.FActiveSkinImage->At(1, 1), MakePixel(0, 0, 0, 0));  // black mask: transparent
    EXPECT_FALSE(button.FDownSkinImage);      // empty rectangle
    EXPECT_FALSE(button.FInActiveSkinImage);  // empty rectangle
    ASSERT_TRUE(button.FRestoreImage);
    EXPECT_EQ(button.FRestoreImage->At(0, 0), MakePixel(0, 0, 7, 255));
}

TEST(ButtonAlphaImages, NoneWithoutFullBorderOrWithAnInvalidActivePicture) {
    const std::vector<TPixelBuffer> pictures = ButtonPictures();
    for (const auto& [fullBorder, activePicture] : {std::pair{0, 0}, std::pair{1, -2}, std::pair{1, 2}}) {
        TbsSkinDefinition skin;
        skin.LoadFromIni(TMemIniFile(ButtonSkin(fullBorder, activePicture)), pictures);
        auto& button = dynamic_cast<TbsDataSkinStdButton&>(*skin.ObjectRecords.at(0));
        EXPECT_FALSE(button.FSkinImage) << fullBorder << " " << activePicture;
        EXPECT_FALSE(button.FActiveSkinImage);
        EXPECT_FALSE(button.FRestoreImage);
    }
}

TEST(ButtonAlphaImages, AreaPartlyOutsideThePictureIsTransparentNotOverRead) {
    const TPixelBuffer picture(2, 2, MakePixel(9, 9, 9, 255));
    const TPixelBuffer image = CopyPictureArea(picture, Rect(-1, 1, 3, 4));
    ASSERT_EQ(image.Width, 4);
    ASSERT_EQ(image.Height, 3);
    EXPECT_EQ(image.At(0, 0), 0u);
    EXPECT_EQ(image.At(1, 0), MakePixel(9, 9, 9, 255));
    EXPECT_EQ(image.At(2, 0), MakePixel(9, 9, 9, 255));
    EXPECT_EQ(image.At(3, 0), 0u);
    EXPECT_EQ(image.At(1, 1), 0u);
}

TEST(AlphaImages, PremultiplyRoundsEveryAlphaAndChannelExactly) {
    TPixelBuffer image(256, 256);
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c) image.At(c, a) = MakePixel(std::uint8_t(c), std::uint8_t(255 - c), 7, std::uint8_t(a));
    Premultiply(image);
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c) {
            const auto round = [a](int v) { return std::uint8_t((a * v * 2 + 255) / 510); };  // round(a*v/255)
            ASSERT_EQ(image.At(c, a), MakePixel(round(c), round(255 - c), round(7), std::uint8_t(a)))
                << "alpha " << a << " channel " << c;
        }
}

TEST(LayerFrameImages, SharedPictureGivesEqualButSeparateImages) {
    std::vector<TPixelBuffer> pictures;
    pictures.emplace_back(2, 1, MakePixel(200, 100, 50));
    pictures.emplace_back(2, 1, MakePixel(128, 128, 128));
    TbsDataSkinLayerFrame layer;
    layer.LoadFromIni(TMemIniFile("[LAYERFRAME]\npictureindex=0\nmaskpictureindex=1\n"
                                  "inactivepictureindex=0\ninactivemaskpictureindex=1\n"));
    layer.BuildImages(pictures);
    ASSERT_TRUE(layer.FActiveLayerImage && layer.FInActiveLayerImage);
    EXPECT_NE(layer.FActiveLayerImage.get(), layer.FInActiveLayerImage.get());
    EXPECT_EQ(layer.FInActiveLayerImage->Pixels, layer.FActiveLayerImage->Pixels);
    EXPECT_EQ(layer.FInActiveLayerImage->At(0, 0), MakePixel(100, 50, 25, 128));
}
