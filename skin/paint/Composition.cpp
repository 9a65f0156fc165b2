#include "skin/paint/Composition.h"

#include "skin/paint/portable/CompositionPixels.h"

#include <utility>

namespace {

// Sizes dest for drawing; false when there is nothing to draw into.
bool Prepare(TbsBitmap& dest, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (!dest.TrySetSize(width, height)) return false;
    GdiFlush();  // the section's memory is touched directly from here on
    return true;
}

}  // namespace

void CreateSkinImage(const TSkinImageParams& params, const TbsBitmap& Picture, TbsBitmap& Dest) {
    if (!Prepare(Dest, params.W, params.H) || Picture.Empty()) return;
    DrawSkinBlits(Dest.View(), Picture.View(), SkinImageBlits(params));
}

void CreateStretchSkinImage(TbsBitmap& Dest, const TbsBitmap& Picture, const TRect& SrcRect, const TRect& SrcClient,
                            bool DrawClient) {
    CreateSkinImage(StretchSkinImageParams(SrcRect, SrcClient, Dest.Width(), Dest.Height(), DrawClient), Picture,
                    Dest);
}

void CreateHSkinImage(int LeftWidth, int RightWidth, TbsBitmap& Dest, bool StretchMiddle, int W,
                      const TRect& SourceRect, const TbsBitmap& Picture) {
    if (!Prepare(Dest, W, SourceRect.Height())) return;
    DrawSkinBlits(Dest.View(), Picture.View(), HSkinImageBlits(LeftWidth, RightWidth, StretchMiddle, W, SourceRect));
}

void CreateVSkinImage(int TopHeight, int BottomHeight, TbsBitmap& Dest, bool StretchMiddle, int H,
                      const TRect& SourceRect, const TbsBitmap& Picture) {
    if (!Prepare(Dest, SourceRect.Width(), H)) return;
    DrawSkinBlits(Dest.View(), Picture.View(), VSkinImageBlits(TopHeight, BottomHeight, StretchMiddle, H, SourceRect));
}

void CreateSkinBorderImages(const TSkinImageParams& params, const TbsBitmap& Picture, TbsBitmap& TopBmp,
                            TbsBitmap& BottomBmp, TbsBitmap& LeftBmp, TbsBitmap& RightBmp) {
    const TBorderPlan plan = SkinBorderBlits(params, TopBmp.Height(), BottomBmp.Height());
    const std::pair<const TStripPlan*, TbsBitmap*> strips[] = {
        {&plan.Top, &TopBmp}, {&plan.Bottom, &BottomBmp}, {&plan.Left, &LeftBmp}, {&plan.Right, &RightBmp}};
    for (const auto& [strip, bmp] : strips) {
        if (!strip->Make || !Prepare(*bmp, strip->Width, strip->Height)) continue;
        DrawSkinBlits(bmp->View(), Picture.View(), strip->Blits);
    }
}
