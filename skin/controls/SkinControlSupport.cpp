#include "skin/controls/SkinControlSupport.h"

#include <algorithm>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "skin/paint/Composition.h"

bool TbsSkinLink::Forget(TComponent* component) {
    if (component && component == HintImageList) HintImageList = nullptr;
    if (!component || component != SkinData) return false;
    SkinData = nullptr;
    SkinRecordIndex = -1;
    return true;
}

void TbsSkinLink::SetSkinData(TComponent& self, TbsSkinData* value) {
    if (SkinData && SkinData != value && SkinData != HintImageList) self.RemoveFreeNotification(SkinData);
    SkinData = value;
    if (value) self.FreeNotification(value);
}

void TbsSkinLink::SetHintImageList(TComponent& self, TComponent* value) {
    if (HintImageList && HintImageList != value && HintImageList != SkinData) self.RemoveFreeNotification(HintImageList);
    HintImageList = value;
    if (value) self.FreeNotification(value);
}

namespace {

// A plain copy (alpha included) of source's part `from` into dest at (0, 0);
// what lies outside source stays as dest held it.
void CopyPart(const TbsBitmap& source, const TRect& from, TbsBitmap& dest) {
    GdiFlush();
    const int left = std::max(from.Left, 0), top = std::max(from.Top, 0);
    const int right = std::min(from.Right, source.Width()), bottom = std::min(from.Bottom, source.Height());
    for (int y = top; y < bottom && y - from.Top < dest.Height(); ++y) {
        const int count = std::min(right, from.Left + dest.Width()) - left;
        if (count <= 0) return;
        std::copy_n(source.PixelPtr(left, y), count, dest.PixelPtr(left - from.Left, y - from.Top));
    }
}

}  // namespace

void PaintButtonFace(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// PERF: under wine a window's paint costs a dozen round trips to the
// server whatever it draws; panels and labels that take no input could be
// drawn into their parent's buffer instead of windows of their own.
void PaintThroughBitmap(HDC dc, int W, int H, TbsBitmap& buffer, const std::function<void(TbsBitmap&)>& draw) {
    if (!dc || W < 1 || H < 1) return;
    if (!buffer.TryRecycle(W, H)) return;
    draw(buffer);
    buffer.Draw(dc, 0, 0);
}

bool ComposeSkinFace(const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, bool forcedBackground,
                     int W, int H, const TbsBitmap& picture, TbsBitmap& bitmap) {
    switch (skin.ResizeMode) {
        case bsrmFixed:
            if (!bitmap.TrySetSize(skin.SkinWidth(), skin.SkinHeight())) return false;
            CopyPart(picture, skin.SrcRect, bitmap);
            return true;
        case bsrmNinePart:
            if (forcedBackground) return false;
            CreateSkinImage(SkinImageParamsOf(skin, sized, W, H), picture, bitmap);
            return true;
        case bsrmHorizontal: {
            const TbsThreePartEnds ends = HorizontalEnds(skin);
            CreateHSkinImage(ends.First, ends.Last, bitmap, skin.StretchCenter, W, skin.SrcRect, picture);
            return true;
        }
        case bsrmVertical: {
            const TbsThreePartEnds ends = VerticalEnds(skin);
            CreateVSkinImage(ends.First, ends.Last, bitmap, skin.StretchCenter, H, skin.SrcRect, picture);
            return true;
        }
        default:
            return false;
    }
}

void PaintSkinFrame(HDC dc, const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, int W, int H,
                    const TbsBitmap& picture, bool drawBackground, const std::function<void(TbsBitmap& top)>& paintTop) {
    if (!dc || W < 1 || H < 1) return;
    TbsBitmap top, bottom, left, right;
    CreateSkinBorderImages(SkinImageParamsOf(skin, sized, W, H), picture, top, bottom, left, right);
    if (paintTop) paintTop(top);

    if (drawBackground) {
        const std::vector<TRect> tiles =
            FrameBackgroundTiles(skin.SrcClient, sized.DstClient, skin.StretchCenter, skin.StretchKind);
        TbsBitmap tile;
        if (!tiles.empty() && tile.TrySetSize(skin.SrcClient.Width(), skin.SrcClient.Height())) {
            CopyPart(picture, OffsetRect(skin.SrcClient, skin.SrcRect.Left, skin.SrcRect.Top), tile);
            TSaveDc save(dc);
            const TRect& c = sized.DstClient;
            IntersectClipRect(dc, c.Left, c.Top, c.Right, c.Bottom);
            const TRect whole = Rect(0, 0, tile.Width(), tile.Height());
            for (const TRect& r : tiles) tile.Draw(dc, r, whole);
        }
    }

    top.Draw(dc, 0, 0);
    left.Draw(dc, 0, top.Height());
    right.Draw(dc, W - right.Width(), top.Height());
    bottom.Draw(dc, 0, H - bottom.Height());
}
