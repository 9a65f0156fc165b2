#include "skin/data/portable/SkinImages.h"

#include <algorithm>
#include <cstdint>

TPixelBuffer CopyPictureArea(const TPixelBuffer& picture, const TRect& area) {
    TPixelBuffer image(area.Width(), area.Height(), 0);
    const int left = std::max(area.Left, 0);
    const int top = std::max(area.Top, 0);
    const int right = std::min(area.Right, picture.Width);
    const int bottom = std::min(area.Bottom, picture.Height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) image.At(x - area.Left, y - area.Top) = picture.At(x, y);
    return image;
}

void ApplyAlphaMask(TPixelBuffer& image, const TPixelBuffer& mask) {
    const int coveredWidth = std::min(image.Width, mask.Width);
    for (int y = 0; y < image.Height; ++y) {
        std::uint32_t* row = image.Row(y);
        int x = 0;
        if (y < mask.Height) {
            const std::uint32_t* maskRow = mask.Row(y);
            for (; x < coveredWidth; ++x) {
                const std::uint32_t m = maskRow[x];
                const unsigned alpha = (unsigned(PixelR(m)) + PixelG(m) + PixelB(m) + 1) / 3;  // rounded mean
                row[x] = (row[x] & 0x00FFFFFFu) | (std::uint32_t(alpha) << 24);
            }
        }
        for (; x < image.Width; ++x) row[x] &= 0x00FFFFFFu;  // not covered by the mask: alpha 0
    }
    Premultiply(image);
}

void MakeOpaque(TPixelBuffer& image) {
    for (std::uint32_t& p : image.Pixels) p |= 0xFF000000u;
}

namespace {

// round(a * c / 255) for 8-bit a and c, without a division.
inline unsigned MulDiv255(unsigned a, unsigned c) {
    const unsigned t = a * c + 128;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

void Premultiply(TPixelBuffer& image) {
    for (std::uint32_t& p : image.Pixels) {
        const unsigned a = PixelA(p);
        if (a == 255) continue;
        p = MakePixel(std::uint8_t(MulDiv255(a, PixelR(p))), std::uint8_t(MulDiv255(a, PixelG(p))),
                      std::uint8_t(MulDiv255(a, PixelB(p))), std::uint8_t(a));
    }
}
