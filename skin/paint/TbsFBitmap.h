// TbsFBitmap: a 24-bit top-down copy of a platform bitmap in a
// device-independent section, read through a table of row pointers. The
// mask reader of the region code.
#pragma once

#include "skin/paint/portable/EffectPixelsRgb.h"

// Types.h must come before windows.h, whose GetRValue macros would rewrite it.
#include "platform/portable/Types.h"

#include <windows.h>

#include "platform/Handles.h"

#include <cstdint>
#include <vector>

class TbsFBitmap {
public:
    // Copies source's pixels. When the bitmap cannot be read or the section
    // not made, the result is empty (0 x 0) rather than an error.
    explicit TbsFBitmap(HBITMAP source);
    TbsFBitmap(const TbsFBitmap&) = delete;
    TbsFBitmap& operator=(const TbsFBitmap&) = delete;
    ~TbsFBitmap();

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int RowSize() const { return RgbRowSize(FWidth); }  // bytes, a multiple of 4
    int RowPadding() const { return FWidth % 4; }        // bytes
    int ImageSize() const { return RowSize() * FHeight; }
    bool Empty() const { return FRows.empty(); }
    std::uint8_t* Row(int y) const { return FRows[std::size_t(y)]; }
    TRgbView View() const { return Empty() ? TRgbView{} : TRgbView{FRows[0], FWidth, FHeight, RowSize()}; }
    HDC DC() const { return FDc.Get(); }

private:
    int FWidth = 0;
    int FHeight = 0;
    TBitmapHandle FSection;
    TDcHandle FDc;
    HGDIOBJ FOldBitmap = nullptr;      // not owned
    std::vector<std::uint8_t*> FRows;  // row y at pixel memory + y * RowSize()
};

// A new 24-bit top-down section holding the picture, or none when empty.
TBitmapHandle BitmapFromRgb(const TRgbView& picture);
