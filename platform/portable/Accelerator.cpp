#include "platform/portable/Accelerator.h"

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
}  // namespace

char AcceleratorOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        ++i;  // the marked character, or the second "&" of a literal one
        if (caption[i] != '&') return caption[i];
    }
    return 0;
}

bool IsAccelerator(char ch, const std::string& caption) {
    const char accel = AcceleratorOf(caption);
    return ch != 0 && accel != 0 && LowerAscii(ch) == LowerAscii(accel);
}
