// Further plain controls: picture, panels (the status bar and its panel
// are panels), progress gauge, and the timer component.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Controls.h"
#include "platform/Graphics.h"

// A picture drawn at its own size at the top left of the control. The
// stored picture data (see ReadStoredPicture) of class "TJPEGImage" is
// decoded with libjpeg; data that does not decode leaves the picture empty.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    void Paint(TCanvas& canvas) override;
    TBitmap& Picture() { return FPicture; }
    void SetPictureData(const std::vector<std::uint8_t>& stored);

private:
    TBitmap FPicture;
};

enum class TBevelStyle { bvNone, bvFrame, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    TBevelStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBevelStyle value);
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;

private:
    TBevelStyle FBorderStyle = TBevelStyle::bvRaised;
    bool FShowCaption = true;
};

class TStatusBar : public TPanel {
public:
    explicit TStatusBar(TComponent* AOwner);
    bool GetSizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);

protected:
    void Paint(TCanvas& canvas) override;

private:
    bool FSizeGrip = true;
};

class TStatusPanel : public TPanel {
public:
    explicit TStatusPanel(TComponent* AOwner);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }

private:
    bool FAutoSize = false;  // stored; the panel keeps its width
};

// A horizontal or vertical progress bar from MinValue to MaxValue.
class TGauge : public TCustomControl {
public:
    explicit TGauge(TComponent* AOwner);
    int GetMinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int GetMaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int GetValue() const { return FValue; }
    // Clamps to MinValue..MaxValue; repaints only when the value changes.
    void SetValue(int value);
    bool GetVertical() const { return FVertical; }
    void SetVertical(bool value);
    void SetShowProgressText(bool value);
    void SetShowPercent(bool value);
    void SetProgressAnimationPause(int value) { FProgressAnimationPause = value; }
    int GetPaintCount() const { return FPaintCount; }  // paints so far

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;

private:
    int FMinValue = 0, FMaxValue = 100, FValue = 0;
    bool FVertical = false;
    bool FShowProgressText = false;
    bool FShowPercent = false;
    int FProgressAnimationPause = 3000;  // ms; stored, nothing starts the animation
    int FPaintCount = 0;
};

// A periodic event on the window thread. Switching it on, or changing the
// interval, starts the period anew; switching it off stops it. It ticks
// only after its layout (if any) has been loaded.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned GetInterval() const { return FInterval; }  // ms
    void SetInterval(unsigned value);
    void SetOnTimer(TNotifyEvent value);
    bool IsRunning() const { return bool(FTimerId); }
    void Loaded() override;

private:
    class TTimerWindow;
    void UpdateTimer();
    void Tick();

    bool FEnabled = true;
    unsigned FInterval = 1000;  // ms
    TNotifyEvent FOnTimer;
    std::unique_ptr<TTimerWindow> FWindow;
    TTimerId FTimerId;
};
