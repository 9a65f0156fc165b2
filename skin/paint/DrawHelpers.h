// Free drawing helpers shared by the skinned controls and the form frame:
// a glyph beside a caption in a button face, one cell of a glyph strip,
// glow, shadow and reflection text, wide text, text shortening, the
// single-line caption family, a parent's background under a transparent
// control, and two colour helpers. Markers and symbols: MarkersGdi.h.
//
// Every helper draws on a device context with the font, text colour and
// modes selected into it, leaves the context as it found it apart from the
// pixels, keeps no state and frees its temporary bitmaps before returning.
// Rectangles are right and bottom exclusive; colours 0x00BBGGRR or system
// colours 0xFF0000nn.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/DrawHelpersGeometry.h"
#include "skin/paint/portable/GlyphLayout.h"

#include <windows.h>
#include <commctrl.h>

#include "skin/paint/TbsBitmap.h"

#include <functional>
#include <string>
#include <vector>

// ---- glyph and caption -----------------------------------------------------

// An image-list glyph (images may be null; imageIndex outside the list
// means no glyph) and a caption laid out by CalcGlyphLayout in rect.
void DrawImageAndText(HDC dc, const TRect& rect, int margin, TColor markerColor, bool showMarker, bool enabled,
                      bool down, HIMAGELIST images, int imageIndex, const std::string& caption, int layout,
                      int spacing);

// Cell glyphNum of a glyph strip and a caption laid out in rect. The strip
// may be empty (no glyph).
void DrawGlyphAndText(HDC dc, const TRect& rect, int margin, TColor markerColor, bool showMarker, bool down,
                      int glyphNum, int numGlyphs, const TbsBitmap& glyph, const std::string& caption, int layout,
                      int spacing);

// Cell glyphNum (1 = first) of the strip at (x, y), its bottom-left pixel's
// colour transparent. Nothing for an empty strip.
void DrawGlyph(HDC dc, int x, int y, int glyphNum, int numGlyphs, const TbsBitmap& glyph);

// ---- text effects (DrawHelpersEffects.cpp) ------------------------------------

// A glow or shadow of the given size and colour behind the text, Offset
// pixels down and right, then the text itself in rect with format.
void DrawEffectText(HDC dc, const TRect& rect, const std::string& text, int size, TColor color, int offset,
                    UINT format);
void DrawEffectTextWide(HDC dc, const TRect& rect, const std::wstring& text, int size, TColor color, int offset,
                        UINT format);
// The text with a mirror image fading downwards below it, Offset pixels
// under the text's bottom.
void DrawReflectionText(HDC dc, const TRect& rect, const std::string& text, TColor color, int offset, UINT format);
void DrawReflectionTextWide(HDC dc, const TRect& rect, const std::wstring& text, TColor color, int offset,
                            UINT format);
// A soft glass glow box behind the text: margin 10 for controls, 12 for the
// form caption.
void DrawVistaGlowText(HDC dc, const TRect& rect, const std::string& text, TColor color, UINT format);
void DrawCaptionGlowText(HDC dc, const TRect& rect, const std::wstring& text, TColor color, UINT format);

// ---- wide text and measuring ------------------------------------------------

// DrawTextW on platforms of the NT family, else the text converted to the
// system code page and drawn with DrawTextA. Returns the height.
int DrawTextWide(HDC dc, const std::wstring& text, TRect& rect, UINT format);
int TextWidthWide(HDC dc, const std::wstring& text);
int TextHeightWide(HDC dc, const std::wstring& text);

// Cuts text so that it fits maxWidth, with a trailing "...".
void ShortenText(HDC dc, std::string& text, int maxWidth);
void ShortenTextWide(HDC dc, std::wstring& text, int maxWidth);

// ---- single-line captions -------------------------------------------------------

// Centred both ways on one line.
void DrawTrimmedText(HDC dc, const std::string& text, const TRect& rect);
// Left and vertically centred, with room for a leading "W".
void DrawTrimmedTextLeft(HDC dc, const std::string& text, const TRect& rect);
// Left and vertically centred, the rectangle as given.
void DrawTrimmedTextLeftPlain(HDC dc, const std::string& text, const TRect& rect);
// A list entry: 2 pixels (plus indent) in, centred vertically, clipped to rect.
void DrawListText(HDC dc, const std::string& text, const TRect& rect, int indent = 0);

// ---- background under a transparent control ----------------------------------

// A windowless control painted under a transparent one: its bounds in the
// parent's client coordinates and a painter drawing it at its own (0, 0).
struct TbsGraphicSibling {
    TRect BoundsRect;
    bool Visible = true;
    std::function<void(HDC)> Paint;
};

// Paints into dc, whose (0, 0) is control's top-left, the parent's
// background (WM_ERASEBKGND, then WM_PRINTCLIENT unless the parent is a
// top-level window) and then every visible earlier sibling that overlaps
// control: sibling windows created before it (WM_ERASEBKGND and
// WM_PRINTCLIENT), then the windowless siblings given, in order. Each is
// clipped to its own bounds. Nothing without a control or a parent.
void DrawParentImage(HWND control, HDC dc, const std::vector<TbsGraphicSibling>& graphicSiblings = {});

// ---- colours ------------------------------------------------------------------------

TColor MiddleColor(TColor color1, TColor color2);
TColor DarkerColor(TColor color, int percent);

// True when the font selected into dc has an odd height in pixels.
bool FontHeightIsOdd(HDC dc);
