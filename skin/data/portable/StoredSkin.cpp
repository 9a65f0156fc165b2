#include "skin/data/portable/StoredSkin.h"

#include <fstream>
#include <limits>

#include "platform/portable/Exception.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/ZlibStream.h"

namespace {

const char* const SSkinFileTruncated = "skin file: shorter than its 8-byte header";
const char* const SSkinFileVersion = "skin file: unsupported version (0 to 3 are read)";
const char* const SSkinFileLength = "skin file: the package length is 0 or runs past the end of the file";
const char* const SSkinFileTooLarge = "skin file: the package is too large";
const char* const SFileOpen = "cannot open file: ";
const char* const SFileRead = "cannot read file: ";
const char* const SFileWrite = "cannot write file: ";

constexpr std::size_t kSkinFileHeader = 8;  // version and length

std::int32_t I32(const std::uint8_t* p) {
    return std::int32_t(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                        (std::uint32_t(p[3]) << 24));
}

void Put32(std::vector<std::uint8_t>& out, std::int32_t value) {
    auto v = std::uint32_t(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> ReadSkinFileImage(const std::uint8_t* data, std::size_t size) {
    if (size < kSkinFileHeader)
        throw Exception(SSkinFileTruncated);
    std::int32_t version = I32(data);
    if (version < 0 || version > MaxSkinPackageVersion)
        throw Exception(SSkinFileVersion);
    std::int32_t length = I32(data + 4);
    if (length <= 0 || std::size_t(length) > size - kSkinFileHeader)
        throw Exception(SSkinFileLength);
    return std::vector<std::uint8_t>(data + kSkinFileHeader, data + kSkinFileHeader + length);
}

std::vector<std::uint8_t> MakeSkinFileImage(const std::vector<std::uint8_t>& compressed) {
    if (compressed.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw Exception(SSkinFileTooLarge);
    std::vector<std::uint8_t> out;
    out.reserve(kSkinFileHeader + compressed.size());
    Put32(out, SkinPackageVersion);
    Put32(out, std::int32_t(compressed.size()));
    out.insert(out.end(), compressed.begin(), compressed.end());
    return out;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Exception(SFileOpen + path);
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0)
        throw Exception(SFileRead + path);
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw Exception(SFileRead + path);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw Exception(SFileWrite + path);
    if (size > 0)
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    out.close();
    if (!out)
        throw Exception(SFileWrite + path);
}

TbsSkinPackage DecompressSkinPackage(const std::uint8_t* compressed, std::size_t size) {
    TInflatedBytes raw = DecompressToBuffer(compressed, size);
    return ReadSkinPackage(raw.Data.get(), raw.Size);
}

std::vector<std::uint8_t> CompressSkinPackage(const TbsSkinPackage& package) {
    std::vector<std::uint8_t> raw = WriteSkinPackage(package);
    return CompressBytes(raw.data(), raw.size());
}

void TbsStoredSkinPackage::DecompressToStream(std::vector<std::uint8_t>& target) const {
    std::vector<std::uint8_t> raw = DecompressBytes(FPackageStream.data(), FPackageStream.size());
    target.insert(target.end(), raw.begin(), raw.end());
}

void TbsStoredSkinPackage::LoadFromIniFile(const std::string& iniPath) {
    std::vector<std::uint8_t> compressed = CompressSkinPackage(ReadSkinFolder(iniPath));
    FPackageStream.swap(compressed);
}

void TbsStoredSkinPackage::LoadFromCompressedFile(const std::string& path) {
    std::vector<std::uint8_t> file = ReadFileBytes(path);
    LoadFromCompressedStream(file.data(), file.size());
}

void TbsStoredSkinPackage::LoadFromCompressedStream(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> compressed = ReadSkinFileImage(data, size);
    DecompressSkinPackage(compressed.data(), compressed.size());  // raises unless it reads as a package
    FPackageStream.swap(compressed);
}

void TbsStoredSkinPackage::SaveToCompressedStream(std::vector<std::uint8_t>& target) const {
    std::vector<std::uint8_t> image = MakeSkinFileImage(FPackageStream);
    target.insert(target.end(), image.begin(), image.end());
}
