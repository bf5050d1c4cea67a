#pragma once

namespace launcher {

// Registers every class the launcher's layout names: the framework's standard controls, the skinned
// controls and skin components, and the label components.
void registerLauncherClasses();

} // namespace launcher
