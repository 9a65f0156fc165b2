// A compressed package decoded as it inflates gives what the package reader
// and the decoder give on the whole inflated bytes, for every layout of BMP
// file a package may hold, and refuses what they refuse.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/data/portable/ZlibStream.h"
#include "tests/portable/AllocationMeter.h"
#include "tests/support/BmpBuilder.h"
#include "tests/support/ErrorOf.h"

namespace {

using bmptest::Bytes;

std::uint32_t Value(int x, int y) { return std::uint32_t(x * 7 + y * 13) & 0xFF; }
std::uint32_t Colour(int x, int y) { return std::uint32_t((x * 5) & 0xFF) | (std::uint32_t(y & 0xFF) << 8) | 0x400000u; }

std::vector<std::uint32_t> Palette(unsigned n) {
    std::vector<std::uint32_t> p;
    for (unsigned i = 0; i < n; ++i) p.push_back(0x010203u * i);
    return p;
}

// Moves the pixels of a built file `gap` bytes further on and puts `tail`
// bytes after them, with the header fields to match.
Bytes Spaced(Bytes file, std::uint32_t gap, std::uint32_t tail) {
    const std::uint32_t offset = std::uint32_t(file[10]) | (std::uint32_t(file[11]) << 8);
    file.insert(file.begin() + offset, gap, 0xEE);
    file.insert(file.end(), tail, 0xDD);
    bmptest::Set32(file, 10, offset + gap);
    bmptest::Set32(file, 2, std::uint32_t(file.size()));
    return file;
}

// Every layout the streamed decoder treats apart: pixels inside the first
// bytes it reads, a colour table longer than them, a gap before the pixels
// and bytes after them, rows longer than its scratch buffer, top-down rows,
// bit fields, and run-length data, which is read whole.
std::vector<Bytes> Pictures() {
    using bmptest::BuildBmp;
    using bmptest::PackRows;
    std::vector<Bytes> p;
    p.push_back(BuildBmp({.Width = 37, .Height = 23, .Bits = 24, .Pixels = PackRows(24, 37, 23, false, Colour)}));
    p.push_back(BuildBmp({.Width = 19, .Height = -11, .Bits = 8, .Palette = Palette(256),
                          .Pixels = PackRows(8, 19, 11, true, Value)}));
    p.push_back(BuildBmp({.Width = 150, .Height = 130, .Bits = 1, .Palette = {0, 0xFFFFFF},
                          .Pixels = PackRows(1, 150, 130, false, [](int x, int y) { return std::uint32_t((x ^ y) & 1); })}));
    p.push_back(BuildBmp({.Width = 33, .Height = 9, .Bits = 8, .Compression = 1, .Palette = Palette(256),
                          .Pixels = bmptest::EncodeRle(8, 33, 9, [](int x, int) { return std::uint32_t(x / 4); })}));
    p.push_back(BuildBmp({.Width = 13, .Height = 7, .Bits = 16, .Compression = 3,
                          .Masks = {0xF800, 0x07E0, 0x001F}, .Pixels = PackRows(16, 13, 7, false, Colour)}));
    p.push_back(Spaced(BuildBmp({.Width = 21, .Height = 5, .Bits = 32, .Pixels = PackRows(32, 21, 5, false, Colour)}),
                       100, 7));
    p.push_back(Spaced(BuildBmp({.HeaderSize = 12, .Width = 3, .Height = 2, .Bits = 24,
                                 .Pixels = PackRows(24, 3, 2, false, Colour)}),
                       0, 3));
    p.push_back(BuildBmp({.Width = 22000, .Height = 2, .Bits = 24, .Pixels = PackRows(24, 22000, 2, false, Colour)}));
    return p;
}

void Put32(Bytes& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A version-2 package: the first picture as main picture, none inactive,
// the third as mask, two pictures to discard (the run-length one among
// them), then every picture as an active one, then the definition.
Bytes RawPackage(const std::vector<Bytes>& pictures, const std::string& definition) {
    Bytes raw;
    Put32(raw, 2);
    raw.push_back(0);
    Append(raw, pictures[0]);
    raw.push_back(1);
    raw.push_back(0);
    Append(raw, pictures[2]);
    for (int i : {3, 4}) {
        raw.push_back(0);
        Append(raw, pictures[std::size_t(i)]);
    }
    Put32(raw, std::int32_t(pictures.size()));
    for (const Bytes& p : pictures) Append(raw, p);
    raw.insert(raw.end(), definition.begin(), definition.end());
    return raw;
}

void ExpectSamePictures(const TPixelBuffer& streamed, const TPixelBuffer& whole, const std::string& what) {
    EXPECT_EQ(streamed.Width, whole.Width) << what;
    EXPECT_EQ(streamed.Height, whole.Height) << what;
    EXPECT_TRUE(streamed.Pixels == whole.Pixels) << what;
}

}  // namespace

TEST(SkinContentStream, EveryLayoutOfPictureDecodesAsTheWholePackageDoes) {
    const std::vector<Bytes> pictures = Pictures();
    std::string definition = "[VERSION]\r\nskinname=Streamed\r\n";
    while (definition.size() < 200000) definition += "line=a definition longer than one piece of the stream\r\n";
    const Bytes raw = RawPackage(pictures, definition);
    const Bytes compressed = CompressBytes(raw.data(), raw.size());

    const TbsSkinContent streamed = DecompressSkinContent(compressed.data(), compressed.size());
    const TbsSkinContent whole = DecodeSkinContent(ReadSkinPackage(raw.data(), raw.size()));
    EXPECT_EQ(streamed.Version, 2);
    ExpectSamePictures(streamed.MainPicture, whole.MainPicture, "main");
    EXPECT_TRUE(streamed.InActivePicture.Empty());
    ExpectSamePictures(streamed.MaskPicture, whole.MaskPicture, "mask");
    ASSERT_EQ(streamed.ActivePictures.size(), pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i)
        ExpectSamePictures(streamed.ActivePictures[i], whole.ActivePictures[i], "active " + std::to_string(i));
    EXPECT_EQ(streamed.Definition, definition);
}

TEST(SkinContentStream, CutAndCorruptPackagesAreRefusedWithTheirFaults) {
    const std::vector<Bytes> pictures = Pictures();
    const Bytes raw = RawPackage(pictures, "[VERSION]\r\n");
    const auto errorOf = [](const Bytes& rawBytes) {
        const Bytes compressed = CompressBytes(rawBytes.data(), rawBytes.size());
        return ErrorOf([&] { DecompressSkinContent(compressed.data(), compressed.size()); });
    };
    // The package ends inside the rows of its last picture.
    const Bytes cutInRows(raw.begin(), raw.begin() + std::ptrdiff_t(raw.size() - 20000));
    EXPECT_EQ(errorOf(cutInRows), SPackageTruncated);
    // Version, count.
    Bytes version = raw;
    version[0] = 4;
    EXPECT_EQ(errorOf(version), SPackageVersion);
    Bytes header;
    Put32(header, 3);
    header.insert(header.end(), {1, 1, 1});
    Put32(header, -1);
    EXPECT_EQ(errorOf(header), SPackageCount);
    // A picture that is not a BMP file.
    Bytes notBmp = header;
    notBmp.resize(7);
    Put32(notBmp, 1);
    notBmp.insert(notBmp.end(), 60, 'X');
    EXPECT_FALSE(errorOf(notBmp).empty());
    // A stream whose checksum is wrong fails when the definition is read.
    Bytes compressed = CompressBytes(raw.data(), raw.size());
    compressed[compressed.size() - 1] ^= 0x55;
    EXPECT_EQ(ErrorOf([&] { DecompressSkinContent(compressed.data(), compressed.size()); }), SCompressionError);
}

TEST(SkinContentStream, PicturesClaimingMoreThanASkinMayHoldAreRefusedBeforeTheirMemory) {
    // Two run-length pictures of 6000 x 6000 (a few dozen bytes each) claim
    // 72 M pixels together: the first decodes (144 MB), the second is
    // refused before it gets memory.
    const Bytes rle = bmptest::BuildBmp({.Width = 6000, .Height = 6000, .Bits = 8, .Compression = 1,
                                         .Palette = Palette(2), .ColorsUsed = 2, .Pixels = {0, 1}});
    Bytes raw;
    Put32(raw, 3);
    raw.insert(raw.end(), {1, 1, 1});
    Put32(raw, 2);
    Append(raw, rle);
    Append(raw, rle);
    const Bytes compressed = CompressBytes(raw.data(), raw.size());
    TAllocationMeter meter;
    EXPECT_EQ(ErrorOf([&] { DecompressSkinContent(compressed.data(), compressed.size()); }), SPackagePixels);
    EXPECT_LT(meter.PeakBytes(), std::size_t(200) << 20);
}

TEST(SkinContentStream, AFileClaimingMoreThanTheStreamCanHoldIsRefusedWithoutItsMemory) {
    // A 24-bit picture whose headers claim 8000 x 8000 pixels and a file of
    // 192 MB, and one with its pixels 4 GB on: a package of a few hundred
    // bytes. Neither gets the memory its headers ask for.
    for (const std::uint32_t pixelOffset : {54u, 0xFFFFFF00u}) {
        Bytes bmp = bmptest::BuildBmp({.Width = 8000, .Height = 8000, .Bits = 24, .ImageSizeField = 0, .Pixels = {}});
        bmptest::Set32(bmp, 10, pixelOffset);
        bmptest::Set32(bmp, 2, pixelOffset == 54u ? 54u + 8000u * 24000u : 0xFFFFFFFFu);
        Bytes raw;
        Put32(raw, 3);
        raw.insert(raw.end(), {1, 1, 1});
        Put32(raw, 1);
        Append(raw, bmp);
        const Bytes compressed = CompressBytes(raw.data(), raw.size());
        TAllocationMeter meter;
        EXPECT_EQ(ErrorOf([&] { DecompressSkinContent(compressed.data(), compressed.size()); }), SPackageTruncated);
        EXPECT_LT(meter.PeakBytes(), std::size_t(1) << 20) << pixelOffset;
    }
}
