#pragma once
// Classes in this file: DataSkinControl, DataSkinCustomControl — the bases of the control skin
// records listed in [SKINCONTROLS]. A control record starts with its reading defaults, so a record
// that was never read looks the same to clients as one read from an empty section.
#include "skin/data/SkinIni.h"

#include <string>

namespace skin {

class SkinIniFields;

class DataSkinControl {
public:
    explicit DataSkinControl(std::string idName) : idName(std::move(idName)) {}
    virtual ~DataSkinControl() = default;
    DataSkinControl(const DataSkinControl&) = default;
    DataSkinControl& operator=(const DataSkinControl&) = default;

    // The kind that names this class in [SKINCONTROLS] ("panel"); "" for the abstract bases.
    virtual const char* kind() const { return ""; }

    // Reads the record's keys from the section named idName.
    virtual void readFromIni(const MemIniFile& ini);
    // Erases the section named idName, then writes every key that readFromIni reads, in that order.
    virtual void writeToIni(MemIniFile& ini) const;

    std::string idName;
    int32_t pictureIndex = -1;
    int32_t maskPictureIndex = -1;
    core::Rect skinRect;

protected:
    // Lists the class's keys, parent's first; used for both reading and writing.
    virtual void exchangeFields(SkinIniFields& fields);
};

// Adds the nine-piece geometry: corner points and client rect, relative to skinRect's top-left.
class DataSkinCustomControl : public DataSkinControl {
public:
    using DataSkinControl::DataSkinControl;

    core::Point leftTopPoint;
    core::Point rightTopPoint;
    core::Point leftBottomPoint;
    core::Point rightBottomPoint;
    core::Rect clientRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
