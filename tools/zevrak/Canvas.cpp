#include "tools/zevrak/Canvas.h"

#include <algorithm>
#include <cmath>

namespace zevrak {

TRgb Hex(std::uint32_t rrggbb) {
    return TRgb{float((rrggbb >> 16) & 0xFF) / 255.0f, float((rrggbb >> 8) & 0xFF) / 255.0f,
                float(rrggbb & 0xFF) / 255.0f};
}

TRgb Mix(TRgb a, TRgb b, float t) {
    return TRgb{a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TRgb Scale(TRgb c, float factor) {
    return TRgb{Clamp01(c.R * factor), Clamp01(c.G * factor), Clamp01(c.B * factor)};
}

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float SmoothStep(float edge0, float edge1, float v) {
    if (edge1 == edge0) return v < edge0 ? 0.0f : 1.0f;
    float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

TBox Box(float left, float top, float right, float bottom) { return TBox{left, top, right, bottom}; }
TBox BoxAt(float left, float top, float width, float height) {
    return TBox{left, top, left + width, top + height};
}
TBox Inset(TBox b, float by) { return TBox{b.Left + by, b.Top + by, b.Right - by, b.Bottom - by}; }

TPaint Solid(TRgb c) {
    return [c](float, float) { return c; };
}

TRgb Ramp(const std::vector<TStop>& stops, float t) {
    if (stops.empty()) return TRgb{};
    if (t <= stops.front().At) return stops.front().Colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].At) {
            float span = stops[i].At - stops[i - 1].At;
            float f = span > 0 ? (t - stops[i - 1].At) / span : 1.0f;
            return Mix(stops[i - 1].Colour, stops[i].Colour, f);
        }
    }
    return stops.back().Colour;
}

TPaint VerticalRamp(float top, float bottom, std::vector<TStop> stops) {
    return [top, bottom, stops = std::move(stops)](float, float y) {
        float h = bottom - top;
        return Ramp(stops, h > 0 ? (y - top) / h : 0.0f);
    };
}

TPaint HorizontalRamp(float left, float right, std::vector<TStop> stops) {
    return [left, right, stops = std::move(stops)](float x, float) {
        float w = right - left;
        return Ramp(stops, w > 0 ? (x - left) / w : 0.0f);
    };
}

float Noise(int x, int y, std::uint32_t seed) {
    // A 32-bit integer hash (xorshift-multiply), enough for texture grain.
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return float(h >> 8) / float(1u << 24);
}

float EdgeCoverage(float d) { return Clamp01(0.5f - d); }

float RoundRectDistance(float x, float y, TBox box, float radius) {
    float hw = box.Width() / 2, hh = box.Height() / 2;
    float r = std::min(radius, std::min(hw, hh));
    if (r < 0) r = 0;
    float cx = box.Left + hw, cy = box.Top + hh;
    float qx = std::fabs(x - cx) - (hw - r);
    float qy = std::fabs(y - cy) - (hh - r);
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    float outside = std::sqrt(ox * ox + oy * oy);
    float inside = std::min(std::max(qx, qy), 0.0f);
    return outside + inside - r;
}

float SegmentDistance(float x, float y, float ax, float ay, float bx, float by) {
    float dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? Clamp01(((x - ax) * dx + (y - ay) * dy) / len2) : 0.0f;
    float px = ax + dx * t - x, py = ay + dy * t - y;
    return std::sqrt(px * px + py * py);
}

TCanvas::TCanvas(int width, int height, TRgb fill)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(std::size_t(FWidth) * std::size_t(FHeight), fill) {}

void TCanvas::Blend(int x, int y, TRgb c, float a) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight || a <= 0) return;
    TRgb& p = At(x, y);
    p = a >= 1 ? c : Mix(p, c, a);
}

void TCanvas::Fill(int left, int top, int right, int bottom, const TPaint& paint) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, FWidth);
    bottom = std::min(bottom, FHeight);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) At(x, y) = paint(float(x) + 0.5f, float(y) + 0.5f);
}

void TCanvas::Cover(TBox bounds, const std::function<float(float, float)>& coverage, const TPaint& paint,
                    float opacity) {
    int left = std::max(int(std::floor(bounds.Left)) - 1, 0);
    int top = std::max(int(std::floor(bounds.Top)) - 1, 0);
    int right = std::min(int(std::ceil(bounds.Right)) + 1, FWidth);
    int bottom = std::min(int(std::ceil(bounds.Bottom)) + 1, FHeight);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            float px = float(x) + 0.5f, py = float(y) + 0.5f;
            float a = coverage(px, py) * opacity;
            if (a > 0) Blend(x, y, paint(px, py), a);
        }
    }
}

void TCanvas::FillDistance(TBox bounds, const std::function<float(float, float)>& distance, const TPaint& paint,
                           float opacity) {
    Cover(bounds, [&](float x, float y) { return EdgeCoverage(distance(x, y)); }, paint, opacity);
}

void TCanvas::FillRoundRect(TBox box, float radius, const TPaint& paint, float opacity) {
    Cover(box, [&](float x, float y) { return EdgeCoverage(RoundRectDistance(x, y, box, radius)); }, paint,
          opacity);
}

void TCanvas::StrokeRoundRect(TBox box, float radius, float width, const TPaint& paint, float opacity) {
    TBox inner = Inset(box, width);
    float innerRadius = std::max(radius - width, 0.0f);
    Cover(
        box,
        [&](float x, float y) {
            float outer = EdgeCoverage(RoundRectDistance(x, y, box, radius));
            float in = inner.Width() > 0 && inner.Height() > 0
                           ? EdgeCoverage(RoundRectDistance(x, y, inner, innerRadius))
                           : 0.0f;
            return Clamp01(outer - in);
        },
        paint, opacity);
}

void TCanvas::FillCircle(float cx, float cy, float radius, const TPaint& paint, float opacity) {
    FillRoundRect(Box(cx - radius, cy - radius, cx + radius, cy + radius), radius, paint, opacity);
}

void TCanvas::StrokeCircle(float cx, float cy, float radius, float width, const TPaint& paint, float opacity) {
    StrokeRoundRect(Box(cx - radius, cy - radius, cx + radius, cy + radius), radius, width, paint, opacity);
}

void TCanvas::FillCapsule(float ax, float ay, float bx, float by, float halfWidth, const TPaint& paint,
                          float opacity) {
    TBox bounds = Box(std::min(ax, bx) - halfWidth, std::min(ay, by) - halfWidth, std::max(ax, bx) + halfWidth,
                      std::max(ay, by) + halfWidth);
    Cover(bounds,
          [&](float x, float y) { return EdgeCoverage(SegmentDistance(x, y, ax, ay, bx, by) - halfWidth); },
          paint, opacity);
}

void TCanvas::FillPolygon(const std::vector<std::pair<float, float>>& points, const TPaint& paint,
                          float opacity) {
    if (points.size() < 3) return;
    TBox bounds{points[0].first, points[0].second, points[0].first, points[0].second};
    float area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& a = points[i];
        const auto& b = points[(i + 1) % points.size()];
        bounds.Left = std::min(bounds.Left, a.first);
        bounds.Top = std::min(bounds.Top, a.second);
        bounds.Right = std::max(bounds.Right, a.first);
        bounds.Bottom = std::max(bounds.Bottom, a.second);
        area += a.first * b.second - b.first * a.second;
    }
    float winding = area < 0 ? -1.0f : 1.0f;
    // Convex polygon: the signed distance is the largest distance to the
    // edge lines (exact inside and along the edges, close enough at corners
    // for a one-pixel anti-aliased rim).
    Cover(
        bounds,
        [&](float x, float y) {
            float d = -1e9f;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const auto& a = points[i];
                const auto& b = points[(i + 1) % points.size()];
                float ex = b.first - a.first, ey = b.second - a.second;
                float len = std::sqrt(ex * ex + ey * ey);
                if (len <= 0) continue;
                // Outward normal for the polygon's winding.
                float nx = ey * winding / len, ny = -ex * winding / len;
                d = std::max(d, (x - a.first) * nx + (y - a.second) * ny);
            }
            return EdgeCoverage(d);
        },
        paint, opacity);
}

void TCanvas::Draw(const TCanvas& source, int sx, int sy, int width, int height, int x, int y) {
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            int px = sx + i, py = sy + j;
            if (px < 0 || py < 0 || px >= source.Width() || py >= source.Height()) continue;
            int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= FWidth || ty >= FHeight) continue;
            At(tx, ty) = source.At(px, py);
        }
    }
}

std::uint8_t TCanvas::Byte(int x, int y, int channel) const {
    TRgb p = At(x, y);
    float v = channel == 0 ? p.R : (channel == 1 ? p.G : p.B);
    return std::uint8_t(std::lround(Clamp01(v) * 255.0f));
}

}  // namespace zevrak
