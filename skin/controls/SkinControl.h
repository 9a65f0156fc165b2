// The windowed skinned control bases.
//
//  TbsSkinControl        binds a control to a skin-control record of the
//                        manager by name, and paints it through one
//                        off-screen bitmap: PaintSkin when bound, else
//                        PaintNoSkin
//  TbsSkinCustomControl  adds the record's geometry: sizing after the skin,
//                        the window's shape from the mask, the default font
//                        and size used without a skin, and the frame-only
//                        path of nine-part controls with a forced background
//
// Binding: a control looks its record up again (FetchSkinRecord) at every
// paint and sizing, so a new SkinDataName or a newly loaded skin shows at
// the next paint. It keeps the index of its record and the indexes of its
// pictures, never a pointer into the manager's lists: pictures are looked
// up when they are drawn. Without a manager, with an empty one, between the
// manager's before-change and change messages, with an unknown name or a
// missing picture the control draws plainly.
//
// The control takes its look in Loaded (after the whole layout is read) or,
// outside loading, when SkinData is set to a manager holding a skin. The
// manager's before-change (WM_SKINCHANGEBEGIN) and change (WM_SKINLOADED)
// messages reach it through its form's walk over its controls: they call
// PrepareSkinChange and ApplySkinChange, when the message names this
// control's manager or none.
//
// For subclasses (button, panels, gauge, scroll bar, list box):
//  - set SkinDataName in the constructor;
//  - FetchSkinRecord: call the base, then copy what the record's class adds
//    (SkinControlRecordAs<T>(GetSkinData(), GetSkinRecordIndex()));
//  - PaintSkin / PaintNoSkin draw into the off-screen bitmap, which already
//    has the control's size (mode 0 resizes it to the skin rectangle);
//  - CalcSkinSize: override for a UseSkinSize property, calling the base
//    when the skin decides;
//  - ParentBackgroundChanged: repaint when drawn over the parent's image;
//  - DefaultFontChanged: react to DefaultFont changes (the base repaints
//    unbound controls by itself).
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "skin/controls/SkinControlSupport.h"

class TbsSkinControl : public TCustomControl {
public:
    explicit TbsSkinControl(TComponent* AOwner);

    TbsSkinData* GetSkinData() const { return FLink.SkinData; }  // not owned
    // Stores the manager. Outside loading, a manager with a usable skin
    // applies it at once (ApplySkinChange); while loading, Loaded does.
    virtual void SetSkinData(TbsSkinData* value);
    const std::string& GetSkinDataName() const { return FLink.SkinDataName; }
    // Stores the name only; it takes effect at the next paint or sizing.
    virtual void SetSkinDataName(const std::string& value) { FLink.SkinDataName = value; }
    // The bound record's position in the manager's list, -1 for none.
    int GetSkinRecordIndex() const { return FLink.SkinRecordIndex; }

    const std::string& GetHintTitle() const { return FLink.HintTitle; }
    void SetHintTitle(const std::string& value) { FLink.HintTitle = value; }
    int GetHintImageIndex() const { return FLink.HintImageIndex; }
    void SetHintImageIndex(int value) { FLink.HintImageIndex = value; }
    TComponent* GetHintImageList() const { return FLink.HintImageList; }  // not owned
    void SetHintImageList(TComponent* value) { FLink.SetHintImageList(*this, value); }

    // Looks the record up by SkinDataName (GetSkinRecordIndex).
    virtual void FetchSkinRecord();
    // Rebinds and repaints after a skin change, with the control's own
    // paint again after one that raised; the custom control also resizes
    // and reshapes.
    virtual void ApplySkinChange();
    // Forgets the binding before the manager replaces its records.
    virtual void PrepareSkinChange();

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    // Fetches the record, then paints through the off-screen bitmap.
    void Paint(TCanvas& canvas) override;
    // Steps after the fetch: a control-sized bitmap, PaintNoSkin or
    // PaintSkin into it, drawn onto the canvas at (0, 0).
    void PaintThroughSkinBitmap(TCanvas& canvas);
    // The control without a skin: the base fills the button face colour.
    virtual void PaintNoSkin(TbsBitmap& bitmap);
    // After a paint raised, until the next skin change: PaintNoSkin
    // through the off-screen bitmap.
    void PaintPlain(TCanvas& canvas) override;
    // The control from its record; the base draws nothing.
    virtual void PaintSkin(TbsBitmap& bitmap) { (void)bitmap; }
    // WM_PARENTBGCHANGED: the parent's look behind this control changed.
    virtual void ParentBackgroundChanged() {}

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    // The paint covers the whole area from the off-screen bitmap.
    bool OnEraseBackground(HDC dc) override { (void)dc; return true; }
    // True inside the handling of the window's WM_PAINT.
    bool IsPaintingFromMessage() const { return FPaintingFromMessage; }

    TbsSkinLink FLink;
    // The off-screen bitmap every paint goes through, kept while the size
    // stays (PaintThroughBitmap).
    TbsBitmap FPaintBuffer;

private:
    bool FPaintingFromMessage = false;
};

class TbsSkinCustomControl : public TbsSkinControl {
public:
    explicit TbsSkinCustomControl(TComponent* AOwner);
    ~TbsSkinCustomControl() override;

    // Used when the skin gives no font or UseSkinFont is false; any change
    // calls DefaultFontChanged and repaints an unbound control.
    TFont& DefaultFont() { return *FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont->Assign(value); }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    // Size forced while no skin is bound (values above 0 only); setting
    // one applies it at once to an unbound control.
    int GetDefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);

    // Also copies the record's geometry (SkinGeometry).
    void FetchSkinRecord() override;
    // Fits width x height to the skin by resize mode and computes the sized
    // geometry for it (SkinControlGeometry.h, CalcSkinSize); unbound or mode
    // -1 changes nothing.
    virtual void CalcSkinSize(int& width, int& height);
    // Gives the window the mask's shape for the current size, or takes the
    // shape away when there is no mask or no skin. The window owns the
    // region; nothing is kept here.
    virtual void UpdateSkinRegion();
    // Rebinds, then takes the skin's size (or the default size without a
    // skin), reshapes and repaints.
    void ApplySkinChange() override;
    // A bound control whose size changes takes what CalcSkinSize allows,
    // then reshapes and repaints; with a stretched centre its children are
    // told the background changed.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    const TbsSkinControlGeometry& SkinGeometry() const { return FSkin; }
    const TbsSkinSizedGeometry& SizedGeometry() const { return FSized; }
    int GetResizeMode() const { return FSkin.ResizeMode; }

protected:
    virtual void DefaultFontChanged() {}
    // After an option that decides the control's size changed (UseSkinSize):
    // a bound control outside loading takes the skin's size again, any
    // other repaints.
    void SkinSizeOptionChanged();
    // By resize mode from the record's picture (SkinControlSupport.h,
    // ComposeSkinFace); PaintNoSkin when the picture or the composition is
    // missing.
    void PaintSkin(TbsBitmap& bitmap) override;
    // The pipeline, or the frame-only path for a bound nine-part control
    // with FForcedBackground.
    void Paint(TCanvas& canvas) override;
    void InitializeWnd() override;

    // The record's pictures, looked up now; valid for this message only.
    const TbsBitmap* SkinPictureBitmap() const;
    TRgbView SkinMaskView() const;

    // Chosen by subclasses: a nine-part control with a forced background
    // paints its frame strips (PaintSkin gets the top one) and, when
    // FDrawBackground, the skin's client area over DstClient.
    bool FForcedBackground = false;
    bool FDrawBackground = true;
    TbsSkinControlGeometry FSkin;
    TbsSkinSizedGeometry FSized;

private:
    void DefaultFontChange();

    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0, FDefaultHeight = 0;
    bool FHasRegion = false;  // a shape was given to the window (the window owns it)
};
