#include "skin/render/FormBorderPlan.h"

#include <algorithm>
#include <cstring>

namespace skin {

FormBorderPlan::FormBorderPlan(const SkinFrame& source, const core::FBitmap& picture, const core::Rect& r)
    : m_source(source), m_rect(r), m_width(picture.width()), m_height(picture.height()) {
    if (!inSkinRange(source) || !inSkinRange(r) || picture.isEmpty())
        return;
    const int32_t bands[3][2] = {
        {r.left, r.right}, {r.left, r.left + source.client.left}, {r.left + source.client.right, r.right}};
    for (size_t i = 0; i < 3; ++i) {
        const int32_t left = bands[i][0], right = bands[i][1];
        if (left < 0 || right > picture.width() || left >= right)
            continue; // never compared: those strips keep comparing rows themselves
        const size_t bytes = size_t(3) * size_t(right - left);
        std::vector<int32_t>& next = m_nextChange[i];
        next.assign(size_t(m_height), m_height);
        for (int32_t y = m_height - 2; y >= 0; --y)
            next[size_t(y)] = std::memcmp(picture.pixelAt(left, y), picture.pixelAt(left, y + 1), bytes) == 0
                                  ? next[size_t(y) + 1]
                                  : y + 1;
    }
}

bool FormBorderPlan::fits(const SkinFrame& source, const core::FBitmap& picture, const core::Rect& r) const {
    return source == m_source && r == m_rect && picture.width() == m_width && picture.height() == m_height;
}

int32_t FormBorderPlan::repeatedRows(Columns columns, int32_t row, int32_t limit) const {
    const std::vector<int32_t>& next = m_nextChange[size_t(columns)];
    if (next.empty() || row <= 0 || row >= m_height || limit <= 0)
        return 0;
    return std::min(next[size_t(row) - 1] - row, limit);
}

bool FormBorderPlan::rowsAlike(Columns columns, int32_t lo, int32_t hi) const {
    const std::vector<int32_t>& next = m_nextChange[size_t(columns)];
    return !next.empty() && lo >= 0 && hi <= m_height && lo < hi && next[size_t(lo)] >= hi;
}

} // namespace skin
