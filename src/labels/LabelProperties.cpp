#include "labels/LabelProperties.h"

namespace labels {

Sides readSides(const core::PropertyReader& reader) {
    Sides sides;
    for (const std::string& name : reader.asSet()) {
        std::optional<Side> side = sideFromName(name);
        if (!side)
            reader.fail("'" + name + "' is not a valid value");
        sides = sides.with(*side);
    }
    return sides;
}

void writeSides(core::PropertyWriter& writer, const std::string& name, Sides sides) {
    std::vector<std::string> names;
    for (Side s : {Side::sdLeft, Side::sdTop, Side::sdRight, Side::sdBottom})
        if (sides.has(s))
            names.emplace_back(sideName(s));
    writer.writeSet(name, names);
}

core::PropertyReader makeColorReader(const std::string& name, core::Color color) {
    core::PropertyValue v;
    v.kind = core::PropertyValue::Kind::Integer;
    v.integer = color;
    return core::PropertyReader(name, std::move(v));
}

core::PropertyReader makeBoolReader(const std::string& name, bool value) {
    return makeIdentReader(name, value ? "True" : "False");
}

core::PropertyReader makeIdentReader(const std::string& name, std::string_view ident) {
    core::PropertyValue v;
    v.kind = core::PropertyValue::Kind::Identifier;
    v.text = std::string(ident);
    return core::PropertyReader(name, std::move(v));
}

core::PropertyReader makeSidesReader(const std::string& name, Sides sides) {
    core::PropertyValue v;
    v.kind = core::PropertyValue::Kind::Set;
    for (Side s : {Side::sdLeft, Side::sdTop, Side::sdRight, Side::sdBottom})
        if (sides.has(s))
            v.names.emplace_back(sideName(s));
    return core::PropertyReader(name, std::move(v));
}

} // namespace labels
