#include "DrawHelpersTestSupport.h"

#include "skin/paint/MarkersGdi.h"

#include <set>
#include <utility>

namespace {

constexpr TColor kInk = RGBColor(20, 40, 200);
const std::uint32_t kInkPixel = MakePixel(20, 40, 200);

// Draws with GDI on a white 24 x 24 canvas and compares every pixel with
// the rasterised stroke list: ink on its pixels, white everywhere else.
void ExpectDrawnAsListed(const std::string& name, const TStrokeList& strokes, const std::function<void(HDC)>& draw) {
    TbsBitmap canvas;
    FillCanvas(canvas, 24, 24);
    draw(canvas.DC());
    GdiFlush();
    std::set<std::pair<int, int>> ink;
    for (TPoint p : RasterizeStrokes(strokes)) ink.insert({p.X, p.Y});
    ASSERT_FALSE(ink.empty()) << name;
    ExpectPixels(canvas, [&](int x, int y) { return ink.count({x, y}) ? kInkPixel : kWhite; }, name);
}

TEST(MarkersGdiTest, ArrowsAreDrawnPixelForPixelAsListed) {
    const TRect r = Rect(1, 2, 22, 21);
    ExpectDrawnAsListed("combo", ComboArrowStrokes(r), [&](HDC dc) { DrawComboArrow(dc, r, kInk); });
    for (int d = 1; d <= 4; ++d)
        ExpectDrawnAsListed("arrow " + std::to_string(d), ArrowStrokes(r, d),
                            [&](HDC dc) { DrawArrow(dc, r, kInk, d); });
    for (int d = 1; d <= 5; ++d)
        ExpectDrawnAsListed("small arrow " + std::to_string(d), SmallArrowStrokes(r, d),
                            [&](HDC dc) { DrawSmallArrow(dc, r, kInk, d); });
    ExpectDrawnAsListed("check mark", CheckMarkStrokes(5, 6), [&](HDC dc) { DrawCheckMark(dc, 5, 6, kInk); });
}

TEST(MarkersGdiTest, CaptionSymbolsAreDrawnPixelForPixelAsListed) {
    for (int s = bscsClose; s <= bscsSmallSquare; ++s) {
        const auto symbol = TbsCaptionSymbol(s);
        ExpectDrawnAsListed("symbol " + std::to_string(s), CaptionSymbolStrokes(symbol, 6, 7),
                            [&](HDC dc) { DrawCaptionSymbol(dc, symbol, 6, 7, kInk); });
    }
}

TEST(MarkersGdiTest, FocusDotsUseTheTextColour) {
    for (const TRect r : {Rect(3, 4, 20, 17), Rect(3, 3, 20, 20)}) {
        TbsBitmap canvas;
        FillCanvas(canvas, 24, 24);
        SetTextColor(canvas.DC(), RGB(20, 40, 200));
        DrawFocusDots(canvas.DC(), r);
        GdiFlush();
        std::set<std::pair<int, int>> dots;
        for (TPoint p : FocusDotPoints(r)) dots.insert({p.X, p.Y});
        ExpectPixels(canvas, [&](int x, int y) { return dots.count({x, y}) ? kInkPixel : kWhite; }, TestName());
    }
}

TEST(MarkersGdiTest, Frame3DDrawsTopLeftThenBottomRight) {
    TbsBitmap canvas;
    FillCanvas(canvas, 24, 24);
    DrawFrame3D(canvas.DC(), Rect(2, 3, 12, 9), RGBColor(255, 0, 0), RGBColor(0, 0, 255));
    GdiFlush();
    const std::uint32_t red = MakePixel(255, 0, 0), blue = MakePixel(0, 0, 255);
    ExpectPixels(
        canvas,
        [&](int x, int y) {
            const bool inX = x >= 2 && x <= 11, inY = y >= 3 && y <= 8;
            if (x == 11 && inY) return blue;             // right edge, top corner included
            if (y == 8 && inX) return blue;              // bottom edge, left corner included
            if ((x == 2 && inY) || (y == 3 && inX)) return red;
            return kWhite;
        },
        TestName());
}

TEST(MarkersGdiTest, SystemColoursAreResolved) {
    TbsBitmap canvas;
    FillCanvas(canvas, 24, 24);
    DrawCheckMark(canvas.DC(), 2, 2, 0xFF000000u | COLOR_HIGHLIGHT);
    GdiFlush();
    const COLORREF sys = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(Rgb(*canvas.PixelPtr(2, 7)), Rgb(MakePixel(GetRValue(sys), GetGValue(sys), GetBValue(sys))));
    EXPECT_EQ(ColorToRgbRef(RGBColor(1, 2, 3)), RGB(1, 2, 3));
}

}  // namespace
