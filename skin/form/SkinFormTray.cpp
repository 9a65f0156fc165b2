// The skinned form and the tray: going there and coming back through the
// tray icon, and the icon's menu (Restore, Close) shown by the form's
// skinned menu.
#include "skin/form/SkinForm.h"

#include "platform/portable/ShortCuts.h"
#include "skin/data/portable/ResourceStrData.h"

void TbsSkinForm::SetTrayIcon(TTrayIcon* value) {
    if (value == FTrayIcon) return;
    if (FTrayIcon) {
        RemoveFreeNotification(FTrayIcon);
        FTrayIcon->OnDblClick = nullptr;
        FTrayIcon->OnPopup = nullptr;
    }
    FTrayIcon = value;
    if (!FTrayIcon) return;
    FreeNotification(FTrayIcon);
    FTrayIcon->OnDblClick = [this](TComponent*) { ReturnFromTray(); };
    FTrayIcon->OnPopup = [this](TPoint screen) { ShowTrayMenu(screen); };
    if (FAlwaysShowInTray) FTrayIcon->SetVisible(true);
}

void TbsSkinForm::SetAlwaysShowInTray(bool value) {
    FAlwaysShowInTray = value;
    if (value && FTrayIcon) FTrayIcon->SetVisible(true);
}

void TbsSkinForm::GoToTray() {
    if (!FTrayIcon) return;
    FSkinMenu->CloseAll();
    FTrayIcon->MinimizeToTray();
    if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TbsSkinForm::ReturnFromTray() {
    if (!FTrayIcon || !FTrayIcon->InTray()) return;
    FTrayIcon->RestoreFromTray();
    if (!FAlwaysShowInTray) FTrayIcon->SetVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}

void TbsSkinForm::ShowTrayMenu(TPoint screen) {
    if (!FOwnerForm->HandleAllocated()) return;
    const TbsResourceStrData* strings = FSkinData ? FSkinData->GetResourceStrData() : nullptr;
    auto caption = [strings](const char* key, const char* builtIn) {
        std::string text = strings ? strings->GetResStr(key) : std::string();
        return text.empty() ? std::string(builtIn) : text;
    };
    FTrayMenuItems.Clear();
    FTrayMenuItems.Add(caption("MI_RESTORECAPTION", "&Restore"), "TRAY_BSF_RESTORE")->OnClick =
        [this](TMenuItem&) { ReturnFromTray(); };
    FTrayMenuItems.Add("-");
    TMenuItem* close = FTrayMenuItems.Add(caption("MI_CLOSECAPTION", "&Close"), "TRAY_BSF_CLOSE");
    close->SetShortCut(TextToShortCut("Alt+F4"));
    close->OnClick = [this](TMenuItem&) {
        ReturnFromTray();
        CommandClose();
    };
    PopupFormMenu(FTrayMenuItems, TRect{screen.X, screen.Y, screen.X, screen.Y});
}
