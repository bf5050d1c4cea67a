#include "skin/render/FrameGeometry.h"

namespace skin {

FrameGeometry computeFrameGeometry(const FormFrameMetrics& m, int32_t width, int32_t height) {
    const int64_t dx = int64_t(width) - m.pictureWidth, dy = int64_t(height) - m.pictureHeight;
    // Moved by the size difference, in 64 bits so that no skin value can overflow.
    auto x = [dx](int32_t v) { return clampCoordinate(v + dx); };
    auto y = [dy](int32_t v) { return clampCoordinate(v + dy); };
    FrameGeometry g;
    g.leftTop = m.leftTopPoint;
    g.rightTop = {x(m.rightTopPoint.x), m.rightTopPoint.y};
    g.leftBottom = {m.leftBottomPoint.x, y(m.leftBottomPoint.y)};
    g.rightBottom = {x(m.rightBottomPoint.x), y(m.rightBottomPoint.y)};
    g.clientRect = {m.clientRect.left, m.clientRect.top, x(m.clientRect.right), y(m.clientRect.bottom)};
    g.captionRect = m.captionRect;
    if (!rectIsEmpty(g.captionRect))
        g.captionRect.right = x(g.captionRect.right);
    g.buttonsRect = m.buttonsRect;
    if (!rectIsEmpty(g.buttonsRect) && g.buttonsRect.left > m.pictureWidth / 2)
        g.buttonsRect = {x(g.buttonsRect.left), g.buttonsRect.top, x(g.buttonsRect.right),
                         g.buttonsRect.bottom};
    g.buttonsOffset = m.buttonsOffset;
    g.buttonsInLeft = m.buttonsInLeft;
    g.hitTestLeftTop = m.hitTestLeftTopPoint;
    g.hitTestRightTop = {x(m.hitTestRightTopPoint.x), m.hitTestRightTopPoint.y};
    g.hitTestLeftBottom = {m.hitTestLeftBottomPoint.x, y(m.hitTestLeftBottomPoint.y)};
    g.hitTestRightBottom = {x(m.hitTestRightBottomPoint.x), y(m.hitTestRightBottomPoint.y)};
    g.maskArea = {m.maskRectArea.left, m.maskRectArea.top, x(m.maskRectArea.right), y(m.maskRectArea.bottom)};
    return g;
}

} // namespace skin
