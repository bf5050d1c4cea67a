// Program entry: builds the gallery window from its layout, applies the command line and runs until
// the window is closed.
#include "core/Utf8.h"
#include "gallery/GalleryWindow.h"
#include "gui/Application.h"

#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

namespace {

std::vector<std::string> commandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    if (LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            args.push_back(core::wideToUtf8(words[i]));
        LocalFree(words);
    }
    return args;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    gui::Application& app = gui::application();
    try {
        app.initialize();
        gallery::registerGalleryClasses();
        auto* form = new gallery::GalleryWindow(&app);
        app.setMainForm(form);
        form->applyArguments(commandLineArguments());
        form->openDocument();
        app.run();
    } catch (const std::exception& e) {
        app.showException(e);
        return 1;
    }
    return 0;
}
