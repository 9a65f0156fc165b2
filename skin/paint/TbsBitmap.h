// TbsBitmap: a 32-bit blue-green-red-alpha image over a top-down
// device-independent section, with its own memory context, a colour key
// (bsTransparentKey) and per-pixel alpha, drawable onto any device context.
//
// Every sized TbsBitmap is entered in a process-wide list so that a DC can be
// recognised as the memory context of another TbsBitmap; drawing onto one is
// then done in memory without any platform call.
//
// Pixels: ScanLine(y) rows of Width() pixels, no padding, blue, green, red,
// alpha in memory. Rectangles are right and bottom exclusive.
#pragma once

// The portable headers come before windows.h, whose GetRValue family of
// macros would otherwise rewrite the declarations in Types.h.
#include "platform/portable/Exception.h"
#include "platform/portable/Types.h"
#include "skin/paint/portable/EffectPixels.h"

#include <windows.h>

#include "platform/Graphics.h"
#include "platform/Handles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TbsBitmap {
public:
    TbsBitmap() = default;
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;
    ~TbsBitmap();

    std::string Name;  // free text, copied by Assign

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FBits == nullptr; }
    // The memory context with the section selected; null until sized.
    HDC DC() const { return FDc.Get(); }
    HBITMAP Handle() const { return FSection.Get(); }
    // A canvas on the memory context, made on first use. It follows the
    // bitmap through SetSize (bound to the new context) and draws nothing
    // while the bitmap is unsized.
    TCanvas& Canvas();

    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }

    // Negative sizes are taken as their absolute values; 0 in either frees
    // the picture (the bitmap is Empty, 0 x 0, without a context); the same
    // size does nothing. A new section starts black with alpha 0. Raises Exception with kCantAllocateDib,
    // kCantCreateDc or kCantSelectObject.
    void SetSize(int width, int height);
    // SetSize for painting code, which must not raise: on failure reports
    // the error through ReportPaintError and returns false.
    bool TrySetSize(int width, int height) noexcept;
    // Makes the bitmap what a new one of this size would be: every pixel
    // black with alpha 0, no canvas, the memory context's state as it was
    // made, no name, neither flag. A buffer painted through again and again
    // keeps its section while the size stays, which spares the platform a
    // section, a context and fresh memory for every paint. Never raises:
    // false, reported, when a new section cannot be had.
    bool TryRecycle(int width, int height) noexcept;

    std::uint32_t* ScanLine(int y) const { return FBits + std::ptrdiff_t(y) * FWidth; }
    std::uint32_t* PixelPtr(int x, int y) const { return ScanLine(y) + x; }
    // Writes a whole pixel when (x, y) is inside a sized bitmap.
    void SetPixel(int x, int y, std::uint32_t value);
    TPixelView View() const { return TPixelView{FBits, FWidth, FHeight, FWidth}; }

    void SetAlpha(std::uint8_t alpha) { SetAlphaPixels(View(), alpha); }
    // AlphaBlend := some pixel has an alpha other than 0 and 255.
    void CheckAlpha() { FAlphaBlend = HasPartialAlpha(View()); }
    // Pixels within 5 of color in each of red, green and blue become the
    // colour key; Transparent := at least one did.
    void SetTransparentColor(TColor color);
    void ClampToAlpha() { ClampPixelsToAlpha(View()); }
    void Premultiply() { PremultiplyPixels(View()); }

    // Same size, pixels, name and both flags as source.
    void Assign(const TbsBitmap& source);
    // From a platform bitmap: a 32-bit device-independent one is copied with
    // its alpha and then CheckAlpha; any other is blitted and made opaque.
    void Assign(HBITMAP source);
    // From any portable picture, with its alpha, then CheckAlpha.
    void Assign(const TPixelBuffer& source);
    // From a picture of the framework: a TBitmap (a 32-bit section) as a
    // platform bitmap above; any other picture is drawn at its size onto
    // magenta (255, 0, 255), every pixel that is not exactly magenta is
    // copied (the rest keep what this bitmap held), then SetAlpha(255).
    void Assign(TGraphic& source);
    // A new 32-bit device-independent platform bitmap of this size holding
    // this image drawn at (0, 0) onto black.
    TBitmapHandle AssignTo() const;
    // Dest takes this size (a new black 32-bit section) and receives a Draw
    // of this image at (0, 0).
    void AssignTo(TBitmap& dest) const;
    // This image as a portable picture.
    TPixelBuffer ToPixelBuffer() const;

    // Draws onto a device context: in memory when target is another
    // TbsBitmap's context (through its window and viewport origins and its
    // clip region, as GDI would), blended when AlphaBlend, keyed when
    // Transparent, else a colour-on-colour stretch blit. Never raises.
    void Draw(HDC target, int x, int y) const;
    void Draw(HDC target, const TRect& dstRect, const TRect& srcRect) const;
    // The same through the canvas's device context.
    void Draw(TCanvas& target, int x, int y) const { Draw(target.GetHandle(), x, y); }
    void Draw(TCanvas& target, const TRect& dstRect, const TRect& srcRect) const {
        Draw(target.GetHandle(), dstRect, srcRect);
    }

    // Clipped to the bitmap; blended when AlphaBlend, else set.
    void FillRect(const TRect& rect, TColor color);

    // The listed TbsBitmap whose memory context is dc, or null.
    static TbsBitmap* FromDC(HDC dc);

private:
    void Release();
    void DrawThroughMemory(HDC target, const TRect& dstRect, const TRect& srcRect, TCombineMode mode) const;

    int FWidth = 0;
    int FHeight = 0;
    std::uint32_t* FBits = nullptr;  // not owned: the section's memory
    TBitmapHandle FSection;
    TDcHandle FDc;
    HGDIOBJ FOldBitmap = nullptr;  // not owned: the context's bitmap before the section
    int FMadeState = 0;            // the context's state saved as it was made
    std::unique_ptr<TCanvas> FCanvas;  // bound to FDc; let go of before FDc changes
    bool FTransparent = false;
    bool FAlphaBlend = false;
    bool FListed = false;
};

// Alpha of each pixel of Bmp := the mask pixel's round((r + g + b) / 3):
// white opaque, black transparent. Only the area the two share is read;
// pixels of Bmp beyond a smaller mask become opaque. The second form then
// premultiplies.
void AlphaFromMask(TbsBitmap& Bmp, const TbsBitmap& Mask);
void AlphaFromMaskPremultiplied(TbsBitmap& Bmp, const TbsBitmap& Mask);

// The handler that receives errors painting code could not raise (set by
// the application to its default error handler). ReportPaintError hands an
// error to it at most once, until ClearPaintError re-arms it (a skin change
// is the natural moment), so a failing repaint does not raise a message box
// on every WM_PAINT.
using TPaintErrorHandler = std::function<void(const Exception&)>;
void SetPaintErrorHandler(TPaintErrorHandler handler);
void ReportPaintError(const Exception& error);
void ClearPaintError();
