#include "skin/popup/PopupEntryList.h"

#include "skin/popup/PopupGeometry.h"

namespace skin {

PopupEntryList::PopupEntryList(std::vector<PopupEntryState> entries, core::Rect itemsRect, bool scroll)
    : m_entries(std::move(entries)), m_itemsRect(itemsRect), m_scroll(scroll) {
    layout();
}

void PopupEntryList::layout() {
    int32_t y = m_itemsRect.top + (m_scroll ? scrollMarkerHeight : 0);
    const int32_t bottom = m_itemsRect.bottom - (m_scroll ? scrollMarkerHeight : 0);
    m_visibleCount = 0;
    for (PopupEntryState& e : m_entries)
        e.visible = !m_scroll;
    for (int i = m_visibleStart; i < count(); ++i) {
        PopupEntryState& e = m_entries[size_t(i)];
        e.rect = {m_itemsRect.left, y, m_itemsRect.right, y + e.height};
        if (e.rect.bottom > bottom) {
            e.visible = false;
            break;
        }
        e.visible = true;
        y += e.height;
        ++m_visibleCount;
    }
    if (!m_scroll) // an unscrolled window shows everything, whatever the band says
        for (PopupEntryState& e : m_entries)
            e.visible = true;
}

bool PopupEntryList::scrollUp(bool wrap) {
    if (canScrollUp())
        --m_visibleStart;
    else if (wrap && canScrollDown())
        m_visibleStart = lastPageStart();
    else
        return false;
    layout();
    return true;
}

bool PopupEntryList::scrollDown(bool wrap) {
    if (canScrollDown())
        ++m_visibleStart;
    else if (wrap && m_visibleStart > 0)
        m_visibleStart = 0;
    else
        return false;
    layout();
    return true;
}

int PopupEntryList::lastPageStart() const {
    // NOTE: the page is measured from the top marker's bottom, so that the last entry of the page is
    // really shown; measuring down to the window's own top would count entries that do not fit.
    int32_t room = m_itemsRect.bottom - scrollMarkerHeight;
    const int32_t top = m_itemsRect.top + scrollMarkerHeight;
    int fitting = 0;
    for (int i = count() - 1; i >= 0; --i) {
        room -= m_entries[size_t(i)].height;
        if (room < top)
            break;
        ++fitting;
    }
    return fitting > 0 ? count() - fitting : count() - 1;
}

core::Rect PopupEntryList::topMarker() const {
    return {m_itemsRect.left, m_itemsRect.top, m_itemsRect.right, m_itemsRect.top + scrollMarkerHeight};
}

core::Rect PopupEntryList::bottomMarker() const {
    return {m_itemsRect.left, m_itemsRect.bottom - scrollMarkerHeight, m_itemsRect.right, m_itemsRect.bottom};
}

int PopupEntryList::entryAt(core::Point p) const {
    for (int i = 0; i < count(); ++i)
        if (m_entries[size_t(i)].visible && m_entries[size_t(i)].rect.contains(p))
            return i;
    return -1;
}

void PopupEntryList::bringIntoView(int index, bool forward) {
    if (!m_scroll || m_entries[size_t(index)].visible)
        return;
    // The search ran past the shown page: the page moves on in the search's direction, wrapping from
    // the end to the top (forward) or from the top to the last page (backward).
    if (forward)
        m_visibleStart = index < m_visibleStart ? 0 : m_visibleStart;
    else
        m_visibleStart = index > m_visibleStart ? lastPageStart() : index;
    layout();
    while (!m_entries[size_t(index)].visible) {
        if (index < m_visibleStart)
            m_visibleStart = index;
        else if (canScrollDown())
            ++m_visibleStart;
        else
            break;
        layout();
    }
}

int PopupEntryList::selectNext(int active) {
    const int n = count();
    int i = active < 0 ? 0 : active + 1;
    for (int step = 0; step < n; ++step, ++i) {
        if (i >= n)
            i = 0;
        if (m_entries[size_t(i)].selectable) {
            bringIntoView(i, true);
            return i;
        }
    }
    return active;
}

int PopupEntryList::selectPrevious(int active) {
    const int n = count();
    int i = active < 0 ? n - 1 : active - 1;
    for (int step = 0; step < n; ++step, --i) {
        if (i < 0)
            i = n - 1;
        if (m_entries[size_t(i)].selectable) {
            bringIntoView(i, false);
            return i;
        }
    }
    return active;
}

} // namespace skin
