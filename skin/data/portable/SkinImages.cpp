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
    for (int y = 0; y < image.Height; ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width; ++x) {
            unsigned alpha = 0;
            if (x < mask.Width && y < mask.Height) {
                const std::uint32_t m = mask.At(x, y);
                alpha = (unsigned(PixelR(m)) + PixelG(m) + PixelB(m) + 1) / 3;  // rounded mean
            }
            row[x] = (row[x] & 0x00FFFFFFu) | (std::uint32_t(alpha) << 24);
        }
    }
    Premultiply(image);
}

void MakeOpaque(TPixelBuffer& image) {
    for (std::uint32_t& p : image.Pixels) p |= 0xFF000000u;
}

void Premultiply(TPixelBuffer& image) {
    for (std::uint32_t& p : image.Pixels) {
        const unsigned a = PixelA(p);
        const auto scale = [a](unsigned c) { return (a * c + 127) / 255; };  // rounded
        p = MakePixel(std::uint8_t(scale(PixelR(p))), std::uint8_t(scale(PixelG(p))),
                      std::uint8_t(scale(PixelB(p))), std::uint8_t(a));
    }
}
