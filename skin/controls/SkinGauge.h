// TbsSkinGauge: the skinned progress bar. The background is the record's
// skin image at the control's size; the filled part of the progress area
// is built from the record's progress picture (its caps at both ends, the
// middle tiled or stretched), with an optional text of a caption and the
// percentage on top.
//
// The value is kept within MinValue..MaxValue at every assignment, and an
// assignment that leaves it as it was paints nothing. The progress
// animation is idle (no timers) until BeginProgressAnimation; then runs of
// the record's animation frames over the fill alternate with pauses of
// ProgressAnimationPause ms, on the window's timers tidGaugeAnimationFrame
// and tidGaugeAnimationPause.
//
// The arithmetic lives in skin/controls/portable/GaugeGeometry.h.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <string>

#include "skin/controls/SkinControl.h"

class TbsSkinGauge;

// Replaces the drawing of the fill and the text: the canvas of the
// off-screen bitmap, the progress area and the filled rectangle in it.
using TbsGaugePaintEvent =
    std::function<void(TbsSkinGauge* sender, TCanvas& canvas, const TRect& progressArea, const TRect& fill)>;

class TbsSkinGauge : public TbsSkinCustomControl {
public:
    explicit TbsSkinGauge(TComponent* AOwner);
    ~TbsSkinGauge() override;

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;

    int GetMinValue() const { return FMinValue; }
    // Raises Value to the new minimum when below it; repaints.
    void SetMinValue(int value);
    int GetMaxValue() const { return FMaxValue; }
    // Lowers Value to the new maximum when above it; repaints.
    void SetMaxValue(int value);
    int GetValue() const { return FValue; }
    // Stores the value clamped to the bounds; repaints only when it changed.
    void SetValue(int value);
    bool GetVertical() const { return FVertical; }
    // A bound record's "vertical" overrides this at every binding.
    void SetVertical(bool value);
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool GetShowProgressText() const { return FShowProgressText; }
    void SetShowProgressText(bool value);
    const std::string& GetProgressText() const { return FProgressText; }
    void SetProgressText(const std::string& value);
    bool GetShowPercent() const { return FShowPercent; }
    void SetShowPercent(bool value);
    int GetProgressAnimationPause() const { return FProgressAnimationPause; }  // ms
    // Negative pauses are ignored.
    void SetProgressAnimationPause(int value);

    TbsGaugePaintEvent OnGaugePaint;

    // The value the drawing shows.
    virtual int GetProgressValue() const { return FValue; }

    // Starts the animation with a run of frames (nothing without a record
    // or without "progressanimationskinrect"); EndProgressAnimation stops it.
    void BeginProgressAnimation();
    void EndProgressAnimation();
    bool ProgressAnimating() const { return FAnimating; }
    // The animation frame shown, 0 for none.
    int GetAnimationFrame() const { return FAnimFrame; }
    // The progress area for the current size, in control coordinates.
    const TRect& SizedProgressArea() const { return FSizedProgressArea; }
    // The filled part of the sized progress area.
    TRect FillRect() const;
    // The text drawn over the gauge (empty: none).
    std::string ProgressTextToDraw() const;

    void FetchSkinRecord() override;
    void CalcSkinSize(int& width, int& height) override;
    void ApplySkinChange() override;

protected:
    void Paint(TCanvas& canvas) override;
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC dc) override;

private:
    // What the gauge copies from its record, beyond the base geometry.
    struct TGaugeSkin {
        TRect ProgressArea, ProgressRect;
        int BeginOffset = 0, EndOffset = 0;
        bool Vertical = false;
        TbsSkinFont Font;
        bool ProgressTransparent = false;
        TColor ProgressTransparentColor = 0;
        bool ProgressStretch = false;
        TRect AnimationRect;
        int AnimationFrames = 0, AnimationInterval = 0;  // ms per frame
    };

    // The background, the fill and, when withText, the text, for a W x H gauge.
    void PaintSkinFace(TbsBitmap& bitmap, int W, int H, bool withText);
    // Builds the fill image of fill's size and draws it at fill's top-left;
    // false when the record's picture leaves nothing to draw.
    bool PaintFill(TbsBitmap& bitmap, const TbsBitmap& picture, const TRect& fill);
    void PaintProgressText(TbsBitmap& bitmap, bool bound);
    void BeginRun();
    void FrameTick();

    TGaugeSkin FGauge;
    int FMinValue = 0, FMaxValue = 100, FValue = 50;
    bool FVertical = false;
    bool FUseSkinSize = true;
    bool FShowProgressText = false;
    std::string FProgressText;
    bool FShowPercent = false;
    int FProgressAnimationPause = 3000;  // ms
    TRect FSizedProgressArea;
    int FAnimFrame = 0;       // 0: no frame shown
    bool FAnimating = false;  // between Begin- and EndProgressAnimation
};
