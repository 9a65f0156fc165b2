#include "platform/portable/Convert.h"
#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

TEST(IniFileReading, TrimsCommentsAndIgnoresLinesBeforeFirstSection) {
    const TMemIniFile ini(
        "orphan=1\r\n"
        "  [ FORMINFO ]  \r\n"
        "; borderwidth=9\r\n"
        "\r\n"
        "   borderwidth =  4  \r\n"
        "no equals sign here\r\n"
        "captionrect=1,2,3,4\r\n");
    EXPECT_FALSE(ini.ValueExists("FORMINFO", "orphan"));
    EXPECT_EQ(ini.ReadString("FORMINFO", "borderwidth", ""), "4");
    EXPECT_EQ(ini.ReadString("FORMINFO", "captionrect", ""), "1,2,3,4");
    EXPECT_EQ(ini.KeyCount("FORMINFO"), 2u);
    EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"FORMINFO"});
}

TEST(IniFileReading, FindsSectionsAndKeysWithoutRegardToCase) {
    const TMemIniFile ini("[Button]\nFontName=Arial\n");
    EXPECT_EQ(ini.ReadString("BUTTON", "fontname", "x"), "Arial");
    EXPECT_EQ(ini.ReadString("button", "FONTNAME", "x"), "Arial");
    EXPECT_TRUE(ini.SectionExists("bUtToN"));
}

TEST(IniFileReading, ValueKeepsEverythingAfterFirstEquals) {
    const TMemIniFile ini("[s]\nhint= a = b \n=empty key\n");
    EXPECT_EQ(ini.ReadString("s", "hint", ""), "a = b");
    EXPECT_EQ(ini.ReadString("s", "", "x"), "empty key");
}

TEST(IniFileReading, AcceptsLfAndLoneCrLineEnds) {
    const TMemIniFile ini("[a]\rk=1\r[b]\nk=2\r\n[c]\r\n\r\nk=3");
    EXPECT_EQ(ini.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("b", "k", 0), 2);
    EXPECT_EQ(ini.ReadInteger("c", "k", 0), 3);
}

TEST(IniFileReading, FirstOccurrenceOfDuplicateKeyWinsAndRepeatedSectionMerges) {
    const TMemIniFile ini("[s]\nk=first\nk=second\n[t]\n[S]\nother=3\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "first");
    EXPECT_EQ(ini.ReadInteger("s", "other", 0), 3);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"s", "t"}));
}

TEST(IniFileReading, BracketLineNeedsBothBrackets) {
    const TMemIniFile ini("[a]\n[broken\nk=1\n[]\nk=2\n");
    EXPECT_EQ(ini.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("", "k", 0), 2);
}

TEST(IniFileReading, AbsentKeysAndBadIntegersGiveDefaults) {
    const TMemIniFile ini("[s]\nn=12x\nhex=0x1F\nneg=-7\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("s", "n", 5), 5);
    EXPECT_EQ(ini.ReadInteger("s", "hex", 5), 31);
    EXPECT_EQ(ini.ReadInteger("s", "neg", 5), -7);
    EXPECT_EQ(ini.ReadInteger("s", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("s", "missing", 5), 5);
    EXPECT_EQ(ini.ReadInteger("missing", "n", 6), 6);
    EXPECT_EQ(ini.ReadString("s", "empty", "d"), "");
    EXPECT_EQ(ini.FindValue("s", "missing"), nullptr);
}

TEST(IniFileReading, BooleanIsTrueOnlyForTheIntegerOne) {
    const TMemIniFile ini("[s]\na=1\nb=01\nc=0x1\nd=2\ne=true\nf=-1\ng=\nh=0\n");
    EXPECT_TRUE(ini.ReadBool("s", "a", false));
    EXPECT_TRUE(ini.ReadBool("s", "b", false));
    EXPECT_TRUE(ini.ReadBool("s", "c", false));
    EXPECT_FALSE(ini.ReadBool("s", "d", true));
    EXPECT_FALSE(ini.ReadBool("s", "e", true));
    EXPECT_FALSE(ini.ReadBool("s", "f", true));
    EXPECT_FALSE(ini.ReadBool("s", "g", true));
    EXPECT_FALSE(ini.ReadBool("s", "h", true));
    EXPECT_TRUE(ini.ReadBool("s", "absent", true));
}

TEST(IniFileReading, EveryLineEndIsFoundWhereverItFallsInTheText) {
    // Lines of 1 to 20 bytes with each kind of ending, so that a break falls
    // at every position of the words the reader scans by.
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string text = "[s]\n";
    for (int length = 1; length <= 20; ++length) {
        const std::string key = "k" + std::to_string(length);
        text += key + "=" + std::string(std::size_t(length), char('a' + length)) + ends[length % 3];
    }
    const TMemIniFile ini(text);
    for (int length = 1; length <= 20; ++length) {
        const std::string value(std::size_t(length), char('a' + length));
        EXPECT_EQ(ini.ReadString("s", "k" + std::to_string(length), "?"), value) << "line of " << length;
    }
    EXPECT_EQ(ini.KeyCount("s"), 20u);
}

TEST(IniFileReading, KeysDifferingOnlyBeyondLetterCaseStayApart) {
    // '@' and '`', '[' and '{' differ in the bit that folds letter case;
    // keys longer than a word differ only in their middle or last bytes.
    const TMemIniFile ini(
        "[s]\nk@=1\nk`=2\nk[=3\nk{=4\n"
        "glowlayeroffsetleft=5\nglowlayeroffsettop=6\nGlowLayerOffsetRight=7\n"
        "abcdefghij=8\nabcdefghiJ=9\nabcdefgh1j=10\n");
    EXPECT_EQ(ini.ReadInteger("s", "k@", 0), 1);
    EXPECT_EQ(ini.ReadInteger("s", "k`", 0), 2);
    EXPECT_EQ(ini.ReadInteger("s", "k[", 0), 3);
    EXPECT_EQ(ini.ReadInteger("s", "k{", 0), 4);
    EXPECT_EQ(ini.ReadInteger("s", "GLOWLAYEROFFSETLEFT", 0), 5);
    EXPECT_EQ(ini.ReadInteger("s", "glowlayeroffsettop", 0), 6);
    EXPECT_EQ(ini.ReadInteger("s", "glowlayeroffsetright", 0), 7);
    EXPECT_EQ(ini.ReadInteger("s", "ABCDEFGHIJ", 0), 8);  // the first of two keys equal but for case
    EXPECT_EQ(ini.ReadInteger("s", "abcdefgh1j", 0), 10);
    EXPECT_FALSE(ini.ValueExists("s", "abcdefgh1"));
}

TEST(IniFileReading, FindTextSeesWrittenValuesAndNothingForAbsentKeys) {
    TMemIniFile ini("[s]\nk=parsed\nlong=a value longer than any short string buffer\n");
    EXPECT_EQ(ini.FindText("S", "K"), std::optional<std::string_view>("parsed"));
    EXPECT_EQ(*ini.FindValue("s", "long"), "a value longer than any short string buffer");
    ini.WriteString("s", "k", "written");
    ini.WriteString("s", "long", "x");
    EXPECT_EQ(ini.FindText("s", "k"), std::optional<std::string_view>("written"));
    EXPECT_EQ(ini.ReadString("s", "long", ""), "x");
    EXPECT_EQ(ini.FindText("s", "absent"), std::nullopt);
    EXPECT_EQ(ini.FindText("absent", "k"), std::nullopt);
    EXPECT_EQ(TMemIniFile::FindText(nullptr, "k"), std::nullopt);
}

TEST(IniFileWriting, WritesKeysInOrderAndReplacesExistingValues) {
    TMemIniFile ini;
    ini.WriteString("b", "x", "1");
    ini.WriteInteger("a", "y", -2);
    ini.WriteBool("b", "z", true);
    ini.WriteString("B", "X", "3");
    EXPECT_EQ(ini.GetText(), "[b]\r\nx=3\r\nz=1\r\n\r\n[a]\r\ny=-2\r\n\r\n");
}

TEST(IniFileWriting, EraseSectionRemovesItAndRewritingAppendsAtEnd) {
    TMemIniFile ini("[a]\nk=1\nold=2\n[b]\nk=2\n");
    ini.EraseSection("A");
    EXPECT_FALSE(ini.SectionExists("a"));
    ini.WriteString("a", "k", "9");
    EXPECT_EQ(ini.GetText(), "[b]\r\nk=2\r\n\r\n[a]\r\nk=9\r\n\r\n");
    ini.EraseSection("nothing");  // no effect, no failure
    EXPECT_EQ(ini.SectionNames().size(), 2u);
}

TEST(IniFileWriting, LineBreaksInValuesCannotInjectLines) {
    TMemIniFile ini;
    ini.WriteString("s", "hint", "a\r\n[evil]\nk=1");
    const TMemIniFile reread(ini.GetText());
    EXPECT_FALSE(reread.SectionExists("evil"));
    EXPECT_EQ(reread.KeyCount("s"), 1u);
}

TEST(IniFileWriting, TextReadsBackToTheSameValues) {
    TMemIniFile ini;
    ini.WriteString("FORMINFO", "captionrect", "1,2,3,4");
    ini.WriteString("FORMINFO", "hint", "Close");
    const TMemIniFile reread(ini.GetText());
    EXPECT_EQ(reread.GetText(), ini.GetText());
    EXPECT_EQ(reread.ReadString("forminfo", "captionrect", ""), "1,2,3,4");
}

TEST(IntegerConversion, AcceptsSignsAndHexAndRejectsEverythingElse) {
    struct Row { const char* text; bool ok; int value; };
    const Row rows[] = {
        {"0", true, 0},           {"-0", true, 0},
        {"+15", true, 15},        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"0x10", true, 16},       {"0XfF", true, 255},
        {"0xFF00000F", true, int(0xFF00000Fu)},
        {"0x100000000", false, 0}, {"0x", false, 0},
        {"-0x1", true, -1},       {"", false, 0},
        {"-", false, 0},          {" 1", false, 0},
        {"1 ", false, 0},         {"1.5", false, 0},
        {"$10", false, 0},        {"0x1g", false, 0},
    };
    for (const Row& row : rows) {
        int value = 12345;
        EXPECT_EQ(TryStrToInt(row.text, value), row.ok) << "'" << row.text << "'";
        if (row.ok) {
            EXPECT_EQ(value, row.value) << "'" << row.text << "'";
        }
    }
}

TEST(IntegerConversion, StrToIntRaisesTheConversionErrorNamingTheText) {
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}
