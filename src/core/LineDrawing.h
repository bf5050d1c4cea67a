#pragma once
// Lines drawn straight into a 24-bit bitmap with the platform's rule: the end point is left out.
#include "core/FBitmap.h"

namespace core {

// Plots the line from `from` towards `to` in rgbColor (no system colour), clipped to the bitmap.
// Straight lines are clipped up front, so a huge rectangle costs only its visible pixels; other
// lines are Bresenham's, exact for the diagonals.
void plotLine(FBitmap& bitmap, Point from, Point to, Color rgbColor);

} // namespace core
