// The skinned list box, in three steps:
//
//  TbsListBox            the native list box, owner-drawn with fixed rows,
//                        without a native border or scroll bar: it stores
//                        the strings and the selection; the object keeps a
//                        copy of the strings so that they survive a new
//                        window and can be searched without one
//  TbsSkinCustomListBox  the skin: the frame of the "listbox" record drawn
//                        around the native list (the frame-only path), the
//                        items drawn from the record, and a skinned vertical
//                        scroll bar at the right edge while the items do
//                        not fit
//  TbsSkinListBox        the class the layouts name
//
// The drop-down list of the combo box (PopupListBox.h) is a TbsSkinListBox
// in a pop-up window.
//
// The native list has no scroll bar of its own; the skinned bar mirrors the
// list's top row (range 0..count-1, page = the rows that fit) and scrolls it
// by LB_SETTOPINDEX, so nothing depends on how the platform reports a hidden
// native bar.
//
// Binding: the list keeps the index of its record (and of the combo's
// record for nothing); every paint and every item looks the record up again.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/portable/Alignment.h"
#include "platform/portable/ClassRegistry.h"
#include "skin/controls/SkinControl.h"

class TbsSkinScrollBar;

// What the owner of a native list may do with its mouse messages before the
// list sees them: true consumes the message, with *result the answer.
using TbsListMouseFilter = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)>;

class TbsListBox : public TWinControl {
public:
    explicit TbsListBox(TComponent* AOwner);

    const std::vector<std::string>& GetItems() const { return FItems; }
    // Replaces the items (sorted when Sorted); the selection goes to -1.
    void SetItems(const std::vector<std::string>& value);
    // Adds one item (in its sorted place when Sorted); returns its index.
    int AddItem(const std::string& value);
    void Clear();
    int GetCount() const { return int(FItems.size()); }

    // -1: no selection. A value outside 0..count-1 selects nothing.
    int GetItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    bool GetSorted() const { return FSorted; }
    // Sorts the items (case-insensitive) from now on; the selection goes to -1.
    void SetSorted(bool value);
    int GetItemHeight() const { return FItemHeight; }  // pixels
    void SetItemHeight(int value);
    // The first visible row; clamped to 0..count-1.
    int GetTopIndex() const;
    void SetTopIndex(int value);
    // Rows that fit the client height.
    int VisibleRows() const;
    // The item under a point of the client area, -1 when there is none.
    int ItemAt(TPoint client) const;

    // Drawing of one item (WM_DRAWITEM relayed by the parent); unset: none.
    std::function<void(const DRAWITEMSTRUCT& item)> OnDrawItemRequest;
    // Sees the mouse and wheel messages first (see TbsListMouseFilter).
    TbsListMouseFilter MouseFilter;
    // The items or the top row changed: the owner's bar follows.
    TNotifyEvent OnListChanged;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    void OnCommand(WORD notifyCode) override;

private:
    void FillNative();
    void Changed();

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    int FItemHeight = 20;  // pixels
    int FTopIndex = 0;     // kept while there is no window
    bool FSorted = false;
};

// One item's look as the record gives it, for drawing and for tests.
enum class TbsListItemState { Normal, Selected, Focused, FocusedSelected };

// Draws an item's content over the background the record gave it (the
// canvas is the row's own, rect its area in it); replaces the focus frame
// and the text.
using TbsListDrawItemEvent =
    std::function<void(TComponent* Sender, TCanvas& canvas, int index, const TRect& rect, TbsListItemState state)>;

class TbsSkinCustomListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomListBox(TComponent* AOwner);
    ~TbsSkinCustomListBox() override;

    TbsListBox& ListBox() { return *FListBox; }

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp): a list
    // whose items are its children.
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;
    const std::vector<std::string>& GetItems() const { return FListBox->GetItems(); }
    void SetItems(const std::vector<std::string>& value);
    int GetItemIndex() const { return FListBox->GetItemIndex(); }
    void SetItemIndex(int value);
    bool GetSorted() const { return FListBox->GetSorted(); }
    void SetSorted(bool value);

    // Rows are the record's "itemrect" high with UseSkinItemHeight and a
    // record, else DefaultItemHeight.
    int GetDefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    bool GetUseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool value);
    // Caption mode: stored; the drop-down list never shows a caption.
    bool GetCaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool value) { FCaptionMode = value; }
    TAlignment GetCaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) { FCaptionAlignment = value; }
    TFont& DefaultCaptionFont() { return *FDefaultCaptionFont; }
    int ItemHeight();

    // The skinned bar while the items do not fit, else null (owned by this).
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    // Places the native list in the client area, and the bar beside it when
    // the items do not fit; the bar then mirrors the top row.
    void UpdateLayout();
    // The frame's height around `rows` rows (PopupListHeight).
    int HeightForRows(int rows);

    // Draws item `index` into dc over rect in a state (the record's look,
    // or a plain one without a record).
    void PaintItem(HDC dc, const TRect& rect, int index, TbsListItemState state);
    void SetOnDrawItem(TbsListDrawItemEvent value) { FOnDrawItem = std::move(value); }

    void FetchSkinRecord() override;
    // The bar forgets its binding too.
    void PrepareSkinChange() override;
    // Re-reads the record, the item height and the bar's record name, lays
    // out again and repaints the native list.
    void ApplySkinChange() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void PaintNoSkin(TbsBitmap& bitmap) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DrawListItem(const DRAWITEMSTRUCT& item);
    // The native list's client area within this control.
    TRect ListArea();

    bool FListRecord = false;  // the bound record is a list box's

private:
    void SyncScrollBar();

    TbsListBox* FListBox;                     // owned by this (component owner)
    TbsSkinScrollBar* FVScrollBar = nullptr;  // owned by this (component owner), or none
    int FDefaultItemHeight = 20;              // pixels
    bool FUseSkinItemHeight = true;
    bool FCaptionMode = false;
    TAlignment FCaptionAlignment = taLeftJustify;
    std::unique_ptr<TFont> FDefaultCaptionFont;
    bool FSyncing = false;  // the bar is being set from the list
    int FLaidOutCount = 0;  // the item count of the last layout
    TbsListDrawItemEvent FOnDrawItem;
};

class TbsSkinListBox : public TbsSkinCustomListBox {
public:
    explicit TbsSkinListBox(TComponent* AOwner) : TbsSkinCustomListBox(AOwner) {}
};

// Registers TbsSkinCustomListBox (not creatable) and TbsSkinListBox.
void RegisterSkinListBoxClasses(TClassRegistry& registry);
