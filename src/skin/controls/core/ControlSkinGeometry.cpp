#include "skin/controls/core/ControlSkinGeometry.h"

#include "skin/data/DataSkinControl.h"

namespace skin {

ControlSkinGeometry controlSkinGeometry(const DataSkinCustomControl& record) {
    return {record.skinRect,        record.leftTopPoint,     record.rightTopPoint,
            record.leftBottomPoint, record.rightBottomPoint, record.clientRect};
}

ResizeMode deriveResizeMode(const ControlSkinGeometry& g) {
    if (rectIsEmpty(g.skinRect))
        return ResizeMode::None;
    if (g.rightBottom.x != 0 && g.rightBottom.y != 0)
        return ResizeMode::Both;
    if (g.rightTop.x != 0 || g.rightTop.y != 0)
        return ResizeMode::Horizontal;
    if (g.leftBottom.x != 0 || g.leftBottom.y != 0)
        return ResizeMode::Vertical;
    return ResizeMode::Fixed;
}

void fitSizeToSkin(const ControlSkinGeometry& g, ResizeMode mode, int32_t& width, int32_t& height,
                   FittedSkinGeometry& fitted) {
    const int32_t dx = width - g.skinWidth();
    const int32_t dy = height - g.skinHeight();
    switch (mode) {
    case ResizeMode::Both:
        fitted.leftTop = g.leftTop;
        fitted.rightTop = {g.rightTop.x + dx, g.rightTop.y};
        fitted.leftBottom = {g.leftBottom.x, g.leftBottom.y + dy};
        fitted.rightBottom = {g.rightBottom.x + dx, g.rightBottom.y + dy};
        fitted.client = {g.client.left, g.client.top, g.client.right + dx, g.client.bottom + dy};
        break;
    case ResizeMode::Horizontal:
        height = g.skinHeight();
        fitted.leftTop = g.leftTop;
        fitted.rightTop = {g.rightTop.x + dx, g.rightTop.y};
        fitted.client = {g.client.left, g.client.top, g.client.right + dx, g.client.bottom};
        break;
    case ResizeMode::Vertical:
        width = g.skinWidth();
        fitted.leftTop = g.leftTop;
        fitted.leftBottom = {g.leftBottom.x, g.leftBottom.y + dy};
        fitted.client = {g.client.left, g.client.top, g.client.right, g.client.bottom + dy};
        break;
    case ResizeMode::Fixed:
        width = g.skinWidth();
        height = g.skinHeight();
        fitted.client = g.client;
        break;
    case ResizeMode::None:
        break;
    }
}

Rect mapRectToSize(const ControlSkinGeometry& g, ResizeMode mode, const Rect& q, int32_t width,
                   int32_t height) {
    const int32_t sw = g.skinWidth();
    const int32_t sh = g.skinHeight();
    const int32_t dx = width - sw;
    const int32_t dy = height - sh;
    Rect r = q;
    switch (mode) {
    case ResizeMode::Both: {
        const Rect topLeft{0, 0, g.leftTop.x, g.leftTop.y};
        const Rect topRight{g.rightTop.x, 0, sw, g.rightTop.y};
        const Rect bottomLeft{0, g.leftBottom.y, g.leftBottom.x, sh};
        const Rect bottomRight{g.rightBottom.x, g.rightBottom.y, sw, sh};
        if (rectInsideRect(q, topLeft))
            return r;
        if (rectInsideRect(q, topRight))
            return q.translated(dx, 0);
        if (rectInsideRect(q, bottomLeft))
            return q.translated(0, dy);
        if (rectInsideRect(q, bottomRight))
            return q.translated(dx, dy);
        const Point tl{q.left, q.top};
        const Point br{q.right, q.bottom};
        if (pointInRectInclusive(topLeft, tl) && pointInRectInclusive(bottomRight, br)) {
            r.right += dx;
            r.bottom += dy;
        } else if (pointInRectInclusive(topLeft, tl) && pointInRectInclusive(topRight, br)) {
            r.right += dx;
        } else if (pointInRectInclusive(bottomLeft, tl) && pointInRectInclusive(bottomRight, br)) {
            r.right += dx;
            r = r.translated(0, dy);
        } else if (pointInRectInclusive(topLeft, tl) && pointInRectInclusive(bottomLeft, br)) {
            r.bottom += dy;
        } else if (pointInRectInclusive(topRight, tl) && pointInRectInclusive(bottomRight, br)) {
            r = r.translated(dx, 0);
            r.bottom += dy;
        }
        return r;
    }
    case ResizeMode::Horizontal:
        if (q.left <= g.leftTop.x && q.right >= g.rightTop.x)
            r.right += dx;
        else if (q.left >= g.rightTop.x && q.right > g.rightTop.x)
            r = r.translated(dx, 0);
        return r;
    case ResizeMode::Vertical:
        if (q.top <= g.leftTop.y && q.bottom >= g.leftBottom.y)
            r.bottom += dy;
        else if (q.top >= g.leftBottom.y && q.bottom > g.leftBottom.y)
            r = r.translated(0, dy);
        return r;
    case ResizeMode::Fixed:
    case ResizeMode::None:
        break;
    }
    return r;
}

MaskFrames maskFrames(const ControlSkinGeometry& g, ResizeMode mode, const FittedSkinGeometry& fitted,
                      int32_t width, int32_t height) {
    MaskFrames f{g.frame(), fitted.frame()};
    if (mode == ResizeMode::Horizontal) {
        f.source.leftBottom = g.leftTop;
        f.source.rightBottom = g.rightTop;
        const Point right{width - (g.skinWidth() - g.rightTop.x), g.rightTop.y};
        f.target.leftTop = g.leftTop;
        f.target.leftBottom = g.leftTop;
        f.target.rightTop = right;
        f.target.rightBottom = right;
    } else if (mode == ResizeMode::Vertical) {
        f.source.rightTop = g.leftTop;
        f.source.rightBottom = g.leftBottom;
        const Point bottom{g.leftBottom.x, height - (g.skinHeight() - g.leftBottom.y)};
        f.target.leftTop = g.leftTop;
        f.target.rightTop = g.leftTop;
        f.target.leftBottom = bottom;
        f.target.rightBottom = bottom;
    }
    return f;
}

} // namespace skin
