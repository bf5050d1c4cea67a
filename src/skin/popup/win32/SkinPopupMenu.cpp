#include "skin/popup/win32/SkinPopupMenu.h"

#include "core/Error.h"
#include "gui/Control.h"
#include "gui/Form.h"
#include "gui/WinControl.h"
#include "skin/data/SkinData.h"
#include "skin/popup/win32/SkinMenu.h"

namespace skin {

namespace {

gui::CustomForm* formOf(core::Component* c) {
    if (auto* control = dynamic_cast<gui::Control*>(c)) {
        gui::Control* top = control;
        while (top->parent())
            top = top->parent();
        return dynamic_cast<gui::CustomForm*>(top);
    }
    return nullptr;
}

} // namespace

SkinPopupMenu::SkinPopupMenu(core::Component* owner) : gui::PopupMenu(owner) {}

SkinPopupMenu::~SkinPopupMenu() {
    beginDestroy();
}

void SkinPopupMenu::setSkinData(SkinData* skin) {
    if (skin == m_skinData)
        return;
    if (m_skinData)
        removeFreeNotification(m_skinData);
    m_skinData = skin;
    if (m_skinData)
        freeNotification(m_skinData);
}

void SkinPopupMenu::notification(core::Component* component, core::Operation operation) {
    gui::PopupMenu::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_skinData)
        m_skinData = nullptr;
}

SkinMenu* SkinPopupMenu::engine() const {
    // The form of the control the menu is shown for (or the form owning the component it is shown
    // for, such as a tray icon), else the owner when it is a form, else the owner's owner.
    core::Component* shownFor = popupComponent();
    for (core::Component* c :
         {shownFor, shownFor ? shownFor->owner() : nullptr, owner(), owner() ? owner()->owner() : nullptr}) {
        gui::CustomForm* form = dynamic_cast<gui::CustomForm*>(c);
        if (!form && c == popupComponent())
            form = formOf(c);
        if (form)
            if (SkinMenu* menu = SkinMenu::forForm(form))
                return menu;
    }
    return nullptr;
}

void SkinPopupMenu::popup(int32_t x, int32_t y) {
    if (onPopup)
        onPopup(*this);
    popupAt({x, y, x, y}, false);
}

bool SkinPopupMenu::popupAt(const core::Rect& anchor, bool popupUp) {
    SkinMenu* menu = engine();
    if (!menu)
        return false;
    if (!m_skinData && menu->defaultSkinData)
        setSkinData(menu->defaultSkinData());
    if (menu->isVisible())
        menu->closeAll();
    if (menu->onMenuOpening)
        menu->onMenuOpening();
    menu->popup(dynamic_cast<gui::Control*>(popupComponent()), m_skinData, popupUp, items(), anchor, 0);
    return true;
}

bool SkinPopupMenu::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "SkinData") {
        value.resolveReference([this](core::Component* c) {
            auto* skin = dynamic_cast<SkinData*>(c);
            if (c && !skin)
                throw core::Error("Invalid property value");
            setSkinData(skin);
        });
        return true;
    }
    return gui::PopupMenu::setProperty(name, value);
}

void SkinPopupMenu::writeProperties(core::PropertyWriter& out) const {
    gui::PopupMenu::writeProperties(out);
    if (m_skinData)
        out.writeReference("SkinData", m_skinData);
}

} // namespace skin
