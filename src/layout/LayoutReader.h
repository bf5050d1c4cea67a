#pragma once
// Builds a component tree from layout text into an existing root component, as a form does when it
// is created: the root reads its own properties, the objects inside it are created in the order
// listed (owned by the root, nested in the enclosing object), references are resolved once every
// component exists, and then every component gets loaded(), in creation order.
//
// Failures throw core::Error naming the layout, line and property; the components created so far
// are freed, so nothing half-built stays in the root. Errors of other classes that components
// raise (stream or decompression errors, say) pass through unchanged.
#include "layout/ClassRegistry.h"
#include "layout/LayoutError.h"

#include <string>
#include <string_view>

namespace core {
class Component;
}

namespace layout {

struct ObjectNode;

void readLayout(core::Component& root, std::string_view text, const std::string& layoutName,
                const ClassRegistry& registry = ClassRegistry::global());
void readLayout(core::Component& root, const ObjectNode& layout, const std::string& layoutName,
                const ClassRegistry& registry = ClassRegistry::global());

} // namespace layout
