#include "tools/zevrak/BmpWriter.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zevrak {
namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 2835;  // 72 dots per inch

void Put16(TBytes& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(TBytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

TBytes Headers(int width, int height, int bitsPerPixel, std::uint32_t paletteBytes, std::uint32_t rowBytes) {
    std::uint32_t imageBytes = rowBytes * std::uint32_t(height);
    std::uint32_t offset = FileHeaderSize + InfoHeaderSize + paletteBytes;
    TBytes out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, offset);
    Put32(out, InfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));  // positive: rows stored bottom-up
    Put16(out, 1);                      // planes
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, std::uint32_t(PixelsPerMetre));
    Put32(out, std::uint32_t(PixelsPerMetre));
    Put32(out, bitsPerPixel == 1 ? 2 : 0);  // colours used
    Put32(out, 0);                          // all colours important
    return out;
}

std::uint32_t PaddedRow(std::uint32_t bits) { return ((bits + 31) / 32) * 4; }

}  // namespace

TBytes EncodeBmp24(const TCanvas& picture) {
    std::uint32_t rowBytes = PaddedRow(std::uint32_t(picture.Width()) * 24);
    TBytes out = Headers(picture.Width(), picture.Height(), 24, 0, rowBytes);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < picture.Width(); ++x) {
            out.push_back(picture.Byte(x, y, 2));
            out.push_back(picture.Byte(x, y, 1));
            out.push_back(picture.Byte(x, y, 0));
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

TBytes EncodeBmp1(const TCanvas& picture) {
    std::uint32_t rowBytes = PaddedRow(std::uint32_t(picture.Width()));
    TBytes out = Headers(picture.Width(), picture.Height(), 1, 8, rowBytes);
    Put32(out, 0x00000000);  // index 0: black
    Put32(out, 0x00FFFFFF);  // index 1: white
    for (int y = picture.Height() - 1; y >= 0; --y) {
        TBytes row(rowBytes, 0);
        for (int x = 0; x < picture.Width(); ++x) {
            TRgb p = picture.At(x, y);
            bool white = (p.R + p.G + p.B) / 3 >= 0.5f;
            if (white) row[std::size_t(x / 8)] |= std::uint8_t(0x80u >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void WriteFile(const std::string& path, const TBytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot create " + path);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

TBytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace zevrak
