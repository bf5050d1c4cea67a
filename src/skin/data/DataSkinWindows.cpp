#include "skin/data/DataSkinWindows.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinPopupWindow::readFromIni(const MemIniFile& ini) {
    auto fields = SkinIniFields::reading(ini, sectionName);
    exchangeFields(fields);
}

void DataSkinPopupWindow::writeToIni(MemIniFile& ini) const {
    ini.eraseSection(sectionName);
    auto fields = SkinIniFields::writing(ini, sectionName);
    const_cast<DataSkinPopupWindow*>(this)->exchangeFields(fields);
}

void DataSkinPopupWindow::exchangeFields(SkinIniFields& fields) {
    fields.pictureIndex("windowpictureindex", windowPictureIndex);
    fields.pictureIndex("maskpictureindex", maskPictureIndex);
    fields.point("lefttoppoint", leftTopPoint);
    fields.point("righttoppoint", rightTopPoint);
    fields.point("leftbottompoint", leftBottomPoint);
    fields.point("rightbottompoint", rightBottomPoint);
    fields.rect("itemsrect", itemsRect);
    fields.color("scrollmarkercolor", scrollMarkerColor);
    fields.color("scrollmarkeractivecolor", scrollMarkerActiveColor);
    fields.flag("leftstretch", leftStretch);
    fields.flag("rightstretch", rightStretch);
    fields.flag("topstretch", topStretch);
    fields.flag("bottomstretch", bottomStretch);
}

void DataSkinHintWindow::readFromIni(const MemIniFile& ini) {
    auto fields = SkinIniFields::reading(ini, sectionName);
    exchangeFields(fields);
}

void DataSkinHintWindow::writeToIni(MemIniFile& ini) const {
    ini.eraseSection(sectionName);
    auto fields = SkinIniFields::writing(ini, sectionName);
    const_cast<DataSkinHintWindow*>(this)->exchangeFields(fields);
}

void DataSkinHintWindow::exchangeFields(SkinIniFields& fields) {
    fields.pictureIndex("windowpictureindex", windowPictureIndex);
    fields.pictureIndex("maskpictureindex", maskPictureIndex);
    fields.point("lefttoppoint", leftTopPoint);
    fields.point("righttoppoint", rightTopPoint);
    fields.point("leftbottompoint", leftBottomPoint);
    fields.point("rightbottompoint", rightBottomPoint);
    fields.rect("clientrect", clientRect);
    fields.text("fontname", fontName, "Arial");
    fields.integer("fontheight", fontHeight, 14);
    fields.fontStyles("fontstyle", fontStyle);
    fields.color("fontcolor", fontColor);
    fields.flag("leftstretch", leftStretch);
    fields.flag("rightstretch", rightStretch);
    fields.flag("topstretch", topStretch);
    fields.flag("bottomstretch", bottomStretch);
}

} // namespace skin
