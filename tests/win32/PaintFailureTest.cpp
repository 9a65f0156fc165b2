// A skinned control whose paint raises, on a shown form: the error is shown
// once however often the control is uncovered and repaints, the control
// draws plainly from then on, and the next skin change lets its own paint
// run again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "skin/controls/SkinPanel.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// A skinned panel whose paint needs a picture the platform cannot make
// while Failing.
class TFailingPanel : public TbsSkinPanel {
public:
    using TbsSkinPanel::TbsSkinPanel;
    bool Failing = true;
    int Paints = 0;

protected:
    void Paint(TCanvas& canvas) override {
        ++Paints;
        if (Failing) {
            TbsBitmap huge;
            huge.SetSize(100000, 100000);  // raises kCantAllocateDib
        }
        TbsSkinPanel::Paint(canvas);
    }
};

class PaintFailure : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        SavedHandler = Application().OnException;
        // What an error box does when it closes over the control: the
        // control is uncovered and paints again (a paint that fails every
        // time would go on for ever: the count tells after twenty).
        Application().OnException = [this](const std::string& text) {
            Shown.push_back(text);
            if (Shown.size() < 20 && Panel && Panel->HandleAllocated())
                InvalidateRect(Panel->GetHandle(), nullptr, TRUE);
        };
        LoadZevrak();
        Panel = new TFailingPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 120, 60);
        Panel->SetSkinData(Manager);
    }
    void TearDown() override {
        Application().OnException = SavedHandler;
        TSkinControlFixture::TearDown();
    }
    // Nothing is waiting to be painted in the panel any more.
    bool Settled() const { return !GetUpdateRect(Panel->GetHandle(), nullptr, FALSE); }
    std::uint32_t ScreenPixel(int x, int y) const {
        TWindowDc dc(Panel->GetHandle());
        const COLORREF c = GetPixel(dc.Get(), x, y);
        return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
    }

    std::function<void(const std::string&)> SavedHandler;
    std::vector<std::string> Shown;
    TFailingPanel* Panel = nullptr;  // owned by Form
};

TEST_F(PaintFailure, ShownOnceThenPlainUntilTheNextSkinChange) {
    Form->Show();
    ASSERT_TRUE(PumpUntil([this] { return !Shown.empty() && Settled(); }, 3000))
        << "the failing paint came back again and again: " << Shown.size() << " errors shown";
    const int paints = Panel->Paints;
    for (int i = 0; i < 3; ++i) RedrawWindow(Panel->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0], kCantAllocateDib);
    EXPECT_EQ(Panel->Paints, paints) << "the failed paint is not tried again";
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ScreenPixel(60, 30), MakePixel(GetRValue(face), GetGValue(face), GetBValue(face)))
        << "the plain panel: the button face";

    // A skin change runs the control's own paint again: still failing, it
    // is told once more.
    LoadZevrak();
    ASSERT_TRUE(PumpUntil([this] { return Shown.size() == 2 && Settled(); }, 3000)) << Shown.size();
    EXPECT_GT(Panel->Paints, paints);
    Panel->Failing = false;
    LoadZevrak();
    ASSERT_TRUE(PumpUntil([this] { return Settled(); }, 3000));
    const int healed = Panel->Paints;
    RedrawWindow(Panel->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Panel->Paints, healed + 1) << "its own paint runs again";
    EXPECT_EQ(Shown.size(), 2u);
}

}  // namespace
