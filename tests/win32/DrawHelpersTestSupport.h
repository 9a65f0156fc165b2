// Shared by the drawing-helper tests: a white 32-bit canvas to draw on, a
// font, exact pixel comparison that names the first differing pixels and
// writes the drawn image to a BMP file for a person to look at.
#pragma once

#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixels.h"

#include <windows.h>

#include "platform/Handles.h"
#include "skin/paint/TbsBitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

constexpr std::uint32_t kWhite = MakePixel(255, 255, 255, 0);

inline void FillCanvas(TbsBitmap& bmp, int w, int h, std::uint32_t pixel = kWhite) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) *bmp.PixelPtr(x, y) = pixel;
}

// Colour channels only: GDI leaves the alpha byte as it pleases.
inline std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

// The folder failure pictures go to: RDZ_TEST_PICTURES when set (the test
// script points it into its log folder), else "failure-pictures" beside the
// test program, which lives under build/. Never the current folder: the
// tests run from the repository's root. Made when missing.
std::filesystem::path FailurePictureFolder();

// Writes the bitmap as a 32-bit BMP file named after the test, in
// FailurePictureFolder.
void WriteBmp(const TbsBitmap& bmp, const std::string& name);

// Compares the colour of every pixel with expected(x, y); reports the first
// few differences with their coordinates and writes the image on failure.
inline void ExpectPixels(const TbsBitmap& bmp, const std::function<std::uint32_t(int, int)>& expected,
                         const std::string& name) {
    int failures = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            const std::uint32_t got = Rgb(*bmp.PixelPtr(x, y));
            const std::uint32_t want = Rgb(expected(x, y));
            if (got != want && ++failures <= 5)
                ADD_FAILURE() << name << ": pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected "
                              << want;
        }
    if (failures) WriteBmp(bmp, name);
}

// A Tahoma font of the given pixel height selected into a context for the
// object's lifetime.
class TTestFont {
public:
    TTestFont(HDC dc, int height, int weight = FW_NORMAL)
        : FFont(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma")),
          FSelect(dc, FFont.Get()) {}

private:
    TFontHandle FFont;
    TSelectObject FSelect;
};

inline std::string TestName() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
}
