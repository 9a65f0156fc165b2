// The pictures the game carries must stay what the window and the shell
// expect, however they are regenerated.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& relative) {
    std::ifstream in(std::string(RDZ_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned Big16(const std::vector<std::uint8_t>& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
unsigned Little16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

TEST(GameResources, TablePictureIsBaselineJfif565x239ThreeComponents96Dpi) {
    const auto jpeg = ReadFile("game/res/table.jpg");
    ASSERT_GT(jpeg.size(), 20u) << "game/res/table.jpg missing";
    ASSERT_EQ(Big16(jpeg, 0), 0xFFD8u);  // start of image
    bool sawJfif = false, sawFrame = false;
    for (std::size_t at = 2; at + 4 <= jpeg.size() && !sawFrame;) {
        ASSERT_EQ(jpeg[at], 0xFF) << "marker expected at " << at;
        const unsigned marker = jpeg[at + 1];
        const unsigned length = Big16(jpeg, at + 2);
        ASSERT_LE(at + 2 + length, jpeg.size());
        const std::size_t body = at + 4;
        if (marker == 0xE0 && std::string(jpeg.begin() + body, jpeg.begin() + body + 5) == std::string("JFIF\0", 5)) {
            sawJfif = true;
            EXPECT_EQ(jpeg[body + 5], 1);         // version 1.01
            EXPECT_EQ(jpeg[body + 6], 1);
            EXPECT_EQ(jpeg[body + 7], 1);         // dots per inch
            EXPECT_EQ(Big16(jpeg, body + 8), 96u);
            EXPECT_EQ(Big16(jpeg, body + 10), 96u);
        }
        EXPECT_NE(marker, 0xC2u) << "progressive frame";
        if (marker == 0xC0) {  // baseline frame
            sawFrame = true;
            EXPECT_EQ(jpeg[body], 8);             // bits per sample
            EXPECT_EQ(Big16(jpeg, body + 1), 239u);
            EXPECT_EQ(Big16(jpeg, body + 3), 565u);
            EXPECT_EQ(jpeg[body + 5], 3);         // Y, Cb, Cr
        }
        at += 2 + length;
    }
    EXPECT_TRUE(sawJfif);
    EXPECT_TRUE(sawFrame) << "no baseline frame before the other markers ended";
}

TEST(GameResources, IconHoldsWheelAt16_32_48And256Pixels) {
    const auto ico = ReadFile("game/res/Game.ico");
    ASSERT_GE(ico.size(), 6u) << "game/res/Game.ico missing";
    EXPECT_EQ(Little16(ico, 0), 0u);
    EXPECT_EQ(Little16(ico, 2), 1u);  // icon, not cursor
    const unsigned count = Little16(ico, 4);
    ASSERT_EQ(count, 4u);
    const unsigned sizes[] = {16, 32, 48, 256};
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        ASSERT_LE(entry + 16, ico.size());
        const unsigned width = ico[entry] == 0 ? 256 : ico[entry];
        EXPECT_EQ(width, sizes[i]);
        EXPECT_EQ(Little16(ico, entry + 6), 32u);  // bits per pixel
        const std::uint32_t bytes = ico[entry + 8] | ico[entry + 9] << 8 | ico[entry + 10] << 16 | ico[entry + 11] << 24;
        const std::uint32_t offset = ico[entry + 12] | ico[entry + 13] << 8 | ico[entry + 14] << 16 | ico[entry + 15] << 24;
        EXPECT_LE(std::uint64_t(offset) + bytes, ico.size()) << "image " << i << " runs past the file";
    }
}

}  // namespace
