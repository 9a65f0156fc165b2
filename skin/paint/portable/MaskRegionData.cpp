#include "skin/paint/portable/MaskRegionData.h"

#include <algorithm>
#include <cstring>

void CollectMaskRuns(const TRgbView& mask, int XOffset, int YOffset, std::vector<TRect>& runs) {
    if (mask.Empty()) return;
    for (int y = 0; y < mask.Height; ++y) {
        const std::uint8_t* row = mask.Row(y);
        auto inside = [row](int x) {
            const std::uint8_t* p = row + std::ptrdiff_t(x) * 3;
            return (p[0] | p[1] | p[2]) == 0;
        };
        int x = 0;
        while (x < mask.Width) {
            if (!inside(x)) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < mask.Width && inside(x)) ++x;
            runs.push_back(Rect(x0 + XOffset, y + YOffset, x + XOffset, y + YOffset + 1));
        }
    }
}

namespace {

void Put32(std::uint8_t* at, std::int32_t value) {
    const std::uint32_t v = std::uint32_t(value);
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

void PutRect(std::uint8_t* at, const TRect& r) {
    Put32(at, r.Left);
    Put32(at + 4, r.Top);
    Put32(at + 8, r.Right);
    Put32(at + 12, r.Bottom);
}

}  // namespace

std::vector<std::uint8_t> MakeRegionData(const std::vector<TRect>& rects, const TRect& bounds) {
    std::vector<std::uint8_t> data(RegionDataHeaderSize + RegionDataRectSize * rects.size(), 0);
    Put32(&data[0], RegionDataHeaderSize);
    Put32(&data[4], 1);  // RDH_RECTANGLES
    Put32(&data[8], std::int32_t(rects.size()));
    Put32(&data[12], 0);
    PutRect(&data[16], bounds);
    for (std::size_t i = 0; i < rects.size(); ++i) PutRect(&data[RegionDataHeaderSize + RegionDataRectSize * i], rects[i]);
    return data;
}

std::vector<std::uint8_t> CreateRegionData(const TRgbView& Mask, int XOffset, int YOffset) {
    if (Mask.Empty()) return {};
    std::vector<TRect> runs;
    runs.reserve(std::size_t(Mask.Height) * 2);
    CollectMaskRuns(Mask, XOffset, YOffset, runs);
    return MakeRegionData(runs, Bounds(XOffset, YOffset, Mask.Width, Mask.Height));
}

TBorderPlan MaskStripBlits(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient, int MW,
                           int MH, TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB, const TRect& DstClient,
                           int W) {
    TBorderPlan plan;
    const TRect& sc = SrcClient;
    const int h = DstClient.Height();
    auto add = [](TStripPlan& strip, const TRect& src, const TRect& dst) {
        if (!src.IsEmpty() && !dst.IsEmpty()) strip.Blits.push_back(TSkinBlit{src, dst, {}});
    };

    // Left and right: tiles from the strip's top, then the two fixed ends.
    auto side = [&](TStripPlan& s, int x0, int x1, int patternTop, int patternBottom) {
        const int sw = x1 - x0;
        if (sw <= 0 || h <= 0) return;
        s = TStripPlan{true, sw, h, {}};
        AppendTilesV(s.Blits, patternTop, patternBottom - patternTop, x0, x1, 0, h, 0, sw);
        if (patternTop - sc.Top > 0) add(s, Rect(x0, sc.Top, x1, patternTop), Rect(0, 0, sw, patternTop - sc.Top));
        if (sc.Bottom - patternBottom > 0)
            add(s, Rect(x0, patternBottom, x1, sc.Bottom), Rect(0, h + patternBottom - sc.Bottom, sw, h));
    };
    side(plan.Left, 0, sc.Left, SrcLT.Y, SrcLB.Y);
    side(plan.Right, sc.Right, MW, SrcRT.Y, SrcRB.Y);

    // Top and bottom: tiles from the left point, cut at the right point, then the ends.
    auto band = [&](TStripPlan& s, int y0, int y1, int left, int right, int dstLeft, int dstRight) {
        const int sh = y1 - y0;
        if (W <= 0 || sh <= 0) return;
        s = TStripPlan{true, W, sh, {}};
        AppendTilesH(s.Blits, left, right - left, y0, y1, dstLeft, dstRight, 0, sh);
        add(s, Rect(0, y0, left, y1), Rect(0, 0, left, sh));
        add(s, Rect(right, y0, MW, y1), Rect(dstRight, 0, W, sh));
    };
    band(plan.Top, 0, sc.Top, SrcLT.X, SrcRT.X, DstLT.X, DstRT.X);
    band(plan.Bottom, sc.Bottom, MH, SrcLB.X, SrcRB.X, DstLB.X, DstRB.X);
    return plan;
}

void CopyRgbBlits(const TRgbView& dest, const TRgbView& source, const TSkinBlits& blits) {
    if (dest.Empty() || source.Empty()) return;
    for (const TSkinBlit& b : blits) {
        // Unscaled: the common size, cut to both pictures.
        int sx = b.Src.Left, sy = b.Src.Top, dx = b.Dst.Left, dy = b.Dst.Top;
        int w = std::min(b.Src.Width(), b.Dst.Width()), h = std::min(b.Src.Height(), b.Dst.Height());
        const int cutLeft = std::max({0, -sx, -dx}), cutTop = std::max({0, -sy, -dy});
        sx += cutLeft, dx += cutLeft, w -= cutLeft;
        sy += cutTop, dy += cutTop, h -= cutTop;
        w = std::min({w, source.Width - sx, dest.Width - dx});
        h = std::min({h, source.Height - sy, dest.Height - dy});
        if (w <= 0 || h <= 0) continue;
        for (int y = 0; y < h; ++y) std::memcpy(dest.Pixel(dx, dy + y), source.Pixel(sx, sy + y), std::size_t(w) * 3);
    }
}

void CreateSkinMaskStrips(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient,
                          const TRgbView& Mask, TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB,
                          const TRect& DstClient, int W, TRgbBuffer& TopMask, TRgbBuffer& BottomMask,
                          TRgbBuffer& LeftMask, TRgbBuffer& RightMask) {
    const TBorderPlan plan = MaskStripBlits(SrcLT, SrcRT, SrcLB, SrcRB, SrcClient, Mask.Width, Mask.Height, DstLT,
                                            DstRT, DstLB, DstRB, DstClient, W);
    const std::pair<const TStripPlan*, TRgbBuffer*> strips[] = {
        {&plan.Left, &LeftMask}, {&plan.Right, &RightMask}, {&plan.Top, &TopMask}, {&plan.Bottom, &BottomMask}};
    for (const auto& [strip, bmp] : strips) {
        if (!strip->Make) continue;
        // Sizes from skin values beyond what a picture may be: no strip, so
        // the region is cut by less (regions never raise).
        if (!PixelSizeFits(strip->Width, strip->Height)) {
            *bmp = TRgbBuffer();
            continue;
        }
        // A new strip starts white (outside): only what a tile or end covers is kept.
        *bmp = TRgbBuffer(strip->Width, strip->Height, 0xFF);
        CopyRgbBlits(bmp->View(), Mask, strip->Blits);
    }
}

TMaskStripOffsets MaskStripOffsets(const TRect& DstClient) {
    return TMaskStripOffsets{Point(0, 0), Point(0, DstClient.Bottom), Point(0, DstClient.Top),
                             Point(DstClient.Right, DstClient.Top)};
}

bool MaskTooLargeForElement(TPoint DstLT, TPoint DstRT, TPoint DstLB) {
    return DstRT.X < DstLT.X || DstLB.Y < DstLT.Y;
}
