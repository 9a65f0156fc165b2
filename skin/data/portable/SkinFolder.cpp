#include "skin/data/portable/SkinFolder.h"

#include <filesystem>
#include <map>

#include "platform/portable/Convert.h"
#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/StoredSkin.h"

const char* const SkinFolderRequiredSections[5] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                   "SKINCONTROLS"};

namespace {

const char* const SFolderMissingSection = "skin folder: the INI file has no section ";
const char* const SFolderUnnamedPicture = "skin folder: an active picture has no file name: item ";
const char* const SFolderBadBmp = "skin folder: ";
const char* const SUnpackUnnamed = "unpack: the definition names no file for the ";
const char* const SUnpackBadName = "unpack: not a plain file name: ";
const char* const SUnpackClash = "unpack: two different pictures share the file name ";
const char* const SUnpackCount = "unpack: the definition lists a different number of active pictures than the package holds";

const char* const SUnpackFolder = "unpack: cannot create the folder ";
const char* const SUnpackNoPicture = "unpack: the definition names a picture the package does not hold: ";

TBmpFile ReadPictureFile(const std::filesystem::path& folder, const std::string& name) {
    std::string path = (folder / name).string();
    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        return ReadBmpFile(bytes.data(), bytes.size());
    } catch (const Exception& e) {
        throw Exception(SFolderBadBmp + name + ": " + e.what());
    }
}

std::optional<TBmpFile> ReadOptionalPicture(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty())
        return std::nullopt;
    return ReadPictureFile(folder, name);
}

// A name that writes inside the target folder and nowhere else.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            return false;
    return true;
}

}  // namespace

TbsSkinPictureNames ReadSkinPictureNames(const std::string& definition) {
    TbsSkinPictureNames names;
    names.LoadFromIni(TMemIniFile(definition));
    return names;
}

std::string NormaliseLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos)
            end = text.size();
        out.append(text, i, end - i);
        out += "\r\n";
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        i = end + 1;
    }
    return out;
}

TbsSkinPackage ReadSkinFolder(const std::string& iniPath) {
    std::vector<std::uint8_t> bytes = ReadFileBytes(iniPath);
    std::string text(bytes.begin(), bytes.end());
    TMemIniFile ini(text);
    for (const char* section : SkinFolderRequiredSections)
        if (!ini.SectionExists(section))
            throw Exception(std::string(SFolderMissingSection) + "[" + section + "]");

    std::filesystem::path folder = std::filesystem::path(iniPath).parent_path();
    TbsSkinPictureNames names = ReadSkinPictureNames(text);
    TbsSkinPackage package;
    package.MainPicture = ReadOptionalPicture(folder, names.Picture);
    package.InactivePicture = ReadOptionalPicture(folder, names.InActivePicture);
    package.MaskPicture = ReadOptionalPicture(folder, names.Mask);
    for (std::size_t i = 0; i < names.ActivePictures.size(); ++i) {
        if (names.ActivePictures[i].empty())
            throw Exception(SFolderUnnamedPicture + std::to_string(i));
        package.ActivePictures.push_back(ReadPictureFile(folder, names.ActivePictures[i]));
    }
    package.Definition = NormaliseLineEnds(text);
    return package;
}

void WriteSkinFolder(const TbsSkinPackage& package, const std::string& folder, const std::string& iniName) {
    TbsSkinPictureNames names = ReadSkinPictureNames(package.Definition);
    if (names.ActivePictures.size() != package.ActivePictures.size())
        throw Exception(SUnpackCount);

    // name -> bytes, checked completely before the first file is written
    std::map<std::string, const std::vector<std::uint8_t>*> files;
    auto plan = [&](const std::string& name, const TBmpFile& picture, const std::string& what) {
        if (name.empty())
            throw Exception(SUnpackUnnamed + what);
        if (!IsPlainFileName(name))
            throw Exception(SUnpackBadName + name);
        auto [at, added] = files.emplace(LowerCase(name), &picture.Bytes);  // Windows names ignore case
        if (!added && *at->second != picture.Bytes)
            throw Exception(SUnpackClash + name);
    };
    for (const auto& [name, picture] : {std::pair{&names.Picture, &package.MainPicture},
                                        std::pair{&names.InActivePicture, &package.InactivePicture},
                                        std::pair{&names.Mask, &package.MaskPicture}})
        if (!name->empty() && !*picture)
            throw Exception(SUnpackNoPicture + *name);
    if (package.MainPicture)
        plan(names.Picture, *package.MainPicture, "main picture");
    if (package.InactivePicture)
        plan(names.InActivePicture, *package.InactivePicture, "inactive picture");
    if (package.MaskPicture)
        plan(names.Mask, *package.MaskPicture, "mask picture");
    for (std::size_t i = 0; i < package.ActivePictures.size(); ++i)
        plan(names.ActivePictures[i], package.ActivePictures[i], "active picture " + std::to_string(i));
    if (!IsPlainFileName(iniName))
        throw Exception(SUnpackBadName + iniName);

    std::filesystem::path dir(folder);
    std::error_code failed;
    std::filesystem::create_directories(dir, failed);
    if (failed)
        throw Exception(SUnpackFolder + folder);
    auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        WriteFileBytes((dir / name).string(), bytes.data(), bytes.size());
    };
    if (package.MainPicture)
        write(names.Picture, package.MainPicture->Bytes);
    if (package.InactivePicture)
        write(names.InActivePicture, package.InactivePicture->Bytes);
    if (package.MaskPicture)
        write(names.Mask, package.MaskPicture->Bytes);
    for (std::size_t i = 0; i < package.ActivePictures.size(); ++i)
        write(names.ActivePictures[i], package.ActivePictures[i].Bytes);
    std::vector<std::uint8_t> text(package.Definition.begin(), package.Definition.end());
    write(iniName, text);
}
