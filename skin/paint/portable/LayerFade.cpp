#include "skin/paint/portable/LayerFade.h"

#include <algorithm>

int ClampAlpha(int alpha) { return std::clamp(alpha, 0, 255); }

void TLayerFade::Start(int alphaValue, int divisor) {
    FTarget = ClampAlpha(alphaValue);
    FStep = std::max(1, FTarget / std::max(1, divisor));
    FCurrent = 0;
    FRunning = true;
}

int TLayerFade::Tick() {
    if (!FRunning) return FCurrent;
    FCurrent = std::min(FCurrent + FStep, FTarget);
    if (FCurrent == FTarget) FRunning = false;
    return FCurrent;
}
