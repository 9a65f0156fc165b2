// The component framework on real windows: lazy creation, window hooks,
// graphic controls' mouse events, alignment, timers, the message pump, the
// exception handler, canvas and bitmap, and the picture decoder.
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Jpeg.h"
#include "platform/Resources.h"
#include "platform/StdCtrls.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutText.h"
#include "tests/win32/FormFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

using Framework = TFormFixture;

// Records the messages it sees, and swallows WM_USER + 1.
class TRecordingHook : public TWindowHook {
public:
    TRecordingHook(TWinControl& c, std::vector<std::string>& log, std::string name)
        : TWindowHook(c), FLog(log), FName(std::move(name)) {}

protected:
    LRESULT HookWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER + 1) {
            FLog.push_back(FName);
            return 100;
        }
        if (msg == WM_USER + 2) FLog.push_back(FName);
        return CallPrevious(msg, wParam, lParam);
    }

private:
    std::vector<std::string>& FLog;
    std::string FName;
};

class TCountingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int UserMessages = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER + 1 || msg == WM_USER + 2) {
            ++UserMessages;
            return 7;
        }
        return TCustomControl::WndProc(msg, wParam, lParam);
    }
};

TEST_F(Framework, WindowsAreCreatedOnFirstNeedParentsFirst) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    auto* edit = new TEdit(Form.get());
    edit->SetParent(panel);
    edit->SetBounds(5, 6, 50, 20);
    edit->SetText("abc");
    EXPECT_FALSE(Form->HandleAllocated());
    EXPECT_FALSE(edit->HandleAllocated());
    HWND wnd = edit->GetHandle();  // makes the form and the panel first
    EXPECT_TRUE(Form->HandleAllocated());
    EXPECT_EQ(GetParent(wnd), panel->GetHandle());
    EXPECT_EQ(TWinControl::FromHandle(wnd), edit);
    char text[16] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    EXPECT_STREQ(text, "abc");

    // Recreating keeps what the user typed and gives a new window.
    SetWindowTextA(wnd, "typed");
    edit->RecreateWnd();
    EXPECT_NE(edit->GetHandle(), nullptr);
    EXPECT_EQ(edit->GetText(), "typed");
    EXPECT_EQ(TWinControl::FromHandle(edit->GetHandle()), edit);
}

TEST_F(Framework, HooksRunInFrontAndComeOutInAnyOrder) {
    auto* control = new TCountingControl(Form.get());
    control->SetParent(Form.get());
    HWND wnd = control->GetHandle();
    std::vector<std::string> log;
    auto first = std::make_unique<TRecordingHook>(*control, log, "first");
    auto second = std::make_unique<TRecordingHook>(*control, log, "second");
    EXPECT_EQ(SendMessageA(wnd, WM_USER + 1, 0, 0), 100);  // the newest hook answers
    EXPECT_EQ(control->UserMessages, 0);
    SendMessageA(wnd, WM_USER + 2, 0, 0);  // passed along the whole chain
    EXPECT_EQ(log, (std::vector<std::string>{"second", "second", "first"}));
    EXPECT_EQ(control->UserMessages, 1);

    first.reset();  // taken out from behind
    log.clear();
    EXPECT_EQ(SendMessageA(wnd, WM_USER + 1, 0, 0), 100);
    EXPECT_EQ(log, (std::vector<std::string>{"second"}));
    second.reset();  // the window procedure is the control's own again
    EXPECT_EQ(SendMessageA(wnd, WM_USER + 1, 0, 0), 7);
    EXPECT_EQ(control->UserMessages, 2);

    // A hook outliving its control is left detached, not dangling.
    auto late = std::make_unique<TRecordingHook>(*control, log, "late");
    delete control;
    EXPECT_EQ(late->GetControl(), nullptr);
}

TEST_F(Framework, GraphicControlsGetClicksAndEnterLeaveFromTheirParent) {
    auto* label = new TLabel(Form.get());
    label->SetParent(Form.get());
    label->SetBounds(10, 10, 40, 20);
    std::vector<std::string> events;
    label->SetOnClick([&](TComponent*) { events.push_back("click"); });
    label->SetOnMouseEnter([&](TComponent*) { events.push_back("enter"); });
    label->SetOnMouseLeave([&](TComponent*) { events.push_back("leave"); });
    HWND wnd = Form->GetHandle();
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(21, 21));
    // Pressed inside, released outside: no click.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "click", "leave"}));
}

TEST_F(Framework, AlignedControlsFollowTheirParentsClientArea) {
    auto* bar = new TPanel(Form.get());
    bar->SetParent(Form.get());
    bar->SetBounds(0, 0, 10, 21);
    bar->SetAlign(TAlign::alBottom);
    auto* left = new TPanel(Form.get());
    left->SetParent(bar);
    left->SetBounds(0, 0, 50, 5);
    left->SetAlign(TAlign::alLeft);
    EXPECT_EQ(bar->GetBoundsRect(), Bounds(0, 179, 300, 21));
    EXPECT_EQ(left->GetBoundsRect(), Bounds(0, 0, 50, 21));
    Form->HandleNeeded();
    Form->SetClientHeight(250);
    EXPECT_EQ(bar->GetBoundsRect(), Bounds(0, 229, 300, 21));
}

TEST_F(Framework, TimerTicksPeriodicallyAndSwitchingOnRestartsThePeriod) {
    TTimer timer(nullptr);
    std::vector<DWORD> ticks;
    timer.SetInterval(300);
    timer.SetOnTimer([&](TComponent*) { ticks.push_back(GetTickCount()); });
    ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 2; }, 5000));
    timer.SetEnabled(false);
    PumpFor(400);
    std::size_t stopped = ticks.size();
    PumpFor(400);
    EXPECT_EQ(ticks.size(), stopped) << "no ticks while off";
    PumpFor(150);
    DWORD on = GetTickCount();
    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks.size() > stopped; }, 5000));
    EXPECT_GE(ticks[stopped] - on, 280u) << "a full period after switching on";
}

TEST_F(Framework, ProcessMessagesHandlesWhatIsQueuedAndStopsAtQuit) {
    auto* control = new TCountingControl(Form.get());
    control->SetParent(Form.get());
    HWND wnd = control->GetHandle();
    PostMessageA(wnd, WM_USER + 1, 0, 0);
    PostMessageA(wnd, WM_USER + 1, 0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(control->UserMessages, 2);
    EXPECT_FALSE(Application().GetTerminated());
    PostQuitMessage(0);
    Application().ProcessMessages();
    EXPECT_TRUE(Application().GetTerminated());
    PostMessageA(wnd, WM_USER + 1, 0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(control->UserMessages, 2) << "nothing is handled once the loop is to end";
    Application().ResetTerminated();
    Application().ProcessMessages();
    EXPECT_EQ(control->UserMessages, 3);
}

TEST_F(Framework, UncaughtHandlerErrorsReachTheExceptionHandlerAndTheLoopGoesOn) {
    auto saved = Application().OnException;
    std::vector<std::string> shown;
    Application().OnException = [&](const std::string& text) { shown.push_back(text); };
    auto* button = new TButton(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(10, 10, 80, 25);
    Form->Show();
    int clicks = 0;
    button->SetOnClick([&](TComponent*) {
        ++clicks;
        throw Exception("Bad thing");
    });
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    Application().OnException = saved;
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"Bad thing", "Bad thing"}));
}

TEST_F(Framework, MainFormCloseEndsTheLoopWithoutDestroyingTheWindow) {
    Application().SetMainForm(Form.get());
    Form->Show();
    HWND wnd = Form->GetHandle();
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    Application().Run();  // returns once the close has ended the loop
    EXPECT_TRUE(Application().GetTerminated());
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_EQ(Application().GetFormCount(), 1);
    Form.reset();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(Application().GetFormCount(), 0);
}

TEST_F(Framework, LayoutWithAnUndecodablePictureStillOpensTheWindow) {
    TLayoutNode layout = ParseLayoutText(R"(
        F: TForm {
          Caption = "Broken picture"
          ClientWidth = 120
          ClientHeight = 80
          Pic: TImage { Width = 50 Height = 40 Picture.Data = picture("TJPEGImage", hex("ffd8ffe000104a464946")) }
          Note: TLabel { Top = 50 Caption = "still here" }
        })",
                                         nullptr);
    int created = 0;
    Form->SetOnCreate([&](TComponent*) { ++created; });
    Form->ReadLayoutInto(layout);
    EXPECT_EQ(created, 1);
    auto* pic = dynamic_cast<TImage*>(Form->FindComponent("Pic"));
    ASSERT_NE(pic, nullptr);
    EXPECT_TRUE(pic->Picture().Empty());
    HWND wnd = Form->GetHandle();
    EXPECT_TRUE(IsWindow(wnd));
    SendMessageA(wnd, WM_PAINT, 0, 0);  // painting an empty picture draws nothing and fails nothing
    RECT rc{};
    GetClientRect(wnd, &rc);
    EXPECT_EQ(rc.right, 120);
}

TEST_F(Framework, LayoutErrorNamesTheControlAndLeavesNoWindow) {
    TLayoutNode layout = ParseLayoutText("F: TForm { B: TButton { Caption = 5 } }", nullptr);
    try {
        Form->ReadLayoutInto(layout);
        FAIL() << "a bad value was accepted";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("F.B (TButton), property \"Caption\""), std::string::npos) << e.what();
    }
    EXPECT_FALSE(Form->HandleAllocated());
}

TEST(Canvas, StretchDrawRepeatsPixelsWithoutBlending) {
    TBitmap source(2, 1);
    source.ScanLine(0)[0] = MakePixel(255, 0, 0);
    source.ScanLine(0)[1] = MakePixel(0, 0, 255);
    TBitmap target(4, 2);
    target.Canvas().StretchDraw(Rect(0, 0, 4, 2), source);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            std::uint32_t expected = x < 2 ? MakePixel(255, 0, 0) : MakePixel(0, 0, 255);
            EXPECT_EQ(target.ScanLine(y)[x] & 0xFFFFFF, expected) << "x " << x << " y " << y;
        }
    }
}

TEST(Canvas, ClipSaveLimitsDrawingAndRestores) {
    TBitmap bmp(10, 10);
    TCanvas& c = bmp.Canvas();
    {
        TClipSave save(c);
        c.IntersectClip(Rect(0, 0, 5, 10));
        c.Brush().SetColor(clWhite);
        c.FillRect(Rect(0, 0, 10, 10));
    }
    EXPECT_EQ(bmp.ScanLine(0)[4] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(bmp.ScanLine(0)[5] & 0xFFFFFF, 0u) << "outside the clip";
    c.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(bmp.ScanLine(0)[9] & 0xFFFFFF, 0xFFFFFFu) << "clip restored";
}

TEST(Canvas, ChangingTheBrushWhileSelectedDoesNotLeak) {
    long before = LiveHandleCount(THandleKind::Brush);
    {
        TBitmap bmp(4, 4);
        for (int i = 0; i < 50; ++i) {
            bmp.Canvas().Brush().SetColor(TColor(i));
            bmp.Canvas().FillRect(Rect(0, 0, 4, 4));
        }
        EXPECT_EQ(bmp.ScanLine(3)[3] & 0xFFFFFF, MakePixel(49, 0, 0));
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before);
}

TEST(Jpeg, TheEmbeddedTablePictureDecodesAtItsSize) {
    auto data = LoadRcData("TABLEJPG");
    ASSERT_TRUE(data.has_value());
    TPixelBuffer pixels;
    ASSERT_TRUE(DecodeJpeg(*data, pixels));
    EXPECT_EQ(pixels.Width, 565);
    EXPECT_EQ(pixels.Height, 239);
}

TEST(Jpeg, BadDataLeavesThePictureEmptyWithoutAborting) {
    auto data = LoadRcData("TABLEJPG");
    ASSERT_TRUE(data.has_value());
    std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {0xFF, 0xD8},                                                  // start marker only
        std::vector<std::uint8_t>(data->begin(), data->begin() + 300),  // header, no scan
        std::vector<std::uint8_t>(1000, 0x41),
    };
    for (const auto& bytes : bad) {
        TPixelBuffer pixels(3, 3);
        EXPECT_FALSE(DecodeJpeg(bytes, pixels)) << bytes.size() << " bytes";
        EXPECT_TRUE(pixels.Empty());
    }
    TImage image(nullptr);
    image.SetPictureData(MakeStoredPicture("TJPEGImage", {1, 2, 3}));
    EXPECT_TRUE(image.Picture().Empty());
    image.SetPictureData(MakeStoredPicture("TJPEGImage", *data));
    EXPECT_EQ(image.Picture().GetWidth(), 565);
}

}  // namespace
