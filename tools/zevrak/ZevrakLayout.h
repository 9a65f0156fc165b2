// Where every look of the Zevrak skin lies in its pictures. The painters
// draw at these places and the skin definition names them, so the two can
// never disagree. Rectangles are left, top, right, bottom, right and bottom
// exclusive, in picture pixels; points and client rectangles of an element
// are relative to its skin rectangle, as the skin definition wants them.
#pragma once

#include "platform/portable/Types.h"

namespace zevrak::layout {

// ---- pictures, in package order ---------------------------------------------
struct TPictureSpec {
    const char* FileName;
    int Width;
    int Height;
    int BitsPerPixel;
};

inline constexpr TPictureSpec MainPicture{"main.bmp", 150, 130, 24};
inline constexpr TPictureSpec MaskPicture{"mask.bmp", 150, 130, 1};

enum TPictureIndex {
    piActive = 0,         // caption buttons
    piPopup = 1,          // popup menu frame
    piMenuItems = 2,      // menu entries
    piControls = 3,       // every control look
    piHint = 4,           // hint balloon
    piHintMask = 5,
    piPopupMask = 6,
    piRoundButtonMask = 7,
    piButtonMask = 8,
    piCaptionButtonMask = 9,
    piHTrackMask = 10,
    piVTrackMask = 11,
    piGlow = 12,          // glow around hot caption buttons
    piGlowMask = 13,
    piLayer = 14,         // soft border around the window
    piLayerMask = 15,
    piRibbon = 16,
    piAppMenu = 17,
    piAppMenuBg = 18,
    PictureCount = 19
};

inline constexpr TPictureSpec ActivePictures[PictureCount] = {
    {"active.bmp", 237, 68, 24},        {"pw.bmp", 81, 75, 24},
    {"menuitems.bmp", 48, 129, 24},     {"controls.bmp", 635, 413, 24},
    {"hw.bmp", 40, 24, 24},             {"hwmask.bmp", 40, 24, 1},
    {"pwmask.bmp", 81, 75, 1},          {"rbuttonmask.bmp", 39, 33, 1},
    {"buttonmask.bmp", 56, 25, 1},      {"bactivemask.bmp", 20, 20, 1},
    {"htbmask.bmp", 44, 15, 1},         {"vtbmask.bmp", 15, 44, 1},
    {"blayer.bmp", 44, 44, 24},         {"blayermask.bmp", 44, 44, 24},
    {"layerborder.bmp", 180, 159, 24},  {"layerbordermask.bmp", 180, 159, 24},
    {"ribbon.bmp", 265, 181, 24},       {"appmenu.bmp", 210, 133, 24},
    {"appmenubg.bmp", 200, 200, 24},
};

// ---- window frame (main.bmp) -------------------------------------------------
inline constexpr TRect FrameClient = Rect(1, 26, 149, 129);
inline constexpr TRect FrameCaption = Rect(5, 3, 145, 22);
inline constexpr TPoint FrameLT{12, 26}, FrameRT{138, 26}, FrameLB{12, 126}, FrameRB{138, 126};
inline constexpr int FrameTopRadius = 7;     // rounded top corners of the window
inline constexpr int FrameBottomRadius = 2;
inline constexpr int CaptionTextLeft = 6;    // caption text inside the caption object

// ---- caption buttons (active.bmp) --------------------------------------------
inline constexpr int CaptionButtonSize = 20;
enum TCaptionGlyph { cgClose, cgMaximize, cgRestore, cgMinimize, cgSysMenu, CaptionGlyphCount };
enum TCaptionState { csNormal, csHot, csDown, csInactive };
// The cell of one glyph in one state.
constexpr TRect CaptionButtonCell(int glyph, int state) {
    int x = state == csInactive ? 120 + glyph * 23 : 1 + glyph * 23;
    int y = state == csInactive ? 1 : 1 + state * 22;
    return Bounds(x, y, CaptionButtonSize, CaptionButtonSize);
}
// Rows of the caption band behind a button: the system-menu button is
// centred in the caption rectangle (top 2), the others stand at its top (3).
constexpr int CaptionButtonTop(int glyph) { return glyph == cgSysMenu ? 2 : 3; }
inline constexpr int GlowOffset = 12;  // (44 - 20) / 2: the glow is centred on the button

// ---- popup menu frame (pw.bmp) and entries (menuitems.bmp) ---------------------
inline constexpr TPoint PopupLT{8, 8}, PopupRT{73, 8}, PopupLB{8, 67}, PopupRB{73, 67};
inline constexpr TRect PopupItems = Rect(3, 3, 78, 72);
inline constexpr int PopupRadius = 5;

inline constexpr TRect MenuItemNormal = Rect(0, 0, 48, 20);
inline constexpr TRect MenuItemActive = Rect(0, 21, 48, 41);
inline constexpr TRect MenuItemDivider = Rect(0, 43, 48, 47);
inline constexpr TRect MenuItemText = Rect(4, 0, 44, 20);  // relative to the entry
inline constexpr TRect MenuCheck = Rect(0, 49, 10, 59), MenuCheckActive = Rect(12, 49, 22, 59);
inline constexpr TRect MenuRadio = Rect(24, 49, 34, 59), MenuRadioActive = Rect(36, 49, 46, 59);
inline constexpr TRect MenuArrow = Rect(0, 61, 5, 70), MenuArrowActive = Rect(8, 61, 13, 70);

// ---- hint balloon (hw.bmp) ---------------------------------------------------
inline constexpr TPoint HintLT{6, 6}, HintRT{34, 6}, HintLB{6, 18}, HintRB{34, 18};
inline constexpr TRect HintClient = Rect(5, 4, 35, 20);

// ---- layered border (layerborder.bmp) ------------------------------------------
inline constexpr TRect LayerClient = Rect(14, 14, 164, 144);
inline constexpr TPoint LayerLT{40, 29}, LayerRT{140, 27}, LayerLB{40, 135}, LayerRB{140, 135};

// ---- controls (controls.bmp) ---------------------------------------------------
// Push button: horizontal three-part, left end 13, right end 17.
inline constexpr TRect ButtonNormal = Bounds(4, 4, 56, 25);
inline constexpr TRect ButtonHot = Bounds(4, 31, 56, 25);
inline constexpr TRect ButtonDown = Bounds(4, 58, 56, 25);
inline constexpr TRect ButtonFocused = Bounds(4, 85, 56, 25);
inline constexpr TRect ButtonDisabled = Bounds(4, 112, 56, 25);
inline constexpr TPoint ButtonLT{13, 10}, ButtonRT{39, 10};
inline constexpr TRect ButtonClient = Rect(4, 3, 52, 21);
inline constexpr int ButtonRadius = 6;

// Single-line edit: ends 5 and 6.
inline constexpr TRect EditNormal = Rect(225, 98, 282, 119);
inline constexpr TRect EditActive = Rect(225, 121, 282, 142);
inline constexpr TPoint EditLT{5, 10}, EditRT{51, 10};
inline constexpr TRect EditClient = Rect(4, 3, 53, 18);

// Combo box: the field with its drop-down button drawn in.
inline constexpr TRect ComboNormal = Bounds(64, 4, 57, 21);
inline constexpr TRect ComboActive = Bounds(64, 27, 57, 21);
inline constexpr TPoint ComboLT{5, 10}, ComboRT{38, 10};
inline constexpr TRect ComboClient = Rect(3, 3, 38, 18);
inline constexpr TRect ComboButton = Rect(39, 2, 55, 19);  // relative to the combo
inline constexpr TRect ComboButtonHot = Bounds(64, 52, 16, 17);
inline constexpr TRect ComboButtonDown = Bounds(82, 52, 16, 17);
inline constexpr TRect ComboButtonDisabled = Bounds(100, 52, 16, 17);
inline constexpr TRect ComboFocusItem = Rect(319, 28, 353, 43);
inline constexpr TRect ComboItemText = Rect(3, 0, 32, 15);  // relative to the text area

// List box (the drop-down list of the combo boxes): nine-part.
inline constexpr TRect ListBox = Bounds(125, 62, 60, 54);
inline constexpr TPoint ListLT{4, 4}, ListRT{56, 4}, ListLB{4, 50}, ListRB{56, 50};
inline constexpr TRect ListClient = Rect(3, 3, 57, 51);
inline constexpr TRect ListItem = Rect(261, 4, 315, 23);
inline constexpr TRect ListItemActive = Rect(261, 26, 315, 45);
inline constexpr TRect ListItemFocus = Rect(261, 48, 315, 67);
inline constexpr TRect ListItemText = Rect(4, 3, 49, 16);

// Group box: nine-part with a caption band on top.
inline constexpr TRect GroupBox = Bounds(125, 4, 60, 54);
inline constexpr TPoint GroupLT{5, 19}, GroupRT{54, 19}, GroupLB{5, 49}, GroupRB{54, 49};
inline constexpr TRect GroupClient = Rect(4, 19, 56, 50);
inline constexpr TRect GroupCaption = Rect(3, 2, 57, 16);

// Plain panel: nine-part.
inline constexpr TRect Panel = Bounds(189, 4, 60, 54);
inline constexpr TPoint PanelLT{4, 4}, PanelRT{56, 4}, PanelLB{4, 50}, PanelRB{56, 50};
inline constexpr TRect PanelClient = Rect(4, 4, 56, 50);  // inside the rounded corners

// Status bar (horizontal three-part, 21 high) and its panel (17 high).
inline constexpr TRect StatusBar = Bounds(64, 74, 49, 21);
inline constexpr TPoint StatusBarLT{4, 10}, StatusBarRT{45, 10};
inline constexpr TRect StatusBarClient = Rect(2, 3, 47, 19);
inline constexpr TRect StatusPanel = Bounds(64, 98, 40, 17);
inline constexpr TPoint StatusPanelLT{4, 8}, StatusPanelRT{36, 8};
inline constexpr TRect StatusPanelClient = Rect(5, 1, 35, 16);

// Gauge: horizontal three-part with ends 5 and 6 and a tiled middle.
inline constexpr TRect Gauge = Bounds(125, 120, 49, 19);
inline constexpr TPoint GaugeLT{5, 9}, GaugeRT{43, 9};
inline constexpr TRect GaugeClient = Rect(3, 3, 46, 16);
inline constexpr TRect GaugeArea = Rect(3, 3, 46, 16);
inline constexpr TRect GaugeFill = Bounds(125, 142, 28, 13);
inline constexpr int GaugeFillCap = 2;      // begin and end offsets of the fill
inline constexpr int GaugeStripePeriod = 8;  // divides the fill's middle (24)
inline constexpr TRect GaugeAnimation = Rect(527, 4, 586, 121);
inline constexpr int GaugeAnimationFrames = 9;  // 13 rows each
inline constexpr int GaugeAnimationInterval = 40;  // ms

// Scroll bars: vertical three-part, horizontal three-part, and the
// horizontal one with the corner square beside a vertical bar.
inline constexpr int ScrollSize = 17;
inline constexpr TRect VScroll = Bounds(400, 4, 17, 60);
inline constexpr TPoint VScrollLT{0, 17}, VScrollLB{0, 42};
inline constexpr TRect VScrollTrack = Rect(0, 17, 17, 43);
inline constexpr TRect VScrollUp = Rect(0, 0, 17, 17), VScrollDown = Rect(0, 43, 17, 60);
inline constexpr TRect VScrollUpHot = Bounds(420, 44, 17, 17), VScrollUpDown = Bounds(438, 44, 17, 17);
inline constexpr TRect VScrollDownHot = Bounds(456, 44, 17, 17), VScrollDownDown = Bounds(474, 44, 17, 17);
inline constexpr TRect VThumb = Bounds(400, 68, 13, 24), VThumbHot = Bounds(415, 68, 13, 24),
                       VThumbDown = Bounds(430, 68, 13, 24);
inline constexpr TRect VGlyph = Bounds(445, 68, 7, 7), VGlyphHot = Bounds(454, 68, 7, 7),
                       VGlyphDown = Bounds(463, 68, 7, 7);

inline constexpr TRect HScroll = Bounds(420, 4, 60, 17);
inline constexpr TRect BothHScroll = Bounds(420, 24, 77, 17);
inline constexpr TPoint HScrollLT{17, 0}, HScrollRT{42, 0};
inline constexpr TRect HScrollTrack = Rect(17, 0, 43, 17);
inline constexpr TRect HScrollLeft = Rect(0, 0, 17, 17), HScrollRight = Rect(43, 0, 60, 17);
inline constexpr TRect HScrollLeftHot = Bounds(400, 96, 17, 17), HScrollLeftDown = Bounds(418, 96, 17, 17);
inline constexpr TRect HScrollRightHot = Bounds(436, 96, 17, 17), HScrollRightDown = Bounds(454, 96, 17, 17);
inline constexpr TRect HThumb = Bounds(400, 116, 24, 13), HThumbHot = Bounds(426, 116, 24, 13),
                       HThumbDown = Bounds(452, 116, 24, 13);
inline constexpr TRect HGlyph = Bounds(478, 116, 7, 7), HGlyphHot = Bounds(487, 116, 7, 7),
                       HGlyphDown = Bounds(496, 116, 7, 7);
inline constexpr int ThumbCap = 5;  // fixed ends of a thumb

}  // namespace zevrak::layout
