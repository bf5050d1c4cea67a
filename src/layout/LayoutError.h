#pragma once
#include "core/Error.h"

namespace layout {

// A layout that cannot be read: bad text, unknown class or property, bad value, dangling reference.
// The message names the layout and line, and the property where there is one.
class LayoutError : public core::Error {
public:
    using core::Error::Error;
};

} // namespace layout
