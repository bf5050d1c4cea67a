#pragma once
// Classes in this file: DataSkinPopupWindow, DataSkinHintWindow — the store's [POPUPWINDOW] and
// [HINTWINDOW] records (not in any list, no idName).
#include "skin/data/SkinIni.h"

#include <string>

namespace skin {

class SkinIniFields;

// The frame of skinned popup menus; windowPictureIndex -1 means popups are drawn without a skin.
class DataSkinPopupWindow {
public:
    static constexpr const char* sectionName = "POPUPWINDOW";

    void readFromIni(const MemIniFile& ini);
    // Not used by the store; lets tools write the section back.
    void writeToIni(MemIniFile& ini) const;

    int32_t windowPictureIndex = -1;
    int32_t maskPictureIndex = -1;
    core::Point leftTopPoint;
    core::Point rightTopPoint;
    core::Point leftBottomPoint;
    core::Point rightBottomPoint;
    core::Rect itemsRect;
    core::Color scrollMarkerColor = 0;
    core::Color scrollMarkerActiveColor = 0;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;

private:
    void exchangeFields(SkinIniFields& fields);
};

// The frame and font of skinned hints; windowPictureIndex -1 means hints are drawn without a skin.
class DataSkinHintWindow {
public:
    static constexpr const char* sectionName = "HINTWINDOW";

    void readFromIni(const MemIniFile& ini);
    // Not used by the store; lets tools write the section back.
    void writeToIni(MemIniFile& ini) const;

    int32_t windowPictureIndex = -1;
    int32_t maskPictureIndex = -1;
    core::Point leftTopPoint;
    core::Point rightTopPoint;
    core::Point leftBottomPoint;
    core::Point rightBottomPoint;
    core::Rect clientRect;
    std::string fontName = "Arial";
    int32_t fontHeight = 12; // before any skin is read; a section without the key gives 14
    FontStyles fontStyle;
    core::Color fontColor = 0;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;

private:
    void exchangeFields(SkinIniFields& fields);
};

} // namespace skin
