// Skin image composition onto TbsBitmap images. The geometry and the
// nine-part diagram are in portable/SkinGeometry.h; the pixels are copied by
// portable/CompositionPixels.h straight between the sections' memory, with
// whole-pixel scaling (dropped or repeated rows and columns, no filtering).
//
// These are painting primitives: they never raise. When Dest cannot be
// sized, nothing is drawn and the error goes to the paint error handler
// (ReportPaintError), once.
#pragma once

#include "skin/paint/TbsBitmap.h"
#include "skin/paint/portable/SkinGeometry.h"

// Dest becomes W x H and receives the nine-part image.
void CreateSkinImage(const TSkinImageParams& params, const TbsBitmap& Picture, TbsBitmap& Dest);
// Dest already has its final size.
void CreateStretchSkinImage(TbsBitmap& Dest, const TbsBitmap& Picture, const TRect& SrcRect, const TRect& SrcClient,
                            bool DrawClient);
// Dest becomes W x height(SourceRect).
void CreateHSkinImage(int LeftWidth, int RightWidth, TbsBitmap& Dest, bool StretchMiddle, int W,
                      const TRect& SourceRect, const TbsBitmap& Picture);
// Dest becomes width(SourceRect) x H.
void CreateVSkinImage(int TopHeight, int BottomHeight, TbsBitmap& Dest, bool StretchMiddle, int H,
                      const TRect& SourceRect, const TbsBitmap& Picture);
// The four frame strips; a strip that is not made keeps its size and pixels.
void CreateSkinBorderImages(const TSkinImageParams& params, const TbsBitmap& Picture, TbsBitmap& TopBmp,
                            TbsBitmap& BottomBmp, TbsBitmap& LeftBmp, TbsBitmap& RightBmp);
