// The skinned combo box:
//
//  TbsSkinCustomComboBox  the closed box drawn from the "combobox" record
//                         (background, button, current item), the
//                         drop-down list (PopupListBox.h) that holds the
//                         items and the selection, the keys, the wheel,
//                         type-ahead and the mouse, in the fixed style (pick
//                         only) and the editable style (a TbsCustomEdit over
//                         the text area)
//  TbsSkinComboBox        the class the layouts name
//
// Selection: ItemIndex is the list's selection. Keys, wheel and type-ahead
// keep it within 0..count-1 once there are items; a wheel delta of 0 does
// nothing. Setting ItemIndex sets Text to the item (OnChange fires when the
// text differs), then raises OnClick (not while loading). While the list is
// open, keys and wheel move only the list's selection; Enter (or a click on
// an item) accepts it, Escape, a focus loss, a press elsewhere or the
// form's move, size, deactivation or cancel mode (PopupCloser.h) restores
// the one held when the list opened. Tab closes it by moving the focus on.
//
// Nothing here pumps messages: the list's show animation and the
// auto-scroll past the list's ends run on timers (TimerIds.h), and tests
// drive them by sending WM_TIMER. The pointer and the clock come from the
// hooks of platform/SystemHooks.h.
//
// Binding: the combo keeps the index of its record and looks it up at every
// paint and sizing; a skin change reaches the list through the combo.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/PopupCloser.h"
#include "platform/portable/Alignment.h"
#include "platform/portable/ClassRegistry.h"
#include "skin/controls/PopupListBox.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/portable/ComboGeometry.h"

enum TbsComboBoxStyle { bscbEditStyle = 0, bscbFixedStyle = 1 };

// Draws the shown item over the item background of the closed box (the
// canvas is the text area's own bitmap, rect the text rectangle in it);
// replaces the focus frame and the text.
using TbsComboDrawItemEvent = std::function<void(TComponent* Sender, TCanvas& canvas, int index, const TRect& rect)>;

class TbsSkinCustomComboBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomComboBox(TComponent* AOwner);
    ~TbsSkinCustomComboBox() override;

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;
    bool DoAccessibleDefaultAction() override;

    TbsComboBoxStyle GetStyle() const { return FStyle; }
    // Creates or frees the edit, makes the window again and repaints.
    void SetStyle(TbsComboBoxStyle value);
    const std::vector<std::string>& GetItems() const { return FListBox->GetItems(); }
    // Replaces the items; the selection goes to -1, the text stays.
    void SetItems(const std::vector<std::string>& value);
    int GetItemCount() const { return int(GetItems().size()); }
    int GetItemIndex() const { return FListBox->GetItemIndex(); }
    // The list's selection := value (-1 outside the items); Text := the
    // item; the held index follows; OnClick (not while loading).
    void SetItemIndex(int value);
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);  // values below 1 are ignored
    bool GetSorted() const { return FListBox->GetSorted(); }
    void SetSorted(bool value);
    bool GetAutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    // The whole control acts as the button; forces the fixed style and
    // turns UseSkinSize off.
    bool GetToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool value);
    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);
    TEditCharCase GetCharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    int GetListBoxWidth() const { return FListBoxWidth; }  // pixels; 0: the combo's width
    void SetListBoxWidth(int value) { FListBoxWidth = std::max(value, 0); }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    int GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = std::clamp(value, 0, 255); }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }

    // Forwarded to the list window.
    TFont& ListBoxDefaultFont() { return FListBox->DefaultFont(); }
    TFont& ListBoxDefaultCaptionFont() { return FListBox->DefaultCaptionFont(); }
    int GetListBoxDefaultItemHeight() const { return FListBox->GetDefaultItemHeight(); }
    void SetListBoxDefaultItemHeight(int value) { FListBox->SetDefaultItemHeight(value); }
    bool GetListBoxUseSkinFont() const { return FListBox->GetUseSkinFont(); }
    void SetListBoxUseSkinFont(bool value) { FListBox->SetUseSkinFont(value); }
    bool GetListBoxUseSkinItemHeight() const { return FListBox->GetUseSkinItemHeight(); }
    void SetListBoxUseSkinItemHeight(bool value) { FListBox->SetUseSkinItemHeight(value); }
    bool GetListBoxCaptionMode() const { return FListBox->GetCaptionMode(); }
    void SetListBoxCaptionMode(bool value) { FListBox->SetCaptionMode(value); }
    void SetListBoxCaptionAlignment(TAlignment value) { FListBox->SetCaptionAlignment(value); }

    void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }
    void SetOnDropDown(TNotifyEvent value) { FOnDropDown = std::move(value); }
    void SetOnCloseUp(TNotifyEvent value) { FOnCloseUp = std::move(value); }
    void SetOnComboBoxDrawItem(TbsComboDrawItemEvent value) { FOnComboBoxDrawItem = std::move(value); }
    void SetOnListBoxDrawItem(TbsListDrawItemEvent value) { FListBox->SetOnDrawItem(std::move(value)); }

    // Opens the list under (or above) the combo; nothing without items.
    virtual void DropDown();
    // Closes the list; accept takes the list's selection, otherwise the
    // held one comes back.
    void CloseUp(bool accept);
    bool GetDroppedDown() const { return FDroppedDown; }

    TbsPopupListBox& ListWindow() { return *FListBox; }
    TbsCustomEdit* Edit() const { return FEdit; }  // edit style only, else null
    // Control coordinates, as of the last sizing or paint.
    TRect ButtonRect() const { return FRects.Button; }
    TRect TextRect() const { return FRects.Text; }
    bool IsMouseInButton() const { return FMouseInButton; }
    bool IsButtonPressed() const { return FButtonPressed; }
    bool IsMouseTracking() const { return FMouseTracking; }
    int AutoScrolling() const { return FAutoScrolling; }  // 0 none, 1 up, 2 down
    // The index the closed box shows: the held one while the list is open.
    int ShownIndex() const { return FDroppedDown ? FSavedIndex : GetItemIndex(); }

    void FetchSkinRecord() override;
    void PrepareSkinChange() override;
    // Rebinds and resizes; the list takes the record's "listboxname".
    void ApplySkinChange() override;
    void CalcSkinSize(int& width, int& height) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;

    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnKeyDown(WORD key, unsigned shift) override;
    bool OnChar(char ch) override;
    bool OnMouseWheel(int delta, unsigned shift, TPoint screenPos) override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;
    void OnSetFocus(HWND previous) override;
    void OnKillFocus(HWND next) override;
    void TextChanged() override;
    void EnabledChanged() override;
    void CaptureLost() override;
    // Called after OnClick for a selection; does nothing here.
    virtual void AfterSelection() {}

private:
    void UpdateRects();
    bool HasFocus() const;  // the combo or its edit
    // The combo, its edit, the list and the list's parts: a press there
    // leaves the list open.
    bool IsOwnWindow(HWND wnd) const;
    // Moves the selection by a key; the list only while it is open.
    void StepSelection(TbsComboStep step);
    void MoveSelection(int index);
    // A key the combo takes in either style; true when used up.
    bool HandleKey(WORD key, unsigned shift);
    void TypeAhead(char ch);
    void FollowIntoList(TPoint screen);
    void StopAutoScroll();
    void EndTracking();
    bool ListMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void CreateEdit();
    void LayoutEdit();
    void EditChanged();
    void PaintItem(TbsBitmap& bitmap, const TbsDataSkinComboBox& record, const TbsBitmap& picture);
    void PaintItemText(HDC dc, const TRect& textRect, TColor color, const TFont& font);

    TbsComboBoxStyle FStyle = bscbFixedStyle;
    TbsPopupListBox* FListBox;       // owned by this (component owner)
    TPopupCloser FListCloser;        // closes the open list (presses elsewhere, the form moving, ...)
    TbsCustomEdit* FEdit = nullptr;  // owned by this (component owner); edit style only
    TbsComboRects FRects;            // control coordinates
    int FDropDownCount = 8;
    bool FAutoComplete = true;
    bool FUseSkinSize = true;
    bool FToolButtonStyle = false;
    TColor FDefaultColor = clWindow;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    bool FHideSelection = true;
    int FListBoxWidth = 0;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 0;
    bool FAlphaBlendAnimation = false;

    bool FMouseInControl = false;
    bool FMouseInButton = false;
    bool FButtonPressed = false;
    bool FDroppedDown = false;
    int FSavedIndex = -1;             // the selection when the list opened
    bool FMouseTracking = false;      // the press that opened the list is still held
    bool FTrackedIntoList = false;    // the pointer was over the list during that press
    bool FListCapture = false;        // the capture was taken by a press in the list
    int FAutoScrolling = 0;           // 0 none, 1 up, 2 down
    TbsTypeAhead FTypeAhead;
    bool FTextFromEdit = false;       // the text change came from the edit
    bool FTextToEdit = false;         // the combo is putting its text into the edit

    TNotifyEvent FOnChange, FOnDropDown, FOnCloseUp;
    TbsComboDrawItemEvent FOnComboBoxDrawItem;
};

class TbsSkinComboBox : public TbsSkinCustomComboBox {
public:
    explicit TbsSkinComboBox(TComponent* AOwner) : TbsSkinCustomComboBox(AOwner) {}
};

// Registers TbsSkinCustomComboBox (not creatable) and TbsSkinComboBox with
// their stored properties, and the list box classes.
void RegisterSkinComboBoxClasses(TClassRegistry& registry);
