#include "skin/data/DataSkinControl.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinControl::readFromIni(const MemIniFile& ini) {
    auto fields = SkinIniFields::reading(ini, idName);
    exchangeFields(fields);
}

void DataSkinControl::writeToIni(MemIniFile& ini) const {
    ini.eraseSection(idName);
    auto fields = SkinIniFields::writing(ini, idName);
    // Writing only reads the fields; exchangeFields is shared with reading and so takes them mutable.
    const_cast<DataSkinControl*>(this)->exchangeFields(fields);
}

void DataSkinControl::exchangeFields(SkinIniFields& fields) {
    fields.pictureIndex("pictureindex", pictureIndex);
    fields.pictureIndex("maskpictureindex", maskPictureIndex);
    fields.rect("skinrect", skinRect);
}

void DataSkinCustomControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.point("lefttoppoint", leftTopPoint);
    fields.point("righttoppoint", rightTopPoint);
    fields.point("leftbottompoint", leftBottomPoint);
    fields.point("rightbottompoint", rightBottomPoint);
    fields.rect("clientrect", clientRect);
}

} // namespace skin
