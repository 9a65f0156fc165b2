#include "skin/controls/SkinLabel.h"

#include <cstdlib>

#include "platform/Accessible.h"
#include "platform/Handles.h"
#include "platform/LayoutProperties.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/portable/CaptionLayout.h"
#include "skin/data/SkinData.h"
#include "skin/paint/DrawHelpers.h"

namespace {

// The text's inset from each side without a skin. // pixels
constexpr int kPlainContentInset = 3;

UINT AlignmentFormat(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return DT_RIGHT;
        case taCenter: return DT_CENTER;
        default: return DT_LEFT;
    }
}

}  // namespace

// ---- TbsSkinLabel --------------------------------------------------------------------------

TbsSkinLabel::TbsSkinLabel(TComponent* AOwner) : TbsSkinCustomControl(AOwner) {
    SetSkinDataName("label");
    SetBounds(GetLeft(), GetTop(), 75, 21);
}

void TbsSkinLabel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TbsSkinLabel::SetShadowEffect(bool value) {
    if (value == FShadowEffect) return;
    FShadowEffect = value;
    Invalidate();
}

void TbsSkinLabel::SetShadowColor(TColor value) {
    if (value == FShadowColor) return;
    FShadowColor = value;
    Invalidate();
}

void TbsSkinLabel::SetShadowOffset(int value) {
    if (value == FShadowOffset) return;
    FShadowOffset = value;
    Invalidate();
}

void TbsSkinLabel::SetShadowSize(int value) {
    if (value == FShadowSize) return;
    FShadowSize = value;
    Invalidate();
}

void TbsSkinLabel::SetReflectionEffect(bool value) {
    if (value == FReflectionEffect) return;
    FReflectionEffect = value;
    Invalidate();
}

void TbsSkinLabel::SetReflectionOffset(int value) {
    if (value == FReflectionOffset) return;
    FReflectionOffset = value;
    Invalidate();
}

void TbsSkinLabel::SetEllipsType(TbsEllipsType value) {
    if (value == FEllipsType) return;
    FEllipsType = value;
    Invalidate();
}

void TbsSkinLabel::SetUseSkinSize(bool value) {
    if (value == FUseSkinSize) return;
    FUseSkinSize = value;
    if (!IsLoading()) ApplySkinChange();
}

void TbsSkinLabel::SetUseSkinFontColor(bool value) {
    if (value == FUseSkinFontColor) return;
    FUseSkinFontColor = value;
    Invalidate();
}

void TbsSkinLabel::SetBorderStyle(TBevelStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    Invalidate();
}

void TbsSkinLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TbsSkinLabel::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    if (FAutoSize && !IsLoading()) {
        AutoSizeNow();
        Invalidate();
    }
}

// ---- binding and sizing ------------------------------------------------------------------

void TbsSkinLabel::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinLabelControl>(GetSkinData(), GetSkinRecordIndex());
    FLabel.Font = record ? record->Font : TbsSkinFont{};
    // A record of one fixed size leaves the width nothing to follow.
    if (record && FSkin.ResizeMode == bsrmFixed) FAutoSize = false;
    // A control stretched to any size has no shape of the skin's.
    if (!FUseSkinSize) FSkin.MaskPictureIndex = -1;
}

void TbsSkinLabel::CalcSkinSize(int& width, int& height) {
    if (GetSkinRecordIndex() == -1) return;
    if (FUseSkinSize || FSkin.ResizeMode == bsrmNinePart) {
        TbsSkinCustomControl::CalcSkinSize(width, height);
        return;
    }
    // The size stays; what lies right of the skin's middle follows the width.
    const int dW = width - FSkin.SkinWidth(), dH = height - FSkin.SkinHeight();
    FSized.DstLT = FSkin.SrcLT;
    FSized.DstRT = {FSkin.SrcRT.X + dW, FSkin.SrcRT.Y};
    FSized.DstLB = FSkin.SrcLB;
    FSized.DstRB = {FSkin.SrcRB.X + dW, FSkin.SrcRB.Y};
    FSized.DstClient = FSkin.SrcClient;
    FSized.DstClient.Right += dW;
    FSized.DstClient.Bottom += dH;
}

TRect TbsSkinLabel::ContentRect() {
    FetchSkinRecord();
    if (GetSkinRecordIndex() == -1)
        return Rect(kPlainContentInset, kPlainContentInset, GetWidth() - kPlainContentInset,
                    GetHeight() - kPlainContentInset);
    // A record without a client area has no place for content.
    if (FSkin.SrcClient.IsEmpty()) return {};
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);  // only the sized geometry is kept
    return FSized.DstClient;
}

int TbsSkinLabel::CaptionTextWidth() {
    const std::string caption = GetCaption();
    if (caption.empty()) return 0;
    TbsBitmap probe;
    if (!probe.TrySetSize(1, 1)) return 0;
    SelectCaptionFont(probe.Canvas());
    return probe.Canvas().TextWidth(caption);
}

int TbsSkinLabel::CalcAutoSizeDelta() { return AutoSizeDelta(CaptionTextWidth(), 0, ContentRect().Width()); }

void TbsSkinLabel::AutoSizeNow() {
    const TAlign align = GetAlign();
    // Aligned across the parent's whole width, the parent decides it.
    if (align == TAlign::alTop || align == TAlign::alBottom || align == TAlign::alClient) return;
    const int delta = CalcAutoSizeDelta();
    if (delta != 0) SetBounds(GetLeft(), GetTop(), GetWidth() + delta, GetHeight());
}

void TbsSkinLabel::TextChanged() {
    if (FAutoSize) AutoSizeNow();
    // The new text is on screen before the assignment returns.
    Repaint();
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_NAMECHANGE);
}

void TbsSkinLabel::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

void TbsSkinLabel::ParentBackgroundChanged() {
    if (FTransparent) Invalidate();
}

// ---- painting -------------------------------------------------------------------------------

bool TbsSkinLabel::ComposeRecord(TbsBitmap& bitmap) {
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!picture) return false;
    if (FUseSkinSize || FSkin.ResizeMode == bsrmNinePart || FSkin.ResizeMode == bsrmNoSkin)
        return ComposeSkinFace(FSkin, FSized, false, GetWidth(), GetHeight(), *picture, bitmap);
    // Any size: the client rectangle's corners become the nine parts' corners,
    // every side and the centre stretched. An empty client rectangle has no
    // centre to stretch: nothing is drawn.
    if (FSkin.SrcClient.IsEmpty()) return true;
    TbsSkinControlGeometry around = FSkin;
    around.ResizeMode = bsrmNinePart;
    around.SrcLT = {FSkin.SrcClient.Left, FSkin.SrcClient.Top};
    around.SrcRT = {FSkin.SrcClient.Right, FSkin.SrcClient.Top};
    around.SrcLB = {FSkin.SrcClient.Left, FSkin.SrcClient.Bottom};
    around.SrcRB = {FSkin.SrcClient.Right, FSkin.SrcClient.Bottom};
    around.StretchLeft = around.StretchTop = around.StretchRight = around.StretchBottom = true;
    around.StretchCenter = true;
    around.StretchKind = bsstFull;
    TbsSkinSizedGeometry sized;
    int width = GetWidth(), height = GetHeight();
    ::CalcSkinSize(around, width, height, sized);
    return ComposeSkinFace(around, sized, false, GetWidth(), GetHeight(), *picture, bitmap);
}

void TbsSkinLabel::PaintSkin(TbsBitmap& bitmap) {
    if (!ComposeRecord(bitmap)) {
        PaintNoSkin(bitmap);
        return;
    }
    PaintContent(bitmap, ContentRect());
}

void TbsSkinLabel::PaintNoSkin(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    if (FTransparent) {
        DrawParentImage(bitmap.DC());
    } else {
        PaintButtonFace(bitmap);
    }
    DrawBevelFrame(bitmap.Canvas(), Rect(0, 0, bitmap.Width(), bitmap.Height()), FBorderStyle);
    PaintContent(bitmap, Rect(kPlainContentInset, kPlainContentInset, bitmap.Width() - kPlainContentInset,
                              bitmap.Height() - kPlainContentInset));
}

void TbsSkinLabel::PaintContent(TbsBitmap& bitmap, TRect r) { DrawCaptionText(bitmap, r); }

void TbsSkinLabel::SelectCaptionFont(TCanvas& canvas) {
    TFont& font = canvas.Font();
    const bool bound = GetSkinRecordIndex() != -1;
    if (bound && GetUseSkinFont()) {
        font.SetName(FLabel.Font.Name);
        font.SetHeight(FLabel.Font.Height);
        font.SetStyle(FLabel.Font.Style);
    } else {
        font.Assign(DefaultFont());
    }
    font.SetColor(bound && FUseSkinFontColor ? FLabel.Font.Color : DefaultFont().GetColor());
    const TbsSkinData* manager = GetSkinData();
    font.SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet() : DefaultFont().GetCharset());
}

void TbsSkinLabel::DrawCaptionText(TbsBitmap& bitmap, const TRect& r) {
    std::string text = GetCaption();
    if (text.empty() || bitmap.Empty()) return;
    TCanvas& canvas = bitmap.Canvas();
    SelectCaptionFont(canvas);
    HDC dc = bitmap.DC();
    // Measuring selects the canvas's font into dc for the helpers below.
    const int textHeight = canvas.TextHeight(text);
    if (FEllipsType == bsetEllips) ShortenText(dc, text, r.Width());
    const int textWidth = canvas.TextWidth(text);
    const int y = CentredTextTop(r, textHeight, std::abs(canvas.Font().GetHeight()) % 2 == 1);
    const UINT format = AlignmentFormat(FAlignment);
    const TColor fontColor = canvas.Font().GetColor();
    const bool bound = GetSkinRecordIndex() != -1;

    if (FShadowEffect) {
        TColor shadow = FShadowColor;
        const TbsSkinDataCore* skin = SkinOf(GetSkinData());
        if (bound && FUseSkinFontColor && skin) shadow = DarkerColor(skin->GetSkinColors().BtnFace, 70);
        TSaveDc save(dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(fontColor));
        DrawEffectText(dc, Rect(r.Left, y, r.Right, r.Bottom), text, FShadowSize, shadow, FShadowOffset, format);
        return;
    }
    if (FReflectionEffect) {
        if (r.Width() <= 0) return;
        TSaveDc save(dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(fontColor));
        DrawReflectionText(dc, Rect(r.Left, y, r.Right, r.Bottom), text, fontColor, FReflectionOffset, format);
        return;
    }
    TSaveDc save(dc);
    IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(AlignedLeft(r, textWidth, FAlignment), y, text);
}

// ---- TbsSkinStatusPanel ---------------------------------------------------------------------

TbsSkinStatusPanel::TbsSkinStatusPanel(TComponent* AOwner) : TbsSkinLabel(AOwner) {
    SetSkinDataName("statuspanel");
    SetBounds(GetLeft(), GetTop(), 120, GetHeight());
}

void TbsSkinStatusPanel::SetGlyph(const TbsBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TbsSkinStatusPanel::SetNumGlyphs(int value) {
    if (value < 1 || value == FNumGlyphs) return;
    FNumGlyphs = value;
    Invalidate();
}

void TbsSkinStatusPanel::SetImageList(HIMAGELIST value) {
    if (value == FImageList) return;
    FImageList = value;
    Invalidate();
}

void TbsSkinStatusPanel::SetImageIndex(int value) {
    if (value == FImageIndex) return;
    FImageIndex = value;
    Invalidate();
}

namespace {

bool HasImage(HIMAGELIST images, int index) {
    return images && index >= 0 && index < ImageList_GetImageCount(images);
}

}  // namespace

int TbsSkinStatusPanel::ImageWidth() const {
    if (HasImage(FImageList, FImageIndex)) {
        int w = 0, h = 0;
        ImageList_GetIconSize(FImageList, &w, &h);
        return w;
    }
    return FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs;
}

int TbsSkinStatusPanel::ImageHeight() const {
    if (HasImage(FImageList, FImageIndex)) {
        int w = 0, h = 0;
        ImageList_GetIconSize(FImageList, &w, &h);
        return h;
    }
    return FGlyph.Empty() ? 0 : FGlyph.Height();
}

int TbsSkinStatusPanel::CalcAutoSizeDelta() {
    return AutoSizeDelta(CaptionTextWidth(), ImageWidth(), ContentRect().Width());
}

void TbsSkinStatusPanel::PaintContent(TbsBitmap& bitmap, TRect r) {
    if (r.IsEmpty()) return;
    const int w = ImageWidth(), h = ImageHeight();
    if (w > 0 && h > 0) {
        const int y = r.Top + (r.Height() - h) / 2;
        if (HasImage(FImageList, FImageIndex)) {
            ImageList_DrawEx(FImageList, FImageIndex, bitmap.DC(), r.Left, y, 0, 0, CLR_NONE, CLR_NONE,
                             GetEnabled() ? ILD_NORMAL : ILD_BLEND50);
        } else {
            const int cell = !GetEnabled() && FNumGlyphs >= 2 ? 2 : 1;
            DrawGlyph(bitmap.DC(), r.Left, y, cell, FNumGlyphs, FGlyph);
        }
        r.Left += w + kCaptionCheckGap;
    }
    DrawCaptionText(bitmap, r);
}

// ---- layout registration --------------------------------------------------------------------

namespace {

const TEnumNames kEllipsNames = {{"bsetNoneEllips", bsetNoneEllips}, {"bsetEllips", bsetEllips}};

template <class C>
void AddLabelProperties(TClassBuilder<C>& builder) {
    builder.Bool("Transparent", &C::GetTransparent, &C::SetTransparent)
        .Bool("ShadowEffect", &C::GetShadowEffect, &C::SetShadowEffect)
        .Value("ShadowColor", [](C& c, const TLayoutValue& v) { c.SetShadowColor(LayoutColor(v)); })
        .Int("ShadowOffset", &C::GetShadowOffset, &C::SetShadowOffset)
        .Int("ShadowSize", &C::GetShadowSize, &C::SetShadowSize)
        .Bool("ReflectionEffect", &C::GetReflectionEffect, &C::SetReflectionEffect)
        .Int("ReflectionOffset", &C::GetReflectionOffset, &C::SetReflectionOffset)
        .template Enum<TbsEllipsType>("EllipsType", &C::SetEllipsType, kEllipsNames)
        .Bool("UseSkinSize", &C::GetUseSkinSize, &C::SetUseSkinSize)
        .Bool("UseSkinFontColor", &C::GetUseSkinFontColor, &C::SetUseSkinFontColor)
        .template Enum<TBevelStyle>("BorderStyle", &C::SetBorderStyle, kBevelNames)
        .template Enum<TAlignment>("Alignment", &C::SetAlignment, kTextAlignmentNames)
        .Bool("AutoSize", &C::GetAutoSize, &C::SetAutoSize);
}

}  // namespace

void RegisterSkinLabelClasses(TClassRegistry& registry) {
    TClassBuilder<TbsSkinLabel> label(registry, "TbsSkinLabel", "TbsSkinCustomControl");
    label.Creatable();
    AddLabelProperties(label);
    TClassBuilder<TbsSkinStatusPanel> panel(registry, "TbsSkinStatusPanel", "TbsSkinLabel");
    panel.Creatable()
        .Int("NumGlyphs", &TbsSkinStatusPanel::GetNumGlyphs, &TbsSkinStatusPanel::SetNumGlyphs)
        .Int("ImageIndex", &TbsSkinStatusPanel::GetImageIndex, &TbsSkinStatusPanel::SetImageIndex);
}
