// The painters of the Zevrak skin's pictures: black lacquer controls on a
// light brushed-steel client, a touch of gold, and the table's green cloth
// as the only strong colour.
// Each returns the picture at the exact size the layout gives it; masks are
// black inside and white outside.
#pragma once

#include "tools/zevrak/Canvas.h"

namespace zevrak {

// The colours of the style, shared with the skin definition (which gives
// text colours as 0x00BBGGRR values).
namespace palette {
// The window's client and what lies behind shaped controls: light brushed
// steel, so that plain labels in the window text colour read on it.
inline const TRgb Backdrop = Hex(0xB9BDC3);
inline const TRgb Lacquer = Hex(0x16171A);
inline const TRgb LacquerLight = Hex(0x34363C);
inline const TRgb LacquerDeep = Hex(0x0A0A0C);
inline const TRgb Steel = Hex(0x6C7077);
inline const TRgb SteelDark = Hex(0x2C2E33);
inline const TRgb SteelLight = Hex(0xB4B9C0);
inline const TRgb Silver = Hex(0xC8CCD2);
inline const TRgb Gold = Hex(0xC9A24A);
inline const TRgb GoldLight = Hex(0xF0D58C);
inline const TRgb GoldDark = Hex(0x7A5A22);
inline const TRgb Felt = Hex(0x137A43);
inline const TRgb FeltLight = Hex(0x2FBF6E);
inline const TRgb FeltDark = Hex(0x0B4F2B);
inline const TRgb Field = Hex(0x141518);
}  // namespace palette

TCanvas PaintMainPicture();
TCanvas PaintMainMask();
TCanvas PaintCaptionButtons();   // active.bmp
TCanvas PaintPopupFrame();       // pw.bmp
TCanvas PaintPopupMask();        // pwmask.bmp
TCanvas PaintMenuItems();        // menuitems.bmp
TCanvas PaintControls();         // controls.bmp
TCanvas PaintHint();             // hw.bmp
TCanvas PaintHintMask();         // hwmask.bmp
TCanvas PaintRoundButtonMask();  // rbuttonmask.bmp
TCanvas PaintButtonMask();       // buttonmask.bmp
TCanvas PaintCaptionButtonMask();  // bactivemask.bmp
TCanvas PaintHTrackMask();       // htbmask.bmp
TCanvas PaintVTrackMask();       // vtbmask.bmp
TCanvas PaintGlow();             // blayer.bmp
TCanvas PaintGlowMask();         // blayermask.bmp: grey level = opacity
TCanvas PaintLayerBorder();      // layerborder.bmp
TCanvas PaintLayerBorderMask();  // layerbordermask.bmp: grey level = opacity
TCanvas PaintRibbon();
TCanvas PaintAppMenu();
TCanvas PaintAppMenuBackground();

// Signed distance to the window outline of the frame picture placed with
// its top-left corner at (left, top) and the given size: rounded top
// corners, small rounded bottom corners.
float WindowOutlineDistance(float x, float y, float left, float top, float width, float height);

}  // namespace zevrak
