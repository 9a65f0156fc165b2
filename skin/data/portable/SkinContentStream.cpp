// DecompressSkinContent: a compressed package inflated piece by piece
// straight into the decoded pictures and the definition text a load keeps.
//
// Nothing the size of the package is ever held: uncompressed pictures are
// decoded a few rows at a time from one small scratch buffer, and only a
// run-length picture (whose stream has to be walked whole) or the headers
// and colour table of a picture are read into memory of their own. Where
// the heap gives large blocks back to the system (Windows, and wine) every
// fresh page a load touches costs a fault, so the pixels are the only large
// memory a load writes. It checks what ReadSkinPackage checks, with the same
// texts, except that a count larger than the data is found when the data
// ends ("the data ends inside an item").
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/ZlibStream.h"

namespace {

constexpr std::size_t kScratchBytes = 64 * 1024;  // rows decoded at a time, about
constexpr std::size_t kFileHeaderBytes = 18;      // the file header and the information header's size field
// Deflate's largest expansion: a 258-byte match coded in a single bit, plus
// the block framing, comes to 1032 bytes out per byte in.
constexpr std::uint64_t kMaxInflateRatio = 1032;

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// The inflated package as a sequence of items.
class TPackageInflater {
public:
    TPackageInflater(const std::uint8_t* data, std::size_t size)
        // The source is in memory: zlib may have all of it at once.
        : FStream(data, size, std::max<std::size_t>(size, 1)), FMostOut(kMaxInflateRatio * size + 64) {}

    // Whether the rest of the stream could still hold count bytes. A file
    // claiming more cannot be there, and is refused before memory is given
    // to it: a few bytes must never make the reader allocate gigabytes.
    bool CouldHold(std::uint64_t count) const { return count <= FMostOut - std::min(FMostOut, FStream.Position()); }

    void Read(void* target, std::size_t count) {
        if (count == 0) return;
        if (FStream.Read(target, count) != count) throw Exception(SPackageTruncated);
        CheckBound();
    }

    void Skip(std::uint64_t count) {
        const std::uint64_t to = FStream.Position() + count;
        if (std::uint64_t(FStream.Seek(std::int64_t(count), soCurrent)) != to) throw Exception(SPackageTruncated);
        CheckBound();
    }

    std::int32_t Int32() {
        std::uint8_t b[4];
        Read(b, 4);
        return std::int32_t(U32(b));
    }

    std::uint8_t Byte() {
        std::uint8_t b;
        Read(&b, 1);
        return b;
    }

    // Everything up to the end of the stream, whose trailer is checked.
    std::string Rest() {
        std::string text;
        std::size_t got = 0;
        do {
            const std::size_t at = text.size();
            text.resize(at + kScratchBytes);
            got = FStream.Read(text.data() + at, kScratchBytes);
            text.resize(at + got);
            CheckBound();
        } while (got == kScratchBytes);
        return text;
    }

private:
    TbsDecompressionStream FStream;
    std::uint64_t FMostOut;  // bytes the whole stream can inflate to at most

    // The bound the whole-buffer inflate keeps: no package inflates past it.
    void CheckBound() const {
        if (FStream.Position() > MaxDecompressedSize()) throw Exception(SCompressionError);
    }
};

// Reads BMP files from the package, one at a time, in file order.
class TPictureReader {
public:
    explicit TPictureReader(TPackageInflater& in) : FIn(in) {}

    TPixelBuffer Decode() {
        ReadHead();
        // Compressed pictures claim their sizes cheaply (a 60-byte RLE file
        // can decode to 64 M pixels): the whole skin is bounded before each
        // picture is given memory.
        FPixels += std::uint64_t(FInfo.Width) * std::uint64_t(FInfo.Height);
        if (FPixels > MaxSkinPixels) throw Exception(SPackagePixels);
        if (FInfo.RunLength()) {
            const TBmpInfo checked = ReadWhole();
            return DecodeBmp(FHead.data(), checked);
        }
        TPixelBuffer out = TPixelBuffer::Unfilled(FInfo.Width, FInfo.Height);  // every row is decoded
        const TBmpRowDecoder decoder(FInfo, FHead.data());
        const std::size_t rowBytes = FInfo.RowBytes;
        const int chunkRows = int(std::max<std::size_t>(1, kScratchBytes / rowBytes));
        if (FScratch.size() < std::size_t(chunkRows) * rowBytes) FScratch.resize(std::size_t(chunkRows) * rowBytes);
        for (int row = 0; row < FInfo.Height; row += chunkRows) {
            const int count = std::min(chunkRows, FInfo.Height - row);
            Take(FInfo.PixelOffset + std::uint64_t(row) * rowBytes, FScratch.data(), std::size_t(count) * rowBytes);
            decoder.Decode(FScratch.data(), row, count, out);
        }
        SkipToEnd();
        return out;
    }

    // A picture a version-2 package carries and nobody keeps: checked as
    // the reader of the whole package checks it, then passed over.
    void Skip() {
        ReadHead();
        if (FInfo.RunLength()) ReadWhole();
        else SkipToEnd();
    }

private:
    TPackageInflater& FIn;
    std::vector<std::uint8_t> FHead;     // the file's first bytes
    std::vector<std::uint8_t> FScratch;  // rows on their way to a picture
    TBmpInfo FInfo;
    std::uint64_t FRead = 0;    // bytes of the current file taken from the stream
    std::uint64_t FPixels = 0;  // of every picture decoded so far

    // The headers and everything up to the pixels (the colour table): what
    // decoding needs besides the rows. Checks the headers.
    void ReadHead() {
        FHead.resize(kFileHeaderBytes);
        FIn.Read(FHead.data(), kFileHeaderBytes);
        const std::uint32_t fileSize = U32(&FHead[2]), pixelOffset = U32(&FHead[10]);
        if (fileSize > kFileHeaderBytes && !FIn.CouldHold(fileSize - kFileHeaderBytes))
            throw Exception(SPackageTruncated);
        const std::size_t headSize = std::max<std::size_t>(
            kFileHeaderBytes, std::min<std::uint64_t>(fileSize, std::max<std::uint64_t>(pixelOffset, BmpHeadBytes)));
        FHead.resize(headSize);
        FIn.Read(FHead.data() + kFileHeaderBytes, headSize - kFileHeaderBytes);
        FRead = headSize;
        FInfo = ReadBmpHeaders(FHead.data(), FHead.size());
    }

    // Run-length data has to be walked whole: the file is read into memory
    // and checked as a whole file is.
    TBmpInfo ReadWhole() {
        FHead.resize(FInfo.FileSize);
        FIn.Read(FHead.data() + FRead, FHead.size() - FRead);
        FRead = FInfo.FileSize;
        return ReadBmpInfo(FHead.data(), FHead.size());
    }

    // count bytes of the file from its offset `at` on (never before what
    // was taken already but for bytes the head holds) into target.
    void Take(std::uint64_t at, std::uint8_t* target, std::size_t count) {
        if (at < FHead.size()) {
            const std::size_t fromHead = std::size_t(std::min<std::uint64_t>(count, FHead.size() - at));
            std::memcpy(target, FHead.data() + at, fromHead);
            target += fromHead;
            count -= fromHead;
            at += fromHead;
        }
        if (count == 0) return;
        if (at > FRead) FIn.Skip(at - FRead);
        FIn.Read(target, count);
        FRead = at + count;
    }

    void SkipToEnd() {
        if (FInfo.FileSize > FRead) FIn.Skip(FInfo.FileSize - FRead);
        FRead = FInfo.FileSize;
    }
};

}  // namespace

TbsSkinContent DecompressSkinContent(const std::uint8_t* compressed, std::size_t size) {
    TPackageInflater in(compressed, size);
    TPictureReader pictures(in);
    TbsSkinContent content;
    content.Version = in.Int32();
    if (content.Version < 0 || content.Version > MaxSkinPackageVersion) throw Exception(SPackageVersion);

    for (TPixelBuffer* main : {&content.MainPicture, &content.InActivePicture, &content.MaskPicture})
        if (in.Byte() == 0) *main = pictures.Decode();
    if (content.Version == 2) {
        for (int i = 0; i < 2; ++i)
            if (in.Byte() == 0) pictures.Skip();
    }
    const std::int32_t count = in.Int32();
    if (count < 0) throw Exception(SPackageCount);
    content.ActivePictures.reserve(std::size_t(std::min(count, 256)));
    for (std::int32_t i = 0; i < count; ++i) content.ActivePictures.push_back(pictures.Decode());
    content.Definition = in.Rest();
    return content;
}
