// The timer ids of every window of the system, one table.
//
// A window's timer ids are its own: the same number may serve two windows,
// never two purposes on one window. A window that wraps a native control
// shares its timer ids with the control's own window procedure, which may
// set timers of its own (the edit scrolls a drag selection on timer 0 or
// 1, depending on the platform); our ids there start at kNativeTimerBase,
// and WM_TIMER of an id the object does not own goes on to the native
// procedure.
//
// Intervals are where the timers are started; they are not part of an id.
#pragma once

#include <cstdint>
#include <string_view>

using TTimerIdValue = std::uintptr_t;

// The first id of ours on a window that wraps a native control.
constexpr TTimerIdValue kNativeTimerBase = 0x5200;

// Skinned form (the frame component's timers run on the form's window).
constexpr TTimerIdValue tidFormFadeIn = 1;         // fixed: the layer manager's fade
constexpr TTimerIdValue tidFormMouseOut = 2;       // pointer left the caption objects
constexpr TTimerIdValue tidFormCaptionMorph = 3;   // caption object morph
constexpr TTimerIdValue tidFormCaptionAnimation = 4;
// The layered border shown once the form's first paint is done: a timer's
// message comes only when no window of the thread has anything to paint.
constexpr TTimerIdValue tidFormShowLayerBorder = 5;

// Skin button.
constexpr TTimerIdValue tidButtonMorph = 1;
constexpr TTimerIdValue tidButtonRepeat = 2;
constexpr TTimerIdValue tidButtonFrameAnimation = 3;

// Skin scroll bar.
constexpr TTimerIdValue tidScrollBarRepeat = 1;

// Skin gauge.
constexpr TTimerIdValue tidGaugeAnimationPause = 1;
constexpr TTimerIdValue tidGaugeAnimationFrame = 2;

// Skin combo box, and its drop-down list window.
constexpr TTimerIdValue tidComboAutoScroll = 1;
constexpr TTimerIdValue tidComboShowAnimation = 2;  // the list's alpha rising as it shows

// Popup menu window.
constexpr TTimerIdValue tidMenuPointer = 1;
constexpr TTimerIdValue tidMenuItemMorph = 2;
constexpr TTimerIdValue tidMenuMarkerScroll = 3;
constexpr TTimerIdValue tidMenuFadeIn = 4;  // the window's alpha rising as it shows

// Form layer window: the border's fade-in runs on its top window.
constexpr TTimerIdValue tidLayerBorderFade = 1;
// A full border's top window: the pointer left the caption objects.
constexpr TTimerIdValue tidLayerBorderMouseOut = 2;

// Skin edit: a native edit underneath.
constexpr TTimerIdValue tidEditHover = kNativeTimerBase + 1;

// The timer component's own message-only window.
constexpr TTimerIdValue tidTimerComponent = 1;

// One row per timer: the window kind it runs on, its name for debug
// output, its id, and whether the window wraps a native control.
struct TTimerIdEntry {
    std::string_view Window;
    const char* Name;
    TTimerIdValue Id;
    bool NativeWindow;
};

inline constexpr TTimerIdEntry kTimerIdTable[] = {
    {"skinned form", "tidFormFadeIn", tidFormFadeIn, false},
    {"skinned form", "tidFormMouseOut", tidFormMouseOut, false},
    {"skinned form", "tidFormCaptionMorph", tidFormCaptionMorph, false},
    {"skinned form", "tidFormCaptionAnimation", tidFormCaptionAnimation, false},
    {"skinned form", "tidFormShowLayerBorder", tidFormShowLayerBorder, false},
    {"skin button", "tidButtonMorph", tidButtonMorph, false},
    {"skin button", "tidButtonRepeat", tidButtonRepeat, false},
    {"skin button", "tidButtonFrameAnimation", tidButtonFrameAnimation, false},
    {"skin scroll bar", "tidScrollBarRepeat", tidScrollBarRepeat, false},
    {"skin gauge", "tidGaugeAnimationPause", tidGaugeAnimationPause, false},
    {"skin gauge", "tidGaugeAnimationFrame", tidGaugeAnimationFrame, false},
    {"skin combo box", "tidComboAutoScroll", tidComboAutoScroll, false},
    {"skin combo box", "tidComboShowAnimation", tidComboShowAnimation, false},
    {"popup menu window", "tidMenuPointer", tidMenuPointer, false},
    {"popup menu window", "tidMenuItemMorph", tidMenuItemMorph, false},
    {"popup menu window", "tidMenuMarkerScroll", tidMenuMarkerScroll, false},
    {"popup menu window", "tidMenuFadeIn", tidMenuFadeIn, false},
    {"form layer window", "tidLayerBorderFade", tidLayerBorderFade, false},
    {"form layer window", "tidLayerBorderMouseOut", tidLayerBorderMouseOut, false},
    {"skin edit", "tidEditHover", tidEditHover, true},
    {"timer component", "tidTimerComponent", tidTimerComponent, false},
};

// The name of a timer of a window kind, for debug output, or null.
constexpr const char* TimerIdName(std::string_view window, TTimerIdValue id) {
    for (const TTimerIdEntry& entry : kTimerIdTable)
        if (entry.Window == window && entry.Id == id) return entry.Name;
    return nullptr;
}
