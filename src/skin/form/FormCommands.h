#pragma once
// Classes in this file: FrameSizeInput, CaptionDoubleClick — and the pure rules behind a skinned
// window's commands: size limits, magnetic snapping to the work area, the maximised bounds, the
// caption double-click and the morph steps of caption objects.
#include "core/Geometry.h"

namespace skin {

using core::Point;
using core::Rect;

// What the frame's size limits depend on.
struct FrameSizeInput {
    bool skinned = false;
    int32_t pictureWidth = 0; // skinned: the main picture
    int32_t pictureHeight = 0;
    int32_t clientHeight = 0;   // skinned: the height of the skin's client rect
    int32_t captionHeight = 19; // built-in look
    int32_t minWidth = 0;       // the form's limits; 0 = none
    int32_t minHeight = 0;
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
    bool minimized = false;
    bool rolledUp = false;
};

// The smallest frame: skinned, the main picture's width (or MinWidth when wider and not minimised)
// and the picture less its client rect (or MinHeight when higher, unless rolled up or minimised);
// built-in, MinWidth or 120 and the caption with its borders.
Point minimumFrameSize(const FrameSizeInput& input);
// The largest frame: the available area (the work area, or the monitor) or MaxWidth / MaxHeight
// when set and smaller.
Point maximumFrameSize(const FrameSizeInput& input, const Rect& available);

// Magnetic snapping of a window at (left, top) of the given size to the work area's edges: each edge
// within strictly less than magneticSize snaps, left before right and top before bottom.
Point snapToWorkArea(const Rect& workArea, int32_t magneticSize, int32_t left, int32_t top, int32_t height,
                     int32_t width);

// Where a maximised window goes: the monitor with fullScreen, else the work area; a work area that is
// the whole primary screen (the task bar hidden) shrinks by a pixel on every side so that the hidden
// task bar stays reachable.
Rect maximizedBounds(const Rect& monitor, const Rect& workArea, Point screenSize, bool fullScreen);

enum class CaptionDoubleClick { Restore, Maximize, ToggleRollUp };
// What a double click on the caption does.
CaptionDoubleClick captionDoubleClickAction(bool sizeable, bool minimized, bool maximized, bool rolledUp,
                                            bool rolledUpWhileMaximized, bool canMaximize);

// Morphing: one step of 0.2 toward 1 (active) or 0, clamped; five steps make a transition.
constexpr double morphStepSize = 0.2;
double morphStep(double factor, bool active);
// Whether a morph toward the state still has steps to go.
bool canMorph(double factor, bool active);

} // namespace skin
