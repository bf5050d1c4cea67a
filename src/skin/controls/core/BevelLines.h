#pragma once
// Classes in this file: BevelShape, BevelStyle, BevelLine.
// The lines a skinned bevel is drawn with, as polylines in the platform's rule (each line leaves
// out its end point), so that any canvas can draw them and tests can check them without windows.
#include "core/Color.h"
#include "core/Geometry.h"

#include <vector>

namespace skin {

// In the framework bevel's enumeration order.
enum class BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class BevelStyle { bsLowered, bsRaised };

struct BevelLine {
    std::vector<core::Point> points;
    core::Color color;
};

// The lines of a width x height bevel in the given light and dark colours. In divider mode a
// two-pixel line runs across the middle instead of the shape: horizontal for the top and bottom
// lines, vertical for the others, none for a spacer.
std::vector<BevelLine> bevelLines(BevelShape shape, BevelStyle style, bool dividerMode, int32_t width,
                                  int32_t height, core::Color light, core::Color dark);

} // namespace skin
