#include "bench/common/SanitizerRuntime.h"

#include <gtest/gtest.h>

#include <string>

TEST(SanitizerRuntime, LibrariesAreKnownByFileNameOnly) {
    struct TCase {
        const char* Path;
        const char* Sanitizer;
    };
    const TCase cases[] = {
        {"/usr/lib/x86_64-linux-gnu/libasan.so.8.0.0", "asan"},
        {"/usr/lib/x86_64-linux-gnu/libubsan.so.1", "ubsan"},
        {"/usr/lib/x86_64-linux-gnu/libtsan.so.2.0.0", "tsan"},
        {"/usr/lib/x86_64-linux-gnu/liblsan.so.0", "lsan"},
        {"/usr/lib/x86_64-linux-gnu/libhwasan.so.0", "hwasan"},
        {"/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.asan-x86_64.so", "asan"},
        {"/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.ubsan_standalone-x86_64.so", "ubsan"},
        {"libmsan.so", "msan"},
        // Not runtimes: other libraries, a sanitizer's name in a folder or
        // inside a longer word, and the plain name without an ending.
        {"/usr/lib/x86_64-linux-gnu/libc.so.6", ""},
        {"/usr/lib/x86_64-linux-gnu/libz.so.1.2.13", ""},
        {"/opt/libasan.so.8/libfoo.so", ""},
        {"/usr/lib/libasanity.so", ""},
        {"/usr/lib/libclang_rt.profile-x86_64.a", ""},
        {"/usr/lib/asan.so", ""},
        {"libasan", ""},
        {"[heap]", ""},
        {"", ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(SanitizerOfLibrary(c.Path), c.Sanitizer) << c.Path;
}

// This test program is built with AddressSanitizer natively and without it
// for Windows: the finding must follow the build, so the check that keeps
// the benchmarks honest is known to see a runtime when there is one.
TEST(SanitizerRuntime, FindsTheRuntimeThisProgramWasBuiltWith) {
    const std::vector<std::string> evidence = SanitizerRuntimeEvidence();
#if defined(__SANITIZE_ADDRESS__) && defined(__linux__)
    auto has = [&](const std::string& text) {
        for (const std::string& e : evidence)
            if (e.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("__asan_init linked"));
    EXPECT_TRUE(has("__asan_init exported"));
    // GCC links the runtime as a shared library, clang into the program.
#if !defined(__clang__)
    EXPECT_TRUE(has("libasan.so") && has(" mapped"));
#endif
#else
    EXPECT_TRUE(evidence.empty()) << evidence.front();
#endif
}
