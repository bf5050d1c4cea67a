#pragma once
// A GDI canvas over a DIB-backed core::FBitmap, for the text parts of off-screen skin painting.
// Pixel work on the bitmap must wait until the canvas is gone: its destructor finishes the GDI
// drawing (GdiFlush) so the bytes are current again.
#include "core/FBitmap.h"
#include "gui/Canvas.h"

namespace skin {

class BitmapTextCanvas {
public:
    // The bitmap must stay alive and keep its size while the canvas lives.
    explicit BitmapTextCanvas(core::FBitmap& bitmap);
    ~BitmapTextCanvas();
    BitmapTextCanvas(const BitmapTextCanvas&) = delete;
    BitmapTextCanvas& operator=(const BitmapTextCanvas&) = delete;

    // False when the bitmap has no DC (not DIB-backed, or out of GDI resources): draw no text then.
    bool isValid() const { return m_canvas.hasHandle(); }
    gui::Canvas& canvas() { return m_canvas; }

private:
    gui::Canvas m_canvas;
};

} // namespace skin
