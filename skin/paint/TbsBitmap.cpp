#include "skin/paint/TbsBitmap.h"

#include "platform/Dib.h"
#include "platform/portable/PixelBuffer.h"
#include "skin/paint/Msimg32.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Every sized TbsBitmap, so that a DC can be recognised as one's memory
// context. One thread only; not locked.
std::vector<TbsBitmap*>& BitmapList() {
    static std::vector<TbsBitmap*> list;
    return list;
}

struct TPaintErrorState {
    TPaintErrorHandler Handler;
    bool Reported = false;  // an error went out and no paint has succeeded since
};

TPaintErrorState& PaintErrors() {
    static TPaintErrorState state;
    return state;
}

int Magnitude(int value) { return value == INT_MIN ? INT_MAX : std::abs(value); }

// A rectangle of logical coordinates of dc in device coordinates (pixels of
// the bitmap selected into it): the window and viewport origins applied as
// GDI applies them.
TRect LogicalToDevice(HDC dc, const TRect& r) {
    POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    LPtoDP(dc, corners, 2);
    return Rect(std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y));
}

// The parts of a width x height device surface that drawing on dc may
// change: the rectangles of its clip region within the surface, or the
// whole surface when it has none. Device coordinates.
std::vector<TRect> DeviceClipRects(HDC dc, int width, int height) {
    const TRect surface = Rect(0, 0, width, height);
    TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
    if (!clip || GetClipRgn(dc, clip.Get()) != 1) return {surface};
    std::vector<TRect> rects;
    const DWORD size = GetRegionData(clip.Get(), 0, nullptr);
    if (size == 0) return rects;
    std::vector<std::uint8_t> data(size);
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    if (GetRegionData(clip.Get(), size, region) == 0) return rects;
    const auto* parts = reinterpret_cast<const RECT*>(region->Buffer);
    for (DWORD i = 0; i < region->rdh.nCount; ++i) {
        const TRect r = Rect(std::max(parts[i].left, 0L), std::max(parts[i].top, 0L),
                             std::min(parts[i].right, LONG(width)), std::min(parts[i].bottom, LONG(height)));
        if (!r.IsEmpty()) rects.push_back(r);
    }
    return rects;
}

// The part r (inside view) of a view, as a view of its own.
TPixelView SubView(const TPixelView& view, const TRect& r) {
    return TPixelView{view.Row(r.Top) + r.Left, r.Width(), r.Height(), view.Stride};
}

}  // namespace

void SetPaintErrorHandler(TPaintErrorHandler handler) {
    PaintErrors().Handler = std::move(handler);
    PaintErrors().Reported = false;
}

void ReportPaintError(const Exception& error) {
    TPaintErrorState& state = PaintErrors();
    if (state.Reported) return;
    state.Reported = true;
    if (state.Handler) state.Handler(error);
}

void ClearPaintError() { PaintErrors().Reported = false; }

TbsBitmap::~TbsBitmap() {
    FCanvas.reset();  // puts the context's own pen, brush and font back first
    Release();
    if (FListed) {
        auto& list = BitmapList();
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void TbsBitmap::Release() {
    if (FDc && FOldBitmap) SelectObject(FDc.Get(), FOldBitmap);
    FOldBitmap = nullptr;
    FMadeState = 0;
    FDc.Reset();
    FSection.Reset();
    FBits = nullptr;
    FWidth = 0;
    FHeight = 0;
}

void TbsBitmap::SetSize(int width, int height) {
    width = Magnitude(width);
    height = Magnitude(height);
    if (width == 0 || height == 0) {
        // Nothing to hold: the section and its context go now.
        if (FCanvas) FCanvas->SetHandle(nullptr);
        Release();
        return;
    }
    if (FBits && width == FWidth && height == FHeight) return;
    // Sizes come from skins too: never ask the platform for more than a
    // picture may be, whose bytes also fit 32-bit arithmetic.
    if (!PixelSizeFits(width, height)) throw Exception(kCantAllocateDib);

    BITMAPINFO info = TopDownDibInfo(width, height, 32);
    void* bits = nullptr;
    TBitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) throw Exception(kCantAllocateDib);
    TDcHandle dc(CreateCompatibleDC(nullptr));
    if (!dc) throw Exception(kCantCreateDc);
    HGDIOBJ old = SelectObject(dc.Get(), section.Get());
    if (!old || old == HGDI_ERROR) throw Exception(kCantSelectObject);

    if (FCanvas) FCanvas->SetHandle(nullptr);  // out of the old context before it goes
    Release();
    FSection = std::move(section);
    FDc = std::move(dc);
    FOldBitmap = old;
    FBits = static_cast<std::uint32_t*>(bits);
    FWidth = width;
    FHeight = height;
    FMadeState = SaveDC(FDc.Get());
    if (FCanvas) FCanvas->SetHandle(FDc.Get());
    if (!FListed) {
        BitmapList().push_back(this);
        FListed = true;
    }
}

bool TbsBitmap::TrySetSize(int width, int height) noexcept {
    try {
        SetSize(width, height);
        return true;
    } catch (const Exception& error) {
        ReportPaintError(error);
    } catch (const std::exception& error) {
        ReportPaintError(Exception(error.what()));
    }
    return false;
}

bool TbsBitmap::TryRecycle(int width, int height) noexcept {
    FCanvas.reset();  // its pen, brush and font are a former painter's
    Name.clear();
    FTransparent = FAlphaBlend = false;
    if (!FBits || Magnitude(width) != FWidth || Magnitude(height) != FHeight || FMadeState <= 0) {
        Release();
        return TrySetSize(width, height);
    }
    // Clip region, origins, modes and objects as they were made; saved
    // again for the next painter.
    RestoreDC(FDc.Get(), FMadeState);
    FMadeState = SaveDC(FDc.Get());
    GdiFlush();
    std::fill_n(FBits, std::size_t(FWidth) * std::size_t(FHeight), 0u);
    return true;
}

void TbsBitmap::SetPixel(int x, int y, std::uint32_t value) {
    if (FBits && x >= 0 && x < FWidth && y >= 0 && y < FHeight) *PixelPtr(x, y) = value;
}

void TbsBitmap::SetTransparentColor(TColor color) {
    FTransparent = false;
    FTransparent = KeyNearColor(View(), color);
}

void TbsBitmap::Assign(const TbsBitmap& source) {
    if (&source == this) return;
    Name = source.Name;
    FTransparent = source.FTransparent;
    FAlphaBlend = source.FAlphaBlend;
    if (source.Empty()) return;
    SetSize(source.Width(), source.Height());
    GdiFlush();
    std::memcpy(FBits, source.FBits, std::size_t(FWidth) * FHeight * 4);
}

void TbsBitmap::Assign(const TPixelBuffer& source) {
    if (source.Empty()) return;
    SetSize(source.Width, source.Height);
    GdiFlush();
    std::memcpy(FBits, source.Pixels.data(), std::size_t(FWidth) * FHeight * 4);
    CheckAlpha();
}

void TbsBitmap::Assign(HBITMAP source) {
    if (!source) return;
    DIBSECTION dib{};
    const int got = GetObjectA(source, sizeof(dib), &dib);
    if (got == 0 || dib.dsBm.bmWidth <= 0 || dib.dsBm.bmHeight <= 0) return;
    const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
    SetSize(width, height);
    GdiFlush();
    if (got == int(sizeof(DIBSECTION)) && dib.dsBm.bmBitsPixel == 32 && dib.dsBm.bmBits) {
        const bool bottomUp = dib.dsBmih.biHeight > 0;
        const auto* base = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
        for (int y = 0; y < height; ++y) {
            const int sourceRow = bottomUp ? height - 1 - y : y;
            std::memcpy(ScanLine(y), base + std::ptrdiff_t(sourceRow) * dib.dsBm.bmWidthBytes, std::size_t(width) * 4);
        }
        CheckAlpha();
        return;
    }
    TDcHandle sourceDc(CreateCompatibleDC(nullptr));
    if (!sourceDc) throw Exception(kCantCreateDc);
    TSelectObject select(sourceDc.Get(), source);
    BitBlt(FDc.Get(), 0, 0, width, height, sourceDc.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    SetAlpha(255);
}

TBitmapHandle TbsBitmap::AssignTo() const {
    if (Empty()) return {};
    BITMAPINFO info = TopDownDibInfo(FWidth, FHeight, 32);
    void* bits = nullptr;
    TBitmapHandle result(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result) throw Exception(kCantAllocateDib);
    TDcHandle dc(CreateCompatibleDC(nullptr));
    if (!dc) throw Exception(kCantCreateDc);
    {
        TSelectObject select(dc.Get(), result.Get());
        Draw(dc.Get(), 0, 0);
    }
    GdiFlush();
    return result;
}

void TbsBitmap::AssignTo(TBitmap& dest) const {
    if (Empty()) return;
    dest.SetSize(FWidth, FHeight);
    Draw(dest.Canvas(), 0, 0);
    GdiFlush();
}

void TbsBitmap::Assign(TGraphic& source) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&source)) return Assign(bitmap->GetHandle());
    if (source.Empty()) return;
    const int width = source.GetWidth(), height = source.GetHeight();
    // Magenta marks what the picture left undrawn; GDI leaves the alpha
    // byte of what it draws undefined, so only red, green and blue count.
    constexpr std::uint32_t Undrawn = 0x00FF00FF, ColourBits = 0x00FFFFFF;
    TBitmap scratch(width, height);
    for (int y = 0; y < height; ++y) std::fill_n(scratch.ScanLine(y), width, Undrawn);
    source.Draw(scratch.Canvas(), Rect(0, 0, width, height));
    GdiFlush();
    SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* from = scratch.ScanLine(y);
        std::uint32_t* to = ScanLine(y);
        for (int x = 0; x < width; ++x)
            if ((from[x] & ColourBits) != Undrawn) to[x] = from[x];
    }
    SetAlpha(255);
}

TCanvas& TbsBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(FDc.Get());
    return *FCanvas;
}

TPixelBuffer TbsBitmap::ToPixelBuffer() const {
    TPixelBuffer buffer(FWidth, FHeight);
    if (!Empty()) {
        GdiFlush();
        std::memcpy(buffer.Pixels.data(), FBits, buffer.Pixels.size() * 4);
    }
    return buffer;
}

TbsBitmap* TbsBitmap::FromDC(HDC dc) {
    if (!dc) return nullptr;
    for (TbsBitmap* bitmap : BitmapList()) {
        if (bitmap->DC() == dc) return bitmap;
    }
    return nullptr;
}

void TbsBitmap::Draw(HDC target, int x, int y) const {
    Draw(target, Bounds(x, y, FWidth, FHeight), Rect(0, 0, FWidth, FHeight));
}

void TbsBitmap::Draw(HDC target, const TRect& dstRect, const TRect& srcRect) const {
    if (Empty() || !target || dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    const TCombineMode mode = FAlphaBlend ? TCombineMode::cmAlpha
                              : FTransparent ? TCombineMode::cmKey
                                             : TCombineMode::cmCopy;

    if (TbsBitmap* bitmap = FromDC(target)) {
        GdiFlush();
        // Drawing onto itself: read from a copy so rows do not overlap.
        TPixelBuffer copy;
        if (bitmap == this) copy = ToPixelBuffer();
        const TPixelView source = bitmap == this ? ViewOf(copy) : View();
        const TRect dst = LogicalToDevice(target, dstRect);
        for (const TRect& clip : DeviceClipRects(target, bitmap->Width(), bitmap->Height())) {
            // The target cut to one clip rectangle; the scaling still runs
            // over the whole of dst, so the pixels are those GDI would draw.
            const TPixelView part = SubView(bitmap->View(), clip);
            CombinePixels(part, OffsetRect(dst, -clip.Left, -clip.Top), source, srcRect, mode);
        }
        return;
    }

    if (mode == TCombineMode::cmAlpha) {
        DrawThroughMemory(target, dstRect, srcRect, mode);
        return;
    }
    if (mode == TCombineMode::cmKey) {
        const TMsimg32Api& api = Msimg32();
        if (api.TransparentBlt && GetDeviceCaps(target, BITSPIXEL) >= 24) {
            api.TransparentBlt(target, dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), FDc.Get(),
                               srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height(), bsTransparentKey);
        } else {
            DrawThroughMemory(target, dstRect, srcRect, mode);
        }
        return;
    }
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), FDc.Get(), srcRect.Left,
               srcRect.Top, srcRect.Width(), srcRect.Height(), SRCCOPY);
    if (oldMode) SetStretchBltMode(target, oldMode);
}

void TbsBitmap::DrawThroughMemory(HDC target, const TRect& dstRect, const TRect& srcRect, TCombineMode mode) const {
    TbsBitmap area;
    if (!area.TrySetSize(dstRect.Width(), dstRect.Height())) return;
    BitBlt(area.DC(), 0, 0, dstRect.Width(), dstRect.Height(), target, dstRect.Left, dstRect.Top, SRCCOPY);
    GdiFlush();
    CombinePixels(area.View(), Rect(0, 0, dstRect.Width(), dstRect.Height()), View(), srcRect, mode);
    BitBlt(target, dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), area.DC(), 0, 0, SRCCOPY);
}

void TbsBitmap::FillRect(const TRect& rect, TColor color) {
    if (IsSystemColor(color)) color = GetSysColor(int(color & 0xFF));
    GdiFlush();
    FillPixels(View(), rect, ColorToBGRA(color), FAlphaBlend);
}

void AlphaFromMask(TbsBitmap& Bmp, const TbsBitmap& Mask) {
    GdiFlush();
    AlphaFromMaskPixels(Bmp.View(), Mask.View());
}

void AlphaFromMaskPremultiplied(TbsBitmap& Bmp, const TbsBitmap& Mask) {
    AlphaFromMask(Bmp, Mask);
    Bmp.Premultiply();
}
