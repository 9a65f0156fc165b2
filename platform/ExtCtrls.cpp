#include "platform/ExtCtrls.h"

#include <algorithm>

#include "platform/Jpeg.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/TimerIds.h"

// ---- TImage -------------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TImage::SetPictureData(const std::vector<std::uint8_t>& stored) {
    TStoredPicture picture = ReadStoredPicture(stored);
    TPixelBuffer pixels;
    if (picture.ClassName == "TJPEGImage") DecodeJpeg(picture.Data, pixels);
    // Anything else, or a JPEG that does not decode: an empty picture.
    FPicture.Assign(pixels);
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) { canvas.Draw(0, 0, FPicture); }

// ---- TPanel -------------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {}

void TPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WinClassName = "RdzPanel";
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::SetBorderStyle(TBevelStyle value) {
    FBorderStyle = value;
    Invalidate();
}

void TPanel::SetShowCaption(bool value) {
    FShowCaption = value;
    Invalidate();
}

void TPanel::TextChanged() {
    // Painted now, not at the next idle moment: a handler that changes the
    // caption and then works on shows the new text.
    Invalidate();
    Update();
}

void TPanel::Paint(TCanvas& canvas) {
    TRect client = GetClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    RECT rc{client.Left, client.Top, client.Right, client.Bottom};
    switch (FBorderStyle) {
        case TBevelStyle::bvNone: break;
        case TBevelStyle::bvFrame: DrawEdge(canvas.GetHandle(), &rc, EDGE_ETCHED, BF_RECT | BF_ADJUST); break;
        case TBevelStyle::bvLowered: DrawEdge(canvas.GetHandle(), &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST); break;
        case TBevelStyle::bvRaised: DrawEdge(canvas.GetHandle(), &rc, BDR_RAISEDINNER, BF_RECT | BF_ADJUST); break;
    }
    if (!FShowCaption) return;
    TRect text = Rect(rc.left + 4, rc.top, rc.right - 4, rc.bottom);
    canvas.DrawText(GetText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

TStatusBar::TStatusBar(TComponent* AOwner) : TPanel(AOwner) {}

void TStatusBar::SetSizeGrip(bool value) {
    FSizeGrip = value;
    Invalidate();
}

void TStatusBar::Paint(TCanvas& canvas) {
    TPanel::Paint(canvas);
    if (!FSizeGrip) return;
    TRect c = GetClientRect();
    RECT grip{c.Right - GetSystemMetrics(SM_CXVSCROLL), c.Bottom - GetSystemMetrics(SM_CYHSCROLL), c.Right, c.Bottom};
    DrawFrameControl(canvas.GetHandle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

TStatusPanel::TStatusPanel(TComponent* AOwner) : TPanel(AOwner) {}

// ---- TGauge -------------------------------------------------------------------

TGauge::TGauge(TComponent* AOwner) : TCustomControl(AOwner) {}

void TGauge::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WinClassName = "RdzGauge";
}

void TGauge::SetMinValue(int value) {
    FMinValue = value;
    FMaxValue = std::max(FMaxValue, FMinValue);
    SetValue(FValue);
    Invalidate();
}

void TGauge::SetMaxValue(int value) {
    FMaxValue = value;
    FMinValue = std::min(FMinValue, FMaxValue);
    SetValue(FValue);
    Invalidate();
}

void TGauge::SetValue(int value) {
    value = std::clamp(value, FMinValue, FMaxValue);
    if (value == FValue) return;
    FValue = value;
    Repaint();
}

void TGauge::SetVertical(bool value) {
    FVertical = value;
    Invalidate();
}

void TGauge::SetShowProgressText(bool value) {
    FShowProgressText = value;
    Invalidate();
}

void TGauge::SetShowPercent(bool value) {
    FShowPercent = value;
    Invalidate();
}

void TGauge::Paint(TCanvas& canvas) {
    ++FPaintCount;
    TRect client = GetClientRect();
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(client);
    RECT rc{client.Left, client.Top, client.Right, client.Bottom};
    DrawEdge(canvas.GetHandle(), &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    long long range = (long long)FMaxValue - FMinValue;
    long long done = (long long)FValue - FMinValue;
    TRect bar = Rect(rc.left, rc.top, rc.right, rc.bottom);
    if (range <= 0) {
        bar.Right = bar.Left;  // an empty range shows an empty bar
    } else if (FVertical) {
        bar.Top = bar.Bottom - int((bar.Height() * done) / range);
    } else {
        bar.Right = bar.Left + int((bar.Width() * done) / range);
    }
    canvas.Brush().SetColor(clHighlight);
    canvas.FillRect(bar);
    if (FShowProgressText) {
        std::string text = std::to_string(FValue);
        if (FShowPercent && range > 0) text = std::to_string(done * 100 / range) + "%";
        TRect r = Rect(rc.left, rc.top, rc.right, rc.bottom);
        canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// ---- TTimer -------------------------------------------------------------------

// A message-only window that receives the timer's WM_TIMER.
class TTimer::TTimerWindow : public TWinControl {
public:
    TTimerWindow(TTimer& timer) : TWinControl(nullptr), FTimer(timer) {}

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WinClassName = "RdzTimer";
        params.Style = 0;
        params.WndParent = HWND_MESSAGE;
    }
    bool OnTimer(UINT_PTR id) override {
        if (id != tidTimerComponent) return false;
        FTimer.Tick();
        return true;
    }

private:
    TTimer& FTimer;  // not owned: the timer owns this window
};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FWindow(std::make_unique<TTimerWindow>(*this)) {}

TTimer::~TTimer() {
    FTimerId.Reset();  // before the window goes
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == FInterval) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent value) {
    FOnTimer = std::move(value);
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    FTimerId.Reset();
    if (IsLoading() || !FEnabled || FInterval == 0 || !FOnTimer) return;
    FTimerId = TTimerId(FWindow->GetHandle(), tidTimerComponent, FInterval);
}

void TTimer::Tick() {
    if (FEnabled && FOnTimer) FOnTimer(this);
}
