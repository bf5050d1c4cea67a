#pragma once
// Classes in this file: ResizeMode, ControlSkinGeometry, FittedSkinGeometry.
// The size rules of skinned controls drawn from a custom-control record (a skin rectangle cut into
// nine pieces by four corner points, plus a client rectangle): which directions the record can grow
// in, how a proposed size is adjusted to it, and where the record's parts land on the control.
// Portable, so the rules are tested without windows.
#include "core/Geometry.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

class DataSkinCustomControl;

// How a control follows its record when it is resized.
enum class ResizeMode : int8_t {
    None = -1,      // the skin rectangle is empty: nothing is drawn from the picture
    Fixed = 0,      // the control takes the size of the skin rectangle
    Both = 1,       // nine-piece frame, grows in both directions
    Horizontal = 2, // grows in width only; height fixed to the skin's
    Vertical = 3,   // grows in height only; width fixed to the skin's
};

// The record's geometry; points and client rectangle relative to the skin rectangle's top-left.
struct ControlSkinGeometry {
    Rect skinRect; // absolute in the picture
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect client;

    int32_t skinWidth() const { return skinRect.width(); }
    int32_t skinHeight() const { return skinRect.height(); }
    SkinFrame frame() const { return {leftTop, rightTop, leftBottom, rightBottom, client}; }
};

ControlSkinGeometry controlSkinGeometry(const DataSkinCustomControl& record);

// The record's geometry placed on the control's current size, in control coordinates.
struct FittedSkinGeometry {
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect client;

    SkinFrame frame() const { return {leftTop, rightTop, leftBottom, rightBottom, client}; }
};

ResizeMode deriveResizeMode(const ControlSkinGeometry& g);

// Adjusts a proposed width x height to the record and places the record's points on it. The
// fitted points a mode does not use keep their previous values.
void fitSizeToSkin(const ControlSkinGeometry& g, ResizeMode mode, int32_t& width, int32_t& height,
                   FittedSkinGeometry& fitted);

// Places rectangle q (in skin coordinates) on a control of width x height: parts over a corner
// move with that corner, parts across a stretching band grow with it.
Rect mapRectToSize(const ControlSkinGeometry& g, ResizeMode mode, const Rect& q, int32_t width,
                   int32_t height);

// Source and target frames of the control's mask region for the current size (modes 1 to 3; the
// fixed mode uses the mask as it is).
struct MaskFrames {
    SkinFrame source;
    SkinFrame target;
};
MaskFrames maskFrames(const ControlSkinGeometry& g, ResizeMode mode, const FittedSkinGeometry& fitted,
                      int32_t width, int32_t height);

} // namespace skin
