#pragma once
// Region handles made from the portable regions and masks.
#include "core/FBitmap.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/Region.h"
#include "winbase/Region.h"

namespace skin {

using winbase::RegionHandle;

// An empty handle when the system refuses the region.
RegionHandle createRegion(const Region& region);
// The whole mask at (0, 0).
RegionHandle regionFromMask(const core::FBitmap& mask);
// composeMaskRegion() as a handle; empty when there is no region.
RegionHandle composeMaskRegionHandle(const SkinFrame& source, const SkinFrame& target,
                                     const core::FBitmap& mask, int32_t width, int32_t height);

} // namespace skin
