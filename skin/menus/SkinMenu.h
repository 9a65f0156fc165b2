// The skinned popup menu: a chain of borderless popup windows, one per open
// level, each laying out, drawing and tracking the visible sub-items of a
// menu item.
//
//  TbsSkinMenu         one per skinned form: the chain, the 500 ms open
//                      delay of sub-menus, the closing protocol (1228 to
//                      the window that asked, 1229 after a command) and the
//                      keys, which it takes through the application's
//                      message filter while it is open (the popup windows
//                      are never activated, so the keys go elsewhere); a
//                      TPopupCloser closes the chain on a press elsewhere
//                      and on the asking window's move, size, activation,
//                      focus loss, cancel mode and mouse activation
//  TbsSkinPopupWindow  one level: size, frame, entries, pointer polling,
//                      scroll markers, keys, morph and fade-in by timers
//  TbsSkinMenuItem     one shown entry of a window: its item, rectangle,
//                      selection and morph state
//
// A chosen command runs after every menu window is gone, from a posted
// message of the menu's own message window, so a command may close or free
// the form that showed the menu.
//
// Timers (TimerIds.h), on each popup window: tidMenuPointer (50 ms),
// tidMenuItemMorph (20 ms), tidMenuMarkerScroll (100 ms), tidMenuFadeIn.
// The open delay runs on a TTimer of the menu. Tests drive them through
// PointerTick, MorphTick, ScrollTick, FadeTick and OpenDelayTick.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "platform/PopupCloser.h"
#include "platform/portable/Menus.h"
#include "skin/menus/portable/MenuGeometry.h"
#include "skin/paint/TbsBitmap.h"

class TbsSkinData;
class TbsSkinMenu;
class TbsSkinPopupWindow;
class TbsDataSkinMenuItem;

class TbsSkinMenuItem {
public:
    TbsSkinMenuItem(TbsSkinPopupWindow& window, TMenuItem& item) : FWindow(window), MenuItem(&item) {}

    TbsSkinPopupWindow& FWindow;  // not owned: the window that shows the entry
    TMenuItem* MenuItem;          // not owned
    TRect ObjectRect;             // window coordinates
    bool Shown = false;
    bool Selected = false;
    bool SubMenuOpen = false;
    bool KeyboardSelected = false;
    double MorphKf = 0;  // 0 normal .. 1 selected

    bool IsSeparator() const { return MenuItem->IsSeparator(); }
    bool Selectable() const { return !IsSeparator() && MenuItem->GetEnabled(); }
    bool HasSubItems() const;
    // Selected or showing its open sub-menu: drawn in the selected look.
    bool Highlighted() const { return Selected || SubMenuOpen; }
};

class TbsSkinPopupWindow : public TCustomControl {
public:
    TbsSkinPopupWindow(TbsSkinMenu& menu, int level);
    ~TbsSkinPopupWindow() override;

    // Opens the window for the sub-items of item from startIndex on, next to
    // the screen rectangle r.
    void ShowAt(const TRect& r, TMenuItem& item, bool popupUp, bool isSubmenu, int startIndex);

    int Level() const { return FLevel; }
    TMenuItem* ParentItem() const { return FParentItem; }  // not owned
    int EntryCount() const { return int(FEntries.size()); }
    TbsSkinMenuItem& Entry(int index) const { return *FEntries.at(std::size_t(index)); }
    int SelectedEntry() const { return FSelectedEntry; }
    int TopEntry() const { return FTopEntry; }
    int ShownCount() const { return FShownCount; }
    bool Scrolling() const { return FScrolling; }
    int ScrollDir() const { return FScrollDir; }
    bool Skinned() const { return FFrameSkinned; }
    bool EntriesSkinned() const { return FEntryRecordIndex >= 0; }
    int CurrentAlpha() const { return FAlpha; }
    TRect ItemsRect() const { return FItemsRect; }

    // Keys while this is the last window of the chain; true when used.
    bool HandleKey(WORD key);
    bool HandleChar(char ch);
    // Timer handlers (tests call them too).
    void PointerTick();
    void MorphTick();
    void ScrollTick();
    void FadeTick();
    // Hover handling at a point in window coordinates (the pointer poll and
    // mouse moves use it), and a left release there.
    void HoverAt(TPoint p);
    void ReleaseAt(TPoint p);
    // Selects an entry as the keyboard does (the previous one deselected).
    void SelectByKeyboard(int index);
    // Paints the whole window into dc (window coordinates).
    void PaintTo(HDC dc);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint() override;

private:
    friend class TbsSkinMenu;
    void TakeRecords();
    // The skin's menu entry record, or null (plain entries).
    const TbsDataSkinMenuItem* EntryRecord() const;
    void CreateEntries(TMenuItem& item, int startIndex);
    void SetWindowSize();
    void Layout();
    void MakeRegion();
    int EntryHeight(const TbsSkinMenuItem& entry) const;
    int EntryAt(TPoint p) const;
    void SelectEntry(int index, bool byKeyboard);
    void DeselectEntry(int index);
    void RedrawEntry(int index);
    void StartScroll(int dir);
    void StopScroll();
    bool ScrollBy(int delta);
    std::vector<bool> SelectableEntries() const;
    void SetEntrySelected(TbsSkinMenuItem& entry, bool selected);

    // ---- drawing (SkinPopupWindowPaint.cpp) ----
    void DrawFrame(TbsBitmap& target);
    void DrawEntry(HDC dc, TbsSkinMenuItem& entry);
    void DrawSkinEntry(TbsBitmap& target, const TbsSkinMenuItem& entry, bool highlighted);
    void DrawPlainEntry(HDC dc, const TbsSkinMenuItem& entry);
    void DrawEntryContent(HDC dc, const TbsSkinMenuItem& entry, const TRect& textRect, TColor color, bool highlighted);
    void DrawMarkers(HDC dc);
    void SelectEntryFont(HDC dc);

    TbsSkinMenu& FMenu;  // not owned
    int FLevel;
    TMenuItem* FParentItem = nullptr;  // not owned
    std::vector<std::unique_ptr<TbsSkinMenuItem>> FEntries;
    // Indexes into the skin (looked up again at each paint would be safer;
    // a skin change closes every menu first, so these stay valid while open).
    bool FFrameSkinned = false;
    int FFramePictureIndex = -1, FFrameMaskIndex = -1;
    int FEntryRecordIndex = -1;
    TRect FItemsRect;
    TPoint FSizedLT, FSizedRT, FSizedLB, FSizedRB;
    int FSelectedEntry = -1;
    int FTopEntry = 0, FShownCount = 0;
    bool FScrolling = false, FCountLimited = false;
    int FScrollDir = 0;
    int FGlyphColumn = 19;
    TPoint FLastPointer{-100000, -100000};
    int FAlpha = 255, FTargetAlpha = 255, FAlphaStep = 1;
    TFont FEntryFont;
};

class TbsSkinMenu : public TComponent {
public:
    explicit TbsSkinMenu(TComponent* AOwner);
    ~TbsSkinMenu() override;

    // Shows the sub-items of item from startIndex on next to the screen
    // rectangle r (a button, or a point as an empty rectangle). notify (may
    // be null) receives 1228 when the menu closes and 1229 after a command.
    // Nothing for an item without sub-items or a start index past them.
    void Popup(HWND notify, TbsSkinData* skinData, bool popupUp, TMenuItem& item, const TRect& r,
               int startIndex = 0);
    void CloseFrom(int level);
    void CloseAll();
    bool GetMenuOpen() const { return FMenuOpen; }
    int WindowCount() const { return int(FPopupWindows.size()); }
    TbsSkinPopupWindow& Window(int level) const { return *FPopupWindows.at(std::size_t(level)); }
    TbsSkinPopupWindow* LastWindow() const { return FPopupWindows.empty() ? nullptr : FPopupWindows.back().get(); }
    // Whether wnd is one of the menu's windows.
    bool OwnsWindow(HWND wnd) const;

    // Activates an entry of window (see the selection rules).
    void ActivateEntry(TbsSkinPopupWindow& window, TbsSkinMenuItem& entry, bool byKeyboard, bool runCommand);
    // The open delay's tick: opens the pending entry's sub-menu.
    void OpenDelayTick();
    bool OpenDelayRunning() const { return FOpenDelayTimer->GetEnabled(); }
    TbsSkinMenuItem* PendingEntry() const { return FPendingItem; }
    void StopOpenDelay(const TbsSkinMenuItem* entry);

    // ---- settings the form copies in ----
    int MaxMenuItemsInWindow = 0;  // 0: no limit
    bool UseSkinFont = true;
    bool UseSkinSize = true;
    bool AlphaBlend = false;
    int AlphaBlendValue = 150;
    bool AlphaBlendAnimation = false;
    int DefaultItemHeight = 20;
    TFont& DefaultItemFont() { return FDefaultItemFont; }
    // Raised once when the menu closes, then cleared.
    TNotifyEvent OnMenuClose;

    // What the windows read.
    TbsSkinData* SkinData() const { return FSkinData; }  // not owned
    const TRect& WorkArea() const { return FWorkArea; }
    bool Opening() const { return FOpening; }

private:
    class TCommandWindow;
    void OpenWindow(TMenuItem& item, const TRect& r, bool popupUp, bool isSubmenu, int startIndex);
    void InstallKeyFilter();
    void RemoveKeyFilter();
    void FilterMessage(MSG& msg, bool& handled);
    void PostCommand(TMenuItem& item);
    void RunPostedCommand();

    std::vector<std::unique_ptr<TbsSkinPopupWindow>> FPopupWindows;
    TTimer* FOpenDelayTimer;  // owned as a component
    TbsSkinMenuItem* FPendingItem = nullptr;  // not owned
    bool FMenuOpen = false;
    bool FOpening = false;
    HWND FNotify = nullptr;  // not owned
    HWND FCommandNotify = nullptr;  // not owned
    TRect FWorkArea;
    TbsSkinData* FSkinData = nullptr;  // not owned
    TFont FDefaultItemFont;
    bool FFilterInstalled = false;
    std::function<void(MSG&, bool&)> FPreviousFilter;
    std::unique_ptr<TCommandWindow> FCommandWindow;
    std::function<void()> FPostedCommand;
    bool FCommandPosted = false;
    TPopupCloser FCloser;  // watches while the menu is open
};
