// What the four skinned control base classes share, windowed or not: the
// binding to the manager (TbsSkinLink) and the drawing steps of their paint
// (the off-screen bitmap, the plain face, the composition of the skin
// rectangle by resize mode and the frame-only path).
//
// Nothing here keeps a record or a picture: the link keeps the index of its
// record, the geometry keeps the indexes of its pictures, and each drawing
// step is handed the picture its caller looked up for this message.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <string>

#include "platform/portable/Component.h"
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/TbsBitmap.h"

// A control's binding to the skin data manager and the stored properties
// that go with it.
struct TbsSkinLink {
    TbsSkinData* SkinData = nullptr;  // not owned; cleared when the manager is removed
    std::string SkinDataName;
    int SkinRecordIndex = -1;  // -1: no skin, the control draws plainly
    std::string HintTitle;     // carried for a skinned hint
    int HintImageIndex = 0;
    TComponent* HintImageList = nullptr;  // not owned; cleared when removed

    // SkinRecordIndex := the manager's record of SkinDataName, -1 without a
    // manager, without a usable skin (also between the before-change and
    // change messages) or without such a record.
    void Fetch() { SkinRecordIndex = FindSkinControlIndex(SkinData, SkinDataName); }
    // Whether a skin message whose wParam names `sender` is for this
    // control: its own manager's, or any when no manager is named.
    bool HearsFrom(WPARAM sender) const {
        return sender == 0 || reinterpret_cast<TbsSkinData*>(sender) == SkinData;
    }
    // Clears the references to a component that goes; true when it was the manager.
    bool Forget(TComponent* component);
    // Points the link at a new manager (or image list), asking `self` to be
    // told when it goes.
    void SetSkinData(TComponent& self, TbsSkinData* value);
    void SetHintImageList(TComponent& self, TComponent* value);
};

// Fills the whole bitmap with the system button-face colour.
void PaintButtonFace(TbsBitmap& bitmap);

// The paint pipeline: a W x H off-screen bitmap, filled by `draw`, drawn
// onto dc at (0, 0). Nothing for a side below 1. `buffer` is the caller's,
// kept from one paint to the next; `draw` gets it as a new one (TryRecycle).
void PaintThroughBitmap(HDC dc, int W, int H, TbsBitmap& buffer, const std::function<void(TbsBitmap&)>& draw);

// Composes the record's skin rectangle from picture into bitmap for a W x H
// control by resize mode: 0 a plain copy (the bitmap takes the skin
// rectangle's size), 1 the nine-part image, 2 and 3 the three-part ones.
// False when nothing was composed: mode -1, or mode 1 with a forced
// background (the frame-only path draws that control).
bool ComposeSkinFace(const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, bool forcedBackground,
                     int W, int H, const TbsBitmap& picture, TbsBitmap& bitmap);

// The frame-only path of a nine-part control: the four frame strips for W x
// H, the top one handed to paintTop first (a caption goes there), then, when
// drawBackground, the skin's client area tiled or stretched over DstClient
// (nothing for an empty client area, FrameBackgroundTiles), then the strips
// drawn onto dc. dc's clip and origin are left as they were.
void PaintSkinFrame(HDC dc, const TbsSkinControlGeometry& skin, const TbsSkinSizedGeometry& sized, int W, int H,
                    const TbsBitmap& picture, bool drawBackground, const std::function<void(TbsBitmap& top)>& paintTop);
