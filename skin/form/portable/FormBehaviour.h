// The decisions behind a skinned form's window behaviours, apart from the
// window system: what a requested window state does from the state the
// form is in, what a caption double click does, where the form goes at its
// first show, how far it fades in, and how its edges stick to the work
// area while it is dragged.
#pragma once

#include <vector>

#include "platform/portable/Types.h"

// ---- window state ---------------------------------------------------------------

enum class TbsFormState { Normal = 0, Minimized = 1, Maximized = 2 };

struct TbsFormStateFacts {
    TbsFormState Real = TbsFormState::Normal;  // the state the window is in
    bool MainForm = false;                     // minimising it minimises the application
    bool RolledUp = false;
    bool MaxRolledUp = false;             // rolled up while maximised
    bool WasRolledUpOnMaximize = false;   // the roll-up state when maximising began
};

enum class TbsStateStep { Unroll, Restore, Minimize, Maximize };

struct TbsStatePlan {
    std::vector<TbsStateStep> Steps;  // in order
    TbsFormState NewReal = TbsFormState::Normal;
    friend bool operator==(const TbsStatePlan&, const TbsStatePlan&) = default;
};

// What asking for `requested` does. Nothing when the form is in that state
// already. Minimising the main form minimises the application, and the
// form's own state stays what it was (it comes back as it went).
TbsStatePlan PlanWindowState(const TbsFormStateFacts& facts, TbsFormState requested);

// Whether a roll-up request may change anything.
bool RollUpAllowed(bool hasRollUpIcon, const TbsFormStateFacts& facts);

enum class TbsDoubleClickAction { Restore, Maximize, ToggleRollUp };

// The caption's double click: a resizable form restores when minimised,
// maximises when normal (with a maximise button), restores when maximised
// and not rolled up there; anything else rolls up or down.
TbsDoubleClickAction CaptionDoubleClickAction(bool resizable, bool hasMaximizeIcon, const TbsFormStateFacts& facts);

// ---- first placement --------------------------------------------------------------

enum class TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };

// The top-left corner at the first show: unchanged for bspDefault, centred
// in the monitor's whole rectangle or in its work area otherwise (halves
// rounded toward zero).
TPoint FirstPlacement(TbsPositionInMonitor position, const TRect& monitor, const TRect& workArea, const TRect& bounds);

// ---- fade-in ------------------------------------------------------------------------

// The alpha a fade ends at: 255 when only an animation is asked for,
// otherwise the form's constant alpha (clamped to a byte).
int FormFadeTarget(bool alphaBlend, int alphaBlendValue);

// The alphas of a fade-in, from 0 in steps of target / 15 (at least 1),
// the last one the target.
std::vector<int> FormFadeSteps(int target);

// ---- magnetic edges -----------------------------------------------------------------

// Edges of a form dragged within `MagneticSize` of the work area's edges
// stick to them. An edge that touched stays until the pointer has gone
// more than that distance from where it was when the edge touched; the
// window then follows the pointer from the edge.
class TbsMagneticSnap {
public:
    // Starts afresh (a new drag).
    void Reset() { *this = TbsMagneticSnap(); }
    // The top-left corner for a proposed one. `outset` widens the form to
    // the edges that count (a layered border around it: left, top, right
    // and bottom widths).
    TPoint Snap(TPoint proposed, int width, int height, const TRect& area, TPoint cursor, int magneticSize,
                const TRect& outset = TRect{});

    bool LeftStuck() const { return FLeft.Stuck; }
    bool TopStuck() const { return FTop.Stuck; }
    bool RightStuck() const { return FRight.Stuck; }
    bool BottomStuck() const { return FBottom.Stuck; }

private:
    struct TEdge {
        bool Stuck = false;
        int Anchor = 0;  // the pointer's coordinate when the edge touched
    };
    // One edge on one axis: `pos` is where the edge would be, `target`
    // where it sticks; returns where it goes.
    static int SnapEdge(int pos, int target, int cursor, int m, TEdge& edge);

    TEdge FLeft, FTop, FRight, FBottom;
};
