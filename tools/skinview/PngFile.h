// PNG files of 32-bit pixel buffers: 8-bit RGB with alpha, no interlace,
// filter type 0 on every row, deflate at level 9.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/portable/PixelBuffer.h"

std::vector<std::uint8_t> EncodePng(const TPixelBuffer& pixels);
