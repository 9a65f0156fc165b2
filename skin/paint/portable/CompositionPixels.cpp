#include "skin/paint/portable/CompositionPixels.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool Inside(const TRect& r, const TPixelView& picture) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width && r.Bottom <= picture.Height;
}

// Draws a tile grid as the pattern it is: every pixel of the area takes the
// source pixel at its offset from the area's corner modulo the tile size.
// A row a tile height below a drawn one is a copy of that row. The source
// lies inside the picture (the caller checks).
void DrawTileGrid(const TPixelView& dest, const TPixelView& picture, const TTileGrid& grid) {
    const int x0 = std::max(grid.Area.Left, 0), x1 = std::min(grid.Area.Right, dest.Width);
    const int y0 = std::max(grid.Area.Top, 0), y1 = std::min(grid.Area.Bottom, dest.Height);
    if (x0 >= x1 || y0 >= y1) return;
    const int tileW = grid.Src.Width(), tileH = grid.Src.Height();
    const std::size_t rowBytes = std::size_t(x1 - x0) * 4;
    // The first drawn column's offset into its tile; 64 bits: the area may
    // start anywhere an int reaches.
    const int firstColumn = int((std::int64_t(x0) - grid.Area.Left) % tileW);
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* row = dest.Row(y) + x0;
        if (y - tileH >= y0) {
            std::memcpy(row, dest.Row(y - tileH) + x0, rowBytes);
            continue;
        }
        const int sy = grid.Src.Top + int((std::int64_t(y) - grid.Area.Top) % tileH);
        const std::uint32_t* src = picture.Row(sy) + grid.Src.Left;
        int column = firstColumn;
        for (int x = x0; x < x1;) {
            const int n = std::min(tileW - column, x1 - x);
            std::memcpy(row + (x - x0), src + column, std::size_t(n) * 4);
            x += n;
            column = 0;
        }
    }
}

}  // namespace

void DrawSkinBlits(const TPixelView& dest, const TPixelView& picture, const TSkinBlits& blits) {
    if (dest.Empty() || picture.Empty()) return;
    for (std::size_t i = 0; i < blits.size(); ++i) {
        if (const std::optional<TTileGrid> grid = TileGridAt(blits, i); grid && Inside(grid->Src, picture)) {
            DrawTileGrid(dest, picture, *grid);
            i += grid->Count - 1;
            continue;
        }
        const TSkinBlit& b = blits[i];
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
