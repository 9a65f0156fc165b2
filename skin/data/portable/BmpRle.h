// The run-length decoder of RLE8 and RLE4 BMP data, shared by the header
// check (which only walks the stream) and the pixel decoder.
#pragma once

#include <cstdint>

#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/BmpFile.h"

// Walks the info.DataSize bytes of run-length data at info.PixelOffset of
// data, from the bottom row up, until the end-of-bitmap mark.
//
// The stream is pairs of bytes: a count n > 0 and a value repeat the value's
// index n times (RLE4: its two nibbles, high first, alternately); a count of
// 0 is an escape whose second byte says 0 end of line, 1 end of bitmap,
// 2 a delta (two more bytes: right, up), and 3 to 255 that many indexes
// follow (RLE4: two a byte, high nibble first), padded to an even byte count.
//
// When out is given, each index is looked up in palette (256 entries) and
// written; a run or delta that crosses the row's end or the image's top is
// cut there and the rest of it dropped, so nothing is written out of bounds
// and the position never overflows. Pixels never written are left as they
// are. Without out, nothing is written. Raises an Exception when the data
// ends before the end-of-bitmap mark; never reads past the data.
void WalkBmpRle(const std::uint8_t* data, const TBmpInfo& info, const std::uint32_t* palette, TPixelBuffer* out);
