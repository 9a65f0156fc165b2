// The program's start: the application object, the table window from its
// stored layout, the message loop; on the way out the window and its
// components are destroyed before the modules' static objects.
#include "game/Unit1.h"

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/portable/GameOptions.h"
#include "platform/Forms.h"

namespace {

constexpr const char* kTitle = "Rozudavuvo Dariz Zodovi";

void ShowWarning(const std::string& text) { MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONWARNING); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication& app = Application();
    app.Initialize();
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(nullptr);
    } catch (const std::exception& e) {
        // A layout that cannot be read: say so and end, nothing half made stays.
        app.HandleException(e);
        return 1;
    }
    const TGameOptions options = ParseGameOptions(std::vector<std::string>(__argv + 1, __argv + __argc));
    if (!options.Error.empty()) ShowWarning(options.Error);
    // Before the window is first shown, so it appears in its final skin.
    if (!options.SkinFile.empty()) {
        const std::string failure = form->LoadSkinFile(options.SkinFile);
        if (!failure.empty()) ShowWarning(failure);
    }
    app.SetMainForm(form.get());
    app.Run();
    form.reset();
    return 0;
}
