#include "skin/paint/portable/SkinGeometry.h"

#include <algorithm>

int GetSkinResizeMode(const TRect& SrcRect, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB) {
    (void)SrcLT;
    if (SrcRect.IsEmpty()) return bsrmNoSkin;
    if (SrcRB.X != 0 && SrcRB.Y != 0) return bsrmNinePart;
    if (SrcRT.X != 0 || SrcRT.Y != 0) return bsrmHorizontal;
    if (SrcLB.X != 0 || SrcLB.Y != 0) return bsrmVertical;
    return bsrmFixed;
}

void CalcSkinGeometry(int Mode, const TRect& SrcRect, const TRect& SrcClient, TPoint SrcLT, TPoint SrcRT,
                      TPoint SrcLB, TPoint SrcRB, int& W, int& H, TRect& DstClient, TPoint& DstLT, TPoint& DstRT,
                      TPoint& DstLB, TPoint& DstRB) {
    const int SW = SrcRect.Width(), SH = SrcRect.Height();
    switch (Mode) {
    case bsrmFixed:
        W = SW;
        H = SH;
        DstClient = SrcClient;
        break;
    case bsrmNinePart: {
        const int dW = SaturatedDifference(W, SW), dH = SaturatedDifference(H, SH);
        DstLT = SrcLT;
        DstRT = Point(SaturatedSum(SrcRT.X, dW), SrcRT.Y);
        DstLB = Point(SrcLB.X, SaturatedSum(SrcLB.Y, dH));
        DstRB = Point(SaturatedSum(SrcRB.X, dW), SaturatedSum(SrcRB.Y, dH));
        DstClient = Rect(SrcClient.Left, SrcClient.Top, SaturatedSum(SrcClient.Right, dW),
                         SaturatedSum(SrcClient.Bottom, dH));
        break;
    }
    case bsrmHorizontal:
        H = SH;
        DstLT = SrcLT;
        DstRT = Point(SaturatedSum(SrcRT.X, SaturatedDifference(W, SW)), SrcRT.Y);
        DstClient = SrcClient;
        DstClient.Right = SaturatedSum(DstClient.Right, SaturatedDifference(W, SW));
        break;
    case bsrmVertical:
        W = SW;
        DstLT = SrcLT;
        DstLB = Point(SrcLB.X, SaturatedSum(SrcLB.Y, SaturatedDifference(H, SH)));
        DstClient = SrcClient;
        DstClient.Bottom = SaturatedSum(DstClient.Bottom, SaturatedDifference(H, SH));
        break;
    default:
        break;
    }
}

namespace {

void Add(TSkinBlits& out, const TRect& src, const TRect& dst, const TRect& clip = NullRect()) {
    if (src.IsEmpty() || dst.IsEmpty()) return;
    out.push_back(TSkinBlit{src, dst, clip});
}

}  // namespace

void AppendTilesH(TSkinBlits& out, int s0, int L, int sy0, int sy1, int d0, int d1, int dy0, int dy1) {
    if (L <= 0) return;
    const int N = (d1 - d0) / L;
    if (N < 0) return;
    for (int k = 0; k <= N; ++k) {
        const int x0 = d0 + k * L;
        const int over = std::max(x0 + L - d1, 0);
        Add(out, Rect(s0, sy0, s0 + L - over, sy1), Rect(x0, dy0, x0 + L - over, dy1));
    }
}

void AppendTilesV(TSkinBlits& out, int s0, int L, int sx0, int sx1, int d0, int d1, int dx0, int dx1) {
    if (L <= 0) return;
    const int N = (d1 - d0) / L;
    if (N < 0) return;
    for (int k = 0; k <= N; ++k) {
        const int y0 = d0 + k * L;
        const int over = std::max(y0 + L - d1, 0);
        Add(out, Rect(sx0, s0, sx1, s0 + L - over), Rect(dx0, y0, dx1, y0 + L - over));
    }
}

TSkinBlits SkinImageBlits(const TSkinImageParams& p) {
    TSkinBlits out;
    if (p.SrcRB.X == p.SrcLT.X || p.SrcRB.Y == p.SrcLT.Y) return out;
    const int SW = p.SrcRect.Width(), SH = p.SrcRect.Height();
    const int W = p.W, H = p.H;
    const TRect& sc = p.SrcClient;
    const TRect& dc = p.DstClient;
    TSkinBlits local;  // in SrcRect-relative source coordinates, moved at the end

    // Edges: stretched, or tiled from the first corner point and cut at the second.
    if (p.StretchTop)
        Add(local, Rect(p.SrcLT.X, 0, p.SrcRT.X, sc.Top), Rect(p.DstLT.X, 0, p.DstRT.X, dc.Top));
    else
        AppendTilesH(local, p.SrcLT.X, p.SrcRT.X - p.SrcLT.X, 0, sc.Top, p.DstLT.X, p.DstRT.X, 0, dc.Top);
    if (p.StretchBottom)
        Add(local, Rect(p.SrcLB.X, sc.Bottom, p.SrcRB.X, SH), Rect(p.DstLB.X, dc.Bottom, p.DstRB.X, H));
    else
        AppendTilesH(local, p.SrcLB.X, p.SrcRB.X - p.SrcLB.X, sc.Bottom, SH, p.DstLB.X, p.DstRB.X, dc.Bottom, H);
    if (p.StretchLeft)
        Add(local, Rect(0, p.SrcLT.Y, sc.Left, p.SrcLB.Y), Rect(0, p.DstLT.Y, dc.Left, p.DstLB.Y));
    else
        AppendTilesV(local, p.SrcLT.Y, p.SrcLB.Y - p.SrcLT.Y, 0, sc.Left, p.DstLT.Y, p.DstLB.Y, 0, dc.Left);
    if (p.StretchRight)
        Add(local, Rect(sc.Right, p.SrcRT.Y, SW, p.SrcRB.Y), Rect(dc.Right, p.DstRT.Y, W, p.DstRB.Y));
    else
        AppendTilesV(local, p.SrcRT.Y, p.SrcRB.Y - p.SrcRT.Y, sc.Right, SW, p.DstRT.Y, p.DstRB.Y, dc.Right, W);

    // Corners 1 to 8, unscaled, over the edges.
    Add(local, Rect(0, 0, p.SrcLT.X, sc.Top), Rect(0, 0, p.DstLT.X, dc.Top));
    Add(local, Rect(0, sc.Top, sc.Left, p.SrcLT.Y), Rect(0, dc.Top, dc.Left, p.DstLT.Y));
    Add(local, Rect(p.SrcRT.X, 0, SW, sc.Top), Rect(p.DstRT.X, 0, W, dc.Top));
    Add(local, Rect(sc.Right, sc.Top, SW, p.SrcRT.Y), Rect(dc.Right, dc.Top, W, p.DstRT.Y));
    Add(local, Rect(0, p.SrcLB.Y, sc.Left, SH), Rect(0, p.DstLB.Y, dc.Left, H));
    Add(local, Rect(sc.Left, sc.Bottom, p.SrcLB.X, SH), Rect(dc.Left, dc.Bottom, p.DstLB.X, H));
    Add(local, Rect(p.SrcRB.X, sc.Bottom, SW, SH), Rect(p.DstRB.X, dc.Bottom, W, H));
    Add(local, Rect(sc.Right, p.SrcRB.Y, SW, sc.Bottom), Rect(dc.Right, p.DstRB.Y, W, dc.Bottom));

    if (p.DrawClient) {
        const int G = sc.Width(), K = sc.Height();
        const int NW = dc.Width(), NH = dc.Height();
        if (!p.StretchCenter) {
            // Column by column, each column top to bottom; the last ones cut.
            if (G > 0 && K > 0 && NW / G >= 0) {
                for (int i = 0; i <= NW / G; ++i) {
                    const int overX = std::max(G * (i + 1) - NW, 0);
                    for (int j = 0; j <= NH / K; ++j) {
                        const int overY = std::max(K * (j + 1) - NH, 0);
                        Add(local, Rect(sc.Left, sc.Top, sc.Right - overX, sc.Bottom - overY),
                            Rect(dc.Left + G * i, dc.Top + K * j, dc.Left + G * i + G - overX,
                                 dc.Top + K * (j + 1) - overY));
                    }
                }
            }
        } else if (G > 0 && K > 0 && NW > 0 && NH > 0) {
            switch (p.StretchKind) {
            case bsstFull:
                Add(local, sc, dc);
                break;
            case bsstHorz:  // repeated across, stretched down, cut by the clip
                for (int k = 0; k <= NW / G; ++k)
                    Add(local, sc, Rect(dc.Left + k * G, dc.Top, dc.Left + (k + 1) * G, dc.Bottom), dc);
                break;
            case bsstVert:  // repeated down, stretched across, cut by the clip
                for (int k = 0; k <= NH / K; ++k)
                    Add(local, sc, Rect(dc.Left, dc.Top + k * K, dc.Right, dc.Top + (k + 1) * K), dc);
                break;
            }
        }
    }

    out.reserve(local.size());
    for (TSkinBlit b : local) {
        b.Src = OffsetRect(b.Src, p.SrcRect.Left, p.SrcRect.Top);
        out.push_back(b);
    }
    return out;
}

TSkinImageParams StretchSkinImageParams(const TRect& SrcRect, const TRect& SrcClient, int W, int H, bool DrawClient) {
    TSkinImageParams p;
    const TRect& R = SrcClient;
    p.SrcRect = SrcRect;
    p.SrcClient = R;
    p.SrcLT = Point(R.Left, R.Top);
    p.SrcRT = Point(R.Right, R.Top);
    p.SrcLB = Point(R.Left, R.Bottom);
    p.SrcRB = Point(R.Right, R.Bottom);
    p.DstClient = Rect(R.Left, R.Top, W - (SrcRect.Width() - R.Right), H - (SrcRect.Height() - R.Bottom));
    p.DstLT = Point(p.DstClient.Left, p.DstClient.Top);
    p.DstRT = Point(p.DstClient.Right, p.DstClient.Top);
    p.DstLB = Point(p.DstClient.Left, p.DstClient.Bottom);
    p.DstRB = Point(p.DstClient.Right, p.DstClient.Bottom);
    p.W = W;
    p.H = H;
    p.StretchLeft = p.StretchTop = p.StretchRight = p.StretchBottom = true;
    p.StretchCenter = true;
    p.StretchKind = bsstFull;
    p.DrawClient = DrawClient;
    return p;
}

TSkinBlits HSkinImageBlits(int LeftWidth, int RightWidth, bool StretchMiddle, int W, const TRect& SourceRect) {
    TSkinBlits out;
    const TRect& S = SourceRect;
    const int h = S.Height();
    if (LeftWidth != 0) Add(out, Rect(S.Left, S.Top, S.Left + LeftWidth, S.Bottom), Rect(0, 0, LeftWidth, h));
    if (RightWidth != 0) Add(out, Rect(S.Right - RightWidth, S.Top, S.Right, S.Bottom), Rect(W - RightWidth, 0, W, h));
    const TRect M = Rect(S.Left + LeftWidth, S.Top, S.Right - RightWidth, S.Bottom);
    if (StretchMiddle)
        Add(out, M, Rect(LeftWidth, 0, W - RightWidth, h));
    else
        AppendTilesH(out, M.Left, M.Width(), M.Top, M.Bottom, LeftWidth, W - RightWidth, 0, h);
    return out;
}

TSkinBlits VSkinImageBlits(int TopHeight, int BottomHeight, bool StretchMiddle, int H, const TRect& SourceRect) {
    TSkinBlits out;
    const TRect& S = SourceRect;
    const int w = S.Width();
    if (TopHeight != 0) Add(out, Rect(S.Left, S.Top, S.Right, S.Top + TopHeight), Rect(0, 0, w, TopHeight));
    if (BottomHeight != 0)
        Add(out, Rect(S.Left, S.Bottom - BottomHeight, S.Right, S.Bottom), Rect(0, H - BottomHeight, w, H));
    const TRect M = Rect(S.Left, S.Top + TopHeight, S.Right, S.Bottom - BottomHeight);
    if (StretchMiddle)
        Add(out, M, Rect(0, TopHeight, w, H - BottomHeight));
    else
        AppendTilesV(out, M.Top, M.Height(), M.Left, M.Right, TopHeight, H - BottomHeight, 0, w);
    return out;
}

TBorderPlan SkinBorderBlits(const TSkinImageParams& p, int TopHeightBefore, int BottomHeightBefore) {
    TBorderPlan plan;
    const int SW = p.SrcRect.Width(), SH = p.SrcRect.Height();
    const int W = p.W, H = p.H;
    const TRect& sc = p.SrcClient;
    const TRect& dc = p.DstClient;
    const int ox = p.SrcRect.Left, oy = p.SrcRect.Top;
    auto add = [&](TStripPlan& strip, TRect src, TRect dst) { Add(strip.Blits, OffsetRect(src, ox, oy), dst); };

    // Horizontal strips: tiles from the strip's x = 0, the ends drawn over them.
    const int topH = dc.Top;
    if (W > 0 && topH > 0 && p.SrcRT.X - p.SrcLT.X > 0) {
        TStripPlan& s = plan.Top;
        s = TStripPlan{true, W, topH, {}};
        if (p.StretchTop)
            add(s, Rect(p.SrcLT.X, 0, p.SrcRT.X, topH), Rect(p.DstLT.X, 0, p.DstRT.X, topH));
        else
            AppendTilesH(s.Blits, ox + p.SrcLT.X, p.SrcRT.X - p.SrcLT.X, oy, oy + topH, 0, W, 0, topH);
        add(s, Rect(0, 0, p.SrcLT.X, topH), Rect(0, 0, p.DstLT.X, topH));
        add(s, Rect(p.SrcRT.X, 0, SW, topH), Rect(p.DstRT.X, 0, W, topH));
    }
    const int B = H - dc.Bottom;
    if (W > 0 && B > 0 && p.SrcRB.X - p.SrcLB.X > 0) {
        TStripPlan& s = plan.Bottom;
        s = TStripPlan{true, W, B, {}};
        if (p.StretchBottom)
            add(s, Rect(p.SrcLB.X, SH - B, p.SrcRB.X, SH), Rect(p.DstLB.X, 0, p.DstRB.X, B));
        else
            AppendTilesH(s.Blits, ox + p.SrcLB.X, p.SrcRB.X - p.SrcLB.X, oy + SH - B, oy + SH, 0, W, 0, B);
        add(s, Rect(0, SH - B, p.SrcLB.X, SH), Rect(0, 0, p.DstLB.X, B));
        add(s, Rect(p.SrcRB.X, SH - B, SW, SH), Rect(p.DstRB.X, 0, W, B));
    }

    // Vertical strips: as tall as what the two horizontal strips leave.
    const int MH = H - (plan.Bottom.Make ? plan.Bottom.Height : BottomHeightBefore) -
                   (plan.Top.Make ? plan.Top.Height : TopHeightBefore);
    const int upperLeft = p.SrcLT.Y - sc.Top, lowerLeft = sc.Bottom - p.SrcLB.Y;
    if (dc.Left > 0 && MH > 0 && p.SrcLB.Y - p.SrcLT.Y > 0) {
        TStripPlan& s = plan.Left;
        s = TStripPlan{true, dc.Left, MH, {}};
        if (p.StretchLeft)
            add(s, Rect(0, p.SrcLT.Y, dc.Left, p.SrcLB.Y), Rect(0, upperLeft, dc.Left, MH - lowerLeft));
        else
            AppendTilesV(s.Blits, oy + p.SrcLT.Y, p.SrcLB.Y - p.SrcLT.Y, ox, ox + dc.Left, 0, MH, 0, dc.Left);
        if (upperLeft > 0) add(s, Rect(0, sc.Top, dc.Left, p.SrcLT.Y), Rect(0, 0, dc.Left, upperLeft));
        if (lowerLeft > 0) add(s, Rect(0, p.SrcLB.Y, dc.Left, sc.Bottom), Rect(0, MH - lowerLeft, dc.Left, MH));
    }
    const int R = W - dc.Right;
    const int upperRight = p.SrcRT.Y - sc.Top, lowerRight = sc.Bottom - p.SrcRB.Y;
    if (R >= 1 && MH >= 1 && p.SrcRB.Y - p.SrcRT.Y >= 1) {
        TStripPlan& s = plan.Right;
        s = TStripPlan{true, R, MH, {}};
        if (p.StretchRight)
            add(s, Rect(sc.Right, p.SrcRT.Y, SW, p.SrcRB.Y), Rect(0, upperRight, R, MH - lowerRight));
        else
            AppendTilesV(s.Blits, oy + p.SrcRT.Y, p.SrcRB.Y - p.SrcRT.Y, ox + sc.Right, ox + SW, 0, MH, 0, R);
        if (upperRight > 0) add(s, Rect(sc.Right, sc.Top, SW, p.SrcRT.Y), Rect(0, 0, R, upperRight));
        if (lowerRight > 0) add(s, Rect(sc.Right, p.SrcRB.Y, SW, sc.Bottom), Rect(0, MH - lowerRight, R, MH));
    }
    return plan;
}

namespace {

bool IsPlainCopy(const TSkinBlit& b) {
    return b.Clip.IsEmpty() && !b.Src.IsEmpty() && b.Src.Width() == b.Dst.Width() &&
           b.Src.Height() == b.Dst.Height();
}

}  // namespace

std::optional<TTileGrid> TileGridAt(const TSkinBlits& blits, std::size_t first) {
    if (first >= blits.size() || !IsPlainCopy(blits[first])) return std::nullopt;
    const TSkinBlit& b0 = blits[first];
    // The run: plain copies from the same source corner.
    std::size_t end = first + 1;
    int tileW = b0.Src.Width(), tileH = b0.Src.Height();
    TRect area = b0.Dst;
    while (end < blits.size() && IsPlainCopy(blits[end]) && blits[end].Src.Left == b0.Src.Left &&
           blits[end].Src.Top == b0.Src.Top) {
        const TSkinBlit& b = blits[end];
        tileW = std::max(tileW, b.Src.Width());
        tileH = std::max(tileH, b.Src.Height());
        area.Left = std::min(area.Left, b.Dst.Left);
        area.Top = std::min(area.Top, b.Dst.Top);
        area.Right = std::max(area.Right, b.Dst.Right);
        area.Bottom = std::max(area.Bottom, b.Dst.Bottom);
        ++end;
    }
    const std::size_t count = end - first;
    if (count < 2) return std::nullopt;
    // Every step in its cell, of the cell's size; then, as many steps as
    // cells and no cell twice, the area is covered exactly once.
    const std::int64_t cols = (std::int64_t(area.Width()) + tileW - 1) / tileW;
    const std::int64_t rows = (std::int64_t(area.Height()) + tileH - 1) / tileH;
    if (cols * rows != std::int64_t(count)) return std::nullopt;
    std::vector<bool> seen(count);
    for (std::size_t i = first; i < end; ++i) {
        const TSkinBlit& b = blits[i];
        const std::int64_t dx = std::int64_t(b.Dst.Left) - area.Left, dy = std::int64_t(b.Dst.Top) - area.Top;
        if (dx % tileW != 0 || dy % tileH != 0) return std::nullopt;
        if (b.Src.Width() != std::min<std::int64_t>(tileW, std::int64_t(area.Right) - b.Dst.Left) ||
            b.Src.Height() != std::min<std::int64_t>(tileH, std::int64_t(area.Bottom) - b.Dst.Top))
            return std::nullopt;
        const std::size_t cell = std::size_t((dy / tileH) * cols + dx / tileW);
        if (seen[cell]) return std::nullopt;
        seen[cell] = true;
    }
    const TRect src = Rect(b0.Src.Left, b0.Src.Top, b0.Src.Left + tileW, b0.Src.Top + tileH);
    return TTileGrid{src, area, count};
}
