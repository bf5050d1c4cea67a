#include "labels/BitmapPainter.h"

#include "core/LineDrawing.h"

namespace labels {

void BitmapPainter::setPixel(core::Point at, core::Color rgbColor) {
    if (m_bitmap.bounds().contains(at))
        m_bitmap.setPixel(at.x, at.y, rgbColor);
}

void BitmapPainter::drawLine(core::Point from, core::Point to, core::Color rgbColor) {
    core::plotLine(m_bitmap, from, to, rgbColor);
}

} // namespace labels
