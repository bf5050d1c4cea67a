#include "skin/popup/PopupGeometry.h"

#include <algorithm>

namespace skin {

int32_t popupEntryHeight(bool separator, const PopupItemMetrics* item, int32_t defaultItemHeight) {
    if (item)
        return separator ? item->dividerRect.height() : item->skinRect.height();
    return separator ? plainSeparatorHeight : defaultItemHeight;
}

PopupSize popupSize(const PopupSizeInput& in, std::span<const PopupEntrySize> entries) {
    PopupSize s;
    int32_t textWidth = 0;
    for (const PopupEntrySize& e : entries)
        textWidth = std::max(textWidth, e.textWidth + 2);
    const int32_t w = textWidth + in.glyphWidth + 19;
    if (!in.frame) {
        s.width = w + 10;
    } else {
        // A frame without an entry picture still has its frame; the entries take the plain metrics.
        const int32_t textMargins =
            in.item ? in.item->textRect.left + in.item->skinRect.width() - in.item->textRect.right : 0;
        s.width =
            in.frame->pictureWidth + w + textMargins + in.frame->itemsRect.left - in.frame->itemsRect.right;
    }

    const int32_t count = int32_t(entries.size());
    const int32_t frameHeight =
        in.frame ? in.frame->pictureHeight + in.frame->itemsRect.top - in.frame->itemsRect.bottom : 0;
    if (in.maxItemsInWindow > 0 && in.maxItemsInWindow < count) {
        const int32_t itemHeight = in.item ? in.item->skinRect.height() : in.defaultItemHeight;
        const int32_t h = in.maxItemsInWindow * itemHeight;
        s.height = in.frame ? frameHeight + h + 2 * scrollMarkerHeight : h + (in.twoRoots ? 24 : 26);
        s.scroll = s.scroll2 = true;
    } else {
        int32_t sum = 0;
        for (const PopupEntrySize& e : entries)
            sum += popupEntryHeight(e.separator, in.item, in.defaultItemHeight);
        s.height = in.frame ? frameHeight + sum : sum + (in.twoRoots ? 4 : 6);
    }
    if (in.workAreaHeight > 0 && s.height > in.workAreaHeight) {
        s.height = in.workAreaHeight;
        s.scroll = true;
    }
    return s;
}

core::Rect popupItemsRect(const PopupFrameMetrics* frame, int32_t width, int32_t height) {
    if (!frame)
        return {2, 2, width - 2, height - 2};
    const core::Rect& r = frame->itemsRect;
    return {r.left, r.top, width + r.right - frame->pictureWidth, height + r.bottom - frame->pictureHeight};
}

core::Point placePopup(const PopupPlacementInput& in) {
    const core::Rect& wa = in.workArea;
    const core::Rect& a = in.anchor;
    const int32_t w = in.size.x, h = in.size.y;
    const bool fillsHeight = in.scroll && !in.scroll2;
    const bool upperHalf = a.top < wa.top + wa.height() / 2;
    bool overlapped = false;
    int32_t y = 0;
    if (fillsHeight) {
        y = wa.top;
    } else if (in.kind == PopupKind::Submenu) {
        if (a.top + h - in.itemsRect.top <= wa.bottom)
            y = a.top - in.itemsRect.top; // the first entry lines up with the parent entry
        else if (upperHalf)
            y = wa.bottom - h;
        else
            y = std::max(wa.top, a.bottom + in.itemsRect.top - h);
    } else if (in.kind == PopupKind::DropUp) {
        if (a.top - h >= wa.top) {
            y = a.top - h;
        } else if (upperHalf) {
            if (a.bottom + h <= wa.bottom) {
                y = a.bottom;
            } else {
                y = wa.bottom - h;
                overlapped = true;
            }
        } else {
            y = wa.top;
            overlapped = true;
        }
    } else if (a.bottom + h <= wa.bottom) {
        y = a.bottom;
    } else if (upperHalf) {
        y = wa.bottom - h;
        overlapped = true;
    } else if (a.top - h >= wa.top) {
        y = a.top - h;
    } else {
        y = wa.top;
        overlapped = true;
    }

    int32_t x = 0;
    if (in.kind != PopupKind::Submenu && !fillsHeight && !overlapped) {
        x = a.left;
        if (a.left + w > wa.right)
            x = wa.right - w;
        else if (a.left < wa.left)
            x = wa.left;
    } else {
        x = a.right + w + 1 <= wa.right ? a.right + 1 : a.left - w - 1;
    }
    return {x, y};
}

} // namespace skin
