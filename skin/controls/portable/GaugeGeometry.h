// The arithmetic of the skinned progress gauge, free of any window: the
// clamping of its value, the filled part of its progress area, the pieces
// of the fill image and their copies, the frames of the progress
// animation, and the progress text.
//
// Conventions: rectangles are left, top, right, bottom with right and
// bottom exclusive. A horizontal gauge fills rightwards from the area's
// left edge, a vertical one upwards from its bottom edge.
#pragma once

#include <string>

#include "platform/portable/Types.h"
#include "skin/paint/portable/SkinGeometry.h"

// The value a gauge stores for `value`: maxValue above it, else minValue
// below it, else value. Bounds in the wrong order are not checked: a value
// above maxValue still becomes maxValue.
int ClampGaugeValue(int value, int minValue, int maxValue);

// The share of the way from minValue to maxValue that `value` has gone,
// scaled to `length` and truncated towards zero: length * (value - min) /
// (max - min), kept within 0..length. 0 when the bounds are equal or the
// length is below 1. Exact in 64-bit integers, so 29 of 0..100 over 100
// pixels is 29, where a floating fraction would give 28.
int GaugeShare(int length, int value, int minValue, int maxValue);

// The filled part of `area`: its left part (horizontal) or bottom part
// (vertical) of the length GaugeShare gives for the area's width (height).
// An area with a negative side gives an empty rectangle at its left
// (bottom) edge.
TRect GaugeFillRect(const TRect& area, int value, int minValue, int maxValue, bool vertical);

// The progress area for a control of width x height: the record's
// "progressarea", whose right (horizontal) or bottom (vertical) edge grows
// by the control's width (height) less the skin rectangle's, for resize
// modes above 0.
TRect SizedProgressArea(const TRect& progressArea, int resizeMode, bool vertical, int width, int height,
                        int skinWidth, int skinHeight);

// What the fill image of a gauge is built from.
struct TbsGaugeFillSource {
    TRect ProgressRect;     // "progressrect", in the picture
    TRect FrameRect;        // the animation frame shown, in the picture; empty: none
    int BeginOffset = 0;    // pixels of the start cap; below 0 counts as 0
    int EndOffset = 0;      // pixels of the end cap; below 0 counts as 0
    bool Stretch = false;   // "progressstretch": the middle stretched, not tiled
    bool Vertical = false;  // start cap at the top, tiles laid from the bottom up
};

// The copies that build a W x H fill image (destinations in the image,
// sources in the picture), in drawing order:
//  - the middle, when the image is longer than both caps: the source (the
//    frame when there is one, else "progressrect") less its caps along the
//    fill direction, stretched over the middle when Stretch or a frame is
//    shown, else tiled from the middle's start (left, or bottom for a
//    vertical gauge) with the last tile cut at the middle's end; the cross
//    dimension is scaled to the image's;
//  - the start cap ("progressrect"'s first BeginOffset columns or rows) at
//    the image's start and the end cap (its last EndOffset) at its end,
//    also when the image is too short for a middle (the end cap then lies
//    over the start cap).
// Drawn = false when a middle is due but its source has no length: nothing
// at all is drawn then, and Blits is empty.
struct TbsGaugeFillBlits {
    TSkinBlits Blits;
    bool Drawn = true;
};
TbsGaugeFillBlits GaugeFillBlits(const TbsGaugeFillSource& source, int W, int H);

// Frame `frame` (1 to count) of the progress animation: the frame-th of
// `count` equal slices of `animationRect` (slice length = length div
// count), cut along its width when it is wider than progressRect, else
// along its height. Empty for a frame outside 1..count.
TRect GaugeAnimationFrame(const TRect& animationRect, const TRect& progressRect, int frame, int count);

// The text a gauge draws: progressText when showProgressText, followed by
// the percentage (GaugeShare of 100) and "%" when showPercent.
std::string GaugeProgressText(bool showProgressText, const std::string& progressText, bool showPercent, int value,
                              int minValue, int maxValue);
