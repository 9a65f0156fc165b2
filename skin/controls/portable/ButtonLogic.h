// The skin button's decisions, free of any window: which state image it
// draws, how its morph steps, which slice of its animation strip and which
// glyph cell it shows, where its glow frame goes, and the record values with
// their fallbacks. TbsSkinButton (skin/controls/SkinButton.h) gathers its
// state into these structures at each paint or tick and draws what they say.
//
// Conventions: rectangles are left, top, right, bottom with right and bottom
// exclusive; skin rectangles are in the skin picture.
#pragma once

#include "platform/portable/Types.h"
#include "skin/data/portable/SkinControlRecords.h"

// What a button copies from its "button" record beyond the base geometry,
// with the fallbacks applied (ButtonSkinOf).
struct TbsButtonSkin {
    TbsSkinFont Font;
    TColor ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = bsmkDefault;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;  // ms per frame
    bool ShowFocus = false;
    int GlowPictureIndex = -1, GlowMaskPictureIndex = -1;
    int GlowOffsetLeft = 0, GlowOffsetTop = 0, GlowOffsetRight = 0, GlowOffsetBottom = 0;
    int GlowShowOffsetX = 0, GlowShowOffsetY = 0;
    int GlowAlpha = 255;
    friend bool operator==(const TbsButtonSkin&, const TbsButtonSkin&) = default;
};

// The grey a disabled caption takes when the record's disabled colour is the
// same as its normal one (the caption would not look disabled).
constexpr TColor kButtonDisabledGrey = 8421504;  // hex 808080

// The record's values: an empty active rectangle becomes the skin
// rectangle, an empty down rectangle the active one, a disabled font colour
// equal to the font colour the grey above.
TbsButtonSkin ButtonSkinOf(const TbsDataSkinButtonControl& record);

// The state image a button draws: which record rectangle, and whether it is
// drawn as active (hot colours) and down.
enum TbsButtonRect { bsbrSkin, bsbrActive, bsbrDown, bsbrFocused, bsbrDisabled };

struct TbsButtonImage {
    TbsButtonRect Rect = bsbrSkin;
    bool Active = false;
    bool Down = false;
    friend constexpr bool operator==(const TbsButtonImage&, const TbsButtonImage&) = default;
};

// Everything the image choice looks at.
struct TbsButtonState {
    bool Enabled = true;
    bool Down = false;
    bool MouseOver = false;       // drawn hot
    bool Focused = false;         // the window has the focus
    bool CanFocused = true;
    bool PressedByMouse = false;  // the left button went down here, not yet up
    int GroupIndex = 0;
    bool HasDisabledRect = true;  // "disabledskinrect" not empty
    bool HasFocusedRect = true;   // "focusedskinrect" not empty
    bool FrameAnimating = false;  // the "animateskinrect" animation runs
    bool MorphActive = false;     // morphing on in the record and the manager
    double MorphValue = 0;        // 0 normal .. 1 hot
};

// True when the button blends its normal and hot images by MorphValue
// instead of drawing one state image: morphing is active, the value lies
// strictly between 0 and 1, and the button is enabled.
bool ButtonMorphBlends(const TbsButtonState& s);

// The one state image, first rule that applies:
//  1 disabled with a disabled rectangle: disabled;
//  2 down, and either ungrouped and (hot, or focused and focusable and not
//    pressed by the mouse) or grouped: down, active and down;
//  3 focused and focusable with a focused rectangle, no frame animation:
//    focused, active;
//  4 focused and focusable: active, active;
//  5 hot: active, active;
//  6 morphing active at exactly 1: active, active;
//  7 otherwise the skin rectangle.
// A down button dragged out of (pressed by the mouse, pointer outside) is
// therefore drawn up.
TbsButtonImage ChooseButtonImage(const TbsButtonState& s);

// One tick of the morph timer (20 ms): towards 1 by 0.2 while target is
// true, towards 0 while false, always landing on a multiple of 0.2 within
// 0..1 (five ticks reach exactly 1 or 0). At the end the value is set to exactly 1 or
// 0 and Stop is true: the timer stops.
struct TbsMorphStep {
    double Value = 0;
    bool Stop = false;
    friend constexpr bool operator==(const TbsMorphStep&, const TbsMorphStep&) = default;
};
constexpr double kButtonMorphStep = 0.2;
TbsMorphStep StepButtonMorph(double value, bool target);

// Frame `frame` (1 = first) of `count` equal slices of the animation strip,
// cut along its width when it is wider than the skin rectangle, else along
// its height. Empty for a frame outside 1..count or an empty strip.
TRect ButtonAnimationFrame(const TRect& strip, const TRect& skinRect, int frame, int count);

// The glyph cell drawn (1 normal, 2 disabled, 3 down, 4 hot) from a strip of
// numGlyphs cells.
int ButtonGlyphCell(bool active, bool down, bool enabled, int numGlyphs);

// How the glow picture is brought to the button's size.
enum TbsGlowSizing {
    bsgsAsIs,        // the picture as it is
    bsgsHorizontal,  // widened by the width difference, its left and right offsets fixed
    bsgsNinePart,    // grown both ways, the four offsets the fixed border
};
struct TbsGlowGeometry {
    TbsGlowSizing Sizing = bsgsAsIs;
    int Width = 0, Height = 0;  // of the glow image, pixels
    TPoint Origin;              // screen position of the layer window
    friend constexpr bool operator==(const TbsGlowGeometry&, const TbsGlowGeometry&) = default;
};
// The glow of a pictureW x pictureH picture for a button whose screen
// origin is `origin`, dW and dH wider and higher than its skin rectangle,
// with resize mode `resizeMode`: mode 2 with UseSkinSize widens it, mode 1
// grows it both ways, anything else leaves it as it is. Placed at origin
// minus the show offsets.
TbsGlowGeometry ButtonGlowGeometry(const TbsButtonSkin& skin, int resizeMode, bool useSkinSize, int pictureW,
                                   int pictureH, int dW, int dH, TPoint origin);

// The first repeat comes this long after the press, then every RepeatInterval.
constexpr int kButtonRepeatDelay = 500;    // ms
constexpr int kButtonMorphInterval = 20;   // ms
