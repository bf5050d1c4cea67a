#pragma once
// Registers the menu and image-list classes with the layout class registry: TMainMenu, TPopupMenu,
// TMenuItem, TImageList. A menu item made from a layout hangs under the item or menu it is nested in.
namespace layout {
class ClassRegistry;
}

namespace gui {

void registerGraphicsClasses(layout::ClassRegistry& registry);
// Into the global registry.
void registerGraphicsClasses();

} // namespace gui
