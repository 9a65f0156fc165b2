// The geometry of the skinned edit, free of any window: what the edit copies
// from its "edit" record, where its native text area lies inside the frame,
// where its button goes, the height it takes, which part of the skin fills
// the background behind the text, and where disabled text starts.
//
// Conventions: rectangles are left, top, right, bottom with right and bottom
// exclusive. "Window coordinates" have (0, 0) at the top-left of the whole
// window, frame included. ClientRect is relative to the skin rectangle; the
// skin, active and button rectangles are in the picture.
#pragma once

#include "platform/portable/Alignment.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/SkinControlRecords.h"

// What the edit copies from its record when it binds.
struct TbsEditSkin {
    bool Bound = false;  // false: no edit record, the edit draws plainly
    int PictureIndex = -1;
    TRect SkinRect;
    TRect ActiveSkinRect;  // the SkinRect when the record's is empty
    TRect ClientRect;
    int LeftEnd = 0;   // fixed left end width: "lefttoppoint" x
    int RightEnd = 0;  // fixed right end width: skin width - "righttoppoint" x
    bool StretchMiddle = false;  // "stretcheffect": the middle is stretched, else tiled
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    TbsSkinFont Font;  // its colour is "fontcolor"
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;

    int SkinWidth() const { return SkinRect.Width(); }
    int SkinHeight() const { return SkinRect.Height(); }
    friend bool operator==(const TbsEditSkin&, const TbsEditSkin&) = default;
};

// The values of an edit record; unbound (the defaults) for null.
TbsEditSkin EditSkinOf(const TbsDataSkinEditControl* record);

// The native text area in window coordinates for a width x height window:
//  - bound: "clientrect" with its right edge moved by width - skin width and
//    its bottom by height - skin height;
//  - unbound: 2 pixels in from every side; in button mode the right edge
//    stops height + 2 from the window's right.
// The frame is everything else, so the non-client insets follow from it.
TRect EditClientArea(const TbsEditSkin& skin, int width, int height, bool buttonMode);

// The button in window coordinates: bound, "buttonrect" (relative to the
// skin rectangle), moved right by width - skin width when it starts in the
// fixed right end; unbound, a square of the inner height 2 pixels in from
// the right, top and bottom. Empty without a button rectangle.
TRect EditButtonArea(const TbsEditSkin& skin, int width, int height);

// The picture rectangle of the button image for its state: disabled uses
// "unenabledbuttonrect" when it is not empty, pressed the down one (the
// active one when that is empty), hot the active one; otherwise (and for an
// empty choice) "buttonrect".
TRect EditButtonSource(const TbsEditSkin& skin, bool enabled, bool pressed, bool hot);

// The height the edit takes at sizing. textHeight: the font's cell height
// (pixels).
//  - bound with useSkinFont: the skin height, whatever was asked;
//  - bound without: the text height + the skin height - "clientrect" height;
//  - unbound: defaultHeight when above 0, else the text height + 6; an edit
//    aligned to fill its parent's height keeps the requested height.
int EditHeight(const TbsEditSkin& skin, bool useSkinFont, bool fillsHeight, int textHeight, int defaultHeight,
               int requestedHeight);

// Where the background behind the text comes from: the part of the active
// or normal skin rectangle at "clientrect", composed across the client's
// width with fixed ends of LeftEnd and RightEnd pixels (the parts of the
// skin's fixed ends that fall inside "clientrect") and the middle tiled or
// stretched like the frame's, so it lines up with the frame around it.
struct TbsEditBackground {
    TRect Source;  // in the picture
    int LeftEnd = 0;
    int RightEnd = 0;
    bool StretchMiddle = false;
    friend bool operator==(const TbsEditBackground&, const TbsEditBackground&) = default;
};
TbsEditBackground EditClientBackground(const TbsEditSkin& skin, bool active);

// The x of disabled text in a client clientWidth wide: 2 for left
// alignment (the native edit's left margin), clientWidth - textWidth - 1
// for right, clientWidth / 2 - textWidth / 2 + 1 for centred (halves by
// truncating division).
int EditTextLeft(TAlignment alignment, int clientWidth, int textWidth);
