#include "skin/data/SkinFieldGroups.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void SkinFontFields::exchangeFont(SkinIniFields& fields) {
    fields.font("", fontName, fontHeight, fontStyle, fontColor);
}

void SkinObjectTextFields::exchangeObjectText(SkinIniFields& fields) {
    fields.rect("textrect", textRect);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
}

void SkinCornerPoints::exchangeCornerPoints(SkinIniFields& fields) {
    fields.point("lefttoppoint", leftTopPoint);
    fields.point("righttoppoint", rightTopPoint);
    fields.point("leftbottompoint", leftBottomPoint);
    fields.point("rightbottompoint", rightBottomPoint);
}

void SkinUpDownButtonRects::exchangeUpDownButtons(SkinIniFields& fields) {
    fields.rect("upbuttonrect", upButtonRect);
    fields.rect("activeupbuttonrect", activeUpButtonRect);
    fields.rect("downupbuttonrect", downUpButtonRect);
    fields.rect("downbuttonrect", downButtonRect);
    fields.rect("activedownbuttonrect", activeDownButtonRect);
    fields.rect("downdownbuttonrect", downDownButtonRect);
}

void SkinButtonRects::exchangeButtons(SkinIniFields& fields) {
    fields.rect("buttonrect", buttonRect);
    fields.rect("activebuttonrect", activeButtonRect);
    fields.rect("downbuttonrect", downButtonRect);
    fields.rect("unenabledbuttonrect", unenabledButtonRect);
}

void SkinItemOffsets::exchangeItemOffsets(SkinIniFields& fields) {
    fields.integer("itemleftoffset", itemLeftOffset);
    fields.integer("itemrightoffset", itemRightOffset);
}

} // namespace skin
