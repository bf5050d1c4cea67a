#include "skin/form/win32/SkinFormClasses.h"

#include "layout/ClassRegistry.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinPopupClasses.h"

namespace skin {

void registerSkinFormClasses() {
    layout::ClassRegistry::global().add(
        "TSkinForm",
        [](core::Component* owner, core::Component*) -> core::Component* { return new SkinForm(owner); });
    // The skinned form's hint and tray icon references name these.
    registerSkinPopupClasses();
}

} // namespace skin
