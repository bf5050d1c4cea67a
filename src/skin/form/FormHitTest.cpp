#include "skin/form/FormHitTest.h"

#include <algorithm>

namespace skin {

namespace {

bool inAny(std::span<const Rect> rects, Point p) {
    return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.contains(p); });
}

} // namespace

HitCode skinnedHitTest(const FrameGeometry& g, int32_t b, const FrameHitState& state,
                       std::span<const Rect> captionRects, const MaskShape* shape, Point p) {
    const Rect& client = g.clientRect;
    const int32_t x = p.x, y = p.y, W = state.width, H = state.height;
    if (!state.rolledUpOrMinimized) {
        if (state.objectActive && !inAny(captionRects, p) && !client.contains(p) && !state.inSizeMove)
            return HitCode::Object;
        if (!state.maximized && state.sizeable) {
            const Point probes[] = {{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}};
            const Rect window{0, 0, W, H};
            bool nearEdge;
            if (!shape)
                nearEdge = std::any_of(std::begin(probes), std::end(probes),
                                       [&](Point q) { return !window.contains(q); });
            else
                nearEdge = !g.maskArea.contains(p) &&
                           std::any_of(std::begin(probes), std::end(probes),
                                       [&](Point q) { return !shape->contains(g.maskArea, q); });
            if (!nearEdge) {
                if (client.contains(p))
                    return HitCode::Client;
                return inAny(captionRects, p) ? HitCode::Caption : HitCode::Object;
            }
            if (x <= g.hitTestLeftTop.x && y <= g.hitTestLeftTop.y)
                return HitCode::TopLeft;
            if (x >= g.hitTestRightTop.x && y <= g.hitTestRightTop.y)
                return HitCode::TopRight;
            if (x <= g.hitTestLeftBottom.x && y >= g.hitTestLeftBottom.y)
                return HitCode::BottomLeft;
            if (x >= g.hitTestRightBottom.x && y >= g.hitTestRightBottom.y)
                return HitCode::BottomRight;
            if (Rect{g.leftTop.x, 0, g.rightTop.x, client.top}.contains(p))
                return HitCode::Top;
            if (Rect{g.leftBottom.x, client.bottom, g.rightBottom.x, H}.contains(p))
                return HitCode::Bottom;
            if (Rect{0, g.leftTop.y, client.left, g.leftBottom.y}.contains(p))
                return HitCode::Left;
            if (Rect{client.right, g.rightTop.y, W, g.rightBottom.y}.contains(p))
                return HitCode::Right;
        }
        if (client.contains(p))
            return HitCode::Client;
    }
    return inAny(captionRects, p) ? HitCode::Caption : HitCode::Object;
}

HitCode builtInHitTest(const Rect& captionRect, int32_t captionHeight, const FrameHitState& state, Point p) {
    const int32_t x = p.x, y = p.y, W = state.width, H = state.height;
    if (!state.maximized && !state.rolledUpOrMinimized && state.sizeable) {
        if (state.objectActive)
            return HitCode::Object;
        if (x <= 2 && y <= 2)
            return HitCode::TopLeft;
        if (x >= W - 2 && y <= 2)
            return HitCode::TopRight;
        if (x <= 2 && y >= H - 2)
            return HitCode::BottomLeft;
        if (x >= W - 2 && y >= H - 2)
            return HitCode::BottomRight;
        if (x <= 2)
            return HitCode::Left;
        if (y <= 2)
            return HitCode::Top;
        if (x >= W - 2)
            return HitCode::Right;
        if (y >= H - 2)
            return HitCode::Bottom;
    }
    if (captionRect.contains(p))
        return HitCode::Caption;
    if (Rect{3, captionHeight + 3, W - 3, H - 3}.contains(p))
        return HitCode::Client;
    return HitCode::Object;
}

int formCursorHitCode(int hitCode) {
    if (hitCode == int(HitCode::Client) ||
        (hitCode >= int(HitCode::Left) && hitCode <= int(HitCode::BottomRight)))
        return hitCode;
    return int(HitCode::Client);
}

} // namespace skin
