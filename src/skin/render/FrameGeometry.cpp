#include "skin/render/FrameGeometry.h"

namespace skin {

FrameGeometry computeFrameGeometry(const FormFrameMetrics& m, int32_t width, int32_t height) {
    const int32_t dx = width - m.pictureWidth, dy = height - m.pictureHeight;
    FrameGeometry g;
    g.leftTop = m.leftTopPoint;
    g.rightTop = {m.rightTopPoint.x + dx, m.rightTopPoint.y};
    g.leftBottom = {m.leftBottomPoint.x, m.leftBottomPoint.y + dy};
    g.rightBottom = {m.rightBottomPoint.x + dx, m.rightBottomPoint.y + dy};
    g.clientRect = {m.clientRect.left, m.clientRect.top, m.clientRect.right + dx, m.clientRect.bottom + dy};
    g.captionRect = m.captionRect;
    if (!rectIsEmpty(g.captionRect))
        g.captionRect.right += dx;
    g.buttonsRect = m.buttonsRect;
    if (!rectIsEmpty(g.buttonsRect) && g.buttonsRect.left > m.pictureWidth / 2)
        g.buttonsRect = g.buttonsRect.translated(dx, 0);
    g.buttonsOffset = m.buttonsOffset;
    g.buttonsInLeft = m.buttonsInLeft;
    g.hitTestLeftTop = m.hitTestLeftTopPoint;
    g.hitTestRightTop = {m.hitTestRightTopPoint.x + dx, m.hitTestRightTopPoint.y};
    g.hitTestLeftBottom = {m.hitTestLeftBottomPoint.x, m.hitTestLeftBottomPoint.y + dy};
    g.hitTestRightBottom = {m.hitTestRightBottomPoint.x + dx, m.hitTestRightBottomPoint.y + dy};
    g.maskArea = {m.maskRectArea.left, m.maskRectArea.top, m.maskRectArea.right + dx,
                  m.maskRectArea.bottom + dy};
    return g;
}

} // namespace skin
