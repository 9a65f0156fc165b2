// The 12 x 9 rounded frame mask the region tests share, '#' for black
// (inside) and '.' for white: client (3, 3, 9, 6), corners (5, 4) (7, 4)
// (5, 5) (7, 5). The ragged bottom rows give runs of every length,
// including ones that end at the right edge.
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kFrameMask = {
    "..########..",
    ".##########.",
    "############",
    "###......###",
    "###......###",
    "###......###",
    "############",
    ".#.#######..",
    "..#####.#...",
};
