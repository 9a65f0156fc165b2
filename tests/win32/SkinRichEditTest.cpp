// The skinned rich edit: no border and no native bars even with both
// styles, the record's font and colour only with SkinSupport, transparency
// over the parent and the wallpaper, the skin messages kept from the native
// control, and attached skinned bars following and driving its scrolling.
#include "skin/controls/SkinRichEdit.h"

#include <richedit.h>

#include <string>

#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// The form's top-left 120 x 120 pixels on the screen after a full repaint.
TPixelBuffer RepaintedCorner(HWND form) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    TBitmap shot(120, 120);
    TWindowDc dc(form);
    BitBlt(shot.Canvas().GetHandle(), 0, 0, 120, 120, dc.Get(), 0, 0, SRCCOPY);
    return shot.ToPixels();
}

class SkinRichEdit : public TSkinControlFixture {
protected:
    TbsSkinRichEdit* MakeEdit(int width = 81, int height = 89) {
        auto* edit = new TbsSkinRichEdit(Form.get());
        edit->SetParent(Form.get());
        edit->SetBounds(10, 10, width, height);
        return edit;
    }
    static std::string ManyLines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
        return text;
    }
};

TEST_F(SkinRichEdit, HasNoBorderAndNoNativeBarsEvenWithBothAndLongText) {
    TbsSkinRichEdit* edit = MakeEdit();
    EXPECT_EQ(edit->GetScrollBars(), TScrollStyle::ssBoth) << "the constructor's default";
    edit->SetText(ManyLines(60) + std::string(300, 'w'));
    HWND wnd = edit->GetHandle();
    RECT client{}, window{};
    GetClientRect(wnd, &client);
    GetWindowRect(wnd, &window);
    EXPECT_EQ(client.right, 81);
    EXPECT_EQ(client.bottom, 89);
    EXPECT_EQ(window.right - window.left, 81);
    EXPECT_FALSE(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    POINT corner{window.right - 3, window.bottom - 3};
    EXPECT_EQ(SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT)
        << "no scroll bar answers where one would be";
    // Still scrollable from the keyboard.
    SendMessageA(wnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(SkinRichEdit, RecordFontAndColourOnlyWithSkinSupport) {
    LoadZevrak();
    TbsSkinRichEdit* edit = MakeEdit();
    edit->Font().SetName("Arial");
    edit->Font().SetHeight(-67);
    edit->SetSkinData(Manager);
    ASSERT_GE(edit->GetSkinRecordIndex(), 0) << "the built-in skin has a rich edit record";
    EXPECT_EQ(edit->Font().GetName(), "Arial") << "SkinSupport off keeps the layout's font";
    EXPECT_EQ(edit->Font().GetHeight(), -67);
    EXPECT_EQ(edit->GetColor(), clWindow);

    edit->SetSkinSupport(true);
    EXPECT_EQ(edit->Font().GetName(), "Tahoma");
    EXPECT_EQ(edit->Font().GetHeight(), 13);
    EXPECT_EQ(edit->Font().GetColor(), 12632256);
    EXPECT_EQ(edit->GetColor(), 2302755);
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    SendMessageA(edit->GetHandle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, COLORREF(12632256)) << "the native control draws in the record's colour";

    // Unbound with SkinSupport: the defaults, applied as they are set.
    edit->SetSkinDataName("no such record");
    edit->ApplySkinChange();
    EXPECT_EQ(edit->GetSkinRecordIndex(), -1);
    EXPECT_EQ(edit->GetColor(), clWindow);
    edit->SetDefaultColor(0x00336699);
    EXPECT_EQ(edit->GetColor(), 0x00336699);
}

TEST_F(SkinRichEdit, SkinMessagesNeverReachTheNativeControl) {
    LoadZevrak();
    TbsSkinRichEdit* edit = MakeEdit();
    edit->SetSkinSupport(true);
    edit->SetSkinData(Manager);
    HWND wnd = edit->GetHandle();
    // To the native control 1226 would set its typography options.
    const LRESULT typography = SendMessageA(wnd, EM_GETTYPOGRAPHYOPTIONS, 0, 0);
    SendMessageA(wnd, WM_SKINCHANGEBEGIN, WPARAM(Manager), 0);
    EXPECT_EQ(edit->GetSkinRecordIndex(), -1) << "the binding is dropped until the change";
    SendMessageA(wnd, WM_SKINLOADED, WPARAM(Manager), TO_ADVANCEDTYPOGRAPHY);
    EXPECT_GE(edit->GetSkinRecordIndex(), 0);
    EXPECT_EQ(SendMessageA(wnd, EM_GETTYPOGRAPHYOPTIONS, 0, 0), typography);
    // Another manager's change leaves it alone.
    edit->SetDefaultColor(0x00123456);
    SendMessageA(wnd, WM_SKINCHANGEBEGIN, WPARAM(0x1234), 0);
    EXPECT_GE(edit->GetSkinRecordIndex(), 0);
}

TEST_F(SkinRichEdit, TransparentShowsTheParentAroundItsText) {
    Form->SetColor(TColor(RGB(200, 30, 30)));
    TbsSkinRichEdit* edit = MakeEdit();
    edit->SetReadOnly(true);
    edit->SetTransparent(true);
    edit->Font().SetName("Arial");
    edit->Font().SetHeight(-67);
    edit->SetText("8");
    EXPECT_TRUE(GetWindowLongPtrA(edit->GetHandle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    Form->Show();
    HWND form = Form->GetHandle();
    SetForegroundWindow(form);
    const std::uint32_t red = MakePixel(200, 30, 30);
    TPixelBuffer pixels;
    ASSERT_TRUE(PumpUntil([&] {
        pixels = RepaintedCorner(form);
        return (pixels.At(12, 12) & 0xFFFFFF) == red;
    }, 3000)) << "the corner shows the form's colour, not the window colour: " << std::hex << pixels.At(12, 12)
               << " (the form beside it: " << pixels.At(5, 5) << ")";
    int parent = 0, ink = 0;
    for (int y = 10; y < 99; ++y)
        for (int x = 10; x < 91; ++x) {
            const std::uint32_t p = pixels.At(x, y) & 0xFFFFFF;
            parent += p == red;
            ink += (p & 0xFF) < 0x40 && ((p >> 16) & 0xFF) < 0x80;  // dark: the text, smoothed or not
        }
    EXPECT_GT(parent, 81 * 89 / 2) << "most of the box is the form behind it";
    int edge = 0;
    for (int y = 10; y < 99; ++y) edge += (pixels.At(10, y) & 0xFFFFFF) == red && (pixels.At(90, y) & 0xFFFFFF) == red;
    EXPECT_EQ(edge, 89) << "what the control leaves unprinted at its edges shows the form too";
    EXPECT_GT(ink, 100) << "the digit is drawn over it; parent pixels: " << parent;
}

// A control that answers the rendering request, as the system's rich edit
// does: it draws a green block where the text would go.
WNDPROC gRenderingPrevious = nullptr;
int gRenderingRequests = 0;

LRESULT CALLBACK RenderingRichEdit(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == EM_FORMATRANGE && lParam) {
        ++gRenderingRequests;
        auto* range = reinterpret_cast<FORMATRANGE*>(lParam);
        TBrushHandle green(CreateSolidBrush(RGB(0, 200, 0)));
        RECT block{20, 20, 40, 40};
        FillRect(range->hdc, &block, green.Get());
        return 1;
    }
    return CallWindowProcA(gRenderingPrevious, wnd, msg, wParam, lParam);
}

TEST_F(SkinRichEdit, TransparentTextComesFromTheControlsRenderingRequest) {
    Form->SetColor(TColor(RGB(200, 30, 30)));
    TbsSkinRichEdit* edit = MakeEdit();
    edit->SetReadOnly(true);
    edit->SetTransparent(true);
    edit->SetText("8");
    Form->Show();
    HWND form = Form->GetHandle(), wnd = edit->GetHandle();
    gRenderingRequests = 0;
    gRenderingPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RenderingRichEdit)));
    TPixelBuffer pixels;
    // The block at 20..40 in the box, which stands at 10, 10 on the form.
    PumpUntil([&] {
        pixels = RepaintedCorner(form);
        return (pixels.At(40, 40) & 0xFFFFFF) == MakePixel(0, 200, 0);
    }, 3000);
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gRenderingPrevious));
    EXPECT_GT(gRenderingRequests, 0) << "the box never asked the control to render its text";
    EXPECT_EQ(pixels.At(40, 40) & 0xFFFFFF, MakePixel(0, 200, 0)) << std::hex << pixels.At(40, 40);
    EXPECT_EQ(pixels.At(12, 12) & 0xFFFFFF, MakePixel(200, 30, 30)) << "the form shows around the text";
}

TEST(SkinRichEditMatte, TextOverWhiteAndBlackGoesOverTheBackground) {
    struct TRow {
        std::uint32_t White, Black, Background, Expected;
    } rows[] = {
        {0xFFFFFFFF, 0xFF000000, 0xFF1E1EC8, 0xFF1E1EC8},  // no text: the background
        {0xFF000000, 0xFF000000, 0xFF1E1EC8, 0xFF000000},  // black text covers it
        {0xFF3050C0, 0xFF3050C0, 0xFF1E1EC8, 0xFF3050C0},  // coloured text covers it
        {0xFF808080, 0xFF000000, 0xFFFEFEFE, 0xFF7F7F7F},  // half-covered black edge
        {0xFFFF8000, 0xFF000000, 0x80102030, 0x80101000},  // per channel; the background's alpha stays
        {0xFF000000, 0xFF101010, 0xFF404040, 0xFF101010},  // a print darker over white counts as text
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.White << " " << r.Black << " " << r.Background);
        EXPECT_EQ(MatteTextPixel(r.White, r.Black, r.Background), r.Expected);
    }
}

TEST_F(SkinRichEdit, WallpaperTilesFromTheOriginOrStretches) {
    TbsSkinRichEdit* edit = MakeEdit(25, 17);
    TPixelBuffer tile(10, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) tile.At(x, y) = MakePixel(x * 20, y * 30, 77);
    edit->SetWallpaper(tile);
    EXPECT_TRUE(edit->GetTransparent()) << "a wallpaper makes the box transparent";
    TBitmap target(25, 17);
    SendMessageA(edit->GetHandle(), WM_ERASEBKGND, WPARAM(target.Canvas().GetHandle()), 0);
    GdiFlush();
    TPixelBuffer tiled = target.ToPixels();
    for (TPoint p : {Point(0, 0), Point(13, 4), Point(24, 16), Point(9, 7), Point(20, 9)}) {
        SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
        EXPECT_EQ(tiled.At(p.X, p.Y) & 0xFFFFFF, tile.At(p.X % 10, p.Y % 8) & 0xFFFFFF);
    }

    TPixelBuffer halves(2, 1);
    halves.At(0, 0) = MakePixel(255, 0, 0);
    halves.At(1, 0) = MakePixel(0, 0, 255);
    edit->SetWallpaper(halves);
    edit->SetWallpaperStretch(true);
    SendMessageA(edit->GetHandle(), WM_ERASEBKGND, WPARAM(target.Canvas().GetHandle()), 0);
    GdiFlush();
    TPixelBuffer stretched = target.ToPixels();
    EXPECT_EQ(stretched.At(3, 8) & 0xFFFFFF, MakePixel(255, 0, 0));
    EXPECT_EQ(stretched.At(21, 8) & 0xFFFFFF, MakePixel(0, 0, 255));
}

TEST_F(SkinRichEdit, AttachedBarsFollowAndDriveTheScrolling) {
    TbsSkinRichEdit* edit = MakeEdit(81, 89);
    edit->SetText(ManyLines(40));
    auto* bar = new TbsSkinScrollBar(Form.get());
    bar->SetParent(Form.get());
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetBounds(100, 10, 19, 89);
    edit->SetVScrollBar(bar);
    HWND wnd = edit->GetHandle();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(wnd, SB_VERT, &info));
    EXPECT_TRUE(bar->GetEnabled());
    EXPECT_EQ(bar->GetMax(), info.nMax);
    EXPECT_EQ(bar->GetPageSize(), int(info.nPage));
    EXPECT_EQ(bar->GetPosition(), 0);

    // The control scrolls: the bar follows.
    SendMessageA(wnd, WM_KEYDOWN, VK_NEXT, 0);
    GetScrollInfo(wnd, SB_VERT, &info);
    ASSERT_GT(info.nPos, 0);
    EXPECT_EQ(bar->GetPosition(), info.nPos);

    // The bar moves: the control follows.
    bar->SetPosition(0);
    EXPECT_EQ(SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    const int line = int(SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0));
    bar->OnIncreaseClick(bar);
    EXPECT_EQ(SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0), line + 1) << "one line down";
    EXPECT_EQ(bar->GetPosition(), GetScrollPos(wnd, SB_VERT));

    // A bar that goes is forgotten; one replaced loses the control's events.
    auto* other = new TbsSkinScrollBar(Form.get());
    other->SetKind(TScrollBarKind::sbVertical);
    edit->SetVScrollBar(other);
    EXPECT_FALSE(bar->OnChange) << "the old bar no longer drives the control";
    delete other;
    EXPECT_EQ(edit->GetVScrollBar(), nullptr);
}

}  // namespace
