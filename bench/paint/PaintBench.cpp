// Speed of the painting primitives, each against a plain memcpy of the same
// number of destination bytes in the same run:
//  - the nine-part image of the table window, 777 x 333 (the layout's
//    775 x 306 client in the built-in skin's frame), once with the built-in
//    skin's geometry (stretched edges, tiled centre) and once with tiled
//    edges (bound: 2 x each);
//  - the table window's whole picture as its paint composes it: frame,
//    client background, the table's picture and every skinned control's
//    face (TableWindowPicture.h; bound: 2 x the window's pixels);
//  - one morph step of a 75 x 25 button and of a window-sized picture, on
//    every vector path this processor runs, each forced in turn (bound: 4 x;
//    the portable loop is printed for context);
//  - the region of the same window from a 150 x 130 mask (bound: 1 ms;
//    the platform region on Windows, the strips and run scan elsewhere).
// Exits 1 when a figure is out of its bound; "--check" only checks that no
// sanitizer runtime is in the process (see BenchmarkStart.h).
#include "bench/common/BenchmarkStart.h"
#include "bench/common/MachineInfo.h"
#include "bench/paint/TableWindowPicture.h"
#include "platform/portable/Exception.h"
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
#include <memory>
#include <string>
#include <vector>

namespace {

// The table window: the layout's client area inside the built-in skin's
// frame, whose client rectangle (1, 26, 149, 129) in the 150 x 130 picture
// leaves 1 pixel left, right and below and 26 above.
constexpr int TableClientWidth = 775, TableClientHeight = 306;                          // pixels
constexpr int TableWidth = TableClientWidth + 2, TableHeight = TableClientHeight + 27;  // pixels

struct TTimes {
    double Subject = 1e300, Baseline = 1e300;  // ns per call, fastest batch
    double Ratio() const { return Subject / Baseline; }
};

using Clock = std::chrono::steady_clock;

// One batch of calls, in nanoseconds per call.
template <typename F>
double BatchNs(F& f, int perBatch) {
    const auto start = Clock::now();
    for (int i = 0; i < perBatch; ++i) f();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / perBatch;
}

constexpr int Rounds = 40;  // batches of each; the fastest counts

// Times subject and baseline in alternating batches, so that both meet the
// same state of a shared machine.
template <typename S, typename B>
TTimes MeasurePair(S&& subject, B&& baseline, int perBatch) {
    TTimes t;
    for (int round = 0; round < Rounds; ++round) {
        t.Subject = std::min(t.Subject, BatchNs(subject, perBatch));
        t.Baseline = std::min(t.Baseline, BatchNs(baseline, perBatch));
    }
    return t;
}

template <typename F>
double Measure(F&& f, int perBatch) {
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) best = std::min(best, BatchNs(f, perBatch));
    return best;
}

volatile std::uint8_t Sink;

// The baseline: a plain memcpy of a given number of bytes between buffers
// of its own, each call feeding a byte back so that none can be skipped.
struct TCopy {
    std::vector<std::uint8_t> From, To;
    explicit TCopy(std::size_t bytes) : From(bytes, 1), To(bytes) {}
    void operator()() {
        const std::size_t n = From.size();
        std::memcpy(To.data(), From.data(), n);
        From[n / 2] = std::uint8_t(From[n / 2] + To[n / 3]);
        Sink = To[n - 1];
    }
};

// The built-in skin's frame: 150 x 130, client (1, 26, 149, 129), corner
// points (12, 26) (138, 26) (12, 126) (138, 126), every edge stretched, the
// centre tiled.
TSkinImageParams TableFrameSkin(int W, int H) {
    TSkinImageParams p;
    p.SrcRect = Rect(0, 0, 150, 130);
    p.SrcClient = Rect(1, 26, 149, 129);
    p.SrcLT = Point(12, 26);
    p.SrcRT = Point(138, 26);
    p.SrcLB = Point(12, 126);
    p.SrcRB = Point(138, 126);
    p.StretchLeft = p.StretchTop = p.StretchRight = p.StretchBottom = true;
    p.W = W;
    p.H = H;
    CalcSkinGeometry(bsrmNinePart, p);
    return p;
}

// A 150 x 130 skin with tiled edges and a tiled centre: client (20, 25, 130,
// 105), corners at (30, 35) (120, 35) (30, 95) (120, 95).
TSkinImageParams TiledSkin(int W, int H) {
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

// Runs f for about a quarter of a second. A processor that was idle runs
// slowly for a while after waking, and more so for computing than for
// copying: the first figures would be worse than any later ones.
template <typename F>
void WarmUp(F&& f) {
    const auto end = Clock::now() + std::chrono::milliseconds(250);
    while (Clock::now() < end) f();
}

// Times one composition against copying its image's bytes; prints the line
// and returns whether the ratio is within the bound.
bool Composition(const char* what, const TSkinImageParams& p, const TPixelView& skin, double bound) {
    TPixelBuffer image;
    TCopy copy(std::size_t(p.W) * std::size_t(p.H) * 4);
    WarmUp([&] {
        CreateSkinImage(p, skin, image);
        copy();
    });
    const TTimes t = MeasurePair([&] { CreateSkinImage(p, skin, image); }, copy, 20);
    std::printf("CreateSkinImage %dx%d, %s: %.1f us, memcpy %.1f us, ratio %.2f (bound %g)\n", p.W, p.H, what,
                t.Subject / 1000, t.Baseline / 1000, t.Ratio(), bound);
    return t.Ratio() <= bound;
}

// The table window's whole picture composed as a paint composes it, against
// copying the window's pixels.
bool WholeWindow() {
    std::unique_ptr<TTableWindowPicture> picture;
    try {
        picture = std::make_unique<TTableWindowPicture>(RDZ_SOURCE_DIR "/skins/Zevrak/Zevrak.ini");
    } catch (const Exception& e) {
        std::printf("Whole table window: skipped, the built-in skin's folder cannot be read (%s)\n", e.what());
        return true;
    }
    const TPixelBuffer& window = picture->Window();
    TCopy copy(window.Pixels.size() * 4);
    WarmUp([&] {
        picture->Compose();
        copy();
    });
    const TTimes t = MeasurePair([&] { picture->Compose(); }, copy, 10);
    std::printf("Whole table window %dx%d (frame, background, picture, controls): %.1f us, memcpy %.1f us, ratio %.2f "
                "(bound 2)\n",
                window.Width, window.Height, t.Subject / 1000, t.Baseline / 1000, t.Ratio());
    return t.Ratio() <= 2;
}

// One morph step of a width x height picture on the path BlendBytes takes
// now, against copying its bytes. The portable loop has no bound: it runs
// only where the processor offers no vector path.
bool MorphStep(int width, int height, int perBatch) {
    // Two looks of a button: vertical shading, a lighter hot state.
    TRgbBuffer a(width, height), b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            a.Set(x, y, std::uint8_t(30 + 4 * y), std::uint8_t(20 + 3 * y + x % 7), std::uint8_t(10 + 2 * y));
            b.Set(x, y, std::uint8_t(120 + 5 * y), std::uint8_t(110 + 4 * y - x % 5), std::uint8_t(40 + 3 * y));
        }
    double kf = 0;
    TCopy copy(std::size_t(RgbRowSize(width)) * std::size_t(height));
    const auto step = [&] {
        kf = kf >= 1 ? 0 : kf + 0.05;
        MorphRgb(a.View(), b.View(), kf);
    };
    WarmUp([&] {
        step();
        copy();
    });
    const TTimes t = MeasurePair(step, copy, perBatch);
    const bool vector = std::strcmp(BlendBytesPath(), "scalar") != 0;
    std::printf("Morph step %dx%d (%s, forced): %.2f us, memcpy %.2f us, ratio %.2f %s\n", width, height,
                BlendBytesPath(), t.Subject / 1000, t.Baseline / 1000, t.Ratio(),
                vector ? "(bound 4)" : "(portable loop, no bound)");
    return !vector || t.Ratio() <= 4;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = BenchmarkStart("paintbench", argc, argv); status >= 0) return status;
    PrintMachine("paintbench");
    bool ok = true;

    TPixelBuffer skin(150, 130);
    for (std::size_t i = 0; i < skin.Pixels.size(); ++i) skin.Pixels[i] = std::uint32_t(i * 2654435761u);
    ok &= Composition("the table window's frame (stretched edges, tiled centre)",
                      TableFrameSkin(TableWidth, TableHeight), ViewOf(skin), 2);
    ok &= Composition("tiled edges and centre", TiledSkin(TableWidth, TableHeight), ViewOf(skin), 2);

    ok &= WholeWindow();
    for (const std::string& path : BlendBytesPaths()) {
        ForceBlendBytesPath(path);
        ok &= MorphStep(75, 25, 2000);
        ok &= MorphStep(TableWidth, TableHeight, 10);
    }
    ForceBlendBytesPath("");

    const TRgbBuffer mask = FrameMask();
    const TSkinImageParams r = TiledSkin(TableWidth, TableHeight);
#ifdef _WIN32
    auto region = [&] {
        TRegionHandle rgn;
        CreateSkinRegion(rgn, r.SrcLT, r.SrcRT, r.SrcLB, r.SrcRB, r.SrcClient, r.W, r.H, mask.View(), r.DstLT, r.DstRT,
                         r.DstLB, r.DstRB, r.DstClient);
    };
    const char* what = "CreateSkinRegion";
#else
    auto region = [&] {
        TRgbBuffer top, bottom, left, right;
        CreateSkinMaskStrips(r.SrcLT, r.SrcRT, r.SrcLB, r.SrcRB, r.SrcClient, mask.View(), r.DstLT, r.DstRT, r.DstLB,
                             r.DstRB, r.DstClient, r.W, top, bottom, left, right);
        std::vector<std::uint8_t> data[4] = {CreateRegionData(top.View(), 0, 0), CreateRegionData(bottom.View(), 0, 0),
                                             CreateRegionData(left.View(), 0, 0), CreateRegionData(right.View(), 0, 0)};
        Sink = data[0].empty() ? 0 : data[0][8];
    };
    const char* what = "Mask strips and run scan (no platform region)";
#endif
    const double regionNs = Measure(region, 10);
    ok &= regionNs < 1e6;
    std::printf("%s %dx%d from 150x130: %.3f ms (bound 1 ms)\n", what, r.W, r.H, regionNs / 1e6);
    std::printf(ok ? "paintbench: within bounds\n" : "paintbench: OUT OF BOUNDS\n");
    return ok ? 0 : 1;
}
