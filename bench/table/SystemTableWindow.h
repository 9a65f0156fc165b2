// The table window as a program would build it from the system's own
// controls: what a person would pick instead of the skinned window, and so
// the peer every skinned figure of tablebench is measured against.
//
// It is made from the same stored layout as the table window ("TFORM1"),
// read with the same parser, so layout, picture and texts stay the same:
//   the form               the standard frame (caption, system menu,
//                          minimise box) around the layout's client size,
//                          centred on the screen, in the layout's font;
//   TImage                 STATIC showing the decoded JPEG (SS_BITMAP);
//   TLabel                 STATIC with the caption;
//   group box              BUTTON (BS_GROUPBOX), its components over it;
//   edit                   EDIT with the text (read-only as stored);
//   combo box              COMBOBOX (drop-down list) with the items and
//                          the selected one;
//   button                 BUTTON (push button) with the caption;
//   status bar and panel   STATIC, the panel sunken, with its caption;
//   rich edit              the rich edit library's control, in its font;
//   gauge                  msctls_progress32 with the range and value.
// Components that make no window (timers, the skin's own) are left out.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Handles.h"

struct TLayoutNode;

class TSystemTableWindow {
public:
    // Reads the layout and makes every window, hidden. Raises Exception
    // when the layout cannot be read.
    TSystemTableWindow();
    TSystemTableWindow(const TSystemTableWindow&) = delete;
    TSystemTableWindow& operator=(const TSystemTableWindow&) = delete;

    void Show();
    HWND Handle() const { return FWindow.Get(); }
    HWND SpinButton() const { return FSpinButton; }  // the push button's window; not owned

private:
    // The windows of container's components, placed at (left, top) plus
    // their own place in the window's client area.
    void MakeChildren(const TLayoutNode& container, int left, int top, HFONT font);

    // The fonts and the picture outlive the windows that show them: the
    // window, declared last, goes first.
    std::vector<TFontHandle> FFonts;
    TBitmapHandle FPicture;
    TWindowHandle FWindow;  // its children go with it
    HWND FSpinButton = nullptr;
};
