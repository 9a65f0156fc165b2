#include "skin/paint/portable/LayerFade.h"
#include "skin/paint/portable/LayeredApiVersion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> RunFade(int alphaValue, int maxTicks = 1000) {
    TLayerFade fade;
    fade.Start(alphaValue);
    std::vector<int> steps;
    while (fade.Running() && int(steps.size()) < maxTicks) steps.push_back(fade.Tick());
    return steps;
}

TEST(LayerFadeTest, AlphaHundredRisesByTenInTenTicks) {
    EXPECT_EQ(RunFade(100), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(LayerFadeTest, OpaqueTargetClampsTheLastStep) {
    const std::vector<int> steps = RunFade(255);
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(steps[9], 250);
    EXPECT_EQ(steps[10], 255);
}

TEST(LayerFadeTest, SmallTargetStillFadesInAndStops) {
    EXPECT_EQ(RunFade(5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(RunFade(1), (std::vector<int>{1}));
}

TEST(LayerFadeTest, OutOfRangeTargetsAreClampedNotWrapped) {
    TLayerFade fade;
    fade.Start(300);
    EXPECT_EQ(fade.Target(), 255);
    EXPECT_EQ(fade.StepSize(), 25);
    EXPECT_EQ(RunFade(300).back(), 255);
    // A negative or zero target ends on the first tick at 0.
    EXPECT_EQ(RunFade(-40), (std::vector<int>{0}));
    EXPECT_EQ(RunFade(0), (std::vector<int>{0}));
}

TEST(LayerFadeTest, StoppedFadeIgnoresTicksAndRestartsFromZero) {
    TLayerFade fade;
    fade.Start(100);
    fade.Tick();
    fade.Stop();
    EXPECT_EQ(fade.Tick(), 10);
    fade.Start(50);
    EXPECT_EQ(fade.Current(), 0);
    EXPECT_EQ(fade.Tick(), 5);
}

struct VersionCase {
    int Major, Minor;
    bool Layered, XP, Vista, Seven;
};

TEST(LayeredApiVersionTest, ChecksFollowTheVersionBoundaries) {
    const VersionCase cases[] = {
        {4, 0, false, false, false, false}, {4, 90, false, false, false, false},
        {5, 0, true, false, false, false},  {5, 1, true, true, false, false},
        {5, 2, true, true, false, false},   {6, 0, true, true, true, false},
        {6, 1, true, true, true, true},     {6, 2, true, true, true, false},
        {10, 0, true, true, true, false},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Major << "." << c.Minor);
        const TPlatformVersion v{c.Major, c.Minor};
        EXPECT_EQ(LayeredWindowsAvailable(v), c.Layered);
        EXPECT_EQ(IsWindowsXPOrLater(v), c.XP);
        EXPECT_EQ(IsVistaOrLater(v), c.Vista);
        EXPECT_EQ(IsWindows7(v), c.Seven);
    }
}

TEST(LayeredApiVersionTest, DecodesMajorAndMinorFromTheVersionWord) {
    const TPlatformVersion v = DecodePlatformVersion(0x1DB10106u);  // 6.1, build in the high word
    EXPECT_EQ(v.Major, 6);
    EXPECT_EQ(v.Minor, 1);
}

}  // namespace
