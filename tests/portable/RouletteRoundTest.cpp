#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "game/portable/Base64.h"
#include "game/portable/RouletteRound.h"
#include "platform/portable/Exception.h"

namespace {

// A table on plain values that logs every call the round makes, and lets a
// test run code where the real window would pump messages.
class TFakeView : public ITableView {
public:
    std::string Balance = "200";
    int StakeIndex = 0;
    std::string Number = "0";
    std::string Result;
    std::string Status = SStatusWaiting;
    int Gauge = 0;
    bool SpinEnabled = true;
    bool ProgressOn = false;
    bool DecisionOn = false;
    std::vector<std::string> Log;
    std::function<void()> OnPendingEvents;
    std::function<void(const std::string&)> OnStatus;  // runs after the status is set

    std::string GetBalanceText() const override { return Balance; }
    void SetBalanceText(const std::string& t) override { Balance = t; Log.push_back("balance " + t); }
    int GetStakeIndex() const override { return StakeIndex; }
    std::string GetNumberText() const override { return Number; }
    void SetResultText(const std::string& t) override { Result = t; Log.push_back("result " + t); }
    void SetStatusText(const std::string& t) override {
        Status = t;
        Log.push_back("status " + t);
        if (OnStatus) OnStatus(t);
    }
    int GetGaugeValue() const override { return Gauge; }
    void SetGaugeValue(int v) override {
        Gauge = v < 0 ? 0 : v > 100 ? 100 : v;
        Log.push_back("gauge " + std::to_string(Gauge));
    }
    void SetSpinEnabled(bool e) override { SpinEnabled = e; Log.push_back(e ? "enable" : "disable"); }
    void SetProgressTimerOn(bool on) override { ProgressOn = on; Log.push_back(on ? "progress on" : "progress off"); }
    void SetDecisionTimerOn(bool on) override { DecisionOn = on; Log.push_back(on ? "decision on" : "decision off"); }
    void ProcessPendingEvents() override {
        Log.push_back("pump");
        if (OnPendingEvents) OnPendingEvents();
    }
    std::string DecodeBase64(const std::string& t) override { return TBase64Decoder('=').DecodeString(t); }
};

// Draws come from a script; an exhausted script fails the test.
class TScriptedRandom : public IRandomSource {
public:
    std::deque<int> Draws;
    std::vector<int> Ranges;  // the n of each draw asked for
    int Reseeds = 0;

    void Reseed() override { ++Reseeds; }
    int Draw(int n) override {
        Ranges.push_back(n);
        if (Draws.empty()) {
            ADD_FAILURE() << "unexpected draw below " << n;
            return 0;
        }
        const int d = Draws.front();
        Draws.pop_front();
        return d;
    }
};

class RouletteRoundTest : public ::testing::Test {
protected:
    TFakeView View;
    TScriptedRandom Random;
    TRouletteRound Round{View, Random};

    // One accepted spin and its decision, with the given draws.
    void PlaySpin(std::initializer_list<int> draws) {
        Random.Draws.insert(Random.Draws.end(), draws);
        Round.Spin();
        ASSERT_EQ(Round.GetState(), TRoundState::rsSpinning) << "status " << View.Status;
        Round.DecisionTick();
        ASSERT_EQ(Round.GetState(), TRoundState::rsIdle);
    }

    bool IdleTable() const { return View.SpinEnabled && !View.ProgressOn && !View.DecisionOn; }
};

TEST_F(RouletteRoundTest, FirstSpinWinsAndPaysOneStakeNet) {
    View.Number = "17";
    Random.Draws = {99};  // the highest draw still wins the first spin
    Round.Spin();
    EXPECT_EQ(View.Balance, "195");
    EXPECT_EQ(View.Status, "Cekiliyor");
    EXPECT_EQ(View.Result, "");
    EXPECT_EQ(View.Gauge, 0);
    EXPECT_FALSE(View.SpinEnabled);
    EXPECT_TRUE(View.ProgressOn);
    EXPECT_TRUE(View.DecisionOn);
    EXPECT_EQ(Round.GetSpinCount(), 1);

    Round.DecisionTick();
    EXPECT_EQ(View.Balance, "205");
    EXPECT_EQ(View.Result, "17");
    EXPECT_EQ(View.Status, "Tebrikler Kazandiniz!");
    EXPECT_EQ(View.Gauge, 100);
    EXPECT_TRUE(IdleTable());
    EXPECT_EQ(Random.Ranges, (std::vector<int>{100}));
    EXPECT_EQ(Random.Reseeds, 2);  // once at the request, once at the decision
}

TEST_F(RouletteRoundTest, SpinRequestStepsRunInOrder) {
    Round.Spin();
    EXPECT_EQ(View.Log, (std::vector<std::string>{"pump", "result ", "decision on", "progress on", "disable",
                                                  "balance 195", "gauge 0", "status Cekiliyor"}));
}

// The status after the spin at the given position (counting from the first
// spin of a fresh round) decided with the given draw; earlier spins draw 0.
std::string StatusOfSpinAt(int position, int draw) {
    TFakeView view;
    view.Balance = "1000";  // below the prize at every spin
    TScriptedRandom random;
    for (int j = 1; j < position; ++j) {
        const int inCycle = (j - 1) % 6 + 1;
        random.Draws.push_back(0);
        if (inCycle >= 5) random.Draws.push_back(0);  // the loss's shown number
    }
    random.Draws.push_back(draw);
    random.Draws.push_back(36);  // shown if this spin loses
    TRouletteRound round(view, random);
    for (int j = 1; j <= position; ++j) {
        round.Spin();
        round.DecisionTick();
    }
    return view.Status;
}

TEST(RouletteRoundCycle, WinThresholdFallsBy25PerSpinAndRestartsAfterSix) {
    const struct { int position; int draw; const char* status; } rows[] = {
        {1, 99, SStatusWon},
        {2, 74, SStatusWon}, {2, 75, SStatusLost},
        {3, 49, SStatusWon}, {3, 50, SStatusLost},
        {4, 24, SStatusWon}, {4, 25, SStatusLost},
        {5, 0, SStatusLost},
        {6, 0, SStatusLost},
        {7, 99, SStatusWon},
        {8, 74, SStatusWon}, {8, 75, SStatusLost},
        {11, 0, SStatusLost}, {12, 0, SStatusLost}, {13, 99, SStatusWon},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StatusOfSpinAt(row.position, row.draw), row.status)
            << "spin " << row.position << " draw " << row.draw;
}

TEST_F(RouletteRoundTest, FifthAndSixthSpinsLoseEvenWithLowestDrawAndSeventhWins) {
    View.Balance = "1000";
    for (int k = 1; k <= 4; ++k) PlaySpin({0});
    PlaySpin({0, 5});
    EXPECT_EQ(View.Status, SStatusLost);
    PlaySpin({0, 6});
    EXPECT_EQ(View.Status, SStatusLost);
    EXPECT_EQ(Round.GetSpinCount(), 0);
    View.Number = "00";
    PlaySpin({99});
    EXPECT_EQ(View.Status, SStatusWon);
    EXPECT_EQ(View.Result, "00");
    EXPECT_EQ(Round.GetSpinCount(), 1);
}

TEST_F(RouletteRoundTest, StakeComesFromIndexAndUnknownIndexStakesFive) {
    const struct { int index; const char* during; } rows[] = {
        {0, "995"}, {1, "975"}, {2, "900"}, {3, "500"}, {-1, "995"}, {4, "995"}, {99, "995"},
    };
    for (const auto& row : rows) {
        TFakeView view;
        view.Balance = "1000";
        view.StakeIndex = row.index;
        TScriptedRandom random;
        TRouletteRound round(view, random);
        round.Spin();
        EXPECT_EQ(view.Balance, row.during) << "index " << row.index;
    }
}

TEST_F(RouletteRoundTest, ZeroBalanceRefusesEveryStakeAndChangesNothingElse) {
    View.Balance = "0";
    View.Result = "12";
    View.Gauge = 40;
    for (int index = -1; index <= 3; ++index) {
        View.StakeIndex = index;
        View.Log.clear();
        Round.Spin();
        EXPECT_EQ(View.Log, (std::vector<std::string>{"status Bakiye yetersiz"})) << "index " << index;
    }
    EXPECT_EQ(View.Balance, "0");
    EXPECT_EQ(View.Result, "12");
    EXPECT_EQ(View.Gauge, 40);
    EXPECT_TRUE(IdleTable());
    EXPECT_EQ(Round.GetSpinCount(), 0);
    EXPECT_EQ(Round.GetState(), TRoundState::rsIdle);
}

TEST_F(RouletteRoundTest, StakeEqualToBalanceIsAcceptedOneMoreIsNot) {
    View.Balance = "499";
    View.StakeIndex = 3;
    Round.Spin();
    EXPECT_EQ(View.Status, SStatusInsufficientBalance);
    View.Balance = "500";
    Round.Spin();
    EXPECT_EQ(View.Balance, "0");
    EXPECT_EQ(Round.GetState(), TRoundState::rsSpinning);
}

TEST_F(RouletteRoundTest, RefusedRequestDoesNotAdvanceTheCycle) {
    View.Balance = "3";
    Round.Spin();
    Round.Spin();
    View.Balance = "200";
    PlaySpin({99});  // still the first spin of the cycle: wins with any draw
    EXPECT_EQ(View.Status, SStatusWon);
}

TEST_F(RouletteRoundTest, PrizeShowsOnlyForWinsEndingAbove8000) {
    View.Balance = "7995";  // 7995 - 5 + 10 = 8000: the plain win text
    PlaySpin({0});
    EXPECT_EQ(View.Balance, "8000");
    EXPECT_EQ(View.Status, SStatusWon);

    TFakeView view;
    view.Balance = "7996";  // ends at 8001: the prize
    TScriptedRandom random;
    random.Draws = {0};
    TRouletteRound round(view, random);
    round.Spin();
    round.DecisionTick();
    EXPECT_EQ(view.Balance, "8001");
    EXPECT_EQ(view.Status, "Buyuk Ikramiye!");
    EXPECT_EQ(view.Log.back(), "enable");

    View.Balance = "50000";  // a loss never shows the prize
    PlaySpin({99, 3});
    EXPECT_EQ(View.Status, SStatusLost);
    EXPECT_EQ(View.Balance, "49995");
}

TEST_F(RouletteRoundTest, LossShowsDrawBelow37NeverTheChosenNumber) {
    View.Number = "00";
    PlaySpin({0});  // spin 1 always wins and shows the number
    EXPECT_EQ(View.Result, "00");
    PlaySpin({99, 36});
    EXPECT_EQ(View.Result, "36");
    EXPECT_EQ(View.Status, SStatusLost);
    PlaySpin({99, 0});
    EXPECT_EQ(View.Result, "0");
    EXPECT_EQ(Random.Ranges, (std::vector<int>{100, 100, 37, 100, 37}));
}

TEST_F(RouletteRoundTest, NumberIsReadAtDecisionStakeAtRequest) {
    View.Number = "3";
    View.StakeIndex = 2;
    Random.Draws = {0};
    Round.Spin();
    View.Number = "28";
    View.StakeIndex = 0;
    Round.DecisionTick();
    EXPECT_EQ(View.Result, "28");
    EXPECT_EQ(View.Balance, "300");  // 200 - 100 + 200
}

TEST_F(RouletteRoundTest, GaugeRisesByFourClampsAt100AndIsFullAtDecision) {
    Random.Draws = {0};
    Round.Spin();
    for (int tick = 1; tick <= 24; ++tick) {
        Round.ProgressTick();
        ASSERT_EQ(View.Gauge, 4 * tick);
    }
    Round.ProgressTick();
    EXPECT_EQ(View.Gauge, 100);
    Round.ProgressTick();
    EXPECT_EQ(View.Gauge, 100);
    View.Gauge = 37;  // whatever it shows, the decision fills it
    Round.DecisionTick();
    EXPECT_EQ(View.Gauge, 100);
}

TEST_F(RouletteRoundTest, TicksOutsideASpinDoNothing) {
    Round.ProgressTick();
    Round.DecisionTick();
    EXPECT_TRUE(View.Log.empty());
    PlaySpin({0});
    View.Log.clear();
    Round.DecisionTick();  // a second decision for the same spin
    Round.ProgressTick();
    EXPECT_TRUE(View.Log.empty());
    EXPECT_EQ(View.Balance, "205");
}

TEST_F(RouletteRoundTest, SecondClickQueuedDuringSpinRequestIsIgnored) {
    int nested = 0;
    View.OnPendingEvents = [&] {
        ++nested;
        Round.Spin();  // the queued click
        Round.DecisionTick();  // a stale decision tick
    };
    Random.Draws = {0};
    Round.Spin();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(View.Balance, "195");
    EXPECT_EQ(Round.GetSpinCount(), 1);
    Round.Spin();  // clicks while spinning do nothing either
    EXPECT_EQ(View.Balance, "195");
    Round.DecisionTick();
    EXPECT_EQ(View.Balance, "205");
}

TEST_F(RouletteRoundTest, DecisionStopsTimersBeforeAnythingCanPumpAndPaysOnce) {
    View.Balance = "7996";
    Random.Draws = {0};
    Round.Spin();
    View.Log.clear();
    int reentered = 0;
    // A modal loop inside the decision: the periodic timers would tick again.
    View.OnStatus = [&](const std::string&) {
        if (reentered++ > 0) return;
        EXPECT_FALSE(View.ProgressOn);
        EXPECT_FALSE(View.DecisionOn);
        Round.DecisionTick();
        Round.ProgressTick();
        Round.Spin();
    };
    Round.DecisionTick();
    EXPECT_EQ(View.Balance, "8001");
    EXPECT_EQ(View.Log[0], "progress off");
    EXPECT_EQ(View.Log[1], "decision off");
    EXPECT_EQ(View.Log.back(), "enable");
    EXPECT_EQ(Round.GetState(), TRoundState::rsIdle);
    EXPECT_TRUE(IdleTable());
    EXPECT_EQ(View.Gauge, 100);
}

TEST_F(RouletteRoundTest, FailedPrizeDecodeStillRestoresTheTable) {
    class TBrokenDecoderView : public TFakeView {
    public:
        std::string DecodeBase64(const std::string&) override { throw Exception(SUnevenSizeInDecodeToStream); }
    } view;
    view.Balance = "9000";
    TScriptedRandom random;
    random.Draws = {0};
    TRouletteRound round(view, random);
    round.Spin();
    EXPECT_THROW(round.DecisionTick(), Exception);
    EXPECT_TRUE(view.SpinEnabled);
    EXPECT_FALSE(view.ProgressOn || view.DecisionOn);
    EXPECT_EQ(view.Gauge, 100);
    EXPECT_EQ(round.GetState(), TRoundState::rsIdle);
}

TEST_F(RouletteRoundTest, UnreadableBalanceChangesNothingAndSaysSo) {
    for (const char* text : {"", "abc", "12x", "1 2", "2147483648", "-2147483649", "99999999999999999999", "-", "0x10"}) {
        View.Balance = text;
        View.Log.clear();
        EXPECT_NO_THROW(Round.Spin()) << text;
        EXPECT_EQ(View.Log, (std::vector<std::string>{"status Bakiye okunamadi"})) << "'" << text << "'";
        EXPECT_EQ(View.Balance, text);
    }
    EXPECT_EQ(Round.GetSpinCount(), 0);
    EXPECT_TRUE(IdleTable());
}

TEST_F(RouletteRoundTest, BalanceSaturatesInsteadOfOverflowing) {
    View.Balance = "2147483647";
    View.StakeIndex = 3;
    PlaySpin({0});
    EXPECT_EQ(View.Balance, "2147483647");
    EXPECT_EQ(Round.GetBalance(), std::numeric_limits<std::int32_t>::max());
    // Negative balances parse but refuse every stake.
    View.Balance = "-2147483648";
    Round.Spin();
    EXPECT_EQ(View.Status, SStatusInsufficientBalance);
}

TEST(BalanceParse, AcceptsSignedDecimal32BitIntegers) {
    const struct { const char* text; std::int32_t value; } rows[] = {
        {"0", 0}, {"200", 200}, {"+7", 7}, {"-15", -15}, {" 42 ", 42}, {"007", 7},
        {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& row : rows) {
        std::int32_t v = -1;
        EXPECT_TRUE(TRouletteRound::TryParseBalance(row.text, v)) << row.text;
        EXPECT_EQ(v, row.value) << row.text;
    }
}

}  // namespace
