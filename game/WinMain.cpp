// The program's start: the application object, the table window from its
// stored layout, the message loop; on the way out the window and its
// components are destroyed before the modules' static objects.
#include "game/Unit1.h"

#include <windows.h>

#include <memory>

#include "platform/Forms.h"

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
    app.SetMainForm(form.get());
    app.Run();
    form.reset();
    return 0;
}
