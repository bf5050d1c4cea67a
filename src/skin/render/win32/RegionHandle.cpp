#include "skin/render/win32/RegionHandle.h"

#include <optional>

namespace skin {

RegionHandle createRegion(const Region& region) {
    return winbase::regionFromData(makeRegionData(region.rects(), region.bounds()));
}

RegionHandle regionFromMask(const core::FBitmap& mask) {
    return winbase::regionFromData(regionRectsFromMask(mask, 0, 0));
}

RegionHandle composeMaskRegionHandle(const SkinFrame& source, const SkinFrame& target,
                                     const core::FBitmap& mask, int32_t width, int32_t height) {
    std::optional<Region> region = composeMaskRegion(source, target, mask, width, height);
    if (!region)
        return {};
    return createRegion(*region);
}

} // namespace skin
