// The fade-in of a glow window: each 25 ms tick raises the constant alpha
// by a tenth of the target until it is reached.
//
// The target is clamped to 0 .. 255 (a skin value of 300 would otherwise
// wrap to 44 in the byte the platform takes) and the step is at least 1, so
// a target below 10 still fades in and the timer stops.
#pragma once

constexpr unsigned bsLayerFadeInterval = 25;  // ms between fade steps

int ClampAlpha(int alpha);

class TLayerFade {
public:
    // Begins at alpha 0 towards alphaValue (clamped), in steps of the
    // target / divisor (at least 1): tenths for a glow, fifteenths for a
    // form's fade-in.
    void Start(int alphaValue, int divisor = 10);
    // One tick: raises the alpha by the step, limited to the target, and
    // stops when the target is reached. Returns the new alpha. Does nothing
    // when not running.
    int Tick();
    void Stop() { FRunning = false; }

    bool Running() const { return FRunning; }
    int Current() const { return FCurrent; }
    int Target() const { return FTarget; }
    int StepSize() const { return FStep; }

private:
    int FCurrent = 0;
    int FTarget = 0;
    int FStep = 0;
    bool FRunning = false;
};
