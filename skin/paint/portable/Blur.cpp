#include "skin/paint/portable/Blur.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Blurs count samples of one channel, spaced stride pixels apart from
// first, into out. The triangle is a box of r + 1 samples applied twice:
// box[j] = sum of p[j .. j + r] and result[x] = sum of box[x - r .. x], with
// indexes outside the line repeating the edge sample.
void BlurLine(const std::uint32_t* first, std::ptrdiff_t stride, int count, int shift, int r,
              std::vector<std::int64_t>& prefix, std::vector<std::int64_t>& boxPrefix, std::uint8_t* out) {
    const std::size_t ext = std::size_t(count) + 2 * std::size_t(r);
    // prefix[t] = sum of the extended line's first t samples; sample t is p[clamp(t - r)].
    prefix[0] = 0;
    for (std::size_t t = 0; t < ext; ++t) {
        const int i = std::clamp(int(t) - r, 0, count - 1);
        prefix[t + 1] = prefix[t] + ((first[std::ptrdiff_t(i) * stride] >> shift) & 0xFF);
    }
    // boxPrefix[m] = sum of box[j] for j = -r ... -r + m - 1.
    const std::size_t boxes = std::size_t(count) + std::size_t(r);
    boxPrefix[0] = 0;
    for (std::size_t m = 0; m < boxes; ++m) {
        const std::int64_t box = prefix[m + std::size_t(r) + 1] - prefix[m];  // box[j], j = m - r
        boxPrefix[m + 1] = boxPrefix[m] + box;
    }
    const std::int64_t divisor = std::int64_t(r + 1) * (r + 1);
    for (int x = 0; x < count; ++x) {
        // box[x - r .. x] are entries x .. x + r of the box list.
        const std::int64_t sum = boxPrefix[std::size_t(x) + std::size_t(r) + 1] - boxPrefix[std::size_t(x)];
        out[x] = std::uint8_t(sum / divisor);
    }
}

}  // namespace

void BlurPixels(const TPixelView& image, int radius) {
    if (image.Empty() || radius <= 0) return;
    const int r = std::min(radius, MaxBlurRadius);
    const int longest = std::max(image.Width, image.Height);
    const std::size_t ext = std::size_t(longest) + 2 * std::size_t(r);
    std::vector<std::int64_t> prefix(ext + 1), boxPrefix(ext + 1);
    std::vector<std::uint8_t> channel[3];
    for (auto& c : channel) c.resize(std::size_t(longest));

    auto pass = [&](int lines, int count, auto firstOf, std::ptrdiff_t stride) {
        for (int line = 0; line < lines; ++line) {
            std::uint32_t* first = firstOf(line);
            for (int c = 0; c < 3; ++c) BlurLine(first, stride, count, 8 * c, r, prefix, boxPrefix, channel[c].data());
            for (int i = 0; i < count; ++i)
                first[std::ptrdiff_t(i) * stride] = MakePixel(channel[2][std::size_t(i)], channel[1][std::size_t(i)],
                                                              channel[0][std::size_t(i)], 255);
        }
    };
    pass(image.Height, image.Width, [&](int y) { return image.Row(y); }, 1);
    pass(image.Width, image.Height, [&](int x) { return image.Pixels + x; }, image.Stride);
}
