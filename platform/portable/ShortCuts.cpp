#include "platform/portable/ShortCuts.h"

#include <cctype>

namespace {

// The platform's virtual-key codes of the named keys.
struct TKeyName {
    unsigned Key;
    const char* Name;
};
constexpr TKeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"}, {0x21, "PgUp"},
    {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"}, {0x26, "Up"},    {0x27, "Right"},
    {0x28, "Down"}, {0x2D, "Ins"},   {0x2E, "Del"},
};

std::string KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);  // F1 .. F24
    for (const TKeyName& k : kKeyNames)
        if (k.Key == key) return k.Name;
    return {};
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(ShortCutKey(shortCut));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
    TShortCut modifiers = 0;
    std::string rest = text;
    for (;;) {
        const std::size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 >= rest.size()) break;
        const std::string part = rest.substr(0, plus);
        if (EqualNoCase(part, "Ctrl")) modifiers |= scCtrl;
        else if (EqualNoCase(part, "Shift")) modifiers |= scShift;
        else if (EqualNoCase(part, "Alt")) modifiers |= scAlt;
        else return 0;
        rest = rest.substr(plus + 1);
    }
    for (unsigned key = 1; key < 256; ++key)
        if (const std::string name = KeyName(key); !name.empty() && EqualNoCase(name, rest))
            return ShortCut(key, modifiers);
    return 0;
}
