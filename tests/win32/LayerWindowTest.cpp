#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixels.h"

#include <windows.h>

#include "platform/Handles.h"
#include "skin/paint/LayerWindow.h"
#include "skin/paint/LayeredApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Dispatches messages until cond holds or timeoutMs pass; waits for
// messages in between rather than sleeping.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!cond()) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (cond()) break;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void FillBitmap(TbsBitmap& bmp, int w, int h, std::uint32_t pixel) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, pixel);
}

// Records the constant alpha of every layered update, then performs it.
std::vector<int> gUpdateAlphas;
TUpdateLayeredWindowFunc gRealUpdate = nullptr;

BOOL WINAPI RecordingUpdate(HWND wnd, HDC dst, POINT* pos, SIZE* size, HDC src, POINT* srcPos, COLORREF key,
                            BLENDFUNCTION* blend, DWORD flags) {
    gUpdateAlphas.push_back(blend ? blend->SourceConstantAlpha : -1);
    return gRealUpdate ? gRealUpdate(wnd, dst, pos, size, src, srcPos, key, blend, flags) : TRUE;
}

class LayerWindowTest : public testing::Test {
protected:
    void SetUp() override {
        FillBitmap(FPicture, 40, 30, MakePixel(200, 180, 160, 255));
        FillBitmap(FMask, 40, 30, MakePixel(255, 255, 255, 255));
        gUpdateAlphas.clear();
        gRealUpdate = LayeredApi().UpdateLayeredWindow;
        FWindowsBefore = LiveHandleCount(THandleKind::Window);
    }

    TLayeredApiFunctions Recording() {
        TLayeredApiFunctions f = LayeredApi();
        f.UpdateLayeredWindow = &RecordingUpdate;
        return f;
    }

    // Sends the fade timer's message as the system would deliver it.
    static void Tick(const TbsLayerManager& m) {
        ASSERT_NE(m.LayerWindow(), nullptr);
        SendMessageA(m.LayerWindow()->Handle(), WM_TIMER, TbsLayerWindow::FadeTimerId, 0);
    }

    TbsBitmap FPicture;
    TbsBitmap FMask;
    long FWindowsBefore = 0;
};

TEST_F(LayerWindowTest, MaskGreyLevelBecomesAlphaAndLowersColours) {
    FillBitmap(FPicture, 3, 1, MakePixel(200, 200, 200, 255));
    FMask.SetSize(3, 1);
    FMask.SetPixel(0, 0, MakePixel(90, 120, 150, 255));
    FMask.SetPixel(1, 0, MakePixel(255, 255, 255, 255));
    FMask.SetPixel(2, 0, MakePixel(0, 0, 0, 255));
    TbsBitmap image;
    MakeLayerImage(FPicture, FMask, image);
    ASSERT_EQ(image.Width(), 3);
    EXPECT_EQ(*image.PixelPtr(0, 0), MakePixel(120, 120, 120, 120));
    EXPECT_EQ(*image.PixelPtr(1, 0), MakePixel(200, 200, 200, 255));
    EXPECT_EQ(*image.PixelPtr(2, 0), MakePixel(0, 0, 0, 0));
}

TEST_F(LayerWindowTest, GlowIsAPopupToolWindowThatNeverTakesActivation) {
    TWindowHandle owner(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 150,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(owner);
    SetForegroundWindow(owner.Get());
    SetActiveWindow(owner.Get());
    PumpUntil([&] { return GetActiveWindow() == owner.Get(); }, 2000);
    const HWND activeBefore = GetActiveWindow();

    TbsLayerManager manager;
    manager.Show(300, 200, 200, FMask, FPicture);
    ASSERT_NE(manager.LayerWindow(), nullptr);
    const HWND glow = manager.LayerWindow()->Handle();
    PumpUntil([&] { return !manager.FadeTimerEnabled(); }, 2000);

    const LONG_PTR style = GetWindowLongPtrA(glow, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(glow, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED | WS_EX_APPWINDOW),
              LONG_PTR(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(GetClassLongPtrA(glow, GCL_STYLE) & CS_SAVEBITS);
    EXPECT_EQ(SendMessageA(glow, WM_MOUSEACTIVATE, WPARAM(glow), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              LRESULT(MA_NOACTIVATE));
    EXPECT_EQ(GetActiveWindow(), activeBefore);
    EXPECT_NE(GetActiveWindow(), glow);

    RECT r{};
    GetWindowRect(glow, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 40);
    EXPECT_EQ(r.bottom - r.top, 30);

    manager.SetTopMost(false);
    manager.ReShow();
    EXPECT_FALSE(GetWindowLongPtrA(glow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(glow));
    EXPECT_EQ(GetActiveWindow(), activeBefore);
}

TEST_F(LayerWindowTest, ShowTwiceReplacesTheFirstWindow) {
    TbsLayerManager manager;
    manager.Show(10, 10, 100, FMask, FPicture);
    ASSERT_NE(manager.LayerWindow(), nullptr);
    const HWND first = manager.LayerWindow()->Handle();
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore + 1);

    manager.Show(20, 20, 100, FMask, FPicture);
    ASSERT_NE(manager.LayerWindow(), nullptr);
    EXPECT_NE(manager.LayerWindow()->Handle(), first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore + 1);
    EXPECT_EQ(manager.CurrentAlpha(), 0);  // the second fade starts over
    EXPECT_TRUE(manager.FadeTimerEnabled());

    manager.Hide();
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    EXPECT_EQ(manager.Image(), nullptr);
    EXPECT_FALSE(manager.Visible());
    EXPECT_FALSE(manager.FadeTimerEnabled());
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore);
}

TEST_F(LayerWindowTest, AlphaHundredFadesInStepsOfTenInTenTicks) {
    TLayeredApiOverride recording(Recording());
    TbsLayerManager manager;
    manager.Show(10, 10, 100, FMask, FPicture);
    EXPECT_EQ(gUpdateAlphas, std::vector<int>{0});  // shown fully transparent
    for (int i = 0; i < 10; ++i) Tick(manager);
    EXPECT_EQ(gUpdateAlphas, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(manager.FadeTimerEnabled());
    Tick(manager);  // a late tick changes nothing
    EXPECT_EQ(gUpdateAlphas.size(), 11u);
    EXPECT_EQ(manager.CurrentAlpha(), 100);
    EXPECT_TRUE(manager.Visible());
}

TEST_F(LayerWindowTest, TheFadeTimerRunsByItselfAndStops) {
    TLayeredApiOverride recording(Recording());
    TbsLayerManager manager;
    manager.Show(10, 10, 255, FMask, FPicture);
    ASSERT_TRUE(PumpUntil([&] { return !manager.FadeTimerEnabled(); }, 5000));
    EXPECT_EQ(manager.CurrentAlpha(), 255);
    ASSERT_EQ(gUpdateAlphas.size(), 12u);  // transparent, 10 steps of 25, then 255
    EXPECT_EQ(gUpdateAlphas[10], 250);
    EXPECT_EQ(gUpdateAlphas.back(), 255);
}

TEST_F(LayerWindowTest, SmallAlphaFadesInAndItsTimerStops) {
    TLayeredApiOverride recording(Recording());
    TbsLayerManager manager;
    manager.Show(10, 10, 5, FMask, FPicture);
    for (int i = 0; i < 5; ++i) Tick(manager);
    EXPECT_EQ(gUpdateAlphas, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(manager.CurrentAlpha(), 5);
    EXPECT_FALSE(manager.FadeTimerEnabled());
}

TEST_F(LayerWindowTest, AlphaAboveOpaqueIsClampedNotWrapped) {
    TLayeredApiOverride recording(Recording());
    TbsLayerManager manager;
    manager.Show(10, 10, 300, FMask, FPicture);
    EXPECT_EQ(manager.TargetAlpha(), 255);
    for (int i = 0; i < 11; ++i) Tick(manager);
    EXPECT_EQ(gUpdateAlphas.back(), 255);
    EXPECT_FALSE(manager.FadeTimerEnabled());
}

TEST_F(LayerWindowTest, NoGlowOnPlatformsWithoutLayeredWindows) {
    TbsLayerManager manager;
    {
        TPlatformVersionOverride nt4({4, 0});
        manager.Show(10, 10, 100, FMask, FPicture);
        EXPECT_EQ(manager.LayerWindow(), nullptr);
        EXPECT_FALSE(manager.Visible());
        EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore);
    }
    TPlatformVersionOverride w2000({5, 0});
    manager.Show(10, 10, 100, FMask, FPicture);
    EXPECT_NE(manager.LayerWindow(), nullptr);
    EXPECT_TRUE(manager.Visible());
}

TEST_F(LayerWindowTest, MissingLayeredUpdateLeavesAnEmptyWindowAndNoCrash) {
    TLayeredApiFunctions none;
    TLayeredApiOverride missing(none);
    TbsLayerManager manager;
    manager.Show(10, 10, 100, FMask, FPicture);
    ASSERT_NE(manager.LayerWindow(), nullptr);
    for (int i = 0; i < 10; ++i) Tick(manager);
    EXPECT_EQ(manager.CurrentAlpha(), 100);
    EXPECT_FALSE(manager.FadeTimerEnabled());
}

TEST_F(LayerWindowTest, EmptyPictureShowsNothing) {
    TbsBitmap empty;
    TbsLayerManager manager;
    manager.Show(10, 10, 100, empty, empty);
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    EXPECT_FALSE(manager.Visible());
}

TEST_F(LayerWindowTest, DestroyingAManagerReleasesItsWindowAndImage) {
    const long bitmapsBefore = LiveHandleCount(THandleKind::Bitmap);
    const long dcsBefore = LiveHandleCount(THandleKind::Dc);
    {
        TbsLayerManager manager;
        manager.Show(10, 10, 100, FMask, FPicture);
        EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore + 1);
        EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmapsBefore + 1);  // the glow image only
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), FWindowsBefore);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmapsBefore);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcsBefore);
}

}  // namespace
