#pragma once
// A window region as a list of rectangles, kept in one canonical form so that regions can be compared,
// hit-tested and drawn on every platform: horizontal bands from the top, each band a row of disjoint,
// non-touching rectangles of equal top and bottom sorted by left; vertically adjacent bands with the
// same spans are merged. The Win32 layer turns it into a region handle.
#include "core/Geometry.h"
#include "skin/render/SkinGeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

class Region {
public:
    Region() = default;
    explicit Region(const core::Rect& r);
    // The union of any rectangles (overlapping, unsorted, empty ones ignored).
    static Region fromRects(std::vector<core::Rect> rects);

    const std::vector<core::Rect>& rects() const { return m_rects; }
    bool isEmpty() const { return m_rects.empty(); }
    // Smallest rectangle holding the region; all zero when empty.
    core::Rect bounds() const;
    bool contains(core::Point p) const;

    void unite(const Region& other);
    void translate(int32_t dx, int32_t dy);

    friend bool operator==(const Region&, const Region&) = default;

private:
    friend class RegionRowBuilder;
    std::vector<core::Rect> m_rects;
};

// Builds a region one pixel row at a time, top to bottom, in the canonical form fromRects gives: a
// row with the same spans as the row just above it extends that row's band. Cheaper than fromRects
// for shapes known row by row (masks), as nothing is sorted but each row's few spans.
class RegionRowBuilder {
public:
    struct Span {
        int32_t left;
        int32_t right;
    };
    // The spans of row y (any order; overlapping, touching and empty ones allowed). Rows come in
    // increasing y; rows never given are outside.
    void addRow(int32_t y, std::vector<Span>& spans);
    // Row y has the same spans as the row last given, which was row y - 1.
    void repeatRow(int32_t y);
    Region take();

private:
    Region m_region;
    size_t m_bandStart = 0; // first rectangle of the last band
    int32_t m_lastRow = 0;
    bool m_hasBand = false;
};

// The platform's region data block (RGNDATAHEADER of 32 bytes, then 16 bytes per rectangle, all
// little-endian int32), built portably: size 32, type 1 (rectangles), count, size hint 0, bounds.
std::vector<uint8_t> makeRegionData(const std::vector<core::Rect>& rects, const core::Rect& bounds);
// Reads the rectangles back out of a block; an invalid block gives none.
std::vector<core::Rect> regionDataRects(const std::vector<uint8_t>& block);

} // namespace skin
