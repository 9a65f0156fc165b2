#include "skin/controls/SkinControl.h"

#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/paint/MaskRegion.h"

// ---- TbsSkinControl -----------------------------------------------------------------

TbsSkinControl::TbsSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TbsSkinControl::SetSkinData(TbsSkinData* value) {
    FLink.SetSkinData(*this, value);
    if (!IsLoading() && SkinUsable(value)) ApplySkinChange();
}

void TbsSkinControl::FetchSkinRecord() { FLink.Fetch(); }

void TbsSkinControl::ApplySkinChange() {
    RetryPaint();
    FetchSkinRecord();
    Invalidate();
}

void TbsSkinControl::PrepareSkinChange() { FLink.SkinRecordIndex = -1; }

void TbsSkinControl::Loaded() {
    TCustomControl::Loaded();
    if (SkinUsable(FLink.SkinData)) ApplySkinChange();
}

void TbsSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && FLink.Forget(AComponent)) Invalidate();
}

void TbsSkinControl::Paint(TCanvas& canvas) {
    if (GetWidth() <= 0 || GetHeight() <= 0) return;
    FetchSkinRecord();
    PaintThroughSkinBitmap(canvas);
}

void TbsSkinControl::PaintThroughSkinBitmap(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [this](TbsBitmap& bitmap) {
        if (GetSkinRecordIndex() == -1) {
            PaintNoSkin(bitmap);
        } else {
            PaintSkin(bitmap);
        }
    });
}

void TbsSkinControl::PaintNoSkin(TbsBitmap& bitmap) { PaintButtonFace(bitmap); }

void TbsSkinControl::PaintPlain(TCanvas& canvas) {
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer,
                       [this](TbsBitmap& bitmap) { PaintNoSkin(bitmap); });
}

LRESULT TbsSkinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SKINCHANGEBEGIN:
            if (FLink.HearsFrom(wParam)) PrepareSkinChange();
            return 0;
        case WM_SKINLOADED:
            if (FLink.HearsFrom(wParam)) ApplySkinChange();
            return 0;
        case WM_PARENTBGCHANGED:
            ParentBackgroundChanged();
            return 0;
        default:
            return TCustomControl::WndProc(msg, wParam, lParam);
    }
}

bool TbsSkinControl::OnPaint() {
    FPaintingFromMessage = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FPaintingFromMessage};
    return TCustomControl::OnPaint();
}

// ---- TbsSkinCustomControl ----------------------------------------------------------

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* AOwner)
    : TbsSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
    FDefaultFont->SetName("Tahoma");
    FDefaultFont->SetHeight(13);
    FDefaultFont->SetStyle(0);
    FDefaultFont->OnChange = [this] { DefaultFontChange(); };
}

TbsSkinCustomControl::~TbsSkinCustomControl() { FDefaultFont->OnChange = nullptr; }

void TbsSkinCustomControl::DefaultFontChange() {
    DefaultFontChanged();
    if (GetSkinRecordIndex() == -1) Invalidate();
}

void TbsSkinCustomControl::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (GetSkinRecordIndex() == -1 && value > 0) SetWidth(value);
}

void TbsSkinCustomControl::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (GetSkinRecordIndex() == -1 && value > 0) SetHeight(value);
}

void TbsSkinCustomControl::FetchSkinRecord() {
    TbsSkinControl::FetchSkinRecord();
    FSkin = SkinControlGeometryOf(SkinControlRecord(GetSkinData(), GetSkinRecordIndex()));
}

void TbsSkinCustomControl::SkinSizeOptionChanged() {
    if (!IsLoading() && GetSkinRecordIndex() != -1) {
        ApplySkinChange();
    } else {
        Invalidate();
    }
}

void TbsSkinCustomControl::CalcSkinSize(int& width, int& height) {
    if (GetSkinRecordIndex() == -1) return;
    ::CalcSkinSize(FSkin, width, height, FSized);
}

const TbsBitmap* TbsSkinCustomControl::SkinPictureBitmap() const {
    if (GetSkinRecordIndex() == -1) return nullptr;
    return SkinPictures().Bitmap(GetSkinData(), FSkin.PictureIndex);
}

TRgbView TbsSkinCustomControl::SkinMaskView() const {
    if (GetSkinRecordIndex() == -1) return {};
    return SkinPictures().RgbView(GetSkinData(), FSkin.MaskPictureIndex);
}

void TbsSkinCustomControl::UpdateSkinRegion() {
    HWND wnd = WindowHandle();
    if (!GetParent() || !wnd) return;
    const TRgbView mask = SkinMaskView();
    if (mask.Empty() || FSkin.ResizeMode == bsrmNoSkin) {
        if (FHasRegion) InstallWindowRegion(wnd, TRegionHandle(), true);
        FHasRegion = false;
        return;
    }
    TRegionHandle region = CreateElementRegion(FSkin.ResizeMode, FSkin.SrcRect, FSkin.SrcClient, FSkin.SrcLT,
                                               FSkin.SrcRT, FSkin.SrcLB, FSkin.SrcRB, GetWidth(), GetHeight(), mask);
    const bool shaped = bool(region);
    if (!shaped && !FHasRegion) return;
    // The window deletes the shape it replaces; nothing is kept here.
    InstallWindowRegion(wnd, std::move(region), true);
    FHasRegion = shaped;
}

void TbsSkinCustomControl::ApplySkinChange() {
    RetryPaint();
    FetchSkinRecord();
    int width = GetWidth(), height = GetHeight();
    const bool bound = GetSkinRecordIndex() != -1;
    if (bound) {
        CalcSkinSize(width, height);
    } else {
        if (FDefaultWidth > 0) width = FDefaultWidth;
        if (FDefaultHeight > 0) height = FDefaultHeight;
    }
    const bool resized = width != GetWidth() || height != GetHeight();
    // A bound control's new size reshapes and repaints through SetBounds.
    if (resized) SetBounds(GetLeft(), GetTop(), width, height);
    if (!resized || !bound) {
        UpdateSkinRegion();
        Invalidate();
    }
}

void TbsSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FetchSkinRecord();
    const bool bound = GetSkinRecordIndex() != -1;
    const bool changed = bound && (AWidth != GetWidth() || AHeight != GetHeight());
    if (changed) CalcSkinSize(AWidth, AHeight);
    TbsSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (changed) {
        UpdateSkinRegion();
        Invalidate();
    }
    if (bound && FSkin.StretchCenter) Broadcast(WM_PARENTBGCHANGED, 0, 0);
}

void TbsSkinCustomControl::InitializeWnd() {
    TbsSkinControl::InitializeWnd();
    UpdateSkinRegion();
}

void TbsSkinCustomControl::PaintSkin(TbsBitmap& bitmap) {
    const TbsBitmap* picture = SkinPictureBitmap();
    // The frame-only path hands over its top strip: the base adds nothing.
    if (picture && FForcedBackground && FSkin.ResizeMode == bsrmNinePart) return;
    if (!picture || !ComposeSkinFace(FSkin, FSized, FForcedBackground, GetWidth(), GetHeight(), *picture, bitmap))
        PaintNoSkin(bitmap);
}

void TbsSkinCustomControl::Paint(TCanvas& canvas) {
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
