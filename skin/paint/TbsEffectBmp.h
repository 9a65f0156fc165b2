// TbsEffectBmp: a 24-bit top-down copy of a platform bitmap on which the
// morph transitions between two state images and the inactive effects of a
// form frame run. The pixel arithmetic is in portable/EffectPixelsRgb.h.
#pragma once

#include "skin/paint/portable/EffectPixelsRgb.h"

// Types.h must come before windows.h, whose GetRValue macros would rewrite it.
#include "platform/portable/Types.h"

#include <windows.h>

#include "platform/Handles.h"

class TbsEffectBmp {
public:
    // Copies source through a context on the display. When the bitmap
    // cannot be read, the result is empty and every operation does nothing.
    explicit TbsEffectBmp(HBITMAP source);
    TbsEffectBmp(const TbsEffectBmp&) = delete;
    TbsEffectBmp& operator=(const TbsEffectBmp&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int RowSize() const { return RgbRowSize(FWidth); }  // bytes
    int ImageSize() const { return RowSize() * FHeight; }
    bool Empty() const { return FBits == nullptr; }
    HBITMAP Handle() const { return FSection.Get(); }
    TRgbView View() const { return TRgbView{FBits, FWidth, FHeight, RowSize()}; }

    // A device-independent blit of the whole image at (X, Y).
    void Draw(HDC dc, int X, int Y) const;

    // This image is the old state A, Other the new state B; nothing happens
    // when their sizes differ.
    void Morph(const TbsEffectBmp& Other, double Kf) { MorphRgb(View(), Other.View(), Kf); }
    void GradientMorph(const TbsEffectBmp& Other, double Kf) { GradientMorphRgb(View(), Other.View(), Kf); }
    void LeftGradientMorph(const TbsEffectBmp& Other, double Kf) { LeftGradientMorphRgb(View(), Other.View(), Kf); }
    void RightGradientMorph(const TbsEffectBmp& Other, double Kf) { RightGradientMorphRgb(View(), Other.View(), Kf); }
    void LeftSlide(const TbsEffectBmp& Other, double Kf) { LeftSlideRgb(View(), Other.View(), Kf); }
    void RightSlide(const TbsEffectBmp& Other, double Kf) { RightSlideRgb(View(), Other.View(), Kf); }
    void Push(const TbsEffectBmp& Other, double Kf) { PushRgb(View(), Other.View(), Kf); }
    void MorphByKind(TbsMorphKind kind, const TbsEffectBmp& Other, double Kf) {
        MorphRgbByKind(kind, View(), Other.View(), Kf);
    }

    void Brightness(double Kf) { BrightnessRgb(View(), Kf); }
    void Darkness(double Kf) { DarknessRgb(View(), Kf); }
    void Grayscale() { GrayscaleRgb(View()); }
    void Noise(int Amount);
    void SplitBlur(int Distance) { SplitBlurRgb(View(), Distance); }
    void Invert() { InvertRgb(View()); }
    // The effect of the "inactiveeffect" key with its fixed parameter.
    void InactiveEffect(TbsInActiveEffect effect);

private:
    BITMAPINFO Header() const;

    int FWidth = 0;
    int FHeight = 0;
    std::uint8_t* FBits = nullptr;  // not owned: the section's memory
    TBitmapHandle FSection;
};
