// The skinned form's side of its layered border. The border itself is not
// built yet: these keep the calls of the frame and the window behaviours in
// one place and do nothing.
#include "skin/form/SkinForm.h"

bool TbsSkinForm::LayerBorderUsed() const { return false; }
void TbsSkinForm::LayerBorderShow() {}
void TbsSkinForm::LayerBorderHide() {}
void TbsSkinForm::LayerBorderUpdate() {}
void TbsSkinForm::LayerBorderSetBounds(const TRect& formBounds) { (void)formBounds; }
void TbsSkinForm::LayerBorderSetAlpha(int alpha, bool apply) {
    (void)alpha;
    (void)apply;
}
