#include "platform/portable/Colors.h"

#include <utility>

#include "platform/portable/Component.h"

bool ColorFromName(const std::string& name, TColor& color) {
    static const std::pair<const char*, TColor> kNames[] = {
        {"clBlack", clBlack},         {"clWhite", clWhite},         {"clRed", clRed},
        {"clGreen", clGreen},         {"clNavy", clNavy},           {"clGray", clGray},
        {"clLime", clLime},           {"clYellow", clYellow},       {"clBlue", clBlue},
        {"clSilver", clSilver},       {"clNone", clNone},           {"clScrollBar", clScrollBar},
        {"clWindow", clWindow},       {"clWindowFrame", clWindowFrame}, {"clWindowText", clWindowText},
        {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},   {"clBtnText", clBtnText},
        {"clBtnHighlight", clBtnHighlight},
    };
    for (const auto& [n, c] : kNames) {
        if (SameName(n, name)) {
            color = c;
            return true;
        }
    }
    return false;
}
