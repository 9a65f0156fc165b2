// Skin folders: one skin definition INI file beside the BMP files its
// "PICTURES" section names ("picture", "inactivepicture", "mask" and the
// list "activepictures", count key "activepicturescount").
#pragma once

#include <string>
#include <vector>

#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/SkinWindowSections.h"

// The five sections a skin folder's INI file must have to be packed.
extern const char* const SkinFolderRequiredSections[5];

// The file names of a package's pictures, read from the "PICTURES" section
// of a skin definition text. Empty names mean "no picture"; the active
// picture list never has more entries than the section has keys, whatever
// its count says.
TbsSkinPictureNames ReadSkinPictureNames(const std::string& definition);

// Splits text into lines at CR LF, LF or CR (a last line without an ending
// still counts) and joins them again, each followed by CR LF.
std::string NormaliseLineEnds(const std::string& text);

// Builds a package from the INI file at iniPath and the BMP files of its
// folder. Raises, naming the fault, when a required section is missing, a
// named file is missing or not a valid BMP file, or an active picture has
// no name. The BMP files go into the package byte for byte (up to the total
// size in their file header); the INI lines end in CR LF.
TbsSkinPackage ReadSkinFolder(const std::string& iniPath);

// Writes a package out as a skin folder: its pictures under the names its
// definition gives and the definition as iniName. Refuses (before writing
// anything) names that are not plain file names, pictures the definition
// does not name, and one name given to two different pictures, so that
// packing the folder again gives the same package.
void WriteSkinFolder(const TbsSkinPackage& package, const std::string& folder, const std::string& iniName);
