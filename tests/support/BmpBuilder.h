// A BMP writer for tests, for every header size and encoding the reader
// takes (and for the malformed files it must refuse): the caller states the
// header's fields and the stored pixel data, the builder lays out the bytes.
// PackRows and EncodeRle make the pixel data from one value per pixel.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace bmptest {

using Bytes = std::vector<std::uint8_t>;

// (x, y) with y = 0 the top row -> the value stored for that pixel.
using TPixelValue = std::function<std::uint32_t(int x, int y)>;

struct TBmpLayout {
    std::uint32_t HeaderSize = 40;  // 12 (OS/2 core), 40, 52, 56, 108 or 124
    int Width = 1;
    int Height = 1;  // negative: top-down
    int Bits = 24;
    std::uint32_t Compression = 0;
    std::vector<std::uint32_t> Masks;    // red, green, blue[, alpha]: after a 40-byte header, else inside it
    std::vector<std::uint32_t> Palette;  // 0x00RRGGBB; 3 bytes each after a core header, else 4
    std::uint32_t ColorsUsed = 0;        // the header's used-colour count
    std::int64_t ImageSizeField = -1;    // -1: the size of Pixels
    Bytes Pixels;                        // the pixel data as stored
};

inline void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (8 * i));
}
inline void Set16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

inline Bytes BuildBmp(const TBmpLayout& l) {
    Bytes info;
    if (l.HeaderSize == 12) {
        Put32(info, 12);
        Put16(info, std::uint32_t(l.Width));
        Put16(info, std::uint32_t(l.Height));
        Put16(info, 1);
        Put16(info, std::uint32_t(l.Bits));
    } else {
        Put32(info, l.HeaderSize);
        Put32(info, std::uint32_t(l.Width));
        Put32(info, std::uint32_t(l.Height));
        Put16(info, 1);
        Put16(info, std::uint32_t(l.Bits));
        Put32(info, l.Compression);
        Put32(info, l.ImageSizeField < 0 ? std::uint32_t(l.Pixels.size()) : std::uint32_t(l.ImageSizeField));
        Put32(info, 2835);  // pixels per metre
        Put32(info, 2835);
        Put32(info, l.ColorsUsed);
        Put32(info, 0);
        if (l.HeaderSize > 40) {  // the masks, then colour space fields left 0
            for (std::size_t i = 0; i < 4 && 40 + 4 * i < l.HeaderSize; ++i)
                Put32(info, i < l.Masks.size() ? l.Masks[i] : 0);
            info.resize(l.HeaderSize, 0);
        } else {
            for (std::uint32_t m : l.Masks)
                Put32(info, m);
        }
    }
    Bytes file = {'B', 'M'};
    Put32(file, 0);  // total size, set below
    Put32(file, 0);
    Put32(file, 0);  // pixel offset, set below
    file.insert(file.end(), info.begin(), info.end());
    for (std::uint32_t c : l.Palette) {
        file.push_back(std::uint8_t(c));
        file.push_back(std::uint8_t(c >> 8));
        file.push_back(std::uint8_t(c >> 16));
        if (l.HeaderSize != 12)
            file.push_back(0);
    }
    Set32(file, 10, std::uint32_t(file.size()));
    file.insert(file.end(), l.Pixels.begin(), l.Pixels.end());
    Set32(file, 2, std::uint32_t(file.size()));
    return file;
}

// Uncompressed rows in file order (bottom row first unless topDown), each
// padded to 4 bytes. A value is a colour index (1, 4, 8 bits), a 16-bit
// word, a 0xRRGGBB colour (24 bits) or a 32-bit word.
inline Bytes PackRows(int bits, int width, int height, bool topDown, const TPixelValue& value) {
    const std::size_t rowBytes = (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4;
    Bytes out;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? i : height - 1 - i;
        Bytes row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bits < 8) {
                const int bit = x * bits;
                row[std::size_t(bit >> 3)] |= std::uint8_t((v & ((1u << bits) - 1)) << (8 - bits - (bit & 7)));
            } else {
                for (int b = 0; b < bits / 8; ++b)
                    row[std::size_t(x) * std::size_t(bits / 8) + std::size_t(b)] = std::uint8_t(v >> (8 * b));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// Run-length data (RLE8 for 8 bits, RLE4 for 4) of a bottom-up picture:
// two or more equal indexes make an encoded run, three or more others an
// absolute run padded to an even byte count, one or two others encoded runs
// of one; each row ends with end-of-line, the last with end-of-bitmap.
inline Bytes EncodeRle(int bits, int width, int height, const TPixelValue& index) {
    const bool rle4 = bits == 4;
    Bytes out;
    auto single = [&](std::uint32_t v) {
        out.push_back(1);
        out.push_back(std::uint8_t(rle4 ? v << 4 : v));
    };
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        int x = 0;
        while (x < width) {
            int same = 1;
            while (x + same < width && same < 255 && index(x + same, y) == index(x, y))
                ++same;
            if (same >= 2) {
                out.push_back(std::uint8_t(same));
                out.push_back(std::uint8_t(rle4 ? (index(x, y) << 4) | index(x, y) : index(x, y)));
                x += same;
                continue;
            }
            int others = 1;  // up to the next pair of equal indexes
            while (x + others < width && others < 255 &&
                   !(x + others + 1 < width && index(x + others, y) == index(x + others + 1, y)))
                ++others;
            if (others < 3) {
                for (int i = 0; i < others; ++i)
                    single(index(x + i, y));
            } else {
                out.push_back(0);
                out.push_back(std::uint8_t(others));
                const std::size_t start = out.size();
                for (int i = 0; i < others; ++i) {
                    const std::uint32_t v = index(x + i, y);
                    if (!rle4)
                        out.push_back(std::uint8_t(v));
                    else if (i % 2 == 0)
                        out.push_back(std::uint8_t(v << 4));
                    else
                        out.back() |= std::uint8_t(v);
                }
                if ((out.size() - start) % 2)
                    out.push_back(0);
            }
            x += others;
        }
        out.push_back(0);
        out.push_back(row == height - 1 ? 1 : 0);
    }
    return out;
}

}  // namespace bmptest
