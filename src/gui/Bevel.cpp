#include "gui/Bevel.h"

#include "gui/Canvas.h"
#include "gui/WindowFrame.h"

namespace gui {

namespace {

constexpr std::initializer_list<const char*> shapeNames = {
    "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"};
constexpr std::initializer_list<const char*> styleNames = {"bsLowered", "bsRaised"};

} // namespace

Bevel::Bevel(core::Component* owner) : GraphicControl(owner) {
    storeBounds({0, 0, 50, 50});
}

Bevel::~Bevel() {
    beginDestroy();
}

void Bevel::setShape(BevelShape shape) {
    if (shape != m_shape) {
        m_shape = shape;
        invalidate();
    }
}

void Bevel::setStyle(BevelStyle style) {
    if (style != m_style) {
        m_style = style;
        invalidate();
    }
}

void Bevel::paint(Canvas& canvas) {
    // Lowered: dark above and left, light below and right; raised is the mirror image.
    core::Color dark = core::clBtnShadow;
    core::Color light = core::clBtnHighlight;
    if (m_style == BevelStyle::bsRaised)
        std::swap(dark, light);
    const int32_t w = width();
    const int32_t h = height();
    auto line = [&](core::Rect r, core::Color c) {
        canvas.brush().setStyle(BrushStyle::bsSolid);
        canvas.brush().setColor(c);
        canvas.fillRect(r);
    };
    switch (m_shape) {
    case BevelShape::bsBox: {
        core::Rect r{0, 0, w, h};
        drawFrame3D(canvas, r, dark, light);
        break;
    }
    case BevelShape::bsFrame: {
        core::Rect outer{0, 0, w - 1, h - 1};
        drawFrame3D(canvas, outer, dark, dark);
        core::Rect inner{1, 1, w, h};
        drawFrame3D(canvas, inner, light, light);
        break;
    }
    case BevelShape::bsTopLine:
        line({0, 0, w, 1}, dark);
        line({0, 1, w, 2}, light);
        break;
    case BevelShape::bsBottomLine:
        line({0, h - 2, w, h - 1}, dark);
        line({0, h - 1, w, h}, light);
        break;
    case BevelShape::bsLeftLine:
        line({0, 0, 1, h}, dark);
        line({1, 0, 2, h}, light);
        break;
    case BevelShape::bsRightLine:
        line({w - 2, 0, w - 1, h}, dark);
        line({w - 1, 0, w, h}, light);
        break;
    case BevelShape::bsSpacer:
        break;
    }
}

bool Bevel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Shape")
        setShape(BevelShape(value.asEnum(shapeNames)));
    else if (name == "Style")
        setStyle(BevelStyle(value.asEnum(styleNames)));
    else
        return GraphicControl::setProperty(name, value);
    return true;
}

void Bevel::writeProperties(core::PropertyWriter& out) const {
    GraphicControl::writeProperties(out);
    if (m_shape != BevelShape::bsBox)
        out.writeIdent("Shape", shapeNames.begin()[int(m_shape)]);
    if (m_style != BevelStyle::bsLowered)
        out.writeIdent("Style", styleNames.begin()[int(m_style)]);
}

} // namespace gui
