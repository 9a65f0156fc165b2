// The areas behind the layered border that the desktop blurs, where the
// desktop composes windows: the skin's blur mask (a picture of the layer
// picture's size, black where the desktop behind is blurred) cut into the
// four strips by the same steps as the layer picture, each strip's black
// pixels becoming that window's blur region.
#pragma once

#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixels.h"

#include <cstdint>
#include <vector>

// The colours of a prepared blur mask.
constexpr std::uint32_t bsBlurInside = 0xFF000000u;
constexpr std::uint32_t bsBlurOutside = 0xFFFFFFFFu;

// The blur mask as the strips are cut from it: inside (bsBlurInside) where
// the skin's mask is pure black, within "intersectblurmaskrect" when that
// is not empty and outside "excludeblurmaskrect"; outside (bsBlurOutside)
// everywhere else. Both rectangles are in the picture's coordinates. An
// empty mask when the picture is empty.
TPixelBuffer PrepareLayerBlurMask(const TPixelView& mask, const TRect& intersect, const TRect& exclude);

// The rectangles of a strip's inside pixels (rows of runs, top to bottom,
// left to right), in the strip's coordinates; empty when there are none.
std::vector<TRect> LayerBlurRuns(const TPixelView& strip);
