#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (8 * i));
}
void Set16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

// Pixels that encode their own coordinates.
TPixelBuffer CoordinatePixels(int w, int h, bool withAlpha) {
    TPixelBuffer p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.At(x, y) = MakePixel(std::uint8_t(x * 10), std::uint8_t(y * 20), std::uint8_t(x + y),
                                   withAlpha ? std::uint8_t(200 - x) : 0);
    return p;
}

void ExpectSamePixels(const TPixelBuffer& want, const TPixelBuffer& got) {
    ASSERT_EQ(got.Width, want.Width);
    ASSERT_EQ(got.Height, want.Height);
    for (int y = 0; y < want.Height; ++y)
        for (int x = 0; x < want.Width; ++x)
            ASSERT_EQ(got.At(x, y), want.At(x, y)) << "at x " << x << ", y " << y;
}

TPixelBuffer Decode(const Bytes& file) {
    return DecodeBmp(file.data(), ReadBmpInfo(file.data(), file.size()));
}

TEST(BmpFile, DirectDepthsDecodeTopRowFirstWithPaddedRows) {
    for (int depth : {24, 32}) {
        TPixelBuffer pixels = CoordinatePixels(3, 4, depth == 32);  // 3 x 24 bits: 9 bytes padded to 12
        Bytes file = WriteBmp(pixels, depth);
        TBmpInfo info = ReadBmpInfo(file.data(), file.size());
        EXPECT_EQ(info.BitsPerPixel, depth);
        EXPECT_EQ(info.FileSize, file.size());
        EXPECT_FALSE(info.TopDown);
        ExpectSamePixels(pixels, Decode(file));  // 32 bits keep their alpha, 24 bits read alpha 0
    }
}

TEST(BmpFile, IndexedDepthsDecodeThroughTheirColourTable) {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456,
                                                0x654321, 0xABCDEF, 0xFFFFFF, 0x808080, 0x010203,
                                                0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666};
    for (int depth : {1, 4, 8}) {
        for (bool topDown : {false, true}) {
            const int w = 11, h = 3;  // 11 pixels: a partial last byte at every depth
            std::vector<std::uint8_t> indexes(w * h);
            const unsigned colors = depth == 1 ? 2 : 16;
            for (int i = 0; i < w * h; ++i)
                indexes[i] = std::uint8_t((i * 7 + i / w) % colors);
            std::vector<std::uint32_t> table(palette.begin(), palette.begin() + colors);
            Bytes file = WriteIndexedBmp(w, h, depth, table, indexes, topDown);
            TBmpInfo info = ReadBmpInfo(file.data(), file.size());
            EXPECT_EQ(info.TopDown, topDown);
            EXPECT_EQ(info.ColorCount, colors);
            TPixelBuffer got = DecodeBmp(file.data(), info);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    std::uint32_t c = table[indexes[y * w + x]];
                    ASSERT_EQ(got.At(x, y), MakePixel(std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)))
                        << "depth " << depth << (topDown ? " top-down" : " bottom-up") << " at x " << x << ", y " << y;
                }
        }
    }
}

TEST(BmpFile, IndexPastAShortColourTableReadsBlack) {
    Bytes file = WriteIndexedBmp(4, 1, 8, {0xFFFFFF, 0x00FF00}, {0, 1, 2, 200});
    TPixelBuffer got = Decode(file);
    EXPECT_EQ(got.At(0, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(got.At(1, 0), MakePixel(0, 255, 0));
    EXPECT_EQ(got.At(2, 0), 0u);
    EXPECT_EQ(got.At(3, 0), 0u);
}

TEST(BmpFile, TheFileEndsAtItsDeclaredSizeNotAtTheEndOfTheData) {
    Bytes file = WriteBmp(CoordinatePixels(2, 2, false), 24);
    Bytes followed = file;
    followed.insert(followed.end(), {9, 9, 9, 9, 9});
    TBmpFile read = ReadBmpFile(followed.data(), followed.size());
    EXPECT_EQ(read.Bytes, file);
}

// One row per kind of lying or unsupported header, each applied to a valid
// 5 x 4 24-bit file (or a 4-bit one for the colour table cases).
struct TBadBmp {
    const char* Name;
    int Depth;
    std::function<void(Bytes&)> Spoil;
};

TEST(BmpFile, MalformedHeadersAreRefusedWithAnError) {
    const std::vector<TBadBmp> cases = {
        {"data shorter than the headers", 24, [](Bytes& b) { b.erase(b.begin() + 53, b.end()); }},
        {"no BM signature", 24, [](Bytes& b) { b[0] = 'X'; }},
        {"file size smaller than its headers", 24, [](Bytes& b) { Set32(b, 2, 40); }},
        {"file size larger than the data", 24, [](Bytes& b) { Set32(b, 2, std::uint32_t(b.size() + 1)); }},
        {"data cut inside the pixels", 24, [](Bytes& b) { b.pop_back(); }},
        {"header size of 16 bytes", 24, [](Bytes& b) { Set32(b, 14, 16); }},
        {"header size past the file", 24, [](Bytes& b) { Set32(b, 14, 124); Set32(b, 2, 100); b.erase(b.begin() + 100, b.end()); }},
        {"width zero", 24, [](Bytes& b) { Set32(b, 18, 0); }},
        {"width negative", 24, [](Bytes& b) { Set32(b, 18, std::uint32_t(-5)); }},
        {"width huge", 24, [](Bytes& b) { Set32(b, 18, 0x7FFFFFFF); }},
        {"height zero", 24, [](Bytes& b) { Set32(b, 22, 0); }},
        {"height most negative", 24, [](Bytes& b) { Set32(b, 22, 0x80000000u); }},
        {"height huge", 24, [](Bytes& b) { Set32(b, 22, 100000); }},
        {"two planes", 24, [](Bytes& b) { Set16(b, 26, 2); }},
        {"2 bits per pixel", 24, [](Bytes& b) { Set16(b, 28, 2); }},
        {"0 bits per pixel", 24, [](Bytes& b) { Set16(b, 28, 0); }},
        {"run-length compression of 24 bits", 24, [](Bytes& b) { Set32(b, 30, 1); }},
        {"bit fields on 24 bits", 24, [](Bytes& b) { Set32(b, 30, 3); }},
        {"more colours than the depth allows", 4, [](Bytes& b) { Set32(b, 46, 17); }},
        {"colour table past the pixel offset", 4, [](Bytes& b) { Set32(b, 10, 54 + 8); }},
        {"colour table larger than the file", 24, [](Bytes& b) { Set32(b, 46, 200); }},
        {"pixel offset past the end", 24, [](Bytes& b) { Set32(b, 10, std::uint32_t(b.size())); }},
        {"pixel offset huge", 24, [](Bytes& b) { Set32(b, 10, 0xFFFFFFF0u); }},
        {"rows overflow 32 bits", 24, [](Bytes& b) { Set32(b, 18, 30000); Set32(b, 22, 30000); }},
    };
    for (const TBadBmp& c : cases) {
        Bytes file = c.Depth == 24 ? WriteBmp(CoordinatePixels(5, 4, false), 24)
                                   : WriteIndexedBmp(5, 4, 4, std::vector<std::uint32_t>(16, 0x112233),
                                                     std::vector<std::uint8_t>(20, 3));
        c.Spoil(file);
        EXPECT_THROW(ReadBmpInfo(file.data(), file.size()), Exception) << c.Name;
        EXPECT_THROW(ReadBmpFile(file.data(), file.size()), Exception) << c.Name;
    }
}

// 10000 x 10000 pixels claimed by a 60-byte file: refused from the sizes
// alone. Were it believed, decoding would allocate 400 MB.
TEST(BmpFile, HundredMillionPixelsInSixtyBytesIsRefusedBeforeAllocation) {
    Bytes file = WriteBmp(TPixelBuffer(1, 1), 24);
    ASSERT_EQ(file.size(), 58u);
    file.resize(60, 0);
    Set32(file, 2, 60);
    Set32(file, 18, 10000);
    Set32(file, 22, 10000);
    EXPECT_THROW(ReadBmpInfo(file.data(), file.size()), Exception);
    Set16(file, 28, 1);  // at 1 bit per pixel the rows would still need 12.5 MB
    EXPECT_THROW(ReadBmpInfo(file.data(), file.size()), Exception);
}

TEST(BmpFile, LongerInformationHeadersAreAcceptedAndSkipped) {
    Bytes v40 = WriteBmp(CoordinatePixels(2, 2, false), 24);
    // Re-make it with a 108-byte header: 68 more bytes between header and rows.
    Bytes v108(v40.begin(), v40.begin() + 54);
    v108.insert(v108.end(), 68, 0);
    v108.insert(v108.end(), v40.begin() + 54, v40.end());
    Set32(v108, 2, std::uint32_t(v108.size()));
    Set32(v108, 10, 14 + 108);
    Set32(v108, 14, 108);
    ExpectSamePixels(Decode(v40), Decode(v108));
}

}  // namespace
