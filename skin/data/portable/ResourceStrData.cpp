#include "skin/data/portable/ResourceStrData.h"

#include "platform/portable/Exception.h"

namespace {

constexpr const char* SCharSetRange = "character set out of range (0 to 255): ";
constexpr int kMaxCharSet = 255;  // a font's charset is one byte

TLayoutValue StoredCharSet(int value) {
    for (const auto& [name, number] : FontCharSetNames())
        if (number == value) return TLayoutValue::OfIdent(name);
    return TLayoutValue::OfInteger(value);
}

}  // namespace

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
            "CharSet", [](TbsResourceStrData& r, const TLayoutValue& v) { r.SetCharSet(LayoutCharset(v)); },
            [](const TbsResourceStrData& r) -> TStoredValue { return StoredCharSet(r.GetCharSet()); });
}
