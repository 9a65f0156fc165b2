#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
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
