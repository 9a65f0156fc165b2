// TbsSkinRichEdit: the system's rich text control with a skin-aware look.
//
//  - no border and no non-client area: the window's rectangle is all
//    client, so its own scroll bars never show, even with ssBoth; the
//    keyboard, the wheel and attached skinned bars still scroll it;
//  - Transparent: the parent's look (or the Wallpaper, tiled or stretched)
//    behind the text; the native control is made transparent too, so it
//    draws its text over that background and fills nothing;
//  - SkinSupport: font and background colour from the "richedit" record
//    (DefaultFont and DefaultColor without one); off, the layout's font and
//    colour stay;
//  - VScrollBar, HScrollBar: skinned bars that mirror the control's native
//    scroll information and scroll it when the user moves them.
//
// It wraps a native window, so the manager's skin messages reach it through
// TbsNativeSkinClient and never reach the native procedure.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Graphics.h"
#include "platform/RichEdit.h"
#include "platform/portable/ClassRegistry.h"
#include "skin/controls/NativeSkinClient.h"

class TbsSkinData;
class TbsSkinScrollBar;

class TbsSkinRichEdit : public TRichEdit, public TbsNativeSkinClient {
public:
    explicit TbsSkinRichEdit(TComponent* AOwner);
    ~TbsSkinRichEdit() override;

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;
    // Also tells assistive programs that the value changed.
    void TextChanged() override;

    // Changing it recreates the window, which takes or drops the
    // transparent style.
    void SetTransparent(bool value);
    // The background picture; assigning a non-empty one also sets
    // Transparent. Empty by default.
    const TBitmap& Wallpaper() const { return *FWallpaper; }
    void SetWallpaper(const TPixelBuffer& pixels);
    bool GetWallpaperStretch() const { return FWallpaperStretch; }
    void SetWallpaperStretch(bool value);

    bool GetSkinSupport() const { return FSkinSupport; }
    void SetSkinSupport(bool value);
    TFont& DefaultFont() { return *FDefaultFont; }
    // Applied at once only when SkinSupport is on and no record is bound.
    void SetDefaultFont(const TFont& value);
    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);

    // TbsNativeSkinClient
    TbsSkinData* GetSkinData() const override { return FSkinData; }  // not owned
    void PrepareSkinChange() override;
    void ApplySkinChange() override;

    // Outside loading, a manager holding a skin applies at once.
    void SetSkinData(TbsSkinData* value);
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    // The bound "richedit" record's position, -1 for none.
    int GetSkinRecordIndex() const { return FSkinRecordIndex; }

    // The attached bars (not owned; cleared when they go). Attaching one
    // sets its events and mirrors the control's scrolling into it at once.
    TbsSkinScrollBar* GetVScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* value);
    TbsSkinScrollBar* GetHScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TbsSkinScrollBar* value);
    // Copies the control's native scroll information into the attached bars.
    void UpdateScrollBars();

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC dc) override;
    void OnCommand(WORD notifyCode) override;

private:
    // Takes the record's (or the default) font and colour when SkinSupport
    // is on, the character set in every case.
    void ApplyFontAndColor();
    void AttachBar(TbsSkinScrollBar*& field, TbsSkinScrollBar* value, bool vertical);
    static void DetachBar(TbsSkinScrollBar* bar);
    void PaintBackground(HDC dc);
    // WM_PAINT of a transparent control: background, then the text.
    void PaintTransparent();
    // Draws the text into dc through the control's own rendering request
    // (EM_FORMATRANGE), in its formatting rectangle; false when the control
    // rendered none of its text that way.
    bool RenderTextInto(HDC dc);

    std::unique_ptr<TBitmap> FWallpaper;
    bool FWallpaperStretch = false;
    bool FSkinSupport = false;
    std::unique_ptr<TFont> FDefaultFont;
    TColor FDefaultColor = clWindow;
    TbsSkinData* FSkinData = nullptr;  // not owned
    std::string FSkinDataName = "richedit";
    int FSkinRecordIndex = -1;
    TbsSkinScrollBar* FVScrollBar = nullptr;  // not owned
    TbsSkinScrollBar* FHScrollBar = nullptr;  // not owned
};

// One pixel of text printed over white and over black, put over the
// background: per channel, the difference of the two prints is how much of
// the background shows through. Pixels are blue, green, red, alpha; the
// background's alpha is kept.
std::uint32_t MatteTextPixel(std::uint32_t overWhite, std::uint32_t overBlack, std::uint32_t background);

// Registers TbsSkinRichEdit with its stored properties; the skinned control
// bases and the scroll bar must be registered already.
void RegisterSkinRichEditClasses(TClassRegistry& registry);
