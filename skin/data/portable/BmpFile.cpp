// ReadBmpFile and the two writers; the header reader is BmpHeader.cpp, the
// pixel decoder BmpPixels.cpp.
#include "skin/data/portable/BmpFile.h"

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFormat.h"

using namespace bmp;

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<std::uint8_t> Headers(int width, int height, int bitsPerPixel, std::uint32_t colors) {
    std::uint32_t rowBytes = std::uint32_t(RowBytesFor(width, bitsPerPixel));
    std::uint32_t offset = FileHeaderSize + InfoHeaderSize + colors * 4;
    std::uint32_t imageBytes = rowBytes * std::uint32_t(height < 0 ? -height : height);
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);  // the two reserved words
    Put32(out, offset);
    Put32(out, InfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);  // planes
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, bmcRgb);
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dots per inch, in pixels per metre
    Put32(out, 2835);
    Put32(out, colors);
    Put32(out, 0);  // all colours important
    return out;
}

}  // namespace

TBmpFile ReadBmpFile(const std::uint8_t* data, std::size_t size) {
    TBmpFile file;
    file.Info = ReadBmpInfo(data, size);
    file.Bytes.assign(data, data + file.Info.FileSize);
    return file;
}

std::vector<std::uint8_t> WriteBmp(const TPixelBuffer& pixels, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw Exception(SBmpDepth);
    if (pixels.Empty())
        throw Exception(SBmpDimensions);
    std::vector<std::uint8_t> out = Headers(pixels.Width, pixels.Height, bitsPerPixel, 0);
    std::uint32_t rowBytes = std::uint32_t(RowBytesFor(pixels.Width, bitsPerPixel));
    for (int y = pixels.Height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint32_t p = pixels.At(x, y);
            out.push_back(PixelB(p));
            out.push_back(PixelG(p));
            out.push_back(PixelR(p));
            if (bitsPerPixel == 32)
                out.push_back(PixelA(p));
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

std::vector<std::uint8_t> WriteIndexedBmp(int width, int height, int bitsPerPixel,
                                          const std::vector<std::uint32_t>& palette,
                                          const std::vector<std::uint8_t>& indexes, bool topDown) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw Exception(SBmpDepth);
    if (width <= 0 || height <= 0 || indexes.size() != std::size_t(width) * std::size_t(height))
        throw Exception(SBmpDimensions);
    if (palette.empty() || palette.size() > (1u << bitsPerPixel))
        throw Exception(SBmpColorTable);
    std::vector<std::uint8_t> out =
        Headers(width, topDown ? -height : height, bitsPerPixel, std::uint32_t(palette.size()));
    for (std::uint32_t c : palette) {
        out.push_back(std::uint8_t(c));        // blue
        out.push_back(std::uint8_t(c >> 8));   // green
        out.push_back(std::uint8_t(c >> 16));  // red
        out.push_back(0);
    }
    std::uint32_t rowBytes = std::uint32_t(RowBytesFor(width, bitsPerPixel));
    for (int i = 0; i < height; ++i) {
        int y = topDown ? i : height - 1 - i;
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            unsigned v = indexes[std::size_t(y) * std::size_t(width) + std::size_t(x)] & ((1u << bitsPerPixel) - 1);
            int bit = x * bitsPerPixel;
            row[std::size_t(bit >> 3)] |= std::uint8_t(v << (8 - bitsPerPixel - (bit & 7)));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
