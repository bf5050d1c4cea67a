#pragma once
// Classes in this file: SkinFrame, BandStretch — plus the small rect and point helpers every skinned
// part shares, and the rule that maps a skin's frame onto a target size.
#include "core/Geometry.h"

#include <cstdint>

namespace skin {

using core::Point;
using core::Rect;

inline int32_t rectWidth(const Rect& r) {
    return r.right - r.left;
}
inline int32_t rectHeight(const Rect& r) {
    return r.bottom - r.top;
}
// Width or height below 1 (compared so that no subtraction can overflow).
inline bool rectIsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
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

// Coordinates skins and windows use stay far inside this range. Values beyond it (from a damaged or
// hostile skin) make the drawing routines draw nothing instead of overflowing.
constexpr int32_t maxSkinCoordinate = 1 << 16;
inline bool inSkinRange(int32_t v) {
    return v >= -maxSkinCoordinate && v <= maxSkinCoordinate;
}
inline bool inSkinRange(const Point& p) {
    return inSkinRange(p.x) && inSkinRange(p.y);
}
inline bool inSkinRange(const Rect& r) {
    return inSkinRange(r.left) && inSkinRange(r.top) && inSkinRange(r.right) && inSkinRange(r.bottom);
}
// A coordinate computed in 64 bits, narrowed back with saturation.
inline int32_t clampCoordinate(int64_t v) {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : int32_t(v);
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

inline bool inSkinRange(const SkinFrame& f) {
    return inSkinRange(f.leftTop) && inSkinRange(f.rightTop) && inSkinRange(f.leftBottom) &&
           inSkinRange(f.rightBottom) && inSkinRange(f.client);
}

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
