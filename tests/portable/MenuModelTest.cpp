// The menu model (captions, accelerators, short-cut texts, radio groups,
// separators) and the popup menu window's pure geometry: size, entry
// layout with scroll markers, placement on the work area, Up and Down, and
// the mark of a checked entry.
#include <gtest/gtest.h>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/Menus.h"
#include "skin/menus/portable/MenuGeometry.h"

namespace {

TEST(MenuModel, CaptionsShortCutsAndAccelerators) {
    TMenuItem close("&Close", "BSF_CLOSE");
    EXPECT_EQ(close.DisplayCaption(), "Close");
    EXPECT_EQ(close.Accelerator(), 'C');
    EXPECT_EQ(TMenuItem("Fish && &Chips").DisplayCaption(), "Fish & Chips");
    EXPECT_EQ(TMenuItem("Fish && &Chips").Accelerator(), 'C');
    EXPECT_EQ(TMenuItem("Trailing&").DisplayCaption(), "Trailing");
    close.SetShortCut(ShortCut(0x73, scAlt));  // F4
    EXPECT_EQ(close.ShortCutText(), "Alt+F4");
    EXPECT_EQ(ShortCutToText(ShortCut('N', scCtrl | scShift)), "Ctrl+Shift+N");
    EXPECT_EQ(ShortCutToText(ShortCut(0x2E, 0)), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut(0xE7, scCtrl)), "") << "a key without a name has no text";
    EXPECT_EQ(TextToShortCut("alt+f4"), ShortCut(0x73, scAlt));
    EXPECT_EQ(TextToShortCut("Ctrl+Space"), ShortCut(0x20, scCtrl));
    EXPECT_EQ(TextToShortCut("Hyper+X"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
}

TEST(MenuModel, RadioItemsOfAGroupExcludeEachOtherAndSeparatorsReduce) {
    TMenuItem root;
    TMenuItem* a = root.Add("&Red");
    TMenuItem* b = root.Add("&Black");
    TMenuItem* other = root.Add("Even");
    for (TMenuItem* item : {a, b}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    other->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(b->GetChecked());
    EXPECT_TRUE(other->GetChecked()) << "another group keeps its check";
    EXPECT_EQ(root.IndexOfAccelerator('b'), 1);
    EXPECT_EQ(root.IndexOfAccelerator('x'), -1);

    TMenuItem menu;
    menu.Add("-");
    menu.Add("One");
    menu.Add("-");
    menu.Add("Hidden")->SetVisible(false);
    menu.Add("-");
    menu.Add("Two");
    menu.Add("-");
    EXPECT_EQ(menu.ShownIndexes(0, true), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(menu.ShownIndexes(0, false), (std::vector<int>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(menu.ShownIndexes(3, true), (std::vector<int>{5}));
    menu.Delete(0);
    EXPECT_EQ(menu.Count(), 6);
    EXPECT_EQ(menu.Items(0)->GetParent(), &menu);
}

TEST(MenuGeometry, WindowSizeSumsEntriesAndCutsToTheWorkArea) {
    TbsMenuSizeInput in;
    in.TextWidth = 60;
    in.Heights = {20, 4, 20, 20};
    in.WorkAreaHeight = 600;
    TbsMenuSize s = MenuWindowSize(in);
    EXPECT_EQ(s.Width, 60 + 19 + 19 + 10);
    EXPECT_EQ(s.Height, 64 + 4);
    EXPECT_FALSE(s.Scrolling);
    in.Heights.assign(50, 20);
    s = MenuWindowSize(in);
    EXPECT_EQ(s.Height, 600);
    EXPECT_TRUE(s.Scrolling);
    EXPECT_FALSE(s.CountLimited);
    in.MaxItems = 5;
    s = MenuWindowSize(in);
    EXPECT_EQ(s.Height, 5 * 20 + 4 + 20);
    EXPECT_TRUE(s.CountLimited);
}

TEST(MenuGeometry, LayoutLeavesRoomForTheMarkersAndStopsAtTheFirstEntryThatDoesNotFit) {
    const std::vector<int> heights(10, 20);
    const TbsMenuLayout plain = LayoutMenuEntries(heights, TRect{2, 2, 100, 202}, 0, false);
    EXPECT_EQ(plain.ShownCount, 10);
    EXPECT_EQ(plain.Rects[9], (TRect{2, 182, 100, 202}));
    const TbsMenuLayout cut = LayoutMenuEntries(heights, TRect{2, 2, 100, 102}, 3, true);
    // 100 pixels less two 10-pixel markers: four entries from the fourth.
    EXPECT_EQ(cut.ShownCount, 4);
    EXPECT_FALSE(cut.Shown[2]);
    EXPECT_EQ(cut.Rects[3], (TRect{2, 12, 100, 32}));
    EXPECT_EQ(cut.LastShown, 6);
    EXPECT_FALSE(cut.Shown[7]);
    EXPECT_EQ(TopEntryShowingLast(heights, 9, 80), 6);
}

TEST(MenuGeometry, PlacementBelowAboveBesideAndFullHeight) {
    const TRect area{0, 0, 1280, 1024};
    struct Row {
        const char* name;
        TRect request;
        int height;
        bool submenu, upward, scrolling;
        TbsMenuPlace expected;
    };
    const Row rows[] = {
        {"fits below", TRect{100, 100, 160, 120}, 200, false, false, false, {100, 120, false}},
        {"lower half, opens above", TRect{100, 900, 160, 920}, 200, false, false, false, {100, 700, false}},
        {"upper half, too tall for below: moved aside", TRect{100, 400, 160, 420}, 700, false, false, false,
         {161, 324, true}},
        {"lower half, fits neither way: moved aside at the top", TRect{100, 600, 160, 620}, 700, false, false, false,
         {161, 0, true}},
        {"upward fits", TRect{100, 900, 160, 920}, 200, false, true, false, {100, 700, false}},
        {"upward in the upper half goes below", TRect{100, 50, 160, 70}, 200, false, true, false, {100, 70, false}},
        {"right edge pulls it left", TRect{1250, 100, 1260, 120}, 200, false, false, false, {1280 - 150, 120, false}},
        {"sub-menu beside its entry", TRect{100, 100, 250, 120}, 200, true, false, false, {251, 98, false}},
        {"sub-menu at the right edge goes left", TRect{1100, 100, 1200, 120}, 200, true, false, false,
         {1100 - 150 - 1, 98, false}},
        {"full height starts at the top", TRect{100, 100, 160, 120}, 1024, false, false, true, {161, 0, false}},
        {"below a button parked off the screen: still on it", TRect{-32000, -32000, -31980, -31980}, 200, false,
         false, false, {0, 0, false}},
    };
    for (const Row& r : rows) {
        TbsMenuPlaceInput in;
        in.WorkArea = area;
        in.Request = r.request;
        in.Width = 150;
        in.Height = r.height;
        in.Submenu = r.submenu;
        in.Upward = r.upward;
        in.Scrolling = r.scrolling;
        const TbsMenuPlace p = PlaceMenuWindow(in);
        EXPECT_EQ(p.X, r.expected.X) << r.name;
        EXPECT_EQ(p.Y, r.expected.Y) << r.name;
        EXPECT_EQ(p.MovedAside, r.expected.MovedAside) << r.name;
    }
}

TEST(MenuGeometry, UpAndDownSkipSeparatorsAndDisabledItemsAndWrap) {
    // Minimize, (disabled), -, Close
    const std::vector<bool> selectable{true, false, false, true};
    EXPECT_EQ(NextSelectableEntry(selectable, -1, true), 0);
    EXPECT_EQ(NextSelectableEntry(selectable, 0, true), 3);
    EXPECT_EQ(NextSelectableEntry(selectable, 3, true), 0) << "from the last back to the first";
    EXPECT_EQ(NextSelectableEntry(selectable, -1, false), 3);
    EXPECT_EQ(NextSelectableEntry(selectable, 3, false), 0);
    EXPECT_EQ(NextSelectableEntry(selectable, 0, false), 3);
    EXPECT_EQ(NextSelectableEntry({false, false}, -1, true), -1);
    EXPECT_EQ(NextSelectableEntry({}, -1, true), -1);
}

TEST(MenuGeometry, CheckMarkComesFromTheCheckPictureWhetherOrNotARadioPictureIsSet) {
    EXPECT_EQ(MenuMarkOf(true, false, true, true), bsmmCheckImage);
    EXPECT_EQ(MenuMarkOf(true, false, true, false), bsmmCheckImage);
    EXPECT_EQ(MenuMarkOf(true, false, false, true), bsmmCheckStrokes);
    EXPECT_EQ(MenuMarkOf(true, true, true, false), bsmmRadioDot);
    EXPECT_EQ(MenuMarkOf(true, true, false, true), bsmmRadioImage);
    EXPECT_EQ(MenuMarkOf(false, false, true, true), bsmmNone);
}

class TMenuRoot : public TComponent {
public:
    TMenuRoot() : TComponent(nullptr) {}
    TNotifyEvent FindMethod(const std::string& name) override {
        if (name == "SpinClick") return [this](TComponent* sender) { Clicked = sender; };
        return {};
    }
    TComponent* Clicked = nullptr;
};

std::string ReadMenus(TMenuRoot& root, const std::string& text) {
    static TClassRegistry registry;
    if (!registry.Find("TComponent")) {
        TClassBuilder<TComponent>(registry, "TComponent", "");
        TClassBuilder<TMenuRoot>(registry, "TMenuRoot", "TComponent");
        RegisterMenuClasses(registry);
    }
    try {
        ReadLayout(root, ParseLayoutText(text, nullptr), registry);
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

TEST(MenuLayout, PopupMenusAndTheirItemsComeFromALayout) {
    TMenuRoot root;
    ASSERT_EQ(ReadMenus(root, R"(
        Root: TMenuRoot {
          Menu1: TPopupMenu {
            AutoLineReduction = False
            Spin1: TMenuItem { Caption = "&Spin" ShortCut = 16416 OnClick = SpinClick }
            N1: TMenuItem { Caption = "-" }
            Stake1: TMenuItem {
              Caption = "S&take"
              Five1: TMenuItem { Caption = "5 VKS" RadioItem = True GroupIndex = 1 Checked = True }
              Ten1: TMenuItem { Caption = "10 VKS" RadioItem = True GroupIndex = 1 }
            }
            Close1: TMenuItem { Caption = "&Close" ShortCut = "Alt+F4" Enabled = False Hint = "Ends the game" }
          }
        })"), "");
    auto* menu = dynamic_cast<TPopupMenu*>(root.FindComponent("Menu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->GetAutoLineReduction());
    const TMenuItem& items = menu->Items();
    ASSERT_EQ(items.Count(), 4);
    EXPECT_EQ(items.Items(0)->GetName(), "Spin1");
    EXPECT_EQ(items.Items(0)->ShortCutText(), "Ctrl+Space");
    EXPECT_EQ(items.Items(2)->Count(), 2);
    EXPECT_TRUE(items.Items(2)->Items(0)->GetChecked());
    EXPECT_TRUE(items.Items(2)->Items(1)->GetRadioItem());
    EXPECT_EQ(items.Items(3)->ShortCutText(), "Alt+F4");
    EXPECT_FALSE(items.Items(3)->GetEnabled());
    EXPECT_EQ(items.Items(3)->GetHint(), "Ends the game");
    // The layout's handler runs with the item's component as the sender.
    items.Items(0)->Click();
    EXPECT_EQ(root.Clicked, root.FindComponent("Spin1"));
    auto* spin = dynamic_cast<TMenuItemComponent*>(root.FindComponent("Spin1"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(&spin->Item(), items.Items(0));
}

TEST(MenuLayout, AMenuItemOutsideAMenuIsALayoutError) {
    TMenuRoot root;
    const std::string error = ReadMenus(root, R"(Root: TMenuRoot { Stray1: TMenuItem { Caption = "x" } })");
    EXPECT_NE(error.find("Stray1"), std::string::npos) << error;
    EXPECT_NE(error.find("a menu item belongs in a popup menu"), std::string::npos) << error;
}

}  // namespace
