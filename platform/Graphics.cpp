#include "platform/Graphics.h"

#include "platform/Dib.h"

#include <cstring>

#include "platform/portable/Exception.h"

const char* const kCantAllocateDib = "Can't allocate the DIB handle";
const char* const kCantCreateDc = "Can't create compatible DC";
const char* const kCantSelectObject = "Can't bslect an object into DC";

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(int(color & 0xFF));
    return COLORREF(color & 0x00FFFFFF);
}

// ---- font -------------------------------------------------------------------

TFont::TFont() = default;

void TFont::Assign(const TFont& other) {
    if (SameAs(other)) return;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FCharset = other.FCharset;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor && FStyle == other.FStyle &&
           FCharset == other.FCharset;
}

void TFont::SetName(const std::string& value) {
    if (value == FName) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    Changed();
}

int TFont::GetSize() const { return -FHeight * 72 / 96; }
void TFont::SetSize(int value) { SetHeight(-MulDiv(value, 96, 72)); }

void TFont::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    if (OnChange) OnChange();
}

void TFont::SetStyle(unsigned value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TFont::SetCharset(int value) {
    if (value == FCharset) return;
    FCharset = value;
    Changed();
}

HFONT TFont::GetHandle() {
    if (!FHandle) {
        LOGFONTA lf{};
        lf.lfHeight = FHeight;
        lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (FStyle & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (FStyle & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (FStyle & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = BYTE(FCharset);
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
        FHandle.Reset(CreateFontIndirectA(&lf));
    }
    return FHandle.Get();
}

void TFont::Changed() {
    // The listener selects the new font while the old one still exists.
    TFontHandle old = std::move(FHandle);
    if (OnChange) OnChange();
}

// ---- pen and brush ------------------------------------------------------------

void TPen::SetColor(TColor value) {
    if (value != FColor) {
        FColor = value;
        Changed();
    }
}
void TPen::SetWidth(int value) {
    if (value != FWidth) {
        FWidth = value;
        Changed();
    }
}
void TPen::SetStyle(TPenStyle value) {
    if (value != FStyle) {
        FStyle = value;
        Changed();
    }
}
HPEN TPen::GetHandle() {
    if (!FHandle) {
        int style = PS_SOLID;
        switch (FStyle) {
            case TPenStyle::psSolid: style = PS_SOLID; break;
            case TPenStyle::psDash: style = PS_DASH; break;
            case TPenStyle::psDot: style = PS_DOT; break;
            case TPenStyle::psClear: style = PS_NULL; break;
        }
        FHandle.Reset(CreatePen(style, FWidth, ColorToRGB(FColor)));
    }
    return FHandle.Get();
}
void TPen::Changed() {
    TPenHandle old = std::move(FHandle);
    if (OnChange) OnChange();
}

void TBrush::SetColor(TColor value) {
    if (value != FColor) {
        FColor = value;
        Changed();
    }
}
void TBrush::SetStyle(TBrushStyle value) {
    if (value != FStyle) {
        FStyle = value;
        Changed();
    }
}
HBRUSH TBrush::GetHandle() {
    if (!FHandle) {
        if (FStyle == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    }
    return FHandle.Get();
}
void TBrush::Changed() {
    TBrushHandle old = std::move(FHandle);
    if (OnChange) OnChange();
}

// ---- canvas -------------------------------------------------------------------

TCanvas::TCanvas() {
    FFont.OnChange = [this] { SelectAll(); };
    FPen.OnChange = [this] { SelectAll(); };
    FBrush.OnChange = [this] { SelectAll(); };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { SetHandle(dc); }

TCanvas::~TCanvas() { Unselect(); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == FDc) return;
    Unselect();
    FDc = dc;
    if (FDc) {
        FOldFont = SelectObject(FDc, FFont.GetHandle());
        FOldPen = SelectObject(FDc, FPen.GetHandle());
        FOldBrush = SelectObject(FDc, FBrush.GetHandle());
        SetBkMode(FDc, TRANSPARENT);
        SetTextColor(FDc, ColorToRGB(FFont.GetColor()));
    }
}

void TCanvas::SelectAll() {
    if (!FDc) return;
    SelectObject(FDc, FFont.GetHandle());
    SelectObject(FDc, FPen.GetHandle());
    SelectObject(FDc, FBrush.GetHandle());
    SetTextColor(FDc, ColorToRGB(FFont.GetColor()));
}

void TCanvas::Unselect() {
    if (!FDc) return;
    if (FOldFont) SelectObject(FDc, FOldFont);
    if (FOldPen) SelectObject(FDc, FOldPen);
    if (FOldBrush) SelectObject(FDc, FOldBrush);
    FOldFont = FOldPen = FOldBrush = nullptr;
    FDc = nullptr;
}

void TCanvas::FillRect(const TRect& r) {
    if (!FDc || FBrush.GetStyle() == TBrushStyle::bsClear) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(FDc, &rc, FBrush.GetHandle());
}

void TCanvas::FrameRect(const TRect& r) {
    if (!FDc) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FrameRect(FDc, &rc, FBrush.GetHandle());
}

void TCanvas::Rectangle(const TRect& r) {
    if (FDc) ::Rectangle(FDc, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::MoveTo(int x, int y) {
    if (FDc) MoveToEx(FDc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (FDc) ::LineTo(FDc, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    if (!FDc) return;
    if (FBrush.GetStyle() == TBrushStyle::bsSolid) {
        SetBkMode(FDc, OPAQUE);
        SetBkColor(FDc, ColorToRGB(FBrush.GetColor()));
    }
    ::TextOutA(FDc, x, y, text.c_str(), int(text.size()));
    SetBkMode(FDc, TRANSPARENT);
}

int TCanvas::TextWidth(const std::string& text) {
    SIZE size{};
    if (FDc) GetTextExtentPoint32A(FDc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

int TCanvas::TextHeight(const std::string& text) {
    SIZE size{};
    if (FDc) GetTextExtentPoint32A(FDc, text.c_str(), int(text.size()), &size);
    return size.cy;
}

int TCanvas::DrawText(const std::string& text, TRect& r, UINT format) {
    if (!FDc) return 0;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    int h = ::DrawTextA(FDc, text.c_str(), int(text.size()), &rc, format);
    r = Rect(rc.left, rc.top, rc.right, rc.bottom);
    return h;
}

TColor TCanvas::GetPixel(int x, int y) const { return FDc ? TColor(::GetPixel(FDc, x, y)) : clNone; }

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (FDc) ::SetPixel(FDc, x, y, ColorToRGB(color));
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    if (!FDc || bitmap.Empty()) return;
    BitBlt(FDc, x, y, bitmap.GetWidth(), bitmap.GetHeight(), bitmap.Canvas().GetHandle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const TRect& dst, TGraphic& graphic) {
    if (!FDc || graphic.Empty()) return;
    graphic.Draw(*this, dst);
}

void TCanvas::CopyRect(const TRect& dst, TCanvas& source, const TRect& src) {
    if (!FDc || !source.FDc || dst.IsEmpty() || src.IsEmpty()) return;
    if (dst.Width() == src.Width() && dst.Height() == src.Height()) {
        BitBlt(FDc, dst.Left, dst.Top, dst.Width(), dst.Height(), source.FDc, src.Left, src.Top, SRCCOPY);
        return;
    }
    int oldMode = SetStretchBltMode(FDc, COLORONCOLOR);
    StretchBlt(FDc, dst.Left, dst.Top, dst.Width(), dst.Height(), source.FDc, src.Left, src.Top, src.Width(),
               src.Height(), SRCCOPY);
    SetStretchBltMode(FDc, oldMode);
}

void TCanvas::IntersectClip(const TRect& r) {
    if (FDc) IntersectClipRect(FDc, r.Left, r.Top, r.Right, r.Bottom);
}

// ---- bitmap -------------------------------------------------------------------

TBitmap::~TBitmap() { FreeCanvas(); }

void TBitmap::Draw(TCanvas& canvas, const TRect& dst) {
    if (Empty()) return;
    canvas.CopyRect(dst, Canvas(), Rect(0, 0, FWidth, FHeight));
}

void TBitmap::FreeCanvas() {
    FCanvas.reset();    // puts the DC's own pen, brush and font back
    FSelected.reset();  // then takes the bitmap out of the DC
    FDc.Reset();
}

void TBitmap::SetSize(int width, int height) {
    FreeCanvas();
    FBitmap.Reset();
    FBits = nullptr;
    FWidth = FHeight = 0;
    if (width <= 0 || height <= 0) return;
    BITMAPINFO bi = TopDownDibInfo(width, height, 32);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp || !bits) {
        if (bmp) DeleteObject(bmp);
        throw Exception(kCantAllocateDib);
    }
    FBitmap.Reset(bmp);
    FBits = static_cast<std::uint32_t*>(bits);
    FWidth = width;
    FHeight = height;
}

void TBitmap::Assign(const TPixelBuffer& pixels) {
    SetSize(pixels.Width, pixels.Height);
    if (Empty()) return;
    GdiFlush();
    std::memcpy(FBits, pixels.Pixels.data(), pixels.Pixels.size() * sizeof(std::uint32_t));
}

TPixelBuffer TBitmap::ToPixels() const {
    TPixelBuffer out(FWidth, FHeight);
    if (!Empty()) {
        GdiFlush();
        std::memcpy(out.Pixels.data(), FBits, out.Pixels.size() * sizeof(std::uint32_t));
    }
    return out;
}

std::uint32_t* TBitmap::ScanLine(int y) {
    if (Empty() || y < 0 || y >= FHeight) return nullptr;
    GdiFlush();
    return FBits + std::size_t(y) * std::size_t(FWidth);
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) {
        TDcHandle dc(CreateCompatibleDC(nullptr));
        if (!dc) throw Exception(kCantCreateDc);
        auto selected = std::make_unique<TSelectObject>(dc.Get(), FBitmap.Get());
        FDc = std::move(dc);
        FSelected = std::move(selected);
        FCanvas = std::make_unique<TCanvas>(FDc.Get());
    }
    return *FCanvas;
}
