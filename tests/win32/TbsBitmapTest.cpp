#include "skin/paint/TbsBitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dib.h"

namespace {

// A plain 32-bit section with its own DC that is not a TbsBitmap, to reach
// the platform drawing paths.
struct TPlainSection {
    TBitmapHandle Bitmap;
    TDcHandle Dc;
    std::uint32_t* Bits = nullptr;
    HGDIOBJ Old = nullptr;
    int Width;

    TPlainSection(int width, int height, std::uint32_t fill) : Width(width) {
        BITMAPINFO info = TopDownDibInfo(width, height, 32);
        void* bits = nullptr;
        Bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        Bits = static_cast<std::uint32_t*>(bits);
        Dc.Reset(CreateCompatibleDC(nullptr));
        Old = SelectObject(Dc.Get(), Bitmap.Get());
        for (int i = 0; i < width * height; ++i) Bits[i] = fill;
    }
    ~TPlainSection() { SelectObject(Dc.Get(), Old); }
    std::uint32_t At(int x, int y) {
        GdiFlush();
        return Bits[y * Width + x];
    }
};

void FillCoordinates(TbsBitmap& bmp) {
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) *bmp.PixelPtr(x, y) = MakePixel(std::uint8_t(x), std::uint8_t(y), 7, 255);
}

}  // namespace

TEST(TbsBitmapSize, NegativeSizeIsTakenAsMagnitudeAndZeroFreesThePicture) {
    TbsBitmap bmp;
    EXPECT_TRUE(bmp.Empty());
    bmp.SetSize(-10, 5);
    EXPECT_EQ(bmp.Width(), 10);
    EXPECT_EQ(bmp.Height(), 5);
    EXPECT_NE(bmp.DC(), nullptr);
    EXPECT_EQ(*bmp.PixelPtr(9, 4), 0u) << "a new section starts black with alpha 0";
    bmp.SetPixel(3, 2, 0x11223344u);
    bmp.SetSize(10, 5);
    EXPECT_EQ(*bmp.PixelPtr(3, 2), 0x11223344u) << "the same size keeps the pixels";
    bmp.SetPixel(10, 0, 1);  // outside: ignored
    bmp.SetPixel(-1, 0, 1);
    EXPECT_EQ(TbsBitmap::FromDC(bmp.DC()), &bmp);

    // 0 in either direction: the section and its context go.
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc);
    const HDC dc = bmp.DC();
    bmp.Canvas();  // a canvas bound to the context lets go of it too
    bmp.SetSize(0, 5);
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_EQ(bmp.Height(), 0);
    EXPECT_EQ(bmp.DC(), nullptr);
    EXPECT_EQ(bmp.Canvas().GetHandle(), nullptr);
    EXPECT_EQ(TbsBitmap::FromDC(dc), nullptr);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps - 1);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs - 1);
    bmp.SetSize(4, 0);  // nothing to free, nothing made
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps - 1);
    bmp.SetSize(2, 2);
    EXPECT_EQ(*bmp.PixelPtr(1, 1), 0u) << "sized again: a new black section";
}

TEST(TbsBitmapSize, ImpossibleSizeRaisesDibErrorAndKeepsOldImage) {
    TbsBitmap bmp;
    bmp.SetSize(4, 4);
    try {
        bmp.SetSize(100000, 100000);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), kCantAllocateDib);
    }
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_NE(bmp.DC(), nullptr);
}

TEST(TbsBitmapSize, PaintFailureReachesHandlerOnceUntilRearmed) {
    std::vector<std::string> seen;
    SetPaintErrorHandler([&](const Exception& e) { seen.push_back(e.what()); });
    TbsBitmap bmp;
    EXPECT_FALSE(bmp.TrySetSize(100000, 100000));
    EXPECT_FALSE(bmp.TrySetSize(100000, 100000));
    EXPECT_TRUE(bmp.TrySetSize(3, 3));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], kCantAllocateDib);
    ClearPaintError();
    EXPECT_FALSE(bmp.TrySetSize(100000, 100000));
    EXPECT_EQ(seen.size(), 2u);
    SetPaintErrorHandler(nullptr);
}

TEST(TbsBitmapLifetime, SizingAndDestroyingLeavesNoHandles) {
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc);
    {
        TbsBitmap a, b;
        a.SetSize(5, 5);
        a.SetSize(7, 3);
        b.Assign(a);
        EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps + 2);
        TBitmapHandle copy = a.AssignTo();
        EXPECT_TRUE(copy);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(TbsBitmap::FromDC(nullptr), nullptr);
}

// A paint buffer reused from one paint to the next must reach the next
// painter as a new bitmap would: nothing of the former painter's pixels,
// canvas, context state, name or flags.
TEST(TbsBitmapLifetime, RecycledBufferIsAsNewAndKeepsItsSectionWhileTheSizeStays) {
    TbsBitmap bmp;
    ASSERT_TRUE(bmp.TryRecycle(6, 4));
    const HBITMAP section = bmp.Handle();
    const HDC dc = bmp.DC();
    const HGDIOBJ madeFont = GetCurrentObject(dc, OBJ_FONT);
    RECT madeClip{};
    ASSERT_NE(GetClipBox(dc, &madeClip), ERROR);

    FillCoordinates(bmp);
    bmp.Name = "former";
    bmp.SetTransparent(true);
    bmp.SetAlphaBlend(true);
    bmp.Canvas().Brush().SetColor(clRed);
    bmp.Canvas().Font().SetHeight(30);
    bmp.Canvas().FillRect(Rect(0, 0, 1, 1));  // the canvas's objects are in the context now
    IntersectClipRect(dc, 1, 1, 2, 2);
    SetViewportOrgEx(dc, 3, 2, nullptr);
    SetBkMode(dc, TRANSPARENT);
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc);

    ASSERT_TRUE(bmp.TryRecycle(6, 4));
    EXPECT_EQ(bmp.Handle(), section) << "same size: the section stays";
    EXPECT_EQ(bmp.DC(), dc);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(*bmp.PixelPtr(x, y), 0u) << x << "," << y;
    EXPECT_TRUE(bmp.Name.empty());
    EXPECT_FALSE(bmp.GetTransparent());
    EXPECT_FALSE(bmp.GetAlphaBlend());
    RECT clip{};
    ASSERT_NE(GetClipBox(dc, &clip), ERROR);
    EXPECT_TRUE(EqualRect(&clip, &madeClip)) << clip.left << "," << clip.top << " " << clip.right << "," << clip.bottom;
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), madeFont) << "the former canvas's font is out of the context";
    EXPECT_EQ(GetBkMode(dc), OPAQUE) << "as a new context is";
    {
        // A fresh canvas: what a new bitmap's painter would find.
        TbsBitmap fresh;
        fresh.SetSize(1, 1);
        EXPECT_EQ(bmp.Canvas().Brush().GetColor(), fresh.Canvas().Brush().GetColor());
        EXPECT_EQ(bmp.Canvas().Font().GetHeight(), fresh.Canvas().Font().GetHeight());
    }

    // Recycled again and again, the context's saved states do not pile up.
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(bmp.TryRecycle(6, 4));
    EXPECT_EQ(SaveDC(dc), 2) << "one state saved as made, this one on top";
    RestoreDC(dc, -1);

    ASSERT_TRUE(bmp.TryRecycle(9, 2));
    EXPECT_EQ(bmp.Width(), 9);
    EXPECT_EQ(bmp.Height(), 2);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps) << "the old section went with the new one made";
    EXPECT_EQ(*bmp.PixelPtr(8, 1), 0u);
}

TEST(TbsBitmapDraw, CopyOntoAnotherBitmapHonoursTargetWindowOrigin) {
    TbsBitmap src, dst;
    src.SetSize(4, 3);
    FillCoordinates(src);
    dst.SetSize(10, 10);
    SetWindowOrgEx(dst.DC(), 2, 1, nullptr);
    src.Draw(dst.DC(), 5, 4);  // lands at (3, 3) in the target's pixels
    SetWindowOrgEx(dst.DC(), 0, 0, nullptr);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 3 && y < 6;
            const std::uint32_t want = inside ? MakePixel(std::uint8_t(x - 3), std::uint8_t(y - 3), 7, 255) : 0u;
            ASSERT_EQ(*dst.PixelPtr(x, y), want) << "x=" << x << " y=" << y;
        }
}

TEST(TbsBitmapDraw, AlphaAndKeyGiveSamePixelsInMemoryAndOnPlainDc) {
    for (int kind = 0; kind < 2; ++kind) {
        TbsBitmap src;
        src.SetSize(3, 1);
        *src.PixelPtr(0, 0) = MakePixel(200, 100, 0, 128);
        *src.PixelPtr(1, 0) = kind == 0 ? MakePixel(10, 20, 30, 0) : bsTransparentKey;
        *src.PixelPtr(2, 0) = MakePixel(1, 2, 3, kind == 0 ? 255 : 9);
        if (kind == 0) src.CheckAlpha();
        else src.SetTransparent(true);
        EXPECT_EQ(src.GetAlphaBlend(), kind == 0);

        const std::uint32_t back = MakePixel(0, 50, 250, 255);
        TbsBitmap memoryTarget;
        memoryTarget.SetSize(3, 1);
        memoryTarget.FillRect(Rect(0, 0, 3, 1), RGBColor(0, 50, 250));
        src.Draw(memoryTarget.DC(), 0, 0);
        TPlainSection plain(3, 1, back);
        src.Draw(plain.Dc.Get(), 0, 0);
        for (int x = 0; x < 3; ++x) {
            std::uint32_t want = kind == 0 ? BlendPixel(*src.PixelPtr(x, 0), back)
                                 : x == 1   ? back
                                            : (*src.PixelPtr(x, 0) | 0xFF000000u);
            EXPECT_EQ(*memoryTarget.PixelPtr(x, 0), want) << "kind=" << kind << " x=" << x;
            // The platform's TransparentBlt does not promise the alpha byte.
            EXPECT_EQ(plain.At(x, 0) & 0x00FFFFFFu, want & 0x00FFFFFFu) << "kind=" << kind << " x=" << x;
        }
    }
}

TEST(TbsBitmapDraw, OpaqueStretchRepeatsWholePixels) {
    TbsBitmap src;
    src.SetSize(2, 1);
    *src.PixelPtr(0, 0) = 0xFF0000FFu;
    *src.PixelPtr(1, 0) = 0xFF00FF00u;
    TPlainSection plain(4, 1, 0);
    src.Draw(plain.Dc.Get(), Rect(0, 0, 4, 1), Rect(0, 0, 2, 1));
    EXPECT_EQ(plain.At(0, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(plain.At(1, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(plain.At(2, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(plain.At(3, 0) & 0xFFFFFF, 0x00FF00u);
}

TEST(TbsBitmapAssign, ThirtyTwoBitSectionKeepsAlphaOthersBecomeOpaque) {
    TPlainSection partial(2, 2, MakePixel(1, 2, 3, 77));
    TbsBitmap bmp;
    bmp.Assign(partial.Bitmap.Get());
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(*bmp.PixelPtr(1, 1), MakePixel(1, 2, 3, 77));
    EXPECT_TRUE(bmp.GetAlphaBlend());

    TWindowDc screen(nullptr);
    TBitmapHandle ddb(CreateCompatibleBitmap(screen.Get(), 3, 2));
    {
        TDcHandle dc(CreateCompatibleDC(nullptr));
        TSelectObject select(dc.Get(), ddb.Get());
        TBrushHandle brush(CreateSolidBrush(RGB(10, 20, 30)));
        RECT r{0, 0, 3, 2};
        ::FillRect(dc.Get(), &r, brush.Get());
    }
    TbsBitmap opaque;
    opaque.Assign(ddb.Get());
    ASSERT_EQ(opaque.Width(), 3);
    EXPECT_EQ(*opaque.PixelPtr(2, 1), MakePixel(10, 20, 30, 255));
}
