#pragma once
// Registers the layout classes of skinned hints and the tray icon ("TSkinHint", "TTrayIcon").

namespace skin {

void registerSkinPopupClasses();

} // namespace skin
