#include "gui/Brush.h"

#include "gui/Bitmap.h"
#include "gui/Graphics.h"

namespace gui {

Brush::Brush() = default;
Brush::~Brush() = default;

void Brush::assign(const Brush& other) {
    if (&other == this)
        return;
    m_color = other.m_color;
    m_style = other.m_style;
    if (other.m_bitmap) {
        m_bitmap = std::make_unique<Bitmap>();
        m_bitmap->assign(*other.m_bitmap);
    } else {
        m_bitmap.reset();
    }
    changed();
}

void Brush::setColor(core::Color color) {
    // Setting a colour on a clear brush makes it solid (even the same colour), as users of a canvas
    // expect.
    if (color == m_color && m_style != BrushStyle::bsClear)
        return;
    m_color = color;
    if (m_style == BrushStyle::bsClear)
        m_style = BrushStyle::bsSolid;
    changed();
}

void Brush::setStyle(BrushStyle style) {
    if (style == m_style)
        return;
    m_style = style;
    changed();
}

void Brush::setBitmap(const Bitmap* pattern) {
    if (pattern && !pattern->isEmpty()) {
        auto copy = std::make_unique<Bitmap>();
        copy->assign(*pattern);
        m_bitmap = std::move(copy);
    } else {
        if (!m_bitmap)
            return;
        m_bitmap.reset();
    }
    changed();
}

HBRUSH Brush::handle() const {
    if (!m_handle) {
        if (m_bitmap) {
            m_handle.reset(CreatePatternBrush(m_bitmap->handle()));
        } else if (m_style == BrushStyle::bsClear) {
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        } else if (m_style == BrushStyle::bsSolid) {
            m_handle.reset(CreateSolidBrush(colorRef(m_color)));
        } else {
            static constexpr int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                              HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
            m_handle.reset(
                CreateHatchBrush(hatches[int(m_style) - int(BrushStyle::bsHorizontal)], colorRef(m_color)));
        }
        if (!m_handle)
            return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    return m_handle.get();
}

void Brush::changed() {
    // The old handle may still be selected into a canvas: it is freed only after the listeners ran.
    winbase::BrushHandle old = std::move(m_handle);
    if (onChange)
        onChange(*this);
}

} // namespace gui
