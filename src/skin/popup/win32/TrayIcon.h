#pragma once
// An icon of the application in the taskbar's notification area: its tooltip, an animation through an
// image list, mouse actions turned into events (a double click fires no click), a popup menu on the
// right button, hiding the program into the tray when it is minimised, and coming back by itself after
// the shell restarts. The shell calls go through a replaceable function, so tests can record them.
#include "core/Component.h"
#include "gui/Control.h"
#include "gui/Icon.h"
#include "gui/Timer.h"
#include "skin/popup/TrayRules.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

namespace gui {
class FunctionHook;
class ImageList;
class PopupMenu;
} // namespace gui

namespace skin {

class TrayIcon : public core::Component {
public:
    // The tray's callback message to the icon's window, and the icon's identifier.
    static constexpr UINT callbackMessage = 2048;
    static constexpr UINT iconId = 1;

    explicit TrayIcon(core::Component* owner = nullptr);
    ~TrayIcon() override;
    const char* className() const override { return "TTrayIcon"; }

    gui::ImageList* iconList() const { return m_iconList; }
    void setIconList(gui::ImageList* list);
    bool cycleIcons() const { return m_cycleIcons; }
    void setCycleIcons(bool cycle);
    unsigned animateTimerInterval() const { return m_animateInterval; }
    void setAnimateTimerInterval(unsigned ms);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool v) { m_enabled = v; }
    const std::string& hint() const { return m_hint; }
    void setHint(const std::string& hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool v);
    gui::Icon& icon() { return m_icon; }
    // Copies icon's picture, then updates the tray.
    void setIcon(const gui::Icon& icon);
    bool isIconVisible() const { return m_iconVisible; }
    void setIconVisible(bool visible);
    int32_t iconIndex() const { return m_iconIndex; }
    void setIconIndex(int32_t index);
    gui::PopupMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(gui::PopupMenu* menu);
    bool popupByLeftButton() const { return m_popupByLeftButton; }
    void setPopupByLeftButton(bool v) { m_popupByLeftButton = v; }
    bool minimizedOnStart() const { return m_minimizedOnStart; }
    void setMinimizedOnStart(bool v) { m_minimizedOnStart = v; }
    bool minimizeToTray() const { return m_minimizeToTray; }
    void setMinimizeToTray(bool v) { m_minimizeToTray = v; }
    // Set while the skinned form has put the program into the tray.
    bool isMinimizedToTray() const { return m_minimizedToTray; }
    void setMinimizedToTray(bool v) { m_minimizedToTray = v; }

    core::NotifyEvent onClick;
    core::NotifyEvent onDblClick;
    gui::MouseEvent onMouseDown;
    gui::MouseEvent onMouseUp;
    gui::MouseMoveEvent onMouseMove;
    std::function<void(core::Component* sender, int32_t& nextIndex)> onCycle;

    void showIcon();
    void hideIcon();
    void updateIcon();
    // Hides the main form into the tray (the icon shows), and brings it back.
    void hideMainFormToTray();
    void restoreMainForm();

    // The icon's window, which gets the tray's callback messages.
    HWND handle() const { return m_window; }
    // The message the shell broadcasts when it restarts.
    UINT taskbarCreatedMessage() const { return m_taskbarCreated; }

    // Replaces the shell call (Shell_NotifyIconW) for every tray icon; an empty function restores it.
    using NotifyIconCall = std::function<bool(DWORD message, const NOTIFYICONDATAW& data)>;
    static void setNotifyIconCall(NotifyIconCall call);

    void loaded() override;
    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void trayCallback(UINT mouseMessage);
    void notify(DWORD message);
    void applicationMessage(UINT msg, WPARAM wParam);
    void showPopupMenu();
    void animationStep();
    void clickTimer();
    void copyImage(int32_t index);
    void updateAnimationTimer();
    HWND ownerWindow() const;

    gui::ImageList* m_iconList = nullptr;
    bool m_cycleIcons = false;
    unsigned m_animateInterval = 0;
    bool m_enabled = true;
    std::string m_hint;
    bool m_showHint = true;
    gui::Icon m_icon;
    bool m_iconVisible = true;
    int32_t m_iconIndex = 0;
    gui::PopupMenu* m_popupMenu = nullptr;
    bool m_popupByLeftButton = false;
    bool m_minimizedOnStart = false;
    bool m_minimizeToTray = true;
    bool m_minimizedToTray = false;

    HWND m_window = nullptr;
    UINT m_taskbarCreated = 0;
    int m_applicationObserver = 0;
    std::unique_ptr<gui::Timer> m_animateTimer;
    std::unique_ptr<gui::Timer> m_clickTimer;
    std::unique_ptr<gui::FunctionHook> m_ownerHook;
    TrayClickTracker m_clicks;
};

} // namespace skin
