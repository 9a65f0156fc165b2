// Images the skin records build from the skin's active pictures: a picture
// (or a part of it) whose alpha comes from a mask picture, premultiplied for
// per-pixel alpha drawing.
//
// Pixels are blue, green, red, alpha (see PixelBuffer.h). A mask pixel's
// alpha value is the rounded mean of its three colour channels, so white is
// opaque and black transparent. Premultiplying sets each colour channel to
// round(alpha * channel / 255).
#pragma once

#include <memory>
#include <vector>

#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"

// A premultiplied 32-bit image owned by a record; null when absent.
using TbsRecordImage = std::unique_ptr<TPixelBuffer>;

// What an image-building record reads from the skin data manager.
struct TbsSkinImageSource {
    const std::vector<TPixelBuffer>& ActivePictures;  // not owned
    // The layer frame is in use (valid "pictureindex") with "fullborder" set:
    // only then do button objects build alpha images.
    bool LayerFrameFullBorder = false;
};

// The pixels of `area` of `picture`; parts of the area outside the picture
// are transparent black, and only the part inside is read. `area` must not
// be empty; one larger than a picture may be (PixelSizeFits) raises
// Exception before anything is allocated.
TPixelBuffer CopyPictureArea(const TPixelBuffer& picture, const TRect& area);

// Sets every pixel's alpha from the mask drawn at 0,0 (pixels the mask does
// not cover get alpha 0), then premultiplies.
void ApplyAlphaMask(TPixelBuffer& image, const TPixelBuffer& mask);

// Sets every pixel's alpha to 255.
void MakeOpaque(TPixelBuffer& image);

void Premultiply(TPixelBuffer& image);
