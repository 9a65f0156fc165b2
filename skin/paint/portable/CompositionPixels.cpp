#include "skin/paint/portable/CompositionPixels.h"

#include <algorithm>
#include <utility>

void DrawSkinBlits(const TPixelView& dest, const TPixelView& picture, const TSkinBlits& blits) {
    if (dest.Empty() || picture.Empty()) return;
    for (const TSkinBlit& b : blits) {
        if (b.Clip.IsEmpty()) {
            CombinePixels(dest, b.Dst, picture, b.Src, TCombineMode::cmCopy);
            continue;
        }
        // Clipping: draw into the part of dest under the clip, in its coordinates.
        TRect clip = b.Clip;
        clip.Left = std::max(clip.Left, 0);
        clip.Top = std::max(clip.Top, 0);
        clip.Right = std::min(clip.Right, dest.Width);
        clip.Bottom = std::min(clip.Bottom, dest.Height);
        if (clip.IsEmpty()) continue;
        const TPixelView part{dest.Row(clip.Top) + clip.Left, clip.Width(), clip.Height(), dest.Stride};
        CombinePixels(part, OffsetRect(b.Dst, -clip.Left, -clip.Top), picture, b.Src, TCombineMode::cmCopy);
    }
}

void ResizePixels(TPixelBuffer& buffer, int width, int height) {
    if (width < 0 || !PixelSizeFits(width, height)) width = 0;
    if (height < 0) height = 0;
    if (buffer.Width == width && buffer.Height == height) return;
    buffer = TPixelBuffer(width, height);
}

void CreateSkinImage(const TSkinImageParams& params, const TPixelView& Picture, TPixelBuffer& Dest) {
    ResizePixels(Dest, params.W, params.H);
    // An image that cannot be made (or holds nothing) lists no steps: the
    // tile lists grow with the requested size, not the buffer's.
    if (Dest.Empty() || Picture.Empty()) return;
    DrawSkinBlits(ViewOf(Dest), Picture, SkinImageBlits(params));
}

void CreateStretchSkinImage(TPixelBuffer& Dest, const TPixelView& Picture, const TRect& SrcRect,
                            const TRect& SrcClient, bool DrawClient) {
    CreateSkinImage(StretchSkinImageParams(SrcRect, SrcClient, Dest.Width, Dest.Height, DrawClient), Picture, Dest);
}

void CreateHSkinImage(int LeftWidth, int RightWidth, TPixelBuffer& Dest, bool StretchMiddle, int W,
                      const TRect& SourceRect, const TPixelView& Picture) {
    ResizePixels(Dest, W, SourceRect.Height());
    if (Dest.Empty()) return;
    DrawSkinBlits(ViewOf(Dest), Picture, HSkinImageBlits(LeftWidth, RightWidth, StretchMiddle, W, SourceRect));
}

void CreateVSkinImage(int TopHeight, int BottomHeight, TPixelBuffer& Dest, bool StretchMiddle, int H,
                      const TRect& SourceRect, const TPixelView& Picture) {
    ResizePixels(Dest, SourceRect.Width(), H);
    if (Dest.Empty()) return;
    DrawSkinBlits(ViewOf(Dest), Picture, VSkinImageBlits(TopHeight, BottomHeight, StretchMiddle, H, SourceRect));
}

void CreateSkinBorderImages(const TSkinImageParams& params, const TPixelView& Picture, TPixelBuffer& TopBmp,
                            TPixelBuffer& BottomBmp, TPixelBuffer& LeftBmp, TPixelBuffer& RightBmp) {
    const TBorderPlan plan = SkinBorderBlits(params, TopBmp.Height, BottomBmp.Height);
    const std::pair<const TStripPlan*, TPixelBuffer*> strips[] = {
        {&plan.Top, &TopBmp}, {&plan.Bottom, &BottomBmp}, {&plan.Left, &LeftBmp}, {&plan.Right, &RightBmp}};
    for (const auto& [strip, bmp] : strips) {
        if (!strip->Make) continue;
        ResizePixels(*bmp, strip->Width, strip->Height);
        if (bmp->Empty()) continue;
        DrawSkinBlits(ViewOf(*bmp), Picture, strip->Blits);
    }
}
