#pragma once
// Classes in this file: DataUserObject, DataSkinButton, DataSkinStdButton, DataSkinMainMenuBarButton,
// DataSkinAnimate, DataSkinMenuItem, DataSkinMainMenuItem, DataSkinMainMenuBarItem, DataSkinCaption —
// the form skin object records listed in [SKINOBJECTS], one class per kind.
#include "skin/data/DataSkinObject.h"

namespace skin {

// An object drawn by the application; only its place ("skinrect") comes from the skin.
class DataUserObject : public DataSkinObject {
public:
    using DataSkinObject::DataSkinObject;
    const char* kind() const override { return "userobject"; }

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinButton : public DataSkinObject {
public:
    using DataSkinObject::DataSkinObject;
    const char* kind() const override { return "button"; }

    core::Rect downRect;
    core::Rect disableSkinRect; // key "disableskinrsect", spelled so in every skin

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// A system button of the caption.
class DataSkinStdButton : public DataSkinButton {
public:
    using DataSkinButton::DataSkinButton;
    const char* kind() const override { return "stdbutton"; }

    WindowCommand command = WindowCommand::cmClose; // zero at creation; read default cmDefault
    core::Rect restoreRect;
    core::Rect restoreActiveRect;
    core::Rect restoreDownRect;
    core::Rect restoreInactiveRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// A button at the end of the main-menu bar.
class DataSkinMainMenuBarButton : public DataSkinStdButton {
public:
    using DataSkinStdButton::DataSkinStdButton;
    const char* kind() const override { return "mainmenubarbutton"; }
};

// An animated caption object; it never morphs, whatever its section says.
class DataSkinAnimate : public DataSkinObject {
public:
    using DataSkinObject::DataSkinObject;
    const char* kind() const override { return "animate"; }

    int32_t countFrames = 0;
    bool cycle = false;
    bool buttonStyle = false;
    int32_t timerInterval = 0;
    WindowCommand command = WindowCommand::cmClose;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// An entry of a skinned popup menu.
class DataSkinMenuItem : public DataSkinObject, public SkinItemOffsets, public SkinObjectTextFields {
public:
    using DataSkinObject::DataSkinObject;
    const char* kind() const override { return "menuitem"; }

    core::Rect dividerRect;
    int32_t dividerLeftOffset = 0;
    int32_t dividerRightOffset = 0;
    core::Color unenabledFontColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// An item of the main-menu bar.
class DataSkinMainMenuItem : public DataSkinObject, public SkinItemOffsets, public SkinObjectTextFields {
public:
    using DataSkinObject::DataSkinObject;

    core::Rect downRect;
    core::Color downFontColor = 0;
    core::Color unenabledFontColor = 0; // key "unenabledfontColor"

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinMainMenuBarItem : public DataSkinMainMenuItem {
public:
    using DataSkinMainMenuItem::DataSkinMainMenuItem;
    const char* kind() const override { return "mainmenubaritem"; }
};

// The window caption text and its optional plate.
class DataSkinCaption : public DataSkinObject, public SkinObjectTextFields {
public:
    using DataSkinObject::DataSkinObject;
    const char* kind() const override { return "caption"; }

    Alignment alignment = Alignment::taLeftJustify; // zero at creation; read default taCenter
    bool shadow = false;
    core::Color shadowColor = 0;
    core::Color activeShadowColor = 0;
    core::Rect frameRect;
    core::Rect activeFrameRect;
    core::Rect frameTextRect;
    int32_t frameLeftOffset = 0;
    int32_t frameRightOffset = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
