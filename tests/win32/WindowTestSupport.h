// Helpers for tests that run real windows: pumping the message queue until
// a condition holds, with a time limit instead of a bare sleep.
#pragma once

#include "platform/Forms.h"

#include <windows.h>

// Handles messages until done() is true or timeoutMs passes; returns done().
template <class TDone>
bool PumpUntil(TDone done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Handles what is queued now and what it causes within ms.
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}
