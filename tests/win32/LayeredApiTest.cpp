#include "platform/portable/Types.h"

#include <windows.h>

#include "platform/Handles.h"
#include "skin/paint/LayeredApi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TBlurCall {
    DWORD Flags;
    BOOL Enable;
    HRGN Region;
};
std::vector<TBlurCall> gBlurCalls;
std::vector<DWORD> gAttributeValues;
std::vector<int> gWindowAlphas;

HRESULT WINAPI RecordBlur(HWND, const TbsBlurBehind* blur) {
    gBlurCalls.push_back({blur->dwFlags, blur->fEnable, blur->hRgnBlur});
    return S_OK;
}

HRESULT WINAPI RecordAttribute(HWND, DWORD attribute, LPCVOID value, DWORD size) {
    if (attribute == 3 && size == 4) gAttributeValues.push_back(*static_cast<const DWORD*>(value));
    return S_OK;
}

HRESULT WINAPI CompositionOn(BOOL* enabled) {
    *enabled = TRUE;
    return S_OK;
}

HRESULT WINAPI CompositionFails(BOOL* enabled) {
    *enabled = TRUE;
    return E_FAIL;
}

BOOL WINAPI RecordWindowAlpha(HWND, COLORREF key, BYTE alpha, DWORD flags) {
    gWindowAlphas.push_back(key == 0 && flags == LWA_ALPHA ? int(alpha) : -1);
    return TRUE;
}

TEST(LayeredApiTest, FindsTheUserInterfaceFunctionsAndReleasesTheLibraries) {
    FreeLayeredApi();
    const long modulesBefore = LiveHandleCount(THandleKind::Module);
    LoadLayeredApi();
    const TLayeredApiFunctions& api = LayeredApi();
    EXPECT_NE(api.UpdateLayeredWindow, nullptr);
    EXPECT_NE(api.SetLayeredWindowAttributes, nullptr);
    EXPECT_NE(api.MonitorFromWindow, nullptr);
    EXPECT_NE(api.GetMonitorInfoA, nullptr);
    EXPECT_NE(api.GetScrollBarInfo, nullptr);
    EXPECT_GE(LiveHandleCount(THandleKind::Module), modulesBefore + 1);
    FreeLayeredApi();
    EXPECT_EQ(LiveHandleCount(THandleKind::Module), modulesBefore);
    EXPECT_NE(LayeredApi().UpdateLayeredWindow, nullptr);  // looked up again on use
}

TEST(LayeredApiTest, MissingFunctionsMeanNothingHappens) {
    TLayeredApiFunctions none;
    TLayeredApiOverride missing(none);
    EXPECT_FALSE(CompositionEnabled());
    SetWindowAlpha(nullptr, 100);
    SetWindowTransitions(nullptr, true);
    EnableBlurBehind(nullptr, true, nullptr);

    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetScrollBarInfoSafe(nullptr, OBJID_VSCROLL, &info));
    EXPECT_EQ(info.rgstate[0], DWORD(STATE_SYSTEM_INVISIBLE));
    EXPECT_FALSE(GetScrollBarInfoSafe(nullptr, OBJID_VSCROLL, nullptr));
}

TEST(LayeredApiTest, CompositionIsOnOnlyWhenTheLibrarySaysSo) {
    TLayeredApiFunctions f;
    f.DwmIsCompositionEnabled = &CompositionOn;
    {
        TLayeredApiOverride on(f);
        EXPECT_TRUE(CompositionEnabled());
    }
    f.DwmIsCompositionEnabled = &CompositionFails;
    TLayeredApiOverride failing(f);
    EXPECT_FALSE(CompositionEnabled());
}

TEST(LayeredApiTest, CompositionCallsPassTheirFlags) {
    gBlurCalls.clear();
    gAttributeValues.clear();
    TLayeredApiFunctions f;
    f.DwmEnableBlurBehindWindow = &RecordBlur;
    f.DwmSetWindowAttribute = &RecordAttribute;
    TLayeredApiOverride recording(f);

    TRegionHandle region(CreateRectRgn(0, 0, 10, 10));
    EnableBlurBehind(nullptr, true, region.Get());
    EnableBlurBehind(nullptr, false, nullptr);
    ASSERT_EQ(gBlurCalls.size(), 2u);
    EXPECT_EQ(gBlurCalls[0].Flags, 3u);
    EXPECT_TRUE(gBlurCalls[0].Enable);
    EXPECT_EQ(gBlurCalls[0].Region, region.Get());
    EXPECT_EQ(gBlurCalls[1].Flags, 1u);
    EXPECT_FALSE(gBlurCalls[1].Enable);

    // The attribute is "transitions force-disabled": the opposite of Enable.
    SetWindowTransitions(nullptr, true);
    SetWindowTransitions(nullptr, false);
    EXPECT_EQ(gAttributeValues, (std::vector<DWORD>{0, 1}));
}

TEST(LayeredApiTest, WindowAlphaIsClampedIntoAByte) {
    gWindowAlphas.clear();
    TLayeredApiFunctions f;
    f.SetLayeredWindowAttributes = &RecordWindowAlpha;
    TLayeredApiOverride recording(f);
    SetWindowAlpha(nullptr, 128);
    SetWindowAlpha(nullptr, 300);
    SetWindowAlpha(nullptr, -5);
    EXPECT_EQ(gWindowAlphas, (std::vector<int>{128, 255, 0}));
}

TEST(LayeredApiTest, WorkAreaOfASingleDisplayIsTheDesktopsOrTheScreen) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    if (GetSystemMetrics(SM_CMONITORS) > 1) GTEST_SKIP() << "more than one monitor";
    EXPECT_EQ(GetMonitorWorkArea(nullptr, true), Rect(work.left, work.top, work.right, work.bottom));
    EXPECT_EQ(GetMonitorWorkArea(nullptr, false),
              Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

TEST(LayeredApiTest, InjectedVersionsNestAndRestore) {
    const TPlatformVersion real = PlatformVersion();
    {
        TPlatformVersionOverride xp({5, 1});
        EXPECT_TRUE(IsWindowsXPOrLater());
        EXPECT_FALSE(IsVistaOrLater());
        {
            TPlatformVersionOverride seven({6, 1});
            EXPECT_TRUE(IsWindows7());
        }
        EXPECT_EQ(PlatformVersion().Major, 5);
        EXPECT_EQ(PlatformVersion().Minor, 1);
    }
    EXPECT_EQ(PlatformVersion().Major, real.Major);
    EXPECT_EQ(PlatformVersion().Minor, real.Minor);
}

}  // namespace
