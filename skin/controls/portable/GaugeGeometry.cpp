#include "skin/controls/portable/GaugeGeometry.h"

#include <algorithm>
#include <cstdint>

int ClampGaugeValue(int value, int minValue, int maxValue) {
    if (value > maxValue) return maxValue;
    if (value < minValue) return minValue;
    return value;
}

int GaugeShare(int length, int value, int minValue, int maxValue) {
    if (length < 1 || minValue == maxValue) return 0;
    // 64 bits: a length below 2^31 times a difference below 2^32 fits.
    const std::int64_t done = std::int64_t(value) - minValue;
    const std::int64_t whole = std::int64_t(maxValue) - minValue;
    const std::int64_t share = std::int64_t(length) * done / whole;  // truncates towards zero
    return int(std::clamp<std::int64_t>(share, 0, length));
}

TRect GaugeFillRect(const TRect& area, int value, int minValue, int maxValue, bool vertical) {
    TRect fill = area;
    if (vertical) {
        fill.Top = area.Bottom - GaugeShare(area.Height(), value, minValue, maxValue);
    } else {
        fill.Right = area.Left + GaugeShare(area.Width(), value, minValue, maxValue);
    }
    return fill;
}

TRect SizedProgressArea(const TRect& progressArea, int resizeMode, bool vertical, int width, int height,
                        int skinWidth, int skinHeight) {
    TRect area = progressArea;
    if (resizeMode <= 0) return area;
    if (vertical) {
        area.Bottom += height - skinHeight;
    } else {
        area.Right += width - skinWidth;
    }
    return area;
}

namespace {

// The tiles of one source length over [d0, d1): at d0, d0 + s, ... (horizontal)
// or at d1 - s, d1 - 2s, ... (from the bottom up); each tile is a clipped whole
// copy, so a cut tile keeps the part of the source next to its uncut edge.
void AppendTiles(TSkinBlits& out, const TRect& src, int d0, int d1, int cross, bool vertical) {
    const int s = vertical ? src.Height() : src.Width();
    if (vertical) {
        for (int bottom = d1; bottom > d0; bottom -= s) {
            const int top = std::max(bottom - s, d0);
            const TRect dst = Rect(0, top, cross, bottom);
            const TRect from = Rect(src.Left, src.Bottom - (bottom - top), src.Right, src.Bottom);
            out.push_back({from, dst, {}});
        }
    } else {
        for (int left = d0; left < d1; left += s) {
            const int right = std::min(left + s, d1);
            const TRect dst = Rect(left, 0, right, cross);
            const TRect from = Rect(src.Left, src.Top, src.Left + (right - left), src.Bottom);
            out.push_back({from, dst, {}});
        }
    }
}

}  // namespace

TbsGaugeFillBlits GaugeFillBlits(const TbsGaugeFillSource& source, int W, int H) {
    TbsGaugeFillBlits result;
    if (W < 1 || H < 1) return result;
    const int b = std::max(source.BeginOffset, 0);
    const int e = std::max(source.EndOffset, 0);
    const bool v = source.Vertical;
    const int length = v ? H : W;
    const TRect& p = source.ProgressRect;

    if (length - b - e > 0) {
        const bool framed = !source.FrameRect.IsEmpty();
        TRect src = framed ? source.FrameRect : p;
        if (v) {
            src.Top += b;
            src.Bottom -= e;
        } else {
            src.Left += b;
            src.Right -= e;
        }
        if ((v ? src.Height() : src.Width()) <= 0 || (v ? src.Width() : src.Height()) <= 0) {
            result.Drawn = false;
            return result;
        }
        const TRect middle = v ? Rect(0, b, W, H - e) : Rect(b, 0, W - e, H);
        if (source.Stretch || framed) {
            result.Blits.push_back({src, middle, {}});
        } else if (v) {
            AppendTiles(result.Blits, src, b, H - e, W, true);
        } else {
            AppendTiles(result.Blits, src, b, W - e, H, false);
        }
    }

    // The caps at full cross size; a cap longer than the image is cut by it.
    if (b > 0) {
        const TRect src = v ? Rect(p.Left, p.Top, p.Right, p.Top + b) : Rect(p.Left, p.Top, p.Left + b, p.Bottom);
        const TRect dst = v ? Rect(0, 0, W, b) : Rect(0, 0, b, H);
        if (!src.IsEmpty()) result.Blits.push_back({src, dst, Rect(0, 0, W, H)});
    }
    if (e > 0) {
        const TRect src =
            v ? Rect(p.Left, p.Bottom - e, p.Right, p.Bottom) : Rect(p.Right - e, p.Top, p.Right, p.Bottom);
        const TRect dst = v ? Rect(0, H - e, W, H) : Rect(W - e, 0, W, H);
        if (!src.IsEmpty()) result.Blits.push_back({src, dst, Rect(0, 0, W, H)});
    }
    return result;
}

TRect GaugeAnimationFrame(const TRect& animationRect, const TRect& progressRect, int frame, int count) {
    if (count < 1 || frame < 1 || frame > count) return {};
    const TRect& a = animationRect;
    if (a.Width() > progressRect.Width()) {
        const int slice = a.Width() / count;
        return Rect(a.Left + (frame - 1) * slice, a.Top, a.Left + frame * slice, a.Bottom);
    }
    const int slice = a.Height() / count;
    return Rect(a.Left, a.Top + (frame - 1) * slice, a.Right, a.Top + frame * slice);
}

std::string GaugeProgressText(bool showProgressText, const std::string& progressText, bool showPercent, int value,
                              int minValue, int maxValue) {
    std::string text = showProgressText ? progressText : std::string();
    if (showPercent) text += std::to_string(GaugeShare(100, value, minValue, maxValue)) + "%";
    return text;
}
