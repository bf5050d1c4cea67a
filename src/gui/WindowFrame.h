#pragma once
// Drawing helpers shared by the framework's standard controls: 3-D frames and text colours of
// disabled controls.
#include "core/Color.h"
#include "core/Geometry.h"

namespace gui {

class Canvas;

// Draws width one-pixel rings: top and left edges in topLeft, right and bottom edges in bottomRight
// (the top-right and bottom-left corner pixels take bottomRight), shrinking r by one pixel on every
// side per ring. r is left as the area inside the frame.
void drawFrame3D(Canvas& canvas, core::Rect& r, core::Color topLeft, core::Color bottomRight, int width = 1);

} // namespace gui
