#include "skin/render/BitmapCopy.h"

#include "skin/render/SkinGeometry.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

using core::FBitmap;
using core::Rect;

namespace {

// Copies n bytes (n <= 32) as two overlapping words or pairs of them.
inline void copyShort(uint8_t* d, const uint8_t* s, size_t n) {
    if (n >= 16) {
        uint8_t head[16], tail[16];
        std::memcpy(head, s, 16);
        std::memcpy(tail, s + n - 16, 16);
        std::memcpy(d, head, 16);
        std::memcpy(d + n - 16, tail, 16);
    } else if (n >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, s, 8);
        std::memcpy(&tail, s + n - 8, 8);
        std::memcpy(d, &head, 8);
        std::memcpy(d + n - 8, &tail, 8);
    } else if (n >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, s, 4);
        std::memcpy(&tail, s + n - 4, 4);
        std::memcpy(d, &head, 4);
        std::memcpy(d + n - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < n; ++i)
            d[i] = s[i];
    }
}

// Source index of destination offset i for a scaled span (nearest neighbour, floor).
int32_t scaledIndex(int64_t i, int32_t srcSpan, int32_t dstSpan) {
    return int32_t(i * srcSpan / dstSpan);
}

// A run of destination pixels that all take one source column.
struct ColumnRun {
    int32_t column;
    int32_t count;
};

// The source columns of destination columns x0..x1 of a copy from sw columns at srcLeft to dw columns
// at dstLeft, as runs. Widening: one run per source column j, which destination offset i takes while
// floor(i * sw / dw) = j, i.e. up to ceil((j + 1) * dw / sw). Narrowing: one column per step, the
// quotient tracked rather than divided each time (q + rem / dw = i * sw / dw).
std::vector<ColumnRun> columnRuns(int32_t x0, int32_t x1, int32_t dstLeft, int32_t srcLeft, int32_t sw,
                                  int32_t dw) {
    std::vector<ColumnRun> runs;
    const int64_t i0 = x0 - dstLeft, i1 = x1 - dstLeft;
    if (sw < dw) {
        // n = (j + 1) * dw kept as quotient and remainder by sw, so that no run divides.
        const int64_t j0 = i0 * sw / dw;
        runs.reserve(size_t((i1 - i0) * sw / dw + 2));
        int64_t q = (j0 + 1) * dw / sw, rem = (j0 + 1) * dw % sw;
        const int64_t whole = dw / sw, part = dw % sw;
        for (int64_t i = i0, j = j0; i < i1; ++j) {
            const int64_t end = std::min(q + (rem > 0 ? 1 : 0), i1);
            runs.push_back({srcLeft + int32_t(j), int32_t(end - i)});
            i = end;
            // Without a branch: the carry follows no pattern a predictor could learn.
            rem += part;
            const int64_t carry = rem >= sw ? 1 : 0;
            rem -= carry * sw;
            q += whole + carry;
        }
        return runs;
    }
    runs.reserve(size_t(i1 - i0));
    int64_t q = scaledIndex(i0, sw, dw), rem = i0 * sw % dw;
    const int32_t whole = sw / dw, part = sw % dw;
    for (int64_t i = i0; i < i1; ++i) {
        runs.push_back({srcLeft + int32_t(q), 1});
        rem += part;
        const int64_t carry = rem >= dw ? 1 : 0;
        rem -= carry * dw;
        q += whole + carry;
    }
    return runs;
}

// Sixteen copies of a pixel (48 bytes, the same phase again after them), held in registers: a
// pattern built in memory and read back at once would stall every read on the stores just made.
class PixelPattern {
public:
    explicit PixelPattern(uint64_t p)
        : m_w0(p | p << 24 | p << 48), m_w1(p >> 16 | p << 8 | p << 32 | p << 56),
          m_w2(p >> 8 | p << 16 | p << 40) {
#if defined(__SSE2__)
        m_v0 = _mm_set_epi64x(int64_t(m_w1), int64_t(m_w0));
        m_v1 = _mm_set_epi64x(int64_t(m_w0), int64_t(m_w2));
        m_v2 = _mm_set_epi64x(int64_t(m_w2), int64_t(m_w1));
#endif
    }
    // The 48 bytes at d.
    void store48(uint8_t* d) const {
#if defined(__SSE2__)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), m_v0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 16), m_v1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 32), m_v2);
#else
        store24(d);
        store24(d + 24);
#endif
    }
    // The first n bytes (n < 48) at d.
    void storeFirst(uint8_t* d, size_t n) const {
        for (; n >= 24; n -= 24, d += 24)
            store24(d);
        const uint64_t w[3] = {m_w0, m_w1, m_w2};
        std::memcpy(d, w, n);
    }

private:
    void store24(uint8_t* d) const {
        std::memcpy(d, &m_w0, 8);
        std::memcpy(d + 8, &m_w1, 8);
        std::memcpy(d + 16, &m_w2, 8);
    }
    uint64_t m_w0, m_w1, m_w2; // eight pixels as three little-endian words
#if defined(__SSE2__)
    __m128i m_v0, m_v1, m_v2;
#endif
};

// Writes `count` copies of the pixel whose bytes are the low three of p at d. A copy may store up to
// 47 bytes past its end, but never past `limit`: the stores of one run that spill over are
// overwritten by the next one.
void fillPixel(uint8_t* d, const uint8_t* limit, uint64_t p, size_t count) {
    const PixelPattern pattern(p);
    const size_t bytes = 3 * count;
    if (bytes >= 192) {
        // A long run (a flat caption row is one) is doubled from itself by the library's copy.
        pattern.store48(d);
        for (size_t done = 48; done < bytes; done *= 2)
            std::memcpy(d + done, d, std::min(done, bytes - done));
        return;
    }
    size_t i = 0;
    for (; i + 48 <= bytes; i += 48)
        pattern.store48(d + i);
    if (i == bytes)
        return;
    if (d + i + 48 <= limit)
        pattern.store48(d + i);
    else
        pattern.storeFirst(d + i, bytes - i);
}

// One destination row of a scaled copy whose columns all lie in the source row: each run of equal
// pixels (neighbouring source columns of one colour merge into one run) is filled at once. Nothing
// past the row's last pixel is touched.
template <typename Columns>
void widenRow(uint8_t* drow, size_t pixels, const uint8_t* srow, int32_t firstColumn, int32_t lastColumn,
              Columns&& columns) {
    const uint8_t* const limit = drow + 3 * pixels;
    auto pixel = [srow](int32_t column) {
        const uint8_t* sp = srow + 3 * size_t(column);
        return uint64_t(sp[0]) | uint64_t(sp[1]) << 8 | uint64_t(sp[2]) << 16;
    };
    // When every column from the first to the last shows one colour (a flat caption row), the row is
    // one run.
    const uint8_t* first = srow + 3 * size_t(firstColumn);
    if (std::memcmp(first, first + 3, 3 * size_t(lastColumn - firstColumn)) == 0) {
        fillPixel(drow, limit, pixel(firstColumn), pixels);
        return;
    }
    const std::vector<ColumnRun>& runs = columns();
    for (size_t r = 0; r < runs.size();) {
        const uint64_t p = pixel(runs[r].column);
        size_t count = size_t(runs[r].count);
        for (++r; r < runs.size() && pixel(runs[r].column) == p; ++r)
            count += size_t(runs[r].count);
        fillPixel(drow, limit, p, count);
        drow += 3 * count;
    }
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
        const size_t dstStride = size_t(dst.stride()), srcStride = size_t(src.stride());
        uint8_t* d = dst.pixelAt(left, top);
        const uint8_t* s =
            src.pixelAt(srcRect.left + (left - dstRect.left), srcRect.top + (top - dstRect.top));
        if (bytes <= 32) {
            // The narrow rows of side pieces: a library call per row would cost more than the copy.
            for (int32_t y = top; y < bottom; ++y, d += dstStride, s += srcStride)
                copyShort(d, s, bytes);
            return;
        }
        for (int32_t y = top; y < bottom; ++y, d += dstStride, s += srcStride)
            std::memcpy(d, s, bytes);
        return;
    }

    // Scaled copy. Columns only grow from one end to the other, so the two ends bound them all; the
    // source column of every visible destination column is worked out once, when a row first needs
    // it (a row of one colour needs only the ends).
    const int32_t firstColumn = srcRect.left + scaledIndex(x0 - dstRect.left, sw, dw);
    const int32_t lastColumn = srcRect.left + scaledIndex(x1 - 1 - dstRect.left, sw, dw);
    std::vector<ColumnRun> runs;
    auto columns = [&]() -> const std::vector<ColumnRun>& {
        if (runs.empty())
            runs = columnRuns(x0, x1, dstRect.left, srcRect.left, sw, dw);
        return runs;
    };
    const bool allColumnsInside = firstColumn >= 0 && lastColumn < src.width();
    const size_t rowBytes = size_t(3) * size_t(x1 - x0);
    const size_t spanBytes = size_t(3) * size_t(lastColumn - firstColumn + 1);
    int32_t previousY = -1, previousSy = -1;
    for (int32_t y = y0; y < y1; ++y) {
        const int32_t sy = srcRect.top + (sh == dh ? y - dstRect.top : scaledIndex(y - dstRect.top, sh, dh));
        if (sy < 0 || sy >= src.height())
            continue;
        uint8_t* drow = dst.pixelAt(x0, y);
        if (allColumnsInside && previousSy >= 0 &&
            (sy == previousSy || std::memcmp(src.pixelAt(firstColumn, sy),
                                             src.pixelAt(firstColumn, previousSy), spanBytes) == 0)) {
            // A source row equal to the one just used (the same row, or the same pixels, as the flat
            // rows of a caption have) gives the row just written again.
            std::memcpy(drow, dst.pixelAt(x0, previousY), rowBytes);
            previousY = y;
            continue;
        }
        previousY = y;
        previousSy = sy;
        const uint8_t* srow = src.row(sy);
        if constexpr (std::endian::native == std::endian::little) {
            if (allColumnsInside) {
                widenRow(drow, size_t(x1 - x0), srow, firstColumn, lastColumn, columns);
                continue;
            }
        }
        for (const ColumnRun& run : columns()) {
            if (run.column < 0 || run.column >= src.width()) {
                drow += 3 * size_t(run.count);
                continue;
            }
            const uint8_t* sp = srow + 3 * size_t(run.column);
            for (int32_t i = 0; i < run.count; ++i, drow += 3) {
                drow[0] = sp[0];
                drow[1] = sp[1];
                drow[2] = sp[2];
            }
        }
    }
}

void stretchDraw(FBitmap& dst, const Rect& dstRect, const FBitmap& src) {
    copyRect(dst, dstRect, src, src.bounds());
}

int32_t repeatedRows(const FBitmap& bitmap, int32_t row, int32_t limit) {
    const size_t stride = size_t(bitmap.stride());
    int32_t same = 0, step = 1;
    while (same < limit) {
        const int32_t n = std::min(step, limit - same);
        if (std::memcmp(bitmap.row(row + same - 1), bitmap.row(row + same), stride * size_t(n)) == 0) {
            same += n;
            step *= 2;
        } else if (n == 1) {
            break;
        } else {
            step = n / 2;
        }
    }
    return same;
}

bool copiesWhole(const FBitmap& src, const Rect& srcRect) {
    return srcRect.left >= 0 && srcRect.top >= 0 && srcRect.right <= src.width() &&
           srcRect.bottom <= src.height() && srcRect.left < srcRect.right && srcRect.top < srcRect.bottom;
}

bool partsCover(int32_t span, std::initializer_list<StripPart> parts) {
    // Reach as far as the writing parts that start within what is reached so far allow, until no
    // part extends it.
    int64_t reach = 0;
    for (bool extended = true; extended && reach < span;) {
        extended = false;
        for (const StripPart& p : parts)
            if (p.writes && p.from <= reach && p.to > reach) {
                reach = p.to;
                extended = true;
            }
    }
    return reach >= span;
}

void tileColumns(FBitmap& dst, const FBitmap& src, int32_t srcLeft, int32_t srcTop, int32_t srcBottom,
                 int32_t d, int32_t from, int32_t to, int32_t dstTop, int32_t dstBottom) {
    if (d <= 0)
        return; // a zero-size middle would divide by zero; skins must not give one, so draw nothing
    const int32_t end = std::min(to, dst.width());
    if (&dst != &src && dstBottom - dstTop == srcBottom - srcTop && srcLeft >= 0 &&
        int64_t(srcLeft) + d <= src.width() && srcTop >= 0 && srcBottom <= src.height() && from >= 0 &&
        int64_t(from) + d <= end) {
        // The first tile, then each of its rows doubled along the row until the span is full.
        copyRect(dst, {from, dstTop, from + d, dstBottom}, src, {srcLeft, srcTop, srcLeft + d, srcBottom});
        const size_t span = size_t(3) * size_t(end - from);
        for (int32_t y = std::max(dstTop, 0); y < std::min(dstBottom, dst.height()); ++y) {
            uint8_t* row = dst.pixelAt(from, y);
            for (size_t done = size_t(3) * size_t(d); done < span; done *= 2)
                std::memcpy(row + done, row, std::min(done, span - done));
        }
        return;
    }
    const int32_t count = (to - from) / d;
    for (int32_t k = from < 0 ? -from / d : 0; k <= count; ++k) {
        const int32_t x = from + k * d;
        if (x >= dst.width())
            break;
        const int32_t cut = std::max(x + d - to, 0);
        copyRect(dst, {x, dstTop, x + d - cut, dstBottom}, src,
                 {srcLeft, srcTop, srcLeft + d - cut, srcBottom});
    }
}

void tileRows(FBitmap& dst, const FBitmap& src, int32_t srcLeft, int32_t srcRight, int32_t srcTop, int32_t d,
              int32_t from, int32_t to, int32_t dstLeft, int32_t dstRight) {
    if (d <= 0)
        return; // a zero-size middle would divide by zero; skins must not give one, so draw nothing
    if (dst.isEmpty())
        return; // a strip of no width (a window of no width) has no rows to copy between
    // Every visible pixel of a tile comes from the source when rows are whole, unscaled and the piece
    // lies inside the source; then a tile equals the rows of the whole tile above it.
    const bool repeatBlocks = &dst != &src && dstLeft <= 0 && dstRight >= dst.width() &&
                              srcRight - srcLeft == dstRight - dstLeft && srcLeft >= 0 &&
                              srcRight <= src.width() && srcTop >= 0 && int64_t(srcTop) + d <= src.height();
    const int32_t count = (to - from) / d;
    int64_t wholeTile = std::numeric_limits<int64_t>::min(); // top row of the last whole tile inside dst
    for (int32_t k = from < 0 ? -from / d : 0; k <= count; ++k) {
        const int32_t y = from + k * d;
        if (y >= dst.height())
            break;
        const int32_t cut = std::max(y + d - to, 0);
        if (repeatBlocks && wholeTile == int64_t(y) - d) {
            const int32_t rows = std::min(d - cut, dst.height() - y);
            if (rows > 0)
                std::memcpy(dst.row(y), dst.row(y - d), size_t(dst.stride()) * size_t(rows));
        } else {
            copyRect(dst, {dstLeft, y, dstRight, y + d - cut}, src,
                     {srcLeft, srcTop, srcRight, srcTop + d - cut});
        }
        if (cut == 0 && y >= 0 && int64_t(y) + d <= dst.height())
            wholeTile = y;
    }
}

} // namespace skin
