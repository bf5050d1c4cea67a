#include "skin/render/MaskShape.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace skin {

using core::FBitmap;
using core::Rect;

MaskShape::MaskShape(const SkinFrame& source, const FBitmap& mask) : m_source(source), m_mask(mask.clone()) {
    if (mask.isEmpty())
        return;
    m_width = mask.width();
    m_height = mask.height();
    const size_t w = size_t(m_width);
    m_inside.resize(w * size_t(m_height));
    m_rowStart.reserve(size_t(m_height) + 1);
    for (int32_t y = 0; y < m_height; ++y) {
        const uint8_t* row = mask.row(y);
        uint8_t* in = &m_inside[size_t(y) * w];
        for (size_t x = 0; x < w; ++x)
            in[x] = isMaskPixelInside(row + 3 * x) ? 1 : 0;
        m_rowStart.push_back(uint32_t(m_runs.size()));
        for (int32_t x = 0; x < m_width;) {
            if (!in[x]) {
                ++x;
                continue;
            }
            const int32_t left = x;
            while (x < m_width && in[x])
                ++x;
            m_runs.push_back({left, x});
        }
    }
    m_rowStart.push_back(uint32_t(m_runs.size()));

    // For each row, the first row below it whose columns col0..col1 differ from the row above them.
    auto nextChanges = [this](int32_t col0, int32_t col1) {
        std::vector<int32_t> next(size_t(m_height), m_height);
        for (int32_t r = m_height - 2; r >= 0; --r)
            next[size_t(r)] = sameColumns(r, r + 1, col0, col1) ? next[size_t(r) + 1] : r + 1;
        return next;
    };
    const Rect& m = source.client;
    m_nextRowChange = nextChanges(0, m_width);
    m_nextLeftChange = nextChanges(0, std::clamp(m.left, 0, m_width));
    m_nextRightChange = nextChanges(std::clamp(m.right, 0, m_width), m_width);
}

bool MaskShape::sameColumns(int32_t rowA, int32_t rowB, int32_t col0, int32_t col1) const {
    if (col1 <= col0)
        return true;
    const size_t w = size_t(m_width);
    return std::memcmp(&m_inside[size_t(rowA) * w + size_t(col0)], &m_inside[size_t(rowB) * w + size_t(col0)],
                       size_t(col1 - col0)) == 0;
}

bool MaskShape::layoutBand(Band& band, int32_t width, int32_t height, int32_t y, int32_t srcTop, int32_t rows,
                           int32_t leftX, int32_t rightX, int32_t targetLeftX, int32_t targetRightX) {
    // Read directly only when no piece is scaled (a strip lower than its band scales its rows, a right
    // piece of another width its columns) and every piece lies inside the mask.
    const int32_t rightWidth = width - targetRightX, rightSource = m_width - rightX;
    if (rows > height || srcTop < 0 || srcTop + rows > m_height || leftX < 0 || leftX > rightX ||
        rightX > m_width || (rightWidth >= 1 && rightSource >= 1 && rightWidth != rightSource))
        return false;
    band.present = true;
    band.y = y;
    band.width = width;
    band.height = rows;
    band.srcTop = srcTop;
    const bool hasRight = rightWidth >= 1 && rightSource >= 1;
    band.rightStart = hasRight ? std::max(targetRightX, 0) : width;
    band.rightEnd = width;
    band.rightShift = targetRightX - rightX;
    band.leftEnd = std::min({leftX, width, band.rightStart});
    band.tileWidth = rightX - leftX;
    band.tileFrom = targetLeftX;
    band.tileSrc = leftX;
    if (band.tileWidth > 0) {
        band.tileStart = std::max(targetLeftX, band.leftEnd);
        band.tileEnd = std::min({targetRightX, width, band.rightStart});
    }
    return true;
}

bool MaskShape::layoutSide(Side& side, int32_t x, int32_t y, int32_t col0, int32_t width, int32_t height,
                           int32_t middleTop, int32_t middleBottom, const std::vector<int32_t>& nextChange) {
    const int32_t areaTop = m_source.client.top, areaBottom = m_source.client.bottom;
    const int32_t d = middleBottom - middleTop, topRows = middleTop - areaTop,
                  bottomRows = areaBottom - middleBottom;
    if (col0 < 0 || col0 + width > m_width || (d > 0 && (middleTop < 0 || middleBottom > m_height)) ||
        (topRows > 0 && (areaTop < 0 || middleTop > m_height)) ||
        (bottomRows > 0 && (middleBottom < 0 || areaBottom > m_height)))
        return false;
    side.present = true;
    side.x = x;
    side.y = y;
    side.width = width;
    side.height = height;
    side.col0 = col0;
    side.bottomOrigin = height - bottomRows;
    side.bottomStart = bottomRows > 0 ? std::max(side.bottomOrigin, 0) : height;
    side.topEnd = topRows > 0 ? std::min(topRows, side.bottomStart) : 0;
    side.areaTop = areaTop;
    side.middleTop = middleTop;
    side.middleBottom = middleBottom;
    side.tiled = d > 0;
    // Rows all alike within the middle repeat across its wrap too.
    side.uniformTile = side.tiled && nextChange[size_t(middleTop)] >= middleBottom;
    side.nextChange = &nextChange;
    return true;
}

void MaskShape::layout(const SkinFrame& target, int32_t width, int32_t height) {
    m_laidOut = true;
    m_area = target.client;
    m_top = m_bottom = Band{};
    m_left = m_right = Side{};
    const SkinFrame& s = m_source;
    const Rect m = s.client, nm = target.client;
    m_direct = !m_mask.isEmpty() && inSkinRange(s) && inSkinRange(target) && inSkinRange(width) &&
               inSkinRange(height);
    if (m_direct) {
        const int32_t h = std::min(nm.height(), height);
        const int32_t leftWidth = m.left, rightWidth = m_width - m.right;
        m_direct =
            (!(width > 0 && m.top > 0) || layoutBand(m_top, width, height, 0, 0, m.top, s.leftTop.x,
                                                     s.rightTop.x, target.leftTop.x, target.rightTop.x)) &&
            (!(width >= 1 && std::min(m_height - m.bottom, height) >= 1) ||
             layoutBand(m_bottom, width, height, nm.bottom, m.bottom, m_height - m.bottom, s.leftBottom.x,
                        s.rightBottom.x, target.leftBottom.x, target.rightBottom.x)) &&
            (!(leftWidth > 0 && h > 0) ||
             (leftWidth <= width && layoutSide(m_left, 0, nm.top, 0, leftWidth, h, s.leftTop.y,
                                               s.leftBottom.y, m_nextLeftChange))) &&
            (!(rightWidth > 0 && h > 0) ||
             (rightWidth <= width && layoutSide(m_right, nm.right, nm.top, m.right, rightWidth, h,
                                                s.rightTop.y, s.rightBottom.y, m_nextRightChange)));
    }
    if (m_direct) {
        m_strips = MaskStrips{};
        return;
    }
    m_top = m_bottom = Band{};
    m_left = m_right = Side{};
    splitMaskBorders(s, target, m_mask, width, height, m_strips);
}

int32_t MaskShape::sideRow(const Side& side, int32_t i, int32_t* sameRows) const {
    const std::vector<int32_t>& next = *side.nextChange;
    auto linear = [&](int32_t row, int32_t end) {
        *sameRows = std::min(next[size_t(row)] - row, end - i);
        return row;
    };
    if (i >= side.bottomStart)
        return linear(side.middleBottom + (i - side.bottomOrigin), side.height);
    if (i < side.topEnd)
        return linear(side.areaTop + i, side.topEnd);
    if (!side.tiled) {
        *sameRows = side.bottomStart - i;
        return -1;
    }
    const int32_t row = side.middleTop + i % (side.middleBottom - side.middleTop);
    *sameRows = side.uniformTile
                    ? side.bottomStart - i
                    : std::min(std::min(next[size_t(row)], side.middleBottom) - row, side.bottomStart - i);
    return row;
}

void MaskShape::bandSpans(const Band& band, int32_t i, std::vector<Span>& spans) const {
    const int32_t row = band.srcTop + i;
    const Span* first = m_runs.data() + m_rowStart[size_t(row)];
    const Span* last = m_runs.data() + m_rowStart[size_t(row) + 1];
    auto put = [&](int32_t left, int32_t right, int32_t from, int32_t to) {
        left = std::max(left, from);
        right = std::min(right, to);
        if (left < right)
            spans.push_back({left, right});
    };
    for (const Span* run = first; run != last; ++run) {
        put(run->left, run->right, 0, band.leftEnd);
        put(run->left + band.rightShift, run->right + band.rightShift, band.rightStart, band.rightEnd);
    }
    if (band.tileStart >= band.tileEnd)
        return;
    // The middle's runs, relative to its first column; a middle inside throughout is one span.
    const int32_t d = band.tileWidth, src = band.tileSrc;
    int32_t tileRuns = 0;
    bool whole = false;
    for (const Span* run = first; run != last; ++run)
        if (run->right > src && run->left < src + d) {
            ++tileRuns;
            whole = run->left <= src && run->right >= src + d;
        }
    if (tileRuns == 0)
        return;
    if (whole) {
        spans.push_back({band.tileStart, band.tileEnd});
        return;
    }
    for (int64_t base = band.tileFrom + int64_t(band.tileStart - band.tileFrom) / d * d; base < band.tileEnd;
         base += d)
        for (const Span* run = first; run != last; ++run)
            if (run->right > src && run->left < src + d)
                put(int32_t(base + std::max(run->left - src, 0)),
                    int32_t(base + std::min(run->right - src, d)), band.tileStart, band.tileEnd);
}

int32_t MaskShape::sideSpans(const Side& side, int32_t i, std::vector<Span>& spans) const {
    int32_t same;
    const int32_t row = sideRow(side, i, &same);
    if (row < 0)
        return same;
    const int32_t shift = side.x - side.col0;
    for (uint32_t k = m_rowStart[size_t(row)]; k < m_rowStart[size_t(row) + 1]; ++k) {
        const int32_t left = std::max(m_runs[k].left, side.col0);
        const int32_t right = std::min(m_runs[k].right, side.col0 + side.width);
        if (left < right)
            spans.push_back({left + shift, right + shift});
    }
    return same;
}

Region MaskShape::region() const {
    if (!m_laidOut)
        return {};
    if (!m_direct)
        return regionFromMaskStrips(m_strips, m_area);
    const Rect nm = m_area;
    const bool hasArea = !rectIsEmpty(nm);
    int32_t first = hasArea ? nm.top : std::numeric_limits<int32_t>::max();
    int32_t last = hasArea ? nm.bottom : std::numeric_limits<int32_t>::min();
    for (const Band* band : {&m_top, &m_bottom})
        if (band->present) {
            first = std::min(first, band->y);
            last = std::max(last, band->y + band->height);
        }
    for (const Side* side : {&m_left, &m_right})
        if (side->present) {
            first = std::min(first, side->y);
            last = std::max(last, side->y + side->height);
        }
    // A row's spans, then every row below it up to the next edge or change repeats them.
    RegionRowBuilder builder;
    std::vector<Span> spans;
    for (int64_t y = first; y < last;) {
        spans.clear();
        int64_t next = last;
        auto edge = [&](int64_t e) {
            if (e > y)
                next = std::min(next, e);
        };
        auto strip = [&](int32_t top, int32_t rows, auto&& covered) {
            edge(top);
            edge(int64_t(top) + rows);
            if (y >= top && y < int64_t(top) + rows)
                next = std::min(next, y + covered(int32_t(y - top)));
        };
        if (hasArea) {
            edge(nm.top);
            edge(nm.bottom);
            if (y >= nm.top && y < nm.bottom)
                spans.push_back({nm.left, nm.right});
        }
        for (const Band* band : {&m_top, &m_bottom})
            if (band->present)
                strip(band->y, band->height, [&](int32_t i) {
                    bandSpans(*band, i, spans);
                    const int32_t row = band->srcTop + i;
                    return std::min(m_nextRowChange[size_t(row)] - row, band->height - i);
                });
        for (const Side* side : {&m_left, &m_right})
            if (side->present)
                strip(side->y, side->height, [&](int32_t i) { return sideSpans(*side, i, spans); });
        builder.addRow(int32_t(y), spans);
        if (next - 1 > y)
            builder.repeatRow(int32_t(next - 1));
        y = next;
    }
    return builder.take();
}

bool MaskShape::bandInside(const Band& band, int64_t x64, int64_t i64) const {
    if (!band.present || x64 < 0 || x64 >= band.width || i64 < 0 || i64 >= band.height)
        return false;
    const int32_t x = int32_t(x64), i = int32_t(i64);
    const int32_t row = band.srcTop + i;
    if (x >= band.rightStart && x < band.rightEnd)
        return inside(x - band.rightShift, row);
    if (x < band.leftEnd)
        return inside(x, row);
    if (x >= band.tileStart && x < band.tileEnd)
        return inside(band.tileSrc + (x - band.tileFrom) % band.tileWidth, row);
    return false;
}

bool MaskShape::sideInside(const Side& side, int64_t x64, int64_t i64) const {
    if (!side.present || x64 < 0 || x64 >= side.width || i64 < 0 || i64 >= side.height)
        return false;
    const int32_t x = int32_t(x64), i = int32_t(i64);
    int32_t same;
    const int32_t row = sideRow(side, i, &same);
    return row >= 0 && inside(side.col0 + x, row);
}

bool MaskShape::contains(const Rect& maskArea, Point p) const {
    if (m_laidOut && !m_direct)
        return maskShapeContains(m_strips, maskArea, p);
    // The strip a point falls in, as for composed strips.
    if (maskArea.contains(p))
        return true;
    if (p.y <= maskArea.top)
        return bandInside(m_top, p.x, p.y);
    if (p.y < maskArea.bottom) {
        if (p.x > maskArea.left)
            return sideInside(m_right, int64_t(p.x) - maskArea.right, int64_t(p.y) - maskArea.top);
        return sideInside(m_left, p.x, int64_t(p.y) - maskArea.top);
    }
    return bandInside(m_bottom, p.x, int64_t(p.y) - maskArea.bottom);
}

} // namespace skin
