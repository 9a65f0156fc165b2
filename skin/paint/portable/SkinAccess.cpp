#include "skin/paint/portable/SkinAccess.h"

#include "skin/data/portable/SkinValues.h"

namespace {

template <class List>
bool InRange(int index, const List& list) {
    return index >= 0 && std::size_t(index) < list.size();
}

}  // namespace

int FindSkinControlIndex(const TbsSkinDataCore* skin, std::string_view name) {
    return SkinUsable(skin) ? skin->FindSkinControlRecord(name) : -1;
}

int FindSkinObjectIndex(const TbsSkinDataCore* skin, std::string_view name) {
    return SkinUsable(skin) ? skin->FindSkinObjectRecord(name) : -1;
}

const TbsDataSkinControl* SkinControlRecord(const TbsSkinDataCore* skin, int index) {
    if (!SkinUsable(skin)) return nullptr;
    const auto& records = skin->FDefinition.ControlRecords;
    if (!InRange(index, records)) return nullptr;
    return records[std::size_t(index)].get();
}

const TbsDataSkinObject* SkinObjectRecord(const TbsSkinDataCore* skin, int index) {
    if (!SkinUsable(skin)) return nullptr;
    const auto& records = skin->FDefinition.ObjectRecords;
    if (!InRange(index, records)) return nullptr;
    return records[std::size_t(index)].get();
}

const TPixelBuffer* SkinPicture(const TbsSkinDataCore* skin, int index) {
    if (!SkinUsable(skin)) return nullptr;
    const auto& pictures = skin->FActivePictures;
    if (!IsValidPictureIndex(index, int(pictures.size()))) return nullptr;
    const TPixelBuffer& picture = pictures[std::size_t(index)];
    return picture.Empty() ? nullptr : &picture;
}

TPixelView SkinPictureView(const TbsSkinDataCore* skin, int index) {
    const TPixelBuffer* picture = SkinPicture(skin, index);
    return picture ? ViewOf(*picture) : TPixelView{};
}
