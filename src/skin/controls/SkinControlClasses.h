#pragma once
// Layout classes of the skin library: the skinned panel, group box, bevel and link label, the skin
// store and the stored skin package.

namespace skin {

// Registers "TSkinPanel", "TSkinGroupBox", "TSkinBevel", "TSkinLinkLabel", "TSkinData",
// "TCompressedStoredSkin" and "TResourceStrData" in the global layout registry, replacing any
// stand-ins.
void registerSkinControlClasses();

} // namespace skin
