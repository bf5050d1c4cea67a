#include "skin/render/SkinGeometry.h"

namespace skin {

SkinFrame targetFrame(const SkinFrame& s, int32_t sourceWidth, int32_t sourceHeight, int32_t width,
                      int32_t height) {
    // Keeps the distance to the far edge: width - (sourceWidth - v), in 64 bits.
    auto fromRight = [&](int32_t v) { return clampCoordinate(int64_t(width) - (int64_t(sourceWidth) - v)); };
    auto fromBottom = [&](int32_t v) {
        return clampCoordinate(int64_t(height) - (int64_t(sourceHeight) - v));
    };
    SkinFrame t;
    t.leftTop = s.leftTop;
    t.rightTop = {fromRight(s.rightTop.x), s.rightTop.y};
    t.leftBottom = {s.leftBottom.x, fromBottom(s.leftBottom.y)};
    t.rightBottom = {fromRight(s.rightBottom.x), fromBottom(s.rightBottom.y)};
    t.client = {s.client.left, s.client.top, fromRight(s.client.right), fromBottom(s.client.bottom)};
    return t;
}

} // namespace skin
