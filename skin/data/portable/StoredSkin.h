// The compressed skin package as a stored skin keeps it, and the skin file
// (".skn") that carries one:
//
//   offset 0  signed 32-bit  version; 3 is written, 0 to 3 are read
//   offset 4  signed 32-bit  length L of the compressed package, 1 or more
//   offset 8  L bytes        the compressed package (a zlib stream)
//
// TbsStoredSkinPackage is the portable half of the stored skin component:
// it owns the compressed bytes and replaces them only whole. Every Load...
// builds the new package aside, checks it, and swaps it in only when all went
// well; on any error it raises and the package held before is unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/portable/SkinPackage.h"

// Reads a skin file image: checks its version and length field and returns
// the compressed package it holds (the bytes after the length are not
// inspected here).
std::vector<std::uint8_t> ReadSkinFileImage(const std::uint8_t* data, std::size_t size);

// Makes a skin file image: version 3, the length, the compressed package.
std::vector<std::uint8_t> MakeSkinFileImage(const std::vector<std::uint8_t>& compressed);

// Reads a whole file into memory; raises when it cannot be opened or read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// Writes a whole file; raises when it cannot be created or written.
void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size);

// Inflates a compressed package and reads it (ReadSkinPackage).
TbsSkinPackage DecompressSkinPackage(const std::uint8_t* compressed, std::size_t size);

// Writes a package and deflates it with the package settings (78 DA).
std::vector<std::uint8_t> CompressSkinPackage(const TbsSkinPackage& package);

class TbsStoredSkinPackage {
public:
    // The compressed package, byte for byte as stored.
    const std::vector<std::uint8_t>& GetPackageStream() const { return FPackageStream; }
    // Takes stored bytes as they are (the layout holds them raw, unchecked:
    // a corrupt package fails later, when it is decompressed).
    void SetPackageStream(std::vector<std::uint8_t> bytes) { FPackageStream = std::move(bytes); }
    bool IsEmpty() const { return FPackageStream.empty(); }

    // Inflates the whole package and appends it to target; raises
    // "compression error" on corrupt or truncated data.
    void DecompressToStream(std::vector<std::uint8_t>& target) const;

    // Builds the package from a skin folder's INI file (ReadSkinFolder) and
    // compresses it. Refused (and the package kept): a missing required
    // section, a missing or malformed picture file.
    void LoadFromIniFile(const std::string& iniPath);
    // Reads a skin file. Refused (and the package kept): a version above 3 or
    // below 0, a length field of 0 or less or past the end of the file, and a
    // package that does not inflate and read as a skin package.
    void LoadFromCompressedFile(const std::string& path);
    // The same for a skin file image in memory, read from its start.
    void LoadFromCompressedStream(const std::uint8_t* data, std::size_t size);
    // Appends a skin file image of the package to target.
    void SaveToCompressedStream(std::vector<std::uint8_t>& target) const;

private:
    std::vector<std::uint8_t> FPackageStream;
};
