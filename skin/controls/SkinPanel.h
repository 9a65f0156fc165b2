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
//
// The caption line (CaptionLine, skin/controls/portable/CaptionLayout.h)
// can carry, besides the text: a roll-up button in its right 12 pixels
// (RollUpMode; a click on it rolls the panel up to its caption band, hiding
// the children, and a second click restores the height kept in RealHeight
// and the children), a check image at its left (CheckedMode; a click on it
// toggles Checked, which with AutoEnabledControls enables or disables every
// child), a caption glyph or CaptionImageList image before the text or at
// the left edge (ImagePosition), and the record's "framerect" behind the
// text. Without a skin the band shows a 14-pixel check box at x 5 and the
// roll-up arrow; with UseSkinSize false the record is composed at any size
// and the band of DefaultCaptionHeight is drawn over it in the skin's
// colours.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/portable/Alignment.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/portable/CaptionLayout.h"
#include "skin/paint/TbsBitmap.h"

enum TbsImagePosition { bsipDefault, bsipLeft };

// A one-pixel 3-D border of the plain drawings by style: frame shadow and
// shadow, raised highlight and shadow, lowered shadow and highlight, none
// nothing.
void DrawBevelFrame(TCanvas& canvas, const TRect& r, TBevelStyle style);

class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* AOwner);

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;

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

    TbsImagePosition GetImagePosition() const { return FImagePosition; }
    void SetImagePosition(TbsImagePosition value);
    HIMAGELIST GetCaptionImageList() const { return FCaptionImageList; }  // not owned
    void SetCaptionImageList(HIMAGELIST value);
    int GetCaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int value);
    // Cells side by side: 1 normal, 2 (with NumGlyphs 2) disabled; the
    // bottom-left pixel's colour is transparent.
    TbsBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TbsBitmap& value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);  // values below 1 are ignored
    int GetSpacing() const { return FSpacing; }  // pixels between image and text
    void SetSpacing(int value);

    bool GetCheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool value);
    bool GetChecked() const { return FChecked; }
    // Fires OnChecked at every change; in CheckedMode with
    // AutoEnabledControls every child's Enabled follows.
    void SetChecked(bool value);
    bool GetAutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool value);
    void SetOnChecked(TNotifyEvent value) { FOnChecked = std::move(value); }

    bool GetRollUpMode() const { return FRollUpMode; }
    // Turning it off unrolls a rolled-up panel.
    void SetRollUpMode(bool value);
    bool GetRollUpState() const { return FRollUpState; }
    // Rolls up (the height shrinks to the caption band, the children are
    // hidden, RealHeight keeps the height) or back; fires OnChangeRollUpState.
    void SetRollUpState(bool value);
    // The height kept while rolled up; -1 otherwise.
    int GetRealHeight() const { return FRealHeight; }
    void SetRealHeight(int value) { FRealHeight = value; }
    void SetOnChangeRollUpState(TNotifyEvent value) { FOnChangeRollUpState = std::move(value); }

    // The caption rectangle for the current size, in control coordinates
    // (empty until a bound paint computed it).
    const TRect& SizedCaptionRect() const { return FCaptionRect; }
    // Where the parts of the caption line are for the current size and
    // state; all empty when the panel shows no caption line.
    TbsCaptionLine CaptionLine();
    // The client area aligned children share, for the current size.
    TRect ChildArea();

    void FetchSkinRecord() override;
    // Rebinds and resizes, then lays the children out again; a rolled-up
    // panel takes the rolled-up height of the new skin.
    void ApplySkinChange() override;
    // Applies a stored Checked and RollUpState.
    void Loaded() override;
    // Moving a transparent panel repaints it and its children.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // What a panel copies from its record, beyond the base geometry.
    struct TPanelSkin {
        int BGPictureIndex = -1;
        TRect CaptionRect;
        TAlignment Alignment = taLeftJustify;
        TbsSkinFont Font;
        TRect CheckImageRect, UnCheckImageRect;  // in the picture
        TRect FrameRect, FrameTextRect;          // in the picture; the text's place in the frame
        int FrameLeftOffset = 0, FrameRightOffset = 0;
    };

    void Paint(TCanvas& canvas) override;
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    void AdjustClientRect(TRect& rect) override;
    void ParentBackgroundChanged() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;

    // The caption line in the record's font and alignment, inside r.
    void DrawSkinCaption(TbsBitmap& bitmap, TRect r);
    // The caption rectangle the skin gives for the current size (the
    // record's, carried to the size by resize mode).
    TRect SkinCaptionRectForSize();
    // The plain caption band of DefaultCaptionHeight, at the top or (with
    // RibbonStyle) the bottom.
    TRect PlainCaptionBand(int W, int H) const;
    // Whether the caption line has anything to show.
    bool HasCaptionLine() const;
    // The record's background picture tiled or stretched over the sized
    // client area; nothing when the picture or the area is missing.
    void DrawBackgroundPicture(HDC dc);
    void PaintTransparent(TCanvas& canvas);
    // UseSkinSize false with CaptionMode: the record at any size and the
    // band over it.
    void PaintSkinWithPlainBand(TCanvas& canvas);

    TPanelSkin FPanel;
    TRect FCaptionRect;

private:
    // The line for caption rectangle r: plain (no skin, or the band of
    // UseSkinSize false) or from the record.
    TbsCaptionLine LayoutLine(TCanvas& canvas, const TRect& r, bool plain);
    // Selects the caption font of the skinned or the plain line.
    void SelectCaptionFont(TCanvas& canvas, bool plain);
    // The caption image (image list image or glyph cell); 0 x 0 for none.
    TbsExtent CaptionImageSize() const;
    TbsExtent CheckImageSize(bool plain) const;
    // Draws the line's check image, roll-up button, image, frame and text.
    void DrawCaptionLine(TbsBitmap& bitmap, const TbsCaptionLine& line, bool plain);
    void DrawCheckImage(TbsBitmap& bitmap, const TRect& r, bool plain);
    void ApplyCheckedToChildren();
    int RolledHeight();


    bool FEmptyDrawing = false;
    bool FRibbonStyle = false;
    bool FTransparentMode = false;
    TAlignment FDefaultAlignment = taLeftJustify;
    int FDefaultCaptionHeight = 22;
    TBevelStyle FBorderStyle = TBevelStyle::bvFrame;
    bool FCaptionMode = false;
    bool FUseSkinSize = true;
    TbsImagePosition FImagePosition = bsipDefault;
    HIMAGELIST FCaptionImageList = nullptr;  // not owned
    int FCaptionImageIndex = -1;
    TbsBitmap FGlyph;
    int FNumGlyphs = 1;
    int FSpacing = 2;
    bool FCheckedMode = false;
    bool FChecked = false;
    bool FAutoEnabledControls = true;
    bool FRollUpMode = false;
    bool FRollUpState = false;
    int FRealHeight = -1;
    // Children the roll-up hid (compared with the children when unrolling,
    // never dereferenced: one may have gone meanwhile). Not owned.
    std::vector<const TControl*> FRolledUpHidden;
    TNotifyEvent FOnChecked, FOnChangeRollUpState;
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

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;

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
