#pragma once
// A window-less text label with 3-D text styles (raised, recessed, drop shadow), text turned to any
// angle or laid along an arc, a frame on any of its sides, blinking on the process-wide blink clock,
// and a fly-by colour while the mouse is over it.
#include "gui/Label.h"
#include "labels/BlinkList.h"
#include "labels/FrameController.h"
#include "labels/LabelGeometry.h"
#include "labels/LabelTypes.h"

#include <functional>
#include <string_view>

namespace gui {
class Canvas;
}

namespace labels {

class StyledLabel : public gui::CustomLabel, public CustomFraming, public BlinkClient {
public:
    explicit StyledLabel(core::Component* owner = nullptr);
    ~StyledLabel() override;

    const char* className() const override { return "TStyledLabel"; }

    // Angle in degrees: below 0 one turn is added, others are taken modulo 360. A non-zero angle
    // turns roNone into roFlat and needs a TrueType font ("Verdana" is taken otherwise).
    int32_t angle() const { return m_angle; }
    void setAngle(int32_t value);
    Rotation rotation() const { return m_rotation; }
    void setRotation(Rotation value);
    CenterPoint centerPoint() const { return m_centerPoint; }
    void setCenterPoint(CenterPoint value);

    bool isBlinking() const { return m_blinking; }
    void setBlinking(bool value);
    core::Color blinkColor() const { return m_blinkColor; }
    void setBlinkColor(core::Color value);
    // Process-wide: they time every label's blinking.
    uint16_t blinkIntervalOff() const;
    void setBlinkIntervalOff(uint16_t ms);
    uint16_t blinkIntervalOn() const;
    void setBlinkIntervalOn(uint16_t ms);

    int32_t bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int32_t value);
    FrameStyleEx borderInner() const { return m_borderInner; }
    void setBorderInner(FrameStyleEx value);
    FrameStyleEx borderOuter() const { return m_borderOuter; }
    void setBorderOuter(FrameStyleEx value);
    Sides borderSides() const { return m_borderSides; }
    void setBorderSides(Sides value);
    core::Color borderColor() const { return m_borderColor; }
    void setBorderColor(core::Color value);
    core::Color borderHighlight() const { return m_borderHighlight; }
    void setBorderHighlight(core::Color value);
    core::Color borderShadow() const { return m_borderShadow; }
    void setBorderShadow(core::Color value);
    int32_t borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int32_t value);
    CondenseCaption condenseCaption() const { return m_condenseCaption; }
    // Shortening the caption turns automatic size off.
    void setCondenseCaption(CondenseCaption value);
    core::Color flatColor() const { return m_flatColor; }
    void setFlatColor(core::Color value);
    int32_t flatColorAdjustment() const { return m_flatColorAdjustment; }
    void setFlatColorAdjustment(int32_t value);
    FrameController* frameController() const { return m_frameController; }
    void setFrameController(FrameController* controller);

    core::Color flyByColor() const { return m_flyByColor; }
    void setFlyByColor(core::Color value);
    bool flyByEnabled() const { return m_flyByEnabled; }
    void setFlyByEnabled(bool value);

    bool lightTextStyle() const { return m_lightTextStyle; }
    void setLightTextStyle(bool value);
    core::Color highlightColor() const { return m_highlightColor; }
    void setHighlightColor(core::Color value);
    core::Color shadowColor() const { return m_shadowColor; }
    void setShadowColor(core::Color value);
    int32_t shadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(int32_t value);
    int32_t textMargin() const { return m_textMargin; }
    void setTextMargin(int32_t value);
    TextStyle textStyle() const { return m_textStyle; }
    void setTextStyle(TextStyle value);

    // The colour the text is drawn in now: the normal (font) colour, or the blink colour while the
    // blink clock is in its on phase.
    core::Color textColor() const { return m_textColor; }
    core::Color normalColor() const { return m_normalColor; }

    // The frame controller's settings, taken when it shows frames.
    virtual void applyFrameController();
    // 1: show the blink colour; 0: the normal colour. Repaints at once.
    virtual void setBlinkState(int state);
    virtual Size growByBorders(Size size) const;
    virtual core::Rect shrinkByBorders(core::Rect r, IncludeBorderWidth include) const;

    void customFramingChanged(FrameController& controller) override;
    intptr_t blinkMessage(uint32_t message, intptr_t parameter) override;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;
    void loaded() override;

protected:
    void paint(gui::Canvas& canvas) override;
    // Answers the blink clock's query (1 while blinking) and takes its state.
    void controlMessage(gui::Message& m) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void fontChanged() override;
    void textChanged() override;
    void parentColorChanged() override;
    void notification(core::Component* component, core::Operation operation) override;
    // The size for the caption with frames, shadow and rotation; right-aligned labels keep their
    // right edge.
    bool autoSizeBounds(core::Rect& bounds) override;
    // The label's flags plus the caption-shortening ellipsis.
    UINT textFlags() const override;
    // Whether the fly-by colour is showing now (the mouse entered with fly-by on and has not left).
    bool isFlyByShowing() const { return m_flyByShowing; }
    // Replaces the colour that leaving the label brings back.
    void setFlyBySavedColor(core::Color color) { m_flyBySavedColor = color; }

private:
    BorderMetrics borderMetrics() const;
    HorizontalAlignment horizontalAlignment() const;
    void drawStraightText(gui::Canvas& canvas);
    void drawArcText(gui::Canvas& canvas);
    // The passes of the text style (disabled look, raised, recessed, shadow) and then the text itself;
    // draw paints the text in a colour at an offset.
    void drawTextPasses(const std::function<void(core::Color, int32_t, int32_t)>& draw, int32_t main,
                        int32_t shadowOffset) const;
    void changed();

    int32_t m_angle = 0;
    Rotation m_rotation = Rotation::roNone;
    CenterPoint m_centerPoint = CenterPoint::cpCenter;
    bool m_blinking = false;
    core::Color m_blinkColor = core::clHighlight;
    int32_t m_bevelWidth = 1;
    FrameStyleEx m_borderInner = FrameStyleEx::fsNone;
    FrameStyleEx m_borderOuter = FrameStyleEx::fsNone;
    Sides m_borderSides = Sides::all();
    core::Color m_borderColor = core::clBtnFace;
    core::Color m_borderHighlight = core::clBtnHighlight;
    core::Color m_borderShadow = core::clBtnShadow;
    int32_t m_borderWidth = 0;
    CondenseCaption m_condenseCaption = CondenseCaption::ccNone;
    core::Color m_flatColor = core::clBtnShadow;
    int32_t m_flatColorAdjustment = 30;
    FrameController* m_frameController = nullptr;
    core::Color m_flyByColor = core::clHighlight;
    bool m_flyByEnabled = false;
    bool m_lightTextStyle = false;
    core::Color m_highlightColor = core::clBtnHighlight;
    core::Color m_shadowColor = core::clBtnShadow;
    int32_t m_shadowDepth = 2;
    int32_t m_textMargin = 0;
    TextStyle m_textStyle = TextStyle::tsNormal;

    core::Color m_normalColor = core::clBlack;
    core::Color m_textColor = core::clBlack;
    core::Color m_flyBySavedColor = core::clBlack;
    bool m_flyByShowing = false;
    bool m_constructing = true;
};

} // namespace labels
