// An icon as a picture: owns its icon handle and draws it scaled with its
// mask (or its alpha, for 32-bit icons).
#pragma once

#include "platform/Graphics.h"

#include <windows.h>

#include "platform/Handles.h"

class TIcon : public TGraphic {
public:
    TIcon() = default;

    // Takes ownership of icon (destroyed with this object or the next
    // handle); reads its size from its bitmaps. Null empties the icon.
    void SetHandle(HICON icon);
    // Loads the icon resource name of instance at width x height (0 x 0:
    // the system's icon size). False, leaving the icon as it was, when
    // there is no such resource.
    bool LoadFromResource(HINSTANCE instance, const char* name, int width = 0, int height = 0);
    HICON GetHandle() const { return FHandle.Get(); }

    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    void Draw(TCanvas& canvas, const TRect& dst) override;

private:
    TIconHandle FHandle;
    int FWidth = 0;
    int FHeight = 0;
};
