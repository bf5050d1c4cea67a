#include "labels/LabelGeometry.h"

#include <gtest/gtest.h>

using namespace labels;

TEST(LabelGeometry, AnglesAreNormalisedWithOneTurnForNegativeValues) {
    const std::pair<int, int> cases[] = {{-90, 270},
                                         {450, 90},
                                         {-400, -40},
                                         {360, 0},
                                         {0, 0},
                                         {359, 359},
                                         {INT32_MIN, INT32_MIN + 360},
                                         {INT32_MAX, INT32_MAX % 360}};
    for (auto [in, out] : cases)
        EXPECT_EQ(normalizeAngle(in), out) << in;
}

TEST(LabelGeometry, NearestRoundsHalfToEven) {
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(2.4999), 2);
}

TEST(LabelGeometry, GrowthForShadowRotationAndFrames) {
    const Size text{50, 13};
    BorderMetrics plain;
    // A drop shadow without rotation adds its depth both ways.
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roNone, TextStyle::tsShadow, 3, 0}), (Size{53, 16}));
    // Flat rotation at 90 and 270 swaps the sides; at 0 and 180 nothing changes.
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roFlat, TextStyle::tsNormal, 2, 90}), (Size{13, 50}));
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roFlat, TextStyle::tsNormal, 2, 270}), (Size{13, 50}));
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roFlat, TextStyle::tsNormal, 2, 180}), text);
    // At 90 a shadow adds half its depth before the swap.
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roFlat, TextStyle::tsShadow, 4, 90}), (Size{15, 52}));
    // 45 degrees: the box of the turned rectangle, (50 + 13) * cos 45 = 44.55.
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roFlat, TextStyle::tsNormal, 2, 45}), (Size{45, 45}));
    // Arc text keeps the measured size.
    EXPECT_EQ(growByBorders(text, plain, {Rotation::roCurve, TextStyle::tsShadow, 2, 30}), text);

    BorderMetrics bold;
    bold.outer = FrameStyleEx::fsFlatBold;
    EXPECT_EQ(growByBorders(text, bold, {}), (Size{54, 17}));
    BorderMetrics status;
    status.outer = FrameStyleEx::fsStatus;
    status.inner = FrameStyleEx::fsFlat;
    status.bevelWidth = 3;
    status.sides = Sides{Side::sdLeft, Side::sdBottom};
    EXPECT_EQ(growByBorders(text, status, {}), (Size{54, 17}));
}

TEST(LabelGeometry, NegativeStoredAngleIsSizedLikeItsPositiveTurn) {
    // -400 is stored as -40; its box must be that of 320, never a negative size.
    const Size text{60, 14};
    Size minus = growByBorders(text, {}, {Rotation::roFlat, TextStyle::tsNormal, 2, -40});
    EXPECT_EQ(minus, growByBorders(text, {}, {Rotation::roFlat, TextStyle::tsNormal, 2, 320}));
    EXPECT_GT(minus.width, 0);
    EXPECT_GT(minus.height, 0);
}

TEST(LabelGeometry, GrownSizeLeavesTheTextItsRoomOnEverySideSelection) {
    // Automatic size measures the text, grows it, and later paints it in the shrunk rectangle: the
    // two must agree for every style, side selection and border width, or text gets clipped.
    const Size text{40, 12};
    const FrameStyleEx styles[] = {FrameStyleEx::fsNone, FrameStyleEx::fsFlat, FrameStyleEx::fsStatus,
                                   FrameStyleEx::fsFlatRounded};
    for (FrameStyleEx outer : styles)
        for (FrameStyleEx inner : styles)
            for (uint8_t mask = 0; mask < 16; ++mask)
                for (int bw : {0, 3}) {
                    BorderMetrics b{outer, inner, Sides::fromMask(mask), bw, 2};
                    Size grown = growByBorders(text, b, {});
                    core::Rect inside =
                        shrinkByBorders({0, 0, grown.width, grown.height}, b, IncludeBorderWidth::Yes);
                    EXPECT_EQ(inside.width(), text.width) << int(mask) << " " << bw;
                    EXPECT_EQ(inside.height(), text.height) << int(mask) << " " << bw;
                }
}

TEST(LabelGeometry, FlatTextPlacementAtTheFourRightAngles) {
    FlatTextInput in;
    in.client = {100, 40};
    in.textRect = {2, 2, 98, 38};
    in.textWidth = 60;
    in.sampleHeight = 16;
    in.alignment = HorizontalAlignment::Center;

    in.angle = 0;
    FlatTextPlacement p = placeFlatText(in);
    EXPECT_EQ(p.origin, (core::Point{50, 12}));
    EXPECT_EQ(p.anchor, TextAnchor::TopCenter);

    in.alignment = HorizontalAlignment::Right;
    EXPECT_EQ(placeFlatText(in).origin, (core::Point{38, 12}));

    // 90: up the middle, baseline a quarter of the text height right of the centre.
    in.angle = 90;
    in.alignment = HorizontalAlignment::Left;
    p = placeFlatText(in);
    EXPECT_EQ(p.origin, (core::Point{54, 38}));
    EXPECT_EQ(p.anchor, TextAnchor::BaselineLeft);

    in.angle = 180;
    in.alignment = HorizontalAlignment::Center;
    EXPECT_EQ(placeFlatText(in).origin, (core::Point{79, 16}));

    in.angle = 270;
    in.alignment = HorizontalAlignment::Left;
    EXPECT_EQ(placeFlatText(in).origin, (core::Point{46, 2}));

    in.angle = 30;
    p = placeFlatText(in);
    EXPECT_EQ(p.anchor, TextAnchor::BaselineCenter);
    EXPECT_EQ(p.origin, (core::Point{52, 23}));
}
