// Draws the marker stroke lists of skin/paint/portable/Markers.h with a
// one-pixel pen: arrows, the check mark, caption-button symbols, the dotted
// focus frame and the 3D frame. Colours may be system colours (0xFF0000nn).
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/Markers.h"

#include <windows.h>

// Lines with a one-pixel pen in color; frames with that pen and no brush;
// fills with a brush of color.
void DrawStrokes(HDC dc, const TStrokeList& strokes, TColor color);

void DrawArrow(HDC dc, const TRect& rect, TColor color, int direction);
void DrawSmallArrow(HDC dc, const TRect& rect, TColor color, int direction);
void DrawComboArrow(HDC dc, const TRect& rect, TColor color);
void DrawCheckMark(HDC dc, int x, int y, TColor color);
void DrawCaptionSymbol(HDC dc, TbsCaptionSymbol symbol, int x, int y, TColor color);
// The dotted frame in the context's text colour (the font colour).
void DrawFocusDots(HDC dc, const TRect& rect);
void DrawFrame3D(HDC dc, const TRect& rect, TColor topLeftColor, TColor bottomRightColor);

// A colour as the platform takes it: system colours resolved.
COLORREF ColorToRgbRef(TColor color);
