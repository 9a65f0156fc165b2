// Large pixel blocks are kept for the next picture of their size, within
// bounds; small ones and oversized ones go back to the heap.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/portable/PixelBuffer.h"
#include "platform/portable/PixelMemory.h"

namespace {

class PixelMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { pixelmemory::Trim(); }
    void TearDown() override { pixelmemory::Trim(); }
};

TEST_F(PixelMemoryTest, AWindowSizedPictureMadeAgainGetsTheBlockTheLastOneLeft) {
    const std::uint32_t* first = nullptr;
    {
        TPixelBuffer frame(777, 333);  // about 1 MB
        first = frame.Pixels.data();
    }
    EXPECT_EQ(pixelmemory::Stats().KeptBlocks, 1u);
    const std::size_t reused = pixelmemory::Stats().Reused;
    // A window a few pixels wider rounds to the same block; it is still
    // filled as asked.
    TPixelBuffer wider(780, 333, 0x12345678u);
    EXPECT_EQ(wider.Pixels.data(), first);
    EXPECT_EQ(pixelmemory::Stats().Reused, reused + 1);
    EXPECT_EQ(pixelmemory::Stats().KeptBlocks, 0u);
    for (std::uint32_t p : wider.Pixels) ASSERT_EQ(p, 0x12345678u);
}

TEST_F(PixelMemoryTest, SmallPicturesAreNotKeptAndLargeOnesOnlyUpToTheBounds) {
    { TPixelBuffer button(75, 25); }
    EXPECT_EQ(pixelmemory::Stats().KeptBlocks, 0u);

    // More large pictures than may be kept: the oldest go back first.
    {
        std::vector<TPixelBuffer> many;
        for (int i = 0; i < int(pixelmemory::MaxKeptBlocks) + 3; ++i) many.emplace_back(128, 128 + i);  // 64 KB and up
    }
    EXPECT_EQ(pixelmemory::Stats().KeptBlocks, pixelmemory::MaxKeptBlocks);
    EXPECT_LE(pixelmemory::Stats().KeptBytes, pixelmemory::MaxKeptBytes);

    // The kept bytes never pass their bound, and one picture larger than
    // that bound is freed at once.
    pixelmemory::Trim();
    {
        std::vector<TPixelBuffer> many;
        for (int i = 0; i < 12; ++i) many.emplace_back(1024, 1024 + i);  // 4 MB each
    }
    EXPECT_LE(pixelmemory::Stats().KeptBytes, pixelmemory::MaxKeptBytes);
    EXPECT_LT(pixelmemory::Stats().KeptBlocks, 12u);
    pixelmemory::Trim();
    { TPixelBuffer huge(4096, 4096); }  // 64 MB
    EXPECT_EQ(pixelmemory::Stats().KeptBlocks, 0u);
    EXPECT_EQ(pixelmemory::Stats().KeptBytes, 0u);
}

TEST_F(PixelMemoryTest, UnfilledBuffersHaveTheirSizeAndTheBoundsOfTheFilledOnes) {
    const TPixelBuffer b = TPixelBuffer::Unfilled(300, 200);
    EXPECT_EQ(b.Width, 300);
    EXPECT_EQ(b.Height, 200);
    EXPECT_EQ(b.Pixels.size(), 60000u);
    EXPECT_TRUE(TPixelBuffer::Unfilled(0, 5).Empty());
    EXPECT_TRUE(TPixelBuffer::Unfilled(-3, 5).Pixels.empty());
    EXPECT_ANY_THROW(TPixelBuffer::Unfilled(65536, 65536));
    EXPECT_ANY_THROW(TPixelBuffer::Unfilled(MaxPixelSide + 1, 1));
}

}  // namespace
