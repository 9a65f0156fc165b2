#include "skin/paint/MaskRegion.h"

#include "skin/paint/TbsFBitmap.h"

int CreateRegionData(HBITMAP Mask, int XOffset, int YOffset, std::vector<std::uint8_t>& Data) {
    Data.clear();
    TbsFBitmap mask(Mask);
    Data = CreateRegionData(mask.View(), XOffset, YOffset);
    return int(Data.size());
}

TRegionHandle RegionFromData(const std::vector<std::uint8_t>& data) {
    if (data.size() < std::size_t(RegionDataHeaderSize)) return {};
    return TRegionHandle(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

void CreateRegionFromMask(TRegionHandle& Region, HBITMAP Mask) {
    std::vector<std::uint8_t> data;
    CreateRegionData(Mask, 0, 0, data);
    Region = RegionFromData(data);
}

void CreateSkinMaskStrips(TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB, const TRect& SrcClient, HBITMAP Mask,
                          TPoint DstLT, TPoint DstRT, TPoint DstLB, TPoint DstRB, const TRect& DstClient, int W,
                          TBitmapHandle& TopMask, TBitmapHandle& BottomMask, TBitmapHandle& LeftMask,
                          TBitmapHandle& RightMask) {
    TbsFBitmap mask(Mask);
    if (mask.Empty()) return;
    TRgbBuffer top, bottom, left, right;
    CreateSkinMaskStrips(SrcLT, SrcRT, SrcLB, SrcRB, SrcClient, mask.View(), DstLT, DstRT, DstLB, DstRB, DstClient, W,
                         top, bottom, left, right);
    const std::pair<TRgbBuffer*, TBitmapHandle*> strips[] = {
        {&top, &TopMask}, {&bottom, &BottomMask}, {&left, &LeftMask}, {&right, &RightMask}};
    for (const auto& [pixels, bitmap] : strips)
        if (!pixels->Empty()) *bitmap = BitmapFromRgb(pixels->View());
}

void CreateSkinRegion(TRegionHandle& Region, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB,
                      const TRect& SrcClient, int W, int H, HBITMAP Mask, TPoint DstLT, TPoint DstRT, TPoint DstLB,
                      TPoint DstRB, const TRect& DstClient) {
    TbsFBitmap mask(Mask);
    CreateSkinRegion(Region, SrcLT, SrcRT, SrcLB, SrcRB, SrcClient, W, H, mask.View(), DstLT, DstRT, DstLB, DstRB,
                     DstClient);
}

void CreateSkinRegion(TRegionHandle& Region, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB, TPoint SrcRB,
                      const TRect& SrcClient, int W, int H, const TRgbView& Mask, TPoint DstLT, TPoint DstRT,
                      TPoint DstLB, TPoint DstRB, const TRect& DstClient) {
    (void)H;  // the strips' heights come from the client rectangle and the mask
    Region.Reset();
    if (Mask.Empty() || MaskTooLargeForElement(DstLT, DstRT, DstLB)) return;
    TRgbBuffer top, bottom, left, right;
    CreateSkinMaskStrips(SrcLT, SrcRT, SrcLB, SrcRB, SrcClient, Mask, DstLT, DstRT, DstLB, DstRB, DstClient, W, top,
                         bottom, left, right);
    const TMaskStripOffsets at = MaskStripOffsets(DstClient);
    auto stripRegion = [](const TRgbBuffer& strip, TPoint offset) {
        TRegionHandle region = RegionFromData(CreateRegionData(strip.View(), offset.X, offset.Y));
        // A missing strip counts as empty.
        if (!region) region.Reset(CreateRectRgn(0, 0, 0, 0));
        return region;
    };
    TRegionHandle topRgn = stripRegion(top, at.Top), bottomRgn = stripRegion(bottom, at.Bottom);
    TRegionHandle leftRgn = stripRegion(left, at.Left), rightRgn = stripRegion(right, at.Right);

    if (DstClient.IsEmpty()) return;  // no client rectangle: the element stays unshaped
    TRegionHandle result(CreateRectRgn(DstClient.Left, DstClient.Top, DstClient.Right, DstClient.Bottom));
    if (!result || !topRgn || !bottomRgn || !leftRgn || !rightRgn) return;
    CombineRgn(topRgn.Get(), topRgn.Get(), bottomRgn.Get(), RGN_OR);
    CombineRgn(leftRgn.Get(), leftRgn.Get(), rightRgn.Get(), RGN_OR);
    CombineRgn(leftRgn.Get(), leftRgn.Get(), topRgn.Get(), RGN_OR);
    CombineRgn(result.Get(), result.Get(), leftRgn.Get(), RGN_OR);
    Region = std::move(result);
}

TRegionHandle CreateElementRegion(int Mode, const TRect& SrcRect, const TRect& SrcClient, TPoint SrcLT, TPoint SrcRT,
                                  TPoint SrcLB, TPoint SrcRB, int W, int H, const TRgbView& Mask) {
    TRegionHandle region;
    if (Mask.Empty()) return region;
    const int SW = SrcRect.Width(), SH = SrcRect.Height();
    TRect dstClient = SrcClient;
    TPoint dLT = SrcLT, dRT = SrcRT, dLB = SrcLB, dRB = SrcRB;
    if (Mode != bsrmFixed)
        CalcSkinGeometry(Mode, SrcRect, SrcClient, SrcLT, SrcRT, SrcLB, SrcRB, W, H, dstClient, dLT, dRT, dLB, dRB);
    switch (Mode) {
    case bsrmFixed:
        region = RegionFromData(CreateRegionData(Mask, 0, 0));
        break;
    case bsrmNinePart:
        CreateSkinRegion(region, SrcLT, SrcRT, SrcLB, SrcRB, SrcClient, W, H, Mask, dLT, dRT, dLB, dRB, dstClient);
        break;
    case bsrmHorizontal:
        dLT = dLB = SrcLT;
        dRT = dRB = Point(SaturatedSum(SrcRT.X, SaturatedDifference(W, SW)), SrcRT.Y);
        CreateSkinRegion(region, SrcLT, SrcRT, SrcLT, SrcRT, SrcClient, W, H, Mask, dLT, dRT, dLB, dRB, dstClient);
        break;
    case bsrmVertical:
        dLT = dRT = SrcLT;
        dLB = dRB = Point(SrcLB.X, SaturatedSum(SrcLB.Y, SaturatedDifference(H, SH)));
        CreateSkinRegion(region, SrcLT, SrcLT, SrcLB, SrcLB, SrcClient, W, H, Mask, dLT, dRT, dLB, dRB, dstClient);
        break;
    default:
        break;
    }
    return region;
}
