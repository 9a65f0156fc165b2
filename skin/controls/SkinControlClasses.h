// Layout registration of the skinned control bases.
#pragma once

#include "platform/portable/ClassRegistry.h"

// Registers TbsSkinControl, TbsSkinCustomControl, TbsGraphicSkinControl and
// TbsGraphicSkinCustomControl (not creatable: layouts name their
// subclasses), every creatable skinned control (gauge, panels, scroll bar,
// button, label and status panel, edits, rich edit) with its stored
// properties, and the skin data classes they refer to; a registry that has
// them already is left as it is. The framework's classes must be
// registered already (FrameworkClasses()). The form frame is registered by
// skin/form (RegisterSkinFormClasses).
void RegisterSkinControlClasses(TClassRegistry& registry);
