#pragma once
// Reads a layout's "SkinData" reference, which must name a skin store (or nothing).
#include <functional>

namespace core {
class PropertyReader;
}

namespace skin {

class SkinData;

// Defers until the layout's references resolve, then calls assign; a component that is not a store
// fails the read with a clear error.
void readSkinDataReference(core::PropertyReader& value, std::function<void(SkinData*)> assign);

} // namespace skin
