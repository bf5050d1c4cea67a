#include "skin/popup/PopupEntryList.h"
#include "skin/popup/PopupGeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skin;
using core::Point;
using core::Rect;

namespace {

std::vector<PopupEntrySize> entries(int count, int32_t textWidth = 40) {
    return std::vector<PopupEntrySize>(size_t(count), PopupEntrySize{false, textWidth});
}

// A frame picture of 60 x 50 whose items band leaves 5 pixels left, 7 right, 6 top, 8 bottom.
PopupFrameMetrics frame() {
    PopupFrameMetrics f;
    f.pictureWidth = 60;
    f.pictureHeight = 50;
    f.itemsRect = {5, 6, 53, 42};
    return f;
}

// An entry picture 30 x 18 with the text 4 pixels in from each side, dividers 6 high.
PopupItemMetrics item() {
    return {{0, 0, 30, 18}, {0, 20, 30, 26}, {4, 0, 26, 18}};
}

const Rect workArea{0, 0, 800, 570};

} // namespace

TEST(PopupSize, PlainEntriesAndSeparatorsAddUp) {
    std::vector<PopupEntrySize> e = entries(3, 50);
    e.push_back({true, 0});
    PopupSizeInput in;
    in.workAreaHeight = 570;
    const PopupSize s = popupSize(in, e);
    EXPECT_EQ(s.width, 50 + 2 + 19 + 19 + 10);
    EXPECT_EQ(s.height, 3 * 20 + 4 + 6); // entries 20, separators 4, the frame 6
    EXPECT_FALSE(s.scroll);
    in.twoRoots = true;
    EXPECT_EQ(popupSize(in, e).height, 3 * 20 + 4 + 4);
}

TEST(PopupSize, SkinnedFrameAndEntryPictures) {
    const PopupFrameMetrics f = frame();
    const PopupItemMetrics i = item();
    PopupSizeInput in;
    in.frame = &f;
    in.item = &i;
    in.workAreaHeight = 570;
    std::vector<PopupEntrySize> e = entries(2, 50);
    e.push_back({true, 0});
    const PopupSize s = popupSize(in, e);
    // picture + text + glyphs + text margins (4 + 30 - 26) + items band (5 - 53)
    EXPECT_EQ(s.width, 60 + (52 + 19 + 19) + 8 + (5 - 53));
    EXPECT_EQ(s.height, 50 + 2 * 18 + 6 + (6 - 42));

    // A frame without an entry picture keeps its frame and takes plain entry heights.
    in.item = nullptr;
    const PopupSize plain = popupSize(in, e);
    EXPECT_EQ(plain.width, 60 + (52 + 19 + 19) + (5 - 53));
    EXPECT_EQ(plain.height, 50 + 2 * 20 + 4 + (6 - 42));
}

TEST(PopupSize, TwentyFiveEntriesWithTenAtOnceScrollWithTwoMarkerStrips) {
    PopupSizeInput in;
    in.maxItemsInWindow = 10;
    in.workAreaHeight = 570;
    const PopupSize s = popupSize(in, entries(25));
    EXPECT_EQ(s.height, 10 * 20 + 26);
    EXPECT_TRUE(s.scroll);
    EXPECT_TRUE(s.scroll2);

    // The layout then shows exactly ten entries between the two 10-pixel strips.
    std::vector<PopupEntryState> states(25, PopupEntryState{20, true, {}, false});
    PopupEntryList list(states, popupItemsRect(nullptr, s.width, s.height), s.scroll);
    EXPECT_EQ(list.visibleCount(), 10);
    EXPECT_EQ(list.entry(0).rect.top, 2 + 10);
    EXPECT_EQ(list.entry(9).rect.bottom, 12 + 200);
    EXPECT_FALSE(list.entry(10).visible);
    EXPECT_EQ(list.topMarker(), (Rect{2, 2, s.width - 2, 12}));
    EXPECT_EQ(list.bottomMarker(), (Rect{2, s.height - 12, s.width - 2, s.height - 2}));

    // With a skin the strips come on top of the frame.
    const PopupFrameMetrics f = frame();
    const PopupItemMetrics i = item();
    in.frame = &f;
    in.item = &i;
    EXPECT_EQ(popupSize(in, entries(25)).height, 50 + 10 * 18 + (6 - 42) + 20);
    // Not more entries than the limit: no scrolling.
    in.maxItemsInWindow = 25;
    EXPECT_FALSE(popupSize(in, entries(25)).scroll);
}

TEST(PopupSize, MenuTallerThanTheWorkAreaFillsItFromItsTop) {
    PopupSizeInput in;
    in.workAreaHeight = 570;
    const PopupSize s = popupSize(in, entries(40)); // 806 pixels
    EXPECT_EQ(s.height, 570);
    EXPECT_TRUE(s.scroll);
    EXPECT_FALSE(s.scroll2);
    const Rect items = popupItemsRect(nullptr, s.width, s.height);
    // Wherever it was opened, it goes to the work area's top, beside the anchor.
    for (Rect anchor : {Rect{100, 100, 100, 100}, Rect{100, 500, 100, 500}}) {
        const Point p = placePopup(
            {workArea, anchor, {s.width, s.height}, items, PopupKind::DropDown, s.scroll, s.scroll2});
        EXPECT_EQ(p, (Point{101, 0}));
    }
}

TEST(PopupPlacement, DropDownRules) {
    const Point size{120, 200};
    const Rect items{2, 2, 118, 198};
    struct Case {
        Rect anchor;
        Point expected;
        const char* what;
    } cases[] = {
        {{100, 100, 100, 100}, {100, 100}, "fits below: at the anchor"},
        {{750, 100, 750, 100}, {680, 100}, "past the right edge: pulled in"},
        {{-30, 100, -30, 100}, {0, 100}, "past the left edge: pulled in"},
        {{100, 500, 100, 500}, {100, 300}, "near the bottom, lower half: above the anchor"},
        {{100, 400, 100, 400}, {100, 200}, "lower half: above the anchor"},
        {{100, 250, 100, 400}, {101, 370}, "does not fit below, upper half: pushed up, beside the anchor"},
    };
    for (const Case& c : cases) {
        const Point p = placePopup({workArea, c.anchor, size, items, PopupKind::DropDown, false, false});
        EXPECT_EQ(p, c.expected) << c.what;
    }
}

TEST(PopupPlacement, DropUpRules) {
    const Point size{120, 200};
    const Rect items{2, 2, 118, 198};
    EXPECT_EQ(placePopup({workArea, {100, 400, 150, 420}, size, items, PopupKind::DropUp, false, false}),
              (Point{100, 200}));
    EXPECT_EQ(placePopup({workArea, {100, 100, 150, 120}, size, items, PopupKind::DropUp, false, false}),
              (Point{100, 120}));
}

TEST(PopupPlacement, SubmenuBesideItsEntry) {
    const Point size{120, 200};
    const Rect items{2, 2, 118, 198};
    // Fits to the right: one pixel after the entry, its first entry level with the parent entry.
    EXPECT_EQ(placePopup({workArea, {300, 100, 400, 120}, size, items, PopupKind::Submenu, false, false}),
              (Point{401, 98}));
    // Does not fit to the right: to the left, one pixel away.
    EXPECT_EQ(placePopup({workArea, {600, 100, 700, 120}, size, items, PopupKind::Submenu, false, false}),
              (Point{600 - 120 - 1, 98}));
    // Does not fit below, upper half: its bottom at the work area's bottom.
    const Point tall{120, 400};
    const Rect tallItems{2, 2, 118, 398};
    EXPECT_EQ(placePopup({workArea, {300, 200, 400, 220}, tall, tallItems, PopupKind::Submenu, false, false}),
              (Point{401, 170}));
    // Lower half: its last entry level with the parent entry's bottom.
    EXPECT_EQ(placePopup({workArea, {300, 500, 400, 520}, size, items, PopupKind::Submenu, false, false}),
              (Point{401, 522 - 200}));
}
