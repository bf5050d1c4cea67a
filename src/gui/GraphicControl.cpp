#include "gui/GraphicControl.h"

#include "gui/Canvas.h"
#include "gui/WindowProc.h"

namespace gui {

GraphicControl::GraphicControl(core::Component* owner) : Control(owner) {}

GraphicControl::~GraphicControl() {
    beginDestroy();
}

void GraphicControl::paintTo(HDC dc) {
    guardedCall([&] {
        Canvas canvas(dc);
        canvas.font().assign(font());
        canvas.brush().setColor(color());
        paint(canvas);
    });
}

void GraphicControl::paint(Canvas&) {}

} // namespace gui
