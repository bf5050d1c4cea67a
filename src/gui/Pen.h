#pragma once
// A pen description with change notification and a lazily created HPEN.
#include "core/Color.h"
#include "winbase/Handles.h"

#include <cstdint>
#include <functional>

namespace gui {

enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Raster operations of the pen, in the order of the platform's R2_ codes minus one.
enum class PenMode {
    pmBlack,
    pmNotMerge,
    pmMaskNotPen,
    pmNotCopy,
    pmMaskPenNot,
    pmNot,
    pmXor,
    pmNotMask,
    pmMask,
    pmNotXor,
    pmNop,
    pmMergeNotPen,
    pmCopy,
    pmMergePenNot,
    pmMerge,
    pmWhite
};

class Pen {
public:
    Pen() = default; // black, width 1, solid, copy
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    void assign(const Pen& other);

    core::Color color() const { return m_color; }
    void setColor(core::Color color);
    int32_t width() const { return m_width; }
    void setWidth(int32_t width);
    PenStyle style() const { return m_style; }
    void setStyle(PenStyle style);
    PenMode mode() const { return m_mode; }
    void setMode(PenMode mode);
    // The R2_ code for SetROP2.
    int rop2() const { return int(m_mode) + 1; }

    // Owned by the pen; valid until the next change of colour, width or style.
    HPEN handle() const;

    std::function<void(Pen&)> onChange;

private:
    void changed(bool handleStale);

    core::Color m_color = core::clBlack;
    int32_t m_width = 1;
    PenStyle m_style = PenStyle::psSolid;
    PenMode m_mode = PenMode::pmCopy;
    mutable winbase::PenHandle m_handle;
};

} // namespace gui
