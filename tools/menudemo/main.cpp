// menudemo: a skinned window that opens a skinned menu on its own, so it can
// be looked at: "menudemo SKIN.skn" opens a three-level menu with checks,
// radio items, a disabled item, short-cuts and a title, with both sub-menus
// open; "menudemo SKIN.skn tall" opens a menu taller than the screen. The
// window closes itself after the given seconds (default 30).
//
// Usage: menudemo SKIN.skn [tall] [seconds]
#include "platform/portable/Types.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/portable/ImageList.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"

namespace {

// Two pictures for the menu: a green disc and an orange square.
void FillImages(TImageList& images) {
    TPixelBuffer disc(16, 16), square(16, 16, 0xFFE08020u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) < 49) disc.Pixels[std::size_t(y * 16 + x)] = 0xFF20C040u;
    images.Add(std::move(disc));
    images.Add(std::move(square));
}

void BuildThreeLevels(TMenuItem& root) {
    root.Add("-Rozudavuvo-")->SetEnabled(false);
    TMenuItem* spin = root.Add("&Spin", "spin");
    spin->SetShortCut(ShortCut(VK_SPACE, scCtrl));
    spin->SetChecked(true);
    TMenuItem* stakes = root.Add("S&take", "stake");
    for (int stake : {5, 10, 25, 50}) {
        TMenuItem* item = stakes->Add(std::to_string(stake) + " VKS");
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->SetChecked(stake == 25);
    }
    stakes->Add("-");
    TMenuItem* colours = stakes->Add("&Colours", "colours");
    colours->Add("&Red")->SetChecked(true);
    colours->Add("&Black");
    colours->Add("&Green (closed)")->SetEnabled(false);
    root.Add("-");
    TMenuItem* history = root.Add("&History", "history");
    history->SetShortCut(ShortCut('H', scCtrl));
    history->SetImageIndex(0);
    TMenuItem* disabled = root.Add("&Disabled", "disabled");
    disabled->SetEnabled(false);
    disabled->SetImageIndex(1);
    root.Add("-");
    root.Add("&Close", "BSF_CLOSE")->SetShortCut(ShortCut(VK_F4, scAlt));
}

// The window's time is up (a timer procedure has the system's calling
// convention, which a lambda does not give on 32-bit Windows).
VOID CALLBACK QuitTimer(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* skinPath = __argc > 1 ? __argv[1] : nullptr;
    const bool tall = __argc > 2 && std::strcmp(__argv[2], "tall") == 0;
    const int seconds = __argc > 3 ? std::atoi(__argv[3]) : 30;
    Application().Initialize();
    TComponent owner(nullptr);
    auto* skin = new TbsSkinData(&owner);
    if (skinPath) {
        TbsCompressedStoredSkin file(nullptr);
        try {
            file.LoadFromCompressedFile(skinPath);
            skin->LoadCompressedStoredSkin(&file);
        } catch (const std::exception& e) {
            MessageBoxA(nullptr, e.what(), "menudemo", MB_OK);
        }
    }
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetText("Menu demo");
    form->SetBounds(40, 40, 420, 300);
    auto* frame = new TbsSkinForm(form.get());
    frame->SetSkinData(skin);
    Application().SetMainForm(form.get());
    form->Show();

    TbsSkinMenu menu(nullptr);
    TMenuItem root;
    TImageList images(nullptr);
    FillImages(images);
    if (!tall) root.SetImages(&images);
    if (tall) {
        for (int i = 0; i < 80; ++i) root.Add("Number " + std::to_string(i));
    } else {
        BuildThreeLevels(root);
    }
    HWND wnd = form->GetHandle();
    const auto open = [&] {
        RECT rc{};
        GetWindowRect(wnd, &rc);
        menu.Popup(wnd, skin, false, root, TRect{rc.left + 30, rc.top + 40, rc.left + 30, rc.top + 40});
        if (tall || menu.WindowCount() == 0) return;
        // Down to "Stake", open it, down to "Colours", open that too.
        TbsSkinPopupWindow& first = menu.Window(0);
        first.SelectByKeyboard(2);
        first.HandleKey(VK_RIGHT);
        if (menu.WindowCount() < 2) return;
        menu.Window(1).SelectByKeyboard(5);
        menu.Window(1).HandleKey(VK_RIGHT);
    };
    open();
    SetTimer(wnd, 77, UINT(seconds) * 1000, QuitTimer);
    while (!Application().GetTerminated()) {
        if (!Application().HandleMessage()) WaitMessage();
    }
    return 0;
}
