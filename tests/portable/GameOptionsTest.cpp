// The game's command line: the skin file in both spellings, and the
// mistakes a person makes typing it.
#include "game/portable/GameOptions.h"

#include <gtest/gtest.h>

namespace {

struct TOptionsCase {
    std::vector<std::string> Args;
    std::string SkinFile;
    bool Error;
};

TEST(GameOptions, SkinFileInBothSpellingsAndMistakes) {
    const TOptionsCase cases[] = {
        {{}, "", false},
        {{"--skin", "Blue.skn"}, "Blue.skn", false},
        {{"--skin=C:\\skins\\Blue Sky.skn"}, "C:\\skins\\Blue Sky.skn", false},
        {{"--skin", "a.skn", "--skin", "b.skn"}, "b.skn", false},  // the last one counts
        {{"--skin"}, "", true},
        {{"--skin", ""}, "", true},
        {{"--skin="}, "", true},
        {{"--skin", "a.skn", "--fast"}, "a.skn", true},  // read up to the unknown one
        {{"Blue.skn"}, "", true},
        {{"--SKIN", "Blue.skn"}, "", true},
    };
    for (const TOptionsCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.Args) shown += "[" + a + "]";
        SCOPED_TRACE(shown);
        const TGameOptions options = ParseGameOptions(c.Args);
        EXPECT_EQ(options.SkinFile, c.SkinFile);
        EXPECT_EQ(!options.Error.empty(), c.Error) << options.Error;
    }
    EXPECT_NE(ParseGameOptions({"--fast"}).Error.find("--fast"), std::string::npos) << "names the argument";
}

TEST(GameOptions, FailureTextNamesTheFileAndTheReason) {
    const std::string text = SkinFileFailureText("C:\\x%2.skn", "not a skin file");
    EXPECT_NE(text.find("\"C:\\x%2.skn\""), std::string::npos);
    EXPECT_NE(text.find("not a skin file"), std::string::npos);
    EXPECT_NE(text.find("built-in skin"), std::string::npos);
}

}  // namespace
