#include "skin/controls/portable/CaptionLayout.h"

#include <algorithm>

#include "skin/paint/portable/SkinGeometry.h"

int CentredTextTop(const TRect& r, int textHeight, bool oddFontHeight) {
    return r.Top + (r.Height() - textHeight) / 2 - (oddFontHeight ? 1 : 0);
}

int AlignedLeft(const TRect& r, int width, TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return r.Right - width;
        case taCenter: return r.Left + r.Width() / 2 - width / 2;
        default: return r.Left;
    }
}

namespace {

// A w x h rectangle at x, centred vertically in r.
TRect CentredIn(const TRect& r, int x, int w, int h) {
    const int y = r.Top + (r.Height() - h) / 2;
    return Rect(x, y, x + w, y + h);
}

}  // namespace

TbsCaptionLine LayoutCaptionLine(const TbsCaptionLineInput& in) {
    TbsCaptionLine line;
    TRect r = in.Rect;
    if (in.RollUpButton) {
        line.RollUpButton = Rect(r.Right - kRollUpButtonWidth, r.Top, r.Right, r.Bottom);
        r.Right -= kRollUpButtonWidth;
    }
    if (!in.CheckImage.Empty()) {
        line.CheckImage = CentredIn(r, r.Left, in.CheckImage.Width, in.CheckImage.Height);
        r.Left += in.CheckImage.Width + kCaptionCheckGap;
    }
    line.TextClip = r;

    const bool image = !in.Image.Empty();
    int textLeft = 0;
    if (image && in.ImageAtLeft) {
        line.Image = CentredIn(r, r.Left + 2, in.Image.Width, in.Image.Height);
        TRect rest = r;
        rest.Left = line.Image.Right + in.Spacing;
        textLeft = AlignedLeft(rest, in.Text.Width, in.Alignment);
    } else {
        const int lead = image ? in.Image.Width + in.Spacing : 0;
        const int runLeft = AlignedLeft(r, in.Text.Width + lead, in.Alignment);
        if (image) line.Image = CentredIn(r, runLeft, in.Image.Width, in.Image.Height);
        textLeft = runLeft + lead;
    }
    line.Text = {textLeft, CentredTextTop(r, in.Text.Height, in.OddFontHeight)};

    if (!in.Frame.Empty() && in.Text.Width > 0) {
        const int left = textLeft - in.FrameLeftMargin;
        line.Frame = Rect(left, in.Rect.Top, left + in.FrameLeftMargin + in.Text.Width + in.FrameRightMargin,
                          in.Rect.Top + in.Frame.Height);
    }
    return line;
}

int AutoSizeDelta(int textWidth, int imageWidth, int contentWidth) {
    return textWidth + (imageWidth > 0 ? imageWidth + 3 : 0) - contentWidth;
}

int RolledUpHeight(bool bound, int resizeMode, int topStrip, int bottomStrip, int captionBottom,
                   int defaultCaptionHeight, int currentHeight) {
    int height = currentHeight;
    if (!bound) {
        height = defaultCaptionHeight;
    } else if (resizeMode == bsrmNinePart) {
        height = std::max(topStrip, captionBottom) + std::max(bottomStrip, 0);
    }
    return std::clamp(height, 0, std::max(currentHeight, 0));
}
