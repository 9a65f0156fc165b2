#include "skin/form/portable/LayerBorderGeometry.h"

#include <algorithm>

namespace {

int TopHeightOf(const TbsLayerBorderMetrics& m) { return std::max(m.LeftTop.Y, m.RightTop.Y); }
// The bottom strip's height in the picture, before any cut.
int FullBottomHeightOf(const TbsLayerBorderMetrics& m) {
    return std::max(0, m.PictureHeight - std::min(m.LeftBottom.Y, m.RightBottom.Y));
}

void Add(TSkinBlits& blits, const TRect& src, const TRect& dst) {
    if (src.IsEmpty() || dst.IsEmpty()) return;
    blits.push_back(TSkinBlit{src, dst, TRect{}});
}

// A horizontal strip: rows [srcTop, srcTop + h) of the picture, the corners
// up to leftX and from rightX copied, the middle stretched to width.
TSkinBlits HorizontalStrip(const TbsLayerBorderMetrics& m, int width, int srcTop, int h, int leftX, int rightX) {
    TSkinBlits blits;
    if (width <= 0 || h <= 0) return blits;
    const int PW = m.PictureWidth;
    const int rightW = PW - rightX;
    Add(blits, TRect{0, srcTop, leftX, srcTop + h}, TRect{0, 0, leftX, h});
    Add(blits, TRect{rightX, srcTop, PW, srcTop + h}, TRect{width - rightW, 0, width, h});
    Add(blits, TRect{leftX, srcTop, rightX, srcTop + h}, TRect{leftX, 0, width - rightW, h});
    return blits;
}

// A side strip of width x height from the picture's column [srcLeft,
// srcLeft + width) between the top and bottom strips: stretched, or repeated
// downward with the last copy cut (the clip keeps it inside the strip).
TSkinBlits SideStrip(const TbsLayerBorderMetrics& m, int srcLeft, int width, int height) {
    TSkinBlits blits;
    if (width <= 0 || height <= 0) return blits;
    const TRect src{srcLeft, TopHeightOf(m), srcLeft + width, m.PictureHeight - FullBottomHeightOf(m)};
    if (src.IsEmpty()) return blits;
    if (m.FullStretch) {
        Add(blits, src, TRect{0, 0, width, height});
        return blits;
    }
    const int step = src.Height();
    for (int y = 0; y < height; y += step) {
        const TRect dst{0, y, width, y + step};
        if (dst.Bottom <= height) Add(blits, src, dst);
        else blits.push_back(TSkinBlit{src, dst, TRect{0, 0, width, height}});
    }
    return blits;
}

}  // namespace

TRect LayerBorderRect(const TbsLayerBorderMetrics& m, const TRect& form, int formHeight) {
    const TRect& cr = m.ClientRect;
    const int left = form.Left + m.LeftOffset - cr.Left;
    const int top = form.Top + m.TopOffset - cr.Top;
    const int width = form.Width() + m.WidthOffset + m.PictureWidth - cr.Width();
    const int height = formHeight + m.HeightOffset + m.PictureHeight - cr.Height();
    return TRect{left, top, left + std::max(0, width), top + std::max(0, height)};
}

TbsLayerPieceSizes LayerPieceSizes(const TbsLayerBorderMetrics& m, int width, int height) {
    TbsLayerPieceSizes s;
    if (width <= 0 || height <= 0) return s;
    s.TopHeight = std::min(TopHeightOf(m), height);
    s.BottomHeight = std::min(FullBottomHeightOf(m), height - s.TopHeight);
    s.LeftWidth = std::max(0, m.ClientRect.Left);
    s.RightWidth = std::max(0, m.PictureWidth - m.ClientRect.Right);
    s.SideHeight = std::max(0, height - s.TopHeight - s.BottomHeight);
    return s;
}

TSkinBlits LayerTopPieceBlits(const TbsLayerBorderMetrics& m, int width, int height) {
    const TbsLayerPieceSizes s = LayerPieceSizes(m, width, height);
    return HorizontalStrip(m, width, 0, s.TopHeight, m.LeftTop.X, m.RightTop.X);
}

TSkinBlits LayerBottomPieceBlits(const TbsLayerBorderMetrics& m, int width, int height) {
    const TbsLayerPieceSizes s = LayerPieceSizes(m, width, height);
    // A cut strip keeps the lower rows of the picture's strip: the outer edge.
    return HorizontalStrip(m, width, m.PictureHeight - s.BottomHeight, s.BottomHeight, m.LeftBottom.X,
                           m.RightBottom.X);
}

TSkinBlits LayerLeftPieceBlits(const TbsLayerBorderMetrics& m, int width, int height) {
    const TbsLayerPieceSizes s = LayerPieceSizes(m, width, height);
    return SideStrip(m, 0, s.LeftWidth, s.SideHeight);
}

TSkinBlits LayerRightPieceBlits(const TbsLayerBorderMetrics& m, int width, int height) {
    const TbsLayerPieceSizes s = LayerPieceSizes(m, width, height);
    return SideStrip(m, m.ClientRect.Right, s.RightWidth, s.SideHeight);
}

TbsLayerWindowPlaces LayerWindowPlaces(const TbsLayerBorderMetrics& m, const TRect& border) {
    const TbsLayerPieceSizes s = LayerPieceSizes(m, border.Width(), border.Height());
    TbsLayerWindowPlaces p;
    const int L = border.Left, T = border.Top, W = border.Width(), H = border.Height();
    if (s.TopHeight > 0) p.Top = TRect{L, T, L + W, T + s.TopHeight};
    if (s.BottomHeight > 0) p.Bottom = TRect{L, T + H - s.BottomHeight, L + W, T + H};
    if (s.SideHeight > 0) {
        const int sideTop = T + s.TopHeight;
        if (s.LeftWidth > 0) p.Left = TRect{L, sideTop, L + s.LeftWidth, sideTop + s.SideHeight};
        if (s.RightWidth > 0) p.Right = TRect{L + W - s.RightWidth, sideTop, L + W, sideTop + s.SideHeight};
    }
    return p;
}

TbsLayerHitMetrics LayerHitMetrics(const TRect& borderRect, const TRect& clientRect, TPoint hitLT, TPoint hitRT,
                                   TPoint hitLB, TPoint hitRB, const TRect& captionRect, int hitTestSize) {
    TbsLayerHitMetrics h;
    h.ClientRect = clientRect;
    h.CaptionRect = captionRect;
    h.HitTestSize = hitTestSize;
    if (borderRect.IsEmpty()) return h;
    const TRect& br = borderRect;
    h.Left = clientRect.Left - br.Left;
    h.Top = clientRect.Top - br.Top;
    h.Right = br.Right - clientRect.Right;
    h.Bottom = br.Bottom - clientRect.Bottom;
    h.TopLeftCorner = TPoint{hitLT.X - br.Left, hitLT.Y - br.Top};
    h.TopRightCorner = TPoint{br.Right - hitRT.X, hitRT.Y - br.Top};
    h.BottomLeftCorner = TPoint{hitLB.X - br.Left, br.Bottom - hitLB.Y};
    h.BottomRightCorner = TPoint{br.Right - hitRB.X, br.Bottom - hitRB.Y};
    return h;
}

int LayerHitTest(const TbsLayerHitMetrics& h, TbsLayerSide side, TPoint p, int width, int height, int formWidth,
                 bool sizing) {
    if (p.X < 0 || p.Y < 0 || p.X >= width || p.Y >= height) return bsfhNowhere;
    const TRect& cr = h.ClientRect;
    // The zone starts where "borderrect" starts: the border's own outer
    // margin (CR.Left - h.Left from the picture's left, and so on) is dead.
    const int zoneLeft = cr.Left - h.Left;                           // in the border's coordinates
    const int zoneRight = cr.Left + formWidth + h.Right;             // exclusive
    const auto sized = [sizing](int code) { return sizing ? code : int(bsfhNowhere); };
    switch (side) {
        case lsLeft:
            return p.X >= zoneLeft ? sized(bsfhLeft) : int(bsfhNowhere);
        case lsRight:
            return p.X < h.Right ? sized(bsfhRight) : int(bsfhNowhere);
        case lsTop: {
            const int zoneTop = cr.Top - h.Top;
            if (p.Y < zoneTop || p.X < zoneLeft || p.X >= zoneRight) return bsfhNowhere;
            if (p.X < zoneLeft + h.TopLeftCorner.X && p.Y < zoneTop + h.TopLeftCorner.Y) return sized(bsfhTopLeft);
            if (p.X >= zoneRight - h.TopRightCorner.X && p.Y < zoneTop + h.TopRightCorner.Y)
                return sized(bsfhTopRight);
            if (p.Y < zoneTop + h.HitTestSize) return sized(bsfhTop);
            // The caption zone widens with the form.
            const int captionRight = h.CaptionRect.Right + (formWidth - cr.Width());
            if (!h.CaptionRect.IsEmpty() && p.X >= h.CaptionRect.Left && p.X < captionRight &&
                p.Y >= std::max(h.CaptionRect.Top, zoneTop + h.HitTestSize) && p.Y < h.CaptionRect.Bottom)
                return bsfhCaption;
            if (p.X < cr.Left) return sized(bsfhLeft);
            if (p.X >= cr.Left + formWidth) return sized(bsfhRight);
            return bsfhNowhere;
        }
        case lsBottom: {
            // Every row of the bottom window counts: its strip lies below
            // the form, within the border's bottom margin.
            if (p.X < zoneLeft || p.X >= zoneRight) return bsfhNowhere;
            if (p.X < zoneLeft + h.BottomLeftCorner.X) return sized(bsfhBottomLeft);
            if (p.X >= zoneRight - h.BottomRightCorner.X) return sized(bsfhBottomRight);
            if (p.X < cr.Left) return sized(bsfhLeft);
            if (p.X >= cr.Left + formWidth) return sized(bsfhRight);
            return sized(bsfhBottom);
        }
    }
    return bsfhNowhere;
}
