#include "skin/form/MDIRules.h"

#include <algorithm>

namespace skin {

std::string mdiParentCaption(std::string_view caption, const std::string* childCaption) {
    std::string text(caption);
    if (childCaption)
        text += " - [" + *childCaption + "]";
    return text;
}

std::vector<MergedEntry> mergeMenus(std::span<const MenuEntry> parent, std::span<const MenuEntry> child) {
    struct Candidate {
        MergedEntry entry;
        int groupIndex;
    };
    std::vector<Candidate> all;
    for (int i = 0; i < int(parent.size()); ++i) {
        const int group = parent[size_t(i)].groupIndex;
        const bool replaced = std::any_of(child.begin(), child.end(),
                                          [group](const MenuEntry& c) { return c.groupIndex == group; });
        if (!replaced && parent[size_t(i)].visible)
            all.push_back({{false, i}, group});
    }
    for (int i = 0; i < int(child.size()); ++i)
        if (child[size_t(i)].visible)
            all.push_back({{true, i}, child[size_t(i)].groupIndex});
    std::stable_sort(all.begin(), all.end(),
                     [](const Candidate& a, const Candidate& b) { return a.groupIndex < b.groupIndex; });
    std::vector<MergedEntry> merged;
    for (const Candidate& c : all)
        merged.push_back(c.entry);
    return merged;
}

core::Point minimizedPlace(const core::Rect& area, core::Point size, std::span<const core::Point> occupied) {
    core::Point at{area.left, area.bottom - size.y};
    auto taken = [&](core::Point p) {
        return std::find(occupied.begin(), occupied.end(), p) != occupied.end();
    };
    // Each step moves on to a new place, so at most one step per occupied window.
    for (size_t steps = 0; taken(at) && steps <= occupied.size(); ++steps) {
        at.x += size.x;
        if (at.x + size.x > area.right) {
            at.x = area.left;
            at.y -= size.y;
            if (at.y < area.top)
                return {area.left, area.bottom - size.y};
        }
    }
    return at;
}

std::vector<core::Rect> layoutMDITabs(std::span<const int32_t> textWidths, int32_t barWidth,
                                      int32_t barHeight) {
    std::vector<core::Rect> tabs;
    if (textWidths.empty())
        return tabs;
    const int32_t n = int32_t(textWidths.size());
    const int32_t room = barWidth - 2 * mdiTabMargin - (n - 1) * mdiTabGap;
    int32_t natural = 0;
    for (int32_t w : textWidths)
        natural += std::clamp(w + mdiTabPadding, mdiTabMinWidth, mdiTabMaxWidth);
    const int32_t share = std::max(mdiTabMinWidth, room / n);
    int32_t x = mdiTabMargin;
    const int32_t top = std::min(mdiTabMargin, std::max(0, barHeight - 1));
    for (int32_t w : textWidths) {
        const int32_t width =
            natural <= room ? std::clamp(w + mdiTabPadding, mdiTabMinWidth, mdiTabMaxWidth) : share;
        tabs.push_back({x, top, x + width, barHeight});
        x += width + mdiTabGap;
    }
    return tabs;
}

int mdiTabAt(std::span<const core::Rect> tabs, core::Point p) {
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].contains(p))
            return int(i);
    return -1;
}

} // namespace skin
