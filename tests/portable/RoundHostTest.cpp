#include <gtest/gtest.h>

#include "game/portable/RoundHost.h"

namespace {

TEST(RoundHost, ThousandSpinsFollowTheSixSpinCycle) {
    // A balance large enough that no spin is refused.
    const TRoundHostOptions options{
        .Spins = 1000, .Seed = 424242, .StakeIndex = 1, .NumberText = "23", .BalanceText = "1000000"};
    const auto reports = PlaySpins(options);
    ASSERT_EQ(reports.size(), 1000u);
    int wins = 0;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const TSpinReport& r = reports[i];
        const int position = static_cast<int>(i % 6) + 1;
        SCOPED_TRACE(FormatSpinReport(r));
        ASSERT_TRUE(r.Accepted);
        EXPECT_EQ(r.CyclePosition, position);
        if (position == 1) { EXPECT_TRUE(r.Won); }
        if (position >= 5) { EXPECT_FALSE(r.Won); }
        if (r.Won) {
            EXPECT_EQ(r.ResultText, "23");
            ++wins;
        } else {
            EXPECT_EQ(r.StatusText, "Kaybettiniz");
            const int shown = std::stoi(r.ResultText);
            EXPECT_TRUE(shown >= 0 && shown <= 36);
        }
        // Ticks every 100 ms, the decision at 2600 ms, the gauge full.
        EXPECT_EQ(r.DecisionAfter, 2600);
        EXPECT_EQ(r.ProgressTicks, 26);
        EXPECT_EQ(r.GaugeBeforeDecision, 100);
        EXPECT_EQ(r.GaugeAfterDecision, 100);
    }
    // Positions 2 to 4 win 75, 50 and 25 in 100: about 1 + 1.5 per cycle of six.
    EXPECT_GT(wins, 167 + 200);
    EXPECT_LT(wins, 167 + 300);
}

TEST(RoundHost, PlainTableRunsOutOfMoneyAndRefusesWithoutMovingTheCycle) {
    TRoundHostOptions options;
    options.Spins = 1000;
    options.StakeIndex = 3;  // 500 from 200: refused from the start
    const auto refused = PlaySpins(options);
    for (const auto& r : refused) {
        ASSERT_FALSE(r.Accepted);
        ASSERT_EQ(r.StatusText, "Bakiye yetersiz");
        ASSERT_EQ(r.BalanceText, "200");
    }

    options.StakeIndex = 2;  // 100 from 200
    const auto reports = PlaySpins(options);
    int accepted = 0;
    for (const auto& r : reports) {
        if (!r.Accepted) continue;
        ++accepted;
        const int position = (accepted - 1) % 6 + 1;
        EXPECT_EQ(r.CyclePosition, position);
        if (position == 1) { EXPECT_TRUE(r.Won); }
    }
    EXPECT_GE(accepted, 2);  // the first spin wins, so at least 300 is played
    EXPECT_FALSE(reports.back().Accepted);
    EXPECT_EQ(FormatSpinReport(reports.back()).find("refused") != std::string::npos, true);
}

TEST(RoundHost, SameSeedPlaysTheSameGame) {
    TRoundHostOptions options;
    options.Spins = 60;
    options.Seed = 7;
    const auto a = PlaySpins(options);
    const auto b = PlaySpins(options);
    options.Seed = 8;
    const auto c = PlaySpins(options);
    bool differs = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(FormatSpinReport(a[i]), FormatSpinReport(b[i]));
        differs = differs || FormatSpinReport(a[i]) != FormatSpinReport(c[i]);
    }
    EXPECT_TRUE(differs);
}

}  // namespace
