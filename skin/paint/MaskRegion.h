// Window regions from mask pictures: black pixels of the mask are inside.
// The run scan and the strip geometry are in portable/MaskRegionData.h; this
// file makes platform regions of them.
//
// A region handed to a window belongs to the window: install it with
// InstallWindowRegion (platform/Handles.h) and never delete the region it
// replaces, which the window deletes itself.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/MaskRegionData.h"

#include <windows.h>

#include "platform/Handles.h"

#include <cstdint>
#include <vector>

// The region data of the mask's black pixels at the offset; returns its
// byte size (32 + 16 * rectangles), 0 and no data for an empty mask.
int CreateRegionData(HBITMAP Mask, int XOffset, int YOffset, std::vector<std::uint8_t>& Data);

// A region of region data; none for empty data.
TRegionHandle RegionFromData(const std::vector<std::uint8_t>& data);

// The region of the whole mask at (0, 0); none for an empty mask.
void CreateRegionFromMask(TRegionHandle& Region, HBITMAP Mask);

// The four frame strips of the mask for a W-wide element, as 24-bit
// sections; strips that are not made are left as they are.
void CreateSkinMaskStrips(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient, HBITMAP Mask,
                          TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB, const TRect& DstClient, int W,
                          TBitmapHandle& TopMask, TBitmapHandle& BottomMask, TBitmapHandle& LeftMask,
                          TBitmapHandle& RightMask);

// The region of a W x H element shaped by its mask: the client rectangle
// united with the mask's frame strips. None when the element is smaller
// than the mask's fixed parts or its client rectangle is empty.
void CreateSkinRegion(TRegionHandle& Region, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB,
                      const TRect& SrcClient, int W, int H, HBITMAP Mask, TPoint DstLT, TPoint DstRT, TPoint DstLB,
                      TPoint DstRB, const TRect& DstClient);
// The same from mask pixels already read.
void CreateSkinRegion(TRegionHandle& Region, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB,
                      const TRect& SrcClient, int W, int H, const TRgbView& Mask, TPoint DstLT, TPoint DstRT,
                      TPoint DstLB, TPoint DstRB, const TRect& DstClient);

// The region an element of the given resize mode (GetSkinResizeMode) gets
// from its mask at size W x H (mode 0: the whole mask; 1: its own points;
// 2 and 3: the three-part points). Mode -1 gives none.
TRegionHandle CreateElementRegion(int Mode, const TRect& SrcRect, const TRect& SrcClient, TPoint SrcLT, TPoint SrcRT,
                                  TPoint SrcLB, TPoint SrcRB, int W, int H, const TRgbView& Mask);
