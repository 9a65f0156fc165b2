// The windowless skinned control bases: the twins of TbsSkinControl and
// TbsSkinCustomControl (SkinControl.h) for controls drawn on their parent's
// canvas. They bind, size and paint by the same rules, with these
// differences: no window and so no shape; the skin messages
// (WM_SKINCHANGEBEGIN, WM_SKINLOADED) arrive by direct dispatch (Perform)
// from the form's walk; SkinDataName is a plain field; there is no
// parent-background step; the custom twin uses no mask picture.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "skin/controls/SkinControlSupport.h"

class TbsGraphicSkinControl : public TGraphicControl {
public:
    explicit TbsGraphicSkinControl(TComponent* AOwner) : TGraphicControl(AOwner) {}

    TbsSkinData* GetSkinData() const { return FLink.SkinData; }  // not owned
    // As TbsSkinControl::SetSkinData.
    virtual void SetSkinData(TbsSkinData* value);
    const std::string& GetSkinDataName() const { return FLink.SkinDataName; }
    void SetSkinDataName(const std::string& value) { FLink.SkinDataName = value; }
    int GetSkinRecordIndex() const { return FLink.SkinRecordIndex; }

    const std::string& GetHintTitle() const { return FLink.HintTitle; }
    void SetHintTitle(const std::string& value) { FLink.HintTitle = value; }
    int GetHintImageIndex() const { return FLink.HintImageIndex; }
    void SetHintImageIndex(int value) { FLink.HintImageIndex = value; }
    TComponent* GetHintImageList() const { return FLink.HintImageList; }  // not owned
    void SetHintImageList(TComponent* value) { FLink.SetHintImageList(*this, value); }

    virtual void FetchSkinRecord();
    virtual void ApplySkinChange();
    virtual void PrepareSkinChange();

    // Answers WM_SKINCHANGEBEGIN and WM_SKINLOADED.
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Fetches the record, then paints through the off-screen bitmap.
    void Paint(TCanvas& canvas) override;

protected:
    void PaintThroughSkinBitmap(TCanvas& canvas);
    virtual void PaintNoSkin(TbsBitmap& bitmap);
    // After a paint raised, until the next skin change: PaintNoSkin.
    void PaintPlain(TCanvas& canvas) override;
    virtual void PaintSkin(TbsBitmap& bitmap) { (void)bitmap; }

    TbsSkinLink FLink;
    // The off-screen bitmap every paint goes through, kept while the size
    // stays (PaintThroughBitmap).
    TbsBitmap FPaintBuffer;
};

class TbsGraphicSkinCustomControl : public TbsGraphicSkinControl {
public:
    explicit TbsGraphicSkinCustomControl(TComponent* AOwner);
    ~TbsGraphicSkinCustomControl() override;

    TFont& DefaultFont() { return *FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont->Assign(value); }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    int GetDefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);

    void FetchSkinRecord() override;
    virtual void CalcSkinSize(int& width, int& height);
    void ApplySkinChange() override;
    // As TbsSkinCustomControl::SetBounds, without shape or message.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Paint(TCanvas& canvas) override;

    const TbsSkinControlGeometry& SkinGeometry() const { return FSkin; }
    const TbsSkinSizedGeometry& SizedGeometry() const { return FSized; }
    int GetResizeMode() const { return FSkin.ResizeMode; }

protected:
    virtual void DefaultFontChanged() {}
    void PaintSkin(TbsBitmap& bitmap) override;
    const TbsBitmap* SkinPictureBitmap() const;

    bool FForcedBackground = false;
    bool FDrawBackground = true;
    TbsSkinControlGeometry FSkin;
    TbsSkinSizedGeometry FSized;

private:
    void DefaultFontChange();

    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0, FDefaultHeight = 0;
};
