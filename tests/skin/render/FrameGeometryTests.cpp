#include "LauncherFrameMetrics.h"
#include "skin/render/FrameGeometry.h"
#include "skin/render/PlatformVersion.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

using skintest::launcherMetrics;

} // namespace

TEST(FrameGeometry, PictureSizeGivesTheSkinsOwnValues) {
    const FormFrameMetrics m = launcherMetrics();
    const FrameGeometry g = computeFrameGeometry(m, 184, 141);
    EXPECT_EQ(g.frame(), m.frame());
    EXPECT_EQ(g.maskFrame(), m.maskFrame());
    EXPECT_EQ(g.captionRect, m.captionRect);
    EXPECT_EQ(g.buttonsRect, m.buttonsRect);
    EXPECT_EQ(g.hitTestRightBottom, m.hitTestRightBottomPoint);
    EXPECT_EQ(g.buttonsOffset, 5);
}

TEST(FrameGeometry, RightAndBottomPartsFollowTheSize) {
    const FrameGeometry g = computeFrameGeometry(launcherMetrics(), 284, 191);
    EXPECT_EQ(g.leftTop, (Point{16, 34}));
    EXPECT_EQ(g.rightTop, (Point{167, 34}));
    EXPECT_EQ(g.leftBottom, (Point{12, 177}));
    EXPECT_EQ(g.rightBottom, (Point{274, 178}));
    EXPECT_EQ(g.clientRect, (Rect{8, 28, 279, 184}));
    EXPECT_EQ(g.captionRect, (Rect{7, 4, 191, 20}));
    EXPECT_EQ(g.buttonsRect, (Rect{208, 7, 275, 25}));
    EXPECT_EQ(g.maskArea, (Rect{4, 4, 279, 187}));
    EXPECT_EQ(g.hitTestLeftTop, (Point{10, 9}));
    EXPECT_EQ(g.hitTestRightTop, (Point{274, 11}));
    EXPECT_EQ(g.hitTestLeftBottom, (Point{6, 182}));
    EXPECT_EQ(g.hitTestRightBottom, (Point{277, 182}));
}

TEST(FrameGeometry, ButtonsMoveOnlyWhenRightOfTheMiddleAndEmptyRectsStay) {
    FormFrameMetrics m = launcherMetrics();
    struct Case {
        Rect buttons;
        Rect expected;
    } cases[] = {
        {{92, 7, 175, 25}, {92, 7, 175, 25}},   // left edge exactly pw / 2
        {{93, 7, 175, 25}, {103, 7, 185, 25}},  // one past it
        {{150, 7, 150, 25}, {150, 7, 150, 25}}, // empty
    };
    for (const Case& c : cases) {
        m.buttonsRect = c.buttons;
        EXPECT_EQ(computeFrameGeometry(m, 194, 141).buttonsRect, c.expected);
    }
    m.captionRect = {7, 4, 7, 20};
    EXPECT_EQ(computeFrameGeometry(m, 300, 141).captionRect, (Rect{7, 4, 7, 20}));
}

TEST(PlatformVersion, TranslucencyFromFiveZeroAndShadowsFromFiveOne) {
    struct Case {
        uint32_t word;
        bool xp, family2000, layered, shadow;
    } cases[] = {
        {0x0004, false, false, false, false},   // 4.0
        {0x0005, false, true, true, false},     // 5.0
        {0x0105, true, true, true, true},       // 5.1
        {0x0205, false, true, true, true},      // 5.2
        {0x0006, false, false, true, true},     // 6.0
        {0x23F00206, false, false, true, true}, // 6.2 with a build number in the high word
        {0x000A, false, false, true, true},     // 10.0
    };
    for (const Case& c : cases) {
        const PlatformVersion v = PlatformVersion::fromVersionWord(c.word);
        EXPECT_EQ(v.isWindowsXP(), c.xp) << std::hex << c.word;
        EXPECT_EQ(v.isWindows2000Family(), c.family2000) << std::hex << c.word;
        EXPECT_EQ(v.hasLayeredWindows(), c.layered) << std::hex << c.word;
        EXPECT_EQ(v.hasDropShadow(), c.shadow) << std::hex << c.word;
    }
}
