// The package reader and the definition reader over arbitrary bytes. The
// first byte chooses what the rest is: 0 a decompressed package, 1 a skin
// file (".skn"), anything else a zlib stream holding a package. Every input
// must either load or be refused with an Exception; anything else (a crash,
// an over-read, another exception type, a hang) is a fault. A package that
// reads must write back to bytes that read as the same package (the empty
// flags are written as 1 whatever nonzero value they had).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/data/portable/ZlibStream.h"

namespace {

void LoadPackage(const std::uint8_t* data, std::size_t size) {
    TbsSkinPackage package = ReadSkinPackage(data, size);
    std::vector<std::uint8_t> written = WriteSkinPackage(package);
    TbsSkinPackage reread = ReadSkinPackage(written.data(), written.size());
    if (WriteSkinPackage(reread) != written || reread.Definition != package.Definition ||
        reread.ActivePictures.size() != package.ActivePictures.size() ||
        (package.Version == SkinPackageVersion && written.size() != size))
        std::abort();
    std::vector<TPixelBuffer> pictures;
    for (const TBmpFile& file : package.ActivePictures)
        pictures.push_back(file.Decode());
    for (const auto* main : {&package.MainPicture, &package.InactivePicture, &package.MaskPicture})
        if (*main)
            (*main)->Decode();
    TbsSkinDefinition definition;
    definition.LoadFromIni(TMemIniFile(package.Definition), pictures);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    try {
        if (mode == 0) {
            LoadPackage(data, size);
        } else if (mode == 1) {
            std::vector<std::uint8_t> compressed = ReadSkinFileImage(data, size);
            std::vector<std::uint8_t> raw = DecompressBytes(compressed.data(), compressed.size(), 16u << 20);
            LoadPackage(raw.data(), raw.size());
        } else {
            std::vector<std::uint8_t> raw = DecompressBytes(data, size, 16u << 20);
            LoadPackage(raw.data(), raw.size());
        }
    } catch (const Exception&) {
        // refused: fine
    }
    return 0;
}
