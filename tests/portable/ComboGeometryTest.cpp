// The combo box's arithmetic: its button and text area, the list's height
// and side, the steps of keys and wheel that never leave the items, and the
// type-ahead search with its half-second pause.
#include "skin/controls/portable/ComboGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Zevrak's "combobox": 57 x 21, right-top point 38,10.
const TbsComboSkinGeometry kZevrakCombo{Rect(39, 2, 55, 19), Rect(3, 3, 38, 18), 57, 21, 38};

std::vector<std::string> NumberItems() {
    std::vector<std::string> items{"0", "00"};
    for (int i = 1; i <= 36; ++i) items.push_back(std::to_string(i));
    return items;
}

TEST(ComboGeometry, ButtonFollowsTheRightEdgeAndTextAreaStretches) {
    const struct {
        bool Bound, UseSkinSize;
        int Width, Height;
        TbsComboRects Expected;
    } rows[] = {
        {true, true, 65, 21, {Rect(47, 2, 63, 19), Rect(3, 3, 46, 18)}},
        {true, true, 73, 21, {Rect(55, 2, 71, 19), Rect(3, 3, 54, 18)}},
        {true, true, 57, 21, {Rect(39, 2, 55, 19), Rect(3, 3, 38, 18)}},
        {true, false, 65, 30, {Rect(47, 2, 63, 28), Rect(3, 3, 46, 27)}},
        {false, true, 120, 20, {Rect(101, 2, 118, 18), Rect(2, 2, 100, 18)}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ComboBoxRects(row.Bound, kZevrakCombo, row.UseSkinSize, row.Width, row.Height), row.Expected)
            << row.Width << " x " << row.Height << (row.Bound ? " bound" : " plain");
    }
}

TEST(ComboGeometry, ButtonInTheLeftPartStaysWhereTheSkinPutsIt) {
    TbsComboSkinGeometry skin = kZevrakCombo;
    skin.ButtonRect = Rect(2, 2, 14, 19);  // left of skin width - right-top x (19)
    EXPECT_EQ(ComboBoxRects(true, skin, true, 80, 21).Button, Rect(2, 2, 14, 19));
}

TEST(ComboGeometry, ListHeightFollowsRowsAndFrame) {
    const TRect listClient = Rect(3, 3, 57, 51);  // Zevrak's "listbox", 54 high
    EXPECT_EQ(PopupListHeight(true, 54, listClient, DropDownRows(38, 8), 19, 0, 0), 158);
    EXPECT_EQ(PopupListHeight(true, 54, listClient, DropDownRows(4, 8), 19, 0, 0), 82);
    EXPECT_EQ(PopupListHeight(false, 0, {}, 3, 20, 0, 0), 64);
    EXPECT_EQ(PopupListHeight(false, 0, {}, 3, 20, 18, 17), 99);
    EXPECT_EQ(DropDownRows(0, 8), 0);
    EXPECT_EQ(DropDownRows(5, 0), 1);
}

TEST(ComboGeometry, ListOpensUpwardsOnlyWhenItWouldPassTheWorkArea) {
    const TRect work = Rect(0, 0, 1024, 768);
    EXPECT_EQ(PopupListPosition(Rect(100, 200, 165, 221), 158, work), Point(100, 221));
    EXPECT_EQ(PopupListPosition(Rect(100, 589, 165, 610), 158, work), Point(100, 610));  // ends at 768 exactly
    EXPECT_EQ(PopupListPosition(Rect(100, 590, 165, 611), 158, work), Point(100, 432));
}

TEST(ComboGeometry, ScrollBarOnlyWhenRowsDoNotFit) {
    EXPECT_TRUE(ListNeedsScrollBar(152, 19, 38));
    EXPECT_FALSE(ListNeedsScrollBar(76, 19, 4));
    EXPECT_FALSE(ListNeedsScrollBar(76, 0, 4));
}

TEST(ComboGeometry, PagesMoveNineUpAndSevenDownWithinTheItems) {
    const struct {
        TbsComboStep Step;
        int Index, Count, Expected;
    } rows[] = {
        {TbsComboStep::PageUp, 20, 38, 11},   {TbsComboStep::PageDown, 20, 38, 27},
        {TbsComboStep::PageUp, 5, 38, 0},     {TbsComboStep::PageDown, 33, 38, 37},
        {TbsComboStep::Previous, 0, 38, 0},   {TbsComboStep::Next, 37, 38, 37},
        {TbsComboStep::Previous, 3, 4, 2},    {TbsComboStep::Next, 2, 4, 3},
        {TbsComboStep::First, 20, 38, 0},     {TbsComboStep::Last, 2, 38, 37},
        {TbsComboStep::Previous, -1, 4, 0},   {TbsComboStep::Next, 9, 4, 3},
        {TbsComboStep::Next, 0, 0, -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ComboStepIndex(row.Step, row.Index, row.Count, 8), row.Expected)
            << int(row.Step) << " from " << row.Index << " of " << row.Count;
}

TEST(ComboGeometry, WheelStaysWithinTheItemsAndZeroDoesNothing) {
    EXPECT_EQ(ComboWheelIndex(3, 4, -120), 3);  // already the last
    EXPECT_EQ(ComboWheelIndex(2, 4, -120), 3);
    EXPECT_EQ(ComboWheelIndex(0, 4, 120), 0);
    EXPECT_EQ(ComboWheelIndex(1, 4, 240), 0);
    EXPECT_EQ(ComboWheelIndex(2, 4, 0), 2);
    EXPECT_EQ(ComboWheelIndex(-1, 4, 0), -1);
    EXPECT_EQ(ComboWheelIndex(-1, 4, -1), 0);
    EXPECT_EQ(ComboWheelIndex(-1, 0, -120), -1);
}

TEST(ComboGeometry, TypeAheadSearchesAfterTheCurrentItemForOneCharacter) {
    const auto items = NumberItems();
    TbsTypeAhead typed;
    int index = FindTypeAheadItem(items, typed.Add('3', 1000, true), 0);
    EXPECT_EQ(items[std::size_t(index)], "3");
    index = FindTypeAheadItem(items, typed.Add('3', 1500, true), index);  // 500 ms later: a new search
    EXPECT_EQ(items[std::size_t(index)], "30");
    index = FindTypeAheadItem(items, typed.Add('4', 1999, true), index);  // 499 ms: "34"
    EXPECT_EQ(items[std::size_t(index)], "34");
}

TEST(ComboGeometry, TypeAheadCollectsQuickCharactersOnlyWithAutoComplete) {
    const auto items = NumberItems();
    TbsTypeAhead typed;
    typed.Add('3', 1000, true);
    EXPECT_EQ(items[std::size_t(FindTypeAheadItem(items, typed.Add('4', 1100, true), 4))], "34");
    TbsTypeAhead single;
    single.Add('3', 1000, false);
    EXPECT_EQ(single.Add('4', 1100, false), "4");
    TbsTypeAhead wrapped;
    wrapped.Add('1', 0xFFFFFF00u, true);
    EXPECT_EQ(wrapped.Add('1', 0x00000010u, true), "11");  // 272 ms across the wrap
}

TEST(ComboGeometry, TypeAheadWrapsAndIgnoresCaseAndMisses) {
    const std::vector<std::string> stakes{"5 VKS", "25 VKS", "100 VKS", "500 VKS"};
    EXPECT_EQ(FindTypeAheadItem(stakes, "5", 3), 0);  // wraps to the top
    EXPECT_EQ(FindTypeAheadItem(stakes, "5", 0), 3);
    EXPECT_EQ(FindTypeAheadItem(stakes, "5 v", 3), 0);
    EXPECT_EQ(FindTypeAheadItem(stakes, "7", 0), -1);
    EXPECT_EQ(FindTypeAheadItem(stakes, "", 0), -1);
    EXPECT_EQ(FindTypeAheadItem({}, "5", -1), -1);
    EXPECT_EQ(FindTypeAheadItem(stakes, "2", -1), 1);
}

TEST(ComboGeometry, SortOrderIgnoresCase) {
    EXPECT_TRUE(ItemLess("apple", "Banana"));
    EXPECT_FALSE(ItemLess("Banana", "apple"));
    EXPECT_FALSE(ItemLess("abc", "ABC"));
}

}  // namespace
