#include "skin/form/FormCommands.h"
#include "skin/form/FormHitTest.h"

#include <gtest/gtest.h>

using namespace skin;
using core::FBitmap;

namespace {

// A 100 x 80 picture: client (8, 28, 92, 72), hit-test corners 10 pixels in, border width 3.
FormFrameMetrics metrics() {
    FormFrameMetrics m;
    m.pictureWidth = 100;
    m.pictureHeight = 80;
    m.leftTopPoint = {20, 30};
    m.rightTopPoint = {80, 30};
    m.leftBottomPoint = {20, 70};
    m.rightBottomPoint = {80, 70};
    m.clientRect = {8, 28, 92, 72};
    m.maskRectArea = {4, 4, 96, 76};
    m.hitTestLeftTopPoint = {10, 10};
    m.hitTestRightTopPoint = {190, 10};
    m.hitTestLeftBottomPoint = {10, 110};
    m.hitTestRightBottomPoint = {190, 110};
    return m;
}

} // namespace

TEST(FormHitTest, SkinnedFrameAnswersBordersCornersCaptionClientAndObjects) {
    const FormFrameMetrics m = metrics();
    // Hit-test points given for a 200 x 120 picture would be odd; keep them as the window's own.
    FormFrameMetrics same = m;
    same.hitTestRightTopPoint = {90, 10};
    same.hitTestLeftBottomPoint = {10, 70};
    same.hitTestRightBottomPoint = {90, 70};
    const int W = 200, H = 120;
    const FrameGeometry g = computeFrameGeometry(same, W, H);
    const Rect caption[] = {{30, 5, 150, 22}};
    FrameHitState st{W, H};
    const struct {
        Point p;
        HitCode want;
    } cases[] = {
        {{0, 0}, HitCode::TopLeft},      {{199, 0}, HitCode::TopRight},
        {{0, 119}, HitCode::BottomLeft}, {{199, 119}, HitCode::BottomRight},
        {{100, 1}, HitCode::Top},        {{100, 118}, HitCode::Bottom},
        {{1, 60}, HitCode::Left},        {{198, 60}, HitCode::Right},
        {{3, 60}, HitCode::Object}, // 3 + 3 inside
        {{60, 10}, HitCode::Caption},    {{160, 10}, HitCode::Object},
        {{100, 60}, HitCode::Client},
    };
    for (const auto& c : cases)
        EXPECT_EQ(skinnedHitTest(g, 3, st, caption, nullptr, c.p), c.want) << c.p.x << "," << c.p.y;

    // An object under the mouse keeps the frame's points for it, but never the caption or client.
    st.objectActive = true;
    EXPECT_EQ(skinnedHitTest(g, 3, st, caption, nullptr, {0, 60}), HitCode::Object);
    EXPECT_EQ(skinnedHitTest(g, 3, st, caption, nullptr, {60, 10}), HitCode::Caption);
    st.inSizeMove = true;
    EXPECT_EQ(skinnedHitTest(g, 3, st, caption, nullptr, {0, 60}), HitCode::Left);
    // Maximised, not sizeable, rolled up: no sizing borders at all.
    for (auto change :
         {+[](FrameHitState& s) { s.maximized = true; }, +[](FrameHitState& s) { s.sizeable = false; },
          +[](FrameHitState& s) { s.rolledUpOrMinimized = true; }}) {
        FrameHitState s{W, H};
        change(s);
        EXPECT_EQ(skinnedHitTest(g, 3, s, caption, nullptr, {0, 0}), HitCode::Object);
        EXPECT_EQ(skinnedHitTest(g, 3, s, caption, nullptr, {60, 10}), HitCode::Caption);
    }
    FrameHitState rolled{W, H};
    rolled.rolledUpOrMinimized = true;
    EXPECT_EQ(skinnedHitTest(g, 3, rolled, caption, nullptr, {100, 60}), HitCode::Object); // no client either
}

TEST(FormHitTest, MaskShapesTheSizingEdge) {
    // A mask whose left band is cut away above row 24 and whose top band is cut away: points there are
    // outside the window, and a point of the band is near the edge only when a probe falls outside.
    FormFrameMetrics m = metrics();
    m.hitTestRightTopPoint = {90, 10};
    m.hitTestLeftBottomPoint = {10, 70};
    m.hitTestRightBottomPoint = {90, 70};
    const FrameGeometry g = computeFrameGeometry(m, 200, 120);
    FBitmap mask(200, 120);
    mask.fillRect({0, 0, 200, 4}, core::clWhite);
    mask.fillRect({0, 4, 4, 24}, core::clWhite);
    MaskShape shape(g.maskFrame(), mask); // the window is the mask's own size
    shape.layout(g.maskFrame(), 200, 120);
    const Rect area = g.maskArea;
    ASSERT_EQ(area, (Rect{4, 4, 196, 116}));
    EXPECT_FALSE(shape.contains(area, {1, 10}));
    EXPECT_TRUE(shape.contains(area, {1, 40}));
    EXPECT_TRUE(shape.contains(area, {50, 50}));  // the mask area itself
    EXPECT_FALSE(shape.contains(area, {50, 2}));  // the cut top band
    EXPECT_FALSE(shape.contains(area, {-1, 40})); // outside every strip

    FrameHitState st{200, 120};
    // (2, 40): probes (-1, 40) outside the strip -> near the edge -> left border.
    EXPECT_EQ(skinnedHitTest(g, 3, st, {}, &shape, {2, 40}), HitCode::Left);
    // Inside the mask area no probe counts.
    EXPECT_EQ(skinnedHitTest(g, 3, st, {}, &shape, {5, 40}), HitCode::Object);
}

TEST(FormHitTest, BuiltInFrameAndTheFormCursorRule) {
    FrameHitState st{120, 100};
    const Rect caption{20, 3, 80, 22};
    EXPECT_EQ(builtInHitTest(caption, 19, st, {2, 2}), HitCode::TopLeft);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {118, 2}), HitCode::TopRight);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {118, 98}), HitCode::BottomRight);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {2, 50}), HitCode::Left);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {50, 10}), HitCode::Caption);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {50, 50}), HitCode::Client);
    EXPECT_EQ(builtInHitTest(caption, 19, st, {10, 10}), HitCode::Object);
    st.objectActive = true;
    EXPECT_EQ(builtInHitTest(caption, 19, st, {2, 2}), HitCode::Object);
    st.maximized = true;
    EXPECT_EQ(builtInHitTest(caption, 19, st, {2, 50}), HitCode::Object);

    EXPECT_EQ(formCursorHitCode(int(HitCode::Caption)), int(HitCode::Client));
    EXPECT_EQ(formCursorHitCode(int(HitCode::Object)), int(HitCode::Client));
    EXPECT_EQ(formCursorHitCode(int(HitCode::BottomRight)), int(HitCode::BottomRight));
    EXPECT_EQ(formCursorHitCode(int(HitCode::Left)), int(HitCode::Left));
}

TEST(FormCommands, SnappingIsStrictlyWithinTheMagneticSize) {
    const Rect work{0, 0, 800, 600};
    // Exactly the magnetic size away does not snap; one pixel closer does.
    EXPECT_EQ(snapToWorkArea(work, 5, 5, 5, 100, 200), (Point{5, 5}));
    EXPECT_EQ(snapToWorkArea(work, 5, 4, 4, 100, 200), (Point{0, 0}));
    EXPECT_EQ(snapToWorkArea(work, 5, -4, 100, 100, 200), (Point{0, 100}));
    EXPECT_EQ(snapToWorkArea(work, 5, 595, 495, 100, 200), (Point{595, 495})); // right edge 795: 5 away
    EXPECT_EQ(snapToWorkArea(work, 5, 596, 496, 100, 200), (Point{600, 500}));
    // Narrower than twice the size: the left snap happens, then the right one wins.
    EXPECT_EQ(snapToWorkArea({0, 0, 8, 600}, 5, 1, 100, 50, 6), (Point{2, 100}));
}

TEST(FormCommands, SizeLimitsMaximisedBoundsAndCaptionDoubleClick) {
    FrameSizeInput in;
    in.skinned = true;
    in.pictureWidth = 184;
    in.pictureHeight = 141;
    in.clientHeight = 106;
    EXPECT_EQ(minimumFrameSize(in), (Point{184, 35}));
    in.minWidth = 300;
    in.minHeight = 200;
    EXPECT_EQ(minimumFrameSize(in), (Point{300, 200}));
    in.rolledUp = true;
    EXPECT_EQ(minimumFrameSize(in), (Point{300, 35})); // rolled up: only the caption strip
    in.minimized = true;
    EXPECT_EQ(minimumFrameSize(in), (Point{184, 35}));
    FrameSizeInput builtIn;
    EXPECT_EQ(minimumFrameSize(builtIn), (Point{120, 25}));
    builtIn.maxWidth = 500;
    builtIn.maxHeight = 900;
    EXPECT_EQ(maximumFrameSize(builtIn, {0, 0, 1024, 740}), (Point{500, 740}));

    const Rect screen{0, 0, 1024, 768};
    EXPECT_EQ(maximizedBounds(screen, screen, {1024, 768}, false), (Rect{1, 1, 1023, 767}));
    EXPECT_EQ(maximizedBounds(screen, {0, 0, 1024, 740}, {1024, 768}, false), (Rect{0, 0, 1024, 740}));
    EXPECT_EQ(maximizedBounds(screen, {0, 0, 1024, 740}, {1024, 768}, true), screen);

    using A = CaptionDoubleClick;
    EXPECT_EQ(captionDoubleClickAction(true, false, false, false, false, true), A::Maximize);
    EXPECT_EQ(captionDoubleClickAction(true, false, true, false, false, true), A::Restore);
    EXPECT_EQ(captionDoubleClickAction(true, true, false, false, false, true), A::Restore);
    EXPECT_EQ(captionDoubleClickAction(false, false, false, false, false, true), A::ToggleRollUp);
    EXPECT_EQ(captionDoubleClickAction(true, false, false, false, false, false), A::ToggleRollUp);
    EXPECT_EQ(captionDoubleClickAction(true, false, true, true, true, true), A::ToggleRollUp);
}

TEST(FormCommands, MorphRunsFiveStepsEachWay) {
    double k = 0;
    int steps = 0;
    while (canMorph(k, true)) {
        k = morphStep(k, true);
        ++steps;
    }
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(k, 1.0);
    steps = 0;
    while (canMorph(k, false)) {
        k = morphStep(k, false);
        ++steps;
    }
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(morphStep(0.9, true), 1.0);
}
