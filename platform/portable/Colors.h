// Named colours. System colours are 0xFF0000nn with nn the platform's
// system colour index (COLOR_BTNFACE is 15, so clBtnFace is 0xFF00000F).
#pragma once

#include <string>

#include "platform/portable/Types.h"

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clNone = 0x1FFFFFFF;  // no colour: nothing is painted

constexpr TColor SystemColor(int index) { return 0xFF000000u | TColor(index); }
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);

// The colour of a name such as "clBtnFace" (case-insensitive); false when
// the name is unknown.
bool ColorFromName(const std::string& name, TColor& color);
