#include "skin/form/win32/SkinFormClasses.h"

#include "gui/WinControl.h"
#include "layout/ClassRegistry.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinPopupClasses.h"
#include "skin/popup/win32/SkinPopupMenu.h"

namespace skin {

void registerSkinFormClasses() {
    layout::ClassRegistry::global().add(
        "TSkinForm",
        [](core::Component* owner, core::Component*) -> core::Component* { return new SkinForm(owner); });
    layout::ClassRegistry::global().add("TSkinPopupMenu",
                                        [](core::Component* owner, core::Component*) -> core::Component* {
                                            return new SkinPopupMenu(owner);
                                        });
    layout::ClassRegistry::global().add(
        "TSkinMainMenuBar", [](core::Component* owner, core::Component* parent) -> core::Component* {
            auto* bar = new SkinMainMenuBar(owner);
            if (auto* window = dynamic_cast<gui::WinControl*>(parent))
                bar->setParent(window);
            return bar;
        });
    layout::ClassRegistry::global().add(
        "TSkinMDITabsBar", [](core::Component* owner, core::Component* parent) -> core::Component* {
            auto* bar = new SkinMDITabsBar(owner);
            if (auto* window = dynamic_cast<gui::WinControl*>(parent))
                bar->setParent(window);
            return bar;
        });
    // The skinned form's hint and tray icon references name these.
    registerSkinPopupClasses();
}

} // namespace skin
