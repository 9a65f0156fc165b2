#include "skin/paint/TbsFBitmap.h"

#include <cstring>

#include "platform/Dib.h"

TbsFBitmap::TbsFBitmap(HBITMAP source) {
    BITMAP bm{};
    if (!source || !GetObjectA(source, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
    BITMAPINFO info = TopDownDibInfo(bm.bmWidth, bm.bmHeight, 24);
    void* bits = nullptr;
    TBitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return;
    {
        TWindowDc screen(nullptr);
        if (!screen || GetDIBits(screen.Get(), source, 0, UINT(bm.bmHeight), bits, &info, DIB_RGB_COLORS) == 0) return;
    }
    TDcHandle dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    FOldBitmap = SelectObject(dc.Get(), section.Get());
    FSection = std::move(section);
    FDc = std::move(dc);
    FWidth = bm.bmWidth;
    FHeight = bm.bmHeight;
    FRows.resize(std::size_t(FHeight));
    for (int y = 0; y < FHeight; ++y) FRows[std::size_t(y)] = static_cast<std::uint8_t*>(bits) + std::ptrdiff_t(y) * RowSize();
}

TbsFBitmap::~TbsFBitmap() {
    if (FDc && FOldBitmap) SelectObject(FDc.Get(), FOldBitmap);
}

TBitmapHandle BitmapFromRgb(const TRgbView& picture) {
    if (picture.Empty()) return {};
    BITMAPINFO info = TopDownDibInfo(picture.Width, picture.Height, 24);
    void* bits = nullptr;
    TBitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return {};
    const int rowSize = RgbRowSize(picture.Width);
    for (int y = 0; y < picture.Height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + std::ptrdiff_t(y) * rowSize, picture.Row(y), std::size_t(rowSize));
    return section;
}
