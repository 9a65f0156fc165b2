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

void Premultiply(TPixelBuffer& image) {
    // round(a * c / 255) for each colour byte c, without a division and
    // without a branch: red and blue are multiplied side by side in the two
    // 16-bit halves of one word (a * 255 + 128 < 2^16, so the halves never
    // carry into each other), green alone. t + (t >> 8) >> 8 is the rounded
    // quotient for every t = a * c + 128. Opaque pixels come out unchanged.
    for (std::uint32_t& p : image.Pixels) {
        const std::uint32_t a = p >> 24;
        std::uint32_t rb = (p & 0x00FF00FFu) * a + 0x00800080u;
        rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
        std::uint32_t g = ((p >> 8) & 0xFFu) * a + 0x80u;
        g = (g + (g >> 8)) >> 8;
        p = (p & 0xFF000000u) | rb | (g << 8);
    }
}
