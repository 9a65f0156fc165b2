// TbsSkinMenu: the chain of popup windows, the open delay, the closing
// protocol, the keys while open and the posted command.
#include "skin/menus/SkinMenu.h"

#include "platform/Forms.h"
#include "platform/portable/AppMessages.h"
#include "skin/paint/LayeredApi.h"

// A message-only window that runs the chosen command once the click or key
// that chose it has been handled and the menu windows are gone.
class TbsSkinMenu::TCommandWindow {
public:
    explicit TCommandWindow(TbsSkinMenu& menu) : FMenu(menu) {
        static bool registered = false;
        if (!registered) {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = &TCommandWindow::Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "TbsSkinMenuCommand";
            registered = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
        }
        HWND wnd = CreateWindowExA(0, "TbsSkinMenuCommand", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        if (wnd) SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        FHandle.Reset(wnd);
    }
    ~TCommandWindow() {
        if (FHandle) SetWindowLongPtrA(FHandle.Get(), GWLP_USERDATA, 0);
    }
    HWND Handle() const { return FHandle.Get(); }

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TCommandWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
        if (self && msg == WM_RUNMENUCOMMAND) {
            self->FMenu.RunPostedCommand();  // may free the menu and this window: nothing after it
            return 0;
        }
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }

    TbsSkinMenu& FMenu;  // not owned
    TWindowHandle FHandle;
};

bool TbsSkinMenuItem::HasSubItems() const {
    for (int i = 0; i < MenuItem->Count(); ++i)
        if (MenuItem->Items(i)->GetVisible()) return true;
    return false;
}

TbsSkinMenu::TbsSkinMenu(TComponent* AOwner)
    : TComponent(AOwner), FCloser([this](HWND wnd) { return OwnsWindow(wnd); }, [this] { CloseAll(); }) {
    FOpenDelayTimer = new TTimer(this);
    FOpenDelayTimer->SetEnabled(false);
    FOpenDelayTimer->SetInterval(500);  // ms: a sub-menu opens when the pointer rests this long
    FOpenDelayTimer->SetOnTimer([this](TComponent*) { OpenDelayTick(); });
    FDefaultItemFont.SetName("Tahoma");
    FDefaultItemFont.SetHeight(13);
    FCommandWindow = std::make_unique<TCommandWindow>(*this);
}

TbsSkinMenu::~TbsSkinMenu() {
    // Closing tells nobody: the owner is going away too.
    FCloser.Stop();
    FNotify = nullptr;
    OnMenuClose = nullptr;
    FPopupWindows.clear();
    RemoveKeyFilter();
}

bool TbsSkinMenu::OwnsWindow(HWND wnd) const {
    for (const auto& window : FPopupWindows)
        if (window->WindowHandle() && (window->WindowHandle() == wnd || IsChild(window->WindowHandle(), wnd)))
            return true;
    return false;
}

void TbsSkinMenu::Popup(HWND notify, TbsSkinData* skinData, bool popupUp, TMenuItem& item, const TRect& r,
                        int startIndex) {
    FOpening = !FMenuOpen;
    if (!FPopupWindows.empty()) CloseFrom(0);
    FNotify = notify;
    FSkinData = skinData;
    FWorkArea = GetMonitorWorkArea(notify, true);
    if (startIndex >= 0 && startIndex < item.Count()) {
        FMenuOpen = true;
        InstallKeyFilter();
        OpenWindow(item, r, popupUp, false, startIndex);
        if (FPopupWindows.empty() || FPopupWindows.back()->EntryCount() == 0) CloseFrom(0);
        else FCloser.Watch(notify);
    }
    FOpening = false;
}

void TbsSkinMenu::OpenWindow(TMenuItem& item, const TRect& r, bool popupUp, bool isSubmenu, int startIndex) {
    auto window = std::make_unique<TbsSkinPopupWindow>(*this, int(FPopupWindows.size()));
    TbsSkinPopupWindow* shown = window.get();
    FPopupWindows.push_back(std::move(window));
    shown->ShowAt(r, item, popupUp, isSubmenu, startIndex);
}

void TbsSkinMenu::CloseFrom(int level) {
    if (level < 0) level = 0;
    if (level == 0) FCloser.Stop();
    while (int(FPopupWindows.size()) > level) {
        std::unique_ptr<TbsSkinPopupWindow> last = std::move(FPopupWindows.back());
        FPopupWindows.pop_back();
        if (FPendingItem && &FPendingItem->FWindow == last.get()) FPendingItem = nullptr;
        last.reset();
    }
    if (level != 0) return;
    const bool wasOpen = FMenuOpen;
    FMenuOpen = false;
    FOpenDelayTimer->SetEnabled(false);
    FPendingItem = nullptr;
    RemoveKeyFilter();
    if (!wasOpen) return;
    FCommandNotify = FNotify;
    HWND notify = FNotify;
    FNotify = nullptr;
    if (notify && IsWindow(notify)) SendMessageA(notify, WM_SKINMENUCLOSED, 0, 0);
    if (OnMenuClose) {
        TNotifyEvent handler = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        handler(this);
    }
}

void TbsSkinMenu::CloseAll() {
    CloseFrom(0);
    FOpenDelayTimer->SetEnabled(false);
    FPendingItem = nullptr;
}

void TbsSkinMenu::StopOpenDelay(const TbsSkinMenuItem* entry) {
    if (entry && FPendingItem != entry) return;
    FOpenDelayTimer->SetEnabled(false);
    FPendingItem = nullptr;
}

void TbsSkinMenu::ActivateEntry(TbsSkinPopupWindow& window, TbsSkinMenuItem& entry, bool byKeyboard,
                                bool runCommand) {
    const bool subItems = entry.HasSubItems();
    if (!subItems && !runCommand) {
        CloseFrom(window.Level() + 1);
        return;
    }
    if (!subItems) {
        FOpenDelayTimer->SetEnabled(false);
        TMenuItem& item = *entry.MenuItem;
        CloseAll();  // frees the windows and entry: only item is used from here
        PostCommand(item);
        return;
    }
    if (!runCommand) {
        if (byKeyboard) return;  // the keyboard opens a sub-menu with Right or Enter
        CloseFrom(window.Level() + 1);
        FPendingItem = &entry;
        FOpenDelayTimer->SetEnabled(false);
        FOpenDelayTimer->SetEnabled(true);
        return;
    }
    FOpenDelayTimer->SetEnabled(false);
    FPendingItem = nullptr;
    entry.MenuItem->Click();
    CloseFrom(window.Level() + 1);
    entry.SubMenuOpen = true;
    RECT rc{};
    GetWindowRect(window.WindowHandle(), &rc);
    const TRect r = OffsetRect(entry.ObjectRect, rc.left, rc.top);
    window.Invalidate();
    OpenWindow(*entry.MenuItem, r, false, true, 0);
}

void TbsSkinMenu::OpenDelayTick() {
    FOpenDelayTimer->SetEnabled(false);
    TbsSkinMenuItem* entry = FPendingItem;
    FPendingItem = nullptr;
    if (!entry || !entry->Selected) return;
    ActivateEntry(entry->FWindow, *entry, false, true);
}

void TbsSkinMenu::PostCommand(TMenuItem& item) {
    // The handler is taken now; the item itself belongs to its menu, which
    // its owner keeps (a menu is rebuilt only when it opens again).
    if (item.Action && item.Action->OnExecute) {
        auto execute = item.Action->OnExecute;
        FPostedCommand = [execute, &item] { execute(item); };
    } else if (item.OnClick) {
        auto click = item.OnClick;
        FPostedCommand = [click, &item] { click(item); };
    } else {
        FPostedCommand = nullptr;
    }
    if (FCommandWindow && FCommandWindow->Handle()) PostMessageA(FCommandWindow->Handle(), WM_RUNMENUCOMMAND, 0, 0);
}

void TbsSkinMenu::RunPostedCommand() {
    std::function<void()> command = std::move(FPostedCommand);
    FPostedCommand = nullptr;
    HWND notify = FCommandNotify;
    FCommandNotify = nullptr;
    if (command) command();  // may free this menu: only locals from here
    if (notify && IsWindow(notify)) SendMessageA(notify, WM_SKINMENUCOMMANDDONE, 0, 0);
}

void TbsSkinMenu::InstallKeyFilter() {
    if (FFilterInstalled) return;
    FPreviousFilter = Application().OnMessage;
    Application().OnMessage = [this](MSG& msg, bool& handled) { FilterMessage(msg, handled); };
    FFilterInstalled = true;
}

void TbsSkinMenu::RemoveKeyFilter() {
    if (!FFilterInstalled) return;
    Application().OnMessage = std::move(FPreviousFilter);
    FPreviousFilter = nullptr;
    FFilterInstalled = false;
}

void TbsSkinMenu::FilterMessage(MSG& msg, bool& handled) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (TbsSkinPopupWindow* last = LastWindow()) {
                // Alt alone and Alt+F4 are left to the system.
                if (msg.wParam == VK_MENU || (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4)) break;
                if (last->HandleKey(WORD(msg.wParam))) {
                    handled = true;
                    return;
                }
                // Any other plain key stays with the menu, but an item's "&"
                // letter comes as the character the key makes. The loop does
                // not translate a message the filter took, so it is made
                // here; with Alt the key goes on and the loop makes the
                // WM_SYSCHAR.
                if (msg.message == WM_KEYDOWN) {
                    TranslateMessage(&msg);
                    handled = true;
                    return;
                }
            }
            break;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (TbsSkinPopupWindow* last = LastWindow()) {
                last->HandleChar(char(msg.wParam));
                handled = true;
                return;
            }
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (FMenuOpen && msg.wParam != VK_MENU) {
                handled = true;
                return;
            }
            break;
        default:
            break;
    }
    if (!handled && FPreviousFilter) FPreviousFilter(msg, handled);
}
