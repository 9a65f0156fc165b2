#include "skin/data/portable/SkinPackage.h"

#include <limits>

#include "platform/portable/Exception.h"

namespace {

class TReader {
public:
    TReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

    std::size_t Left() const { return FSize - FPos; }

    std::int32_t Int32() {
        if (Left() < 4)
            throw Exception(SPackageTruncated);
        const std::uint8_t* p = FData + FPos;
        FPos += 4;
        return std::int32_t(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                            (std::uint32_t(p[3]) << 24));
    }

    std::uint8_t Byte() {
        if (Left() < 1)
            throw Exception(SPackageTruncated);
        return FData[FPos++];
    }

    TBmpFile Bmp() {
        TBmpFile file = ReadBmpFile(FData + FPos, Left());
        FPos += file.Info.FileSize;
        return file;
    }

    // Skips a BMP file after checking it, allocating nothing.
    void SkipBmp() { FPos += ReadBmpInfo(FData + FPos, Left()).FileSize; }

    std::optional<TBmpFile> FlaggedBmp() {
        if (Byte() != 0)
            return std::nullopt;
        return Bmp();
    }

    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(FData + FPos), Left());
        FPos = FSize;
        return text;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

void Put32(std::vector<std::uint8_t>& out, std::int32_t value) {
    auto v = std::uint32_t(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

void PutFlagged(std::vector<std::uint8_t>& out, const std::optional<TBmpFile>& picture) {
    out.push_back(picture ? 0 : 1);
    if (picture)
        out.insert(out.end(), picture->Bytes.begin(), picture->Bytes.end());
}

}  // namespace

TbsSkinPackage ReadSkinPackage(const std::uint8_t* data, std::size_t size) {
    TReader in(data, size);
    TbsSkinPackage package;
    package.Version = in.Int32();
    if (package.Version < 0 || package.Version > MaxSkinPackageVersion)
        throw Exception(SPackageVersion);
    package.MainPicture = in.FlaggedBmp();
    package.InactivePicture = in.FlaggedBmp();
    package.MaskPicture = in.FlaggedBmp();
    if (package.Version == 2) {
        for (int i = 0; i < 2; ++i) {
            if (in.Byte() == 0) {
                in.SkipBmp();
                ++package.DiscardedPictures;
            }
        }
    }
    std::int32_t count = in.Int32();
    if (count < 0 || std::size_t(count) > in.Left() / MinBmpFileSize)
        throw Exception(SPackageCount);
    package.ActivePictures.reserve(std::size_t(count));  // bounded by the bytes left
    for (std::int32_t i = 0; i < count; ++i)
        package.ActivePictures.push_back(in.Bmp());
    // Compressed pictures claim their sizes cheaply (a 60-byte RLE file can
    // decode to 64 M pixels): bound what the whole skin decodes to.
    std::uint64_t pixels = 0;
    const auto add = [&pixels](const TBmpFile& file) { pixels += std::uint64_t(file.Info.Width) * file.Info.Height; };
    for (const auto* main : {&package.MainPicture, &package.InactivePicture, &package.MaskPicture})
        if (*main) add(**main);
    for (const TBmpFile& file : package.ActivePictures) add(file);
    if (pixels > MaxSkinPixels) throw Exception(SPackagePixels);
    package.Definition = in.Rest();
    return package;
}

std::vector<std::uint8_t> WriteSkinPackage(const TbsSkinPackage& package) {
    if (package.ActivePictures.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw Exception(SPackageCount);
    std::size_t total = 4 + 3 + 4 + package.Definition.size();
    for (const auto* p : {&package.MainPicture, &package.InactivePicture, &package.MaskPicture})
        total += *p ? (*p)->Bytes.size() : 0;
    for (const TBmpFile& p : package.ActivePictures)
        total += p.Bytes.size();

    std::vector<std::uint8_t> out;
    out.reserve(total);
    Put32(out, SkinPackageVersion);
    PutFlagged(out, package.MainPicture);
    PutFlagged(out, package.InactivePicture);
    PutFlagged(out, package.MaskPicture);
    Put32(out, std::int32_t(package.ActivePictures.size()));
    for (const TBmpFile& p : package.ActivePictures)
        out.insert(out.end(), p.Bytes.begin(), p.Bytes.end());
    out.insert(out.end(), package.Definition.begin(), package.Definition.end());
    return out;
}
