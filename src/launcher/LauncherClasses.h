#pragma once

namespace launcher {

// Registers every class the launcher's layout names: the framework's standard controls, the skinned
// controls and skin components, the label components, then stand-ins for whatever is still missing.
void registerLauncherClasses();

} // namespace launcher
