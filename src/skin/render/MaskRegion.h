#pragma once
// Window regions cut from mask bitmaps: black pixels (red, green and blue all 0) belong to the window,
// every other colour lies outside. A mask is used as it is (fixed-size windows) or split into four
// border strips and recomposed for a window of any size.
#include "core/FBitmap.h"
#include "skin/render/Region.h"
#include "skin/render/SkinGeometry.h"

#include <optional>
#include <vector>

namespace skin {

inline bool isMaskPixelInside(const uint8_t* bgr) {
    return bgr[0] == 0 && bgr[1] == 0 && bgr[2] == 0;
}

// The runs of black pixels, row by row from the top, left to right, each one pixel high, moved by the
// offset. Runs are not merged across rows.
std::vector<core::Rect> maskRuns(const core::FBitmap& mask, int32_t offsetX, int32_t offsetY);
// The same runs as a region data block whose bounds are the offset mask rectangle; an empty mask gives
// an empty block. There is no limit on the number of runs.
std::vector<uint8_t> regionRectsFromMask(const core::FBitmap& mask, int32_t offsetX, int32_t offsetY);
// The whole mask as a region at the offset.
Region maskRegion(const core::FBitmap& mask, int32_t offsetX = 0, int32_t offsetY = 0);

// The mask's border bands laid out for a window: top spans rows 0..mask area top over the window's
// width, bottom the rows below the mask area, left and right the rows of the target mask area.
struct MaskStrips {
    core::FBitmap top;
    core::FBitmap bottom;
    core::FBitmap left;
    core::FBitmap right;
};

// Fills the strips for a width x height window from `source` (corner points and mask area, relative to
// the mask) and `target` (the same in window coordinates). Middles are tiled, never stretched: the
// top and bottom ones from the target corner points, the side ones from the strip's top. Fixed pieces
// are copied unscaled over them. A band without size gives an empty strip; parts of a strip no piece
// reaches lie outside the window. The height only bounds the strips.
void splitMaskBorders(const SkinFrame& source, const SkinFrame& target, const core::FBitmap& mask,
                      int32_t width, int32_t height, MaskStrips& strips);
// Whether window point p lies inside the mask's shape: in the target mask area, or on a black pixel
// of the strip the point falls in (pixels outside a strip are not black).
bool maskShapeContains(const MaskStrips& strips, const core::Rect& maskArea, Point p);
// The window region made of the target mask area and the four strips at their places.
Region regionFromMaskStrips(const MaskStrips& strips, const core::Rect& targetArea);
// The region of a width x height window; none when the target corner points are crossed
// (NRT.x < NLT.x or NLB.y < NLT.y), in which case the caller removes any window region. The target
// mask area always belongs to the window.
std::optional<Region> composeMaskRegion(const SkinFrame& source, const SkinFrame& target,
                                        const core::FBitmap& mask, int32_t width, int32_t height);

} // namespace skin
