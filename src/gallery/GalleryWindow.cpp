#include "gallery/GalleryWindow.h"

#include "core/Error.h"
#include "core/Utf8.h"
#include "gallery/GalleryArguments.h"
#include "gui/Canvas.h"
#include "gui/GraphicsClasses.h"
#include "gui/Label.h"
#include "gui/MenuItem.h"
#include "gui/ResourceText.h"
#include "gui/StandardClasses.h"
#include "labels/win32/LabelClasses.h"
#include "layout/LayoutReader.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinFormClasses.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/TrayIcon.h"

#include <windows.h>

#include <commdlg.h>

namespace gallery {

std::string layoutResource() {
    return gui::rcDataText("TGALLERYFORM");
}

void registerGalleryClasses() {
    gui::registerStandardClasses();
    gui::registerGraphicsClasses();
    skin::registerSkinControlClasses();
    skin::registerSkinFormClasses();
    labels::registerLabelClasses();
}

GalleryWindow::GalleryWindow(core::Component* owner) : GalleryWindow(owner, layoutResource()) {}

GalleryWindow::GalleryWindow(core::Component* owner, const std::string& layoutText) : gui::Form(owner) {
    // Reading the layout loads the stored Velmora skin and announces it to every skinned part.
    layout::readLayout(*this, layoutText, "TGalleryForm");
    m_currentSkin = builtInSkinNames().front();
    skinForm().onPaintEvent = [this](const std::string& idName, gui::Canvas& canvas, core::Rect rect) {
        paintObject(idName, canvas, rect);
    };
    trayIcon().onDblClick = [this](core::Component*) { skinForm().restoreFromTray(); };
    updateSkinItems();
    fillStringTable();
}

template <typename T> T& GalleryWindow::find(const char* name) const {
    auto* c = dynamic_cast<T*>(findComponent(name));
    if (!c)
        throw core::Error(std::string("The gallery's layout has no ") + name);
    return *c;
}

skin::SkinData& GalleryWindow::skinData() const {
    return find<skin::SkinData>("SkinData1");
}

skin::SkinForm& GalleryWindow::skinForm() const {
    return find<skin::SkinForm>("SkinForm1");
}

skin::SkinMainMenuBar& GalleryWindow::menuBar() const {
    return find<skin::SkinMainMenuBar>("MenuBar1");
}

skin::SkinMDITabsBar& GalleryWindow::tabsBar() const {
    return find<skin::SkinMDITabsBar>("TabsBar1");
}

skin::TrayIcon& GalleryWindow::trayIcon() const {
    return find<skin::TrayIcon>("TrayIcon1");
}

std::function<void(core::Component*)> GalleryWindow::findMethod(const std::string& name) {
    if (name == "OpenSkinClick")
        return [this](core::Component*) { chooseSkinFile(); };
    if (name == "SkinVelmoraClick")
        return [this](core::Component*) { useBuiltInSkin("Velmora"); };
    if (name == "SkinEmberClick")
        return [this](core::Component*) { useBuiltInSkin("Ember"); };
    if (name == "NextSkinClick")
        return [this](core::Component*) { nextSkin(); };
    if (name == "TrayClick")
        return [this](core::Component*) { skinForm().minimizeToTray(); };
    if (name == "TrayRestoreClick")
        return [this](core::Component*) { skinForm().restoreFromTray(); };
    if (name == "NewDocumentClick")
        return [this](core::Component*) { openDocument(); };
    if (name == "RenameDocumentClick")
        return [this](core::Component*) { renameActiveDocument(); };
    if (name == "CascadeClick")
        return [this](core::Component*) { cascade(); };
    if (name == "TileClick")
        return [this](core::Component*) { tile(); };
    if (name == "ExitClick")
        return [this](core::Component*) { close(); };
    return gui::Form::findMethod(name);
}

const std::vector<std::string>& GalleryWindow::builtInSkinNames() {
    static const std::vector<std::string> names{"Velmora", "Ember"};
    return names;
}

bool GalleryWindow::useBuiltInSkin(const std::string& name) {
    const std::string builtIn = findBuiltInName(name, builtInSkinNames());
    if (builtIn.empty())
        return false;
    useSkin(find<skin::CompressedStoredSkin>((builtIn + "Skin").c_str()), builtIn);
    return true;
}

void GalleryWindow::nextSkin() {
    const std::vector<std::string>& names = builtInSkinNames();
    size_t next = 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == m_currentSkin)
            next = (i + 1) % names.size();
    useBuiltInSkin(names[next]);
}

bool GalleryWindow::openSkinFile(const std::string& path) {
    try {
        skin::CompressedStoredSkin candidate;
        candidate.readCompressedSkinFile(path);
        if (candidate.isPackageEmpty())
            throw core::Error("the skin's version is newer than this program reads");
        // Loaded aside first: a store that fails half-way is left empty, and the window must keep
        // its current skin. The trial store's notifications name it, so every skinned part ignores them.
        skin::SkinData trial;
        trial.loadFromPackage(candidate);
        if (trial.isSkinEmpty())
            throw core::Error("the package holds no skin");
        auto& file = find<skin::CompressedStoredSkin>("FileSkin");
        file.setPackageBytes(candidate.packageData().bytes());
        useSkin(file, path);
        return true;
    } catch (const std::exception& e) {
        showSkinError("Cannot use the skin file \"" + path + "\": " + e.what());
        return false;
    }
}

void GalleryWindow::chooseSkinFile() {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handle();
    dialog.lpstrFilter = L"Compressed skin files (*.skn)\0*.skn\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Open skin";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&dialog))
        openSkinFile(core::wideToUtf8(file));
}

void GalleryWindow::applyArguments(const std::vector<std::string>& args) {
    SkinChoice choice;
    try {
        choice = parseArguments(args, builtInSkinNames());
    } catch (const core::Error& e) {
        showSkinError(e.what());
        return;
    }
    if (choice.kind == SkinChoice::Kind::BuiltIn)
        useBuiltInSkin(choice.value);
    else if (choice.kind == SkinChoice::Kind::File)
        openSkinFile(choice.value);
}

void GalleryWindow::useSkin(skin::CompressedStoredSkin& package, const std::string& name) {
    // Named first: the frame repaints while the skin loads, status strip included.
    m_currentSkin = name;
    skinData().setCompressedStoredSkin(&package);
    updateSkinItems();
}

gui::Form& GalleryWindow::openDocument() {
    // Owned by the gallery; closing the document frees it.
    auto* document = new gui::Form(this);
    document->setFormStyle(gui::FormStyle::fsMDIChild);
    document->setCaption("Document " + std::to_string(++m_documents));
    document->setBounds(16 * (m_documents % 6), 8 * (m_documents % 6), 280, 110);
    // Skinned like the gallery; its skinned form keeps the tab bar and the gallery's caption informed.
    auto* skinned = new skin::SkinForm(document);
    skinned->setSkinData(&skinData());
    auto* text = new gui::Label(document);
    text->setParent(document);
    text->setAutoSize(false);
    text->setWordWrap(true);
    text->setBounds(8, 8, 256, 48);
    text->setCaption("A multi-document child of the gallery. The Window menu lists, arranges and renames "
                     "the documents.");
    document->show();
    return *document;
}

void GalleryWindow::renameActiveDocument() {
    if (gui::CustomForm* document = activeMDIChild())
        document->setCaption(document->caption() + " (renamed)");
}

void GalleryWindow::showSkinError(const std::string& message) {
    if (onSkinError) {
        onSkinError(message);
        return;
    }
    MessageBoxW(handle(), core::utf8ToWide(message).c_str(), L"Skin gallery", MB_OK | MB_ICONERROR);
}

std::string GalleryWindow::statusText() const {
    const skin::SkinData& store = skinData();
    return "Skin: " + store.versionInfo().skinName + "   " + std::to_string(store.skinObjectList().size()) +
           " frame objects, " + std::to_string(store.skinControlList().size()) + " control records";
}

void GalleryWindow::paintObject(const std::string& idName, gui::Canvas& canvas, const core::Rect& rect) {
    if (idName != "status")
        return;
    canvas.brush().setStyle(gui::BrushStyle::bsClear);
    canvas.font().setName("Tahoma");
    canvas.font().setHeight(-11);
    canvas.font().setColor(core::rgb(232, 228, 220));
    canvas.textRect(rect, rect.left + 4, rect.top + 1, statusText());
}

void GalleryWindow::updateSkinItems() {
    find<gui::MenuItem>("SkinVelmoraItem").setChecked(m_currentSkin == "Velmora");
    find<gui::MenuItem>("SkinEmberItem").setChecked(m_currentSkin == "Ember");
    setCaption("Skin gallery - " + skinData().versionInfo().skinName);
}

void GalleryWindow::fillStringTable() {
    // The texts the skinned form takes from the string table: caption-button hints, system menu.
    std::string text;
    for (const std::string& line : find<skin::ResourceStrData>("ResourceStrData1").resStrings()) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = line.substr(eq + 1);
        std::erase(value, '&');
        text += line.substr(0, eq) + ":  " + value + "\r\n";
    }
    find<gui::Label>("StringsLabel").setCaption(text);
}

} // namespace gallery
