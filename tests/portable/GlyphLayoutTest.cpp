#include "skin/paint/portable/GlyphLayout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    int Layout;
    int Margin;
    TGlyphTextPlacement Expected;
};

// A 16 x 16 glyph and a 40 x 14 caption with spacing 4 in a 100 x 60 face
// at (0, 0): centre (50, 30), block half widths BW = 30, BH = 17.
TEST(GlyphLayoutTest, PlacesGlyphAndCaptionForEveryLayoutAndMargin) {
    const TRect face = Rect(0, 0, 100, 60);
    const LayoutCase cases[] = {
        {bsglGlyphLeft, -1, {{20, 22}, {40, 23}}},
        {bsglGlyphLeft, 5, {{5, 22}, {25, 23}}},
        {bsglGlyphRight, -1, {{64, 22}, {20, 23}}},
        {bsglGlyphRight, 5, {{79, 22}, {35, 23}}},
        {bsglGlyphTop, -1, {{42, 13}, {30, 33}}},
        {bsglGlyphTop, 5, {{42, 5}, {30, 25}}},
        {bsglGlyphBottom, -1, {{42, 31}, {30, 13}}},
        {bsglGlyphBottom, 5, {{42, 39}, {30, 21}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.Layout << " margin " << c.Margin);
        EXPECT_EQ(CalcGlyphLayout(c.Layout, face, 16, 16, 40, 14, c.Margin, 4), c.Expected);
    }
}

TEST(GlyphLayoutTest, IgnoresSpacingWithoutGlyph) {
    const TRect face = Rect(0, 0, 100, 60);
    // The caption alone is centred: 50 - 20 = 30, whatever the spacing.
    EXPECT_EQ(CalcGlyphLayout(bsglGlyphLeft, face, 0, 0, 40, 14, -1, 4).Text, Point(30, 23));
    EXPECT_EQ(CalcGlyphLayout(bsglGlyphLeft, face, 0, 0, 40, 14, 3, 4).Text, Point(3, 23));
    EXPECT_EQ(CalcGlyphLayout(bsglGlyphTop, face, 0, 0, 40, 14, 3, 9).Text, Point(30, 3));
}

TEST(GlyphLayoutTest, CentresInAFaceAwayFromTheOrigin) {
    // Halves are taken of the size, then added to the face's corner.
    const TGlyphTextPlacement p = CalcGlyphLayout(bsglGlyphLeft, Rect(-7, 10, 94, 31), 16, 16, 40, 14, -1, 4);
    EXPECT_EQ(p.Glyph, Point(-7 + 50 - 30, 20 - 8));
    EXPECT_EQ(p.Text, Point(-7 + 50 + 30 - 40, 20 - 7));
}

TEST(GlyphLayoutTest, GlyphCellsOfAStripAreEqualColumns) {
    EXPECT_EQ(GlyphCellRect(64, 16, 2, 4), Rect(16, 0, 32, 16));
    EXPECT_EQ(GlyphCellRect(64, 16, 1, 4), Rect(0, 0, 16, 16));
    EXPECT_EQ(GlyphCellRect(64, 16, 4, 4), Rect(48, 0, 64, 16));
    // A remainder column is never part of a cell.
    EXPECT_EQ(GlyphCellRect(66, 16, 4, 4), Rect(48, 0, 64, 16));
}

TEST(GlyphLayoutTest, BadStripPropertiesStayInsideTheStrip) {
    EXPECT_EQ(GlyphCellWidth(64, 0), 64);
    EXPECT_EQ(GlyphCellWidth(64, -3), 64);
    EXPECT_EQ(GlyphCellRect(64, 16, 1, 0), Rect(0, 0, 64, 16));
    EXPECT_EQ(GlyphCellRect(64, 16, 9, 4), Rect(48, 0, 64, 16));
    EXPECT_EQ(GlyphCellRect(64, 16, 0, 4), Rect(0, 0, 16, 16));
    EXPECT_EQ(GlyphCellRect(64, 16, -5, 4), Rect(0, 0, 16, 16));
    EXPECT_TRUE(GlyphCellRect(0, 16, 1, 1).IsEmpty());
    EXPECT_TRUE(GlyphCellRect(3, 16, 1, 4).IsEmpty());  // cells narrower than a pixel
}

TEST(GlyphLayoutTest, CaptionIsMeasuredBesideOrBelowTheGlyph) {
    EXPECT_EQ(CaptionMeasureRect(bsglGlyphLeft, Rect(5, 5, 105, 45), 16, 12), Rect(0, 0, 84, 40));
    EXPECT_EQ(CaptionMeasureRect(bsglGlyphRight, Rect(5, 5, 105, 45), 16, 12), Rect(0, 0, 84, 40));
    EXPECT_EQ(CaptionMeasureRect(bsglGlyphTop, Rect(5, 5, 105, 45), 16, 12), Rect(0, 0, 100, 28));
    EXPECT_EQ(CaptionMeasureRect(bsglGlyphBottom, Rect(5, 5, 105, 45), 16, 12), Rect(0, 0, 100, 28));
}

TEST(GlyphLayoutTest, PressedFaceMovesGlyphCaptionAndMarker) {
    TFaceLayoutInput in;
    in.Face = Rect(0, 0, 100, 60);
    in.GlyphW = 16;
    in.GlyphH = 16;
    in.TextW = 40;
    in.TextH = 14;
    in.Spacing = 4;
    in.ShowMarker = true;
    const TFaceLayout up = PlanFaceLayout(in);
    in.Down = true;
    const TFaceLayout down = PlanFaceLayout(in);
    EXPECT_EQ(up.Glyph, Point(20, 22));
    EXPECT_EQ(down.Glyph, Point(21, 23));
    EXPECT_EQ(up.Text, Rect(40, 23, 82, 37));  // right edge 2 wider than the text
    EXPECT_EQ(down.Text, Rect(41, 24, 83, 38));
    // Three lines along the glyph's lowest rows and the one below it.
    const TStrokeList expected = {LineStroke(21, 37, 37, 37), LineStroke(21, 38, 37, 38), LineStroke(21, 39, 37, 39)};
    EXPECT_EQ(down.Marker, expected);
}

TEST(GlyphLayoutTest, MarkerFollowsCaptionOrFillsAnEmptyFace) {
    TFaceLayoutInput in;
    in.Face = Rect(0, 0, 100, 60);
    in.TextW = 40;
    in.TextH = 15;
    in.OddFontHeight = true;
    in.ShowMarker = true;
    const TFaceLayout text = PlanFaceLayout(in);
    EXPECT_EQ(text.Text, Rect(30, 22, 72, 38));  // one pixel higher for the odd font
    const TStrokeList underline = {LineStroke(30, 37, 72, 37), LineStroke(30, 38, 72, 38), LineStroke(30, 39, 72, 39)};
    EXPECT_EQ(text.Marker, underline);

    in.TextW = in.TextH = 0;
    EXPECT_EQ(PlanFaceLayout(in).Marker, TStrokeList{FillStroke(Rect(4, 4, 98, 56))});
    in.Down = true;
    EXPECT_EQ(PlanFaceLayout(in).Marker, TStrokeList{FillStroke(Rect(4, 4, 98, 56))});
    in.StripMarker = true;
    EXPECT_EQ(PlanFaceLayout(in).Marker, TStrokeList{FillStroke(Rect(4, 5, 98, 57))});

    in.ShowMarker = false;
    EXPECT_TRUE(PlanFaceLayout(in).Marker.empty());
}

}  // namespace
