#pragma once
// The two drawing operations the frame helpers need. An FBitmap painter draws into pixels (and so
// into a DIB section on Windows); the Win32 layer implements it over a canvas too.
#include "core/Color.h"
#include "core/Geometry.h"

namespace labels {

class FramePainter {
public:
    virtual ~FramePainter() = default;
    // A one-pixel line from `from` up to, but not including, `to`, as the platform's MoveTo/LineTo.
    // The colour is RGB (already resolved).
    virtual void drawLine(core::Point from, core::Point to, core::Color rgbColor) = 0;
    virtual void setPixel(core::Point at, core::Color rgbColor) = 0;
};

} // namespace labels
