#include <gtest/gtest.h>

#include <string>

#include "game/portable/Base64.h"
#include "game/portable/RouletteRound.h"
#include "platform/portable/Exception.h"

namespace {

TEST(Base64Decoder, DecodesRfc4648TestVectors) {
    const struct { const char* encoded; const char* decoded; } vectors[] = {
        {"", ""}, {"Zg==", "f"}, {"Zm8=", "fo"}, {"Zm9v", "foo"},
        {"Zm9vYg==", "foob"}, {"Zm9vYmE=", "fooba"}, {"Zm9vYmFy", "foobar"},
    };
    TBase64Decoder decoder;
    for (const auto& v : vectors) EXPECT_EQ(decoder.DecodeString(v.encoded), v.decoded) << v.encoded;
}

TEST(Base64Decoder, DecodesEveryAlphabetCharacterAndHighBytes) {
    // "+/" and digits, and bytes above 0x7F.
    EXPECT_EQ(TBase64Decoder().DecodeString("+/+/"), std::string("\xFB\xFF\xBF"));
    EXPECT_EQ(TBase64Decoder().DecodeString("AAEC"), std::string("\x00\x01\x02", 3));
    EXPECT_EQ(TBase64Decoder().DecodeString("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
              std::string("\x00\x10\x83\x10\x51\x87\x20\x92\x8b\x30\xd3\x8f\x41\x14\x93\x51\x55\x97"
                          "\x61\x96\x9b\x71\xd7\x9f\x82\x18\xa3\x92\x59\xa7\xa2\x9a\xab\xb2\xdb\xaf"
                          "\xc3\x1c\xb3\xd3\x5d\xb7\xe3\x9e\xbb\xf3\xdf\xbf", 48));
}

TEST(Base64Decoder, LengthNotMultipleOfFourFailsWithFixedText) {
    for (const char* input : {"Z", "Zg", "Zg=", "Zm9vY", "Zm9vYmFy="}) {
        try {
            TBase64Decoder().DecodeString(input);
            ADD_FAILURE() << "no error for " << input;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Uneven size in DecodeToStream.");
        }
    }
}

TEST(Base64Decoder, FillCharacterEndsOnlyItsOwnGroup) {
    EXPECT_EQ(TBase64Decoder().DecodeString("Zg==Zg=="), "ff");
    EXPECT_EQ(TBase64Decoder().DecodeString("Zg=AZm8="), "ffo");  // third is fill: one byte
    // Another fill character: "=" is then an ordinary (zero) character.
    EXPECT_EQ(TBase64Decoder('*').DecodeString("Zg**"), "f");
    EXPECT_EQ(TBase64Decoder('*').DecodeString("Zg=="), std::string("f\0\0", 3));
    // Outside the alphabet counts as zero bits.
    EXPECT_EQ(TBase64Decoder().DecodeString("Zg!!"), std::string("f\0\0", 3));
}

TEST(PrizeText, HalvesAreTenCharactersAndDecodeToFifteen) {
    EXPECT_EQ(std::string(SPrizePieceLiteral).size(), 10u);
    EXPECT_EQ(std::string(SPrizeSecondPiece).size(), 10u);
    const std::string prize = TBase64Decoder().DecodeString(std::string(SPrizePieceLiteral) + SPrizeSecondPiece);
    EXPECT_EQ(prize, "Buyuk Ikramiye!");
    EXPECT_EQ(prize.size(), 15u);
}

}  // namespace
