#pragma once
// Classes in this file: Region, and the region data helpers.
// An owned HRGN with the operations the skinned windows need: building from rectangles or region
// data, combining, and handing the handle to SetWindowRgn (which takes ownership: use release()).
#include "core/Geometry.h"
#include "winbase/Handles.h"

#include <cstdint>
#include <span>
#include <vector>

namespace winbase {

enum class CombineMode { Or, And, Diff, Xor, Copy };

class Region {
public:
    Region() = default; // no region
    explicit Region(RegionHandle handle) : m_handle(std::move(handle)) {}

    // Throws core::Error when GDI cannot make the region.
    static Region fromRect(core::Rect r);
    // The union of the rectangles (ExtCreateRegion); an empty list gives an empty region.
    static Region fromRects(std::span<const core::Rect> rects);

    HRGN handle() const { return m_handle.get(); }
    bool isNull() const { return !m_handle; }
    // The caller owns the returned handle (SetWindowRgn takes it over on success).
    [[nodiscard]] HRGN release() { return m_handle.release(); }

    // this := this <mode> other. A null region counts as empty.
    void combine(const Region& other, CombineMode mode);
    void offset(int32_t dx, int32_t dy);
    bool contains(core::Point p) const;
    bool isEmpty() const;
    core::Rect bounds() const;
    // The region's rectangles, top to bottom, left to right.
    std::vector<core::Rect> rects() const;
    bool sameAs(const Region& other) const;

private:
    RegionHandle m_handle;
};

// A region from a region data block (RGNDATAHEADER and its rectangles, in any byte alignment); an
// empty handle for a block too short to hold a header, or when the system refuses the region.
RegionHandle regionFromData(const std::vector<uint8_t>& block);
// The region's rectangles as the system holds them, top to bottom, left to right.
std::vector<core::Rect> regionRects(HRGN region);

} // namespace winbase
