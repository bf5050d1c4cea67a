#include "skin/data/DataSkinObject.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinObject::readFromIni(const MemIniFile& ini) {
    auto fields = SkinIniFields::reading(ini, idName);
    exchangeFields(fields);
}

void DataSkinObject::writeToIni(MemIniFile& ini) const {
    ini.eraseSection(idName);
    auto fields = SkinIniFields::writing(ini, idName);
    // Writing only reads the fields; exchangeFields is shared with reading and so takes them mutable.
    const_cast<DataSkinObject*>(this)->exchangeFields(fields);
}

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
