#include "winbase/Region.h"

#include "core/Error.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace winbase {

namespace {

const char* const outOfResources = "Out of system resources";

HRGN makeEmpty() {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    if (!r)
        throw core::Error(outOfResources);
    return r;
}

} // namespace

Region Region::fromRect(core::Rect r) {
    HRGN h = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    if (!h)
        throw core::Error(outOfResources);
    return Region(RegionHandle(h));
}

Region Region::fromRects(std::span<const core::Rect> rects) {
    std::vector<RECT> list;
    list.reserve(rects.size());
    RECT bounds{0, 0, 0, 0};
    for (const core::Rect& r : rects) {
        if (r.isEmpty())
            continue;
        if (list.empty()) {
            bounds = RECT{r.left, r.top, r.right, r.bottom};
        } else {
            bounds.left = std::min<LONG>(bounds.left, r.left);
            bounds.top = std::min<LONG>(bounds.top, r.top);
            bounds.right = std::max<LONG>(bounds.right, r.right);
            bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
        }
        list.push_back(RECT{r.left, r.top, r.right, r.bottom});
    }
    if (list.empty())
        return Region(RegionHandle(makeEmpty()));
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + list.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(list.size());
    header.nRgnSize = DWORD(list.size() * sizeof(RECT));
    header.rcBound = bounds;
    std::memcpy(data.data(), &header, sizeof(header));
    std::memcpy(data.data() + sizeof(header), list.data(), list.size() * sizeof(RECT));
    RegionHandle h = regionFromData(data);
    if (!h)
        throw core::Error(outOfResources);
    return Region(std::move(h));
}

void Region::combine(const Region& other, CombineMode mode) {
    static constexpr int modes[] = {RGN_OR, RGN_AND, RGN_DIFF, RGN_XOR, RGN_COPY};
    if (!m_handle)
        m_handle.reset(makeEmpty());
    RegionHandle empty;
    HRGN src = other.handle();
    if (!src) {
        empty.reset(makeEmpty());
        src = empty.get();
    }
    CombineRgn(m_handle.get(), m_handle.get(), src, modes[int(mode)]);
}

void Region::offset(int32_t dx, int32_t dy) {
    if (m_handle)
        OffsetRgn(m_handle.get(), dx, dy);
}

bool Region::contains(core::Point p) const {
    return m_handle && PtInRegion(m_handle.get(), p.x, p.y);
}

bool Region::isEmpty() const {
    RECT r{};
    return !m_handle || GetRgnBox(m_handle.get(), &r) == NULLREGION;
}

core::Rect Region::bounds() const {
    RECT r{};
    if (!m_handle || GetRgnBox(m_handle.get(), &r) == NULLREGION)
        return {};
    return {r.left, r.top, r.right, r.bottom};
}

std::vector<core::Rect> Region::rects() const {
    return regionRects(m_handle.get());
}

bool Region::sameAs(const Region& other) const {
    if (!m_handle || !other.m_handle)
        return isEmpty() && other.isEmpty();
    return EqualRgn(m_handle.get(), other.m_handle.get()) != 0;
}

RegionHandle regionFromData(const std::vector<uint8_t>& block) {
    if (block.size() < sizeof(RGNDATAHEADER))
        return {};
    // The block may be built byte by byte; copy it into aligned storage before the system reads it.
    std::vector<DWORD> aligned((block.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(aligned.data(), block.data(), block.size());
    return RegionHandle(
        ExtCreateRegion(nullptr, DWORD(block.size()), reinterpret_cast<const RGNDATA*>(aligned.data())));
}

std::vector<core::Rect> regionRects(HRGN region) {
    std::vector<core::Rect> out;
    if (!region)
        return out;
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return out;
    std::vector<uint8_t> data(size);
    if (GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) == 0)
        return out;
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof(header));
    const size_t count = std::min<size_t>(header.nCount, (size - sizeof(header)) / sizeof(RECT));
    for (size_t i = 0; i < count; ++i) {
        RECT r;
        std::memcpy(&r, data.data() + sizeof(header) + i * sizeof(RECT), sizeof(RECT));
        out.push_back({r.left, r.top, r.right, r.bottom});
    }
    return out;
}

} // namespace winbase
