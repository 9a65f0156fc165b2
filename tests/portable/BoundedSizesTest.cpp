// Sizes that come from skin values never overflow and never allocate without
// bound: a skin is a file anybody can write.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/paint/portable/CompositionPixels.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/MaskRegionData.h"
#include "tests/portable/AllocationMeter.h"
#include "tests/support/BmpBuilder.h"
#include "tests/support/NinePartSkin.h"

namespace {

struct TSizeRow {
    std::int64_t Width, Height;
    std::optional<std::uint32_t> Count;  // with a 32-bit size_t, as the i686 build has
};

TEST(PixelBufferBounds, CountsAreRightOrRefusedWithThirtyTwoBitSizes) {
    const TSizeRow rows[] = {
        {0, 0, 0u},
        {-5, 10, 0u},
        {10, -5, 0u},
        {1, 1, 1u},
        {150, 130, 19500u},
        {32767, 2048, 67106816u},         // within both bounds
        {8192, 8192, 67108864u},          // exactly 64 M pixels
        {8193, 8192, std::nullopt},       // one row of pixels too many
        {32768, 1, std::nullopt},         // a side too long
        {1, 32768, std::nullopt},
        {65536, 65536, std::nullopt},     // 2^32 pixels: 0 in 32-bit arithmetic
        {2000000000, 4, std::nullopt},
        {INT32_MAX, INT32_MAX, std::nullopt},
    };
    for (const TSizeRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.Width) + " x " + std::to_string(row.Height));
        EXPECT_EQ(PixelCountFor<std::uint32_t>(row.Width, row.Height), row.Count);
        const auto wide = PixelCountFor<std::uint64_t>(row.Width, row.Height);
        EXPECT_EQ(wide.has_value(), row.Count.has_value());
        if (row.Count) {
            EXPECT_EQ(*wide, *row.Count);
            // The bytes of every picture that fits also fit 32 bits.
            EXPECT_LE(std::uint64_t(*row.Count) * 4, 0xFFFFFFFFull);
        }
    }
}

TEST(PixelBufferBounds, ConstructorRefusesOversizeBeforeAllocating) {
    TAllocationMeter meter;
    for (auto [w, h] : {std::pair{65536, 65536}, std::pair{2000000000, 4}, std::pair{INT_MAX, INT_MAX},
                        std::pair{32768, 1}}) {
        try {
            TPixelBuffer buffer(w, h);
            ADD_FAILURE() << w << " x " << h << " was made";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), SPixelBufferTooLarge);
        }
    }
    EXPECT_LT(meter.PeakBytes(), 4096u);
    const TPixelBuffer empty(-3, 7);
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(empty.Pixels.empty());
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, 0);
}

TEST(RectangleSides, SaturateInsteadOfOverflowing) {
    EXPECT_EQ(Rect(-2147483647, 0, 2147483647, 1).Width(), INT_MAX);
    EXPECT_EQ(Rect(INT_MIN, 0, INT_MAX, 1).Width(), INT_MAX);
    EXPECT_EQ(Rect(INT_MAX, 0, INT_MIN, 1).Width(), INT_MIN);
    EXPECT_EQ(Rect(0, INT_MIN, 0, INT_MAX).Height(), INT_MAX);
    EXPECT_EQ(Rect(3, 4, 10, 20).Width(), 7);
    EXPECT_EQ(Rect(3, 4, 10, 20).Height(), 16);
    EXPECT_TRUE(Rect(INT_MAX, 0, INT_MIN, 1).IsEmpty());
}

TEST(CompositionBounds, AnImageLargerThanAPictureMayBeIsLeftEmptyAndDrawsNothing) {
    TPixelBuffer picture(30, 20, 0xFF123456u);
    TAllocationMeter meter;
    TPixelBuffer image(4, 4, 7);
    CreateSkinImage(NinePartSkin(65536, 65536), ViewOf(picture), image);
    EXPECT_TRUE(image.Empty());
    CreateHSkinImage(1, 1, image, false, 2000000000, Rect(0, 0, 8, 8), ViewOf(picture));
    EXPECT_TRUE(image.Empty());
    CreateVSkinImage(1, 1, image, false, INT_MAX, Rect(0, 0, 8, 8), ViewOf(picture));
    EXPECT_TRUE(image.Empty());
    EXPECT_LT(meter.PeakBytes(), 1u << 20);
    // Within bounds the same call still draws.
    CreateHSkinImage(1, 1, image, false, 20, Rect(0, 0, 8, 8), ViewOf(picture));
    ASSERT_EQ(image.Width, 20);
    EXPECT_EQ(image.At(19, 7), 0xFF123456u);
}

TEST(CompositionBounds, MaskStripsTooLargeForAPictureAreNotMade) {
    TRgbBuffer mask(8, 8, 0);
    TRgbBuffer top, bottom, left, right(3, 3, 7);
    TAllocationMeter meter;
    // A frame whose client rectangle starts two billion rows down: the top
    // strip would be W x 2,000,000,000.
    const TRect client = Rect(2, 2000000000, 6, 2000000004);
    CreateSkinMaskStrips(Point(2, 2000000000), Point(6, 2000000000), Point(2, 2000000004), Point(6, 2000000004),
                         client, mask.View(), Point(2, 2000000000), Point(60, 2000000000), Point(2, 2000000004),
                         Point(60, 2000000004), Rect(2, 2000000000, 60, 2000000004), 64, top, bottom, left, right);
    EXPECT_TRUE(top.Empty());
    EXPECT_LT(meter.PeakBytes(), 1u << 20);
    EXPECT_THROW(TRgbBuffer(65536, 65536), Exception);
    EXPECT_TRUE(TRgbBuffer(-1, 5).Empty());
}

// A package of one 8 x 8 picture whose layer frame is a full border, so that
// every button builds its alpha images, with one button per rectangle.
std::vector<std::uint8_t> HugeRectanglesSkin(const std::vector<std::string>& rects) {
    TbsSkinPackage package;
    TPixelBuffer pixels(8, 8, 0x00808080u);
    const std::vector<std::uint8_t> bmp = WriteBmp(pixels, 24);
    package.ActivePictures.push_back(ReadBmpFile(bmp.data(), bmp.size()));
    std::string d =
        "[VERSION]\r\nskinname=huge\r\n[PICTURES]\r\nactivepicturescount=1\r\n0=p.bmp\r\n"
        "[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=0\r\nfullborder=1\r\n"
        "[SKINOBJECTS]\r\ncount=" + std::to_string(rects.size()) + "\r\n";
    for (std::size_t i = 0; i < rects.size(); ++i) d += std::to_string(i) + "=b" + std::to_string(i) + ":stdbutton\r\n";
    for (std::size_t i = 0; i < rects.size(); ++i)
        d += "[b" + std::to_string(i) + "]\r\nactivepictureindex=0\r\nskinrect=" + rects[i] + "\r\nactiveskinrect=" +
             rects[i] + "\r\ndownrect=" + rects[i] + "\r\nrestorerect=0,0,4,4\r\ncommand=cmclose\r\n";
    package.Definition = d;
    return CompressSkinPackage(package);
}

// An 8192 x 8192 RLE8 picture (64 M pixels) stored in a few bytes: the
// stream only marks its end, leaving every pixel at index 0.
std::vector<std::uint8_t> HugeRlePicture() {
    bmptest::TBmpLayout l;
    l.Width = 8192;
    l.Height = 8192;
    l.Bits = 8;
    l.Compression = 1;  // RLE8
    l.Palette = {0x00112233u};
    l.ColorsUsed = 1;
    l.Pixels = {0, 1};  // end of bitmap
    return bmptest::BuildBmp(l);
}

TEST(HugeSkinPictures, PicturesThatTogetherDecodeToMoreThanASkinMayBeAreRefusedAtRead) {
    const std::vector<std::uint8_t> bmp = HugeRlePicture();
    TbsSkinPackage package;
    package.ActivePictures.push_back(ReadBmpFile(bmp.data(), bmp.size()));
    std::vector<std::uint8_t> raw = WriteSkinPackage(package);
    EXPECT_EQ(ReadSkinPackage(raw.data(), raw.size()).ActivePictures.size(), 1u);  // one is allowed
    package.ActivePictures.push_back(package.ActivePictures[0]);
    raw = WriteSkinPackage(package);
    TAllocationMeter meter;
    try {
        ReadSkinPackage(raw.data(), raw.size());
        ADD_FAILURE() << "two 64 M pixel pictures were read";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "skin package: its pictures together are larger than a skin may be");
    }
    EXPECT_LT(meter.PeakBytes(), 1u << 20);
}

class NullTarget : public TbsSkinMessageTarget {
    void BroadcastSkinMessage(unsigned, bool) override {}
};

TEST(HugeSkinRectangles, LoadQuicklyInLittleMemoryAndLeaveTheirLooksWithoutImages) {
    const std::vector<std::string> rects = {"0,0,65536,65536", "-2147483647,-2147483647,2147483647,2147483647",
                                            "0,0,2000000000,4", "0,0,2147483647,2147483647", "2,2,6,6"};
    TbsStoredSkinPackage stored;
    stored.SetPackageStream(HugeRectanglesSkin(rects));
    NullTarget target;
    TbsSkinDataCore core(target);

    TAllocationMeter meter;
    const auto start = std::chrono::steady_clock::now();
    core.LoadCompressedStoredSkin(stored);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0);
    EXPECT_LT(meter.PeakBytes(), 100u << 20);

    const auto& records = core.FDefinition.ObjectRecords;
    ASSERT_EQ(records.size(), rects.size());
    const std::vector<std::string> oversized = {"skinrect", "activeskinrect", "downrect"};
    for (int i : {0, 2, 3}) {
        SCOPED_TRACE(rects[std::size_t(i)]);
        const auto& button = dynamic_cast<const TbsDataSkinStdButton&>(*records[std::size_t(i)]);
        EXPECT_EQ(button.FOversizedImages, oversized);
        EXPECT_EQ(button.FSkinImage, nullptr);
        EXPECT_EQ(button.FActiveSkinImage, nullptr);
        EXPECT_EQ(button.FDownSkinImage, nullptr);
        ASSERT_NE(button.FRestoreImage, nullptr);  // the sound rectangle beside them still has its image
        EXPECT_EQ(button.FRestoreImage->Width, 4);
    }
    // Signs are skipped when rectangles are read: this one is empty, no image
    // and nothing to report.
    const auto& empty = dynamic_cast<const TbsDataSkinStdButton&>(*records[1]);
    EXPECT_TRUE(empty.FOversizedImages.empty());
    EXPECT_EQ(empty.FSkinImage, nullptr);
    // A sound rectangle inside the picture: images of its own size.
    const auto& sound = dynamic_cast<const TbsDataSkinStdButton&>(*records[4]);
    EXPECT_TRUE(sound.FOversizedImages.empty());
    ASSERT_NE(sound.FSkinImage, nullptr);
    EXPECT_EQ(sound.FSkinImage->Width, 4);
    EXPECT_EQ(sound.FSkinImage->Height, 4);
}

TEST(HugeSkinRectangles, AnImageStickingOutOfThePictureKeepsItsSizeAndReadsOnlyTheInside) {
    TbsStoredSkinPackage stored;
    stored.SetPackageStream(HugeRectanglesSkin({"6,6,10,9"}));
    NullTarget target;
    TbsSkinDataCore core(target);
    core.LoadCompressedStoredSkin(stored);
    const auto& button = dynamic_cast<const TbsDataSkinStdButton&>(*core.FDefinition.ObjectRecords.at(0));
    ASSERT_NE(button.FSkinImage, nullptr);
    ASSERT_EQ(button.FSkinImage->Width, 4);
    ASSERT_EQ(button.FSkinImage->Height, 3);
    // No alpha mask: opaque. Inside the picture its grey, past it black.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool inside = x < 2 && y < 2;
            EXPECT_EQ(button.FSkinImage->At(x, y), inside ? 0xFF808080u : 0xFF000000u) << x << "," << y;
        }
}

}  // namespace
