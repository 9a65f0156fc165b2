// TbsPopupListBox: the combo box's drop-down list, a TbsSkinListBox in a
// top-level pop-up tool window that never takes activation, so the combo
// keeps the focus and the keys while the list shows.
//
// The window is owned by the combo's window (it goes with it and stays
// above its form, but is not topmost over other programs) and saves the
// bits under it; with the XP look it casts a drop shadow. It shows at a
// screen position without activating (ShowAt) and hides by clearing
// Visible. Translucency: with AlphaBlend the window is layered at the given
// alpha; with the animation too, the alpha rises from 0 by value div 15 (at
// least 1) per tick of tidComboShowAnimation, never by pumping messages.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinListBox.h"

class TbsPopupListBox : public TbsSkinListBox {
public:
    // owner: the combo box, whose window becomes the pop-up's owner window.
    TbsPopupListBox(TComponent* AOwner, TWinControl* ownerWindow);

    // Places the window (screen coordinates), lays it out and shows it
    // without activation: opaque, layered at alpha, or rising to alpha by timer.
    void ShowAt(TPoint screen, int width, int height, bool alphaBlend, int alpha, bool animate);
    void Hide();
    bool IsShown() const;
    // The alpha the window has now (255 when not layered).
    int CurrentAlpha() const { return FAlpha; }
    bool Animating() const { return TimerRunning(tidComboShowAnimation); }

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;

private:
    void SetLayered(bool layered);

    TWinControl* FOwnerWindow;  // not owned: the combo
    int FAlpha = 255;
    int FTargetAlpha = 255;
    int FAlphaStep = 1;
};
