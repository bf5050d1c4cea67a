#pragma once
// Layout registration of the label library's classes.

namespace labels {

// Registers "TStyledLabel", "TURLLabel", "TFrameController" and "TSettingsStore" with the global
// layout class registry.
void registerLabelClasses();

} // namespace labels
