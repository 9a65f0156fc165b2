// The skinned list box on its own: the native list inside the record's
// frame, the item height from the record or the default, the skinned bar
// that comes and goes with the items and scrolls the rows both ways, the
// wheel, sorting, the empty-list paint request and the handles.
#include "skin/controls/SkinListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "tests/win32/SkinControlFixture.h"

namespace {

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back("item " + std::to_string(i));
    return items;
}

class SkinListBox : public TSkinControlFixture {
protected:
    TbsSkinListBox* AddList(bool bound, int height) {
        auto* list = new TbsSkinListBox(Form.get());
        list->SetParent(Form.get());
        list->SetBounds(10, 10, 80, height);
        if (bound) list->SetSkinData(Manager);
        return list;
    }
};

TEST_F(SkinListBox, NativeListFillsTheFramesClientAreaAndRowsTakeTheRecordsHeight) {
    LoadZevrak();
    auto* list = AddList(true, 82);
    list->SetItems(Numbered(4));
    EXPECT_EQ(list->ItemHeight(), 19);
    EXPECT_EQ(list->ListBox().GetBoundsRect(), Rect(3, 3, 77, 79));
    EXPECT_EQ(list->VScrollBar(), nullptr);
    EXPECT_EQ(list->HeightForRows(4), 82);

    list->SetUseSkinItemHeight(false);
    list->SetDefaultItemHeight(20);
    EXPECT_EQ(list->ItemHeight(), 20);
    EXPECT_EQ(list->ListBox().GetItemHeight(), 20);
    EXPECT_EQ(SendMessageA(list->ListBox().GetHandle(), LB_GETITEMHEIGHT, 0, 0), 20);

    auto* plain = AddList(false, 100);
    plain->SetItems(Numbered(3));
    EXPECT_EQ(plain->ItemHeight(), 20);
    EXPECT_EQ(plain->ListBox().GetBoundsRect(), Rect(2, 2, 78, 98));
    EXPECT_EQ(plain->HeightForRows(3), 64);
}

TEST_F(SkinListBox, BarComesWithMoreItemsThanRowsAndScrollsBothWays) {
    LoadZevrak();
    auto* list = AddList(true, 158);
    list->SetItems(Numbered(8));
    EXPECT_EQ(list->VScrollBar(), nullptr);
    list->ListBox().AddItem("item 8");
    TbsSkinScrollBar* bar = list->VScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(bar->GetSkinRecordIndex(), -1);
    EXPECT_EQ(bar->GetBoundsRect(), Rect(77 - 17, 3, 77, 155));
    EXPECT_EQ(list->ListBox().GetWidth(), 74 - 17);
    EXPECT_EQ(bar->GetMax(), 8);
    EXPECT_EQ(bar->GetPageSize(), 8);
    EXPECT_EQ(bar->GetLargeChange(), 8);

    bar->SetPosition(1);
    EXPECT_EQ(list->ListBox().GetTopIndex(), 1);
    // The wheel over the native list: one row per notch, the bar follows.
    HWND native = list->ListBox().GetHandle();
    SendMessageA(native, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(120))), 0);
    EXPECT_EQ(list->ListBox().GetTopIndex(), 0);
    EXPECT_EQ(bar->GetPosition(), 0);
    SendMessageA(native, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(-120))), 0);
    EXPECT_EQ(bar->GetPosition(), 1);
    SendMessageA(native, WM_MOUSEWHEEL, 0, 0);  // a delta of 0 scrolls nothing
    EXPECT_EQ(bar->GetPosition(), 1);
    // Selecting the first row scrolls it into view, and the bar with it.
    list->SetItemIndex(0);
    EXPECT_EQ(bar->GetPosition(), 0);

    list->SetItems(Numbered(3));
    EXPECT_EQ(list->VScrollBar(), nullptr);
    EXPECT_EQ(list->ListBox().GetWidth(), 74);
}

TEST_F(SkinListBox, SortedListKeepsItemsInCaseInsensitiveOrder) {
    auto* list = AddList(false, 100);
    list->SetItems({"pear", "Apple", "banana"});
    list->SetItemIndex(1);
    list->SetSorted(true);
    EXPECT_EQ(list->GetItems(), (std::vector<std::string>{"Apple", "banana", "pear"}));
    EXPECT_EQ(list->GetItemIndex(), -1);
    list->SetItemIndex(1);
    EXPECT_EQ(list->ListBox().AddItem("Avocado"), 1);
    EXPECT_EQ(list->GetItemIndex(), 2);  // "banana" stays selected
    char text[32] = {};
    SendMessageA(list->ListBox().GetHandle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Avocado");
    list->SetItemIndex(7);
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(SendMessageA(list->ListBox().GetHandle(), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(SkinListBox, ItemsAndSelectionSurviveANewWindow) {
    auto* list = AddList(false, 100);
    list->SetItems(Numbered(5));
    list->SetItemIndex(3);
    list->ListBox().RecreateWnd();
    HWND native = list->ListBox().GetHandle();
    EXPECT_EQ(SendMessageA(native, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageA(native, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(list->ListBox().ItemAt(Point(5, 2 * 20 + 3)), 2);
    EXPECT_EQ(list->ListBox().ItemAt(Point(5, 5 * 20 + 3)), -1);  // below the last row
    EXPECT_EQ(list->ListBox().ItemAt(Point(-1, 3)), -1);
}

TEST_F(SkinListBox, EmptyListPaintRequestDrawsTheFrameAndAnswers) {
    LoadZevrak();
    auto* list = AddList(true, 82);
    TbsBitmap target;
    FillCanvas(target, 80, 82);
    EXPECT_EQ(SendMessageA(list->GetHandle(), WM_PAINTSKINNEDLIST, WPARAM(target.DC()), 16802), 16802);
    GdiFlush();
    // The frame's top-left corner comes from the record's picture.
    EXPECT_EQ(Rgb(*target.PixelPtr(0, 0)), Rgb(PicturePixel(125, 62)));
    EXPECT_EQ(SendMessageA(list->GetHandle(), WM_PAINTSKINNEDLIST, WPARAM(target.DC()), 1), 0);
}

TEST_F(SkinListBox, MakingAndFreeingListsWithBarsLeavesNoHandles) {
    LoadZevrak();
    {
        // The skin's picture is converted once and kept with the manager.
        TbsBitmap warm;
        Print(*AddList(true, 60), warm);
    }
    const long windows = LiveHandleCount(THandleKind::Window), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc);
    {
        std::unique_ptr<TbsSkinListBox> list(new TbsSkinListBox(nullptr));
        list->SetParent(Form.get());
        list->SetBounds(0, 0, 80, 158);
        list->SetSkinData(Manager);
        list->SetItems(Numbered(30));
        list->SetItems(Numbered(2));
        list->SetItems(Numbered(30));
        TbsBitmap got;
        Print(*list, got);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), windows);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
}

}  // namespace
