// The functions of "oleacc.dll" that the accessible objects and their tests
// use, loaded by name on first use. A program that no assistive tool ever
// asks about never maps the library (nor the COM machinery behind it); one
// that is asked keeps it until the process ends.
#pragma once

#include <windows.h>
#include <oleacc.h>

using TLresultFromObjectFunc = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using TAccessibleObjectFromWindowFunc = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
using TGetRoleTextFunc = UINT(WINAPI*)(DWORD, LPSTR, UINT);

struct TOleAccApi {
    TLresultFromObjectFunc LresultFromObject = nullptr;                  // null when absent
    TAccessibleObjectFromWindowFunc AccessibleObjectFromWindow = nullptr;  // null when absent
    TGetRoleTextFunc GetRoleTextA = nullptr;                              // null when absent
};

// The functions, looked up once.
const TOleAccApi& OleAcc();

// The interface identifiers, written out: the IID_IAccessible of mingw's
// static uuid library did not match what Wine's oleacc marshals, and a
// client then got E_NOINTERFACE.
inline constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
inline constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
