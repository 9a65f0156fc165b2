// Horizontal text alignment, in the order the layouts store it.
#pragma once

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
