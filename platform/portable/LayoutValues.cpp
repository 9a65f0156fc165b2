#include "platform/portable/LayoutValues.h"

#include "platform/portable/Colors.h"

TColor LayoutColor(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        TColor c = 0;
        if (ColorFromName(v.Text, c)) return c;
        throw Exception("unknown colour " + v.Text);
    }
    return TColor(LayoutInteger(v, 0, 0xFFFFFFFFll));
}

const TEnumNames& FontCharSetNames() {
    // The first name of a number is the one written.
    static const TEnumNames names = {
        {"ANSI_CHARSET", 0},        {"DEFAULT_CHARSET", 1},     {"SYMBOL_CHARSET", 2},
        {"MAC_CHARSET", 77},        {"SHIFTJIS_CHARSET", 128},  {"HANGEUL_CHARSET", 129},
        {"HANGUL_CHARSET", 129},    {"JOHAB_CHARSET", 130},     {"GB2312_CHARSET", 134},
        {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},
        {"VIETNAMESE_CHARSET", 163}, {"HEBREW_CHARSET", 177},   {"ARABIC_CHARSET", 178},
        {"BALTIC_CHARSET", 186},    {"RUSSIAN_CHARSET", 204},   {"THAI_CHARSET", 222},
        {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
    };
    return names;
}

int LayoutCharset(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) return LayoutEnum(v, FontCharSetNames());
    return int(LayoutInteger(v, 0, 255));
}

unsigned LayoutFontStyle(const TLayoutValue& v) {
    // Bit numbers: the set's mask is the style's bits.
    static const TEnumNames kFontStyles = {{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
    return LayoutSet(v, kFontStyles);
}
