// The skin definition of Zevrak: every section the table window reads, with
// the places of the looks taken from ZevrakLayout.h.
#pragma once

#include "tools/zevrak/IniText.h"

namespace zevrak {

// The name of the definition file inside the skin folder.
inline constexpr const char* DefinitionFileName = "Zevrak.ini";

TIniText BuildZevrakDefinition();

// 0xRRGGBB written the way the skin definition stores colours (0x00BBGGRR).
long long SkinColor(unsigned rrggbb);

}  // namespace zevrak
