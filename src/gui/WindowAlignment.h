#pragma once
// Classes in this file: Align, AlignedRect, and the arithmetic that places aligned children.
// Kept free of windows so that it can be checked on its own.
#include "core/Geometry.h"

#include <vector>

namespace gui {

enum class Align { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct AlignedRect {
    Align align = Align::alNone;
    core::Rect bounds; // in the parent's client coordinates; updated by alignRects
};

// Places every item whose align is not alNone inside area, the way a container docks its children:
// first the top ones (by their current top, list order breaking ties) stacked downward, then the
// bottom ones (lowest first) stacked upward, then the left ones, then the right ones, and finally
// the client ones filling what is left. Docked items keep their own thickness (a top item its
// height, a left item its width) and take the remaining extent along the other axis; a client item
// never gets a negative size. Returns the area left over.
core::Rect alignRects(core::Rect area, std::vector<AlignedRect>& items);

} // namespace gui
