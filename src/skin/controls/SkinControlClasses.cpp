#include "skin/controls/SkinControlClasses.h"

#include "gui/WinControl.h"
#include "layout/ClassRegistry.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

namespace skin {

namespace {

template <typename T> core::Component* makeControl(core::Component* owner, core::Component* parent) {
    auto* control = new T(owner);
    if (auto* window = dynamic_cast<gui::WinControl*>(parent))
        control->setParent(window);
    return control;
}

template <typename T> core::Component* makeComponent(core::Component* owner, core::Component*) {
    return new T(owner);
}

} // namespace

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
