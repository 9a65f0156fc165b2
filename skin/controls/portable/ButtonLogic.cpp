#include "skin/controls/portable/ButtonLogic.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/portable/SkinGeometry.h"

TbsButtonSkin ButtonSkinOf(const TbsDataSkinButtonControl& record) {
    TbsButtonSkin s;
    s.Font = record.Font;
    s.ActiveFontColor = record.ActiveFontColor;
    s.DownFontColor = record.DownFontColor;
    s.DisabledFontColor = record.DisabledFontColor == record.Font.Color ? kButtonDisabledGrey : record.DisabledFontColor;
    s.ActiveSkinRect = record.ActiveSkinRect.IsEmpty() ? record.SkinRect : record.ActiveSkinRect;
    s.DownSkinRect = record.DownSkinRect.IsEmpty() ? s.ActiveSkinRect : record.DownSkinRect;
    s.FocusedSkinRect = record.FocusedSkinRect;
    s.DisabledSkinRect = record.DisabledSkinRect;
    s.Morphing = record.Morphing;
    s.MorphKind = record.MorphKind;
    s.AnimateSkinRect = record.AnimateSkinRect;
    s.FrameCount = record.FrameCount;
    s.AnimateInterval = record.AnimateInterval;
    s.ShowFocus = record.ShowFocus;
    s.GlowPictureIndex = record.GlowLayerPictureIndex;
    s.GlowMaskPictureIndex = record.GlowLayerMaskPictureIndex;
    s.GlowOffsetLeft = record.GlowLayerOffsetLeft;
    s.GlowOffsetTop = record.GlowLayerOffsetTop;
    s.GlowOffsetRight = record.GlowLayerOffsetRight;
    s.GlowOffsetBottom = record.GlowLayerOffsetBottom;
    s.GlowShowOffsetX = record.GlowLayerShowOffsetX;
    s.GlowShowOffsetY = record.GlowLayerShowOffsetY;
    s.GlowAlpha = record.GlowLayerAlphaBlendValue;
    return s;
}

bool ButtonMorphBlends(const TbsButtonState& s) {
    return s.MorphActive && s.MorphValue > 0 && s.MorphValue < 1 && s.Enabled;
}

TbsButtonImage ChooseButtonImage(const TbsButtonState& s) {
    const bool focused = s.Focused && s.CanFocused;
    if (!s.Enabled && s.HasDisabledRect) return {bsbrDisabled, false, false};
    if (s.Down && (s.GroupIndex != 0 || s.MouseOver || (focused && !s.PressedByMouse))) return {bsbrDown, true, true};
    if (focused && s.HasFocusedRect && !s.FrameAnimating) return {bsbrFocused, true, false};
    if (focused || s.MouseOver) return {bsbrActive, true, false};
    if (s.MorphActive && s.MorphValue == 1) return {bsbrActive, true, false};
    return {bsbrSkin, false, false};
}

namespace {

// value kept on the steps' grid within 0..1: repeated additions of 0.2 in
// binary floating point drift (five steps down from 1 leave 5.6e-17, not 0),
// which would cost an extra tick past the end and a blend outside 0..1.
double OnMorphGrid(double value) {
    const double steps = std::round(value / kButtonMorphStep);
    return std::clamp(steps * kButtonMorphStep, 0.0, 1.0);
}

}  // namespace

TbsMorphStep StepButtonMorph(double value, bool target) {
    if (target && value < 1) return {OnMorphGrid(value + kButtonMorphStep), false};
    if (!target && value > 0) return {OnMorphGrid(value - kButtonMorphStep), false};
    return {target ? 1.0 : 0.0, true};
}

TRect ButtonAnimationFrame(const TRect& strip, const TRect& skinRect, int frame, int count) {
    if (strip.IsEmpty() || count < 1 || frame < 1 || frame > count) return {};
    if (strip.Width() > skinRect.Width()) {
        const int w = strip.Width() / count;
        const int left = strip.Left + (frame - 1) * w;
        return Rect(left, strip.Top, left + w, strip.Bottom);
    }
    const int h = strip.Height() / count;
    const int top = strip.Top + (frame - 1) * h;
    return Rect(strip.Left, top, strip.Right, top + h);
}

int ButtonGlyphCell(bool active, bool down, bool enabled, int numGlyphs) {
    if (active && down && numGlyphs > 2) return 3;
    if (active && numGlyphs > 3) return 4;
    if (enabled || numGlyphs < 2) return 1;
    return 2;
}

TbsGlowGeometry ButtonGlowGeometry(const TbsButtonSkin& skin, int resizeMode, bool useSkinSize, int pictureW,
                                   int pictureH, int dW, int dH, TPoint origin) {
    TbsGlowGeometry g;
    g.Width = pictureW;
    g.Height = pictureH;
    if (resizeMode == bsrmHorizontal && useSkinSize) {
        g.Sizing = bsgsHorizontal;
        g.Width = pictureW + dW;
    } else if (resizeMode == bsrmNinePart) {
        g.Sizing = bsgsNinePart;
        g.Width = pictureW + dW;
        g.Height = pictureH + dH;
    }
    // A button narrower than its skin never gets a glow narrower than its fixed ends.
    if (g.Sizing != bsgsAsIs) {
        g.Width = std::max(g.Width, skin.GlowOffsetLeft + skin.GlowOffsetRight);
        if (g.Sizing == bsgsNinePart) g.Height = std::max(g.Height, skin.GlowOffsetTop + skin.GlowOffsetBottom);
    }
    g.Origin = Point(origin.X - skin.GlowShowOffsetX, origin.Y - skin.GlowShowOffsetY);
    return g;
}
