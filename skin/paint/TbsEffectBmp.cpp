#include "skin/paint/TbsEffectBmp.h"

#include "platform/Dib.h"

namespace {

// The noise generator's state, seeded once from the tick count.
std::uint32_t& NoiseSeed() {
    static std::uint32_t seed = GetTickCount() | 1u;
    return seed;
}

}  // namespace

BITMAPINFO TbsEffectBmp::Header() const { return TopDownDibInfo(FWidth, FHeight, 24); }

TbsEffectBmp::TbsEffectBmp(HBITMAP source) {
    BITMAP bm{};
    if (!source || !GetObjectA(source, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
    TDcHandle display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!display) return;
    FWidth = bm.bmWidth;
    FHeight = bm.bmHeight;
    BITMAPINFO info = Header();
    void* bits = nullptr;
    FSection.Reset(CreateDIBSection(display.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!FSection || !bits ||
        GetDIBits(display.Get(), source, 0, UINT(FHeight), bits, &info, DIB_RGB_COLORS) == 0) {
        FSection.Reset();
        FWidth = FHeight = 0;
        return;
    }
    FBits = static_cast<std::uint8_t*>(bits);
}

void TbsEffectBmp::Draw(HDC dc, int X, int Y) const {
    if (Empty() || !dc) return;
    BITMAPINFO info = Header();
    SetDIBitsToDevice(dc, X, Y, DWORD(FWidth), DWORD(FHeight), 0, 0, 0, UINT(FHeight), FBits, &info, DIB_RGB_COLORS);
}

void TbsEffectBmp::Noise(int Amount) { NoiseSeed() = NoiseRgb(View(), Amount, NoiseSeed()); }

void TbsEffectBmp::InactiveEffect(TbsInActiveEffect effect) {
    if (effect == bsieNoise) return Noise(50);
    InactiveEffectRgb(effect, View(), 0);
}
