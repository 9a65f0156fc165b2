// The skinned window frame as pure geometry: the frame rectangles of a
// window size (CalcFrameRects), the client rectangle the frame leaves, the
// hit test of the skinned and of the plain frame, the size limits, the
// plain frame's layout, the placement of the caption objects
// (ArrangeFrameObjects) and the tiles of the client background.
//
// Conventions: rectangles are left, top, right, bottom with right and
// bottom exclusive; every coordinate is in window coordinates (0, 0 at the
// window's top-left corner) unless stated otherwise; halves truncate.
#pragma once

#include <span>
#include <vector>

#include "platform/portable/Types.h"
#include "skin/data/portable/SkinEnums.h"
#include "skin/data/portable/SkinWindowSections.h"
#include "skin/paint/portable/EffectPixelsRgb.h"

// Hit-test answers; the same numbers as the platform's WM_NCHITTEST codes.
enum TbsFrameHit : int {
    bsfhNowhere = 0,
    bsfhClient = 1,
    bsfhCaption = 2,
    bsfhLeft = 10,
    bsfhRight = 11,
    bsfhTop = 12,
    bsfhTopLeft = 13,
    bsfhTopRight = 14,
    bsfhBottom = 15,
    bsfhBottomLeft = 16,
    bsfhBottomRight = 17,
    bsfhObject = 19,  // a caption object: the system does nothing with the mouse there
};

// A width and a height, pixels.
struct TbsObjectSize {
    int Width = 0, Height = 0;
};

// The caption buttons a form lets work. Our own bits: the framework's
// border icons have other meanings.
enum TbsBorderIcon : unsigned {
    bsbiSystemMenu = 1u << 0,
    bsbiMinimize = 1u << 1,
    bsbiMaximize = 1u << 2,
    bsbiRollUp = 1u << 3,
    bsbiMinimizeToTray = 1u << 4,
};
using TbsBorderIcons = unsigned;

// The skin's frame at one window size.
struct TbsFrameRects {
    TPoint FrameLT, FrameRT, FrameLB, FrameRB;  // inner corners of the frame
    TRect FrameClientRect;                       // the client area
    TRect FrameCaptionRect, FrameButtonsRect;    // empty when the skin gives none
    TRect FrameMaskArea;                         // the part of the mask that is all inside
    TPoint HitLT, HitRT, HitLB, HitRB;           // where the corner sizing zones end
    int ButtonsOffset = 0;                       // pixels between two caption buttons
    bool ButtonsInLeft = false;
    int Width = 0, Height = 0;                   // the window size they were made for
};

// The frame for a W x H window from the skin's frame picture of PW x PH:
// every point and rectangle right or below of the picture's middle moves
// with the window's size.
TbsFrameRects CalcFrameRects(const TbsFormInfo& info, int PW, int PH, int W, int H);

// The client rectangle a window rectangle leaves inside the skinned frame
// (the non-client size calculation); right and bottom never cross left and
// top.
TRect SkinnedClientOf(const TRect& window, const TbsFormInfo& info, int PW, int PH);

// ---- the plain frame (no skin) ---------------------------------------------
//
//   +-------------------------------------------+
//   | 3-pixel border                            |
//   |  [sys] caption text . . . [-][^][o][x]    |  caption band, 19 pixels
//   |  +-------------------------------------+  |  (15 for tool windows)
//   |  |  client                             |  |
//   |  +-------------------------------------+  |
//   +-------------------------------------------+

constexpr int kPlainBorder = 3;             // pixels of each side of the plain frame
constexpr int kPlainCaptionHeight = 19;     // pixels
constexpr int kPlainToolCaptionHeight = 15;
constexpr int kPlainButtonSize = 17;        // square caption buttons
constexpr int kPlainToolButtonSize = 13;
constexpr int kPlainButtonTop = 4;          // from the window's top

TRect PlainClientOf(const TRect& window, bool toolWindow);

// The plain frame's buttons and caption for a W x H window. A button that
// BorderIcons leaves out is not placed (empty).
struct TbsPlainFrameLayout {
    int CaptionHeight = kPlainCaptionHeight;
    TRect Close, Maximize, Minimize, RollUp, Tray, SysMenu;
    TRect Caption;  // the text band between the system-menu button and the right-hand buttons
    TRect Client;
};
// iconSize: the system-menu button's width and height (the form icon's size
// when it shows the icon, else the button size).
TbsPlainFrameLayout PlainFrameLayout(int W, int H, bool toolWindow, TbsBorderIcons icons, TbsObjectSize iconSize);

// ---- hit tests -------------------------------------------------------------

// What the hit test needs beside the frame rectangles.
struct TbsFrameHitState {
    bool Resizable = false;             // AlwaysResize, or a sizeable border style
    bool Maximized = false;
    bool MinimizedOrRolledUp = false;
    bool ObjectActive = false;          // a caption object is under the mouse
    bool InSizeMove = false;            // a move or size loop runs
    int BorderWidth = 0;                // the sizing band's depth, pixels
    bool HasMask = false;
    // The kept mask strips: the top one at (0, 0), the bottom one at
    // (0, FrameMaskArea.Bottom), the left one at (0, FrameMaskArea.Top),
    // the right one at (FrameMaskArea.Right, FrameMaskArea.Top). Any of them
    // may be empty; a read outside a strip counts as outside the mask.
    TRgbView TopMask, BottomMask, LeftMask, RightMask;
    std::span<const TRect> CaptionAreas;  // the caption objects' rectangles
};

// True when the mask strip pixel at (x, y) is black; false outside it.
bool MaskStripInside(const TRgbView& strip, long long x, long long y);

// The skinned frame's answer for p; a point outside the window is nowhere.
int FrameHitTest(const TbsFrameRects& rects, const TbsFrameHitState& state, TPoint p);

// The plain frame's answer for p; a point outside the window is nowhere.
int PlainFrameHitTest(const TbsPlainFrameLayout& layout, int W, int H, const TbsFrameHitState& state, TPoint p);

// ---- size limits -----------------------------------------------------------

struct TbsFrameLimits {
    bool SkinLoaded = false;
    int PictureWidth = 0, PictureHeight = 0;  // of the frame picture
    int FormMinWidth = 0, FormMinHeight = 0;  // the skin's
    TRect ClientRect;                         // the skin's "clientrect"
    int MinWidth = 0, MinHeight = 0;          // the component's, 0: none
    int PlainCaptionHeight = kPlainCaptionHeight;
    bool Minimized = false, RolledUp = false;
};
int FrameMinWidth(const TbsFrameLimits& l);
int FrameMinHeight(const TbsFrameLimits& l);

// ---- caption objects -------------------------------------------------------

// One caption object as placement sees it.
struct TbsArrangeItem {
    TRect SkinRect;              // where it lies in its picture
    bool OwnPicture = false;     // lies in a picture of its own: placed in the button row
    bool Visible = true;
    bool Caption = false;        // the caption text object
    bool StdButton = false;      // a standard button (or a button-style animation)
    TbsStdCommand Command = cmDefault;
    TbsObjectSize Size{};                // when not zero, the size in the row instead of SkinRect's
    TRect ObjectRect;            // result: where it is in the window
};

// Places the objects for the frame: objects of the frame picture are carried
// with the corner zone they lie in; own-picture objects are laid in a row in
// the buttons rectangle, or in the caption rectangle (then the caption
// object is shortened to the free part).
void ArrangeFrameObjects(const TbsFormInfo& info, int PW, int PH, const TbsFrameRects& rects,
                         std::vector<TbsArrangeItem>& items);

// ---- client background -----------------------------------------------------

// The tiles of TW x TH that cover an area of W x H from (0, 0):
// (W / TW + 1) columns x (H / TH + 1) rows. No tiles (0 x 0) for an empty
// area or an empty tile.
struct TbsTileGrid {
    int Columns = 0, Rows = 0;
    int TileWidth = 0, TileHeight = 0;
    TRect Tile(int column, int row) const { return Bounds(column * TileWidth, row * TileHeight, TileWidth, TileHeight); }
};
TbsTileGrid BackgroundTiles(int W, int H, int TW, int TH);
