#include "bench/paint/TableWindowPicture.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/paint/portable/CompositionPixels.h"

namespace {

// The layout's client size and the built-in skin's frame around it (1 pixel
// left, right and below, 26 above).
constexpr int ClientWidth = 775, ClientHeight = 306;  // pixels
constexpr int ClientLeft = 1, ClientTop = 26;         // pixels
constexpr int WindowWidth = ClientWidth + 2, WindowHeight = ClientHeight + 27;

// A skinned control of the layout: its record's name, its place in client
// coordinates (components inside a group box or status bar offset by their
// container's place), and whether it is a window of the form's own (the
// form clips its children: no background is painted under them).
struct TPlace {
    const char* Record;
    int Left, Top, Width, Height;  // pixels
    bool FormChild;
};
constexpr TPlace Places[] = {
    {"groupbox", 568, 2, 201, 113, true},     {"edit", 568 + 63, 2 + 29, 82, 19, false},
    {"combobox", 144, 253, 65, 20, true},     {"combobox", 256, 253, 73, 20, true},
    {"button", 344, 251, 75, 25, true},       {"statusbar", 0, 285, 775, 21, true},
    {"statuspanel", 0, 285, 209, 21, false},  {"gauge", 583, 222, 178, 20, true},
};
// The rich edit is a window too, drawn by its library.
constexpr TRect RichEditPlace = {640, 128, 640 + 81, 128 + 89};
constexpr int ImageWidth = 565, ImageHeight = 239;  // the table's picture at client (0, 0)

// Copies src's part `from` to dest at (x, y), clipped to both.
void CopyInto(TPixelBuffer& dest, int x, int y, const TPixelView& src, TRect from) {
    from.Left = std::max(from.Left, 0);
    from.Top = std::max(from.Top, 0);
    from.Right = std::min({from.Right, src.Width, from.Left + dest.Width - x});
    from.Bottom = std::min({from.Bottom, src.Height, from.Top + dest.Height - y});
    const int n = from.Right - from.Left;
    if (n <= 0 || x < 0 || y < 0) return;
    for (int row = from.Top; row < from.Bottom; ++row)
        std::memcpy(dest.Row(y + row - from.Top) + x, src.Pixels + std::size_t(row) * src.Stride + from.Left,
                    std::size_t(n) * 4);
}

void CopyInto(TPixelBuffer& dest, int x, int y, const TPixelBuffer& src) {
    CopyInto(dest, x, y, ViewOf(src), Rect(0, 0, src.Width, src.Height));
}

struct TControlFace {
    TbsSkinControlGeometry Skin;
    TbsSkinSizedGeometry Sized;
    int Left = 0, Top = 0, Width = 0, Height = 0;  // window coordinates, pixels
    const TPixelBuffer* Picture = nullptr;         // not owned
    TPixelBuffer Buffer;                           // kept from one paint to the next
};

// A run of a background row between child windows: client coordinates,
// right exclusive.
struct TSpan {
    int Y, Left, Right;
};

// The parts of the client area's rows that no child window covers.
std::vector<TSpan> UncoveredSpans(const std::vector<TRect>& children) {
    std::vector<TSpan> spans;
    for (int y = 0; y < ClientHeight; ++y) {
        std::vector<std::pair<int, int>> covered;
        for (const TRect& r : children)
            if (r.Top <= y && y < r.Bottom) covered.emplace_back(r.Left, r.Right);
        std::sort(covered.begin(), covered.end());
        int x = 0;
        for (const auto& [left, right] : covered) {
            if (left > x) spans.push_back({y, x, std::min(left, ClientWidth)});
            x = std::max(x, right);
        }
        if (x < ClientWidth) spans.push_back({y, x, ClientWidth});
    }
    return spans;
}

}  // namespace

struct TTableWindowPicture::TState {
    TbsSkinContent Content;
    TbsSkinDefinition Definition;
    TSkinImageParams Frame;
    TPixelBuffer Top, Bottom, Left, Right;
    TPixelBuffer Image{ImageWidth, ImageHeight};
    std::vector<TControlFace> Controls;
    std::vector<TSpan> Background;
    TPixelBuffer Window{WindowWidth, WindowHeight};
};

TTableWindowPicture::TTableWindowPicture(const std::string& skinIni) : F(std::make_unique<TState>()) {
    F->Content = DecodeSkinContent(ReadSkinFolder(skinIni));
    F->Definition.LoadFromIni(TMemIniFile(F->Content.Definition), F->Content.ActivePictures);
    if (F->Content.MainPicture.Empty()) throw Exception("the skin has no main picture");
    const TbsFormInfo& info = F->Definition.FormInfo;
    TSkinImageParams& p = F->Frame;
    p.SrcLT = info.LeftTopPoint;
    p.SrcRT = info.RightTopPoint;
    p.SrcLB = info.LeftBottomPoint;
    p.SrcRB = info.RightBottomPoint;
    p.SrcClient = info.ClientRect;
    p.SrcRect = Rect(0, 0, F->Content.MainPicture.Width, F->Content.MainPicture.Height);
    p.W = WindowWidth;
    p.H = WindowHeight;
    p.StretchLeft = info.LeftStretch;
    p.StretchTop = info.TopStretch;
    p.StretchRight = info.RightStretch;
    p.StretchBottom = info.BottomStretch;
    CalcSkinGeometry(bsrmNinePart, p);
    for (std::size_t i = 0; i < F->Image.Pixels.size(); ++i) F->Image.Pixels[i] = std::uint32_t(i * 2654435761u);

    std::vector<TRect> children{RichEditPlace};
    for (const TPlace& place : Places) {
        const int index = F->Definition.FindSkinControlRecord(place.Record);
        if (index < 0) continue;
        TControlFace face;
        face.Skin = SkinControlGeometryOf(F->Definition.ControlRecords[std::size_t(index)].get());
        const int picture = face.Skin.PictureIndex;
        if (picture < 0 || std::size_t(picture) >= F->Content.ActivePictures.size()) continue;
        face.Picture = &F->Content.ActivePictures[std::size_t(picture)];
        face.Left = ClientLeft + place.Left;
        face.Top = ClientTop + place.Top;
        face.Width = place.Width;
        face.Height = place.Height;
        CalcSkinSize(face.Skin, face.Width, face.Height, face.Sized);
        if (place.FormChild) children.push_back(Bounds(place.Left, place.Top, face.Width, face.Height));
        F->Controls.push_back(std::move(face));
    }
    F->Background = UncoveredSpans(children);
}

TTableWindowPicture::~TTableWindowPicture() = default;

const TPixelBuffer& TTableWindowPicture::Window() const { return F->Window; }

void TTableWindowPicture::Compose() {
    TState& s = *F;
    const TPixelView main = ViewOf(s.Content.MainPicture);
    CreateSkinBorderImages(s.Frame, main, s.Top, s.Bottom, s.Left, s.Right);
    CopyInto(s.Window, 0, 0, s.Top);
    CopyInto(s.Window, 0, s.Top.Height, s.Left);
    CopyInto(s.Window, WindowWidth - s.Right.Width, s.Top.Height, s.Right);
    CopyInto(s.Window, 0, WindowHeight - s.Bottom.Height, s.Bottom);

    // The client background: the frame picture's client part, tiled,
    // where no child window covers it.
    const TRect tile = s.Frame.SrcClient;
    if (tile.Width() > 0 && tile.Height() > 0 && tile.Right <= main.Width && tile.Bottom <= main.Height)
        for (const TSpan& span : s.Background) {
            const std::uint32_t* source = main.Pixels + std::size_t(tile.Top + span.Y % tile.Height()) * main.Stride;
            std::uint32_t* row = s.Window.Row(ClientTop + span.Y) + ClientLeft;
            for (int x = span.Left; x < span.Right;) {
                const int column = x % tile.Width(), n = std::min(tile.Width() - column, span.Right - x);
                std::memcpy(row + x, source + tile.Left + column, std::size_t(n) * 4);
                x += n;
            }
        }
    CopyInto(s.Window, ClientLeft, ClientTop, s.Image);

    for (TControlFace& c : s.Controls) {
        const TPixelView picture = ViewOf(*c.Picture);
        switch (c.Skin.ResizeMode) {
            case bsrmFixed:
                ResizePixels(c.Buffer, c.Skin.SkinWidth(), c.Skin.SkinHeight());
                c.Buffer.Pixels.assign(c.Buffer.Pixels.size(), 0);
                CopyInto(c.Buffer, 0, 0, picture, c.Skin.SrcRect);
                break;
            case bsrmNinePart:
                CreateSkinImage(SkinImageParamsOf(c.Skin, c.Sized, c.Width, c.Height), picture, c.Buffer);
                break;
            case bsrmHorizontal: {
                const TbsThreePartEnds ends = HorizontalEnds(c.Skin);
                CreateHSkinImage(ends.First, ends.Last, c.Buffer, c.Skin.StretchCenter, c.Width, c.Skin.SrcRect,
                                 picture);
                break;
            }
            case bsrmVertical: {
                const TbsThreePartEnds ends = VerticalEnds(c.Skin);
                CreateVSkinImage(ends.First, ends.Last, c.Buffer, c.Skin.StretchCenter, c.Height, c.Skin.SrcRect,
                                 picture);
                break;
            }
            default: continue;
        }
        CopyInto(s.Window, c.Left, c.Top, c.Buffer);
    }
}
