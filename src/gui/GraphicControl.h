#pragma once
// A control without a window: its parent paints it (paint) over its own background and routes the
// mouse input under it to it. Labels, bevels, images and speed buttons are graphic controls.
#include "gui/Control.h"

namespace gui {

class Canvas;

class GraphicControl : public Control {
public:
    explicit GraphicControl(core::Component* owner = nullptr);
    ~GraphicControl() override;

    const char* className() const override { return "TGraphicControl"; }

    // Paints the control into dc, whose origin is the control's top-left corner; the caller clips to
    // the control's bounds. Exceptions are reported, never passed on: drawing never fails visibly.
    void paintTo(HDC dc);

protected:
    // Draws the control; the canvas has the control's font and a brush of its colour.
    virtual void paint(Canvas& canvas);
};

} // namespace gui
