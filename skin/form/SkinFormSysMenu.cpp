// The skinned form's system menu: built afresh from the form's state each
// time it opens, shown by the form's skinned menu at the cursor, below the
// system-menu button, or on Alt+Space, and its commands.
#include "skin/form/SkinForm.h"

#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/ShortCuts.h"
#include "skin/data/portable/ResourceStrData.h"

void TbsSkinForm::SetMenusSkinData(TbsSkinData* value) {
    if (FMenusSkinData == value) return;
    if (FMenusSkinData) RemoveFreeNotification(FMenusSkinData);
    FMenusSkinData = value;
    if (FMenusSkinData) FreeNotification(FMenusSkinData);
}

TMenuItem& TbsSkinForm::BuildSystemMenu() {
    TbsSysMenuState state;
    state.Icons = FBorderIcons;
    state.Minimized = FormMinimized();
    state.Maximized = FormMaximized();
    state.RolledUp = FRolledUp;
    const TbsResourceStrData* strings = FSkinData ? FSkinData->GetResourceStrData() : nullptr;
    auto make = [this, strings](const TbsSysMenuEntry& entry) {
        std::string caption = entry.Caption;
        if (strings && !entry.Key.empty()) {
            std::string text = strings->GetResStr(entry.Key);
            if (!text.empty()) caption = std::move(text);
        }
        auto item = std::make_unique<TMenuItem>();
        item->SetCaption(caption);
        item->SetName(entry.Name);
        if (!entry.ShortCut.empty()) item->SetShortCut(TextToShortCut(entry.ShortCut));
        const TbsSysMenuAction action = entry.Action;
        if (action != bssmNone) item->OnClick = [this, action](TMenuItem&) { RunSystemMenuCommand(action); };
        return item;
    };
    const std::vector<TbsSysMenuEntry> entries = DefaultSystemMenu(state);
    if (!FSystemMenu) {
        FSystemMenuItems.Clear();
        for (const TbsSysMenuEntry& entry : entries) FSystemMenuItems.Add(make(entry));
        return FSystemMenuItems;
    }
    // The user's menu: the standard items of the last opening go, and
    // with UseDefaultSysMenu the present ones come back at the top (in the
    // order minimise, restore, maximise, roll-up, tray) and close at the end.
    TMenuItem& user = FSystemMenu->Items();
    for (int i = user.Count() - 1; i >= 0; --i)
        if (user.Items(i)->GetName().rfind("BSF_", 0) == 0) user.Delete(i);
    if (!FUseDefaultSysMenu) return user;
    for (const char* name : {"BSF_MINTOTRAY", "BSF_ROLLUP", "BSF_MAXITEM", "BSF_RESTORE", "BSF_MINITEM"})
        for (const TbsSysMenuEntry& entry : entries)
            if (entry.Name == name) user.Insert(0, make(entry));
    for (const TbsSysMenuEntry& entry : entries)
        if (entry.Name == "BSF_CLOSE") user.Add(make(entry));
    return user;
}

void TbsSkinForm::SetSystemMenu(TPopupMenu* value) {
    if (value == FSystemMenu) return;
    if (FSystemMenu) RemoveFreeNotification(FSystemMenu);
    FSystemMenu = value;
    if (FSystemMenu) FreeNotification(FSystemMenu);
}

void TbsSkinForm::ShowSystemMenu(TPoint screen) { ShowSystemMenuAt(TRect{screen.X, screen.Y, screen.X, screen.Y}); }

void TbsSkinForm::ShowSystemMenuAt(const TRect& below) {
    if (FDisableSystemMenu || !FOwnerForm->HandleAllocated()) return;
    // The press that asked for the menu must not keep the mouse: the menu's
    // windows take the clicks from here on. It holds it on the form, or
    // under a full border on the border's top window (whose mouse-out timer
    // runs as long as it has the mouse). The press is forgotten before the
    // capture goes, so that losing it does not put the button up: it stays
    // down while its menu is open, and the menu's closing (1228) puts it up.
    FMouseCaptureObject = -1;
    const HWND capture = GetCapture();
    if (capture && (capture == FOwnerForm->WindowHandle() || capture == FLayerBorder->Window(lsTop))) ReleaseCapture();
    PopupFormMenu(BuildSystemMenu(), below);
}

void TbsSkinForm::PopupFormMenu(TMenuItem& items, const TRect& below) {
    HWND wnd = FOwnerForm->WindowHandle();
    TbsSkinMenu& menu = *FSkinMenu;
    menu.UseSkinFont = FUseSkinFontInMenu;
    menu.UseSkinSize = FUseSkinSizeInMenu;
    menu.AlphaBlend = FMenusAlphaBlend;
    menu.AlphaBlendValue = FMenusAlphaBlendValue;
    menu.AlphaBlendAnimation = FMenusAlphaBlendAnimation;
    menu.MaxMenuItemsInWindow = FMaxMenuItemsInWindow;
    menu.DefaultItemHeight = FDefMenuItemHeight;
    menu.DefaultItemFont().Assign(FDefMenuItemFont);
    menu.Popup(wnd, FMenusSkinData ? FMenusSkinData : FSkinData, false, items, below, 0);
}

void TbsSkinForm::ShowSystemMenuFromKeyboard() {
    if (FDisableSystemMenu || !FOwnerForm->HandleAllocated()) return;
    // Minimised, the buttons are off the screen: the menu opens at the pointer.
    if (FormMinimized() && !FObjects.empty()) {
        ShowSystemMenu(CursorPos());
        return;
    }
    for (const auto& object : FObjects) {
        const auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(object.get());
        if (!button || button->Command != cmSysMenu || !button->Enabled) continue;
        const TPoint origin = ObjectOrigin();
        ShowSystemMenuAt(OffsetRect(button->ObjectRect, origin.X, origin.Y));
        return;
    }
}

void TbsSkinForm::FormShortCut(WORD key, unsigned shift, bool& handled) {
    if (OnShortCut) OnShortCut(key, shift, handled);
    if (handled) return;
    // Alt+Space goes on to the system, which makes it the keyboard-menu
    // command that opens the skinned menu (OnSysCommand): taking it here
    // would leave the system thinking Alt was pressed alone, and its
    // release would close the menu again.
    if (FSkinnable && key == VK_SPACE && shift == ssAlt) return;
    // The user system menu's own short-cuts.
    if (FSystemMenu) {
        TShortCut pressed = ShortCut(key, 0);
        if (shift & ssShift) pressed |= scShift;
        if (shift & ssCtrl) pressed |= scCtrl;
        if (shift & ssAlt) pressed |= scAlt;
        TMenuItem& user = FSystemMenu->Items();
        for (int i = 0; i < user.Count(); ++i) {
            TMenuItem* item = user.Items(i);
            if (item->GetShortCut() != pressed || !item->GetEnabled() || !item->GetVisible()) continue;
            item->Click();
            handled = true;
            return;
        }
    }
    if (FPreviousShortCut) FPreviousShortCut(key, shift, handled);
}

void TbsSkinForm::OnSkinMenuClosed() {
    // The button that dropped the menu down comes back up.
    for (const auto& object : FObjects) {
        auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
        if (!button || !button->FPressed) continue;
        button->FPressed = false;
        RedrawObject(*button);
    }
    if (FGlowLayer) FGlowLayer->Hide();
}

LRESULT TbsSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
        case SC_KEYMENU:
            // The system's own menu never shows over the skinned caption:
            // Alt+Space opens the skinned one, other menu keys close it.
            if (lParam == ' ') ShowSystemMenuFromKeyboard();
            else FSkinMenu->CloseAll();
            return 0;
        // The state commands go through the form's own state handling: the
        // main form minimises the application, a restore gives back the
        // bounds the form had.
        case SC_MINIMIZE:
            ApplyWindowState(TbsWindowState::wsMinimized);
            return 0;
        case SC_MAXIMIZE:
            ApplyWindowState(TbsWindowState::wsMaximized);
            return 0;
        case SC_RESTORE:
            ApplyWindowState(TbsWindowState::wsNormal);
            return 0;
        default:
            break;
    }
    return CallOld(WM_SYSCOMMAND, wParam, lParam);
}

void TbsSkinForm::RunSystemMenuCommand(TbsSysMenuAction action) {
    switch (action) {
        case bssmMinimize: CommandMinimize(); break;
        case bssmMaximize: CommandMaximize(); break;
        case bssmRestore: ApplyWindowState(TbsWindowState::wsNormal); break;
        case bssmUnroll: SetRolledUp(false); break;
        case bssmRollUp: SetRolledUp(true); break;
        case bssmMinimizeToTray: CommandMinimizeToTray(); break;
        case bssmClose: CommandClose(); break;
        case bssmNone: break;
    }
}
