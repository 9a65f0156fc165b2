// glowdemo: shows a glow fading in beside a window whose canvas holds the
// output of every drawing helper: button faces with glyph strips, arrows,
// check marks, caption symbols, focus dots, 3D frames, single-line and
// shortened captions, and the glow, shadow and reflection texts.
//
// Usage: glowdemo [seconds]   (closes itself after the given seconds)
#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixels.h"

#include <windows.h>

#include "platform/Handles.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/LayerWindow.h"
#include "skin/paint/MarkersGdi.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kCanvasWidth = 560;
constexpr int kCanvasHeight = 400;
constexpr UINT_PTR kCloseTimer = 7;

// A strip of four 16 x 16 cells: a ring in four colours on a magenta key.
void MakeGlyphStrip(TbsBitmap& strip) {
    strip.SetSize(64, 16);
    const std::uint32_t colours[4] = {MakePixel(220, 40, 40, 255), MakePixel(40, 160, 40, 255),
                                      MakePixel(40, 80, 220, 255), MakePixel(200, 160, 20, 255)};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const int cx = x % 16, cell = x / 16;
            const int d2 = (cx - 8) * (cx - 8) + (y - 7) * (y - 7);
            const bool ring = d2 <= 42 && d2 >= 12;
            *strip.PixelPtr(x, y) = ring ? colours[cell] : MakePixel(255, 0, 255, 255);
        }
}

// The glow: a warm picture and a mask bright in the middle, dark at the
// edges, so the glow is densest at its centre.
void MakeGlow(TbsBitmap& picture, TbsBitmap& mask, int w, int h) {
    picture.SetSize(w, h);
    mask.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double d = std::sqrt(dx * dx + dy * dy);
            const auto grey = std::uint8_t(d >= 1 ? 0 : 255 * (1 - d) * (1 - d));
            *picture.PixelPtr(x, y) = MakePixel(255, std::uint8_t(140 + 100 * (1 - std::min(d, 1.0))), 40, 255);
            *mask.PixelPtr(x, y) = MakePixel(grey, grey, grey, 255);
        }
}

void Label(HDC dc, int x, int y, const char* text) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(60, 60, 60));
    TextOutA(dc, x, y, text, int(std::strlen(text)));
}

void Fill(HDC dc, const TRect& r, COLORREF colour) {
    TBrushHandle brush(CreateSolidBrush(colour));
    const RECT rr{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rr, brush.Get());
}

void PaintCanvas(HDC dc, const TbsBitmap& strip) {
    Fill(dc, Rect(0, 0, kCanvasWidth, kCanvasHeight), RGB(236, 233, 216));
    TFontHandle font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                                 "Tahoma"));
    TSelectObject selectFont(dc, font.Get());

    // Button faces: four layouts, centred and with a margin, one pressed.
    Label(dc, 10, 6, "glyph and caption: left, right, top, bottom; marker; pressed");
    const char* captions[4] = {"Hadi", "Kizim", "Bahis", "Cevir"};
    for (int i = 0; i < 4; ++i) {
        const TRect face = Bounds(10 + i * 95, 26, 88, 52);
        Fill(dc, face, RGB(250, 250, 250));
        DrawFrame3D(dc, face, RGBColor(255, 255, 255), RGBColor(120, 120, 120));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawGlyphAndText(dc, face, -1, RGBColor(0, 120, 215), i == 1, i == 3, i + 1, 4, strip, captions[i], i, 4);
    }

    // Markers and symbols.
    Label(dc, 10, 88, "arrows, small arrows, combo arrow, check mark");
    for (int d = 1; d <= 4; ++d) {
        const TRect r = Bounds(10 + (d - 1) * 26, 108, 22, 22);
        Fill(dc, r, RGB(255, 255, 255));
        DrawArrow(dc, r, RGBColor(0, 0, 0), d);
    }
    for (int d = 1; d <= 5; ++d) {
        const TRect r = Bounds(118 + (d - 1) * 20, 108, 16, 16);
        Fill(dc, r, RGB(255, 255, 255));
        DrawSmallArrow(dc, r, RGBColor(0, 0, 160), d);
    }
    Fill(dc, Bounds(226, 108, 18, 18), RGB(255, 255, 255));
    DrawComboArrow(dc, Bounds(226, 108, 18, 18), RGBColor(0, 0, 0));
    Fill(dc, Bounds(252, 108, 12, 12), RGB(255, 255, 255));
    DrawCheckMark(dc, 254, 110, RGBColor(0, 128, 0));

    Label(dc, 290, 88, "caption-button symbols");
    for (int s = bscsClose; s <= bscsSmallSquare; ++s) {
        const TRect box = Bounds(290 + s * 24, 108, 18, 18);
        Fill(dc, box, RGB(40, 70, 140));
        DrawCaptionSymbol(dc, TbsCaptionSymbol(s), box.Left + 4, box.Top + 4, RGBColor(255, 255, 255));
    }

    // Focus dots and frames.
    Label(dc, 10, 140, "focus dots, 3D frames, colour helpers");
    Fill(dc, Bounds(10, 160, 90, 24), RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    DrawFocusDots(dc, Bounds(12, 162, 86, 20));
    DrawFrame3D(dc, Bounds(110, 160, 60, 24), RGBColor(255, 255, 255), RGBColor(64, 64, 64));
    DrawFrame3D(dc, Bounds(112, 162, 56, 20), RGBColor(64, 64, 64), RGBColor(255, 255, 255));
    const TColor base = RGBColor(200, 60, 30);
    for (int i = 0; i <= 4; ++i) {
        const TColor c = DarkerColor(base, i * 25);
        Fill(dc, Bounds(180 + i * 20, 160, 18, 24), RGB(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
    const TColor mid = MiddleColor(base, RGBColor(30, 60, 200));
    Fill(dc, Bounds(290, 160, 18, 24), RGB(GetRValue(mid), GetGValue(mid), GetBValue(mid)));

    // Single-line captions and shortening.
    Label(dc, 10, 192, "single-line captions, shortened captions, list text");
    const TRect line = Bounds(10, 212, 160, 20);
    Fill(dc, line, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTrimmedText(dc, "Wins are centred", line);
    const TRect left = Bounds(180, 212, 160, 20);
    Fill(dc, left, RGB(255, 255, 255));
    DrawTrimmedTextLeft(dc, "Left, one line", left);
    std::string longText = "Tebrikler Kazandiniz! Bet with your head, not over it";
    ShortenText(dc, longText, 150);
    const TRect shortened = Bounds(350, 212, 160, 20);
    Fill(dc, shortened, RGB(255, 255, 255));
    DrawTrimmedTextLeftPlain(dc, longText, shortened);
    const TRect list = Bounds(10, 238, 160, 18);
    Fill(dc, list, RGB(49, 106, 197));
    SetTextColor(dc, RGB(255, 255, 255));
    DrawListText(dc, "00  (list entry)", list, 4);
    SetTextColor(dc, RGB(0, 0, 0));
    TRect wide = Bounds(180, 238, 200, 18);
    DrawTextWide(dc, L"Rozudavuvo Dariz Zodovi (wide)", wide, DT_SINGLELINE | DT_VCENTER);

    // Effect texts.
    Label(dc, 10, 266, "glow text, shadow text, glass glow, caption glow, reflection");
    TFontHandle big(CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                                "Tahoma"));
    TSelectObject selectBig(dc, big.Get());
    SetTextColor(dc, RGB(255, 255, 255));
    DrawEffectText(dc, Bounds(10, 290, 120, 30), "Glow", 4, RGBColor(255, 120, 0), 0,
                   DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SetTextColor(dc, RGB(20, 20, 20));
    DrawEffectText(dc, Bounds(140, 290, 120, 30), "Shadow", 2, RGBColor(0, 0, 0), 3,
                   DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    DrawVistaGlowText(dc, Bounds(280, 290, 120, 30), "Glass", RGBColor(255, 255, 255),
                      DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    Fill(dc, Bounds(410, 280, 140, 50), RGB(40, 70, 140));
    DrawCaptionGlowText(dc, Bounds(420, 290, 120, 30), L"Caption", RGBColor(255, 255, 255),
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SetTextColor(dc, RGB(0, 60, 140));
    DrawReflectionText(dc, Bounds(10, 336, 200, 30), "Reflection (top)", RGBColor(0, 60, 140), 0, DT_SINGLELINE);
    DrawReflectionText(dc, Bounds(230, 330, 240, 40), "Reflection (centred)", RGBColor(0, 60, 140), 0,
                       DT_SINGLELINE | DT_VCENTER);
}

struct TDemo {
    TbsBitmap Strip;
    TbsBitmap GlowPicture;
    TbsBitmap GlowMask;
    TbsLayerManager Glow;
};

TDemo* gDemo = nullptr;  // not owned

LRESULT CALLBACK DemoProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            TbsBitmap back;
            back.SetSize(kCanvasWidth, kCanvasHeight);
            PaintCanvas(back.DC(), gDemo->Strip);
            BitBlt(dc, 0, 0, kCanvasWidth, kCanvasHeight, back.DC(), 0, 0, SRCCOPY);
            EndPaint(wnd, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kCloseTimer) DestroyWindow(wnd);
            return 0;
        case WM_DESTROY:
            gDemo->Glow.Hide();
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int) {
    TDemo demo;
    gDemo = &demo;
    MakeGlyphStrip(demo.Strip);
    MakeGlow(demo.GlowPicture, demo.GlowMask, 140, 180);

    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "GlowDemo";
    RegisterClassA(&wc);
    RECT frame{0, 0, kCanvasWidth, kCanvasHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND wnd = CreateWindowExA(0, "GlowDemo", "glowdemo", WS_OVERLAPPEDWINDOW, 20, 20, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    ShowWindow(wnd, SW_SHOW);
    UpdateWindow(wnd);

    // The glow beside the window's right edge, fading in to 230.
    RECT r{};
    GetWindowRect(wnd, &r);
    demo.Glow.Show(r.right + 10, r.top + 60, 230, demo.GlowMask, demo.GlowPicture);

    const int seconds = std::atoi(cmdLine);
    if (seconds > 0) SetTimer(wnd, kCloseTimer, UINT(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    gDemo = nullptr;
    return 0;
}
