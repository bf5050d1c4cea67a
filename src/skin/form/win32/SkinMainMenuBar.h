#pragma once
// The skinned main-menu bar: the top-level items of a main menu as a bar of skinned items under the
// caption of a skinned window. Their submenus open through the form's skinned menu engine and follow
// the mouse along the bar; items that do not fit hide behind a marker whose click lists them; Alt or
// F10 puts the bar into menu mode, where the arrows walk it with wrap-around. On a multi-document
// parent the bar merges the active child's menu into its own and, while a child is maximised, shows
// that child's system-menu button at its left end and its close, restore and minimise buttons at its
// right end.
#include "gui/Font.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinIni.h"
#include "skin/popup/MenuBarLayout.h"

#include <functional>
#include <memory>
#include <vector>

namespace gui {
class Canvas;
class CustomForm;
class Timer;
class MainMenu;
class MenuItem;
} // namespace gui

namespace skin {

class DataSkinMainMenuBar;
class DataSkinMainMenuBarButton;
class DataSkinMainMenuItem;
class SkinForm;
class SkinMenu;

// Fired with the menu item whose bar item the mouse (or the keyboard) came onto or left.
using SkinItemEvent = std::function<void(core::Component* sender, gui::MenuItem& item)>;

class SkinMainMenuBar : public SkinControl {
public:
    explicit SkinMainMenuBar(core::Component* owner = nullptr);
    ~SkinMainMenuBar() override;
    const char* className() const override { return "TSkinMainMenuBar"; }

    // The menu shown (not owned); setting it rebuilds the items.
    gui::MainMenu* mainMenu() const { return m_mainMenu; }
    void setMainMenu(gui::MainMenu* menu);
    // The skinned form whose menu engine shows the submenus (not owned); it learns of the bar too.
    SkinForm* skinForm() const { return m_skinForm; }
    void setSkinForm(SkinForm* form);
    bool scrollMenu() const { return m_scrollMenu; }
    void setScrollMenu(bool v);
    bool popupToUp() const { return m_popupToUp; }
    void setPopupToUp(bool v) { m_popupToUp = v; }
    gui::Font& defItemFont() { return m_defItemFont; }
    int32_t defaultHeight() const { return m_defaultHeight; }
    void setDefaultHeight(int32_t v);
    int32_t defaultWidth() const { return m_defaultWidth; }
    void setDefaultWidth(int32_t v);

    SkinItemEvent onItemMouseEnter;
    SkinItemEvent onItemMouseLeave;

    // Layout properties: MainMenu, SkinForm (references), ScrollMenu, PopupToUp, DefaultWidth,
    // DefaultHeight.
    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

    // One item per visible top-level item of the menu.
    void buildItems();
    int itemCount() const { return int(m_items.size()); }
    gui::MenuItem& itemMenuItem(int i) const { return *m_items[size_t(i)].item; }
    bool isItemShown(int i) const;
    bool isItemDown(int i) const { return m_items[size_t(i)].down; }
    bool isItemActive(int i) const { return m_items[size_t(i)].active; }
    // The item's place in the bar's client area.
    core::Rect itemRect(int i) const;
    bool hasHiddenItems() const { return m_layout.overflow && m_scrollMenu; }
    core::Rect markerRect() const { return m_layout.marker; }
    int activeItem() const;
    // How far item i has blended from its normal image toward its active one (0..1).
    double itemMorphFactor(int i) const { return m_items[size_t(i)].morphFactor; }
    bool isMorphTimerRunning() const;

    // --- Menu mode (the form's SC_KEYMENU) -----------------------------------------------------------
    void enterMenuMode();
    void leaveMenuMode();
    bool isInMenuMode() const { return m_menuMode; }
    // Right / Left along the bar; Enter on the active item; an accelerator key. False when nothing
    // took the key.
    bool nextItem();
    bool previousItem();
    bool pressItem();
    bool takeAccelerator(unsigned key);
    // Opens the submenu of item i below it (or runs the command of an item without sub-items).
    void openItem(int i);
    // The marker's popup of the items that do not fit.
    void openHiddenItems();

    // --- Multi-document parents ----------------------------------------------------------------------
    // The active child or the maximised state changed: the items are built again.
    void mdiRefresh();
    // A child was maximised (its buttons appear) or restored (they go once no child is maximised).
    void childMaximized();
    void childRestored();
    // The bar shows a child's menu merged into the parent's.
    bool isChildMenuIn() const { return m_childMenuIn; }
    // The buttons of the maximised child, in list order: system menu, close, maximise, minimise.
    int buttonCount() const { return int(m_buttons.size()); }
    WindowCommand buttonCommand(int i) const { return m_buttons[size_t(i)].command; }
    bool isButtonEnabled(int i) const { return m_buttons[size_t(i)].enabled; }
    core::Rect buttonRect(int i) const { return m_buttons[size_t(i)].rect; }
    // Runs button i's command on the maximised child.
    void runButton(int i);

protected:
    void readSkinRecord() override;
    void skinChanging() override;
    void skinChanged() override;
    void paintUnskinned(core::FBitmap& bitmap) override;
    void paintSkinned(core::FBitmap& bitmap) override;
    void wndProc(gui::Message& m) override;
    void mouseDown(gui::MouseButton button, gui::ShiftState shift, int x, int y) override;
    void mouseUp(gui::MouseButton button, gui::ShiftState shift, int x, int y) override;
    void mouseMove(gui::ShiftState shift, int x, int y) override;
    void mouseLeave() override;
    void boundsChanged(bool sizeChanged) override;
    void notification(core::Component* component, core::Operation operation) override;

private:
    struct Button {
        WindowCommand command = WindowCommand::cmClose;
        const DataSkinMainMenuBarButton* record = nullptr;
        const core::FBitmap* picture = nullptr;
        bool enabled = true;
        bool active = false;
        bool down = false;
        core::Rect rect;
    };
    struct Item {
        gui::MenuItem* item = nullptr;
        bool active = false;
        bool down = false;
        double morphFactor = 0;
    };

    SkinMenu* engine() const;
    gui::CustomForm* mdiFrame() const;
    gui::CustomForm* activeChild() const;
    void createButtons();
    void applyButtonIcons();
    void placeButtons(core::Rect& items);
    void paintButtons(core::FBitmap& bitmap);
    int buttonAt(core::Point p) const;
    void computeLayout();
    bool hasSkinnedItems() const;
    void setItemFont(gui::Canvas& canvas) const;
    core::Rect itemsRect() const;
    void paintItems(core::FBitmap& bitmap);
    void moveTo(int i);
    bool walkTo(int i);
    bool menuKey(unsigned key);
    std::vector<bool> selectableItems() const;
    void menuClosed();
    // Makes item i (-1: none) the hot item: the previous one leaves, i enters, both then morph.
    void setHotItem(int i);
    bool itemsMorph() const;
    bool itemCanMorph(const Item& it) const;
    void startMorphOrRedraw();
    void morphTick();
    core::FBitmap itemImage(const core::Rect& src, int32_t width) const;

    gui::MainMenu* m_mainMenu = nullptr;
    SkinForm* m_skinForm = nullptr;
    bool m_scrollMenu = true;
    bool m_popupToUp = false;
    gui::Font m_defItemFont;
    int32_t m_defaultWidth = 0;
    int32_t m_defaultHeight = 22;
    std::unique_ptr<gui::Timer> m_morphTimer;
    std::vector<Item> m_items;
    std::vector<Button> m_buttons;
    bool m_childMaximized = false;
    bool m_childMenuIn = false;
    MenuBarLayout m_layout;
    bool m_menuMode = false;
    bool m_switching = false;
    bool m_markerActive = false;
    const DataSkinMainMenuBar* m_record = nullptr;
    const core::FBitmap* m_picture = nullptr;
    const DataSkinMainMenuItem* m_itemRecord = nullptr;
    const core::FBitmap* m_itemPicture = nullptr;
};

} // namespace skin
