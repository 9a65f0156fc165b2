// A 5 x 7 pixel font for the contact sheet's labels: capitals, digits and
// a little punctuation (small letters are drawn as capitals; anything else
// as a blank). Independent of any platform font, so the sheet looks the
// same wherever it is made.
#pragma once

#include <string>

#include "platform/portable/PixelBuffer.h"

constexpr int LabelCharWidth = 6;   // 5 pixels and a gap
constexpr int LabelLineHeight = 9;  // 7 pixels and a gap

// Draws text with its top-left at (x, y) in colour (blue-green-red-alpha
// pixel value), clipped to the buffer; scale enlarges every font pixel.
void DrawLabel(TPixelBuffer& target, int x, int y, const std::string& text, std::uint32_t colour, int scale = 1);
int LabelWidth(const std::string& text, int scale = 1);
