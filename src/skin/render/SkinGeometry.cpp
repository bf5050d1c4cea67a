#include "skin/render/SkinGeometry.h"

namespace skin {

SkinFrame targetFrame(const SkinFrame& s, int32_t sourceWidth, int32_t sourceHeight, int32_t width,
                      int32_t height) {
    SkinFrame t;
    t.leftTop = s.leftTop;
    t.rightTop = {width - (sourceWidth - s.rightTop.x), s.rightTop.y};
    t.leftBottom = {s.leftBottom.x, height - (sourceHeight - s.leftBottom.y)};
    t.rightBottom = {width - (sourceWidth - s.rightBottom.x), height - (sourceHeight - s.rightBottom.y)};
    t.client = {s.client.left, s.client.top, width - (sourceWidth - s.client.right),
                height - (sourceHeight - s.client.bottom)};
    return t;
}

} // namespace skin
