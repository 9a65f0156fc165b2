// What a windowed control tells assistive programs (screen readers) about
// itself, through the system's accessibility interface (IAccessible).
//
// A control states its facts (TWinControl::GetAccessibleFacts): role, name,
// value, its own state bits and default action. One shared object
// (AccessibleObject.cpp) answers every question from them: it adds the
// state the window itself shows (unavailable, invisible, focused), gives
// the window rectangle as the location, the child windows as children, and
// runs the default action through TWinControl::DoAccessibleDefaultAction.
// A control whose role stays 0 keeps the window class's own answer (a
// native control's) or the system's default one.
//
// The object holds the window handle only, never the control: each call
// finds the control again, so a client that keeps the object after the
// window has gone gets "disconnected" instead of touching freed memory.
//
// Changes are announced with WinEvents (NotifyAccessibleEvent) by the
// control where its name, value or state changes, so a screen reader
// follows without polling.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TControl;
class TWinControl;

// A part of a control without a window of its own (a list's item), read
// as the control's child number 1, 2, ... in the order of Items.
struct TAccessibleItem {
    long Role = 0;      // ROLE_SYSTEM_*
    std::string Name;
    long State = 0;     // STATE_SYSTEM_*, all of it
    RECT Bounds{};      // screen coordinates, right and bottom exclusive
};

struct TAccessibleFacts {
    long Role = 0;       // ROLE_SYSTEM_*; 0: not answered by the control
    std::string Name;    // what the control is called (no "&" markers)
    std::string Value;   // what it holds now: the text, the item, the percentage
    long State = 0;      // STATE_SYSTEM_* of the control itself (read-only, pressed, expanded, ...)
    std::string DefaultAction;  // "Press", "Open", "Close"; empty: none
    // With items, these are the object's children instead of its child windows.
    std::vector<TAccessibleItem> Items;
};

// A caption as it is read: "&" markers taken out, "&&" read as one "&".
std::string AccessibleText(const std::string& caption);

// The text of the label that stands before control as the table is read:
// the nearest windowless sibling with a text on the same line to its left,
// else the nearest one above it that overlaps it horizontally. Empty when
// there is none. How an uncaptioned control (a selector, an edit) gets its
// name.
std::string LabelBefore(const TControl& control);

// The whole state of a window's control: the control's own bits (facts)
// plus unavailable, invisible, focusable and focused from the window.
long AccessibleStateOf(HWND wnd, const TAccessibleFacts& facts, bool focusable);

// WM_GETOBJECT of control's window: for OBJID_CLIENT, when the control
// states a role, the LRESULT of its accessible object; otherwise 0 (the
// caller then lets the window class answer).
LRESULT AnswerGetObject(TWinControl& control, WPARAM wParam, LPARAM lParam);

// Raises the WinEvent (EVENT_OBJECT_*) for the client object of wnd; no-op
// without a window.
void NotifyAccessibleEvent(HWND wnd, DWORD event);
