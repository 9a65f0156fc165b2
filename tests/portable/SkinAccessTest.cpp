// Skinned elements reach records and pictures by index at the moment they
// use them; every failed look-up gives nothing, so they draw plainly.
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "skin/paint/portable/SkinAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kSkin =
    "[SKINCONTROLS]\ncount=3\n0=button:button\n1=richedit:richedit\n2=button:button\n"
    "[button]\npictureindex=1\nskinrect=0,0,4,3\n"
    "[SKINOBJECTS]\ncount=1\n0=closebutton:stdbutton\n";

TbsSkinContent Content() {
    TbsSkinContent content;
    content.ActivePictures.push_back(TPixelBuffer(2, 2, 0xFF000001u));
    content.ActivePictures.push_back(TPixelBuffer(3, 1, 0xFF000002u));
    content.ActivePictures.push_back(TPixelBuffer());  // a picture without pixels
    content.Definition = kSkin;
    return content;
}

// What a control finds when it looks its record and picture up while a
// skin message is being delivered.
struct TFound {
    unsigned Message;
    int Index;
    bool Record;
    bool Picture;
    friend bool operator==(const TFound&, const TFound&) = default;
};

class TProbingTarget : public TbsSkinMessageTarget {
public:
    void BroadcastSkinMessage(unsigned message, bool) override {
        const int index = FindSkinControlIndex(Core, "button");
        Found.push_back({message, index, SkinControlRecord(Core, 0) != nullptr, SkinPicture(Core, 1) != nullptr});
    }
    const TbsSkinDataCore* Core = nullptr;
    std::vector<TFound> Found;
};

class SkinAccess : public testing::Test {
protected:
    SkinAccess() { Target.Core = &Core; }
    void Load() { Core.LoadSkin(false, [] { return Content(); }); }
    TProbingTarget Target;
    TbsSkinDataCore Core{Target};
};

}  // namespace

TEST_F(SkinAccess, LoadedSkinGivesRecordsOfTheirClassAndPicturesByIndex) {
    Load();
    EXPECT_EQ(FindSkinControlIndex(&Core, "button"), 0);  // the first of two
    EXPECT_EQ(FindSkinControlIndex(&Core, "Button"), -1);
    EXPECT_EQ(FindSkinObjectIndex(&Core, "closebutton"), 0);

    const auto* button = SkinControlRecordAs<TbsDataSkinButtonControl>(&Core, 0);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->SkinRect, Rect(0, 0, 4, 3));
    EXPECT_NE(SkinControlRecord(&Core, 1), nullptr);
    EXPECT_EQ(SkinControlRecordAs<TbsDataSkinCustomControl>(&Core, 1), nullptr);  // a rich edit has no geometry
    EXPECT_NE(SkinObjectRecordAs<TbsDataSkinStdButton>(&Core, 0), nullptr);

    const TPixelBuffer* picture = SkinPicture(&Core, button->PictureIndex);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->At(2, 0), 0xFF000002u);
    const TPixelView view = SkinPictureView(&Core, 1);
    EXPECT_EQ(view.Pixels, picture->Pixels.data());
    EXPECT_EQ(view.Width, 3);
}

TEST_F(SkinAccess, IndexesOutsideTheListsAndPicturesWithoutPixelsGiveNothing) {
    Load();
    for (int index : {-1, -2, 3, 1000, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(SkinControlRecord(&Core, index), nullptr);
        EXPECT_EQ(SkinPicture(&Core, index), nullptr);
        EXPECT_TRUE(SkinPictureView(&Core, index).Empty());
    }
    EXPECT_EQ(SkinObjectRecord(&Core, 1), nullptr);
    EXPECT_EQ(SkinPicture(&Core, 2), nullptr);  // in range, but empty
}

TEST_F(SkinAccess, NoManagerOrNoSkinGivesNothing) {
    EXPECT_FALSE(SkinUsable(nullptr));
    EXPECT_EQ(FindSkinControlIndex(nullptr, "button"), -1);
    EXPECT_EQ(SkinControlRecord(nullptr, 0), nullptr);
    EXPECT_EQ(SkinObjectRecord(nullptr, 0), nullptr);
    EXPECT_EQ(SkinPicture(nullptr, 0), nullptr);
    EXPECT_TRUE(SkinPictureView(nullptr, 0).Empty());

    EXPECT_FALSE(SkinUsable(&Core));  // nothing loaded yet
    EXPECT_EQ(FindSkinControlIndex(&Core, "button"), -1);
}

// The old records still exist while the before-change message is delivered,
// but a control painting then must not use them: from that message until
// the change message every look-up gives nothing.
TEST_F(SkinAccess, NothingIsFoundFromTheBeforeChangeMessageUntilTheNewSkinIsAnnounced) {
    Load();
    Target.Found.clear();
    Load();
    EXPECT_EQ(Target.Found, (std::vector<TFound>{{WM_SKINCHANGEBEGIN, -1, false, false},
                                                 {WM_SKINLOADED, 0, true, true},
                                                 {WM_SKINCHANGEEND, 0, true, true}}));
}

TEST_F(SkinAccess, AFailedLoadLeavesNothingToFind) {
    Load();
    Target.Found.clear();
    EXPECT_THROW(Core.LoadSkin(false, []() -> TbsSkinContent { throw Exception("compression error"); }), Exception);
    EXPECT_EQ(Target.Found, (std::vector<TFound>{{WM_SKINCHANGEBEGIN, -1, false, false},
                                                 {WM_SKINCHANGEEND, -1, false, false}}));
    EXPECT_EQ(SkinControlRecord(&Core, 0), nullptr);
}
