#pragma once
// Classes in this file: SkinFrame, BandStretch — plus the small rect and point helpers every skinned
// part shares, and the rule that maps a skin's frame onto a target size.
#include "core/Geometry.h"

namespace skin {

using core::Point;
using core::Rect;

inline int32_t rectWidth(const Rect& r) {
    return r.right - r.left;
}
inline int32_t rectHeight(const Rect& r) {
    return r.bottom - r.top;
}
inline bool rectIsEmpty(const Rect& r) {
    return rectWidth(r) < 1 || rectHeight(r) < 1;
}
inline bool rectsEqual(const Rect& a, const Rect& b) {
    return a == b;
}
inline void clearRect(Rect& r) {
    r = Rect{};
}
// True when either coordinate is zero: skins write "absent" points as 0,0 and half-filled ones count too.
inline bool pointIsNull(const Point& p) {
    return p.x == 0 || p.y == 0;
}
// All four edges inclusive.
inline bool pointInRectInclusive(const Rect& r, const Point& p) {
    return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}
// The platform's point-in-rect test (right and bottom exclusive) for inner's top-left and bottom-right.
inline bool rectInsideRect(const Rect& inner, const Rect& outer) {
    return outer.contains({inner.left, inner.top}) && outer.contains({inner.right, inner.bottom});
}

// How a skin cuts a picture rectangle into a frame: the four inner corner points and the client
// rectangle, all relative to the rectangle's top-left (or, for a target, in destination coordinates).
struct SkinFrame {
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect client;
    friend bool operator==(const SkinFrame&, const SkinFrame&) = default;
};

// Whether each band of the frame is stretched (true) or tiled when the target grows.
struct BandStretch {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// The target frame for a width x height image made from a frame cut out of a sourceWidth x
// sourceHeight rectangle: the corner pieces keep their size, the middles take up the difference.
SkinFrame targetFrame(const SkinFrame& source, int32_t sourceWidth, int32_t sourceHeight, int32_t width,
                      int32_t height);

} // namespace skin
