#pragma once
// Classes in this file: SkinFontFields, SkinObjectTextFields, SkinCornerPoints, SkinUpDownButtonRects,
// SkinButtonRects, SkinItemOffsets —
// runs of keys that many skin records share. A record inherits the group and exchanges it at the
// place the group's keys stand in its section, so the record keeps its own key order.
#include "skin/data/SkinIni.h"

#include <string>

namespace skin {

class SkinIniFields;

// "fontname", "fontheight", "fontstyle", "fontcolor". A missing key reads as Arial, 14.
struct SkinFontFields {
    SkinFontFields() = default;
    // For records whose font starts out other than Arial, 14 before any skin is read.
    SkinFontFields(std::string name, int32_t height) : fontName(std::move(name)), fontHeight(height) {}

    std::string fontName = "Arial";
    int32_t fontHeight = 14;
    FontStyles fontStyle;
    core::Color fontColor = 0;

    void exchangeFont(SkinIniFields& fields);
};

// The text of menu items and captions: "textrect", the font, "activefontcolor". Its font is empty
// at creation; reading gives Arial, 14 where the section has none.
struct SkinObjectTextFields : SkinFontFields {
    SkinObjectTextFields() : SkinFontFields({}, 0) {}

    core::Rect textRect;
    core::Color activeFontColor = 0;

    void exchangeObjectText(SkinIniFields& fields);
};

// The corners of a nine-piece picture: "lefttoppoint", "righttoppoint", "leftbottompoint",
// "rightbottompoint".
struct SkinCornerPoints {
    core::Point leftTopPoint;
    core::Point rightTopPoint;
    core::Point leftBottomPoint;
    core::Point rightBottomPoint;

    void exchangeCornerPoints(SkinIniFields& fields);
};

// The two scroll buttons of list-like controls, each normal, active (under the mouse) and down:
// "upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect", "activedownbuttonrect",
// "downdownbuttonrect".
struct SkinUpDownButtonRects {
    core::Rect upButtonRect;
    core::Rect activeUpButtonRect;
    core::Rect downUpButtonRect;
    core::Rect downButtonRect;
    core::Rect activeDownButtonRect;
    core::Rect downDownButtonRect;

    void exchangeUpDownButtons(SkinIniFields& fields);
};

// The one button of edits and combo boxes: "buttonrect", "activebuttonrect", "downbuttonrect",
// "unenabledbuttonrect".
struct SkinButtonRects {
    core::Rect buttonRect;
    core::Rect activeButtonRect;
    core::Rect downButtonRect;
    core::Rect unenabledButtonRect;

    void exchangeButtons(SkinIniFields& fields);
};

// The margins of an item's text in lists and menus: "itemleftoffset", "itemrightoffset".
struct SkinItemOffsets {
    int32_t itemLeftOffset = 0;
    int32_t itemRightOffset = 0;

    void exchangeItemOffsets(SkinIniFields& fields);
};

} // namespace skin
