#pragma once
// Layout class factories for the class registry: makeControl for visual classes, which sit in the
// enclosing window control, and makeComponent for the others.
#include "gui/WinControl.h"

namespace gui {

template <typename T> core::Component* makeControl(core::Component* owner, core::Component* parent) {
    auto* control = new T(owner);
    if (auto* window = dynamic_cast<WinControl*>(parent))
        control->setParent(window);
    return control;
}

template <typename T> core::Component* makeComponent(core::Component* owner, core::Component*) {
    return new T(owner);
}

} // namespace gui
