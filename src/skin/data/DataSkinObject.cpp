#include "skin/data/DataSkinObject.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinObject::exchangeFields(SkinIniFields& fields) {
    fields.text("hint", hint);
    fields.pictureIndex("activepictureindex", activePictureIndex);
    fields.flag("skinrectinapicture", skinRectInAPicture);
    fields.rect("skinrect", skinRect);
    fields.rect("activeskinrect", activeSkinRect);
    fields.rect("inactiveskinrect", inactiveSkinRect);
    fields.flag("morphing", morphing);
    fields.morphKind("morphkind", morphKind);
}

} // namespace skin
