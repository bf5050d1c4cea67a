#include "skin/data/DataSkinObjects.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataUserObject::exchangeFields(SkinIniFields& fields) {
    // Only the place comes from the skin; the shared keys keep their creation values.
    fields.rect("skinrect", skinRect);
}

void DataSkinButton::exchangeFields(SkinIniFields& fields) {
    DataSkinObject::exchangeFields(fields);
    fields.rect("downrect", downRect);
    fields.rect("disableskinrsect", disableSkinRect);
}

void DataSkinStdButton::exchangeFields(SkinIniFields& fields) {
    DataSkinButton::exchangeFields(fields);
    fields.command("command", command);
    fields.rect("restorerect", restoreRect);
    fields.rect("restoreactiverect", restoreActiveRect);
    fields.rect("restoredownrect", restoreDownRect);
    fields.rect("restoreinactiverect", restoreInactiveRect);
}

void DataSkinAnimate::exchangeFields(SkinIniFields& fields) {
    DataSkinObject::exchangeFields(fields);
    // Frame animation and morphing would fight over the same image.
    if (fields.isReading())
        morphing = false;
    fields.integer("countframes", countFrames, 1);
    fields.flag("cycle", cycle);
    fields.flag("buttonstyle", buttonStyle);
    fields.integer("timerinterval", timerInterval, 50);
    fields.command("command", command);
}

void DataSkinMenuItem::exchangeFields(SkinIniFields& fields) {
    DataSkinObject::exchangeFields(fields);
    exchangeItemOffsets(fields);
    fields.rect("dividerrect", dividerRect);
    fields.integer("dividerleftoffset", dividerLeftOffset);
    fields.integer("dividerrightoffset", dividerRightOffset);
    exchangeObjectText(fields);
    fields.color("unenabledfontcolor", unenabledFontColor);
}

void DataSkinMainMenuItem::exchangeFields(SkinIniFields& fields) {
    DataSkinObject::exchangeFields(fields);
    exchangeItemOffsets(fields);
    fields.rect("downrect", downRect);
    exchangeObjectText(fields);
    fields.color("downfontcolor", downFontColor);
    fields.color("unenabledfontColor", unenabledFontColor);
}

void DataSkinCaption::exchangeFields(SkinIniFields& fields) {
    DataSkinObject::exchangeFields(fields);
    exchangeObjectText(fields);
    fields.alignment("alignment", alignment);
    fields.flag("shadow", shadow);
    fields.color("shadowcolor", shadowColor);
    fields.color("activeshadowcolor", activeShadowColor);
    fields.rect("framerect", frameRect);
    fields.rect("activeframerect", activeFrameRect);
    fields.rect("frametextrect", frameTextRect);
    fields.integer("frameleftoffset", frameLeftOffset);
    fields.integer("framerightoffset", frameRightOffset);
}

} // namespace skin
