#pragma once
// Classes in this file: DataSkinPanelControl, DataSkinButtonControl, DataSkinMenuButtonControl,
// DataSkinLabelControl, DataSkinStdLabelControl, DataSkinBevel — the control records that the
// launcher's own controls draw from. The other kinds are in DataSkinOtherControls.h.
#include "skin/data/DataSkinControl.h"

namespace skin {

// Panels, group boxes, status bars and tool panels.
class DataSkinPanelControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "panel"; }

    int32_t bgPictureIndex = -1;
    core::Rect captionRect; // empty for a plain panel
    Alignment alignment = Alignment::taCenter;
    core::Rect checkImageRect;   // absolute in the picture
    core::Rect uncheckImageRect; // absolute in the picture

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinButtonControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "button"; }

    core::Color activeFontColor = 0;
    core::Color downFontColor = 0;
    core::Color disabledFontColor = 0;
    core::Rect activeSkinRect;   // absolute in the picture
    core::Rect downSkinRect;     // absolute in the picture
    core::Rect disabledSkinRect; // absolute in the picture
    bool morphing = false;
    MorphKind morphKind = MorphKind::mkDefault;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinMenuButtonControl : public DataSkinButtonControl {
public:
    using DataSkinButtonControl::DataSkinButtonControl;
    const char* kind() const override { return "menubutton"; }

    core::Rect trackButtonRect; // the part of the button that opens its menu

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// A label drawn on a skinned plate.
class DataSkinLabelControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "label"; }

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// A plain label or link that takes only its font from the skin.
class DataSkinStdLabelControl : public DataSkinControl, public SkinFontFields {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "stdlabel"; }

    core::Color activeFontColor = core::clBlue; // link colour under the mouse

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinBevel : public DataSkinControl {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "bevel"; }

    core::Color lightColor = 0;
    core::Color darkColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
