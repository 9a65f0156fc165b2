// The least a repaint of a window tree can cost on the system it runs on.
//
// A copy of the tree: a frameless top window over the model's rectangle,
// and each visible child window of the model at its place and size, nested
// the same way. Every window of the copy paints nothing but one BitBlt of
// its size from a ready picture. Beside them, one layered window over each
// given rectangle, updated from a ready 32-bit picture the way the layered
// border updates its strips. Repaint does what the benchmark's full repaint
// does to the model: invalidates and paints the whole tree at once, then
// updates each layered window once.
//
// Under wine the window system's part (update regions, visible regions,
// the caret hidden around every paint, the layered pictures sent to the X
// server) costs many times one BitBlt whatever a window paints: this is the
// figure a skinned repaint is measured against besides the BitBlt.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Handles.h"

class TRepaintFloor {
public:
    TRepaintFloor(HWND model, const std::vector<RECT>& layers);
    TRepaintFloor(const TRepaintFloor&) = delete;
    TRepaintFloor& operator=(const TRepaintFloor&) = delete;

    void Repaint();
    int WindowCount() const { return FWindowCount; }

private:
    void CopyChildren(HWND model, HWND copy);

    struct TLayer {
        TWindowHandle Window;
        TBitmapHandle Picture;
        TDcHandle Dc;  // Picture selected: goes first
    };

    TWindowHandle FTop;  // its children go with it
    int FWindowCount = 0;
    std::vector<TLayer> FLayers;
};
