// The machine a benchmark ran on, printed with its figures so that figures
// from two machines are never read as one: the processor's model and the
// version of Wine under the program ("none" when it runs natively or on
// Windows itself).
//
// The model comes from /proc/cpuinfo on Linux, from the registry's
// description of the first processor on Windows (Wine fills it in from the
// host), and from the processor's own brand string (cpuid) when neither
// names one.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#ifdef _WIN32
#include <windows.h>
#elif defined(__linux__)
#include <fstream>
#include <sstream>
#endif

// Runs of spaces and tabs become one space, and none lead or trail: brand
// strings are padded ("Intel(R) Xeon(R) CPU      @ 2.20GHz").
inline std::string CollapseSpaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
        if (!space) out += c;
        else if (!out.empty() && out.back() != ' ') out += ' ';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The first processor's model in the text of /proc/cpuinfo: the "model name"
// line on x86 ("model name\t: AMD EPYC 7B13"), else "Processor" or
// "cpu model" as other architectures write it. "" when there is none.
inline std::string ProcessorModelFromCpuinfo(std::string_view text) {
    for (const std::string_view key : {"model name", "Processor", "cpu model"}) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view line = text.substr(start, end - start);
            start = end + 1;
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos || CollapseSpaces(line.substr(0, colon)) != key) continue;
            const std::string value = CollapseSpaces(line.substr(colon + 1));
            if (!value.empty()) return value;
        }
    }
    return "";
}

// The processor's brand string from cpuid leaves 0x80000002 to 0x80000004;
// "" on a processor without them or another architecture.
inline std::string CpuidBrand() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned regs[12] = {};
    if (__get_cpuid_max(0x80000000u, nullptr) < 0x80000004u) return "";
    for (unsigned leaf = 0; leaf < 3; ++leaf)
        __get_cpuid(0x80000002u + leaf, &regs[4 * leaf], &regs[4 * leaf + 1], &regs[4 * leaf + 2], &regs[4 * leaf + 3]);
    return CollapseSpaces(std::string_view(reinterpret_cast<const char*>(regs), sizeof(regs)));
#else
    return "";
#endif
}

inline std::string ProcessorModel() {
    std::string model;
#ifdef _WIN32
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        char name[256] = {};
        DWORD size = sizeof(name) - 1, type = 0;
        if (RegQueryValueExA(key, "ProcessorNameString", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ)
            model = CollapseSpaces(std::string_view(name, size));
        RegCloseKey(key);
    }
#elif defined(__linux__)
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::stringstream text;
    text << cpuinfo.rdbuf();
    model = ProcessorModelFromCpuinfo(text.str());
#endif
    if (model.empty()) model = CpuidBrand();
    return model.empty() ? "unknown" : model;
}

// Wine's version from ntdll's own export, looked up by name so that the
// program runs on Windows too; "none" where there is no Wine.
inline std::string WineVersion() {
#ifdef _WIN32
    using TGetVersion = const char*(CDECL*)();
    if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
        const auto get = reinterpret_cast<TGetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version")));
        if (get) return get();
    }
#endif
    return "none";
}

// "paintbench: AMD EPYC 7B13, Wine 8.0" (or "Wine none").
inline void PrintMachine(const char* program) {
    std::printf("%s: processor %s, Wine %s\n", program, ProcessorModel().c_str(), WineVersion().c_str());
}
