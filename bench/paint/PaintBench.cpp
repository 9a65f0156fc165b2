// Speed of the painting primitives, each against a plain memcpy of the same
// number of destination bytes in the same run:
//  - the nine-part image of a 775 x 330 window from a 150 x 130 skin with
//    tiled edges and a tiled centre (bound: 4 x);
//  - one morph step of a 75 x 25 button (bound: 3 x);
//  - the region of a 775 x 330 frame from a 150 x 130 mask (bound: 1 ms;
//    the platform region on Windows, the strips and run scan elsewhere).
#include "skin/paint/portable/BlendBytes.h"
#include "skin/paint/portable/CompositionPixels.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/MaskRegionData.h"

#ifdef _WIN32
#include "skin/paint/MaskRegion.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The fastest of several batches, in nanoseconds per call.
template <typename F>
double Measure(F&& f, int perBatch) {
    double best = 1e300;
    for (int batch = 0; batch < 15; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perBatch; ++i) f();
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(stop - start).count() / perBatch);
    }
    return best;
}

volatile std::uint8_t Sink;

double MemcpyNs(std::size_t bytes, int perBatch) {
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    return Measure([&] {
        std::memcpy(to.data(), from.data(), bytes);
        from[bytes / 2] = std::uint8_t(from[bytes / 2] + to[bytes / 3]);
        Sink = to[bytes - 1];
    }, perBatch);
}

// The 150 x 130 skin: client (20, 25, 130, 105), corners at (30, 35) (120, 35) (30, 95) (120, 95).
TSkinImageParams WindowSkin(int W, int H) {
    TSkinImageParams p;
    p.SrcRect = Rect(0, 0, 150, 130);
    p.SrcClient = Rect(20, 25, 130, 105);
    p.SrcLT = Point(30, 35);
    p.SrcRT = Point(120, 35);
    p.SrcLB = Point(30, 95);
    p.SrcRB = Point(120, 95);
    p.W = W;
    p.H = H;
    CalcSkinGeometry(bsrmNinePart, p);
    return p;
}

// A frame mask: black everywhere but the rounded-off corners and the white client hole.
TRgbBuffer FrameMask() {
    TRgbBuffer mask(150, 130, 0);
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 150; ++x) {
            const int dx = std::min(x, 149 - x), dy = std::min(y, 129 - y);
            const bool corner = dx < 6 && dy < 6 && (6 - dx) * (6 - dx) + (6 - dy) * (6 - dy) > 36;
            const bool hole = x >= 20 && x < 130 && y >= 25 && y < 105;
            if (corner || hole) mask.Set(x, y, 255, 255, 255);
        }
    return mask;
}

}  // namespace

int main() {
    bool ok = true;

    TPixelBuffer skin(150, 130);
    for (std::size_t i = 0; i < skin.Pixels.size(); ++i) skin.Pixels[i] = std::uint32_t(i * 2654435761u);
    const TSkinImageParams p = WindowSkin(775, 330);
    TPixelBuffer image;
    const double compose = Measure([&] { CreateSkinImage(p, ViewOf(skin), image); }, 50);
    const double composeCopy = MemcpyNs(std::size_t(775) * 330 * 4, 50);
    const double composeRatio = compose / composeCopy;
    ok &= composeRatio <= 4;
    std::printf("CreateSkinImage 775x330 from 150x130, tiled: %.1f us, memcpy %.1f us, ratio %.2f (bound 4)\n",
                compose / 1000, composeCopy / 1000, composeRatio);

    // Two looks of a button: vertical shading, a lighter hot state.
    TRgbBuffer a(75, 25), b(75, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x) {
            a.Set(x, y, std::uint8_t(30 + 4 * y), std::uint8_t(20 + 3 * y + x % 7), std::uint8_t(10 + 2 * y));
            b.Set(x, y, std::uint8_t(120 + 5 * y), std::uint8_t(110 + 4 * y - x % 5), std::uint8_t(40 + 3 * y));
        }
    double kf = 0;
    const double morph = Measure([&] {
        kf = kf >= 1 ? 0 : kf + 0.05;
        MorphRgb(a.View(), b.View(), kf);
    }, 2000);
    const double morphCopy = MemcpyNs(std::size_t(RgbRowSize(75)) * 25, 2000);
    const double morphRatio = morph / morphCopy;
    ok &= morphRatio <= 3;
    std::printf("Morph step 75x25 (%s): %.2f us, memcpy %.2f us, ratio %.2f (bound 3)\n", BlendBytesPath(),
                morph / 1000, morphCopy / 1000, morphRatio);

    const TRgbBuffer mask = FrameMask();
    const TSkinImageParams r = WindowSkin(775, 330);
#ifdef _WIN32
    const double region = Measure([&] {
        TRegionHandle rgn;
        CreateSkinRegion(rgn, r.SrcLT, r.SrcRT, r.SrcLB, r.SrcRB, r.SrcClient, r.W, r.H, mask.View(), r.DstLT, r.DstRT,
                         r.DstLB, r.DstRB, r.DstClient);
    }, 20);
    const char* what = "CreateSkinRegion";
#else
    const double region = Measure([&] {
        TRgbBuffer top, bottom, left, right;
        CreateSkinMaskStrips(r.SrcLT, r.SrcRT, r.SrcLB, r.SrcRB, r.SrcClient, mask.View(), r.DstLT, r.DstRT, r.DstLB,
                             r.DstRB, r.DstClient, r.W, top, bottom, left, right);
        std::vector<std::uint8_t> data[4] = {CreateRegionData(top.View(), 0, 0), CreateRegionData(bottom.View(), 0, 0),
                                             CreateRegionData(left.View(), 0, 0), CreateRegionData(right.View(), 0, 0)};
        Sink = data[0].empty() ? 0 : data[0][8];
    }, 20);
    const char* what = "Mask strips and run scan (no platform region)";
#endif
    ok &= region < 1e6;
    std::printf("%s 775x330 from 150x130: %.3f ms (bound 1 ms)\n", what, region / 1e6);
    std::printf(ok ? "paintbench: within bounds\n" : "paintbench: OUT OF BOUNDS\n");
    return 0;
}
