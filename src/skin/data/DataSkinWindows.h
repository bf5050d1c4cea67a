#pragma once
// Classes in this file: DataSkinWindowFrame, DataSkinPopupWindow, DataSkinHintWindow — the store's
// [POPUPWINDOW] and [HINTWINDOW] records (not in any list, no idName) and the frame keys they share.
#include "skin/data/SkinFieldGroups.h"
#include "skin/data/SkinIniFields.h"

#include <string>

namespace skin {

// A nine-piece window picture: "windowpictureindex", "maskpictureindex", the corner points, the
// window's own keys, then the four stretch flags.
class DataSkinWindowFrame : public SkinIniRecord, public SkinCornerPoints {
public:
    // writeToIni is not used by the store; it lets tools write the section back.

    int32_t windowPictureIndex = -1;
    int32_t maskPictureIndex = -1;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;

protected:
    explicit DataSkinWindowFrame(const char* section) : m_section(section) {}

    std::string iniSection() const override { return m_section; }
    void exchangeFields(SkinIniFields& fields) final;
    // The keys between the corner points and the stretch flags.
    virtual void exchangeWindowFields(SkinIniFields& fields) = 0;

private:
    const char* m_section;
};

// The frame of skinned popup menus; windowPictureIndex -1 means popups are drawn without a skin.
class DataSkinPopupWindow : public DataSkinWindowFrame {
public:
    static constexpr const char* sectionName = "POPUPWINDOW";

    DataSkinPopupWindow() : DataSkinWindowFrame(sectionName) {}

    core::Rect itemsRect;
    core::Color scrollMarkerColor = 0;
    core::Color scrollMarkerActiveColor = 0;

protected:
    void exchangeWindowFields(SkinIniFields& fields) override;
};

// The frame and font of skinned hints; windowPictureIndex -1 means hints are drawn without a skin.
// Its font height is 12 before any skin is read; a section without the key gives 14.
class DataSkinHintWindow : public DataSkinWindowFrame, public SkinFontFields {
public:
    static constexpr const char* sectionName = "HINTWINDOW";

    DataSkinHintWindow() : DataSkinWindowFrame(sectionName), SkinFontFields("Arial", 12) {}

    core::Rect clientRect;

protected:
    void exchangeWindowFields(SkinIniFields& fields) override;
};

} // namespace skin
