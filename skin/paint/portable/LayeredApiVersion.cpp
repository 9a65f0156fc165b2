#include "skin/paint/portable/LayeredApiVersion.h"

TPlatformVersion DecodePlatformVersion(std::uint32_t versionWord) {
    return TPlatformVersion{int(versionWord & 0xFF), int((versionWord >> 8) & 0xFF)};
}

bool LayeredWindowsAvailable(TPlatformVersion v) {
    return v.Major > 5 || (v.Major == 5 && v.Minor >= 0 && v.Minor <= 2);
}

bool IsWindowsXPOrLater(TPlatformVersion v) { return v.Major > 5 || (v.Major == 5 && v.Minor >= 1); }

bool IsVistaOrLater(TPlatformVersion v) { return v.Major > 5; }

bool IsWindows7(TPlatformVersion v) { return v.Major == 6 && v.Minor == 1; }
