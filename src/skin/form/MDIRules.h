#pragma once
// Classes in this file: MenuEntry, MergedEntry.
// The pure rules of skinned multi-document windows: the parent's caption with a maximised child, the
// order of a menu bar that merges the active child's menu into the parent's, and where minimised
// windows line up.
#include "core/Geometry.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The caption a multi-document parent shows: its own, followed by " - [child]" while a child is
// maximised (childCaption null otherwise).
std::string mdiParentCaption(std::string_view caption, const std::string* childCaption);

// A top-level item of a menu, as far as merging cares.
struct MenuEntry {
    int groupIndex = 0;
    bool visible = true;
};

struct MergedEntry {
    bool fromChild = false;
    int index = 0; // in its own menu
    friend bool operator==(const MergedEntry&, const MergedEntry&) = default;
};

// The items of a merged bar: the parent's top-level items whose group index occurs in none of the
// child's top-level items, plus all the child's, sorted by group index (equal indexes keep their
// order, the parent's first); only visible items are listed.
std::vector<MergedEntry> mergeMenus(std::span<const MenuEntry> parent, std::span<const MenuEntry> child);

// Where a minimised window of the given size goes inside area: from the bottom-left corner rightward,
// then a row higher when a row is full; a place is taken when some other minimised window sits exactly
// there (occupied: their top-left corners). When every row is full the first place is taken anyway.
core::Point minimizedPlace(const core::Rect& area, core::Point size, std::span<const core::Point> occupied);

// The tab bar of multi-document children: tabs side by side from the left edge (mdiTabMargin in, a
// gap of mdiTabGap between them), each its text's width plus mdiTabPadding, kept between
// mdiTabMinWidth and mdiTabMaxWidth; when they do not all fit, every tab gets the same share of the
// width (not below the minimum: the last ones then run past the right edge).
constexpr int32_t mdiTabMargin = 2;
constexpr int32_t mdiTabGap = 2;
constexpr int32_t mdiTabPadding = 16;
constexpr int32_t mdiTabMinWidth = 40;
constexpr int32_t mdiTabMaxWidth = 200;
std::vector<core::Rect> layoutMDITabs(std::span<const int32_t> textWidths, int32_t barWidth,
                                      int32_t barHeight);
// The tab under p, or -1.
int mdiTabAt(std::span<const core::Rect> tabs, core::Point p);

} // namespace skin
