// What each skinned control tells assistive programs: its role, name,
// value, own state and default action (platform/Accessible.h). The shared
// object adds what the window shows (unavailable, focused, ...) and the
// location; the controls raise the WinEvents where their values change.
//
// Names: a control with a caption is called by it; one without (a
// selector, an edit, a gauge) by the label before it (LabelBefore).
#include <oleacc.h>

#include <string>

#include "platform/Accessible.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinListBox.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinRichEdit.h"
#include "skin/controls/SkinScrollBar.h"

namespace {

// The gauge's value as its percentage of the range, as the system's
// progress bar reads it ("40%"); an empty range reads as 0%.
std::string PercentText(int value, int minValue, int maxValue) {
    if (maxValue <= minValue) return "0%";
    const long long percent = (static_cast<long long>(value) - minValue) * 100 / (maxValue - minValue);
    return std::to_string(percent) + "%";
}

}  // namespace

// ---- button --------------------------------------------------------------------

void TbsSkinButton::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_PUSHBUTTON;
    facts.Name = AccessibleText(GetText());
    if (FDown) facts.State |= STATE_SYSTEM_PRESSED;
    if (FMouseOver) facts.State |= STATE_SYSTEM_HOTTRACKED;
    facts.DefaultAction = "Press";
}

bool TbsSkinButton::DoAccessibleDefaultAction() {
    // Posted: the click (a whole round may start) runs after the caller's
    // request has returned, and is refused like any other while disabled.
    if (!WindowHandle() || !IsEnabledInParents()) return false;
    return PostMessageA(WindowHandle(), BM_CLICK, 0, 0) != FALSE;
}

// ---- combo box -----------------------------------------------------------------

void TbsSkinCustomComboBox::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_COMBOBOX;
    facts.Name = LabelBefore(*this);
    facts.Value = GetText();
    facts.State |= STATE_SYSTEM_HASPOPUP | (FDroppedDown ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
    facts.DefaultAction = FDroppedDown ? "Close" : "Open";
}

bool TbsSkinCustomComboBox::DoAccessibleDefaultAction() {
    if (!IsEnabledInParents()) return false;
    if (FDroppedDown) CloseUp(false);
    else DropDown();
    return true;
}

// ---- edits ---------------------------------------------------------------------

void TbsCustomEdit::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_TEXT;
    facts.Name = LabelBefore(*this);
    // A password is never read out.
    facts.Value = FPasswordChar ? std::string(GetText().size(), FPasswordChar) : GetText();
    if (GetReadOnly()) facts.State |= STATE_SYSTEM_READONLY;
    if (FPasswordChar) facts.State |= STATE_SYSTEM_PROTECTED;
}

void TbsSkinRichEdit::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_TEXT;
    facts.Name = LabelBefore(*this);
    facts.Value = GetText();
    if (GetReadOnly()) facts.State |= STATE_SYSTEM_READONLY;
}

// ---- gauge, labels, panels, scroll bar -----------------------------------------

void TbsSkinGauge::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_PROGRESSBAR;
    facts.Name = LabelBefore(*this);
    facts.Value = PercentText(FValue, FMinValue, FMaxValue);
    facts.State |= STATE_SYSTEM_READONLY;
}

void TbsSkinLabel::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_STATICTEXT;
    facts.Name = AccessibleText(GetText());
    facts.State |= STATE_SYSTEM_READONLY;
}

void TbsSkinPanel::GetAccessibleFacts(TAccessibleFacts& facts) const {
    // A panel is a group when it shows a caption; a plain one stays the
    // system's client area.
    if (GetText().empty()) return;
    facts.Role = ROLE_SYSTEM_GROUPING;
    facts.Name = AccessibleText(GetText());
}

void TbsSkinStatusBar::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_STATUSBAR;
    facts.Name = AccessibleText(GetText());
    facts.State |= STATE_SYSTEM_READONLY;
}

void TbsSkinScrollBar::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_SCROLLBAR;
    facts.Name = FKind == TScrollBarKind::sbVertical ? "Vertical" : "Horizontal";
    facts.Value = std::to_string(GetPosition());
}

// ---- value changes -------------------------------------------------------------

void TbsCustomEdit::TextChanged() {
    TEdit::TextChanged();
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_VALUECHANGE);
}

void TbsSkinRichEdit::TextChanged() {
    TRichEdit::TextChanged();
    NotifyAccessibleEvent(WindowHandle(), EVENT_OBJECT_VALUECHANGE);
}

// ---- list box ------------------------------------------------------------------

void TbsSkinCustomListBox::GetAccessibleFacts(TAccessibleFacts& facts) const {
    facts.Role = ROLE_SYSTEM_LIST;
    facts.Name = LabelBefore(*this);
    const int selected = GetItemIndex();
    if (selected >= 0 && std::size_t(selected) < GetItems().size()) facts.Value = GetItems()[std::size_t(selected)];
    const TbsListBox& list = *FListBox;
    const HWND listWindow = list.WindowHandle();
    const int top = list.GetTopIndex(), rows = list.VisibleRows();
    for (int i = 0; i < int(GetItems().size()); ++i) {
        TAccessibleItem item;
        item.Role = ROLE_SYSTEM_LISTITEM;
        item.Name = GetItems()[std::size_t(i)];
        item.State = STATE_SYSTEM_SELECTABLE;
        if (i == selected) item.State |= STATE_SYSTEM_SELECTED;
        if (i < top || i >= top + rows) item.State |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
        if (listWindow && SendMessageA(listWindow, LB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&item.Bounds)) != LB_ERR)
            MapWindowPoints(listWindow, nullptr, reinterpret_cast<POINT*>(&item.Bounds), 2);
        facts.Items.push_back(std::move(item));
    }
}
