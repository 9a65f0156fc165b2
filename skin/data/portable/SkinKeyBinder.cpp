#include "skin/data/portable/SkinKeyBinder.h"

#include "platform/portable/Convert.h"

TbsKeyBinder::TbsKeyBinder(const TMemIniFile& ini, std::string_view section)
    : FWriter(nullptr), FReadSection(ini.FindSection(section)), FSection(section) {}

TbsKeyBinder::TbsKeyBinder(TMemIniFile& ini, std::string_view section)
    : FWriter(&ini), FReadSection(nullptr), FSection(section) {}

void TbsKeyBinder::Integer(std::string_view key, int& value, int defaultValue) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? StrToIntDef(*text, defaultValue) : defaultValue;
    } else {
        FWriter->WriteInteger(FSection, key, value);
    }
}

void TbsKeyBinder::Picture(std::string_view key, int& value) { Integer(key, value, -1); }

void TbsKeyBinder::Boolean(std::string_view key, bool& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        int number = 0;
        value = text && TryStrToInt(*text, number) && number == 1;
    } else {
        FWriter->WriteBool(FSection, key, value);
    }
}

void TbsKeyBinder::Point(std::string_view key, TPoint& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParsePoint(*text) : TPoint{};
    } else {
        FWriter->WriteString(FSection, key, PointToStr(value));
    }
}

void TbsKeyBinder::Rect(std::string_view key, TRect& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseRect(*text) : TRect{};
    } else {
        FWriter->WriteString(FSection, key, RectToStr(value));
    }
}

void TbsKeyBinder::Color(std::string_view key, TColor& value, TColor defaultValue) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = TColor(text ? StrToIntDef(*text, int(defaultValue)) : int(defaultValue));
    } else {
        FWriter->WriteInteger(FSection, key, int(value));
    }
}

void TbsKeyBinder::Text(std::string_view key, std::string& value, std::string_view defaultValue) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value.assign(text ? *text : defaultValue);
    } else {
        FWriter->WriteString(FSection, key, value);
    }
}

void TbsKeyBinder::Stretch(std::string_view key, TbsStretchKind& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseStretchKind(*text) : bsstFull;
    } else {
        FWriter->WriteString(FSection, key, StretchKindToStr(value));
    }
}

void TbsKeyBinder::Morph(std::string_view key, TbsMorphKind& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseMorphKind(*text) : bsmkDefault;
    } else {
        FWriter->WriteString(FSection, key, MorphKindToStr(value));
    }
}

void TbsKeyBinder::Effect(std::string_view key, TbsInActiveEffect& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseInActiveEffect(*text) : bsieBrightness;
    } else {
        FWriter->WriteString(FSection, key, InActiveEffectToStr(value));
    }
}

void TbsKeyBinder::Alignment(std::string_view key, TAlignment& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseAlignment(*text) : taCenter;
    } else {
        FWriter->WriteString(FSection, key, AlignmentToStr(value));
    }
}

void TbsKeyBinder::Command(std::string_view key, TbsStdCommand& value) {
    if (Reading()) {
        const std::optional<std::string_view> text = Value(key);
        value = text ? ParseStdCommand(*text) : cmDefault;
    } else {
        FWriter->WriteString(FSection, key, StdCommandToStr(value));
    }
}

void TbsKeyBinder::Font(TbsSkinFont& value, std::string_view prefix) {
    if (Reading()) {
        // The keys are "<prefix>fontname" and so on; built in a small buffer.
        std::string key(prefix);
        const std::size_t base = key.size();
        const auto read = [&](const char* name) {
            key.resize(base);
            key += name;
            return Value(key);
        };
        std::optional<std::string_view> text = read("fontname");
        value.Name.assign(text ? *text : "Tahoma");
        text = read("fontheight");
        value.Height = text ? StrToIntDef(*text, 13) : 13;
        text = read("fontstyle");
        value.Style = text ? ParseFontStyle(*text) : 0;
        text = read("fontcolor");
        value.Color = TColor(text ? StrToIntDef(*text, 0) : 0);
    } else {
        WriteSkinFont(*FWriter, FSection, value, prefix);
    }
}
