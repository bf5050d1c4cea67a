#include "skin/form/win32/SkinFormClasses.h"

#include "gui/WinControl.h"
#include "layout/ClassRegistry.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinPopupClasses.h"
#include "skin/popup/win32/SkinPopupMenu.h"

namespace skin {

namespace {

// A bar control, placed in the window the layout nests it in.
template <typename Bar> core::Component* makeBar(core::Component* owner, core::Component* parent) {
    auto* bar = new Bar(owner);
    if (auto* window = dynamic_cast<gui::WinControl*>(parent))
        bar->setParent(window);
    return bar;
}

} // namespace

void registerSkinFormClasses() {
    layout::ClassRegistry::global().add(
        "TSkinForm",
        [](core::Component* owner, core::Component*) -> core::Component* { return new SkinForm(owner); });
    layout::ClassRegistry::global().add("TSkinPopupMenu",
                                        [](core::Component* owner, core::Component*) -> core::Component* {
                                            return new SkinPopupMenu(owner);
                                        });
    layout::ClassRegistry::global().add("TSkinMainMenuBar", makeBar<SkinMainMenuBar>);
    layout::ClassRegistry::global().add("TSkinMDITabsBar", makeBar<SkinMDITabsBar>);
    // The skinned form's hint and tray icon references name these.
    registerSkinPopupClasses();
}

} // namespace skin
