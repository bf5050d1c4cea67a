#include "skin/popup/MenuBarLayout.h"

namespace skin {

MenuBarLayout layoutMenuBar(const core::Rect& itemsRect, std::span<const int32_t> widths, int32_t itemHeight,
                            bool scrollMenu) {
    MenuBarLayout l;
    const int32_t limit = scrollMenu ? itemsRect.right - menuBarMarkerWidth : itemsRect.right;
    const int32_t bottom = itemHeight > 0 ? itemsRect.top + itemHeight : itemsRect.bottom;
    int32_t left = itemsRect.left;
    for (int32_t w : widths) {
        const core::Rect r{left, itemsRect.top, left + w, bottom};
        const bool fits = !l.overflow && r.right <= limit;
        l.rects.push_back(r);
        l.shown.push_back(fits);
        if (fits)
            ++l.shownCount;
        else
            l.overflow = true;
        left = r.right;
    }
    l.marker = {itemsRect.right - menuBarMarkerWidth, itemsRect.top, itemsRect.right, itemsRect.bottom};
    return l;
}

int nextMenuBarItem(const std::vector<bool>& selectable, int current) {
    const int n = int(selectable.size());
    for (int step = 1; step <= n; ++step) {
        const int i = ((current < 0 ? -1 : current) + step) % n;
        if (selectable[size_t(i)])
            return i;
    }
    return -1;
}

int previousMenuBarItem(const std::vector<bool>& selectable, int current) {
    const int n = int(selectable.size());
    for (int step = 1; step <= n; ++step) {
        const int i = (((current < 0 ? n : current) - step) % n + n) % n;
        if (selectable[size_t(i)])
            return i;
    }
    return -1;
}

} // namespace skin
