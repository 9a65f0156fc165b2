// Every BMP encoding a paint program may write into a skin folder, built in
// memory with pixels that encode their coordinates, decoded and compared
// pixel by pixel; then the malformed variants of each, which must be refused
// or cut, never read or written out of bounds.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "PaintTestSupport.h"
#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/BmpFormat.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/StoredSkin.h"
#include "tests/support/BmpBuilder.h"
#include "tests/support/ErrorOf.h"

namespace {

using namespace bmptest;
using painttest::PixelsMatch;

TPixelBuffer Decode(const Bytes& file) { return DecodeBmp(file.data(), ReadBmpInfo(file.data(), file.size())); }

std::string ReadError(const Bytes& file) {
    return ErrorOf([&] { ReadBmpInfo(file.data(), file.size()); });
}

// 0x00RRGGBB colour table entry i (0 to 255): distinct (green is i) and
// never black, so an entry read from the wrong place shows.
std::uint32_t TableColour(unsigned i) { return ((i * 0x3Bu + 0x11u) & 0xFF) << 16 | i << 8 | ((i * 7u + 1u) & 0xFF); }
std::vector<std::uint32_t> Table(unsigned n) {
    std::vector<std::uint32_t> t;
    for (unsigned i = 0; i < n; ++i)
        t.push_back(TableColour(i));
    return t;
}
std::uint32_t AsPixel(std::uint32_t rgb) {
    return MakePixel(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

// 0x00RRGGBB colours of a 24-bit picture, telling their coordinates.
std::uint32_t CoordColour(int x, int y) {
    return std::uint32_t(x * 19) << 16 | std::uint32_t(y * 40) << 8 | std::uint32_t(200 - x - y);
}

// The expected pixel of colour table index i of a table of n entries.
std::uint32_t Entry(unsigned i, unsigned n) { return i < n ? AsPixel(TableColour(i)) : 0u; }

// n-bit channel value v widened to 8 bits: the nearest value, by floating
// point here (no value lies halfway, as 510 v is even and (2^n - 1) odd).
std::uint8_t Widen(std::uint32_t v, int bits) {
    const double max = std::ldexp(1.0, bits) - 1;
    return std::uint8_t(std::lround(v * 255.0 / max));
}

// A value put into the bits of mask, taken modulo the mask's range.
std::uint32_t Place(std::uint32_t v, std::uint32_t mask) {
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    return ((v << shift) & mask);
}
int MaskBits(std::uint32_t mask) { return std::popcount(mask); }
std::uint32_t Range(std::uint32_t mask) { return mask >> std::countr_zero(mask); }

// ---- indexed pictures -----------------------------------------------------

TEST(BmpEncodings, CoreHeaderPicturesUseThreeByteColourEntries) {
    const int w = 13, h = 5;  // 13 pixels: a partial last byte at every depth
    for (int bits : {1, 4, 8}) {
        const unsigned n = 1u << bits;
        auto index = [n](int x, int y) { return std::uint32_t(x * 3 + y * 5) % n; };
        Bytes file = BuildBmp({.HeaderSize = 12, .Width = w, .Height = h, .Bits = bits, .Palette = Table(n),
                               .Pixels = PackRows(bits, w, h, false, index)});
        TBmpInfo info = ReadBmpInfo(file.data(), file.size());
        EXPECT_EQ(info.ColorEntrySize, 3u);
        EXPECT_EQ(info.ColorCount, n);
        EXPECT_TRUE(PixelsMatch(Decode(file), [&](int x, int y) { return Entry(index(x, y), n); },
                                "core-" + std::to_string(bits)))
            << bits << " bits";
    }
    Bytes file = BuildBmp({.HeaderSize = 12, .Width = w, .Height = h, .Bits = 24,
                           .Pixels = PackRows(24, w, h, false, CoordColour)});
    EXPECT_TRUE(PixelsMatch(Decode(file), [](int x, int y) { return AsPixel(CoordColour(x, y)); }, "core-24"));
}

// Each header size, bottom-up and top-down, at 24 bits and at 8 bits with a
// table of 5 entries (index 5 and up read black).
TEST(BmpEncodings, EveryInformationHeaderSizeDecodesTheSamePixels) {
    const int w = 7, h = 4;
    auto index = [](int x, int y) { return std::uint32_t(x + y * 2) % 8; };
    for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
        for (bool topDown : {false, true}) {
            const std::string name = std::to_string(header) + (topDown ? "-topdown" : "-bottomup");
            const int height = topDown ? -h : h;
            Bytes direct = BuildBmp({.HeaderSize = header, .Width = w, .Height = height, .Bits = 24,
                                     .Pixels = PackRows(24, w, h, topDown, CoordColour)});
            EXPECT_TRUE(PixelsMatch(Decode(direct), [](int x, int y) { return AsPixel(CoordColour(x, y)); }, name))
                << name;

            Bytes indexed = BuildBmp({.HeaderSize = header, .Width = w, .Height = height, .Bits = 8,
                                      .Palette = Table(5), .ColorsUsed = 5,
                                      .Pixels = PackRows(8, w, h, topDown, index)});
            EXPECT_TRUE(PixelsMatch(Decode(indexed), [&](int x, int y) { return Entry(index(x, y), 5); }, name))
                << name;
        }
    }
}

TEST(BmpEncodings, IndexesPastAShortTableReadBlackAtEveryDepth) {
    const int w = 9, h = 3;
    for (int bits : {1, 4, 8}) {
        const unsigned depthColours = 1u << bits, n = bits == 1 ? 1 : 3;
        auto index = [&](int x, int y) { return std::uint32_t(x + y) % depthColours; };
        Bytes file = BuildBmp({.HeaderSize = 56, .Width = w, .Height = h, .Bits = bits, .Palette = Table(n),
                               .ColorsUsed = n, .Pixels = PackRows(bits, w, h, false, index)});
        EXPECT_TRUE(PixelsMatch(Decode(file), [&](int x, int y) { return Entry(index(x, y), n); }, "short")) << bits;
    }
}

// ---- run-length encoding ----------------------------------------------------

// Rows with a run of equal indexes, then indexes that all differ (odd counts,
// so absolute runs end with a pad byte), through the builder's encoder.
TEST(BmpEncodings, Rle8AndRle4DecodeEncodedAndAbsoluteRuns) {
    struct TCase {
        int Bits, Width;
        std::uint32_t Header, Colours;
    };
    for (const TCase& c : {TCase{8, 12, 40, 0}, TCase{8, 300, 124, 200}, TCase{4, 10, 40, 0}, TCase{4, 11, 108, 12}}) {
        const int h = 5;
        const std::uint32_t n = c.Colours ? c.Colours : 1u << c.Bits;
        const std::uint32_t depth = 1u << c.Bits;
        auto index = [&](int x, int y) {
            return x < 5 ? std::uint32_t(y + 1) % depth : std::uint32_t(x * 7 + y * 3) % depth;
        };
        Bytes data = EncodeRle(c.Bits, c.Width, h, index);
        Bytes file = BuildBmp({.HeaderSize = c.Header, .Width = c.Width, .Height = h, .Bits = c.Bits,
                               .Compression = std::uint32_t(c.Bits == 8 ? bmcRle8 : bmcRle4), .Palette = Table(n),
                               .ColorsUsed = c.Colours, .Pixels = data});
        const std::string name = "rle" + std::to_string(c.Bits) + "-" + std::to_string(c.Width);
        TBmpInfo info = ReadBmpInfo(file.data(), file.size());
        EXPECT_TRUE(info.RunLength());
        EXPECT_EQ(info.DataSize, data.size());
        EXPECT_TRUE(PixelsMatch(Decode(file), [&](int x, int y) { return Entry(index(x, y), n); }, name)) << name;
    }
}

Bytes Rle8File(int w, int h, const Bytes& data, unsigned colours = 10) {
    return BuildBmp({.Width = w, .Height = h, .Bits = 8, .Compression = bmcRle8, .Palette = Table(colours),
                     .ColorsUsed = colours, .Pixels = data});
}
Bytes Rle4File(int w, int h, const Bytes& data) {
    return BuildBmp({.Width = w, .Height = h, .Bits = 4, .Compression = bmcRle4, .Palette = Table(16), .Pixels = data});
}

// Expected indexes written top row first.
std::function<std::uint32_t(int, int)> Grid(std::vector<std::vector<unsigned>> rows, unsigned colours) {
    return [rows, colours](int x, int y) { return Entry(rows[std::size_t(y)][std::size_t(x)], colours); };
}

// Index 0 is not black here, so the pixels the stream never writes show
// that they took index 0 rather than staying 0.
TEST(BmpEncodings, RlePixelsSkippedByEndOfLineDeltaOrEndOfBitmapKeepIndexZero) {
    const Bytes data = {
        2,    1,    0, 0,  // bottom row: 1 1, then end of line
        0,    2,    2, 1,  // delta: 2 right, 1 up (skips the second row)
        2,    2,    0, 0,  // third row from x 2: 2 2, end of line
        0,    3,    7, 8, 9, 0,  // top row: absolute 7 8 9 and a pad byte
        0,    1,           // end of bitmap
    };
    EXPECT_TRUE(PixelsMatch(Decode(Rle8File(5, 4, data)), Grid({{7, 8, 9, 0, 0},  //
                                                                 {0, 0, 2, 2, 0},
                                                                 {0, 0, 0, 0, 0},
                                                                 {1, 1, 0, 0, 0}},
                                                                10),
                            "rle8-skips"));

    const Bytes data4 = {
        5,    0x12, 0, 0,  // 1 2 1 2 1, end of line
        0,    5,    0x34, 0x56, 0x70, 0,  // absolute 3 4 5 6 7: three bytes and a pad byte
        0,    1,
    };
    EXPECT_TRUE(PixelsMatch(Decode(Rle4File(6, 2, data4)), Grid({{3, 4, 5, 6, 7, 0},  //
                                                                  {1, 2, 1, 2, 1, 0}},
                                                                 16),
                            "rle4-nibbles"));
}

TEST(BmpEncodings, RleRunPastTheRowEndIsCutNotWrapped) {
    const Bytes data = {
        6,    1,                 // 6 pixels of 1 on a row of 4
        0,    0,                 // end of line
        1,    2,                 // x 0 of the second row
        0,    5,  3, 4, 5, 6, 7, 0,  // absolute run of 5 from x 1: 3 4 5 fit, 6 7 are dropped
        2,    9,                 // the row is full: dropped
        0,    1,
    };
    EXPECT_TRUE(PixelsMatch(Decode(Rle8File(4, 3, data)), Grid({{0, 0, 0, 0},  //
                                                                 {2, 3, 4, 5},
                                                                 {1, 1, 1, 1}},
                                                                10),
                            "rle8-cut"));
    const Bytes data4 = {7, 0x12, 0, 0, 0, 3, 0x45, 0x60, 0, 1};  // 7 on a row of 3, then absolute 4 5 6
    EXPECT_TRUE(PixelsMatch(Decode(Rle4File(3, 2, data4)), Grid({{4, 5, 6}, {1, 2, 1}}, 16), "rle4-cut"));
}

TEST(BmpEncodings, RleDeltaPastTheImageDropsWhatFollows) {
    const Bytes pastRowEnd = {
        0, 2, 200, 0,  // delta 200 right: past the row of 3
        2, 5,          // dropped
        0, 0,          // end of line: the next row starts at x 0 as usual
        3, 6, 0, 1,
    };
    EXPECT_TRUE(PixelsMatch(Decode(Rle8File(3, 2, pastRowEnd)), Grid({{6, 6, 6}, {0, 0, 0}}, 10), "rle-delta-right"));

    const Bytes pastTop = {
        1, 4,          // bottom row x 0
        0, 2, 1, 255,  // delta up 255 rows: past the top of 2
        3, 5,          // dropped
        0, 0, 3, 5,    // another line further up: dropped
        0, 1,
    };
    EXPECT_TRUE(PixelsMatch(Decode(Rle8File(3, 2, pastTop)), Grid({{0, 0, 0}, {4, 0, 0}}, 10), "rle-delta-up"));
}

TEST(BmpEncodings, RleStreamThatEndsBeforeEndOfBitmapIsRefused) {
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"after an end of line", {2, 1, 0, 0}},
        {"after a run", {2, 1}},
        {"inside a pair", {2, 1, 0}},
        {"inside a delta", {0, 2, 1}},
        {"inside an absolute run", {0, 5, 1, 2, 3}},
        {"before an absolute run's pad byte", {0, 3, 1, 2, 3}},
        {"empty", {}},
    };
    for (const auto& [name, data] : cases) {
        EXPECT_EQ(ReadError(Rle8File(3, 2, data)), bmp::SBmpRleTruncated) << name;
        EXPECT_EQ(ErrorOf([&] { Bytes f = Rle8File(3, 2, data); ReadBmpFile(f.data(), f.size()); }),
                  bmp::SBmpRleTruncated)
            << name;
    }
}

// The image size field bounds the stream: bytes past it are not read, even
// when the file goes on; 0 means the stream runs to the file's end.
TEST(BmpEncodings, RleImageSizeBoundsTheStream) {
    const Bytes data = {3, 1, 0, 1};
    Bytes file = Rle8File(3, 1, data);
    const std::size_t imageSizeAt = 14 + 20;
    Set32(file, imageSizeAt, 0);
    EXPECT_TRUE(PixelsMatch(Decode(file), Grid({{1, 1, 1}}, 10), "rle-size-0"));

    Set32(file, imageSizeAt, 2);  // the end-of-bitmap lies past the stated size
    EXPECT_EQ(ReadError(file), bmp::SBmpRleTruncated);

    Set32(file, imageSizeAt, 5);  // one byte past the file
    EXPECT_EQ(ReadError(file), bmp::SBmpImageSize);
}

TEST(BmpEncodings, RleIsRefusedTopDownOrAtTheWrongDepth) {
    const Bytes data = {3, 1, 0, 1};
    Bytes topDown = BuildBmp({.Width = 3, .Height = -1, .Bits = 8, .Compression = bmcRle8, .Palette = Table(4),
                              .ColorsUsed = 4, .Pixels = data});
    EXPECT_EQ(ReadError(topDown), bmp::SBmpRleTopDown);
    for (auto [bits, compression] : {std::pair{4, bmcRle8}, std::pair{8, bmcRle4}, std::pair{24, bmcRle8}}) {
        Bytes file = BuildBmp({.Width = 3, .Height = 1, .Bits = bits, .Compression = compression,
                               .Palette = bits <= 8 ? Table(4) : std::vector<std::uint32_t>{},
                               .ColorsUsed = bits <= 8 ? 4u : 0u,
                               .Pixels = data});
        EXPECT_EQ(ReadError(file), bmp::SBmpCompressionDepth) << bits << " bits, compression " << compression;
    }
}

// ---- 16 and 32 bits ---------------------------------------------------------

// One exact widening rule for every channel width: the nearest 8-bit value.
TEST(BmpEncodings, FiveBitChannelsWidenToTheNearestEightBitValue) {
    const std::uint32_t v[] = {0, 1, 15, 16, 30, 31};
    const std::uint8_t want[] = {0, 8, 123, 132, 247, 255};  // round(v * 255 / 31)
    auto grey = [&](int x, int) { return v[x] << 10 | v[x] << 5 | v[x]; };
    Bytes file = BuildBmp({.Width = 6, .Height = 1, .Bits = 16, .Pixels = PackRows(16, 6, 1, false, grey)});
    TPixelBuffer got = Decode(file);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(got.At(x, 0), MakePixel(want[x], want[x], want[x])) << "5-bit value " << v[x];
}

// Plain 16 bits are 5-5-5 with the top bit ignored.
TEST(BmpEncodings, Plain16BitsAreFiveFiveFive) {
    const int w = 33, h = 4;
    auto value = [](int x, int y) {
        const std::uint32_t unused = std::uint32_t(x & 1) << 15;
        return unused | std::uint32_t(x % 32) << 10 | std::uint32_t(y * 9 % 32) << 5 | std::uint32_t((x + y) % 32);
    };
    auto expected = [](int x, int y) {
        return MakePixel(Widen(x % 32, 5), Widen(y * 9 % 32, 5), Widen((x + y) % 32, 5));
    };
    for (bool topDown : {false, true}) {
        Bytes file = BuildBmp({.Width = w, .Height = topDown ? -h : h, .Bits = 16,
                               .Pixels = PackRows(16, w, h, topDown, value)});
        EXPECT_TRUE(PixelsMatch(Decode(file), expected, "rgb16")) << (topDown ? "top-down" : "bottom-up");
    }
}

struct TMaskCase {
    const char* Name;
    std::uint32_t Header, Compression;
    int Bits;
    std::uint32_t Red, Green, Blue, Alpha;  // Alpha 0: none given
};

// Each channel holds a function of x or y in its own bits; the decoded
// channel must be that value widened from the mask's width.
void ExpectBitFieldsDecode(const TMaskCase& c) {
    const int w = 37, h = 5;
    auto channel = [](int k, int x, int y) {  // red, green, blue, alpha
        return std::uint32_t(k == 0 ? x * 7 : k == 1 ? y * 13 + x : k == 2 ? x + 3 * y : x * y + 1);
    };
    const std::uint32_t masks[4] = {c.Red, c.Green, c.Blue, c.Alpha};
    auto value = [&](int x, int y) {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k)
            v |= Place(channel(k, x, y), masks[k]);
        return v;
    };
    auto expected = [&](int x, int y) {
        std::uint8_t ch[4] = {};
        for (int k = 0; k < 4; ++k)
            if (masks[k])
                ch[k] = Widen(channel(k, x, y) & Range(masks[k]), MaskBits(masks[k]));
        return MakePixel(ch[0], ch[1], ch[2], ch[3]);
    };
    std::vector<std::uint32_t> given = {c.Red, c.Green, c.Blue};
    if (c.Compression == bmcAlphaBitFields || c.Header >= 56)
        given.push_back(c.Alpha);
    for (bool topDown : {false, true}) {
        Bytes file = BuildBmp({.HeaderSize = c.Header, .Width = w, .Height = topDown ? -h : h, .Bits = c.Bits,
                               .Compression = c.Compression, .Masks = given,
                               .Pixels = PackRows(c.Bits, w, h, topDown, value)});
        EXPECT_TRUE(PixelsMatch(Decode(file), expected, "bitfields"))
            << c.Name << (topDown ? ", top-down" : ", bottom-up");
    }
}

TEST(BmpEncodings, SixteenBitFieldsTakeTheirMasksFromWhereverTheyAre) {
    for (const TMaskCase& c : {
             TMaskCase{"5-6-5 after a 40-byte header", 40, bmcBitFields, 16, 0xF800, 0x07E0, 0x001F, 0},
             TMaskCase{"4-4-4-4 with the alpha-bit-field compression", 40, bmcAlphaBitFields, 16, 0x0F00, 0x00F0,
                       0x000F, 0xF000},
             TMaskCase{"5-6-5 in a 52-byte header", 52, bmcBitFields, 16, 0xF800, 0x07E0, 0x001F, 0},
             TMaskCase{"1-5-5-5 with alpha in a 56-byte header", 56, bmcBitFields, 16, 0x7C00, 0x03E0, 0x001F, 0x8000},
             TMaskCase{"blue high, red low in a 124-byte header", 124, bmcBitFields, 16, 0x001F, 0x07E0, 0xF800, 0},
             TMaskCase{"3-3-2 in the middle of the word", 108, bmcBitFields, 16, 0x0E00, 0x01C0, 0x0030, 0},
         })
        ExpectBitFieldsDecode(c);
}

TEST(BmpEncodings, ThirtyTwoBitFieldsTakeAlphaOnlyFromAnAlphaMask) {
    for (const TMaskCase& c : {
             TMaskCase{"bytes without alpha mask", 40, bmcBitFields, 32, 0xFF0000, 0xFF00, 0xFF, 0},
             TMaskCase{"bytes with alpha in a 108-byte header", 108, bmcBitFields, 32, 0xFF0000, 0xFF00, 0xFF,
                       0xFF000000},
             TMaskCase{"red, green, blue, alpha bytes after a 40-byte header", 40, bmcAlphaBitFields, 32, 0xFF000000,
                       0xFF0000, 0xFF00, 0xFF},
             TMaskCase{"10-10-10-2 in a 124-byte header", 124, bmcBitFields, 32, 0x3FF00000, 0x000FFC00, 0x000003FF,
                       0xC0000000},
             TMaskCase{"20-bit red, 4-bit green in a 56-byte header", 56, bmcBitFields, 32, 0xFFFFF000, 0x00000F00,
                       0x000000FF, 0},
         })
        ExpectBitFieldsDecode(c);
}

// Without bit-field compression a longer header's masks do not count:
// 32 bits keep the fourth byte as alpha, 16 bits stay 5-5-5.
TEST(BmpEncodings, PlainPicturesIgnoreTheMasksOfALongerHeader) {
    const std::uint32_t stored = 0x80402010;  // alpha 0x80, red 0x40, green 0x20, blue 0x10
    Bytes plain32 = BuildBmp({.HeaderSize = 124, .Bits = 32, .Masks = {0xFF, 0xFF00, 0xFF0000, 0},
                              .Pixels = PackRows(32, 1, 1, false, [&](int, int) { return stored; })});
    EXPECT_EQ(Decode(plain32).At(0, 0), stored);
    EXPECT_EQ(ReadBmpInfo(plain32.data(), plain32.size()).AlphaMask, 0xFF000000u);

    const std::uint32_t word = 0x7C00;  // all red in 5-5-5, red and green in 5-6-5
    Bytes plain16 = BuildBmp({.HeaderSize = 56, .Bits = 16, .Masks = {0xF800, 0x07E0, 0x001F, 0},
                              .Pixels = PackRows(16, 1, 1, false, [&](int, int) { return word; })});
    EXPECT_EQ(Decode(plain16).At(0, 0), MakePixel(255, 0, 0));

    // Bit fields without an alpha mask: alpha 0 whatever the fourth byte holds.
    Bytes fields32 = BuildBmp({.Bits = 32, .Compression = bmcBitFields, .Masks = {0xFF0000, 0xFF00, 0xFF},
                               .Pixels = PackRows(32, 1, 1, false, [&](int, int) { return stored; })});
    EXPECT_EQ(Decode(fields32).At(0, 0), stored & 0x00FFFFFFu);
}

// ---- refused bit fields, tables and compressions ---------------------------

Bytes Fields16(std::vector<std::uint32_t> masks, std::uint32_t compression = bmcBitFields, std::uint32_t header = 40) {
    return BuildBmp({.HeaderSize = header, .Width = 2, .Height = 1, .Bits = 16, .Compression = compression,
                     .Masks = masks, .Pixels = Bytes(4, 0x55)});
}

TEST(BmpEncodings, ZeroBitFieldMaskIsRefused) {
    EXPECT_EQ(ReadError(Fields16({0, 0x07E0, 0x001F})), bmp::SBmpMaskZero);
    EXPECT_EQ(ReadError(Fields16({0xF800, 0, 0x001F}, bmcBitFields, 52)), bmp::SBmpMaskZero);
    EXPECT_EQ(ReadError(Fields16({0xF800, 0x07E0, 0}, bmcBitFields, 124)), bmp::SBmpMaskZero);
    // Alpha alone may be absent.
    EXPECT_EQ(ReadError(Fields16({0xF800, 0x07E0, 0x001F, 0}, bmcAlphaBitFields)), "(no error)");
}

TEST(BmpEncodings, OverlappingBitFieldMasksAreRefused) {
    EXPECT_EQ(ReadError(Fields16({0xFC00, 0x07E0, 0x001F})), bmp::SBmpMaskOverlap);  // red and green share bit 10
    EXPECT_EQ(ReadError(Fields16({0xF800, 0x07E0, 0x001F, 0x0001}, bmcAlphaBitFields)), bmp::SBmpMaskOverlap);
    EXPECT_EQ(ReadError(Fields16({0xF800, 0x07E0, 0xF800}, bmcBitFields, 108)), bmp::SBmpMaskOverlap);
}

TEST(BmpEncodings, NonContiguousBitFieldMasksAreRefused) {
    EXPECT_EQ(ReadError(Fields16({0xF801, 0x07E0, 0x001E})), bmp::SBmpMaskGap);
    EXPECT_EQ(ReadError(Fields16({0xF800, 0x07E0, 0x0015})), bmp::SBmpMaskGap);
    EXPECT_EQ(ReadError(Fields16({0x7C00, 0x03E0, 0x001F, 0x8001}, bmcBitFields, 56)), bmp::SBmpMaskGap);  // alpha too
}

TEST(BmpEncodings, BitFieldMaskOutsideASixteenBitPixelIsRefused) {
    EXPECT_EQ(ReadError(Fields16({0x1F0000, 0x07E0, 0x001F})), bmp::SBmpMaskOutside);
    EXPECT_EQ(ReadError(Fields16({0x7C00, 0x03E0, 0x001F, 0xFF000000}, bmcBitFields, 124)), bmp::SBmpMaskOutside);
}

TEST(BmpEncodings, ColourTableOrMasksPastThePixelOffsetAreRefused) {
    // A core header's table is always 2^bits entries of 3 bytes.
    Bytes core = BuildBmp({.HeaderSize = 12, .Bits = 1, .Palette = Table(2), .Pixels = Bytes(4, 0)});
    ASSERT_EQ(ReadError(core), "(no error)");
    Set32(core, 10, 14 + 12 + 5);  // one byte of the table past the pixel offset
    EXPECT_EQ(ReadError(core), bmp::SBmpColorTable);

    // Masks then table after a 40-byte header: 54 + 12 + 4 = 70.
    Bytes fields = BuildBmp({.Width = 2, .Height = 1, .Bits = 16, .Compression = bmcBitFields,
                             .Masks = {0xF800, 0x07E0, 0x001F}, .Palette = Table(1), .ColorsUsed = 1,
                             .Pixels = Bytes(4, 0)});
    ASSERT_EQ(ReadError(fields), "(no error)");
    Set32(fields, 10, 68);
    EXPECT_EQ(ReadError(fields), bmp::SBmpColorTable);
    Set32(fields, 46, 0);  // no table: the masks alone end at 66
    Set32(fields, 10, 64);
    EXPECT_EQ(ReadError(fields), bmp::SBmpColorTable);

    // Masks after a 40-byte header that the file is too short to hold.
    Bytes cut = BuildBmp({.Bits = 32, .Compression = bmcBitFields});
    EXPECT_EQ(ReadError(cut), bmp::SBmpFileSize);
}

TEST(BmpEncodings, JpegAndPngInsideABitmapAreRefused) {
    const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0};
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (int bits : {0, 24})
        EXPECT_EQ(ReadError(BuildBmp({.Width = 1, .Height = 1, .Bits = bits, .Compression = bmcJpeg, .Pixels = jpeg})),
                  bits == 0 ? bmp::SBmpDepth : bmp::SBmpJpeg);
    EXPECT_EQ(ReadError(BuildBmp({.Width = 1, .Height = 1, .Bits = 24, .Compression = bmcPng, .Pixels = png})),
              bmp::SBmpPng);
    EXPECT_EQ(ReadError(BuildBmp({.Width = 1, .Height = 1, .Bits = 24, .Compression = 7, .Pixels = Bytes(4, 0)})),
              bmp::SBmpCompression);
}

// ---- a skin folder of such pictures ----------------------------------------

// Paint programs write pictures in these encodings into a skin folder:
// packing keeps every file's bytes, and the package reads back with the same
// bytes and decodes to the same pixels.
TEST(BmpEncodings, SkinFolderOfRleAndSixteenBitPicturesPacksByteForByte) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "bmp_encodings_folder";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string ini =
        "[VERSION]\r\nskinname=Encodings\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n"
        "activepicturescount=3\r\n0=rle8.bmp\r\n1=rgb565.bmp\r\n2=rle4.bmp\r\n"
        "[FORMINFO]\r\nclientrect=0,0,20,9\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";
    auto index = [](int x, int y) { return std::uint32_t(x / 3 + y) % 16; };
    auto diagonal = [](int x, int y) { return std::uint32_t(x > y); };
    auto words = [](int x, int y) { return std::uint32_t(x * 4099 + y * 77); };
    const std::vector<std::pair<std::string, Bytes>> pictures = {
        {"main.bmp", BuildBmp({.Width = 20, .Height = 9, .Bits = 8, .Compression = bmcRle8, .Palette = Table(16),
                               .ColorsUsed = 16, .Pixels = EncodeRle(8, 20, 9, index)})},
        {"mask.bmp", BuildBmp({.HeaderSize = 12, .Width = 20, .Height = 9, .Bits = 1, .Palette = Table(2),
                               .Pixels = PackRows(1, 20, 9, false, diagonal)})},
        {"rle8.bmp", BuildBmp({.Width = 31, .Height = 4, .Bits = 8, .Compression = bmcRle8, .Palette = Table(16),
                               .ColorsUsed = 16, .Pixels = EncodeRle(8, 31, 4, index)})},
        {"rgb565.bmp", BuildBmp({.HeaderSize = 56, .Width = 5, .Height = -3, .Bits = 16, .Compression = bmcBitFields,
                                 .Masks = {0xF800, 0x07E0, 0x001F, 0},
                                 .Pixels = PackRows(16, 5, 3, true, words)})},
        {"rle4.bmp", BuildBmp({.HeaderSize = 108, .Width = 9, .Height = 6, .Bits = 4, .Compression = bmcRle4,
                               .Palette = Table(16), .Pixels = EncodeRle(4, 9, 6, index)})},
    };
    WriteFileBytes((folder / "skin.ini").string(), reinterpret_cast<const std::uint8_t*>(ini.data()), ini.size());
    for (const auto& [name, bytes] : pictures)
        WriteFileBytes((folder / name).string(), bytes.data(), bytes.size());

    TbsStoredSkinPackage stored;
    stored.LoadFromIniFile((folder / "skin.ini").string());
    Bytes skinFile;
    stored.SaveToCompressedStream(skinFile);
    TbsStoredSkinPackage loaded;
    loaded.LoadFromCompressedStream(skinFile.data(), skinFile.size());
    Bytes raw;
    loaded.DecompressToStream(raw);
    TbsSkinPackage package = ReadSkinPackage(raw.data(), raw.size());

    ASSERT_TRUE(package.MainPicture && package.MaskPicture);
    ASSERT_EQ(package.ActivePictures.size(), 3u);
    const std::vector<const TBmpFile*> read = {&*package.MainPicture, &*package.MaskPicture, &package.ActivePictures[0],
                                               &package.ActivePictures[1], &package.ActivePictures[2]};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(read[i]->Bytes, pictures[i].second) << pictures[i].first;
        EXPECT_EQ(read[i]->Decode().Pixels, Decode(pictures[i].second).Pixels) << pictures[i].first;
    }
    EXPECT_TRUE(PixelsMatch(read[0]->Decode(), [&](int x, int y) { return Entry(index(x, y), 16); }, "packed-rle8"));
    fs::remove_all(folder);
}

}  // namespace
