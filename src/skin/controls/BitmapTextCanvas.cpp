#include "skin/controls/BitmapTextCanvas.h"

#include "gui/DibStorage.h"

#include <windows.h>

namespace skin {

BitmapTextCanvas::BitmapTextCanvas(core::FBitmap& bitmap) : m_canvas(gui::dcOf(bitmap)) {}

BitmapTextCanvas::~BitmapTextCanvas() {
    m_canvas.setHandle(nullptr);
    GdiFlush();
}

} // namespace skin
