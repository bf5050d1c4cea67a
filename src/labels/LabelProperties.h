#pragma once
// Reading and writing the label library's enumerations and side sets as layout properties.
#include "core/Property.h"
#include "labels/LabelTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace labels {

// The enumerator named by the reader's identifier; fails (core::Error) for any other name.
template <typename Enum>
Enum readEnum(const core::PropertyReader& reader, std::optional<Enum> (*fromName)(std::string_view)) {
    std::optional<Enum> value = fromName(reader.asIdent());
    if (!value)
        reader.fail("'" + reader.asIdent() + "' is not a valid value");
    return *value;
}

Sides readSides(const core::PropertyReader& reader);
void writeSides(core::PropertyWriter& writer, const std::string& name, Sides sides);

// A reader over a value made here, for pushing a setting into another component's setProperty.
core::PropertyReader makeColorReader(const std::string& name, core::Color color);
core::PropertyReader makeBoolReader(const std::string& name, bool value);
core::PropertyReader makeIdentReader(const std::string& name, std::string_view ident);
core::PropertyReader makeSidesReader(const std::string& name, Sides sides);

} // namespace labels
