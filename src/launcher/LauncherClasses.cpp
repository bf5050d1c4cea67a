#include "launcher/LauncherClasses.h"

#include "gui/StandardClasses.h"
#include "labels/win32/LabelClasses.h"
#include "skin/controls/SkinControlClasses.h"

namespace launcher {

void registerLauncherClasses() {
    gui::registerStandardClasses();
    skin::registerSkinControlClasses();
    labels::registerLabelClasses();
}

} // namespace launcher
