#pragma once
// Text widths for the ellipsis rule, measured with a canvas and its font.
#include "gui/Canvas.h"
#include "skin/render/TextEllipsis.h"

namespace skin {

class CanvasMeasurer final : public TextMeasurer {
public:
    explicit CanvasMeasurer(gui::Canvas& canvas) : m_canvas(canvas) {}
    int textWidth(std::string_view utf8) const override { return m_canvas.textWidth(utf8); }

private:
    gui::Canvas& m_canvas;
};

} // namespace skin
