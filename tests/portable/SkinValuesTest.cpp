#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinValues.h"

#include <gtest/gtest.h>

TEST(SkinPointForm, SkipsBlanksAndSignsAndIgnoresExtraComponents) {
    struct Row { const char* text; TPoint expected; };
    const Row rows[] = {
        {"3,4", {3, 4}},
        {" 12 , 7 ", {12, 7}},
        {"-5,-6", {5, 6}},  // signs are skipped: never negative
        {"1 2,3", {12, 3}}, // digits join across blanks
        {"+8,x9y", {8, 9}},
        {"1,2,3", {1, 2}},  // extras ignored
        {"1,2,", {1, 2}},
        {"1,2,,,abc,", {1, 2}},
    };
    for (const Row& row : rows) EXPECT_EQ(ParsePoint(row.text), row.expected) << row.text;
}

TEST(SkinPointForm, EmptyOrMissingComponentRaisesTheConversionError) {
    for (const char* text : {"", "5", ",5", "5,", "a,b", " , ", "99999999999,1"}) {
        EXPECT_THROW(ParsePoint(text), Exception) << "'" << text << "'";
    }
    try {
        ParsePoint("7,");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(SkinRectForm, ReadsFourComponentsInOrderAndIgnoresExtras) {
    EXPECT_EQ(ParseRect("1,2,3,4"), Rect(1, 2, 3, 4));
    EXPECT_EQ(ParseRect("-1, 2 ,3,4,5,6"), Rect(1, 2, 3, 4));
    EXPECT_THROW(ParseRect("1,2,3"), Exception);
    EXPECT_THROW(ParseRect("1,2,,4"), Exception);
    EXPECT_EQ(RectToStr(Rect(10, 20, 30, 40)), "10,20,30,40");
    EXPECT_EQ(PointToStr(Point(5, 6)), "5,6");
}

TEST(SkinPointForm, AbsentKeyGivesZeroButPresentEmptyValueFails) {
    const TMemIniFile ini("[s]\nempty=\nrect=1,2,3,4\n");
    EXPECT_EQ(ReadPoint(ini, "s", "absent"), Point(0, 0));
    EXPECT_EQ(ReadRect(ini, "s", "absent"), Rect(0, 0, 0, 0));
    EXPECT_EQ(ReadRect(ini, "s", "rect"), Rect(1, 2, 3, 4));
    EXPECT_THROW(ReadPoint(ini, "s", "empty"), Exception);
    EXPECT_THROW(ReadRect(ini, "s", "empty"), Exception);
}

TEST(SkinIdentifierForms, StretchTypeFallsBackToHorizontalAndDefaultsToFull) {
    const TMemIniFile ini("[s]\na=stfull\nb=STFULL\nc=sthorz\nd=stvert\ne=nonsense\nf=\n");
    EXPECT_EQ(ReadStretchKind(ini, "s", "a"), bsstFull);
    EXPECT_EQ(ReadStretchKind(ini, "s", "b"), bsstHorz);
    EXPECT_EQ(ReadStretchKind(ini, "s", "c"), bsstHorz);
    EXPECT_EQ(ReadStretchKind(ini, "s", "d"), bsstVert);
    EXPECT_EQ(ReadStretchKind(ini, "s", "e"), bsstHorz);
    EXPECT_EQ(ReadStretchKind(ini, "s", "f"), bsstHorz);
    EXPECT_EQ(ReadStretchKind(ini, "s", "absent"), bsstFull);
}

TEST(SkinIdentifierForms, InactiveEffectFallsBackToGrayscaleAndDefaultsToBrightness) {
    const char* words[] = {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ParseInActiveEffect(words[i]), TbsInActiveEffect(i));
        EXPECT_STREQ(InActiveEffectToStr(TbsInActiveEffect(i)), words[i]);
    }
    const TMemIniFile ini("[s]\nx=IEDARKNESS\n");
    EXPECT_EQ(ReadInActiveEffect(ini, "s", "x"), bsieGrayScale);
    EXPECT_EQ(ReadInActiveEffect(ini, "s", "absent"), bsieBrightness);
}

TEST(SkinIdentifierForms, MorphKindFallsBackToDefault) {
    const char* words[] = {"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
                           "mkleftslide", "mkrightslide", "mkpush"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ParseMorphKind(words[i]), TbsMorphKind(i));
        EXPECT_STREQ(MorphKindToStr(TbsMorphKind(i)), words[i]);
    }
    EXPECT_EQ(ParseMorphKind("mkPush"), bsmkDefault);
    EXPECT_EQ(ParseMorphKind("slide"), bsmkDefault);
}

TEST(SkinIdentifierForms, AlignmentFallsBackToRightAndDefaultsToCentre) {
    const TMemIniFile ini("[s]\nl=taleftjustify\nc=tacenter\nr=tarightjustify\nx=left\nC=taCenter\n");
    EXPECT_EQ(ReadAlignment(ini, "s", "l"), taLeftJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "c"), taCenter);
    EXPECT_EQ(ReadAlignment(ini, "s", "r"), taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "x"), taRightJustify);
    EXPECT_EQ(ParseAlignment("taCenter"), taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "absent"), taCenter);
    EXPECT_STREQ(AlignmentToStr(taRightJustify), "tarightjustify");
}

TEST(SkinIdentifierForms, UnknownCommandWordIsMinimiseToTray) {
    EXPECT_EQ(ParseStdCommand("cmclose"), cmClose);
    EXPECT_EQ(ParseStdCommand("cmmaximize"), cmMaximize);
    EXPECT_EQ(ParseStdCommand("cmminimize"), cmMinimize);
    EXPECT_EQ(ParseStdCommand("cmsysmenu"), cmSysMenu);
    EXPECT_EQ(ParseStdCommand("cmdefault"), cmDefault);
    EXPECT_EQ(ParseStdCommand("cmrollup"), cmRollUp);
    EXPECT_EQ(ParseStdCommand("cmminimizetotray"), cmMinimizeToTray);
    EXPECT_EQ(ParseStdCommand("cmclsoe"), cmMinimizeToTray);
    EXPECT_EQ(ParseStdCommand("CMCLOSE"), cmMinimizeToTray);
    EXPECT_STREQ(StdCommandToStr(cmMinimizeToTray), "cmminimizetotray");
}

TEST(SkinFontForm, StyleWordsAreFoundAnywhereWithCaseCounting) {
    EXPECT_EQ(ParseFontStyle("fsbold,fsitalic"), bsfsBold | bsfsItalic);
    EXPECT_EQ(ParseFontStyle("[fsunderline fsstrikeout]"), bsfsUnderline | bsfsStrikeOut);
    EXPECT_EQ(ParseFontStyle("fsBold"), 0u);
    EXPECT_EQ(ParseFontStyle(""), 0u);
    EXPECT_EQ(FontStyleToStr(bsfsBold | bsfsItalic | bsfsUnderline | bsfsStrikeOut),
              "fsbold,fsitalic,fsunderline,fsstrikeout");
    EXPECT_EQ(FontStyleToStr(0), "");
}

TEST(SkinFontForm, FontKeysDefaultToTahoma13AndTakeAPrefix) {
    const TMemIniFile ini("[s]\ncaptionfontname=Arial\ncaptionfontheight=x\ncaptionfontcolor=-16777201\n");
    const TbsSkinFont plain = ReadSkinFont(ini, "s");
    EXPECT_EQ(plain, TbsSkinFont{});
    EXPECT_EQ(plain.Name, "Tahoma");
    EXPECT_EQ(plain.Height, 13);
    const TbsSkinFont caption = ReadSkinFont(ini, "s", "caption");
    EXPECT_EQ(caption.Name, "Arial");
    EXPECT_EQ(caption.Height, 13);              // not an integer: the default
    EXPECT_EQ(caption.Color, 0xFF00000Fu);      // system colour 15 written in decimal
}

TEST(SkinListForm, ReadsCountedItemsWithEmptyTextForMissingOnes) {
    const TMemIniFile ini("[PICTURES]\nactivepicturescount=3\n0=a.bmp\n2=c.bmp\n");
    EXPECT_EQ(ReadList(ini, "PICTURES", "activepictures"), (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
    EXPECT_TRUE(ReadList(ini, "PICTURES", "other").empty());
}

TEST(SkinListForm, HugeOrNegativeCountNeverExceedsTheSectionsKeys) {
    const TMemIniFile huge("[L]\ncount=2000000000\n0=a\n1=b\n");
    const std::vector<std::string> items = ReadList(huge, "L", "");
    ASSERT_EQ(items.size(), 3u);  // three keys in the section, so at most three items
    EXPECT_EQ(items[0], "a");
    EXPECT_EQ(items[1], "b");
    EXPECT_EQ(items[2], "");
    EXPECT_TRUE(ReadList(TMemIniFile("[L]\ncount=-5\n0=a\n"), "L", "").empty());
    EXPECT_TRUE(ReadList(TMemIniFile("[L]\ncount=0x7FFFFFFF\n"), "L", "").size() <= 1u);
}

TEST(SkinListForm, WrittenListReadsBack) {
    TMemIniFile ini;
    WriteList(ini, "PICTURES", "activepictures", {"x.bmp", "y.bmp"});
    EXPECT_EQ(ini.ReadInteger("PICTURES", "activepicturescount", 0), 2);
    EXPECT_EQ(ReadList(ini, "PICTURES", "activepictures"), (std::vector<std::string>{"x.bmp", "y.bmp"}));
}

TEST(PictureIndexValidity, OnlyZeroToCountMinusOneIsValid) {
    EXPECT_FALSE(IsValidPictureIndex(-1, 3));
    EXPECT_FALSE(IsValidPictureIndex(-2, 3));
    EXPECT_FALSE(IsValidPictureIndex(INT32_MIN, 3));
    EXPECT_TRUE(IsValidPictureIndex(0, 3));
    EXPECT_TRUE(IsValidPictureIndex(2, 3));
    EXPECT_FALSE(IsValidPictureIndex(3, 3));
    EXPECT_FALSE(IsValidPictureIndex(0, 0));
}
