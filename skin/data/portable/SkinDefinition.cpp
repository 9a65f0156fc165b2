#include "skin/data/portable/SkinDefinition.h"

#include "skin/data/portable/SkinValues.h"

TbsSkinDefinition::TbsSkinDefinition() = default;

TbsSkinListEntry SplitSkinListItem(std::string_view item) {
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos) return {};
    return {std::string(item.substr(0, colon)), std::string(item.substr(colon + 1))};
}

void TbsSkinDefinition::LoadFromIni(const TMemIniFile& ini, const std::vector<TPixelBuffer>& activePictures) {
    ClearRecords();  // a second load replaces the records, never appends to them
    try {
        Version.LoadFromIni(ini);
        PictureNames.LoadFromIni(ini);
        FormInfo.LoadFromIni(ini, !PictureNames.Mask.empty());
        PopupWindowData.LoadFromIni(ini);
        LayerFrameData.LoadFromIni(ini);
        LayerFrameData.BuildImages(activePictures);
        HintWindowData.LoadFromIni(ini);
        SkinColors.LoadFromIni(ini);
        const TbsSkinImageSource images{activePictures,
                                        LayerFrameData.UsesFullBorder(int(activePictures.size()))};
        ReadObjectList(ini, images);
        ReadControlList(ini);
    } catch (...) {
        ClearRecords();
        PictureNames.Clear();
        throw;
    }
}

void TbsSkinDefinition::ReadObjectList(const TMemIniFile& ini, const TbsSkinImageSource& images) {
    for (const std::string& text : ReadList(ini, "SKINOBJECTS", "")) {
        TbsSkinListEntry item = SplitSkinListItem(text);
        std::unique_ptr<TbsDataSkinObject> record = CreateSkinObjectRecord(item.Type, std::move(item.Name));
        if (!record) continue;
        TbsDataSkinObject& added = *ObjectRecords.emplace_back(std::move(record));
        added.LoadFromIni(ini);
        added.PrepareImages(images);
    }
}

void TbsSkinDefinition::ReadControlList(const TMemIniFile& ini) {
    for (const std::string& text : ReadList(ini, "SKINCONTROLS", "")) {
        TbsSkinListEntry item = SplitSkinListItem(text);
        std::unique_ptr<TbsDataSkinControl> record = CreateSkinControlRecord(item.Type, std::move(item.Name));
        if (!record) continue;
        ControlRecords.emplace_back(std::move(record))->LoadFromIni(ini);
    }
}

void TbsSkinDefinition::ClearRecords() {
    ObjectRecords.clear();
    ControlRecords.clear();
    LayerFrameData.PictureIndex = -1;
    LayerFrameData.InActivePictureIndex = -1;
    LayerFrameData.BuildImages({});
    PopupWindowData.WindowPictureIndex = -1;
    HintWindowData.WindowPictureIndex = -1;
    PictureNames.ActivePictures.clear();
    SkinColors.SetSystemColors();
}

int TbsSkinDefinition::FindSkinControlRecord(std::string_view name) const {
    for (std::size_t i = 0; i < ControlRecords.size(); ++i)
        if (ControlRecords[i]->SectionName == name) return int(i);
    return -1;
}

int TbsSkinDefinition::FindSkinObjectRecord(std::string_view name) const {
    for (std::size_t i = 0; i < ObjectRecords.size(); ++i)
        if (ObjectRecords[i]->SectionName == name) return int(i);
    return -1;
}
