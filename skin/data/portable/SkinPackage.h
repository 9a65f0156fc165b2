// The decompressed skin package: pictures and the skin definition text, one
// after the other in a single byte stream. All integers are little-endian.
//
//   version                  signed 32-bit, 0 to 3 (3 is written)
//   main picture             empty flag byte, then a BMP file when it is 0
//   inactive picture         likewise
//   mask picture             likewise
//   [version 2 only]         two more pictures likewise, read and discarded
//   active picture count N   signed 32-bit
//   N active pictures        BMP files without empty flags, index 0 first
//   skin definition          the rest: 8-bit INI text, lines ending in CR LF
//
// A BMP file's length is the total size in its file header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/BmpFile.h"

constexpr std::int32_t SkinPackageVersion = 3;     // the version written
constexpr std::int32_t MaxSkinPackageVersion = 3;  // versions 0 to 3 are read

// What the package readers raise.
inline constexpr const char* SPackageTruncated = "skin package: the data ends inside an item";
inline constexpr const char* SPackageVersion = "skin package: unsupported version (0 to 3 are read)";
inline constexpr const char* SPackageCount =
    "skin package: the active picture count is negative or larger than the data";
inline constexpr const char* SPackagePixels = "skin package: its pictures together are larger than a skin may be";

struct TbsSkinPackage {
    std::int32_t Version = SkinPackageVersion;
    std::optional<TBmpFile> MainPicture;      // "PICTURES" key "picture"
    std::optional<TBmpFile> InactivePicture;  // key "inactivepicture"
    std::optional<TBmpFile> MaskPicture;      // key "mask"
    int DiscardedPictures = 0;                // pictures a version-2 package carried and that were skipped
    std::vector<TBmpFile> ActivePictures;     // list "activepictures", in picture index order
    std::string Definition;                   // the skin definition text, byte for byte
};

// What all the pictures of one skin may decode to together: as much as one
// picture may be (256 MB of 32-bit pixels).
constexpr std::uint64_t MaxSkinPixels = MaxPixelCount;

// Reads a decompressed package. Raises an Exception naming the fault for a
// version outside 0 to 3, a negative active picture count or one larger than
// the bytes left could hold, a malformed BMP file, pictures that together
// are larger than MaxSkinPixels, and data that ends inside an item. Nothing
// is allocated beyond what the bytes present can fill.
TbsSkinPackage ReadSkinPackage(const std::uint8_t* data, std::size_t size);

// Writes a package of version 3 (the discarded pictures of a version-2
// package are gone and stay gone). BMP files are written byte for byte.
std::vector<std::uint8_t> WriteSkinPackage(const TbsSkinPackage& package);
