#pragma once
// Layout classes of the skin library: the skinned panel, group box, bevel and link label, the skin
// store and the stored skin package.

namespace skin {

// Registers "TSkinPanel", "TSkinGroupBox", "TSkinBevel", "TSkinLinkLabel", "TSkinData" and
// "TCompressedStoredSkin" in the global layout registry (replacing earlier ones of the same names) and
// installs the window-message broadcast of skin changes.
void registerSkinControlClasses();

} // namespace skin
