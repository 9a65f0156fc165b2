// Helpers of the painting tests: pictures whose pixels encode their own
// coordinates, and an exact image comparison that names the first wrong
// pixel and writes the image to a BMP file for a person to look at.
#pragma once

#include <gtest/gtest.h>

#include "platform/portable/PixelBuffer.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace painttest {

// Opaque pixel telling its own (x, y): x in bits 0-11, y in bits 12-23.
constexpr std::uint32_t Coord(int x, int y) { return 0xFF000000u | (std::uint32_t(y) << 12) | std::uint32_t(x); }

inline TPixelBuffer CoordPicture(int width, int height) {
    TPixelBuffer p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.At(x, y) = Coord(x, y);
    return p;
}

inline std::string DescribeCoord(std::uint32_t v) {
    char text[64];
    std::snprintf(text, sizeof text, "0x%08X (source %u,%u)", unsigned(v), unsigned(v & 0xFFF), unsigned((v >> 12) & 0xFFF));
    return text;
}

inline void WriteBmp(const TPixelBuffer& image, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    const std::uint32_t imageBytes = std::uint32_t(image.Width) * image.Height * 4;
    std::uint8_t header[54] = {'B', 'M'};
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = std::uint8_t(v >> (8 * i));
    };
    put32(2, 54 + imageBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(image.Width));
    put32(22, std::uint32_t(-image.Height));  // top-down
    header[26] = 1;
    header[28] = 32;
    std::fwrite(header, 1, sizeof header, f);
    std::fwrite(image.Pixels.data(), 1, imageBytes, f);
    std::fclose(f);
}

// Compares every pixel with expected(x, y); stops at the first difference.
inline ::testing::AssertionResult PixelsMatch(const TPixelBuffer& image,
                                              const std::function<std::uint32_t(int, int)>& expected,
                                              const std::string& name = "image") {
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t want = expected(x, y), got = image.At(x, y);
            if (want != got) {
                const std::string path = ::testing::TempDir() + "paint-" + name + ".bmp";
                WriteBmp(image, path);
                return ::testing::AssertionFailure() << name << " differs at x=" << x << " y=" << y << ": got "
                                                     << DescribeCoord(got) << ", want " << DescribeCoord(want)
                                                     << " (image written to " << path << ")";
            }
        }
    return ::testing::AssertionSuccess();
}

}  // namespace painttest
