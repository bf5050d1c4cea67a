#pragma once
// Owning wrapper of a GDI region handle and the conversions from the portable regions and masks.
#include "core/FBitmap.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/Region.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace skin {

class RegionHandle {
public:
    RegionHandle() = default;
    explicit RegionHandle(HRGN handle) : m_handle(handle) {}
    RegionHandle(RegionHandle&& other) noexcept : m_handle(other.release()) {}
    RegionHandle& operator=(RegionHandle&& other) noexcept;
    RegionHandle(const RegionHandle&) = delete;
    RegionHandle& operator=(const RegionHandle&) = delete;
    ~RegionHandle();

    HRGN get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // Gives the handle up; the caller frees it (SetWindowRgn takes it over, for one).
    HRGN release();
    void reset(HRGN handle = nullptr);

private:
    HRGN m_handle = nullptr;
};

// An empty handle when the system refuses the region.
RegionHandle createRegion(const Region& region);
// From a region data block as regionRectsFromMask() builds it; empty for an empty block.
RegionHandle createRegionFromData(const std::vector<uint8_t>& block);
// The whole mask at (0, 0).
RegionHandle regionFromMask(const core::FBitmap& mask);
// composeMaskRegion() as a handle; empty when there is no region.
RegionHandle composeMaskRegionHandle(const SkinFrame& source, const SkinFrame& target,
                                     const core::FBitmap& mask, int32_t width, int32_t height);

// The region's rectangles as the system holds them (for tests and diagnostics).
std::vector<core::Rect> regionHandleRects(HRGN region);

} // namespace skin
