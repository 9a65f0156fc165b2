// A floating-point RGB picture and the anti-aliased drawing the skin
// generator paints with.
//
// Conventions:
//  - pixel (x, y) covers the square x..x+1, y..y+1; shapes are described in
//    these continuous coordinates and sampled at pixel centres (x + 0.5);
//  - channels are 0..1 floats, converted to 8 bits by rounding to nearest;
//  - shapes are drawn by signed distance: coverage = clamp(0.5 - distance),
//    which gives a one-pixel anti-aliased edge without supersampling.
// Only +, -, *, / and sqrt are used (all exactly rounded in IEEE arithmetic),
// so the same source draws the same bytes with any conforming C library.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace zevrak {

struct TRgb {
    float R = 0, G = 0, B = 0;
};

// A colour from 8-bit channels, written as 0xRRGGBB for readability.
TRgb Hex(std::uint32_t rrggbb);
TRgb Mix(TRgb a, TRgb b, float t);          // a at t = 0, b at t = 1
TRgb Scale(TRgb c, float factor);           // brighter above 1, darker below
float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

// A rectangle in continuous coordinates (right and bottom exclusive, as the
// integer rectangles of the skin definition).
struct TBox {
    float Left = 0, Top = 0, Right = 0, Bottom = 0;
    float Width() const { return Right - Left; }
    float Height() const { return Bottom - Top; }
};
TBox Box(float left, float top, float right, float bottom);
TBox BoxAt(float left, float top, float width, float height);
TBox Inset(TBox b, float by);

// Colour of a shape at a point: lets a fill carry gradients and textures.
using TPaint = std::function<TRgb(float x, float y)>;
TPaint Solid(TRgb c);
// Vertical gradient over [top, bottom): stops are (position 0..1, colour).
struct TStop {
    float At;
    TRgb Colour;
};
TPaint VerticalRamp(float top, float bottom, std::vector<TStop> stops);
TPaint HorizontalRamp(float left, float right, std::vector<TStop> stops);
TRgb Ramp(const std::vector<TStop>& stops, float t);

// Deterministic white noise in 0..1 for an integer lattice point.
float Noise(int x, int y, std::uint32_t seed);

class TCanvas {
public:
    TCanvas(int width, int height, TRgb fill = TRgb{});

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRgb& At(int x, int y) { return FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)]; }
    TRgb At(int x, int y) const { return FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)]; }

    // Blends c over pixel (x, y) with coverage a (0..1); outside pixels are ignored.
    void Blend(int x, int y, TRgb c, float a);
    // Paints every pixel of an integer rectangle, clipped to the canvas.
    void Fill(int left, int top, int right, int bottom, const TPaint& paint);

    // Anti-aliased shapes; radius is clamped to half the smaller side.
    void FillRoundRect(TBox box, float radius, const TPaint& paint, float opacity = 1);
    // A ring of the given width just inside the rounded rectangle's edge.
    void StrokeRoundRect(TBox box, float radius, float width, const TPaint& paint, float opacity = 1);
    void FillCircle(float cx, float cy, float radius, const TPaint& paint, float opacity = 1);
    void StrokeCircle(float cx, float cy, float radius, float width, const TPaint& paint, float opacity = 1);
    // A line with round caps, halfWidth on either side of the segment a-b.
    void FillCapsule(float ax, float ay, float bx, float by, float halfWidth, const TPaint& paint,
                     float opacity = 1);
    // A convex polygon, points in either winding order.
    void FillPolygon(const std::vector<std::pair<float, float>>& points, const TPaint& paint,
                     float opacity = 1);

    // Any shape given by its signed distance, inside the bounds.
    void FillDistance(TBox bounds, const std::function<float(float, float)>& distance, const TPaint& paint,
                      float opacity = 1);

    // Copies a rectangle of another canvas to (x, y).
    void Draw(const TCanvas& source, int sx, int sy, int width, int height, int x, int y);

    // 8-bit channel of a pixel, rounded to nearest.
    std::uint8_t Byte(int x, int y, int channel) const;  // 0 red, 1 green, 2 blue

private:
    // Applies coverage(x, y) in 0..1 over the pixels of the bounding box.
    void Cover(TBox bounds, const std::function<float(float, float)>& coverage, const TPaint& paint,
               float opacity);

    int FWidth;
    int FHeight;
    std::vector<TRgb> FPixels;
};

// Signed distances (negative inside), used by the shapes above and by the
// mask painters that need the same outlines.
float RoundRectDistance(float x, float y, TBox box, float radius);
float SegmentDistance(float x, float y, float ax, float ay, float bx, float by);
// Coverage of a pixel centre at signed distance d from an edge.
float EdgeCoverage(float d);

}  // namespace zevrak
