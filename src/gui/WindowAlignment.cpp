#include "gui/WindowAlignment.h"

#include <algorithm>

namespace gui {

namespace {

int32_t nonNegative(int32_t v) {
    return v < 0 ? 0 : v;
}

// The order in which items of one kind are placed: nearest to their edge first.
std::vector<size_t> placementOrder(const std::vector<AlignedRect>& items, Align kind) {
    std::vector<size_t> order;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].align == kind)
            order.push_back(i);
    auto key = [&](size_t i) {
        const core::Rect& r = items[i].bounds;
        switch (kind) {
        case Align::alTop:
            return r.top;
        case Align::alBottom:
            return -r.bottom;
        case Align::alLeft:
            return r.left;
        case Align::alRight:
            return -r.right;
        default:
            return 0;
        }
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
    return order;
}

// One axis of anchoredBounds: [low, high) in a parent extent that went from before to now.
void anchorAxis(int32_t& low, int32_t& high, bool nearEdge, bool farEdge, int32_t before, int32_t now) {
    const int32_t size = high - low;
    const int32_t delta = now - before;
    if (nearEdge && farEdge) {
        high = std::max(low, high + delta);
    } else if (farEdge) {
        low += delta;
        high += delta;
    } else if (!nearEdge && before > 0) {
        // The centre scaled with the parent, rounded to the nearest pixel.
        const int64_t centre = int64_t(low) + size / 2;
        const int64_t scaled = (2 * centre * now + before) / (2 * int64_t(before));
        low = int32_t(scaled - size / 2);
        high = low + size;
    }
}

} // namespace

core::Rect anchoredBounds(const AnchorRules& rules, Anchors anchors, int32_t parentWidth,
                          int32_t parentHeight) {
    core::Rect r = rules.bounds;
    anchorAxis(r.left, r.right, anchors.has(Anchor::akLeft), anchors.has(Anchor::akRight), rules.parentWidth,
               parentWidth);
    anchorAxis(r.top, r.bottom, anchors.has(Anchor::akTop), anchors.has(Anchor::akBottom), rules.parentHeight,
               parentHeight);
    return r;
}

core::Rect alignRects(core::Rect area, std::vector<AlignedRect>& items) {
    // Docked items keep their thickness even when the area is too small for them (they then overlap
    // or stick out), so that shrinking a window and growing it again gives the same layout.
    for (Align kind : {Align::alTop, Align::alBottom, Align::alLeft, Align::alRight, Align::alClient}) {
        for (size_t i : placementOrder(items, kind)) {
            core::Rect& r = items[i].bounds;
            const int32_t areaWidth = nonNegative(area.width());
            const int32_t areaHeight = nonNegative(area.height());
            switch (kind) {
            case Align::alTop: {
                const int32_t h = nonNegative(r.height());
                r = {area.left, area.top, area.left + areaWidth, area.top + h};
                area.top += h;
                break;
            }
            case Align::alBottom: {
                const int32_t h = nonNegative(r.height());
                r = {area.left, area.bottom - h, area.left + areaWidth, area.bottom};
                area.bottom -= h;
                break;
            }
            case Align::alLeft: {
                const int32_t w = nonNegative(r.width());
                r = {area.left, area.top, area.left + w, area.top + areaHeight};
                area.left += w;
                break;
            }
            case Align::alRight: {
                const int32_t w = nonNegative(r.width());
                r = {area.right - w, area.top, area.right, area.top + areaHeight};
                area.right -= w;
                break;
            }
            case Align::alClient:
                r = {area.left, area.top, area.left + areaWidth, area.top + areaHeight};
                break;
            case Align::alNone:
                break;
            }
        }
    }
    return area;
}

} // namespace gui
