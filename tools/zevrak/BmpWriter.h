// Uncompressed BMP files as the skin package carries them: a 14-byte file
// header, a 40-byte information header, a colour table for 1-bit pictures
// (entry 0 black, entry 1 white) and bottom-up rows padded to 4 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/zevrak/Canvas.h"

namespace zevrak {

using TBytes = std::vector<std::uint8_t>;

// 24 bits per pixel, blue-green-red.
TBytes EncodeBmp24(const TCanvas& picture);
// 1 bit per pixel: a pixel is black (index 0, "inside" for a mask) when its
// mean channel value is below one half, white (index 1) otherwise.
TBytes EncodeBmp1(const TCanvas& picture);

// Writes bytes to a file; throws std::runtime_error when that fails.
void WriteFile(const std::string& path, const TBytes& bytes);
TBytes ReadFile(const std::string& path);

}  // namespace zevrak
