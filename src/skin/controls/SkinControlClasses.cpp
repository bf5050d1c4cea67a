#include "skin/controls/SkinControlClasses.h"

#include "gui/ControlFactory.h"
#include "layout/ClassRegistry.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

namespace skin {

using gui::makeComponent;
using gui::makeControl;

void registerSkinControlClasses() {
    layout::ClassRegistry& registry = layout::ClassRegistry::global();
    registry.add("TSkinPanel", makeControl<SkinPanel>);
    registry.add("TSkinGroupBox", makeControl<SkinGroupBox>);
    registry.add("TSkinBevel", makeControl<SkinBevel>);
    registry.add("TSkinLinkLabel", makeControl<SkinLinkLabel>);
    registry.add("TSkinData", makeComponent<SkinData>);
    registry.add("TCompressedStoredSkin", makeComponent<CompressedStoredSkin>);
    registry.add("TResourceStrData", makeComponent<ResourceStrData>);
}

} // namespace skin
