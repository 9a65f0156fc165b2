// Reads windows' accessible objects the way a screen reader does: asks each
// window for its client object (AccessibleObjectFromWindow, OBJID_CLIENT)
// and writes what it says on one line:
//
//   push button "Hadi Kizim" state=focusable action="Press" at 344,251 75x25
//
// role (the system's words for it), name, value when there is one, the
// state bits by name, the default action, and the location relative to a
// given origin (the top window's client area, so lines do not depend on
// where the window is). Used by the accwalk tool and the tests; the
// calling thread must have COM initialised.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

// The child id that names the object itself (CHILDID_SELF) as a VARIANT.
VARIANT AccessibleSelf();

// The state bits by name, in a fixed order, comma-separated ("" for none).
std::string AccessibleStateNames(long state);

// One line for the object (CHILDID_SELF) with its location relative to
// origin (screen coordinates).
std::string DescribeAccessible(IAccessible& object, POINT origin);

// One line for wnd's client object; "(no object)" when it has none.
std::string DescribeAccessibleWindow(HWND wnd, POINT origin);

// Every visible window inside top, depth first in z-order, one line each,
// indented by two spaces per level below top; origin: top's client area.
std::vector<std::string> WalkAccessibleWindows(HWND top);
