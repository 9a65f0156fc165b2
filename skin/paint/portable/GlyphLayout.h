// Placement of a glyph beside a caption inside a button face, and the cells
// of a glyph strip. Pure geometry: skin/paint/DrawHelpers.cpp measures the
// caption and draws what these functions place.
//
// Conventions: rectangles are Left, Top, Right, Bottom with Right and Bottom
// exclusive; halves truncate toward zero.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/Markers.h"

// Where the glyph sits relative to the caption (the runtime's button layout
// values). Any other value is laid out as bsglGlyphLeft.
enum TbsGlyphLayout { bsglGlyphLeft = 0, bsglGlyphRight = 1, bsglGlyphTop = 2, bsglGlyphBottom = 3 };

// Margin -1 centres glyph and caption together as one block.
constexpr int bsCentredMargin = -1;

struct TGlyphTextPlacement {
    TPoint Glyph;  // top-left of the glyph
    TPoint Text;   // top-left of the caption
    friend constexpr bool operator==(const TGlyphTextPlacement&, const TGlyphTextPlacement&) = default;
};

// Places a glyphW x glyphH glyph and a textW x textH caption in rect.
// Margin is the glyph's distance from its edge (or bsCentredMargin);
// spacing, the gap between glyph and caption, counts only with a glyph
// (glyphW > 0).
TGlyphTextPlacement CalcGlyphLayout(int layout, const TRect& rect, int glyphW, int glyphH, int textW, int textH,
                                    int margin, int spacing);

// A glyph strip holds NumGlyphs equal cells side by side; cell 1 is the
// first. A stored NumGlyphs below 1 counts as one cell and GlyphNum is
// clamped into 1 .. cells, so a bad property never divides by zero or reads
// outside the strip.
int GlyphCellCount(int numGlyphs);
int GlyphCellWidth(int stripWidth, int numGlyphs);
// The cell's rectangle within the strip; empty when the strip is empty.
TRect GlyphCellRect(int stripWidth, int stripHeight, int glyphNum, int numGlyphs);

// Everything DrawImageAndText and DrawGlyphAndText place on a button face,
// once the glyph size and the caption's measured size are known.
struct TFaceLayoutInput {
    TRect Face;
    int Layout = bsglGlyphLeft;
    int Margin = bsCentredMargin;
    int Spacing = 0;
    int GlyphW = 0, GlyphH = 0;  // 0 x 0: no glyph
    int TextW = 0, TextH = 0;    // 0 x 0: no caption
    bool Down = false;           // pressed: everything moves by (+1, +1)
    bool OddFontHeight = false;  // the caption's top moves up one pixel
    bool ShowMarker = false;
    bool StripMarker = false;    // the glyph-strip form: its empty-face marker shifts down when Down
};

struct TFaceLayout {
    TPoint Glyph;           // where the glyph is drawn
    TRect Text;             // where the caption is drawn, centred both ways
    TStrokeList Marker;     // in the marker colour; empty without ShowMarker
};

TFaceLayout PlanFaceLayout(const TFaceLayoutInput& in);

// The rectangle the caption is measured in (with word breaks): the face's
// size, narrowed by the glyph width for a glyph left or right, or lowered by
// the glyph height for a glyph above or below. Origin (0, 0).
TRect CaptionMeasureRect(int layout, const TRect& face, int glyphW, int glyphH);
