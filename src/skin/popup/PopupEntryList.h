#pragma once
// The entries of one skinned popup window as the window lays them out: their heights, which of them
// are shown when the window scrolls, the scrolling itself, and the choice of the next entry for the
// arrow keys (separators and disabled entries are skipped, the search wraps around).
#include "core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

struct PopupEntryState {
    int32_t height = 0;
    bool selectable = true; // enabled and not a separator
    core::Rect rect;        // window coordinates, valid while visible
    bool visible = false;
};

class PopupEntryList {
public:
    PopupEntryList() = default;
    // itemsRect: the band of the window that holds the entries; scroll: whether the window scrolls.
    PopupEntryList(std::vector<PopupEntryState> entries, core::Rect itemsRect, bool scroll);

    int count() const { return int(m_entries.size()); }
    const PopupEntryState& entry(int index) const { return m_entries[size_t(index)]; }
    bool scrolls() const { return m_scroll; }
    int visibleStart() const { return m_visibleStart; }
    int visibleCount() const { return m_visibleCount; }
    int lastVisible() const { return m_visibleStart + m_visibleCount - 1; }
    const core::Rect& itemsRect() const { return m_itemsRect; }

    // Gives the shown entries their rects from the visible start on, below the top marker when the
    // window scrolls, up to the items band's bottom (less the bottom marker).
    void layout();

    bool canScrollUp() const { return m_visibleStart > 0; }
    bool canScrollDown() const { return lastVisible() < count() - 1; }
    // One entry up or down; with wrap the top continues at the last page and the end at the top.
    // False when nothing moved.
    bool scrollUp(bool wrap);
    bool scrollDown(bool wrap);
    // The first entry of the page that ends with the last entry.
    int lastPageStart() const;

    // The scroll arrows' strips, in window coordinates.
    core::Rect topMarker() const;
    core::Rect bottomMarker() const;

    // The entry under p among the shown ones, or -1.
    int entryAt(core::Point p) const;

    // The entry the Down / Up arrow moves to from active (-1: none), scrolling it into view; active
    // when no entry can be selected.
    int selectNext(int active);
    int selectPrevious(int active);

private:
    void bringIntoView(int index, bool forward);

    std::vector<PopupEntryState> m_entries;
    core::Rect m_itemsRect;
    bool m_scroll = false;
    int m_visibleStart = 0;
    int m_visibleCount = 0;
};

} // namespace skin
