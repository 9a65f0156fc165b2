// The small vector markers drawn when a skin has no picture for them: combo
// and scroll arrows, the check mark, the caption-button symbols, the dotted
// focus frame and the two-colour 3D frame.
//
// Each marker is a pure list of strokes; the drawing code only walks the list
// with a one-pixel pen (skin/paint/Markers.cpp). RasterizeStrokes turns the
// same list into the pixels such a pen sets, so a drawing can be checked
// pixel for pixel against its list.
//
// Conventions: rectangles are Left, Top, Right, Bottom with Right and Bottom
// exclusive; a line is drawn from its first point up to, but not including,
// its last point (the platform's MoveTo/LineTo rule); centres are
// Left + Width div 2, Top + Height div 2, halves truncating toward zero.
#pragma once

#include "platform/portable/Types.h"

#include <vector>

enum class TStrokeKind {
    skPolyline,  // Points joined in order; the last point itself is not drawn
    skFrame,     // the one-pixel outline of Box (hollow rectangle)
    skFill,      // every pixel of Box
};

struct TStroke {
    TStrokeKind Kind = TStrokeKind::skPolyline;
    std::vector<TPoint> Points;  // skPolyline only
    TRect Box;                   // skFrame and skFill only
    friend bool operator==(const TStroke&, const TStroke&) = default;
};

using TStrokeList = std::vector<TStroke>;

TStroke LineStroke(int x1, int y1, int x2, int y2);
TStroke PolylineStroke(std::vector<TPoint> points);
TStroke FrameStroke(const TRect& box);
TStroke FillStroke(const TRect& box);

// Small downward triangle of a combo box button: three lines.
TStrokeList ComboArrowStrokes(const TRect& rect);

// Arrow directions: 1 left, 2 right, 3 up, 4 down; 5 (small arrow only) a
// plus sign. Any other direction draws nothing.
enum TbsArrowDirection { bsadLeft = 1, bsadRight = 2, bsadUp = 3, bsadDown = 4, bsadPlus = 5 };

// Six-line arrow centred in rect.
TStrokeList ArrowStrokes(const TRect& rect, int direction);
// Four-line arrow centred in rect, or the plus sign.
TStrokeList SmallArrowStrokes(const TRect& rect, int direction);
// Three two-segment strokes with the top-left of the mark at (x, y).
TStrokeList CheckMarkStrokes(int x, int y);

// Symbols of the caption buttons, each in a 10-pixel box at (x, y).
enum TbsCaptionSymbol {
    bscsClose,
    bscsMinimize,
    bscsMaximize,
    bscsRestore,
    bscsRollUp,      // five lines narrowing upwards
    bscsRollDown,    // five lines narrowing downwards
    bscsRollUpBox,   // a flat hollow bar
    bscsSmallSquare, // filled square
};

TStrokeList CaptionSymbolStrokes(TbsCaptionSymbol symbol, int x, int y);

// Pixels of the dotted focus frame around rect: on rect shrunk by one at
// right and bottom, pixels alternate set and skipped clockwise from the
// top-left corner; each edge begins at the corner where the last one ended,
// in the same state. The top-left pixel is skipped when the shrunk width and
// height are both even, else set. Nothing for an empty rect.
std::vector<TPoint> FocusDotPoints(const TRect& rect);

// The two polylines of a 3D frame around rect: top and left edges in the
// top-left colour, right and bottom edges in the bottom-right colour. Both
// are empty for an empty rect.
struct TFrame3DStrokes {
    TStroke TopLeft;
    TStroke BottomRight;
};
TFrame3DStrokes Frame3DStrokes(const TRect& rect);

// Pixels a one-pixel pen sets for the strokes, sorted by row then column,
// without repeats. Polylines are expected to be horizontal, vertical or at
// 45 degrees (all the markers are); other slopes are stepped along their
// major axis.
std::vector<TPoint> RasterizeStrokes(const TStrokeList& strokes);
