#include "skin/render/BitmapCopy.h"

#include "skin/render/SkinGeometry.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace skin {

using core::FBitmap;
using core::Rect;

namespace {

// Source index of destination offset i for a scaled span (nearest neighbour, floor).
int32_t scaledIndex(int64_t i, int32_t srcSpan, int32_t dstSpan) {
    return int32_t(i * srcSpan / dstSpan);
}

// One destination row of a scaled copy whose columns all lie in the source row: each pixel is stored as
// four bytes, the fourth overwritten by the next pixel (the last one is stored as three), and a source
// pixel repeated by widening is read once.
void widenRow(uint8_t* drow, const uint8_t* srow, const std::vector<int32_t>& columns) {
    const size_t n = columns.size();
    uint32_t value = 0;
    int32_t last = -1;
    for (size_t i = 0; i + 1 < n; ++i, drow += 3) {
        if (columns[i] != last) {
            last = columns[i];
            const uint8_t* sp = srow + 3 * size_t(last);
            value = uint32_t(sp[0]) | uint32_t(sp[1]) << 8 | uint32_t(sp[2]) << 16;
        }
        std::memcpy(drow, &value, 4);
    }
    std::memcpy(drow, srow + 3 * size_t(columns[n - 1]), 3);
}

} // namespace

void copyRect(FBitmap& dst, const Rect& dstRect, const FBitmap& src, const Rect& srcRect) {
    if (!inSkinRange(dstRect) || !inSkinRange(srcRect))
        return; // far outside any bitmap; also keeps the arithmetic below from overflowing
    const int32_t dw = dstRect.width(), dh = dstRect.height();
    const int32_t sw = srcRect.width(), sh = srcRect.height();
    if (dw < 1 || dh < 1 || sw < 1 || sh < 1 || dst.isEmpty() || src.isEmpty())
        return;
    if (&dst == &src) {
        // Overlapping copies within one bitmap go through a scratch copy of the source.
        FBitmap scratch = src.clone();
        copyRect(dst, dstRect, scratch, srcRect);
        return;
    }

    // Destination span actually visible.
    const int32_t x0 = std::max(dstRect.left, 0), x1 = std::min(dstRect.right, dst.width());
    const int32_t y0 = std::max(dstRect.top, 0), y1 = std::min(dstRect.bottom, dst.height());
    if (x0 >= x1 || y0 >= y1)
        return;

    if (dw == sw && dh == sh) {
        // Exact copy: clip by both bitmaps and move whole rows.
        int32_t left = std::max(x0, dstRect.left + (0 - srcRect.left));
        int32_t right = std::min(x1, dstRect.left + (src.width() - srcRect.left));
        int32_t top = std::max(y0, dstRect.top + (0 - srcRect.top));
        int32_t bottom = std::min(y1, dstRect.top + (src.height() - srcRect.top));
        if (left >= right || top >= bottom)
            return;
        const size_t bytes = size_t(3) * size_t(right - left);
        for (int32_t y = top; y < bottom; ++y) {
            const int32_t sy = srcRect.top + (y - dstRect.top);
            std::memcpy(dst.pixelAt(left, y), src.pixelAt(srcRect.left + (left - dstRect.left), sy), bytes);
        }
        return;
    }

    // Scaled copy: precompute the source column of every visible destination column.
    std::vector<int32_t> columns(size_t(x1 - x0));
    for (int32_t x = x0; x < x1; ++x)
        columns[size_t(x - x0)] = srcRect.left + scaledIndex(x - dstRect.left, sw, dw);
    // Columns only grow (or shrink) from one end to the other, so the two ends bound them all.
    const bool allColumnsInside = std::min(columns.front(), columns.back()) >= 0 &&
                                  std::max(columns.front(), columns.back()) < src.width();
    const size_t rowBytes = size_t(3) * size_t(x1 - x0);
    int32_t previousY = -1, previousSy = -1;
    for (int32_t y = y0; y < y1; ++y) {
        const int32_t sy = srcRect.top + scaledIndex(y - dstRect.top, sh, dh);
        if (sy < 0 || sy >= src.height())
            continue;
        uint8_t* drow = dst.pixelAt(x0, y);
        if (sy == previousSy && allColumnsInside) {
            // A repeated source row gives the row just written again.
            std::memcpy(drow, dst.pixelAt(x0, previousY), rowBytes);
            previousY = y;
            continue;
        }
        previousY = y;
        previousSy = sy;
        const uint8_t* srow = src.row(sy);
        if constexpr (std::endian::native == std::endian::little) {
            if (allColumnsInside) {
                widenRow(drow, srow, columns);
                continue;
            }
        }
        for (int32_t x = x0; x < x1; ++x, drow += 3) {
            const int32_t sx = columns[size_t(x - x0)];
            if (!allColumnsInside && (sx < 0 || sx >= src.width()))
                continue;
            const uint8_t* sp = srow + 3 * size_t(sx);
            drow[0] = sp[0];
            drow[1] = sp[1];
            drow[2] = sp[2];
        }
    }
}

void stretchDraw(FBitmap& dst, const Rect& dstRect, const FBitmap& src) {
    copyRect(dst, dstRect, src, src.bounds());
}

} // namespace skin
