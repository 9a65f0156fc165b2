#include "platform/portable/PixelBuffer.h"

#include "platform/portable/Exception.h"

const char* const SPixelBufferTooLarge = "picture: the size is larger than a picture may be";

TPixelBuffer::TPixelBuffer(int width, int height, std::uint32_t fill) {
    const std::optional<std::size_t> count = PixelCountFor(width, height);
    if (!count) throw Exception(SPixelBufferTooLarge);
    if (*count == 0) return;
    Pixels.assign(*count, fill);
    Width = width;
    Height = height;
}
