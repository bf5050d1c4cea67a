#include "skin/form/win32/SkinFormClasses.h"

#include "layout/ClassRegistry.h"
#include "skin/form/win32/SkinForm.h"

namespace skin {

void registerSkinFormClasses() {
    layout::ClassRegistry::global().add(
        "TSkinForm",
        [](core::Component* owner, core::Component*) -> core::Component* { return new SkinForm(owner); });
}

} // namespace skin
