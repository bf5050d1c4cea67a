#pragma once
// Text carried in the program's own resources (window layouts are RCDATA resources).
#include <string>

namespace gui {

// The bytes of the program's RCDATA resource `name`; core::Error "Resource <name> not found" when the
// program has none of that name.
std::string rcDataText(const std::string& name);

} // namespace gui
