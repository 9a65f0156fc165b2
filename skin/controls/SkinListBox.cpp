#include "skin/controls/SkinListBox.h"

#include <algorithm>

#include "platform/LayoutProperties.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/portable/ComboGeometry.h"
#include "skin/paint/Composition.h"
#include "skin/paint/MarkersGdi.h"

namespace {

// What WM_PAINTSKINNEDLIST carries and answers: paint an empty list.
constexpr LPARAM kPaintEmptyList = 16802;

}  // namespace

// ---- TbsListBox -----------------------------------------------------------------------

TbsListBox::TbsListBox(TComponent* AOwner) : TWinControl(AOwner) {}

void TbsListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClassName = "LISTBOX";
    // No border and no native scroll bar: the skinned frame and bar stand in.
    params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
}

void TbsListBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    SendMessageA(WindowHandle(), LB_SETITEMHEIGHT, 0, std::max(FItemHeight, 1));
    FillNative();
}

void TbsListBox::FillNative() {
    HWND wnd = WindowHandle();
    if (!wnd) return;
    SendMessageA(wnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : FItems) SendMessageA(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(wnd, LB_SETCURSEL, WPARAM(FItemIndex), 0);
    SendMessageA(wnd, LB_SETTOPINDEX, WPARAM(std::max(FTopIndex, 0)), 0);
}

void TbsListBox::SaveWndState() {
    if (HWND wnd = WindowHandle()) FTopIndex = int(SendMessageA(wnd, LB_GETTOPINDEX, 0, 0));
    TWinControl::SaveWndState();
}

void TbsListBox::Changed() {
    if (OnListChanged) OnListChanged(this);
}

void TbsListBox::SetItems(const std::vector<std::string>& value) {
    FItems = value;
    if (FSorted) std::stable_sort(FItems.begin(), FItems.end(), ItemLess);
    FItemIndex = -1;
    FTopIndex = 0;
    FillNative();
    Changed();
}

int TbsListBox::AddItem(const std::string& value) {
    auto at = FItems.end();
    if (FSorted) at = std::upper_bound(FItems.begin(), FItems.end(), value, ItemLess);
    const int index = int(at - FItems.begin());
    FItems.insert(at, value);
    if (FItemIndex >= index) ++FItemIndex;
    if (HWND wnd = WindowHandle())
        SendMessageA(wnd, LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(value.c_str()));
    Changed();
    return index;
}

void TbsListBox::Clear() { SetItems({}); }

void TbsListBox::SetItemIndex(int value) {
    if (value < 0 || value >= GetCount()) value = -1;
    FItemIndex = value;
    if (HWND wnd = WindowHandle()) SendMessageA(wnd, LB_SETCURSEL, WPARAM(value), 0);
    Changed();  // the native list may have scrolled to show it
}

void TbsListBox::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    if (FSorted) SetItems(std::vector<std::string>(FItems));
}

void TbsListBox::SetItemHeight(int value) {
    value = std::max(value, 1);
    if (value == FItemHeight) return;
    FItemHeight = value;
    if (HWND wnd = WindowHandle()) SendMessageA(wnd, LB_SETITEMHEIGHT, 0, value);
    Changed();
}

int TbsListBox::GetTopIndex() const {
    if (HWND wnd = WindowHandle()) return int(SendMessageA(wnd, LB_GETTOPINDEX, 0, 0));
    return FTopIndex;
}

void TbsListBox::SetTopIndex(int value) {
    FTopIndex = std::clamp(value, 0, std::max(GetCount() - 1, 0));
    if (HWND wnd = WindowHandle()) SendMessageA(wnd, LB_SETTOPINDEX, WPARAM(FTopIndex), 0);
    Changed();
}

int TbsListBox::VisibleRows() const { return std::max(GetClientHeight() / std::max(FItemHeight, 1), 1); }

int TbsListBox::ItemAt(TPoint client) const {
    if (client.X < 0 || client.Y < 0 || client.X >= GetClientWidth() || client.Y >= GetClientHeight()) return -1;
    const int index = GetTopIndex() + client.Y / std::max(FItemHeight, 1);
    return index < GetCount() ? index : -1;
}

LRESULT TbsListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCCALCSIZE:
            return 0;  // no non-client area: the client is the whole window
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MOUSEACTIVATE: {
            LRESULT result = 0;
            if (MouseFilter && MouseFilter(msg, wParam, lParam, &result)) return result;
            break;
        }
        case WM_MOUSEWHEEL: {
            LRESULT result = 0;
            if (MouseFilter && MouseFilter(msg, wParam, lParam, &result)) return result;
            // One row per notch, through the top row (and so the bar).
            const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
            if (delta != 0) SetTopIndex(GetTopIndex() + (delta > 0 ? -1 : 1));
            return 0;
        }
        case WM_VSCROLL: {
            LRESULT r = TWinControl::WndProc(msg, wParam, lParam);
            Changed();
            return r;
        }
        default:
            break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TbsListBox::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (!OnDrawItemRequest) return false;
    OnDrawItemRequest(item);
    return true;
}

bool TbsListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = UINT(std::max(FItemHeight, 1));
    return true;
}

void TbsListBox::OnCommand(WORD notifyCode) {
    if (notifyCode != LBN_SELCHANGE) return;
    FItemIndex = int(SendMessageA(WindowHandle(), LB_GETCURSEL, 0, 0));
    Changed();
}

// ---- TbsSkinCustomListBox ------------------------------------------------------------

TbsSkinCustomListBox::TbsSkinCustomListBox(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner), FListBox(new TbsListBox(this)), FDefaultCaptionFont(std::make_unique<TFont>()) {
    FLink.SkinDataName = "listbox";
    FForcedBackground = true;  // the frame only: the native list covers the client area
    FDrawBackground = false;
    SetBounds(0, 0, 100, 100);
    FDefaultCaptionFont->SetName("Tahoma");
    FDefaultCaptionFont->SetHeight(13);
    FListBox->SetParent(this);
    FListBox->OnDrawItemRequest = [this](const DRAWITEMSTRUCT& item) { DrawListItem(item); };
    // A new count may bring or take away the bar; anything else moves it.
    FListBox->OnListChanged = [this](TComponent*) {
        if (FListBox->GetCount() != FLaidOutCount) UpdateLayout();
        else SyncScrollBar();
    };
}

TbsSkinCustomListBox::~TbsSkinCustomListBox() {
    FListBox->OnListChanged = nullptr;
    FListBox->OnDrawItemRequest = nullptr;
}

void TbsSkinCustomListBox::SetItems(const std::vector<std::string>& value) {
    FListBox->SetItems(value);
    UpdateLayout();
}

void TbsSkinCustomListBox::SetItemIndex(int value) { FListBox->SetItemIndex(value); }

void TbsSkinCustomListBox::SetSorted(bool value) { FListBox->SetSorted(value); }

void TbsSkinCustomListBox::SetDefaultItemHeight(int value) {
    FDefaultItemHeight = std::max(value, 1);
    UpdateLayout();
}

void TbsSkinCustomListBox::SetUseSkinItemHeight(bool value) {
    FUseSkinItemHeight = value;
    UpdateLayout();
}

void TbsSkinCustomListBox::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    FListRecord = SkinControlRecordAs<TbsDataSkinListBox>(GetSkinData(), GetSkinRecordIndex()) != nullptr;
}

int TbsSkinCustomListBox::ItemHeight() {
    FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinListBox>(GetSkinData(), GetSkinRecordIndex());
    if (FUseSkinItemHeight && record && !record->ItemRect.IsEmpty()) return record->ItemRect.Height();
    return FDefaultItemHeight;
}

int TbsSkinCustomListBox::HeightForRows(int rows) {
    FetchSkinRecord();
    const bool bound = GetSkinRecordIndex() != -1 && FSkin.ResizeMode != bsrmNoSkin;
    return PopupListHeight(bound, FSkin.SkinHeight(), FSkin.SrcClient, rows, ItemHeight(), 0, 0);
}

TRect TbsSkinCustomListBox::ListArea() {
    FetchSkinRecord();
    if (GetSkinRecordIndex() == -1 || FSkin.ResizeMode == bsrmNoSkin)
        return Rect(2, 2, std::max(GetWidth() - 2, 2), std::max(GetHeight() - 2, 2));
    int width = GetWidth(), height = GetHeight();
    CalcSkinSize(width, height);
    return FSized.DstClient;
}

void TbsSkinCustomListBox::UpdateLayout() {
    FLaidOutCount = FListBox->GetCount();
    TRect area = ListArea();
    const int itemHeight = ItemHeight();
    FListBox->SetItemHeight(itemHeight);
    if (ListNeedsScrollBar(area.Height(), itemHeight, FListBox->GetCount())) {
        const auto* record = SkinControlRecordAs<TbsDataSkinListBox>(GetSkinData(), GetSkinRecordIndex());
        const std::string barName = record ? record->VScrollBarName : std::string("vscrollbar");
        if (!FVScrollBar) {
            FVScrollBar = new TbsSkinScrollBar(this);
            FVScrollBar->SetKind(TScrollBarKind::sbVertical);
            FVScrollBar->SetParent(this);
            FVScrollBar->OnChange = [this](TComponent*) {
                if (!FSyncing) FListBox->SetTopIndex(FVScrollBar->GetPosition());
            };
        }
        FVScrollBar->SetSkinDataName(barName);
        FVScrollBar->SetSkinData(record ? GetSkinData() : nullptr);
        const TbsSkinControlGeometry bar =
            SkinControlGeometryOf(SkinControlRecord(GetSkinData(), FindSkinControlIndex(GetSkinData(), barName)));
        const int barWidth = record && bar.SkinWidth() > 0 ? bar.SkinWidth() : GetSystemMetrics(SM_CXVSCROLL);
        FVScrollBar->SetBounds(area.Right - barWidth, area.Top, barWidth, area.Height());
        area.Right -= barWidth;
    } else if (FVScrollBar) {
        TbsSkinScrollBar* bar = FVScrollBar;
        FVScrollBar = nullptr;
        delete bar;
    }
    FListBox->SetBounds(area.Left, area.Top, std::max(area.Width(), 0), std::max(area.Height(), 0));
    SyncScrollBar();
}

void TbsSkinCustomListBox::SyncScrollBar() {
    if (!FVScrollBar) return;
    FSyncing = true;
    const int rows = FListBox->VisibleRows();
    FVScrollBar->SetRange(0, std::max(FListBox->GetCount() - 1, 0), rows, FListBox->GetTopIndex());
    FVScrollBar->SetLargeChange(rows);
    FSyncing = false;
}

void TbsSkinCustomListBox::PrepareSkinChange() {
    TbsSkinCustomControl::PrepareSkinChange();
    if (FVScrollBar) FVScrollBar->PrepareSkinChange();
}

void TbsSkinCustomListBox::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    UpdateLayout();
    FListBox->Invalidate();
}

void TbsSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const bool resized = AWidth != GetWidth() || AHeight != GetHeight();
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized && FListBox) UpdateLayout();
}

void TbsSkinCustomListBox::PaintNoSkin(TbsBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

LRESULT TbsSkinCustomListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINTSKINNEDLIST && lParam == kPaintEmptyList) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (!dc) return 0;
        TCanvas canvas(dc);
        PaintReporting(canvas);  // the frame; the rows' area stays as the context had it
        return kPaintEmptyList;
    }
    return TbsSkinCustomControl::WndProc(msg, wParam, lParam);
}

void TbsSkinCustomListBox::DrawListItem(const DRAWITEMSTRUCT& item) {
    if (int(item.itemID) < 0) return;  // an empty list asks to draw its focus only
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    TbsListItemState state = TbsListItemState::Normal;
    if (focused) state = selected ? TbsListItemState::FocusedSelected : TbsListItemState::Focused;
    else if (selected) state = TbsListItemState::Selected;
    const RECT& r = item.rcItem;
    PaintItem(item.hDC, Rect(r.left, r.top, r.right, r.bottom), int(item.itemID), state);
}

void TbsSkinCustomListBox::PaintItem(HDC dc, const TRect& rect, int index, TbsListItemState state) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const std::string text = index >= 0 && index < FListBox->GetCount() ? GetItems()[std::size_t(index)] : "";
    FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinListBox>(GetSkinData(), GetSkinRecordIndex());
    const TbsBitmap* picture = record ? SkinPictureBitmap() : nullptr;
    const bool selected = state == TbsListItemState::Selected || state == TbsListItemState::FocusedSelected;
    if (!record || !picture || record->ItemRect.IsEmpty()) {
        // Plain rows: the system's list colours.
        TCanvas canvas(dc);
        canvas.Brush().SetColor(selected ? clHighlight : clWindow);
        canvas.FillRect(rect);
        canvas.Font().Assign(DefaultFont());
        canvas.Font().SetColor(selected ? clHighlightText : DefaultFont().GetColor());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TRect textRect = Rect(rect.Left + 2, rect.Top, rect.Right - 2, rect.Bottom);
        canvas.DrawText(text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    TRect source = record->ItemRect;
    bool stretch = false;
    TColor color = record->Font.Color;
    switch (state) {
        case TbsListItemState::Normal: break;  // tiled
        case TbsListItemState::Focused: stretch = record->StretchEffect; break;
        case TbsListItemState::FocusedSelected:
            if (!record->FocusItemRect.IsEmpty()) source = record->FocusItemRect;
            stretch = record->StretchEffect;
            color = record->FocusFontColor;
            break;
        case TbsListItemState::Selected:
            if (!record->ActiveItemRect.IsEmpty()) source = record->ActiveItemRect;
            stretch = record->StretchEffect;
            color = record->ActiveFontColor;
            break;
    }
    const int width = rect.Width();
    TbsBitmap row;
    CreateHSkinImage(record->ItemLeftOffset, record->ItemRightOffset, row, stretch, width, source, *picture);
    if (row.Empty()) return;
    TCanvas& canvas = row.Canvas();
    if (FOnDrawItem) {
        FOnDrawItem(this, canvas, index, Rect(0, 0, width, row.Height()), state);
        row.Draw(dc, Rect(rect.Left, rect.Top, rect.Right, rect.Top + row.Height()), Rect(0, 0, width, row.Height()));
        return;
    }
    if (state == TbsListItemState::Focused) {
        canvas.Font().SetColor(color);
        SetTextColor(row.DC(), ColorToRGB(color));
        DrawFocusDots(row.DC(), Rect(0, 0, width, row.Height()));
    }
    TRect textRect = record->ItemTextRect;
    textRect.Right += width - record->ItemRect.Width();
    if (GetUseSkinFont()) {
        canvas.Font().SetName(record->Font.Name);
        canvas.Font().SetHeight(record->Font.Height);
        canvas.Font().SetStyle(record->Font.Style);
    } else {
        canvas.Font().Assign(DefaultFont());
        if (!selected) color = DefaultFont().GetColor();
    }
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    row.Draw(dc, Rect(rect.Left, rect.Top, rect.Right, rect.Top + row.Height()), Rect(0, 0, width, row.Height()));
}

void RegisterSkinListBoxClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinCustomListBox")) return;
    TClassBuilder<TbsSkinCustomListBox>(registry, "TbsSkinCustomListBox", "TbsSkinCustomControl")
        .Value("Items", [](TbsSkinCustomListBox& c, const TLayoutValue& v) { c.SetItems(LayoutStrings(v)); })
        .Int("ItemIndex", &TbsSkinCustomListBox::GetItemIndex, &TbsSkinCustomListBox::SetItemIndex)
        .Bool("Sorted", &TbsSkinCustomListBox::GetSorted, &TbsSkinCustomListBox::SetSorted)
        .Int("DefaultItemHeight", &TbsSkinCustomListBox::GetDefaultItemHeight,
             &TbsSkinCustomListBox::SetDefaultItemHeight)
        .Bool("UseSkinItemHeight", &TbsSkinCustomListBox::GetUseSkinItemHeight,
              &TbsSkinCustomListBox::SetUseSkinItemHeight)
        .Bool("CaptionMode", &TbsSkinCustomListBox::GetCaptionMode, &TbsSkinCustomListBox::SetCaptionMode);
    TClassBuilder<TbsSkinListBox>(registry, "TbsSkinListBox", "TbsSkinCustomListBox").Creatable();
}
