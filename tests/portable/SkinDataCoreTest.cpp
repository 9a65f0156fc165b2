#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/SkinDataCore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TSeen {
    unsigned Message;
    bool LastToFirst;
    bool Empty;
    bool Changing;
    std::size_t Controls;
    friend bool operator==(const TSeen&, const TSeen&) = default;
};

// Records each announcement with the manager's state at that moment, as a
// receiving window would see it.
class TRecordingTarget : public TbsSkinMessageTarget {
public:
    void BroadcastSkinMessage(unsigned message, bool lastToFirst) override {
        Seen.push_back({message, lastToFirst, Core->FEmpty, Core->FChanging, Core->FDefinition.ControlRecords.size()});
    }
    std::vector<unsigned> Messages() const {
        std::vector<unsigned> messages;
        for (const TSeen& s : Seen) messages.push_back(s.Message);
        return messages;
    }
    const TbsSkinDataCore* Core = nullptr;
    std::vector<TSeen> Seen;
};

TbsSkinContent Content(const std::string& definition, int version = 3) {
    TbsSkinContent content;
    content.Version = version;
    content.MainPicture = TPixelBuffer(4, 4, 1);
    content.ActivePictures.assign(2, TPixelBuffer(2, 2, 2));
    content.Definition = definition;
    return content;
}

const char* const kGoodSkin =
    "[VERSION]\nskinname=Good\n[PICTURES]\npicture=main.bmp\nmask=mask.bmp\n"
    "[SKINCONTROLS]\ncount=2\n0=button:button\n1=combobox:combobox\n";

class SkinDataCoreTest : public ::testing::Test {
protected:
    SkinDataCoreTest() { Target.Core = &Core; }
    void LoadGood() {
        Core.LoadSkin(false, [] { return Content(kGoodSkin); });
        Target.Seen.clear();
    }
    TRecordingTarget Target;
    TbsSkinDataCore Core{Target};
};

}  // namespace

TEST_F(SkinDataCoreTest, NewManagerIsEmptyWithDefaultOptions) {
    EXPECT_TRUE(Core.FEmpty);
    EXPECT_FALSE(Core.FChanging);
    EXPECT_TRUE(Core.GetSkinnableForm());
    EXPECT_TRUE(Core.GetShowLayeredBorders());
    EXPECT_TRUE(Core.GetAeroBlurEnabled());
    EXPECT_TRUE(Core.EnableSkinEffects);
    EXPECT_FALSE(Core.AnimationForAllWindows);
    EXPECT_EQ(Core.DlgListViewItemSkinDataName, "listbox");
    EXPECT_EQ(Core.FDefinition.SkinColors.BtnFace, 0u);
    EXPECT_EQ(Core.FindSkinControlRecord("button"), -1);
}

TEST_F(SkinDataCoreTest, SuccessfulLoadAnnouncesBeginLoadedEndWithTheStatesInBetween) {
    bool loadDataSeen = false;
    Core.OnLoadData = [&] {
        loadDataSeen = true;
        EXPECT_FALSE(Core.FEmpty);
        EXPECT_TRUE(Target.Messages() == std::vector<unsigned>{WM_SKINCHANGEBEGIN});
    };
    Core.LoadSkin(false, [] { return Content(kGoodSkin); });
    EXPECT_TRUE(loadDataSeen);
    const std::vector<TSeen> expected = {
        {WM_SKINCHANGEBEGIN, false, true, true, 0},
        {WM_SKINLOADED, false, false, true, 2},
        {WM_SKINCHANGEEND, false, false, false, 2},
    };
    EXPECT_EQ(Target.Seen, expected);
    EXPECT_EQ(Core.FDefinition.Version.SkinName, "Good");
    EXPECT_EQ(Core.FindSkinControlRecord("combobox"), 1);
    EXPECT_EQ(Core.FMainPicture.Width, 4);
    EXPECT_EQ(Core.FActivePictures.size(), 2u);
}

TEST_F(SkinDataCoreTest, BeginIsAnnouncedBeforeTheOldSkinIsCleared) {
    LoadGood();
    Core.LoadSkin(false, [] { return Content("[SKINCONTROLS]\ncount=1\n0=edit:edit\n"); });
    ASSERT_FALSE(Target.Seen.empty());
    EXPECT_EQ(Target.Seen[0].Message, WM_SKINCHANGEBEGIN);
    EXPECT_EQ(Target.Seen[0].Controls, 2u);  // the receivers still see the old records
    EXPECT_EQ(Core.FindSkinControlRecord("button"), -1);
    EXPECT_EQ(Core.FindSkinControlRecord("edit"), 0);
}

TEST_F(SkinDataCoreTest, EmptySourceChangesNothingAndAnnouncesNothing) {
    LoadGood();
    bool read = false;
    Core.LoadSkin(true, [&] {
        read = true;
        return Content("");
    });
    EXPECT_FALSE(read);
    EXPECT_TRUE(Target.Seen.empty());
    EXPECT_FALSE(Core.FEmpty);
    EXPECT_EQ(Core.FindSkinControlRecord("button"), 0);
}

TEST_F(SkinDataCoreTest, CorruptPackageEndsEmptyNotChangingAndAnnouncesTheEnd) {
    LoadGood();
    EXPECT_THROW(Core.LoadSkin(false, []() -> TbsSkinContent { throw Exception("compression error"); }), Exception);
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
    EXPECT_TRUE(Core.FEmpty);
    EXPECT_FALSE(Core.FChanging);
    EXPECT_TRUE(Target.Seen.back().Empty);
    EXPECT_FALSE(Target.Seen.back().Changing);
    EXPECT_EQ(Core.FindSkinControlRecord("button"), -1);
    EXPECT_TRUE(Core.FMainPicture.Empty());
    EXPECT_TRUE(Core.FDefinition.PictureNames.Picture.empty());
    EXPECT_EQ(Core.FDefinition.SkinColors.BtnFace, 0xFF00000Fu);
}

TEST_F(SkinDataCoreTest, VersionOutsideZeroToThreeIsAnErrorNotASilentStop) {
    for (int version : {4, 100, -1}) {
        LoadGood();
        try {
            Core.LoadSkin(false, [version] { return Content(kGoodSkin, version); });
            ADD_FAILURE() << "version " << version << " loaded";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(SUnsupportedSkinVersion), std::string::npos);
        }
        EXPECT_TRUE(Core.FEmpty);
        EXPECT_FALSE(Core.FChanging);
        EXPECT_TRUE(Core.FActivePictures.empty());
        EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
    }
    for (int version : {0, 1, 2, 3}) {
        Core.LoadSkin(false, [version] { return Content(kGoodSkin, version); });
        EXPECT_FALSE(Core.FEmpty) << version;
    }
}

TEST_F(SkinDataCoreTest, MalformedPointFailsTheLoadAndLeavesNoRecords) {
    LoadGood();
    const char* bad = "[SKINCONTROLS]\ncount=2\n0=button:button\n1=edit:edit\n[edit]\nclientrect=1,2\n";
    EXPECT_THROW(Core.LoadSkin(false, [bad] { return Content(bad); }), Exception);
    EXPECT_TRUE(Core.FEmpty);
    EXPECT_FALSE(Core.FChanging);
    EXPECT_TRUE(Core.FDefinition.ControlRecords.empty());
    EXPECT_TRUE(Core.FActivePictures.empty());
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
    // A later good load works as from scratch.
    Core.LoadSkin(false, [] { return Content(kGoodSkin); });
    EXPECT_FALSE(Core.FEmpty);
    EXPECT_EQ(Core.FDefinition.ControlRecords.size(), 2u);
}

TEST_F(SkinDataCoreTest, FailingLoadDataHandlerStillEndsTheChange) {
    Core.OnLoadData = [] { throw Exception("handler"); };
    EXPECT_THROW(Core.LoadSkin(false, [] { return Content(kGoodSkin); }), Exception);
    EXPECT_FALSE(Core.FChanging);
    EXPECT_FALSE(Core.FEmpty);  // the skin itself did load
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
}

TEST_F(SkinDataCoreTest, FormsAreVisitedLastToFirstOnlyWithLayeredBordersAndALayerFrame) {
    const char* layered = "[PICTURES]\nactivepicturescount=2\n[LAYERFRAME]\npictureindex=1\nmaskpictureindex=0\n";
    Core.LoadSkin(false, [layered] { return Content(layered); });
    ASSERT_EQ(Target.Seen.size(), 3u);
    EXPECT_FALSE(Target.Seen[0].LastToFirst);  // old skin: no layer frame
    EXPECT_TRUE(Target.Seen[1].LastToFirst);
    EXPECT_TRUE(Target.Seen[2].LastToFirst);
    Target.Seen.clear();
    Core.SetShowLayeredBorders(false);
    ASSERT_EQ(Target.Seen.size(), 1u);
    EXPECT_FALSE(Target.Seen[0].LastToFirst);
    Target.Seen.clear();
    Core.SetShowLayeredBorders(true);
    Core.LoadSkin(false, [] { return Content("[LAYERFRAME]\npictureindex=-2\n"); });
    EXPECT_FALSE(Target.Seen.back().LastToFirst);  // -2 names no picture
}

TEST_F(SkinDataCoreTest, OptionChangesAreAnnouncedOnlyWhenChangedAndNotWhileTheLayoutLoads) {
    Core.SetShowLayeredBorders(true);
    Core.SetSkinnableForm(true);
    Core.SetAeroBlurEnabled(true);
    EXPECT_TRUE(Target.Seen.empty());
    Core.SetLayoutLoading(true);
    Core.SetShowLayeredBorders(false);
    EXPECT_TRUE(Target.Seen.empty());
    EXPECT_FALSE(Core.GetShowLayeredBorders());
    Core.SetLayoutLoading(false);
    Core.SetShowLayeredBorders(true);
    Core.SetSkinnableForm(false);
    Core.SetAeroBlurEnabled(false);
    Core.AnnounceResourceStrings();
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_LAYEREDBORDERSCHANGED, WM_SKINNABLEFORMCHANGED,
                                                        WM_AEROBLURCHANGED, WM_RESOURCESTRINGSCHANGED}));
}

TEST(AppMessages, NamesForDebugOutput) {
    EXPECT_STREQ(AppMessageName(1225), "WM_SKINCHANGEBEGIN");
    EXPECT_STREQ(AppMessageName(1284), "WM_PARENTBGCHANGED");
    EXPECT_STREQ(AppMessageName(45490), "WM_QUERYSKINNEDFRAME");
    EXPECT_EQ(AppMessageName(1), nullptr);
}

namespace {

TBmpFile Bmp(int width, int height, std::uint32_t pixel) {
    const std::vector<std::uint8_t> bytes = WriteBmp(TPixelBuffer(width, height, pixel), 24);
    return ReadBmpFile(bytes.data(), bytes.size());
}

TbsStoredSkinPackage StoredSkin(const std::string& definition) {
    TbsSkinPackage package;
    package.MainPicture = Bmp(6, 5, MakePixel(10, 20, 30));
    package.ActivePictures = {Bmp(2, 2, MakePixel(1, 2, 3)), Bmp(3, 1, MakePixel(255, 255, 255))};
    package.Definition = definition;
    TbsStoredSkinPackage stored;
    stored.SetPackageStream(CompressSkinPackage(package));
    return stored;
}

}  // namespace

TEST_F(SkinDataCoreTest, LoadsAStoredPackageWithItsPicturesAndRecords) {
    const TbsStoredSkinPackage stored = StoredSkin(std::string(kGoodSkin) + "[LAYERFRAME]\npictureindex=0\nmaskpictureindex=1\n");
    Core.LoadCompressedStoredSkin(stored);
    EXPECT_FALSE(Core.FEmpty);
    EXPECT_EQ(Core.FMainPicture.Width, 6);
    EXPECT_EQ(Core.FMainPicture.At(5, 4) & 0xFFFFFFu, MakePixel(10, 20, 30) & 0xFFFFFFu);
    EXPECT_TRUE(Core.FInActivePicture.Empty());
    EXPECT_TRUE(Core.FMaskPicture.Empty());
    ASSERT_EQ(Core.FActivePictures.size(), 2u);
    EXPECT_EQ(Core.FindSkinControlRecord("button"), 0);
    ASSERT_TRUE(Core.FDefinition.LayerFrameData.FActiveLayerImage);
    EXPECT_EQ(Core.FDefinition.LayerFrameData.FActiveLayerImage->At(0, 0), MakePixel(1, 2, 3, 255));
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINLOADED, WM_SKINCHANGEEND}));
}

TEST_F(SkinDataCoreTest, TruncatedStoredPackageFailsWithCompressionErrorAndEndsEmpty) {
    LoadGood();
    const TbsStoredSkinPackage whole = StoredSkin(kGoodSkin);
    std::vector<std::uint8_t> cut = whole.GetPackageStream();
    cut.resize(cut.size() - 6);  // the last bytes of the stream and its checksum
    TbsStoredSkinPackage stored;
    stored.SetPackageStream(cut);
    try {
        Core.LoadCompressedStoredSkin(stored);
        ADD_FAILURE() << "a cut package loaded";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "compression error");
    }
    EXPECT_TRUE(Core.FEmpty);
    EXPECT_FALSE(Core.FChanging);
    EXPECT_EQ(Core.FindSkinControlRecord("button"), -1);
    EXPECT_EQ(Target.Messages(), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
}

TEST_F(SkinDataCoreTest, EmptyStoredSkinLeavesTheLoadedSkinAlone) {
    LoadGood();
    Core.LoadCompressedStoredSkin(TbsStoredSkinPackage());
    EXPECT_FALSE(Core.FEmpty);
    EXPECT_TRUE(Target.Seen.empty());
}

TEST_F(SkinDataCoreTest, GenerationChangesWithEveryReleaseOrReplacementAndIsNeverSharedBetweenManagers) {
    const std::uint64_t fresh = Core.GetGeneration();
    LoadGood();
    const std::uint64_t loaded = Core.GetGeneration();
    EXPECT_NE(loaded, fresh);

    // An empty source leaves the skin, and so its stamp, as it was.
    Core.LoadSkin(true, [] { return Content(""); });
    EXPECT_EQ(Core.GetGeneration(), loaded);

    // A reload of the very same skin is still new pictures.
    LoadGood();
    const std::uint64_t reloaded = Core.GetGeneration();
    EXPECT_NE(reloaded, loaded);

    EXPECT_THROW(Core.LoadSkin(false, []() -> TbsSkinContent { throw Exception("compression error"); }), Exception);
    EXPECT_NE(Core.GetGeneration(), reloaded);

    TRecordingTarget otherTarget;
    TbsSkinDataCore other{otherTarget};
    otherTarget.Core = &other;
    EXPECT_NE(other.GetGeneration(), Core.GetGeneration());
    other.LoadSkin(false, [] { return Content(kGoodSkin); });
    EXPECT_NE(other.GetGeneration(), Core.GetGeneration());
    EXPECT_NE(other.GetGeneration(), reloaded);
}
