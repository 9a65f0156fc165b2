// TbsSkinPopupWindow: one level of the skinned menu. Opening (entries,
// size, frame geometry, layout, shape, place, fade), the pointer, the keys
// and the scroll markers. Drawing is in SkinPopupWindowPaint.cpp.
#include "skin/menus/SkinMenu.h"

#include "platform/portable/ImageList.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/SystemHooks.h"
#include "platform/portable/Accelerator.h"
#include "platform/portable/TimerIds.h"
#include "skin/data/SkinData.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MaskRegion.h"
#include "skin/paint/SkinAccess.h"

namespace {

constexpr UINT kPointerInterval = 50;   // ms between pointer polls
constexpr UINT kMorphInterval = 20;     // ms between morph steps
constexpr UINT kScrollInterval = 100;   // ms per entry while the pointer rests on a marker
constexpr UINT kFadeInterval = 5;       // ms between alpha steps of the fade-in
constexpr int kPlainSeparatorHeight = 4;

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, int level)
    : TCustomControl(nullptr), FMenu(menu), FLevel(level) {
    SetVisible(false);
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() {
    for (UINT_PTR id : {tidMenuPointer, tidMenuItemMorph, tidMenuMarkerScroll, tidMenuFadeIn}) StopTimer(id);
    FEntries.clear();
}

void TbsSkinPopupWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
    params.WinClassName = IsWindowsXPOrLater() ? "TbsSkinPopupWindowShadow" : "TbsSkinPopupWindow";
    params.ClassStyle |= CS_SAVEBITS | (IsWindowsXPOrLater() ? CS_DROPSHADOW : 0u);
}

// ---- opening ----------------------------------------------------------------------

void TbsSkinPopupWindow::TakeRecords() {
    const TbsSkinData* manager = FMenu.SkinData();
    const TbsSkinDataCore* skin = SkinOf(manager);
    FFrameSkinned = false;
    FEntryRecordIndex = -1;
    FFramePictureIndex = FFrameMaskIndex = -1;
    if (!SkinUsable(skin)) return;
    const TbsDataSkinPopupWindow& frame = skin->FDefinition.PopupWindowData;
    if (SkinPicture(skin, frame.WindowPictureIndex)) {
        FFrameSkinned = true;
        FFramePictureIndex = frame.WindowPictureIndex;
        FFrameMaskIndex = SkinPicture(skin, frame.MaskPictureIndex) ? frame.MaskPictureIndex : -1;
    }
    const auto& records = skin->FDefinition.ObjectRecords;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (dynamic_cast<const TbsDataSkinMenuItem*>(records[i].get())) {
            FEntryRecordIndex = int(i);
            break;
        }
}

const TbsDataSkinMenuItem* TbsSkinPopupWindow::EntryRecord() const {
    return SkinObjectRecordAs<TbsDataSkinMenuItem>(FMenu.SkinData(), FEntryRecordIndex);
}

void TbsSkinPopupWindow::CreateEntries(TMenuItem& item, int startIndex) {
    FEntries.clear();
    for (int index : item.ShownIndexes(startIndex, true)) {
        TMenuItem& sub = *item.Items(index);
        sub.Update();
        if (!sub.GetVisible()) continue;
        FEntries.push_back(std::make_unique<TbsSkinMenuItem>(*this, sub));
    }
}

int TbsSkinPopupWindow::EntryHeight(const TbsSkinMenuItem& entry) const {
    const TbsDataSkinMenuItem* record = EntryRecord();
    if (entry.IsSeparator()) return record && !record->DividerRect.IsEmpty() ? record->DividerRect.Height() : kPlainSeparatorHeight;
    if (record && FMenu.UseSkinSize && !record->SkinRect.IsEmpty()) return record->SkinRect.Height();
    return FMenu.DefaultItemHeight;
}

void TbsSkinPopupWindow::SelectEntryFont(HDC dc) {
    (void)dc;
    const TbsDataSkinMenuItem* record = EntryRecord();
    if (FFrameSkinned && record && FMenu.UseSkinFont) {
        FEntryFont.SetName(record->Font.Name);
        FEntryFont.SetHeight(record->Font.Height);
        FEntryFont.SetStyle(record->Font.Style);
    } else {
        FEntryFont.Assign(FMenu.DefaultItemFont());
    }
    const TbsSkinData* manager = FMenu.SkinData();
    FEntryFont.SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet()
                                                                   : FMenu.DefaultItemFont().GetCharset());
}

void TbsSkinPopupWindow::SetWindowSize() {
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    const TbsDataSkinMenuItem* record = EntryRecord();
    TWindowDc screen(nullptr);
    TSelectObject font(screen.Get(), FEntryFont.GetHandle());
    TbsMenuSizeInput in;
    for (const auto& entry : FEntries) {
        if (entry->IsSeparator()) continue;
        std::string text = entry->MenuItem->DisplayCaption();
        if (entry->MenuItem->GetShortCut()) text += "  " + entry->MenuItem->ShortCutText();
        SIZE size{};
        GetTextExtentPoint32A(screen.Get(), text.c_str(), int(text.size()), &size);
        in.TextWidth = std::max(in.TextWidth, int(size.cx) + 2);
    }
    // The image column: the menu's pictures and 5 pixels, or 19 without them.
    const TImageList* images = FEntries.empty() ? nullptr : FEntries.front()->MenuItem->GetImages();
    FGlyphColumn = images ? images->GetWidth() + 5 : 19;
    in.GlyphColumn = FGlyphColumn;
    if (FFrameSkinned) {
        const TPixelBuffer& picture = *SkinPicture(skin, FFramePictureIndex);
        const TRect& items = skin->FDefinition.PopupWindowData.ItemsRect;
        in.ExtraWidth = picture.Width - items.Width();
        if (record) in.ExtraWidth += record->SkinRect.Width() - record->TextRect.Width();
        in.FrameHeight = picture.Height - items.Height();
    }
    for (const auto& entry : FEntries) in.Heights.push_back(EntryHeight(*entry));
    TMenuItem probe("x");
    TbsSkinMenuItem ordinary(*this, probe);
    in.ItemHeight = EntryHeight(ordinary);
    in.MaxItems = FMenu.MaxMenuItemsInWindow;
    in.WorkAreaHeight = FMenu.WorkArea().Height();
    const TbsMenuSize size = MenuWindowSize(in);
    FScrolling = size.Scrolling;
    FCountLimited = size.CountLimited;
    const int W = size.Width, H = size.Height;
    // The frame's points and items rectangle at this size.
    if (FFrameSkinned) {
        const TbsDataSkinPopupWindow& frame = skin->FDefinition.PopupWindowData;
        const TPixelBuffer& picture = *SkinPicture(skin, FFramePictureIndex);
        const int PW = picture.Width, PH = picture.Height;
        FSizedLT = frame.LeftTopPoint;
        FSizedRT = TPoint{W + frame.RightTopPoint.X - PW, frame.RightTopPoint.Y};
        FSizedLB = TPoint{frame.LeftBottomPoint.X, H + frame.LeftBottomPoint.Y - PH};
        FSizedRB = TPoint{W + frame.RightBottomPoint.X - PW, H + frame.RightBottomPoint.Y - PH};
        FItemsRect = TRect{frame.ItemsRect.Left, frame.ItemsRect.Top, W + frame.ItemsRect.Right - PW,
                           H + frame.ItemsRect.Bottom - PH};
    } else {
        FItemsRect = TRect{2, 2, W - 2, H - 2};
    }
    SetBounds(GetLeft(), GetTop(), W, H);
}

void TbsSkinPopupWindow::Layout() {
    std::vector<int> heights;
    for (const auto& entry : FEntries) heights.push_back(EntryHeight(*entry));
    const TbsMenuLayout layout = LayoutMenuEntries(heights, FItemsRect, FTopEntry, FScrolling);
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        FEntries[i]->ObjectRect = layout.Rects[i];
        FEntries[i]->Shown = layout.Shown[i];
    }
    FShownCount = layout.ShownCount;
}

void TbsSkinPopupWindow::MakeRegion() {
    if (!FFrameSkinned || FFrameMaskIndex < 0 || !HandleAllocated()) return;
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    const TbsDataSkinPopupWindow& frame = skin->FDefinition.PopupWindowData;
    TbsBitmap mask;
    mask.Assign(*SkinPicture(skin, FFrameMaskIndex));
    TRegionHandle region;
    CreateSkinRegion(region, frame.LeftTopPoint, frame.RightTopPoint, frame.LeftBottomPoint, frame.RightBottomPoint,
                     frame.ItemsRect, GetWidth(), GetHeight(), mask.Handle(), FSizedLT, FSizedRT, FSizedLB, FSizedRB,
                     FItemsRect);
    // The window owns the region from here on, and deletes the one it had.
    if (region) InstallWindowRegion(WindowHandle(), std::move(region), false);
}

void TbsSkinPopupWindow::ShowAt(const TRect& r, TMenuItem& item, bool popupUp, bool isSubmenu, int startIndex) {
    FParentItem = &item;
    TakeRecords();
    SelectEntryFont(nullptr);
    CreateEntries(item, startIndex);
    FTopEntry = 0;
    FScrollDir = 0;
    HandleNeeded();
    SetWindowSize();
    Layout();
    MakeRegion();

    TbsMenuPlaceInput in;
    in.WorkArea = FMenu.WorkArea();
    in.Request = r;
    in.Width = GetWidth();
    in.Height = GetHeight();
    in.ItemsTop = FItemsRect.Top;
    in.Submenu = isSubmenu;
    in.Upward = popupUp;
    in.Scrolling = FScrolling;
    in.CountLimited = FCountLimited;
    const TbsMenuPlace place = PlaceMenuWindow(in);
    SetBounds(place.X, place.Y, GetWidth(), GetHeight());

    // Translucency, with the fade only when the menu opens afresh; the fade
    // runs on a timer, never by handling messages in a loop here.
    HWND wnd = WindowHandle();
    const bool layered = FMenu.AlphaBlend && LayeredWindowsAvailable();
    FTargetAlpha = layered ? std::clamp(FMenu.AlphaBlendValue, 0, 255) : 255;
    FAlpha = FTargetAlpha;
    if (layered) {
        SetWindowLongPtrA(wnd, GWL_EXSTYLE, GetWindowLongPtrA(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        if (FMenu.AlphaBlendAnimation && FMenu.Opening()) {
            FAlphaStep = std::max(FTargetAlpha / 15, 1);
            FAlpha = 0;
        }
        SetWindowAlpha(wnd, FAlpha);
    }
    SetWindowPos(wnd, HWND_TOPMOST, place.X, place.Y, GetWidth(), GetHeight(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (FAlpha < FTargetAlpha) StartTimer(tidMenuFadeIn, kFadeInterval);

    FLastPointer = CursorPos();
    StartTimer(tidMenuPointer, kPointerInterval);
    FSelectedEntry = -1;
    const int first = NextSelectableEntry(SelectableEntries(), -1, true);
    if (first >= 0) {
        FEntries[std::size_t(first)]->KeyboardSelected = true;
        SelectEntry(first, true);
    }
}

// ---- selection -----------------------------------------------------------------------

std::vector<bool> TbsSkinPopupWindow::SelectableEntries() const {
    std::vector<bool> selectable;
    for (const auto& entry : FEntries) selectable.push_back(entry->Selectable());
    return selectable;
}

int TbsSkinPopupWindow::EntryAt(TPoint p) const {
    for (std::size_t i = 0; i < FEntries.size(); ++i)
        if (FEntries[i]->Shown && PtInRect(FEntries[i]->ObjectRect, p)) return int(i);
    return -1;
}

void TbsSkinPopupWindow::SetEntrySelected(TbsSkinMenuItem& entry, bool selected) {
    entry.Selected = selected;
    const TbsSkinData* manager = FMenu.SkinData();
    const TbsDataSkinMenuItem* record = EntryRecord();
    if (record && record->Morphing && manager->GetEnableSkinEffects()) StartTimer(tidMenuItemMorph, kMorphInterval);
    else entry.MorphKf = selected ? 1 : 0;
}

void TbsSkinPopupWindow::RedrawEntry(int index) {
    if (index < 0 || index >= EntryCount() || !HandleAllocated()) return;
    const TRect& r = FEntries[std::size_t(index)]->ObjectRect;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(WindowHandle(), &rc, FALSE);
}

void TbsSkinPopupWindow::SelectEntry(int index, bool byKeyboard) {
    if (index < 0 || index >= EntryCount()) return;
    TbsSkinMenuItem& entry = *FEntries[std::size_t(index)];
    if (!entry.Selectable()) return;
    FSelectedEntry = index;
    SetEntrySelected(entry, true);
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        if (int(i) == index || !FEntries[i]->SubMenuOpen) continue;
        FEntries[i]->SubMenuOpen = false;
        RedrawEntry(int(i));
    }
    RedrawEntry(index);
    if (entry.KeyboardSelected && !byKeyboard) return;
    if (entry.SubMenuOpen) {
        FMenu.CloseFrom(FLevel + 2);
        return;
    }
    FMenu.ActivateEntry(*this, entry, byKeyboard, false);
}

void TbsSkinPopupWindow::DeselectEntry(int index) {
    if (index < 0 || index >= EntryCount()) return;
    TbsSkinMenuItem& entry = *FEntries[std::size_t(index)];
    SetEntrySelected(entry, false);
    entry.KeyboardSelected = false;
    RedrawEntry(index);
    FMenu.StopOpenDelay(&entry);
}

void TbsSkinPopupWindow::SelectByKeyboard(int index) {
    if (index < 0 || index == FSelectedEntry) return;
    const int previous = FSelectedEntry;
    if (previous >= 0) DeselectEntry(previous);
    SelectEntry(index, true);
}

// ---- pointer ------------------------------------------------------------------------

void TbsSkinPopupWindow::PointerTick() {
    const TPoint p = CursorPos();
    if (p == FLastPointer) return;
    FLastPointer = p;
    HWND wnd = WindowHandle();
    if (WindowAt(p) == wnd) {
        RECT rc{};
        GetWindowRect(wnd, &rc);
        HoverAt(TPoint{p.X - rc.left, p.Y - rc.top});
    } else if (FScrollDir != 0) {
        StopScroll();
    }
}

void TbsSkinPopupWindow::HoverAt(TPoint p) {
    if (FScrolling) {
        const TRect top{FItemsRect.Left, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + kMenuMarkerHeight};
        const TRect bottom{FItemsRect.Left, FItemsRect.Bottom - kMenuMarkerHeight, FItemsRect.Right,
                           FItemsRect.Bottom};
        int last = -1;
        for (int i = 0; i < EntryCount(); ++i)
            if (FEntries[std::size_t(i)]->Shown) last = i;
        if (PtInRect(top, p) && FTopEntry > 0) {
            if (FScrollDir != 1) StartScroll(1);
            return;
        }
        if (PtInRect(bottom, p) && last < EntryCount() - 1) {
            if (FScrollDir != 2) StartScroll(2);
            return;
        }
        if (FScrollDir != 0) StopScroll();
    }
    const int index = EntryAt(p);
    if (index < 0) return;
    TbsSkinMenuItem& entry = *FEntries[std::size_t(index)];
    if (index == FSelectedEntry) {
        if (entry.KeyboardSelected) {
            entry.KeyboardSelected = false;
            if (entry.HasSubItems() && !entry.SubMenuOpen) SelectEntry(index, false);
        }
        return;
    }
    if (!entry.Selectable()) return;
    const int previous = FSelectedEntry;
    if (previous >= 0 && FEntries[std::size_t(previous)]->Selectable()) DeselectEntry(previous);
    entry.KeyboardSelected = false;
    SelectEntry(index, false);
}

void TbsSkinPopupWindow::ReleaseAt(TPoint p) {
    HoverAt(p);
    if (FSelectedEntry < 0) return;
    const int index = EntryAt(p);
    if (index < 0 || index != FSelectedEntry) return;
    TbsSkinMenuItem& entry = *FEntries[std::size_t(index)];
    if (entry.IsSeparator() || !entry.MenuItem->GetEnabled() || entry.SubMenuOpen) return;
    FMenu.ActivateEntry(*this, entry, false, true);  // may free this window: nothing after it
}

// ---- scrolling ------------------------------------------------------------------------

void TbsSkinPopupWindow::StartScroll(int dir) {
    FScrollDir = dir;
    FMenu.CloseFrom(FLevel + 1);
    StartTimer(tidMenuMarkerScroll, kScrollInterval);
    Invalidate();
}

void TbsSkinPopupWindow::StopScroll() {
    FScrollDir = 0;
    StopTimer(tidMenuMarkerScroll);
    Invalidate();
}

bool TbsSkinPopupWindow::ScrollBy(int delta) {
    int last = -1;
    for (int i = 0; i < EntryCount(); ++i)
        if (FEntries[std::size_t(i)]->Shown) last = i;
    if (delta > 0 && last >= EntryCount() - 1) return false;
    if (delta < 0 && FTopEntry <= 0) return false;
    FTopEntry = std::clamp(FTopEntry + delta, 0, std::max(EntryCount() - 1, 0));
    Layout();
    Invalidate();
    return true;
}

void TbsSkinPopupWindow::ScrollTick() {
    if (FScrollDir == 0 || !ScrollBy(FScrollDir == 1 ? -1 : 1)) StopScroll();
}

// ---- keys ------------------------------------------------------------------------------

bool TbsSkinPopupWindow::HandleKey(WORD key) {
    if (!HandleAllocated() || !IsWindowVisible(WindowHandle())) return false;
    switch (key) {
        case VK_RETURN:
            if (FSelectedEntry >= 0) {
                TbsSkinMenuItem& entry = *FEntries[std::size_t(FSelectedEntry)];
                if (entry.Selectable() && !entry.SubMenuOpen) FMenu.ActivateEntry(*this, entry, true, true);
            }
            return true;  // this window may be gone
        case VK_ESCAPE:
        case VK_LEFT: {
            const int count = FMenu.WindowCount();
            if (key == VK_LEFT && count < 2) return true;
            if (count > 1) {
                TbsSkinPopupWindow& previous = FMenu.Window(count - 2);
                if (previous.FSelectedEntry >= 0) {
                    previous.FEntries[std::size_t(previous.FSelectedEntry)]->SubMenuOpen = false;
                    previous.RedrawEntry(previous.FSelectedEntry);
                }
            }
            FMenu.CloseFrom(count - 1);  // frees this window
            return true;
        }
        case VK_RIGHT:
            if (FSelectedEntry >= 0) {
                TbsSkinMenuItem& entry = *FEntries[std::size_t(FSelectedEntry)];
                if (entry.HasSubItems() && entry.Selectable() && !entry.SubMenuOpen)
                    FMenu.ActivateEntry(*this, entry, true, true);
            }
            return true;
        case VK_DOWN:
        case VK_UP: {
            const int next = NextSelectableEntry(SelectableEntries(), FSelectedEntry, key == VK_DOWN);
            if (next < 0) return true;
            if (FScrolling) {
                std::vector<int> heights;
                for (const auto& entry : FEntries) heights.push_back(EntryHeight(*entry));
                const int room = FItemsRect.Height() - 2 * kMenuMarkerHeight;
                if (next < FTopEntry) FTopEntry = next;
                else if (!FEntries[std::size_t(next)]->Shown) FTopEntry = TopEntryShowingLast(heights, next, room);
                Layout();
                Invalidate();
            }
            SelectByKeyboard(next);
            return true;
        }
        default:
            return false;
    }
}

bool TbsSkinPopupWindow::HandleChar(char ch) {
    if (!HandleAllocated() || !IsWindowVisible(WindowHandle())) return false;
    for (int i = 0; i < EntryCount(); ++i) {
        TbsSkinMenuItem& entry = *FEntries[std::size_t(i)];
        if (entry.IsSeparator() || !IsAccelerator(ch, entry.MenuItem->GetCaption())) continue;
        if (!entry.Selectable()) return true;
        SelectByKeyboard(i);
        if (!entry.SubMenuOpen) FMenu.ActivateEntry(*this, entry, true, true);  // may free this window
        return true;
    }
    return false;
}

// ---- messages -------------------------------------------------------------------------

void TbsSkinPopupWindow::FadeTick() {
    FAlpha = std::min(FAlpha + FAlphaStep, FTargetAlpha);
    if (HandleAllocated()) SetWindowAlpha(WindowHandle(), FAlpha);
    if (FAlpha >= FTargetAlpha) StopTimer(tidMenuFadeIn);
}

bool TbsSkinPopupWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case tidMenuPointer: PointerTick(); return true;
        case tidMenuItemMorph: MorphTick(); return true;
        case tidMenuMarkerScroll: ScrollTick(); return true;
        case tidMenuFadeIn: FadeTick(); return true;
        default: return TCustomControl::OnTimer(id);
    }
}

void TbsSkinPopupWindow::MorphTick() {
    bool changed = false;
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        TbsSkinMenuItem& entry = *FEntries[i];
        const double target = entry.Highlighted() ? 1.0 : 0.0;
        if (entry.MorphKf == target) continue;
        // Steps of a fifth; the last one lands exactly on the target.
        entry.MorphKf = target > entry.MorphKf ? std::min(entry.MorphKf + 0.2, 1.0) : std::max(entry.MorphKf - 0.2, 0.0);
        if (std::abs(entry.MorphKf - target) < 1e-9) entry.MorphKf = target;
        RedrawEntry(int(i));
        changed = true;
    }
    if (!changed) StopTimer(tidMenuItemMorph);
}

LRESULT TbsSkinPopupWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
            HoverAt(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            ReleaseAt(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});  // may free this window
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            return 0;
        default:
            return TCustomControl::WndProc(msg, wParam, lParam);
    }
}
