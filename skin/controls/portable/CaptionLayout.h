// Where the panels and labels put their caption, free of any window: the
// caption line of a panel (roll-up button, check image, caption image or
// glyph, the frame behind the text, the text), the text of a label or
// status panel, the width AutoSize gives a label, and the height a panel
// keeps while rolled up.
//
// Conventions: rectangles are left, top, right, bottom with right and
// bottom exclusive, in control coordinates; halves by truncating division.
// A text is placed by its top-left corner and drawn clipped to its
// rectangle.
#pragma once

#include "platform/portable/Alignment.h"
#include "platform/portable/Types.h"

// The roll-up button's width at the caption's right end. // pixels
constexpr int kRollUpButtonWidth = 12;
// The gap after the check image and after a label's image. // pixels
constexpr int kCaptionCheckGap = 2;

// The top of a text of textHeight centred in r, one pixel higher for a
// font of odd height.
int CentredTextTop(const TRect& r, int textHeight, bool oddFontHeight);
// The left of a run of `width` pixels aligned in r: r.Left, r.Right -
// width, or r.Left + r width div 2 - width div 2.
int AlignedLeft(const TRect& r, int width, TAlignment alignment);

// A width and a height in pixels; 0 x 0 for a part that is not there.
struct TbsExtent {
    int Width = 0;
    int Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// What a panel's caption line holds.
struct TbsCaptionLineInput {
    TRect Rect;                 // the sized caption rectangle
    bool RollUpButton = false;  // RollUpMode: the right 12 pixels are the button
    TbsExtent CheckImage;           // CheckedMode: the check image's size, else 0 x 0
    TbsExtent Image;                // the caption glyph cell or image, 0 x 0 for none
    int Spacing = 2;            // between image and text
    bool ImageAtLeft = false;   // bsipLeft: the image at the left edge + 2
    TbsExtent Text;                 // the caption's extent; 0 x 0 for no caption
    TAlignment Alignment = taLeftJustify;
    bool OddFontHeight = false;
    // "framerect" behind the text: its size in the picture (0 x 0 for none)
    // and the margins it keeps around the text ("frameleftoffset",
    // "framerightoffset").
    TbsExtent Frame;
    int FrameLeftMargin = 0, FrameRightMargin = 0;
};

// Where each part of the line goes. Parts the line does not have are
// empty rectangles; TextClip is what the text is clipped to.
struct TbsCaptionLine {
    TRect RollUpButton;
    TRect CheckImage;
    TRect Image;
    TRect Frame;
    TPoint Text;
    TRect TextClip;
    friend bool operator==(const TbsCaptionLine&, const TbsCaptionLine&) = default;
};

// The line, step by step: the roll-up button takes the right 12 pixels;
// the check image sits at the left, centred vertically, and the rest
// starts its width + 2 further right; the text and the image before it
// (image width + Spacing) are aligned as one run, or with ImageAtLeft the
// image sits at the left + 2 and the text is aligned in what is right of
// it; images are centred vertically, the text by CentredTextTop; the frame
// starts FrameLeftMargin left of the text at the caption's top and is as
// wide as the text plus both margins.
TbsCaptionLine LayoutCaptionLine(const TbsCaptionLineInput& in);

// How much wider AutoSize makes a label: its text width, plus the image's
// width + 3 when it has one, less the width its text rectangle has now.
// Negative when the text is narrower.
int AutoSizeDelta(int textWidth, int imageWidth, int contentWidth);

// The height a rolled-up panel keeps: the caption band of
// defaultCaptionHeight without a skin; with a nine-part skin the frame's
// top strip (at least to the caption's bottom) and its bottom strip; other
// skins keep their own height. Never more than the current height, never
// below 0.
int RolledUpHeight(bool bound, int resizeMode, int topStrip, int bottomStrip, int captionBottom,
                   int defaultCaptionHeight, int currentHeight);
