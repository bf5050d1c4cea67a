#include "skin/render/Region.h"

#include <algorithm>
#include <cstring>

namespace skin {

using core::Point;
using core::Rect;

namespace {

// Sorts a row's spans (anything with left and right; at least one) by their left edges and joins
// those that overlap or touch.
template <typename S> void joinSpans(std::vector<S>& spans) {
    std::sort(spans.begin(), spans.end(), [](const S& a, const S& b) { return a.left < b.left; });
    size_t out = 0;
    for (size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].left <= spans[out].right)
            spans[out].right = std::max(spans[out].right, spans[i].right);
        else
            spans[++out] = spans[i];
    }
    spans.resize(out + 1);
}

} // namespace

Region::Region(const Rect& r) {
    if (!rectIsEmpty(r))
        m_rects.push_back(r);
}

Region Region::fromRects(std::vector<Rect> input) {
    std::erase_if(input, [](const Rect& r) { return rectIsEmpty(r); });
    Region result;
    if (input.empty())
        return result;

    std::vector<int32_t> edges;
    edges.reserve(input.size() * 2);
    for (const Rect& r : input) {
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::sort(input.begin(), input.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });

    // Sweep the bands between consecutive edges, keeping the rectangles that cover the current band.
    std::vector<Rect> active, spans, previous;
    int32_t previousBottom = 0;
    size_t previousStart = 0;
    size_t next = 0;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int32_t y0 = edges[e], y1 = edges[e + 1];
        std::erase_if(active, [y0](const Rect& r) { return r.bottom <= y0; });
        while (next < input.size() && input[next].top == y0)
            active.push_back(input[next++]);
        if (active.empty())
            continue;

        spans.clear();
        for (const Rect& r : active)
            spans.push_back({r.left, y0, r.right, y1});
        joinSpans(spans);

        // Merge with the band above when it touches and has the same spans.
        bool same = !previous.empty() && previousBottom == y0 && previous.size() == spans.size();
        for (size_t i = 0; same && i < spans.size(); ++i)
            same = previous[i].left == spans[i].left && previous[i].right == spans[i].right;
        if (same) {
            for (size_t i = previousStart; i < result.m_rects.size(); ++i)
                result.m_rects[i].bottom = y1;
        } else {
            previousStart = result.m_rects.size();
            result.m_rects.insert(result.m_rects.end(), spans.begin(), spans.end());
            previous = spans;
        }
        previousBottom = y1;
    }
    return result;
}

Rect Region::bounds() const {
    if (m_rects.empty())
        return {};
    Rect b = m_rects.front();
    for (const Rect& r : m_rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::contains(Point p) const {
    return std::any_of(m_rects.begin(), m_rects.end(), [p](const Rect& r) { return r.contains(p); });
}

void Region::unite(const Region& other) {
    if (other.isEmpty())
        return;
    if (isEmpty()) {
        m_rects = other.m_rects;
        return;
    }
    std::vector<Rect> all = m_rects;
    all.insert(all.end(), other.m_rects.begin(), other.m_rects.end());
    *this = fromRects(std::move(all));
}

void Region::translate(int32_t dx, int32_t dy) {
    for (Rect& r : m_rects)
        r = r.translated(dx, dy);
}

void RegionRowBuilder::addRow(int32_t y, std::vector<Span>& spans) {
    std::erase_if(spans, [](const Span& s) { return s.right <= s.left; });
    if (spans.empty()) {
        m_hasBand = false;
        return;
    }
    joinSpans(spans);
    std::vector<Rect>& rects = m_region.m_rects;
    bool same = m_hasBand && m_lastRow == y - 1 && rects.size() - m_bandStart == spans.size();
    for (size_t i = 0; same && i < spans.size(); ++i)
        same = rects[m_bandStart + i].left == spans[i].left && rects[m_bandStart + i].right == spans[i].right;
    if (same) {
        repeatRow(y);
        return;
    }
    m_bandStart = rects.size();
    for (const Span& s : spans)
        rects.push_back({s.left, y, s.right, y + 1});
    m_hasBand = true;
    m_lastRow = y;
}

void RegionRowBuilder::repeatRow(int32_t y) {
    if (!m_hasBand)
        return;
    std::vector<Rect>& rects = m_region.m_rects;
    for (size_t i = m_bandStart; i < rects.size(); ++i)
        rects[i].bottom = y + 1;
    m_lastRow = y;
}

Region RegionRowBuilder::take() {
    m_hasBand = false;
    m_bandStart = 0;
    return std::move(m_region);
}

namespace {

void putInt32(uint8_t* p, int32_t v) {
    const uint32_t u = uint32_t(v);
    p[0] = uint8_t(u);
    p[1] = uint8_t(u >> 8);
    p[2] = uint8_t(u >> 16);
    p[3] = uint8_t(u >> 24);
}

int32_t getInt32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void putRect(uint8_t* p, const Rect& r) {
    putInt32(p, r.left);
    putInt32(p + 4, r.top);
    putInt32(p + 8, r.right);
    putInt32(p + 12, r.bottom);
}

constexpr size_t headerSize = 32;
constexpr size_t rectSize = 16;

} // namespace

std::vector<uint8_t> makeRegionData(const std::vector<Rect>& rects, const Rect& bounds) {
    std::vector<uint8_t> block(headerSize + rectSize * rects.size(), 0);
    putInt32(&block[0], int32_t(headerSize));
    putInt32(&block[4], 1); // RDH_RECTANGLES
    putInt32(&block[8], int32_t(rects.size()));
    putInt32(&block[12], 0);
    putRect(&block[16], bounds);
    for (size_t i = 0; i < rects.size(); ++i)
        putRect(&block[headerSize + rectSize * i], rects[i]);
    return block;
}

std::vector<Rect> regionDataRects(const std::vector<uint8_t>& block) {
    std::vector<Rect> rects;
    if (block.size() < headerSize || getInt32(&block[0]) != int32_t(headerSize) || getInt32(&block[4]) != 1)
        return rects;
    const int32_t n = getInt32(&block[8]);
    if (n < 0 || size_t(n) > (block.size() - headerSize) / rectSize)
        return rects;
    rects.reserve(size_t(n));
    for (int32_t i = 0; i < n; ++i) {
        const uint8_t* p = &block[headerSize + rectSize * size_t(i)];
        rects.push_back({getInt32(p), getInt32(p + 4), getInt32(p + 8), getInt32(p + 12)});
    }
    return rects;
}

} // namespace skin
