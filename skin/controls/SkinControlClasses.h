// Layout registration of the skinned control bases.
#pragma once

#include "platform/portable/ClassRegistry.h"

// Registers TbsSkinControl, TbsSkinCustomControl, TbsGraphicSkinControl and
// TbsGraphicSkinCustomControl (not creatable: layouts name their
// subclasses) and the creatable TbsSkinGauge, TbsSkinPanel, TbsSkinGroupBox
// and TbsSkinStatusBar with their stored properties,
// and the skin data classes they
// refer to; a registry that has them already is left as it is. The
// framework's classes must be registered already (FrameworkClasses()).
void RegisterSkinControlClasses(TClassRegistry& registry);

// Registers the skinned form frame (skin/form/SkinFormClasses.cpp).
void RegisterSkinFormClasses(TClassRegistry& registry);
