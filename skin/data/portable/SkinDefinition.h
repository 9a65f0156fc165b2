// The skin definition read into records: the whole-skin sections and the
// two ordered record lists. The skin data manager owns one and serves its
// records to the skinned elements; the pictures stay with the manager and
// are lent to LoadFromIni for the images some records build.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/portable/IniFile.h"
#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/SkinControlRecords.h"
#include "skin/data/portable/SkinObjectRecords.h"
#include "skin/data/portable/SkinWindowSections.h"

class TbsSkinDefinition {
public:
    // Whole-skin records with their defaults, skin colours 0, no records.
    TbsSkinDefinition();

    // Reads, in order: "VERSION", "PICTURES", "FORMINFO" (completed),
    // "POPUPWINDOW", "LAYERFRAME" (and its images), "HINTWINDOW",
    // "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS". `activePictures` are the
    // package's active pictures in index order. When a key is malformed the
    // error propagates and the definition is left cleared (ClearRecords,
    // picture names emptied), never half-built.
    void LoadFromIni(const TMemIniFile& ini, const std::vector<TPixelBuffer>& activePictures);

    // Releases every record, drops the layer frame's pictures and images and
    // the pop-up and hint window pictures, empties the active picture names
    // and sets the skin colours to the system colours.
    void ClearRecords();

    // Index of the first record whose section name equals `name` exactly
    // (letter case counts), or -1. Called on every paint: no allocation.
    int FindSkinControlRecord(std::string_view name) const;
    int FindSkinObjectRecord(std::string_view name) const;

    TbsSkinVersionInfo Version;
    TbsSkinPictureNames PictureNames;
    TbsFormInfo FormInfo;
    TbsDataSkinPopupWindow PopupWindowData;
    TbsDataSkinLayerFrame LayerFrameData;
    TbsDataSkinHintWindow HintWindowData;
    TbsSkinColors SkinColors;
    std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectRecords;
    std::vector<std::unique_ptr<TbsDataSkinControl>> ControlRecords;

private:
    void ReadObjectList(const TMemIniFile& ini, const TbsSkinImageSource& images);
    void ReadControlList(const TMemIniFile& ini);
};

// Splits a list item "name:type" at its first ":"; a text without ":" gives
// an empty name and an empty type.
struct TbsSkinListEntry {
    std::string Name, Type;
};
TbsSkinListEntry SplitSkinListItem(std::string_view item);
