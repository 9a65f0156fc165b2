// roundhost: plays the roulette round without a window.
//
//   roundhost [--spins N] [--seed S] [--stake-index I] [--number T] [--balance B]
//
// Each spin request is followed by the progress ticks every 100 ms and the
// decision at 2600 ms of simulated time; one line per spin shows the
// balance, the outcome and the status text.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "game/portable/RoundHost.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: roundhost [--spins N] [--seed S] [--stake-index I] [--number T] [--balance B]\n"
                 "  --spins N        spin requests to play (default 10)\n"
                 "  --seed S         offset of the simulated performance counter (default 0)\n"
                 "  --stake-index I  stake selector index: 0..3 for 5, 25, 100, 500 VKS; -1 none\n"
                 "  --number T       the chosen number: 0, 00 or 1..36 (default 0)\n"
                 "  --balance B      the balance field at start (default 200)\n");
    return 2;
}

bool ParseLong(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < low || v > high) return false;
    value = v;
    return true;
}

bool IsTableNumber(const std::string& text) {
    if (text == "0" || text == "00") return true;
    long long v = 0;
    return text[0] != '0' && text[0] != '+' && text[0] != '-' && ParseLong(text.c_str(), 1, 36, v);
}

}  // namespace

int main(int argc, char** argv) {
    TRoundHostOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        long long number = 0;
        if (arg == "--spins" && ParseLong(value, 0, 100000000, number))
            options.Spins = static_cast<int>(number);
        else if (arg == "--seed" && ParseLong(value, 0, 0xFFFFFFFFLL, number))
            options.Seed = static_cast<std::uint32_t>(number);
        else if (arg == "--stake-index" && ParseLong(value, -1, 3, number))
            options.StakeIndex = static_cast<int>(number);
        else if (arg == "--number" && IsTableNumber(value))
            options.NumberText = value;
        else if (arg == "--balance" && *value != '\0')
            options.BalanceText = value;
        else
            return Usage();
    }
    try {
        TRoundHost host(options);
        for (int i = 0; i < options.Spins; ++i)
            std::printf("%s\n", FormatSpinReport(host.PlaySpin()).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "roundhost: %s\n", e.what());
        return 1;
    }
    return 0;
}
