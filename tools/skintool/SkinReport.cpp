#include "tools/skintool/SkinReport.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "platform/portable/Convert.h"
#include "platform/portable/IniFile.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"
#include "platform/portable/Exception.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/SkinValues.h"

namespace {

// Type words of the two record lists, compared exactly.
const std::set<std::string> kObjectTypes = {"caption",         "stdbutton",         "button",     "animate",
                                            "menuitem",        "mainmenubaritem",   "mainmenubarbutton",
                                            "userobject"};
const std::set<std::string> kControlTypes = {
    "button", "menubutton", "panel",   "expanel",   "checkradio",   "gauge",     "splitter", "trackbar",
    "label",  "stdlabel",   "updown",  "grid",      "tab",          "slider",    "richedit", "mainmenubar",
    "controlbar", "appmenu", "memo",   "edit",      "checklistbox", "listbox",   "combobox", "scrollbar",
    "spinedit", "scrollbox", "treeview", "bevel",   "listview"};

std::string Describe(const std::optional<TBmpFile>& picture) {
    if (!picture)
        return "none";
    const TBmpInfo& i = picture->Info;
    const char* encoding = i.RunLength() ? " RLE" : i.BitFields() ? " bit fields" : "";
    return std::to_string(i.Width) + " x " + std::to_string(i.Height) + ", " + std::to_string(i.BitsPerPixel) +
           (i.BitsPerPixel == 1 ? " bit" : " bits") + encoding + ", " + std::to_string(i.FileSize) + " bytes";
}

// The rectangle value form: ',' ends a component, digits are appended, every
// other character is skipped. Gives nothing for an empty component or fewer
// than four.
std::optional<TRect> ParseRect(const std::string& text) {
    int values[4] = {};
    int n = 0;
    std::string digits;
    auto take = [&]() {
        if (digits.empty() || digits.size() > 9)
            return false;
        if (n < 4)
            values[n] = std::stoi(digits);
        ++n;
        digits.clear();
        return true;
    };
    for (char c : text) {
        if (c == ',') {
            if (!take())
                return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    if (!take() || n < 4)
        return std::nullopt;
    return Rect(values[0], values[1], values[2], values[3]);
}

std::string ShowRect(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

bool Inside(const TRect& r, int width, int height) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height && r.Left <= r.Right &&
           r.Top <= r.Bottom;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TSkinReport DescribeSkinPackage(const TbsSkinPackage& package) {
    TSkinReport report;
    auto& out = report.Lines;
    auto& problems = report.Problems;
    TMemIniFile ini(package.Definition);
    TbsSkinPictureNames names = ReadSkinPictureNames(package.Definition);
    const int pictureCount = int(package.ActivePictures.size());

    out.push_back("version           " + std::to_string(package.Version));
    auto mainLine = [&](const char* label, const std::string& name, const std::optional<TBmpFile>& picture) {
        out.push_back(std::string(label) + (name.empty() ? "" : "\"" + name + "\" ") + Describe(picture));
        if (!name.empty() && !picture)
            problems.push_back(std::string("\"PICTURES\" names \"") + name + "\" but the package has no such picture");
        if (name.empty() && picture)
            problems.push_back(std::string("a main picture is present but \"PICTURES\" gives it no file name"));
    };
    mainLine("main picture      ", names.Picture, package.MainPicture);
    mainLine("inactive picture  ", names.InActivePicture, package.InactivePicture);
    mainLine("mask picture      ", names.Mask, package.MaskPicture);
    if (package.DiscardedPictures > 0)
        out.push_back("discarded         " + std::to_string(package.DiscardedPictures) +
                      " version-2 pictures (not kept when packed again)");
    out.push_back("active pictures   " + std::to_string(pictureCount));
    for (int i = 0; i < pictureCount; ++i) {
        std::string name = std::size_t(i) < names.ActivePictures.size() ? names.ActivePictures[i] : "";
        out.push_back("  " + std::to_string(i) + (i < 10 ? "   " : "  ") + (name.empty() ? "(unnamed)" : "\"" + name + "\"") +
                      " " + Describe(package.ActivePictures[i]));
    }
    if (names.ActivePictures.size() != package.ActivePictures.size())
        problems.push_back("\"PICTURES\" lists " + std::to_string(names.ActivePictures.size()) +
                           " active pictures, the package holds " + std::to_string(pictureCount));

    std::vector<std::string> sections = ini.SectionNames();
    out.push_back("definition        " + std::to_string(package.Definition.size()) + " bytes, " +
                  std::to_string(sections.size()) + " sections");
    for (const char* required : SkinFolderRequiredSections)
        if (!ini.SectionExists(required))
            problems.push_back(std::string("no section [") + required + "]");

    // The record lists: "name:type" items under "count".
    for (const auto& [list, types] : {std::pair{"SKINOBJECTS", &kObjectTypes}, std::pair{"SKINCONTROLS", &kControlTypes}}) {
        int count = ini.ReadInteger(list, "count", 0);
        std::size_t n = count <= 0 ? 0 : std::min<std::size_t>(std::size_t(count), ini.KeyCount(list));
        if (count > 0 && std::size_t(count) > n)
            problems.push_back(std::string("[") + list + "] count " + std::to_string(count) + " is more than its " +
                               std::to_string(n) + " keys");
        std::map<std::string, int> byType;
        int records = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::string item = ini.ReadString(list, std::to_string(i), "");
            std::string where = std::string("[") + list + "] item " + std::to_string(i) + " \"" + item + "\"";
            std::size_t colon = item.find(':');
            if (colon == std::string::npos) {
                problems.push_back(where + " has no \":type\"");
                continue;
            }
            std::string section = item.substr(0, colon);
            std::string type = item.substr(colon + 1);
            if (!types->count(type)) {
                problems.push_back(where + ": unknown type \"" + type + "\" gives no record");
                continue;
            }
            if (!ini.SectionExists(section))
                problems.push_back(where + ": there is no section [" + section + "]");
            ++byType[type];
            ++records;
        }
        std::string line = std::string(list == std::string("SKINOBJECTS") ? "objects           "
                                                                         : "controls          ") +
                           std::to_string(records);
        std::string separator = " (";
        for (const auto& [type, k] : byType) {
            line += separator + type + " " + std::to_string(k);
            separator = ", ";
        }
        if (!byType.empty())
            line += ")";
        out.push_back(line);
    }

    // Picture indexes and the rectangles that address pictures.
    for (const std::string& section : sections) {
        for (const std::string& key : ini.KeyNames(section)) {
            if (!EndsWith(LowerCase(key), "pictureindex"))
                continue;
            std::string value = ini.ReadString(section, key, "");
            int index = 0;
            if (!TryStrToInt(value, index))
                problems.push_back("[" + section + "] " + key + "=" + value + " is not an integer");
            else if (index != -1 && (index < 0 || index >= pictureCount))
                problems.push_back("[" + section + "] " + key + "=" + value + " is out of range (0 to " +
                                   std::to_string(pictureCount - 1) + ", or -1)");
        }
    }

    // The definition as the skin data manager reads it: a malformed value
    // fails the whole load; each control's skin rectangle must lie in its
    // picture.
    std::vector<TPixelBuffer> pictures;
    pictures.reserve(package.ActivePictures.size());
    for (const TBmpFile& file : package.ActivePictures)
        pictures.push_back(file.Decode());
    TbsSkinDefinition definition;
    try {
        definition.LoadFromIni(ini, pictures);
    } catch (const Exception& e) {
        problems.push_back(std::string("the definition does not load: ") + e.what());
    }
    for (const auto& record : definition.ObjectRecords)
        for (const std::string& key : record->FOversizedImages)
            problems.push_back("[" + record->SectionName + "] " + key +
                               " is larger than a picture may be: that look has no image and draws plainly");
    for (const auto& record : definition.ControlRecords) {
        if (!record->SkinRect.IsEmpty() && !PixelSizeFits(record->SkinRect.Width(), record->SkinRect.Height()))
            problems.push_back("[" + record->SectionName + "] skinrect " + ShowRect(record->SkinRect) +
                               " is larger than a picture may be: the control draws plainly");
        if (!IsValidPictureIndex(record->PictureIndex, pictureCount))
            continue;
        const TBmpInfo& info = package.ActivePictures[std::size_t(record->PictureIndex)].Info;
        if (!Inside(record->SkinRect, info.Width, info.Height))
            problems.push_back("[" + record->SectionName + "] skinrect " + ShowRect(record->SkinRect) +
                               " lies outside picture " + std::to_string(record->PictureIndex) + " (" +
                               std::to_string(info.Width) + " x " + std::to_string(info.Height) + ")");
    }
    if (const std::string* clientRect = ini.FindValue("FORMINFO", "clientrect"); clientRect && package.MainPicture) {
        std::optional<TRect> r = ParseRect(*clientRect);
        const TBmpInfo& info = package.MainPicture->Info;
        if (!r)
            problems.push_back("[FORMINFO] clientrect=" + *clientRect + " is not a rectangle");
        else if (!Inside(*r, info.Width, info.Height))
            problems.push_back("[FORMINFO] clientrect " + ShowRect(*r) + " lies outside the main picture");
    }
    return report;
}
