// The skinned edit on a real window: the balance field's size and text area
// from the built-in skin's "edit" record, its read-only refusal of every
// kind of editing while Ctrl+C still copies, the frame painted into memory
// compared with the composition of its record, the hover colours driven
// through the pointer hooks and the timer handler, focus and disabled
// colours, the plain drawing without a skin, the button, skin reloads and
// the layout properties.
#include "skin/controls/SkinEdit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/Forms.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/paint/Composition.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Zevrak's "edit": picture 3, skinrect 225,98,282,119 (57 x 21), active
// 225,121,282,142, ends 5 and 6, middle stretched, clientrect 4,3,53,18.
constexpr TRect kSkinRect{225, 98, 282, 119};
constexpr TRect kActiveRect{225, 121, 282, 142};
constexpr TColor kFontColor = 12632256;      // silver
constexpr TColor kActiveFontColor = 16777215;  // white
constexpr TColor kDisabledFontColor = 9274748;

std::uint32_t PixelOf(TColor color) {
    const COLORREF c = ColorToRGB(color);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

int CountPixels(const TbsBitmap& bmp, std::uint32_t pixel) {
    int count = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) count += Rgb(*bmp.PixelPtr(x, y)) == Rgb(pixel);
    return count;
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "<no clipboard>";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// owner: a window of ours (with none, SetClipboardData would fail).
void SetClipboardText(HWND owner, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);  // the clipboard owns it from here
    // The native edit pastes the wide form; the text is ASCII.
    HGLOBAL wide = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* w = static_cast<wchar_t*>(GlobalLock(wide));
    for (std::size_t i = 0; i <= text.size(); ++i) w[i] = wchar_t(static_cast<unsigned char>(text.c_str()[i]));
    GlobalUnlock(wide);
    SetClipboardData(CF_UNICODETEXT, wide);
    CloseClipboard();
}

// The shift key held for this thread's GetKeyState while the guard lives.
class TShiftHeld {
public:
    TShiftHeld() {
        GetKeyboardState(FSaved);
        BYTE state[256];
        std::memcpy(state, FSaved, sizeof(state));
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    ~TShiftHeld() { SetKeyboardState(FSaved); }

private:
    BYTE FSaved[256];
};

class SkinEdit : public TSkinControlFixture {
protected:
    // The table window's balance field: 82 x 19 in the layout, read-only,
    // "200"; bound to the manager when asked.
    TbsSkinEdit* AddEdit(bool bound, const std::string& text = "200") {
        auto* edit = new TbsSkinEdit(Form.get());
        edit->SetParent(Form.get());
        edit->SetBounds(63, 29, 82, 19);
        edit->SetReadOnly(true);
        edit->SetText(text);
        edit->HandleNeeded();
        if (bound) edit->SetSkinData(Manager);
        return edit;
    }
    // The whole window, frame and client, painted into memory.
    static void PrintWhole(TbsSkinEdit& edit, TbsBitmap& target) {
        FillCanvas(target, edit.GetWidth(), edit.GetHeight());
        EXPECT_EQ(SendMessageA(edit.GetHandle(), WM_PAINTFRAMETODC, WPARAM(target.DC()), 0), kPaintFrameToDcAnswer);
        GdiFlush();
    }
    static void PrintClient(TbsSkinEdit& edit, TbsBitmap& target) {
        const TRect client = edit.GetClientRect();
        FillCanvas(target, client.Width(), client.Height());
        SendMessageA(edit.GetHandle(), WM_PRINTCLIENT, WPARAM(target.DC()), PRF_CLIENT);
        GdiFlush();
    }
    // The frame of a W-wide edit from a skin rectangle of the picture.
    void Compose(const TRect& source, int W, TbsBitmap& expected) const {
        CreateHSkinImage(5, 6, expected, true, W, source, Picture);
    }
    // Hooks that put the pointer over `under` at `at`.
    static TSystemHooks PointerOver(HWND under, TPoint at) {
        TSystemHooks hooks;
        hooks.CursorPos = [at] { return at; };
        hooks.WindowAt = [under](TPoint) { return under; };
        return hooks;
    }
    static TPoint ScreenCentre(HWND wnd) {
        RECT r{};
        GetWindowRect(wnd, &r);
        return Point((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static LRESULT HitTest(HWND wnd, TPoint screen) {
        return SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
    }
};

TEST_F(SkinEdit, BalanceFieldTakes82By21WithA74By15TextAreaAt4And3) {
    LoadZevrak();
    auto* edit = AddEdit(true);
    EXPECT_EQ(edit->GetWidth(), 82);
    EXPECT_EQ(edit->GetHeight(), 21);
    RECT window{};
    GetWindowRect(edit->GetHandle(), &window);
    EXPECT_EQ(window.right - window.left, 82);
    EXPECT_EQ(window.bottom - window.top, 21);
    EXPECT_EQ(edit->GetClientRect(), Rect(0, 0, 74, 15));
    POINT origin{0, 0};
    ClientToScreen(edit->GetHandle(), &origin);
    EXPECT_EQ(origin.x - window.left, 4);
    EXPECT_EQ(origin.y - window.top, 3);
    EXPECT_EQ(edit->ClientArea(), Rect(4, 3, 78, 18));
    // The record's font, in its normal colour.
    EXPECT_EQ(edit->Font().GetName(), "Tahoma");
    EXPECT_EQ(edit->Font().GetHeight(), 13);
    EXPECT_EQ(edit->Font().GetColor(), kFontColor);
    // The layout's height again: the skin keeps 21.
    edit->SetBounds(63, 29, 82, 19);
    EXPECT_EQ(edit->GetHeight(), 21);
    edit->SetBounds(63, 29, 120, 40);
    EXPECT_EQ(edit->GetHeight(), 21);
    EXPECT_EQ(edit->GetClientRect(), Rect(0, 0, 112, 15));
}

TEST_F(SkinEdit, ReadOnlyBalanceRefusesEveryEditAndCtrlCStillCopies) {
    LoadZevrak();
    auto* edit = AddEdit(true);
    HWND wnd = edit->GetHandle();
    EXPECT_NE(GetWindowLongPtrA(wnd, GWL_STYLE) & ES_READONLY, 0) << "the native edit is read-only itself";
    SetClipboardText(Form->GetHandle(), "999");
    ASSERT_EQ(ClipboardText(), "999");
    SendMessageA(wnd, EM_SETSEL, 0, -1);
    const auto unchanged = [&](const char* what) { EXPECT_EQ(edit->GetText(), "200") << what; };

    for (const char ch : {'5', '\b', char(24) /* Ctrl+X */, char(22) /* Ctrl+V */, char(26) /* Ctrl+Z */}) {
        SendMessageA(wnd, WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 0);
        unchanged("character");
    }
    for (const WPARAM key : {WPARAM(VK_DELETE), WPARAM(VK_BACK)}) {
        SendMessageA(wnd, WM_KEYDOWN, key, 0);
        unchanged("key");
    }
    {
        TShiftHeld shift;
        SendMessageA(wnd, WM_KEYDOWN, VK_INSERT, 0);
        unchanged("Shift+Insert");
        SendMessageA(wnd, WM_KEYDOWN, VK_DELETE, 0);
        unchanged("Shift+Delete");
    }
    for (const UINT msg : {UINT(WM_PASTE), UINT(WM_CUT), UINT(WM_CLEAR), UINT(WM_UNDO), UINT(EM_UNDO)}) {
        SendMessageA(wnd, msg, 0, 0);
        unchanged("message");
    }
    SendMessageA(wnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("1"));
    unchanged("EM_REPLACESEL");
    SendMessageA(wnd, EM_SETREADONLY, FALSE, 0);
    EXPECT_NE(GetWindowLongPtrA(wnd, GWL_STYLE) & ES_READONLY, 0) << "stays read-only";

    // What the context menu's Paste does reaches the native procedure
    // directly: the native read-only style refuses it there too.
    WNDCLASSEXA nativeClass{};
    nativeClass.cbSize = sizeof(nativeClass);
    ASSERT_TRUE(GetClassInfoExA(nullptr, "EDIT", &nativeClass));
    CallWindowProcA(nativeClass.lpfnWndProc, wnd, WM_PASTE, 0, 0);
    CallWindowProcA(nativeClass.lpfnWndProc, wnd, WM_CUT, 0, 0);
    CallWindowProcA(nativeClass.lpfnWndProc, wnd, WM_CLEAR, 0, 0);
    unchanged("native procedure");
    EXPECT_EQ(ClipboardText(), "200") << "cutting copied without removing";

    SetClipboardText(Form->GetHandle(), "999");
    SendMessageA(wnd, EM_SETSEL, 0, -1);
    SendMessageA(wnd, WM_CHAR, 3, 0);  // Ctrl+C
    EXPECT_EQ(ClipboardText(), "200");

    // The game's own writes still go in.
    edit->SetText("150");
    EXPECT_EQ(edit->GetText(), "150");
}

TEST_F(SkinEdit, EnterAndEscapeNeverReachTheNativeEditAndRaiseKeyPress) {
    LoadZevrak();
    auto* edit = AddEdit(true, "12");
    edit->SetReadOnly(false);
    std::string pressed;
    edit->SetOnKeyPress([&](TComponent*, char& key) { pressed += key; });
    HWND wnd = edit->GetHandle();
    SendMessageA(wnd, EM_SETSEL, 2, 2);
    SendMessageA(wnd, WM_CHAR, '\r', 0);
    SendMessageA(wnd, WM_CHAR, '\n', 0);
    SendMessageA(wnd, WM_CHAR, 27, 0);
    SendMessageA(wnd, WM_CHAR, '3', 0);
    EXPECT_EQ(edit->GetText(), "123");
    EXPECT_EQ(pressed, std::string("\r\n\x1b" "3"));
    // A paste goes in; one of several lines is refused whole by the native
    // edit (it would not fit the field's one line), so no line break enters.
    SetClipboardText(Form->GetHandle(), "45");
    SendMessageA(wnd, EM_SETSEL, 0, -1);
    SendMessageA(wnd, WM_CHAR, 22, 0);  // Ctrl+V
    EXPECT_EQ(edit->GetText(), "45");
    SetClipboardText(Form->GetHandle(), "67\r\n89");
    SendMessageA(wnd, EM_SETSEL, 0, -1);
    SendMessageA(wnd, WM_PASTE, 0, 0);
    EXPECT_EQ(edit->GetText(), "45");
    // Tab, Enter and Escape stay the form's.
    MSG enter{wnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    const LRESULT code = SendMessageA(wnd, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter));
    EXPECT_EQ(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB), 0);
    EXPECT_NE(code & DLGC_WANTCHARS, 0);
}

// The frame painted into memory is the record's composition at the
// window's width; with no text the client shows the same pixels, since its
// background is the client part of the same composition.
TEST_F(SkinEdit, PaintedFrameEqualsTheCompositionOfItsRecord) {
    LoadZevrak();
    auto* edit = AddEdit(true, "");
    for (const int width : {82, 57, 140}) {
        edit->SetBounds(63, 29, width, 19);
        TbsBitmap expected, printed;
        Compose(kSkinRect, width, expected);
        PrintWhole(*edit, printed);
        ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); },
                     TestName() + "." + std::to_string(width));

        // WM_PRINT of frame and client gives the same.
        FillCanvas(printed, width, 21);
        SendMessageA(edit->GetHandle(), WM_PRINT, WPARAM(printed.DC()), PRF_NONCLIENT | PRF_CLIENT);
        GdiFlush();
        ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); },
                     TestName() + ".print." + std::to_string(width));
    }
    // The frame-only request leaves the text area as it was.
    edit->SetBounds(63, 29, 82, 19);
    TbsBitmap expected, printed;
    Compose(kSkinRect, 82, expected);
    FillCanvas(printed, 82, 21);
    EXPECT_EQ(SendMessageA(edit->GetHandle(), WM_PAINTCONTROLTODC, WPARAM(printed.DC()), kPaintControlToDcFrame),
              kPaintControlToDcFrame);
    GdiFlush();
    ExpectPixels(
        printed,
        [&](int x, int y) { return PtInRect(Rect(4, 3, 78, 18), Point(x, y)) ? kWhite : *expected.PixelPtr(x, y); },
        TestName() + ".frameOnly");
    // Another second parameter, or no context: nothing painted.
    FillCanvas(printed, 82, 21);
    EXPECT_EQ(SendMessageA(edit->GetHandle(), WM_PAINTCONTROLTODC, WPARAM(printed.DC()), 1), 0);
    EXPECT_EQ(SendMessageA(edit->GetHandle(), WM_PAINTFRAMETODC, 0, 0), 0);
    GdiFlush();
    EXPECT_EQ(CountPixels(printed, kWhite), 82 * 21);
}

// What a person sees: the shown window, read back from the screen once its
// frame and client have been painted by the window system's own messages.
TEST_F(SkinEdit, ShownFieldShowsTheSkinFrameAndBackgroundOnScreen) {
    LoadZevrak();
    auto* edit = AddEdit(true, "");
    Form->Show();
    ::SetFocus(nullptr);  // the form gave its only control the focus: this is the look without it
    TbsBitmap expected, shot;
    Compose(kSkinRect, 82, expected);
    FillCanvas(shot, 82, 21);
    const auto capture = [&] {
        RECT window{};
        GetWindowRect(edit->GetHandle(), &window);
        TWindowDc screen(nullptr);
        BitBlt(shot.DC(), 0, 0, 82, 21, screen.Get(), window.left, window.top, SRCCOPY);
        GdiFlush();
    };
    const auto matches = [&] {
        capture();
        for (const TPoint p : {Point(0, 0), Point(40, 1), Point(81, 20), Point(40, 9), Point(77, 17)})
            if (Rgb(*shot.PixelPtr(p.X, p.Y)) != Rgb(*expected.PixelPtr(p.X, p.Y))) return false;
        return true;
    };
    EXPECT_TRUE(PumpUntil(matches, 3000));
    ExpectPixels(shot, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName());

    // New text shows over the same background.
    edit->SetText("8888");
    EXPECT_TRUE(PumpUntil(
        [&] {
            capture();
            return CountPixels(shot, PixelOf(kFontColor)) > 3;
        },
        3000));
    EXPECT_EQ(Rgb(*shot.PixelPtr(60, 9)), Rgb(*expected.PixelPtr(60, 9)));
}

TEST_F(SkinEdit, NativeTextIsDrawnTransparentlyInTheFontColour) {
    LoadZevrak();
    auto* edit = AddEdit(true, "");
    TbsBitmap empty, withText, background;
    PrintClient(*edit, empty);
    edit->SetText("8888");
    PrintClient(*edit, withText);
    // The background around the digits is the skin's; the digits are silver.
    int changed = 0;
    for (int y = 0; y < withText.Height(); ++y)
        for (int x = 0; x < withText.Width(); ++x) {
            if (Rgb(*withText.PixelPtr(x, y)) == Rgb(*empty.PixelPtr(x, y))) continue;
            ++changed;
            EXPECT_LT(x, 40) << "only the digits change, at the left: " << y;
        }
    EXPECT_GT(changed, 10);
    EXPECT_GT(CountPixels(withText, PixelOf(kFontColor)), 3);
    EXPECT_EQ(Rgb(*withText.PixelPtr(60, 7)), Rgb(*empty.PixelPtr(60, 7)));
}

TEST_F(SkinEdit, EraseOutsideTheBufferPaintsNothingSoSettingTextDoesNotFlicker) {
    LoadZevrak();
    auto* edit = AddEdit(true);
    TbsBitmap canvas;
    FillCanvas(canvas, 74, 15);
    EXPECT_EQ(SendMessageA(edit->GetHandle(), WM_ERASEBKGND, WPARAM(canvas.DC()), 0), 1);
    GdiFlush();
    EXPECT_EQ(CountPixels(canvas, kWhite), 74 * 15) << "no fill before the text is drawn";

    // A read-only field takes the game's text and shows it.
    TbsBitmap before, after;
    PrintClient(*edit, before);
    edit->SetText("175");
    EXPECT_EQ(edit->GetText(), "175");
    PrintClient(*edit, after);
    int changed = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 74; ++x) changed += Rgb(*before.PixelPtr(x, y)) != Rgb(*after.PixelPtr(x, y));
    EXPECT_GT(changed, 0);
}

TEST_F(SkinEdit, HoverTurnsTheTextWhiteAndLeavingRestoresItWithinOneTick) {
    LoadZevrak();
    auto* edit = AddEdit(true, "8888");
    HWND wnd = edit->GetHandle();
    const TPoint inside = ScreenCentre(wnd);
    bool entered = false, left = false;
    edit->SetOnMouseEnter([&](TComponent*) { entered = true; });
    edit->SetOnMouseLeave([&](TComponent*) { left = true; });
    {
        TSystemHooksOverride hooks(PointerOver(wnd, inside));
        EXPECT_EQ(HitTest(wnd, inside), HTCLIENT);
        EXPECT_TRUE(edit->IsMouseOver());
        EXPECT_TRUE(entered);
        EXPECT_EQ(edit->Font().GetColor(), kActiveFontColor);
        EXPECT_TRUE(edit->TimerRunning(tidEditHover));
        // The frame takes the active rectangle; the digits are white.
        TbsBitmap expected, printed, client;
        Compose(kActiveRect, 82, expected);
        FillCanvas(printed, 82, 21);
        SendMessageA(wnd, WM_PAINTCONTROLTODC, WPARAM(printed.DC()), kPaintControlToDcFrame);
        GdiFlush();
        EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), Rgb(*expected.PixelPtr(0, 0)));
        EXPECT_EQ(Rgb(*printed.PixelPtr(40, 1)), Rgb(*expected.PixelPtr(40, 1)));
        EXPECT_EQ(Rgb(*printed.PixelPtr(81, 20)), Rgb(*expected.PixelPtr(81, 20)));
        PrintClient(*edit, client);
        EXPECT_GT(CountPixels(client, PixelOf(kActiveFontColor)), 3);
        // A tick while the pointer stays: still hovered.
        SendMessageA(wnd, WM_TIMER, tidEditHover, 0);
        EXPECT_TRUE(edit->IsMouseOver());
        // A native timer id is not ours: the hover is untouched.
        SendMessageA(wnd, WM_TIMER, 1, 0);
        EXPECT_TRUE(edit->IsMouseOver());
    }
    TSystemHooksOverride away(PointerOver(Form->GetHandle(), Point(0, 0)));
    SendMessageA(wnd, WM_TIMER, tidEditHover, 0);
    EXPECT_FALSE(edit->IsMouseOver());
    EXPECT_TRUE(left);
    EXPECT_EQ(edit->Font().GetColor(), kFontColor);
    EXPECT_FALSE(edit->TimerRunning(tidEditHover));
    TbsBitmap client;
    PrintClient(*edit, client);
    EXPECT_EQ(CountPixels(client, PixelOf(kActiveFontColor)), 0);
    EXPECT_GT(CountPixels(client, PixelOf(kFontColor)), 3);
}

TEST_F(SkinEdit, FocusTakesTheActiveColourUntilItGoes) {
    LoadZevrak();
    auto* edit = AddEdit(true);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }, 2000));
    EXPECT_EQ(edit->Font().GetColor(), kActiveFontColor);
    TbsBitmap expected, printed;
    Compose(kActiveRect, 82, expected);
    FillCanvas(printed, 82, 21);
    SendMessageA(edit->GetHandle(), WM_PAINTCONTROLTODC, WPARAM(printed.DC()), kPaintControlToDcFrame);
    GdiFlush();
    EXPECT_EQ(Rgb(*printed.PixelPtr(40, 1)), Rgb(*expected.PixelPtr(40, 1)));
    // Hovering and leaving while focused keeps the focus colour.
    {
        TSystemHooksOverride hooks(PointerOver(edit->GetHandle(), ScreenCentre(edit->GetHandle())));
        HitTest(edit->GetHandle(), ScreenCentre(edit->GetHandle()));
    }
    TSystemHooksOverride away(PointerOver(Form->GetHandle(), Point(0, 0)));
    SendMessageA(edit->GetHandle(), WM_TIMER, tidEditHover, 0);
    EXPECT_EQ(edit->Font().GetColor(), kActiveFontColor);
    ::SetFocus(nullptr);  // the form itself would hand the focus back to its only control
    ASSERT_TRUE(PumpUntil([&] { return !edit->Focused(); }, 2000));
    EXPECT_EQ(edit->Font().GetColor(), kFontColor);
}

TEST_F(SkinEdit, AFocusedReadOnlyFieldHasNoBlinkingCaretAWritableOneHas) {
    LoadZevrak();
    auto* edit = AddEdit(true);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    const auto caretWindow = [] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetCurrentThreadId(), &info);
        return info.hwndCaret;
    };
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }, 2000));
    EXPECT_EQ(caretWindow(), nullptr);
    EXPECT_EQ(SendMessageA(edit->GetHandle(), EM_GETSEL, 0, 0), MAKELRESULT(0, 3)) << "the focus shows as the selection";
    edit->Font().SetHeight(-15);  // the native edit makes its caret again
    EXPECT_EQ(caretWindow(), nullptr);

    edit->SetReadOnly(false);
    ::SetFocus(nullptr);
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }, 2000));
    EXPECT_EQ(caretWindow(), edit->GetHandle());
}

TEST_F(SkinEdit, DisabledFieldDrawsItsTextInTheDisabledColourOverTheNormalBackground) {
    LoadZevrak();
    auto* edit = AddEdit(true, "");
    TbsBitmap background, printed;
    PrintClient(*edit, background);
    edit->SetText("8888");
    edit->SetEnabled(false);
    // Hovered or not, the background stays the normal one.
    TSystemHooksOverride hooks(PointerOver(Form->GetHandle(), Point(0, 0)));
    PrintClient(*edit, printed);
    EXPECT_GT(CountPixels(printed, PixelOf(kDisabledFontColor)), 3);
    EXPECT_EQ(CountPixels(printed, PixelOf(kFontColor)), 0);
    for (int y = 0; y < 15; ++y)
        for (int x = 45; x < 74; ++x)
            ASSERT_EQ(Rgb(*printed.PixelPtr(x, y)), Rgb(*background.PixelPtr(x, y))) << x << ", " << y;
}

TEST_F(SkinEdit, UnboundFieldDrawsATwoPixelFrameAroundDefaultColorAndSizesToItsFont) {
    auto* edit = AddEdit(false, "");
    const TColor fill = 0x00336699;
    edit->SetDefaultColor(fill);
    TEXTMETRICA metrics{};
    {
        TWindowDc screen(nullptr);
        TSelectObject font(screen.Get(), edit->Font().GetHandle());
        GetTextMetricsA(screen.Get(), &metrics);
    }
    EXPECT_EQ(edit->GetHeight(), metrics.tmHeight + 6);
    const int W = edit->GetWidth(), H = edit->GetHeight();
    EXPECT_EQ(edit->GetClientRect(), Rect(0, 0, W - 4, H - 4));
    TbsBitmap printed;
    PrintWhole(*edit, printed);
    const std::uint32_t shadow = PixelOf(clBtnShadow), face = PixelOf(clBtnFace), inside = PixelOf(fill);
    ExpectPixels(
        printed,
        [&](int x, int y) {
            if (x == 0 || y == 0 || x == W - 1 || y == H - 1) return shadow;
            if (x == 1 || y == 1 || x == W - 2 || y == H - 2) return face;
            return inside;
        },
        TestName());
    // The font is DefaultFont, black.
    EXPECT_EQ(edit->Font().GetName(), "Tahoma");
    EXPECT_EQ(edit->Font().GetColor(), clBlack);
    // DefaultHeight decides when set.
    edit->SetDefaultHeight(30);
    EXPECT_EQ(edit->GetHeight(), 30);
}

TEST_F(SkinEdit, ButtonModeClicksWhenPressedAndReleasedOnTheButton) {
    auto* edit = AddEdit(false, "");
    edit->SetDefaultHeight(22);
    edit->SetBounds(10, 10, 100, 22);
    edit->SetButtonMode(true);
    HWND wnd = edit->GetHandle();
    EXPECT_EQ(edit->GetClientRect(), Rect(0, 0, 74, 18));
    EXPECT_EQ(edit->ButtonArea(), Rect(80, 2, 98, 20));
    int clicks = 0;
    edit->SetOnButtonClick([&](TComponent*) { ++clicks; });
    RECT window{};
    GetWindowRect(wnd, &window);
    const TPoint onButton = Point(window.left + 88, window.top + 10);
    EXPECT_EQ(HitTest(wnd, onButton), HTBORDER);
    SendMessageA(wnd, WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(onButton.X, onButton.Y));
    EXPECT_TRUE(edit->IsButtonDown());
    // Released on the button (client coordinates): one click.
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(88 - 2, 10 - 2));
    EXPECT_FALSE(edit->IsButtonDown());
    EXPECT_EQ(clicks, 1);
    // Released elsewhere: none.
    SendMessageA(wnd, WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(onButton.X, onButton.Y));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(clicks, 1);
    // Disabled: the press is refused.
    edit->SetEnabled(false);
    SendMessageA(wnd, WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(onButton.X, onButton.Y));
    EXPECT_FALSE(edit->IsButtonDown());
}

// Writes a copy of the built-in skin whose "edit" record uses the active
// rectangle as its normal one; returns the INI file's path.
std::string WriteAlteredZevrak() {
    namespace fs = std::filesystem;
    const fs::path from = fs::path(RDZ_SOURCE_DIR) / "skins" / "Zevrak";
    const fs::path to = fs::temp_directory_path() / "rdz-skinedit-zevrak";
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
    std::stringstream text;
    text << std::ifstream(to / "Zevrak.ini", std::ios::binary).rdbuf();
    std::string ini = text.str();
    const std::string old = "\nskinrect=225,98,282,119";
    const std::size_t at = ini.find(old);
    if (at == std::string::npos) return {};
    ini.replace(at, old.size(), "\nskinrect=225,121,282,142");
    std::ofstream(to / "Zevrak.ini", std::ios::binary) << ini;
    return (to / "Zevrak.ini").string();
}

// Paints itself into memory when the manager announces a load, between
// the before-change and change messages.
class TProbeEdit : public TbsSkinEdit {
public:
    using TbsSkinEdit::TbsSkinEdit;
    void PrepareSkinChange() override {
        TbsSkinEdit::PrepareSkinChange();
        FillCanvas(DuringLoad, GetWidth(), GetHeight());
        SendMessageA(GetHandle(), WM_PAINTFRAMETODC, WPARAM(DuringLoad.DC()), 0);
        GdiFlush();
        ++Prepared;
    }
    TbsBitmap DuringLoad;
    int Prepared = 0;
};

TEST_F(SkinEdit, SkinReloadPaintsFromTheNewSkinAndPlainlyInBetween) {
    LoadZevrak();
    auto* edit = new TProbeEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(63, 29, 82, 19);
    edit->SetSkinData(Manager);
    TbsBitmap printed;
    PrintWhole(*edit, printed);  // the old skin's pictures are in the cache now

    // Another manager's messages are not this edit's.
    TbsSkinData other(nullptr);
    edit->Perform(WM_SKINCHANGEBEGIN, WPARAM(&other), 0);
    EXPECT_EQ(edit->Prepared, 0);
    EXPECT_NE(edit->GetSkinRecordIndex(), -1);

    // A real reload of a changed skin through the form's walk: during the
    // load the edit draws plainly; after it, from the new record, while the
    // old pictures are gone.
    const std::string altered = WriteAlteredZevrak();
    ASSERT_FALSE(altered.empty());
    auto* stored = new TbsCompressedStoredSkin(Owner.get());
    stored->LoadFromIniFile(altered);
    Manager->LoadCompressedStoredSkin(stored);
    ASSERT_FALSE(Manager->GetEmpty());
    ASSERT_EQ(edit->Prepared, 1);
    EXPECT_EQ(Rgb(*edit->DuringLoad.PixelPtr(0, 0)), Rgb(PixelOf(clBtnShadow)));
    EXPECT_EQ(Rgb(*edit->DuringLoad.PixelPtr(1, 1)), Rgb(PixelOf(clBtnFace)));
    EXPECT_EQ(Rgb(*edit->DuringLoad.PixelPtr(40, 10)), Rgb(PixelOf(clWindow)));
    EXPECT_EQ(edit->EditSkin().SkinRect, kActiveRect);
    EXPECT_EQ(edit->GetHeight(), 21);
    TbsBitmap expected;
    Compose(kActiveRect, 82, expected);
    PrintWhole(*edit, printed);
    ExpectPixels(printed, [&](int x, int y) { return *expected.PixelPtr(x, y); }, TestName());
    std::filesystem::remove_all(std::filesystem::path(altered).parent_path());
}

TEST_F(SkinEdit, PaintingHoveringAndReloadingLeaveNoHandleBehind) {
    LoadZevrak();
    auto* edit = AddEdit(true, "8888");
    HWND wnd = edit->GetHandle();
    TbsBitmap printed;
    PrintWhole(*edit, printed);
    PrintClient(*edit, printed);
    const long bitmaps = LiveHandleCount(THandleKind::Bitmap), dcs = LiveHandleCount(THandleKind::Dc),
               brushes = LiveHandleCount(THandleKind::Brush), fonts = LiveHandleCount(THandleKind::Font),
               timers = LiveHandleCount(THandleKind::Timer);
    for (int i = 0; i < 5; ++i) {
        {
            TSystemHooksOverride hooks(PointerOver(wnd, ScreenCentre(wnd)));
            HitTest(wnd, ScreenCentre(wnd));
            PrintWhole(*edit, printed);
        }
        TSystemHooksOverride away(PointerOver(Form->GetHandle(), Point(0, 0)));
        SendMessageA(wnd, WM_TIMER, tidEditHover, 0);
        PrintWhole(*edit, printed);
        PrintClient(*edit, printed);
        SendMessageA(wnd, WM_PRINT, WPARAM(printed.DC()), PRF_NONCLIENT | PRF_CLIENT);
        edit->SetEnabled(i % 2 == 0);
        PrintClient(*edit, printed);
    }
    edit->SetEnabled(true);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), brushes);
    EXPECT_EQ(LiveHandleCount(THandleKind::Font), fonts);
    EXPECT_EQ(LiveHandleCount(THandleKind::Timer), timers);
}

TEST_F(SkinEdit, LayoutPropertiesReachTheEditAndItBindsWhenLoaded) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    const TClassInfo* info = classes.Find("TbsSkinEdit");
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(bool(info->Create));
    for (const char* name : {"SkinData", "SkinDataName", "DefaultColor", "DefaultFont.Name", "UseSkinFont",
                             "DefaultWidth", "DefaultHeight", "ButtonMode", "OnButtonClick", "Alignment",
                             "AutoSelect", "ReadOnly", "Text", "MaxLength"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;

    // A new edit's defaults.
    std::unique_ptr<TComponent> made(info->Create(nullptr));
    auto* fresh = dynamic_cast<TbsSkinEdit*>(made.get());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetSkinDataName(), "edit");
    EXPECT_EQ(fresh->GetDefaultColor(), clWindow);
    EXPECT_TRUE(fresh->GetUseSkinFont());
    EXPECT_FALSE(fresh->GetButtonMode());
    EXPECT_TRUE(fresh->GetAutoSelect());
    EXPECT_EQ(fresh->DefaultFont().GetName(), "Tahoma");
    EXPECT_EQ(fresh->DefaultFont().GetHeight(), 13);

    // The table window's stored settings, read while loading: the skin is
    // taken in Loaded.
    LoadZevrak();
    auto* edit = new TbsSkinEdit(Form.get());
    edit->SetParent(Form.get());
    edit->BeginLoading();
    info->FindProperty("Left")->SetValue(*edit, TLayoutValue::OfInteger(63));
    info->FindProperty("Top")->SetValue(*edit, TLayoutValue::OfInteger(29));
    info->FindProperty("Width")->SetValue(*edit, TLayoutValue::OfInteger(82));
    info->FindProperty("Height")->SetValue(*edit, TLayoutValue::OfInteger(19));
    info->FindProperty("Text")->SetValue(*edit, TLayoutValue::OfString("200"));
    info->FindProperty("ReadOnly")->SetValue(*edit, TLayoutValue::OfBool(true));
    info->FindProperty("SkinDataName")->SetValue(*edit, TLayoutValue::OfString("edit"));
    info->FindProperty("ButtonMode")->SetValue(*edit, TLayoutValue::OfBool(false));
    info->FindProperty("SkinData")->SetReference(*edit, Manager);
    EXPECT_EQ(edit->GetSkinRecordIndex(), -1) << "not bound while loading";
    edit->Loaded();
    EXPECT_NE(edit->GetSkinRecordIndex(), -1);
    EXPECT_EQ(edit->GetHeight(), 21);
    EXPECT_EQ(edit->GetText(), "200");
    EXPECT_TRUE(edit->GetReadOnly());

    // The character set comes from the manager's resource strings when it has them.
    EXPECT_EQ(edit->Font().GetCharset(), edit->DefaultFont().GetCharset());
    auto* strings = new TbsResourceStrData(Owner.get());
    strings->SetCharSet(162);  // Turkish
    Manager->SetResourceStrData(strings);
    edit->ApplySkinChange();
    EXPECT_EQ(edit->Font().GetCharset(), 162);
}

}  // namespace
