#pragma once
// Classes in this file: SkinPanel, SkinGroupBox.
// A container drawn from a panel record, with an optional caption band that can carry a check box,
// a glyph and a roll-up arrow; a click on the caption toggles the check state or rolls the panel up
// to its caption. The group box is the same control with the "groupbox" record and the caption on.
#include "gui/Bitmap.h"
#include "skin/controls/SkinCustomControl.h"
#include "skin/controls/core/PanelGeometry.h"

namespace skin {

class SkinPanel : public SkinCustomControl {
public:
    explicit SkinPanel(core::Component* owner = nullptr);
    ~SkinPanel() override;

    const char* className() const override { return "TSkinPanel"; }

    // Height before rolling up; -1 while not rolled up.
    int32_t realHeight() const { return m_realHeight; }
    void setRealHeight(int32_t value) { m_realHeight = value; }
    // With checkedMode on, setting checked enables or disables every child.
    bool autoEnabledControls() const { return m_autoEnabledControls; }
    void setAutoEnabledControls(bool value) { m_autoEnabledControls = value; }
    bool checkedMode() const { return m_checkedMode; }
    void setCheckedMode(bool value);
    bool isChecked() const { return m_checked; }
    // Fires onChecked every time, also when the value does not change.
    void setChecked(bool value);
    CaptionAlignment defaultAlignment() const { return m_defaultAlignment; }
    void setDefaultAlignment(CaptionAlignment value);
    int32_t defaultCaptionHeight() const { return m_defaultCaptionHeight; }
    virtual void setDefaultCaptionHeight(int32_t value);
    SkinBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(SkinBorderStyle value);
    bool captionMode() const { return m_captionMode; }
    virtual void setCaptionMode(bool value);
    bool rollUpMode() const { return m_rollUpMode; }
    // Turning it off while rolled up does not unroll.
    void setRollUpMode(bool value);
    bool rollUpState() const { return m_rollUpState; }
    // Rolls the panel up to its caption (hiding every child) or down again (showing every child).
    void setRollUpState(bool value);
    // A strip of numGlyphs equal frames drawn before the caption; frame 2 when disabled.
    gui::Bitmap& glyph() { return m_glyph; }
    void setGlyph(const gui::Bitmap& glyph);
    int32_t numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int32_t value);
    int32_t spacing() const { return m_spacing; }
    void setSpacing(int32_t value);

    // The caption rectangle placed on the current size (skinned); all zero unskinned.
    core::Rect captionRectForSize() const;

    core::Rect alignClientRect() const override;
    void skinChanged() override;

    core::NotifyEvent onChecked;
    core::NotifyEvent onChangeRollUpState;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void readSkinRecord() override;
    void paint(gui::Canvas& canvas) override;
    void paintUnskinned(core::FBitmap& bitmap) override;
    void paintSkinned(core::FBitmap& bitmap) override;
    void createParams(gui::CreateParams& params) override;
    void mouseUp(gui::MouseButton button, gui::ShiftState shift, int x, int y) override;
    void textChanged() override;
    void enabledChanged() override;
    void boundsChanged(bool sizeChanged) override;

private:
    // The panel record's caption fields; defaults when the record is of another kind.
    struct CaptionSkin {
        int32_t bgPictureIndex = -1;
        core::Rect captionRect;
        CaptionAlignment alignment = CaptionAlignment::taCenter;
        std::string fontName;
        int32_t fontHeight = 14;
        uint8_t fontStyle = 0;
        core::Color fontColor = 0;
        core::Rect checkImageRect;
        core::Rect uncheckImageRect;
    };

    const core::FBitmap* backgroundPicture() const;
    int32_t rolledUpHeight() const;
    void rollUp();
    void unroll();
    uint8_t captionCharset(const gui::Font& fallback) const;
    int32_t glyphFrameWidth() const;
    // Draws the caption text and glyph at origin into r; width of text and glyph is measured first.
    void drawCaption(core::FBitmap& bitmap, const core::Rect& r, const gui::Font& font,
                     CaptionAlignment alignment, bool skinned, core::Color arrowColor, int32_t arrowRight);
    void repaintAndRealign();

    int32_t m_realHeight = -1;
    bool m_autoEnabledControls = true;
    bool m_checkedMode = false;
    bool m_checked = false;
    CaptionAlignment m_defaultAlignment = CaptionAlignment::taLeftJustify;
    int32_t m_defaultCaptionHeight = 22;
    SkinBorderStyle m_borderStyle = SkinBorderStyle::bvFrame;
    bool m_captionMode = false;
    bool m_rollUpMode = false;
    bool m_rollUpState = false;
    gui::Bitmap m_glyph;
    int32_t m_numGlyphs = 1;
    int32_t m_spacing = 2;
    CaptionSkin m_captionSkin;
};

class SkinGroupBox : public SkinPanel {
public:
    explicit SkinGroupBox(core::Component* owner = nullptr);
    const char* className() const override { return "TSkinGroupBox"; }
};

} // namespace skin
