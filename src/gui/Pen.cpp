#include "gui/Pen.h"

#include "gui/Graphics.h"

namespace gui {

void Pen::assign(const Pen& other) {
    if (&other == this)
        return;
    bool stale = m_color != other.m_color || m_width != other.m_width || m_style != other.m_style;
    m_color = other.m_color;
    m_width = other.m_width;
    m_style = other.m_style;
    m_mode = other.m_mode;
    changed(stale);
}

void Pen::setColor(core::Color color) {
    if (color == m_color)
        return;
    m_color = color;
    changed(true);
}

void Pen::setWidth(int32_t width) {
    if (width < 0)
        width = 0;
    if (width == m_width)
        return;
    m_width = width;
    changed(true);
}

void Pen::setStyle(PenStyle style) {
    if (style == m_style)
        return;
    m_style = style;
    changed(true);
}

void Pen::setMode(PenMode mode) {
    if (mode == m_mode)
        return;
    m_mode = mode;
    changed(false);
}

HPEN Pen::handle() const {
    if (!m_handle) {
        static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                         PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        m_handle.reset(CreatePen(styles[int(m_style)], m_width, colorRef(m_color)));
        if (!m_handle)
            return static_cast<HPEN>(GetStockObject(BLACK_PEN));
    }
    return m_handle.get();
}

void Pen::changed(bool handleStale) {
    // The old handle may still be selected into a canvas: it is freed only after the listeners ran.
    winbase::PenHandle old;
    if (handleStale)
        old = std::move(m_handle);
    if (onChange)
        onChange(*this);
}

} // namespace gui
