#pragma once
// Base of the form skin object records: the keys every caption object, button and menu item shares.
// Records are plain data; the store creates and owns them, clients copy or read the fields.
#include "skin/data/SkinFieldGroups.h"
#include "skin/data/SkinIniFields.h"

#include <string>

namespace skin {

class DataSkinObject : public SkinIniRecord {
public:
    explicit DataSkinObject(std::string idName) : idName(std::move(idName)) {}

    // The kind that names this class in [SKINOBJECTS] ("stdbutton"); "" for the abstract bases.
    virtual const char* kind() const { return ""; }

    std::string idName;
    std::string hint;
    int32_t activePictureIndex = -1;
    bool skinRectInAPicture = false;
    core::Rect skinRect;
    core::Rect activeSkinRect;
    core::Rect inactiveSkinRect;
    bool morphing = false;
    MorphKind morphKind = MorphKind::mkDefault;

protected:
    // The section named idName.
    std::string iniSection() const override { return idName; }
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
