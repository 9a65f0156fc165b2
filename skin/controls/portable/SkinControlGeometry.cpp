#include "skin/controls/portable/SkinControlGeometry.h"

TbsSkinControlGeometry SkinControlGeometryOf(const TbsDataSkinControl* record) {
    TbsSkinControlGeometry g;
    const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(record);
    if (custom == nullptr) return g;
    g.PictureIndex = custom->PictureIndex;
    g.MaskPictureIndex = custom->MaskPictureIndex;
    g.SrcRect = custom->SkinRect;
    g.SrcClient = custom->ClientRect;
    g.SrcLT = custom->LeftTopPoint;
    g.SrcRT = custom->RightTopPoint;
    g.SrcLB = custom->LeftBottomPoint;
    g.SrcRB = custom->RightBottomPoint;
    g.StretchLeft = custom->LeftStretch;
    g.StretchTop = custom->TopStretch;
    g.StretchRight = custom->RightStretch;
    g.StretchBottom = custom->BottomStretch;
    g.StretchCenter = custom->StretchEffect;
    g.StretchKind = custom->StretchType;
    g.ResizeMode = GetSkinResizeMode(g.SrcRect, g.SrcLT, g.SrcRT, g.SrcLB, g.SrcRB);
    return g;
}

void CalcSkinSize(const TbsSkinControlGeometry& skin, int& width, int& height, TbsSkinSizedGeometry& sized) {
    if (skin.ResizeMode == bsrmNoSkin) return;
    CalcSkinGeometry(skin.ResizeMode, skin.SrcRect, skin.SrcClient, skin.SrcLT, skin.SrcRT, skin.SrcLB, skin.SrcRB,
                     width, height, sized.DstClient, sized.DstLT, sized.DstRT, sized.DstLB, sized.DstRB);
}

TbsSkinBoundsChange SkinBoundsFor(const TbsSkinControlGeometry& skin, bool bound, int width, int height,
                                  int requestedWidth, int requestedHeight, TbsSkinSizedGeometry& sized) {
    TbsSkinBoundsChange change{requestedWidth, requestedHeight, false};
    change.Changed = bound && (requestedWidth != width || requestedHeight != height);
    if (change.Changed) CalcSkinSize(skin, change.Width, change.Height, sized);
    return change;
}

TbsSkinBoundsChange SizeAfterSkinChange(const TbsSkinControlGeometry& skin, bool bound, int width, int height,
                                        int defaultWidth, int defaultHeight, TbsSkinSizedGeometry& sized) {
    TbsSkinBoundsChange change{width, height, false};
    if (bound) {
        CalcSkinSize(skin, change.Width, change.Height, sized);
    } else {
        if (defaultWidth > 0) change.Width = defaultWidth;
        if (defaultHeight > 0) change.Height = defaultHeight;
    }
    change.Changed = change.Width != width || change.Height != height;
    return change;
}

TSkinImageParams SkinImageParamsOf(const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, int width,
                                   int height) {
    TSkinImageParams p;
    p.SrcLT = skin.SrcLT;
    p.SrcRT = skin.SrcRT;
    p.SrcLB = skin.SrcLB;
    p.SrcRB = skin.SrcRB;
    p.SrcClient = skin.SrcClient;
    p.SrcRect = skin.SrcRect;
    p.DstLT = sized.DstLT;
    p.DstRT = sized.DstRT;
    p.DstLB = sized.DstLB;
    p.DstRB = sized.DstRB;
    p.DstClient = sized.DstClient;
    p.W = width;
    p.H = height;
    p.StretchLeft = skin.StretchLeft;
    p.StretchTop = skin.StretchTop;
    p.StretchRight = skin.StretchRight;
    p.StretchBottom = skin.StretchBottom;
    p.StretchCenter = skin.StretchCenter;
    p.StretchKind = skin.StretchKind;
    p.DrawClient = true;
    return p;
}

TbsThreePartEnds HorizontalEnds(const TbsSkinControlGeometry& skin) {
    return {skin.SrcLT.X, SaturatedDifference(skin.SkinWidth(), skin.SrcRT.X)};
}

TbsThreePartEnds VerticalEnds(const TbsSkinControlGeometry& skin) {
    return {skin.SrcLT.Y, SaturatedDifference(skin.SkinHeight(), skin.SrcLB.Y)};
}

namespace {

// Bounds that cannot overflow: the sized client of a hostile skin may end
// near the end of the int range.
TRect Span(int x, int y, int w, int h) { return Rect(x, y, SaturatedSum(x, w), SaturatedSum(y, h)); }

}  // namespace

std::vector<TRect> FrameBackgroundTiles(const TRect& SrcClient, const TRect& DstClient, bool StretchCenter,
                                        TbsStretchKind StretchKind) {
    std::vector<TRect> tiles;
    const int cw = SrcClient.Width(), ch = SrcClient.Height();
    if (cw <= 0 || ch <= 0 || DstClient.IsEmpty()) return tiles;
    const int dw = DstClient.Width(), dh = DstClient.Height();
    const int across = dw / cw, down = dh / ch;  // the last index, inclusive
    const int x0 = DstClient.Left, y0 = DstClient.Top;
    if (!StretchCenter) {
        tiles.reserve(std::size_t(across + 1) * std::size_t(down + 1));
        for (int j = 0; j <= down; ++j)
            for (int i = 0; i <= across; ++i) tiles.push_back(Span(x0 + i * cw, y0 + j * ch, cw, ch));
        return tiles;
    }
    switch (StretchKind) {
    case bsstFull:
        tiles.push_back(DstClient);
        break;
    case bsstHorz:
        for (int i = 0; i <= across; ++i) tiles.push_back(Span(x0 + i * cw, y0, cw, dh));
        break;
    case bsstVert:
        for (int j = 0; j <= down; ++j) tiles.push_back(Span(x0, y0 + j * ch, dw, ch));
        break;
    }
    return tiles;
}
