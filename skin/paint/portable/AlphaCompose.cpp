#include "skin/paint/portable/AlphaCompose.h"

#include <algorithm>

namespace {

// x / 255 rounded to the nearest, for x up to 255 * 255 + 255.
std::uint32_t Div255(std::uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

}  // namespace

void ComposeOver(const TPixelView& target, int x, int y, const TPixelView& source) {
    if (target.Empty() || source.Empty()) return;
    const int x0 = std::max(0, -x), y0 = std::max(0, -y);
    const int x1 = std::min(source.Width, target.Width - x), y1 = std::min(source.Height, target.Height - y);
    for (int sy = y0; sy < y1; ++sy) {
        const std::uint32_t* s = source.Row(sy);
        std::uint32_t* d = target.Row(sy + y) + x;
        for (int sx = x0; sx < x1; ++sx) {
            const std::uint32_t src = s[sx];
            const std::uint32_t inverse = 255 - (src >> 24);
            if (inverse == 0) {
                d[sx] = src;
                continue;
            }
            std::uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const std::uint32_t channel = ((src >> shift) & 0xFF) + Div255(((d[sx] >> shift) & 0xFF) * inverse);
                out |= std::min<std::uint32_t>(channel, 255) << shift;
            }
            d[sx] = out;
        }
    }
}

void MatteFromBlackAndWhite(const TPixelView& onBlack, const TPixelView& onWhite) {
    const int w = std::min(onBlack.Width, onWhite.Width), h = std::min(onBlack.Height, onWhite.Height);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* b = onBlack.Row(y);
        const std::uint32_t* wh = onWhite.Row(y);
        for (int x = 0; x < w; ++x) {
            int uncovered = 0;
            for (int shift = 0; shift < 24; shift += 8)
                uncovered += std::max(0, int((wh[x] >> shift) & 0xFF) - int((b[x] >> shift) & 0xFF));
            const std::uint32_t alpha = 255 - std::uint32_t((uncovered + 1) / 3);
            std::uint32_t out = alpha << 24;
            for (int shift = 0; shift < 24; shift += 8)
                out |= std::min((b[x] >> shift) & 0xFF, alpha) << shift;
            b[x] = out;
        }
    }
}

void ApplyShapeAlpha(const TPixelView& view, const TPixelView& shape) {
    for (int y = 0; y < view.Height; ++y) {
        std::uint32_t* row = view.Row(y);
        for (int x = 0; x < view.Width; ++x) {
            const std::uint32_t alpha = (y < shape.Height && x < shape.Width) ? shape.At(x, y) >> 24 : 255;
            row[x] = (row[x] & 0x00FFFFFFu) | (alpha << 24);
        }
    }
    PremultiplyPixels(view);
}
