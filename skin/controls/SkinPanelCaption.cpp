// TbsSkinPanel's caption line: its properties (image, glyph, check mode,
// roll-up), where its parts go, how they are drawn with and without a
// skin, and the clicks on the check image and the roll-up button.
#include <cstdlib>
#include <utility>

#include "platform/Handles.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/SkinData.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/portable/SkinSubRect.h"

namespace {

// The plain check box's side, and where it starts in the band. // pixels
constexpr int kPlainCheckBoxSize = 14;
constexpr int kPlainCheckBoxLeft = 5;
// A skin without check images shows a plain box this size. // pixels
constexpr int kSkinCheckBoxSize = 13;
// The plain band's text keeps this far from the band's sides: the double
// frame and 2 pixels. // pixels
constexpr int kPlainTextInset = 4;
// Arrow directions of DrawSmallArrow.
constexpr int kArrowUp = 3, kArrowDown = 4;

bool HasListImage(HIMAGELIST images, int index) {
    return images && index >= 0 && index < ImageList_GetImageCount(images);
}

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

// ---- properties ------------------------------------------------------------------------------

void TbsSkinPanel::SetImagePosition(TbsImagePosition value) {
    if (value == FImagePosition) return;
    FImagePosition = value;
    Invalidate();
}

void TbsSkinPanel::SetCaptionImageList(HIMAGELIST value) {
    if (value == FCaptionImageList) return;
    FCaptionImageList = value;
    Invalidate();
}

void TbsSkinPanel::SetCaptionImageIndex(int value) {
    if (value == FCaptionImageIndex) return;
    FCaptionImageIndex = value;
    Invalidate();
}

void TbsSkinPanel::SetGlyph(const TbsBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TbsSkinPanel::SetNumGlyphs(int value) {
    if (value < 1 || value == FNumGlyphs) return;
    FNumGlyphs = value;
    Invalidate();
}

void TbsSkinPanel::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    Invalidate();
}

void TbsSkinPanel::SetCheckedMode(bool value) {
    if (value == FCheckedMode) return;
    FCheckedMode = value;
    if (!IsLoading()) ApplyCheckedToChildren();
    Invalidate();
}

void TbsSkinPanel::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (!IsLoading()) ApplyCheckedToChildren();
    Invalidate();
    if (FOnChecked) FOnChecked(this);
}

void TbsSkinPanel::SetAutoEnabledControls(bool value) {
    if (value == FAutoEnabledControls) return;
    FAutoEnabledControls = value;
    if (!IsLoading()) ApplyCheckedToChildren();
}

void TbsSkinPanel::ApplyCheckedToChildren() {
    if (!FCheckedMode || !FAutoEnabledControls) return;
    for (int i = 0; i < GetControlCount(); ++i) GetControl(i)->SetEnabled(FChecked);
}

void TbsSkinPanel::SetRollUpMode(bool value) {
    if (value == FRollUpMode) return;
    FRollUpMode = value;
    if (!value && !IsLoading()) SetRollUpState(false);
    Invalidate();
}

int TbsSkinPanel::RolledHeight() {
    FetchSkinRecord();
    const bool skinned = GetSkinRecordIndex() != -1 && FUseSkinSize;
    const int captionBottom = skinned ? SkinCaptionRectForSize().Bottom : 0;
    return RolledUpHeight(skinned, FSkin.ResizeMode, FSkin.SrcLT.Y, FSkin.SkinHeight() - FSkin.SrcLB.Y, captionBottom,
                          FDefaultCaptionHeight, FRealHeight > 0 ? FRealHeight : GetHeight());
}

void TbsSkinPanel::SetRollUpState(bool value) {
    if (value == FRollUpState) return;
    FRollUpState = value;
    if (IsLoading()) return;  // Loaded rolls up
    if (value) {
        FRealHeight = GetHeight();
        FRolledUpHidden.clear();
        for (int i = 0; i < GetControlCount(); ++i) {
            TControl* child = GetControl(i);
            if (!child->GetVisible()) continue;
            FRolledUpHidden.push_back(child);
            child->SetVisible(false);
        }
        SetBounds(GetLeft(), GetTop(), GetWidth(), RolledHeight());
    } else {
        const int height = FRealHeight > 0 ? FRealHeight : GetHeight();
        FRealHeight = -1;
        SetBounds(GetLeft(), GetTop(), GetWidth(), height);
        // Only children that are still here: a hidden one may have gone.
        for (int i = 0; i < GetControlCount(); ++i) {
            TControl* child = GetControl(i);
            for (const TControl* hidden : FRolledUpHidden)
                if (hidden == child) child->SetVisible(true);
        }
        FRolledUpHidden.clear();
    }
    Invalidate();
    if (FOnChangeRollUpState) FOnChangeRollUpState(this);
}

void TbsSkinPanel::Loaded() {
    TbsSkinCustomControl::Loaded();
    ApplyCheckedToChildren();
    if (FRollUpState) {
        // A stored RealHeight is the height to come back to.
        const int stored = FRealHeight;
        FRollUpState = false;
        SetRollUpState(true);
        if (stored > 0) FRealHeight = stored;
    }
}

void TbsSkinPanel::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

// ---- layout of the line --------------------------------------------------------------------

bool TbsSkinPanel::HasCaptionLine() const {
    return !GetCaption().empty() || FCheckedMode || FRollUpMode || !CaptionImageSize().Empty();
}

TRect TbsSkinPanel::PlainCaptionBand(int W, int H) const {
    return FRibbonStyle ? Rect(0, H - FDefaultCaptionHeight, W, H) : Rect(0, 0, W, FDefaultCaptionHeight);
}

TRect TbsSkinPanel::SkinCaptionRectForSize() {
    if (FSkin.ResizeMode == bsrmFixed || FSkin.ResizeMode == bsrmNoSkin || FTransparentMode) return FPanel.CaptionRect;
    return MapSkinSubRect(FPanel.CaptionRect, FSkin.ResizeMode, FSkin.SrcRect, FSkin.SrcLT, FSkin.SrcRT, FSkin.SrcLB,
                          FSkin.SrcRB, GetWidth(), GetHeight());
}

TbsExtent TbsSkinPanel::CaptionImageSize() const {
    if (HasListImage(FCaptionImageList, FCaptionImageIndex)) {
        int w = 0, h = 0;
        ImageList_GetIconSize(FCaptionImageList, &w, &h);
        return {w, h};
    }
    if (FGlyph.Empty()) return {};
    return {FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
}

TbsExtent TbsSkinPanel::CheckImageSize(bool plain) const {
    if (!FCheckedMode) return {};
    if (plain) return {kPlainCheckBoxSize, kPlainCheckBoxSize};
    const TRect& image = FChecked ? FPanel.CheckImageRect : FPanel.UnCheckImageRect;
    if (image.IsEmpty()) return {kSkinCheckBoxSize, kSkinCheckBoxSize};
    return {image.Width(), image.Height()};
}

void TbsSkinPanel::SelectCaptionFont(TCanvas& canvas, bool plain) {
    TFont& font = canvas.Font();
    if (plain) {
        font.Assign(DefaultFont());
        return;
    }
    if (GetUseSkinFont()) {
        font.SetName(FPanel.Font.Name);
        font.SetHeight(FPanel.Font.Height);
        font.SetStyle(FPanel.Font.Style);
    } else {
        font.Assign(DefaultFont());
    }
    const TbsSkinData* manager = GetSkinData();
    font.SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet() : DefaultFont().GetCharset());
    font.SetColor(FPanel.Font.Color);
}

TbsCaptionLine TbsSkinPanel::LayoutLine(TCanvas& canvas, const TRect& r, bool plain) {
    SelectCaptionFont(canvas, plain);
    const std::string caption = GetCaption();
    TbsCaptionLineInput in;
    in.RollUpButton = FRollUpMode;
    in.CheckImage = CheckImageSize(plain);
    in.Image = CaptionImageSize();
    in.Spacing = FSpacing;
    in.ImageAtLeft = FImagePosition == bsipLeft;
    if (!caption.empty()) in.Text = {canvas.TextWidth(caption), canvas.TextHeight(caption)};
    if (plain) {
        // Inside the band's double frame; the check box at x 5.
        in.Rect = Rect(r.Left + (FCheckedMode ? kPlainCheckBoxLeft : kPlainTextInset), r.Top + 2,
                       r.Right - kPlainTextInset, r.Bottom - 2);
        in.Alignment = FDefaultAlignment;
        return LayoutCaptionLine(in);
    }
    in.Rect = r;
    in.Alignment = FPanel.Alignment;
    in.OddFontHeight = std::abs(canvas.Font().GetHeight()) % 2 == 1;
    if (!FPanel.FrameRect.IsEmpty()) {
        in.Frame = {FPanel.FrameRect.Width(), FPanel.FrameRect.Height()};
        // The text's place in the frame gives the margins; without one the
        // frame's ends do.
        const TRect& text = FPanel.FrameTextRect;
        in.FrameLeftMargin = text.IsEmpty() ? FPanel.FrameLeftOffset : text.Left;
        in.FrameRightMargin = text.IsEmpty() ? FPanel.FrameRightOffset : FPanel.FrameRect.Width() - text.Right;
        if (in.FrameRightMargin < 0) in.FrameRightMargin = 0;
    }
    return LayoutCaptionLine(in);
}

TbsCaptionLine TbsSkinPanel::CaptionLine() {
    FetchSkinRecord();
    const bool bound = GetSkinRecordIndex() != -1;
    const TRect band = PlainCaptionBand(GetWidth(), GetHeight());
    TRect r;
    bool plain = false;
    if (!bound || !FUseSkinSize) {
        // The band of DefaultCaptionHeight: plain, or over the skin's face.
        if (!FCaptionMode) return {};
        plain = !bound;
        r = plain ? band : Rect(band.Left + 2, band.Top + 2, band.Right - 2, band.Bottom - 2);
    } else {
        if (FTransparentMode && !FCaptionMode) return {};
        // The skin's client area alone has no caption.
        if (!FTransparentMode && FBorderStyle == TBevelStyle::bvNone && FSkin.ResizeMode == bsrmNinePart &&
            !FCaptionMode && !FSkin.StretchCenter)
            return {};
        int width = GetWidth(), height = GetHeight();
        CalcSkinSize(width, height);  // only the sized geometry is kept
        r = SkinCaptionRectForSize();
    }
    if (r.IsEmpty() || !HasCaptionLine()) return {};
    TbsBitmap probe;
    if (!probe.TrySetSize(1, 1)) return {};
    return LayoutLine(probe.Canvas(), r, plain);
}

// ---- drawing ---------------------------------------------------------------------------------

void TbsSkinPanel::DrawCheckImage(TbsBitmap& bitmap, const TRect& r, bool plain) {
    HDC dc = bitmap.DC();
    const TRect& part = FChecked ? FPanel.CheckImageRect : FPanel.UnCheckImageRect;
    const TbsBitmap* picture = plain ? nullptr : SkinPictureBitmap();
    if (picture && !part.IsEmpty()) {
        TbsBitmap image;
        if (!image.TrySetSize(part.Width(), part.Height())) return;
        picture->Draw(image.DC(), Rect(0, 0, image.Width(), image.Height()), part);
        DrawGlyph(dc, r.Left, r.Top, 1, 1, image);
        return;
    }
    // A plain box: a sunken frame around a window-coloured square.
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(r);
    DrawFrame3D(dc, r, clBtnShadow, clBtnHighlight);
    if (FChecked) DrawCheckMark(dc, r.Left + (r.Width() - 7) / 2, r.Top + (r.Height() - 7) / 2, clWindowText);
}

void TbsSkinPanel::DrawCaptionLine(TbsBitmap& bitmap, const TbsCaptionLine& line, bool plain) {
    HDC dc = bitmap.DC();
    TCanvas& canvas = bitmap.Canvas();
    if (!line.CheckImage.IsEmpty()) DrawCheckImage(bitmap, line.CheckImage, plain);
    if (!line.RollUpButton.IsEmpty())
        DrawSmallArrow(dc, line.RollUpButton, plain ? TColor(clBtnText) : FPanel.Font.Color,
                       FRollUpState ? kArrowDown : kArrowUp);
    if (!plain && !line.Frame.IsEmpty()) {
        if (const TbsBitmap* picture = SkinPictureBitmap()) {
            TbsBitmap frame;
            CreateHSkinImage(FPanel.FrameLeftOffset, FPanel.FrameRightOffset, frame, false, line.Frame.Width(),
                             FPanel.FrameRect, *picture);
            frame.Draw(dc, line.Frame.Left, line.Frame.Top);
        }
    }
    if (!line.Image.IsEmpty()) {
        if (HasListImage(FCaptionImageList, FCaptionImageIndex)) {
            ImageList_DrawEx(FCaptionImageList, FCaptionImageIndex, dc, line.Image.Left, line.Image.Top, 0, 0,
                             CLR_NONE, CLR_NONE, GetEnabled() ? ILD_NORMAL : ILD_BLEND50);
        } else {
            const int cell = !GetEnabled() && FNumGlyphs >= 2 ? 2 : 1;
            DrawGlyph(dc, line.Image.Left, line.Image.Top, cell, FNumGlyphs, FGlyph);
        }
    }
    const std::string caption = GetCaption();
    if (caption.empty()) return;
    SelectCaptionFont(canvas, plain);
    TSaveDc save(dc);
    IntersectClipRect(dc, line.TextClip.Left, line.TextClip.Top, line.TextClip.Right, line.TextClip.Bottom);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(line.Text.X, line.Text.Y, caption);
}

void TbsSkinPanel::PaintSkinWithPlainBand(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [this](TbsBitmap& bitmap) {
        const TbsBitmap* picture = SkinPictureBitmap();
        if (!picture || !ComposeSkinFace(FSkin, FSized, false, GetWidth(), GetHeight(), *picture, bitmap)) {
            PaintNoSkin(bitmap);
            return;
        }
        // The band in the skin's colours over the record's face.
        const TbsSkinDataCore* skin = SkinOf(GetSkinData());
        const TRect band = PlainCaptionBand(bitmap.Width(), bitmap.Height());
        TCanvas& c = bitmap.Canvas();
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(skin ? skin->GetSkinColors().BtnFace : TColor(clBtnFace));
        c.FillRect(band);
        c.Brush().SetColor(skin ? skin->GetSkinColors().BtnShadow : TColor(clBtnShadow));
        c.FrameRect(band);
        FCaptionRect = Rect(band.Left + 2, band.Top + 2, band.Right - 2, band.Bottom - 2);
        if (HasCaptionLine()) DrawCaptionLine(bitmap, LayoutLine(c, FCaptionRect, false), false);
    });
}

// ---- mouse -----------------------------------------------------------------------------------

void TbsSkinPanel::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !GetEnabled()) return;
    const TbsCaptionLine line = CaptionLine();
    if (Inside(line.RollUpButton, x, y)) {
        SetRollUpState(!FRollUpState);
    } else if (Inside(line.CheckImage, x, y)) {
        SetChecked(!FChecked);
    }
}
