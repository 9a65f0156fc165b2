// The skin data manager delivers its announcements to the open forms as
// window messages, in the order and with the states the load promises.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "skin/data/SkinData.h"
#include "skin/data/portable/BmpFile.h"

namespace {

struct TReceived {
    int Form;
    unsigned Message;
    bool Empty;
    bool Changing;
    friend bool operator==(const TReceived&, const TReceived&) = default;
};

std::vector<TReceived> gReceived;
const TbsSkinData* gManager = nullptr;  // not owned

// Every skin message, from whichever manager sent it (a layout creates its
// own manager).
struct TSent {
    int Form;
    unsigned Message;
    WPARAM Sender;
};
std::vector<TSent> gSent;

// A form that records the skin messages it receives, with the manager's
// state at that moment.
class TRecordingForm : public TForm {
public:
    TRecordingForm(TComponent* owner, int id) : TForm(owner), FId(id) {}

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (AppMessageName(msg) && lParam == SkinMessageTag) gSent.push_back({FId, msg, wParam});
        if (AppMessageName(msg) && gManager && wParam == reinterpret_cast<WPARAM>(gManager)) {
            EXPECT_EQ(lParam, SkinMessageTag);
            gReceived.push_back({FId, msg, gManager->GetEmpty(), gManager->GetChanging()});
            return 0;
        }
        return TForm::WndProc(msg, wParam, lParam);
    }

private:
    int FId;
};

std::vector<std::uint8_t> Compressed(const std::string& definition) {
    TbsSkinPackage package;
    const std::vector<std::uint8_t> bmp = WriteBmp(TPixelBuffer(2, 2, 0x00102030u), 24);
    package.ActivePictures = {ReadBmpFile(bmp.data(), bmp.size())};
    package.Definition = definition;
    return CompressSkinPackage(package);
}

class SkinDataMessages : public testing::Test {
protected:
    void SetUp() override {
        gReceived.clear();
        gSent.clear();
        First = std::make_unique<TRecordingForm>(nullptr, 1);
        Second = std::make_unique<TRecordingForm>(nullptr, 2);
        First->HandleNeeded();
        Second->HandleNeeded();
        Manager = new TbsSkinData(First.get());  // owned by the first form
        gManager = Manager;
        Stored = new TbsCompressedStoredSkin(First.get());
    }
    void TearDown() override {
        gManager = nullptr;
        Second.reset();
        First.reset();
    }
    std::vector<unsigned> MessagesOf(int form) const {
        std::vector<unsigned> messages;
        for (const TReceived& r : gReceived)
            if (r.Form == form) messages.push_back(r.Message);
        return messages;
    }
    // The skin messages a manager sent to a form, in order.
    static std::vector<unsigned> SentBy(const TbsSkinData* manager, int form) {
        std::vector<unsigned> messages;
        for (const TSent& s : gSent)
            if (s.Form == form && s.Sender == reinterpret_cast<WPARAM>(manager)) messages.push_back(s.Message);
        return messages;
    }
    // Reads a layout into the first form, with the skin data classes.
    void ReadIntoFirst(const std::string& text) {
        static TClassRegistry classes;
        if (!classes.Find("TForm")) {
            TClassBuilder<TComponent>(classes, "TComponent", "");
            TClassBuilder<TForm>(classes, "TForm", "TComponent");
            RegisterSkinDataClasses(classes);
            RegisterSkinDataClasses(classes);  // a second registration leaves the registry as it is
        }
        ReadLayout(*First, ParseLayoutText(text, nullptr), classes);
    }

    std::unique_ptr<TRecordingForm> First, Second;
    TbsSkinData* Manager = nullptr;             // owned by First
    TbsCompressedStoredSkin* Stored = nullptr;  // owned by First
};

}  // namespace

TEST_F(SkinDataMessages, SuccessfulLoadSendsBeginLoadedEndToEveryFormInOrder) {
    Stored->SetCompressedData(Compressed("[SKINCONTROLS]\ncount=1\n0=button:button\n"));
    int loadDataCalls = 0;
    Manager->SetOnLoadData([&](TComponent* sender) {
        EXPECT_EQ(sender, Manager);
        EXPECT_TRUE(gReceived.size() == 2u);  // both forms have had the begin message only
        ++loadDataCalls;
    });
    Manager->SetCompressedStoredSkin(Stored);
    EXPECT_EQ(loadDataCalls, 1);
    const std::vector<TReceived> expected = {
        {1, WM_SKINCHANGEBEGIN, true, true},   {2, WM_SKINCHANGEBEGIN, true, true},
        {1, WM_SKINLOADED, false, true},       {2, WM_SKINLOADED, false, true},
        {1, WM_SKINCHANGEEND, false, false},   {2, WM_SKINCHANGEEND, false, false},
    };
    EXPECT_EQ(gReceived, expected);
    EXPECT_EQ(Manager->FindSkinControlRecord("button"), 0);
}

TEST_F(SkinDataMessages, LayerFrameInUseSendsFromTheLastFormToTheFirst) {
    Stored->SetCompressedData(Compressed("[LAYERFRAME]\npictureindex=0\n"));
    Manager->SetCompressedStoredSkin(Stored);
    ASSERT_EQ(gReceived.size(), 6u);
    EXPECT_EQ(gReceived[0].Form, 1);  // the old skin had no layer frame
    EXPECT_EQ(gReceived[2].Form, 2);
    EXPECT_EQ(gReceived[3].Form, 1);
}

TEST_F(SkinDataMessages, CorruptPackageTellsTheFormsTheChangeEndedThenRaises) {
    std::vector<std::uint8_t> data = Compressed("[SKINCONTROLS]\ncount=1\n0=button:button\n");
    data.resize(data.size() / 2);
    Stored->SetCompressedData(data);
    EXPECT_THROW(Manager->SetCompressedStoredSkin(Stored), Exception);
    EXPECT_EQ(MessagesOf(1), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
    EXPECT_EQ(MessagesOf(2), (std::vector<unsigned>{WM_SKINCHANGEBEGIN, WM_SKINCHANGEEND}));
    EXPECT_TRUE(gReceived.back().Empty);
    EXPECT_FALSE(gReceived.back().Changing);
    EXPECT_TRUE(Manager->GetEmpty());
    EXPECT_FALSE(Manager->GetChanging());
}

TEST_F(SkinDataMessages, WithoutLayeredBordersTheOwnerFormHearsFirst) {
    Manager->SetShowLayeredBorders(false);
    ASSERT_EQ(gReceived.size(), 2u);
    EXPECT_EQ(gReceived[0].Form, 1);
    EXPECT_EQ(gReceived[0].Message, WM_LAYEREDBORDERSCHANGED);
    gReceived.clear();
    Manager->SetAeroBlurEnabled(false);
    Manager->SetSkinnableForm(false);
    EXPECT_EQ(MessagesOf(1), (std::vector<unsigned>{WM_AEROBLURCHANGED, WM_SKINNABLEFORMCHANGED}));
    EXPECT_EQ(MessagesOf(2), (std::vector<unsigned>{WM_AEROBLURCHANGED, WM_SKINNABLEFORMCHANGED}));
}

TEST_F(SkinDataMessages, OptionsSetWhileTheLayoutLoadsAreNotAnnounced) {
    Manager->BeginLoading();
    Manager->SetShowLayeredBorders(false);
    EXPECT_TRUE(gReceived.empty());
    Manager->Loaded();
    Manager->SetShowLayeredBorders(true);
    EXPECT_EQ(MessagesOf(2), std::vector<unsigned>{WM_LAYEREDBORDERSCHANGED});
}

TEST_F(SkinDataMessages, RemovedStoredSkinIsForgotten) {
    Stored->SetCompressedData(Compressed(""));
    Manager->SetCompressedStoredSkin(Stored);
    delete Stored;
    EXPECT_EQ(Manager->GetCompressedStoredSkin(), nullptr);
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string s;
    for (std::uint8_t b : bytes) {
        s += kDigits[b >> 4];
        s += kDigits[b & 15];
    }
    return s;
}

TEST_F(SkinDataMessages, LayoutSkinListLoadsTheChosenItemOnceItsReferenceResolves) {
    const std::string edit = Hex(MakeSkinFileImage(Compressed("[SKINCONTROLS]\ncount=1\n0=edit:edit\n")));
    const std::string button = Hex(MakeSkinFileImage(Compressed("[SKINCONTROLS]\ncount=1\n0=button:button\n")));
    // The manager comes first: its SkinList names a component read after it.
    ReadIntoFirst("F: TForm {\n"
                  "  bsSkinData1: TbsSkinData { SkinIndex = 1 SkinList = list }\n"
                  "  list: TbsCompressedSkinList {\n"
                  "    Skins = < item { Skin = hex(\"" + edit + "\") } item { Skin = hex(\"" + button + "\") } >\n"
                  "  }\n"
                  "}\n");
    auto* manager = dynamic_cast<TbsSkinData*>(First->FindComponent("bsSkinData1"));
    auto* list = dynamic_cast<TbsCompressedSkinList*>(First->FindComponent("list"));
    ASSERT_NE(manager, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(manager->GetSkinList(), list);
    EXPECT_EQ(manager->GetSkinIndex(), 1);
    EXPECT_FALSE(manager->GetEmpty());
    EXPECT_EQ(manager->FindSkinControlRecord("button"), 0);  // item 1's skin
    EXPECT_EQ(manager->FindSkinControlRecord("edit"), -1);
    const std::vector<unsigned> oneLoad = {WM_SKINCHANGEBEGIN, WM_SKINLOADED, WM_SKINCHANGEEND};
    EXPECT_EQ(SentBy(manager, 1), oneLoad);
    EXPECT_EQ(SentBy(manager, 2), oneLoad);
}

TEST_F(SkinDataMessages, LayoutResourceStringsAreAnnouncedAndGiveTheCharSetUntilRemoved) {
    EXPECT_EQ(Manager->GetCharSet(), DEFAULT_CHARSET);  // without a texts component
    ReadIntoFirst(R"(F: TForm {
          bsSkinData1: TbsSkinData { ResourceStrData = texts }
          texts: TbsResourceStrData { ResStrings = ("MI_CLOSE=Kapat") CharSet = TURKISH_CHARSET }
        })");
    auto* manager = dynamic_cast<TbsSkinData*>(First->FindComponent("bsSkinData1"));
    auto* texts = dynamic_cast<TbsResourceStrData*>(First->FindComponent("texts"));
    ASSERT_NE(manager, nullptr);
    ASSERT_NE(texts, nullptr);
    EXPECT_EQ(manager->GetResourceStrData(), texts);
    EXPECT_EQ(manager->GetResourceStrData()->GetResStr("MI_CLOSE"), "Kapat");
    EXPECT_EQ(SentBy(manager, 1), std::vector<unsigned>{WM_RESOURCESTRINGSCHANGED});
    EXPECT_EQ(SentBy(manager, 2), std::vector<unsigned>{WM_RESOURCESTRINGSCHANGED});
    EXPECT_EQ(manager->GetCharSet(), TURKISH_CHARSET);
    texts->SetCharSet(RUSSIAN_CHARSET);
    EXPECT_EQ(manager->GetCharSet(), RUSSIAN_CHARSET);

    delete texts;
    EXPECT_EQ(manager->GetResourceStrData(), nullptr);
    EXPECT_EQ(manager->GetCharSet(), DEFAULT_CHARSET);
}

TEST_F(SkinDataMessages, LayoutRefusesAResourceStrDataOfAnotherClass) {
    try {
        ReadIntoFirst("F: TForm {\n bsSkinData1: TbsSkinData {\n ResourceStrData = list }\n list: TbsCompressedSkinList { } }");
        FAIL() << "a skin list was taken for the texts";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("property \"ResourceStrData\", line 3: component list is of the wrong class"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_TRUE(gSent.empty());
}

TEST(SkinListIndex, OutOfRangeIndexIsIgnoredWithAList) {
    TbsSkinData manager(nullptr);
    TbsCompressedSkinList list(nullptr);
    list.GetSkins().Add();
    list.GetSkins().Add();
    EXPECT_EQ(list.GetSkins().GetItem(1).GetName(), "bsSkin1");
    manager.SetSkinList(&list);  // the items' skins are empty: nothing loads
    manager.SetSkinIndex(5);
    EXPECT_EQ(manager.GetSkinIndex(), 0);
    manager.SetSkinIndex(1);
    EXPECT_EQ(manager.GetSkinIndex(), 1);
    manager.SetSkinList(nullptr);
    manager.SetSkinIndex(7);  // without a list the value is just stored
    EXPECT_EQ(manager.GetSkinIndex(), 7);
}
