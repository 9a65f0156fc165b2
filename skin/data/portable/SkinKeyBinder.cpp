#include "skin/data/portable/SkinKeyBinder.h"

TbsKeyBinder::TbsKeyBinder(const TMemIniFile& ini, std::string_view section)
    : FReader(ini), FWriter(nullptr), FSection(section) {}

TbsKeyBinder::TbsKeyBinder(TMemIniFile& ini, std::string_view section)
    : FReader(ini), FWriter(&ini), FSection(section) {}

void TbsKeyBinder::Integer(std::string_view key, int& value, int defaultValue) {
    if (Reading())
        value = FReader.ReadInteger(FSection, key, defaultValue);
    else
        FWriter->WriteInteger(FSection, key, value);
}

void TbsKeyBinder::Picture(std::string_view key, int& value) { Integer(key, value, -1); }

void TbsKeyBinder::Boolean(std::string_view key, bool& value) {
    if (Reading())
        value = FReader.ReadBool(FSection, key, false);
    else
        FWriter->WriteBool(FSection, key, value);
}

void TbsKeyBinder::Point(std::string_view key, TPoint& value) {
    if (Reading())
        value = ReadPoint(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, PointToStr(value));
}

void TbsKeyBinder::Rect(std::string_view key, TRect& value) {
    if (Reading())
        value = ReadRect(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, RectToStr(value));
}

void TbsKeyBinder::Color(std::string_view key, TColor& value, TColor defaultValue) {
    if (Reading())
        value = ReadColor(FReader, FSection, key, defaultValue);
    else
        FWriter->WriteInteger(FSection, key, int(value));
}

void TbsKeyBinder::Text(std::string_view key, std::string& value, std::string_view defaultValue) {
    if (Reading())
        value = FReader.ReadString(FSection, key, defaultValue);
    else
        FWriter->WriteString(FSection, key, value);
}

void TbsKeyBinder::Stretch(std::string_view key, TbsStretchKind& value) {
    if (Reading())
        value = ReadStretchKind(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, StretchKindToStr(value));
}

void TbsKeyBinder::Morph(std::string_view key, TbsMorphKind& value) {
    if (Reading())
        value = ReadMorphKind(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, MorphKindToStr(value));
}

void TbsKeyBinder::Effect(std::string_view key, TbsInActiveEffect& value) {
    if (Reading())
        value = ReadInActiveEffect(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, InActiveEffectToStr(value));
}

void TbsKeyBinder::Alignment(std::string_view key, TAlignment& value) {
    if (Reading())
        value = ReadAlignment(FReader, FSection, key);
    else
        FWriter->WriteString(FSection, key, AlignmentToStr(value));
}

void TbsKeyBinder::Command(std::string_view key, TbsStdCommand& value) {
    if (Reading())
        value = ParseStdCommand(FReader.ReadString(FSection, key, "cmdefault"));
    else
        FWriter->WriteString(FSection, key, StdCommandToStr(value));
}

void TbsKeyBinder::Font(TbsSkinFont& value, std::string_view prefix) {
    if (Reading())
        value = ReadSkinFont(FReader, FSection, prefix);
    else
        WriteSkinFont(*FWriter, FSection, value, prefix);
}
