// TbsBitmap with the framework's pictures: its canvas, Assign from a
// framework bitmap, an icon or any other picture, and AssignTo a bitmap.
#include "skin/paint/TbsBitmap.h"

#include <gtest/gtest.h>

#include "platform/Dib.h"
#include "platform/Icon.h"

namespace {

constexpr std::uint32_t ColourBits = 0x00FFFFFF;

std::uint32_t Rgb(const TbsBitmap& bmp, int x, int y) {
    GdiFlush();
    return *bmp.PixelPtr(x, y) & ColourBits;
}

// A picture that fills only the left half of whatever rectangle it is given
// with green, and records that rectangle.
class THalfGreen : public TGraphic {
public:
    THalfGreen(int width, int height) : FWidth(width), FHeight(height) {}
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    void Draw(TCanvas& canvas, const TRect& dst) override {
        DrawnInto = dst;
        canvas.Brush().SetColor(clLime);
        canvas.FillRect(Rect(dst.Left, dst.Top, dst.Left + dst.Width() / 2, dst.Bottom));
    }
    TRect DrawnInto{};

private:
    int FWidth, FHeight;
};

// A 4 x 4 red icon whose left column is transparent by its mask.
TIcon RedIconWithClearLeftColumn() {
    BITMAPINFO info = TopDownDibInfo(4, 4, 32);
    void* bits = nullptr;
    TBitmapHandle colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < 16; ++i) pixels[i] = i % 4 == 0 ? 0 : 0x00FF0000;  // black under the clear column
    // Monochrome mask rows are padded to 16 bits; 1 keeps the background.
    const std::uint16_t maskRows[4] = {0x80, 0x80, 0x80, 0x80};
    TBitmapHandle mask(CreateBitmap(4, 4, 1, 1, maskRows));
    ICONINFO icon{};
    icon.fIcon = TRUE;
    icon.hbmColor = colour.Get();
    icon.hbmMask = mask.Get();
    TIcon result;
    result.SetHandle(CreateIconIndirect(&icon));  // copies both bitmaps
    return result;
}

}  // namespace

TEST(TbsBitmapCanvas, DrawsIntoThePixelsAndFollowsTheBitmapThroughResizing) {
    const long dcs = LiveHandleCount(THandleKind::Dc), brushes = LiveHandleCount(THandleKind::Brush);
    {
        TbsBitmap bmp;
        TCanvas& canvas = bmp.Canvas();
        EXPECT_EQ(canvas.GetHandle(), nullptr) << "an unsized bitmap has no context to draw on";
        bmp.SetSize(4, 3);
        EXPECT_EQ(canvas.GetHandle(), bmp.DC());
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 2, 2));
        EXPECT_EQ(Rgb(bmp, 1, 1), 0xFF0000u);
        EXPECT_EQ(Rgb(bmp, 2, 1), 0u);

        bmp.SetSize(6, 5);
        EXPECT_EQ(&bmp.Canvas(), &canvas) << "one canvas for the bitmap's life";
        EXPECT_EQ(canvas.GetHandle(), bmp.DC()) << "bound to the new context";
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(4, 3, 6, 5));
        EXPECT_EQ(Rgb(bmp, 5, 4), 0x0000FFu);
        EXPECT_EQ(Rgb(bmp, 1, 1), 0u) << "the new section starts black";
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), brushes);
}

TEST(TbsBitmapCanvas, DrawingThroughACanvasIsDrawingOnItsContext) {
    TbsBitmap source, target;
    source.SetSize(2, 2);
    source.FillRect(Rect(0, 0, 2, 2), clYellow);
    target.SetSize(4, 4);
    source.Draw(target.Canvas(), 1, 1);
    EXPECT_EQ(Rgb(target, 2, 2), 0xFFFF00u);
    EXPECT_EQ(Rgb(target, 0, 0), 0u);
}

TEST(TbsBitmapAssign, FrameworkBitmapKeepsItsAlpha) {
    TBitmap bitmap(3, 1);
    bitmap.ScanLine(0)[0] = 0x80112233;
    bitmap.ScanLine(0)[1] = 0xFF445566;
    TbsBitmap bmp;
    TGraphic& graphic = bitmap;
    bmp.Assign(graphic);
    ASSERT_EQ(bmp.Width(), 3);
    EXPECT_EQ(*bmp.PixelPtr(0, 0), 0x80112233u);
    EXPECT_EQ(*bmp.PixelPtr(1, 0), 0xFF445566u);
    EXPECT_TRUE(bmp.GetAlphaBlend()) << "a partial alpha was found";
}

TEST(TbsBitmapAssign, OtherPictureCopiesOnlyWhatItDrewAndBecomesOpaque) {
    THalfGreen picture(4, 2);
    TbsBitmap bmp;
    bmp.SetSize(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) *bmp.PixelPtr(x, y) = 0x00102030;  // alpha 0
    bmp.Assign(picture);
    EXPECT_EQ(picture.DrawnInto, Rect(0, 0, 4, 2)) << "drawn at its own size";
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(*bmp.PixelPtr(1, y), 0xFF00FF00u) << "drawn: copied, opaque";
        EXPECT_EQ(*bmp.PixelPtr(2, y), 0xFF102030u) << "left undrawn: what the bitmap held, opaque";
    }

    TbsBitmap fresh;  // a new size starts black
    fresh.Assign(picture);
    EXPECT_EQ(*fresh.PixelPtr(3, 1), 0xFF000000u);
    EXPECT_EQ(*fresh.PixelPtr(0, 1), 0xFF00FF00u);
}

TEST(TbsBitmapAssign, IconIsDrawnThroughItsMask) {
    const long icons = LiveHandleCount(THandleKind::Icon), bitmaps = LiveHandleCount(THandleKind::Bitmap);
    {
        TIcon icon = RedIconWithClearLeftColumn();
        ASSERT_NE(icon.GetHandle(), nullptr);
        EXPECT_EQ(icon.GetWidth(), 4);
        EXPECT_EQ(icon.GetHeight(), 4);
        TbsBitmap bmp;
        bmp.SetSize(4, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) *bmp.PixelPtr(x, y) = 0x00102030;
        bmp.Assign(icon);
        ASSERT_EQ(bmp.Width(), 4);
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(*bmp.PixelPtr(0, y), 0xFF102030u) << "masked out: what the bitmap held, opaque; y=" << y;
            EXPECT_EQ(*bmp.PixelPtr(2, y), 0xFFFF0000u) << "y=" << y;
        }
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Icon), icons);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
}

TEST(TbsBitmapAssign, AssignToBitmapTakesSizeAndImage) {
    TbsBitmap bmp;
    bmp.SetSize(3, 2);
    bmp.FillRect(Rect(0, 0, 3, 2), clRed);
    bmp.SetPixel(2, 1, 0xFF0000FF);
    TBitmap dest(7, 7);
    bmp.AssignTo(dest);
    ASSERT_EQ(dest.GetWidth(), 3);
    ASSERT_EQ(dest.GetHeight(), 2);
    EXPECT_EQ(dest.ScanLine(0)[0] & ColourBits, 0xFF0000u);
    EXPECT_EQ(dest.ScanLine(1)[2] & ColourBits, 0x0000FFu);
}

TEST(Icon, MissingResourceLeavesTheIconAsItWas) {
    TIcon icon = RedIconWithClearLeftColumn();
    const HICON before = icon.GetHandle();
    EXPECT_FALSE(icon.LoadFromResource(GetModuleHandleA(nullptr), "NO_SUCH_ICON"));
    EXPECT_EQ(icon.GetHandle(), before);
    EXPECT_EQ(icon.GetWidth(), 4);
    icon.SetHandle(nullptr);
    EXPECT_TRUE(icon.Empty());
}
