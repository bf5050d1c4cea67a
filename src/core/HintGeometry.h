#pragma once
// Classes in this file: HintFrameMetrics, HintLayout.
// The pure rules of a hint window: its size from the measured text and a hint picture (or the
// plain margins without one), where the text goes, and where the window goes on the screen.
#include "core/Geometry.h"

#include <cstdint>
#include <span>

namespace core {

// The hint picture of a skin and its geometry.
struct HintFrameMetrics {
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect clientRect;
};

// A hint window's size and, with a skin picture, the corner points and text area moved to that size.
struct HintLayout {
    int32_t width = 0;
    int32_t height = 0;
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect clientRect;
};

// Margin around the text of a plain hint on each side.
constexpr int32_t plainHintMargin = 2;

// Size of a hint whose text measures textWidth x textHeight. With a frame the window is never smaller
// than the hint picture; without one it is the text plus the plain margins.
HintLayout hintLayout(const HintFrameMetrics* frame, int32_t textWidth, int32_t textHeight);

// Screen rectangle of a hint of width x height opened at the point `at`: down and right of it, moved
// left (by width + 2) when it would pass the right edge of the screen and up (by height + 2) when it
// would pass the bottom.
Rect placeHint(Point at, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight);

// Top-left of text of textWidth x textHeight centred in a skinned hint's text area.
Point hintTextOrigin(const Rect& clientRect, int32_t textWidth, int32_t textHeight);

// Distance from the cursor's hot spot to the lowest visible row of its picture: where a hint goes below
// the cursor. maskBits are the rows of a monochrome cursor mask (rows of ((maskWidth + 31) / 32) * 4
// bytes, bottom row first): the AND mask, over the XOR mask when the mask is twice as high as wide.
// The lowest row with a visible pixel is sought in the AND mask, then (when that is wholly clear and
// there is an XOR mask) in the XOR mask. fallback is returned when the bits are too short or nothing
// is visible.
int32_t cursorHintMargin(std::span<const uint8_t> maskBits, int32_t maskWidth, int32_t maskHeight,
                         int32_t hotSpotY, int32_t fallback);

} // namespace core
