#pragma once
// The skin gallery's window: every skinned part of the library at once, built from its layout
// (resource "TGALLERYFORM"). It carries two skins (Velmora and Ember), opens any compressed skin
// file and switches skins while it runs.
#include "gui/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace gui {
class Canvas;
}

namespace skin {
class CompressedStoredSkin;
class SkinData;
class SkinForm;
class SkinMainMenuBar;
class SkinMDITabsBar;
class TrayIcon;
} // namespace skin

namespace gallery {

class GalleryWindow : public gui::Form {
public:
    // Builds the window's content from the layout in the program's resources.
    explicit GalleryWindow(core::Component* owner = nullptr);
    // Builds it from the given layout text instead.
    GalleryWindow(core::Component* owner, const std::string& layoutText);

    const char* className() const override { return "TGalleryForm"; }
    std::function<void(core::Component*)> findMethod(const std::string& name) override;

    // The built-in skins in menu order; each is the layout's stored skin component of that name
    // followed by "Skin" ("VelmoraSkin").
    static const std::vector<std::string>& builtInSkinNames();
    // Switches to a built-in skin (name in any case); false when none has that name.
    bool useBuiltInSkin(const std::string& name);
    // The built-in skin after the current one (the first after a skin file).
    void nextSkin();
    // Reads a compressed skin file and switches to it. A file that cannot be read or that does not
    // load as a skin leaves the current skin in place: the error goes to onSkinError, false returned.
    bool openSkinFile(const std::string& path);
    // Asks for a skin file with the standard open dialog and opens it.
    void chooseSkinFile();
    // Applies the command line (the words after the program name): see parseArguments. A bad command
    // line or skin file is reported through onSkinError and the window keeps its stored skin.
    void applyArguments(const std::vector<std::string>& args);

    // Multi-document children: a new document window (shown and active), and the active one's
    // caption changed to name it as renamed (no active document: nothing happens).
    gui::Form& openDocument();
    void renameActiveDocument();

    // The skin in use: a built-in skin's name or the path of the skin file.
    const std::string& currentSkin() const { return m_currentSkin; }
    skin::SkinData& skinData() const;
    skin::SkinForm& skinForm() const;
    skin::SkinMainMenuBar& menuBar() const;
    skin::SkinMDITabsBar& tabsBar() const;
    skin::TrayIcon& trayIcon() const;
    // The text the program paints into the skin's "status" user object.
    std::string statusText() const;

    // Where failures to open a skin go; a message box unless replaced.
    std::function<void(const std::string& message)> onSkinError;

private:
    template <typename T> T& find(const char* name) const;
    void useSkin(skin::CompressedStoredSkin& package, const std::string& name);
    void showSkinError(const std::string& message);
    void paintObject(const std::string& idName, gui::Canvas& canvas, const core::Rect& rect);
    void updateSkinItems();
    void fillStringTable();

    std::string m_currentSkin;
    int m_documents = 0; // documents opened so far, for their captions
};

// The layout text of the RCDATA resource "TGALLERYFORM" of this program.
std::string layoutResource();
// Registers every class the gallery's layout names.
void registerGalleryClasses();

} // namespace gallery
