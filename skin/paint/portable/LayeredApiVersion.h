// Platform version checks deciding which layered-window and composition
// features are used. Pure functions of a major.minor version, so every
// boundary is testable without the platform; skin/paint/LayeredApi.h
// applies them to the running (or an injected) version.
#pragma once

#include <cstdint>

struct TPlatformVersion {
    int Major = 0;
    int Minor = 0;
};

// Major in the low byte of the version word, minor in the next byte.
TPlatformVersion DecodePlatformVersion(std::uint32_t versionWord);

// Layered windows: 5.0, 5.1, 5.2 and every major version above 5.
bool LayeredWindowsAvailable(TPlatformVersion v);
// 5.1 (XP) and 5.2 (XP x64, Server 2003) and every major version above 5.
bool IsWindowsXPOrLater(TPlatformVersion v);
bool IsVistaOrLater(TPlatformVersion v);
bool IsWindows7(TPlatformVersion v);
