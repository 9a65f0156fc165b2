// The skin geometry of a skinned control, free of any window: what the
// control copies from its record when it binds, how it sizes by it, and
// where the frame-only path lays its background. The control classes keep
// one TbsSkinControlGeometry and one TbsSkinSizedGeometry and run these
// functions from their paint, sizing and skin-change steps.
//
// Conventions: source points and SrcClient are relative to the skin
// rectangle's top-left, SrcRect is in the picture; sized points and
// DstClient are in control coordinates. Rectangles are right and bottom
// exclusive. Resize modes are those of SkinGeometry.h: -1 no skin, 0 fixed
// size, 1 nine-part, 2 horizontal three-part, 3 vertical three-part.
#pragma once

#include <vector>

#include "platform/portable/Types.h"
#include "skin/data/portable/SkinControlRecords.h"
#include "skin/paint/portable/SkinGeometry.h"

// What a control copies from its record. Picture indexes are kept as
// indexes and looked up at each use (skin/paint/portable/SkinAccess.h).
struct TbsSkinControlGeometry {
    int ResizeMode = bsrmNoSkin;
    int PictureIndex = -1;      // "pictureindex"
    int MaskPictureIndex = -1;  // "maskpictureindex"
    TRect SrcRect;              // "skinrect"
    TRect SrcClient;            // "clientrect"
    TPoint SrcLT, SrcRT, SrcLB, SrcRB;
    bool StretchLeft = false, StretchTop = false, StretchRight = false, StretchBottom = false;
    bool StretchCenter = false;  // "stretcheffect"
    TbsStretchKind StretchKind = bsstFull;

    int SkinWidth() const { return SrcRect.Width(); }
    int SkinHeight() const { return SrcRect.Height(); }
    friend bool operator==(const TbsSkinControlGeometry&, const TbsSkinControlGeometry&) = default;
};

// The geometry for the control's current size.
struct TbsSkinSizedGeometry {
    TPoint DstLT, DstRT, DstLB, DstRB;
    TRect DstClient;
    friend bool operator==(const TbsSkinSizedGeometry&, const TbsSkinSizedGeometry&) = default;
};

// The geometry of a record. A custom-control record (one with the nine-part
// keys) gives its points, rectangles, stretch values and picture indexes,
// and the resize mode of its points (GetSkinResizeMode). Anything else gives
// no geometry at all (mode -1, no pictures): no record, or a record of
// another kind, whose control then keeps its size and composes nothing.
TbsSkinControlGeometry SkinControlGeometryOf(const TbsDataSkinControl* record);

// Fits a requested width x height to the skin and computes the sized
// geometry for it:
//  - mode -1: nothing changes;
//  - 0: the size becomes the skin's; DstClient := SrcClient;
//  - 1: the size stays; the right points move by the width difference, the
//    bottom points by the height difference, DstClient grows by both;
//  - 2: the height becomes the skin's; DstLT, DstRT and DstClient follow the
//    width;
//  - 3: the width becomes the skin's; DstLT, DstLB and DstClient follow the
//    height.
// Points a mode does not use keep what they held.
void CalcSkinSize(const TbsSkinControlGeometry& skin, int& width, int& height, TbsSkinSizedGeometry& sized);

// What a change of bounds does to a control's size. `bound`: the control
// has a record (its record index is not -1).
struct TbsSkinBoundsChange {
    int Width = 0;
    int Height = 0;
    bool Changed = false;  // the control reshapes its window and repaints
    friend bool operator==(const TbsSkinBoundsChange&, const TbsSkinBoundsChange&) = default;
};
// A bound control whose requested size differs from its current one takes
// the size CalcSkinSize allows (and `sized` is updated); otherwise the
// request is applied as it is and nothing is reshaped.
TbsSkinBoundsChange SkinBoundsFor(const TbsSkinControlGeometry& skin, bool bound, int width, int height,
                                  int requestedWidth, int requestedHeight, TbsSkinSizedGeometry& sized);

// The size a control takes after a skin change: without a record, its
// default width and height where they are above 0 (else it keeps its own);
// with one, what CalcSkinSize gives for its current size. Changed: the
// size differs from the current one (setting it reshapes and repaints;
// otherwise the control reshapes and repaints itself).
TbsSkinBoundsChange SizeAfterSkinChange(const TbsSkinControlGeometry& skin, bool bound, int width, int height,
                                        int defaultWidth, int defaultHeight, TbsSkinSizedGeometry& sized);

// The nine-part composition of the control at width x height: the
// geometry, the sized geometry and the stretch values; centre drawn.
TSkinImageParams SkinImageParamsOf(const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, int width,
                                   int height);
// The fixed ends of the three-part compositions: left and right end widths
// (mode 2), top and bottom end heights (mode 3).
struct TbsThreePartEnds {
    int First = 0;
    int Last = 0;
    friend bool operator==(const TbsThreePartEnds&, const TbsThreePartEnds&) = default;
};
TbsThreePartEnds HorizontalEnds(const TbsSkinControlGeometry& skin);
TbsThreePartEnds VerticalEnds(const TbsSkinControlGeometry& skin);

// Where the frame-only path draws the tile of the skin's client area (a
// SrcClient.Width() x SrcClient.Height() picture) under a clip to DstClient;
// each rectangle receives the whole tile, scaled to it:
//  - without StretchCenter: the tile at its own size at DstClient.Left +
//    i * tile width, DstClient.Top + j * tile height, for i from 0 to
//    (DstClient width div tile width) and j likewise, both inclusive (the
//    clip cuts the last row and column);
//  - stretched "stfull": one rectangle, DstClient;
//  - "sthorz": strips of the tile's width and DstClient's height, across;
//  - "stvert": strips of DstClient's width and the tile's height, down.
// Nothing when the skin's client area or DstClient is empty: no division by
// a side of 0, no background drawn.
// PERF: a one-pixel client area gives one rectangle per pixel of DstClient;
// stretching the tile to whole rows first would cut that to one per row.
std::vector<TRect> FrameBackgroundTiles(const TRect& SrcClient, const TRect& DstClient, bool StretchCenter,
                                        TbsStretchKind StretchKind);
