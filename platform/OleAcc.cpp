#include "platform/OleAcc.h"

#include "platform/Handles.h"

namespace {

template <class F>
F ProcOf(HMODULE module, const char* name) {
    // GetProcAddress returns a generic FARPROC; the casts name the real signatures.
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct TOleAccLibrary {
    TModuleHandle Module;
    TOleAccApi Api;

    TOleAccLibrary() {
        Module.Reset(LoadLibraryA("oleacc.dll"));
        if (!Module) return;
        Api.LresultFromObject = ProcOf<TLresultFromObjectFunc>(Module.Get(), "LresultFromObject");
        Api.AccessibleObjectFromWindow =
            ProcOf<TAccessibleObjectFromWindowFunc>(Module.Get(), "AccessibleObjectFromWindow");
        Api.GetRoleTextA = ProcOf<TGetRoleTextFunc>(Module.Get(), "GetRoleTextA");
    }
};

}  // namespace

const TOleAccApi& OleAcc() {
    static TOleAccLibrary library;
    return library.Api;
}
