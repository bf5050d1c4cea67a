#include "skin/form/MDIRules.h"

#include <gtest/gtest.h>

using namespace skin;
using core::Point;
using core::Rect;

TEST(MDICaption, MaximisedChildIsNamedInBrackets) {
    const std::string child = "Report 1";
    EXPECT_EQ(mdiParentCaption("Gallery", &child), "Gallery - [Report 1]");
    EXPECT_EQ(mdiParentCaption("Gallery", nullptr), "Gallery");
    const std::string empty;
    EXPECT_EQ(mdiParentCaption("", &empty), " - []");
}

// The child's groups replace the parent's items of the same group; the rest interleave by group
// index, ties keeping list order with the parent's first; hidden items are left out but still replace.
TEST(MDIMergedMenu, ChildGroupsReplaceTheParentsAndSortByGroup) {
    const MenuEntry parent[] = {{0}, {1}, {5}, {9}, {3, false}};
    const MenuEntry child[] = {{1}, {4}, {1}, {3}, {9, false}};
    const std::vector<MergedEntry> expected = {
        {false, 0}, // group 0
        {true, 0},  // group 1 (replaces the parent's)
        {true, 2},  // group 1
        {true, 3},  // group 3
        {true, 1},  // group 4
        {false, 2}, // group 5; the parent's 9 is replaced by the hidden child item
    };
    EXPECT_EQ(mergeMenus(parent, child), expected);
}

TEST(MDIMergedMenu, EqualGroupsKeepTheParentFirstAndAnEmptyChildKeepsTheParent) {
    const MenuEntry parent[] = {{2}, {0}, {2}};
    EXPECT_EQ(mergeMenus(parent, {}), (std::vector<MergedEntry>{{false, 1}, {false, 0}, {false, 2}}));
    const MenuEntry child[] = {{3}, {0}};
    EXPECT_EQ(mergeMenus(parent, child),
              (std::vector<MergedEntry>{{true, 1}, {false, 0}, {false, 2}, {true, 0}}));
}

// Minimised windows line up from the bottom-left corner, wrap to the next row up, and when the area
// is full the first place is taken again.
TEST(MDIMinimizedPlace, RowsFromTheBottomLeftAndWrapWhenFull) {
    const Rect area{10, 20, 310, 120}; // three 100-wide places per row, two rows of 40
    const Point size{100, 40};
    EXPECT_EQ(minimizedPlace(area, size, {}), (Point{10, 80}));
    const Point two[] = {{10, 80}, {110, 80}};
    EXPECT_EQ(minimizedPlace(area, size, two), (Point{210, 80}));
    const Point row[] = {{10, 80}, {110, 80}, {210, 80}};
    EXPECT_EQ(minimizedPlace(area, size, row), (Point{10, 40}));
    const Point full[] = {{10, 80}, {110, 80}, {210, 80}, {10, 40}, {110, 40}, {210, 40}};
    EXPECT_EQ(minimizedPlace(area, size, full), (Point{10, 80}));
    // A window elsewhere takes no place.
    const Point aside[] = {{11, 80}};
    EXPECT_EQ(minimizedPlace(area, size, aside), (Point{10, 80}));
}

// Tabs take their text's width plus padding within the limits; when they do not fit they share the
// width evenly, never going below the minimum.
TEST(MDITabsLayout, NaturalWidthsThenEvenShares) {
    const int32_t widths[] = {10, 60, 500};
    const std::vector<Rect> natural = layoutMDITabs(widths, 600, 24);
    ASSERT_EQ(natural.size(), 3u);
    EXPECT_EQ(natural[0], (Rect{2, 2, 42, 24}));    // 10 + 16 raised to the minimum 40
    EXPECT_EQ(natural[1], (Rect{44, 2, 120, 24}));  // 60 + 16
    EXPECT_EQ(natural[2], (Rect{122, 2, 322, 24})); // capped at 200
    EXPECT_EQ(mdiTabAt(natural, {50, 10}), 1);
    EXPECT_EQ(mdiTabAt(natural, {43, 10}), -1); // the gap
    EXPECT_EQ(mdiTabAt(natural, {400, 10}), -1);

    const std::vector<Rect> tight = layoutMDITabs(widths, 200, 24);
    // Room 200 - 4 - 4 = 192: 64 each.
    EXPECT_EQ(tight[0], (Rect{2, 2, 66, 24}));
    EXPECT_EQ(tight[2], (Rect{134, 2, 198, 24}));
    const std::vector<Rect> narrow = layoutMDITabs(widths, 60, 24);
    EXPECT_EQ(narrow[1].width(), mdiTabMinWidth);
    EXPECT_TRUE(layoutMDITabs({}, 100, 24).empty());
}
