// The programmer's guide's example (docs/programmers.md quotes it): a window skinned in code, with a
// main menu bar, skinned controls, a skinned popup menu, hints and a tray icon, and the same window
// read from a layout (SkinnedWindow.layout).
//
//     guide_example <skin.skn>                       the window built in code
//     guide_example --layout <file.layout> <skin.skn>  the window read from a layout
//     --quit-after <ms>                              closes the window after that long (tests)
#include "core/Error.h"
#include "core/Stream.h"
#include "core/Utf8.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/GraphicsClasses.h"
#include "gui/Label.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "gui/StandardClasses.h"
#include "gui/Timer.h"
#include "layout/LayoutReader.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinFormClasses.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/SkinPopupMenu.h"
#include "skin/popup/win32/TrayIcon.h"

#include <windows.h>
// After windows.h: the file dialog and the command line splitter.
#include <commdlg.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace {

// --- Attaching a skinned form --------------------------------------------------------------------

// A window whose frame, menus and controls come from a skin file (a compressed skin, .skn).
class SkinnedWindow : public gui::Form {
public:
    explicit SkinnedWindow(core::Component* owner) : gui::Form(owner) {
        setCaption("Skinned window");
        setBounds(200, 150, 460, 320);

        // The skinned form takes over the window's frame; the store holds the skin; the package
        // component holds the compressed skin the store reads. The form owns all three.
        skinForm = new skin::SkinForm(this);
        store = new skin::SkinData(this);
        package = new skin::CompressedStoredSkin(this);
        skinForm->setSkinData(store);

        buildMenus();
        buildControls();
        buildHintsAndTray();
    }

    // Loads a compressed skin file; every skinned part of the application follows.
    void loadSkin(const std::string& path) {
        package->readCompressedSkinFile(path);
        store->setCompressedStoredSkin(package);
    }

    skin::SkinForm* skinForm = nullptr;
    skin::SkinData* store = nullptr;
    skin::CompressedStoredSkin* package = nullptr;

private:
    // --- Menus ---------------------------------------------------------------------------------------

    gui::MenuItem* addItem(gui::Menu& menu, gui::MenuItem& parent, const std::string& caption) {
        auto* item = new gui::MenuItem(&menu);
        item->setCaption(caption);
        parent.add(item);
        return item;
    }

    void buildMenus() {
        // The main menu is an ordinary menu; the skinned bar shows it under the caption.
        auto* mainMenu = new gui::MainMenu(this);
        gui::MenuItem* file = addItem(*mainMenu, mainMenu->items(), "&File");
        addItem(*mainMenu, *file, "&Open skin...")->onClick = [this](gui::MenuItem&) { chooseSkin(); };
        addItem(*mainMenu, *file, "-");
        addItem(*mainMenu, *file, "E&xit")->onClick = [this](gui::MenuItem&) { close(); };
        gui::MenuItem* view = addItem(*mainMenu, mainMenu->items(), "&View");
        addItem(*mainMenu, *view, "Roll &up")->onClick = [this](gui::MenuItem&) {
            skinForm->setRollUp(!skinForm->isRolledUp());
        };

        auto* bar = new skin::SkinMainMenuBar(this);
        bar->setParent(this); // aligned to the top of the client area
        bar->setSkinData(store);
        bar->setSkinForm(skinForm);
        bar->setMainMenu(mainMenu);

        // A popup menu drawn by the skinned menu engine. Its popup() returns at once; the chosen
        // item's onClick runs after the menu has closed.
        popupMenu = new skin::SkinPopupMenu(this);
        addItem(*popupMenu, popupMenu->items(), "&Minimize to tray")->onClick = [this](gui::MenuItem&) {
            skinForm->minimizeToTray();
        };
        addItem(*popupMenu, popupMenu->items(), "&Close")->onClick = [this](gui::MenuItem&) { close(); };
    }

    // --- Skinned controls ------------------------------------------------------------------------------

    void buildControls() {
        // A skinned control draws from the store's control record named by its SkinDataName.
        auto* panel = new skin::SkinPanel(this);
        panel->setParent(this);
        panel->setAlign(gui::Align::alClient);
        panel->setSkinData(store); // SkinDataName "panel" by default
        panel->setPopupMenu(popupMenu);
        panel->setHint("Right-click for the skinned popup menu");
        panel->setShowHint(true);

        auto* group = new skin::SkinGroupBox(this);
        group->setParent(panel);
        group->setBounds(10, 10, 200, 120);
        group->setSkinData(store); // SkinDataName "groupbox" by default
        group->setCaption("Group box");

        auto* bevel = new skin::SkinBevel(this);
        bevel->setParent(panel);
        bevel->setBounds(10, 140, 200, 3);
        bevel->setSkinData(store);
        bevel->setSkinDataName("bevel");

        auto* link = new skin::SkinLinkLabel(this);
        link->setParent(panel);
        link->setBounds(20, 150, 180, 16);
        link->setSkinData(store);
        link->setSkinDataName("stdlabel");
        link->setCaption("www.example.org");
        link->setUrl("http://www.example.org/");
    }

    // --- Hints and the tray ----------------------------------------------------------------------------

    void buildHintsAndTray() {
        // A SkinHint on the main form draws every control hint of the application in the skin's hint
        // style; the skinned form also shows its caption buttons' hints through it.
        auto* hint = new skin::SkinHint(this);
        hint->setSkinData(store);
        skinForm->setSkinHint(hint);
        skinForm->setShowObjectHint(true);

        // The tray icon (the application's icon unless one is set): its menu opens on the right
        // button; the skinned form hides the window into it and brings it back on a click.
        auto* tray = new skin::TrayIcon(this);
        tray->setHint("Skinned window");
        tray->setPopupMenu(popupMenu);
        skinForm->setTrayIcon(tray);
    }

    void chooseSkin() {
        wchar_t name[MAX_PATH] = L"";
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = handle();
        ofn.lpstrFilter = L"Compressed skins (*.skn)\0*.skn\0";
        ofn.lpstrFile = name;
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_FILEMUSTEXIST;
        if (!GetOpenFileNameW(&ofn))
            return;
        loadSkin(core::wideToUtf8(name));
    }

    skin::SkinPopupMenu* popupMenu = nullptr;
};

// --- The same window in a layout ---------------------------------------------------------------------

// The layout names the root's class; handlers named in it (OnClick = ExitClick) come from findMethod.
class LayoutWindow : public gui::Form {
public:
    LayoutWindow(core::Component* owner, const std::string& layoutText) : gui::Form(owner) {
        layout::readLayout(*this, layoutText, "SkinnedWindow.layout");
    }
    const char* className() const override { return "TLayoutWindow"; }

    std::function<void(core::Component*)> findMethod(const std::string& name) override {
        if (name == "ExitClick")
            return [this](core::Component*) { close(); };
        return gui::Form::findMethod(name);
    }
};

// Every class a layout may name must be registered before the layout is read.
void registerLayoutClasses() {
    gui::registerStandardClasses();
    gui::registerGraphicsClasses();
    skin::registerSkinControlClasses();
    skin::registerSkinFormClasses(); // also TSkinHint and TTrayIcon
}

std::string utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n > 0 ? n - 1 : 0), '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, s.data(), n, nullptr, nullptr);
    return s;
}

// The window built in code, with its skin from a compressed skin file.
gui::Form* windowInCode(gui::Application& app, const std::string& skinFile) {
    auto* window = new SkinnedWindow(&app);
    if (!skinFile.empty())
        window->loadSkin(skinFile);
    return window;
}

// The window read from a layout. Its package component is empty: fill it from the skin file and load.
gui::Form* windowFromLayout(gui::Application& app, const std::string& layoutFile,
                            const std::string& skinFile) {
    registerLayoutClasses();
    const std::vector<uint8_t> text = core::readFileBytes(layoutFile);
    auto* window = new LayoutWindow(&app, std::string(text.begin(), text.end()));
    auto* store = dynamic_cast<skin::SkinData*>(window->findComponent("SkinData1"));
    auto* package = dynamic_cast<skin::CompressedStoredSkin*>(window->findComponent("CompressedStoredSkin1"));
    if (store && package && !skinFile.empty()) {
        package->readCompressedSkinFile(skinFile);
        store->loadFromPackage(*package);
    }
    return window;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(utf8(argv[i]));
    LocalFree(argv);

    unsigned quitAfter = 0;
    std::string layoutFile, skinFile;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--quit-after" && i + 1 < args.size())
            quitAfter = unsigned(std::stoul(args[++i]));
        else if (args[i] == "--layout" && i + 1 < args.size())
            layoutFile = args[++i];
        else
            skinFile = args[i];
    }

    gui::Application& app = gui::application();
    try {
        app.initialize();
        gui::Form* window =
            layoutFile.empty() ? windowInCode(app, skinFile) : windowFromLayout(app, layoutFile, skinFile);
        app.setMainForm(window);
        if (quitAfter) {
            auto* timer = new gui::Timer(window);
            timer->setInterval(quitAfter);
            timer->onTimer = [window](core::Component*) { window->close(); };
        }
        app.run();
    } catch (const std::exception& e) {
        if (quitAfter) { // unattended: no message box
            std::fprintf(stderr, "guide_example: %s\n", e.what());
            return 1;
        }
        app.showException(e);
        return 1;
    }
    return 0;
}
