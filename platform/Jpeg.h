// JPEG decoding with libjpeg.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/portable/PixelBuffer.h"

// Decodes a JPEG file's bytes into opaque blue-green-red pixels (alpha 0).
// Returns false, leaving out empty, for anything libjpeg cannot decode or
// decodes only with warnings (truncated or damaged data);
// never raises and never aborts the program.
bool DecodeJpeg(const std::vector<std::uint8_t>& data, TPixelBuffer& out);
