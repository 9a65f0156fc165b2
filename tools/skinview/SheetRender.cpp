#include "tools/skinview/SheetRender.h"

#include <algorithm>

#include "skin/paint/portable/CompositionPixels.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/MaskRegionData.h"
#include "tools/skinview/LabelFont.h"

namespace {

// ---- colours of the sheet itself ------------------------------------------------
constexpr std::uint32_t SheetBack = MakePixel(0x2A, 0x2B, 0x2F, 255);
constexpr std::uint32_t LabelInk = MakePixel(0xE0, 0xE0, 0xE0, 255);
constexpr std::uint32_t TitleInk = MakePixel(0xF0, 0xD5, 0x8C, 255);
constexpr std::uint32_t CheckLight = MakePixel(0x9A, 0x9A, 0x9A, 255);
constexpr std::uint32_t CheckDark = MakePixel(0x70, 0x70, 0x70, 255);
constexpr std::uint32_t Desktop = MakePixel(0x6E, 0x7F, 0x92, 255);
constexpr int SheetWidth = 1600;
constexpr int Margin = 16;
constexpr int Gap = 14;

const TPixelBuffer* PictureOf(const TSheetModel& m, int index) {
    if (index == -2) return &m.Main;
    if (index < 0 || index >= int(m.Pictures.size())) return nullptr;
    return &m.Pictures[std::size_t(index)];
}

bool Black(std::uint32_t p) { return (p & 0x00FFFFFFu) == 0; }

// The source half of the composition parameters, and the stretch flags
// of the four edges, from a look: what the element and the frame share.
TSkinImageParams LookParams(const TSheetLook& look, const TRect& source, int W, int H) {
    TSkinImageParams p;
    p.SrcLT = look.LT;
    p.SrcRT = look.RT;
    p.SrcLB = look.LB;
    p.SrcRB = look.RB;
    p.SrcClient = look.Client;
    p.SrcRect = source;
    p.W = W;
    p.H = H;
    p.StretchLeft = look.StretchLeft;
    p.StretchTop = look.StretchTop;
    p.StretchRight = look.StretchRight;
    p.StretchBottom = look.StretchBottom;
    return p;
}

// Composes rectangle `source` of a picture by the look's resize mode.
TPixelBuffer Compose(const TSheetLook& look, const TPixelBuffer& picture, const TRect& source, int W, int H) {
    TPixelBuffer out;
    int mode = GetSkinResizeMode(source, look.LT, look.RT, look.LB, look.RB);
    switch (mode) {
        case bsrmFixed:
            ResizePixels(out, source.Width(), source.Height());
            DrawSkinBlits(ViewOf(out), ViewOf(picture),
                          {TSkinBlit{source, Rect(0, 0, source.Width(), source.Height()), NullRect()}});
            break;
        case bsrmNinePart: {
            TSkinImageParams p = LookParams(look, source, W, H);
            CalcSkinGeometry(mode, p);
            p.StretchCenter = look.StretchCenter;
            p.StretchKind = TbsStretchKind(look.StretchKind);
            CreateSkinImage(p, ViewOf(picture), out);
            break;
        }
        case bsrmHorizontal:
            CreateHSkinImage(look.LT.X, source.Width() - look.RT.X, out, look.StretchCenter, W, source,
                             ViewOf(picture));
            break;
        case bsrmVertical:
            CreateVSkinImage(look.LT.Y, source.Height() - look.LB.Y, out, look.StretchCenter, H, source,
                             ViewOf(picture));
            break;
        default:
            break;
    }
    if (!out.Empty()) SetAlphaPixels(ViewOf(out), 255);
    return out;
}

// ---- the sheet ------------------------------------------------------------------------

struct TItem {
    std::string Label;
    TPixelBuffer Image;
    int Zoom = 1;
};

struct TSection {
    std::string Title;
    std::vector<TItem> Items;
};

// Draws an image with transparency shown as a checkerboard (alpha 0) and
// partial alpha blended over it.
void Paste(TPixelBuffer& sheet, const TPixelBuffer& image, int x0, int y0, int zoom) {
    for (int y = 0; y < image.Height * zoom; ++y) {
        for (int x = 0; x < image.Width * zoom; ++x) {
            int tx = x0 + x, ty = y0 + y;
            if (tx < 0 || ty < 0 || tx >= sheet.Width || ty >= sheet.Height) continue;
            std::uint32_t p = image.At(x / zoom, y / zoom);
            std::uint32_t check = ((x / 6 + y / 6) % 2) ? CheckLight : CheckDark;
            int a = PixelA(p);
            auto mix = [&](int c1, int c0) { return std::uint8_t((c1 * a + c0 * (255 - a) + 127) / 255); };
            sheet.At(tx, ty) = MakePixel(mix(PixelR(p), PixelR(check)), mix(PixelG(p), PixelG(check)),
                                         mix(PixelB(p), PixelB(check)), 255);
        }
    }
}

TPixelBuffer Layout(const std::vector<TSection>& sections, const std::string& title) {
    struct TPlaced {
        const TItem* Item;
        int X, Y;
    };
    std::vector<TPlaced> placed;
    std::vector<std::pair<std::string, int>> titles;
    int y = Margin + 3 * LabelLineHeight;
    for (const auto& section : sections) {
        if (section.Items.empty()) continue;
        titles.emplace_back(section.Title, y);
        y += 2 * LabelLineHeight + 4;
        int x = Margin, rowHeight = 0;
        for (const auto& item : section.Items) {
            int w = std::max(item.Image.Width * item.Zoom, LabelWidth(item.Label));
            int h = item.Image.Height * item.Zoom + LabelLineHeight + 3;
            if (x > Margin && x + w > SheetWidth - Margin) {
                x = Margin;
                y += rowHeight + Gap;
                rowHeight = 0;
            }
            placed.push_back({&item, x, y});
            x += w + Gap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + 2 * Gap;
    }
    TPixelBuffer sheet(SheetWidth, y + Margin, SheetBack);
    DrawLabel(sheet, Margin, Margin, title, TitleInk, 2);
    for (const auto& [text, ty] : titles) DrawLabel(sheet, Margin, ty, text, TitleInk);
    for (const auto& p : placed) {
        DrawLabel(sheet, p.X, p.Y, p.Item->Label, LabelInk);
        Paste(sheet, p.Item->Image, p.X, p.Y + LabelLineHeight + 3, p.Item->Zoom);
    }
    return sheet;
}

std::string SizeText(const TPixelBuffer& b) { return std::to_string(b.Width) + "X" + std::to_string(b.Height); }

// ---- frame, layer border and caption objects ---------------------------------------------

void Blit(TPixelBuffer& dest, const TPixelBuffer& src, int x, int y) {
    if (src.Empty()) return;
    DrawSkinBlits(ViewOf(dest), ViewOf(src),
                  {TSkinBlit{Rect(0, 0, src.Width, src.Height), Bounds(x, y, src.Width, src.Height), NullRect()}});
}

}  // namespace

TPixelBuffer RenderFrame(const TSheetModel& m, int W, int H) {
    const TSheetLook& look = m.Frame.Look;
    const int PW = m.Main.Width, PH = m.Main.Height, dx = W - PW, dy = H - PH;
    TPixelBuffer out(W, H, 0);
    TSkinImageParams p = LookParams(look, Rect(0, 0, PW, PH), W, H);
    p.DstLT = look.LT;
    p.DstRT = Point(look.RT.X + dx, look.RT.Y);
    p.DstLB = Point(look.LB.X, look.LB.Y + dy);
    p.DstRB = Point(look.RB.X + dx, look.RB.Y + dy);
    p.DstClient = Rect(look.Client.Left, look.Client.Top, look.Client.Right + dx, look.Client.Bottom + dy);
    TPixelBuffer top, bottom, left, right;
    CreateSkinBorderImages(p, ViewOf(m.Main), top, bottom, left, right);
    Blit(out, top, 0, 0);
    Blit(out, left, 0, top.Height);
    Blit(out, right, W - right.Width, top.Height);
    Blit(out, bottom, 0, H - bottom.Height);
    // Client background: the client part of the frame picture, tiled.
    TSkinBlits tiles;
    const TRect& c = look.Client;
    for (int ty = p.DstClient.Top; ty < p.DstClient.Bottom; ty += c.Height())
        AppendTilesH(tiles, c.Left, c.Width(), c.Top, c.Top + std::min(c.Height(), p.DstClient.Bottom - ty),
                     p.DstClient.Left, p.DstClient.Right, ty, std::min(ty + c.Height(), p.DstClient.Bottom));
    DrawSkinBlits(ViewOf(out), ViewOf(m.Main), tiles);

    // Caption buttons: close at the right end, minimise beside it, the
    // system-menu button at the left of the caption rectangle.
    TRect caption = m.Frame.Caption;
    caption.Right += dx;
    int x = caption.Right, captionLeft = caption.Left;
    const TSheetObject* sysmenu = nullptr;
    for (int command : {0, 2}) {
        for (const auto& o : m.Objects) {
            if (o.Command != command || !o.OwnPicture || o.States.empty()) continue;
            const TPixelBuffer* pic = PictureOf(m, o.Picture);
            if (!pic) continue;
            TRect cell = o.States[0].Rect;
            DrawSkinBlits(ViewOf(out), ViewOf(*pic),
                          {TSkinBlit{cell, Rect(x - cell.Width(), caption.Top, x, caption.Top + cell.Height()), NullRect()}});
            x -= cell.Width() + m.Frame.ButtonsOffset;
        }
    }
    for (const auto& o : m.Objects)
        if (o.Command == 3 && o.OwnPicture && !o.States.empty()) sysmenu = &o;
    if (sysmenu && PictureOf(m, sysmenu->Picture)) {
        TRect cell = sysmenu->States[0].Rect;
        int topY = caption.Top + caption.Height() / 2 - cell.Height() / 2;
        DrawSkinBlits(ViewOf(out), ViewOf(*PictureOf(m, sysmenu->Picture)),
                      {TSkinBlit{cell, Bounds(caption.Left, topY, cell.Width(), cell.Height()), NullRect()}});
        captionLeft = caption.Left + cell.Width();
    }
    // Caption text in the sheet's font, where the caption object puts it.
    TRect text = m.Frame.CaptionTextRect;
    if (!text.IsEmpty()) {
        int ty = caption.Top + text.Top + (text.Height() - 7) / 2;
        std::uint32_t ink = MakePixel(GetRValue(m.Frame.CaptionColor), GetGValue(m.Frame.CaptionColor),
                                      GetBValue(m.Frame.CaptionColor), 255);
        // Cut to the caption's room, from its left up to the buttons.
        std::string title = "ROZUDAVUVO DARIZ ZODOVI";
        int room = x + m.Frame.ButtonsOffset - (captionLeft + text.Left) - 4;
        title.resize(std::size_t(std::clamp(room / LabelCharWidth, 0, int(title.size()))));
        DrawLabel(out, captionLeft + text.Left, ty, title, ink);
    }
    SetAlphaPixels(ViewOf(out), 255);

    // Window region from the mask, through the engine's mask strips and run
    // scan: alpha 0 outside it.
    if (!m.MainMask.Empty()) {
        TRgbBuffer mask = RgbBufferOf(ViewOf(m.MainMask)), t, b, l, r;
        TRect area = m.Frame.MaskArea;
        TRect dstArea = Rect(area.Left, area.Top, area.Right + dx, area.Bottom + dy);
        CreateSkinMaskStrips(look.LT, look.RT, look.LB, look.RB, area, mask.View(), p.DstLT, p.DstRT, p.DstLB,
                             p.DstRB, dstArea, W, t, b, l, r);
        TMaskStripOffsets at = MaskStripOffsets(dstArea);
        std::vector<TRect> runs = {dstArea};
        if (!t.Empty()) CollectMaskRuns(t.View(), at.Top.X, at.Top.Y, runs);
        if (!b.Empty()) CollectMaskRuns(b.View(), at.Bottom.X, at.Bottom.Y, runs);
        if (!l.Empty()) CollectMaskRuns(l.View(), at.Left.X, at.Left.Y, runs);
        if (!r.Empty()) CollectMaskRuns(r.View(), at.Right.X, at.Right.Y, runs);
        std::vector<std::uint8_t> inside(std::size_t(W) * std::size_t(H), 0);
        for (const TRect& run : runs)
            for (int yy = std::max(run.Top, 0); yy < std::min(run.Bottom, H); ++yy)
                for (int xx = std::max(run.Left, 0); xx < std::min(run.Right, W); ++xx)
                    inside[std::size_t(yy) * std::size_t(W) + std::size_t(xx)] = 1;
        for (int yy = 0; yy < H; ++yy)
            for (int xx = 0; xx < W; ++xx)
                if (!inside[std::size_t(yy) * std::size_t(W) + std::size_t(xx)]) out.At(xx, yy) &= 0x00FFFFFFu;
    }
    return out;
}

namespace {

// The layer picture with the alpha of its mask (the mean of the mask's
// three channels, rounded).
TPixelBuffer LayerImage(const TSheetModel& m) {
    const TPixelBuffer* pic = PictureOf(m, m.Layer.Picture);
    const TPixelBuffer* mask = PictureOf(m, m.Layer.Mask);
    if (!pic || !mask) return {};
    TPixelBuffer out = *pic;
    for (int y = 0; y < out.Height && y < mask->Height; ++y) {
        for (int x = 0; x < out.Width && x < mask->Width; ++x) {
            std::uint32_t k = mask->At(x, y);
            int a = (PixelR(k) + PixelG(k) + PixelB(k) + 1) / 3;
            out.At(x, y) = (out.At(x, y) & 0x00FFFFFFu) | (std::uint32_t(a) << 24);
        }
    }
    return out;
}

// The border around a W x H window, built from the four pieces the form
// layer border makes, with the window itself drawn in, over a desktop.
TPixelBuffer RenderWindowWithBorder(const TSheetModel& m, const TPixelBuffer& window) {
    TPixelBuffer layer = LayerImage(m);
    if (layer.Empty()) return window;
    const TSheetLayer& L = m.Layer;
    const int PW = layer.Width, PH = layer.Height;
    const int W = window.Width + PW - L.Client.Width(), H = window.Height + PH - L.Client.Height();
    const int topH = std::max(L.LT.Y, L.RT.Y), bottomH = PH - std::min(L.LB.Y, L.RB.Y);
    const int rightW = PW - L.Client.Right;
    TSkinBlits blits = {
        {Rect(0, 0, L.LT.X, topH), Rect(0, 0, L.LT.X, topH), NullRect()},
        {Rect(L.RT.X, 0, PW, topH), Rect(W - (PW - L.RT.X), 0, W, topH), NullRect()},
        {Rect(L.LT.X, 0, L.RT.X, topH), Rect(L.LT.X, 0, W - (PW - L.RT.X), topH), NullRect()},
        {Rect(0, PH - bottomH, L.LB.X, PH), Rect(0, H - bottomH, L.LB.X, H), NullRect()},
        {Rect(L.RB.X, PH - bottomH, PW, PH), Rect(W - (PW - L.RB.X), H - bottomH, W, H), NullRect()},
        {Rect(L.LB.X, PH - bottomH, L.RB.X, PH), Rect(L.LB.X, H - bottomH, W - (PW - L.RB.X), H), NullRect()},
    };
    int sideH = H - topH - bottomH, sourceH = PH - topH - bottomH;
    if (L.FullStretch) {
        blits.push_back({Rect(0, topH, L.Client.Left, PH - bottomH), Rect(0, topH, L.Client.Left, topH + sideH), NullRect()});
        blits.push_back({Rect(L.Client.Right, topH, PW, PH - bottomH), Rect(W - rightW, topH, W, topH + sideH), NullRect()});
    } else {
        AppendTilesV(blits, topH, sourceH, 0, L.Client.Left, topH, topH + sideH, 0, L.Client.Left);
        // The right column: the same tiles, shifted to its source and place.
        TSkinBlits right;
        AppendTilesV(right, topH, sourceH, 0, rightW, topH, topH + sideH, 0, rightW);
        for (auto b : right) {
            b.Src = OffsetRect(b.Src, L.Client.Right, 0);
            b.Dst = OffsetRect(b.Dst, W - rightW, 0);
            blits.push_back(b);
        }
    }
    TPixelBuffer border(W, H, 0);
    DrawSkinBlits(ViewOf(border), ViewOf(layer), blits);
    TPixelBuffer out(W, H, Desktop);
    auto over = [](std::uint32_t back, std::uint32_t p) {
        int a = PixelA(p);
        auto mix = [&](int c1, int c0) { return std::uint8_t((c1 * a + c0 * (255 - a) + 127) / 255); };
        return MakePixel(mix(PixelR(p), PixelR(back)), mix(PixelG(p), PixelG(back)), mix(PixelB(p), PixelB(back)), 255);
    };
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            std::uint32_t v = over(out.At(x, y), border.At(x, y));
            int wx = x - L.Client.Left, wy = y - L.Client.Top;
            if (wx >= 0 && wy >= 0 && wx < window.Width && wy < window.Height && PixelA(window.At(wx, wy)))
                v = window.At(wx, wy) | 0xFF000000u;
            out.At(x, y) = v;
        }
    }
    return out;
}

TPixelBuffer Cut(const TPixelBuffer& picture, const TRect& r) {
    TPixelBuffer out;
    ResizePixels(out, r.Width(), r.Height());
    DrawSkinBlits(ViewOf(out), ViewOf(picture), {TSkinBlit{r, Rect(0, 0, r.Width(), r.Height()), NullRect()}});
    SetAlphaPixels(ViewOf(out), 255);
    return out;
}

// ---- controls -----------------------------------------------------------------------------------

TPixelBuffer Strip(const TPixelBuffer& picture, const TSheetStrip& s, int length) {
    TPixelBuffer out;
    if (s.Vertical)
        CreateVSkinImage(s.LeftEnd, s.RightEnd, out, s.Stretch, length, s.Rect, ViewOf(picture));
    else
        CreateHSkinImage(s.LeftEnd, s.RightEnd, out, s.Stretch, length, s.Rect, ViewOf(picture));
    SetAlphaPixels(ViewOf(out), 255);
    return out;
}

// The gauge at width W with value percent filled, as the gauge draws its
// fill: caps copied, the middle tiled (or stretched) from the fill picture.
TPixelBuffer Gauge(const TSheetModel& m, const TSheetControl& c, int W, int percent) {
    const TPixelBuffer* pic = PictureOf(m, c.Look.Picture);
    TPixelBuffer out = ComposeLook(m, c.Look, c.Look.SkinRect, W, c.Look.SkinRect.Height());
    if (!pic || out.Empty() || c.ProgressRect.IsEmpty()) return out;
    TRect area = c.ProgressArea;
    area.Right += W - c.Look.SkinRect.Width();
    int fill = area.Width() * percent / 100;
    if (fill <= 0) return out;
    const TRect& src = c.ProgressRect;
    TSkinBlits blits;
    int middle = fill - c.BeginOffset - c.EndOffset;
    if (middle > 0) {
        TRect mid = Rect(src.Left + c.BeginOffset, src.Top, src.Right - c.EndOffset, src.Top + area.Height());
        if (c.ProgressStretch)
            blits.push_back({mid, Rect(area.Left + c.BeginOffset, area.Top, area.Left + fill - c.EndOffset, area.Bottom), NullRect()});
        else
            AppendTilesH(blits, mid.Left, mid.Width(), mid.Top, mid.Bottom, area.Left + c.BeginOffset,
                         area.Left + fill - c.EndOffset, area.Top, area.Bottom);
    }
    blits.push_back({Rect(src.Left, src.Top, src.Left + c.BeginOffset, src.Top + area.Height()),
                     Rect(area.Left, area.Top, area.Left + c.BeginOffset, area.Bottom), NullRect()});
    blits.push_back({Rect(src.Right - c.EndOffset, src.Top, src.Right, src.Top + area.Height()),
                     Rect(area.Left + fill - c.EndOffset, area.Top, area.Left + fill, area.Bottom), NullRect()});
    DrawSkinBlits(ViewOf(out), ViewOf(*pic), blits);
    SetAlphaPixels(ViewOf(out), 255);
    return out;
}

void AddControl(std::vector<TSection>& sections, const TSheetModel& m, const TSheetControl& c) {
    TSection s;
    s.Title = c.Name + " (" + c.Type + ")";
    const TPixelBuffer* pic = PictureOf(m, c.Look.Picture);
    if (!pic || c.TooLarge) {
        s.Items.push_back({c.TooLarge ? "TOO LARGE TO DRAW" : "NO PICTURE", TPixelBuffer(1, 1, 0), 1});
        sections.push_back(std::move(s));
        return;
    }
    const TRect& skin = c.Look.SkinRect;
    int mode = GetSkinResizeMode(skin, c.Look.LT, c.Look.RT, c.Look.LB, c.Look.RB);
    std::vector<std::pair<int, int>> sizes = {{skin.Width(), skin.Height()}};
    if (mode == bsrmNinePart || mode == bsrmHorizontal) sizes.push_back({skin.Width() * 3, skin.Height()});
    if (mode == bsrmNinePart || mode == bsrmVertical) sizes.push_back({skin.Width(), skin.Height() * 2 + 7});
    if (mode == bsrmNinePart) sizes.push_back({skin.Width() * 3 + 11, skin.Height() * 2});
    for (const auto& state : c.States) {
        for (const auto& [w, h] : sizes) {
            TPixelBuffer image = ComposeLook(m, c.Look, state.Rect, w, h);
            s.Items.push_back({state.Name + " " + SizeText(image), std::move(image), 2});
        }
    }
    for (const auto& strip : c.Strips)
        for (int length : {strip.Vertical ? strip.Rect.Height() : strip.Rect.Width(),
                           (strip.Vertical ? strip.Rect.Height() : strip.Rect.Width()) * 3})
            s.Items.push_back({strip.Name + " " + std::to_string(length), Strip(*pic, strip, length), 2});
    for (const auto& part : c.Parts) s.Items.push_back({part.Name, Cut(*pic, part.Rect), 3});
    if (!c.ProgressRect.IsEmpty()) {
        for (int percent : {0, 35, 70, 100})
            s.Items.push_back({std::to_string(percent) + "% AT 178", Gauge(m, c, 178, percent), 2});
        s.Items.push_back({"fill", Cut(*pic, c.ProgressRect), 3});
        if (c.AnimationFrames > 0 && !c.AnimationRect.IsEmpty()) {
            int fh = c.AnimationRect.Height() / c.AnimationFrames;
            for (int i = 0; i < c.AnimationFrames; ++i)
                s.Items.push_back({"frame " + std::to_string(i + 1),
                                   Cut(*pic, Bounds(c.AnimationRect.Left, c.AnimationRect.Top + i * fh,
                                                    c.AnimationRect.Width(), fh)),
                                   2});
        }
    }
    sections.push_back(std::move(s));
}

// A caption button's glow around its hot look, over the caption band.
TPixelBuffer GlowPreview(const TSheetModel& m, const TSheetObject& o) {
    const TPixelBuffer* glow = PictureOf(m, o.Glow);
    const TPixelBuffer* mask = PictureOf(m, o.GlowMask);
    const TPixelBuffer* pic = PictureOf(m, o.Picture);
    if (!glow || !mask || !pic || o.States.size() < 2) return {};
    TPixelBuffer out(glow->Width, glow->Height, MakePixel(0x14, 0x15, 0x18, 255));
    Blit(out, Cut(*pic, o.States[1].Rect), o.GlowX, o.GlowY);
    // The mask may be smaller than the glow picture: past it the glow is
    // transparent.
    for (int y = 0; y < out.Height && y < mask->Height; ++y) {
        for (int x = 0; x < out.Width && x < mask->Width; ++x) {
            std::uint32_t k = mask->At(x, y), g = glow->At(x, y), b = out.At(x, y);
            int a = (PixelR(k) + PixelG(k) + PixelB(k) + 1) / 3;
            auto mix = [&](int c1, int c0) { return std::uint8_t((c1 * a + c0 * (255 - a) + 127) / 255); };
            out.At(x, y) = MakePixel(mix(PixelR(g), PixelR(b)), mix(PixelG(g), PixelG(b)), mix(PixelB(g), PixelB(b)), 255);
        }
    }
    return out;
}

}  // namespace

TPixelBuffer ComposeLook(const TSheetModel& model, const TSheetLook& look, const TRect& source, int W, int H) {
    const TPixelBuffer* pic = PictureOf(model, look.Picture);
    if (!pic || source.IsEmpty()) return {};
    TPixelBuffer out = Compose(look, *pic, source, W, H);
    const TPixelBuffer* mask = PictureOf(model, look.Mask);
    if (mask && !out.Empty()) {
        TPixelBuffer shape = Compose(look, *mask, Rect(0, 0, mask->Width, mask->Height), W, H);
        for (int y = 0; y < out.Height && y < shape.Height; ++y)
            for (int x = 0; x < out.Width && x < shape.Width; ++x)
                if (!Black(shape.At(x, y))) out.At(x, y) &= 0x00FFFFFFu;
    }
    return out;
}

TPixelBuffer RenderContactSheet(const TSheetModel& m) {
    std::vector<TSection> sections;

    TSection frame;
    frame.Title = "FRAME AT 777X333 (CLIENT 775X306) WITH ITS MASK AND LAYERED BORDER";
    if (!m.Main.Empty()) {
        TPixelBuffer window = RenderFrame(m, 777, 333);
        frame.Items.push_back({"window " + SizeText(window), RenderWindowWithBorder(m, window), 1});
        TPixelBuffer small = RenderFrame(m, 200, 27 + 40);
        frame.Items.push_back({"smallest width " + SizeText(small), small, 2});
        frame.Items.push_back({"main picture", Cut(m.Main, Rect(0, 0, m.Main.Width, m.Main.Height)), 2});
    }
    TPixelBuffer layer = LayerImage(m);
    if (!layer.Empty()) frame.Items.push_back({"layer frame", layer, 2});
    sections.push_back(std::move(frame));

    for (const auto& c : m.Controls) AddControl(sections, m, c);

    TSection objects;
    objects.Title = "SKIN OBJECTS";
    for (const auto& o : m.Objects) {
        const TPixelBuffer* pic = PictureOf(m, o.Picture);
        if (!pic) continue;
        for (const auto& state : o.States) {
            if (state.Rect.Right > pic->Width || state.Rect.Bottom > pic->Height) continue;
            objects.Items.push_back({o.Name + " " + state.Name, Cut(*pic, state.Rect), 3});
        }
        TPixelBuffer glow = GlowPreview(m, o);
        if (!glow.Empty()) objects.Items.push_back({o.Name + " glow", glow, 3});
    }
    sections.push_back(std::move(objects));

    TSection windows;
    windows.Title = "POPUP AND HINT WINDOWS";
    for (const auto& w : m.Windows) {
        for (auto [width, height] : {std::pair<int, int>{w.Look.SkinRect.Width(), w.Look.SkinRect.Height()},
                                     std::pair<int, int>{w.Look.SkinRect.Width() * 2 + 13, w.Look.SkinRect.Height() + 41}}) {
            TPixelBuffer image = ComposeLook(m, w.Look, w.Look.SkinRect, width, height);
            if (!image.Empty()) windows.Items.push_back({w.Name + " " + SizeText(image), std::move(image), 2});
        }
    }
    sections.push_back(std::move(windows));

    return Layout(sections, "SKIN " + m.SkinName);
}
