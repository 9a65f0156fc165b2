// The skinned scroll bar on a real window: the position kept within the
// range by every setter, the press, the drag, the repetition of a held
// button and of the track driven through its timer handler and the cursor
// hook, the drawing from the built-in skin's records and the plain drawing,
// Both, the mirroring of a native window's scrolling and the layout
// properties.
#include "skin/controls/SkinScrollBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/paint/Composition.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"

namespace {

// Zevrak's "vscrollbar": skinrect 400,4,417,64; thumb 400,68,413,92 with
// its glyph 445,68,452,75; the bottom button's images 456,44 (active) and
// 474,44 (pressed).
constexpr TRect kVSkinRect{400, 4, 417, 64};
constexpr TRect kVThumb{400, 68, 413, 92};
constexpr TPoint kVGlyph{445, 68};
constexpr TPoint kVBottomActive{456, 44}, kVBottomDown{474, 44};

std::uint32_t SysPixel(int index) {
    const COLORREF c = GetSysColor(index);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }


class SkinScrollBar : public TSkinControlFixture {
protected:
    TbsSkinScrollBar* AddBar(TScrollBarKind kind, bool bound, int width, int height) {
        auto* bar = new TbsSkinScrollBar(Form.get());
        bar->SetParent(Form.get());
        bar->SetKind(kind);
        bar->SetBounds(10, 10, width, height);
        if (bound) bar->SetSkinData(Manager);
        bar->OnChange = [this](TComponent*) { ++Changes; };
        return bar;
    }
    // The number selector's list bar: 152 high, 38 items, 8 visible.
    TbsSkinScrollBar* AddListBar() {
        LoadZevrak();
        auto* bar = AddBar(TScrollBarKind::sbVertical, true, 17, 152);
        bar->SetMax(37);
        bar->SetPageSize(8);
        Changes = 0;
        return bar;
    }
    static void Send(TbsSkinScrollBar& bar, UINT msg, int x, int y) {
        SendMessageA(bar.GetHandle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(x, y));
    }
    static void Tick(TbsSkinScrollBar& bar) { SendMessageA(bar.GetHandle(), WM_TIMER, tidScrollBarRepeat, 0); }

    int Changes = 0;
};

TEST_F(SkinScrollBar, PositionStaysWithinTheLastPageAndChangesOnlyWhenItMoves) {
    auto* bar = AddListBar();
    for (int v = 0; v <= 30; ++v) {
        bar->SetPosition(v);
        EXPECT_EQ(bar->GetPosition(), v);
    }
    EXPECT_EQ(Changes, 30);
    bar->SetPosition(35);  // stores 30: no change
    EXPECT_EQ(bar->GetPosition(), 30);
    EXPECT_EQ(Changes, 30);
    bar->SetPosition(0);
    bar->SetPosition(35);
    EXPECT_EQ(bar->GetPosition(), 30);
    EXPECT_EQ(Changes, 32);
    bar->SetPosition(-4);
    EXPECT_EQ(bar->GetPosition(), 0);

    // A page that would end past Max from the position is refused.
    bar->SetPosition(30);
    bar->SetPageSize(9);
    EXPECT_EQ(bar->GetPageSize(), 8);
    bar->SetPageSize(-1);
    EXPECT_EQ(bar->GetPageSize(), 8);

    // The owners' mirroring: all four at once, kept consistent, no event.
    Changes = 0;
    bar->SetRange(0, 49, 10, 45);
    EXPECT_EQ(bar->Values(), (TbsScrollValues{0, 49, 40, 10}));
    bar->SetRange(0, 49, -3, 60);
    EXPECT_EQ(bar->Values(), (TbsScrollValues{0, 49, 49, 0}));
    EXPECT_EQ(Changes, 0);
}

// The Max setter keeps the position by the one rule of SetPosition: with Min
// 10 and a page of 20, Max 100 leaves the last page at 81 (not 71).
TEST_F(SkinScrollBar, MaxAndMinClampThePositionWhenMinIsNotZero) {
    auto* bar = AddBar(TScrollBarKind::sbHorizontal, false, 200, 19);
    bar->SetMax(110);
    bar->SetMin(10);
    EXPECT_EQ(bar->GetPosition(), 10);
    bar->SetPageSize(20);
    bar->SetPosition(200);
    EXPECT_EQ(bar->GetPosition(), 91);
    Changes = 0;
    bar->SetMax(100);
    EXPECT_EQ(bar->GetPosition(), 81);
    EXPECT_EQ(Changes, 1);
    bar->SetMax(200);  // a larger range keeps the position
    EXPECT_EQ(bar->GetPosition(), 81);
    bar->SetMin(150);
    EXPECT_EQ(bar->GetPosition(), 150);
    // A page reaching to the end from the last position is accepted with Min not 0.
    bar->SetPageSize(51);
    EXPECT_EQ(bar->GetPageSize(), 51);
    // Without a page the position goes down to Max.
    bar->SetRange(50, 60, 0, 60);
    bar->SetMax(55);
    EXPECT_EQ(bar->GetPosition(), 55);
}

TEST_F(SkinScrollBar, DragPastTheEndYieldsMaxAndReleaseEndsIt) {
    LoadZevrak();
    for (const bool bound : {true, false}) {
        auto* bar = AddBar(TScrollBarKind::sbHorizontal, bound, 200, bound ? 17 : 19);
        int released = 0, tracked = 0;
        bar->OnThumbReleased = [&](TComponent*) { ++released; };
        bar->OnScroll = [&](TbsSkinScrollBar*, TbsScrollCode code, int) { tracked += code == TbsScrollCode::Track; };
        const TRect thumb = bar->Layout().Thumb;
        const int y = thumb.Top + 2, x = thumb.Left + 3;
        Send(*bar, WM_LBUTTONDOWN, x, y);
        EXPECT_TRUE(bar->ThumbDragging());
        EXPECT_EQ(bar->GetPosition(), 0);
        Send(*bar, WM_MOUSEMOVE, x + 400, y);
        EXPECT_EQ(bar->GetPosition(), 100) << bound;
        Send(*bar, WM_MOUSEMOVE, x + 2000, y + 300);
        EXPECT_EQ(bar->GetPosition(), 100) << bound;
        Send(*bar, WM_MOUSEMOVE, x - 50, y);
        EXPECT_EQ(bar->GetPosition(), 0) << bound;
        EXPECT_EQ(tracked, 2);
        EXPECT_EQ(released, 0);
        Send(*bar, WM_LBUTTONUP, x - 50, y);
        EXPECT_FALSE(bar->ThumbDragging());
        EXPECT_EQ(released, 1);
        Send(*bar, WM_MOUSEMOVE, x + 400, y);  // no longer dragging
        EXPECT_EQ(bar->GetPosition(), 0);
    }
}

TEST_F(SkinScrollBar, ThumbFillingItsTrackIgnoresTheDrag) {
    LoadZevrak();
    auto* bar = AddBar(TScrollBarKind::sbVertical, true, 17, 152);
    bar->SetMax(7);
    bar->SetPageSize(8);
    const TbsScrollBarLayout layout = bar->Layout();
    ASSERT_EQ(layout.ThumbStart, layout.ThumbEnd);
    Changes = 0;
    Send(*bar, WM_LBUTTONDOWN, 8, 60);
    ASSERT_TRUE(bar->ThumbDragging());
    for (const int y : {90, 200, -40}) Send(*bar, WM_MOUSEMOVE, 8, y);
    Send(*bar, WM_LBUTTONUP, 8, 60);
    EXPECT_EQ(bar->GetPosition(), 0);
    EXPECT_EQ(Changes, 0);
}

TEST_F(SkinScrollBar, HeldButtonStepsAtPressAfter500MsThenEvery50AndPausesOffTheButton) {
    auto* bar = AddListBar();
    HWND wnd = bar->GetHandle();
    Send(*bar, WM_LBUTTONDOWN, 8, 140);  // the bottom button
    EXPECT_EQ(bar->GetPosition(), 1);
    EXPECT_TRUE(bar->IsPartPressed(TbsScrollPart::IncreaseButton));
    EXPECT_EQ(GetCapture(), wnd);
    EXPECT_EQ(bar->RepeatInterval(), 500u);
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 2);
    EXPECT_EQ(bar->RepeatInterval(), 50u);
    for (int i = 0; i < 3; ++i) Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 5);

    Send(*bar, WM_MOUSEMOVE, 8, 60);  // off the button, still held
    EXPECT_FALSE(bar->IsPartHot(TbsScrollPart::IncreaseButton));
    Tick(*bar);
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 5);
    EXPECT_EQ(bar->RepeatInterval(), 50u);
    Send(*bar, WM_MOUSEMOVE, 8, 145);  // back on it
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 6);

    Send(*bar, WM_LBUTTONUP, 8, 145);
    EXPECT_FALSE(bar->IsPartPressed(TbsScrollPart::IncreaseButton));
    EXPECT_EQ(bar->RepeatInterval(), 0u);
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 6);
    EXPECT_NE(GetCapture(), wnd);

    // The top button steps back; an owner's click event replaces the step.
    Send(*bar, WM_LBUTTONDOWN, 8, 5);
    Send(*bar, WM_LBUTTONUP, 8, 5);
    EXPECT_EQ(bar->GetPosition(), 5);
    int clicks = 0;
    bar->OnIncreaseClick = [&](TComponent*) { ++clicks; };
    Send(*bar, WM_LBUTTONDOWN, 8, 140);
    Tick(*bar);
    Send(*bar, WM_LBUTTONUP, 8, 140);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(bar->GetPosition(), 5);
}

TEST_F(SkinScrollBar, TrackPagingStopsWhenTheThumbReachesThePointer) {
    auto* bar = AddListBar();
    bar->SetLargeChange(8);
    TPoint pointer{8, 100};
    TSystemHooksOverride hooks({[&] { return bar->ClientToScreen(pointer); }, nullptr, nullptr});
    int pages = 0;
    bar->OnPageIncrease = [&](TComponent*) { ++pages; };
    Send(*bar, WM_LBUTTONDOWN, pointer.X, pointer.Y);
    EXPECT_EQ(bar->GetPosition(), 8);  // thumb 42..67
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 16);  // 67..92
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 24);  // 91..116: under the pointer
    EXPECT_EQ(bar->Layout().Thumb, Rect(2, 91, 15, 116));
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 24);
    EXPECT_EQ(bar->RepeatInterval(), 0u);
    EXPECT_EQ(pages, 3);
    Send(*bar, WM_LBUTTONUP, pointer.X, pointer.Y);

    // Back towards the top, stopping at the pointer too.
    pointer = Point(8, 50);
    Send(*bar, WM_LBUTTONDOWN, pointer.X, pointer.Y);
    EXPECT_EQ(bar->GetPosition(), 16);
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 8);  // 42..67
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 8);
    EXPECT_EQ(bar->RepeatInterval(), 0u);
    Send(*bar, WM_LBUTTONUP, pointer.X, pointer.Y);
}

TEST_F(SkinScrollBar, DisablingOrLosingTheCaptureStopsTheRepetition) {
    auto* bar = AddListBar();
    Send(*bar, WM_LBUTTONDOWN, 8, 140);
    ASSERT_EQ(bar->RepeatInterval(), 500u);
    bar->SetEnabled(false);
    EXPECT_EQ(bar->RepeatInterval(), 0u);
    EXPECT_FALSE(bar->IsPartPressed(TbsScrollPart::IncreaseButton));
    Tick(*bar);
    EXPECT_EQ(bar->GetPosition(), 1);

    bar->SetEnabled(true);
    int released = 0;
    bar->OnThumbReleased = [&](TComponent*) { ++released; };
    Send(*bar, WM_LBUTTONDOWN, 8, 30);  // the thumb
    ASSERT_TRUE(bar->ThumbDragging());
    ReleaseCapture();
    EXPECT_FALSE(bar->ThumbDragging());
    EXPECT_EQ(released, 0);
}

// The bar at its skin's size: the record's picture with the thumb and its
// glyph, and the bottom button's active and pressed images under the pointer.
TEST_F(SkinScrollBar, PaintedBarEqualsTheRecordsPieces) {
    LoadZevrak();
    auto* bar = AddBar(TScrollBarKind::sbVertical, true, 17, 60);
    ASSERT_EQ(bar->GetWidth(), 17);
    ASSERT_EQ(bar->Layout().Thumb, Rect(2, 17, 15, 41));
    const auto expected = [&](TPoint bottom) {
        return [&, bottom](int x, int y) {
            if (bottom.X >= 0 && y >= 43) return PicturePixel(bottom.X + x, bottom.Y + y - 43);
            if (x >= 2 && x < 15 && y >= 17 && y < 41) {
                const int tx = x - 2, ty = y - 17;
                if (tx >= 3 && tx < 10 && ty >= 8 && ty < 15) return PicturePixel(kVGlyph.X + tx - 3, kVGlyph.Y + ty - 8);
                return PicturePixel(kVThumb.Left + tx, kVThumb.Top + ty);
            }
            return PicturePixel(kVSkinRect.Left + x, kVSkinRect.Top + y);
        };
    };
    TbsBitmap printed;
    Print(*bar, printed);
    ExpectPixels(printed, expected(Point(-1, -1)), TestName() + ".plain");

    Send(*bar, WM_MOUSEMOVE, 8, 50);
    ASSERT_TRUE(bar->IsPartHot(TbsScrollPart::IncreaseButton));
    Print(*bar, printed);
    ExpectPixels(printed, expected(kVBottomActive), TestName() + ".hot");

    Send(*bar, WM_LBUTTONDOWN, 8, 50);
    Print(*bar, printed);
    ExpectPixels(printed, expected(kVBottomDown), TestName() + ".pressed");
    Send(*bar, WM_LBUTTONUP, 8, 50);

    // Disabled: no thumb over the track.
    bar->SetEnabled(false);
    Print(*bar, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(8, 25)), Rgb(PicturePixel(kVSkinRect.Left + 8, kVSkinRect.Top + 25)));
}

// With a page the thumb is the record's thumb stretched between its fixed
// 5-pixel ends to its length (25 for 8 of 38 on a 118-pixel track).
TEST_F(SkinScrollBar, PagedThumbIsStretchedBetweenItsEnds) {
    auto* bar = AddListBar();
    bar->SetPosition(15);
    const TRect thumb = bar->Layout().Thumb;
    ASSERT_EQ(thumb, Rect(2, 63, 15, 88));
    TbsBitmap image, printed;
    CreateVSkinImage(5, 5, image, true, 25, kVThumb, Picture);
    ASSERT_EQ(image.Height(), 25);
    Print(*bar, printed);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 13; ++x) {
            const bool glyph = x >= 3 && x < 10 && y >= 9 && y < 16;  // (25 - 7) / 2 = 9
            const std::uint32_t want =
                glyph ? PicturePixel(kVGlyph.X + x - 3, kVGlyph.Y + y - 9) : *image.PixelPtr(x, y);
            ASSERT_EQ(Rgb(*printed.PixelPtr(thumb.Left + x, thumb.Top + y)), Rgb(want)) << x << "," << y;
        }
    // The bottom button followed the height: the skin's bottom rows end the bar.
    EXPECT_EQ(Rgb(*printed.PixelPtr(8, 151)), Rgb(PicturePixel(kVSkinRect.Left + 8, kVSkinRect.Bottom - 1)));
}

TEST_F(SkinScrollBar, PlainBarDrawsFramedPartsAndHotColours) {
    auto* bar = AddBar(TScrollBarKind::sbHorizontal, false, 200, 19);
    TbsBitmap printed;
    Print(*bar, printed);
    const std::uint32_t face = SysPixel(COLOR_BTNFACE), shadow = SysPixel(COLOR_BTNSHADOW);
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), Rgb(face));
    EXPECT_EQ(Rgb(*printed.PixelPtr(1, 1)), Rgb(shadow));      // decrease button's frame
    EXPECT_EQ(Rgb(*printed.PixelPtr(17, 9)), Rgb(shadow));     // thumb's frame at 17..33
    EXPECT_EQ(Rgb(*printed.PixelPtr(25, 4)), Rgb(face));
    EXPECT_EQ(Rgb(*printed.PixelPtr(100, 9)), Rgb(face));      // the track
    // An arrow in each button.
    int dark = 0;
    for (int y = 2; y < 17; ++y)
        for (int x = 185; x < 197; ++x) dark += Rgb(*printed.PixelPtr(x, y)) == Rgb(SysPixel(COLOR_BTNTEXT));
    EXPECT_GT(dark, 5);

    Send(*bar, WM_MOUSEMOVE, 25, 9);
    ASSERT_TRUE(bar->IsPartHot(TbsScrollPart::Thumb));
    Print(*bar, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(17, 9)), Rgb(MakePixel(0, 0, 0x80)));  // navy
    EXPECT_EQ(Rgb(*printed.PixelPtr(25, 4)), Rgb(MakePixel(0xB6, 0xBD, 0xD2)));
    Send(*bar, WM_LBUTTONDOWN, 25, 9);
    Print(*bar, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(25, 4)), Rgb(MakePixel(0x85, 0x93, 0xB5)));  // 11899781
    Send(*bar, WM_LBUTTONUP, 25, 9);
}

TEST_F(SkinScrollBar, BothSwitchesTheRecordAndLeavesTheCornerFree) {
    auto* bar = AddBar(TScrollBarKind::sbHorizontal, false, 200, 19);
    bar->SetBoth(true);
    EXPECT_EQ(bar->GetSkinDataName(), "bothhscrollbar");
    EXPECT_EQ(bar->Layout().IncreaseButton, Rect(164, 1, 180, 18));
    bar->SetBoth(false);
    EXPECT_EQ(bar->GetSkinDataName(), "hscrollbar");
    EXPECT_EQ(bar->Layout().IncreaseButton, Rect(183, 1, 199, 18));

    LoadZevrak();
    bar->SetSkinData(Manager);
    bar->SetBoth(true);
    EXPECT_EQ(bar->GetHeight(), 17);
    // The record draws its own corner (its last 17 of 77 pixels): the
    // buttons follow its geometry, not the marker.
    EXPECT_EQ(bar->Layout().IncreaseButton, Rect(166, 0, 183, 17));
}

TEST_F(SkinScrollBar, KindTurnsTheBarAndTakesItsRecord) {
    LoadZevrak();
    auto* bar = new TbsSkinScrollBar(Form.get());
    bar->SetParent(Form.get());
    EXPECT_EQ(bar->GetWidth(), 200);
    EXPECT_EQ(bar->GetHeight(), 19);
    bar->SetKind(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->GetSkinDataName(), "vscrollbar");
    EXPECT_EQ(bar->GetWidth(), 19);
    EXPECT_EQ(bar->GetHeight(), 200);
    bar->SetSkinData(Manager);
    EXPECT_EQ(bar->GetWidth(), 17);  // the record's breadth
    EXPECT_EQ(bar->Layout().IncreaseButton, Rect(0, 183, 17, 200));
    bar->SetSkinDataName("mycustombar");
    bar->SetKind(TScrollBarKind::sbHorizontal);
    EXPECT_EQ(bar->GetSkinDataName(), "mycustombar");  // a name of the layout's own stays
}

TEST_F(SkinScrollBar, FocusableBarStepsByArrowKeysAndClaimsThem) {
    auto* bar = AddBar(TScrollBarKind::sbVertical, false, 19, 150);
    HWND wnd = bar->GetHandle();
    SendMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(bar->GetPosition(), 0);  // not focusable: keys are not its
    bar->SetCanFocused(true);
    EXPECT_TRUE(bar->GetTabStop());
    EXPECT_EQ(SendMessageA(wnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, LRESULT(DLGC_WANTARROWS));
    bar->SetSmallChange(3);
    SendMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(wnd, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(bar->GetPosition(), 6);
    SendMessageA(wnd, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(bar->GetPosition(), 3);
}

// A native list box's scrolling mirrored into an attached bar, and the bar
// scrolling the list.
TEST_F(SkinScrollBar, NativeScrollingIsMirroredAndDriven) {
    auto* bar = AddBar(TScrollBarKind::sbVertical, false, 19, 150);
    TWindowHandle list(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                       40, 10, 100, 100, Form->GetHandle(), nullptr, GetModuleHandleA(nullptr),
                                       nullptr));
    ASSERT_TRUE(list);
    const int itemHeight = int(SendMessageA(list.Get(), LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(itemHeight, 0);
    for (int i = 0; i < 40; ++i) SendMessageA(list.Get(), LB_ADDSTRING, 0, LPARAM(std::to_string(i).c_str()));
    MirrorNativeScroll(list.Get(), true, *bar);
    EXPECT_TRUE(bar->GetEnabled());
    EXPECT_EQ(bar->GetMin(), 0);
    EXPECT_EQ(bar->GetMax(), 39);
    EXPECT_EQ(bar->GetPageSize(), 100 / itemHeight);
    EXPECT_EQ(bar->GetPosition(), 0);

    bar->OnChange = [&](TComponent*) { ScrollNativeTo(list.Get(), true, bar->GetPosition()); };
    bar->SetPosition(12);
    EXPECT_EQ(SendMessageA(list.Get(), LB_GETTOPINDEX, 0, 0), 12);
    ScrollNativeLine(list.Get(), true, true);
    MirrorNativeScroll(list.Get(), true, *bar);
    EXPECT_EQ(bar->GetPosition(), 13);

    // Too few items for a bar: the native one hides and the skinned one is disabled.
    SendMessageA(list.Get(), LB_RESETCONTENT, 0, 0);
    SendMessageA(list.Get(), LB_ADDSTRING, 0, LPARAM("only"));
    MirrorNativeScroll(list.Get(), true, *bar);
    EXPECT_FALSE(bar->GetEnabled());
}

TEST_F(SkinScrollBar, PaintingAndPressingLeaveNoHandleBehind) {
    auto* bar = AddListBar();
    auto* plain = AddBar(TScrollBarKind::sbHorizontal, false, 200, 19);
    TbsBitmap printed;
    Print(*bar, printed);  // the shared picture cache fills once
    Print(*plain, printed);
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc),
               timers = LiveHandleCount(THandleKind::Timer);
    for (int i = 0; i < 5; ++i) {
        Send(*bar, WM_LBUTTONDOWN, 8, 140);
        Tick(*bar);
        Print(*bar, printed);
        Send(*bar, WM_LBUTTONUP, 8, 140);
        Send(*plain, WM_MOUSEMOVE, 25, 9);
        Print(*plain, printed);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), timers);
}

TEST_F(SkinScrollBar, LayoutPropertiesReachTheBar) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinScrollBar");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    auto* bar = AddBar(TScrollBarKind::sbHorizontal, false, 200, 19);
    info->FindProperty("Kind")->SetValue(*bar, TLayoutValue::OfIdent("sbVertical"));
    info->FindProperty("Max")->SetValue(*bar, TLayoutValue::OfInteger(37));
    info->FindProperty("PageSize")->SetValue(*bar, TLayoutValue::OfInteger(8));
    info->FindProperty("Position")->SetValue(*bar, TLayoutValue::OfInteger(35));
    info->FindProperty("LargeChange")->SetValue(*bar, TLayoutValue::OfInteger(8));
    info->FindProperty("SmallChange")->SetValue(*bar, TLayoutValue::OfInteger(2));
    info->FindProperty("CanFocused")->SetValue(*bar, TLayoutValue::OfBool(true));
    info->FindProperty("BothMarkerWidth")->SetValue(*bar, TLayoutValue::OfInteger(21));
    info->FindProperty("BothSkinDataName")->SetValue(*bar, TLayoutValue::OfString("corner"));
    EXPECT_EQ(bar->GetKind(), TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->GetPosition(), 30);
    EXPECT_EQ(bar->GetLargeChange(), 8);
    EXPECT_EQ(bar->GetSmallChange(), 2);
    EXPECT_TRUE(bar->GetCanFocused());
    EXPECT_EQ(bar->GetBothMarkerWidth(), 21);
    info->FindProperty("Both")->SetValue(*bar, TLayoutValue::OfBool(true));
    EXPECT_EQ(bar->GetSkinDataName(), "corner");
    EXPECT_NE(info->FindProperty("Min"), nullptr);
    EXPECT_NE(info->FindProperty("DefaultHeight"), nullptr);
    EXPECT_NE(info->FindProperty("Align"), nullptr);

    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* fresh = dynamic_cast<TbsSkinScrollBar*>(made.get());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetSkinDataName(), "hscrollbar");
    EXPECT_EQ(fresh->GetKind(), TScrollBarKind::sbHorizontal);
    EXPECT_EQ(fresh->Values(), (TbsScrollValues{0, 100, 0, 0}));
    EXPECT_EQ(fresh->GetWidth(), 200);
    EXPECT_EQ(fresh->GetHeight(), 19);
    EXPECT_EQ(fresh->GetDefaultHeight(), 19);
    EXPECT_FALSE(fresh->GetCanFocused());
    EXPECT_FALSE(fresh->GetTabStop());
    EXPECT_EQ(fresh->GetBothMarkerWidth(), 19);
    EXPECT_EQ(fresh->GetBothSkinDataName(), "bothhscrollbar");
}

}  // namespace
