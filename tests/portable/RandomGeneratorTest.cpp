#include <gtest/gtest.h>

#include <cstdint>

#include "game/portable/RandomGenerator.h"

namespace {

class TFixedSeed : public ISeedSource {
public:
    std::uint32_t Seed = 0;
    std::uint32_t ReadSeed() override { return Seed; }
};

// Expected values worked out by hand from seed := seed * 134775813 + 1
// (mod 2^32) and draw := (seed * n) >> 32.
TEST(SeededGenerator, FollowsRecurrenceAndTakesUpperHalfOfProduct) {
    TFixedSeed source;
    TSeededGenerator generator(source);
    generator.Reseed();
    const struct { int n; std::uint32_t seed; int draw; } steps[] = {
        {100, 1u, 0},                // 0 * a + 1
        {100, 134775814u, 3},        // 13477581400 >> 32
        {100, 3698175007u, 86},
        {37, 870078620u, 7},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(generator.Draw(step.n), step.draw);
        EXPECT_EQ(generator.GetSeed(), step.seed);
    }
}

TEST(SeededGenerator, WrapsModulo2To32WithoutLeavingRange) {
    TFixedSeed source;
    source.Seed = 0xFFFFFFFFu;
    TSeededGenerator generator(source);
    generator.Reseed();
    EXPECT_EQ(generator.Draw(37), 35);  // seed 4160191484
    EXPECT_EQ(generator.GetSeed(), 4160191484u);
    EXPECT_EQ(generator.Draw(100), 20);  // seed 866343917
    // 1298181734 is the seed whose successor is 2^32 - 1, the largest: the
    // draw is still below n.
    generator.SetSeed(1298181734u);
    EXPECT_EQ(generator.Draw(100), 99);
    EXPECT_EQ(generator.GetSeed(), 0xFFFFFFFFu);
    generator.SetSeed(1298181734u);
    EXPECT_EQ(generator.Draw(37), 36);
}

TEST(SeededGenerator, ReseedTakesTheSourcesValueEachTime) {
    TFixedSeed source;
    source.Seed = 12345;
    TSeededGenerator generator(source);
    generator.Reseed();
    EXPECT_EQ(generator.Draw(100), 38);  // seed 1655067934
    EXPECT_EQ(generator.Draw(37), 10);   // seed 1242767767
    generator.Reseed();                  // same counter value, same sequence
    EXPECT_EQ(generator.Draw(100), 38);
}

}  // namespace
