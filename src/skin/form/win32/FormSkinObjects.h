#pragma once
// Classes in this file: FormSkinObject (the base), UserObject, SkinAnimateObject, SkinButtonObject,
// SkinStdButtonObject, SkinCaptionObject — the caption, buttons, animations and user-drawn areas of
// a skinned window's frame. Each is made from one form object record of the skin (or, for the
// built-in buttons, from none), draws itself into a 24-bit bitmap and answers the mouse events the
// skinned form routes to it.
#include "core/FBitmap.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/form/FormLayout.h"

#include <string>

namespace gui {
class Font;
class MenuItem;
enum class MouseButton;
} // namespace gui

namespace skin {

class SkinForm;

class FormSkinObject {
public:
    // record may be null (built-in buttons). The record is read now; no pointer to it is kept.
    FormSkinObject(SkinForm& form, const DataSkinObject* record);
    virtual ~FormSkinObject() = default;
    FormSkinObject(const FormSkinObject&) = delete;
    FormSkinObject& operator=(const FormSkinObject&) = delete;

    virtual FormObjectKind kind() const { return FormObjectKind::User; }
    virtual WindowCommand command() const { return WindowCommand::cmDefault; }

    virtual bool canMorph() const;
    // Draws the object at objectRect moved by -origin into dest. full: the object is drawn alone (its
    // normal image too); otherwise into frame strips that already show the frame picture.
    virtual void draw(core::FBitmap& dest, core::Point origin, bool full);
    virtual void dblClick() {}
    virtual void mouseDown(int32_t x, int32_t y, gui::MouseButton button);
    virtual void mouseUp(int32_t x, int32_t y, gui::MouseButton button);
    virtual void mouseMove(int32_t x, int32_t y);
    virtual void mouseEnter();
    virtual void mouseLeave();

    // Starts the morph when the object morphs, else draws it now.
    void startMorph();
    // One morph tick toward the current state, then draws it now.
    void morphStep();
    // Before size-moves and on activation: not under the mouse, normal image.
    virtual void resetState();

    std::string idName;
    std::string hint;
    core::Rect skinRect;
    core::Rect activeSkinRect;
    core::Rect inactiveSkinRect;
    core::Rect objectRect;
    bool skinRectInAPicture = false;
    bool active = false;
    bool morphing = false;
    int morphKind = 0;
    bool enabled = true;
    bool visible = true;
    bool mouseIn = false;
    double morphFactor = 0;

protected:
    const core::FBitmap* activePicture() const;
    const core::FBitmap* mainPicture() const;
    // Copies src of picture (scaled when the sizes differ) to the object's place.
    void copyTo(core::FBitmap& dest, core::Point origin, const core::FBitmap* picture,
                const core::Rect& src) const;
    // The morph between two images of the object's size, by the factor and the morph kind.
    void drawMorph(core::FBitmap& dest, core::Point origin, const core::FBitmap* fromPicture,
                   const core::Rect& from, const core::Rect& to) const;
    // The mouse came over the object (in) or left it: the state, then the morph or a redraw.
    void hover(bool in);
    bool morphInBetween() const {
        return morphing && ((active && morphFactor != 1) || (!active && morphFactor != 0));
    }

    SkinForm& m_form;
    int m_activePictureIndex = -1;
};

class UserObject final : public FormSkinObject {
public:
    using FormSkinObject::FormSkinObject;
    void draw(core::FBitmap& dest, core::Point origin, bool full) override;
};

class SkinButtonObject : public FormSkinObject {
public:
    SkinButtonObject(SkinForm& form, const DataSkinButton* record);
    FormObjectKind kind() const override { return FormObjectKind::Button; }

    bool canMorph() const override;
    void draw(core::FBitmap& dest, core::Point origin, bool full) override;
    void mouseDown(int32_t x, int32_t y, gui::MouseButton button) override;
    void mouseUp(int32_t x, int32_t y, gui::MouseButton button) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void setDown(bool down);
    // Opens the object's menu below (or above) it.
    void showObjectMenu();

    bool down = false;
    bool popupUp = false;
    core::Rect disableSkinRect;
    core::Rect downRect;
    gui::MenuItem* menuItem = nullptr;
};

class SkinStdButtonObject final : public SkinButtonObject {
public:
    // A built-in button (no record) of the command, with a 1 x 1 placeholder image.
    SkinStdButtonObject(SkinForm& form, const std::string& idName, WindowCommand command);
    SkinStdButtonObject(SkinForm& form, const DataSkinStdButton* record);
    FormObjectKind kind() const override { return FormObjectKind::StdButton; }
    WindowCommand command() const override { return m_command; }

    bool canMorph() const override;
    void draw(core::FBitmap& dest, core::Point origin, bool full) override;
    void mouseDown(int32_t x, int32_t y, gui::MouseButton button) override;
    void mouseUp(int32_t x, int32_t y, gui::MouseButton button) override;
    void dblClick() override;
    bool hasRecord() const { return m_hasRecord; }

    core::Rect restoreRect;
    core::Rect restoreActiveRect;
    core::Rect restoreInactiveRect;
    core::Rect restoreDownRect;

private:
    void drawBuiltIn(core::FBitmap& dest, core::Point origin) const;
    bool inRestoreState() const;

    bool m_hasRecord = false;
    WindowCommand m_command = WindowCommand::cmDefault;
};

class SkinCaptionObject final : public FormSkinObject {
public:
    SkinCaptionObject(SkinForm& form, const DataSkinCaption* record);
    FormObjectKind kind() const override { return FormObjectKind::Caption; }

    void draw(core::FBitmap& dest, core::Point origin, bool full) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void resetState() override {}

private:
    core::Rect textArea() const;
    // The record's font with the skin's character set.
    void setCaptionFont(gui::Font& font) const;
    // The normal or active background image of the object's size, text included.
    core::FBitmap backgroundImage(bool activeImage) const;
    // The caption text with its shadow (and plate) into dest at the object's place.
    void drawText(core::FBitmap& dest, core::Point origin, bool activeText) const;

    DataSkinCaption m_record;
};

class SkinAnimateObject final : public FormSkinObject {
public:
    SkinAnimateObject(SkinForm& form, const DataSkinAnimate* record);
    FormObjectKind kind() const override { return FormObjectKind::Animate; }
    WindowCommand command() const override { return m_command; }
    bool buttonStyle() const { return m_buttonStyle; }

    bool canMorph() const override { return false; }
    void draw(core::FBitmap& dest, core::Point origin, bool full) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseUp(int32_t x, int32_t y, gui::MouseButton button) override;
    void dblClick() override;
    void resetState() override;
    // One 25 ms tick of the form's animation timer.
    void animationTick();

    int32_t frame = 1;

private:
    int32_t m_elapsed = 25;
    int32_t m_interval = 25;
    int32_t m_countFrames = 1;
    bool m_cycle = false;
    bool m_buttonStyle = false;
    bool m_forward = true;
    WindowCommand m_command = WindowCommand::cmDefault;
};

} // namespace skin
