#include "skin/data/DataSkinControls.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinPanelControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.pictureIndex("bgpictureindex", bgPictureIndex);
    fields.rect("captionrect", captionRect);
    fields.alignment("alignment", alignment);
    exchangeFont(fields);
    fields.rect("checkimagerect", checkImageRect);
    fields.rect("uncheckimagerect", uncheckImageRect);
}

void DataSkinButtonControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
    fields.color("downfontcolor", downFontColor);
    fields.color("disabledfontcolor", disabledFontColor);
    fields.rect("activeskinrect", activeSkinRect);
    fields.rect("downskinrect", downSkinRect);
    fields.rect("disabledskinrect", disabledSkinRect);
    fields.flag("morphing", morphing);
    fields.morphKind("morphkind", morphKind);
}

void DataSkinMenuButtonControl::exchangeFields(SkinIniFields& fields) {
    DataSkinButtonControl::exchangeFields(fields);
    fields.rect("trackbuttonrect", trackButtonRect);
}

void DataSkinLabelControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    exchangeFont(fields);
}

void DataSkinStdLabelControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor, core::clBlue);
}

void DataSkinBevel::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.color("lightcolor", lightColor);
    fields.color("darkcolor", darkColor);
}

} // namespace skin
