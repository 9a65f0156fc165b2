// The blur of glow and shadow images: a triangular kernel of width 2r + 1
// with weights r + 1 - |k|, normalised by (r + 1)^2 with truncating
// division, one horizontal pass over every row and then one vertical pass
// over every column; samples beyond an edge repeat the edge pixel. Blue,
// green and red are blurred; every result pixel gets alpha 255. The work per
// pixel does not depend on the radius.
#pragma once

#include "skin/paint/portable/EffectPixels.h"

// The radius comes from skin values; it is clamped to 0 ... MaxBlurRadius so
// that a value such as 5000 neither overflows nor allocates without bound.
constexpr int MaxBlurRadius = 64;

void BlurPixels(const TPixelView& image, int radius);
