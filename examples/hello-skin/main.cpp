// A window whose frame is drawn by the Velmora skin, with one skinned group box inside.
// "hello-skin --check" closes it after the first paint, exiting 0 only when the skin took the frame.
#include "core/Utf8.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/Timer.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/SkinForm.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

// velmora.skn beside the program.
static std::string skinFileBesideProgram() {
    wchar_t path[MAX_PATH];
    std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return core::wideToUtf8(file.substr(0, file.find_last_of(L"\\/") + 1) + L"velmora.skn");
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    gui::Application& app = gui::application();
    const bool check = std::strstr(commandLine, "--check") != nullptr;
    int exitCode = 0;
    try {
        auto* form = new gui::Form(&app);
        form->setCaption("Hello, skin");
        form->setBounds(200, 150, 480, 320);

        // The skin: package file -> skin store -> skinned form and controls.
        auto* package = new skin::CompressedStoredSkin(form);
        package->readCompressedSkinFile(skinFileBesideProgram());
        auto* store = new skin::SkinData(form);
        auto* skinForm = new skin::SkinForm(form);
        skinForm->setSkinData(store);

        auto* box = new skin::SkinGroupBox(form);
        box->setParent(form);
        box->setBounds(20, 20, 300, 150);
        box->setCaption("A skinned group box");
        box->setSkinData(store);

        store->setCompressedStoredSkin(package); // loads the skin and repaints everything
        app.setMainForm(form);

        if (check) {
            // A timer tick comes after the pending paints: check, then end the message loop.
            auto* timer = new gui::Timer(form);
            timer->setInterval(1);
            timer->onTimer = [&](core::Component*) {
                const bool captionGone = !(GetWindowLongPtrW(form->handle(), GWL_STYLE) & WS_CAPTION);
                exitCode = skinForm->isSkinned() && box->isSkinned() && captionGone ? 0 : 1;
                timer->setEnabled(false);
                app.terminate();
            };
        }
        app.run();
    } catch (const std::exception& e) {
        if (check)
            std::fprintf(stderr, "hello-skin: %s\n", e.what()); // no message box in a check run
        else
            app.showException(e);
        return 1;
    }
    return exitCode;
}
