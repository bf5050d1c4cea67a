#include "labels/LabelGeometry.h"

#include "core/Rounding.h"

#include "labels/LabelFrames.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace labels {

namespace {

int32_t saturate(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

int64_t nearest(double value) {
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, -9.0e18, 9.0e18);
    return int64_t(core::roundHalfEven(value));
}

int32_t normalizeAngle(int32_t degrees) {
    // INT32_MIN + 360 cannot overflow; one turn is all that is added to a negative angle.
    return degrees < 0 ? 360 + degrees : degrees % 360;
}

core::Rect shrinkByBorders(core::Rect r, const BorderMetrics& b, IncludeBorderWidth include) {
    if (include == IncludeBorderWidth::Yes)
        r = shrinkSides(r, Sides::all(), b.borderWidth);
    r = shrinkSides(r, b.sides, frameThickness(b.outer, b.bevelWidth));
    return shrinkSides(r, b.sides, frameThickness(b.inner, b.bevelWidth));
}

Size growByBorders(Size text, const BorderMetrics& b, const TextGrowth& g) {
    int64_t w = text.width, h = text.height;
    const int64_t frames =
        int64_t(frameThickness(b.outer, b.bevelWidth)) + frameThickness(b.inner, b.bevelWidth);
    auto perSide = [&](Side s) { return b.sides.has(s) ? frames : 0; };
    w += perSide(Side::sdLeft) + perSide(Side::sdRight);
    h += perSide(Side::sdTop) + perSide(Side::sdBottom);
    // The border ring is kept clear on all four sides by shrinkByBorders, so it is grown on all four
    // too; otherwise text would be clipped on the sides without a frame.
    w += 2 * int64_t(b.borderWidth);
    h += 2 * int64_t(b.borderWidth);

    const bool shadow = g.textStyle == TextStyle::tsShadow;
    if (g.rotation == Rotation::roNone && shadow) {
        w += g.shadowDepth;
        h += g.shadowDepth;
    }
    // The box of a turned rectangle does not depend on the turn's direction, so the angle is taken
    // into 0..359 first (a stored -40 is sized like 320).
    const int32_t angle = ((g.angle % 360) + 360) % 360;
    if (g.rotation == Rotation::roFlat && angle != 0 && angle != 180) {
        if (shadow) {
            w += g.shadowDepth / 2;
            h += g.shadowDepth / 2;
        }
        double f = radians(angle % 90 + ((angle == 90 || angle == 270) ? 90 : 0));
        double c = std::cos(f), s = std::sin(f);
        int64_t rw = nearest(c * double(w) + s * double(h));
        int64_t rh = nearest(s * double(w) + c * double(h));
        w = rw;
        h = rh;
    }
    return {saturate(w), saturate(h)};
}

FlatTextPlacement placeFlatText(const FlatTextInput& in) {
    const int64_t e = in.shadowDepth / 2;
    const int64_t eShadow = in.shadow ? e : 0;
    const int64_t px = in.client.width / 2, py = in.client.height / 2;
    const double theta = radians(in.angle + 90.0);
    const double q = 0.25 * in.sampleHeight;
    const int64_t th = in.sampleHeight + eShadow;
    const int64_t g = int64_t(in.textWidth) + eShadow;
    const core::Rect& r = in.textRect;
    const int64_t swing = px - nearest(std::cos(theta) * q);

    int64_t x = 0, y = 0;
    TextAnchor anchor = TextAnchor::BaselineLeft;
    switch (in.angle) {
    case 0:
    case 360:
        y = py - th / 2;
        anchor = TextAnchor::TopLeft;
        if (in.alignment == HorizontalAlignment::Center) {
            x = px;
            anchor = TextAnchor::TopCenter;
        } else if (in.alignment == HorizontalAlignment::Right) {
            x = int64_t(r.right) - in.textWidth - 2 * eShadow;
        } else {
            x = int64_t(r.left) + eShadow;
        }
        break;
    case 90:
        x = swing;
        if (in.alignment == HorizontalAlignment::Center)
            y = r.bottom - (r.bottom - g) / 2;
        else if (in.alignment == HorizontalAlignment::Right)
            y = r.top + g + eShadow;
        else
            y = r.bottom - eShadow;
        break;
    case 180:
        y = py - th / 4;
        if (in.alignment == HorizontalAlignment::Center)
            x = r.right - (r.right - g) / 2;
        else if (in.alignment == HorizontalAlignment::Right)
            x = r.left + g;
        else
            x = r.right - eShadow;
        break;
    case 270:
        x = swing;
        if (in.alignment == HorizontalAlignment::Center)
            y = (r.bottom - g) / 2;
        else if (in.alignment == HorizontalAlignment::Right)
            y = r.bottom - g - eShadow;
        else
            y = r.top + eShadow;
        break;
    default:
        x = swing;
        y = py + nearest(std::sin(theta) * q);
        anchor = TextAnchor::BaselineCenter;
        break;
    }
    return {{saturate(x), saturate(y)}, anchor};
}

core::Point arcCenter(CenterPoint center, Size client, int32_t bw) {
    const int32_t w = client.width, h = client.height;
    switch (center) {
    case CenterPoint::cpUpperLeft:
        return {bw, bw};
    case CenterPoint::cpUpperCenter:
        return {w / 2, bw};
    case CenterPoint::cpUpperRight:
        return {saturate(int64_t(w) - bw), bw};
    case CenterPoint::cpLeftCenter:
        return {bw, h / 2};
    case CenterPoint::cpCenter:
        break;
    case CenterPoint::cpRightCenter:
        return {saturate(int64_t(w) - bw), h / 2};
    case CenterPoint::cpLowerLeft:
        return {bw, saturate(int64_t(h) - bw)};
    case CenterPoint::cpLowerCenter:
        return {w / 2, saturate(int64_t(h) - bw)};
    case CenterPoint::cpLowerRight:
        return {saturate(int64_t(w) - bw), saturate(int64_t(h) - bw)};
    }
    return {w / 2, h / 2};
}

Size arcRadii(CenterPoint center, Size client, int32_t bw) {
    const int64_t a = 2 * int64_t(bw);
    const int64_t w = client.width, h = client.height;
    switch (center) {
    case CenterPoint::cpUpperLeft:
    case CenterPoint::cpUpperRight:
    case CenterPoint::cpLowerLeft:
    case CenterPoint::cpLowerRight:
        return {saturate(w - a), saturate(h - a)};
    case CenterPoint::cpUpperCenter:
    case CenterPoint::cpLowerCenter:
        return {saturate(w / 2 - a), saturate(h - a)};
    case CenterPoint::cpLeftCenter:
    case CenterPoint::cpRightCenter:
        return {saturate(w - a), saturate(h / 2 - a)};
    case CenterPoint::cpCenter:
        break;
    }
    return {saturate(w / 2 - a), saturate(h / 2 - a)};
}

} // namespace labels
