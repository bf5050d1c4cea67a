#pragma once
// A brush description with change notification and a lazily created HBRUSH.
#include "core/Color.h"
#include "winbase/Handles.h"

#include <functional>
#include <memory>

namespace gui {

class Bitmap;

enum class BrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class Brush {
public:
    Brush(); // white, solid
    ~Brush();
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

    void assign(const Brush& other);

    core::Color color() const { return m_color; }
    void setColor(core::Color color);
    BrushStyle style() const { return m_style; }
    void setStyle(BrushStyle style);
    // A pattern bitmap (copied); the brush paints with it instead of colour and style. Null clears.
    const Bitmap* bitmap() const { return m_bitmap.get(); }
    void setBitmap(const Bitmap* pattern);

    // Owned by the brush; valid until the next change. A clear brush yields the null brush.
    HBRUSH handle() const;

    std::function<void(Brush&)> onChange;

private:
    void changed();

    core::Color m_color = core::clWhite;
    BrushStyle m_style = BrushStyle::bsSolid;
    std::unique_ptr<Bitmap> m_bitmap;
    mutable winbase::BrushHandle m_handle;
};

} // namespace gui
