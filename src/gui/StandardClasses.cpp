#include "gui/StandardClasses.h"

#include "gui/Bevel.h"
#include "gui/ControlFactory.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/SpeedButton.h"
#include "gui/Timer.h"
#include "layout/ClassRegistry.h"

namespace gui {

void registerStandardClasses(layout::ClassRegistry& registry) {
    registry.add("TPanel", makeControl<Panel>);
    registry.add("TGroupBox", makeControl<GroupBox>);
    registry.add("TBevel", makeControl<Bevel>);
    registry.add("TLabel", makeControl<Label>);
    registry.add("TSpeedButton", makeControl<SpeedButton>);
    registry.add("TImage", makeControl<Image>);
    registry.add("TForm", makeComponent<Form>);
    registry.add("TTimer", makeComponent<Timer>);
}

void registerStandardClasses() {
    registerStandardClasses(layout::ClassRegistry::global());
}

} // namespace gui
