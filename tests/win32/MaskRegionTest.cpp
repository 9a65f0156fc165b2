#include "skin/paint/MaskRegion.h"
#include "skin/paint/TbsFBitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FrameMask.h"

namespace {

// A screen-compatible bitmap painted from text rows: '#' black, else white.
TBitmapHandle MaskBitmap(const std::vector<std::string>& rows) {
    const int w = int(rows[0].size()), h = int(rows.size());
    TWindowDc screen(nullptr);
    TBitmapHandle bmp(CreateCompatibleBitmap(screen.Get(), w, h));
    TDcHandle dc(CreateCompatibleDC(screen.Get()));
    TSelectObject select(dc.Get(), bmp.Get());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            SetPixelV(dc.Get(), x, y, rows[std::size_t(y)][std::size_t(x)] == '#' ? RGB(0, 0, 0) : RGB(255, 255, 255));
    return bmp;
}

::testing::AssertionResult RegionIs(HRGN region, int w, int h, const std::vector<std::string>& want) {
    if (!region) return ::testing::AssertionFailure() << "no region";
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inside = PtInRegion(region, x, y) != 0;
            if (inside != (want[std::size_t(y)][std::size_t(x)] == '#'))
                return ::testing::AssertionFailure() << "x=" << x << " y=" << y << " inside=" << inside;
        }
    return ::testing::AssertionSuccess();
}


}  // namespace

TEST(MaskRegion, ReaderCopiesPixelsIntoPaddedRows) {
    TBitmapHandle bmp = MaskBitmap({"#..", ".#."});
    TbsFBitmap reader(bmp.Get());
    ASSERT_EQ(reader.Width(), 3);
    EXPECT_EQ(reader.RowSize(), 12);
    EXPECT_EQ(reader.RowPadding(), 3);
    EXPECT_EQ(reader.ImageSize(), 24);
    EXPECT_EQ(reader.Row(0)[0] | reader.Row(0)[1] | reader.Row(0)[2], 0);
    EXPECT_EQ(reader.Row(1)[0], 0xFF);
    EXPECT_EQ(reader.Row(1)[3], 0);
    TbsFBitmap none(nullptr);
    EXPECT_TRUE(none.Empty());
}

TEST(MaskRegion, WholeMaskRegionFollowsBlackPixels) {
    TBitmapHandle bmp = MaskBitmap(kFrameMask);
    std::vector<std::uint8_t> data;
    EXPECT_GT(CreateRegionData(bmp.Get(), 0, 0, data), 32);
    TRegionHandle region;
    CreateRegionFromMask(region, bmp.Get());
    EXPECT_TRUE(RegionIs(region.Get(), 12, 9, kFrameMask));
    EXPECT_EQ(CreateRegionData(nullptr, 0, 0, data), 0);
    CreateRegionFromMask(region, nullptr);
    EXPECT_FALSE(region);
}

TEST(MaskRegion, ElementOfMaskSizeGetsMaskShapeWithItsClient) {
    TBitmapHandle bmp = MaskBitmap(kFrameMask);
    TRegionHandle region;
    const TRect client = Rect(3, 3, 9, 6);
    CreateSkinRegion(region, {5, 4}, {7, 4}, {5, 5}, {7, 5}, client, 12, 9, bmp.Get(), {5, 4}, {7, 4}, {5, 5}, {7, 5},
                     client);
    std::vector<std::string> want = kFrameMask;
    for (int y = 3; y < 6; ++y) want[std::size_t(y)] = "############";
    EXPECT_TRUE(RegionIs(region.Get(), 12, 9, want));
}

TEST(MaskRegion, HorizontalElementWiderThanMaskAndTooSmallElement) {
    TBitmapHandle bmp = MaskBitmap({".##.#.#.", "##....##", "#.#.#.##"});
    TbsFBitmap mask(bmp.Get());
    const TRect src = Rect(0, 0, 8, 3), client = Rect(2, 1, 6, 2);
    TRegionHandle wide = CreateElementRegion(bsrmHorizontal, src, client, {2, 1}, {6, 1}, {0, 0}, {0, 0}, 15, 3,
                                             mask.View());
    EXPECT_TRUE(RegionIs(wide.Get(), 15, 3, {".##.#.#.#.#.##.", "###############", "#.#.#.#.#.#.###"}));
    // Narrower than both ends (2 + 2 > 3): no region, the element stays rectangular.
    TRegionHandle small = CreateElementRegion(bsrmHorizontal, src, client, {2, 1}, {6, 1}, {0, 0}, {0, 0}, 3, 3,
                                              mask.View());
    EXPECT_FALSE(small);
    EXPECT_FALSE(CreateElementRegion(bsrmNoSkin, src, client, {}, {}, {}, {}, 3, 3, mask.View()));
}

TEST(MaskRegion, BuildingRegionsLeavesNoHandlesBehind) {
    TBitmapHandle bmp = MaskBitmap(kFrameMask);
    const long regions = LiveHandleCount(THandleKind::Region), bitmaps = LiveHandleCount(THandleKind::Bitmap);
    const long dcs = LiveHandleCount(THandleKind::Dc);
    {
        TRegionHandle region;
        CreateSkinRegion(region, {5, 4}, {7, 4}, {5, 5}, {7, 5}, Rect(3, 3, 9, 6), 40, 30, bmp.Get(), {5, 4},
                         {35, 4}, {5, 26}, {35, 26}, Rect(3, 3, 37, 27));
        EXPECT_TRUE(region);
        EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions + 1);
        TBitmapHandle t, b, l, r;
        CreateSkinMaskStrips({5, 4}, {7, 4}, {5, 5}, {7, 5}, Rect(3, 3, 9, 6), bmp.Get(), {5, 4}, {35, 4}, {5, 26},
                             {35, 26}, Rect(3, 3, 37, 27), 40, t, b, l, r);
        EXPECT_TRUE(t && b && l && r);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
}

TEST(WindowRegion, InstalledRegionBelongsToWindowWhichDeletesTheOneItReplaces) {
    TWindowHandle wnd(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(wnd);
    const long regions = LiveHandleCount(THandleKind::Region);
    TRegionHandle first(CreateRectRgn(0, 0, 10, 10));
    const HRGN firstRaw = first.Get();
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), std::move(first), false));
    EXPECT_FALSE(first);
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions) << "the window owns it, not us";

    TRegionHandle second(CreateRectRgn(0, 0, 20, 5));
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), std::move(second), false));
    EXPECT_EQ(GetObjectType(firstRaw), 0u) << "the window deleted the region it replaced";

    TRegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(wnd.Get(), copy.Get()), ERROR);
    EXPECT_TRUE(PtInRegion(copy.Get(), 15, 2));
    EXPECT_FALSE(PtInRegion(copy.Get(), 5, 8));

    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), TRegionHandle(), false));  // removes the shape
    EXPECT_EQ(GetWindowRgn(wnd.Get(), copy.Get()), ERROR);
}

namespace {
int gFrameChanges = 0;
LRESULT CALLBACK CountFrameChanges(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_FRAMECHANGED)) ++gFrameChanges;
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
}  // namespace

// Setting a shape changes the frame, which repaints the window with all its
// children: the shape the window already has is not set again.
TEST(WindowRegion, TheShapeTheWindowAlreadyHasIsNotSetAgain) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountFrameChanges;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RdzRegionFrameCount";
    RegisterClassA(&wc);
    TWindowHandle wnd(CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(wnd);
    gFrameChanges = 0;
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), TRegionHandle(), true));
    EXPECT_EQ(gFrameChanges, 0) << "no shape, none asked for";

    const long regions = LiveHandleCount(THandleKind::Region);
    TRegionHandle first(CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), std::move(first), true));
    EXPECT_EQ(gFrameChanges, 1);

    TRegionHandle same(CreateRectRgn(0, 0, 10, 10));
    const HRGN sameRaw = same.Get();
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), std::move(same), true));
    EXPECT_EQ(gFrameChanges, 1) << "an equal shape changes nothing";
    EXPECT_EQ(GetObjectType(sameRaw), 0u) << "the region not taken is deleted";
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);

    TRegionHandle other(CreateRectRgn(0, 0, 10, 9));
    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), std::move(other), true));
    EXPECT_EQ(gFrameChanges, 2);
    TRegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(wnd.Get(), copy.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(copy.Get(), 5, 9));

    ASSERT_TRUE(InstallWindowRegion(wnd.Get(), TRegionHandle(), true));
    EXPECT_EQ(gFrameChanges, 3) << "removing a shape is a change";
}
