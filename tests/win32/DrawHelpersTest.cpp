#include "DrawHelpersTestSupport.h"

#include "skin/paint/DrawHelpers.h"

namespace {

const std::uint32_t kMagenta = MakePixel(255, 0, 255);

// A 64 x 16 strip whose pixels encode their column and row; the bottom row
// is the transparent colour.
std::uint32_t StripPixel(int x, int y) { return y == 15 ? kMagenta : MakePixel(std::uint8_t(x * 4), std::uint8_t(y * 8), 7); }

void MakeStrip(TbsBitmap& strip) {
    strip.SetSize(64, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) *strip.PixelPtr(x, y) = StripPixel(x, y) | 0xFF000000u;
}

TEST(DrawHelpersTest, DrawGlyphCopiesOneCellWithItsCornerColourTransparent) {
    TbsBitmap strip;
    MakeStrip(strip);
    TbsBitmap canvas;
    FillCanvas(canvas, 40, 30);
    DrawGlyph(canvas.DC(), 5, 6, 2, 4, strip);
    GdiFlush();
    // Cell 2 of 4 is columns 16 .. 31; its bottom row is keyed out.
    ExpectPixels(
        canvas,
        [](int x, int y) {
            const int cx = x - 5, cy = y - 6;
            if (cx < 0 || cx >= 16 || cy < 0 || cy >= 15) return kWhite;
            return StripPixel(16 + cx, cy);
        },
        TestName());
}

TEST(DrawHelpersTest, DrawGlyphKeepsBadCellPropertiesInsideTheStrip) {
    TbsBitmap strip;
    MakeStrip(strip);
    {
        TbsBitmap canvas;
        FillCanvas(canvas, 70, 20);
        DrawGlyph(canvas.DC(), 0, 0, 1, 0, strip);  // no cell count: the whole strip
        GdiFlush();
        ExpectPixels(canvas, [](int x, int y) { return x < 64 && y < 15 ? StripPixel(x, y) : kWhite; }, TestName());
    }
    TbsBitmap canvas;
    FillCanvas(canvas, 20, 20);
    DrawGlyph(canvas.DC(), 0, 0, 9, 4, strip);  // past the end: the last cell
    GdiFlush();
    ExpectPixels(canvas, [](int x, int y) { return x < 16 && y < 15 ? StripPixel(48 + x, y) : kWhite; }, TestName());
    TbsBitmap empty;
    DrawGlyph(canvas.DC(), 0, 0, 1, 1, empty);  // draws nothing, does not fail
}

TEST(DrawHelpersTest, GlyphFaceWithMarkerPlacesGlyphAndUnderline) {
    TbsBitmap strip;
    MakeStrip(strip);
    TbsBitmap canvas;
    FillCanvas(canvas, 100, 40);
    const TColor marker = RGBColor(0, 200, 0);
    DrawGlyphAndText(canvas.DC(), Rect(0, 0, 100, 40), 4, marker, true, false, 3, 4, strip, "", bsglGlyphLeft, 5);
    GdiFlush();
    // Glyph left at margin 4, centred vertically: (4, 12); three marker
    // lines over its lowest two rows and the row below, drawn last.
    ExpectPixels(
        canvas,
        [&](int x, int y) {
            const int cx = x - 4, cy = y - 12;
            if (cx >= 0 && cx < 16 && cy >= 14 && cy <= 16) return MakePixel(0, 200, 0);
            if (cx >= 0 && cx < 16 && cy >= 0 && cy < 15) return StripPixel(32 + cx, cy);
            return kWhite;
        },
        TestName());
}

TEST(DrawHelpersTest, EmptyFaceMarkerFillsTheFace) {
    TbsBitmap canvas;
    FillCanvas(canvas, 30, 20);
    TbsBitmap noGlyph;
    DrawGlyphAndText(canvas.DC(), Rect(0, 0, 30, 20), -1, RGBColor(0, 0, 255), true, true, 1, 1, noGlyph, "",
                     bsglGlyphLeft, 0);
    GdiFlush();
    // Pressed strip faces lower the block by one: (4, 5) - (28, 17).
    ExpectPixels(
        canvas, [](int x, int y) { return x >= 4 && x < 28 && y >= 5 && y < 17 ? MakePixel(0, 0, 255) : kWhite; },
        TestName());
}

TEST(DrawHelpersTest, CaptionIsCentredInTheFace) {
    TbsBitmap canvas;
    FillCanvas(canvas, 120, 40);
    TTestFont font(canvas.DC(), 14);
    SetTextColor(canvas.DC(), RGB(0, 0, 0));
    TbsBitmap noGlyph;
    DrawGlyphAndText(canvas.DC(), Rect(0, 0, 120, 40), -1, 0, false, false, 1, 1, noGlyph, "Hadi Kizim",
                     bsglGlyphLeft, 4);
    GdiFlush();
    int left = 120, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (Rgb(*canvas.PixelPtr(x, y)) != Rgb(kWhite)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left) << "no caption drawn";
    // The ink is centred within a couple of pixels both ways.
    EXPECT_NEAR((left + right) / 2.0, 60, 3);
    EXPECT_NEAR((top + bottom) / 2.0, 20, 4);
}

TEST(DrawHelpersTest, ShortenTextFitsTheWidthWithAnEllipsis) {
    TbsBitmap canvas;
    FillCanvas(canvas, 8, 8);
    TTestFont font(canvas.DC(), 13);
    HDC dc = canvas.DC();
    const auto width = [dc](const std::string& s) {
        SIZE size{};
        GetTextExtentPoint32A(dc, s.c_str(), int(s.size()), &size);
        return int(size.cx);
    };
    std::string fits = "Kaybettiniz";
    ShortenText(dc, fits, width(fits));
    EXPECT_EQ(fits, "Kaybettiniz");

    std::string cut = "Tebrikler Kazandiniz!";
    const int max = width("Tebrikler") + width("...");
    ShortenText(dc, cut, max);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(width(cut), max);
    const std::string kept = cut.substr(0, cut.size() - 3);
    EXPECT_EQ(std::string("Tebrikler Kazandiniz!").substr(0, kept.size()), kept);
    EXPECT_GT(width(std::string("Tebrikler Kazandiniz!").substr(0, kept.size() + 1) + "..."), max);

    std::string tiny = "Cekiliyor";
    ShortenText(dc, tiny, 1);
    EXPECT_EQ(tiny, "...");

    std::wstring wide = L"Tebrikler Kazandiniz!";
    ShortenTextWide(dc, wide, max);
    EXPECT_EQ(wide.substr(wide.size() - 3), L"...");
    EXPECT_LE(TextWidthWide(dc, wide), max);
}

TEST(DrawHelpersTest, WideTextMeasuresLikeThePlatform) {
    TbsBitmap canvas;
    FillCanvas(canvas, 8, 8);
    TTestFont font(canvas.DC(), 13);
    SIZE s{};
    const std::wstring text = L"Rozudavuvo Dariz Zodovi";
    GetTextExtentPoint32W(canvas.DC(), text.c_str(), int(text.size()), &s);
    EXPECT_EQ(TextWidthWide(canvas.DC(), text), s.cx);
    EXPECT_EQ(TextHeightWide(canvas.DC(), text), s.cy);
    EXPECT_EQ(TextWidthWide(canvas.DC(), L""), 0);
}

TEST(DrawHelpersTest, ListTextStaysInsideItsRectangle) {
    TbsBitmap canvas;
    FillCanvas(canvas, 80, 30);
    TTestFont font(canvas.DC(), 13);
    SetTextColor(canvas.DC(), RGB(0, 0, 0));
    const TRect r = Rect(10, 5, 50, 25);
    DrawListText(canvas.DC(), "Kaybettiniz Kaybettiniz", r, 3);
    GdiFlush();
    int inside = 0, outside = 0, leftmost = 80;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (Rgb(*canvas.PixelPtr(x, y)) != Rgb(kWhite)) {
                (PtInRect(r, Point(x, y)) ? inside : outside)++;
                leftmost = std::min(leftmost, x);
            }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_GE(leftmost, 10 + 2 + 3);
}

TEST(DrawHelpersTest, OddFontHeightsAreRecognised) {
    TbsBitmap canvas;
    FillCanvas(canvas, 8, 8);
    {
        TTestFont odd(canvas.DC(), 13);
        EXPECT_TRUE(FontHeightIsOdd(canvas.DC()));
    }
    TTestFont even(canvas.DC(), 14);
    EXPECT_FALSE(FontHeightIsOdd(canvas.DC()));
}

TEST(DrawHelpersTest, ColourHelpersResolveSystemColours) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(DarkerColor(0xFF000000u | COLOR_WINDOW, 0), TColor(window));
    EXPECT_EQ(DarkerColor(0xFF000000u | COLOR_WINDOW, 100), TColor(0));
    EXPECT_EQ(DarkerColor(RGBColor(200, 100, 50), 50), RGBColor(100, 50, 25));
    EXPECT_EQ(MiddleColor(RGBColor(0, 100, 255), RGBColor(255, 101, 1)), RGBColor(127, 100, 128));
}

// ---- DrawParentImage ----------------------------------------------------------

// The parent's background: 4-pixel squares, red on even, blue on odd,
// counted in the parent's client coordinates.
std::uint32_t Checker(int x, int y) { return ((x / 4 + y / 4) % 2) ? MakePixel(0, 0, 255) : MakePixel(255, 0, 0); }

LRESULT CALLBACK PatternParentProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        HDC dc = HDC(wParam);
        RECT client{};
        GetClientRect(wnd, &client);
        TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
        for (int y = 0; y < client.bottom; y += 4)
            for (int x = 0; x < client.right; x += 4) {
                const RECT cell{x, y, x + 4, y + 4};
                FillRect(dc, &cell, ((x / 4 + y / 4) % 2) ? blue.Get() : red.Get());
            }
        return 1;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

// An earlier sibling: green inside a one-pixel black frame.
LRESULT CALLBACK FramedSiblingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PRINTCLIENT) {
        RECT client{};
        GetClientRect(wnd, &client);
        TBrushHandle green(CreateSolidBrush(RGB(0, 255, 0)));
        FillRect(HDC(wParam), &client, green.Get());
        FrameRect(HDC(wParam), &client, HBRUSH(GetStockObject(BLACK_BRUSH)));
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

HWND MakeWindow(const char* cls, WNDPROC proc, DWORD style, HWND parent, const TRect& r) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    return CreateWindowExA(0, cls, "", style, r.Left, r.Top, r.Width(), r.Height(), parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(DrawHelpersTest, ParentImageShowsBackgroundAndEarlierSiblingsOffset) {
    // A container inside a form: its content is printed too.
    TWindowHandle form(MakeWindow("DrawHelpersTestForm", DefWindowProcA, WS_POPUP, nullptr, Rect(0, 0, 200, 160)));
    TWindowHandle parent(
        MakeWindow("DrawHelpersTestParent", PatternParentProc, WS_CHILD | WS_VISIBLE, form.Get(), Rect(5, 5, 185, 145)));
    TWindowHandle sibling(MakeWindow("DrawHelpersTestSibling", FramedSiblingProc, WS_CHILD | WS_VISIBLE, parent.Get(),
                                     Rect(30, 26, 60, 50)));
    TWindowHandle hidden(MakeWindow("DrawHelpersTestSibling", FramedSiblingProc, WS_CHILD, parent.Get(),
                                    Rect(70, 60, 80, 70)));
    TWindowHandle control(MakeWindow("DrawHelpersTestControl", DefWindowProcA, WS_CHILD | WS_VISIBLE, parent.Get(), Rect(21, 18, 101, 78)));
    TWindowHandle above(MakeWindow("DrawHelpersTestSibling", FramedSiblingProc, WS_CHILD | WS_VISIBLE, parent.Get(),
                                   Rect(90, 70, 100, 76)));
    ASSERT_TRUE(form);
    ASSERT_TRUE(parent);
    ASSERT_TRUE(sibling);
    ASSERT_TRUE(hidden);
    ASSERT_TRUE(control);
    ASSERT_TRUE(above);

    // Graphic siblings of the framework: a yellow square at (25, 60).
    std::vector<TbsGraphicSibling> graphics = {{Rect(25, 60, 35, 70), true, [](HDC dc) {
                                                    TBrushHandle yellow(CreateSolidBrush(RGB(255, 255, 0)));
                                                    const RECT r{0, 0, 40, 40};  // clipped to 10 x 10
                                                    FillRect(dc, &r, yellow.Get());
                                                }},
                                               {Rect(40, 60, 50, 70), false, [](HDC) { FAIL() << "hidden"; }}};

    TbsBitmap canvas;
    FillCanvas(canvas, 80, 60);
    DrawParentImage(control.Get(), canvas.DC(), graphics);
    GdiFlush();
    ExpectPixels(
        canvas,
        [](int x, int y) {
            const int px = x + 21, py = y + 18;  // the parent's coordinates
            if (px >= 30 && px < 60 && py >= 26 && py < 50) {
                const bool frame = px == 30 || px == 59 || py == 26 || py == 49;
                return frame ? MakePixel(0, 0, 0) : MakePixel(0, 255, 0);
            }
            if (px >= 25 && px < 35 && py >= 60 && py < 70) return MakePixel(255, 255, 0);
            return Checker(px, py);
        },
        TestName());
    // The context is left as it was found.
    POINT org{};
    GetViewportOrgEx(canvas.DC(), &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_EQ(org.y, 0);
    DrawParentImage(nullptr, canvas.DC());
    DrawParentImage(form.Get(), canvas.DC());  // no parent: nothing
}

// A failing pixel test leaves its picture where the run keeps its logs, or
// under the build tree, and never in the current folder (the repository's
// root, where such pictures got committed).
TEST(FailurePictures, GoToTheChosenFolderOrBesideTheProgramNeverTheCurrentFolder) {
    namespace fs = std::filesystem;
    const char* saved = std::getenv("RDZ_TEST_PICTURES");
    const std::string before = saved ? saved : "";
    const std::string name = "FailurePictures.Probe";
    const fs::path here = fs::current_path() / (name + ".bmp");
    TbsBitmap picture;
    FillCanvas(picture, 3, 2);

    const fs::path chosen = fs::temp_directory_path() / "rdz-failure-pictures";
    fs::remove_all(chosen);
    _putenv_s("RDZ_TEST_PICTURES", chosen.string().c_str());
    WriteBmp(picture, name);
    EXPECT_TRUE(fs::exists(chosen / (name + ".bmp"))) << "the chosen folder is made when missing";
    EXPECT_FALSE(fs::exists(here));

    _putenv_s("RDZ_TEST_PICTURES", "");  // unset
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const fs::path beside = fs::path(program).parent_path() / "failure-pictures" / (name + ".bmp");
    fs::remove(beside);
    WriteBmp(picture, name);
    EXPECT_TRUE(fs::exists(beside));
    EXPECT_FALSE(fs::exists(here));

    _putenv_s("RDZ_TEST_PICTURES", before.c_str());
    fs::remove_all(chosen);
    fs::remove(beside);
    fs::remove(here);
}

}  // namespace
