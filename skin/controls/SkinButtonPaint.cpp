// TbsSkinButton's drawing: the state image or the blend of two, the
// background composed from a record rectangle, the caption and glyph, the
// plain face of an unbound button, and the glow frame.
#include "skin/controls/SkinButton.h"

#include <algorithm>

#include "platform/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/TbsEffectBmp.h"

namespace {

// Faces of the unbound button.
constexpr TColor kPlainHotFrame = 8388608;   // hex 800000, navy
constexpr TColor kPlainDownFill = 11899781;  // hex B59285
constexpr TColor kPlainHotFill = 13811126;   // hex D2BDB6

}  // namespace

// ---- the glow frame --------------------------------------------------------------------------

void TbsSkinButton::PostToSelf(UINT msg) {
    if (HWND wnd = WindowHandle()) PostMessageA(wnd, msg, 0, 0);
}

void TbsSkinButton::ShowGlow() {
    FetchSkinRecord();
    const TbsSkinData* manager = GetSkinData();
    if (GetSkinRecordIndex() == -1 || !manager || manager->GetEmpty() || !LayeredWindowsAvailable()) return;
    if (!manager->GetShowButtonGlowFrames() && !FAlwaysShowLayeredFrame) return;
    if (FButton.GlowPictureIndex == -1 || !FMouseOver || !GetEnabled() || !HandleAllocated()) return;
    const TbsBitmap* picture = SkinPictures().Bitmap(GetSkinData(), FButton.GlowPictureIndex);
    const TbsBitmap* mask = SkinPictures().Bitmap(GetSkinData(), FButton.GlowMaskPictureIndex);
    if (!picture || picture->Empty()) return;
    const TbsGlowGeometry g =
        ButtonGlowGeometry(FButton, FSkin.ResizeMode, FUseSkinSize, picture->Width(), picture->Height(),
                           GetWidth() - FSkin.SkinWidth(), GetHeight() - FSkin.SkinHeight(), ClientToScreen(Point(0, 0)));
    // Widened or grown copies keep the offsets as their fixed ends.
    auto fit = [&](const TbsBitmap& source, TbsBitmap& out) {
        const TRect whole = Rect(0, 0, source.Width(), source.Height());
        if (g.Sizing == bsgsHorizontal) {
            CreateHSkinImage(FButton.GlowOffsetLeft, FButton.GlowOffsetRight, out, false, g.Width, whole, source);
        } else {
            TSkinImageParams p;
            p.SrcRect = whole;
            p.SrcLT = Point(FButton.GlowOffsetLeft, FButton.GlowOffsetTop);
            p.SrcRT = Point(source.Width() - FButton.GlowOffsetRight, FButton.GlowOffsetTop);
            p.SrcLB = Point(FButton.GlowOffsetLeft, source.Height() - FButton.GlowOffsetBottom);
            p.SrcRB = Point(source.Width() - FButton.GlowOffsetRight, source.Height() - FButton.GlowOffsetBottom);
            p.SrcClient = Rect(p.SrcLT.X, p.SrcLT.Y, p.SrcRB.X, p.SrcRB.Y);
            p.W = g.Width;
            p.H = g.Height;
            CalcSkinGeometry(bsrmNinePart, p);
            CreateSkinImage(p, source, out);
        }
    };
    if (!FGlowLayer) FGlowLayer = std::make_unique<TbsLayerManager>();
    TForm* form = GetParentForm(this);
    FGlowLayer->SetTopMost(form && (GetWindowLongPtrA(form->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    TbsBitmap emptyMask;
    const TbsBitmap& maskSource = mask ? *mask : emptyMask;
    if (g.Sizing == bsgsAsIs) {
        FGlowLayer->Show(g.Origin.X, g.Origin.Y, FButton.GlowAlpha, maskSource, *picture);
        return;
    }
    TbsBitmap sizedPicture, sizedMask;
    fit(*picture, sizedPicture);
    if (mask && !mask->Empty()) fit(*mask, sizedMask);
    FGlowLayer->Show(g.Origin.X, g.Origin.Y, FButton.GlowAlpha, sizedMask, sizedPicture);
}

void TbsSkinButton::HideGlow() {
    // Hidden whatever the options say now: a glow shown under other options
    // never stays behind.
    if (FGlowLayer) FGlowLayer->Hide();
}

// ---- painting --------------------------------------------------------------------------------

TRect TbsSkinButton::ContentRect() const {
    if (GetSkinRecordIndex() == -1) return Rect(0, 0, GetWidth(), GetHeight());
    return FSized.DstClient;
}

void TbsSkinButton::PaintSkin(TbsBitmap& bitmap) {
    struct TFlag {
        bool& F;
        ~TFlag() { F = false; }
    } painting{FPainting = true};
    const TbsButtonState state = StateNow();
    if (!ButtonMorphBlends(state)) {
        const TbsButtonImage image = ChooseButtonImage(state);
        CreateButtonImage(bitmap, SkinRectOf(image.Rect), image.Active, image.Down);
        return;
    }
    const int W = bitmap.Width(), H = bitmap.Height();
    TbsBitmap normal, hot;
    if (!normal.TrySetSize(W, H) || !hot.TrySetSize(W, H)) return;
    CreateButtonImage(normal, SkinRectOf(bsbrSkin), false, false);
    CreateButtonImage(hot, SkinRectOf(bsbrActive), true, false);
    GdiFlush();
    TbsEffectBmp from(normal.Handle()), to(hot.Handle());
    from.MorphByKind(FButton.MorphKind, to, FMorphValue);
    from.Draw(bitmap.DC(), 0, 0);
}

void TbsSkinButton::CreateButtonImage(TbsBitmap& bitmap, const TRect& rect, bool isActive, bool isDown) {
    const int W = GetWidth(), H = GetHeight();
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!picture || bitmap.Empty()) {
        PaintNoSkin(bitmap);
        return;
    }
    if (FTransparent && !isActive && !isDown) {
        DrawParentImage(bitmap.DC());
    } else {
        TbsSkinControlGeometry skin = FSkin;
        skin.SrcRect = rect;
        if (FUseSkinSize || FSkin.ResizeMode == bsrmNinePart || FSkin.ResizeMode == bsrmFixed) {
            ComposeSkinFace(skin, FSized, false, W, H, *picture, bitmap);
        } else if (FSkin.ResizeMode != bsrmNoSkin) {
            CreateStretchSkinImage(bitmap, *picture, rect, FSkin.SrcClient, true);
        }
    }
    DrawContent(bitmap, ContentRect(), isActive, isDown, GetEnabled());
}

void TbsSkinButton::DrawContent(TbsBitmap& bitmap, const TRect& content, bool isActive, bool isDown, bool enabled) {
    const bool bound = GetSkinRecordIndex() != -1;
    HDC dc = bitmap.DC();
    TFont font;
    if (bound && GetUseSkinFont()) {
        font.SetName(FButton.Font.Name);
        font.SetHeight(FButton.Font.Height);
        font.SetStyle(FButton.Font.Style);
    } else {
        font.Assign(DefaultFont());
    }
    const TbsSkinData* manager = GetSkinData();
    font.SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet() : DefaultFont().GetCharset());
    TSelectObject selectFont(dc, font.GetHandle());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(CaptionColor(isActive, isDown)));

    if (bound && FButton.ShowFocus && Focused()) {
        TBrushHandle brush(CreateSolidBrush(ColorToRGB(SkinOf(manager)->GetSkinColors().BtnFace)));
        TSelectObject selectBrush(dc, brush.Get());
        DrawFocusDots(dc, content);
    }
    bool drawDefault = true;
    if (OnPaint) {
        TCanvas canvas(dc);
        OnPaint(this, canvas, drawDefault, isActive, isDown, content);
    }
    if (drawDefault) DrawGlyphAndCaption(dc, content, isActive, isDown, enabled);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void TbsSkinButton::DrawGlyphAndCaption(HDC dc, const TRect& content, bool isActive, bool isDown, bool enabled) {
    if (FImages && FImageIndex >= 0 && FImageIndex < ImageList_GetImageCount(FImages)) {
        DrawImageAndText(dc, content, FMargin, 0, false, enabled, false, FImages, FImageIndex, GetCaption(), FLayout,
                         FSpacing);
        return;
    }
    DrawGlyphAndText(dc, content, FMargin, 0, false, false, ButtonGlyphCell(isActive, isDown, enabled, FNumGlyphs),
                     FNumGlyphs, FGlyph, GetCaption(), FLayout, FSpacing);
}

void TbsSkinButton::PaintNoSkin(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    const int W = bitmap.Width(), H = bitmap.Height();
    TbsButtonState state = StateNow();
    state.HasDisabledRect = false;
    state.HasFocusedRect = false;
    state.MorphActive = false;
    const TbsButtonImage image = ChooseButtonImage(state);
    TColor frame = clBtnShadow, fill = clBtnFace;
    if (image.Rect == bsbrDown) {
        frame = kPlainHotFrame;
        fill = kPlainDownFill;
    } else if (image.Active) {
        frame = kPlainHotFrame;
        fill = kPlainHotFill;
    }
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.FillRect(Rect(0, 0, W, H));
    DrawFrame3D(bitmap.DC(), Rect(0, 0, W, H), frame, frame);
    DrawContent(bitmap, Rect(1, 1, W - 1, H - 1), image.Active, image.Down, GetEnabled());
}
