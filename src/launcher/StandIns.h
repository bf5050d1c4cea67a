#pragma once
// Plain framework controls standing in for the skinned panel, group boxes, bevel, link label and
// the URL label until those classes are registered. They carry the same names, captions and
// geometry, accept the skin-only properties of the layout and keep them for writing back.
namespace layout {
class ClassRegistry;
}

namespace launcher {

// Registers a stand-in only for a class name nobody has registered, so the real classes win
// whatever the order of registration.
void registerStandIns(layout::ClassRegistry& registry);

} // namespace launcher
