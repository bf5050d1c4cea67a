#include "skin/render/win32/RegionHandle.h"

namespace skin {

RegionHandle& RegionHandle::operator=(RegionHandle&& other) noexcept {
    if (this != &other)
        reset(other.release());
    return *this;
}

RegionHandle::~RegionHandle() {
    reset();
}

HRGN RegionHandle::release() {
    HRGN h = m_handle;
    m_handle = nullptr;
    return h;
}

void RegionHandle::reset(HRGN handle) {
    if (m_handle)
        DeleteObject(m_handle);
    m_handle = handle;
}

RegionHandle createRegionFromData(const std::vector<uint8_t>& block) {
    if (block.size() < sizeof(RGNDATAHEADER))
        return {};
    // The block is built byte by byte; copy it into aligned storage before the system reads it.
    std::vector<DWORD> aligned((block.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
    memcpy(aligned.data(), block.data(), block.size());
    return RegionHandle(
        ExtCreateRegion(nullptr, DWORD(block.size()), reinterpret_cast<const RGNDATA*>(aligned.data())));
}

RegionHandle createRegion(const Region& region) {
    return createRegionFromData(makeRegionData(region.rects(), region.bounds()));
}

RegionHandle regionFromMask(const core::FBitmap& mask) {
    return createRegionFromData(regionRectsFromMask(mask, 0, 0));
}

RegionHandle composeMaskRegionHandle(const SkinFrame& source, const SkinFrame& target,
                                     const core::FBitmap& mask, int32_t width, int32_t height) {
    std::optional<Region> region = composeMaskRegion(source, target, mask, width, height);
    if (!region)
        return {};
    return createRegion(*region);
}

std::vector<core::Rect> regionHandleRects(HRGN region) {
    std::vector<core::Rect> rects;
    if (!region)
        return rects;
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return rects;
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) != size)
        return rects;
    const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        rects.push_back({r[i].left, r[i].top, r[i].right, r[i].bottom});
    return rects;
}

} // namespace skin
