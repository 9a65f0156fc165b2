// The header of a top-down device-independent bitmap: the one layout every
// section in the program uses (rows from the top, no compression).
#pragma once

#include <windows.h>

// biHeight is negated so that row 0 is the top row.
inline BITMAPINFO TopDownDibInfo(int width, int height, int bitCount) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(bitCount);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
