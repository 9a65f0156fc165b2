// Window shapes from mask pictures, the portable half: the run scan that
// turns a mask into rectangles, the region data block of those rectangles,
// and the frame strips of a mask for an element of another size.
//
// A mask pixel is inside when it is pure black (red + green + blue = 0);
// every other colour is outside. Rectangles are right and bottom exclusive.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/SkinGeometry.h"

#include <cstdint>
#include <vector>

// Appends the inside runs of mask, one rectangle per run and row, merged
// horizontally only, top to bottom and left to right, moved by the offset.
// The list grows as needed: there is no limit on the number of runs.
void CollectMaskRuns(const TRgbView& mask, int XOffset, int YOffset, std::vector<TRect>& runs);

// The platform's region data layout: a 32-byte header (size 32, type 1 for
// rectangles, count, region size 0, bounding rectangle) followed by the
// rectangles, 16 bytes each, as little-endian signed 32-bit values.
constexpr int RegionDataHeaderSize = 32;
constexpr int RegionDataRectSize = 16;
std::vector<std::uint8_t> MakeRegionData(const std::vector<TRect>& rects, const TRect& bounds);

// The region data of the mask's inside at the offset; bounds are the mask's
// rectangle at the offset. Empty (no block) for an empty mask.
std::vector<std::uint8_t> CreateRegionData(const TRgbView& Mask, int XOffset, int YOffset);

// The frame strips of a mask for a W-wide element: what CreateSkinMaskStrips
// draws, as plans in mask and strip coordinates. Edges are always tiled,
// unscaled; a pattern of length 0 or less is not tiled but the fixed ends
// are still copied.
TBorderPlan MaskStripBlits(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient, int MW,
                           int MH, TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB, const TRect& DstClient,
                           int W);

// Unscaled copies of 24-bit pixels; parts outside either picture are cut.
void CopyRgbBlits(const TRgbView& dest, const TRgbView& source, const TSkinBlits& blits);

// Fills the four strips that are made; the others are left as they are.
void CreateSkinMaskStrips(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient,
                          const TRgbView& Mask, TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB,
                          const TRect& DstClient, int W, TRgbBuffer& TopMask, TRgbBuffer& BottomMask,
                          TRgbBuffer& LeftMask, TRgbBuffer& RightMask);

// Where each strip's region goes in the element (top, bottom, left, right).
struct TMaskStripOffsets {
    TPoint Top, Bottom, Left, Right;
};
TMaskStripOffsets MaskStripOffsets(const TRect& DstClient);

// True when the element is smaller than the mask's fixed parts and gets no
// region (DstRT.X < DstLT.X or DstLB.Y < DstLT.Y).
bool MaskTooLargeForElement(TPoint DstLT, TPoint DstRT, TPoint DstLB);
