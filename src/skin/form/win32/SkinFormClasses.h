#pragma once
// Registers the skinned form's layout class ("TSkinForm").

namespace skin {

void registerSkinFormClasses();

} // namespace skin
