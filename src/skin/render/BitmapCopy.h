#pragma once
// The two canvas operations all skin drawing goes through, done on 24-bit bitmaps so that every
// platform gets the same pixels.
//
// copyRect: copies source rectangle srcRect of src into dstRect of dst. Equal sizes copy exactly;
// different sizes scale by nearest neighbour without smoothing: destination pixel x (counted from
// dstRect.left) takes source pixel floor(x * srcWidth / dstWidth), and likewise for y. Destination
// pixels outside dst, and those whose source pixel lies outside src, are left as they were. Rectangles
// of zero or negative width or height copy nothing.
//
// stretchDraw: copyRect of the whole of src into dstRect.
#include "core/FBitmap.h"

namespace skin {

void copyRect(core::FBitmap& dst, const core::Rect& dstRect, const core::FBitmap& src,
              const core::Rect& srcRect);
void stretchDraw(core::FBitmap& dst, const core::Rect& dstRect, const core::FBitmap& src);

} // namespace skin
