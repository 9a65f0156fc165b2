// A window-free host for the round: the table's values are plain fields,
// the two timers run on a simulated clock, and spins are played one after
// another. Used by the roundhost console tool and by tests that play
// thousands of spins.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/portable/RandomGenerator.h"
#include "game/portable/RouletteRound.h"
#include "game/portable/TableView.h"

// Simulated time in milliseconds; it moves only when the host moves it.
class TSimulatedClock {
public:
    std::int64_t GetNow() const { return FNow; }  // ms
    void AdvanceTo(std::int64_t now) { FNow = now; }

private:
    std::int64_t FNow = 0;
};

// Stands in for the performance counter: a 10 MHz count of the simulated
// clock, offset by a chosen seed so runs with different seeds differ.
class TClockSeedSource : public ISeedSource {
public:
    TClockSeedSource(const TSimulatedClock& clock, std::uint32_t seed) : FClock(clock), FSeed(seed) {}
    std::uint32_t ReadSeed() override;

private:
    const TSimulatedClock& FClock;  // not owned
    std::uint32_t FSeed;
};

// A periodic timer on the simulated clock.
struct TSimulatedTimer {
    std::int64_t Interval = 0;  // ms
    bool On = false;
    std::int64_t NextDue = 0;   // ms; meaningful while On
};

// ITableView on plain values. The gauge clamps to 0..100 like the real one.
class TPlainTableView : public ITableView {
public:
    explicit TPlainTableView(const TSimulatedClock& clock);

    std::string GetBalanceText() const override { return FBalanceText; }
    void SetBalanceText(const std::string& text) override { FBalanceText = text; }
    int GetStakeIndex() const override { return FStakeIndex; }
    std::string GetNumberText() const override { return FNumberText; }
    void SetResultText(const std::string& text) override { FResultText = text; }
    void SetStatusText(const std::string& text) override { FStatusText = text; }
    int GetGaugeValue() const override { return FGaugeValue; }
    void SetGaugeValue(int value) override;
    void SetSpinEnabled(bool enabled) override { FSpinEnabled = enabled; }
    void SetProgressTimerOn(bool on) override { SwitchTimer(FProgressTimer, on); }
    void SetDecisionTimerOn(bool on) override { SwitchTimer(FDecisionTimer, on); }
    void ProcessPendingEvents() override {}  // nothing is ever queued here
    std::string DecodeBase64(const std::string& text) override;

    void SetStakeIndex(int index) { FStakeIndex = index; }
    void SetNumberText(const std::string& text) { FNumberText = text; }
    const std::string& GetResultText() const { return FResultText; }
    const std::string& GetStatusText() const { return FStatusText; }
    bool GetSpinEnabled() const { return FSpinEnabled; }
    TSimulatedTimer& GetProgressTimer() { return FProgressTimer; }
    TSimulatedTimer& GetDecisionTimer() { return FDecisionTimer; }

private:
    void SwitchTimer(TSimulatedTimer& timer, bool on);

    const TSimulatedClock& FClock;  // not owned
    std::string FBalanceText = "200";
    int FStakeIndex = 0;
    std::string FNumberText = "0";
    std::string FResultText;
    std::string FStatusText = SStatusWaiting;
    int FGaugeValue = 0;
    bool FSpinEnabled = true;
    TSimulatedTimer FProgressTimer{100, false, 0};
    TSimulatedTimer FDecisionTimer{2600, false, 0};
};

struct TRoundHostOptions {
    int Spins = 10;
    std::uint32_t Seed = 0;
    int StakeIndex = 0;              // the stake selector's index, -1 for none
    std::string NumberText = "0";    // the chosen number
    std::string BalanceText = "200"; // the balance field at start
};

// What one spin request did.
struct TSpinReport {
    int Request = 0;               // 1-based count of spin requests
    bool Accepted = false;
    bool Won = false;
    std::int32_t CyclePosition = 0; // 1..6 for an accepted spin, 0 when refused
    std::string BalanceDuring;     // the balance text while spinning
    std::string BalanceText;       // after the decision (or the refusal)
    std::string ResultText;
    std::string StatusText;
    int ProgressTicks = 0;         // delivered before the decision
    std::int64_t DecisionAfter = 0; // ms from the request to the decision
    int GaugeBeforeDecision = 0;
    int GaugeAfterDecision = 0;
};

class TRoundHost {
public:
    explicit TRoundHost(const TRoundHostOptions& options);

    // One spin request; if accepted, runs the simulated clock, delivering
    // timer ticks in time order, until the round is idle again.
    TSpinReport PlaySpin();

    TPlainTableView& GetView() { return FView; }
    TRouletteRound& GetRound() { return FRound; }
    const TSimulatedClock& GetClock() const { return FClock; }

private:
    TSimulatedClock FClock;
    TClockSeedSource FSeedSource;
    TSeededGenerator FGenerator;
    TPlainTableView FView;
    TRouletteRound FRound;
    int FRequests = 0;
};

// Plays options.Spins spin requests and reports each.
std::vector<TSpinReport> PlaySpins(const TRoundHostOptions& options);

// One line: "spin 7: balance 205, won, result 17, status Tebrikler Kazandiniz!".
std::string FormatSpinReport(const TSpinReport& report);
