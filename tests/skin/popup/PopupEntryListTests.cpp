#include "skin/popup/PopupEntryList.h"

#include <gtest/gtest.h>

#include <string>

using namespace skin;
using core::Rect;

namespace {

// Entries from a picture: "o" selectable, "-" separator, "x" disabled; 20 pixels each (separators 4).
std::vector<PopupEntryState> states(const std::string& picture) {
    std::vector<PopupEntryState> s;
    for (char c : picture)
        s.push_back({c == '-' ? 4 : 20, c == 'o', {}, false});
    return s;
}

// A window showing `shown` entries of 20 pixels between its scroll strips.
PopupEntryList scrolling(const std::string& picture, int shown) {
    return PopupEntryList(states(picture), Rect{2, 2, 100, 2 + 20 + 20 * shown}, true);
}

} // namespace

TEST(PopupKeyboard, ArrowsSkipSeparatorsAndDisabledEntriesAndWrap) {
    PopupEntryList list(states("o-xox-o"), Rect{2, 2, 100, 200}, false);
    struct Case {
        int from;
        int next;
        int previous;
    } cases[] = {
        {-1, 0, 6}, // nothing active: the first / last selectable
        {0, 3, 6},  // past the separator and the disabled entry; wrap to the end
        {3, 6, 0},
        {6, 0, 3}, // wrap to the top
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.selectNext(c.from), c.next) << c.from;
        EXPECT_EQ(list.selectPrevious(c.from), c.previous) << c.from;
    }
    PopupEntryList none(states("-x-"), Rect{2, 2, 100, 200}, false);
    EXPECT_EQ(none.selectNext(-1), -1);
    EXPECT_EQ(none.selectPrevious(-1), -1);
}

TEST(PopupScroll, PagesMoveOneEntryAtATimeAndWrapOnlyWhenAsked) {
    PopupEntryList list = scrolling(std::string(25, 'o'), 10);
    EXPECT_EQ(list.visibleCount(), 10);
    EXPECT_FALSE(list.canScrollUp());
    EXPECT_FALSE(list.scrollUp(false));
    EXPECT_TRUE(list.scrollDown(false));
    EXPECT_EQ(list.visibleStart(), 1);
    EXPECT_FALSE(list.entry(0).visible);
    EXPECT_EQ(list.entry(1).rect.top, 12);
    EXPECT_EQ(list.lastPageStart(), 15);
    while (list.scrollDown(false)) {
    }
    EXPECT_EQ(list.visibleStart(), 15);
    EXPECT_EQ(list.lastVisible(), 24);
    EXPECT_TRUE(list.scrollDown(true)); // wraps to the top
    EXPECT_EQ(list.visibleStart(), 0);
    EXPECT_TRUE(list.scrollUp(true)); // wraps to the last page
    EXPECT_EQ(list.visibleStart(), 15);
}

TEST(PopupScroll, KeyboardSelectionScrollsTheChosenEntryIntoView) {
    PopupEntryList list = scrolling("oooooooooooo-x", 5);
    EXPECT_EQ(list.selectNext(4), 5);
    EXPECT_EQ(list.visibleStart(), 1);
    EXPECT_TRUE(list.entry(5).visible);
    // Past the last selectable entry the search wraps to the top and the page follows.
    EXPECT_EQ(list.selectNext(11), 0);
    EXPECT_EQ(list.visibleStart(), 0);
    // Up from the top wraps to the end: the last page is shown and holds the chosen entry.
    EXPECT_EQ(list.selectPrevious(0), 11);
    EXPECT_TRUE(list.entry(11).visible);
    EXPECT_EQ(list.visibleStart(), list.lastPageStart());
}

TEST(PopupScroll, LastPageShowsOnlyEntriesThatFit) {
    // Entries of different heights: the last page is counted from the strip below the top marker.
    std::vector<PopupEntryState> s = states("oooooo");
    s[5].height = 35;
    PopupEntryList list(s, Rect{2, 20, 100, 20 + 20 + 60}, true); // 60 pixels for entries
    const int start = list.lastPageStart();
    EXPECT_EQ(start, 5 - 1); // 35 + 20 fit, a third entry would not
    while (list.scrollDown(false)) {
    }
    EXPECT_EQ(list.visibleStart(), start);
    EXPECT_TRUE(list.entry(5).visible);
}

TEST(PopupHover, EntryUnderThePointAmongTheShownOnes) {
    PopupEntryList list = scrolling(std::string(8, 'o'), 3);
    EXPECT_EQ(list.entryAt({10, 12}), 0);
    EXPECT_EQ(list.entryAt({10, 51}), 1);
    EXPECT_EQ(list.entryAt({10, 52}), 2);
    EXPECT_EQ(list.entryAt({10, 5}), -1); // the top marker
    list.scrollDown(false);
    EXPECT_EQ(list.entryAt({10, 12}), 1);
}
