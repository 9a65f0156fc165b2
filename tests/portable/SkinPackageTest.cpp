#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/data/portable/ZlibStream.h"
#include "tests/support/ErrorOf.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TBmpFile Picture(int w, int h, std::uint8_t shade, int depth = 24) {
    TPixelBuffer pixels(w, h, MakePixel(shade, std::uint8_t(shade + 1), std::uint8_t(shade + 2)));
    Bytes bytes = depth == 1 ? WriteIndexedBmp(w, h, 1, {0, 0xFFFFFF}, Bytes(std::size_t(w * h), shade & 1))
                             : WriteBmp(pixels, depth);
    return ReadBmpFile(bytes.data(), bytes.size());
}

TbsSkinPackage SamplePackage() {
    TbsSkinPackage p;
    p.MainPicture = Picture(15, 13, 10);
    p.MaskPicture = Picture(15, 13, 1, 1);
    p.ActivePictures = {Picture(7, 3, 40), Picture(4, 4, 1, 1), Picture(9, 2, 90)};
    p.Definition = "[VERSION]\r\nskinname=Sample\r\n[PICTURES]\r\npicture=main.bmp\r\n";
    return p;
}

void Put32(Bytes& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

TEST(SkinPackage, WrittenPackageReadsBackItemForItem) {
    TbsSkinPackage written = SamplePackage();
    Bytes raw = WriteSkinPackage(written);
    TbsSkinPackage read = ReadSkinPackage(raw.data(), raw.size());
    EXPECT_EQ(read.Version, 3);
    ASSERT_TRUE(read.MainPicture && read.MaskPicture);
    EXPECT_FALSE(read.InactivePicture);
    EXPECT_EQ(read.MainPicture->Bytes, written.MainPicture->Bytes);
    EXPECT_EQ(read.MaskPicture->Info.BitsPerPixel, 1);
    ASSERT_EQ(read.ActivePictures.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(read.ActivePictures[i].Bytes, written.ActivePictures[i].Bytes) << "picture " << i;
    EXPECT_EQ(read.Definition, written.Definition);
    EXPECT_EQ(WriteSkinPackage(read), raw);
}

TEST(SkinPackage, AllEmptyMainPicturesAreThreeFlagBytes) {
    TbsSkinPackage p;
    p.ActivePictures = {Picture(2, 2, 7)};
    p.Definition = "[X]\r\n";
    Bytes raw = WriteSkinPackage(p);

    Bytes want;
    Put32(want, 3);
    want.insert(want.end(), {1, 1, 1});
    Put32(want, 1);
    Append(want, p.ActivePictures[0].Bytes);
    want.insert(want.end(), p.Definition.begin(), p.Definition.end());
    EXPECT_EQ(raw, want);

    TbsSkinPackage read = ReadSkinPackage(raw.data(), raw.size());
    EXPECT_FALSE(read.MainPicture || read.InactivePicture || read.MaskPicture);
    EXPECT_EQ(read.ActivePictures.size(), 1u);
    EXPECT_EQ(read.Definition, "[X]\r\n");
}

TEST(SkinPackage, AnyNonzeroEmptyFlagMeansNoPictureAndIsWrittenAsOne) {
    Bytes raw;
    Put32(raw, 3);
    raw.insert(raw.end(), {2, 255, 0});
    TBmpFile mask = Picture(3, 2, 9);
    Append(raw, mask.Bytes);
    Put32(raw, 0);
    TbsSkinPackage read = ReadSkinPackage(raw.data(), raw.size());
    EXPECT_FALSE(read.MainPicture || read.InactivePicture);
    ASSERT_TRUE(read.MaskPicture);
    Bytes written = WriteSkinPackage(read);
    EXPECT_EQ(written[4], 1);
    EXPECT_EQ(written[5], 1);
    EXPECT_EQ(written[6], 0);
}

TEST(SkinPackage, VersionTwoPicturesAreConsumedAndDiscarded) {
    TBmpFile active = Picture(3, 3, 50);
    // Each combination of the two extra pictures' empty flags.
    for (int present = 0; present < 4; ++present) {
        Bytes raw;
        Put32(raw, 2);
        raw.insert(raw.end(), {1, 1, 1});
        for (int i = 0; i < 2; ++i) {
            bool here = present & (1 << i);
            raw.push_back(here ? 0 : 1);
            if (here)
                Append(raw, Picture(5, 6, std::uint8_t(100 + i)).Bytes);
        }
        Put32(raw, 1);
        Append(raw, active.Bytes);
        raw.insert(raw.end(), {'[', 'A', ']'});

        TbsSkinPackage read = ReadSkinPackage(raw.data(), raw.size());
        EXPECT_EQ(read.Version, 2);
        EXPECT_EQ(read.DiscardedPictures, (present & 1) + (present >> 1));
        ASSERT_EQ(read.ActivePictures.size(), 1u);
        EXPECT_EQ(read.ActivePictures[0].Bytes, active.Bytes);
        EXPECT_EQ(read.Definition, "[A]");
    }
}

TEST(SkinPackage, VersionsZeroToThreeAreReadAndOthersRefused) {
    for (std::int32_t version : {0, 1, 3}) {
        Bytes raw;
        Put32(raw, version);
        raw.insert(raw.end(), {1, 1, 1});
        Put32(raw, 0);
        EXPECT_EQ(ReadSkinPackage(raw.data(), raw.size()).Version, version);
    }
    for (std::int32_t version : {4, 100, -1, INT32_MIN}) {
        Bytes raw;
        Put32(raw, version);
        raw.insert(raw.end(), {1, 1, 1});
        Put32(raw, 0);
        EXPECT_THROW(ReadSkinPackage(raw.data(), raw.size()), Exception) << "version " << version;
    }
}

TEST(SkinPackage, BadCountsAndCutsAreRefused) {
    Bytes head;
    Put32(head, 3);
    head.insert(head.end(), {1, 1, 1});

    for (std::int32_t count : {-1, INT32_MIN, 2000000000, 2}) {  // 2: one picture short
        Bytes raw = head;
        Put32(raw, count);
        Append(raw, Picture(2, 2, 3).Bytes);
        EXPECT_THROW(ReadSkinPackage(raw.data(), raw.size()), Exception) << "count " << count;
    }

    // A valid package cut at every length up to its definition text.
    TbsSkinPackage p = SamplePackage();
    p.Definition.clear();
    Bytes raw = WriteSkinPackage(p);
    for (std::size_t cut = 0; cut < raw.size(); ++cut)
        EXPECT_THROW(ReadSkinPackage(raw.data(), cut), Exception) << "cut at " << cut;
    EXPECT_NO_THROW(ReadSkinPackage(raw.data(), raw.size()));
}

// ---- skin files and the stored package ------------------------------------

TEST(SkinFile, HeaderIsVersionLengthThenThePackage) {
    Bytes compressed = CompressSkinPackage(SamplePackage());
    Bytes image = MakeSkinFileImage(compressed);
    ASSERT_EQ(image.size(), compressed.size() + 8);
    Bytes head;
    Put32(head, 3);
    Put32(head, std::int32_t(compressed.size()));
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 8), head);
    EXPECT_EQ(ReadSkinFileImage(image.data(), image.size()), compressed);
}

TEST(SkinFile, BadHeadersAreRefused) {
    Bytes compressed = CompressSkinPackage(SamplePackage());
    struct TCase {
        const char* Name;
        std::int32_t Version;
        std::int32_t Length;
    };
    const std::int32_t n = std::int32_t(compressed.size());
    for (const TCase& c : {TCase{"length 0", 3, 0}, TCase{"length negative", 3, -8},
                           TCase{"length one past the end", 3, n + 1}, TCase{"length huge", 3, INT32_MAX},
                           TCase{"version 4", 4, n}, TCase{"version negative", -1, n}}) {
        Bytes image;
        Put32(image, c.Version);
        Put32(image, c.Length);
        Append(image, compressed);
        EXPECT_THROW(ReadSkinFileImage(image.data(), image.size()), Exception) << c.Name;
    }
    Bytes shortImage = {3, 0, 0, 0, 1, 0, 0};
    EXPECT_THROW(ReadSkinFileImage(shortImage.data(), shortImage.size()), Exception);
}

TEST(StoredSkin, SaveThenLoadGivesTheSameCompressedBytes) {
    TbsStoredSkinPackage first;
    Bytes image = MakeSkinFileImage(CompressSkinPackage(SamplePackage()));
    first.LoadFromCompressedStream(image.data(), image.size());

    Bytes saved;
    first.SaveToCompressedStream(saved);
    TbsStoredSkinPackage second;
    second.LoadFromCompressedStream(saved.data(), saved.size());
    EXPECT_EQ(second.GetPackageStream(), first.GetPackageStream());
    EXPECT_EQ(saved, image);

    Bytes raw;
    second.DecompressToStream(raw);
    EXPECT_EQ(raw, WriteSkinPackage(SamplePackage()));
}

// Whatever is wrong with a new skin file, the package held before survives.
TEST(StoredSkin, RefusedInputLeavesTheStoredPackageUnchanged) {
    TbsStoredSkinPackage stored;
    Bytes good = MakeSkinFileImage(CompressSkinPackage(SamplePackage()));
    stored.LoadFromCompressedStream(good.data(), good.size());
    const Bytes before = stored.GetPackageStream();

    Bytes truncatedZlib = good;
    truncatedZlib.resize(truncatedZlib.size() - 3);
    truncatedZlib[4] = std::uint8_t(truncatedZlib[4] - 3);  // length field agrees with the cut data

    TbsSkinPackage future = SamplePackage();
    Bytes futureRaw = WriteSkinPackage(future);
    futureRaw[0] = 4;
    Bytes futureVersion = MakeSkinFileImage(CompressBytes(futureRaw.data(), futureRaw.size()));

    Bytes zeroLength = good;
    zeroLength[4] = zeroLength[5] = zeroLength[6] = zeroLength[7] = 0;

    Bytes notZlib = MakeSkinFileImage(Bytes(40, 0x55));

    for (const Bytes* bad : {&truncatedZlib, &futureVersion, &zeroLength, &notZlib}) {
        EXPECT_THROW(stored.LoadFromCompressedStream(bad->data(), bad->size()), Exception);
        EXPECT_EQ(stored.GetPackageStream(), before);
    }
    EXPECT_EQ(ErrorOf([&] { stored.LoadFromCompressedStream(truncatedZlib.data(), truncatedZlib.size()); }),
              "compression error");

    EXPECT_THROW(stored.LoadFromCompressedFile(std::string(RDZ_SOURCE_DIR) + "/no/such/file.skn"), Exception);
    EXPECT_EQ(stored.GetPackageStream(), before);
}

TEST(StoredSkin, SkinFileOnDiskLoadsLikeTheStream) {
    Bytes image = MakeSkinFileImage(CompressSkinPackage(SamplePackage()));
    std::string path = ::testing::TempDir() + "stored_skin_test.skn";
    WriteFileBytes(path, image.data(), image.size());
    TbsStoredSkinPackage stored;
    stored.LoadFromCompressedFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(stored.GetPackageStream(), ReadSkinFileImage(image.data(), image.size()));
    EXPECT_FALSE(stored.IsEmpty());
}

}  // namespace
