#include "game/portable/RoundHost.h"

#include <algorithm>

#include "game/portable/Base64.h"
#include "platform/portable/Exception.h"

namespace {

constexpr std::int64_t CounterTicksPerMs = 10000;  // a 10 MHz performance counter
// A spin needs 26 progress ticks and one decision; far more means the round
// never left the spin, which the host reports instead of looping forever.
constexpr int MaxTicksPerSpin = 1000;

}  // namespace

std::uint32_t TClockSeedSource::ReadSeed() {
    return FSeed + static_cast<std::uint32_t>(std::uint64_t(FClock.GetNow()) * CounterTicksPerMs);
}

TPlainTableView::TPlainTableView(const TSimulatedClock& clock) : FClock(clock) {}

void TPlainTableView::SetGaugeValue(int value) { FGaugeValue = std::clamp(value, 0, 100); }

std::string TPlainTableView::DecodeBase64(const std::string& text) {
    return TBase64Decoder('=').DecodeString(text);
}

void TPlainTableView::SwitchTimer(TSimulatedTimer& timer, bool on) {
    timer.On = on;
    if (on) timer.NextDue = FClock.GetNow() + timer.Interval;  // the period starts anew
}

TRoundHost::TRoundHost(const TRoundHostOptions& options)
    : FSeedSource(FClock, options.Seed), FGenerator(FSeedSource), FView(FClock), FRound(FView, FGenerator) {
    FView.SetBalanceText(options.BalanceText);
    FView.SetStakeIndex(options.StakeIndex);
    FView.SetNumberText(options.NumberText);
}

TSpinReport TRoundHost::PlaySpin() {
    TSpinReport report;
    report.Request = ++FRequests;
    const std::int64_t start = FClock.GetNow();
    FRound.Spin();
    report.Accepted = FRound.GetState() == TRoundState::rsSpinning;
    if (report.Accepted) {
        report.CyclePosition = FRound.GetSpinCount();
        report.BalanceDuring = FView.GetBalanceText();
        TSimulatedTimer& progress = FView.GetProgressTimer();
        TSimulatedTimer& decision = FView.GetDecisionTimer();
        for (int ticks = 0; FRound.GetState() == TRoundState::rsSpinning; ++ticks) {
            if (ticks > MaxTicksPerSpin || (!progress.On && !decision.On))
                throw Exception("roundhost: the spin never reached its decision");
            // The earlier due timer fires first; on a tie the progress timer.
            const bool progressNext = progress.On && (!decision.On || progress.NextDue <= decision.NextDue);
            TSimulatedTimer& timer = progressNext ? progress : decision;
            FClock.AdvanceTo(timer.NextDue);
            timer.NextDue += timer.Interval;
            if (progressNext) {
                FRound.ProgressTick();
                ++report.ProgressTicks;
            } else {
                report.GaugeBeforeDecision = FView.GetGaugeValue();
                report.DecisionAfter = FClock.GetNow() - start;
                FRound.DecisionTick();
            }
        }
        report.GaugeAfterDecision = FView.GetGaugeValue();
        std::int32_t during = 0, after = 0;
        report.Won = TRouletteRound::TryParseBalance(report.BalanceDuring, during) &&
                     TRouletteRound::TryParseBalance(FView.GetBalanceText(), after) && after > during;
    }
    report.BalanceText = FView.GetBalanceText();
    report.ResultText = FView.GetResultText();
    report.StatusText = FView.GetStatusText();
    return report;
}

std::vector<TSpinReport> PlaySpins(const TRoundHostOptions& options) {
    TRoundHost host(options);
    std::vector<TSpinReport> reports;
    reports.reserve(static_cast<std::size_t>(std::max(options.Spins, 0)));
    for (int i = 0; i < options.Spins; ++i) reports.push_back(host.PlaySpin());
    return reports;
}

std::string FormatSpinReport(const TSpinReport& report) {
    std::string line = "spin " + std::to_string(report.Request) + ": balance " + report.BalanceText + ", ";
    if (!report.Accepted)
        line += "refused";
    else
        line += std::string(report.Won ? "won" : "lost") + ", result " + report.ResultText;
    return line + ", status " + report.StatusText;
}
