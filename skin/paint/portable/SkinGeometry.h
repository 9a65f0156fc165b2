// Geometry of skin image composition: which composition an element uses,
// its sized corner points, and the list of source/destination rectangle
// pairs that build its image. Pure functions; nothing here draws. The
// drawing code (Composition.h) only walks the lists returned here.
//
// Conventions: rectangles are Left, Top, Right, Bottom with Right and Bottom
// exclusive; integer halves and tile counts truncate toward zero.
//
// The nine parts of a skin rectangle, with the corner numbers used below.
// Each corner is L-shaped: a band above (or below) the client rectangle up
// to the corner point's X, plus a band beside it down to (or up from) the
// corner point's Y.
//
//        LT.X                 RT.X
//   +------+-------------------+------+
//   |  1   |     top edge      |  3   |
//   +---+--+-------------------+--+---+   client Top
//   | 2 |                         | 4 |
//   +---+ LT.Y               RT.Y +---+
//   | l |                         | r |
//   | e |         centre          | i |
//   | f |       (SrcClient)       | g |
//   | t |                         | h |
//   +---+ LB.Y               RB.Y +---+
//   | 5 |                         | 8 |
//   |   +--+-------------------+--+---+   client Bottom
//   |   |6 |    bottom edge    |  7   |
//   +---+--+-------------------+------+
//          LB.X                RB.X
//
// Corner 5 is the whole bottom-left column below LB.Y, corner 6 the bottom
// band from the client's left to LB.X; corner 7 the bottom band right of
// RB.X, corner 8 the right column from RB.Y to the client's bottom.
#pragma once

#include "platform/portable/Types.h"
#include "skin/data/portable/SkinEnums.h"  // TbsStretchKind

#include <optional>
#include <vector>

// a + b, held to the int range: skin coordinates may lie anywhere in it,
// and moving them by a size difference must not overflow.
constexpr int SaturatedSum(int a, int b) {
    const long long s = static_cast<long long>(a) + b;
    return s > INT32_MAX ? INT32_MAX : s < INT32_MIN ? INT32_MIN : int(s);
}

// Resize modes.
constexpr int bsrmNoSkin = -1;
constexpr int bsrmFixed = 0;
constexpr int bsrmNinePart = 1;
constexpr int bsrmHorizontal = 2;
constexpr int bsrmVertical = 3;

// Centre stretch kinds ("stfull", "sthorz", "stvert").
// -1 for an empty SrcRect; 1 when SrcRB has both coordinates; 2 when SrcRT
// has either; 3 when SrcLB has either; else 0. Tested in that order.
int GetSkinResizeMode(const TRect& SrcRect, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB);

// The destination corner points and client rectangle for a W x H element.
// Mode 0 forces W and H to the skin size, mode 2 forces H, mode 3 forces W.
// Points a mode does not use are left as they were; mode -1 changes nothing.
void CalcSkinGeometry(int Mode, const TRect& SrcRect, const TRect& SrcClient, TPoint SrcLT, TPoint SrcRT,
                      TPoint SrcLB, TPoint SrcRB, int& W, int& H, TRect& DstClient, TPoint& DstLT, TPoint& DstRT,
                      TPoint& DstLB, TPoint& DstRB);

// One drawing step: Src (in the picture's coordinates) drawn onto Dst,
// scaled by whole rows and columns when the sizes differ, and cut to Clip
// when Clip is not empty. Steps with an empty Src or Dst are never listed.
struct TSkinBlit {
    TRect Src;
    TRect Dst;
    TRect Clip;
    friend bool operator==(const TSkinBlit&, const TSkinBlit&) = default;
};
using TSkinBlits = std::vector<TSkinBlit>;

// Everything a nine-part composition needs. Source points and SrcClient are
// relative to SrcRect's top-left; destination ones to the image's.
struct TSkinImageParams {
    TPoint SrcLT, SrcRT, SrcLB, SrcRB;
    TRect SrcClient;
    TRect SrcRect;
    TPoint DstLT, DstRT, DstLB, DstRB;
    TRect DstClient;
    int W = 0;
    int H = 0;
    bool StretchLeft = false, StretchTop = false, StretchRight = false, StretchBottom = false;
    bool StretchCenter = false;
    TbsStretchKind StretchKind = bsstFull;
    bool DrawClient = true;
};

// CalcSkinGeometry on the source half of p (SrcRect, SrcClient, the four
// source points, W, H), filling its destination half.
inline void CalcSkinGeometry(int Mode, TSkinImageParams& p) {
    CalcSkinGeometry(Mode, p.SrcRect, p.SrcClient, p.SrcLT, p.SrcRT, p.SrcLB, p.SrcRB, p.W, p.H, p.DstClient, p.DstLT,
                     p.DstRT, p.DstLB, p.DstRB);
}

// Tiles of a pattern of length L (source start s0) laid from d0 and cut at
// d1, one tile per L pixels: count (d1 - d0) div L + 1, the last cut so it
// ends at d1 (an exact multiple leaves an empty last tile, not listed).
// Nothing when L <= 0. Horizontal: source rows sy0..sy1, destination rows
// dy0..dy1; the vertical form swaps the axes.
void AppendTilesH(TSkinBlits& out, int s0, int L, int sy0, int sy1, int d0, int d1, int dy0, int dy1);
void AppendTilesV(TSkinBlits& out, int s0, int L, int sx0, int sx1, int d0, int d1, int dx0, int dx1);

// Steps that tile one rectangle with one source rectangle, as tiled edges
// and centres list them: Area is covered exactly once by unclipped one-to-
// one copies of Src, placed every Src width and height from Area's top-left,
// those at the right and bottom cut short. Drawn as one pattern, a row that
// repeats the one a tile height above is one copy of the whole row, where
// the steps would copy each tile's width of it.
struct TTileGrid {
    TRect Src;
    TRect Area;
    std::size_t Count = 0;  // steps the grid stands for
    friend bool operator==(const TTileGrid&, const TTileGrid&) = default;
};

// The grid that blits[first] and the steps after it form together, in any
// order; nothing when the run of steps copying from Src's top-left corner
// does not form one, or holds a single step.
std::optional<TTileGrid> TileGridAt(const TSkinBlits& blits, std::size_t first);

// The steps of CreateSkinImage in drawing order: the four edges (top,
// bottom, left, right), corners 1 to 8, then the centre. Empty when the
// element is collapsed (SrcRB.X = SrcLT.X or SrcRB.Y = SrcLT.Y).
TSkinBlits SkinImageBlits(const TSkinImageParams& p);

// The parameters CreateStretchSkinImage uses: corners from SrcClient, all
// stretched, the centre "stfull".
TSkinImageParams StretchSkinImageParams(const TRect& SrcRect, const TRect& SrcClient, int W, int H, bool DrawClient);

// Three-part compositions; the image is W x height(SourceRect) and
// width(SourceRect) x H respectively.
TSkinBlits HSkinImageBlits(int LeftWidth, int RightWidth, bool StretchMiddle, int W, const TRect& SourceRect);
TSkinBlits VSkinImageBlits(int TopHeight, int BottomHeight, bool StretchMiddle, int H, const TRect& SourceRect);

// One strip of CreateSkinBorderImages: made only when Make is true, then
// sized Width x Height and drawn with Blits (strip coordinates).
struct TStripPlan {
    bool Make = false;
    int Width = 0;
    int Height = 0;
    TSkinBlits Blits;
};
struct TBorderPlan {
    TStripPlan Top, Bottom, Left, Right;
};
// The frame strips without centre. The left and right strips are as tall
// as H less the heights of the top and bottom strips; a strip that is not
// made keeps the height it had, which the caller passes in.
TBorderPlan SkinBorderBlits(const TSkinImageParams& p, int TopHeightBefore, int BottomHeightBefore);
