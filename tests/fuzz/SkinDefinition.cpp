// Any definition text either reads into records or fails with an Exception
// that leaves no records; never a crash, an over-read or a long loop. What
// reads is consistent: lists are no longer than their sections, look-ups
// find what they name, and every record writes itself in forms that read
// back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinValues.h"

namespace {

template <class TRecord>
void CheckRewrite(const TRecord& record, TRecord& fresh) {
    TMemIniFile first;
    record.SaveToIni(first);
    fresh.LoadFromIni(first);
    TMemIniFile second;
    fresh.SaveToIni(second);
    if (first.GetText() != second.GetText()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses how many small active pictures the skin has.
    const int pictureCount = size > 0 ? data[0] % 4 : 0;
    std::vector<TPixelBuffer> pictures;
    for (int i = 0; i < pictureCount; ++i) pictures.emplace_back(3 + i, 2 + i, 0xFF808080u + std::uint32_t(i));
    const std::string text(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0), size > 0 ? size - 1 : 0);

    const TMemIniFile ini(text);
    TbsSkinDefinition skin;
    try {
        skin.LoadFromIni(ini, pictures);
    } catch (const Exception&) {
        if (!skin.ControlRecords.empty() || !skin.ObjectRecords.empty()) std::abort();
        return 0;
    }
    if (skin.ControlRecords.size() > ini.KeyCount("SKINCONTROLS")) std::abort();
    if (skin.ObjectRecords.size() > ini.KeyCount("SKINOBJECTS")) std::abort();
    if (skin.PictureNames.ActivePictures.size() > ini.KeyCount("PICTURES")) std::abort();
    for (const auto& record : skin.ControlRecords) {
        const int found = skin.FindSkinControlRecord(record->SectionName);
        if (found < 0 || skin.ControlRecords[std::size_t(found)]->SectionName != record->SectionName) std::abort();
    }
    for (const auto& record : skin.ObjectRecords) {
        if (skin.FindSkinObjectRecord(record->SectionName) < 0) std::abort();
        if (auto* button = dynamic_cast<const TbsDataSkinButton*>(record.get())) {
            if (button->FSkinImage && (button->FSkinImage->Width != button->SkinRect.Width() ||
                                       button->FSkinImage->Height != button->SkinRect.Height()))
                std::abort();
        }
    }
    // Each record, written and read into a new record of its type, writes
    // the same text again.
    std::size_t next = 0;
    for (const std::string& text : ReadList(ini, "SKINCONTROLS", "")) {
        TbsSkinListEntry item = SplitSkinListItem(text);
        auto fresh = CreateSkinControlRecord(item.Type, item.Name);
        if (!fresh) continue;
        if (next >= skin.ControlRecords.size()) std::abort();
        CheckRewrite(*skin.ControlRecords[next++], *fresh);
    }
    if (next != skin.ControlRecords.size()) std::abort();
    next = 0;
    for (const std::string& text : ReadList(ini, "SKINOBJECTS", "")) {
        TbsSkinListEntry item = SplitSkinListItem(text);
        auto fresh = CreateSkinObjectRecord(item.Type, item.Name);
        if (!fresh) continue;
        if (next >= skin.ObjectRecords.size()) std::abort();
        CheckRewrite(*skin.ObjectRecords[next++], *fresh);
    }
    if (next != skin.ObjectRecords.size()) std::abort();
    return 0;
}
