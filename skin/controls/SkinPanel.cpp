#include "skin/controls/SkinPanel.h"

#include <cstdlib>
#include <vector>

#include <windowsx.h>

#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/GraphicSkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/portable/SkinSubRect.h"

namespace {

// Draws `part` of picture over dst by FrameBackgroundTiles, clipped to dst.
// Nothing for an empty part or dst.
void TilePart(HDC dc, const TbsBitmap& picture, const TRect& part, const TRect& dst, bool stretch,
              TbsStretchKind kind) {
    const std::vector<TRect> tiles = FrameBackgroundTiles(part, dst, stretch, kind);
    if (tiles.empty()) return;
    TSaveDc save(dc);
    IntersectClipRect(dc, dst.Left, dst.Top, dst.Right, dst.Bottom);
    for (const TRect& r : tiles) picture.Draw(dc, r, part);
}

// A one-pixel 3-D frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void Frame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.Width() < 1 || r.Height() < 1) return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(topLeft);
    canvas.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
    canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
    canvas.Brush().SetColor(bottomRight);
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
}

}  // namespace

void DrawBevelFrame(TCanvas& canvas, const TRect& r, TBevelStyle style) {
    switch (style) {
        case TBevelStyle::bvFrame: Frame3D(canvas, r, clBtnShadow, clBtnShadow); break;
        case TBevelStyle::bvRaised: Frame3D(canvas, r, clBtnHighlight, clBtnShadow); break;
        case TBevelStyle::bvLowered: Frame3D(canvas, r, clBtnShadow, clBtnHighlight); break;
        case TBevelStyle::bvNone: break;
    }
}

// ---- TbsSkinPanel -------------------------------------------------------------------------

TbsSkinPanel::TbsSkinPanel(TComponent* AOwner) : TbsSkinCustomControl(AOwner) {
    SetSkinDataName("panel");
    FForcedBackground = true;
    SetBounds(GetLeft(), GetTop(), 150, 150);
}

void TbsSkinPanel::CreateParams(TCreateParams& params) {
    TbsSkinCustomControl::CreateParams(params);
    // The panel's paint leaves its windowed children alone: drawn over
    // first and then repainted, they would flicker at every repaint of the
    // panel (a group box, the status bar).
    params.Style |= WS_CLIPCHILDREN;
    // The keyboard walks into the panel's controls and back out, both ways
    // and around the end of the form's tab order.
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TbsSkinPanel::SetEmptyDrawing(bool value) {
    if (value == FEmptyDrawing) return;
    FEmptyDrawing = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::SetRibbonStyle(bool value) {
    if (value == FRibbonStyle) return;
    FRibbonStyle = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::SetTransparentMode(bool value) {
    if (value == FTransparentMode) return;
    FTransparentMode = value;
    Invalidate();
}

void TbsSkinPanel::SetDefaultAlignment(TAlignment value) {
    if (value == FDefaultAlignment) return;
    FDefaultAlignment = value;
    Invalidate();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int value) {
    if (value == FDefaultCaptionHeight) return;
    FDefaultCaptionHeight = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::SetBorderStyle(TBevelStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::SetCaptionMode(bool value) {
    if (value == FCaptionMode) return;
    FCaptionMode = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::SetUseSkinSize(bool value) {
    if (value == FUseSkinSize) return;
    FUseSkinSize = value;
    Realign();
    Invalidate();
}

void TbsSkinPanel::TextChanged() {
    if (FCaptionMode) Invalidate();
}

// ---- binding and layout ------------------------------------------------------------------

void TbsSkinPanel::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinPanelControl>(GetSkinData(), GetSkinRecordIndex());
    if (!record) {
        FPanel = {};
        return;
    }
    FPanel.BGPictureIndex = record->BGPictureIndex;
    FPanel.CaptionRect = record->CaptionRect;
    FPanel.Alignment = record->Alignment;
    FPanel.Font = record->Font;
    FPanel.CheckImageRect = record->CheckImageRect;
    FPanel.UnCheckImageRect = record->UnCheckImageRect;
    FPanel.FrameRect = record->FrameRect;
    FPanel.FrameTextRect = record->FrameTextRect;
    FPanel.FrameLeftOffset = record->FrameLeftOffset;
    FPanel.FrameRightOffset = record->FrameRightOffset;
    // A client area that ends above the caption leaves no frame to draw
    // around it: such a record composes as a whole.
    FForcedBackground = !(FSkin.SrcClient.Bottom <= record->CaptionRect.Top);
}

void TbsSkinPanel::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    if (FRollUpState) SetBounds(GetLeft(), GetTop(), GetWidth(), RolledHeight());
    Realign();
}

void TbsSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const bool moved = ALeft != GetLeft() || ATop != GetTop();
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (GetSkinRecordIndex() == -1) Invalidate();
    if (moved && FTransparentMode) {
        Invalidate();
        Broadcast(WM_PARENTBGCHANGED, 0, 0);
    }
}

void TbsSkinPanel::ParentBackgroundChanged() {
    if (!FTransparentMode) return;
    Invalidate();
    Broadcast(WM_PARENTBGCHANGED, 0, 0);
}

TRect TbsSkinPanel::ChildArea() {
    TRect area = GetClientRect();
    AdjustClientRect(area);
    return area;
}

void TbsSkinPanel::AdjustClientRect(TRect& rect) {
    if (FEmptyDrawing) return;
    FetchSkinRecord();
    const bool bound = GetSkinRecordIndex() != -1;
    if (!bound) {
        if (FBorderStyle != TBevelStyle::bvNone) rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        if (FCaptionMode) {
            if (FRibbonStyle) {
                rect.Bottom -= FDefaultCaptionHeight;
            } else {
                rect.Top += FDefaultCaptionHeight;
            }
        }
        return;
    }
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);  // only the sized geometry is kept
    if (FPanel.BGPictureIndex == -1 &&
        (FBorderStyle != TBevelStyle::bvNone || FCaptionMode || FSkin.ResizeMode != bsrmNinePart))
        rect = FSized.DstClient;
    if (!FUseSkinSize && FCaptionMode) {
        if (FRibbonStyle) {
            rect.Bottom = GetHeight() - FDefaultCaptionHeight;
        } else {
            rect.Top = FDefaultCaptionHeight;
        }
    }
}

// ---- painting -------------------------------------------------------------------------------

void TbsSkinPanel::Paint(TCanvas& canvas) {
    if (GetWidth() < 1 || GetHeight() < 1 || FEmptyDrawing) return;
    FetchSkinRecord();
    if (GetSkinRecordIndex() == -1) {
        PaintThroughSkinBitmap(canvas);
        return;
    }
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);  // only the sized geometry is kept
    if (FTransparentMode) {
        PaintTransparent(canvas);
        return;
    }
    if (!FUseSkinSize && FCaptionMode) {
        PaintSkinWithPlainBand(canvas);
        return;
    }
    if (!FForcedBackground && FSkin.StretchCenter) {
        PaintThroughSkinBitmap(canvas);
        return;
    }
    if (FBorderStyle == TBevelStyle::bvNone && FSkin.ResizeMode == bsrmNinePart && !FCaptionMode &&
        FForcedBackground) {
        // The skin's client area alone, over the whole panel.
        PaintThroughSkinBitmap(canvas);
        return;
    }
    if (FPanel.BGPictureIndex == -1) {
        TbsSkinCustomControl::Paint(canvas);
        return;
    }
    // The record's frame with the background picture over the sized client area.
    const TbsBitmap* picture = SkinPictureBitmap();
    if (picture && FForcedBackground && FSkin.ResizeMode == bsrmNinePart) {
        PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [&](TbsBitmap& bitmap) {
            DrawBackgroundPicture(bitmap.DC());
            PaintSkinFrame(bitmap.DC(), FSkin, FSized, GetWidth(), GetHeight(), *picture, false,
                           [this](TbsBitmap& top) { PaintSkin(top); });
        });
        return;
    }
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [this](TbsBitmap& bitmap) {
        PaintSkin(bitmap);
        DrawBackgroundPicture(bitmap.DC());
    });
}

void TbsSkinPanel::DrawBackgroundPicture(HDC dc) {
    const TbsBitmap* background = SkinPictures().Bitmap(GetSkinData(), FPanel.BGPictureIndex);
    if (!background || background->Empty()) return;
    TilePart(dc, *background, Rect(0, 0, background->Width(), background->Height()), FSized.DstClient,
             FSkin.StretchCenter, FSkin.StretchKind);
}

void TbsSkinPanel::PaintTransparent(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [this](TbsBitmap& bitmap) {
        DrawParentImage(bitmap.DC());
        if (!FCaptionMode) return;
        FCaptionRect = FPanel.CaptionRect;
        if (HasCaptionLine() && !FCaptionRect.IsEmpty()) DrawSkinCaption(bitmap, FCaptionRect);
        const TbsSkinDataCore* skin = SkinOf(GetSkinData());
        TCanvas& c = bitmap.Canvas();
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(skin ? skin->GetSkinColors().BtnShadow : TColor(clBtnShadow));
        c.FrameRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    });
}

void TbsSkinPanel::PaintSkin(TbsBitmap& bitmap) {
    if (FBorderStyle != TBevelStyle::bvNone || FSkin.ResizeMode != bsrmNinePart || FCaptionMode ||
        FSkin.StretchCenter) {
        TbsSkinCustomControl::PaintSkin(bitmap);
        if (!FUseSkinSize) return;
        FCaptionRect = SkinCaptionRectForSize();
        if (HasCaptionLine() && !FCaptionRect.IsEmpty()) DrawSkinCaption(bitmap, FCaptionRect);
        return;
    }
    // The skin's client area tiled over the whole panel, the border left out.
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!picture) {
        PaintNoSkin(bitmap);
        return;
    }
    TilePart(bitmap.DC(), *picture, OffsetRect(FSkin.SrcClient, FSkin.SrcRect.Left, FSkin.SrcRect.Top),
             Rect(0, 0, bitmap.Width(), bitmap.Height()), FSkin.StretchCenter, FSkin.StretchKind);
}

void TbsSkinPanel::DrawSkinCaption(TbsBitmap& bitmap, TRect r) {
    DrawCaptionLine(bitmap, LayoutLine(bitmap.Canvas(), r, false), false);
}

void TbsSkinPanel::PaintNoSkin(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    const int W = bitmap.Width(), H = bitmap.Height();
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, W, H));
    DrawBevelFrame(canvas, Rect(0, 0, W, H), FBorderStyle);
    if (!FCaptionMode) return;

    const TRect band = PlainCaptionBand(W, H);
    Frame3D(canvas, band, clBtnHighlight, clBtnShadow);
    Frame3D(canvas, Rect(band.Left + 1, band.Top + 1, band.Right - 1, band.Bottom - 1), clBtnHighlight,
            clBtnShadow);
    DrawCaptionLine(bitmap, LayoutLine(canvas, band, true), true);
}

// ---- TbsSkinGroupBox ------------------------------------------------------------------------

TbsSkinGroupBox::TbsSkinGroupBox(TComponent* AOwner) : TbsSkinPanel(AOwner) {
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
}

// ---- TbsSkinStatusBar -----------------------------------------------------------------------

TbsSkinStatusBar::TbsSkinStatusBar(TComponent* AOwner) : TbsSkinPanel(AOwner) {
    SetSkinDataName("statusbar");
    SetBorderStyle(TBevelStyle::bvNone);
    FForcedBackground = false;
    SetBounds(GetLeft(), GetTop(), GetWidth(), 21);
    SetAlign(TAlign::alBottom);
}

void TbsSkinStatusBar::FetchSkinRecord() {
    TbsSkinPanel::FetchSkinRecord();
    // The bar composes its record as a whole.
    FForcedBackground = false;
    const auto* record = SkinControlRecordAs<TbsDataSkinPanelControl>(GetSkinData(), GetSkinRecordIndex());
    FGripperRect = record ? record->GripperRect : TRect{};
    FGripperTransparent = record && record->GripperTransparent;
    FGripperTransparentColor = record ? record->GripperTransparentColor : 0;
}

void TbsSkinStatusBar::SetSizeGrip(bool value) {
    if (value == FSizeGrip) return;
    FSizeGrip = value;
    Realign();
    Invalidate();
}

TRect TbsSkinStatusBar::GripRect() {
    if (!FSizeGrip) return {};
    FetchSkinRecord();
    const int W = GetWidth(), H = GetHeight();
    const bool image = GetSkinRecordIndex() != -1 && !FGripperRect.IsEmpty();
    const int gw = image ? FGripperRect.Width() : kPlainGripSize;
    const int gh = image ? FGripperRect.Height() : kPlainGripSize;
    return Rect(W - gw, H - gh, W, H);
}

void TbsSkinStatusBar::AdjustClientRect(TRect& rect) {
    TbsSkinPanel::AdjustClientRect(rect);
    if (FSizeGrip) rect.Right -= GripRect().Width();
}

void TbsSkinStatusBar::PaintSkin(TbsBitmap& bitmap) {
    TbsSkinPanel::PaintSkin(bitmap);
    DrawGrip(bitmap);
}

void TbsSkinStatusBar::PaintNoSkin(TbsBitmap& bitmap) {
    TbsSkinPanel::PaintNoSkin(bitmap);
    DrawGrip(bitmap);
}

void TbsSkinStatusBar::DrawGrip(TbsBitmap& bitmap) {
    if (!FSizeGrip || bitmap.Empty()) return;
    const TRect grip = GripRect();
    const TbsBitmap* picture = SkinPictureBitmap();
    if (picture && !FGripperRect.IsEmpty()) {
        TbsBitmap image;
        if (!image.TrySetSize(FGripperRect.Width(), FGripperRect.Height())) return;
        picture->Draw(image.DC(), Rect(0, 0, image.Width(), image.Height()), FGripperRect);
        if (FGripperTransparent) image.SetTransparentColor(FGripperTransparentColor);
        image.Draw(bitmap.DC(), grip.Left, grip.Top);
        return;
    }
    const TbsSkinDataCore* skin = GetSkinRecordIndex() != -1 ? SkinOf(GetSkinData()) : nullptr;
    const TColor highlight = skin ? skin->GetSkinColors().BtnHighlight : TColor(clBtnHighlight);
    const TColor shadow = skin ? skin->GetSkinColors().BtnShadow : TColor(clBtnShadow);
    // Diagonals from the bottom edge to the right edge, every 3 pixels: a
    // shadow line with a highlight line beside it.
    TCanvas& canvas = bitmap.Canvas();
    for (int d = 1; d < grip.Width(); d += 3) {
        for (int i = 0; i < d; ++i) {
            const int x = grip.Right - d + i, y = grip.Bottom - 1 - i;
            canvas.SetPixel(x, y, shadow);
            if (x - 1 >= grip.Left) canvas.SetPixel(x - 1, y, highlight);
        }
    }
}

LRESULT TbsSkinStatusBar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCHITTEST && FSizeGrip) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (HWND wnd = WindowHandle()) ScreenToClient(wnd, &p);
        const TRect grip = GripRect();
        if (p.x >= grip.Left && p.x < grip.Right && p.y >= grip.Top && p.y < grip.Bottom) return HTBOTTOMRIGHT;
        return HTCLIENT;
    }
    return TbsSkinPanel::WndProc(msg, wParam, lParam);
}

void TbsSkinStatusBar::SetSkinData(TbsSkinData* value) {
    TbsSkinPanel::SetSkinData(value);
    for (int i = 0; i < GetControlCount(); ++i)
        if (auto* child = dynamic_cast<TbsSkinControl*>(GetControl(i))) {
            child->SetSkinData(value);
        } else if (auto* graphic = dynamic_cast<TbsGraphicSkinControl*>(GetControl(i))) {
            graphic->SetSkinData(value);
        }
}
