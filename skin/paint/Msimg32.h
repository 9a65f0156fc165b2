// AlphaBlend and TransparentBlt from "msimg32.dll", loaded by name on first
// use when the platform version allows (major above 5, or major 5 with minor
// 0, 1 or 2) and used only when present. The library stays loaded until the
// process ends.
#pragma once

// Types.h must come before windows.h, whose GetRValue macros would rewrite it.
#include "platform/portable/Types.h"

#include <windows.h>

using TAlphaBlendFunc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using TTransparentBltFunc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

struct TMsimg32Api {
    TAlphaBlendFunc AlphaBlend = nullptr;          // null when absent
    TTransparentBltFunc TransparentBlt = nullptr;  // null when absent
};

// Whether a platform version (major, minor) may load the library.
bool Msimg32VersionAllows(unsigned major, unsigned minor);

// The functions, looked up once.
const TMsimg32Api& Msimg32();
