// Our pixel blits against the platform's own: a coordinate-coded picture in
// a memory context is drawn by GDI (BitBlt for equal sizes, StretchBlt in
// COLORONCOLOR mode otherwise) and by DrawSkinBlits, and the two images are
// compared pixel by pixel.
//
// Every pixel of a picture here names its place (x, y) in one 80 x 80
// "whole" picture; the small picture is the part of it at (40, 40). A blit
// whose source reaches outside the small picture is also made by GDI from
// the whole picture, where the same rectangle lies wholly inside: that shows
// which source pixel the platform gives each destination pixel, and ours
// must draw exactly the pixels whose source lies inside the small picture,
// with that source, and leave the others.
//
// The platform's own blit from the small picture agrees with this wherever
// no axis is reduced. Where a reduced axis reaches outside the picture, Wine
// cuts the source rectangle to the picture first, rounds the destination to
// match and picks rows and columns again inside the cut rectangle: the
// pixels drawn then depend on where the picture ends (a 5-row source from
// row -2 reduced to one row draws row 0, which a larger picture would not
// show there), and Wine even draws a pixel of a row outside the picture in
// one measured case (2 columns reduced to 1, 6 rows from row 0 of a 5-row
// picture: the sixth destination row shows pixel (0, 0)). We do not follow
// that: a drawn pixel is the one the whole rectangle puts there, so a skin
// image never changes with the size of the picture around the skin
// rectangle. Those cases are compared with the whole-picture blit only.
#include "skin/paint/portable/CompositionPixels.h"

#include "DrawHelpersTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

constexpr int kWholeSide = 80;                         // pixels
constexpr int kPartX = 40, kPartY = 40;                // the small picture in the whole one
constexpr int kPartWidth = 6, kPartHeight = 5;         // pixels
constexpr int kTargetWidth = 24, kTargetHeight = 20;   // pixels
constexpr std::uint32_t kUntouched = 0x00FEDCBAu;      // never a coordinate below 80

// Opaque pixel telling (x, y): x in bits 0-11, y in bits 12-23.
constexpr std::uint32_t Coord(int x, int y) { return 0xFF000000u | (std::uint32_t(y) << 12) | std::uint32_t(x); }
TPoint CoordOf(std::uint32_t pixel) { return Point(int(pixel & 0xFFF), int((pixel >> 12) & 0xFFF)); }

std::string Describe(std::uint32_t pixel) {
    if (Rgb(pixel) == kUntouched) return "untouched";
    const TPoint p = CoordOf(pixel);
    return "source " + std::to_string(p.X - kPartX) + "," + std::to_string(p.Y - kPartY);
}

// The w x h part of the whole coordinate picture from (x0, y0).
void PartOfWhole(TbsBitmap& bmp, int x0, int y0, int w, int h) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) *bmp.PixelPtr(x, y) = Coord(x0 + x, y0 + y);
}

// GDI's blit of src (in picture coordinates) onto dst of a fresh target,
// cut to clip when clip is not empty.
void PlatformBlit(TbsBitmap& target, const TbsBitmap& picture, const TRect& src, const TRect& dst,
                  const TRect& clip) {
    FillCanvas(target, kTargetWidth, kTargetHeight, kUntouched);
    GdiFlush();
    const int saved = SaveDC(target.DC());
    if (!clip.IsEmpty()) IntersectClipRect(target.DC(), clip.Left, clip.Top, clip.Right, clip.Bottom);
    if (src.Width() == dst.Width() && src.Height() == dst.Height()) {
        BitBlt(target.DC(), dst.Left, dst.Top, dst.Width(), dst.Height(), picture.DC(), src.Left, src.Top, SRCCOPY);
    } else {
        SetStretchBltMode(target.DC(), COLORONCOLOR);
        StretchBlt(target.DC(), dst.Left, dst.Top, dst.Width(), dst.Height(), picture.DC(), src.Left, src.Top,
                   src.Width(), src.Height(), SRCCOPY);
    }
    RestoreDC(target.DC(), saved);
    GdiFlush();
}

// Compares colours pixel by pixel; names the first few differences.
void ExpectSameImage(const TbsBitmap& ours, const std::function<std::uint32_t(int, int)>& want,
                     const std::string& name) {
    int failures = 0;
    for (int y = 0; y < ours.Height(); ++y)
        for (int x = 0; x < ours.Width(); ++x) {
            const std::uint32_t got = *ours.PixelPtr(x, y), expected = want(x, y);
            if (Rgb(got) != Rgb(expected) && ++failures <= 5)
                ADD_FAILURE() << name << ": x=" << x << " y=" << y << " got " << Describe(got) << ", platform "
                              << Describe(expected);
        }
    if (failures) WriteBmp(ours, "platform-blit-" + name);
}

struct TBlitCase {
    const char* Name;
    TRect Src, Dst;  // Src in the small picture's coordinates
    TRect Clip;
};

const TBlitCase kCases[] = {
    {"same-size-left", Rect(-2, 1, 3, 4), Rect(4, 2, 9, 5), {}},
    {"same-size-top", Rect(1, -2, 4, 3), Rect(2, 3, 5, 8), {}},
    {"same-size-right", Rect(3, 1, 8, 4), Rect(1, 1, 6, 4), {}},
    {"same-size-bottom", Rect(0, 3, 2, 7), Rect(7, 0, 9, 4), {}},
    {"same-size-all-sides", Rect(-2, -1, 8, 7), Rect(3, 2, 13, 10), {}},
    {"same-size-wholly-outside", Rect(6, 0, 9, 3), Rect(0, 0, 3, 3), {}},
    {"same-size-negative-origin-wholly-outside", Rect(-5, -4, -1, -1), Rect(0, 0, 4, 3), {}},
    {"same-size-negative-origin-far", Rect(-30, -30, 3, 3), Rect(-27, -28, 6, 5), {}},
    {"same-size-destination-partly-off-target", Rect(-3, -2, 4, 4), Rect(-2, -1, 5, 5), {}},
    {"enlarged-left-top", Rect(-2, -1, 4, 3), Rect(1, 1, 14, 12), {}},
    {"enlarged-right-bottom", Rect(3, 2, 8, 7), Rect(2, 0, 14, 11), {}},
    {"enlarged-all-sides", Rect(-3, -2, 9, 7), Rect(0, 0, 23, 19), {}},
    {"enlarged-negative-origin-far", Rect(-20, -10, 3, 2), Rect(-30, -20, 17, 19), {}},
    {"enlarged-wholly-outside", Rect(-4, 0, -1, 3), Rect(0, 0, 9, 7), {}},
    {"enlarged-clipped", Rect(-2, -1, 4, 3), Rect(1, 1, 14, 12), Rect(3, 2, 9, 8)},
    {"same-width-taller-left", Rect(-2, 0, 4, 7), Rect(0, 0, 6, 16), {}},
    {"reduced-left-top", Rect(-4, -3, 5, 4), Rect(2, 2, 5, 4), {}},
    {"reduced-right-bottom", Rect(2, 1, 12, 9), Rect(1, 1, 5, 4), {}},
    {"reduced-all-sides", Rect(-3, -2, 9, 8), Rect(1, 1, 6, 5), {}},
    {"reduced-to-one-pixel", Rect(-3, 0, 4, 4), Rect(5, 5, 6, 6), {}},
    {"reduced-wholly-outside", Rect(-9, 0, -1, 3), Rect(0, 0, 3, 2), {}},
    {"reduced-inside", Rect(0, 0, 6, 5), Rect(2, 2, 6, 4), {}},
    {"wider-and-shorter-left-bottom", Rect(-2, -1, 4, 7), Rect(0, 0, 11, 3), {}},
    {"narrower-and-taller-right", Rect(1, 0, 9, 4), Rect(0, 0, 5, 11), {}},
};

bool ReducedAxisReachesOutside(const TBlitCase& c) {
    const bool xOut = c.Src.Left < 0 || c.Src.Right > kPartWidth;
    const bool yOut = c.Src.Top < 0 || c.Src.Bottom > kPartHeight;
    return (xOut || yOut) && (c.Dst.Width() < c.Src.Width() || c.Dst.Height() < c.Src.Height());
}

}  // namespace

TEST(PlatformBlit, StretchTakesTheSameColumnsAndRowsAsOurs) {
    constexpr int kMax = 40;  // every pair of spans from 1 to 40 pixels
    TbsBitmap picture, target;
    PartOfWhole(picture, 0, 0, kMax, kMax);
    FillCanvas(target, kMax, kMax + 1, kUntouched);
    SetStretchBltMode(target.DC(), COLORONCOLOR);
    int failures = 0;
    for (int sw = 1; sw <= kMax; ++sw)
        for (int dw = 1; dw <= kMax; ++dw) {
            GdiFlush();
            StretchBlt(target.DC(), 0, 0, dw, 1, picture.DC(), 0, 0, sw, 1, SRCCOPY);  // a row: columns
            StretchBlt(target.DC(), 0, 1, 1, dw, picture.DC(), 0, 0, 1, sw, SRCCOPY);  // a column: rows
            GdiFlush();
            for (int r = 0; r < dw; ++r) {
                const int column = CoordOf(*target.PixelPtr(r, 0)).X;
                const int row = CoordOf(*target.PixelPtr(0, 1 + r)).Y;
                if (column != ScaledSourceColumn(r, sw, dw) && ++failures <= 5)
                    ADD_FAILURE() << sw << " columns over " << dw << ": x=" << r << " takes column " << column
                                  << ", ours " << ScaledSourceColumn(r, sw, dw);
                if (row != ScaledSourceRow(r, sw, dw) && ++failures <= 5)
                    ADD_FAILURE() << sw << " rows over " << dw << ": y=" << r << " takes row " << row << ", ours "
                                  << ScaledSourceRow(r, sw, dw);
            }
        }
}

TEST(PlatformBlit, PartlyCoveredSourceDrawsThePixelsThePlatformTakesFromInsideThePicture) {
    TbsBitmap whole, part;
    PartOfWhole(whole, 0, 0, kWholeSide, kWholeSide);
    PartOfWhole(part, kPartX, kPartY, kPartWidth, kPartHeight);
    const TRect inside = Bounds(kPartX, kPartY, kPartWidth, kPartHeight);
    for (const TBlitCase& c : kCases) {
        TbsBitmap ours;
        FillCanvas(ours, kTargetWidth, kTargetHeight, kUntouched);
        DrawSkinBlits(ours.View(), part.View(), {TSkinBlit{c.Src, c.Dst, c.Clip}});

        TbsBitmap fromWhole;
        PlatformBlit(fromWhole, whole, OffsetRect(c.Src, kPartX, kPartY), c.Dst, c.Clip);
        ExpectSameImage(ours, [&](int x, int y) {
            const std::uint32_t pixel = *fromWhole.PixelPtr(x, y);
            return Rgb(pixel) != kUntouched && PtInRect(inside, CoordOf(pixel)) ? pixel : kUntouched;
        }, std::string(c.Name) + "-whole");

        if (ReducedAxisReachesOutside(c)) continue;
        TbsBitmap fromPart;
        PlatformBlit(fromPart, part, c.Src, c.Dst, c.Clip);
        ExpectSameImage(ours, [&](int x, int y) { return *fromPart.PixelPtr(x, y); }, c.Name);
    }
}
