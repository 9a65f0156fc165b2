// The skinned single-line edit, in three steps:
//
//  TbsCustomEdit      the framework's edit without a native border, painted
//                     without flicker: the client goes through one
//                     off-screen bitmap (the background first, then the
//                     native edit's own text drawn over it transparently)
//  TbsSkinCustomEdit  the skin: the frame painted in the non-client area
//                     from the "edit" record, the background behind the
//                     text from the same record, the record's font and
//                     colours (normal, hovered or focused, disabled), the
//                     hover checked on a 100 ms timer, the optional button
//  TbsSkinEdit        the class the layouts name
//
// The native edit keeps the text, caret, selection and keyboard editing.
// Read-only is the native ES_READONLY plus the framework's filter (TEdit):
// typing, pasting, cutting, clearing and undoing change nothing, Ctrl+C
// still copies.
//
// Binding: the edit keeps the index of its record (TbsSkinLink) and looks
// the record and its picture up again at every paint, sizing and non-client
// calculation, so a paint after a skin reload draws from the new skin and
// one between the manager's before-change and change messages draws
// plainly. Skin changes arrive through TbsNativeSkinClient.
//
// Timers: tidEditHover (TimerIds.h, from the native range); WM_TIMER of any
// other id goes on to the native edit. The system's own message numbers
// stop at this class.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/StdCtrls.h"
#include "platform/portable/Alignment.h"
#include "skin/controls/NativeSkinClient.h"
#include "skin/controls/SkinControlSupport.h"
#include "skin/controls/portable/EditGeometry.h"

// Answers of the two paint-into-this-context requests (AppMessages.h).
constexpr LRESULT kPaintFrameToDcAnswer = 12851;
constexpr LPARAM kPaintControlToDcFrame = 16802;  // WM_PAINTCONTROLTODC: the frame without the client

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TbsCustomEdit : public TEdit {
public:
    explicit TbsCustomEdit(TComponent* AOwner);

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;
    // Also tells assistive programs that the value changed.
    void TextChanged() override;

    TAlignment GetAlignment() const { return FAlignment; }
    // Recreates the window with the new alignment style.
    void SetAlignment(TAlignment value);
    char GetPasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    bool GetAutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    TEditCharCase GetCharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    int GetMaxLength() const { return FMaxLength; }  // characters, 0: the native limit
    void SetMaxLength(int value);

    // Repaints the client area now through the off-screen bitmap, with the
    // caret hidden meanwhile.
    virtual void RepaintBuffered();

protected:
    // The client painted into dc, whose (0, 0) is the client's top-left:
    // background and text composed in an off-screen bitmap, then copied.
    virtual void PaintBuffered(HDC dc);
    // The background behind the text, into the off-screen bitmap's dc; the
    // base fills Color.
    virtual void PaintClientBackground(HDC dc, const TRect& client);
    // The text of a disabled edit, drawn by the edit itself (the native one
    // would draw it grey on its own brush); the base draws it in the system
    // grey-text colour.
    virtual void PaintDisabledText(HDC dc, const TRect& client);
    // True while the client is being painted into the off-screen bitmap.
    bool IsPaintingToBuffer() const { return FPaintingToBuffer; }

    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    // The native text over the background: transparent, in the font's colour.
    HBRUSH OnCtlColor(HDC dc) override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;
    bool OnChar(char ch) override;
    void OnSetFocus(HWND previous) override;
    void FontChanged() override;
    void EnabledChanged() override;
    // Nothing can be typed into a read-only field: while it has the focus,
    // the focus shows as the selection and the skin's focused look, without
    // a caret whose blinking would wake the program twice a second while it
    // sits idle. The native edit makes a new caret on every font change.
    void DropReadOnlyCaret();

private:
    void ApplyMargins();

    TAlignment FAlignment = taLeftJustify;
    char FPasswordChar = 0;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    int FMaxLength = 0;
    bool FPaintingToBuffer = false;
    bool FBufferedPaint = true;  // every skinned edit paints its client through the buffer
};

class TbsSkinCustomEdit : public TbsCustomEdit, public TbsNativeSkinClient {
public:
    explicit TbsSkinCustomEdit(TComponent* AOwner);
    ~TbsSkinCustomEdit() override;

    TbsSkinData* GetSkinData() const override { return FLink.SkinData; }  // not owned
    // Stores the manager; outside loading a manager with a usable skin
    // applies it at once, while loading Loaded does.
    void SetSkinData(TbsSkinData* value);
    const std::string& GetSkinDataName() const { return FLink.SkinDataName; }
    void SetSkinDataName(const std::string& value);
    int GetSkinRecordIndex() const { return FLink.SkinRecordIndex; }

    // The background when no record is bound.
    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);
    // The font when no record is bound or UseSkinFont is false.
    TFont& DefaultFont() { return *FDefaultFont; }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value);
    int GetDefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    bool GetButtonMode() const { return FButtonMode; }
    void SetButtonMode(bool value);
    void SetOnButtonClick(TNotifyEvent value) { FOnButtonClick = std::move(value); }

    // Looks the record up by SkinDataName and copies its values.
    void FetchSkinRecord();
    void PrepareSkinChange() override;
    // Binds again, takes the record's font (or DefaultFont), colour and
    // height, recalculates the frame and repaints frame and client.
    void ApplySkinChange() override;

    // The height follows the skin or the font (EditHeight).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The edit's state for tests and the button.
    bool IsMouseOver() const { return FMouseOver; }
    bool IsButtonDown() const { return FButtonDown; }
    const TbsEditSkin& EditSkin() const { return FSkin; }
    // The native text area and the button in window coordinates, as of the
    // last frame calculation.
    TRect ClientArea() const { return FClientArea; }
    TRect ButtonArea() const { return FButtonArea; }

    // Hover: MouseEnter starts it (also the first hit test of the pointer),
    // MouseLeave ends it (also the hover timer, when the window under the
    // pointer is another).
    void MouseEnter() override;
    void MouseLeave() override;
    virtual void ButtonClick();

protected:
    void PaintClientBackground(HDC dc, const TRect& client) override;
    void PaintDisabledText(HDC dc, const TRect& client) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    void OnSetFocus(HWND previous) override;
    void OnKillFocus(HWND next) override;

private:
    // The frame for the present size and state into dc, in window
    // coordinates; the client area too when withClient, else excluded.
    void PaintFrame(HDC dc, bool withClient);
    void ComposeFrame(TbsBitmap& frame, int width, int height);
    void PaintButton(TbsBitmap& frame, const TbsBitmap& picture);
    void UpdateAreas();
    // Frame and client painted again now.
    void RepaintAll();
    // The record's colours (or DefaultFont's) into Font for the state.
    void UpdateFontColor();
    void ApplyCharset();
    int FontTextHeight();
    bool Active() const;  // hovered or focused: the active look
    LRESULT OnNcHitTest(LPARAM lParam);
    bool OnNcLeftButtonDown(LPARAM lParam);
    void OnButtonRelease(LPARAM lParam);
    void DefaultFontChange();

    TbsSkinLink FLink;
    TbsEditSkin FSkin;
    TColor FDefaultColor = clWindow;
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0, FDefaultHeight = 0;
    bool FButtonMode = false;
    bool FButtonDown = false;
    bool FMouseOver = false;
    TRect FClientArea;  // window coordinates
    TRect FButtonArea;  // window coordinates
    TNotifyEvent FOnButtonClick;
};

class TbsSkinEdit : public TbsSkinCustomEdit {
public:
    explicit TbsSkinEdit(TComponent* AOwner) : TbsSkinCustomEdit(AOwner) {}
};

class TClassRegistry;
// Registers TbsCustomEdit and TbsSkinCustomEdit (not creatable) and the
// creatable TbsSkinEdit with their stored properties.
void RegisterSkinEditClasses(TClassRegistry& registry);
