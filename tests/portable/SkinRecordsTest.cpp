#include "platform/portable/Convert.h"
#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinControlRecords.h"
#include "skin/data/portable/SkinObjectRecords.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kControlWords[] = {
    "button", "menubutton", "panel",    "expanel",     "checkradio", "gauge",   "splitter",  "trackbar",
    "label",  "stdlabel",   "updown",   "grid",        "tab",        "slider",  "richedit",  "mainmenubar",
    "controlbar", "appmenu", "memo",    "edit",        "checklistbox", "listbox", "combobox", "scrollbar",
    "spinedit", "scrollbox", "treeview", "bevel",      "listview"};
const char* const kObjectWords[] = {"caption",  "stdbutton",       "button",            "animate",
                                    "menuitem", "mainmenubaritem", "mainmenubarbutton", "userobject"};

// Saves a record and returns its section as key/value pairs in written order.
std::vector<std::pair<std::string, std::string>> SectionOf(const TMemIniFile& ini, const std::string& section) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& key : ini.KeyNames(section)) pairs.emplace_back(key, ini.ReadString(section, key, "?"));
    return pairs;
}

// A value of the same form as `value` but different from it, so a key that
// is written but not read back (or read under another name) shows up.
// Numbers depend on the key, so two keys bound to one field show up too.
std::string Changed(const std::string& key, const std::string& value) {
    const int n = int(std::hash<std::string>{}(key) % 1000) + 2;
    if (value == "0,0,0,0") return IntToStr(n) + "," + IntToStr(n + 1) + "," + IntToStr(n + 2) + "," + IntToStr(n + 3);
    if (value == "0,0") return IntToStr(n) + "," + IntToStr(n + 5);
    if (value == "stfull") return "stvert";
    if (value == "mkdefault") return "mkpush";
    if (value == "tacenter") return "taleftjustify";
    if (value == "cmdefault") return "cmrollup";
    if (value == "Tahoma") return "Verdana";
    if (key.ends_with("fontstyle")) return "fsbold,fsunderline";
    int number = 0;
    if (TryStrToInt(value, number)) return IntToStr(number == 0 ? 1 : number + n);  // "0" may be a boolean
    return "text of " + key;
}

// Writes a fresh record, changes every written value, reads that back into a
// new record and writes it again: the result must be the changed section.
template <class TCreate>
void ExpectEveryKeyRoundTrips(const char* word, TCreate create) {
    SCOPED_TRACE(word);
    auto fresh = create(word, "sec");
    ASSERT_TRUE(fresh);
    TMemIniFile defaults;
    fresh->SaveToIni(defaults);
    TMemIniFile changed;
    for (const auto& [key, value] : SectionOf(defaults, "sec")) changed.WriteString("sec", key, Changed(key, value));
    ASSERT_GT(changed.KeyCount("sec"), 0u);

    auto loaded = create(word, "sec");
    loaded->LoadFromIni(changed);
    TMemIniFile rewritten;
    loaded->SaveToIni(rewritten);
    EXPECT_EQ(SectionOf(rewritten, "sec"), SectionOf(changed, "sec"));
}

// A record read from a section without keys writes what a new record
// writes: the defaults of reading and of construction agree.
template <class TCreate>
void ExpectReadDefaultsMatchNewRecord(const char* word, TCreate create) {
    SCOPED_TRACE(word);
    TMemIniFile fromNew;
    create(word, "sec")->SaveToIni(fromNew);
    auto loaded = create(word, "sec");
    loaded->LoadFromIni(TMemIniFile("[sec]\nunrelated=1\n"));
    TMemIniFile fromEmpty;
    loaded->SaveToIni(fromEmpty);
    EXPECT_EQ(fromEmpty.GetText(), fromNew.GetText());
}

std::unique_ptr<TbsDataSkinControl> NewControl(const char* word, std::string name) {
    return CreateSkinControlRecord(word, std::move(name));
}
std::unique_ptr<TbsDataSkinObject> NewObject(const char* word, std::string name) {
    return CreateSkinObjectRecord(word, std::move(name));
}

}  // namespace

TEST(SkinRecordRoundTrip, EveryControlRecordWritesAndReadsEveryKey) {
    for (const char* word : kControlWords) ExpectEveryKeyRoundTrips(word, NewControl);
}

TEST(SkinRecordRoundTrip, EveryObjectRecordWritesAndReadsEveryKey) {
    for (const char* word : kObjectWords) ExpectEveryKeyRoundTrips(word, NewObject);
}

TEST(SkinRecordDefaults, ReadingAnEmptySectionGivesTheNewRecordsValues) {
    for (const char* word : kControlWords) ExpectReadDefaultsMatchNewRecord(word, NewControl);
    for (const char* word : kObjectWords) ExpectReadDefaultsMatchNewRecord(word, NewObject);
}

TEST(SkinRecordDefaults, NewRecordsHoldNoPicturesAndTheDocumentedValues) {
    const TbsDataSkinButtonControl button("button");
    EXPECT_EQ(button.PictureIndex, -1);
    EXPECT_EQ(button.MaskPictureIndex, -1);
    EXPECT_EQ(button.GlowLayerPictureIndex, -1);
    EXPECT_EQ(button.AnimateInterval, 25);
    EXPECT_EQ(button.GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(button.StretchType, bsstFull);
    EXPECT_EQ(button.Font.Name, "Tahoma");
    EXPECT_EQ(button.Font.Height, 13);
    const TbsDataSkinListBox list("listbox");
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.BothScrollBarName, "bothhscrollbar");
    EXPECT_EQ(list.CaptionFont.Name, "Tahoma");
    EXPECT_EQ(TbsDataSkinStdLabelControl("l").ActiveFontColor, 0xFF0000u);
    const TbsDataSkinAppMenu menu("m");
    EXPECT_EQ(menu.PageItemOffset1, 10);
    EXPECT_EQ(menu.FontPageHeight, 16);
    EXPECT_EQ(TbsDataSkinControlBar("c").ItemOffset2, 3);
    const TbsDataSkinAnimate animate("a");
    EXPECT_EQ(animate.CountFrames, 1);
    EXPECT_EQ(animate.TimerInterval, 50);
    EXPECT_EQ(animate.Command, cmDefault);
    EXPECT_EQ(TbsDataSkinCaption("c").GlowSize, 3);
    EXPECT_EQ(TbsDataSkinCaption("c").Alignment, taCenter);
    EXPECT_EQ(TbsDataSkinStdButton("b").Command, cmDefault);
}

TEST(SkinRecordKeys, OddlySpelledKeysAreReadAndWrittenAsSpelled) {
    const TMemIniFile ini(
        "[b]\ndisableskinrsect=1,2,3,4\n"
        "[c]\nreflactioncolor=255\nreflactionactivecolor=65280\n"
        "[m]\nunenabledfontColor=33\n");
    TbsDataSkinButton button("b");
    button.LoadFromIni(ini);
    EXPECT_EQ(button.DisableSkinRect, Rect(1, 2, 3, 4));
    TbsDataSkinCaption caption("c");
    caption.LoadFromIni(ini);
    EXPECT_EQ(caption.ReflectionColor, 255u);
    EXPECT_EQ(caption.ReflectionActiveColor, 65280u);
    TbsDataSkinMainMenuItem item("m");
    item.LoadFromIni(ini);
    EXPECT_EQ(item.UnEnabledFontColor, 33u);

    TMemIniFile out;
    button.SaveToIni(out);
    caption.SaveToIni(out);
    item.SaveToIni(out);
    const std::string text = out.GetText();
    EXPECT_NE(text.find("disableskinrsect=1,2,3,4\r\n"), std::string::npos);
    EXPECT_NE(text.find("reflactioncolor=255\r\n"), std::string::npos);
    EXPECT_NE(text.find("reflactionactivecolor=65280\r\n"), std::string::npos);
    EXPECT_NE(text.find("unenabledfontColor=33\r\n"), std::string::npos);
}

TEST(SkinRecordKeys, BaseKeysComeFirstAndLabelHasOnlyNinePartAndFontKeys) {
    TMemIniFile ini;
    TbsDataSkinLabelControl("statuspanel").SaveToIni(ini);
    const std::vector<std::string> expected = {
        "pictureindex", "maskpictureindex", "skinrect", "lefttoppoint", "righttoppoint", "leftbottompoint",
        "rightbottompoint", "clientrect", "leftstretch", "topstretch", "rightstretch", "bottomstretch",
        "stretcheffect", "stretchtype", "fontname", "fontheight", "fontstyle", "fontcolor"};
    EXPECT_EQ(ini.KeyNames("statuspanel"), expected);
}

TEST(SkinRecordKeys, UserObjectReadsOnlyTheSkinRect) {
    TbsDataUserObject user("u");
    user.LoadFromIni(TMemIniFile("[u]\nskinrect=1,2,3,4\nhint=ignored\nactivepictureindex=3\n"));
    EXPECT_EQ(user.SkinRect, Rect(1, 2, 3, 4));
    EXPECT_EQ(user.Hint, "");
    EXPECT_EQ(user.ActivePictureIndex, -1);
    TMemIniFile out;
    user.SaveToIni(out);
    EXPECT_EQ(out.KeyNames("u"), std::vector<std::string>{"skinrect"});
}

TEST(SkinRecordSaving, SaveErasesTheSectionFirst) {
    TMemIniFile ini("[button]\nstale=1\npictureindex=7\n[other]\nk=v\n");
    TbsDataSkinControl record("button");
    record.SaveToIni(ini);
    EXPECT_FALSE(ini.ValueExists("button", "stale"));
    EXPECT_EQ(ini.ReadInteger("button", "pictureindex", 0), -1);
    EXPECT_EQ(ini.ReadString("other", "k", ""), "v");
}

TEST(SkinRecordReading, MalformedRectangleFailsTheRecord) {
    TbsDataSkinPanelControl panel("panel");
    EXPECT_THROW(panel.LoadFromIni(TMemIniFile("[panel]\ncaptionrect=1,2,3\n")), Exception);
    EXPECT_THROW(panel.LoadFromIni(TMemIniFile("[panel]\nlefttoppoint=\n")), Exception);
}

TEST(CaptionButtonRestoreHint, BecomesRestoreOnlyForStateCommandsWithTheirOwnHint) {
    struct Row { const char* hint; const char* command; const char* restoreHint; const char* expected; };
    const Row rows[] = {
        {"Maximize", "cmmaximize", "", "Restore"},
        {"Minimize", "cmminimize", "", "Restore"},
        {"RollUp", "cmrollup", "", "Restore"},
        {"Roll Up", "cmrollup", "", "Restore"},
        {"Maximize", "cmmaximize", "Back", "Back"},  // the skin's own text stays
        {"Maximize", "cmminimize", "", ""},          // hint and command disagree
        {"maximize", "cmmaximize", "", ""},          // case counts
        {"Close", "cmclose", "", ""},
        {"RollUp", "cmmaximize", "", ""},
    };
    for (const Row& row : rows) {
        TbsDataSkinStdButton button("b");
        const std::string text = std::string("[b]\nhint=") + row.hint + "\ncommand=" + row.command +
                                 "\nrestorehint=" + row.restoreHint + "\n";
        button.LoadFromIni(TMemIniFile(text));
        EXPECT_EQ(button.RestoreHint, row.expected) << row.hint << " " << row.command;
    }
}

TEST(CaptionButtonCommand, MisspelledWordReadsAsMinimiseToTrayAndIsWrittenSo) {
    TbsDataSkinStdButton button("b");
    button.LoadFromIni(TMemIniFile("[b]\ncommand=cmminimise\n"));
    EXPECT_EQ(button.Command, cmMinimizeToTray);
    TMemIniFile out;
    button.SaveToIni(out);
    EXPECT_EQ(out.ReadString("b", "command", ""), "cmminimizetotray");
    TbsDataSkinStdButton absent("b");
    absent.LoadFromIni(TMemIniFile(""));
    EXPECT_EQ(absent.Command, cmDefault);
}

TEST(SkinRecordTypes, TypeWordsAreExactAndSelectTheirClass) {
    EXPECT_NE(dynamic_cast<TbsDataSkinLabelControl*>(CreateSkinControlRecord("label", "statuspanel").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinMemoControl*>(CreateSkinControlRecord("memo", "m").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinCheckListBox*>(CreateSkinControlRecord("checklistbox", "c").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinMainMenuBarButton*>(CreateSkinObjectRecord("mainmenubarbutton", "b").get()),
              nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinMainMenuBarItem*>(CreateSkinObjectRecord("mainmenubaritem", "i").get()),
              nullptr);
    EXPECT_EQ(CreateSkinControlRecord("Button", "b"), nullptr);
    EXPECT_EQ(CreateSkinControlRecord("caption", "c"), nullptr);  // an object word, not a control word
    EXPECT_EQ(CreateSkinObjectRecord("panel", "p"), nullptr);
    EXPECT_EQ(CreateSkinObjectRecord("", ""), nullptr);
    EXPECT_EQ(CreateSkinControlRecord("button", "sec")->SectionName, "sec");
}
