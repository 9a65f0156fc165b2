// Accelerator characters of captions: "&Spin" is spun by Alt+S (or S where
// the focused control takes no characters); "&&" is a plain "&".
#pragma once

#include <string>

// The accelerator character of a caption, or 0 when it has none. Of several
// marks the first counts; a "&" at the very end marks nothing.
char AcceleratorOf(const std::string& caption);

// Whether ch (either letter case, ASCII) is the caption's accelerator.
bool IsAccelerator(char ch, const std::string& caption);
