#pragma once
// The parsed form of a layout text: objects with their properties and child objects, each with the
// line it came from so that failures can name it.
#include "core/Property.h"

#include <string>
#include <vector>

namespace layout {

struct PropertyNode {
    std::string name; // dotted for sub-properties: "Font.Name"
    core::PropertyValue value;
    int line = 0;
};

struct ObjectNode {
    std::string name; // may be empty
    std::string className;
    int line = 0;
    std::vector<PropertyNode> properties;
    std::vector<ObjectNode> children;
};

} // namespace layout
