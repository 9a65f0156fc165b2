// Finds a sanitizer runtime in the running process.
//
// A benchmark's figures are ratios against memcpy measured in the same run.
// A sanitizer runtime intercepts memcpy (and malloc, and every string
// function), so it slows the baseline even where the measured code itself
// was compiled without instrumentation, and every ratio looks better than
// it is. The benchmarks therefore look for one before they measure.
//
// Three looks, because the runtimes arrive in three ways:
//  - shared libraries (GCC's default, clang's -shared-libsan, LD_PRELOAD)
//    show up by file name in /proc/self/maps;
//  - a runtime linked into the program (clang's default, GCC's
//    -static-libasan) has no file of its own, but defines its entry points:
//    a weak reference to each resolves to it, and null without it;
//  - dlsym finds the entry points a runtime exports into the global scope.
// Only Linux has sanitizer runtimes here: elsewhere nothing is found.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#ifdef __linux__
#include <dlfcn.h>

#include <fstream>
#include <sstream>
#endif

// Entry points every build of each runtime defines. The UBSan handler is in
// the ASan and TSan runtimes too, which is as good: they intercept as well.
inline const char* const SanitizerEntryPoints[] = {"__asan_init", "__ubsan_handle_add_overflow", "__tsan_init",
                                                   "__msan_init", "__hwasan_init", "__lsan_do_leak_check"};

// The sanitizer a shared library's path belongs to ("asan", "ubsan", ...),
// or "" when the file is none of theirs. Only the file name counts:
// "libasan.so.8", "libubsan.so.1", "libclang_rt.asan-x86_64.so",
// "libclang_rt.ubsan_standalone-x86_64.so".
inline std::string SanitizerOfLibrary(const std::string& path) {
    const std::string file = path.substr(path.find_last_of('/') + 1);  // npos + 1 is 0: the whole path
    std::string rest;
    if (file.rfind("libclang_rt.", 0) == 0)
        rest = file.substr(std::strlen("libclang_rt."));
    else if (file.rfind("lib", 0) == 0)
        rest = file.substr(std::strlen("lib"));
    else
        return "";
    for (const std::string sanitizer : {"hwasan", "asan", "ubsan", "tsan", "msan", "lsan"}) {
        const std::size_t n = sanitizer.size();
        if (rest.rfind(sanitizer, 0) == 0 && rest.size() > n && (rest[n] == '.' || rest[n] == '-' || rest[n] == '_'))
            return sanitizer;
    }
    return "";
}

#ifdef __linux__
// Weak references under other C++ names (the assembler names are the
// runtimes'), so that no declaration clashes with the compiler's own
// knowledge of these functions in an instrumented build.
extern "C" {
void RdzProbeAsanInit() __asm__("__asan_init") __attribute__((weak));
void RdzProbeUbsanAddOverflow() __asm__("__ubsan_handle_add_overflow") __attribute__((weak));
void RdzProbeTsanInit() __asm__("__tsan_init") __attribute__((weak));
void RdzProbeMsanInit() __asm__("__msan_init") __attribute__((weak));
void RdzProbeHwasanInit() __asm__("__hwasan_init") __attribute__((weak));
void RdzProbeLsanDoLeakCheck() __asm__("__lsan_do_leak_check") __attribute__((weak));
}
#endif

// What shows a sanitizer runtime in this process, one entry per finding
// ("libasan.so.8 mapped", "__asan_init linked", "__asan_init exported");
// empty when there is none.
inline std::vector<std::string> SanitizerRuntimeEvidence() {
    std::vector<std::string> found;
#ifdef __linux__
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        // address perms offset dev inode [path]
        std::istringstream fields(line);
        std::string address, perms, offset, dev, inode, path;
        fields >> address >> perms >> offset >> dev >> inode >> path;
        if (path.empty() || SanitizerOfLibrary(path).empty()) continue;
        const std::string finding = path.substr(path.find_last_of('/') + 1) + " mapped";
        if (std::find(found.begin(), found.end(), finding) == found.end())  // one per library, not per range
            found.push_back(finding);
    }
    using TProbe = void (*)();
    const TProbe linked[] = {RdzProbeAsanInit,   RdzProbeUbsanAddOverflow, RdzProbeTsanInit,
                             RdzProbeMsanInit,   RdzProbeHwasanInit,       RdzProbeLsanDoLeakCheck};
    static_assert(std::size(linked) == std::size(SanitizerEntryPoints));
    for (std::size_t i = 0; i < std::size(linked); ++i) {
        if (linked[i] != nullptr) found.push_back(std::string(SanitizerEntryPoints[i]) + " linked");
        if (dlsym(RTLD_DEFAULT, SanitizerEntryPoints[i]) != nullptr)
            found.push_back(std::string(SanitizerEntryPoints[i]) + " exported");
    }
#endif
    return found;
}
