#include "tools/zevrak/ZevrakPictures.h"

#include <algorithm>
#include <cmath>

#include "tools/zevrak/ZevrakLayout.h"

namespace zevrak {

using namespace layout;
namespace pal = palette;

namespace {

TBox ToBox(const TRect& r) { return Box(float(r.Left), float(r.Top), float(r.Right), float(r.Bottom)); }

TRgb White() { return TRgb{1, 1, 1}; }
TRgb Black() { return TRgb{0, 0, 0}; }

TCanvas NewMask(int width, int height) { return TCanvas(width, height, White()); }

// Marks the inside of a shape black: a pixel is inside when its centre is
// (distance below 0), the rule that matches the anti-aliased paint to half
// a pixel.
void MaskShape(TCanvas& mask, const std::function<float(float, float)>& distance) {
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (distance(float(x) + 0.5f, float(y) + 0.5f) < 0) mask.At(x, y) = Black();
}

// ---- the caption band ----------------------------------------------------------
// Colour of the window's caption band at row y (0 = top edge). Every column
// of the band is the same, so the frame can stretch it to any width.
TRgb CaptionBand(float y) {
    if (y < 1) return Hex(0x5E626A);                      // steel top edge
    if (y >= 25) return pal::Gold;                        // gold hairline under the caption
    if (y >= 24) return Hex(0x050506);
    // Black lacquer with a soft gloss over its upper half.
    return Ramp({{0.0f, Hex(0x303238)}, {0.45f, Hex(0x1D1E22)}, {0.5f, Hex(0x141518)}, {1.0f, Hex(0x0B0B0D)}},
                (y - 1) / 23);
}

// ---- caption buttons -------------------------------------------------------------

struct TButtonLook {
    TRgb FaceTop, FaceBottom, RimTop, RimBottom, Glyph;
    float GlyphShift;  // pixels down: the pressed look
};

TButtonLook CaptionLook(int state) {
    switch (state) {
        case csHot:
            return {Hex(0x3C3F46), Hex(0x141518), pal::GoldLight, pal::GoldDark, pal::GoldLight, 0};
        case csDown:
            return {Hex(0x0A0A0C), Hex(0x26282D), pal::Gold, Hex(0x5A4218), pal::Gold, 0.5f};
        case csInactive:
            return {Hex(0x1C1D20), Hex(0x141517), Hex(0x3A3C41), Hex(0x222327), Hex(0x66686D), 0};
        default:
            return {Hex(0x33353B), Hex(0x111215), Hex(0x7A7E86), Hex(0x2A2C30), pal::Silver, 0};
    }
}

void PaintCaptionGlyph(TCanvas& c, float ox, float oy, int glyph, const TButtonLook& look, int state) {
    TPaint ink = Solid(look.Glyph);
    float s = look.GlyphShift;
    switch (glyph) {
        case cgClose:
            c.FillCapsule(ox + 6.6f, oy + 6.6f + s, ox + 13.4f, oy + 13.4f + s, 0.95f, ink);
            c.FillCapsule(ox + 13.4f, oy + 6.6f + s, ox + 6.6f, oy + 13.4f + s, 0.95f, ink);
            break;
        case cgMaximize:
            c.StrokeRoundRect(Box(ox + 5.5f, oy + 5.5f + s, ox + 14.5f, oy + 14.5f + s), 1, 1.2f, ink);
            c.FillRoundRect(Box(ox + 5.5f, oy + 5.5f + s, ox + 14.5f, oy + 7.5f + s), 1, ink);
            break;
        case cgRestore:
            c.StrokeRoundRect(Box(ox + 7.5f, oy + 4.5f + s, ox + 15.0f, oy + 12.0f + s), 1, 1.1f, ink);
            c.FillRoundRect(Box(ox + 5.0f, oy + 7.5f + s, ox + 12.5f, oy + 15.0f + s), 1,
                            Solid(CaptionLook(state).FaceBottom));
            c.StrokeRoundRect(Box(ox + 5.0f, oy + 7.5f + s, ox + 12.5f, oy + 15.0f + s), 1, 1.1f, ink);
            break;
        case cgMinimize:
            c.FillRoundRect(Box(ox + 5.5f, oy + 12.0f + s, ox + 14.5f, oy + 14.2f + s), 1, ink);
            break;
        case cgSysMenu: {
            // A small roulette wheel: green cloth ring, gold rim, gold hub.
            float cx = ox + 10, cy = oy + 10 + s;
            TRgb felt = state == csInactive ? Hex(0x2D3A33) : (state == csHot ? pal::FeltLight : pal::Felt);
            TRgb gold = state == csInactive ? Hex(0x5E5A50) : (state == csHot ? pal::GoldLight : pal::Gold);
            c.FillCircle(cx, cy, 6.2f, Solid(felt));
            // Eight pockets, alternately darker.
            for (int i = 0; i < 8; ++i) {
                // Points on the rim at 45 degree steps, without trigonometry.
                static const float dirs[8][2] = {{1, 0},         {0.7071f, 0.7071f},  {0, 1},  {-0.7071f, 0.7071f},
                                                 {-1, 0},        {-0.7071f, -0.7071f}, {0, -1}, {0.7071f, -0.7071f}};
                c.FillCapsule(cx, cy, cx + dirs[i][0] * 5.6f, cy + dirs[i][1] * 5.6f, 0.45f,
                              Solid(i % 2 ? Scale(felt, 0.55f) : Scale(felt, 1.15f)));
            }
            c.StrokeCircle(cx, cy, 6.6f, 1.3f, Solid(gold));
            c.FillCircle(cx, cy, 1.9f, Solid(gold));
            break;
        }
        default:
            break;
    }
}

void PaintCaptionButton(TCanvas& c, int glyph, int state) {
    TRect cell = CaptionButtonCell(glyph, state);
    float ox = float(cell.Left), oy = float(cell.Top);
    int bandTop = CaptionButtonTop(glyph);
    // The caption band behind the button, so the button sits on the frame.
    c.Fill(cell.Left, cell.Top, cell.Right, cell.Bottom,
           [&](float, float y) { return CaptionBand(y - oy + float(bandTop)); });
    TButtonLook look = CaptionLook(state);
    TBox disc = Box(ox + 1.5f, oy + 1.5f, ox + 18.5f, oy + 18.5f);
    if (glyph != cgSysMenu) {
        // A soft shadow under the disc, then rim, then face.
        c.FillCircle(ox + 10, oy + 10.8f, 9.0f, Solid(Black()), 0.35f);
        c.FillRoundRect(disc, 8.5f, VerticalRamp(disc.Top, disc.Bottom, {{0, look.RimTop}, {1, look.RimBottom}}));
        TBox face = Inset(disc, 1.1f);
        c.FillRoundRect(face, 7.4f,
                        VerticalRamp(face.Top, face.Bottom, {{0, look.FaceTop}, {0.5f, Mix(look.FaceTop, look.FaceBottom, 0.7f)},
                                                             {1, look.FaceBottom}}));
        // Gloss on the upper half.
        if (state != csDown && state != csInactive)
            c.FillRoundRect(Box(face.Left + 2, face.Top + 0.8f, face.Right - 2, face.Top + 7), 3.5f,
                            Solid(White()), 0.07f);
    } else {
        c.FillCircle(ox + 10, oy + 10.8f, 8.2f, Solid(Black()), 0.3f);
    }
    PaintCaptionGlyph(c, ox, oy, glyph, look, state);
}

// ---- generic control looks ----------------------------------------------------------

// A recessed field: dark top rim, light bottom rim, dark face.
void PaintField(TCanvas& c, const TRect& at, float radius, TRgb face, TRgb rimTop, TRgb rimBottom) {
    TBox b = ToBox(at);
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(pal::Backdrop));
    c.FillRoundRect(b, radius, VerticalRamp(b.Top, b.Bottom, {{0, rimTop}, {1, rimBottom}}));
    TBox in = Inset(b, 1);
    c.FillRoundRect(in, std::max(radius - 1, 0.0f),
                    VerticalRamp(in.Top, in.Bottom, {{0, Scale(face, 0.8f)}, {0.25f, face}, {1, Scale(face, 1.12f)}}));
}

enum TButtonState { bsNormal, bsHot, bsDown, bsFocused, bsDisabled };

void PaintPushButton(TCanvas& c, const TRect& at, TButtonState state) {
    TBox b = ToBox(at);
    float r = float(ButtonRadius) + 0.5f;
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(pal::Backdrop));
    TRgb rimTop = pal::Steel, rimBottom = Hex(0x26282C);
    std::vector<TStop> face = {{0, Hex(0x3A3C42)}, {0.48f, Hex(0x202126)}, {0.52f, Hex(0x17181B)}, {1, Hex(0x0E0F11)}};
    switch (state) {
        case bsHot:
            rimTop = pal::GoldLight;
            rimBottom = pal::GoldDark;
            // Hot: lighter lacquer over a breath of green cloth light.
            face = {{0, Hex(0x474A51)}, {0.48f, Hex(0x26282D)}, {0.52f, Hex(0x1A1F1D)}, {1, Hex(0x0F2A1B)}};
            break;
        case bsDown:
            rimTop = Hex(0x5A4218);
            rimBottom = pal::Gold;
            face = {{0, Hex(0x08090A)}, {0.5f, Hex(0x131417)}, {1, Hex(0x25272B)}};
            break;
        case bsDisabled:
            rimTop = Hex(0x36383C);
            rimBottom = Hex(0x1E1F22);
            face = {{0, Hex(0x1E1F22)}, {1, Hex(0x17181A)}};
            break;
        default:
            break;
    }
    c.FillRoundRect(b, r, VerticalRamp(b.Top, b.Bottom, {{0, rimTop}, {1, rimBottom}}));
    TBox in = Inset(b, 1);
    c.FillRoundRect(in, r - 1, VerticalRamp(in.Top, in.Bottom, face));
    if (state == bsNormal || state == bsHot || state == bsFocused)
        c.FillRoundRect(Box(in.Left + 3, in.Top + 1, in.Right - 3, in.Top + 9), 4, Solid(White()), 0.06f);
    if (state == bsFocused)
        c.StrokeRoundRect(Inset(in, 1), r - 2, 1, Solid(pal::Gold), 0.85f);
}

// Steel gradient across a thumb (along its length the look is uniform, so
// it can stretch between its fixed ends).
void PaintThumb(TCanvas& c, const TRect& at, bool vertical, int state) {
    TBox b = ToBox(at);
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(Hex(0x0F1012)));
    std::vector<TStop> across = {{0, Hex(0x7D828A)}, {0.45f, Hex(0x4D5157)}, {1, Hex(0x2A2C31)}};
    if (state == 1) across = {{0, pal::GoldLight}, {0.45f, Hex(0x8F7236)}, {1, Hex(0x4E3B16)}};
    if (state == 2) across = {{0, Hex(0x8F7236)}, {0.5f, Hex(0x5F4A1F)}, {1, Hex(0x3A2C10)}};
    TBox in = Inset(b, 1);
    TPaint paint = vertical ? HorizontalRamp(in.Left, in.Right, across) : VerticalRamp(in.Top, in.Bottom, across);
    c.FillRoundRect(in, 3.5f, paint);
}

void PaintGrip(TCanvas& c, const TRect& at, bool vertical, int state) {
    TRgb bg = state == 0 ? Hex(0x4D5157) : (state == 1 ? Hex(0x8F7236) : Hex(0x5F4A1F));
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(bg));
    TRgb line = state == 0 ? pal::SteelLight : pal::GoldLight;
    for (int i = 0; i < 3; ++i) {
        float p = 1.5f + float(i) * 2;
        if (vertical)
            c.FillCapsule(float(at.Left) + 1.5f, float(at.Top) + p, float(at.Right) - 1.5f, float(at.Top) + p, 0.5f,
                          Solid(line));
        else
            c.FillCapsule(float(at.Left) + p, float(at.Top) + 1.5f, float(at.Left) + p, float(at.Bottom) - 1.5f, 0.5f,
                          Solid(line));
    }
}

// dir: 0 up, 1 down, 2 left, 3 right. A triangle of base 2 * size and
// depth size, centred on (cx, cy).
void PaintArrow(TCanvas& c, float cx, float cy, int dir, float size, TRgb colour) {
    float b = size, d = size / 2;
    std::vector<std::pair<float, float>> p;
    switch (dir) {
        case 0: p = {{cx - b, cy + d}, {cx + b, cy + d}, {cx, cy - d}}; break;
        case 1: p = {{cx - b, cy - d}, {cx + b, cy - d}, {cx, cy + d}}; break;
        case 2: p = {{cx + d, cy - b}, {cx + d, cy + b}, {cx - d, cy}}; break;
        default: p = {{cx - d, cy - b}, {cx - d, cy + b}, {cx + d, cy}}; break;
    }
    c.FillPolygon(p, Solid(colour));
}

// A scroll bar button: state 0 normal, 1 hot, 2 pressed.
void PaintScrollButton(TCanvas& c, const TRect& at, int dir, int state) {
    TBox b = ToBox(at);
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(Hex(0x0F1012)));
    TBox in = Inset(b, 1);
    std::vector<TStop> face = {{0, Hex(0x34363C)}, {1, Hex(0x17181B)}};
    TRgb rim = Hex(0x3E4147), arrow = pal::Silver;
    if (state == 1) {
        face = {{0, Hex(0x3F4249)}, {1, Hex(0x1D1E22)}};
        rim = pal::Gold;
        arrow = pal::GoldLight;
    } else if (state == 2) {
        face = {{0, Hex(0x0B0C0E)}, {1, Hex(0x222429)}};
        rim = pal::GoldDark;
        arrow = pal::Gold;
    }
    c.FillRoundRect(in, 3, Solid(rim));
    c.FillRoundRect(Inset(in, 1), 2, VerticalRamp(in.Top, in.Bottom, face));
    float shift = state == 2 ? 0.5f : 0;
    PaintArrow(c, b.Left + b.Width() / 2 + shift, b.Top + b.Height() / 2 + shift, dir, 4.0f, arrow);
}

void PaintScrollTrack(TCanvas& c, const TRect& at, bool vertical) {
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, [&](float x, float y) {
        float across = vertical ? x - float(at.Left) : y - float(at.Top);
        float t = across / float(ScrollSize);
        // A groove: darker in the middle, thin steel lines at the sides.
        if (across < 1 || across > float(ScrollSize) - 1) return Hex(0x2A2C31);
        return Ramp({{0, Hex(0x17181B)}, {0.5f, Hex(0x0C0D0F)}, {1, Hex(0x15161A)}}, t);
    });
}

void PaintVScrollBar(TCanvas& c) {
    TRect at = VScroll;
    PaintScrollTrack(c, at, true);
    PaintScrollButton(c, OffsetRect(VScrollUp, at.Left, at.Top), 0, 0);
    PaintScrollButton(c, OffsetRect(VScrollDown, at.Left, at.Top), 1, 0);
    PaintScrollButton(c, VScrollUpHot, 0, 1);
    PaintScrollButton(c, VScrollUpDown, 0, 2);
    PaintScrollButton(c, VScrollDownHot, 1, 1);
    PaintScrollButton(c, VScrollDownDown, 1, 2);
    PaintThumb(c, VThumb, true, 0);
    PaintThumb(c, VThumbHot, true, 1);
    PaintThumb(c, VThumbDown, true, 2);
    PaintGrip(c, VGlyph, true, 0);
    PaintGrip(c, VGlyphHot, true, 1);
    PaintGrip(c, VGlyphDown, true, 2);
}

void PaintHScrollBar(TCanvas& c, const TRect& at) {
    PaintScrollTrack(c, at, false);
    PaintScrollButton(c, OffsetRect(HScrollLeft, at.Left, at.Top), 2, 0);
    PaintScrollButton(c, OffsetRect(HScrollRight, at.Left, at.Top), 3, 0);
    if (at.Width() > HScrollRight.Right) {
        // The corner square beside a vertical bar.
        TRect corner = Rect(at.Left + HScrollRight.Right, at.Top, at.Right, at.Bottom);
        c.Fill(corner.Left, corner.Top, corner.Right, corner.Bottom, Solid(Hex(0x16171A)));
        c.StrokeRoundRect(Inset(ToBox(corner), 1), 2, 1, Solid(Hex(0x2A2C31)));
    }
}

void PaintHScrollParts(TCanvas& c) {
    PaintScrollButton(c, HScrollLeftHot, 2, 1);
    PaintScrollButton(c, HScrollLeftDown, 2, 2);
    PaintScrollButton(c, HScrollRightHot, 3, 1);
    PaintScrollButton(c, HScrollRightDown, 3, 2);
    PaintThumb(c, HThumb, false, 0);
    PaintThumb(c, HThumbHot, false, 1);
    PaintThumb(c, HThumbDown, false, 2);
    PaintGrip(c, HGlyph, false, 0);
    PaintGrip(c, HGlyphHot, false, 1);
    PaintGrip(c, HGlyphDown, false, 2);
}

// The green cloth highlight of a selected item.
void PaintFeltStrip(TCanvas& c, const TRect& at, TRgb background, bool goldRim) {
    TBox b = ToBox(at);
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(background));
    TBox in = Inset(b, 1);
    c.FillRoundRect(in, 3,
                    VerticalRamp(in.Top, in.Bottom, {{0, Hex(0x24A259)}, {0.5f, pal::Felt}, {1, pal::FeltDark}}));
    c.FillRoundRect(Box(in.Left + 2, in.Top + 0.6f, in.Right - 2, in.Top + 1.6f), 0.5f, Solid(White()), 0.18f);
    if (goldRim) c.StrokeRoundRect(in, 3, 1, Solid(pal::Gold), 0.9f);
}

void PaintComboButton(TCanvas& c, const TRect& at, int state) {
    // state 0 normal, 1 hot, 2 down, 3 disabled
    TBox b = ToBox(at);
    std::vector<TStop> face = {{0, Hex(0x2E3035)}, {1, Hex(0x151619)}};
    TRgb rim = Hex(0x3A3D43), chevron = pal::Gold;
    if (state == 1) {
        face = {{0, Hex(0x3C3F46)}, {1, Hex(0x1B1C20)}};
        rim = pal::Gold;
        chevron = pal::GoldLight;
    } else if (state == 2) {
        face = {{0, Hex(0x0B0C0E)}, {1, Hex(0x212327)}};
        rim = pal::GoldDark;
    } else if (state == 3) {
        face = {{0, Hex(0x1C1D20)}, {1, Hex(0x17181A)}};
        rim = Hex(0x2A2C30);
        chevron = Hex(0x55575C);
    }
    c.FillRoundRect(b, 2.5f, Solid(rim));
    c.FillRoundRect(Inset(b, 1), 1.5f, VerticalRamp(b.Top, b.Bottom, face));
    float cx = b.Left + b.Width() / 2, cy = b.Top + b.Height() / 2 + (state == 2 ? 1.0f : 0.5f);
    c.FillCapsule(cx - 3.5f, cy - 1.8f, cx, cy + 1.7f, 0.85f, Solid(chevron));
    c.FillCapsule(cx + 3.5f, cy - 1.8f, cx, cy + 1.7f, 0.85f, Solid(chevron));
}

void PaintCombo(TCanvas& c, const TRect& at, bool active) {
    PaintField(c, at, 3, pal::Field, active ? pal::Gold : Hex(0x050506), active ? pal::GoldDark : Hex(0x464950));
    PaintComboButton(c, OffsetRect(ComboButton, at.Left, at.Top), 0);
}

// A frame of a panel-like control: rim, optional caption band, flat face.
void PaintPanelFrame(TCanvas& c, const TRect& at, float radius, TRgb face) {
    TBox b = ToBox(at);
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, Solid(pal::Backdrop));
    c.FillRoundRect(b, radius, VerticalRamp(b.Top, b.Bottom, {{0, Hex(0x4A4E55)}, {1, Hex(0x25272B)}}));
    c.FillRoundRect(Inset(b, 1), radius - 1, Solid(Hex(0x08090A)));
    c.FillRoundRect(Inset(b, 2), std::max(radius - 2, 0.0f), Solid(face));
}

void PaintGroupBox(TCanvas& c) {
    TRect at = GroupBox;
    // A face a shade lighter than the client, for the labels inside.
    PaintPanelFrame(c, at, 4, Hex(0xC8CBD0));
    // Caption band: brushed steel gone dark, with a gold hairline under it.
    // The band ends at the hairline: the rows below it belong to the client
    // area, which is tiled and must stay flat.
    float top = float(at.Top) + 2, bottom = float(at.Top) + 18;
    TBox inner = Box(float(at.Left) + 2, top, float(at.Right) - 2, float(at.Bottom) - 2);
    c.FillDistance(inner, [&](float x, float y) { return std::max(RoundRectDistance(x, y, inner, 2), y - bottom); },
                   VerticalRamp(top, bottom, {{0, Hex(0x34373C)}, {0.5f, Hex(0x222428)}, {1, Hex(0x191A1E)}}));
    c.Fill(at.Left + 2, at.Top + 18, at.Right - 2, at.Top + 19, Solid(pal::GoldDark));
    c.Fill(at.Left + 4, at.Top + 18, at.Right - 4, at.Top + 19, Solid(pal::Gold));
}

void PaintStatusBar(TCanvas& c) {
    TRect at = StatusBar;
    c.Fill(at.Left, at.Top, at.Right, at.Bottom, [&](float, float y) {
        float row = y - float(at.Top);
        if (row < 1) return Hex(0x050506);
        if (row < 2) return pal::GoldDark;
        return Ramp({{0, Hex(0x2A2C31)}, {0.5f, Hex(0x1C1D21)}, {1, Hex(0x121316)}}, (row - 2) / 19);
    });
}

void PaintGauge(TCanvas& c) {
    PaintField(c, Gauge, 4.5f, Hex(0x0C0D0F), Hex(0x030304), Hex(0x43464C));
    // The fill: green cloth light with diagonal stripes; its middle repeats
    // every GaugeStripePeriod pixels, so tiled copies meet without a seam.
    TRect f = GaugeFill;
    c.Fill(f.Left, f.Top, f.Right, f.Bottom, Solid(Hex(0x0C0D0F)));
    TBox fb = ToBox(f);
    c.FillRoundRect(fb, 2.5f, [&](float x, float y) {
        float t = (y - fb.Top) / fb.Height();
        TRgb base = Ramp({{0, Hex(0x5BE39A)}, {0.35f, Hex(0x1DA85A)}, {1, Hex(0x0A5E2F)}}, t);
        int column = int(x - fb.Left) - GaugeFillCap;
        int phase = ((column + int(y - fb.Top)) % GaugeStripePeriod + GaugeStripePeriod) % GaugeStripePeriod;
        return phase < GaugeStripePeriod / 2 ? Scale(base, 1.12f) : base;
    });
    // Animation: a soft light sweeping along the bar, one frame per 13 rows.
    TRect a = GaugeAnimation;
    int frameHeight = a.Height() / GaugeAnimationFrames;
    for (int i = 0; i < GaugeAnimationFrames; ++i) {
        float top = float(a.Top + i * frameHeight);
        float centre = -8.0f + float(i) * float(a.Width() + 16) / float(GaugeAnimationFrames - 1);
        c.Fill(a.Left, a.Top + i * frameHeight, a.Right, a.Top + (i + 1) * frameHeight, [&](float x, float y) {
            float t = (y - top) / float(frameHeight);
            TRgb base = Ramp({{0, Hex(0x5BE39A)}, {0.35f, Hex(0x1DA85A)}, {1, Hex(0x0A5E2F)}}, t);
            float d = std::fabs(x - float(a.Left) - centre) / 9.0f;
            float glow = d < 1 ? (1 - d) * (1 - d) : 0.0f;
            return Mix(base, Hex(0xD8FFE8), glow * 0.55f);
        });
    }
}

void PaintListBox(TCanvas& c) {
    PaintPanelFrame(c, ListBox, 3, Hex(0x17181B));
    c.Fill(ListItem.Left, ListItem.Top, ListItem.Right, ListItem.Bottom, Solid(Hex(0x17181B)));
    PaintFeltStrip(c, ListItemActive, Hex(0x17181B), false);
    PaintFeltStrip(c, ListItemFocus, Hex(0x17181B), true);
}

TRgb PopupFace(float y, float height) {
    return Ramp({{0, Hex(0x222328)}, {1, Hex(0x131417)}}, y / height);
}

float PopupDistance(float x, float y, float w, float h) {
    return RoundRectDistance(x, y, Box(0, 0, w, h), float(PopupRadius));
}

// A rounded lacquer panel with a steel rim and an inner gold hairline.
void PaintLacquerPanel(TCanvas& c, TBox b, float radius, bool goldLine) {
    c.FillRoundRect(b, radius, VerticalRamp(b.Top, b.Bottom, {{0, Hex(0x5A5E66)}, {1, Hex(0x2A2C31)}}));
    TBox in = Inset(b, 1);
    c.FillRoundRect(in, radius - 1, VerticalRamp(in.Top, in.Bottom, {{0, Hex(0x222328)}, {1, Hex(0x131417)}}));
    if (goldLine) c.StrokeRoundRect(Inset(in, 1), std::max(radius - 2, 0.0f), 1, Solid(pal::GoldDark), 0.8f);
}

}  // namespace

float WindowOutlineDistance(float x, float y, float left, float top, float width, float height) {
    TBox b = BoxAt(left, top, width, height);
    bool upper = y < top + height / 2;
    return RoundRectDistance(x, y, b, upper ? float(FrameTopRadius) : float(FrameBottomRadius));
}

TCanvas PaintMainPicture() {
    const int w = MainPicture.Width, h = MainPicture.Height;
    TCanvas c(w, h, Black());
    // Client area: the steel backdrop with a fine grain; each pixel is drawn on
    // its own, so tiles of it meet without a seam.
    c.Fill(FrameClient.Left, FrameClient.Top, FrameClient.Right, FrameClient.Bottom, [](float x, float y) {
        float n = Noise(int(x), int(y), 7) - 0.5f;
        return Scale(pal::Backdrop, 1.0f + n * 0.06f);
    });
    // Caption band, clipped to the window outline.
    auto outline = [&](float x, float y) { return WindowOutlineDistance(x, y, 0, 0, float(w), float(h)); };
    c.Fill(0, 0, w, FrameClient.Top, [](float, float y) { return CaptionBand(y); });
    // Steel edges down the sides and along the bottom.
    c.Fill(0, FrameClient.Top, FrameClient.Left, h, Solid(Hex(0x3D4046)));
    c.Fill(FrameClient.Right, FrameClient.Top, w, h, Solid(Hex(0x3D4046)));
    c.Fill(0, FrameClient.Bottom, w, h, Solid(Hex(0x2E3035)));
    // Anti-aliased outline at the rounded corners: blend toward black where
    // the window shape is cut, so the cut edge does not look jagged.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float d = outline(float(x) + 0.5f, float(y) + 0.5f);
            if (d > -1.5f) c.At(x, y) = Mix(c.At(x, y), Black(), Clamp01(d + 1.0f) * 0.6f);
        }
    }
    // The caption band's top corners carry a steel rim along the curve.
    c.FillDistance(Box(0, 0, float(w), 12),
                   [&](float x, float y) { return std::fabs(outline(x, y) + 0.5f) - 0.5f; },
                   Solid(Hex(0x5E626A)), 0.8f);
    return c;
}

TCanvas PaintMainMask() {
    TCanvas m = NewMask(MainPicture.Width, MainPicture.Height);
    MaskShape(m, [&](float x, float y) {
        return WindowOutlineDistance(x, y, 0, 0, float(MainPicture.Width), float(MainPicture.Height));
    });
    return m;
}

TCanvas PaintCaptionButtons() {
    const auto& pic = ActivePictures[piActive];
    TCanvas c(pic.Width, pic.Height, Hex(0x0B0B0D));
    for (int glyph = 0; glyph < CaptionGlyphCount; ++glyph)
        for (int state = csNormal; state <= csInactive; ++state) PaintCaptionButton(c, glyph, state);
    return c;
}

TCanvas PaintCaptionButtonMask() {
    TCanvas m = NewMask(CaptionButtonSize, CaptionButtonSize);
    MaskShape(m, [](float x, float y) { return RoundRectDistance(x, y, Box(0.5f, 0.5f, 19.5f, 19.5f), 9.5f); });
    return m;
}

TCanvas PaintGlow() {
    const auto& pic = ActivePictures[piGlow];
    TCanvas c(pic.Width, pic.Height, pal::GoldLight);
    c.Fill(0, 0, pic.Width, pic.Height, [&](float x, float y) {
        float dx = x - float(pic.Width) / 2, dy = y - float(pic.Height) / 2;
        float d = std::sqrt(dx * dx + dy * dy);
        return Mix(pal::GoldLight, pal::Gold, Clamp01((d - 10) / 10));
    });
    return c;
}

TCanvas PaintGlowMask() {
    const auto& pic = ActivePictures[piGlowMask];
    TCanvas m(pic.Width, pic.Height, Black());
    // A ring: clear over the button itself, brightest just outside its rim,
    // fading out before the picture's edge.
    m.Fill(0, 0, pic.Width, pic.Height, [&](float x, float y) {
        float dx = x - float(pic.Width) / 2, dy = y - float(pic.Height) / 2;
        float d = std::sqrt(dx * dx + dy * dy);
        float a = SmoothStep(8.5f, 11.0f, d) * (1 - SmoothStep(11.0f, 21.0f, d));
        a = a * a * 0.9f;
        return TRgb{a, a, a};
    });
    return m;
}

TCanvas PaintLayerBorder() {
    const auto& pic = ActivePictures[piLayer];
    TCanvas c(pic.Width, pic.Height, Black());
    // Black shadow, with a faint gold light right at the window's edge.
    c.Fill(0, 0, pic.Width, pic.Height, [&](float x, float y) {
        float d = WindowOutlineDistance(x, y, float(LayerClient.Left), float(LayerClient.Top),
                                        float(LayerClient.Width()), float(LayerClient.Height()));
        float rim = 1 - SmoothStep(0.0f, 2.5f, d);
        return Mix(Black(), pal::GoldDark, rim * 0.7f);
    });
    return c;
}

TCanvas PaintLayerBorderMask() {
    const auto& pic = ActivePictures[piLayerMask];
    TCanvas m(pic.Width, pic.Height, Black());
    m.Fill(0, 0, pic.Width, pic.Height, [&](float x, float y) {
        float l = float(LayerClient.Left), t = float(LayerClient.Top);
        float w = float(LayerClient.Width()), h = float(LayerClient.Height());
        float edge = WindowOutlineDistance(x, y, l, t, w, h);
        if (edge < 0) return Black();  // the window itself shows through
        // The shadow falls a little below the window.
        float d = std::max(WindowOutlineDistance(x, y - 1.5f, l, t, w, h), 0.0f);
        float s = 1 - SmoothStep(0.0f, 13.5f, d);
        float shadow = s * std::sqrt(s) * 0.72f;
        float rim = (1 - SmoothStep(0.0f, 2.5f, edge)) * 0.3f;
        float a = std::max(shadow, rim);
        return TRgb{a, a, a};
    });
    return m;
}

TCanvas PaintPopupFrame() {
    const auto& pic = ActivePictures[piPopup];
    TCanvas c(pic.Width, pic.Height, Black());
    PaintLacquerPanel(c, Box(0, 0, float(pic.Width), float(pic.Height)), float(PopupRadius), true);
    return c;
}

TCanvas PaintPopupMask() {
    const auto& pic = ActivePictures[piPopupMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    MaskShape(m, [&](float x, float y) { return PopupDistance(x, y, float(pic.Width), float(pic.Height)); });
    return m;
}

TCanvas PaintMenuItems() {
    const auto& pic = ActivePictures[piMenuItems];
    const TRgb face = PopupFace(float(PopupItems.Top) + 10, float(ActivePictures[piPopup].Height));
    TCanvas c(pic.Width, pic.Height, face);
    PaintFeltStrip(c, MenuItemActive, face, false);
    // Divider: an engraved line.
    int mid = MenuItemDivider.Top + MenuItemDivider.Height() / 2;
    c.Fill(MenuItemDivider.Left + 2, mid - 1, MenuItemDivider.Right - 2, mid, Solid(Hex(0x070708)));
    c.Fill(MenuItemDivider.Left + 2, mid, MenuItemDivider.Right - 2, mid + 1, Solid(Hex(0x3A3C42)));
    // Check marks, radio dots and sub-menu arrows, plain and selected.
    auto check = [&](const TRect& r, TRgb ink) {
        float x = float(r.Left), y = float(r.Top);
        c.FillCapsule(x + 1.5f, y + 5.0f, x + 4.0f, y + 7.8f, 0.9f, Solid(ink));
        c.FillCapsule(x + 4.0f, y + 7.8f, x + 8.8f, y + 2.0f, 0.9f, Solid(ink));
    };
    check(MenuCheck, pal::Silver);
    c.Fill(MenuCheckActive.Left, MenuCheckActive.Top, MenuCheckActive.Right, MenuCheckActive.Bottom,
           Solid(pal::Felt));
    check(MenuCheckActive, White());
    c.FillCircle(float(MenuRadio.Left) + 5, float(MenuRadio.Top) + 5, 2.8f, Solid(pal::Silver));
    c.Fill(MenuRadioActive.Left, MenuRadioActive.Top, MenuRadioActive.Right, MenuRadioActive.Bottom,
           Solid(pal::Felt));
    c.FillCircle(float(MenuRadioActive.Left) + 5, float(MenuRadioActive.Top) + 5, 2.8f, Solid(White()));
    PaintArrow(c, float(MenuArrow.Left) + 2.5f, float(MenuArrow.Top) + 4.5f, 3, 3.0f, pal::Silver);
    c.Fill(MenuArrowActive.Left, MenuArrowActive.Top, MenuArrowActive.Right, MenuArrowActive.Bottom,
           Solid(pal::Felt));
    PaintArrow(c, float(MenuArrowActive.Left) + 2.5f, float(MenuArrowActive.Top) + 4.5f, 3, 3.0f, White());
    return c;
}

TCanvas PaintControls() {
    const auto& pic = ActivePictures[piControls];
    TCanvas c(pic.Width, pic.Height, pal::Backdrop);
    PaintPushButton(c, ButtonNormal, bsNormal);
    PaintPushButton(c, ButtonHot, bsHot);
    PaintPushButton(c, ButtonDown, bsDown);
    PaintPushButton(c, ButtonFocused, bsFocused);
    PaintPushButton(c, ButtonDisabled, bsDisabled);

    PaintField(c, EditNormal, 3, pal::Field, Hex(0x050506), Hex(0x464950));
    PaintField(c, EditActive, 3, Hex(0x191A1E), pal::Gold, pal::GoldDark);

    PaintCombo(c, ComboNormal, false);
    PaintCombo(c, ComboActive, true);
    PaintComboButton(c, ComboButtonHot, 1);
    PaintComboButton(c, ComboButtonDown, 2);
    PaintComboButton(c, ComboButtonDisabled, 3);
    PaintFeltStrip(c, ComboFocusItem, pal::Field, false);

    PaintListBox(c);
    PaintGroupBox(c);
    PaintPanelFrame(c, Panel, 4, Hex(0x1A1B1F));
    PaintStatusBar(c);
    PaintField(c, StatusPanel, 2.5f, Hex(0x101114), Hex(0x040405), Hex(0x3A3C42));
    PaintGauge(c);
    PaintVScrollBar(c);
    PaintHScrollBar(c, HScroll);
    PaintHScrollBar(c, BothHScroll);
    PaintHScrollParts(c);
    return c;
}

TCanvas PaintButtonMask() {
    const auto& pic = ActivePictures[piButtonMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    TBox b = Box(0, 0, float(pic.Width), float(pic.Height));
    MaskShape(m, [&](float x, float y) { return RoundRectDistance(x, y, b, float(ButtonRadius) + 0.5f); });
    return m;
}

TCanvas PaintHint() {
    const auto& pic = ActivePictures[piHint];
    TCanvas c(pic.Width, pic.Height, Black());
    PaintLacquerPanel(c, Box(0, 0, float(pic.Width), float(pic.Height)), 4, true);
    return c;
}

TCanvas PaintHintMask() {
    const auto& pic = ActivePictures[piHintMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    MaskShape(m, [&](float x, float y) {
        return RoundRectDistance(x, y, Box(0, 0, float(pic.Width), float(pic.Height)), 4);
    });
    return m;
}

TCanvas PaintRoundButtonMask() {
    const auto& pic = ActivePictures[piRoundButtonMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    MaskShape(m, [&](float x, float y) {
        return RoundRectDistance(x, y, Box(0, 0, float(pic.Width), float(pic.Height)), 9);
    });
    return m;
}

TCanvas PaintHTrackMask() {
    const auto& pic = ActivePictures[piHTrackMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    MaskShape(m, [&](float x, float y) {
        return RoundRectDistance(x, y, Box(0, 0, float(pic.Width), float(pic.Height)), 7.5f);
    });
    return m;
}

TCanvas PaintVTrackMask() {
    const auto& pic = ActivePictures[piVTrackMask];
    TCanvas m = NewMask(pic.Width, pic.Height);
    MaskShape(m, [&](float x, float y) {
        return RoundRectDistance(x, y, Box(0, 0, float(pic.Width), float(pic.Height)), 7.5f);
    });
    return m;
}

TCanvas PaintRibbon() {
    const auto& pic = ActivePictures[piRibbon];
    TCanvas c(pic.Width, pic.Height, pal::Backdrop);
    // Tab strip on top, the page below, group frames in the page.
    c.Fill(0, 0, pic.Width, 24, VerticalRamp(0, 24, {{0, Hex(0x2A2C31)}, {1, Hex(0x141518)}}));
    c.Fill(0, 23, pic.Width, 24, Solid(pal::GoldDark));
    PaintLacquerPanel(c, Box(4, 28, 130, 118), 4, false);
    PaintLacquerPanel(c, Box(134, 28, 260, 118), 4, false);
    PaintFeltStrip(c, Rect(6, 4, 60, 23), Hex(0x1C1D21), true);
    PaintLacquerPanel(c, Box(4, 124, 261, 177), 4, true);
    return c;
}

TCanvas PaintAppMenu() {
    const auto& pic = ActivePictures[piAppMenu];
    TCanvas c(pic.Width, pic.Height, Black());
    PaintLacquerPanel(c, Box(0, 0, float(pic.Width), float(pic.Height)), 5, true);
    PaintFeltStrip(c, Rect(8, 8, 120, 28), Hex(0x1E1F24), false);
    return c;
}

TCanvas PaintAppMenuBackground() {
    const auto& pic = ActivePictures[piAppMenuBg];
    TCanvas c(pic.Width, pic.Height, pal::Backdrop);
    c.Fill(0, 0, pic.Width, pic.Height, [&](float x, float y) {
        float n = Noise(int(x), int(y), 11) - 0.5f;
        return Scale(Ramp({{0, Hex(0x1B1C20)}, {1, Hex(0x0F1012)}}, y / float(pic.Height)), 1.0f + n * 0.12f);
    });
    return c;
}

}  // namespace zevrak
