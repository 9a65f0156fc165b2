// The items of a skinned form's default system menu for the form's state:
// which are present, in which order, with their names, the texts' keys in
// the skin's resource strings, the built-in captions, short-cuts and what
// each does.
#pragma once

#include <string>
#include <vector>

#include "skin/form/portable/FrameGeometry.h"

enum TbsSysMenuAction { bssmMinimize, bssmMaximize, bssmRestore, bssmUnroll, bssmRollUp, bssmMinimizeToTray, bssmClose,
                        bssmNone };

struct TbsSysMenuEntry {
    std::string Name;     // "-" for the separator
    std::string Key;      // resource-string key of the caption
    std::string Caption;  // built-in caption
    std::string ShortCut; // e.g. "Alt+F4"
    TbsSysMenuAction Action = bssmNone;
    friend bool operator==(const TbsSysMenuEntry&, const TbsSysMenuEntry&) = default;
};

struct TbsSysMenuState {
    TbsBorderIcons Icons = 0;
    bool Minimized = false, Maximized = false, RolledUp = false;
    bool MdiChild = false;
};

// Minimize, Maximize, Restore, Roll Up, Minimize to Tray (each when the
// state allows it), a separator when any of them is there, and Close.
std::vector<TbsSysMenuEntry> DefaultSystemMenu(const TbsSysMenuState& state);
