#pragma once
// Registers the skinned form's layout classes ("TSkinForm", "TSkinPopupMenu", "TSkinMainMenuBar",
// "TSkinMDITabsBar").

namespace skin {

void registerSkinFormClasses();

} // namespace skin
