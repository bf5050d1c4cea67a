#include "skin/controls/core/ControlSkinGeometry.h"

#include <gtest/gtest.h>

using core::Point;
using core::Rect;
using skin::ControlSkinGeometry;
using skin::FittedSkinGeometry;
using skin::ResizeMode;

namespace {

// The launcher skin's "groupbox" record: a 67 x 64 nine-piece frame with a 22-pixel caption band.
ControlSkinGeometry groupBox() {
    return {{307, 6, 374, 70}, {10, 25}, {53, 25}, {5, 58}, {62, 59}, {2, 22, 65, 62}};
}

// A 40 x 20 bar that only grows in width: corners at x 8 and 30.
ControlSkinGeometry horizontalBar() {
    return {{0, 0, 40, 20}, {8, 0}, {30, 5}, {}, {}, {3, 3, 37, 17}};
}

// A 20 x 40 bar that only grows in height: corners at y 6 and 31.
ControlSkinGeometry verticalBar() {
    return {{0, 0, 20, 40}, {0, 6}, {}, {4, 31}, {}, {3, 3, 17, 37}};
}

} // namespace

TEST(ResizeModeTest, DerivedFromTheCornerPointsInPriorityOrder) {
    struct Case {
        Rect skinRect;
        Point rt, lb, rb;
        ResizeMode expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 10}, {5, 5}, {5, 5}, {5, 5}, ResizeMode::None}, // empty skin rect wins over everything
        {{0, 0, 10, 0}, {}, {}, {}, ResizeMode::None},
        {{0, 0, 10, 10}, {}, {}, {5, 5}, ResizeMode::Both},
        {{0, 0, 10, 10}, {5, 1}, {1, 5}, {5, 0}, ResizeMode::Horizontal}, // half-set RB is not a frame
        {{0, 0, 10, 10}, {0, 3}, {}, {}, ResizeMode::Horizontal},
        {{0, 0, 10, 10}, {}, {0, 7}, {0, 9}, ResizeMode::Vertical},
        {{0, 0, 10, 10}, {}, {}, {}, ResizeMode::Fixed},
    };
    for (const Case& c : cases) {
        ControlSkinGeometry g{c.skinRect, {1, 1}, c.rt, c.lb, c.rb, {}};
        EXPECT_EQ(skin::deriveResizeMode(g), c.expected) << c.skinRect.right << "x" << c.skinRect.bottom;
    }
    EXPECT_EQ(skin::deriveResizeMode(groupBox()), ResizeMode::Both);
    EXPECT_EQ(skin::deriveResizeMode(horizontalBar()), ResizeMode::Horizontal);
    EXPECT_EQ(skin::deriveResizeMode(verticalBar()), ResizeMode::Vertical);
}

TEST(FitSizeToSkinTest, NinePieceFrameKeepsTheSizeAndMovesTheFarCorners) {
    int32_t w = 160, h = 324;
    FittedSkinGeometry fitted;
    skin::fitSizeToSkin(groupBox(), ResizeMode::Both, w, h, fitted);
    EXPECT_EQ(w, 160);
    EXPECT_EQ(h, 324);
    EXPECT_EQ(fitted.leftTop, (Point{10, 25}));
    EXPECT_EQ(fitted.rightTop, (Point{53 + 93, 25}));
    EXPECT_EQ(fitted.leftBottom, (Point{5, 58 + 260}));
    EXPECT_EQ(fitted.rightBottom, (Point{62 + 93, 59 + 260}));
    // The group box's children go in (2, 22, width - 2, height - 2).
    EXPECT_EQ(fitted.client, (Rect{2, 22, 158, 322}));
}

TEST(FitSizeToSkinTest, BarsSnapTheirFixedDirectionAndKeepUnusedPoints) {
    const Point untouched{-7, -7};
    {
        int32_t w = 100, h = 55;
        FittedSkinGeometry fitted;
        fitted.leftBottom = untouched;
        skin::fitSizeToSkin(horizontalBar(), ResizeMode::Horizontal, w, h, fitted);
        EXPECT_EQ(w, 100);
        EXPECT_EQ(h, 20);
        EXPECT_EQ(fitted.rightTop, (Point{90, 5}));
        EXPECT_EQ(fitted.client, (Rect{3, 3, 97, 17}));
        EXPECT_EQ(fitted.leftBottom, untouched);
    }
    {
        int32_t w = 77, h = 100;
        FittedSkinGeometry fitted;
        fitted.rightTop = untouched;
        skin::fitSizeToSkin(verticalBar(), ResizeMode::Vertical, w, h, fitted);
        EXPECT_EQ(w, 20);
        EXPECT_EQ(h, 100);
        EXPECT_EQ(fitted.leftBottom, (Point{4, 91}));
        EXPECT_EQ(fitted.client, (Rect{3, 3, 17, 97}));
        EXPECT_EQ(fitted.rightTop, untouched);
    }
}

TEST(FitSizeToSkinTest, FixedRecordTakesTheSkinSizeAndEmptyRecordChangesNothing) {
    ControlSkinGeometry fixed{{10, 10, 33, 27}, {}, {}, {}, {}, {1, 1, 22, 16}};
    int32_t w = 500, h = 500;
    FittedSkinGeometry fitted;
    skin::fitSizeToSkin(fixed, ResizeMode::Fixed, w, h, fitted);
    EXPECT_EQ(w, 23);
    EXPECT_EQ(h, 17);
    EXPECT_EQ(fitted.client, fixed.client);

    w = 500;
    h = 400;
    FittedSkinGeometry none;
    skin::fitSizeToSkin(fixed, ResizeMode::None, w, h, none);
    EXPECT_EQ(w, 500);
    EXPECT_EQ(h, 400);
    EXPECT_EQ(none.client, Rect{});
}

TEST(MapRectToSizeTest, GroupBoxCaptionStretchesAcrossTheTopBand) {
    EXPECT_EQ(skin::mapRectToSize(groupBox(), ResizeMode::Both, {6, 4, 61, 20}, 160, 324),
              (Rect{6, 4, 154, 20}));
}

TEST(MapRectToSizeTest, NinePieceZones) {
    // Size 167 x 164: dx = dy = 100.
    struct Case {
        Rect q;
        Rect expected;
        const char* what;
    };
    const Case cases[] = {
        {{1, 1, 5, 5}, {1, 1, 5, 5}, "inside top-left stays"},
        {{55, 1, 60, 5}, {155, 1, 160, 5}, "inside top-right moves right"},
        {{1, 59, 4, 63}, {1, 159, 4, 163}, "inside bottom-left moves down"},
        {{63, 60, 66, 63}, {163, 160, 166, 163}, "inside bottom-right moves both ways"},
        {{2, 2, 64, 62}, {2, 2, 164, 162}, "top-left to bottom-right grows both ways"},
        {{6, 4, 61, 20}, {6, 4, 161, 20}, "top-left to top-right grows in width"},
        {{2, 59, 64, 62}, {2, 159, 164, 162}, "bottom-left to bottom-right grows and moves down"},
        {{2, 2, 4, 62}, {2, 2, 4, 162}, "top-left to bottom-left grows in height"},
        {{55, 2, 64, 62}, {155, 2, 164, 162}, "top-right to bottom-right moves right and grows"},
        {{20, 30, 40, 40}, {20, 30, 40, 40}, "middle stays"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(skin::mapRectToSize(groupBox(), ResizeMode::Both, c.q, 167, 164), c.expected) << c.what;
}

TEST(MapRectToSizeTest, BarsGrowAcrossTheBandAndMoveBeyondIt) {
    const ControlSkinGeometry h = horizontalBar();
    // Width 100: dx = 60.
    EXPECT_EQ(skin::mapRectToSize(h, ResizeMode::Horizontal, {8, 2, 30, 9}, 100, 20), (Rect{8, 2, 90, 9}));
    EXPECT_EQ(skin::mapRectToSize(h, ResizeMode::Horizontal, {30, 2, 35, 9}, 100, 20), (Rect{90, 2, 95, 9}));
    EXPECT_EQ(skin::mapRectToSize(h, ResizeMode::Horizontal, {1, 2, 7, 9}, 100, 20), (Rect{1, 2, 7, 9}));
    const ControlSkinGeometry v = verticalBar();
    // Height 100: dy = 60.
    EXPECT_EQ(skin::mapRectToSize(v, ResizeMode::Vertical, {2, 6, 9, 31}, 20, 100), (Rect{2, 6, 9, 91}));
    EXPECT_EQ(skin::mapRectToSize(v, ResizeMode::Vertical, {2, 31, 9, 35}, 20, 100), (Rect{2, 91, 9, 95}));
    EXPECT_EQ(skin::mapRectToSize(v, ResizeMode::Vertical, {2, 1, 9, 5}, 20, 100), (Rect{2, 1, 9, 5}));
    // Fixed records never move anything.
    EXPECT_EQ(skin::mapRectToSize(h, ResizeMode::Fixed, {30, 2, 35, 9}, 100, 20), (Rect{30, 2, 35, 9}));
}

TEST(MaskFramesTest, BarsFoldTheMissingCornersOntoTheUsedOnes) {
    FittedSkinGeometry fitted;
    int32_t w = 100, hgt = 20;
    skin::fitSizeToSkin(horizontalBar(), ResizeMode::Horizontal, w, hgt, fitted);
    const skin::MaskFrames h = skin::maskFrames(horizontalBar(), ResizeMode::Horizontal, fitted, w, hgt);
    EXPECT_EQ(h.source.leftBottom, (Point{8, 0}));
    EXPECT_EQ(h.source.rightBottom, (Point{30, 5}));
    EXPECT_EQ(h.target.rightTop, (Point{90, 5}));
    EXPECT_EQ(h.target.rightBottom, (Point{90, 5}));
    EXPECT_EQ(h.target.leftBottom, (Point{8, 0}));

    w = 20;
    hgt = 100;
    skin::fitSizeToSkin(verticalBar(), ResizeMode::Vertical, w, hgt, fitted);
    const skin::MaskFrames v = skin::maskFrames(verticalBar(), ResizeMode::Vertical, fitted, w, hgt);
    EXPECT_EQ(v.source.rightTop, (Point{0, 6}));
    EXPECT_EQ(v.source.rightBottom, (Point{4, 31}));
    EXPECT_EQ(v.target.leftBottom, (Point{4, 91}));
    EXPECT_EQ(v.target.rightBottom, (Point{4, 91}));
}
