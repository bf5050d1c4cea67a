#pragma once
// A popup menu shown through the skinned menu engine of the form it belongs to. Unlike the platform's
// menu, popup() returns at once: the chosen item's click runs later, after the cascade closed (see
// gui::PopupMenu::waitsUntilClosed).
#include "core/Geometry.h"
#include "gui/PopupMenu.h"

namespace gui {
class CustomForm;
}

namespace skin {

class SkinData;
class SkinMenu;

class SkinPopupMenu : public gui::PopupMenu {
public:
    explicit SkinPopupMenu(core::Component* owner = nullptr);
    ~SkinPopupMenu() override;
    const char* className() const override { return "TSkinPopupMenu"; }

    // The skin of the menu; none = the skinned form's menu skin. Not owned.
    SkinData* skinData() const { return m_skinData; }
    void setSkinData(SkinData* skin);

    // Shows the menu at (x, y) on the screen through the engine of the skinned form found from the
    // popup component or the owner; without one nothing is shown.
    void popup(int32_t x, int32_t y) override;
    bool waitsUntilClosed() const override { return false; }
    // The same below (or above) a screen rect, as menu buttons drop their menus; false when no
    // engine was found.
    bool popupAt(const core::Rect& anchor, bool popupUp);

    // The engine that would show the menu, or null.
    SkinMenu* engine() const;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    SkinData* m_skinData = nullptr;
};

} // namespace skin
