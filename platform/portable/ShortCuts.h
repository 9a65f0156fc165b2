// Keyboard short-cuts of menu items: a virtual-key code in the low byte
// and the modifier flags above it, with their display text ("Alt+F4").
#pragma once

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(unsigned key, TShortCut modifiers) { return TShortCut((key & 0xFF) | modifiers); }
constexpr unsigned ShortCutKey(TShortCut shortCut) { return shortCut & 0xFFu; }

// "Ctrl+Shift+Alt+" in that order, then the key's name; "" for no short-cut
// (0) and for a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, ignoring letter case; 0 for a text that names no key.
TShortCut TextToShortCut(const std::string& text);
