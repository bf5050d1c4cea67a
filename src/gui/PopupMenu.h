#pragma once
// A context menu shown at a screen point. popup() is virtual so that skinned menus can show the same
// items through their own windows.
#include "gui/Menu.h"

#include <functional>

namespace gui {

enum class PopupAlignment { paLeft, paRight, paCenter };

class PopupMenu : public Menu {
public:
    explicit PopupMenu(core::Component* owner = nullptr);
    ~PopupMenu() override;
    const char* className() const override { return "TPopupMenu"; }

    // Runs onPopup and shows the menu at (x, y) in screen coordinates. Whether it returns before
    // or after the menu closed depends on the kind of menu (see waitsUntilClosed): callers must do
    // the work of a choice in the item's onClick, never after popup() returns.
    virtual void popup(int32_t x, int32_t y);
    // The platform's menu waits until it closes and runs the chosen item's click before popup()
    // returns. Menus that show through windows of their own (skinned ones) return at once and run
    // the click later from the message loop, after their windows closed.
    virtual bool waitsUntilClosed() const { return true; }

    PopupAlignment alignment() const { return m_alignment; }
    void setAlignment(PopupAlignment alignment) { m_alignment = alignment; }
    bool isAutoPopup() const { return m_autoPopup; }
    void setAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }
    // The component that the menu was last shown for; set by whoever shows it.
    core::Component* popupComponent() const { return m_popupComponent; }
    void setPopupComponent(core::Component* component) { m_popupComponent = component; }

    std::function<void(PopupMenu&)> onPopup;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    HMENU createMenuHandle() const override;
    bool isPopup() const override { return true; }

private:
    PopupAlignment m_alignment = PopupAlignment::paLeft;
    bool m_autoPopup = true;
    core::Component* m_popupComponent = nullptr;
};

} // namespace gui
