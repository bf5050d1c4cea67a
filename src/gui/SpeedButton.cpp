#include "gui/SpeedButton.h"

#include "gui/Canvas.h"
#include "gui/WinControl.h"
#include "gui/WindowFrame.h"

#include <algorithm>
#include <cstring>

namespace gui {

namespace {

constexpr std::initializer_list<const char*> layoutNames = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                            "blGlyphBottom"};

} // namespace

ButtonGlyphLayout layoutButtonGlyph(core::Point client, core::Point glyph, core::Point text,
                                    ButtonLayout layout, int margin, int spacing) {
    const bool horizontal = layout == ButtonLayout::blGlyphLeft || layout == ButtonLayout::blGlyphRight;
    const bool hasGlyph = glyph.x > 0 && glyph.y > 0;
    const bool hasText = text.x > 0 && text.y > 0;
    if (!hasGlyph)
        glyph = {0, 0};
    if (!hasText)
        text = {0, 0};
    const int32_t along = horizontal ? client.x : client.y;
    const int32_t glyphAlong = horizontal ? glyph.x : glyph.y;
    const int32_t textAlong = horizontal ? text.x : text.y;
    if (!hasGlyph || !hasText) {
        spacing = 0;
    } else if (spacing < 0) {
        // Spread evenly: the same gap before, between and after.
        const int32_t free = along - glyphAlong - textAlong;
        spacing = margin < 0 ? free / 3 : std::max(0, free - 2 * margin);
        if (margin < 0)
            margin = spacing;
    }
    if (margin < 0)
        margin = (along - (glyphAlong + spacing + textAlong)) / 2;

    ButtonGlyphLayout r;
    core::Point t;
    if (horizontal) {
        r.glyph.y = (client.y - glyph.y + 1) / 2;
        t.y = (client.y - text.y + 1) / 2;
    } else {
        r.glyph.x = (client.x - glyph.x + 1) / 2;
        t.x = (client.x - text.x + 1) / 2;
    }
    switch (layout) {
    case ButtonLayout::blGlyphLeft:
        r.glyph.x = margin;
        t.x = margin + glyph.x + spacing;
        break;
    case ButtonLayout::blGlyphRight:
        r.glyph.x = client.x - margin - glyph.x;
        t.x = r.glyph.x - spacing - text.x;
        break;
    case ButtonLayout::blGlyphTop:
        r.glyph.y = margin;
        t.y = margin + glyph.y + spacing;
        break;
    case ButtonLayout::blGlyphBottom:
        r.glyph.y = client.y - margin - glyph.y;
        t.y = r.glyph.y - spacing - text.y;
        break;
    }
    r.text = {t.x, t.y, t.x + text.x, t.y + text.y};
    return r;
}

SpeedButton::SpeedButton(core::Component* owner) : GraphicControl(owner) {
    storeBounds({0, 0, 23, 22});
    // The button decides itself when a release is a click.
    setClickEvents(false);
    m_glyph.setTransparent(true);
    m_glyph.onChange = [this](Bitmap&) { invalidate(); };
}

SpeedButton::~SpeedButton() {
    beginDestroy();
    m_glyph.onChange = nullptr;
}

void SpeedButton::setGlyph(const Bitmap& glyph) {
    m_glyph.assign(glyph);
    m_glyph.setTransparent(true);
    invalidate();
}

void SpeedButton::setNumGlyphs(int n) {
    n = std::clamp(n, 1, 4);
    if (n != m_numGlyphs) {
        m_numGlyphs = n;
        invalidate();
    }
}

void SpeedButton::setLayout(ButtonLayout layout) {
    if (layout != m_layout) {
        m_layout = layout;
        invalidate();
    }
}

void SpeedButton::setMargin(int margin) {
    if (margin != m_margin) {
        m_margin = std::max(margin, -1);
        invalidate();
    }
}

void SpeedButton::setSpacing(int spacing) {
    if (spacing != m_spacing) {
        m_spacing = spacing;
        invalidate();
    }
}

void SpeedButton::setFlat(bool flat) {
    if (flat != m_flat) {
        m_flat = flat;
        invalidate();
    }
}

void SpeedButton::setTransparent(bool transparent) {
    if (transparent != m_transparent) {
        m_transparent = transparent;
        invalidate();
    }
}

void SpeedButton::setGroupIndex(int index) {
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    if (m_groupIndex == 0)
        setDown(false);
    else
        updateExclusive();
}

void SpeedButton::setDown(bool down) {
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    m_down = down;
    if (down)
        updateExclusive();
    invalidate();
}

void SpeedButton::updateExclusive() {
    if (m_groupIndex == 0 || !m_down || !parent())
        return;
    for (Control* c : parent()->controls())
        if (auto* b = dynamic_cast<SpeedButton*>(c);
            b && b != this && b->m_groupIndex == m_groupIndex && b->m_down) {
            b->m_down = false;
            b->invalidate();
        }
}

// --- Mouse ---------------------------------------------------------------------------------------

void SpeedButton::mouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::mbLeft && isEnabled()) {
        m_dragging = true;
        m_pressed = true;
        repaint();
    }
    GraphicControl::mouseDown(button, shift, x, y);
}

void SpeedButton::mouseMove(ShiftState shift, int x, int y) {
    if (m_dragging) {
        const bool over = clientRect().contains({x, y});
        if (over != m_pressed) {
            m_pressed = over;
            invalidate();
        }
    }
    GraphicControl::mouseMove(shift, x, y);
}

void SpeedButton::mouseUp(MouseButton button, ShiftState shift, int x, int y) {
    const bool wasDragging = m_dragging && button == MouseButton::mbLeft;
    if (wasDragging) {
        m_dragging = false;
        m_pressed = false;
        invalidate();
    }
    GraphicControl::mouseUp(button, shift, x, y);
    if (wasDragging && clientRect().contains({x, y})) {
        if (m_groupIndex != 0)
            setDown(!m_down || !m_allowAllUp);
        // The handler may free the button (a click that closes its form): nothing after this.
        click();
    }
}

void SpeedButton::mouseEnter() {
    if (m_flat && isEnabled())
        invalidate();
    GraphicControl::mouseEnter();
}

void SpeedButton::mouseLeave() {
    if (m_flat && isEnabled())
        invalidate();
    GraphicControl::mouseLeave();
}

// --- Painting ------------------------------------------------------------------------------------

core::FBitmap SpeedButton::glyphFrame() const {
    if (m_glyph.isEmpty())
        return {};
    const int32_t frameWidth = m_glyph.width() / m_numGlyphs;
    const int32_t h = m_glyph.height();
    if (frameWidth <= 0)
        return {};
    int index = 0;
    if (!isEnabled())
        index = 1;
    else if (m_pressed)
        index = 2;
    else if (m_down)
        index = 3;
    const bool haveFrame = index < m_numGlyphs;
    if (!haveFrame)
        index = 0;
    core::FBitmap frame(frameWidth, h);
    const core::FBitmap& strip = m_glyph.pixels();
    for (int32_t y = 0; y < h; ++y)
        std::memcpy(frame.row(y), strip.pixelAt(frameWidth * index, y), size_t(3 * frameWidth));
    if (!isEnabled() && !haveFrame) {
        // No disabled frame of its own: every visible pixel in the shadow colour.
        const core::Color transparent = m_glyph.transparentColor();
        const core::Color shadow = core::colorToRgb(core::clBtnShadow);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < frameWidth; ++x)
                if (frame.pixel(x, y) != transparent)
                    frame.setPixel(x, y, shadow);
    }
    return frame;
}

void SpeedButton::paint(Canvas& canvas) {
    const core::Rect client = clientRect();
    const bool down = m_pressed || m_down;
    if (!m_flat) {
        RECT rc{client.left, client.top, client.right, client.bottom};
        DrawFrameControl(canvas.handle(), &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    } else {
        if (!m_transparent) {
            canvas.brush().setStyle(BrushStyle::bsSolid);
            canvas.brush().setColor(color());
            canvas.fillRect(client);
        }
        core::Rect r = client;
        if (down)
            drawFrame3D(canvas, r, core::clBtnShadow, core::clBtnHighlight);
        else if (isMouseInside() && isEnabled())
            drawFrame3D(canvas, r, core::clBtnHighlight, core::clBtnShadow);
    }

    canvas.font().assign(font());
    core::Rect textSize{0, 0, client.width(), 0};
    if (!caption().empty())
        canvas.drawText(caption(), textSize, DT_CALCRECT);
    else
        textSize = {};
    const core::FBitmap frame = glyphFrame();
    const ButtonGlyphLayout placed =
        layoutButtonGlyph({client.width(), client.height()}, {frame.width(), frame.height()},
                          {textSize.width(), textSize.height()}, m_layout, m_margin, m_spacing);
    const int32_t offset = down ? 1 : 0;
    if (!frame.isEmpty())
        canvas.drawTransparent(placed.glyph.x + offset, placed.glyph.y + offset, frame,
                               m_glyph.transparentColor());
    if (caption().empty())
        return;
    canvas.brush().setStyle(BrushStyle::bsClear);
    core::Rect text = placed.text.translated(offset, offset);
    const UINT flags = DT_CENTER | DT_VCENTER;
    if (!isEnabled()) {
        core::Rect shadow = text.translated(1, 1);
        canvas.font().setColor(core::clBtnHighlight);
        canvas.drawText(caption(), shadow, flags);
        canvas.font().setColor(core::clBtnShadow);
    }
    canvas.drawText(caption(), text, flags);
}

// --- Layout properties ---------------------------------------------------------------------------

bool SpeedButton::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Glyph.Data" || name == "Glyph") {
        if (!m_glyph.setProperty("Data", value))
            return false;
        m_glyph.setTransparent(true);
    } else if (name == "NumGlyphs")
        setNumGlyphs(value.asInt());
    else if (name == "Layout")
        setLayout(ButtonLayout(value.asEnum(layoutNames)));
    else if (name == "Margin")
        setMargin(value.asInt());
    else if (name == "Spacing")
        setSpacing(value.asInt());
    else if (name == "Flat")
        setFlat(value.asBool());
    else if (name == "Transparent")
        setTransparent(value.asBool());
    else if (name == "GroupIndex")
        setGroupIndex(value.asInt());
    else if (name == "Down")
        setDown(value.asBool());
    else if (name == "AllowAllUp")
        setAllowAllUp(value.asBool());
    else
        return GraphicControl::setProperty(name, value);
    return true;
}

void SpeedButton::writeProperties(core::PropertyWriter& out) const {
    GraphicControl::writeProperties(out);
    if (m_allowAllUp)
        out.writeBool("AllowAllUp", true);
    if (m_groupIndex != 0)
        out.writeInt("GroupIndex", m_groupIndex);
    if (m_down)
        out.writeBool("Down", true);
    if (m_flat)
        out.writeBool("Flat", true);
    m_glyph.writeProperties(out, "Glyph");
    if (m_layout != ButtonLayout::blGlyphLeft)
        out.writeIdent("Layout", layoutNames.begin()[int(m_layout)]);
    if (m_margin != -1)
        out.writeInt("Margin", m_margin);
    if (m_numGlyphs != 1)
        out.writeInt("NumGlyphs", m_numGlyphs);
    if (m_spacing != 4)
        out.writeInt("Spacing", m_spacing);
    if (!m_transparent)
        out.writeBool("Transparent", false);
}

} // namespace gui
