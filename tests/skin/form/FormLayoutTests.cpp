#include "../render/LauncherFrameMetrics.h"
#include "skin/form/FormLayout.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

using skintest::launcherMetrics;

FormObjectPlace button(WindowCommand command, Rect skinRect) {
    return {FormObjectKind::StdButton, command, skinRect, true, true, {}};
}

// The launcher skin's objects, in its order: caption (drawn in the frame picture) and four buttons.
std::vector<FormObjectPlace> launcherObjects() {
    return {
        {FormObjectKind::Caption, WindowCommand::cmDefault, {7, 3, 96, 23}, false, true, {}},
        button(WindowCommand::cmClose, {2, 23, 21, 42}),
        button(WindowCommand::cmMaximize, {63, 23, 82, 42}),
        button(WindowCommand::cmMinimize, {43, 43, 62, 62}),
        button(WindowCommand::cmSysMenu, {2, 2, 21, 21}),
    };
}

} // namespace

TEST(FormLayout, LauncherButtonsFormARowFromTheButtonsRectRightEdge) {
    const FormFrameMetrics m = launcherMetrics();
    for (int dx : {0, 1, 250}) {
        const FrameGeometry g = computeFrameGeometry(m, 184 + dx, 141 + 40);
        std::vector<FormObjectPlace> o = launcherObjects();
        layoutFormObjects(m, g, o);
        EXPECT_EQ(o[1].objectRect, (Rect{156 + dx, 7, 175 + dx, 26})) << dx; // close rightmost
        EXPECT_EQ(o[2].objectRect, (Rect{132 + dx, 7, 151 + dx, 26}));       // 5 pixels apart
        EXPECT_EQ(o[3].objectRect, (Rect{108 + dx, 7, 127 + dx, 26}));
        // System menu at the caption rect's left, centred in its 16 rows: 4 + 8 - 9.
        EXPECT_EQ(o[4].objectRect, (Rect{7, 3, 26, 22}));
        // The caption is drawn in the frame picture: its right edge grows with the width (it reaches
        // from the left-top into the right-top zone) and its left edge follows the system-menu button.
        EXPECT_EQ(o[0].objectRect, (Rect{26, 3, 96 + dx, 23}));
    }
}

TEST(FormLayout, HiddenAndMissingButtonsCloseTheRowAndTheShownIconSizesTheSystemButton) {
    const FormFrameMetrics m = launcherMetrics();
    const FrameGeometry g = computeFrameGeometry(m, 184, 141);
    std::vector<FormObjectPlace> o = launcherObjects();
    o[2].visible = false; // no maximise button
    layoutFormObjects(m, g, o, {16, 16});
    EXPECT_EQ(o[3].objectRect, (Rect{132, 7, 151, 26}));
    EXPECT_EQ(o[4].objectRect, (Rect{7, 4, 23, 20}));
    EXPECT_EQ(o[0].objectRect.left, 23);

    // Without a buttons rect the row hangs from the caption rect and the caption ends before it.
    FormFrameMetrics noButtons = m;
    noButtons.buttonsRect = {};
    o = launcherObjects();
    layoutFormObjects(noButtons, computeFrameGeometry(noButtons, 184, 141), o);
    EXPECT_EQ(o[1].objectRect, (Rect{72, 4, 91, 23}));
    EXPECT_EQ(o[3].objectRect, (Rect{24, 4, 43, 23}));
    EXPECT_EQ(o[0].objectRect.right, 24); // where the next button would end, plus the offset
}

TEST(FormLayout, ButtonsOnTheLeftRunLeftToRightWithTheSystemButtonInTheRow) {
    FormFrameMetrics m = launcherMetrics();
    m.buttonsInLeft = true;
    m.buttonsRect = {10, 7, 80, 25};
    std::vector<FormObjectPlace> o = launcherObjects();
    layoutFormObjects(m, computeFrameGeometry(m, 300, 141), o);
    EXPECT_EQ(o[1].objectRect, (Rect{10, 7, 29, 26}));
    EXPECT_EQ(o[2].objectRect, (Rect{34, 7, 53, 26}));
    EXPECT_EQ(o[3].objectRect, (Rect{58, 7, 77, 26}));
    EXPECT_EQ(o[4].objectRect, (Rect{82, 7, 101, 26}));
    EXPECT_EQ(o[0].objectRect.left, 106 + 5);
}

TEST(FormLayout, FramePictureObjectsMoveWithTheirZone) {
    const FormFrameMetrics m = launcherMetrics();
    auto placed = [&](Rect skinRect) {
        std::vector<FormObjectPlace> o{
            {FormObjectKind::User, WindowCommand::cmDefault, skinRect, false, true, {}}};
        FormFrameMetrics bare = m;
        bare.buttonsRect = bare.captionRect = {}; // no row step
        layoutFormObjects(bare, computeFrameGeometry(bare, 184 + 30, 141 + 20), o);
        return o[0].objectRect;
    };
    const struct {
        Rect in, out;
    } cases[] = {
        {{2, 2, 10, 10}, {2, 2, 10, 10}},             // left-top zone: stays
        {{100, 2, 110, 10}, {130, 2, 140, 10}},       // right-top: moves right
        {{2, 130, 8, 135}, {2, 150, 8, 155}},         // left-bottom: moves down
        {{176, 130, 180, 135}, {206, 150, 210, 155}}, // right-bottom: both
        {{2, 2, 180, 135}, {2, 2, 210, 155}},         // left-top to right-bottom: grows both ways
        {{2, 2, 100, 20}, {2, 2, 130, 20}},           // left-top to right-top: grows in width
        {{2, 130, 180, 135}, {2, 150, 210, 155}},     // left-bottom to right-bottom: grows and moves down
        {{2, 2, 8, 135}, {2, 2, 8, 155}},             // left-top to left-bottom: grows in height
        {{100, 2, 180, 135}, {130, 2, 210, 155}},     // right-top to right-bottom
        {{20, 40, 30, 50}, {20, 40, 30, 50}},         // the middle: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(placed(c.in), c.out) << c.in.left << "," << c.in.top;
}

TEST(FormLayout, OwnSizeKeepsTheSkinPointsAndAButtonsRectAtHalfWidthStays) {
    FormFrameMetrics m = launcherMetrics();
    const FrameGeometry g = computeFrameGeometry(m, 184, 141);
    EXPECT_EQ(g.frame(), m.frame());
    m.buttonsRect = {92, 7, 150, 25}; // left edge exactly pw / 2: not moved
    EXPECT_EQ(computeFrameGeometry(m, 300, 141).buttonsRect, m.buttonsRect);
    m.buttonsRect = {93, 7, 150, 25};
    EXPECT_EQ(computeFrameGeometry(m, 300, 141).buttonsRect, (Rect{209, 7, 266, 25}));
}

TEST(FormLayout, BuiltInLookAndNonClientSizes) {
    std::vector<FormObjectPlace> o = {
        button(WindowCommand::cmClose, {0, 0, 1, 1}),
        button(WindowCommand::cmMaximize, {0, 0, 1, 1}),
        button(WindowCommand::cmMinimize, {0, 0, 1, 1}),
        button(WindowCommand::cmRollUp, {0, 0, 1, 1}),
        button(WindowCommand::cmSysMenu, {0, 0, 1, 1}),
        button(WindowCommand::cmMinimizeToTray, {0, 0, 1, 1}),
    };
    o[5].visible = false;
    const Rect caption = layoutBuiltInObjects(BuiltInFrameMetrics{}, 200, o);
    EXPECT_EQ(o[0].objectRect, (Rect{180, 4, 197, 21}));
    EXPECT_EQ(o[3].objectRect, (Rect{129, 4, 146, 21})); // no gap between built-in buttons
    EXPECT_EQ(o[4].objectRect, (Rect{3, 4, 20, 21}));
    EXPECT_EQ(caption, (Rect{20, 3, 129, 22}));

    const FormFrameMetrics m = launcherMetrics();
    for (Rect w : {Rect{0, 0, 184, 141}, Rect{100, 50, 600, 450}, Rect{10, 10, 20, 20}}) {
        const Rect c = skinnedClientFromWindow(m, w);
        // The same client rect the frame geometry gives, in screen coordinates.
        const Rect want = computeFrameGeometry(m, w.width(), w.height()).clientRect.translated(w.left, w.top);
        EXPECT_EQ(c.left, want.left);
        EXPECT_EQ(c.top, want.top);
        EXPECT_EQ(c.right, std::max(want.right, want.left));
        EXPECT_EQ(c.bottom, std::max(want.bottom, want.top)); // never inverted
    }
    EXPECT_EQ(builtInClientFromWindow(BuiltInFrameMetrics::forToolWindow(true), {0, 0, 100, 80}),
              (Rect{3, 18, 97, 77}));
}
