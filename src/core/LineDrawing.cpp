#include "core/LineDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace core {

void plotLine(FBitmap& bitmap, Point from, Point to, Color rgbColor) {
    const int64_t w = bitmap.width(), h = bitmap.height();
    if (from.y == to.y) {
        if (from.y < 0 || from.y >= h || from.x == to.x)
            return;
        int64_t first = from.x < to.x ? from.x : int64_t(to.x) + 1;
        int64_t last = from.x < to.x ? int64_t(to.x) - 1 : from.x;
        for (int64_t x = std::max<int64_t>(first, 0); x <= std::min(last, w - 1); ++x)
            bitmap.setPixel(int32_t(x), from.y, rgbColor);
        return;
    }
    if (from.x == to.x) {
        if (from.x < 0 || from.x >= w)
            return;
        int64_t first = from.y < to.y ? from.y : int64_t(to.y) + 1;
        int64_t last = from.y < to.y ? int64_t(to.y) - 1 : from.y;
        for (int64_t y = std::max<int64_t>(first, 0); y <= std::min(last, h - 1); ++y)
            bitmap.setPixel(from.x, int32_t(y), rgbColor);
        return;
    }
    int64_t x = from.x, y = from.y;
    int64_t dx = std::llabs(int64_t(to.x) - x), dy = -std::llabs(int64_t(to.y) - y);
    int64_t sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
    int64_t err = dx + dy;
    while (x != to.x || y != to.y) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            bitmap.setPixel(int32_t(x), int32_t(y), rgbColor);
        int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace core
