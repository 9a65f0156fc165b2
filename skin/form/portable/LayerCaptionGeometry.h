// The caption of a full border: with the layer frame's "fullborder" the
// form has no frame of its own, and its caption objects (the caption text,
// the system-menu button and the other caption buttons) are drawn in the
// top strip of the layered border instead.
//
// The layer frame names three places in its picture: "buttonsrect" (the row
// of caption buttons), "sysmenubuttonrect" and "captionrect". The top strip
// grows with the form like the picture's middle is stretched, so a place
// whose left edge lies right of the picture's middle moves right with the
// strip's width, and the caption grows with it.
//
// Rectangles are in the top strip's coordinates (the whole border's, whose
// top-left corner is the strip's); right and bottom exclusive.
#pragma once

#include <vector>

#include "platform/portable/Types.h"
#include "skin/data/portable/SkinEnums.h"
#include "skin/form/portable/FrameGeometry.h"

struct TbsLayerCaptionMetrics {
    int PictureWidth = 0;  // of the layer picture
    TRect CaptionRect, ButtonsRect, SysMenuButtonRect;
    int ButtonsTopOffset = 0, SysButtonTopOffset = 0;
    int ButtonsOffset = 0;  // pixels between two caption buttons
};

// A place of the layer picture in a strip `width` wide: moved right by the
// growth when its left edge lies right of half the picture's width.
TRect LayerBandRect(const TRect& r, int pictureWidth, int width);

// One caption object as the full border places it.
struct TbsLayerCaptionItem {
    TbsObjectSize Size{};
    bool Visible = true;
    bool Caption = false;         // the caption text object
    TbsStdCommand Command = cmDefault;  // cmSysMenu goes to its own place
    TRect Rect;                   // result; empty when it has no place
};

// Places the objects in a strip `width` wide. The buttons are laid right to
// left from the right edge of the buttons' place, close first, then
// maximise, minimise, roll-up, tray and the others in their order, each
// ButtonsTopOffset below the place's top and ButtonsOffset apart. The
// system-menu button takes its own place, SysButtonTopOffset lower. The
// caption takes the widened caption place less the buttons lying in it.
void ArrangeLayerCaptionObjects(const TbsLayerCaptionMetrics& m, int width, std::vector<TbsLayerCaptionItem>& items);
