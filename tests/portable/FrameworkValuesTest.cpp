// Portable parts of the framework that the controls lean on: the timer-id
// table, accelerator characters and the stored values every layout class
// shares.
#include "platform/portable/Accelerator.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/LayoutValues.h"
#include "platform/portable/TimerIds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

TEST(TimerIdTable, NoWindowUsesAnIdTwice) {
    std::map<std::string_view, std::set<TTimerIdValue>> ids;
    std::set<std::string_view> names;
    for (const TTimerIdEntry& entry : kTimerIdTable) {
        EXPECT_TRUE(ids[entry.Window].insert(entry.Id).second)
            << entry.Name << " repeats id " << entry.Id << " on the " << entry.Window;
        EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name << " is listed twice";
    }
    // Every kind of window the controls will run timers on is in the table.
    for (const char* window : {"skinned form", "skin button", "skin scroll bar", "skin gauge", "skin combo box",
                               "popup menu window", "skin edit"})
        EXPECT_TRUE(ids.count(window)) << window;
}

TEST(TimerIdTable, OurIdsOnNativeWindowsStayClearOfTheControlsOwn) {
    for (const TTimerIdEntry& entry : kTimerIdTable) {
        EXPECT_NE(entry.Id, 0u) << entry.Name << ": 0 is no timer id";
        if (entry.NativeWindow) {
            EXPECT_GE(entry.Id, kNativeTimerBase) << entry.Name;
        }
    }
    // The form's fade-in keeps the id the layer manager's fade uses.
    EXPECT_EQ(tidFormFadeIn, 1u);
    EXPECT_STREQ(TimerIdName("skin button", 2), "tidButtonRepeat");
    EXPECT_STREQ(TimerIdName("skin edit", kNativeTimerBase + 1), "tidEditHover");
    EXPECT_EQ(TimerIdName("skin edit", 1), nullptr);
    EXPECT_EQ(TimerIdName("no such window", 1), nullptr);
}

TEST(Accelerator, MarkedCharacterInEitherCase) {
    struct TRow {
        const char* Caption;
        char Accelerator;
    } rows[] = {
        {"&Spin", 'S'},        {"Hadi &Kizim", 'K'},  {"Save && &Quit", 'Q'},  // "&&" is a plain "&"
        {"A && B", 0},         {"trailing&", 0},      {"", 0},
        {"&First &Second", 'F'}, {"&&&x", 'x'},
    };
    for (const TRow& row : rows) EXPECT_EQ(AcceleratorOf(row.Caption), row.Accelerator) << row.Caption;
    EXPECT_TRUE(IsAccelerator('s', "&Spin"));
    EXPECT_TRUE(IsAccelerator('S', "&spin"));
    EXPECT_FALSE(IsAccelerator('p', "&Spin"));
    EXPECT_FALSE(IsAccelerator(0, "A && B")) << "no accelerator matches no character";
    EXPECT_FALSE(IsAccelerator('&', "A && B"));
}

TLayoutValue Ident(const std::string& name) {
    TLayoutValue v;
    v.Kind = TLayoutValue::TKind::Ident;
    v.Text = name;
    return v;
}

TEST(SharedLayoutValues, ColoursCharsetsAndStylesByNameOrNumber) {
    EXPECT_EQ(LayoutColor(Ident("clBtnFace")), 0xFF00000Fu);
    EXPECT_EQ(LayoutColor(Ident("CLWHITE")), 0xFFFFFFu) << "names are compared without case";
    EXPECT_EQ(LayoutColor(TLayoutValue::OfInteger(14408408)), 14408408u);
    EXPECT_EQ(LayoutCharset(Ident("TURKISH_CHARSET")), 162);
    EXPECT_EQ(LayoutCharset(Ident("DEFAULT_CHARSET")), 1);
    EXPECT_EQ(LayoutCharset(TLayoutValue::OfInteger(238)), 238);
    TLayoutValue styles;
    styles.Kind = TLayoutValue::TKind::Set;
    styles.Items = {"fsBold", "fsUnderline"};
    EXPECT_EQ(LayoutFontStyle(styles), 1u | 4u);
    styles.Items = {};
    EXPECT_EQ(LayoutFontStyle(styles), 0u);
}

TEST(SharedLayoutValues, BadValuesAreRefusedWithAnError) {
    EXPECT_THROW(LayoutColor(Ident("clNoSuchColour")), Exception);
    EXPECT_THROW(LayoutColor(TLayoutValue::OfInteger(-1)), Exception);
    EXPECT_THROW(LayoutColor(TLayoutValue::OfString("red")), Exception);
    EXPECT_THROW(LayoutCharset(TLayoutValue::OfInteger(256)), Exception);
    EXPECT_THROW(LayoutCharset(Ident("KLINGON_CHARSET")), Exception);
    TLayoutValue styles;
    styles.Kind = TLayoutValue::TKind::Set;
    styles.Items = {"fsBold", "fsBlink"};
    EXPECT_THROW(LayoutFontStyle(styles), Exception);
    EXPECT_THROW(LayoutFontStyle(Ident("fsBold")), Exception) << "a style is a set";
}

}  // namespace
