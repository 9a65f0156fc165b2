#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/LayoutWriter.h"
#include "skin/data/portable/StoredSkinComponents.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> SmallPackage(const std::string& definition) {
    TbsSkinPackage package;
    package.Definition = definition;
    return CompressSkinPackage(package);
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

const TClassRegistry& SkinClasses() {
    static TClassRegistry registry;
    static bool done = false;
    if (!done) {
        done = true;
        TClassBuilder<TComponent>(registry, "TComponent", "");
        RegisterStoredSkinClasses(registry);
    }
    return registry;
}

// Reads text into root; the error text, empty on success.
std::string ReadSkinLayout(TComponent& root, const std::string& text) {
    try {
        ReadLayout(root, ParseLayoutText(text, nullptr), SkinClasses());
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

TbsCompressedSkinList* List(TComponent& root) {
    return dynamic_cast<TbsCompressedSkinList*>(root.FindComponent("list"));
}

}  // namespace

TEST(StoredSkinComponent, LayoutStoresTheRawZlibStreamAndTexts) {
    TClassRegistry classes;
    TClassBuilder<TComponent>(classes, "TComponent", "");
    RegisterStoredSkinClasses(classes);
    TComponent root(nullptr);
    ReadLayout(root,
               ParseLayoutText(R"(Form1: TComponent {
                   bsCompressedStoredSkin1: TbsCompressedStoredSkin {
                     Description = "table skin"
                     CompressedFileName = "Zevrak.skn"
                     CompressedData = hex("78da0301")
                   }
                 })",
                               [](const std::string&) { return std::optional<std::vector<std::uint8_t>>(); }),
               classes);
    auto* stored = dynamic_cast<TbsCompressedStoredSkin*>(root.FindComponent("bsCompressedStoredSkin1"));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->GetDescription(), "table skin");
    EXPECT_EQ(stored->GetCompressedFileName(), "Zevrak.skn");  // only recorded: nothing is read at run time
    EXPECT_EQ(stored->GetCompressedData(), (std::vector<std::uint8_t>{0x78, 0xDA, 0x03, 0x01}));
    EXPECT_FALSE(stored->IsEmpty());
}

TEST(StoredSkinComponent, RefusedStreamKeepsTheHeldPackage) {
    TbsCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(SmallPackage("[VERSION]\r\n"));
    const std::vector<std::uint8_t> before = stored.GetCompressedData();
    const std::uint8_t versionFour[] = {4, 0, 0, 0, 1, 0, 0, 0, 0x78};
    EXPECT_THROW(stored.LoadFromCompressedStream(versionFour, sizeof versionFour), Exception);
    EXPECT_EQ(stored.GetCompressedData(), before);
    EXPECT_THROW(stored.LoadFromCompressedFile("/nonexistent/skin.skn"), Exception);
    EXPECT_EQ(stored.GetCompressedData(), before);
    EXPECT_EQ(stored.GetCompressedFileName(), "");
}

TEST(SkinListItems, NamedByIndexAndCarryTheirSkinAsASkinFileImage) {
    TbsCompressedSkinList list(nullptr);
    TbsSkinListItem& first = list.GetSkins().Add();
    TbsSkinListItem& second = list.GetSkins().Add();
    EXPECT_EQ(first.GetName(), "bsSkin0");
    EXPECT_EQ(second.GetName(), "bsSkin1");
    first.GetSkin().SetCompressedData(SmallPackage("[VERSION]\r\nskinname=a\r\n"));
    const std::vector<std::uint8_t> image = first.GetStoredSkin();
    ASSERT_GE(image.size(), 8u);
    EXPECT_EQ(image[0], 3);  // version 3, then the length
    second.SetStoredSkin(image);
    EXPECT_EQ(second.GetSkin().GetCompressedData(), first.GetSkin().GetCompressedData());
    list.GetSkins().Delete(7);  // out of range: nothing
    list.GetSkins().Delete(0);
    ASSERT_EQ(list.GetSkins().GetCount(), 1);
    EXPECT_EQ(list.GetSkins().GetItem(0).GetName(), "bsSkin1");
}

TEST(SkinListLayout, ItemsReadWithTheirNamesTextsAndSkinsAndUnnamedOnesNamedByIndex) {
    const std::vector<std::uint8_t> dark = SmallPackage("[VERSION]\r\nskinname=dark\r\n");
    const std::vector<std::uint8_t> light = SmallPackage("[VERSION]\r\nskinname=light\r\n");
    TComponent root(nullptr);
    ASSERT_EQ(ReadSkinLayout(root, "Form1: TComponent {\n"
                                   "  list: TbsCompressedSkinList {\n"
                                   "    Skins = <\n"
                                   "      item {\n"
                                   "        Name = \"Dark\"\n"
                                   "        Description = \"dark \\\"night\\\"\"\n"
                                   "        FileName = \"dark.ini\"\n"
                                   "        CompressedFileName = \"dark.skn\"\n"
                                   "        Skin = hex(\"" + Hex(MakeSkinFileImage(dark)) + "\")\n"
                                   "      }\n"
                                   "      item { Description = \"light\" Skin = hex(\"" + Hex(MakeSkinFileImage(light)) + "\") }\n"
                                   "      item { }\n"
                                   "    >\n"
                                   "  }\n"
                                   "}\n"),
              "");
    ASSERT_NE(List(root), nullptr);
    const TbsSkinListItems& skins = List(root)->GetSkins();
    ASSERT_EQ(skins.GetCount(), 3);
    EXPECT_EQ(skins.GetItem(0).GetName(), "Dark");
    EXPECT_EQ(skins.GetItem(0).GetDescription(), "dark \"night\"");
    EXPECT_EQ(skins.GetItem(0).GetFileName(), "dark.ini");  // recorded only: nothing is read at run time
    EXPECT_EQ(skins.GetItem(0).GetCompressedFileName(), "dark.skn");
    EXPECT_EQ(skins.GetItem(0).GetSkin().GetCompressedData(), dark);
    EXPECT_EQ(skins.GetItem(1).GetName(), "bsSkin1");
    EXPECT_EQ(skins.GetItem(1).GetDescription(), "light");
    EXPECT_EQ(skins.GetItem(1).GetSkin().GetCompressedData(), light);
    EXPECT_EQ(skins.GetItem(2).GetName(), "bsSkin2");
    EXPECT_TRUE(skins.GetItem(2).GetSkin().IsEmpty());
}

TEST(SkinListLayout, WrittenAndReadBackGivesTheSameItemsByteForByte) {
    TComponent root(nullptr);
    root.SetName("Form1");
    auto* list = new TbsCompressedSkinList(&root);
    list->SetName("list");
    TbsSkinListItem& first = list->GetSkins().Add();
    first.SetName("First \\ one");
    first.SetDescription("quote \" and \xC7\xFE bytes\nnext line");
    first.GetSkin().SetCompressedData(SmallPackage("[VERSION]\r\nskinname=first\r\n"));
    TbsSkinListItem& second = list->GetSkins().Add();
    second.SetCompressedFileName("second.skn");
    second.GetSkin().SetCompressedData(SmallPackage(std::string(3000, 'x')));
    list->GetSkins().Add();  // no skin: stores no "Skin" and comes back empty
    auto* stored = new TbsCompressedStoredSkin(&root);
    stored->SetName("bsCompressedStoredSkin1");
    stored->SetDescription("single");
    stored->SetCompressedData(SmallPackage("[VERSION]\r\n"));

    const std::string text = WriteLayoutText(root, SkinClasses());
    TComponent copy(nullptr);
    ASSERT_EQ(ReadSkinLayout(copy, text), "") << text;
    ASSERT_NE(List(copy), nullptr);
    const TbsSkinListItems& skins = List(copy)->GetSkins();
    ASSERT_EQ(skins.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const TbsSkinListItem& want = list->GetSkins().GetItem(i);
        const TbsSkinListItem& got = skins.GetItem(i);
        EXPECT_EQ(got.GetName(), want.GetName()) << i;
        EXPECT_EQ(got.GetDescription(), want.GetDescription()) << i;
        EXPECT_EQ(got.GetFileName(), want.GetFileName()) << i;
        EXPECT_EQ(got.GetCompressedFileName(), want.GetCompressedFileName()) << i;
        EXPECT_EQ(got.GetSkin().GetCompressedData(), want.GetSkin().GetCompressedData()) << i;
    }
    EXPECT_TRUE(skins.GetItem(2).GetSkin().IsEmpty());
    auto* storedCopy = dynamic_cast<TbsCompressedStoredSkin*>(copy.FindComponent("bsCompressedStoredSkin1"));
    ASSERT_NE(storedCopy, nullptr);
    EXPECT_EQ(storedCopy->GetDescription(), "single");
    EXPECT_EQ(storedCopy->GetCompressedData(), stored->GetCompressedData());
    EXPECT_EQ(WriteLayoutText(copy, SkinClasses()), text);
}

TEST(SkinListLayout, MalformedItemsAreRefusedNamingTheItemAndItsLine) {
    const std::vector<std::uint8_t> good = MakeSkinFileImage(SmallPackage("[VERSION]\r\n"));
    std::vector<std::uint8_t> versionFour = good;
    versionFour[0] = 4;
    std::vector<std::uint8_t> lengthPastEnd = good;
    lengthPastEnd[4] = std::uint8_t(lengthPastEnd[4] + 1);
    std::vector<std::uint8_t> negativeLength = good;
    negativeLength[7] = 0x80;
    const std::vector<std::uint8_t> lengthZero = {3, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<std::uint8_t> notAPackage = {3, 0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 4};
    const std::vector<std::uint8_t> headerCut = {3, 0, 0};
    struct TCase {
        std::string SecondItem;
        const char* Property;
    };
    const TCase cases[] = {
        {"Colour = 3", "Skins[1].Colour"},
        {"Skin = hex(\"" + Hex(versionFour) + "\")", "Skins[1].Skin"},
        {"Skin = hex(\"" + Hex(lengthPastEnd) + "\")", "Skins[1].Skin"},
        {"Skin = hex(\"" + Hex(negativeLength) + "\")", "Skins[1].Skin"},
        {"Skin = hex(\"" + Hex(lengthZero) + "\")", "Skins[1].Skin"},
        {"Skin = hex(\"" + Hex(notAPackage) + "\")", "Skins[1].Skin"},
        {"Skin = hex(\"" + Hex(headerCut) + "\")", "Skins[1].Skin"},
        {"Skin = \"not binary\"", "Skins[1].Skin"},
        {"Name = 5", "Skins[1].Name"},
    };
    for (const TCase& c : cases) {
        TComponent root(nullptr);
        const std::string error = ReadSkinLayout(root, "Form1: TComponent {\n"
                                                       "  list: TbsCompressedSkinList {\n"
                                                       "    Skins = <\n"
                                                       "      item { Skin = hex(\"" + Hex(good) + "\") }\n"
                                                       "      item {\n"
                                                       "        Name = \"second\"\n"
                                                       "        " + c.SecondItem + "\n"
                                                       "      }\n"
                                                       "    >\n"
                                                       "  }\n"
                                                       "}\n");
        const std::string where = std::string("Form1.list (TbsCompressedSkinList), property \"") + c.Property + "\", line 7";
        EXPECT_NE(error.find(where), std::string::npos) << c.SecondItem << "\n  gave: " << error;
    }
}
