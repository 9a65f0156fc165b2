#include "skin/data/portable/ResourceStrData.h"

#include "platform/portable/Exception.h"

namespace {

constexpr const char* SCharSetRange = "character set out of range (0 to 255): ";
constexpr int kMaxCharSet = 255;  // a font's charset is one byte

int LayoutCharSet(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) return LayoutEnum(v, FontCharSetNames());
    return int(LayoutInteger(v, 0, kMaxCharSet));
}

TLayoutValue StoredCharSet(int value) {
    for (const auto& [name, number] : FontCharSetNames())
        if (number == value) return TLayoutValue::OfIdent(name);
    return TLayoutValue::OfInteger(value);
}

}  // namespace

const TEnumNames& FontCharSetNames() {
    // The numbers are the platform's font character sets; the first name of
    // a number is the one written.
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

TbsResourceStrData::TbsResourceStrData(TComponent* AOwner) : TComponent(AOwner) {}

void TbsResourceStrData::SetCharSet(int value) {
    if (value < 0 || value > kMaxCharSet) throw Exception(SCharSetRange + std::to_string(value));
    FCharSet = value;
}

std::string TbsResourceStrData::GetResStr(const std::string& name) const {
    for (const std::string& line : FResStrings) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        if (SameName(line.substr(0, equals), name)) return line.substr(equals + 1);
    }
    return {};
}

void RegisterResourceStrDataClass(TClassRegistry& registry) {
    TClassBuilder<TbsResourceStrData>(registry, "TbsResourceStrData", "TComponent")
        .Creatable()
        .Value(
            "ResStrings", [](TbsResourceStrData& r, const TLayoutValue& v) { r.SetResStrings(LayoutStrings(v)); },
            [](const TbsResourceStrData& r) -> TStoredValue { return TLayoutValue::OfList(r.GetResStrings()); })
        .Value(
            "CharSet", [](TbsResourceStrData& r, const TLayoutValue& v) { r.SetCharSet(LayoutCharSet(v)); },
            [](const TbsResourceStrData& r) -> TStoredValue { return StoredCharSet(r.GetCharSet()); });
}
