#pragma once
// Classes in this file: PopupFrameMetrics, PopupItemMetrics, PopupSizeInput, PopupSize, PopupPlacement.
// The pure rules of one skinned popup menu window: its size from the skin's popup frame and menu-entry
// pictures (or the plain metrics without them), the items band inside it, and where it goes on the
// screen next to the rect it was opened from.
#include "core/Geometry.h"

#include <cstdint>
#include <span>

namespace skin {

// The popup frame of a skin: the window picture's size and its geometry.
struct PopupFrameMetrics {
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    core::Point leftTop, rightTop, leftBottom, rightBottom;
    core::Rect itemsRect;
};

// The skin's menu entry: the normal image, the separator image and the text area within the image.
struct PopupItemMetrics {
    core::Rect skinRect;
    core::Rect dividerRect;
    core::Rect textRect;
};

// Plain metrics, used where the skin gives none.
constexpr int32_t plainItemHeight = 20;
constexpr int32_t plainSeparatorHeight = 4;
// The strips at the top and bottom of a scrolling window that hold its scroll arrows.
constexpr int32_t scrollMarkerHeight = 10;

struct PopupEntrySize {
    bool separator = false;
    int32_t textWidth = 0; // caption (and shortcut) as measured, before the 2-pixel allowance
};

struct PopupSizeInput {
    const PopupFrameMetrics* frame = nullptr; // null: plain frame
    const PopupItemMetrics* item = nullptr;   // null: plain entries
    int32_t defaultItemHeight = plainItemHeight;
    int32_t glyphWidth = 19; // image width + 5 with an image list
    int32_t maxItemsInWindow = 0;
    int32_t workAreaHeight = 0;
    bool twoRoots = false;
};

struct PopupSize {
    int32_t width = 0;
    int32_t height = 0;
    bool scroll = false;  // not every entry fits at once
    bool scroll2 = false; // ... because of the entry limit, not the screen
};

// An entry's height: the skin's divider or entry picture, else 4 for a separator and the default
// height for the others.
int32_t popupEntryHeight(bool separator, const PopupItemMetrics* item, int32_t defaultItemHeight);
PopupSize popupSize(const PopupSizeInput& input, std::span<const PopupEntrySize> entries);

// The band that holds the entries, in window coordinates, for a window of width x height.
core::Rect popupItemsRect(const PopupFrameMetrics* frame, int32_t width, int32_t height);

enum class PopupKind { DropDown, DropUp, Submenu };

struct PopupPlacementInput {
    core::Rect workArea;
    core::Rect anchor; // screen
    core::Point size;  // window
    core::Rect itemsRect;
    PopupKind kind = PopupKind::DropDown;
    bool scroll = false;
    bool scroll2 = false;
};

// The window's top-left on the screen: below (or above) the anchor, or beside it for a submenu, kept
// inside the work area; a submenu that does not fit to the right goes to the left, one pixel away.
core::Point placePopup(const PopupPlacementInput& in);

} // namespace skin
