// The blur of a TbsBitmap (see portable/Blur.h for the kernel). The radius
// is clamped to 0 ... MaxBlurRadius.
#pragma once

#include "skin/paint/TbsBitmap.h"
#include "skin/paint/portable/Blur.h"

inline void BlurBitmap(TbsBitmap& Bmp, int Radius) {
    GdiFlush();
    BlurPixels(Bmp.View(), Radius);
}
