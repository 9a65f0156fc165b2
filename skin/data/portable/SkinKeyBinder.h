// One list of keys per record, run in two directions: a record names each of
// its keys once (with form and default) in BindKeys, and the same list reads
// the record from a section or writes it back, so reading and writing can
// never disagree about a key's name, form or order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/portable/Alignment.h"
#include "platform/portable/IniFile.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinEnums.h"
#include "skin/data/portable/SkinValues.h"

class TbsKeyBinder {
public:
    // Reads each bound field from `section` of `ini`; absent keys give the
    // default passed with the field.
    TbsKeyBinder(const TMemIniFile& ini, std::string_view section);
    // Writes each bound field into `section` of `ini`.
    TbsKeyBinder(TMemIniFile& ini, std::string_view section);

    bool Reading() const { return FWriter == nullptr; }

    void Integer(std::string_view key, int& value, int defaultValue = 0);
    void Picture(std::string_view key, int& value);  // picture index, default -1
    void Boolean(std::string_view key, bool& value);  // default false
    void Point(std::string_view key, TPoint& value);  // default 0,0
    void Rect(std::string_view key, TRect& value);    // default 0,0,0,0
    void Color(std::string_view key, TColor& value, TColor defaultValue = 0);
    void Text(std::string_view key, std::string& value, std::string_view defaultValue = {});
    void Stretch(std::string_view key, TbsStretchKind& value);
    void Morph(std::string_view key, TbsMorphKind& value);
    void Effect(std::string_view key, TbsInActiveEffect& value);
    void Alignment(std::string_view key, TAlignment& value);
    void Command(std::string_view key, TbsStdCommand& value);  // default "cmdefault"
    void Font(TbsSkinFont& value, std::string_view prefix = {});

private:
    // The value text of `key` in the section being read, if present.
    std::optional<std::string_view> Value(std::string_view key) const {
        return TMemIniFile::FindText(FReadSection, key);
    }

    TMemIniFile* FWriter;                         // not owned; null when reading
    const TMemIniFile::TSection* FReadSection;    // not owned; found once per record, null when absent
    std::string FSection;
};
