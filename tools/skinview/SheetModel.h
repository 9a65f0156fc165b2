// What the contact sheet shows of a skin, in plain geometry: read from the
// skin records by SheetModel.cpp and drawn by SheetRender.cpp. The two halves
// share only these types, so the drawing side needs no record headers.
#pragma once

#include <string>
#include <vector>

#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"

// The nine-part geometry of one element: rectangles in picture pixels,
// points and client rectangle relative to the skin rectangle.
struct TSheetLook {
    int Picture = -1;
    int Mask = -1;
    TRect SkinRect;
    TPoint LT, RT, LB, RB;
    TRect Client;
    bool StretchLeft = false, StretchTop = false, StretchRight = false, StretchBottom = false;
    bool StretchCenter = false;
    int StretchKind = 0;  // 0 both directions, 1 horizontal, 2 vertical
};

// A named rectangle of a picture: one state of an element, or one part.
struct TSheetPart {
    std::string Name;
    TRect Rect;
};

// A part composed along its width with fixed ends (items, thumbs, fills).
struct TSheetStrip {
    std::string Name;
    TRect Rect;
    int LeftEnd = 0, RightEnd = 0;
    bool Stretch = false;
    bool Vertical = false;
};

// The sheet draws geometry whose coordinates lie within 0 to SheetMaxCoordinate
// pixels (offsets within minus to plus that): a skin file may hold any
// number, and the sheet lists a larger element by name instead of drawing it.
constexpr int SheetMaxCoordinate = 4096;
constexpr int SheetMaxAnimationFrames = 64;  // frames of a gauge animation shown

struct TSheetControl {
    std::string Name, Type;
    bool TooLarge = false;  // its skin geometry is past SheetMaxCoordinate: listed, not drawn
    TSheetLook Look;
    std::vector<TSheetPart> States;  // the normal look first
    std::vector<TSheetStrip> Strips;
    std::vector<TSheetPart> Parts;   // shown as they are
    // Gauge: the fill drawn into the progress area.
    TRect ProgressArea, ProgressRect, AnimationRect;
    int BeginOffset = 0, EndOffset = 0, AnimationFrames = 0;
    bool ProgressStretch = false;
};

struct TSheetObject {
    std::string Name, Type;
    int Picture = -1, Mask = -1;
    bool OwnPicture = false;
    std::vector<TSheetPart> States;
    int Glow = -1, GlowMask = -1, GlowX = 0, GlowY = 0;
    int Command = -1;  // caption buttons: 0 close, 1 maximise, 2 minimise, 3 system menu, ...
};

struct TSheetFrame {
    TSheetLook Look;  // over the main picture (index -1)
    TRect MaskArea, Caption, CaptionTextRect, CaptionSkinRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    TColor CaptionColor = 0;
};

struct TSheetLayer {
    int Picture = -1, Mask = -1;
    TPoint LT, RT, LB, RB;
    TRect Client;
    bool FullStretch = false;
};

struct TSheetWindow {  // popup menu and hint frames
    std::string Name;
    TSheetLook Look;
    TRect Items;
};

struct TSheetModel {
    TPixelBuffer Main, MainMask;  // empty when the skin has none
    std::vector<TPixelBuffer> Pictures;
    TSheetFrame Frame;
    TSheetLayer Layer;
    std::vector<TSheetControl> Controls;
    std::vector<TSheetObject> Objects;
    std::vector<TSheetWindow> Windows;
    std::string SkinName;
};

// Reads a skin folder (a folder holding one .ini file, or the .ini file
// itself) or a ".skn" skin file. Raises Exception on any fault.
TSheetModel ReadSheetModel(const std::string& path);
