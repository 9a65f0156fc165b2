#include "skin/data/portable/BmpRle.h"

#include <algorithm>

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFormat.h"

using namespace bmp;

namespace {

// The walk's position: x from the left, row from the bottom, each clamped
// at the width or height, past which everything is dropped.
class TRleWriter {
public:
    TRleWriter(const TBmpInfo& info, const std::uint32_t* palette, TPixelBuffer* out)
        : FWidth(info.Width), FHeight(info.Height), FPalette(palette), FOut(out) {}

    // Writes count pixels whose i-th index is indexAt(i), then moves past
    // all of them.
    template <typename TIndexAt>
    void Put(int count, TIndexAt indexAt) {
        if (FOut && FRow < FHeight && FX < FWidth) {
            const int visible = std::min(count, FWidth - FX);
            std::uint32_t* dst = FOut->Row(FHeight - 1 - FRow) + FX;
            for (int i = 0; i < visible; ++i)
                dst[i] = FPalette[indexAt(i)];
        }
        Move(count, 0);
    }

    void Move(int right, int up) {
        FX = std::min(FX + right, FWidth);
        FRow = std::min(FRow + up, FHeight);
    }

    void NextLine() {
        FX = 0;
        FRow = std::min(FRow + 1, FHeight);
    }

private:
    int FWidth, FHeight;
    const std::uint32_t* FPalette;  // not owned
    TPixelBuffer* FOut;             // not owned; null to walk only
    int FX = 0;
    int FRow = 0;
};

}  // namespace

void WalkBmpRle(const std::uint8_t* data, const TBmpInfo& info, const std::uint32_t* palette, TPixelBuffer* out) {
    const std::uint8_t* p = data + info.PixelOffset;
    const std::uint8_t* const end = p + info.DataSize;
    const bool rle4 = info.Compression == bmcRle4;
    TRleWriter writer(info, palette, out);
    auto need = [&](std::size_t n) {
        if (std::size_t(end - p) < n)
            throw Exception(SBmpRleTruncated);
    };
    for (;;) {
        need(2);
        const int count = p[0];
        const std::uint8_t value = p[1];
        p += 2;
        if (count > 0) {
            if (rle4)
                writer.Put(count, [value](int i) { return (i & 1) ? value & 0x0F : value >> 4; });
            else
                writer.Put(count, [value](int) { return value; });
            continue;
        }
        switch (value) {
        case 0:
            writer.NextLine();
            break;
        case 1:
            return;
        case 2:
            need(2);
            writer.Move(p[0], p[1]);
            p += 2;
            break;
        default: {
            const int pixels = value;
            const std::size_t bytes = rle4 ? std::size_t(pixels + 1) / 2 : std::size_t(pixels);
            need((bytes + 1) & ~std::size_t(1));  // absolute runs end on a 16-bit boundary
            const std::uint8_t* run = p;
            if (rle4)
                writer.Put(pixels, [run](int i) { return (i & 1) ? run[i >> 1] & 0x0F : run[i >> 1] >> 4; });
            else
                writer.Put(pixels, [run](int i) { return run[i]; });
            p += (bytes + 1) & ~std::size_t(1);
            break;
        }
        }
    }
}
