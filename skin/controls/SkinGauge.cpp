#include "skin/controls/SkinGauge.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Accessible.h"
#include "platform/Handles.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/portable/GaugeGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/paint/portable/CompositionPixels.h"

namespace {

// The fill of a gauge drawn without a skin.
constexpr TColor kPlainFillColor = 13811126;  // hex D2BDB6

}  // namespace

TbsSkinGauge::TbsSkinGauge(TComponent* AOwner) : TbsSkinCustomControl(AOwner) {
    SetSkinDataName("gauge");
    SetBounds(GetLeft(), GetTop(), 100, 20);
}

TbsSkinGauge::~TbsSkinGauge() {
    // The window's timers go with it; nothing may tick into a half-destroyed gauge.
    FAnimating = false;
    StopTimer(tidGaugeAnimationPause);
    StopTimer(tidGaugeAnimationFrame);
}

// ---- values ---------------------------------------------------------------------------

void TbsSkinGauge::SetValue(int value) {
    const int stored = ClampGaugeValue(value, FMinValue, FMaxValue);
    if (stored == FValue) return;
    FValue = stored;
    Invalidate();
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_VALUECHANGE);
}

void TbsSkinGauge::SetMinValue(int value) {
    FMinValue = value;
    if (FValue < value) SetValue(value);
    Invalidate();
}

void TbsSkinGauge::SetMaxValue(int value) {
    FMaxValue = value;
    if (value < FValue) SetValue(value);
    Invalidate();
}

void TbsSkinGauge::SetVertical(bool value) {
    if (value == FVertical) return;
    FVertical = value;
    Invalidate();
}

void TbsSkinGauge::SetUseSkinSize(bool value) {
    if (value == FUseSkinSize) return;
    FUseSkinSize = value;
    SkinSizeOptionChanged();
}

void TbsSkinGauge::SetShowProgressText(bool value) {
    FShowProgressText = value;
    Invalidate();
}

void TbsSkinGauge::SetProgressText(const std::string& value) {
    FProgressText = value;
    Invalidate();
}

void TbsSkinGauge::SetShowPercent(bool value) {
    FShowPercent = value;
    Invalidate();
}

void TbsSkinGauge::SetProgressAnimationPause(int value) {
    if (value >= 0) FProgressAnimationPause = value;
}

TRect TbsSkinGauge::FillRect() const {
    return GaugeFillRect(FSizedProgressArea, GetProgressValue(), FMinValue, FMaxValue, FVertical);
}

std::string TbsSkinGauge::ProgressTextToDraw() const {
    return GaugeProgressText(FShowProgressText, FProgressText, FShowPercent, GetProgressValue(), FMinValue,
                             FMaxValue);
}

// ---- binding and size -------------------------------------------------------------------

void TbsSkinGauge::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinGaugeControl>(GetSkinData(), GetSkinRecordIndex());
    if (!record) {
        FGauge = {};
        return;
    }
    FGauge.ProgressArea = record->ProgressArea;
    FGauge.ProgressRect = record->ProgressRect;
    FGauge.BeginOffset = record->BeginOffset;
    FGauge.EndOffset = record->EndOffset;
    FGauge.Vertical = record->Vertical;
    FGauge.Font = record->Font;
    FGauge.ProgressTransparent = record->ProgressTransparent;
    FGauge.ProgressTransparentColor = record->ProgressTransparentColor;
    FGauge.ProgressStretch = record->ProgressStretch;
    FGauge.AnimationRect = record->ProgressAnimationSkinRect;
    FGauge.AnimationFrames = record->ProgressAnimationCountFrames;
    FGauge.AnimationInterval = record->ProgressAnimationTimerInterval;
    FVertical = record->Vertical;
    // A gauge stretched to any size has no shape of the skin's.
    if (!FUseSkinSize) FSkin.MaskPictureIndex = -1;
}

void TbsSkinGauge::CalcSkinSize(int& width, int& height) {
    if (GetSkinRecordIndex() == -1) return;
    if (!FUseSkinSize) {
        // The requested size stays; the skin is composed at its own size
        // and stretched over the control (Paint).
        int skinWidth = FSkin.SkinWidth(), skinHeight = FSkin.SkinHeight();
        TbsSkinCustomControl::CalcSkinSize(skinWidth, skinHeight);
        FSizedProgressArea = FGauge.ProgressArea;
        return;
    }
    TbsSkinCustomControl::CalcSkinSize(width, height);
    FSizedProgressArea = ::SizedProgressArea(FGauge.ProgressArea, FSkin.ResizeMode, FVertical, width, height,
                                             FSkin.SkinWidth(), FSkin.SkinHeight());
}

void TbsSkinGauge::ApplySkinChange() {
    const bool animating = FAnimating;
    if (animating) EndProgressAnimation();
    TbsSkinCustomControl::ApplySkinChange();
    if (animating) BeginProgressAnimation();
}

// ---- animation ----------------------------------------------------------------------------

void TbsSkinGauge::BeginProgressAnimation() {
    FetchSkinRecord();
    if (GetSkinRecordIndex() == -1 || FGauge.AnimationRect.IsEmpty()) return;
    FAnimating = true;
    BeginRun();
}

void TbsSkinGauge::EndProgressAnimation() {
    FAnimating = false;
    FAnimFrame = 0;
    StopTimer(tidGaugeAnimationPause);
    StopTimer(tidGaugeAnimationFrame);
    Invalidate();
}

void TbsSkinGauge::BeginRun() {
    StopTimer(tidGaugeAnimationPause);
    FAnimFrame = 0;
    StartTimer(tidGaugeAnimationFrame, UINT(std::max(FGauge.AnimationInterval, 0)));
    Invalidate();
}

void TbsSkinGauge::FrameTick() {
    ++FAnimFrame;
    if (FAnimFrame > FGauge.AnimationFrames) {
        FAnimFrame = 0;
        StartTimer(tidGaugeAnimationPause, UINT(FProgressAnimationPause));
        StopTimer(tidGaugeAnimationFrame);
    }
    Invalidate();
}

bool TbsSkinGauge::OnTimer(UINT_PTR id) {
    if (id == tidGaugeAnimationPause && TimerRunning(id)) {
        BeginRun();
        return true;
    }
    if (id == tidGaugeAnimationFrame && TimerRunning(id)) {
        FrameTick();
        return true;
    }
    return TbsSkinCustomControl::OnTimer(id);
}

// ---- painting -------------------------------------------------------------------------------

bool TbsSkinGauge::OnEraseBackground(HDC dc) {
    // Erased from outside the gauge's own paint: paint the whole gauge there.
    if (dc && !IsPaintingFromMessage()) {
        TCanvas canvas(dc);
        PaintReporting(canvas);
    }
    return true;
}

void TbsSkinGauge::Paint(TCanvas& canvas) {
    if (GetWidth() < 1 || GetHeight() < 1) return;
    FetchSkinRecord();
    if (GetSkinRecordIndex() == -1 || FUseSkinSize) {
        TbsSkinCustomControl::Paint(canvas);
        return;
    }
    // The skin at its own size, stretched over the control, the text on top.
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);
    const int skinWidth = FSkin.SkinWidth(), skinHeight = FSkin.SkinHeight();
    PaintThroughBitmap(canvas.GetHandle(), GetWidth(), GetHeight(), FPaintBuffer, [&](TbsBitmap& bitmap) {
        TbsBitmap face;
        if (skinWidth < 1 || skinHeight < 1 || !face.TrySetSize(skinWidth, skinHeight)) {
            PaintNoSkin(bitmap);
            return;
        }
        PaintSkinFace(face, skinWidth, skinHeight, false);
        face.Draw(bitmap.DC(), Rect(0, 0, bitmap.Width(), bitmap.Height()), Rect(0, 0, face.Width(), face.Height()));
        PaintProgressText(bitmap, true);
    });
}

void TbsSkinGauge::PaintSkin(TbsBitmap& bitmap) { PaintSkinFace(bitmap, GetWidth(), GetHeight(), true); }

void TbsSkinGauge::PaintSkinFace(TbsBitmap& bitmap, int W, int H, bool withText) {
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!picture || !ComposeSkinFace(FSkin, FSized, false, W, H, *picture, bitmap)) {
        PaintNoSkin(bitmap);
        return;
    }
    const TRect fill = FillRect();
    if (OnGaugePaint) {
        OnGaugePaint(this, bitmap.Canvas(), FSizedProgressArea, fill);
        return;
    }
    if (!fill.IsEmpty() && !PaintFill(bitmap, *picture, fill)) return;
    if (withText) PaintProgressText(bitmap, true);
}

bool TbsSkinGauge::PaintFill(TbsBitmap& bitmap, const TbsBitmap& picture, const TRect& fill) {
    TbsGaugeFillSource source;
    source.ProgressRect = FGauge.ProgressRect;
    if (TimerRunning(tidGaugeAnimationFrame) && FAnimFrame > 0 && FGauge.AnimationFrames > 0)
        source.FrameRect =
            GaugeAnimationFrame(FGauge.AnimationRect, FGauge.ProgressRect, FAnimFrame, FGauge.AnimationFrames);
    source.BeginOffset = FGauge.BeginOffset;
    source.EndOffset = FGauge.EndOffset;
    source.Stretch = FGauge.ProgressStretch;
    source.Vertical = FVertical;
    const TbsGaugeFillBlits blits = GaugeFillBlits(source, fill.Width(), fill.Height());
    if (!blits.Drawn) return false;

    TbsBitmap image;
    if (!image.TrySetSize(fill.Width(), fill.Height())) return true;
    GdiFlush();  // the picture's and the image's pixels are written in memory
    DrawSkinBlits(image.View(), picture.View(), blits.Blits);
    if (FGauge.ProgressTransparent) image.SetTransparentColor(FGauge.ProgressTransparentColor);
    image.Draw(bitmap.DC(), fill.Left, fill.Top);
    return true;
}

void TbsSkinGauge::PaintNoSkin(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    const int W = bitmap.Width(), H = bitmap.Height();
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(Rect(0, 0, W, H));
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(Rect(0, 0, W, H));
    const TRect fill = GaugeFillRect(Rect(1, 1, W - 1, H - 1), GetProgressValue(), FMinValue, FMaxValue, FVertical);
    if (OnGaugePaint) {
        OnGaugePaint(this, canvas, Rect(1, 1, W - 1, H - 1), fill);
        return;
    }
    if (!fill.IsEmpty()) {
        canvas.Brush().SetColor(kPlainFillColor);
        canvas.FillRect(fill);
    }
    PaintProgressText(bitmap, false);
}

void TbsSkinGauge::PaintProgressText(TbsBitmap& bitmap, bool bound) {
    const std::string text = ProgressTextToDraw();
    if (text.empty() || bitmap.Empty()) return;
    TCanvas& canvas = bitmap.Canvas();
    TFont& font = canvas.Font();
    if (bound && GetUseSkinFont()) {
        font.SetName(FGauge.Font.Name);
        font.SetHeight(FGauge.Font.Height);
        font.SetStyle(FGauge.Font.Style);
    } else {
        font.Assign(DefaultFont());
    }
    font.SetColor(bound ? FGauge.Font.Color : DefaultFont().GetColor());
    const TbsSkinData* manager = GetSkinData();
    font.SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet() : DefaultFont().GetCharset());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    // A font of odd height sits one pixel higher.
    const int raise = std::abs(font.GetHeight()) % 2;
    const int W = bitmap.Width(), H = bitmap.Height();
    if (!FVertical) {
        const int textWidth = canvas.TextWidth(text), textHeight = canvas.TextHeight(text);
        canvas.TextOut((W - textWidth) / 2, (H - textHeight) / 2 - raise, text);
        return;
    }
    // Turned by 90 degrees: the text runs upwards, its top towards the left.
    LOGFONTA lf{};
    if (!GetObjectA(font.GetHandle(), sizeof(lf), &lf)) return;
    lf.lfEscapement = lf.lfOrientation = 900;  // tenths of a degree
    TFontHandle turned(CreateFontIndirectA(&lf));
    if (!turned) return;
    HDC dc = bitmap.DC();
    TSaveDc save(dc);
    SelectObject(dc, turned.Get());
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), int(text.size()), &extent);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(font.GetColor()));
    TextOutA(dc, (W - extent.cy) / 2, extent.cx / 2 + H / 2 - raise, text.data(), int(text.size()));
}
