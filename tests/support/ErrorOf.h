// The text of the Exception an operation raises, "(no error)" when it
// raises none: for tests that compare error texts.
#pragma once

#include <string>

#include "platform/portable/Exception.h"

template <typename F>
std::string ErrorOf(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(no error)";
}
