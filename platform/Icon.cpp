#include "platform/Icon.h"

namespace {

// The size of an icon from the bitmaps GetIconInfo hands over (and which
// the caller must delete). A monochrome icon has no colour bitmap; its mask
// holds the AND mask above the XOR mask, so it is twice as tall.
void IconSize(HICON icon, int& width, int& height) {
    width = height = 0;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return;
    TBitmapHandle color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    if (color && GetObjectA(color.Get(), sizeof(bm), &bm)) {
        width = bm.bmWidth;
        height = bm.bmHeight;
    } else if (mask && GetObjectA(mask.Get(), sizeof(bm), &bm)) {
        width = bm.bmWidth;
        height = bm.bmHeight / 2;
    }
}

}  // namespace

void TIcon::SetHandle(HICON icon) {
    FHandle.Reset(icon);
    IconSize(icon, FWidth, FHeight);
}

bool TIcon::LoadFromResource(HINSTANCE instance, const char* name, int width, int height) {
    HANDLE icon = LoadImageA(instance, name, IMAGE_ICON, width, height, width || height ? 0 : LR_DEFAULTSIZE);
    if (!icon) return false;
    SetHandle(static_cast<HICON>(icon));
    return true;
}

void TIcon::Draw(TCanvas& canvas, const TRect& dst) {
    if (!FHandle || !canvas.GetHandle() || dst.IsEmpty()) return;
    DrawIconEx(canvas.GetHandle(), dst.Left, dst.Top, FHandle.Get(), dst.Width(), dst.Height(), 0, nullptr, DI_NORMAL);
}
