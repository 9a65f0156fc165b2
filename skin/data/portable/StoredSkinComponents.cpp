#include "skin/data/portable/StoredSkinComponents.h"

namespace {

std::string FileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TbsCompressedStoredSkin::TbsCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TbsCompressedStoredSkin::LoadFromIniFile(const std::string& iniPath) {
    FPackage.LoadFromIniFile(iniPath);
    FFileName = FileNamePart(iniPath);
}

void TbsCompressedStoredSkin::LoadFromCompressedFile(const std::string& path) {
    FPackage.LoadFromCompressedFile(path);
    FCompressedFileName = FileNamePart(path);
}

void TbsCompressedStoredSkin::LoadFromCompressedStream(const std::uint8_t* data, std::size_t size) {
    FPackage.LoadFromCompressedStream(data, size);
}

void TbsCompressedStoredSkin::SaveToCompressedStream(std::vector<std::uint8_t>& target) const {
    FPackage.SaveToCompressedStream(target);
}

TbsSkinListItem::TbsSkinListItem(int index)
    : FName("bsSkin" + std::to_string(index)), FSkin(std::make_unique<TbsCompressedStoredSkin>(nullptr)) {}

std::vector<std::uint8_t> TbsSkinListItem::GetStoredSkin() const {
    std::vector<std::uint8_t> bytes;
    FSkin->SaveToCompressedStream(bytes);
    return bytes;
}

void TbsSkinListItem::SetStoredSkin(const std::vector<std::uint8_t>& bytes) {
    FSkin->LoadFromCompressedStream(bytes.data(), bytes.size());
}

TbsSkinListItem& TbsSkinListItems::Add() {
    FItems.push_back(std::make_unique<TbsSkinListItem>(GetCount()));
    return *FItems.back();
}

void TbsSkinListItems::Delete(int index) {
    if (index < 0 || index >= GetCount()) return;
    FItems.erase(FItems.begin() + index);
}

void RegisterStoredSkinClasses(TClassRegistry& registry) {
    TClassBuilder<TbsCompressedStoredSkin>(registry, "TbsCompressedStoredSkin", "TComponent")
        .Creatable()
        .Str("Description", &TbsCompressedStoredSkin::GetDescription, &TbsCompressedStoredSkin::SetDescription)
        .Str("FileName", &TbsCompressedStoredSkin::GetFileName, &TbsCompressedStoredSkin::SetFileName)
        .Str("CompressedFileName", &TbsCompressedStoredSkin::GetCompressedFileName,
             &TbsCompressedStoredSkin::SetCompressedFileName)
        .Value(
            "CompressedData",
            [](TbsCompressedStoredSkin& skin, const TLayoutValue& v) { skin.SetCompressedData(LayoutBinary(v)); },
            [](const TbsCompressedStoredSkin& skin) -> TStoredValue {
                return TLayoutValue::OfBinary(skin.GetCompressedData());
            });
    TClassBuilder<TbsCompressedSkinList>(registry, "TbsCompressedSkinList", "TComponent")
        .Creatable()
        .Collection("Skins", [](auto& list) -> auto& { return list.GetSkins(); })
        .Str("Name", &TbsSkinListItem::GetName, &TbsSkinListItem::SetName)
        .Str("Description", &TbsSkinListItem::GetDescription, &TbsSkinListItem::SetDescription)
        .Str("FileName", &TbsSkinListItem::GetFileName, &TbsSkinListItem::SetFileName)
        .Str("CompressedFileName", &TbsSkinListItem::GetCompressedFileName, &TbsSkinListItem::SetCompressedFileName)
        .Value(
            "Skin", [](TbsSkinListItem& item, const TLayoutValue& v) { item.SetStoredSkin(LayoutBinary(v)); },
            // A skin file holds a package of at least one byte: an item
            // without a skin stores no "Skin" and reads back empty.
            [](const TbsSkinListItem& item) -> TStoredValue {
                if (item.GetSkin().IsEmpty()) return std::nullopt;
                return TLayoutValue::OfBinary(item.GetStoredSkin());
            });
}
