#include "labels/win32/StyledLabel.h"

#include <functional>

#include "core/Error.h"
#include "core/Property.h"
#include "gui/Canvas.h"
#include "gui/WinControl.h"
#include "labels/LabelColors.h"
#include "labels/LabelFrames.h"
#include "labels/LabelProperties.h"
#include "labels/win32/CanvasPainter.h"
#include "labels/win32/LabelFonts.h"
#include "labels/win32/WindowsBlinkTimer.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace labels {

namespace {

// Restores the DC's text alignment when drawing is done.
class TextAlignScope {
public:
    TextAlignScope(HDC dc, UINT align) : m_dc(dc), m_old(dc ? SetTextAlign(dc, align) : GDI_ERROR) {}
    ~TextAlignScope() {
        if (m_dc && m_old != GDI_ERROR)
            SetTextAlign(m_dc, m_old);
    }
    TextAlignScope(const TextAlignScope&) = delete;
    TextAlignScope& operator=(const TextAlignScope&) = delete;

private:
    HDC m_dc;
    UINT m_old;
};

UINT textAlignFor(TextAnchor anchor) {
    switch (anchor) {
    case TextAnchor::TopLeft:
        return TA_TOP | TA_LEFT | TA_NOUPDATECP;
    case TextAnchor::TopCenter:
        return TA_TOP | TA_CENTER | TA_NOUPDATECP;
    case TextAnchor::BaselineLeft:
        return TA_BASELINE | TA_LEFT | TA_NOUPDATECP;
    case TextAnchor::BaselineCenter:
        break;
    }
    return TA_BASELINE | TA_CENTER | TA_NOUPDATECP;
}

// The caption split into whole characters (UTF-8 sequences); a stray byte counts as one character.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t n = lead < 0x80           ? 1
                   : (lead >> 5) == 0x6  ? 2
                   : (lead >> 4) == 0xE  ? 3
                   : (lead >> 3) == 0x1E ? 4
                                         : 1;
        if (i + n > text.size())
            n = 1;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                n = 1;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

uint16_t readInterval(const core::PropertyReader& value) {
    int32_t ms = value.asInt();
    if (ms < 0 || ms > 0xFFFF)
        value.fail(std::to_string(ms) + " is not a valid interval");
    return uint16_t(ms);
}

} // namespace

StyledLabel::StyledLabel(core::Component* owner) : gui::CustomLabel(owner) {
    // Parent colour notifications are ignored while the two colour defaults are set.
    setColor(core::clBtnFace);
    setParentColor(true);
    m_normalColor = m_textColor = font().color();
    WindowsBlinkTimer::install();
    BlinkList::registerClient(this);
    m_constructing = false;
}

StyledLabel::~StyledLabel() {
    if (m_frameController)
        m_frameController->removeControl(this);
    m_frameController = nullptr;
    BlinkList::unregisterClient(this);
}

void StyledLabel::changed() {
    adjustSize();
    invalidate();
}

void StyledLabel::setAngle(int32_t value) {
    value = normalizeAngle(value);
    if (m_angle == value)
        return;
    m_angle = value;
    if (!isLoading() && value != 0 && !isTrueTypeFont(font()))
        font().setName("Verdana");
    // Set directly: setRotation(roFlat) would put the angle back to 0.
    if (value != 0 && m_rotation == Rotation::roNone)
        m_rotation = Rotation::roFlat;
    adjustSize();
    repaint();
}

void StyledLabel::setRotation(Rotation value) {
    if (m_rotation == value)
        return;
    m_rotation = value;
    if (!isLoading() && value != Rotation::roNone && !isTrueTypeFont(font()))
        font().setName("Verdana");
    if (value == Rotation::roNone) {
        m_angle = 0;
    } else if (value == Rotation::roFlat) {
        m_angle = 0;
        m_centerPoint = CenterPoint::cpCenter;
    }
    changed();
}

void StyledLabel::setCenterPoint(CenterPoint value) {
    if (m_centerPoint != value) {
        m_centerPoint = value;
        invalidate();
    }
}

void StyledLabel::setBlinking(bool value) {
    if (m_blinking == value)
        return;
    m_blinking = value;
    // Off shows the normal colour at once; on waits for the clock's next tick.
    if (!value) {
        m_textColor = m_normalColor;
        repaint();
    }
}

void StyledLabel::setBlinkColor(core::Color value) {
    if (m_blinkColor != value) {
        m_blinkColor = value;
        invalidate();
    }
}

uint16_t StyledLabel::blinkIntervalOff() const {
    BlinkList* list = BlinkList::instance();
    return list ? list->offInterval() : 500;
}

void StyledLabel::setBlinkIntervalOff(uint16_t ms) {
    if (BlinkList* list = BlinkList::instance())
        list->setOffInterval(ms);
}

uint16_t StyledLabel::blinkIntervalOn() const {
    BlinkList* list = BlinkList::instance();
    return list ? list->onInterval() : 500;
}

void StyledLabel::setBlinkIntervalOn(uint16_t ms) {
    if (BlinkList* list = BlinkList::instance())
        list->setOnInterval(ms);
}

#define LABELS_SETTER(Setter, member, Type, after)                                                           \
    void StyledLabel::Setter(Type value) {                                                                   \
        if (member != value) {                                                                               \
            member = value;                                                                                  \
            after();                                                                                         \
        }                                                                                                    \
    }

LABELS_SETTER(setBevelWidth, m_bevelWidth, int32_t, changed)
LABELS_SETTER(setBorderInner, m_borderInner, FrameStyleEx, changed)
LABELS_SETTER(setBorderOuter, m_borderOuter, FrameStyleEx, changed)
LABELS_SETTER(setBorderSides, m_borderSides, Sides, changed)
LABELS_SETTER(setBorderColor, m_borderColor, core::Color, invalidate)
LABELS_SETTER(setBorderHighlight, m_borderHighlight, core::Color, invalidate)
LABELS_SETTER(setBorderShadow, m_borderShadow, core::Color, invalidate)
LABELS_SETTER(setBorderWidth, m_borderWidth, int32_t, changed)
LABELS_SETTER(setFlatColor, m_flatColor, core::Color, invalidate)
LABELS_SETTER(setFlatColorAdjustment, m_flatColorAdjustment, int32_t, invalidate)
LABELS_SETTER(setFlyByColor, m_flyByColor, core::Color, invalidate)
LABELS_SETTER(setLightTextStyle, m_lightTextStyle, bool, invalidate)
LABELS_SETTER(setHighlightColor, m_highlightColor, core::Color, invalidate)
LABELS_SETTER(setShadowColor, m_shadowColor, core::Color, invalidate)
LABELS_SETTER(setShadowDepth, m_shadowDepth, int32_t, changed)
LABELS_SETTER(setTextMargin, m_textMargin, int32_t, invalidate)
LABELS_SETTER(setTextStyle, m_textStyle, TextStyle, changed)

#undef LABELS_SETTER

void StyledLabel::setCondenseCaption(CondenseCaption value) {
    if (m_condenseCaption == value)
        return;
    m_condenseCaption = value;
    if (value != CondenseCaption::ccNone)
        setAutoSize(false);
    invalidate();
}

void StyledLabel::setFrameController(FrameController* controller) {
    if (m_frameController == controller)
        return;
    if (m_frameController)
        m_frameController->removeControl(this);
    m_frameController = controller;
    if (controller) {
        freeNotification(controller);
        controller->addControl(this); // applies its settings at once
    }
    invalidate();
}

void StyledLabel::setFlyByEnabled(bool value) {
    if (m_flyByEnabled == value)
        return;
    m_flyByEnabled = value;
    // Only a fly-by colour that is showing is taken back; a label the mouse never entered (or has
    // left) keeps its colour.
    if (!value && m_flyByShowing) {
        m_flyByShowing = false;
        font().setColor(m_flyBySavedColor);
    }
    invalidate();
}

void StyledLabel::applyFrameController() {
    if (!m_frameController || !m_frameController->frameVisible())
        return;
    const FrameController& fc = *m_frameController;
    m_borderOuter = fc.frameStyle();
    m_borderSides = fc.frameSides();
    m_flatColor = fc.frameColor();
    m_flatColorAdjustment = 0;
    setColor(fc.color());
    setParentColor(fc.parentColor());
    m_borderHighlight = lightenColor(color(), 100);
    m_borderShadow = darkenColor(color(), 50);
    adjustSize();
    invalidate();
}

void StyledLabel::customFramingChanged(FrameController&) {
    applyFrameController();
}

void StyledLabel::setBlinkState(int state) {
    m_textColor = state == 1 ? m_blinkColor : m_normalColor;
    repaint();
}

intptr_t StyledLabel::blinkMessage(uint32_t message, intptr_t parameter) {
    // The clock's query and state reach the label as messages, like any other sender's would.
    return intptr_t(perform(UINT(message), WPARAM(parameter)));
}

void StyledLabel::controlMessage(gui::Message& m) {
    if (m.msg == blinkQueryMessage) {
        m.result = m_blinking ? 1 : 0;
        return;
    }
    if (m.msg == blinkStateMessage) {
        if (m_blinking)
            setBlinkState(int(m.wParam));
        m.result = 0;
        return;
    }
    gui::CustomLabel::controlMessage(m);
}

BorderMetrics StyledLabel::borderMetrics() const {
    return {m_borderOuter, m_borderInner, m_borderSides, m_borderWidth, m_bevelWidth};
}

Size StyledLabel::growByBorders(Size size) const {
    return labels::growByBorders(size, borderMetrics(), {m_rotation, m_textStyle, m_shadowDepth, m_angle});
}

core::Rect StyledLabel::shrinkByBorders(core::Rect r, IncludeBorderWidth include) const {
    return labels::shrinkByBorders(r, borderMetrics(), include);
}

HorizontalAlignment StyledLabel::horizontalAlignment() const {
    switch (alignment()) {
    case gui::Alignment::taRightJustify:
        return HorizontalAlignment::Right;
    case gui::Alignment::taCenter:
        return HorizontalAlignment::Center;
    default:
        return HorizontalAlignment::Left;
    }
}

UINT StyledLabel::textFlags() const {
    UINT flags = gui::CustomLabel::textFlags();
    if (m_condenseCaption == CondenseCaption::ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (m_condenseCaption == CondenseCaption::ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    return flags;
}

bool StyledLabel::autoSizeBounds(core::Rect& bounds) {
    core::Rect r = shrinkByBorders({0, 0, bounds.width(), bounds.height()}, IncludeBorderWidth::Yes);
    r = {0, 0, std::max(r.width(), 0), std::max(r.height(), 0)};
    // An empty caption still measures one line, as a label shows an empty line.
    std::string text = caption().empty() ? std::string(" ") : caption();
    {
        winbase::WindowDC screen(nullptr);
        if (!screen)
            return false;
        gui::Canvas canvas(screen.get());
        canvas.font().assign(font());
        canvas.drawText(text, r, textFlags() | DT_CALCRECT);
    }
    const Size size = growByBorders({r.width(), r.height()});
    const int32_t left =
        alignment() == gui::Alignment::taRightJustify ? bounds.right - size.width : bounds.left;
    bounds = {left, bounds.top, left + size.width, bounds.top + size.height};
    return true;
}

void StyledLabel::paint(gui::Canvas& canvas) {
    CanvasPainter painter(canvas);
    LabelBorders borders;
    borders.outer = m_borderOuter;
    borders.inner = m_borderInner;
    borders.borderWidth = m_borderWidth;
    borders.sides = m_borderSides;
    borders.bevelWidth = m_bevelWidth;
    borders.borderColor = m_borderColor;
    borders.borderHighlight = m_borderHighlight;
    borders.borderShadow = m_borderShadow;
    borders.flatColor = m_flatColor;
    borders.flatColorAdjustment = m_flatColorAdjustment;
    borders.controlColor = color();
    borders.parentColor = parent() ? parent()->color() : color();
    borders.transparent = isTransparent();
    borders.hot = false;
    core::Rect r = drawLabelBorders(painter, {0, 0, width(), height()}, borders);

    if (!isTransparent()) {
        canvas.brush().setStyle(gui::BrushStyle::bsSolid);
        canvas.brush().setColor(color());
        canvas.fillRect(r);
    }
    canvas.brush().setStyle(gui::BrushStyle::bsClear);
    if (m_rotation == Rotation::roCurve)
        drawArcText(canvas);
    else
        drawStraightText(canvas);
}

void StyledLabel::drawStraightText(gui::Canvas& canvas) {
    const std::string& text = caption();
    core::Rect r = shrinkByBorders(clientRect(), IncludeBorderWidth::Yes);
    r = {r.left + m_textMargin, r.top + m_textMargin, r.right - m_textMargin, r.bottom - m_textMargin};
    const int32_t e = m_shadowDepth / 2;
    const unsigned flags = textFlags();
    canvas.font().assign(font());
    const bool flat = m_rotation == Rotation::roFlat;
    const bool shadow = m_textStyle == TextStyle::tsShadow;

    core::Point at{};
    std::optional<TextAlignScope> align;
    if (flat) {
        FlatTextInput in;
        in.client = {width(), height()};
        in.textRect = r;
        in.angle = m_angle;
        in.alignment = horizontalAlignment();
        in.shadow = shadow;
        in.shadowDepth = m_shadowDepth;
        in.textWidth = canvas.textWidth(text);
        in.sampleHeight = canvas.textHeight("Pp");
        FlatTextPlacement placement = placeFlatText(in);
        at = placement.origin;
        canvas.font().setHandle(createRotatedFont(font(), m_angle));
        align.emplace(canvas.handle(), textAlignFor(placement.anchor));
    } else if (layout() != gui::TextLayout::tlTop) {
        core::Rect measured = r;
        canvas.drawText(text, measured, flags | DT_CALCRECT);
        int32_t delta = height() - m_borderWidth - measured.bottom;
        if (layout() == gui::TextLayout::tlCenter)
            delta /= 2;
        r = r.translated(0, delta);
    }
    if (!flat && shadow) {
        if (alignment() == gui::Alignment::taRightJustify)
            r = r.translated(-m_shadowDepth, 0);
        if (layout() == gui::TextLayout::tlBottom)
            r = r.translated(0, -m_shadowDepth);
    }

    auto draw = [&](core::Color color, int32_t dx, int32_t dy) {
        canvas.font().setColor(color);
        if (flat) {
            canvas.textRect(r, at.x + dx, at.y + dy, text);
        } else {
            core::Rect moved = r.translated(dx, dy);
            canvas.drawText(text, moved, flags);
        }
    };
    // The main text's place: turned drop-shadow text sits half the depth up and left.
    const int32_t main = flat && shadow ? -e : 0;
    drawTextPasses(draw, main, flat ? e : m_shadowDepth);
}

void StyledLabel::drawTextPasses(const std::function<void(core::Color, int32_t, int32_t)>& draw, int32_t main,
                                 int32_t shadowOffset) const {
    if (!isEnabled()) {
        draw(core::clBtnHighlight, main + 1, main + 1);
        draw(core::clBtnShadow, main, main);
        return;
    }
    switch (m_textStyle) {
    case TextStyle::tsRaised:
        if (!m_lightTextStyle)
            draw(m_shadowColor, 1, 1);
        draw(m_highlightColor, -1, -1);
        break;
    case TextStyle::tsRecessed:
        draw(m_highlightColor, 1, 1);
        if (!m_lightTextStyle)
            draw(m_shadowColor, -1, -1);
        break;
    case TextStyle::tsShadow:
        draw(m_shadowColor, shadowOffset, shadowOffset);
        break;
    default:
        break;
    }
    draw(m_textColor, main, main);
}

void StyledLabel::drawArcText(gui::Canvas& canvas) {
    const Size client{width(), height()};
    const core::Point p = arcCenter(m_centerPoint, client, m_borderWidth);
    const Size radii = arcRadii(m_centerPoint, client, m_borderWidth);
    canvas.font().assign(font());
    double alpha = m_angle * std::numbers::pi / 180.0;
    TextAlignScope align(canvas.handle(), TA_BASELINE | TA_CENTER | TA_NOUPDATECP);
    LOGFONTW lf = font().logFont();

    for (std::string_view ch : characters(caption())) {
        const int32_t hY = canvas.textHeight("Yy");
        const int32_t x = int32_t(p.x - nearest(std::sin(alpha) * (radii.width - hY)));
        const int32_t y = int32_t(p.y - nearest(std::cos(alpha) * (radii.height - hY)));
        lf.lfEscapement = LONG(nearest(alpha * 1800 / std::numbers::pi));
        canvas.font().setHandle(winbase::FontHandle(CreateFontIndirectW(&lf)));

        auto draw = [&](core::Color color, int32_t dx, int32_t dy) {
            canvas.font().setColor(color);
            canvas.textOut(x + dx, y + dy, ch);
        };
        drawTextPasses(draw, 0, m_shadowDepth);
        // A radius of 0 would turn the step infinite; the text then stays on one spot.
        if (radii.width != 0)
            alpha -= double(canvas.textWidth("w") + 2) / radii.width;
    }
}

void StyledLabel::mouseEnter() {
    if (!isDesigning() && m_flyByEnabled) {
        m_flyBySavedColor = font().color();
        m_flyByShowing = true;
        font().setColor(m_flyByColor);
    }
    gui::CustomLabel::mouseEnter();
}

void StyledLabel::mouseLeave() {
    if (m_flyByEnabled && m_flyByShowing) {
        m_flyByShowing = false;
        font().setColor(m_flyBySavedColor);
    }
    gui::CustomLabel::mouseLeave();
}

void StyledLabel::fontChanged() {
    if (!isLoading()) {
        if (!m_blinking)
            m_normalColor = m_textColor = font().color();
        if (m_angle != 0 && !isTrueTypeFont(font()))
            m_angle = 0;
    }
    gui::CustomLabel::fontChanged();
}

void StyledLabel::textChanged() {
    gui::CustomLabel::textChanged();
    adjustSize();
    repaint();
}

void StyledLabel::parentColorChanged() {
    if (!m_constructing)
        gui::CustomLabel::parentColorChanged();
}

void StyledLabel::notification(core::Component* component, core::Operation operation) {
    gui::CustomLabel::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_frameController)
        m_frameController = nullptr;
}

void StyledLabel::loaded() {
    if (m_rotation == Rotation::roNone && m_angle != 0)
        m_rotation = Rotation::roFlat;
    if (m_rotation != Rotation::roNone && !isTrueTypeFont(font()))
        font().setName("Verdana");
    m_normalColor = m_textColor = font().color();
    gui::CustomLabel::loaded();
}

bool StyledLabel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Angle")
        setAngle(value.asInt());
    else if (name == "Blinking")
        setBlinking(value.asBool());
    else if (name == "BlinkColor")
        setBlinkColor(value.asColor());
    else if (name == "BlinkIntervalOff")
        setBlinkIntervalOff(readInterval(value));
    else if (name == "BlinkIntervalOn")
        setBlinkIntervalOn(readInterval(value));
    else if (name == "BevelWidth")
        setBevelWidth(value.asInt());
    else if (name == "BorderInner")
        setBorderInner(readEnum(value, frameStyleFromName));
    else if (name == "BorderOuter")
        setBorderOuter(readEnum(value, frameStyleFromName));
    else if (name == "BorderSides")
        setBorderSides(readSides(value));
    else if (name == "BorderColor")
        setBorderColor(value.asColor());
    else if (name == "BorderHighlight")
        setBorderHighlight(value.asColor());
    else if (name == "BorderShadow")
        setBorderShadow(value.asColor());
    else if (name == "BorderWidth")
        setBorderWidth(value.asInt());
    else if (name == "CondenseCaption")
        setCondenseCaption(readEnum(value, condenseCaptionFromName));
    else if (name == "FlatColor")
        setFlatColor(value.asColor());
    else if (name == "FlatColorAdjustment")
        setFlatColorAdjustment(value.asInt());
    else if (name == "FrameController") {
        value.resolveReference([this, property = value.propertyName()](core::Component* c) {
            auto* controller = dynamic_cast<FrameController*>(c);
            if (c && !controller)
                throw core::Error("Property " + property + ": '" + c->name() + "' is not a TFrameController");
            setFrameController(controller);
        });
    } else if (name == "CenterPoint")
        setCenterPoint(readEnum(value, centerPointFromName));
    else if (name == "FlyByColor")
        setFlyByColor(value.asColor());
    else if (name == "FlyByEnabled")
        setFlyByEnabled(value.asBool());
    else if (name == "LightTextStyle")
        setLightTextStyle(value.asBool());
    else if (name == "Rotation")
        setRotation(readEnum(value, rotationFromName));
    else if (name == "HighlightColor")
        setHighlightColor(value.asColor());
    else if (name == "ShadowColor")
        setShadowColor(value.asColor());
    else if (name == "ShadowDepth")
        setShadowDepth(value.asInt());
    else if (name == "TextMargin")
        setTextMargin(value.asInt());
    else if (name == "TextStyle")
        setTextStyle(readEnum(value, textStyleFromName));
    else if (name == "FrameSides" || name == "About") {
        // "FrameSides" is what older layouts stored; "About" is design-time text. Both are read and
        // have no effect.
    } else
        return gui::CustomLabel::setProperty(name, value);
    return true;
}

void StyledLabel::writeProperties(core::PropertyWriter& out) const {
    gui::CustomLabel::writeProperties(out);
    auto ident = [&](const char* name, std::string_view text) { out.writeIdent(name, std::string(text)); };
    if (m_angle != 0)
        out.writeInt("Angle", m_angle);
    if (m_blinking)
        out.writeBool("Blinking", true);
    if (m_blinkColor != core::clHighlight)
        out.writeColor("BlinkColor", m_blinkColor);
    if (blinkIntervalOff() != 500)
        out.writeInt("BlinkIntervalOff", blinkIntervalOff());
    if (blinkIntervalOn() != 500)
        out.writeInt("BlinkIntervalOn", blinkIntervalOn());
    if (m_bevelWidth != 1)
        out.writeInt("BevelWidth", m_bevelWidth);
    if (m_borderInner != FrameStyleEx::fsNone)
        ident("BorderInner", frameStyleName(m_borderInner));
    if (m_borderOuter != FrameStyleEx::fsNone)
        ident("BorderOuter", frameStyleName(m_borderOuter));
    if (m_borderSides != Sides::all())
        writeSides(out, "BorderSides", m_borderSides);
    if (m_borderColor != core::clBtnFace)
        out.writeColor("BorderColor", m_borderColor);
    if (m_borderHighlight != core::clBtnHighlight)
        out.writeColor("BorderHighlight", m_borderHighlight);
    if (m_borderShadow != core::clBtnShadow)
        out.writeColor("BorderShadow", m_borderShadow);
    if (m_borderWidth != 0)
        out.writeInt("BorderWidth", m_borderWidth);
    if (m_condenseCaption != CondenseCaption::ccNone)
        ident("CondenseCaption", condenseCaptionName(m_condenseCaption));
    if (m_flatColor != core::clBtnShadow)
        out.writeColor("FlatColor", m_flatColor);
    if (m_flatColorAdjustment != 30)
        out.writeInt("FlatColorAdjustment", m_flatColorAdjustment);
    out.writeReference("FrameController", m_frameController);
    if (m_centerPoint != CenterPoint::cpCenter)
        ident("CenterPoint", centerPointName(m_centerPoint));
    if (m_flyByColor != core::clHighlight)
        out.writeColor("FlyByColor", m_flyByColor);
    if (m_flyByEnabled)
        out.writeBool("FlyByEnabled", true);
    if (m_lightTextStyle)
        out.writeBool("LightTextStyle", true);
    if (m_rotation != Rotation::roNone)
        ident("Rotation", rotationName(m_rotation));
    if (m_highlightColor != core::clBtnHighlight)
        out.writeColor("HighlightColor", m_highlightColor);
    if (m_shadowColor != core::clBtnShadow)
        out.writeColor("ShadowColor", m_shadowColor);
    if (m_shadowDepth != 2)
        out.writeInt("ShadowDepth", m_shadowDepth);
    if (m_textMargin != 0)
        out.writeInt("TextMargin", m_textMargin);
    if (m_textStyle != TextStyle::tsNormal)
        ident("TextStyle", textStyleName(m_textStyle));
}

} // namespace labels
