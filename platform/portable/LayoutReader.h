// Builds components from a parsed layout.
//
// In this order: the root's properties are set; each nested component is
// created by class name in stored order, named, placed in its container and
// given its properties in stored order; references to other components are
// recorded and resolved only after the whole layout has been read, so a
// component may name one created after it; event properties are bound to
// the root's handlers; then every created component and finally the root
// get Loaded(). The caller runs the root's creation handler after that.
//
// A collection property replaces the component's items with the stored
// ones, each created with its defaults and given its properties in order.
//
// Any error raises Exception naming the component and, where there is one,
// the property (an item's as "Skins[1].Name") and its line: 'Layout error in
// Form1.Label1 (TLabel), property "Left", line 12: expected an integer, not
// "x"'. Components created before the error stay owned by the root and are
// freed with it.
#pragma once

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Component.h"
#include "platform/portable/LayoutText.h"

void ReadLayout(TComponent& root, const TLayoutNode& node, const TClassRegistry& classes);
