#pragma once
// A window region as a list of rectangles, kept in one canonical form so that regions can be compared,
// hit-tested and drawn on every platform: horizontal bands from the top, each band a row of disjoint,
// non-touching rectangles of equal top and bottom sorted by left; vertically adjacent bands with the
// same spans are merged. The Win32 layer turns it into a region handle.
#include "core/Geometry.h"
#include "skin/render/SkinGeometry.h"

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
    std::vector<core::Rect> m_rects;
};

// The platform's region data block (RGNDATAHEADER of 32 bytes, then 16 bytes per rectangle, all
// little-endian int32), built portably: size 32, type 1 (rectangles), count, size hint 0, bounds.
std::vector<uint8_t> makeRegionData(const std::vector<core::Rect>& rects, const core::Rect& bounds);
// Reads the rectangles back out of a block; an invalid block gives none.
std::vector<core::Rect> regionDataRects(const std::vector<uint8_t>& block);

} // namespace skin
