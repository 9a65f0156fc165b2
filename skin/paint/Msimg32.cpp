#include "skin/paint/Msimg32.h"

#include "platform/Handles.h"

bool Msimg32VersionAllows(unsigned major, unsigned minor) {
    return major > 5 || (major == 5 && minor <= 2);
}

namespace {

struct TMsimg32Library {
    TModuleHandle Module;
    TMsimg32Api Api;

    TMsimg32Library() {
        const DWORD version = GetVersion();
        if (!Msimg32VersionAllows(LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)))) return;
        Module.Reset(LoadLibraryA("msimg32.dll"));
        if (!Module) return;
        // GetProcAddress returns a generic FARPROC; the casts name the real signatures.
        Api.AlphaBlend = reinterpret_cast<TAlphaBlendFunc>(
            reinterpret_cast<void*>(GetProcAddress(Module.Get(), "AlphaBlend")));
        Api.TransparentBlt = reinterpret_cast<TTransparentBltFunc>(
            reinterpret_cast<void*>(GetProcAddress(Module.Get(), "TransparentBlt")));
    }
};

}  // namespace

const TMsimg32Api& Msimg32() {
    static TMsimg32Library library;
    return library.Api;
}
