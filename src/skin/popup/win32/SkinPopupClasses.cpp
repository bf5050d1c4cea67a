#include "skin/popup/win32/SkinPopupClasses.h"

#include "layout/ClassRegistry.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/TrayIcon.h"

namespace skin {

void registerSkinPopupClasses() {
    layout::ClassRegistry& registry = layout::ClassRegistry::global();
    registry.add("TSkinHint", [](core::Component* owner, core::Component*) -> core::Component* {
        return new SkinHint(owner);
    });
    registry.add("TTrayIcon", [](core::Component* owner, core::Component*) -> core::Component* {
        return new TrayIcon(owner);
    });
}

} // namespace skin
