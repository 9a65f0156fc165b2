// Skin image composition over 32-bit pixels in memory: walks the steps of
// SkinGeometry.h and copies pixels, scaling by whole rows and columns (no
// filtering) where a step's rectangles differ in size. A source rectangle
// that reaches outside the picture draws the part inside it: the destination
// pixels whose source pixel lies outside keep what they held (CombinePixels).
#pragma once

#include "platform/portable/PixelBuffer.h"
#include "skin/paint/portable/EffectPixels.h"
#include "skin/paint/portable/SkinGeometry.h"

void DrawSkinBlits(const TPixelView& dest, const TPixelView& picture, const TSkinBlits& blits);

// Dest is resized to the image's size (its pixels kept where the size does
// not change; a new buffer starts black with alpha 0) and drawn into.
void CreateSkinImage(const TSkinImageParams& params, const TPixelView& Picture, TPixelBuffer& Dest);
// Dest keeps its size, which is the image's size.
void CreateStretchSkinImage(TPixelBuffer& Dest, const TPixelView& Picture, const TRect& SrcRect,
                            const TRect& SrcClient, bool DrawClient);
void CreateHSkinImage(int LeftWidth, int RightWidth, TPixelBuffer& Dest, bool StretchMiddle, int W,
                      const TRect& SourceRect, const TPixelView& Picture);
void CreateVSkinImage(int TopHeight, int BottomHeight, TPixelBuffer& Dest, bool StretchMiddle, int H,
                      const TRect& SourceRect, const TPixelView& Picture);
// Strips that are not made keep their size and pixels.
void CreateSkinBorderImages(const TSkinImageParams& params, const TPixelView& Picture, TPixelBuffer& TopBmp,
                            TPixelBuffer& BottomBmp, TPixelBuffer& LeftBmp, TPixelBuffer& RightBmp);

// Resizes a buffer, keeping it as it is when the size does not change. A
// size larger than a picture may be (PixelSizeFits) gives an empty buffer:
// painting draws less rather than fail.
void ResizePixels(TPixelBuffer& buffer, int width, int height);
