// What the framework offers the controls for painting and structure:
// WM_PRINTCLIENT, the parent's image behind a control (also on a memory
// bitmap), the adjusted client area of aligned children, the depth-first
// walk and the broadcast, the messages relayed to child controls, and the
// system's own messages kept from native window procedures.
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/portable/AppMessages.h"
#include "skin/paint/TbsBitmap.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/FormFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

using FrameworkStructure = TFormFixture;

constexpr std::uint32_t kGreen = MakePixel(0, 255, 0);
constexpr std::uint32_t kYellow = MakePixel(255, 255, 0);
constexpr std::uint32_t kMagenta = MakePixel(255, 0, 255);

// A windowed control filled with one colour.
class TSolid : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::uint32_t Pixel = kGreen;

protected:
    void Paint(TCanvas& canvas) override {
        canvas.Brush().SetColor(RGBColor(PixelR(Pixel), PixelG(Pixel), PixelB(Pixel)));
        canvas.FillRect(GetClientRect());
    }
};

// A windowless control that draws a larger magenta picture from (-10, -10)
// through the in-memory bitmap path: only its bounds may show.
class TPictureSpot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void Paint(TCanvas& canvas) override {
        TbsBitmap picture;
        FillCanvas(picture, GetWidth() + 20, GetHeight() + 20, kMagenta);
        picture.Draw(canvas, -10, -10);
    }
};

// A container whose face is a checker of 4-pixel squares, red on even,
// blue on odd, in its client coordinates.
std::uint32_t Checker(int x, int y) { return ((x / 4 + y / 4) % 2) ? MakePixel(0, 0, 255) : MakePixel(255, 0, 0); }

class TCheckerPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint(TCanvas& canvas) override {
        const TRect client = GetClientRect();
        for (int y = 0; y < client.Bottom; y += 4)
            for (int x = 0; x < client.Right; x += 4) {
                const std::uint32_t p = Checker(x, y);
                canvas.Brush().SetColor(RGBColor(PixelR(p), PixelG(p), PixelB(p)));
                canvas.FillRect(Bounds(x, y, 4, 4));
            }
    }
};

TEST_F(FrameworkStructure, PrintClientPaintsTheControlAndItsWindowlessChildren) {
    auto* panel = Add<TSolid>(Form.get(), Bounds(10, 10, 60, 40));
    auto* spot = Add<TPictureSpot>(panel, Bounds(20, 10, 15, 12));
    (void)spot;
    TbsBitmap target;
    FillCanvas(target, 60, 40);
    SendMessageA(panel->GetHandle(), WM_PRINTCLIENT, WPARAM(target.DC()), PRF_CLIENT);
    GdiFlush();
    ExpectPixels(
        target, [](int x, int y) { return x >= 20 && x < 35 && y >= 10 && y < 22 ? kMagenta : kGreen; }, TestName());
}

TEST_F(FrameworkStructure, ParentImageShowsWhatLiesBelowInTheControlListNotTheWindowOrder) {
    auto* parent = Add<TCheckerPanel>(Form.get(), Bounds(5, 5, 200, 150));
    auto* below = Add<TSolid>(parent, Bounds(10, 10, 30, 20));          // windowed, below
    auto* spot = Add<TPictureSpot>(parent, Bounds(40, 40, 12, 9));       // windowless, below
    auto* control = Add<TCustomControl>(parent, Bounds(20, 15, 60, 45));
    auto* above = Add<TSolid>(parent, Bounds(50, 20, 30, 10));          // windowed, above
    above->Pixel = kYellow;
    auto* spotAbove = Add<TPictureSpot>(parent, Bounds(25, 45, 10, 10));  // windowless, above
    auto* hidden = Add<TSolid>(parent, Bounds(22, 35, 10, 5));
    hidden->SetVisible(false);
    (void)spot;
    (void)spotAbove;
    parent->HandleNeeded();
    // Tab order puts the upper window first in the window order.
    above->SetTabOrder(0);
    below->SetTabOrder(3);
    ASSERT_EQ(GetWindow(parent->GetHandle(), GW_CHILD), above->GetHandle());

    const long regions = LiveHandleCount(THandleKind::Region), dcs = LiveHandleCount(THandleKind::Dc);
    TbsBitmap target;
    FillCanvas(target, 60, 45);
    control->DrawParentImage(target.DC());
    GdiFlush();
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs + 1) << "only the target's own";
    ExpectPixels(
        target,
        [](int x, int y) {
            const int px = x + 20, py = y + 15;  // the parent's coordinates
            if (PtInRect(Bounds(10, 10, 30, 20), Point(px, py))) return kGreen;
            if (PtInRect(Bounds(40, 40, 12, 9), Point(px, py))) return kMagenta;
            return Checker(px, py);
        },
        TestName());
    POINT org{};
    GetViewportOrgEx(target.DC(), &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_EQ(org.y, 0);
    TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(target.DC(), clip.Get()), 0) << "no clip left behind";

    Form->DrawParentImage(target.DC());  // a form has no parent: nothing, no failure
}

// The same drawing on a memory bitmap, whose pixels TbsBitmap writes
// itself, and on a platform section, where GDI draws: equal pixels under a
// moved origin and a clip with a hole.
TEST(TbsBitmapDrawTarget, MemoryTargetHonoursOriginsAndClipAsGdiDoes) {
    TbsBitmap source;
    FillCanvas(source, 8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) *source.PixelPtr(x, y) = MakePixel(std::uint8_t(x * 30), std::uint8_t(y * 40), 7);
    auto paint = [&](HDC dc) {
        TSaveDc save(dc);
        SetViewportOrgEx(dc, 5, 3, nullptr);
        SetWindowOrgEx(dc, 1, 2, nullptr);
        IntersectClipRect(dc, 0, 0, 14, 11);
        ExcludeClipRect(dc, 4, 4, 7, 6);
        source.Draw(dc, Rect(-2, -1, 14, 11), Rect(0, 0, 8, 6));  // enlarged two by two
        source.Draw(dc, 9, 8);
    };
    TbsBitmap memory;
    FillCanvas(memory, 24, 20);
    paint(memory.DC());
    TBitmap section(24, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) section.ScanLine(y)[x] = kWhite;
    paint(section.Canvas().GetHandle());
    GdiFlush();
    ExpectPixels(memory, [&](int x, int y) { return section.ScanLine(y)[x]; }, TestName());
    // Device = logical + (4, 1): the clip starts at (4, 1), the hole at (8, 5).
    EXPECT_EQ(Rgb(*memory.PixelPtr(3, 2)), Rgb(kWhite)) << "left of the clip";
    EXPECT_EQ(Rgb(*memory.PixelPtr(8, 5)), Rgb(kWhite)) << "in the hole";
    EXPECT_EQ(Rgb(*memory.PixelPtr(4, 1)), Rgb(*source.PixelPtr(1, 0))) << "first pixel inside";
}

TEST_F(FrameworkStructure, AlignedChildrenShareTheAdjustedClientArea) {
    // A container whose children keep off its 5-pixel frame and 20-pixel caption.
    struct TFramed : TCustomControl {
        using TCustomControl::TCustomControl;
        void AdjustClientRect(TRect& r) override { r = Rect(r.Left + 5, r.Top + 20, r.Right - 5, r.Bottom - 5); }
    };
    auto* frame = Add<TFramed>(Form.get(), Bounds(10, 10, 200, 120));
    auto* top = Add<TPanel>(frame, Bounds(0, 0, 10, 30));
    top->SetAlign(TAlign::alTop);
    auto* rest = Add<TPanel>(frame, Bounds(0, 0, 10, 10));
    rest->SetAlign(TAlign::alClient);
    EXPECT_EQ(top->GetBoundsRect(), Rect(5, 20, 195, 50));
    EXPECT_EQ(rest->GetBoundsRect(), Rect(5, 50, 195, 115));
    frame->SetBounds(10, 10, 100, 40);  // too small for what it holds: nothing goes negative
    EXPECT_EQ(top->GetBoundsRect(), Rect(5, 20, 95, 50));
    EXPECT_EQ(rest->GetBoundsRect(), Rect(5, 50, 95, 50));
}

// Records what reaches it by direct dispatch.
class TListening : public TLabel {
public:
    using TLabel::TLabel;
    std::vector<UINT> Seen;
    LRESULT Perform(UINT msg, WPARAM, LPARAM) override {
        Seen.push_back(msg);
        return 1;
    }
};

// Records what reaches its window procedure.
class TListeningPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<UINT> Seen;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_PARENTBGCHANGED) Seen.push_back(msg);
        return TPanel::WndProc(msg, wParam, lParam);
    }
};

TEST_F(FrameworkStructure, WalkVisitsDepthFirstAndBroadcastReachesEveryChildOnly) {
    auto* outer = Add<TListeningPanel>(Form.get(), Bounds(0, 0, 200, 150));
    outer->SetName("outer");
    auto* label = Add<TListening>(outer, Bounds(0, 0, 10, 10));
    label->SetName("label");
    auto* inner = Add<TListeningPanel>(outer, Bounds(10, 10, 100, 100));
    inner->SetName("inner");
    auto* deep = Add<TListening>(inner, Bounds(0, 0, 10, 10));
    deep->SetName("deep");
    auto* deepEdit = Add<TEdit>(inner, Bounds(0, 20, 50, 21));
    deepEdit->SetName("deepEdit");
    auto* last = Add<TEdit>(Form.get(), Bounds(0, 160, 50, 21));
    last->SetName("last");

    std::vector<std::string> order;
    Form->ForEachControl([&](TControl& c) { order.push_back(c.GetName()); });
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "label", "inner", "deep", "deepEdit", "last"}));
    EXPECT_EQ(Form->FindControl([](TControl& c) { return dynamic_cast<TEdit*>(&c) != nullptr; }), deepEdit);
    EXPECT_EQ(Form->FindControl([](TControl&) { return false; }), nullptr);

    // A control freed during the walk is not visited, nor its children.
    order.clear();
    Form->ForEachControl([&](TControl& c) {
        order.push_back(c.GetName());
        if (&c == label) delete inner;
    });
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "label", "last"}));

    // Broadcast: windowless children by direct dispatch, windowed ones
    // through their window, grandchildren not at all.
    auto* windowed = Add<TListeningPanel>(outer, Bounds(0, 0, 5, 5));
    auto* grandchild = Add<TListening>(windowed, Bounds(0, 0, 5, 5));
    windowed->HandleNeeded();
    outer->Broadcast(WM_PARENTBGCHANGED, 0, 0);
    EXPECT_EQ(label->Seen, (std::vector<UINT>{WM_PARENTBGCHANGED}));
    EXPECT_EQ(windowed->Seen, (std::vector<UINT>{WM_PARENTBGCHANGED}));
    EXPECT_TRUE(grandchild->Seen.empty());
    EXPECT_TRUE(outer->Seen.empty());

    // Before any window exists, windowed children are dispatched to directly.
    TPanel detached(nullptr);
    TListeningPanel unmade(nullptr);
    unmade.SetParent(&detached);
    detached.Broadcast(WM_PARENTBGCHANGED, 0, 0);
    EXPECT_FALSE(unmade.HandleAllocated());
    EXPECT_EQ(unmade.Seen, (std::vector<UINT>{WM_PARENTBGCHANGED}));
}

// ---- messages relayed to child controls ---------------------------------------------

// A system class registered by the test: it records the messages that reach it.
std::vector<std::pair<UINT, WPARAM>>& NativeSeen() {
    static std::vector<std::pair<UINT, WPARAM>> seen;
    return seen;
}

LRESULT CALLBACK RecordingNativeProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER || msg >= WM_USER) NativeSeen().push_back({msg, wParam});
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

class TNativeWrapper : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        static bool registered = [] {
            WNDCLASSA wc{};
            wc.style = CS_GLOBALCLASS;  // found as system classes are
            wc.lpfnWndProc = RecordingNativeProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "RdzTestNativeRecorder";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        params.SystemClassName = "RdzTestNativeRecorder";
    }
};

TEST_F(FrameworkStructure, OurMessageNumbersNeverReachANativeProcedure) {
    auto* wrapper = Add<TNativeWrapper>(Form.get(), Bounds(0, 0, 20, 20));
    HWND wnd = wrapper->GetHandle();
    NativeSeen().clear();
    for (UINT msg : {WM_SKINCHANGEBEGIN, WM_SKINLOADED, WM_SKINCHANGEEND, WM_PARENTBGCHANGED, WM_SKINNABLEFORMCHANGED})
        SendMessageA(wnd, msg, 0, 0);
    wrapper->Perform(WM_SKINLOADED, 0, 1000);
    SendMessageA(wnd, WM_USER + 5, 0, 0);  // any other message goes on
    SendMessageA(wnd, WM_TIMER, 7, 0);     // a timer the object does not own
    EXPECT_EQ(NativeSeen(), (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 5, 0}, {WM_TIMER, 7}}));
}

// An owner-drawn list: measured while its window is made, drawn later.
class TOwnerDrawList : public TWinControl {
public:
    using TWinControl::TWinControl;
    int Measured = 0;
    std::vector<UINT> Drawn;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.SystemClassName = "LISTBOX";
        params.Style |= LBS_OWNERDRAWFIXED | LBS_NOTIFY;
    }
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override {
        ++Measured;
        item.itemHeight = 23;
        return true;
    }
    bool OnDrawItem(DRAWITEMSTRUCT& item) override {
        Drawn.push_back(item.itemID);
        return true;
    }
};

// A scroll bar control that reports its parent's scroll messages.
class TBar : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<std::string> Log;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.SystemClassName = "SCROLLBAR";
        params.Style |= SBS_VERT;
    }
    bool OnScroll(bool vertical, WORD code, int position) override {
        Log.push_back(std::string(vertical ? "v " : "h ") + std::to_string(code) + " " + std::to_string(position));
        return true;
    }
};

TEST_F(FrameworkStructure, OwnerDrawAndScrollMessagesReachTheChildControl) {
    auto* list = Add<TOwnerDrawList>(Form.get(), Bounds(0, 0, 100, 80));
    HWND wnd = list->GetHandle();
    EXPECT_GE(list->Measured, 1) << "measured by its id while being made";
    EXPECT_EQ(SendMessageA(wnd, LB_GETITEMHEIGHT, 0, 0), 23);
    SendMessageA(wnd, LB_ADDSTRING, 0, LPARAM("zero"));
    SendMessageA(wnd, LB_ADDSTRING, 0, LPARAM("one"));
    TbsBitmap target;
    FillCanvas(target, 100, 80);
    SendMessageA(wnd, WM_PRINTCLIENT, WPARAM(target.DC()), PRF_CLIENT);
    EXPECT_EQ(list->Drawn, (std::vector<UINT>{0, 1}));

    auto* bar = Add<TBar>(Form.get(), Bounds(120, 0, 17, 80));
    SendMessageA(Form->GetHandle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17), LPARAM(bar->GetHandle()));
    SendMessageA(Form->GetHandle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), LPARAM(bar->GetHandle()));
    EXPECT_EQ(bar->Log, (std::vector<std::string>{"v 4 17", "h 1 0"}));
}

}  // namespace
