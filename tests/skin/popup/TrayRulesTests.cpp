#include "skin/popup/TrayRules.h"

#include <gtest/gtest.h>

#include <string>

using namespace skin;

namespace {

TEST(TrayRules, TipIsCutAt127UnitsAndOnlyShownWhenAsked) {
    EXPECT_EQ(trayTip("Velmora", true), u"Velmora");
    EXPECT_TRUE(trayTip("Velmora", false).empty());
    EXPECT_TRUE(trayTip("", true).empty());
    const std::string longHint(200, 'a');
    EXPECT_EQ(trayTip(longHint, true), std::u16string(127, u'a'));
    EXPECT_EQ(trayTip(std::string(127, 'b'), true).size(), 127u);
    // Non-ASCII text counts characters, not bytes.
    std::string umlauts;
    for (int i = 0; i < 130; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_EQ(trayTip(umlauts, true), std::u16string(127, u'\u00E4'));
    // A pair straddling the cut is dropped whole.
    const std::string pairAtCut = std::string(126, 'c') + "\xF0\x9F\x98\x80" + "d";
    EXPECT_EQ(trayTip(pairAtCut, true), std::u16string(126, u'c'));
}

TEST(TrayRules, IconIndexPastTheEndSelectsTheLastImage) {
    EXPECT_EQ(trayIconIndex(0, 4), 0);
    EXPECT_EQ(trayIconIndex(3, 4), 3);
    EXPECT_EQ(trayIconIndex(4, 4), 3);
    EXPECT_EQ(trayIconIndex(99, 4), 3);
    EXPECT_EQ(trayIconIndex(-5, 4), 0);
    EXPECT_EQ(trayIconIndex(0, 0), -1);
    EXPECT_EQ(trayIconIndex(2, 0), -1);
}

TEST(TrayRules, AnimationWrapsAfterTheLastImageAndNeedsAnInterval) {
    EXPECT_EQ(nextTrayIconIndex(0, 3), 1);
    EXPECT_EQ(nextTrayIconIndex(2, 3), 0);
    EXPECT_EQ(nextTrayIconIndex(0, 1), 0);
    EXPECT_EQ(nextTrayIconIndex(0, 0), -1);
    EXPECT_FALSE(trayCycleTimerRuns(true, 0));
    EXPECT_FALSE(trayCycleTimerRuns(false, 100));
    EXPECT_TRUE(trayCycleTimerRuns(true, 100));
}

TEST(TrayRules, SingleClickFiresAfterTheDoubleClickTime) {
    TrayClickTracker t;
    t.buttonDown();
    EXPECT_TRUE(t.timerRunning());
    EXPECT_FALSE(t.buttonUp());
    EXPECT_TRUE(t.timerElapsed());
    EXPECT_FALSE(t.timerRunning());
}

TEST(TrayRules, DoubleClickFiresNoClick) {
    TrayClickTracker t;
    t.buttonDown();
    EXPECT_FALSE(t.buttonUp());
    t.doubleClick();
    EXPECT_FALSE(t.buttonUp());
    EXPECT_FALSE(t.timerElapsed());
    // The next single click is a click again.
    t.buttonDown();
    EXPECT_FALSE(t.buttonUp());
    EXPECT_TRUE(t.timerElapsed());
}

TEST(TrayRules, HeldButtonClicksOnRelease) {
    TrayClickTracker t;
    t.buttonDown();
    EXPECT_FALSE(t.timerElapsed());
    EXPECT_TRUE(t.buttonUp());
    // A stray release without a press is no click.
    EXPECT_FALSE(t.buttonUp());
}

} // namespace
