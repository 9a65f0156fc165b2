#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/StoredSkin.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const char* const kIni =
    "[VERSION]\n"
    "skinname=Folder test\n"
    "[PICTURES]\r\n"
    "picture=main.bmp\r\n"
    "inactivepicture=\r\n"
    "mask=mask.bmp\r"
    "activepicturescount=2\r\n"
    "0=a.bmp\r\n"
    "1=b.bmp\r\n"
    "[FORMINFO]\r\n"
    "clientrect=2,2,8,8\r\n"
    "[SKINOBJECTS]\r\n"
    "count=0\r\n"
    "[SKINCONTROLS]\r\n"
    "count=0";  // the last line has no ending

Bytes Bmp(int w, int h, std::uint8_t shade) { return WriteBmp(TPixelBuffer(w, h, MakePixel(shade, 0, 0)), 24); }

class SkinFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        FRoot = fs::path(::testing::TempDir()) /
                ("skin_folder_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FRoot);
        fs::create_directories(FRoot / "in");
        Write("in/skin.ini", Bytes(kIni, kIni + std::strlen(kIni)));
        Write("in/main.bmp", Bmp(10, 10, 1));
        Write("in/mask.bmp", WriteIndexedBmp(10, 10, 1, {0, 0xFFFFFF}, Bytes(100, 1)));
        Write("in/a.bmp", Bmp(3, 2, 3));
        Bytes b = Bmp(2, 5, 4);
        b.insert(b.end(), {0xEE, 0xEE});  // bytes past the declared size are not part of the picture
        Write("in/b.bmp", b);
    }
    void TearDown() override { fs::remove_all(FRoot); }

    void Write(const std::string& name, const Bytes& bytes) {
        WriteFileBytes((FRoot / name).string(), bytes.data(), bytes.size());
    }
    Bytes Read(const std::string& name) { return ReadFileBytes((FRoot / name).string()); }
    std::string Path(const std::string& name) { return (FRoot / name).string(); }

    fs::path FRoot;
};

TEST_F(SkinFolderTest, FolderPacksWithPicturesByteForByteAndLinesEndingInCrLf) {
    TbsSkinPackage p = ReadSkinFolder(Path("in/skin.ini"));
    ASSERT_TRUE(p.MainPicture && p.MaskPicture);
    EXPECT_FALSE(p.InactivePicture);
    EXPECT_EQ(p.MainPicture->Bytes, Read("in/main.bmp"));
    ASSERT_EQ(p.ActivePictures.size(), 2u);
    EXPECT_EQ(p.ActivePictures[0].Bytes, Read("in/a.bmp"));
    EXPECT_EQ(p.ActivePictures[1].Bytes, Bmp(2, 5, 4));
    EXPECT_EQ(p.Definition.substr(0, 33), "[VERSION]\r\nskinname=Folder test\r\n");
    EXPECT_NE(p.Definition.find("mask=mask.bmp\r\nactivepicturescount=2\r\n"), std::string::npos);
    EXPECT_EQ(p.Definition.substr(p.Definition.size() - 9), "count=0\r\n");
}

// folder -> .skn -> load -> unpack -> pack: the same bytes at every step.
TEST_F(SkinFolderTest, PackUnpackPackGivesTheSameSkinFile) {
    TbsStoredSkinPackage stored;
    stored.LoadFromIniFile(Path("in/skin.ini"));
    Bytes first;
    stored.SaveToCompressedStream(first);
    ASSERT_EQ(first[8], 0x78);
    ASSERT_EQ(first[9], 0xDA);

    TbsStoredSkinPackage loaded;
    loaded.LoadFromCompressedStream(first.data(), first.size());
    Bytes raw;
    loaded.DecompressToStream(raw);
    WriteSkinFolder(ReadSkinPackage(raw.data(), raw.size()), Path("out"), "skin.ini");
    for (const char* name : {"main.bmp", "mask.bmp", "a.bmp"})
        EXPECT_EQ(Read(std::string("out/") + name), Read(std::string("in/") + name)) << name;
    EXPECT_EQ(Read("out/b.bmp"), Bmp(2, 5, 4));
    EXPECT_FALSE(fs::exists(FRoot / "out" / "inactive.bmp"));

    TbsStoredSkinPackage again;
    again.LoadFromIniFile(Path("out/skin.ini"));
    Bytes second;
    again.SaveToCompressedStream(second);
    EXPECT_EQ(second, first);
}

TEST_F(SkinFolderTest, RefusedFolderLeavesTheStoredPackageUnchanged) {
    TbsStoredSkinPackage stored;
    stored.LoadFromIniFile(Path("in/skin.ini"));
    const Bytes before = stored.GetPackageStream();

    fs::remove(FRoot / "in" / "b.bmp");
    EXPECT_THROW(stored.LoadFromIniFile(Path("in/skin.ini")), Exception);
    EXPECT_EQ(stored.GetPackageStream(), before);

    Write("in/b.bmp", Bytes{'B', 'M', 1, 2, 3});
    EXPECT_THROW(stored.LoadFromIniFile(Path("in/skin.ini")), Exception);
    EXPECT_EQ(stored.GetPackageStream(), before);

    std::string ini = kIni;
    ini.replace(ini.find("[FORMINFO]"), 10, "[FORMINFX]");
    Write("in/skin.ini", Bytes(ini.begin(), ini.end()));
    Write("in/b.bmp", Bmp(2, 5, 4));
    try {
        stored.LoadFromIniFile(Path("in/skin.ini"));
        ADD_FAILURE() << "a folder without [FORMINFO] was packed";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("FORMINFO"), std::string::npos) << e.what();
    }
    EXPECT_EQ(stored.GetPackageStream(), before);
}

// A huge count reads no more items than the section has keys.
TEST(SkinPictureNames, HugeCountIsBoundedByTheKeysPresent) {
    TbsSkinPictureNames names =
        ReadSkinPictureNames("[PICTURES]\r\nactivepicturescount=2000000000\r\n0=a.bmp\r\n1=b.bmp\r\n");
    EXPECT_EQ(names.ActivePictures.size(), 3u);  // three keys, the count included
    EXPECT_EQ(names.ActivePictures[1], "b.bmp");
    EXPECT_EQ(names.ActivePictures[2], "");
    EXPECT_TRUE(ReadSkinPictureNames("[PICTURES]\r\nactivepicturescount=-5\r\n0=a.bmp\r\n").ActivePictures.empty());
}

// Names come from an untrusted skin file: unpacking writes only inside the
// target folder and refuses before writing anything.
TEST_F(SkinFolderTest, UnpackRefusesNamesThatLeaveTheFolderOrClash) {
    TbsSkinPackage p = ReadSkinFolder(Path("in/skin.ini"));
    struct TCase {
        const char* From;
        const char* To;
    };
    for (const TCase& c : {TCase{"0=a.bmp", "0=../escape.bmp"}, TCase{"0=a.bmp", "0=sub/a.bmp"},
                           TCase{"0=a.bmp", "0=..\\a.bmp"}, TCase{"0=a.bmp", "0=C:a.bmp"},
                           TCase{"0=a.bmp", "0=B.BMP"},  // another picture's name, other bytes
                           TCase{"0=a.bmp", "0="}, TCase{"inactivepicture=", "inactivepicture=none.bmp"},
                           TCase{"activepicturescount=2", "activepicturescount=1"}}) {
        TbsSkinPackage bad = p;
        bad.Definition.replace(bad.Definition.find(c.From), std::strlen(c.From), c.To);
        EXPECT_THROW(WriteSkinFolder(bad, Path("bad"), "skin.ini"), Exception) << c.To;
        EXPECT_FALSE(fs::exists(FRoot / "bad")) << c.To;
        EXPECT_FALSE(fs::exists(FRoot / "escape.bmp"));
    }
}

}  // namespace
