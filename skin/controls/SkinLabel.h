// The skinned one-line captions: TbsSkinLabel ("label") and its kind
// TbsSkinStatusPanel ("statuspanel"), the status bar's field whose caption
// the game changes to announce results.
//
// Both draw their record at their size and their caption in the content
// rectangle: the sized client rectangle when bound, the control inset by 3
// without a skin. The text is centred vertically (one pixel higher for a
// font of odd height) and aligned by Alignment, shortened with "..." by
// EllipsType bsetEllips, and drawn with a shadow (ShadowEffect), a
// reflection (ReflectionEffect) or plainly, clipped to the rectangle. The
// status panel puts its ImageList image or Glyph cell at the content's
// left, before the text.
//
// Assigning Caption repaints before the assignment returns. With AutoSize
// the width first changes by CalcAutoSizeDelta (not when aligned to the
// top, bottom or client area); a record of fixed size (resize mode 0)
// switches AutoSize off.
//
// With UseSkinSize false the control keeps the size it is given: the record
// is stretched around its client rectangle, and the window keeps no shape.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/ExtCtrls.h"
#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Alignment.h"
#include "skin/controls/SkinControl.h"
#include "skin/paint/TbsBitmap.h"

enum TbsEllipsType { bsetNoneEllips, bsetEllips };

class TbsSkinLabel : public TbsSkinCustomControl {
public:
    explicit TbsSkinLabel(TComponent* AOwner);

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;

    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool GetShadowEffect() const { return FShadowEffect; }
    void SetShadowEffect(bool value);
    TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int GetShadowOffset() const { return FShadowOffset; }  // pixels
    void SetShadowOffset(int value);
    int GetShadowSize() const { return FShadowSize; }  // pixels
    void SetShadowSize(int value);
    bool GetReflectionEffect() const { return FReflectionEffect; }
    void SetReflectionEffect(bool value);
    int GetReflectionOffset() const { return FReflectionOffset; }  // pixels below the text
    void SetReflectionOffset(int value);
    TbsEllipsType GetEllipsType() const { return FEllipsType; }
    void SetEllipsType(TbsEllipsType value);
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool GetUseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    // The border of the drawing without a skin.
    TBevelStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBevelStyle value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool GetAutoSize() const { return FAutoSize; }
    // Turning it on fits the width to the caption at once.
    void SetAutoSize(bool value);

    // The rectangle the caption (and the status panel's image) is drawn in,
    // for the current size; empty for a record without a client area.
    TRect ContentRect();
    // How much wider AutoSize would make the control for its caption (the
    // text in the label's font against the content width); negative when
    // it would narrow.
    virtual int CalcAutoSizeDelta();

    // Also reads the record's font; a record of fixed size turns AutoSize off.
    void FetchSkinRecord() override;
    // UseSkinSize or a nine-part record: the skin decides. Otherwise the
    // size stays and the right-hand points and the client rectangle follow
    // the width and height.
    void CalcSkinSize(int& width, int& height) override;

protected:
    // What a label copies from its record, beyond the base geometry.
    struct TLabelSkin {
        TbsSkinFont Font;
    };

    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    void TextChanged() override;
    void EnabledChanged() override;
    void ParentBackgroundChanged() override;

    // The record at the control's size: the base composition, or with
    // UseSkinSize false the record stretched around its client rectangle.
    // False when nothing could be composed.
    bool ComposeRecord(TbsBitmap& bitmap);
    // The content inside r: the label draws the caption; the status panel
    // draws its image first.
    virtual void PaintContent(TbsBitmap& bitmap, TRect r);
    // The caption in r by the font, ellipsis, alignment and effect rules.
    void DrawCaptionText(TbsBitmap& bitmap, const TRect& r);
    // Selects the caption's font and colour into canvas.
    void SelectCaptionFont(TCanvas& canvas);
    // The caption's width in the caption font.
    int CaptionTextWidth();

    TLabelSkin FLabel;

private:
    void AutoSizeNow();

    bool FTransparent = false;
    bool FShadowEffect = false;
    TColor FShadowColor = clBlack;
    int FShadowOffset = 0;
    int FShadowSize = 3;
    bool FReflectionEffect = false;
    int FReflectionOffset = -5;
    TbsEllipsType FEllipsType = bsetNoneEllips;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    TBevelStyle FBorderStyle = TBevelStyle::bvNone;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
};

class TbsSkinStatusPanel : public TbsSkinLabel {
public:
    explicit TbsSkinStatusPanel(TComponent* AOwner);

    // Cells side by side: cell 1 normal, cell 2 (with NumGlyphs 2) disabled;
    // the bottom-left pixel's colour is transparent.
    TbsBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TbsBitmap& value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    // Values below 1 are ignored.
    void SetNumGlyphs(int value);
    HIMAGELIST GetImageList() const { return FImageList; }  // not owned
    // Drawn instead of the glyph when ImageIndex names one of its images.
    void SetImageList(HIMAGELIST value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);

    // The label's delta, counting the image or glyph and its gap.
    int CalcAutoSizeDelta() override;

protected:
    void PaintContent(TbsBitmap& bitmap, TRect r) override;

private:
    // The image list's image or the glyph's cell; 0 x 0 when there is none.
    int ImageWidth() const;
    int ImageHeight() const;

    TbsBitmap FGlyph;
    int FNumGlyphs = 1;
    HIMAGELIST FImageList = nullptr;  // not owned
    int FImageIndex = -1;
};

// Registers TbsSkinLabel and TbsSkinStatusPanel with their stored
// properties. The skinned control bases must be registered already.
void RegisterSkinLabelClasses(TClassRegistry& registry);
