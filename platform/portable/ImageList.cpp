#include "platform/portable/ImageList.h"

#include "platform/portable/Exception.h"

TImageList::TImageList(TComponent* AOwner, int width, int height)
    : TComponent(AOwner), FWidth(width), FHeight(height) {}

int TImageList::Add(TPixelBuffer image) {
    if (image.Width != FWidth || image.Height != FHeight) throw Exception(SImageListSize);
    FImages.push_back(std::move(image));
    return Count() - 1;
}

void TImageList::SetSize(int width, int height) {
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
}
