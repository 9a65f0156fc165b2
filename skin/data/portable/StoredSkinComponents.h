// The non-visual components that hold compressed skin packages: one stored
// skin (TbsCompressedStoredSkin), and a list of named skins
// (TbsCompressedSkinList with its TbsSkinListItems).
//
// There is no design environment: setting FileName or CompressedFileName
// only records the text; the packages are built with LoadFromIniFile and
// LoadFromCompressedFile (and by the skintool). Every load builds the new
// package aside and keeps the old one when it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Component.h"
#include "skin/data/portable/StoredSkin.h"

class TbsCompressedStoredSkin : public TComponent {
public:
    explicit TbsCompressedStoredSkin(TComponent* AOwner);

    const std::string& GetDescription() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    const std::string& GetFileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    const std::string& GetCompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& value) { FCompressedFileName = value; }

    // The stored raw zlib stream, byte for byte (the layout's CompressedData).
    const std::vector<std::uint8_t>& GetCompressedData() const { return FPackage.GetPackageStream(); }
    void SetCompressedData(std::vector<std::uint8_t> bytes) { FPackage.SetPackageStream(std::move(bytes)); }

    bool IsEmpty() const { return FPackage.IsEmpty(); }
    const TbsStoredSkinPackage& GetPackage() const { return FPackage; }
    void DecompressToStream(std::vector<std::uint8_t>& target) const { FPackage.DecompressToStream(target); }

    // Builds the package from a skin folder's INI file and its BMP files;
    // FileName becomes the file name part of the path.
    void LoadFromIniFile(const std::string& iniPath);
    // Reads a ".skn" skin file; CompressedFileName becomes its file name part.
    void LoadFromCompressedFile(const std::string& path);
    void LoadFromCompressedStream(const std::uint8_t* data, std::size_t size);
    void SaveToCompressedStream(std::vector<std::uint8_t>& target) const;

private:
    std::string FDescription, FFileName, FCompressedFileName;
    TbsStoredSkinPackage FPackage;
};

class TbsCompressedSkinList;

// One skin of a list; owns its stored skin.
class TbsSkinListItem {
public:
    explicit TbsSkinListItem(int index);  // Name "bsSkin<index>"

    const std::string& GetName() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    const std::string& GetDescription() const { return FSkin->GetDescription(); }
    void SetDescription(const std::string& value) { FSkin->SetDescription(value); }
    const std::string& GetFileName() const { return FSkin->GetFileName(); }
    void SetFileName(const std::string& value) { FSkin->SetFileName(value); }
    const std::string& GetCompressedFileName() const { return FSkin->GetCompressedFileName(); }
    void SetCompressedFileName(const std::string& value) { FSkin->SetCompressedFileName(value); }

    TbsCompressedStoredSkin& GetSkin() { return *FSkin; }
    const TbsCompressedStoredSkin& GetSkin() const { return *FSkin; }

    // The layout's binary value "Skin": the skin file layout of the package.
    std::vector<std::uint8_t> GetStoredSkin() const;
    void SetStoredSkin(const std::vector<std::uint8_t>& bytes);

private:
    std::string FName;
    std::unique_ptr<TbsCompressedStoredSkin> FSkin;  // owned, without an owner component
};

// The ordered items of a skin list.
class TbsSkinListItems {
public:
    int GetCount() const { return int(FItems.size()); }
    TbsSkinListItem& GetItem(int index) { return *FItems.at(std::size_t(index)); }
    const TbsSkinListItem& GetItem(int index) const { return *FItems.at(std::size_t(index)); }
    TbsSkinListItem& Add();
    void Delete(int index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TbsSkinListItem>> FItems;
};

class TbsCompressedSkinList : public TComponent {
public:
    explicit TbsCompressedSkinList(TComponent* AOwner) : TComponent(AOwner) {}
    TbsSkinListItems& GetSkins() { return FSkins; }
    const TbsSkinListItems& GetSkins() const { return FSkins; }

private:
    TbsSkinListItems FSkins;
};

// Registers TbsCompressedStoredSkin and TbsCompressedSkinList with the
// properties a layout may set and the writer writes back:
//   TbsCompressedStoredSkin: Description, FileName, CompressedFileName,
//     CompressedData (binary: the raw zlib stream);
//   TbsCompressedSkinList: the collection Skins, each item with Name,
//     Description, FileName, CompressedFileName and Skin (binary: the skin
//     file layout, read with LoadFromCompressedStream, so a version above 3,
//     a length of 0 or past its bytes, or a package that does not read is
//     refused).
void RegisterStoredSkinClasses(TClassRegistry& registry);
