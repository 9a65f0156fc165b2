// soak: the table window as a long session plays it. Rounds are started by
// clicks posted to the skinned spin button and decided by the window's own
// timers (their intervals cut to 1 ms, so the rounds run as fast as the
// message loop turns); now and then the number and the stake change. The
// skin is reloaded at even spacing while the pointer rests on the spin
// button, alternating the built-in skin with a second skin file.
//
// After a warm-up the live counts of every kind of window-system handle
// must stay where they were, and the process's private memory must not
// grow by more than the allowance. The counts and the memory are printed
// after the first round, at rounds 1,000 and 10,000 and at the end.
//
// Usage: soak ROUNDS RELOADS [SECOND.skn]
// Exit status: 0 when flat, 1 when something grew, 2 on usage errors.
#include "platform/portable/Types.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/Unit1.h"
#include "platform/Forms.h"
#include "platform/Handles.h"
#include "platform/SystemHooks.h"

namespace {

constexpr int kWarmUpRounds = 20;
// Private memory may move by allocator granularity, not by a leak.
constexpr long long kMemoryAllowance = 2LL * 1024 * 1024;

std::vector<long> HandleCounts() {
    std::vector<long> live;
    for (int k = 0; k < int(THandleKind::Count); ++k) live.push_back(LiveHandleCount(THandleKind(k)));
    return live;
}

long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
        return -1;
    // Some systems leave PrivateUsage 0 (Wine does); the commit charge is
    // the same figure there.
    return static_cast<long long>(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage);
}

void Report(const char* when, int round, const std::vector<long>& counts, long long memory) {
    static const char* const kNames[] = {"windows", "dcs", "bitmaps", "fonts", "brushes", "pens",
                                         "regions", "modules", "timers", "icons"};
    std::printf("%-9s round %6d:", when, round);
    for (std::size_t k = 0; k < counts.size() && k < std::size(kNames); ++k) std::printf(" %s %ld", kNames[k], counts[k]);
    std::printf(", private memory %lld KiB\n", memory / 1024);
    std::fflush(stdout);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

// Lets an animation in progress end before the handles are counted: after
// a round the spin button lights up again under the resting pointer, and
// its morph timer runs for a few frames. A timer that never stops is still
// counted after 3 s, and then shows as a change.
void SettleAnimations() {
    PumpUntil([] { return LiveHandleCount(THandleKind::Timer) == 0; }, 3000);
    PumpUntil([] { return false; }, 50);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: soak ROUNDS RELOADS [SECOND.skn]\n", stderr);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int reloads = std::atoi(argv[2]);
    const std::string second = argc > 3 ? argv[3] : "";
    if (rounds < 1 || reloads < 0) {
        std::fputs("soak: ROUNDS must be at least 1 and RELOADS not negative\n", stderr);
        return 2;
    }

    Application().Initialize();
    auto form = std::make_unique<TForm1>(nullptr);
    form->Show();
    PumpUntil([] { return false; }, 100);
    form->Timer1->SetInterval(1);
    form->Timer2->SetInterval(1);
    HWND button = form->bsSkinButton1->GetHandle();

    // The pointer rests on the spin button (its hover look is what a skin
    // reload must rebuild without losing anything).
    RECT rc{};
    GetWindowRect(button, &rc);
    const TPoint onButton{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    TSystemHooksOverride pointer(TSystemHooks{[onButton] { return onButton; }, [button](TPoint) { return button; }, {}});

    bool secondNext = true;
    auto reload = [&] {
        if (secondNext && !second.empty()) {
            const std::string failure = form->LoadSkinFile(second);
            if (!failure.empty()) {
                std::fprintf(stderr, "soak: %s\n", failure.c_str());
                std::exit(1);
            }
        } else {
            form->bsSkinData1->LoadCompressedStoredSkin(form->bsCompressedStoredSkin1);
        }
        secondNext = !secondNext;
        PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM((rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2));
    };
    auto playRound = [&](int i) {
        if (i % 97 == 5) form->bsSkinComboBox1->SetItemIndex(i % 37);
        if (i % 13 == 7) form->bsSkinComboBox2->SetItemIndex(i % form->bsSkinComboBox2->GetItemCount());
        form->bsSkinEdit1->SetText("100000");  // the stake never outgrows the balance
        // A whole round may pass within one turn of the loop: the spin
        // count tells that it began.
        const TRouletteRound& round = *form->Round();
        const auto spinsBefore = round.GetSpinCount();
        PostMessageA(button, BM_CLICK, 0, 0);
        if (!PumpUntil([&] { return round.GetState() == TRoundState::rsSpinning || round.GetSpinCount() != spinsBefore; },
                       5000)) {
            std::fprintf(stderr, "soak: the click started no round (button %s, progress timer %s, balance \"%s\")\n",
                         IsWindowEnabled(button) ? "enabled" : "disabled", form->Timer2->IsRunning() ? "on" : "off",
                         form->GetBalanceText().c_str());
            return false;
        }
        return PumpUntil(
            [&] { return round.GetState() == TRoundState::rsIdle && !form->Timer1->IsRunning() && IsWindowEnabled(button); },
            10000);
    };

    // Warm-up: the caches, the first reloads and the classes settle.
    for (int i = 0; i < kWarmUpRounds; ++i) {
        if (!playRound(i)) {
            std::fprintf(stderr, "soak: warm-up round %d never ended\n", i);
            return 1;
        }
        if (i == 5 || i == 10) reload();
    }
    secondNext = true;
    SettleAnimations();
    const std::vector<long> warm = HandleCounts();
    const long long warmMemory = PrivateBytes();
    Report("warm", 0, warm, warmMemory);

    const int reloadEvery = reloads > 0 ? std::max(1, rounds / reloads) : 0;
    int reloaded = 0;
    for (int i = 1; i <= rounds; ++i) {
        if (!playRound(i)) {
            std::fprintf(stderr, "soak: round %d never ended\n", i);
            return 1;
        }
        if (reloadEvery && i % reloadEvery == 0 && reloaded < reloads) {
            reload();
            ++reloaded;
        }
        if (i == 1 || i == 1000 || i == 10000) Report("at", i, HandleCounts(), PrivateBytes());
    }
    // End on the built-in skin, as the warm-up did.
    if (!secondNext) reload();
    SettleAnimations();
    const std::vector<long> end = HandleCounts();
    const long long endMemory = PrivateBytes();
    Report("end", rounds, end, endMemory);
    std::printf("%d rounds, %d skin reloads\n", rounds, reloaded);

    int status = 0;
    if (end != warm) {
        std::fputs("soak: the live handle counts changed after the warm-up\n", stderr);
        status = 1;
    }
    if (warmMemory >= 0 && endMemory - warmMemory > kMemoryAllowance) {
        std::fprintf(stderr, "soak: private memory grew by %lld KiB\n", (endMemory - warmMemory) / 1024);
        status = 1;
    }
    form.reset();
    return status;
}
