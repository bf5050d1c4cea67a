#include "gui/StandardClasses.h"

#include "gui/Bevel.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/SpeedButton.h"
#include "gui/Timer.h"
#include "layout/ClassRegistry.h"

namespace gui {

namespace {

// A control made for a layout sits in the enclosing window control.
template <typename T> core::Component* makeControl(core::Component* owner, core::Component* parent) {
    auto* control = new T(owner);
    if (auto* window = dynamic_cast<WinControl*>(parent))
        control->setParent(window);
    return control;
}

} // namespace

void registerStandardClasses(layout::ClassRegistry& registry) {
    registry.add("TPanel", makeControl<Panel>);
    registry.add("TGroupBox", makeControl<GroupBox>);
    registry.add("TBevel", makeControl<Bevel>);
    registry.add("TLabel", makeControl<Label>);
    registry.add("TSpeedButton", makeControl<SpeedButton>);
    registry.add("TImage", makeControl<Image>);
    registry.add("TForm", [](core::Component* owner, core::Component*) -> core::Component* {
        return new Form(owner);
    });
    registry.add("TTimer", [](core::Component* owner, core::Component*) -> core::Component* {
        return new Timer(owner);
    });
}

void registerStandardClasses() {
    registerStandardClasses(layout::ClassRegistry::global());
}

} // namespace gui
