#include "skin/controls/SkinDataReference.h"

#include "core/Error.h"
#include "core/Property.h"
#include "skin/data/SkinData.h"

namespace skin {

void readSkinDataReference(core::PropertyReader& value, std::function<void(SkinData*)> assign) {
    value.resolveReference([assign = std::move(assign)](core::Component* c) {
        auto* store = dynamic_cast<SkinData*>(c);
        if (c && !store)
            throw core::Error("SkinData must name a skin store");
        assign(store);
    });
}

} // namespace skin
