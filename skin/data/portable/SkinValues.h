// The value forms of the skin definition: how every section's keys are read
// from the INI text and written back.
//
//   point       "x,y"          scanned character by character: "," ends a
//                              component, digits are appended, every other
//                              character (blanks, signs) is skipped, so
//                              values are never negative; components past
//                              the second are ignored; default 0,0
//   rectangle   "l,t,r,b"      as the point, four components; default 0,0,0,0
//   boolean     "1" / "0"      true only for the integer 1; default false
//   picture     integer        index into the active pictures, -1 for none
//   colour      integer        0x00BBGGRR or 0xFF0000nn (system colour nn)
//   font style  words          "fsbold", "fsitalic", "fsunderline",
//                              "fsstrikeout" found anywhere (case counts),
//                              written joined by ","
//   identifiers exact words    stretch type, inactive effect, morph kind,
//                              alignment, with the fallbacks below
//   list        NAMEcount=N    items under "0" .. "N-1" of the same section
//
// A point or rectangle whose key is present but has an empty or missing
// component (or a number too large for 32 bits) raises the conversion error
// "'' is not a valid integer value"; an absent key gives the default.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/Alignment.h"
#include "platform/portable/IniFile.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinEnums.h"

// The one test for a picture index: valid when 0 <= index < count. Every
// user of an index from the definition goes through it (-1 and other
// negative values, and values past the list, are "none").
constexpr bool IsValidPictureIndex(int index, int count) { return index >= 0 && index < count; }

// Parses the text of a point or rectangle; `count` components are filled.
void ParseComponents(std::string_view text, int* components, int count);
TPoint ParsePoint(std::string_view text);
TRect ParseRect(std::string_view text);
std::string PointToStr(TPoint point);
std::string RectToStr(const TRect& rect);

TbsFontStyles ParseFontStyle(std::string_view text);
std::string FontStyleToStr(TbsFontStyles style);

// Exact, case-sensitive words; fallbacks: stretch type "sthorz", inactive
// effect "iegrayscale", morph kind "mkdefault", alignment right.
TbsStretchKind ParseStretchKind(std::string_view text);
TbsInActiveEffect ParseInActiveEffect(std::string_view text);
TbsMorphKind ParseMorphKind(std::string_view text);
TAlignment ParseAlignment(std::string_view text);
TbsStdCommand ParseStdCommand(std::string_view text);  // any other word: cmMinimizeToTray
const char* StretchKindToStr(TbsStretchKind kind);
const char* InActiveEffectToStr(TbsInActiveEffect effect);
const char* MorphKindToStr(TbsMorphKind kind);
const char* AlignmentToStr(TAlignment alignment);
const char* StdCommandToStr(TbsStdCommand command);

// Readers over a section of an INI text; absent keys give the default.
TPoint ReadPoint(const TMemIniFile& ini, std::string_view section, std::string_view key);
TRect ReadRect(const TMemIniFile& ini, std::string_view section, std::string_view key);
TColor ReadColor(const TMemIniFile& ini, std::string_view section, std::string_view key, TColor defaultValue);
TbsFontStyles ReadFontStyle(const TMemIniFile& ini, std::string_view section, std::string_view key);
TbsStretchKind ReadStretchKind(const TMemIniFile& ini, std::string_view section, std::string_view key);
TbsInActiveEffect ReadInActiveEffect(const TMemIniFile& ini, std::string_view section, std::string_view key);
TbsMorphKind ReadMorphKind(const TMemIniFile& ini, std::string_view section, std::string_view key);
TAlignment ReadAlignment(const TMemIniFile& ini, std::string_view section, std::string_view key);

// A list "NAMEcount" with items "0" to "N-1". The count is taken as at most
// the number of keys the section has (a list cannot hold more items than
// lines), so a huge or negative count costs nothing; a missing item is an
// empty text.
std::vector<std::string> ReadList(const TMemIniFile& ini, std::string_view section, std::string_view name);
void WriteList(TMemIniFile& ini, std::string_view section, std::string_view name,
               const std::vector<std::string>& items);

// The four font keys "<prefix>fontname", "<prefix>fontheight",
// "<prefix>fontstyle", "<prefix>fontcolor".
struct TbsSkinFont {
    std::string Name = "Tahoma";
    int Height = 13;
    TbsFontStyles Style = 0;
    TColor Color = 0;
    friend bool operator==(const TbsSkinFont&, const TbsSkinFont&) = default;
};
TbsSkinFont ReadSkinFont(const TMemIniFile& ini, std::string_view section, std::string_view prefix = {});
void WriteSkinFont(TMemIniFile& ini, std::string_view section, const TbsSkinFont& font, std::string_view prefix = {});
