// TbsClientInActivePanel: the cover over an inactive form's client area. It
// is a child window on top of the form's controls showing a picture made
// when the form lost the activation: the client area as it was, blurred,
// or seen through the form's own background at alpha 170. It takes no
// input (the first click activates the form, which removes it).
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>

#include "platform/Handles.h"
#include "skin/paint/TbsBitmap.h"

enum class TbsClientInActiveEffect { bsieSemiTransparent, bsieBlur };

class TbsClientInActivePanel {
public:
    // The alpha of the background laid over the client's picture.
    static constexpr int kBackgroundAlpha = 170;
    static constexpr int kBlurRadius = 3;

    // Copies the client area of form (client coordinates 0,0 .. width,
    // height), applies the effect (paintBackground draws the form's
    // background into a DC for the semi-transparent one) and shows the
    // window over the client area. Nothing is shown when the area is empty.
    TbsClientInActivePanel(HWND form, TbsClientInActiveEffect effect, const std::function<void(HDC)>& paintBackground);
    TbsClientInActivePanel(const TbsClientInActivePanel&) = delete;
    TbsClientInActivePanel& operator=(const TbsClientInActivePanel&) = delete;

    HWND WindowHandle() const { return FWindow.Get(); }
    // The picture shown (client size).
    const TbsBitmap& Picture() const { return FPicture; }

private:
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    TbsBitmap FPicture;
    TWindowHandle FWindow;
};
