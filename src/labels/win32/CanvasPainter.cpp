#include "labels/win32/CanvasPainter.h"

namespace labels {

CanvasPainter::CanvasPainter(gui::Canvas& canvas) : m_canvas(canvas) {
    m_canvas.pen().setWidth(1);
    m_canvas.pen().setStyle(gui::PenStyle::psSolid);
    m_canvas.pen().setMode(gui::PenMode::pmCopy);
}

void CanvasPainter::drawLine(core::Point from, core::Point to, core::Color rgbColor) {
    m_canvas.pen().setColor(rgbColor);
    m_canvas.moveTo(from.x, from.y);
    m_canvas.lineTo(to.x, to.y);
}

void CanvasPainter::setPixel(core::Point at, core::Color rgbColor) {
    m_canvas.setPixel(at.x, at.y, rgbColor);
}

} // namespace labels
