#include "skin/paint/portable/BlendBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// Round half to even of (1 - k) a + k b, computed in doubles: exact for
// factors that are multiples of 1/256 and within 1e-13 otherwise.
int Reference(int a, int b, double k) { return int(std::nearbyint((1 - k) * a + k * b)); }

// Distance of the exact value from the nearest half, in levels.
double DistanceFromHalf(int a, int b, double k) {
    const double v = (1 - k) * a + k * b;
    return std::fabs(v - std::floor(v) - 0.5);
}

// Blends every pair (a, b) of byte values with factor k and hands each
// result to check(a, b, got), stopping at the first failure.
template <typename F>
void ForEveryPair(double k, F check) {
    std::vector<std::uint8_t> as(65536), bs(65536);
    for (int i = 0; i < 65536; ++i) {
        as[std::size_t(i)] = std::uint8_t(i >> 8);
        bs[std::size_t(i)] = std::uint8_t(i);
    }
    BlendBytes(as.data(), bs.data(), as.size(), BlendWeight(k));
    for (int i = 0; i < 65536 && !::testing::Test::HasFatalFailure(); ++i)
        check(i >> 8, i & 255, int(as[std::size_t(i)]));
}

}  // namespace

TEST(BlendBytes, AnimationStepsAndMultiplesOf256thsAreExactlyRounded) {
    // The 0.2 steps the skinned elements morph by, as their timers sum them,
    // and factors with ties that must go to the even level.
    const double factors[] = {0.2, 0.2 + 0.2, 0.2 + 0.2 + 0.2, 0.2 + 0.2 + 0.2 + 0.2, 0.5, 0.25, 0.75,
                              1.0 / 256, 37.0 / 256, 255.0 / 256};
    for (double k : factors)
        ForEveryPair(k, [&](int a, int b, int got) {
            ASSERT_EQ(got, Reference(a, b, k)) << "k=" << k << " a=" << a << " b=" << b;
        });
}

TEST(BlendBytes, AnyFactorIsOffByAtMostOneLevelAndOnlyNextToAHalf) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> factor(0.0, 1.0);
    for (int round = 0; round < 20; ++round) {
        const double k = factor(random);
        ForEveryPair(k, [&](int a, int b, int got) {
            const int want = Reference(a, b, k);
            if (DistanceFromHalf(a, b, k) > 2.5 / 256) {
                ASSERT_EQ(got, want) << "k=" << k << " a=" << a << " b=" << b;
            } else {
                ASSERT_LE(std::abs(got - want), 1) << "k=" << k << " a=" << a << " b=" << b;
            }
        });
    }
}

TEST(BlendBytes, FactorsAtOrBeyondTheEndsKeepAOrCopyB) {
    EXPECT_EQ(BlendWeight(0), 0u);
    EXPECT_EQ(BlendWeight(-0.5), 0u);
    EXPECT_EQ(BlendWeight(std::nan("")), 0u);
    EXPECT_EQ(BlendWeight(1), 65536u);
    EXPECT_EQ(BlendWeight(1.5), 65536u);
    EXPECT_EQ(BlendWeight(0.5), 32768u);
    ForEveryPair(0, [](int a, int, int got) { ASSERT_EQ(got, a); });
    ForEveryPair(1.5, [](int, int b, int got) { ASSERT_EQ(got, b); });
    // A factor just inside the ends still blends.
    std::uint8_t a[1] = {0};
    const std::uint8_t b[1] = {255};
    BlendBytes(a, b, 1, BlendWeight(0.99));
    EXPECT_EQ(a[0], 252);
}

TEST(BlendBytes, EveryProcessorPathGivesThePortableLoopsBytes) {
    const std::vector<std::string> paths = BlendBytesPaths();
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(paths.back(), "scalar");
    EXPECT_EQ(paths.front(), BlendBytesPath());
    EXPECT_FALSE(BlendBytesVia("no such path", nullptr, nullptr, 0, 1));

    std::mt19937 random(11);
    std::vector<std::uint8_t> a(400), b(400);
    for (auto& v : a) v = std::uint8_t(random());
    for (auto& v : b) v = std::uint8_t(random());
    // Lengths shorter than, equal to and between vector widths, at every
    // alignment of the start, so short copies, head and tail vectors all run.
    for (std::uint32_t weight : {1u, 13107u, 32768u, 52429u, 65535u})
        for (std::size_t offset = 0; offset < 64; offset += 3)
            for (std::size_t n = 0; n <= 200; ++n) {
                std::vector<std::uint8_t> want = a;
                ASSERT_TRUE(BlendBytesVia("scalar", want.data() + offset, b.data() + offset, n, weight));
                for (const std::string& path : paths) {
                    std::vector<std::uint8_t> got = a;
                    ASSERT_TRUE(BlendBytesVia(path, got.data() + offset, b.data() + offset, n, weight));
                    ASSERT_EQ(got, want) << path << " weight " << weight << " offset " << offset << " n " << n;
                }
            }
}

// A benchmark forces each path in turn: the morph must then run that path
// (the name says so, the bytes stay the portable loop's), a path the
// processor lacks must change nothing, and "" must give the best one back.
TEST(BlendBytes, AForcedPathIsTheOneBlendBytesRunsUntilReleased) {
    const std::vector<std::string> paths = BlendBytesPaths();
    std::mt19937 random(5);
    std::vector<std::uint8_t> a(333), b(333);
    for (auto& v : a) v = std::uint8_t(random());
    for (auto& v : b) v = std::uint8_t(random());
    std::vector<std::uint8_t> want = a;
    ASSERT_TRUE(BlendBytesVia("scalar", want.data(), b.data(), want.size(), 13107));
    for (const std::string& path : paths) {
        ASSERT_TRUE(ForceBlendBytesPath(path));
        EXPECT_EQ(BlendBytesPath(), path);
        std::vector<std::uint8_t> got = a;
        BlendBytes(got.data(), b.data(), got.size(), 13107);
        EXPECT_EQ(got, want) << path;
    }
    EXPECT_FALSE(ForceBlendBytesPath("no such path"));
    EXPECT_EQ(BlendBytesPath(), paths.back());  // still the last one forced
    ASSERT_TRUE(ForceBlendBytesPath(""));
    EXPECT_EQ(BlendBytesPath(), paths.front());
}
