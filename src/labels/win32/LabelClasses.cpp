#include "labels/win32/LabelClasses.h"

#include "gui/WinControl.h"
#include "labels/FrameController.h"
#include "labels/SettingsStore.h"
#include "labels/win32/StyledLabel.h"
#include "labels/win32/URLLabel.h"
#include "layout/ClassRegistry.h"

namespace labels {

namespace {

template <typename Label> core::Component* makeLabel(core::Component* owner, core::Component* parent) {
    auto* label = new Label(owner);
    if (auto* window = dynamic_cast<gui::WinControl*>(parent))
        label->setParent(window);
    return label;
}

} // namespace

void registerLabelClasses() {
    layout::ClassRegistry& registry = layout::ClassRegistry::global();
    registry.add("TStyledLabel", makeLabel<StyledLabel>);
    registry.add("TURLLabel", makeLabel<URLLabel>);
    registry.add("TFrameController", [](core::Component* owner, core::Component*) -> core::Component* {
        return new FrameController(owner);
    });
    registry.add("TSettingsStore", [](core::Component* owner, core::Component*) -> core::Component* {
        return new SettingsStore(owner);
    });
}

} // namespace labels
