#include <gtest/gtest.h>

#include "tools/zevrak/BmpWriter.h"

namespace zevrak {
namespace {

std::uint32_t U32(const TBytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(const TBytes& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

TEST(BmpWriter, TwentyFourBitRowsAreBottomUpBlueFirstAndPadded) {
    // 3 x 2: each pixel encodes its coordinates in red and green.
    TCanvas c(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) c.At(x, y) = TRgb{float(x * 50) / 255.0f, float(y * 100) / 255.0f, 1};
    TBytes b = EncodeBmp24(c);
    const std::size_t row = 12;  // 9 bytes padded to 12
    ASSERT_EQ(b.size(), 54 + 2 * row);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 3u);
    EXPECT_EQ(U32(b, 22), 2u);
    EXPECT_EQ(U16(b, 28), 24);
    EXPECT_EQ(U32(b, 34), 2 * row);
    for (int y = 0; y < 2; ++y) {
        std::size_t start = 54 + std::size_t(1 - y) * row;  // bottom row first
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(b[start + std::size_t(x) * 3 + 0], 255) << "x=" << x << " y=" << y;
            EXPECT_EQ(b[start + std::size_t(x) * 3 + 1], y * 100) << "x=" << x << " y=" << y;
            EXPECT_EQ(b[start + std::size_t(x) * 3 + 2], x * 50) << "x=" << x << " y=" << y;
        }
        EXPECT_EQ(b[start + 9], 0);
        EXPECT_EQ(b[start + 11], 0);
    }
}

TEST(BmpWriter, OneBitMaskHasBlackAndWhiteTableAndMostSignificantBitFirst) {
    TCanvas c(10, 2, TRgb{1, 1, 1});
    c.At(0, 0) = TRgb{};                 // black: bit 0
    c.At(9, 0) = TRgb{};
    c.At(8, 1) = TRgb{0.4f, 0.4f, 0.4f};  // dark grey counts as black
    TBytes b = EncodeBmp1(c);
    ASSERT_EQ(b.size(), 62u + 2 * 4);
    EXPECT_EQ(U32(b, 10), 62u);
    EXPECT_EQ(U16(b, 28), 1);
    EXPECT_EQ(U32(b, 46), 2u);
    EXPECT_EQ(U32(b, 54), 0x00000000u);
    EXPECT_EQ(U32(b, 58), 0x00FFFFFFu);
    // Bottom row (y = 1) first: all white but x = 8.
    EXPECT_EQ(b[62], 0xFF);
    EXPECT_EQ(b[63], 0x40);  // x 8 black, x 9 white, the padding bits zero
    EXPECT_EQ(b[64], 0);
    // Top row: x 0 and x 9 black.
    EXPECT_EQ(b[66], 0x7F);
    EXPECT_EQ(b[67], 0x80);
}

}  // namespace
}  // namespace zevrak
