#pragma once
// Classes in this file: MenuBarLayout.
// The pure rules of a skinned main-menu bar: items side by side from the items band's left edge, the
// ones that do not fit hidden behind a scroll marker at the band's right end, and the keyboard's walk
// along the bar (wrapping around, skipping disabled and hidden items).
#include "core/Geometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// The strip at the right end of the items band that shows the marker of hidden items.
constexpr int32_t menuBarMarkerWidth = 5;

struct MenuBarLayout {
    std::vector<core::Rect> rects; // every item's place, hidden ones included
    std::vector<bool> shown;       // the item fits on the bar
    bool overflow = false;         // some item did not fit
    int shownCount = 0;            // the shown items are the first ones
    core::Rect marker;
};

// widths: each item's width; itemHeight 0 = the band's height. With scrollMenu the marker's strip
// stays free.
MenuBarLayout layoutMenuBar(const core::Rect& itemsRect, std::span<const int32_t> widths, int32_t itemHeight,
                            bool scrollMenu);

// The item Right / Left moves to from current (-1: none): the next (previous) selectable one,
// wrapping around; -1 when none is selectable.
int nextMenuBarItem(const std::vector<bool>& selectable, int current);
int previousMenuBarItem(const std::vector<bool>& selectable, int current);

} // namespace skin
