#include "skin/controls/SkinComboBox.h"

#include <windowsx.h>

#include "platform/Accessible.h"
#include "platform/Handles.h"
#include "platform/LayoutProperties.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "skin/paint/Composition.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MarkersGdi.h"

namespace {

constexpr UINT kAutoScrollInterval = 25;  // ms per item while the pointer is past the list's end
constexpr int kArrowDown = 4;             // DrawArrow's direction
constexpr TColor kPlainButtonPressed = 11899781;
constexpr TColor kPlainButtonHot = 13811126;

// The edit of the edit style. Typing reaches the combo through the edit's
// change notification; a text set from code is reported here as well, since
// the native edit does not announce it on every platform.
class TbsComboEdit : public TbsCustomEdit {
public:
    using TbsCustomEdit::TbsCustomEdit;
    std::function<void()> OnTextSet;

protected:
    void TextChanged() override {
        TbsCustomEdit::TextChanged();
        if (OnTextSet) OnTextSet();
    }
};

}  // namespace

// ---- construction and properties ---------------------------------------------------

TbsSkinCustomComboBox::TbsSkinCustomComboBox(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      FListBox(new TbsPopupListBox(this, this)),
      FListCloser([this](HWND wnd) { return IsOwnWindow(wnd); }, [this] { CloseUp(false); }) {
    FLink.SkinDataName = "combobox";
    FCaptureMouseOnPress = true;
    SetTabStop(true);
    SetBounds(0, 0, 120, 20);
    Font().SetName("Tahoma");
    Font().SetHeight(13);
    Font().SetColor(clWindowText);
    FListBox->ListBox().MouseFilter = [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        return ListMouse(msg, wParam, lParam, result);
    };
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox() { FListBox->ListBox().MouseFilter = nullptr; }

void TbsSkinCustomComboBox::SetStyle(TbsComboBoxStyle value) {
    if (FToolButtonStyle) value = bscbFixedStyle;
    if (value == FStyle) return;
    FStyle = value;
    if (FStyle == bscbEditStyle) {
        CreateEdit();
    } else if (FEdit) {
        TbsCustomEdit* edit = FEdit;
        FEdit = nullptr;
        delete edit;
    }
    RecreateWnd();
    Invalidate();
}

void TbsSkinCustomComboBox::SetItems(const std::vector<std::string>& value) {
    FListBox->SetItems(value);
    FSavedIndex = -1;
    Invalidate();
}

void TbsSkinCustomComboBox::SetItemIndex(int value) {
    FListBox->SetItemIndex(value);
    const int selected = GetItemIndex();
    if (selected != -1) SetText(GetItems()[std::size_t(selected)]);
    FSavedIndex = selected;
    if (FStyle == bscbFixedStyle) Invalidate();
    if (!IsLoading()) {
        Click();
        AfterSelection();
    }
}

void TbsSkinCustomComboBox::SetDropDownCount(int value) {
    if (value >= 1) FDropDownCount = value;
}

void TbsSkinCustomComboBox::SetSorted(bool value) { FListBox->SetSorted(value); }

void TbsSkinCustomComboBox::SetUseSkinSize(bool value) {
    if (FToolButtonStyle) value = false;
    FUseSkinSize = value;
    if (!IsLoading()) ApplySkinChange();
}

void TbsSkinCustomComboBox::SetToolButtonStyle(bool value) {
    FToolButtonStyle = value;
    if (value) {
        SetStyle(bscbFixedStyle);
        FUseSkinSize = false;
    }
    UpdateRects();
    Invalidate();
}

void TbsSkinCustomComboBox::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    Invalidate();
}

void TbsSkinCustomComboBox::SetCharCase(TEditCharCase value) {
    FCharCase = value;
    if (FEdit) FEdit->SetCharCase(value);
}

void TbsSkinCustomComboBox::SetHideSelection(bool value) {
    FHideSelection = value;
    if (FEdit) FEdit->SetHideSelection(value);
}

// ---- skin and geometry ---------------------------------------------------------

void TbsSkinCustomComboBox::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    UpdateRects();
}

void TbsSkinCustomComboBox::UpdateRects() {
    const auto* record = SkinControlRecordAs<TbsDataSkinComboBox>(GetSkinData(), GetSkinRecordIndex());
    TbsComboSkinGeometry skin;
    if (record) {
        skin.ButtonRect = record->ButtonRect;
        skin.ClientRect = record->ClientRect;
        skin.SkinWidth = record->SkinRect.Width();
        skin.SkinHeight = record->SkinRect.Height();
        skin.RightTopX = record->RightTopPoint.X;
    }
    FRects = ComboBoxRects(record && !FToolButtonStyle, skin, FUseSkinSize, GetWidth(), GetHeight());
    LayoutEdit();
}

void TbsSkinCustomComboBox::CalcSkinSize(int& width, int& height) {
    const int requested = height;
    TbsSkinCustomControl::CalcSkinSize(width, height);
    if (!FUseSkinSize) height = requested;  // only the right edge follows the width
}

void TbsSkinCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FListBox) UpdateRects();
}

void TbsSkinCustomComboBox::PrepareSkinChange() {
    TbsSkinCustomControl::PrepareSkinChange();
    FListBox->PrepareSkinChange();
}

void TbsSkinCustomComboBox::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    const auto* record = SkinControlRecordAs<TbsDataSkinComboBox>(GetSkinData(), GetSkinRecordIndex());
    FListBox->SetSkinDataName(record ? record->ListBoxName : std::string());
    FListBox->SetSkinData(GetSkinData());
    FListBox->ApplySkinChange();
    UpdateRects();
    Invalidate();
}

void TbsSkinCustomComboBox::Loaded() {
    TbsSkinCustomControl::Loaded();
    FSavedIndex = GetItemIndex();
}

// ---- the list ---------------------------------------------------------------------

void TbsSkinCustomComboBox::DropDown() {
    if (GetItemCount() == 0 || FDroppedDown) return;
    FTrackedIntoList = false;
    StopAutoScroll();
    if (FOnDropDown) FOnDropDown(this);
    if (GetItemCount() == 0) return;  // the handler emptied the list

    const int width = FListBoxWidth > 0 ? FListBoxWidth : GetWidth();
    const int rows = DropDownRows(GetItemCount(), FDropDownCount);
    FListBox->SetSkinData(GetSkinData());
    const int height = FListBox->HeightForRows(rows);
    const TPoint origin = ClientToScreen(Point(0, 0));
    const TRect comboScreen = Rect(origin.X, origin.Y, origin.X + GetWidth(), origin.Y + GetHeight());
    const TPoint at = PopupListPosition(comboScreen, height, GetMonitorWorkArea(GetHandle(), true));

    if (FEdit && FEdit->CanFocus()) FEdit->SetFocus();
    FSavedIndex = GetItemIndex();
    FDroppedDown = true;
    Invalidate();
    FListBox->ShowAt(at, width, height, FAlphaBlend, FAlphaBlendValue, FAlphaBlendAnimation);
    FListBox->ListBox().SetTopIndex(std::max(GetItemIndex(), 0));
    FListCloser.Watch(GetHandle());
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_STATECHANGE);  // expanded
}

bool TbsSkinCustomComboBox::IsOwnWindow(HWND wnd) const {
    for (HWND own : {WindowHandle(), FListBox->WindowHandle()})
        if (own && (wnd == own || IsChild(own, wnd))) return true;
    return false;
}

void TbsSkinCustomComboBox::CloseUp(bool accept) {
    FListCloser.Stop();
    StopAutoScroll();
    if (!FDroppedDown && !FListBox->IsShown()) return;
    bool selected = false;
    if (FListBox->IsShown() || FDroppedDown) {
        FListBox->Hide();
        const int index = FListBox->GetItemIndex();
        if (index != -1 && accept) {
            FDroppedDown = false;  // the box shows the new item from here on
            SetText(GetItems()[std::size_t(index)]);  // the edit follows
            if (FEdit) SendMessageA(FEdit->GetHandle(), EM_SETSEL, 0, -1);
            FSavedIndex = index;
            selected = true;
        } else {
            FListBox->SetItemIndex(FSavedIndex);
        }
    }
    FDroppedDown = false;
    FMouseTracking = false;
    Invalidate();
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_STATECHANGE);  // collapsed
    if (selected) {
        Click();
        AfterSelection();
    }
    if (FOnCloseUp) FOnCloseUp(this);
}

void TbsSkinCustomComboBox::StopAutoScroll() {
    FAutoScrolling = 0;
    StopTimer(tidComboAutoScroll);
}

void TbsSkinCustomComboBox::EndTracking() {
    FMouseTracking = false;
    StopAutoScroll();
    if (FButtonPressed) {
        FButtonPressed = false;
        Invalidate();
    }
}

// The pointer during the press that opened the list: over the native list
// it selects the row under it; past the list's top or bottom (once it has
// been in the list, and while the list scrolls) the selection runs on by
// timer.
void TbsSkinCustomComboBox::FollowIntoList(TPoint screen) {
    TbsListBox& list = FListBox->ListBox();
    HWND native = list.WindowHandle();
    if (!native) return;
    RECT r{};
    GetWindowRect(native, &r);
    if (screen.X >= r.left && screen.X < r.right && screen.Y >= r.top && screen.Y < r.bottom) {
        StopAutoScroll();
        const int index = list.ItemAt(Point(screen.X - r.left, screen.Y - r.top));
        if (index != -1 && index != list.GetItemIndex()) list.SetItemIndex(index);
        FTrackedIntoList = true;
        return;
    }
    if (!FTrackedIntoList || !FListBox->VScrollBar()) {
        StopAutoScroll();
        return;
    }
    const int direction = screen.Y < r.top ? 1 : (screen.Y >= r.bottom ? 2 : 0);
    if (direction == 0) {
        StopAutoScroll();
    } else if (direction != FAutoScrolling) {
        FAutoScrolling = direction;
        StartTimer(tidComboAutoScroll, kAutoScrollInterval);
    }
}

bool TbsSkinCustomComboBox::ListMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    (void)wParam;
    TbsListBox& list = FListBox->ListBox();
    const TPoint p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (msg) {
        case WM_MOUSEACTIVATE:
            *result = MA_NOACTIVATE;
            return true;
        case WM_MOUSEMOVE: {
            // Hover selection, valid rows only.
            const int index = list.ItemAt(p);
            if (index != -1 && index != list.GetItemIndex()) list.SetItemIndex(index);
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int index = list.ItemAt(p);
            if (index != -1) list.SetItemIndex(index);
            // The release comes to the combo, which accepts the row under it.
            FMouseTracking = true;
            FTrackedIntoList = true;
            FListCapture = true;
            SetCapture(GetHandle());
            return true;
        }
        case WM_MOUSEWHEEL:
            return false;  // the list scrolls itself
        default:
            return true;  // releases, right and middle buttons: used up
    }
}

// ---- mouse --------------------------------------------------------------------------

void TbsSkinCustomComboBox::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    if (FStyle == bscbFixedStyle && CanFocus() && !Focused()) SetFocus();
    const TPoint p = Point(x, y);
    const bool onButton = FToolButtonStyle || PtInRect(FRects.Button, p) ||
                          (FStyle == bscbFixedStyle && PtInRect(FRects.Text, p));
    if (button == TMouseButton::mbLeft && onButton) {
        FButtonPressed = true;
        Invalidate();
        if (!FDroppedDown) {
            FMouseTracking = true;
            DropDown();
        } else {
            CloseUp(false);
        }
    } else if (FDroppedDown) {
        CloseUp(false);
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinCustomComboBox::MouseMove(unsigned shift, int x, int y) {
    const bool inButton = PtInRect(FRects.Button, Point(x, y));
    if (inButton != FMouseInButton) {
        FMouseInButton = inButton;
        Invalidate();
    }
    if (FMouseTracking && FDroppedDown) FollowIntoList(ClientToScreen(Point(x, y)));
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinCustomComboBox::MouseUp(TMouseButton button, unsigned shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        const bool wasTracking = FMouseTracking;
        EndTracking();
        if (FListCapture) {
            FListCapture = false;
            if (GetCapture() == WindowHandle()) ReleaseCapture();
        }
        if (wasTracking && FTrackedIntoList && FDroppedDown) {
            HWND under = WindowAt(ClientToScreen(Point(x, y)));
            CloseUp(under && under == FListBox->ListBox().WindowHandle());
        }
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinCustomComboBox::MouseEnter() {
    FMouseInControl = true;
    Invalidate();
    TbsSkinCustomControl::MouseEnter();
}

void TbsSkinCustomComboBox::MouseLeave() {
    FMouseInControl = false;
    FMouseInButton = false;
    Invalidate();
    TbsSkinCustomControl::MouseLeave();
}

void TbsSkinCustomComboBox::CaptureLost() { EndTracking(); }

bool TbsSkinCustomComboBox::OnMouseWheel(int delta, unsigned shift, TPoint screenPos) {
    (void)shift;
    (void)screenPos;
    if (FStyle != bscbFixedStyle) return false;
    if (delta == 0) return true;
    const int from = FDroppedDown ? FListBox->GetItemIndex() : GetItemIndex();
    MoveSelection(ComboWheelIndex(from, GetItemCount(), delta));
    return true;
}

bool TbsSkinCustomComboBox::OnTimer(UINT_PTR id) {
    if (id != tidComboAutoScroll) return TbsSkinCustomControl::OnTimer(id);
    TbsListBox& list = FListBox->ListBox();
    const int index = list.GetItemIndex();
    if (FAutoScrolling == 1 && index > 0) list.SetItemIndex(index - 1);
    else if (FAutoScrolling == 2 && index < list.GetCount() - 1) list.SetItemIndex(index + 1);
    else StopAutoScroll();
    return true;
}

// ---- keys --------------------------------------------------------------------------

void TbsSkinCustomComboBox::MoveSelection(int index) {
    if (index < 0) return;
    if (FDroppedDown) {
        if (index != FListBox->GetItemIndex()) FListBox->SetItemIndex(index);
    } else if (index != GetItemIndex()) {
        SetItemIndex(index);
    }
}

void TbsSkinCustomComboBox::StepSelection(TbsComboStep step) {
    const int from = FDroppedDown ? FListBox->GetItemIndex() : GetItemIndex();
    MoveSelection(ComboStepIndex(step, from, GetItemCount(), FDropDownCount));
}

bool TbsSkinCustomComboBox::HandleKey(WORD key, unsigned shift) {
    const bool alt = (shift & ssAlt) != 0;
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            if (alt) {
                if (FDroppedDown) CloseUp(false);
            } else {
                StepSelection(TbsComboStep::Previous);
            }
            return true;
        case VK_DOWN:
        case VK_RIGHT:
            if (alt) {
                if (!FDroppedDown) DropDown();
            } else {
                StepSelection(TbsComboStep::Next);
            }
            return true;
        case VK_F4:
            if (FDroppedDown) CloseUp(true);
            else DropDown();
            return true;
        case VK_PRIOR: StepSelection(TbsComboStep::PageUp); return true;
        case VK_NEXT: StepSelection(TbsComboStep::PageDown); return true;
        case VK_HOME: StepSelection(TbsComboStep::First); return true;
        case VK_END: StepSelection(TbsComboStep::Last); return true;
        case VK_RETURN:
            if (!FDroppedDown) return false;
            CloseUp(true);
            return true;
        case VK_ESCAPE:
            if (!FDroppedDown) return false;
            CloseUp(false);
            return true;
        default:
            return false;
    }
}

bool TbsSkinCustomComboBox::OnKeyDown(WORD key, unsigned shift) {
    WORD k = key;
    KeyDown(k, shift);  // the key events first; a handler may use the key up
    if (k == 0) return true;
    if (FStyle == bscbFixedStyle) return HandleKey(k, shift);
    return false;
}

bool TbsSkinCustomComboBox::OnChar(char ch) {
    char c = ch;
    KeyPress(c);
    if (c == 0) return true;
    if (FStyle != bscbFixedStyle) return false;
    if (static_cast<unsigned char>(c) < ' ') return c == '\r' || c == 27;  // Enter and Escape were keys
    TypeAhead(c);
    return true;
}

void TbsSkinCustomComboBox::TypeAhead(char ch) {
    const std::string& search = FTypeAhead.Add(ch, TickCount(), FAutoComplete);
    const int index = FindTypeAheadItem(GetItems(), search, GetItemIndex());
    if (index != -1) SetItemIndex(index);
}

LRESULT TbsSkinCustomComboBox::OnGetDlgCode(WPARAM key, MSG* msg) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // Enter and Escape act on the open list; Tab still moves the focus on,
    // and the focus loss closes the list.
    const bool tab = key == VK_TAB || (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB);
    if (FDroppedDown && !tab) code |= DLGC_WANTALLKEYS;
    return code;
}

void TbsSkinCustomComboBox::OnSetFocus(HWND previous) {
    TbsSkinCustomControl::OnSetFocus(previous);
    if (FEdit && FEdit->CanFocus()) FEdit->SetFocus();
    Invalidate();
}

void TbsSkinCustomComboBox::OnKillFocus(HWND next) {
    TbsSkinCustomControl::OnKillFocus(next);
    const bool toOwnPart = next && (FEdit && next == FEdit->WindowHandle());
    if (FDroppedDown && !toOwnPart) CloseUp(false);
    Invalidate();
}

bool TbsSkinCustomComboBox::HasFocus() const {
    if (Focused()) return true;
    return FEdit && FEdit->Focused();
}

void TbsSkinCustomComboBox::TextChanged() {
    TbsSkinCustomControl::TextChanged();
    if (FEdit && !FTextFromEdit) {
        FTextToEdit = true;
        FEdit->SetText(GetText());
        FTextToEdit = false;
    }
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_VALUECHANGE);
    if (FOnChange) FOnChange(this);
}

void TbsSkinCustomComboBox::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    if (!GetEnabled() && FDroppedDown) CloseUp(false);
    if (FEdit) FEdit->SetEnabled(GetEnabled());
    Invalidate();
}

LRESULT TbsSkinCustomComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CANCELMODE:
            if (FDroppedDown) CloseUp(false);
            EndTracking();
            break;
        case WM_CAPTURECHANGED:
            // A capture taken by a press in the list and lost to another
            // window: the press ends without a choice.
            if (FListCapture && reinterpret_cast<HWND>(lParam) != WindowHandle()) {
                FListCapture = false;
                EndTracking();
            }
            break;
        default:
            break;
    }
    return TbsSkinCustomControl::WndProc(msg, wParam, lParam);
}

// ---- edit style --------------------------------------------------------------------

void TbsSkinCustomComboBox::CreateEdit() {
    if (FEdit) return;
    auto* edit = new TbsComboEdit(this);
    edit->OnTextSet = [this] { EditChanged(); };
    FEdit = edit;
    FEdit->SetParent(this);
    FEdit->SetCharCase(FCharCase);
    FEdit->SetHideSelection(FHideSelection);
    FEdit->SetText(GetText());
    FEdit->SetOnChange([this](TComponent*) { EditChanged(); });
    FEdit->SetOnKeyDown([this](TComponent*, WORD& key, unsigned shift) {
        const bool alt = (shift & ssAlt) != 0;
        if ((key == VK_UP || key == VK_DOWN) && !alt) {
            StepSelection(key == VK_UP ? TbsComboStep::Previous : TbsComboStep::Next);
            SendMessageA(FEdit->GetHandle(), EM_SETSEL, 0, -1);
            key = 0;
        } else if (key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT ||
                   (alt && (key == VK_UP || key == VK_DOWN)) || key == VK_F4) {
            if (HandleKey(key, shift)) key = 0;
        }
    });
    LayoutEdit();
}

void TbsSkinCustomComboBox::LayoutEdit() {
    if (!FEdit) return;
    const TRect text = FRects.Text;
    const int height = std::min(std::max(std::abs(FEdit->Font().GetHeight()) + 2, 1), std::max(text.Height(), 1));
    FEdit->SetBounds(text.Left + 1, text.Top + (text.Height() - height) / 2, std::max(text.Width() - 2, 0), height);
}

void TbsSkinCustomComboBox::EditChanged() {
    if (FTextToEdit) return;
    const std::string text = FEdit->GetText();
    const int index = FindTypeAheadItem(GetItems(), text, -1);
    if (index != -1) {
        if (FAutoComplete) FListBox->SetItemIndex(index);
        else FListBox->ListBox().SetTopIndex(index);
    }
    FTextFromEdit = true;
    SetText(text);
    FTextFromEdit = false;
}

// ---- painting ----------------------------------------------------------------------

void TbsSkinCustomComboBox::PaintSkin(TbsBitmap& bitmap) {
    const auto* record = SkinControlRecordAs<TbsDataSkinComboBox>(GetSkinData(), GetSkinRecordIndex());
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!record || !picture) {
        PaintNoSkin(bitmap);
        return;
    }
    UpdateRects();
    const bool active = !record->ActiveSkinRect.IsEmpty() && (FMouseInControl || HasFocus());
    if (!FUseSkinSize) {
        TRect client = FSkin.SrcClient;
        client = Rect(client.Left + 3, client.Top + 1, client.Right - 3, client.Bottom - 1);
        CreateStretchSkinImage(bitmap, *picture, active ? record->ActiveSkinRect : FSkin.SrcRect, client, true);
    } else if (active) {
        const TbsThreePartEnds ends = HorizontalEnds(FSkin);
        CreateHSkinImage(ends.First, ends.Last, bitmap, FSkin.StretchCenter, GetWidth(), record->ActiveSkinRect,
                         *picture);
    } else {
        TbsSkinCustomControl::PaintSkin(bitmap);
    }
    if (bitmap.Empty()) return;

    TRect image;
    if (!GetEnabled() && !record->UnEnabledButtonRect.IsEmpty()) image = record->UnEnabledButtonRect;
    else if (FButtonPressed && FMouseInButton) image = record->DownButtonRect;
    else if (FMouseInButton) image = record->ActiveButtonRect;
    if (!image.IsEmpty()) picture->Draw(bitmap.DC(), FRects.Button, image);

    if (FStyle == bscbFixedStyle) PaintItem(bitmap, *record, *picture);
}

void TbsSkinCustomComboBox::PaintItem(TbsBitmap& bitmap, const TbsDataSkinComboBox& record, const TbsBitmap& picture) {
    const TRect area = FRects.Text;
    const int width = area.Width();
    if (width <= 0) return;
    // The item's height: the record's item strips, else the text area's.
    int height = area.Height();
    if (!record.ItemRect.IsEmpty()) height = record.ItemRect.Height();
    else if (!record.FocusItemRect.IsEmpty()) height = record.FocusItemRect.Height();
    if (height <= 0) return;

    const bool focused = HasFocus();
    const bool hot = FMouseInControl && !record.ActiveSkinRect.IsEmpty();
    TbsBitmap item;
    auto strip = [&](const TRect& source, bool stretch) {
        CreateHSkinImage(record.ItemLeftOffset, record.ItemRightOffset, item, stretch, width, source, picture);
    };
    if (focused && !record.FocusItemRect.IsEmpty()) strip(record.FocusItemRect, record.FocusItemStretchEffect);
    else if (!focused && hot && !record.ActiveItemRect.IsEmpty()) strip(record.ActiveItemRect, record.ItemStretchEffect);
    else if (!focused && !record.ItemRect.IsEmpty()) strip(record.ItemRect, record.ItemStretchEffect);
    if (item.Empty()) {
        // No strip for the state: the background already under the text area.
        item.SetSize(width, height);
        bitmap.Draw(item.DC(), Rect(0, 0, width, height), Rect(area.Left, area.Top, area.Right, area.Top + height));
    }

    TRect textRect = record.ItemTextRect;
    textRect.Right += width - (record.ItemRect.IsEmpty() ? record.ClientRect.Width() : record.ItemRect.Width());
    TColor color = record.Font.Color;
    if (focused) color = record.FocusFontColor;
    else if (hot) color = record.ActiveFontColor;
    if (!GetEnabled()) {
        const auto* edit = SkinControlRecordAs<TbsDataSkinEditControl>(
            GetSkinData(), FindSkinControlIndex(GetSkinData(), "edit"));
        color = edit ? edit->DisabledFontColor : clGrayText;
    }
    TFont font;
    if (GetUseSkinFont()) {
        font.SetName(record.Font.Name);
        font.SetHeight(record.Font.Height);
        font.SetStyle(record.Font.Style);
    } else {
        font.Assign(DefaultFont());
    }
    if (FOnComboBoxDrawItem) {
        TCanvas& canvas = item.Canvas();
        canvas.Font().Assign(font);
        canvas.Font().SetColor(color);
        FOnComboBoxDrawItem(this, canvas, ShownIndex(), textRect);
    } else {
        if (record.ShowFocus && focused) {
            SetTextColor(item.DC(), ColorToRGB(color));
            DrawFocusDots(item.DC(), Rect(0, 0, width, height));
        }
        PaintItemText(item.DC(), textRect, color, font);
    }
    item.Draw(bitmap.DC(), area.Left, area.Top);
}

void TbsSkinCustomComboBox::PaintItemText(HDC dc, const TRect& textRect, TColor color, const TFont& font) {
    const int index = ShownIndex();
    if (index < 0 || index >= GetItemCount() || textRect.IsEmpty()) return;
    const std::string& text = GetItems()[std::size_t(index)];
    TCanvas canvas(dc);
    canvas.Font().Assign(font);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TSaveDc save(dc);
    IntersectClipRect(dc, textRect.Left, textRect.Top, textRect.Right, textRect.Bottom);
    const int textHeight = canvas.TextHeight(text);
    int y = textRect.Top + (textRect.Height() - textHeight) / 2;
    if (FontHeightIsOdd(dc)) --y;
    canvas.TextOut(textRect.Left + 2, y, text);
}

void TbsSkinCustomComboBox::PaintNoSkin(TbsBitmap& bitmap) {
    UpdateRects();
    TCanvas& canvas = bitmap.Canvas();
    const TRect all = Rect(0, 0, bitmap.Width(), bitmap.Height());
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(all);
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(all);
    canvas.Brush().SetColor(FDefaultColor);
    canvas.FillRect(FRects.Text);

    const TRect button = FRects.Button;
    if (FMouseInButton || FButtonPressed) {
        canvas.Brush().SetColor(FButtonPressed && FMouseInButton ? kPlainButtonPressed : kPlainButtonHot);
        canvas.FillRect(button);
        canvas.Brush().SetColor(clNavy);
        canvas.FrameRect(button);
    }
    DrawArrow(bitmap.DC(), button, GetEnabled() ? clBlack : clGrayText, kArrowDown);

    if (FStyle == bscbFixedStyle) {
        TRect textRect = FRects.Text;
        PaintItemText(bitmap.DC(), textRect, GetEnabled() ? DefaultFont().GetColor() : clGrayText, DefaultFont());
    }
}

// ---- registration ------------------------------------------------------------------

namespace {

const TEnumNames kSkinComboStyleNames = {{"bscbEditStyle", bscbEditStyle}, {"bscbFixedStyle", bscbFixedStyle}};
const TEnumNames kComboCharCaseNames = {{"ecNormal", 0}, {"ecUpperCase", 1}, {"ecLowerCase", 2}};

}  // namespace

void RegisterSkinComboBoxClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinCustomComboBox")) return;
    RegisterSkinListBoxClasses(registry);
    using C = TbsSkinCustomComboBox;
    TClassBuilder<C> custom(registry, "TbsSkinCustomComboBox", "TbsSkinCustomControl");
    custom.Enum<TbsComboBoxStyle>("Style", &C::SetStyle, kSkinComboStyleNames)
        .Value("Items", [](C& c, const TLayoutValue& v) { c.SetItems(LayoutStrings(v)); })
        .Int("ItemIndex", &C::GetItemIndex, &C::SetItemIndex)
        .Int("DropDownCount", &C::GetDropDownCount, &C::SetDropDownCount)
        .Bool("Sorted", &C::GetSorted, &C::SetSorted)
        .Bool("AutoComplete", &C::GetAutoComplete, &C::SetAutoComplete)
        .Bool("UseSkinSize", &C::GetUseSkinSize, &C::SetUseSkinSize)
        .Bool("ToolButtonStyle", &C::GetToolButtonStyle, &C::SetToolButtonStyle)
        .Bool("HideSelection", &C::GetHideSelection, &C::SetHideSelection)
        .Enum<TEditCharCase>("CharCase", &C::SetCharCase, kComboCharCaseNames)
        .Value("DefaultColor", [](C& c, const TLayoutValue& v) { c.SetDefaultColor(LayoutColor(v)); })
        .Int("ListBoxWidth", &C::GetListBoxWidth, &C::SetListBoxWidth)
        .Bool("AlphaBlend", &C::GetAlphaBlend, &C::SetAlphaBlend)
        .Int("AlphaBlendValue", &C::GetAlphaBlendValue, &C::SetAlphaBlendValue)
        .Bool("AlphaBlendAnimation", &C::GetAlphaBlendAnimation, &C::SetAlphaBlendAnimation)
        .Int("ListBoxDefaultItemHeight", &C::GetListBoxDefaultItemHeight, &C::SetListBoxDefaultItemHeight)
        .Bool("ListBoxUseSkinFont", &C::GetListBoxUseSkinFont, &C::SetListBoxUseSkinFont)
        .Bool("ListBoxUseSkinItemHeight", &C::GetListBoxUseSkinItemHeight, &C::SetListBoxUseSkinItemHeight)
        .Bool("ListBoxCaptionMode", &C::GetListBoxCaptionMode, &C::SetListBoxCaptionMode)
        .Enum<TAlignment>("ListBoxCaptionAlignment", &C::SetListBoxCaptionAlignment, kTextAlignmentNames)
        .Event("OnChange", &C::SetOnChange)
        .Event("OnDropDown", &C::SetOnDropDown)
        .Event("OnCloseUp", &C::SetOnCloseUp);
    AddFontProperties(custom, "ListBoxDefaultFont", [](C& c) -> TFont& { return c.ListBoxDefaultFont(); });
    AddFontProperties(custom, "ListBoxDefaultCaptionFont",
                      [](C& c) -> TFont& { return c.ListBoxDefaultCaptionFont(); });
    TClassBuilder<TbsSkinComboBox>(registry, "TbsSkinComboBox", "TbsSkinCustomComboBox").Creatable();
}
