// Geometry of the layered border: the soft per-pixel-alpha edge drawn in
// four borderless windows around a skinned form.
//
// The layer picture (PW x PH) holds the whole border around a form-sized
// hole; "clientrect" (CR) is where the form sits in it. Four strips are cut
// from it for the form's size:
//
//     +-----------------------------+   top strip: TopHeight rows, the two
//     | LT          top          RT |   corners copied, the middle stretched
//     +----+--------------------+---+
//     |left|                    |rgt|   side strips: CR.Left and PW - CR.Right
//     |    |     the form       |   |   wide, the picture's side columns
//     |    |                    |   |   stretched ("fullstretch") or repeated
//     +----+--------------------+---+
//     | LB         bottom        RB |   bottom strip: BottomHeight rows
//     +-----------------------------+
//
// Rectangles are left, top, right, bottom with right and bottom exclusive;
// all values are pixels. Nothing here draws: the functions return the
// copying steps (TSkinBlits), which the window code draws.
#pragma once

#include "platform/portable/Types.h"
#include "skin/form/portable/FrameGeometry.h"
#include "skin/paint/portable/SkinGeometry.h"

struct TbsLayerBorderMetrics {
    int PictureWidth = 0, PictureHeight = 0;  // PW x PH
    TRect ClientRect;                         // CR: the form inside the picture
    TPoint LeftTop, RightTop, LeftBottom, RightBottom;
    int LeftOffset = 0, TopOffset = 0, WidthOffset = 0, HeightOffset = 0;
    bool FullStretch = false;
};

// The four strips' sizes for a border of Width x Height.
struct TbsLayerPieceSizes {
    int TopHeight = 0;     // max(LT.Y, RT.Y)
    int BottomHeight = 0;  // PH - min(LB.Y, RB.Y), cut to Height - TopHeight
    int LeftWidth = 0;     // CR.Left
    int RightWidth = 0;    // PW - CR.Right
    int SideHeight = 0;    // Height - TopHeight - BottomHeight, never below 0
};

// Screen rectangle of the whole border around a form at form.Left/Top of
// form's size. formHeight is the height to use (the form's own, or the
// rolled-up height the caller chose); HeightOffset is added to it.
TRect LayerBorderRect(const TbsLayerBorderMetrics& m, const TRect& form, int formHeight);

TbsLayerPieceSizes LayerPieceSizes(const TbsLayerBorderMetrics& m, int width, int height);

// The copying steps of each strip, in the strip's own coordinates (sources
// in the layer picture's). An empty list for a strip of no size.
TSkinBlits LayerTopPieceBlits(const TbsLayerBorderMetrics& m, int width, int height);
TSkinBlits LayerBottomPieceBlits(const TbsLayerBorderMetrics& m, int width, int height);
TSkinBlits LayerLeftPieceBlits(const TbsLayerBorderMetrics& m, int width, int height);
TSkinBlits LayerRightPieceBlits(const TbsLayerBorderMetrics& m, int width, int height);

// Where the four windows go (screen rectangles) for a border at `border`.
// A side window of no height gets an empty rectangle and stays hidden.
struct TbsLayerWindowPlaces {
    TRect Left, Top, Right, Bottom;
};
TbsLayerWindowPlaces LayerWindowPlaces(const TbsLayerBorderMetrics& m, const TRect& border);

// ---- mouse zones (skins with a non-empty "borderrect") -------------------------

// The border's thickness outside the form on each side and the corner sizes,
// from "borderrect" (BR, all 0 when empty), CR and the four hit-test points.
struct TbsLayerHitMetrics {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;  // CR.Left - BR.Left, ...
    TRect ClientRect;                               // CR
    TPoint TopLeftCorner, TopRightCorner, BottomLeftCorner, BottomRightCorner;
    TRect CaptionRect;  // "captionrect", in the layer picture
    int HitTestSize = 0;
};
TbsLayerHitMetrics LayerHitMetrics(const TRect& borderRect, const TRect& clientRect, TPoint hitLT, TPoint hitRT,
                                   TPoint hitLB, TPoint hitRB, const TRect& captionRect, int hitTestSize);

// Sides of the layer windows.
enum TbsLayerSide { lsLeft = 0, lsTop = 1, lsRight = 2, lsBottom = 3 };

// The hit-test code (TbsFrameHit) for point p, in the
// coordinates of the side's window of size width x height, around a form
// formWidth wide. sizing: the form may be resized now. Returns
// bsfhNowhere outside every zone.
int LayerHitTest(const TbsLayerHitMetrics& h, TbsLayerSide side, TPoint p, int width, int height, int formWidth,
                 bool sizing);
