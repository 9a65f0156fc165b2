#include "skin/controls/GraphicSkinControl.h"

#include "platform/portable/AppMessages.h"

// ---- TbsGraphicSkinControl ----------------------------------------------------------

void TbsGraphicSkinControl::SetSkinData(TbsSkinData* value) {
    FLink.SetSkinData(*this, value);
    if (!IsLoading() && SkinUsable(value)) ApplySkinChange();
}

void TbsGraphicSkinControl::FetchSkinRecord() { FLink.Fetch(); }

void TbsGraphicSkinControl::ApplySkinChange() {
    RetryPaint();
    FetchSkinRecord();
    Invalidate();
}

void TbsGraphicSkinControl::PrepareSkinChange() { FLink.SkinRecordIndex = -1; }

LRESULT TbsGraphicSkinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SKINCHANGEBEGIN:
            if (FLink.HearsFrom(wParam)) PrepareSkinChange();
            return 0;
        case WM_SKINLOADED:
            if (FLink.HearsFrom(wParam)) ApplySkinChange();
            return 0;
        default:
            return TGraphicControl::Perform(msg, wParam, lParam);
    }
}

void TbsGraphicSkinControl::Loaded() {
    TGraphicControl::Loaded();
    if (SkinUsable(FLink.SkinData)) ApplySkinChange();
}

void TbsGraphicSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && FLink.Forget(AComponent)) Invalidate();
}

void TbsGraphicSkinControl::Paint(TCanvas& canvas) {
    if (GetWidth() <= 0 || GetHeight() <= 0) return;
    FetchSkinRecord();
    PaintThroughSkinBitmap(canvas);
}

void TbsGraphicSkinControl::PaintThroughSkinBitmap(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [this](TbsBitmap& bitmap) {
        if (GetSkinRecordIndex() == -1) {
            PaintNoSkin(bitmap);
        } else {
            PaintSkin(bitmap);
        }
    });
}

void TbsGraphicSkinControl::PaintNoSkin(TbsBitmap& bitmap) { PaintButtonFace(bitmap); }

void TbsGraphicSkinControl::PaintPlain(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer,
                       [this](TbsBitmap& bitmap) { PaintNoSkin(bitmap); });
}

// ---- TbsGraphicSkinCustomControl ----------------------------------------------------

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(TComponent* AOwner)
    : TbsGraphicSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
    FDefaultFont->SetName("Tahoma");
    FDefaultFont->SetHeight(13);
    FDefaultFont->SetStyle(0);
    FDefaultFont->OnChange = [this] { DefaultFontChange(); };
}

TbsGraphicSkinCustomControl::~TbsGraphicSkinCustomControl() { FDefaultFont->OnChange = nullptr; }

void TbsGraphicSkinCustomControl::DefaultFontChange() {
    DefaultFontChanged();
    if (GetSkinRecordIndex() == -1) Invalidate();
}

void TbsGraphicSkinCustomControl::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (GetSkinRecordIndex() == -1 && value > 0) SetWidth(value);
}

void TbsGraphicSkinCustomControl::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (GetSkinRecordIndex() == -1 && value > 0) SetHeight(value);
}

void TbsGraphicSkinCustomControl::FetchSkinRecord() {
    TbsGraphicSkinControl::FetchSkinRecord();
    FSkin = SkinControlGeometryOf(SkinControlRecord(GetSkinData(), GetSkinRecordIndex()));
    FSkin.MaskPictureIndex = -1;  // no window, no shape
}

void TbsGraphicSkinCustomControl::CalcSkinSize(int& width, int& height) {
    if (GetSkinRecordIndex() == -1) return;
    ::CalcSkinSize(FSkin, width, height, FSized);
}

const TbsBitmap* TbsGraphicSkinCustomControl::SkinPictureBitmap() const {
    if (GetSkinRecordIndex() == -1) return nullptr;
    return SkinPictures().Bitmap(GetSkinData(), FSkin.PictureIndex);
}

void TbsGraphicSkinCustomControl::ApplySkinChange() {
    RetryPaint();
    FetchSkinRecord();
    int width = GetWidth(), height = GetHeight();
    if (GetSkinRecordIndex() != -1) {
        CalcSkinSize(width, height);
    } else {
        if (FDefaultWidth > 0) width = FDefaultWidth;
        if (FDefaultHeight > 0) height = FDefaultHeight;
    }
    if (width != GetWidth() || height != GetHeight()) SetBounds(GetLeft(), GetTop(), width, height);
    Invalidate();
}

void TbsGraphicSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FetchSkinRecord();
    const bool changed = GetSkinRecordIndex() != -1 && (AWidth != GetWidth() || AHeight != GetHeight());
    if (changed) CalcSkinSize(AWidth, AHeight);
    TbsGraphicSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (changed) Invalidate();
}

void TbsGraphicSkinCustomControl::PaintSkin(TbsBitmap& bitmap) {
    const TbsBitmap* picture = SkinPictureBitmap();
    if (picture && FForcedBackground && FSkin.ResizeMode == bsrmNinePart) return;
    if (!picture || !ComposeSkinFace(FSkin, FSized, FForcedBackground, GetWidth(), GetHeight(), *picture, bitmap))
        PaintNoSkin(bitmap);
}

void TbsGraphicSkinCustomControl::Paint(TCanvas& canvas) {
    if (GetWidth() < 1 || GetHeight() < 1) return;
    FetchSkinRecord();
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);  // only the sized geometry is kept
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!picture || !FForcedBackground || FSkin.ResizeMode != bsrmNinePart) {
        PaintThroughSkinBitmap(canvas);
        return;
    }
    PaintSkinFrame(canvas.GetHandle(), FSkin, FSized, GetWidth(), GetHeight(), *picture, FDrawBackground,
                   [this](TbsBitmap& top) { PaintSkin(top); });
}
