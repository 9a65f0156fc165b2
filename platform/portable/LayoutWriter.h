// Writes layouts back as text (the form LayoutText.h describes), so that
// ParseLayoutText reads the text back to an equal node.
//
// From components: the root and, nested in it, every component it owns, in
// ownership order, each with the registered properties that have getters
// (base class properties first). References are written as the name of the
// component they hold; events and properties without a getter are not
// written. Every component is written directly inside the root: this layer
// does not know in which container a control was placed, so the writer is
// meant for non-visual components (stored skins, skin lists, texts).
//
// Values: strings escape '"', '\' and every byte outside printable ASCII
// (as \xHH), binary values are written as hex("..."), whatever form they
// were read from (a picture("...") value reads back as the same bytes).
#pragma once

#include <string>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Component.h"
#include "platform/portable/LayoutText.h"

// The text of a node. Raises Exception for what the text cannot carry: a
// name or identifier that is not one, an integer outside what the parser
// reads (magnitude above 4294967295).
std::string FormatLayoutText(const TLayoutNode& node);

// The node of root and the components it owns, as described above. Raises
// Exception for a component of no registered class, and for a reference to
// a component the layout could not name (unnamed, or not the root nor owned
// by it).
TLayoutNode CaptureLayout(const TComponent& root, const TClassRegistry& classes);

// FormatLayoutText(CaptureLayout(root, classes)).
std::string WriteLayoutText(const TComponent& root, const TClassRegistry& classes);
