#include "gui/WindowFrame.h"

#include "gui/Canvas.h"

namespace gui {

void drawFrame3D(Canvas& canvas, core::Rect& r, core::Color topLeft, core::Color bottomRight, int width) {
    for (int i = 0; i < width && !r.isEmpty(); ++i) {
        canvas.brush().setStyle(BrushStyle::bsSolid);
        canvas.brush().setColor(topLeft);
        canvas.fillRect({r.left, r.top, r.right - 1, r.top + 1});
        canvas.fillRect({r.left, r.top, r.left + 1, r.bottom - 1});
        canvas.brush().setColor(bottomRight);
        canvas.fillRect({r.right - 1, r.top, r.right, r.bottom});
        canvas.fillRect({r.left, r.bottom - 1, r.right, r.bottom});
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

} // namespace gui
