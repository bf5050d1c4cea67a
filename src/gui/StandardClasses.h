#pragma once
// Registers the framework's classes with the layout class registry, so that layouts can create them:
// TForm, TPanel, TGroupBox, TBevel, TLabel, TSpeedButton, TImage, TTimer. A visual component made
// from a layout gets the enclosing object as its parent.
namespace layout {
class ClassRegistry;
}

namespace gui {

void registerStandardClasses(layout::ClassRegistry& registry);
// Into the global registry.
void registerStandardClasses();

} // namespace gui
