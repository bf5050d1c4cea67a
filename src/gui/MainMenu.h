#pragma once
// A window's menu bar. The form attaches it with setWindow; the native bar follows item changes.
#include "gui/Menu.h"

namespace gui {

class MainMenu : public Menu {
public:
    explicit MainMenu(core::Component* owner = nullptr);
    ~MainMenu() override;
    const char* className() const override { return "TMainMenu"; }

    // Shows the bar on window (SetMenu), or detaches it from the window it was on with null. Detach
    // before destroying the window: DestroyWindow frees an attached menu (a window found destroyed
    // is taken to have freed it).
    void setWindow(HWND window);
    HWND window() const { return m_window; }

    // Merging of a child's menu (items of the same group index are replaced) is left to skinned
    // menu bars; native bars do not merge.

protected:
    HMENU createMenuHandle() const override;
    bool isPopup() const override { return false; }
    bool handleRebuilt(HMENU menu) override;

private:
    HWND m_window = nullptr;
};

} // namespace gui
