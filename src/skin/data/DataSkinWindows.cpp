#include "skin/data/DataSkinWindows.h"

namespace skin {

void DataSkinWindowFrame::exchangeFields(SkinIniFields& fields) {
    fields.pictureIndex("windowpictureindex", windowPictureIndex);
    fields.pictureIndex("maskpictureindex", maskPictureIndex);
    exchangeCornerPoints(fields);
    exchangeWindowFields(fields);
    fields.flag("leftstretch", leftStretch);
    fields.flag("rightstretch", rightStretch);
    fields.flag("topstretch", topStretch);
    fields.flag("bottomstretch", bottomStretch);
}

void DataSkinPopupWindow::exchangeWindowFields(SkinIniFields& fields) {
    fields.rect("itemsrect", itemsRect);
    fields.color("scrollmarkercolor", scrollMarkerColor);
    fields.color("scrollmarkeractivecolor", scrollMarkerActiveColor);
}

void DataSkinHintWindow::exchangeWindowFields(SkinIniFields& fields) {
    fields.rect("clientrect", clientRect);
    exchangeFont(fields);
}

} // namespace skin
