#include "skin/paint/portable/EffectPixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace {

// Enlarging a span: the source pixel under the destination pixel's centre,
// (r + 1/2) * sw / dw, the lower one on an exact boundary. r * sw fits in
// 64 bits unsigned: r < dw and sw < dw, both below 2^32.
std::int64_t EnlargedSourceIndex(std::uint64_t r, std::uint64_t sw, std::uint64_t dw) {
    return std::int64_t((r * sw + (sw - 1) / 2) / dw);
}

}  // namespace

std::int64_t ScaledSourceColumn(std::int64_t r, std::int64_t sw, std::int64_t dw) {
    if (sw == dw) return r;
    if (sw < dw) return EnlargedSourceIndex(std::uint64_t(r), std::uint64_t(sw), std::uint64_t(dw));
    if (dw == 1) return sw - 2;
    // The last i with i*dw + (dw-1)/2 < (r+1)*sw; (r+1)*sw fits in 64 bits
    // unsigned: r + 1 <= dw < sw, both below 2^32.
    const std::uint64_t reach = (std::uint64_t(r) + 1) * std::uint64_t(sw);
    return std::int64_t((reach - std::uint64_t(dw - 1) / 2 - 1) / std::uint64_t(dw));
}

std::int64_t ScaledSourceRow(std::int64_t r, std::int64_t sw, std::int64_t dw) {
    if (sw == dw) return r;
    if (sw < dw) return EnlargedSourceIndex(std::uint64_t(r), std::uint64_t(sw), std::uint64_t(dw));
    // The first i with i*dw + (dw-1)/2 >= r*sw.
    const std::uint64_t reach = std::uint64_t(r) * std::uint64_t(sw);
    return std::int64_t((reach + std::uint64_t(dw) - 1 - std::uint64_t(dw - 1) / 2) / std::uint64_t(dw));
}

TScaledWalk::TScaledWalk(std::int64_t r0, std::int64_t sw, std::int64_t dw, bool column) {
    if (column && sw > dw && dw == 1) {  // one destination column: no step follows
        FQuotient = std::uint64_t(sw - 2);
        return;
    }
    const std::uint64_t s = std::uint64_t(sw), d = std::uint64_t(dw);
    std::uint64_t b = 0;  // sw == dw: r itself
    if (sw < dw) b = (s - 1) / 2;
    else if (sw > dw) b = column ? s - (d - 1) / 2 - 1 : d - 1 - (d - 1) / 2;
    // s * r0 + b stays below 2^64 for r0 < dw (see ScaledSourceColumn).
    const std::uint64_t n = s * std::uint64_t(r0) + b;
    FQuotient = n / d;
    FRemainder = n % d;
    FStep = s / d;
    FRemainderStep = s % d;
    FDw = d;
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

// The destination pixels of one axis of a blit that are drawn, in target
// coordinates, right exclusive; none when First >= Last.
struct TDrawnSpan {
    int First = 0;
    int Last = 0;
};

// Smallest offset in [from, to) for which reached(offset) holds, or to when
// none does; reached must never turn false again as the offset grows.
template <typename F>
std::int64_t FirstReached(std::int64_t from, std::int64_t to, F reached) {
    while (from < to) {
        const std::int64_t mid = from + (to - from) / 2;
        if (reached(mid)) to = mid;
        else from = mid + 1;
    }
    return from;
}

using TScaledSource = std::int64_t (*)(std::int64_t r, std::int64_t sw, std::int64_t dw);

// One axis of a blit of srcLen source pixels from srcStart onto dstLen
// destination pixels from dstStart (lengths in 64 bits: a side from
// -2147483648 to 2147483647 is 2^32 - 1 pixels). A destination pixel is drawn
// when it lies inside the target, [0, targetSize), and the source pixel it
// takes (one to one for equal lengths, else by scaled) lies inside the
// picture, [0, sourceSize). Both hold on one run of pixels, because the
// source index never decreases along the destination.
TDrawnSpan DrawnSpan(std::int64_t dstStart, std::int64_t dstLen, std::int64_t srcStart, std::int64_t srcLen,
                     int targetSize, int sourceSize, TScaledSource scaled) {
    // Offsets from dstStart.
    std::int64_t from = std::max<std::int64_t>(0, -dstStart);
    std::int64_t to = std::min<std::int64_t>(dstLen, targetSize - dstStart);
    if (srcLen == dstLen) {
        from = std::max(from, -srcStart);
        to = std::min(to, sourceSize - srcStart);
    } else if (from < to) {
        const auto source = [&](std::int64_t r) { return srcStart + scaled(r, srcLen, dstLen); };
        from = FirstReached(from, to, [&](std::int64_t r) { return source(r) >= 0; });
        to = FirstReached(from, to, [&](std::int64_t r) { return source(r) >= sourceSize; });
    }
    if (from >= to) return {};
    return {int(dstStart + from), int(dstStart + to)};
}

// A run of destination pixels that all take one source column.
struct TColumnRun {
    int Column;  // in the picture
    int Length;  // pixels
};

// Runs in a buffer left unset until written: filling it first would cost a
// pass as long as the row.
struct TColumnRuns {
    std::unique_ptr<TColumnRun[]> Runs;
    std::size_t Count = 0;
    const TColumnRun* begin() const { return Runs.get(); }
    const TColumnRun* end() const { return Runs.get() + Count; }
};

// The source columns of the drawn span xs, as runs.
TColumnRuns ColumnRuns(TDrawnSpan xs, int dstLeft, int srcLeft, std::int64_t sw, std::int64_t dw) {
    // At most one run a pixel: written through a pointer, which keeps the
    // loop free of growth checks.
    TColumnRuns runs{std::unique_ptr<TColumnRun[]>(new TColumnRun[std::size_t(xs.Last - xs.First)])};
    TColumnRun* out = runs.Runs.get();
    TScaledWalk walk(xs.First - std::int64_t(dstLeft), sw, dw, true);
    TColumnRun run{int(srcLeft + walk.Value()), 1};
    for (int x = xs.First + 1; x < xs.Last; ++x) {
        walk.Next();
        const int column = int(srcLeft + walk.Value());
        if (column == run.Column) {
            ++run.Length;
        } else {
            *out++ = run;
            run = {column, 1};
        }
    }
    *out++ = run;
    runs.Count = std::size_t(out - runs.Runs.get());
    return runs;
}

// Fills count pixels from dst on with the source pixels of the runs. Runs of
// up to eight pixels (an enlarged picture's, mostly) are written as eight
// pixels at once, the surplus overwritten by the next run; so the last runs,
// with less than eight pixels of room left, go one pixel at a time.
void GatherRow(std::uint32_t* dst, int count, const std::uint32_t* src, const TColumnRuns& runs) {
    constexpr int kBlock = 8;
    std::uint32_t* const end = dst + count;
    for (const TColumnRun& run : runs) {
        const std::uint32_t pixel = src[run.Column];
        if (run.Length == 1) {
            *dst++ = pixel;
        } else if (run.Length <= kBlock && end - dst >= kBlock) {
            for (int i = 0; i < kBlock; ++i) dst[i] = pixel;
            dst += run.Length;
        } else {
            dst = std::fill_n(dst, run.Length, pixel);
        }
    }
}

}  // namespace

void CombinePixels(const TPixelView& target, const TRect& dstRect, const TPixelView& source,
                   const TRect& srcRect, TCombineMode mode) {
    if (target.Empty() || source.Empty() || dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    const std::int64_t sw = std::int64_t(srcRect.Right) - srcRect.Left, sh = std::int64_t(srcRect.Bottom) - srcRect.Top;
    const std::int64_t dw = std::int64_t(dstRect.Right) - dstRect.Left, dh = std::int64_t(dstRect.Bottom) - dstRect.Top;
    const TDrawnSpan xs = DrawnSpan(dstRect.Left, dw, srcRect.Left, sw, target.Width, source.Width, ScaledSourceColumn);
    const TDrawnSpan ys = DrawnSpan(dstRect.Top, dh, srcRect.Top, sh, target.Height, source.Height, ScaledSourceRow);
    if (xs.First >= xs.Last || ys.First >= ys.Last) return;
    const int count = xs.Last - xs.First;

    if (sw == dw && sh == dh) {
        // Both spans are clipped to the picture, so these stay inside it.
        const int sx = int(xs.First + std::int64_t(srcRect.Left) - dstRect.Left);
        const int sy = int(ys.First + std::int64_t(srcRect.Top) - dstRect.Top);
        for (int y = ys.First; y < ys.Last; ++y)
            CombineRow(target.Row(y) + xs.First, source.Row(sy + (y - ys.First)) + sx, count, mode);
        return;
    }
    if (sw == dw) {
        // Scaled down the rows only (a frame's or panel's side edges): each
        // row is its source row as it stands.
        const int sx = int(xs.First + std::int64_t(srcRect.Left) - dstRect.Left);
        TScaledWalk rows(ys.First - std::int64_t(dstRect.Top), sh, dh, false);
        for (int y = ys.First; y < ys.Last; ++y, rows.Next())
            CombineRow(target.Row(y) + xs.First, source.Row(int(srcRect.Top + rows.Value())) + sx, count, mode);
        return;
    }

    // Scaled: each destination row gathers its pixels from the mapped source
    // columns. Enlarged pictures map many neighbouring destination pixels to
    // one source column, so the columns are kept as runs and each run is one
    // fill; a destination row whose source row is the one before it is a copy
    // of the row already drawn.
    const TColumnRuns runs = ColumnRuns(xs, dstRect.Left, srcRect.Left, sw, dw);
    std::vector<std::uint32_t> gathered;
    if (mode != TCombineMode::cmCopy) gathered.resize(std::size_t(count));
    const std::uint32_t* lastRow = nullptr;  // the pixels of lastSourceRow
    int lastSourceRow = -1;
    TScaledWalk rows(ys.First - std::int64_t(dstRect.Top), sh, dh, false);
    for (int y = ys.First; y < ys.Last; ++y, rows.Next()) {
        const int sy = int(srcRect.Top + rows.Value());
        std::uint32_t* dst = target.Row(y) + xs.First;
        if (mode == TCombineMode::cmCopy) {
            if (sy == lastSourceRow) {
                std::memcpy(dst, lastRow, std::size_t(count) * 4);
            } else {
                GatherRow(dst, count, source.Row(sy), runs);
                lastRow = dst;
                lastSourceRow = sy;
            }
            continue;
        }
        if (sy != lastSourceRow) {
            GatherRow(gathered.data(), count, source.Row(sy), runs);
            lastSourceRow = sy;
        }
        CombineRow(dst, gathered.data(), count, mode);
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
