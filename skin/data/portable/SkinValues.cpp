#include "skin/data/portable/SkinValues.h"

#include "platform/portable/Convert.h"

#include <algorithm>

namespace {

const char* const kStretchWords[] = {"stfull", "sthorz", "stvert"};
const char* const kInActiveEffectWords[] = {"iebrightness", "iedarkness", "iegrayscale",
                                            "ienoise",      "iesplitblur", "ieinvert"};
const char* const kMorphWords[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                   "mkleftslide", "mkrightslide", "mkpush"};
const char* const kCommandWords[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                     "cmdefault", "cmrollup",   "cmminimizetotray"};

// Position of `text` in `words`, or -1.
template <std::size_t N>
int WordIndex(const char* const (&words)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == words[i]) return int(i);
    return -1;
}

template <std::size_t N>
const char* WordOf(const char* const (&words)[N], int index, int fallback) {
    return words[index >= 0 && std::size_t(index) < N ? index : fallback];
}

}  // namespace

void ParseComponents(std::string_view text, int* components, int count) {
    int filled = 0;
    std::string digits;
    for (std::size_t i = 0; i <= text.size() && filled < count; ++i) {
        if (i == text.size() || text[i] == ',') {
            components[filled++] = StrToInt(digits);  // empty: the conversion error
            digits.clear();
        } else if (text[i] >= '0' && text[i] <= '9') {
            digits += text[i];
        }
    }
    // Fewer components than asked: the missing ones are empty numbers.
    if (filled < count) StrToInt("");
}

TPoint ParsePoint(std::string_view text) {
    int c[2];
    ParseComponents(text, c, 2);
    return TPoint{c[0], c[1]};
}

TRect ParseRect(std::string_view text) {
    int c[4];
    ParseComponents(text, c, 4);
    return TRect{c[0], c[1], c[2], c[3]};
}

std::string PointToStr(TPoint point) { return IntToStr(point.X) + "," + IntToStr(point.Y); }

std::string RectToStr(const TRect& rect) {
    return IntToStr(rect.Left) + "," + IntToStr(rect.Top) + "," + IntToStr(rect.Right) + "," +
           IntToStr(rect.Bottom);
}

TbsFontStyles ParseFontStyle(std::string_view text) {
    TbsFontStyles style = 0;
    if (text.find("fsbold") != std::string_view::npos) style |= bsfsBold;
    if (text.find("fsitalic") != std::string_view::npos) style |= bsfsItalic;
    if (text.find("fsunderline") != std::string_view::npos) style |= bsfsUnderline;
    if (text.find("fsstrikeout") != std::string_view::npos) style |= bsfsStrikeOut;
    return style;
}

std::string FontStyleToStr(TbsFontStyles style) {
    std::string text;
    const auto add = [&text](const char* word) {
        if (!text.empty()) text += ',';
        text += word;
    };
    if (style & bsfsBold) add("fsbold");
    if (style & bsfsItalic) add("fsitalic");
    if (style & bsfsUnderline) add("fsunderline");
    if (style & bsfsStrikeOut) add("fsstrikeout");
    return text;
}

TbsStretchKind ParseStretchKind(std::string_view text) {
    if (text == "stfull") return bsstFull;
    if (text == "stvert") return bsstVert;
    return bsstHorz;
}

TbsInActiveEffect ParseInActiveEffect(std::string_view text) {
    const int index = WordIndex(kInActiveEffectWords, text);
    return index < 0 ? bsieGrayScale : TbsInActiveEffect(index);
}

TbsMorphKind ParseMorphKind(std::string_view text) {
    const int index = WordIndex(kMorphWords, text);
    return index < 0 ? bsmkDefault : TbsMorphKind(index);
}

TAlignment ParseAlignment(std::string_view text) {
    if (text == "tacenter") return taCenter;
    if (text == "taleftjustify") return taLeftJustify;
    return taRightJustify;
}

TbsStdCommand ParseStdCommand(std::string_view text) {
    const int index = WordIndex(kCommandWords, text);
    return index < 0 ? cmMinimizeToTray : TbsStdCommand(index);
}

const char* StretchKindToStr(TbsStretchKind kind) { return WordOf(kStretchWords, kind, bsstHorz); }
const char* InActiveEffectToStr(TbsInActiveEffect effect) {
    return WordOf(kInActiveEffectWords, effect, bsieGrayScale);
}
const char* MorphKindToStr(TbsMorphKind kind) { return WordOf(kMorphWords, kind, bsmkDefault); }
const char* StdCommandToStr(TbsStdCommand command) { return WordOf(kCommandWords, command, cmMinimizeToTray); }

const char* AlignmentToStr(TAlignment alignment) {
    switch (alignment) {
        case taLeftJustify: return "taleftjustify";
        case taCenter: return "tacenter";
        default: return "tarightjustify";
    }
}

TPoint ReadPoint(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParsePoint(*value) : TPoint{};
}

TRect ReadRect(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseRect(*value) : TRect{};
}

TColor ReadColor(const TMemIniFile& ini, std::string_view section, std::string_view key, TColor defaultValue) {
    return TColor(ini.ReadInteger(section, key, int(defaultValue)));
}

TbsFontStyles ReadFontStyle(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseFontStyle(*value) : 0;
}

TbsStretchKind ReadStretchKind(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseStretchKind(*value) : bsstFull;
}

TbsInActiveEffect ReadInActiveEffect(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseInActiveEffect(*value) : bsieBrightness;
}

TbsMorphKind ReadMorphKind(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseMorphKind(*value) : bsmkDefault;
}

TAlignment ReadAlignment(const TMemIniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string_view> value = ini.FindText(section, key);
    return value ? ParseAlignment(*value) : taCenter;
}

std::vector<std::string> ReadList(const TMemIniFile& ini, std::string_view section, std::string_view name) {
    const int count = ini.ReadInteger(section, std::string(name) + "count", 0);
    std::vector<std::string> items;
    if (count <= 0) return items;
    const std::size_t limit = std::min<std::size_t>(std::size_t(count), ini.KeyCount(section));
    items.reserve(limit);
    for (std::size_t i = 0; i < limit; ++i) items.push_back(ini.ReadString(section, IntToStr(int(i)), ""));
    return items;
}

void WriteList(TMemIniFile& ini, std::string_view section, std::string_view name,
               const std::vector<std::string>& items) {
    ini.WriteInteger(section, std::string(name) + "count", int(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) ini.WriteString(section, IntToStr(int(i)), items[i]);
}

TbsSkinFont ReadSkinFont(const TMemIniFile& ini, std::string_view section, std::string_view prefix) {
    const std::string p(prefix);
    TbsSkinFont font;
    font.Name = ini.ReadString(section, p + "fontname", "Tahoma");
    font.Height = ini.ReadInteger(section, p + "fontheight", 13);
    font.Style = ReadFontStyle(ini, section, p + "fontstyle");
    font.Color = ReadColor(ini, section, p + "fontcolor", 0);
    return font;
}

void WriteSkinFont(TMemIniFile& ini, std::string_view section, const TbsSkinFont& font, std::string_view prefix) {
    const std::string p(prefix);
    ini.WriteString(section, p + "fontname", font.Name);
    ini.WriteInteger(section, p + "fontheight", font.Height);
    ini.WriteString(section, p + "fontstyle", FontStyleToStr(font.Style));
    ini.WriteInteger(section, p + "fontcolor", int(font.Color));
}
