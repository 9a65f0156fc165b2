// Draws the contact sheet of a skin: every control record at its own size,
// wider and (where it stretches that way) taller in every state, the
// frame at the table window's size with its mask and its layered border,
// the layer frame, the object records in their states, and the popup and
// hint frames, each with a label. Composition and mask regions are the
// skin engine's own (skin/paint/portable).
#pragma once

#include "tools/skinview/SheetModel.h"

TPixelBuffer RenderContactSheet(const TSheetModel& model);

// A look composed at W x H by its corner points (the sizes a fixed or
// three-part look does not allow are replaced by the skin's), with its mask
// applied as alpha 0 outside; alpha 255 inside. Empty without a picture.
TPixelBuffer ComposeLook(const TSheetModel& model, const TSheetLook& look, const TRect& source, int W, int H);

// The window of W x H: frame strips, client background, caption buttons
// arranged as the table window has them (no maximise button), and the
// window region from the mask as alpha (0 outside, 255 inside).
TPixelBuffer RenderFrame(const TSheetModel& model, int W, int H);
