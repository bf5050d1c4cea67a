#pragma once
// The launcher's window: built from its layout (resource "TFORM1"), two image buttons that start
// the database and application installers.
#include "gui/Form.h"

#include <string>

namespace launcher {

class LauncherWindow : public gui::Form {
public:
    // Builds the window's content from the layout in the program's resources.
    explicit LauncherWindow(core::Component* owner = nullptr);
    // Builds it from the given layout text instead.
    LauncherWindow(core::Component* owner, const std::string& layoutText);

    const char* className() const override { return "TForm1"; }
    std::function<void(core::Component*)> findMethod(const std::string& name) override;

    // Start the installers; the sender is ignored. The layout names them "SpeedButton1Click" and
    // "SpeedButton2Click" (see findMethod).
    void startDatabaseInstaller(core::Component* sender);
    void startApplicationInstaller(core::Component* sender);
};

// The layout text of the RCDATA resource "TFORM1" of this program.
std::string layoutResource();

} // namespace launcher
