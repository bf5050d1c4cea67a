#include "launcher/LauncherWindow.h"

#include "gui/ResourceText.h"
#include "layout/LayoutReader.h"

#include <shellapi.h>
#include <windows.h>

namespace launcher {

namespace {

// Paths resolved by the shell against the current directory, as on the installation medium.
constexpr const wchar_t* databaseInstaller = L"data/setup.exe";
constexpr const wchar_t* applicationInstaller = L"data/kvrsetup.exe";

} // namespace

std::string layoutResource() {
    return gui::rcDataText("TFORM1");
}

LauncherWindow::LauncherWindow(core::Component* owner) : LauncherWindow(owner, layoutResource()) {}

LauncherWindow::LauncherWindow(core::Component* owner, const std::string& layoutText) : gui::Form(owner) {
    // The layout's skinned form takes the window's frame and relays the stored skin's notifications
    // (sent while the layout is read) to the skinned controls.
    layout::readLayout(*this, layoutText, "TForm1");
}

std::function<void(core::Component*)> LauncherWindow::findMethod(const std::string& name) {
    if (name == "SpeedButton1Click")
        return [this](core::Component* sender) { startDatabaseInstaller(sender); };
    if (name == "SpeedButton2Click")
        return [this](core::Component* sender) { startApplicationInstaller(sender); };
    return gui::Form::findMethod(name);
}

// Fire and forget: a missing installer or any other shell failure is not reported.
void LauncherWindow::startDatabaseInstaller(core::Component*) {
    ShellExecuteW(handle(), nullptr, databaseInstaller, nullptr, nullptr, SW_SHOWNORMAL);
}

void LauncherWindow::startApplicationInstaller(core::Component*) {
    ShellExecuteW(handle(), nullptr, applicationInstaller, nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace launcher
