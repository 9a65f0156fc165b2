// How every benchmark begins: it refuses to measure in a process that holds
// a sanitizer runtime (see SanitizerRuntime.h), and "--check" as the first
// argument makes it do only that check, for the test run.
#pragma once

#include "bench/common/SanitizerRuntime.h"

#include <cstdio>
#include <cstring>
#include <string>

inline const char* const SBenchSanitized =
    "%s: a sanitizer runtime is in this process (%s); it slows the memcpy baseline, so no figures are reported. "
    "Build the benchmarks without sanitizers: scripts/build.sh bench\n";
inline const char* const SBenchClean = "%s: no sanitizer runtime in this process\n";

// The exit status of a benchmark that found a sanitizer runtime (1 is a
// figure out of its bound).
constexpr int BenchSanitizedStatus = 3;

// -1 when the benchmark is to go on and measure; otherwise the status to
// exit with at once: BenchSanitizedStatus, with the findings on stderr, or 0
// after a "--check" that found nothing.
inline int BenchmarkStart(const char* program, int argc, char** argv) {
    const std::vector<std::string> evidence = SanitizerRuntimeEvidence();
    if (!evidence.empty()) {
        std::string list;
        for (const std::string& e : evidence) list += (list.empty() ? "" : ", ") + e;
        std::fprintf(stderr, SBenchSanitized, program, list.c_str());
        return BenchSanitizedStatus;
    }
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        std::printf(SBenchClean, program);
        return 0;
    }
    return -1;
}
