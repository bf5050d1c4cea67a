#pragma once
// Small shared pieces of the graphics layer: sizes, colour conversion to GDI and screen metrics.
#include "core/Color.h"
#include "core/Geometry.h"

#include <windows.h>

#include <cstdint>

namespace gui {

using core::Size;

// A GDI COLORREF for a colour, with system colours resolved; other values keep their low three bytes
// (clNone becomes white). Callers that must draw nothing for clNone check it themselves.
COLORREF colorRef(core::Color color);
// Back from COLORREF (which has the same byte order).
inline core::Color colorFromRef(COLORREF ref) {
    return core::Color(ref & 0xFFFFFF);
}

// Logical pixels per inch of the screen (vertical), read once.
int32_t screenPixelsPerInch();

// Makes core::colorToRgb ask the system for system colours. Idempotent; graphics objects call it.
void installSystemColorResolver();

} // namespace gui
