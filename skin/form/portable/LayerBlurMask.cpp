#include "skin/form/portable/LayerBlurMask.h"

namespace {

bool Contains(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

TPixelBuffer PrepareLayerBlurMask(const TPixelView& mask, const TRect& intersect, const TRect& exclude) {
    if (mask.Empty()) return TPixelBuffer();
    TPixelBuffer prepared(mask.Width, mask.Height, bsBlurOutside);
    const bool limited = !intersect.IsEmpty();
    const bool excluded = !exclude.IsEmpty();
    for (int y = 0; y < mask.Height; ++y) {
        const std::uint32_t* source = mask.Row(y);
        std::uint32_t* target = prepared.Row(y);
        for (int x = 0; x < mask.Width; ++x) {
            if ((source[x] & 0x00FFFFFFu) != 0) continue;
            if (limited && !Contains(intersect, x, y)) continue;
            if (excluded && Contains(exclude, x, y)) continue;
            target[x] = bsBlurInside;
        }
    }
    return prepared;
}

std::vector<TRect> LayerBlurRuns(const TPixelView& strip) {
    std::vector<TRect> runs;
    if (strip.Empty()) return runs;
    for (int y = 0; y < strip.Height; ++y) {
        const std::uint32_t* row = strip.Row(y);
        int x = 0;
        while (x < strip.Width) {
            // Stretching and alpha leave the colour of an inside pixel black.
            while (x < strip.Width && (row[x] & 0x00FFFFFFu) != 0) ++x;
            const int start = x;
            while (x < strip.Width && (row[x] & 0x00FFFFFFu) == 0) ++x;
            if (x > start) runs.push_back(TRect{start, y, x, y + 1});
        }
    }
    return runs;
}
