// Drawing objects on GDI: font, pen and brush descriptions that make their
// GDI object on demand, a canvas that draws on any device context, and a
// 32-bit bitmap with a canvas of its own.
//
// A font, pen or brush whose description changes drops its GDI object and
// tells its OnChange listener, which selects the new object before the old
// one is deleted (a selected object cannot be deleted).
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Handles.h"
#include "platform/portable/Colors.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/Types.h"

// Error texts raised by the drawing objects.
extern const char* const kCantAllocateDib;    // "Can't allocate the DIB handle"
extern const char* const kCantCreateDc;       // "Can't create compatible DC"
extern const char* const kCantSelectObject;   // "Can't bslect an object into DC"

// The RGB value of a colour, resolving system colours.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    // Copies the description (not the listener).
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    const std::string& GetName() const { return FName; }
    void SetName(const std::string& value);
    // pixels; negative: character height, positive: cell height
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    // points at 96 dpi; sets Height to -Size * 96 / 72
    int GetSize() const;
    void SetSize(int value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);  // the colour does not change the GDI font
    unsigned GetStyle() const { return FStyle; }
    void SetStyle(unsigned value);
    int GetCharset() const { return FCharset; }
    void SetCharset(int value);

    HFONT GetHandle();
    std::function<void()> OnChange;

private:
    void Changed();

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    unsigned FStyle = 0;
    int FCharset = DEFAULT_CHARSET;
    TFontHandle FHandle;
};

enum class TPenStyle { psSolid, psDash, psDot, psClear };

class TPen {
public:
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle value);
    HPEN GetHandle();
    std::function<void()> OnChange;

private:
    void Changed();
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenHandle FHandle;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    HBRUSH GetHandle();
    std::function<void()> OnChange;

private:
    void Changed();
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    TBrushHandle FHandle;
};

class TBitmap;
class TCanvas;

// A picture that draws itself scaled into a rectangle of a canvas: the
// common face of bitmaps, icons and any other picture a control shows.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    bool Empty() const { return GetWidth() <= 0 || GetHeight() <= 0; }
    // Draws the whole picture scaled into dst.
    virtual void Draw(TCanvas& canvas, const TRect& dst) = 0;
};

// Draws on a device context it does not own. The objects it selects are
// put back when the canvas lets go of the DC (SetHandle or destruction).
class TCanvas {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC GetHandle() const { return FDc; }
    void SetHandle(HDC dc);

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

    void FillRect(const TRect& r);                       // with the brush
    void FrameRect(const TRect& r);                      // one pixel, the brush colour
    void Rectangle(const TRect& r);                      // pen outline, brush inside
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);  // transparent when the brush is clear
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // DrawTextA with the canvas font; returns the text height.
    int DrawText(const std::string& text, TRect& r, UINT format);
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Copies the bitmap at its own size to (x, y).
    void Draw(int x, int y, TBitmap& bitmap);
    // Draws the picture scaled into dst; a bitmap stretches in
    // colour-on-colour mode (rows and columns dropped or repeated, no
    // blending).
    void StretchDraw(const TRect& dst, TGraphic& graphic);
    // Copies src of another canvas into dst, stretching in colour-on-colour
    // mode when the sizes differ.
    void CopyRect(const TRect& dst, TCanvas& source, const TRect& src);

    // Limits drawing to r (within the present clip).
    void IntersectClip(const TRect& r);

private:
    void SelectAll();
    void Unselect();

    HDC FDc = nullptr;  // not owned
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    HGDIOBJ FOldFont = nullptr;   // not owned: the DC's objects before ours
    HGDIOBJ FOldPen = nullptr;    // not owned
    HGDIOBJ FOldBrush = nullptr;  // not owned
};

// Puts a canvas's clip region back as it was when the guard was made.
class TClipSave {
public:
    explicit TClipSave(TCanvas& canvas) : FSave(canvas.GetHandle()) {}

private:
    TSaveDc FSave;
};

// A 32-bit top-down DIB section (pixels blue, green, red, alpha), with a
// memory DC made on first use of its canvas.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    // Copies the bitmap into dst, stretching in colour-on-colour mode.
    void Draw(TCanvas& canvas, const TRect& dst) override;
    // Makes a new black bitmap of that size; 0 by 0 frees it. Raises
    // kCantAllocateDib when the system refuses.
    void SetSize(int width, int height);
    void Assign(const TPixelBuffer& pixels);
    TPixelBuffer ToPixels() const;

    std::uint32_t* ScanLine(int y);  // top row 0
    HBITMAP GetHandle() const { return FBitmap.Get(); }
    // The bitmap's canvas; raises kCantCreateDc when no DC can be made.
    TCanvas& Canvas();

private:
    void FreeCanvas();

    int FWidth = 0;
    int FHeight = 0;
    std::uint32_t* FBits = nullptr;  // not owned: the section's memory
    TBitmapHandle FBitmap;
    TDcHandle FDc;
    std::unique_ptr<TSelectObject> FSelected;
    std::unique_ptr<TCanvas> FCanvas;
};
