#include <gtest/gtest.h>

#include <zlib.h>

#include <string>

#include "platform/portable/Exception.h"
#include "tools/skinview/LabelFont.h"
#include "tools/skinview/PngFile.h"
#include "tools/skinview/SheetModel.h"
#include "tools/skinview/SheetRender.h"

namespace {

std::uint32_t Be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

TEST(PngFile, ChunksCarryValidChecksumsAndTheRowsInflateToThePixels) {
    TPixelBuffer pixels(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) pixels.At(x, y) = MakePixel(std::uint8_t(x * 40), std::uint8_t(y * 90), 7, 200);
    std::vector<std::uint8_t> png = EncodePng(pixels);
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));
    std::size_t at = 8;
    std::vector<std::uint8_t> idat;
    std::vector<std::string> types;
    while (at + 12 <= png.size()) {
        std::uint32_t length = Be32(png, at);
        std::string type(png.begin() + std::ptrdiff_t(at + 4), png.begin() + std::ptrdiff_t(at + 8));
        types.push_back(type);
        ASSERT_LE(at + 12 + length, png.size());
        uLong crc = crc32(0L, png.data() + at + 4, uInt(length + 4));
        EXPECT_EQ(Be32(png, at + 8 + length), std::uint32_t(crc)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(Be32(png, at + 8), 3u);
            EXPECT_EQ(Be32(png, at + 12), 2u);
            EXPECT_EQ(png[at + 16], 8);  // bits per channel
            EXPECT_EQ(png[at + 17], 6);  // RGBA
        }
        if (type == "IDAT") idat.insert(idat.end(), png.begin() + std::ptrdiff_t(at + 8), png.begin() + std::ptrdiff_t(at + 8 + length));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    std::vector<std::uint8_t> raw(2 * (1 + 3 * 4));
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), uLong(idat.size())), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    for (int y = 0; y < 2; ++y) {
        const std::uint8_t* row = raw.data() + y * 13;
        EXPECT_EQ(row[0], 0);  // no filter
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(row[1 + x * 4], x * 40) << "x=" << x << " y=" << y;
            EXPECT_EQ(row[2 + x * 4], y * 90) << "x=" << x << " y=" << y;
            EXPECT_EQ(row[3 + x * 4], 7);
            EXPECT_EQ(row[4 + x * 4], 200);
        }
    }
}

TEST(LabelFont, DrawsGlyphPixelsCaseInsensitivelyAndAdvancesOverUnknownCharacters) {
    const std::uint32_t ink = MakePixel(255, 255, 255, 255);
    TPixelBuffer a(20, 8), b(20, 8);
    DrawLabel(a, 0, 0, "t~i", ink);
    DrawLabel(b, 0, 0, "T I", ink);
    EXPECT_EQ(a.Pixels, b.Pixels);
    EXPECT_EQ(a.At(0, 0), ink);  // top bar of the T
    EXPECT_EQ(a.At(0, 1), 0u);
    EXPECT_EQ(a.At(2, 6), ink);  // its stem
    for (int y = 0; y < 8; ++y)
        for (int x = LabelCharWidth; x < 2 * LabelCharWidth; ++x) EXPECT_EQ(a.At(x, y), 0u) << "x=" << x;
    EXPECT_EQ(LabelWidth("abc"), 3 * LabelCharWidth);
    // Drawing past the edges is clipped, not a fault.
    DrawLabel(a, 17, 5, "WWW", ink, 2);
    DrawLabel(a, -4, -3, "W", ink);
}

class ZevrakSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Model = new TSheetModel(ReadSheetModel(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak")); }
    static void TearDownTestSuite() {
        delete Model;
        Model = nullptr;
    }
    static const TSheetControl& Control(const std::string& name) {
        for (const auto& c : Model->Controls)
            if (c.Name == name) return c;
        throw std::runtime_error("no control " + name);
    }
    static TSheetModel* Model;
};
TSheetModel* ZevrakSheet::Model = nullptr;

TEST_F(ZevrakSheet, ButtonKeepsItsHeightAndLosesItsMaskedCorners) {
    const auto& button = Control("button");
    TPixelBuffer image = ComposeLook(*Model, button.Look, button.Look.SkinRect, 75, 30);
    ASSERT_EQ(image.Width, 75);
    ASSERT_EQ(image.Height, 25);  // a horizontal three-part look keeps the skin's height
    EXPECT_EQ(PixelA(image.At(0, 0)), 0);
    EXPECT_EQ(PixelA(image.At(74, 24)), 0);
    EXPECT_EQ(PixelA(image.At(37, 12)), 255);
    EXPECT_EQ(PixelA(image.At(0, 12)), 255);
    // The stretched middle repeats the skin's middle column.
    EXPECT_EQ(image.At(30, 12) & 0xFFFFFFu, image.At(45, 12) & 0xFFFFFFu);
}

TEST_F(ZevrakSheet, NinePartListGrowsBothWays) {
    const auto& list = Control("listbox");
    TPixelBuffer image = ComposeLook(*Model, list.Look, list.Look.SkinRect, 130, 90);
    EXPECT_EQ(image.Width, 130);
    EXPECT_EQ(image.Height, 90);
    EXPECT_EQ(image.At(60, 45), image.At(100, 70));  // flat client area
}

TEST_F(ZevrakSheet, TableWindowFrameIsShapedByItsMaskAndKeepsTheClientClear) {
    TPixelBuffer frame = RenderFrame(*Model, 777, 333);
    ASSERT_EQ(frame.Width, 777);
    ASSERT_EQ(frame.Height, 333);
    EXPECT_EQ(PixelA(frame.At(0, 0)), 0);    // rounded top corners are cut away
    EXPECT_EQ(PixelA(frame.At(776, 0)), 0);
    EXPECT_EQ(PixelA(frame.At(388, 0)), 255);
    EXPECT_EQ(PixelA(frame.At(0, 200)), 255);
    // The gold hairline closes the caption; the tiled client background (the
    // light steel backdrop, red 0xB9 within its grain) carries no line at
    // any tile boundary (rows 26, 129 and 232).
    std::uint32_t gold = frame.At(388, 25) & 0xFFFFFFu;
    EXPECT_GT(PixelR(gold), 150);
    for (int y : {26, 128, 129, 231, 232, 330})
        for (int x : {10, 388, 700}) EXPECT_NEAR(PixelR(frame.At(x, y)), 0xB9, 12) << "x=" << x << " y=" << y;
}

TEST(SheetModel, MissingSkinIsReportedAsAnError) {
    EXPECT_THROW(ReadSheetModel(std::string(RDZ_SOURCE_DIR) + "/skins/NoSuchSkin.skn"), std::exception);
}

}  // namespace
