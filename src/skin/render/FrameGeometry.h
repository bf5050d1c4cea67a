#pragma once
// Classes in this file: FormFrameMetrics (a skin's window-frame metrics), FrameGeometry (the same for
// one window size) — and computeFrameGeometry, which maps the first onto the second.
#include "skin/render/SkinGeometry.h"

namespace skin {

// The [FORMINFO] values that shape a skinned window's frame, in the coordinates of the skin's main
// picture (pictureWidth x pictureHeight).
struct FormFrameMetrics {
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    Point leftTopPoint;
    Point rightTopPoint;
    Point leftBottomPoint;
    Point rightBottomPoint;
    Rect clientRect;
    Rect captionRect;
    Rect buttonsRect;
    int32_t buttonsOffset = 0;
    bool buttonsInLeft = false;
    Rect maskRectArea;
    Point hitTestLeftTopPoint;
    Point hitTestRightTopPoint;
    Point hitTestLeftBottomPoint;
    Point hitTestRightBottomPoint;

    // The frame cut of the main picture, and of the mask (same points, mask area instead of client).
    SkinFrame frame() const {
        return {leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint, clientRect};
    }
    SkinFrame maskFrame() const {
        return {leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint, maskRectArea};
    }
};

// The frame of a window of one size, in window coordinates.
struct FrameGeometry {
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect clientRect;
    Rect captionRect;
    Rect buttonsRect;
    int32_t buttonsOffset = 0;
    bool buttonsInLeft = false;
    Point hitTestLeftTop;
    Point hitTestRightTop;
    Point hitTestLeftBottom;
    Point hitTestRightBottom;
    Rect maskArea;

    SkinFrame frame() const { return {leftTop, rightTop, leftBottom, rightBottom, clientRect}; }
    SkinFrame maskFrame() const { return {leftTop, rightTop, leftBottom, rightBottom, maskArea}; }
    friend bool operator==(const FrameGeometry&, const FrameGeometry&) = default;
};

// The right and bottom parts move with the size difference to the main picture; the caption grows
// with the width; the buttons follow the right edge when they start right of the picture's middle.
FrameGeometry computeFrameGeometry(const FormFrameMetrics& metrics, int32_t width, int32_t height);

} // namespace skin
