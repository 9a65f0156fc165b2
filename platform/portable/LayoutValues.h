// Stored values that layout class registrations share: colours, character
// sets and font styles. The name tables of the framework's own
// enumerations are in platform/LayoutProperties.h.
#pragma once

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Types.h"

// A colour as a name ("clBtnFace") or a number 0 to 0xFFFFFFFF.
TColor LayoutColor(const TLayoutValue& v);

// The identifiers of the character set numbers, as a font's charset takes
// them ("DEFAULT_CHARSET", "TURKISH_CHARSET", ...); the numbers are the
// platform's.
const TEnumNames& FontCharSetNames();

// A character set as a FontCharSetNames identifier or a number 0 to 255.
int LayoutCharset(const TLayoutValue& v);

// A set of font styles ([fsBold, fsItalic]) as bits: bold 1, italic 2,
// underline 4, strike-out 8 (the values of TFontStyle).
unsigned LayoutFontStyle(const TLayoutValue& v);
