// TbsSkinForm: painting the skinned frame from the frame picture's strips,
// the plain frame, and the client background.
#include "skin/form/SkinForm.h"

#include <memory>

#include "skin/paint/Composition.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/TbsEffectBmp.h"

void TbsSkinForm::PaintFrame(HDC dc) {
    if (!FOwnerForm->HandleAllocated() || !HasBorder()) return;
    if (FullBorderMode()) {
        FLayerBorder->RedrawCaption();
        return;
    }
    std::unique_ptr<TWindowDc> own;
    if (!dc) {
        own = std::make_unique<TWindowDc>(FOwnerForm->WindowHandle(), true);
        dc = own->Get();
        if (!dc) return;
    }
    if (FSkinLoaded) PaintSkinFrame(dc);
    else PaintPlainFrame(dc);
}

void TbsSkinForm::PaintSkinFrame(HDC dc) {
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FOwnerForm->GetWidth();
        FFormHeight = FOwnerForm->GetHeight();
    }
    // Below the minimum size the frame is not painted (its fixed parts
    // would overlap).
    if (FFormWidth < GetMinFormWidth() || FFormHeight < GetMinFormHeight()) return;
    CalcRects();
    ArrangeObjects();
    const TbsSkinDataCore& skin = *SkinOf(FSkinData);
    const TbsFormInfo& info = skin.FDefinition.FormInfo;
    const TbsBitmap* picture = FramePicture(!FNCActive);
    if (!picture) return;

    TSkinImageParams p;
    p.SrcLT = info.LeftTopPoint;
    p.SrcRT = info.RightTopPoint;
    p.SrcLB = info.LeftBottomPoint;
    p.SrcRB = info.RightBottomPoint;
    p.SrcClient = info.ClientRect;
    p.SrcRect = Rect(0, 0, picture->Width(), picture->Height());
    p.DstLT = FRects.FrameLT;
    p.DstRT = FRects.FrameRT;
    p.DstLB = FRects.FrameLB;
    p.DstRB = FRects.FrameRB;
    p.DstClient = FRects.FrameClientRect;
    p.W = FFormWidth;
    p.H = FFormHeight;
    p.StretchLeft = info.LeftStretch;
    p.StretchTop = info.TopStretch;
    p.StretchRight = info.RightStretch;
    p.StretchBottom = info.BottomStretch;
    TbsBitmap top, bottom, left, right;
    CreateSkinBorderImages(p, *picture, top, bottom, left, right);

    // The objects go into the strip they lie in: the bottom strip's origin
    // is the client rectangle's bottom.
    const TRect& client = FRects.FrameClientRect;
    for (const auto& object : FObjects) {
        if (!object->Visible) continue;
        if (object->ObjectRect.Bottom > client.Top) {
            if (bottom.Empty()) continue;
            const TRect kept = object->ObjectRect;
            object->ObjectRect = OffsetRect(kept, 0, -client.Bottom);
            object->DrawObject(bottom.DC(), false);
            object->ObjectRect = kept;
        } else if (!top.Empty()) {
            object->DrawObject(top.DC(), false);
        }
    }
    GdiFlush();

    TSaveDc saved(dc);
    if (!client.IsEmpty()) ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    const int topHeight = top.Empty() ? 0 : top.Height();
    const struct {
        const TbsBitmap& Strip;
        int X, Y;
    } places[] = {{top, 0, 0},
                  {left, 0, topHeight},
                  {right, FFormWidth - right.Width(), topHeight},
                  {bottom, 0, FFormHeight - bottom.Height()}};
    const bool effect = !FNCActive && info.AutoRenderingInActiveImage;
    for (const auto& place : places) {
        if (place.Strip.Empty()) continue;
        if (!effect) {
            place.Strip.Draw(dc, place.X, place.Y);
            continue;
        }
        TbsEffectBmp image(place.Strip.Handle());
        image.InactiveEffect(info.InActiveEffect);
        image.Draw(dc, place.X, place.Y);
    }
}

void TbsSkinForm::PaintPlainFrame(HDC dc) {
    const int W = FOwnerForm->GetWidth(), H = FOwnerForm->GetHeight();
    const TbsPlainFrameLayout l = PlainFrameLayout(W, H, false, FBorderIcons, {kPlainButtonSize, kPlainButtonSize});
    const int ch = l.CaptionHeight;
    TbsBitmap band;
    if (W - 2 * kPlainBorder <= 0 || !band.TrySetSize(W - 2 * kPlainBorder, ch)) return;
    band.FillRect(Rect(0, 0, band.Width(), ch), clBtnFace);
    HDC b = band.DC();
    // The band's coordinates are the window's less the border.
    const TRect caption = OffsetRect(l.Caption, -kPlainBorder, -kPlainBorder);
    if (ch - 4 > 1) {
        for (int y = 2; y <= ch - 4; ++y) {
            TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB((y - 2) % 2 == 0 ? clBtnHighlight : clBtnShadow)));
            TSelectObject selected(b, pen.Get());
            MoveToEx(b, caption.Left - 1, y, nullptr);
            LineTo(b, caption.Right - 6, y);
        }
    }
    if (OnCaptionPaint) {
        OnCaptionPaint(this, b, caption, FNCActive);
    } else {
        std::string text = FOwnerForm->GetText();
        if (!text.empty() && caption.Width() > 4) {
            TFont& font = FNCActive ? FDefCaptionFont : FDefInActiveCaptionFont;
            TSelectObject selected(b, font.GetHandle());
            ShortenText(b, text, caption.Width() - 4);
            SIZE size{};
            GetTextExtentPoint32A(b, text.c_str(), int(text.size()), &size);
            const int x = caption.Left + caption.Width() / 2 - size.cx / 2;
            const int y = ch / 2 - size.cy / 2;
            band.FillRect(Rect(x - 2, y - 2, x + size.cx + 2, y + size.cy + 2), clBtnFace);
            SetBkMode(b, TRANSPARENT);
            SetTextColor(b, ColorToRGB(font.GetColor()));
            TextOutA(b, x, y, text.c_str(), int(text.size()));
        }
    }
    {
        // The buttons, in the band's coordinates.
        POINT old{};
        SetViewportOrgEx(b, -kPlainBorder, -kPlainBorder, &old);
        for (const auto& object : FObjects)
            if (object->Visible) object->DrawObject(b, false);
        SetViewportOrgEx(b, old.x, old.y, nullptr);
    }
    GdiFlush();

    TSaveDc saved(dc);
    ExcludeClipRect(dc, l.Client.Left, l.Client.Top, l.Client.Right, l.Client.Bottom);
    band.Draw(dc, kPlainBorder, kPlainBorder);
    TRect edge = Rect(0, 0, W, H);
    constexpr TColor cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22);
    const TColor frames[3][2] = {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}, {clBtnFace, clBtnFace}};
    for (const auto& colours : frames) {
        DrawFrame3D(dc, edge, colours[0], colours[1]);
        edge = Rect(edge.Left + 1, edge.Top + 1, edge.Right - 1, edge.Bottom - 1);
    }
}

void TbsSkinForm::PaintClientBackground(HDC dc) {
    if (!dc || !FOwnerForm->HandleAllocated()) return;
    RECT rc{};
    ::GetClientRect(FOwnerForm->WindowHandle(), &rc);
    const int cw = rc.right, ch = rc.bottom;
    TCanvas canvas(dc);
    canvas.Brush().SetColor(clBtnFace);
    if (!FSkinLoaded) {
        canvas.FillRect(Rect(0, 0, cw, ch));
        DrawLogo(dc);
        return;
    }
    const TbsFormInfo& info = SkinOf(FSkinData)->FDefinition.FormInfo;
    const TbsBitmap* picture = nullptr;
    TRect src;
    if (info.BGPictureIndex != -1) {
        // An index outside the picture list draws no background.
        picture = SkinPictures().Bitmap(FSkinData, info.BGPictureIndex);
        if (picture) src = Rect(0, 0, picture->Width(), picture->Height());
    } else if (info.ClientRect.IsEmpty()) {
        canvas.FillRect(Rect(0, 0, cw, ch));
    } else {
        picture = FramePicture();
        src = info.ClientRect;
    }
    if (picture && !src.IsEmpty() && cw > 0 && ch > 0) {
        const int tw = src.Width(), th = src.Height();
        if (info.StretchEffect) {
            switch (info.StretchType) {
                case bsstFull: picture->Draw(dc, Rect(0, 0, cw, ch), src); break;
                case bsstHorz:
                    for (int c = 0, n = cw / tw + 1; c < n; ++c) picture->Draw(dc, Bounds(c * tw, 0, tw, ch), src);
                    break;
                case bsstVert:
                    for (int r = 0, n = ch / th + 1; r < n; ++r) picture->Draw(dc, Bounds(0, r * th, cw, th), src);
                    break;
            }
        } else {
            // PERF: one blit per tile; a pattern brush would fill in one call.
            const TbsTileGrid grid = BackgroundTiles(cw, ch, tw, th);
            for (int r = 0; r < grid.Rows; ++r)
                for (int c = 0; c < grid.Columns; ++c) picture->Draw(dc, grid.Tile(c, r), src);
        }
    }
    DrawLogo(dc);
}

void TbsSkinForm::DrawLogo(HDC dc) {
    if (FLogoBitmap.Empty() || !FOwnerForm->HandleAllocated()) return;
    RECT rc{};
    ::GetClientRect(FOwnerForm->WindowHandle(), &rc);
    const int x = std::max(0, int(rc.right) / 2 - FLogoBitmap.Width() / 2);
    const int y = std::max(0, int(rc.bottom) / 2 - FLogoBitmap.Height() / 2);
    FLogoBitmap.SetTransparent(FLogoBitmapTransparent);
    FLogoBitmap.Draw(dc, x, y);
}
