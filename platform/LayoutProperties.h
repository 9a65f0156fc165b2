// Stored properties that every layout class registration shares: the name
// tables of the framework's enumerations and the font group ("Font.Name",
// "DefaultFont.Height", ...). Values without a Win32 type (colours,
// character sets, font styles) are read by platform/portable/LayoutValues.h.
#pragma once

#include <string>

#include "platform/Graphics.h"
#include "platform/portable/ClassRegistry.h"
#include "platform/portable/LayoutValues.h"

// Identifier tables of the framework's enumerations.
extern const TEnumNames kAlignNames;         // TAlign: alNone ... alClient
extern const TEnumNames kBevelNames;         // TBevelStyle: bvNone ... bvRaised
extern const TEnumNames kComboStyleNames;    // TComboBoxStyle
extern const TEnumNames kScrollStyleNames;   // TScrollStyle
extern const TEnumNames kPositionNames;      // TPosition
extern const TEnumNames kFormBorderNames;    // TFormBorderStyle
extern const TEnumNames kBorderIconNames;    // TBorderIcon bit numbers
// Text alignment, as controls with an Alignment property store it:
// taLeftJustify 0, taRightJustify 1, taCenter 2.
extern const TEnumNames kTextAlignmentNames;

// Registers the font group of class C: "<group>.Name", ".Height", ".Size",
// ".Color", ".Style" and ".Charset", each setting the font that fontOf(c)
// gives ("Font" for a control's own font, "DefaultFont" for a skinned
// control's).
template <class C, class FontOf>
void AddFontProperties(TClassBuilder<C>& builder, const std::string& group, FontOf fontOf) {
    builder.Value(group + ".Name", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetName(LayoutString(v)); })
        .Value(group + ".Height", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetHeight(LayoutInt(v)); })
        .Value(group + ".Size", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetSize(LayoutInt(v)); })
        .Value(group + ".Color", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetColor(LayoutColor(v)); })
        .Value(group + ".Style", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetStyle(LayoutFontStyle(v)); })
        .Value(group + ".Charset", [fontOf](C& c, const TLayoutValue& v) { fontOf(c).SetCharset(LayoutCharset(v)); });
}
