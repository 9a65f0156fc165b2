// The game logic of the table: one spin is a spin request, about two and a
// half seconds of progress ticks and one decision that pays out or not.
//
// The round owns no window and no timer. Its host delivers the spin button's
// click as Spin, each tick of the 100 ms progress timer as ProgressTick and
// the tick of the 2600 ms decision timer as DecisionTick, and switches the
// timers on and off when the round asks through ITableView.
//
// Wins follow a cycle of six accepted spins: the decision of the k-th spin
// of a cycle wins when a draw from 0 to 99 is below 125 - 25 * k, so spin 1
// always wins, spins 5 and 6 never do. The chosen number only shows on a win.
#pragma once

#include <cstdint>
#include <string>

#include "game/portable/RandomGenerator.h"
#include "game/portable/TableView.h"

// Texts the round shows in the status panel.
inline constexpr const char* SStatusWaiting = "Bekliyor";            // the window's start text
inline constexpr const char* SStatusInsufficientBalance = "Bakiye yetersiz";
inline constexpr const char* SStatusSpinning = "Cekiliyor";
inline constexpr const char* SStatusWon = "Tebrikler Kazandiniz!";
inline constexpr const char* SStatusLost = "Kaybettiniz";
// Shown when the balance field holds no decimal 32-bit integer; the spin
// request then changes nothing else.
inline constexpr const char* SStatusBalanceUnreadable = "Bakiye okunamadi";

// The two halves of the prize text in Base64; joined they decode to a
// 15-character text ("Buyuk Ikramiye!").
inline constexpr const char* SPrizePieceLiteral = "QnV5dWsgSW";
inline constexpr const char* SPrizeSecondPiece = "tyYW1peWUh";

// Above this balance (exclusive) a win shows the prize text.
inline constexpr std::int32_t PrizeBalanceThreshold = 8000;

enum class TRoundState { rsIdle, rsSpinning };

class TRouletteRound {
public:
    // view and random must outlive the round.
    TRouletteRound(ITableView& view, IRandomSource& random);

    TRouletteRound(const TRouletteRound&) = delete;
    TRouletteRound& operator=(const TRouletteRound&) = delete;

    // The spin button's click. Ignored while a spin runs, and while a spin
    // request or a decision is being handled: the request pumps pending
    // events, which may deliver a second click.
    void Spin();
    // Each tick of the progress timer: the gauge rises by 4. Only while spinning.
    void ProgressTick();
    // The tick of the decision timer. Acts once per spin, only while spinning.
    void DecisionTick();

    TRoundState GetState() const { return FState; }
    std::int32_t GetBalance() const { return FBalance; }
    std::int32_t GetStake() const { return FStake; }
    std::int32_t GetSpinCount() const { return FSpinCount; }
    const std::string& GetPrizePiece() const { return FPrizePiece; }

    // Joins the two halves and decodes them through the view.
    std::string BuildPrizeText();

    // The stake for a selector index: 0..3 give 5, 25, 100, 500; anything
    // else 5.
    static std::int32_t StakeForIndex(int stakeIndex);

    // Parses an optionally signed decimal integer that fits 32 bits,
    // surrounding spaces allowed. Returns false, leaving value untouched, for
    // anything else.
    static bool TryParseBalance(const std::string& text, std::int32_t& value);

private:
    void SetBalance(std::int32_t value);
    void FinishDecision();

    ITableView& FView;       // not owned
    IRandomSource& FRandom;  // not owned
    TRoundState FState = TRoundState::rsIdle;
    bool FBusy = false;  // a spin request or a decision is between its first and last step
    std::int32_t FBalance = 0;
    std::int32_t FStake = 0;
    std::int32_t FSpinCount = 0;  // position in the cycle of six; 0 before the first spin
    std::string FPrizePiece;
};
