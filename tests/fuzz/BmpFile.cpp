// The BMP reader over arbitrary bytes. Every input must either decode or be
// refused with an Exception; anything else (a crash, a read past the file's
// bytes, another exception type, a hang) is a fault. The file is decoded
// from its own copy of exactly FileSize bytes, so a read past the file is an
// out-of-bounds read the sanitizer reports.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const TBmpFile file = ReadBmpFile(data, size);
        const TPixelBuffer pixels = file.Decode();
        if (pixels.Width != file.Info.Width || pixels.Height != file.Info.Height ||
            pixels.Pixels.size() != std::size_t(pixels.Width) * std::size_t(pixels.Height))
            std::abort();
    } catch (const Exception&) {
        // refused: fine
    }
    return 0;
}
