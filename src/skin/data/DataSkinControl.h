#pragma once
// Classes in this file: DataSkinControl, DataSkinCustomControl — the bases of the control skin
// records listed in [SKINCONTROLS]. A control record starts with its reading defaults, so a record
// that was never read looks the same to clients as one read from an empty section.
#include "skin/data/SkinFieldGroups.h"
#include "skin/data/SkinIniFields.h"

#include <string>

namespace skin {

class DataSkinControl : public SkinIniRecord {
public:
    explicit DataSkinControl(std::string idName) : idName(std::move(idName)) {}

    // The kind that names this class in [SKINCONTROLS] ("panel"); "" for the abstract bases.
    virtual const char* kind() const { return ""; }

    std::string idName;
    int32_t pictureIndex = -1;
    int32_t maskPictureIndex = -1;
    core::Rect skinRect;

protected:
    // The section named idName.
    std::string iniSection() const override { return idName; }
    void exchangeFields(SkinIniFields& fields) override;
};

// Adds the nine-piece geometry: corner points and client rect, relative to skinRect's top-left.
class DataSkinCustomControl : public DataSkinControl, public SkinCornerPoints {
public:
    using DataSkinControl::DataSkinControl;

    core::Rect clientRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
