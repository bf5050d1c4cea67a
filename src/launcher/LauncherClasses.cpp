#include "launcher/LauncherClasses.h"

#include "gui/StandardClasses.h"
#include "labels/win32/LabelClasses.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/form/win32/SkinFormClasses.h"

namespace launcher {

void registerLauncherClasses() {
    gui::registerStandardClasses();
    skin::registerSkinControlClasses();
    skin::registerSkinFormClasses();
    labels::registerLabelClasses();
}

} // namespace launcher
