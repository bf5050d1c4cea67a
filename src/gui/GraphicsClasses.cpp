#include "gui/GraphicsClasses.h"

#include "gui/ControlFactory.h"
#include "gui/ImageList.h"
#include "gui/MainMenu.h"
#include "gui/PopupMenu.h"
#include "layout/ClassRegistry.h"

namespace gui {

void registerGraphicsClasses(layout::ClassRegistry& registry) {
    registry.add("TMenuItem", [](core::Component* owner, core::Component* parent) -> core::Component* {
        auto* item = new MenuItem(owner);
        if (auto* parentItem = dynamic_cast<MenuItem*>(parent))
            parentItem->add(item);
        else if (auto* menu = dynamic_cast<Menu*>(parent))
            menu->items().add(item);
        return item;
    });
    registry.add("TMainMenu", makeComponent<MainMenu>);
    registry.add("TPopupMenu", makeComponent<PopupMenu>);
    registry.add("TImageList", makeComponent<ImageList>);
}

void registerGraphicsClasses() {
    registerGraphicsClasses(layout::ClassRegistry::global());
}

} // namespace gui
