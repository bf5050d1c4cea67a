// Program entry: builds the launcher window from its layout and runs until it is closed.
#include "gui/Application.h"
#include "launcher/LauncherClasses.h"
#include "launcher/LauncherWindow.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    gui::Application& app = gui::application();
    try {
        app.initialize();
        launcher::registerLauncherClasses();
        auto* form = new launcher::LauncherWindow(&app);
        app.setMainForm(form);
        app.run();
    } catch (const std::exception& e) {
        app.showException(e);
        return 1;
    }
    return 0;
}
