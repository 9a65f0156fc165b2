#include "skin/paint/portable/EffectPixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

int ScaledSourceIndex(int r, int sw, int dw) {
    if (dw < 2) return (sw - 1) / 2;
    const std::int64_t num = std::int64_t(r) * (sw - 1);
    const std::int64_t den = dw - 1;
    std::int64_t q = num / den;
    const std::int64_t twiceRem = 2 * (num % den);
    if (twiceRem > den || (twiceRem == den && (q & 1))) ++q;
    return int(q);
}

namespace {

inline void CombineRow(std::uint32_t* dst, const std::uint32_t* src, int count, TCombineMode mode) {
    switch (mode) {
    case TCombineMode::cmCopy:
        std::memcpy(dst, src, std::size_t(count) * 4);
        break;
    case TCombineMode::cmKey:
        for (int i = 0; i < count; ++i) {
            if ((src[i] & 0x00FFFFFFu) != bsTransparentKey) dst[i] = src[i] | 0xFF000000u;
        }
        break;
    case TCombineMode::cmAlpha:
        for (int i = 0; i < count; ++i) dst[i] = BlendPixel(src[i], dst[i]);
        break;
    }
}

}  // namespace

void CombinePixels(const TPixelView& target, const TRect& dstRect, const TPixelView& source,
                   const TRect& srcRect, TCombineMode mode) {
    if (target.Empty() || source.Empty() || dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > source.Width || srcRect.Bottom > source.Height) return;
    const int x0 = std::max(dstRect.Left, 0), x1 = std::min(dstRect.Right, target.Width);
    const int y0 = std::max(dstRect.Top, 0), y1 = std::min(dstRect.Bottom, target.Height);
    if (x0 >= x1 || y0 >= y1) return;
    const int sw = srcRect.Width(), sh = srcRect.Height();
    const int dw = dstRect.Width(), dh = dstRect.Height();

    if (sw == dw && sh == dh) {
        for (int y = y0; y < y1; ++y) {
            const std::uint32_t* src = source.Row(srcRect.Top + y - dstRect.Top) + srcRect.Left + (x0 - dstRect.Left);
            CombineRow(target.Row(y) + x0, src, x1 - x0, mode);
        }
        return;
    }

    // Scaled: gather each destination row from the mapped source columns.
    std::vector<int> columns(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x) columns[std::size_t(x - x0)] = srcRect.Left + ScaledSourceIndex(x - dstRect.Left, sw, dw);
    std::vector<std::uint32_t> row(columns.size());
    int lastSourceRow = -1;
    for (int y = y0; y < y1; ++y) {
        const int sy = srcRect.Top + ScaledSourceIndex(y - dstRect.Top, sh, dh);
        if (sy != lastSourceRow) {
            const std::uint32_t* src = source.Row(sy);
            for (std::size_t i = 0; i < columns.size(); ++i) row[i] = src[columns[i]];
            lastSourceRow = sy;
        }
        CombineRow(target.Row(y) + x0, row.data(), x1 - x0, mode);
    }
}

void SetAlphaPixels(const TPixelView& view, std::uint8_t alpha) {
    if (view.Empty()) return;
    const std::uint32_t a = std::uint32_t(alpha) << 24;
    for (int y = 0; y < view.Height; ++y) {
        std::uint32_t* p = view.Row(y);
        for (int x = 0; x < view.Width; ++x) p[x] = (p[x] & 0x00FFFFFFu) | a;
    }
}

bool HasPartialAlpha(const TPixelView& view) {
    if (view.Empty()) return false;
    for (int y = 0; y < view.Height; ++y) {
        const std::uint32_t* p = view.Row(y);
        for (int x = 0; x < view.Width; ++x) {
            const std::uint32_t a = p[x] >> 24;
            if (a != 0 && a != 255) return true;
        }
    }
    return false;
}

bool KeyNearColor(const TPixelView& view, TColor color) {
    if (view.Empty()) return false;
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    bool any = false;
    for (int y = 0; y < view.Height; ++y) {
        std::uint32_t* p = view.Row(y);
        for (int x = 0; x < view.Width; ++x) {
            if (std::abs(PixelR(p[x]) - r) < 6 && std::abs(PixelG(p[x]) - g) < 6 && std::abs(PixelB(p[x]) - b) < 6) {
                p[x] = bsTransparentKey;
                any = true;
            }
        }
    }
    return any;
}

void ClampPixelsToAlpha(const TPixelView& view) {
    if (view.Empty()) return;
    for (int y = 0; y < view.Height; ++y) {
        std::uint32_t* p = view.Row(y);
        for (int x = 0; x < view.Width; ++x) {
            const std::uint8_t a = PixelA(p[x]);
            p[x] = MakePixel(std::min(PixelR(p[x]), a), std::min(PixelG(p[x]), a), std::min(PixelB(p[x]), a), a);
        }
    }
}

void PremultiplyPixels(const TPixelView& view) {
    if (view.Empty()) return;
    // a*c/255 is never an exact half, so adding 127 rounds to nearest.
    auto mul = [](std::uint32_t c, std::uint32_t a) { return std::uint8_t((c * a + 127) / 255); };
    for (int y = 0; y < view.Height; ++y) {
        std::uint32_t* p = view.Row(y);
        for (int x = 0; x < view.Width; ++x) {
            const std::uint8_t a = PixelA(p[x]);
            p[x] = MakePixel(mul(PixelR(p[x]), a), mul(PixelG(p[x]), a), mul(PixelB(p[x]), a), a);
        }
    }
}

void FillPixels(const TPixelView& view, TRect rect, std::uint32_t pixel, bool blend) {
    if (view.Empty()) return;
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, view.Width);
    rect.Bottom = std::min(rect.Bottom, view.Height);
    if (rect.IsEmpty()) return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint32_t* p = view.Row(y);
        for (int x = rect.Left; x < rect.Right; ++x) p[x] = blend ? BlendPixel(pixel, p[x]) : pixel;
    }
}

void AlphaFromMaskPixels(const TPixelView& bmp, const TPixelView& mask) {
    if (bmp.Empty()) return;
    const int w = mask.Empty() ? 0 : std::min(bmp.Width, mask.Width);
    const int h = mask.Empty() ? 0 : std::min(bmp.Height, mask.Height);
    for (int y = 0; y < bmp.Height; ++y) {
        std::uint32_t* p = bmp.Row(y);
        const int inside = y < h ? w : 0;
        for (int x = 0; x < inside; ++x) {
            const std::uint32_t m = mask.At(x, y);
            // (sum)/3 is never an exact half, so +1 rounds to nearest.
            const std::uint32_t a = (std::uint32_t(PixelR(m)) + PixelG(m) + PixelB(m) + 1) / 3;
            p[x] = (p[x] & 0x00FFFFFFu) | (a << 24);
        }
        for (int x = inside; x < bmp.Width; ++x) p[x] |= 0xFF000000u;
    }
}

bool ProcessorHasMmx() {
#if defined(__i386__) || defined(__x86_64__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    const unsigned family = (eax >> 8) & 0xF;
    return family > 4 && (edx & (1u << 23)) != 0;
#else
    return false;
#endif
}
