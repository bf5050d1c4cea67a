#pragma once
// Writes a root component and the components it owns as layout text that readLayout reads back
// into the same tree: objects nested as parentOf says, in creation order, each with the
// properties its writeProperties emits.
#include <functional>
#include <string>

namespace core {
class Component;
}

namespace layout {

struct WriteOptions {
    // The object a component is nested in; components without one (or whose parent was created
    // after them) are written at the top level of the root.
    std::function<const core::Component*(const core::Component*)> parentOf;
};

std::string writeLayout(const core::Component& root, const WriteOptions& options = {});

} // namespace layout
