#include "skin/form/FormCommands.h"

#include <algorithm>

namespace skin {

Point minimumFrameSize(const FrameSizeInput& in) {
    if (!in.skinned) {
        const int32_t h0 = in.captionHeight + 6;
        return {in.minWidth > 0 ? in.minWidth : 120,
                (h0 >= in.minHeight || in.rolledUp || in.minimized) ? h0 : in.minHeight};
    }
    const int32_t w = (in.pictureWidth < in.minWidth && !in.minimized) ? in.minWidth : in.pictureWidth;
    const int32_t h0 = in.pictureHeight - in.clientHeight;
    return {w, (h0 >= in.minHeight || in.rolledUp || in.minimized) ? h0 : in.minHeight};
}

Point maximumFrameSize(const FrameSizeInput& in, const Rect& available) {
    Point p{available.width(), available.height()};
    if (in.maxWidth > 0 && in.maxWidth < p.x)
        p.x = in.maxWidth;
    if (in.maxHeight > 0 && in.maxHeight < p.y)
        p.y = in.maxHeight;
    return p;
}

Point snapToWorkArea(const Rect& r, int32_t m, int32_t left, int32_t top, int32_t height, int32_t width) {
    if (r.left - m < left && left < r.left + m)
        left = r.left;
    if (r.top - m < top && top < r.top + m)
        top = r.top;
    if (r.right - m < left + width && left + width < r.right + m)
        left = r.right - width;
    if (r.bottom - m < top + height && top + height < r.bottom + m)
        top = r.bottom - height;
    return {left, top};
}

Rect maximizedBounds(const Rect& monitor, const Rect& workArea, Point screenSize, bool fullScreen) {
    if (fullScreen)
        return monitor;
    Rect r = workArea;
    if (workArea.width() == monitor.width() && workArea.height() == monitor.height() &&
        monitor == Rect{0, 0, screenSize.x, screenSize.y})
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    return r;
}

CaptionDoubleClick captionDoubleClickAction(bool sizeable, bool minimized, bool maximized, bool rolledUp,
                                            bool rolledUpWhileMaximized, bool canMaximize) {
    if (sizeable && minimized)
        return CaptionDoubleClick::Restore;
    if (sizeable && !maximized && !rolledUp && canMaximize)
        return CaptionDoubleClick::Maximize;
    if (sizeable && maximized && !rolledUpWhileMaximized)
        return CaptionDoubleClick::Restore;
    return CaptionDoubleClick::ToggleRollUp;
}

double morphStep(double factor, bool active) {
    const double k = std::clamp(factor + (active ? morphStepSize : -morphStepSize), 0.0, 1.0);
    // 0.2 has no exact binary form: five steps sum to 0.9999999999999999, which would take a sixth.
    constexpr double epsilon = 1e-9;
    return k > 1 - epsilon ? 1.0 : k < epsilon ? 0.0 : k;
}

bool canMorph(double factor, bool active) {
    return (active && factor < 1) || (!active && factor > 0);
}

} // namespace skin
