#pragma once
// Frame drawing for the labels: each helper draws on the selected sides of a rectangle (right and
// bottom exclusive) and returns the rectangle left inside what it drew. Colours may be system colours;
// clNone draws nothing but still takes its room.
#include "core/Color.h"
#include "core/Geometry.h"
#include "labels/FramePainter.h"
#include "labels/LabelTypes.h"

namespace labels {

enum class EdgePalette { Button, Border };
enum class EdgeState { Raised, Sunken };

// The rectangle moved inwards by amount on each selected side (saturating at the int32 range).
core::Rect shrinkSides(core::Rect r, Sides sides, int64_t amount);

core::Rect drawSideLines(FramePainter& painter, core::Rect r, core::Color topLeft, Sides sides,
                         core::Color bottomRight);
// passes rings of drawSideLines, each inside the previous one.
core::Rect drawSideBevel(FramePainter& painter, core::Rect r, core::Color topLeft, Sides sides, int passes,
                         core::Color bottomRight);
core::Rect drawTwoToneEdge(FramePainter& painter, core::Rect r, EdgePalette palette, EdgeState state,
                           Sides sides);
core::Rect drawFrameStyleSides(FramePainter& painter, core::Rect r, FrameStyleEx style, Sides sides);
core::Rect drawRoundedFlatFrame(FramePainter& painter, core::Rect r, core::Color color, Sides sides);

// Everything a label's border is made of: an outer frame, a ring of borderWidth in borderColor and an
// inner frame.
struct LabelBorders {
    FrameStyleEx outer = FrameStyleEx::fsNone;
    FrameStyleEx inner = FrameStyleEx::fsNone;
    int borderWidth = 0;
    Sides sides = Sides::all();
    int bevelWidth = 1;
    core::Color borderColor = core::clBtnFace;
    core::Color borderHighlight = core::clBtnHighlight;
    core::Color borderShadow = core::clBtnShadow;
    core::Color flatColor = core::clBtnShadow;
    int flatColorAdjustment = 30;
    core::Color controlColor = core::clBtnFace;
    core::Color parentColor = core::clBtnFace;
    bool transparent = false;
    bool hot = false;
};

core::Rect drawLabelBorders(FramePainter& painter, core::Rect r, const LabelBorders& borders);

// Pixels one frame of the style takes on each selected side (fsStatus and fsPopup: bevelWidth).
int frameThickness(FrameStyleEx style, int bevelWidth);

} // namespace labels
