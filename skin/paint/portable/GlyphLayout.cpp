#include "skin/paint/portable/GlyphLayout.h"

#include <algorithm>

TGlyphTextPlacement CalcGlyphLayout(int layout, const TRect& rect, int glyphW, int glyphH, int textW, int textH,
                                    int margin, int spacing) {
    const int cx = rect.Left + rect.Width() / 2;
    const int cy = rect.Top + rect.Height() / 2;
    const int s = glyphW == 0 ? 0 : spacing;
    // Half the block of glyph, gap and caption along the layout's axis.
    const int bw = (glyphW + textW + s) / 2;
    const int bh = (textH + glyphH + s) / 2;
    const int gxc = cx - glyphW / 2;
    const int txc = cx - textW / 2;
    const int tyc = cy - textH / 2;
    const int gyc = cy - glyphH / 2;
    const bool centred = margin == bsCentredMargin;

    TGlyphTextPlacement p;
    switch (layout) {
        case bsglGlyphRight:
            if (centred) {
                p.Text = Point(cx - bw, tyc);
                p.Glyph = Point(cx + bw - glyphW, gyc);
            } else {
                p.Glyph = Point(rect.Right - glyphW - margin, gyc);
                p.Text = Point(p.Glyph.X - s - textW, tyc);
            }
            break;
        case bsglGlyphTop:
            if (centred) {
                p.Glyph = Point(gxc, cy - bh);
                p.Text = Point(txc, cy + bh - textH);
            } else {
                p.Glyph = Point(gxc, rect.Top + margin);
                p.Text = Point(txc, p.Glyph.Y + glyphH + s);
            }
            break;
        case bsglGlyphBottom:
            if (centred) {
                p.Glyph = Point(gxc, cy + bh - glyphH);
                p.Text = Point(txc, cy - bh);
            } else {
                p.Glyph = Point(gxc, rect.Bottom - glyphH - margin);
                p.Text = Point(txc, p.Glyph.Y - s - textH);
            }
            break;
        default:  // bsglGlyphLeft and unknown layouts
            if (centred) {
                p.Glyph = Point(cx - bw, gyc);
                p.Text = Point(cx + bw - textW, tyc);
            } else {
                p.Glyph = Point(rect.Left + margin, gyc);
                p.Text = Point(p.Glyph.X + glyphW + s, tyc);
            }
            break;
    }
    return p;
}

int GlyphCellCount(int numGlyphs) { return std::max(1, numGlyphs); }

int GlyphCellWidth(int stripWidth, int numGlyphs) {
    return stripWidth > 0 ? stripWidth / GlyphCellCount(numGlyphs) : 0;
}

TRect GlyphCellRect(int stripWidth, int stripHeight, int glyphNum, int numGlyphs) {
    const int w = GlyphCellWidth(stripWidth, numGlyphs);
    if (w <= 0 || stripHeight <= 0) return NullRect();
    const int n = std::clamp(glyphNum, 1, GlyphCellCount(numGlyphs));
    return Rect((n - 1) * w, 0, n * w, stripHeight);
}

TRect CaptionMeasureRect(int layout, const TRect& face, int glyphW, int glyphH) {
    const bool vertical = layout == bsglGlyphTop || layout == bsglGlyphBottom;
    return Rect(0, 0, face.Width() - (vertical ? 0 : glyphW), face.Height() - (vertical ? glyphH : 0));
}

TFaceLayout PlanFaceLayout(const TFaceLayoutInput& in) {
    const TGlyphTextPlacement p =
        CalcGlyphLayout(in.Layout, in.Face, in.GlyphW, in.GlyphH, in.TextW, in.TextH, in.Margin, in.Spacing);
    const int shift = in.Down ? 1 : 0;

    TFaceLayout out;
    out.Glyph = Point(p.Glyph.X + shift, p.Glyph.Y + shift);
    const int tx = p.Text.X + shift;
    const int ty = p.Text.Y + shift;
    // Odd font heights sit one pixel high in the face; the 2 extra pixels
    // keep italic overhangs inside the caption rectangle.
    out.Text = Rect(tx, ty - (in.OddFontHeight ? 1 : 0), tx + in.TextW + 2, ty + in.TextH);

    if (!in.ShowMarker) return out;
    const bool hasGlyph = in.GlyphW > 0 && in.GlyphH > 0;
    const bool hasText = in.TextW > 0 && in.TextH > 0;
    if (hasGlyph) {
        for (int d = -2; d <= 0; ++d) {
            const int y = out.Glyph.Y + in.GlyphH + d;
            out.Marker.push_back(LineStroke(out.Glyph.X, y, out.Glyph.X + in.GlyphW, y));
        }
    } else if (hasText) {
        for (int d = -1; d <= 1; ++d) {
            const int y = out.Text.Bottom + d;
            out.Marker.push_back(LineStroke(out.Text.Left, y, out.Text.Right, y));
        }
    } else {
        const bool low = in.StripMarker && in.Down;
        out.Marker.push_back(FillStroke(Rect(in.Face.Left + 4, in.Face.Top + (low ? 5 : 4), in.Face.Right - 2,
                                             in.Face.Bottom - (low ? 3 : 4))));
    }
    return out;
}
