// TImageList: pictures of one size for menus and buttons to draw by index.
// Each is a 32-bit picture with premultiplied alpha.
#pragma once

#include <vector>

#include "platform/portable/Component.h"
#include "platform/portable/PixelBuffer.h"

// Error text when a picture of another size is added.
inline constexpr const char* SImageListSize = "Invalid image size";

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner, int width = 16, int height = 16);

    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    int Count() const { return int(FImages.size()); }
    // Adds a picture of the list's size and returns its index; another size
    // raises Exception (SImageListSize) and adds nothing.
    int Add(TPixelBuffer image);
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const TPixelBuffer& Image(int index) const { return FImages.at(std::size_t(index)); }
    void Clear() { FImages.clear(); }
    // A new picture size empties the list.
    void SetSize(int width, int height);

private:
    int FWidth, FHeight;
    std::vector<TPixelBuffer> FImages;
};
