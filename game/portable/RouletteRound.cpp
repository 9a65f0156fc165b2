#include "game/portable/RouletteRound.h"

#include <limits>

namespace {

constexpr std::int32_t DefaultStake = 5;
constexpr std::int32_t Stakes[] = {5, 25, 100, 500};  // by selector index
constexpr int GaugeStep = 4;                          // per progress tick
constexpr int GaugeFull = 100;
constexpr int CycleLength = 6;  // spins per cycle of falling win chances

// The sum clamped to the 32-bit range: the balance must never overflow.
std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
    const std::int64_t sum = std::int64_t(a) + b;
    if (sum > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

// Sets a flag for the lifetime of one handler, whatever way it leaves.
class TBusyScope {
public:
    explicit TBusyScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TBusyScope() { FFlag = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& FFlag;  // not owned
};

}  // namespace

TRouletteRound::TRouletteRound(ITableView& view, IRandomSource& random)
    : FView(view), FRandom(random), FPrizePiece(SPrizePieceLiteral) {}

std::int32_t TRouletteRound::StakeForIndex(int stakeIndex) {
    if (stakeIndex >= 0 && stakeIndex < static_cast<int>(std::size(Stakes)))
        return Stakes[stakeIndex];
    return DefaultStake;
}

bool TRouletteRound::TryParseBalance(const std::string& text, std::int32_t& value) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    const std::size_t end = text.find_last_not_of(' ') + 1;
    bool negative = false;
    if (text[begin] == '-' || text[begin] == '+') {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end) return false;
    // Accumulate the magnitude; stop as soon as it leaves the 32-bit range.
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::int64_t(std::numeric_limits<std::int32_t>::max());
    std::int64_t magnitude = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

void TRouletteRound::SetBalance(std::int32_t value) {
    FBalance = value;
    FView.SetBalanceText(std::to_string(FBalance));
}

std::string TRouletteRound::BuildPrizeText() {
    return FView.DecodeBase64(FPrizePiece + SPrizeSecondPiece);
}

void TRouletteRound::Spin() {
    if (FBusy || FState != TRoundState::rsIdle) return;
    TBusyScope busy(FBusy);

    FRandom.Reseed();
    std::int32_t balance = 0;
    if (!TryParseBalance(FView.GetBalanceText(), balance)) {
        FView.SetStatusText(SStatusBalanceUnreadable);
        return;
    }
    FBalance = balance;
    FStake = StakeForIndex(FView.GetStakeIndex());
    if (FStake > FBalance) {
        FView.SetStatusText(SStatusInsufficientBalance);
        return;
    }

    // A click queued here arrives while FBusy is set and does nothing.
    FView.ProcessPendingEvents();

    ++FSpinCount;
    FView.SetResultText("");
    FState = TRoundState::rsSpinning;
    FView.SetDecisionTimerOn(true);
    FView.SetProgressTimerOn(true);
    FView.SetSpinEnabled(false);
    SetBalance(FBalance - FStake);  // 0 < FStake <= FBalance: cannot overflow
    FView.SetGaugeValue(0);
    FView.SetStatusText(SStatusSpinning);
}

void TRouletteRound::ProgressTick() {
    if (FState != TRoundState::rsSpinning) return;
    FView.SetGaugeValue(SaturatingAdd(FView.GetGaugeValue(), GaugeStep));
}

void TRouletteRound::DecisionTick() {
    if (FBusy || FState != TRoundState::rsSpinning) return;
    TBusyScope busy(FBusy);

    // Leave the spin and stop both timers before any view call that might
    // pump messages (a message box would otherwise let the periodic decision
    // timer pay out again). The spin button comes back last, once the
    // decision is complete, so no click can start a spin halfway through it.
    FState = TRoundState::rsIdle;
    FView.SetProgressTimerOn(false);
    FView.SetDecisionTimerOn(false);

    FRandom.Reseed();
    const std::int32_t threshold = 125 - 25 * FSpinCount;
    const int draw = FRandom.Draw(100);
    if (FSpinCount >= CycleLength) FSpinCount = 0;

    // The gauge and the button come back whatever happens in between, so an
    // error in the payout cannot leave the table stuck.
    try {
        if (draw < threshold) {
            FView.SetResultText(FView.GetNumberText());
            SetBalance(SaturatingAdd(FBalance, 2 * std::int64_t(FStake)));
            FView.SetStatusText(SStatusWon);
            if (FBalance > PrizeBalanceThreshold) FView.SetStatusText(BuildPrizeText());
        } else {
            FView.SetResultText(std::to_string(FRandom.Draw(37)));
            FView.SetStatusText(SStatusLost);
        }
    } catch (...) {
        FinishDecision();
        throw;
    }
    FinishDecision();
}

void TRouletteRound::FinishDecision() {
    FView.SetGaugeValue(GaugeFull);
    FView.SetSpinEnabled(true);
}
