#include "skin/form/portable/SystemMenuModel.h"

std::vector<TbsSysMenuEntry> DefaultSystemMenu(const TbsSysMenuState& s) {
    std::vector<TbsSysMenuEntry> items;
    if (!s.Minimized && (s.Icons & bsbiMinimize))
        items.push_back({"BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", "", bssmMinimize});
    if (!s.Maximized && (s.Icons & bsbiMaximize))
        items.push_back({"BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", "", bssmMaximize});
    if (s.Minimized || s.Maximized || s.RolledUp)
        items.push_back({"BSF_RESTORE", "MI_RESTORECAPTION", "&Restore", "", s.RolledUp && !s.Minimized ? bssmUnroll : bssmRestore});
    if (!s.RolledUp && !s.Minimized && !(s.Maximized && s.MdiChild) && (s.Icons & bsbiRollUp))
        items.push_back({"BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", "", bssmRollUp});
    if (s.Icons & bsbiMinimizeToTray)
        items.push_back({"BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray", "", bssmMinimizeToTray});
    if (!items.empty()) items.push_back({"-", "", "-", "", bssmNone});
    items.push_back({"BSF_CLOSE", "MI_CLOSECAPTION", "&Close", s.MdiChild ? "Ctrl+F4" : "Alt+F4", bssmClose});
    return items;
}
