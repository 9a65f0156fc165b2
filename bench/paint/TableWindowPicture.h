// The table window's whole picture composed in memory as its paint composes
// it on the screen, for paintbench:
//  - the frame's four strips (CreateSkinBorderImages of the skin's main
//    picture at the window's size), each copied to its place;
//  - the client background, the main picture's client part tiled over the
//    client area (the skin does not stretch it);
//  - the table's picture (TImage), copied at its place;
//  - every skinned control's face composed in a buffer of its own at its
//    size (nine-part or three-part as its record says; a control keeps its
//    buffer from one paint to the next) and copied to its place.
// Labels and the rich edit draw text only: no picture of theirs is composed.
//
// The places are the layout's (game/res/Layout.txt), in window coordinates
// through the built-in skin's frame.
#pragma once

#include <memory>
#include <string>

#include "platform/portable/PixelBuffer.h"

class TTableWindowPicture {
public:
    // Reads the skin folder (its INI file's path); raises Exception when it
    // cannot be read.
    explicit TTableWindowPicture(const std::string& skinIni);
    ~TTableWindowPicture();
    TTableWindowPicture(const TTableWindowPicture&) = delete;
    TTableWindowPicture& operator=(const TTableWindowPicture&) = delete;

    // One whole composition into Window(), which has the window's size.
    void Compose();
    const TPixelBuffer& Window() const;

private:
    struct TState;
    std::unique_ptr<TState> F;
};
