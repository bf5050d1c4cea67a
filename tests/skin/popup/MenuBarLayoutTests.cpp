#include "skin/popup/MenuBarLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skin;
using core::Rect;

TEST(MenuBarLayout, ItemsSitSideBySideAndThoseThatDoNotFitHide) {
    const std::vector<int32_t> widths{40, 50, 30, 20};
    // A band 2..120: with the marker's strip free, items may reach 115.
    MenuBarLayout l = layoutMenuBar(Rect{2, 2, 120, 20}, widths, 0, true);
    EXPECT_EQ(l.rects[0], (Rect{2, 2, 42, 20}));
    EXPECT_EQ(l.rects[1], (Rect{42, 2, 92, 20}));
    EXPECT_EQ(l.rects[2], (Rect{92, 2, 122, 20})); // 122 > 115: hidden
    EXPECT_EQ(l.shown, (std::vector<bool>{true, true, false, false})) << "hidden items stay hidden after it";
    EXPECT_TRUE(l.overflow);
    EXPECT_EQ(l.shownCount, 2);
    EXPECT_EQ(l.marker, (Rect{115, 2, 120, 20}));

    // Widening the bar brings them back.
    l = layoutMenuBar(Rect{2, 2, 200, 20}, widths, 0, true);
    EXPECT_FALSE(l.overflow);
    EXPECT_EQ(l.shownCount, 4);

    // Without the marker an item may reach the band's end; a skinned item keeps its picture height.
    l = layoutMenuBar(Rect{2, 2, 122, 20}, widths, 15, false);
    EXPECT_EQ(l.shownCount, 3);
    EXPECT_EQ(l.rects[0].bottom, 17);
}

TEST(MenuBarLayout, KeyboardWalkWrapsAndSkipsDisabledOrHiddenItems) {
    const std::vector<bool> selectable{true, false, true, true, false};
    struct Case {
        int from, next, previous;
    } cases[] = {{-1, 0, 3}, {0, 2, 3}, {2, 3, 0}, {3, 0, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(nextMenuBarItem(selectable, c.from), c.next) << c.from;
        EXPECT_EQ(previousMenuBarItem(selectable, c.from), c.previous) << c.from;
    }
    const std::vector<bool> none{false, false};
    EXPECT_EQ(nextMenuBarItem(none, 0), -1);
    EXPECT_EQ(previousMenuBarItem(std::vector<bool>{}, -1), -1);
}
