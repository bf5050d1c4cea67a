#pragma once
// The skinned menu engine of one form: it opens a cascade of popup windows for a menu item, runs the
// rules for hovering (a submenu opens after 500 ms), clicking (the cascade closes before the command
// runs) and the keyboard, and tells the control that opened the cascade when it closed (1228) and
// when a command chosen from it ran (1229). The popup windows never take activation, so keys reach the
// engine through an application-wide message filter that the form turns on while a menu is open.
#include "core/Component.h"
#include "core/Geometry.h"
#include "gui/Application.h"
#include "gui/Font.h"
#include "skin/popup/PopupGeometry.h"

#include <functional>
#include <memory>
#include <vector>

namespace gui {
class Control;
class CustomForm;
class MenuItem;
class Timer;
} // namespace gui

namespace skin {

class SkinData;
class SkinPopupWindow;

// The messages of the engine: the cascade closed; a command chosen from it ran.
constexpr unsigned msgSkinMenuClosed = 1228;
constexpr unsigned msgSkinMenuCommand = 1229;
// The hover time before a submenu opens, in milliseconds.
constexpr unsigned submenuDelay = 500;

class SkinMenu : private gui::MessageFilter {
public:
    explicit SkinMenu(gui::CustomForm& owner);
    ~SkinMenu() override;
    SkinMenu(const SkinMenu&) = delete;
    SkinMenu& operator=(const SkinMenu&) = delete;

    // The engine of a form, or null when the form has none (no skinned form component).
    static SkinMenu* forForm(const gui::CustomForm* form);

    // --- Settings (the skinned form copies its menu properties here) -----------------------------
    int32_t maxMenuItemsInWindow = 0; // 0: no limit
    bool useSkinFont = true;
    bool alphaBlend = false;
    bool alphaBlendAnimation = false;
    uint8_t alphaBlendValue = 150;
    int32_t defaultItemHeight = plainItemHeight;
    gui::Font& defaultItemFont() { return m_defaultItemFont; }
    // The store a skinned popup menu uses when it names none; set by the skinned form.
    std::function<SkinData*()> defaultSkinData;
    // Run before a cascade opens from a popup menu (the form's menu-opened step), and the keys the
    // form wants first while a menu is open (main-menu mode); true consumes the key.
    std::function<void()> onMenuOpening;
    std::function<bool(unsigned key)> onMenuKey;

    // --- Cascade ------------------------------------------------------------------------------------
    // Closes any open cascade and opens a window listing root's visible sub-items from startIndex on,
    // below the anchor (above with popupUp). Nothing opens for a root without sub-items or a start
    // index past them.
    void popup(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& root,
               const core::Rect& anchor, int startIndex);
    // The same listing the sub-items of both roots one after the other.
    void popupTwoRoots(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& first,
                       gui::MenuItem& second, const core::Rect& anchor, int startIndex);
    // Closes the windows from the last down to level; level 0 ends the cascade.
    void closeFrom(int level);
    // Ends the cascade, forgets a pending submenu and sends 1228 to the owner form.
    void closeAll();
    // A key-down of the keyboard, for the deepest window.
    void processKey(unsigned key);

    bool isVisible() const { return m_visible; }
    int windowCount() const { return int(m_windows.size()); }
    SkinPopupWindow& window(int level) { return *m_windows[size_t(level)]; }
    // The window's level, or windowCount() when it is not in the cascade.
    int levelOf(const SkinPopupWindow* window) const;
    SkinData* skinData() const { return m_skinData; }
    const core::Rect& workArea() const { return m_workArea; }
    bool isFirstPopup() const { return m_firstPopup; }
    gui::CustomForm& ownerForm() const { return m_owner; }
    bool isSubmenuPending() const { return m_waitItem.window != nullptr; }

    // The key filter: key-downs go to the menu (consumed), the mouse wheel is swallowed.
    void setKeyFilter(bool on);
    bool isKeyFilterOn() const;

    // --- Entry rules (from the windows) -------------------------------------------------------------
    void entryEnter(SkinPopupWindow& window, int index, bool keyboard);
    void entryLeave(SkinPopupWindow& window, int index);
    void entryClick(SkinPopupWindow& window, int index);
    // The submenu delay elapsed (the timer's tick; tests call it too).
    void waitTimerTick();

    // For the windows' procedures: a window handler may end the cascade (and a command may free the
    // form and this engine); closed windows are freed once no handler runs any more.
    struct HandlerScope {
        explicit HandlerScope(SkinMenu& menu);
        ~HandlerScope();
        bool engineAlive() const { return !m_alive.expired(); }

    private:
        SkinMenu* m_menu;
        std::weak_ptr<int> m_alive;
    };

private:
    // Forgets the popup and notify controls when they are freed while remembered.
    class ControlWatch final : public core::Component {
    public:
        explicit ControlWatch(SkinMenu& menu) : m_menu(menu) {}
        void watch(gui::Control* control);

    protected:
        void notification(core::Component* component, core::Operation operation) override;

    private:
        SkinMenu& m_menu;
    };

    bool filterMessage(MSG& msg) override;
    void open(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& root,
              gui::MenuItem* second, const core::Rect& anchor, int startIndex);
    void openWindow(const core::Rect& anchor, gui::MenuItem& root, gui::MenuItem* second, PopupKind kind,
                    int startIndex);
    void activate(SkinPopupWindow& window, int index, bool keyboard, bool click);
    void stopWait();
    void freeClosed();
    void updateFilter();

    gui::CustomForm& m_owner;
    gui::Font m_defaultItemFont;
    SkinData* m_skinData = nullptr;
    std::vector<std::unique_ptr<SkinPopupWindow>> m_windows;
    std::vector<std::unique_ptr<SkinPopupWindow>> m_closed; // destroyed windows, freed later
    std::unique_ptr<gui::Timer> m_waitTimer;
    struct {
        SkinPopupWindow* window = nullptr;
        int index = -1;
    } m_waitItem;
    bool m_visible = false;
    bool m_firstPopup = false;
    gui::Control* m_popupControl = nullptr;
    gui::Control* m_notifyControl = nullptr;
    core::Rect m_workArea;
    ControlWatch m_watch{*this};
    int m_handlerDepth = 0;
    bool m_formWantsKeys = false;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace skin
