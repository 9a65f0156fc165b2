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

int LayoutCharset(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        static const TEnumNames kCharsets = {{"DEFAULT_CHARSET", kDefaultCharset},
                                             {"ANSI_CHARSET", kAnsiCharset},
                                             {"TURKISH_CHARSET", kTurkishCharset},
                                             {"SYMBOL_CHARSET", kSymbolCharset}};
        return LayoutEnum(v, kCharsets);
    }
    return int(LayoutInteger(v, 0, 255));
}

unsigned LayoutFontStyle(const TLayoutValue& v) {
    // Bit numbers: the set's mask is the style's bits.
    static const TEnumNames kFontStyles = {{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
    return LayoutSet(v, kFontStyles);
}
