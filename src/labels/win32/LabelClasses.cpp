#include "labels/win32/LabelClasses.h"

#include "gui/ControlFactory.h"
#include "labels/FrameController.h"
#include "labels/SettingsStore.h"
#include "labels/win32/StyledLabel.h"
#include "labels/win32/URLLabel.h"
#include "layout/ClassRegistry.h"

namespace labels {

void registerLabelClasses() {
    layout::ClassRegistry& registry = layout::ClassRegistry::global();
    registry.add("TStyledLabel", gui::makeControl<StyledLabel>);
    registry.add("TURLLabel", gui::makeControl<URLLabel>);
    registry.add("TFrameController", gui::makeComponent<FrameController>);
    registry.add("TSettingsStore", gui::makeComponent<SettingsStore>);
}

} // namespace labels
