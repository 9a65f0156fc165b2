#include "skin/paint/portable/EffectPixelsRgb.h"

#include "skin/paint/portable/BlendBytes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Rounds to nearest with halves to even (the default rounding of the
// floating-point unit) for |v| < 2^51, without a library call: adding
// 1.5 * 2^52 leaves no fraction bits in a double. Where doubles are held in
// wider registers (x87), the sum must be stored as a double first.
inline double RoundEven(double v) {
    constexpr double Magic = 6755399441055744.0;
#if FLT_EVAL_METHOD == 0
    const double shifted = v + Magic;
#else
    volatile double shifted = v + Magic;
#endif
    return shifted - Magic;
}

inline std::uint8_t Clamp255(double v) {
    return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

inline std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double w) {  // w*a + (1-w)*b
    return Clamp255(RoundEven(w * a + (1 - w) * b));
}

bool SameSize(const TRgbView& A, const TRgbView& B) {
    return !A.Empty() && !B.Empty() && A.Width == B.Width && A.Height == B.Height;
}

int RoundFactor(double v) { return int(RoundEven(v)); }

void CopyAll(const TRgbView& A, const TRgbView& B) {
    for (int y = 0; y < A.Height; ++y) std::memcpy(A.Row(y), B.Row(y), std::size_t(A.Width) * 3);
}

void MixPixel(std::uint8_t* a, const std::uint8_t* b, double w) {
    for (int c = 0; c < 3; ++c) a[c] = Mix(a[c], b[c], w);
}

// Pass of the centre and edge gradients: from x0 stepping by dir while
// inside [0, W), weight w from 0 rising by step, kept within 0 ... 1.
void GradeRun(std::uint8_t* a, const std::uint8_t* b, int W, int x0, int dir, double step) {
    double w = 0;
    for (int x = x0; x >= 0 && x < W; x += dir) {
        MixPixel(a + 3 * x, b + 3 * x, std::clamp(w, 0.0, 1.0));
        w = std::min(w + step, 1.0);
    }
}

void CentreGradientH(const TRgbView& A, const TRgbView& B, double Kf) {
    const int W = A.Width;
    const int a = RoundFactor(W * Kf);
    const int half = (W - a) / 2;
    const double step = half == 0 ? 1.0 : 1.0 / half;
    const int g = std::max(W / 2 - a / 2, 0), c = std::min(W / 2 + a / 2, W - 1);
    for (int y = 0; y < A.Height; ++y) {
        std::uint8_t* ra = A.Row(y);
        const std::uint8_t* rb = B.Row(y);
        if (g <= c) std::memcpy(ra + 3 * g, rb + 3 * g, std::size_t(c - g + 1) * 3);
        GradeRun(ra, rb, W, g, -1, step);
        GradeRun(ra, rb, W, c, +1, step);
    }
}

void CentreGradientV(const TRgbView& A, const TRgbView& B, double Kf) {
    const int H = A.Height;
    const int a = RoundFactor(H * Kf);
    const int half = (H - a - 1) / 2;
    const double step = half == 0 ? 0.0 : 1.0 / half;
    const int g = std::max(H / 2 - a / 2, 0), c = std::min(H / 2 + a / 2, H - 1);
    const std::size_t rowBytes = std::size_t(A.Width) * 3;
    for (int y = g; y <= c; ++y) std::memcpy(A.Row(y), B.Row(y), rowBytes);
    auto gradeRows = [&](int y0, int dir) {
        double w = 0;
        for (int y = y0; y >= 0 && y < H; y += dir) {
            const double ww = std::clamp(w, 0.0, 1.0);
            std::uint8_t* ra = A.Row(y);
            const std::uint8_t* rb = B.Row(y);
            for (std::size_t i = 0; i < rowBytes; ++i) ra[i] = Mix(ra[i], rb[i], ww);
            w = std::min(w + step, 1.0);
        }
    };
    gradeRows(g, -1);
    gradeRows(c, +1);
}

}  // namespace

TRgbBuffer RgbBufferOf(const TPixelView& picture) {
    if (picture.Empty()) return TRgbBuffer();
    TRgbBuffer out(picture.Width, picture.Height);
    const TRgbView view = out.View();
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* src = picture.Row(y);
        std::uint8_t* dst = view.Row(y);
        for (int x = 0; x < picture.Width; ++x, dst += 3) {
            dst[0] = PixelB(src[x]);
            dst[1] = PixelG(src[x]);
            dst[2] = PixelR(src[x]);
        }
    }
    return out;
}

void MorphRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const std::uint32_t weight = BlendWeight(Kf);  // Kf clamped to 0 ... 1 there
    const std::size_t rowBytes = std::size_t(A.Width) * 3;
    if (A.Stride == B.Stride) {
        // The rows and the padding between them are one block: one call
        // keeps the vector loop long (blending the padding is harmless).
        BlendBytes(A.Bits, B.Bits, std::size_t(A.Stride) * std::size_t(A.Height - 1) + rowBytes, weight);
        return;
    }
    for (int y = 0; y < A.Height; ++y) BlendBytes(A.Row(y), B.Row(y), rowBytes, weight);
}

void GradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    if (A.Width < A.Height) {
        CentreGradientV(A, B, Kf);
    } else if (A.Width == 1) {
        CopyAll(A, B);
    } else {
        CentreGradientH(A, B, Kf);
    }
}

void LeftGradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const int W = A.Width;
    if (W == 1) return CopyAll(A, B);
    const int n = std::clamp(RoundFactor(W * Kf), 1, W - 1);
    const double step = 1.0 / n;
    for (int y = 0; y < A.Height; ++y) {
        double w = 0;
        for (int x = 0; x <= n; ++x) {
            MixPixel(A.Row(y) + 3 * x, B.Row(y) + 3 * x, w);
            w = std::min(w + step, 1.0);
        }
    }
}

void RightGradientMorphRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const int W = A.Width;
    if (W == 1) return CopyAll(A, B);
    const int s = std::clamp(W - RoundFactor(W * Kf), 0, W - 1);
    const double step = 1.0 / (W - s);
    for (int y = 0; y < A.Height; ++y) {
        double w = 0;
        for (int x = W - 1; x >= s; --x) {
            MixPixel(A.Row(y) + 3 * x, B.Row(y) + 3 * x, w);
            w = std::min(w + step, 1.0);
        }
    }
}

void LeftSlideRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const int W = A.Width;
    if (W == 1) return CopyAll(A, B);
    const int n = std::clamp(RoundFactor(W * Kf), 1, W - 1);
    for (int y = 0; y < A.Height; ++y) std::memcpy(A.Row(y), B.Pixel(W - n, y), std::size_t(n) * 3);
}

void RightSlideRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const int W = A.Width;
    if (W == 1) return CopyAll(A, B);
    const int n = std::clamp(RoundFactor(W * Kf), 1, W - 1);
    for (int y = 0; y < A.Height; ++y) std::memcpy(A.Pixel(W - n, y), B.Row(y), std::size_t(n) * 3);
}

void PushRgb(const TRgbView& A, const TRgbView& B, double Kf) {
    if (!SameSize(A, B)) return;
    const int W = A.Width;
    if (W == 1) return CopyAll(A, B);
    const int n = std::clamp(RoundFactor(W * Kf), 0, W - 1);
    for (int y = 0; y < A.Height; ++y) {
        // Old pixels move right by n + 1 (x <- x - n - 1 for x = W-1 down to n+1).
        std::memmove(A.Pixel(n + 1, y), A.Row(y), std::size_t(W - n - 1) * 3);
        std::memcpy(A.Row(y), B.Pixel(W - n - 1, y), std::size_t(n + 1) * 3);
    }
}

void MorphRgbByKind(TbsMorphKind kind, const TRgbView& A, const TRgbView& B, double Kf) {
    switch (kind) {
    case bsmkDefault: return MorphRgb(A, B, Kf);
    case bsmkGradient: return GradientMorphRgb(A, B, Kf);
    case bsmkLeftGradient: return LeftGradientMorphRgb(A, B, Kf);
    case bsmkRightGradient: return RightGradientMorphRgb(A, B, Kf);
    case bsmkLeftSlide: return LeftSlideRgb(A, B, Kf);
    case bsmkRightSlide: return RightSlideRgb(A, B, Kf);
    case bsmkPush: return PushRgb(A, B, Kf);
    }
}

namespace {

template <typename F>
void ForEachChannel(const TRgbView& image, F f) {
    if (image.Empty()) return;
    const std::size_t rowBytes = std::size_t(image.Width) * 3;
    for (int y = 0; y < image.Height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (std::size_t i = 0; i < rowBytes; ++i) row[i] = f(row[i]);
    }
}

}  // namespace

void BrightnessRgb(const TRgbView& image, double Kf) {
    const double k = std::clamp(Kf, 0.0, 1.0);
    ForEachChannel(image, [k](std::uint8_t c) { return Clamp255(RoundEven((1 - k) * c + 255 * k)); });
}

void DarknessRgb(const TRgbView& image, double Kf) {
    const double k = std::clamp(Kf, 0.0, 1.0);
    ForEachChannel(image, [k](std::uint8_t c) { return Clamp255(RoundEven((1 - k) * c)); });
}

void GrayscaleRgb(const TRgbView& image) {
    if (image.Empty()) return;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            std::uint8_t* p = image.Pixel(x, y);
            const std::uint8_t g = Clamp255(RoundEven(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]));
            p[0] = p[1] = p[2] = g;
        }
}

std::uint32_t NoiseRgb(const TRgbView& image, int Amount, std::uint32_t seed) {
    if (image.Empty() || Amount <= 0) return seed;
    std::uint32_t state = seed ? seed : 0x9E3779B9u;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int offset = int(state % std::uint32_t(Amount)) - Amount / 2;
            std::uint8_t* p = image.Pixel(x, y);
            for (int c = 0; c < 3; ++c) p[c] = Clamp255(p[c] + offset);
        }
    return state;
}

void SplitBlurRgb(const TRgbView& image, int Distance) {
    if (image.Empty() || Distance <= 0) return;
    const int W = image.Width, H = image.Height, D = Distance;
    auto inside = [](int i, int size) { return std::clamp(i, 0, size - 1); };
    std::vector<std::uint8_t> row(std::size_t(W) * 3);
    for (int y = 0; y < H; ++y) {
        const int y0 = y - D < 0 ? y : y - D;
        const int y1 = inside(y + D >= H ? H - y : y + D, H);
        for (int x = 0; x < W; ++x) {
            const int x0 = x - D < 0 ? x : x - D;
            const int x1 = inside(x + D >= W ? W - x : x + D, W);
            for (int c = 0; c < 3; ++c) {
                const int sum = image.Pixel(x0, y0)[c] + image.Pixel(x1, y0)[c] + image.Pixel(x0, y1)[c] +
                                image.Pixel(x1, y1)[c];
                row[std::size_t(x) * 3 + std::size_t(c)] = std::uint8_t(sum >> 2);
            }
        }
        std::memcpy(image.Row(y), row.data(), row.size());
    }
}

void InvertRgb(const TRgbView& image) {
    ForEachChannel(image, [](std::uint8_t c) { return std::uint8_t(255 - c); });
}

void InactiveEffectRgb(TbsInActiveEffect effect, const TRgbView& image, std::uint32_t seed) {
    switch (effect) {
    case bsieBrightness: return BrightnessRgb(image, 0.5);
    case bsieDarkness: return DarknessRgb(image, 0.3);
    case bsieGrayScale: return GrayscaleRgb(image);
    case bsieNoise: NoiseRgb(image, 50, seed); return;
    case bsieSplitBlur: return SplitBlurRgb(image, 1);
    case bsieInvert: return InvertRgb(image);
    }
}
