// The built-in skin read by the skin records: each section the table window
// needs is there with the record class its element expects, and the sizes
// the skinned controls take from it are those the table window is laid out
// for.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/StoredSkin.h"

namespace {

std::string ZevrakDefinitionText() {
    std::ifstream file(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/Zevrak.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ZevrakSkin : public ::testing::Test {
protected:
    void SetUp() override {
        std::string text = ZevrakDefinitionText();
        ASSERT_FALSE(text.empty());
        TMemIniFile ini(text);
        // No pictures: only the layer frame's images need them, and they are
        // not what these tests look at.
        Skin.LoadFromIni(ini, {});
    }

    template <class Record>
    const Record* Control(const char* name) {
        int index = Skin.FindSkinControlRecord(name);
        if (index < 0) return nullptr;
        return dynamic_cast<const Record*>(Skin.ControlRecords[std::size_t(index)].get());
    }
    template <class Record>
    const Record* Object(const char* name) {
        int index = Skin.FindSkinObjectRecord(name);
        if (index < 0) return nullptr;
        return dynamic_cast<const Record*>(Skin.ObjectRecords[std::size_t(index)].get());
    }

    // Size a control of the given layout size takes from its record: the
    // composition follows the corner points (both of the right-bottom point:
    // nine-part; the right-top point: horizontal three-part; the left-bottom
    // point: vertical three-part; none: fixed), and a fixed or three-part
    // look fixes the size across its parts.
    static TRect SizedBounds(const TbsDataSkinCustomControl& r, int width, int height) {
        const TRect& s = r.SkinRect;
        if (s.IsEmpty()) return Rect(0, 0, width, height);
        if (r.RightBottomPoint.X != 0 && r.RightBottomPoint.Y != 0) return Rect(0, 0, width, height);
        if (r.RightTopPoint.X != 0 || r.RightTopPoint.Y != 0) return Rect(0, 0, width, s.Height());
        if (r.LeftBottomPoint.X != 0 || r.LeftBottomPoint.Y != 0) return Rect(0, 0, s.Width(), height);
        return Rect(0, 0, s.Width(), s.Height());
    }

    TbsSkinDefinition Skin;
};

TEST_F(ZevrakSkin, EverySectionOfTheTableWindowHasTheExpectedRecordClass) {
    EXPECT_NE(Control<TbsDataSkinButtonControl>("button"), nullptr);
    EXPECT_NE(Control<TbsDataSkinEditControl>("edit"), nullptr);
    EXPECT_NE(Control<TbsDataSkinComboBox>("combobox"), nullptr);
    EXPECT_NE(Control<TbsDataSkinListBox>("listbox"), nullptr);
    EXPECT_NE(Control<TbsDataSkinPanelControl>("groupbox"), nullptr);
    EXPECT_NE(Control<TbsDataSkinPanelControl>("statusbar"), nullptr);
    EXPECT_NE(Control<TbsDataSkinPanelControl>("panel"), nullptr);
    EXPECT_NE(Control<TbsDataSkinLabelControl>("statuspanel"), nullptr);
    EXPECT_NE(Control<TbsDataSkinRichEdit>("richedit"), nullptr);
    EXPECT_NE(Control<TbsDataSkinGaugeControl>("gauge"), nullptr);
    for (const char* bar : {"vscrollbar", "hscrollbar", "bothhscrollbar"})
        EXPECT_NE(Control<TbsDataSkinScrollBarControl>(bar), nullptr) << bar;
    EXPECT_NE(Object<TbsDataSkinCaption>("caption"), nullptr);
    EXPECT_NE(Object<TbsDataSkinMenuItem>("menuitem"), nullptr);
    for (const char* button : {"closebutton", "minbutton", "maxbutton", "sysmenubutton"})
        EXPECT_NE(Object<TbsDataSkinStdButton>(button), nullptr) << button;
    // The combo box names its list, and the list its scroll bar, by records
    // that exist.
    ASSERT_NE(Control<TbsDataSkinComboBox>("combobox"), nullptr);
    EXPECT_GE(Skin.FindSkinControlRecord(Control<TbsDataSkinComboBox>("combobox")->ListBoxName), 0);
    EXPECT_GE(Skin.FindSkinControlRecord(Control<TbsDataSkinListBox>("listbox")->VScrollBarName), 0);
}

TEST_F(ZevrakSkin, CaptionObjectsComeInTheOrderTheFrameArrangesThem) {
    ASSERT_GE(Skin.ObjectRecords.size(), 5u);
    const char* order[] = {"caption", "maxbutton", "minbutton", "sysmenubutton", "closebutton"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Skin.ObjectRecords[i]->SectionName, order[i]);
    for (const char* name : {"closebutton", "minbutton", "maxbutton", "sysmenubutton"}) {
        const auto* b = Object<TbsDataSkinStdButton>(name);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->SkinRectInAPicture) << name;
        EXPECT_EQ(b->SkinRect.Width(), 20) << name;
        EXPECT_EQ(b->SkinRect.Height(), 20) << name;
        EXPECT_TRUE(b->Morphing) << name;
        EXPECT_EQ(b->GlowLayerPictureIndex, 12) << name;
    }
    EXPECT_EQ(Object<TbsDataSkinStdButton>("closebutton")->Command, cmClose);
    EXPECT_EQ(Object<TbsDataSkinStdButton>("minbutton")->Command, cmMinimize);
    EXPECT_EQ(Object<TbsDataSkinStdButton>("maxbutton")->Command, cmMaximize);
    EXPECT_EQ(Object<TbsDataSkinStdButton>("sysmenubutton")->Command, cmSysMenu);
    EXPECT_EQ(Skin.FindSkinObjectRecord("rollupbutton"), -1);
}

TEST_F(ZevrakSkin, SkinnedControlsTakeTheTableWindowHeights) {
    struct Row {
        const char* Name;
        int Width, LayoutHeight, Expected;
    } rows[] = {{"button", 75, 25, 25},   {"edit", 82, 19, 21},      {"combobox", 65, 24, 21},
                {"combobox", 73, 24, 21}, {"gauge", 178, 20, 19},    {"statusbar", 775, 19, 21},
                {"statuspanel", 209, 21, 17}};
    for (const auto& row : rows) {
        const auto* r = Control<TbsDataSkinCustomControl>(row.Name);
        ASSERT_NE(r, nullptr) << row.Name;
        TRect sized = SizedBounds(*r, row.Width, row.LayoutHeight);
        EXPECT_EQ(sized.Height(), row.Expected) << row.Name;
        EXPECT_EQ(sized.Width(), row.Width) << row.Name << ": widths stay those of the layout";
    }
    // The status panel stands at the status bar's client origin.
    const auto* bar = Control<TbsDataSkinCustomControl>("statusbar");
    EXPECT_EQ(bar->ClientRect.Left, 2);
    EXPECT_EQ(bar->ClientRect.Top, 3);
}

TEST_F(ZevrakSkin, ComboBoxGeometryFollowsTheWidth) {
    const auto* combo = Control<TbsDataSkinComboBox>("combobox");
    ASSERT_NE(combo, nullptr);
    int skinWidth = combo->SkinRect.Width();
    for (int width : {65, 73}) {
        TRect button = combo->ButtonRect;
        if (button.Left >= skinWidth - combo->RightTopPoint.X) button = OffsetRect(button, width - skinWidth, 0);
        TRect text = combo->ClientRect;
        text.Right += width - skinWidth;
        EXPECT_EQ(button, Rect(width - 18, 2, width - 2, 19)) << width;
        EXPECT_EQ(text, Rect(3, 3, width - 19, 18)) << width;
    }
}

TEST_F(ZevrakSkin, FrameAndLayerBorderValues) {
    const auto& f = Skin.FormInfo;
    EXPECT_EQ(f.ClientRect, Rect(1, 26, 149, 129));
    // With a mask named, the empty mask area became the client rectangle
    // and the zero hit-test points the corner points.
    EXPECT_EQ(f.MaskRectArea, f.ClientRect);
    EXPECT_EQ(f.HitTestLeftTopPoint, f.LeftTopPoint);
    EXPECT_EQ(f.HitTestRightBottomPoint, f.RightBottomPoint);
    EXPECT_TRUE(f.AutoRenderingInActiveImage);
    EXPECT_EQ(f.FormMinWidth, 200);

    const auto& layer = Skin.LayerFrameData;
    EXPECT_EQ(layer.PictureIndex, 14);
    EXPECT_EQ(layer.MaskPictureIndex, 15);
    EXPECT_EQ(layer.ClientRect, Rect(14, 14, 164, 144));
    EXPECT_EQ(layer.AlphaBlendValue, 255);
    EXPECT_EQ(layer.InActiveAlphaBlendValue, 255);
    EXPECT_TRUE(layer.BorderRect.IsEmpty());
    EXPECT_FALSE(layer.FullBorder);
    EXPECT_FALSE(layer.HitTestEnable);
}

class TQuietForms : public TbsSkinMessageTarget {
public:
    void BroadcastSkinMessage(unsigned message, bool) override { Messages.push_back(message); }
    std::vector<unsigned> Messages;
};

TEST(ZevrakPackage, BuiltFromTheSkinFolderItLoadsWholeIntoTheSkinDataManager) {
    // The package as the build makes it: the skin folder through the package
    // builder, deflated at level 9.
    TbsStoredSkinPackage stored;
    stored.LoadFromIniFile(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/Zevrak.ini");
    const auto& stream = stored.GetPackageStream();
    ASSERT_GT(stream.size(), 2u);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);

    TQuietForms forms;
    TbsSkinDataCore manager(forms);
    manager.LoadCompressedStoredSkin(stored);
    ASSERT_FALSE(manager.FEmpty);
    EXPECT_EQ(forms.Messages, (std::vector<unsigned>{1225, 1226, 1227}));
    EXPECT_EQ(manager.FMainPicture.Width, 150);
    EXPECT_EQ(manager.FMainPicture.Height, 130);
    EXPECT_TRUE(manager.FInActivePicture.Empty());
    EXPECT_EQ(manager.FMaskPicture.Width, 150);
    ASSERT_EQ(manager.FActivePictures.size(), 19u);
    EXPECT_EQ(manager.FActivePictures[14].Width, 180);
    EXPECT_EQ(manager.FActivePictures[14].Height, 159);
    // The layer frame builds its active image from pictures 14 and 15; there
    // is no inactive one, and without a full border no button builds alpha
    // images.
    ASSERT_TRUE(manager.FDefinition.LayerFrameData.FActiveLayerImage);
    EXPECT_EQ(manager.FDefinition.LayerFrameData.FActiveLayerImage->Width, 180);
    EXPECT_FALSE(manager.FDefinition.LayerFrameData.FInActiveLayerImage);
    for (const char* section : {"button", "edit", "combobox", "listbox", "groupbox", "statusbar", "statuspanel",
                                "richedit", "gauge"})
        EXPECT_GE(manager.FindSkinControlRecord(section), 0) << section;
    int close = manager.FindSkinObjectRecord("closebutton");
    ASSERT_GE(close, 0);
    const auto* button = dynamic_cast<const TbsDataSkinButton*>(manager.FDefinition.ObjectRecords[std::size_t(close)].get());
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->FSkinImage);
}

}  // namespace
