// The layered border around a skinned test form with the built-in skin:
// the four strip windows, where they go and how they follow the form, the
// strips' pixels against the layer picture, and the switches that remove
// and bring back the border.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/form/SkinForm.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/portable/CompositionPixels.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

class FormLayerBorder : public TSkinControlFixture {
protected:
    void SetUp() override {
        TSkinControlFixture::SetUp();
        Form->SetText("Layer border test");
        Form->SetClientWidth(775);
        Form->SetClientHeight(306);
        Frame = new TbsSkinForm(Form.get());  // the form owns it
        LoadZevrak();
        Frame->SetSkinData(Manager);
        SetWindowPos(Wnd(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND Wnd() const { return Form->GetHandle(); }
    TbsFormLayerBorder& Border() const { return Frame->LayerBorder(); }
    void Show() {
        ShowWindow(Wnd(), SW_SHOWNORMAL);
        ASSERT_TRUE(PumpUntil([this] { return Border().Shown(); }, 5000));
    }
    TRect FormRect() const {
        RECT r{};
        GetWindowRect(Wnd(), &r);
        return TRect{r.left, r.top, r.right, r.bottom};
    }
    static TRect WindowRectOf(HWND wnd) {
        RECT r{};
        GetWindowRect(wnd, &r);
        return TRect{r.left, r.top, r.right, r.bottom};
    }
    // Every window of the border's class in the process.
    static std::vector<HWND> LayerWindows() {
        std::vector<HWND> found;
        HWND wnd = nullptr;
        while ((wnd = FindWindowExA(nullptr, wnd, bsFormLayerWindowClass, nullptr)) != nullptr) found.push_back(wnd);
        return found;
    }

    TbsSkinForm* Frame = nullptr;  // owned by Form
};

TEST_F(FormLayerBorder, FourLayeredMouseTransparentWindowsSurroundTheShownForm) {
    EXPECT_FALSE(Border().Shown()) << "nothing while the form is hidden";
    EXPECT_TRUE(LayerWindows().empty());
    Show();
    const TRect form = FormRect();
    ASSERT_EQ(form.Width(), 777);
    ASSERT_EQ(form.Height(), 333);
    EXPECT_EQ(Border().LayerRect(), (TRect{form.Left - 14, form.Top - 14, form.Right + 16, form.Bottom + 15}));
    ASSERT_EQ(LayerWindows().size(), 4u);
    const TRect top = WindowRectOf(Border().Window(lsTop)), bottom = WindowRectOf(Border().Window(lsBottom));
    const TRect left = WindowRectOf(Border().Window(lsLeft)), right = WindowRectOf(Border().Window(lsRight));
    EXPECT_EQ(top, (TRect{form.Left - 14, form.Top - 14, form.Right + 16, form.Top + 15}));
    EXPECT_EQ(bottom, (TRect{form.Left - 14, form.Bottom + 15 - 24, form.Right + 16, form.Bottom + 15}));
    EXPECT_EQ(left, (TRect{form.Left - 14, form.Top + 15, form.Left, form.Bottom + 15 - 24}));
    EXPECT_EQ(right, (TRect{form.Right, form.Top + 15, form.Right + 16, form.Bottom + 15 - 24}));
    for (HWND wnd : LayerWindows()) {
        const LONG_PTR ex = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
        EXPECT_TRUE(ex & WS_EX_LAYERED);
        EXPECT_TRUE(ex & WS_EX_TRANSPARENT) << "the built-in skin's border takes no mouse";
        EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
        EXPECT_TRUE(IsWindowVisible(wnd));
        EXPECT_EQ(SendMessageA(wnd, WM_MOUSEACTIVATE, WPARAM(Wnd()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
                  MA_NOACTIVATE);
        EXPECT_EQ(SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(form.Left - 5, form.Top + 100)), HTTRANSPARENT);
    }
}

// The border's four windows cost as much to make and show as the form: they
// come once the form and its controls have painted, so that the window
// itself appears as soon as it can.
TEST_F(FormLayerBorder, ComesOnlyOnceTheShownFormHasPainted) {
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_FALSE(Border().Shown()) << "not while showing the form";
    int paints = 0;
    bool paintedWithBorder = false;
    const bool shown = PumpUntil(
        [&] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_PAINT && (msg.hwnd == Wnd() || IsChild(Wnd(), msg.hwnd))) {
                    ++paints;
                    if (Border().Shown()) paintedWithBorder = true;
                }
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
                if (Border().Shown()) return true;
            }
            return Border().Shown();
        },
        5000);
    ASSERT_TRUE(shown) << "the border came";
    EXPECT_GT(paints, 0);
    EXPECT_FALSE(paintedWithBorder);
    EXPECT_EQ(LayerWindows().size(), 4u);

    // Hidden before it came, it does not come at all.
    ShowWindow(Wnd(), SW_HIDE);
    EXPECT_FALSE(Border().Shown());
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    ShowWindow(Wnd(), SW_HIDE);
    PumpFor(300);
    EXPECT_FALSE(Border().Shown());
}

TEST_F(FormLayerBorder, StripsAreThePiecesOfTheLayerPicture) {
    Show();
    const TbsDataSkinLayerFrame& frame = Manager->GetSkin().FDefinition.LayerFrameData;
    ASSERT_TRUE(frame.FActiveLayerImage);
    const TPixelView picture = ViewOf(*frame.FActiveLayerImage);
    const TRect layer = Border().LayerRect();
    struct Side {
        TbsLayerSide side;
        TSkinBlits blits;
    };
    const TbsLayerBorderMetrics& m = Border().Metrics();
    const Side sides[] = {{lsTop, LayerTopPieceBlits(m, layer.Width(), layer.Height())},
                          {lsBottom, LayerBottomPieceBlits(m, layer.Width(), layer.Height())},
                          {lsLeft, LayerLeftPieceBlits(m, layer.Width(), layer.Height())},
                          {lsRight, LayerRightPieceBlits(m, layer.Width(), layer.Height())}};
    for (const Side& s : sides) {
        const TbsBitmap& piece = Border().Piece(s.side);
        ASSERT_FALSE(piece.Empty()) << "side " << s.side;
        TPixelBuffer expected(piece.Width(), piece.Height());
        DrawSkinBlits(ViewOf(expected), picture, s.blits);
        int wrong = 0;
        for (int y = 0; y < piece.Height(); ++y)
            for (int x = 0; x < piece.Width(); ++x)
                if (*piece.PixelPtr(x, y) != expected.At(x, y) && wrong++ == 0)
                    ADD_FAILURE() << "side " << s.side << " differs first at " << x << ", " << y;
        EXPECT_EQ(wrong, 0) << "side " << s.side;
    }
    // The top-left corner is the picture's own corner, alpha and all.
    EXPECT_EQ(*Border().Piece(lsTop).PixelPtr(3, 3), picture.At(3, 3));
}

TEST_F(FormLayerBorder, FollowsAMoveAResizeAndTheZOrder) {
    Show();
    SetWindowPos(Wnd(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRectOf(Border().Window(lsTop)).Left, 286);
    EXPECT_EQ(WindowRectOf(Border().Window(lsTop)).Top, 186);
    EXPECT_EQ(WindowRectOf(Border().Window(lsRight)).Left, 300 + 777);
    SetWindowPos(Wnd(), nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const TRect form = FormRect();
    EXPECT_EQ(Border().LayerRect().Width(), form.Width() + 30);
    EXPECT_EQ(Border().LayerRect().Height(), form.Height() + 29);
    EXPECT_EQ(Border().Piece(lsTop).Width(), form.Width() + 30);
    EXPECT_EQ(WindowRectOf(Border().Window(lsLeft)).Height(), form.Height() + 29 - 29 - 24);
    // Each strip window lies just below the form.
    SetForegroundWindow(Wnd());
    SetWindowPos(Wnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (HWND wnd : LayerWindows()) {
        bool belowForm = false;
        for (HWND w = GetWindow(wnd, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
            if (w == Wnd()) belowForm = true;
        EXPECT_TRUE(belowForm) << "a strip window lies above the form";
    }
}

TEST_F(FormLayerBorder, ActivationSwitchesTheState) {
    Show();
    SendMessageA(Wnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Border().ShowActive());
    EXPECT_EQ(Border().CurrentAlpha(), 255) << "the built-in skin's inactive alpha";
    SendMessageA(Wnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(Border().ShowActive());
    Frame->LayerBorderSetAlpha(128, true);
    EXPECT_EQ(Border().ActiveAlpha(), 128);
    EXPECT_EQ(Border().InActiveAlpha(), 128);
}

TEST_F(FormLayerBorder, HiddenWhileMaximisedMinimisedOrHiddenAndBackAfter) {
    Show();
    const TRect before = FormRect();
    ShowWindow(Wnd(), SW_MAXIMIZE);
    EXPECT_FALSE(Border().Shown()) << "a maximised form has no border";
    ShowWindow(Wnd(), SW_RESTORE);
    ASSERT_TRUE(Border().Shown());
    EXPECT_EQ(Border().LayerRect().Left, FormRect().Left - 14);
    EXPECT_EQ(FormRect(), before);
    ShowWindow(Wnd(), SW_MINIMIZE);
    EXPECT_FALSE(Border().Shown());
    ShowWindow(Wnd(), SW_RESTORE);
    EXPECT_TRUE(Border().Shown());
    ShowWindow(Wnd(), SW_HIDE);
    EXPECT_FALSE(Border().Shown());
    EXPECT_TRUE(LayerWindows().empty());
}

TEST_F(FormLayerBorder, ShowLayeredBordersSuspendAndSkinChangesRemoveAndBringItBack) {
    Show();
    Manager->SetShowLayeredBorders(false);
    PumpUntil([this] { return !Border().Shown(); }, 2000);
    EXPECT_FALSE(Border().Shown());
    Manager->SetShowLayeredBorders(true);
    EXPECT_TRUE(PumpUntil([this] { return Border().Shown(); }, 2000));

    SendMessageA(Wnd(), WM_SUSPENDLAYERBORDER, 0, 0);
    EXPECT_FALSE(Border().Shown());
    EXPECT_TRUE(Frame->LayerBorderSuspended());
    ShowWindow(Wnd(), SW_HIDE);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    EXPECT_FALSE(Border().Shown()) << "suspended stays suspended";
    SendMessageA(Wnd(), WM_RESUMELAYERBORDER, 0, 0);
    ASSERT_TRUE(Border().Shown());
    EXPECT_TRUE(Border().Fading());
    EXPECT_EQ(Border().CurrentAlpha(), 0) << "fades in from transparent";
    for (int i = 0; i < 20 && Border().Fading(); ++i) Border().FadeStep();
    EXPECT_FALSE(Border().Fading());
    EXPECT_EQ(Border().CurrentAlpha(), 255);

    // A skin change takes the border down and puts it back.
    LoadZevrak();
    EXPECT_TRUE(PumpUntil([this] { return Border().Shown(); }, 2000));
    EXPECT_EQ(LayerWindows().size(), 4u);
}

TEST_F(FormLayerBorder, ShowingAndHidingLeavesNoHandles) {
    Show();
    ShowWindow(Wnd(), SW_HIDE);
    const long windows = LiveHandleCount(THandleKind::Window), bitmaps = LiveHandleCount(THandleKind::Bitmap),
               dcs = LiveHandleCount(THandleKind::Dc);
    // Showing a window waits for the display server's answer: a few rounds.
    for (int i = 0; i < 4; ++i) {
        ShowWindow(Wnd(), SW_SHOWNORMAL);
        SetWindowPos(Wnd(), nullptr, 0, 0, 700 + i, 340 + i, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(Wnd(), SW_HIDE);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Window), windows);
    EXPECT_EQ(LiveHandleCount(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(LiveHandleCount(THandleKind::Dc), dcs);
}

// A side with no height left keeps no picture, and its window stays hidden
// whatever puts the border below the form again (an activation); hiding
// the border frees all four strips.
TEST_F(FormLayerBorder, StripsWithoutHeightOrHiddenKeepNoPictureAndNeverShow) {
    Show();
    ASSERT_FALSE(Border().Piece(lsLeft).Empty());
    // A live resize to a form 20 high: the top and bottom strips take it all.
    const TRect form = FormRect();
    Border().SetLayerBounds(TRect{form.Left, form.Top, form.Right, form.Top + 20});
    ASSERT_TRUE(Border().Shown());
    ASSERT_LE(Border().LayerRect().Height(), 29 + 24) << "the top and bottom strips take the whole height";
    const TbsLayerSide sides[] = {lsLeft, lsRight};
    for (TbsLayerSide side : sides) {
        EXPECT_TRUE(Border().Piece(side).Empty()) << "side " << side << " kept its old picture";
        EXPECT_FALSE(IsWindowVisible(Border().Window(side))) << "side " << side;
    }
    SendMessageA(Wnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(Wnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    for (TbsLayerSide side : sides)
        EXPECT_FALSE(IsWindowVisible(Border().Window(side))) << "side " << side << " shown again after an activation";
    EXPECT_TRUE(IsWindowVisible(Border().Window(lsTop)));

    ShowWindow(Wnd(), SW_HIDE);
    ASSERT_FALSE(Border().Shown());
    for (TbsLayerSide side : {lsLeft, lsTop, lsRight, lsBottom})
        EXPECT_TRUE(Border().Piece(side).Empty()) << "side " << side << " kept its picture after hiding";
}

TEST_F(FormLayerBorder, AFormWithoutABorderOrASkinHasNone) {
    Form->SetBorderStyle(TFormBorderStyle::bsNone);
    ShowWindow(Wnd(), SW_SHOWNORMAL);
    PumpFor(50);
    EXPECT_FALSE(Border().Shown());
    EXPECT_FALSE(Frame->LayerBorderUsed());
}

// Counts the layered updates, then performs them.
int gLayeredUpdates = 0;
TUpdateLayeredWindowFunc gRealLayeredUpdate = nullptr;
BOOL WINAPI CountingUpdate(HWND wnd, HDC dst, POINT* pos, SIZE* size, HDC src, POINT* srcPos, COLORREF key,
                           BLENDFUNCTION* blend, DWORD flags) {
    ++gLayeredUpdates;
    return gRealLayeredUpdate(wnd, dst, pos, size, src, srcPos, key, blend, flags);
}

TEST_F(FormLayerBorder, AnUpdateThatChangesNothingSendsNothingAndARedrawSendsEachStripOnce) {
    Show();
    gRealLayeredUpdate = LayeredApi().UpdateLayeredWindow;
    TLayeredApiFunctions counting = LayeredApi();
    counting.UpdateLayeredWindow = CountingUpdate;
    TLayeredApiOverride count(counting);
    gLayeredUpdates = 0;
    Border().UpdateLayer();
    EXPECT_EQ(gLayeredUpdates, 0) << "same bounds, same pictures";
    Border().RedrawLayer();
    EXPECT_EQ(gLayeredUpdates, 4);
    // A new size builds and sends the strips again, and they fit it.
    gLayeredUpdates = 0;
    SetWindowPos(Wnd(), nullptr, 0, 0, 800, 340, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(gLayeredUpdates, 4);
    const TRect form = FormRect();
    EXPECT_EQ(Border().LayerRect(), (TRect{form.Left - 14, form.Top - 14, form.Right + 16, form.Bottom + 15}));
    EXPECT_EQ(Border().Piece(lsTop).Width(), form.Width() + 30);
    // Hidden and shown again: the strips are built afresh.
    ShowWindow(Wnd(), SW_HIDE);
    ASSERT_FALSE(Border().Shown());
    Show();
    EXPECT_EQ(Border().Piece(lsTop).Width(), form.Width() + 30);
}

// The desktop's blur calls, recorded: the window, the flags, and a copy of
// the region (the caller keeps its own).
struct TBlurCall {
    HWND Window;
    DWORD Flags;
    BOOL Enable;
    TRegionHandle Region;
};
std::vector<TBlurCall> gBlurCalls;
BOOL gCompositionOn = TRUE;
HRESULT WINAPI FakeCompositionEnabled(BOOL* on) {
    *on = gCompositionOn;
    return S_OK;
}
HRESULT WINAPI RecordBlur(HWND wnd, const TbsBlurBehind* blur) {
    TRegionHandle copy;
    if (blur->hRgnBlur) {
        copy.Reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(copy.Get(), blur->hRgnBlur, nullptr, RGN_COPY);
    }
    gBlurCalls.push_back({wnd, blur->dwFlags, blur->fEnable, std::move(copy)});
    return S_OK;
}

TEST_F(FormLayerBorder, WithDesktopCompositionEachStripIsBlurredWhereTheBlurMaskIsBlack) {
    gBlurCalls.clear();
    gCompositionOn = TRUE;
    TLayeredApiFunctions composed = LayeredApi();
    composed.DwmIsCompositionEnabled = FakeCompositionEnabled;
    composed.DwmEnableBlurBehindWindow = RecordBlur;
    TLayeredApiOverride api(composed);
    TPlatformVersionOverride vista({6, 0});
    // The layer picture's own mask serves as the blur mask, less the top
    // strip's left 10 columns.
    auto& frame = const_cast<TbsDataSkinLayerFrame&>(Manager->GetSkin().FDefinition.LayerFrameData);
    frame.BlurMaskPictureIndex = frame.MaskPictureIndex;
    frame.ExcludeBlurMaskRect = TRect{0, 0, 10, 29};
    Border().LoadSkin(Manager);
    Show();

    const TPixelBuffer* mask = SkinPicture(Manager, frame.MaskPictureIndex);
    ASSERT_NE(mask, nullptr);
    const auto black = [&](int x, int y) { return (mask->At(x, y) & 0xFFFFFF) == 0; };
    ASSERT_FALSE(gBlurCalls.empty());
    const TBlurCall* top = nullptr;
    for (const TBlurCall& call : gBlurCalls) {
        EXPECT_EQ(call.Flags, 3u) << "enable, with a region";
        EXPECT_TRUE(call.Enable);
        ASSERT_NE(call.Region.Get(), nullptr);
        if (call.Window == Border().Window(lsTop)) top = &call;
    }
    ASSERT_NE(top, nullptr) << "the top strip is blurred";
    // The strip's left corner is the picture's own (not stretched): blurred
    // exactly where the mask is black and outside the excluded columns.
    int inside = 0, outside = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool expected = black(x, y) && x >= 10;
            EXPECT_EQ(PtInRegion(top->Region.Get(), x, y) != FALSE, expected) << x << ", " << y;
            (expected ? inside : outside) += 1;
        }
    EXPECT_GT(inside, 0);
    EXPECT_GT(outside, 0);

    // The manager's switch takes the blur away, and a translucent form has none.
    gBlurCalls.clear();
    Manager->SetAeroBlurEnabled(false);
    PumpFor(20);
    EXPECT_TRUE(Border().Shown());
    EXPECT_TRUE(gBlurCalls.empty());
    EXPECT_EQ(Border().BlurRegion(lsTop), nullptr);
    Manager->SetAeroBlurEnabled(true);
    PumpFor(20);
    EXPECT_NE(Border().BlurRegion(lsTop), nullptr);
    Frame->SetAlphaBlend(true);
    Border().HideLayer();
    Border().ShowLayer();
    EXPECT_EQ(Border().BlurRegion(lsTop), nullptr) << "no blur behind a translucent form";
    Frame->SetAlphaBlend(false);

    // Without composition there is no blur at all.
    gCompositionOn = FALSE;
    gBlurCalls.clear();
    Border().LoadSkin(Manager);
    Border().ShowLayer();
    EXPECT_TRUE(Border().Shown());
    EXPECT_TRUE(gBlurCalls.empty());
    frame.BlurMaskPictureIndex = -1;
    frame.ExcludeBlurMaskRect = TRect{};
}

}  // namespace
