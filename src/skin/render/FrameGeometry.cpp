#include "skin/render/FrameGeometry.h"

namespace skin {

FrameGeometry computeFrameGeometry(const FormFrameMetrics& m, int32_t width, int32_t height) {
    const int64_t dx = int64_t(width) - m.pictureWidth;
    // Moved by the width difference, in 64 bits so that no skin value can overflow.
    auto x = [dx](int32_t v) { return clampCoordinate(v + dx); };
    // Corners, hit-test corners and the rects between them keep their distance to the far edges.
    const SkinFrame frame =
        targetFrame({m.leftTopPoint, m.rightTopPoint, m.leftBottomPoint, m.rightBottomPoint, m.clientRect},
                    m.pictureWidth, m.pictureHeight, width, height);
    const SkinFrame hitTest =
        targetFrame({m.hitTestLeftTopPoint, m.hitTestRightTopPoint, m.hitTestLeftBottomPoint,
                     m.hitTestRightBottomPoint, m.maskRectArea},
                    m.pictureWidth, m.pictureHeight, width, height);
    FrameGeometry g;
    g.leftTop = frame.leftTop;
    g.rightTop = frame.rightTop;
    g.leftBottom = frame.leftBottom;
    g.rightBottom = frame.rightBottom;
    g.clientRect = frame.client;
    g.captionRect = m.captionRect;
    if (!rectIsEmpty(g.captionRect))
        g.captionRect.right = x(g.captionRect.right);
    g.buttonsRect = m.buttonsRect;
    if (!rectIsEmpty(g.buttonsRect) && g.buttonsRect.left > m.pictureWidth / 2)
        g.buttonsRect = {x(g.buttonsRect.left), g.buttonsRect.top, x(g.buttonsRect.right),
                         g.buttonsRect.bottom};
    g.buttonsOffset = m.buttonsOffset;
    g.buttonsInLeft = m.buttonsInLeft;
    g.hitTestLeftTop = hitTest.leftTop;
    g.hitTestRightTop = hitTest.rightTop;
    g.hitTestLeftBottom = hitTest.leftBottom;
    g.hitTestRightBottom = hitTest.rightBottom;
    g.maskArea = hitTest.client;
    return g;
}

} // namespace skin
