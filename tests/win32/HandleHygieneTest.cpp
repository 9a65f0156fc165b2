// Creating and destroying things gives back every handle. GetGuiResources
// is a stub under wine, so the owners' own counters are compared, and one
// loop runs long enough to pass wine's limit of 16384 GDI handles if a
// single object leaked per turn.
#include "game/Unit1.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

#include "tests/win32/WindowTestSupport.h"

namespace {

constexpr THandleKind kKinds[] = {THandleKind::Window, THandleKind::Dc,     THandleKind::Bitmap,
                                  THandleKind::Font,   THandleKind::Brush,  THandleKind::Pen,
                                  THandleKind::Region, THandleKind::Timer,  THandleKind::Icon};
constexpr const char* kKindNames[] = {"window", "dc", "bitmap", "font", "brush", "pen", "region", "timer", "icon"};
constexpr std::size_t kKindCount = std::size(kKinds);

std::array<long, kKindCount> Counts() {
    std::array<long, kKindCount> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = LiveHandleCount(kKinds[i]);
    return counts;
}

void ExpectSameCounts(const std::array<long, kKindCount>& before, const std::array<long, kKindCount>& after) {
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << kKindNames[i] << " handles";
}

// Every window is made but none is shown: under wine without a window
// manager, hiding a shown top-level window waits two seconds.
void PlayOnce() {
    TForm1 form(nullptr);
    form.HandleNeeded();
    form.bsSkinButton1->Click();  // timers on, texts changed
    form.Timer2Timer(form.Timer2);
    // Paint everything that paints itself, the graphic controls with it.
    for (TWinControl* c : {static_cast<TWinControl*>(&form), static_cast<TWinControl*>(form.bsSkinGroupBox1),
                           static_cast<TWinControl*>(form.bsSkinStatusPanel1),
                           static_cast<TWinControl*>(form.bsSkinGauge1)}) {
        SendMessageA(c->GetHandle(), WM_PAINT, 0, 0);
    }
    form.bsSkinEdit1->RecreateWnd();
}

TEST(HandleHygiene, TableWindowMadeAndDestroyedHundredTimesGivesBackEveryHandle) {
    Application().Initialize();
    PlayOnce();  // first use loads libraries and registers classes once
    PumpFor(20);
    Application().ResetTerminated();
    auto before = Counts();
    for (int i = 0; i < 100; ++i) PlayOnce();
    PumpFor(20);
    Application().ResetTerminated();
    ExpectSameCounts(before, Counts());
    EXPECT_EQ(Application().GetFormCount(), 0);
}

TEST(HandleHygiene, DrawingObjectsPastTheGdiLimitStillWork) {
    auto before = Counts();
    // 17000 turns each making a bitmap, a memory DC, a font, a pen and a
    // brush: one leaked object per turn would exhaust wine's 16384 and make
    // the checks below fail.
    for (int i = 0; i < 17000; ++i) {
        TBitmap bmp(8, 8);
        TCanvas& c = bmp.Canvas();
        c.Font().SetHeight(-10 - (i % 5));
        c.Pen().SetColor(TColor(i));
        c.Brush().SetColor(TColor(i * 7));
        c.Rectangle(Rect(0, 0, 8, 8));
        c.TextOut(0, 0, "x");
    }
    ExpectSameCounts(before, Counts());
    TBitmap last(16, 16);
    last.Canvas().Brush().SetColor(clWhite);
    last.Canvas().FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(last.ScanLine(15)[15] & 0xFFFFFF, 0xFFFFFFu);
    HFONT font = last.Canvas().Font().GetHandle();
    EXPECT_NE(font, nullptr);
}

}  // namespace
