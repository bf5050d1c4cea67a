#pragma once
// Frame painting on a canvas: lines with a one-pixel solid pen and single pixels.
#include "gui/Canvas.h"
#include "labels/FramePainter.h"

namespace labels {

class CanvasPainter final : public FramePainter {
public:
    // The canvas is borrowed and must outlive the painter.
    explicit CanvasPainter(gui::Canvas& canvas);

    void drawLine(core::Point from, core::Point to, core::Color rgbColor) override;
    void setPixel(core::Point at, core::Color rgbColor) override;

private:
    gui::Canvas& m_canvas;
};

} // namespace labels
