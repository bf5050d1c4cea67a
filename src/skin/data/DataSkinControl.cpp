#include "skin/data/DataSkinControl.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinControl::exchangeFields(SkinIniFields& fields) {
    fields.pictureIndex("pictureindex", pictureIndex);
    fields.pictureIndex("maskpictureindex", maskPictureIndex);
    fields.rect("skinrect", skinRect);
}

void DataSkinCustomControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    exchangeCornerPoints(fields);
    fields.rect("clientrect", clientRect);
}

} // namespace skin
