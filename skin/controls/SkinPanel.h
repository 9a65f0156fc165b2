// The skinned containers: TbsSkinPanel and its two kinds, TbsSkinGroupBox
// (a panel with its caption on, "groupbox") and TbsSkinStatusBar (aligned
// to the bottom, "statusbar").
//
// A bound panel draws its record: a nine-part record by the frame-only
// path (frame strips with the caption in the top one, the centre tiled from
// the skin's client area), other records by the ordinary composition. The
// caption goes into the record's "captionrect" carried to the panel's size
// (MapSkinSubRect). Aligned children share the sized client rectangle
// (AdjustClientRect). An unbound panel draws the button face with a 3-D
// border and, with CaptionMode, a caption band of DefaultCaptionHeight at
// the top (at the bottom with RibbonStyle) that its children stay clear of.
//
// Backgrounds are tiled by the size of the skin's client area or of the
// background picture: an empty client area or a picture index that names
// no picture draws no background.
//
// TransparentMode shows the parent's image behind the panel; the panel
// repaints and tells its children (WM_PARENTBGCHANGED) when it moves or
// when its own parent's background changes.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <string>

#include "platform/ExtCtrls.h"
#include "platform/portable/Alignment.h"
#include "skin/controls/SkinControl.h"

class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* AOwner);

    bool GetEmptyDrawing() const { return FEmptyDrawing; }
    void SetEmptyDrawing(bool value);
    bool GetRibbonStyle() const { return FRibbonStyle; }
    void SetRibbonStyle(bool value);
    bool GetTransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(bool value);
    TAlignment GetDefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment value);
    int GetDefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int value);
    TBevelStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBevelStyle value);
    bool GetCaptionMode() const { return FCaptionMode; }
    virtual void SetCaptionMode(bool value);
    // Published by the group box; the other panels keep it true.
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);

    // The caption rectangle for the current size, in control coordinates
    // (empty until a bound paint computed it).
    const TRect& SizedCaptionRect() const { return FCaptionRect; }
    // The client area aligned children share, for the current size.
    TRect ChildArea();

    void FetchSkinRecord() override;
    // Rebinds and resizes, then lays the children out again.
    void ApplySkinChange() override;
    // Moving a transparent panel repaints it and its children.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    // What a panel copies from its record, beyond the base geometry.
    struct TPanelSkin {
        int BGPictureIndex = -1;
        TRect CaptionRect;
        TAlignment Alignment = taLeftJustify;
        TbsSkinFont Font;
    };

    void Paint(TCanvas& canvas) override;
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    void AdjustClientRect(TRect& rect) override;
    void ParentBackgroundChanged() override;
    void TextChanged() override;

    // The caption in the record's font and alignment, inside r.
    void DrawSkinCaption(TbsBitmap& bitmap, TRect r);
    // The record's background picture tiled or stretched over the sized
    // client area; nothing when the picture or the area is missing.
    void DrawBackgroundPicture(HDC dc);
    void PaintTransparent(TCanvas& canvas);

    TPanelSkin FPanel;
    TRect FCaptionRect;

private:
    bool FEmptyDrawing = false;
    bool FRibbonStyle = false;
    bool FTransparentMode = false;
    TAlignment FDefaultAlignment = taLeftJustify;
    int FDefaultCaptionHeight = 22;
    TBevelStyle FBorderStyle = TBevelStyle::bvFrame;
    bool FCaptionMode = false;
    bool FUseSkinSize = true;
};

class TbsSkinGroupBox : public TbsSkinPanel {
public:
    explicit TbsSkinGroupBox(TComponent* AOwner);
};

// SizeGrip adds a grip at the bottom-right corner: the record's
// "gripperrect" image, or without one diagonal lines every 3 pixels in a
// kPlainGripSize square. Children keep clear of its width, and the window's
// hit test answers bottom-right sizing over it.
class TbsSkinStatusBar : public TbsSkinPanel {
public:
    static constexpr int kPlainGripSize = 12;

    explicit TbsSkinStatusBar(TComponent* AOwner);

    bool GetSizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // Where the grip is drawn, in control coordinates; empty without SizeGrip.
    TRect GripRect();

    // Also given to every skinned child.
    void SetSkinData(TbsSkinData* value) override;
    void FetchSkinRecord() override;

protected:
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    void AdjustClientRect(TRect& rect) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawGrip(TbsBitmap& bitmap);

    bool FSizeGrip = false;
    TRect FGripperRect;  // "gripperrect", in the picture
    bool FGripperTransparent = false;
    TColor FGripperTransparentColor = 0;
};
