// The skinned edit's geometry: the record's values, the text area inside
// the frame, the button, the height it takes, the background behind the
// text, and where disabled text starts.
#include "skin/controls/portable/EditGeometry.h"

#include <gtest/gtest.h>

namespace {

// Zevrak's "edit": skinrect 225,98,282,119 (57 x 21), active 225,121,282,142,
// left-top x 5, right-top x 51, clientrect 4,3,53,18, middle stretched.
void FillZevrakEdit(TbsDataSkinEditControl& r) {
    r.PictureIndex = 3;
    r.SkinRect = Rect(225, 98, 282, 119);
    r.ActiveSkinRect = Rect(225, 121, 282, 142);
    r.LeftTopPoint = Point(5, 10);
    r.RightTopPoint = Point(51, 10);
    r.ClientRect = Rect(4, 3, 53, 18);
    r.StretchEffect = true;
    r.Font.Color = 12632256;
    r.ActiveFontColor = 16777215;
    r.DisabledFontColor = 9274748;
}

TbsEditSkin ZevrakEdit() {
    TbsDataSkinEditControl record("edit");
    FillZevrakEdit(record);
    return EditSkinOf(&record);
}

TEST(EditGeometry, RecordGivesEndsColoursAndActiveRectangle) {
    const TbsEditSkin skin = ZevrakEdit();
    EXPECT_TRUE(skin.Bound);
    EXPECT_EQ(skin.PictureIndex, 3);
    EXPECT_EQ(skin.LeftEnd, 5);
    EXPECT_EQ(skin.RightEnd, 6);
    EXPECT_EQ(skin.SkinWidth(), 57);
    EXPECT_EQ(skin.SkinHeight(), 21);
    EXPECT_EQ(skin.ActiveSkinRect, Rect(225, 121, 282, 142));
    EXPECT_EQ(skin.Font.Color, TColor(12632256));
    EXPECT_EQ(skin.ActiveFontColor, TColor(16777215));
    EXPECT_EQ(skin.DisabledFontColor, TColor(9274748));
    EXPECT_TRUE(skin.StretchMiddle);

    TbsDataSkinEditControl noActive("edit");
    FillZevrakEdit(noActive);
    noActive.ActiveSkinRect = TRect{};
    EXPECT_EQ(EditSkinOf(&noActive).ActiveSkinRect, noActive.SkinRect) << "an empty active look is the normal one";

    EXPECT_FALSE(EditSkinOf(nullptr).Bound);
}

TEST(EditGeometry, TextAreaIsInsetByTheSkinsClientRectangleOrTwoPixels) {
    const TbsEditSkin zevrak = ZevrakEdit();
    const TbsEditSkin unbound;
    struct TRow {
        const TbsEditSkin* Skin;
        int Width, Height;
        bool ButtonMode;
        TRect Expected;
    };
    const TRow rows[] = {
        {&zevrak, 82, 21, false, Rect(4, 3, 78, 18)},   // the balance field: 74 x 15 at (4, 3)
        {&zevrak, 57, 21, false, Rect(4, 3, 53, 18)},   // the skin's own size
        {&zevrak, 82, 30, false, Rect(4, 3, 78, 27)},   // taller without the skin's font
        {&zevrak, 8, 21, false, Rect(4, 3, 4, 18)},     // narrower than the ends: right meets left
        {&unbound, 100, 22, false, Rect(2, 2, 98, 20)},
        {&unbound, 100, 22, true, Rect(2, 2, 76, 20)},  // the button's room: height + 2
    };
    for (const TRow& r : rows)
        EXPECT_EQ(EditClientArea(*r.Skin, r.Width, r.Height, r.ButtonMode), r.Expected) << r.Width << "x" << r.Height;
}

TEST(EditGeometry, ButtonInTheRightEndFollowsTheWidth) {
    TbsDataSkinEditControl record("edit");
    FillZevrakEdit(record);
    record.ButtonRect = Rect(52, 3, 56, 18);  // in the fixed right end (from x 51)
    EXPECT_EQ(EditButtonArea(EditSkinOf(&record), 82, 21), Rect(77, 3, 81, 18));
    record.ButtonRect = Rect(30, 3, 40, 18);  // in the middle: stays
    EXPECT_EQ(EditButtonArea(EditSkinOf(&record), 82, 21), Rect(30, 3, 40, 18));
    record.ButtonRect = TRect{};
    EXPECT_TRUE(EditButtonArea(EditSkinOf(&record), 82, 21).IsEmpty());
    // Unbound: a square of the inner height at the right.
    EXPECT_EQ(EditButtonArea(TbsEditSkin{}, 100, 22), Rect(80, 2, 98, 20));
}

TEST(EditGeometry, ButtonImageFollowsItsStateWithFallbacks) {
    TbsEditSkin skin;
    skin.Bound = true;
    skin.ButtonRect = Rect(0, 0, 10, 10);
    skin.ActiveButtonRect = Rect(10, 0, 20, 10);
    skin.DownButtonRect = Rect(20, 0, 30, 10);
    skin.UnEnabledButtonRect = Rect(30, 0, 40, 10);
    struct TRow {
        bool Enabled, Pressed, Hot;
        TRect Expected;
    };
    const TRow rows[] = {
        {true, false, false, skin.ButtonRect},       {true, false, true, skin.ActiveButtonRect},
        {true, true, true, skin.DownButtonRect},     {true, true, false, skin.DownButtonRect},
        {false, true, true, skin.UnEnabledButtonRect},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(EditButtonSource(skin, r.Enabled, r.Pressed, r.Hot), r.Expected)
            << r.Enabled << r.Pressed << r.Hot;
    skin.DownButtonRect = TRect{};
    EXPECT_EQ(EditButtonSource(skin, true, true, false), skin.ActiveButtonRect) << "no down image: the active one";
    skin.UnEnabledButtonRect = TRect{};
    EXPECT_EQ(EditButtonSource(skin, false, false, true), skin.ButtonRect) << "no disabled image: the normal one";
}

TEST(EditGeometry, HeightFollowsTheSkinOrTheFont) {
    const TbsEditSkin zevrak = ZevrakEdit();
    const TbsEditSkin unbound;
    struct TRow {
        const TbsEditSkin* Skin;
        bool UseSkinFont, FillsHeight;
        int TextHeight, DefaultHeight, Requested, Expected;
    };
    const TRow rows[] = {
        {&zevrak, true, false, 16, 0, 19, 21},    // the layout's 19 becomes the skin's 21
        {&zevrak, true, true, 16, 0, 40, 21},     // even aligned
        {&zevrak, false, false, 20, 0, 19, 26},   // 20 + 21 - 15
        {&unbound, true, false, 16, 0, 19, 22},   // text height + 6
        {&unbound, true, false, 16, 30, 19, 30},  // DefaultHeight wins
        {&unbound, true, true, 16, 0, 40, 40},    // aligned to fill: as asked
    };
    for (const TRow& r : rows)
        EXPECT_EQ(EditHeight(*r.Skin, r.UseSkinFont, r.FillsHeight, r.TextHeight, r.DefaultHeight, r.Requested),
                  r.Expected)
            << r.TextHeight << " " << r.Requested;
}

TEST(EditGeometry, BackgroundIsTheClientPartWithTheEndsThatFallInsideIt) {
    const TbsEditSkin zevrak = ZevrakEdit();
    EXPECT_EQ(EditClientBackground(zevrak, false), (TbsEditBackground{Rect(229, 101, 278, 116), 1, 2, true}));
    EXPECT_EQ(EditClientBackground(zevrak, true), (TbsEditBackground{Rect(229, 124, 278, 139), 1, 2, true}));
    // A client rectangle inside the middle has no fixed ends.
    TbsDataSkinEditControl record("edit");
    FillZevrakEdit(record);
    record.ClientRect = Rect(8, 3, 40, 18);
    record.StretchEffect = false;
    EXPECT_EQ(EditClientBackground(EditSkinOf(&record), false),
              (TbsEditBackground{Rect(233, 101, 265, 116), 0, 0, false}));
}

TEST(EditGeometry, DisabledTextStartsByAlignment) {
    EXPECT_EQ(EditTextLeft(taLeftJustify, 74, 20), 2);
    EXPECT_EQ(EditTextLeft(taRightJustify, 74, 20), 53);
    EXPECT_EQ(EditTextLeft(taCenter, 74, 20), 28);
    EXPECT_EQ(EditTextLeft(taCenter, 75, 21), 28);  // 37 - 10 + 1: halves truncated
    EXPECT_EQ(EditTextLeft(taRightJustify, 10, 20), -11);  // wider than the client: starts before it
}

}  // namespace
