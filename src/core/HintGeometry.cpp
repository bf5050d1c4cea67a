#include "core/HintGeometry.h"

#include <algorithm>
#include <climits>

namespace core {

HintLayout hintLayout(const HintFrameMetrics* frame, int32_t textWidth, int32_t textHeight) {
    HintLayout out;
    textWidth = std::max(textWidth, 0);
    textHeight = std::max(textHeight, 0);
    if (!frame) {
        out.width = textWidth + 2 * plainHintMargin;
        out.height = textHeight + 2 * plainHintMargin;
        out.clientRect = {plainHintMargin, plainHintMargin, out.width - plainHintMargin,
                          out.height - plainHintMargin};
        return out;
    }
    const int32_t pw = frame->pictureWidth;
    const int32_t ph = frame->pictureHeight;
    const Rect& c = frame->clientRect;
    out.width = std::max(textWidth + c.left + (pw - c.right), pw);
    out.height = std::max(textHeight + c.top + (ph - c.bottom), ph);
    const int32_t dh = out.height - ph;
    out.clientRect = {c.left, c.top, out.width - (pw - c.right), c.bottom + dh};
    out.leftTop = frame->leftTop;
    out.rightTop = {out.width - (pw - frame->rightTop.x), frame->rightTop.y};
    out.leftBottom = {frame->leftBottom.x, frame->leftBottom.y + dh};
    out.rightBottom = {out.width - (pw - frame->rightBottom.x), frame->rightBottom.y + dh};
    return out;
}

Rect placeHint(Point at, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight) {
    Rect r{at.x, at.y, at.x + width, at.y + height};
    if (r.right > screenWidth)
        r = r.translated(-(width + 2), 0);
    if (r.bottom > screenHeight)
        r = r.translated(0, -(height + 2));
    return r;
}

Point hintTextOrigin(const Rect& clientRect, int32_t textWidth, int32_t textHeight) {
    return {clientRect.left + clientRect.width() / 2 - textWidth / 2,
            clientRect.top + clientRect.height() / 2 - textHeight / 2};
}

int32_t cursorHintMargin(std::span<const uint8_t> maskBits, int32_t maskWidth, int32_t maskHeight,
                         int32_t hotSpotY, int32_t fallback) {
    if (maskWidth <= 0 || maskHeight <= 0 || maskWidth > 4096)
        return fallback;
    const size_t rowSize = size_t((maskWidth + 31) / 32) * 4;
    const size_t half = size_t(maskWidth) * rowSize;
    if (maskBits.size() < half)
        return fallback;
    // Scans part from its start for the first byte unlike clear; the rows after it lie above it.
    auto scan = [&](std::span<const uint8_t> part, uint8_t clear) -> int32_t {
        for (size_t i = 0; i < part.size(); ++i)
            if (part[i] != clear)
                return int32_t((part.size() - i - 1) / rowSize) - hotSpotY;
        return INT32_MIN;
    };
    const std::span<const uint8_t> andMask = maskBits.subspan(maskBits.size() - half, half);
    int32_t margin = scan(andMask, 0xFF);
    if (margin == INT32_MIN && maskHeight >= 2 * maskWidth && maskBits.size() >= 2 * half)
        margin = scan(maskBits.subspan(maskBits.size() - 2 * half, half), 0);
    return margin == INT32_MIN ? fallback : margin;
}

} // namespace core
