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

TPixelBuffer TPixelBuffer::Unfilled(int width, int height) {
    const std::optional<std::size_t> count = PixelCountFor(width, height);
    if (!count) throw Exception(SPixelBufferTooLarge);
    TPixelBuffer buffer;
    if (*count == 0) return buffer;
    buffer.Pixels.resize(*count);  // default-initialised by the pixel allocator: left unset
    buffer.Width = width;
    buffer.Height = height;
    return buffer;
}
