// The system's own window message numbers, one constant each, with who
// sends it and what it means. The numbers are fixed: other windows may send
// some of them. Parameters are described where the message is handled.
#pragma once

// Skin data manager -> every open form, synchronously; wParam: the manager,
// lParam: 1000.
constexpr unsigned WM_SKINCHANGEBEGIN = 1225;         // a skin load begins: stop using the old skin data
constexpr unsigned WM_SKINLOADED = 1226;              // the new skin is loaded: re-skin window and controls
constexpr unsigned WM_SKINCHANGEEND = 1227;           // the change is over (also after a failed load)
constexpr unsigned WM_RESOURCESTRINGSCHANGED = 1274;  // the library's user-visible texts changed
constexpr unsigned WM_SKINNABLEFORMCHANGED = 1294;    // SkinnableForm changed: frame on or off
constexpr unsigned WM_LAYEREDBORDERSCHANGED = 1427;   // ShowLayeredBorders changed
constexpr unsigned WM_AEROBLURCHANGED = 1428;         // AeroBlurEnabled changed

// Skinned popup menu -> its form and the control that asked for it.
constexpr unsigned WM_SKINMENUCLOSED = 1228;       // the menu closed
constexpr unsigned WM_SKINMENUCOMMANDDONE = 1229;  // a command of the menu has run

// Skinned form and skinned containers -> their child controls: the parent's
// background changed, transparent children repaint. No parameters.
constexpr unsigned WM_PARENTBGCHANGED = 1284;

// A skinned button to itself: show, hide its glow frame.
constexpr unsigned WM_SHOWBUTTONGLOW = 1424;
constexpr unsigned WM_HIDEBUTTONGLOW = 1425;

// Tray icon component -> main form: the form was brought back from the tray.
constexpr unsigned WM_RESTOREDFROMTRAY = 1426;

// The framework -> its own message-only release window: free the components
// that asked to be freed once their handlers returned (ReleaseLater).
constexpr unsigned WM_RELEASECOMPONENTS = 0x8000 + 1;  // WM_APP + 1: private to that window

// A skinned form's frame -> its own window: run the command of a caption
// button (wParam: the command, TbsStdCommand) once the click's handlers
// have returned.
constexpr unsigned WM_FRAMECOMMAND = 0x8000 + 2;  // WM_APP + 2: private to the form's window
// The skinned menu -> its own message window: run the chosen command now
// that the menu windows are gone.
constexpr unsigned WM_RUNMENUCOMMAND = 0x8000 + 3;  // WM_APP + 3
// The tray icon's notifications -> the tray icon component's own window.
constexpr unsigned WM_TRAYICONNOTIFY = 0x8000 + 4;  // WM_APP + 4

// Queries and requests other windows may send (nothing in this system does).
constexpr unsigned WM_QUERYSKINNEDFRAME = 45490;      // is the frame skinned
constexpr unsigned WM_SUSPENDLAYERBORDER = 45491;     // suspend the layered border
constexpr unsigned WM_RESUMELAYERBORDER = 45492;      // resume the layered border
constexpr unsigned WM_PAINTFRAMETODC = 45513;         // paint the frame into the DC in wParam
constexpr unsigned WM_PAINTSKINNEDLIST = 48202;       // paint a skinned list
constexpr unsigned WM_PAINTCONTROLTODC = 48203;       // paint the frame or control into a DC

// The constant's name for debug output ("WM_SKINLOADED"), or null for a
// number that is not one of the above.
const char* AppMessageName(unsigned message);
