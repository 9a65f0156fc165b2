// Composing premultiplied pictures: what a full border needs to lay the
// caption objects (pictures with a shape, and text drawn by the platform,
// which knows nothing of alpha) over its top strip.
//
// Pixel conventions as in EffectPixels.h; "premultiplied" means red, green
// and blue never exceed the pixel's alpha.
#pragma once

#include "skin/paint/portable/EffectPixels.h"

// Lays source (premultiplied) over target (premultiplied) with source's
// top-left corner at (x, y): each channel, alpha included, becomes
// s + round(d * (255 - source alpha) / 255). Pixels outside target are left out.
void ComposeOver(const TPixelView& target, int x, int y, const TPixelView& source);

// The same drawing made twice by the platform, once over black and once over
// white, gives its colour and its coverage: where a pixel was covered by
// alpha a, black shows a*c and white a*c + (255 - a). onBlack becomes the
// premultiplied drawing: alpha = 255 - the rounded mean of (white - black)
// over the three channels, colours those over black, never above the alpha.
// The two views have the same size; onWhite is only read.
void MatteFromBlackAndWhite(const TPixelView& onBlack, const TPixelView& onWhite);

// Gives an opaque drawing the shape of a picture: each pixel's alpha becomes
// shape's alpha at the same place (255 where shape does not reach), then the
// pixel is premultiplied.
void ApplyShapeAlpha(const TPixelView& view, const TPixelView& shape);
