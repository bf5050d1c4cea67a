#include "core/HintGeometry.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

// A hint picture of 40 x 30 whose text area leaves 6 pixels left, 4 right, 5 top, 7 bottom.
HintFrameMetrics frame() {
    HintFrameMetrics f;
    f.pictureWidth = 40;
    f.pictureHeight = 30;
    f.leftTop = {3, 3};
    f.rightTop = {36, 2};
    f.leftBottom = {2, 25};
    f.rightBottom = {35, 26};
    f.clientRect = {6, 5, 36, 23};
    return f;
}

TEST(HintGeometry, PlainHintIsTextPlusMargins) {
    HintLayout l = hintLayout(nullptr, 50, 13);
    EXPECT_EQ(l.width, 54);
    EXPECT_EQ(l.height, 17);
    EXPECT_EQ(l.clientRect, (Rect{2, 2, 52, 15}));
}

TEST(HintGeometry, ShortTextKeepsThePictureSize) {
    const HintFrameMetrics f = frame();
    HintLayout l = hintLayout(&f, 3, 2);
    EXPECT_EQ(l.width, 40);
    EXPECT_EQ(l.height, 30);
    // Unstretched: the geometry is the picture's own.
    EXPECT_EQ(l.clientRect, f.clientRect);
    EXPECT_EQ(l.rightTop, f.rightTop);
    EXPECT_EQ(l.leftBottom, f.leftBottom);
    EXPECT_EQ(l.rightBottom, f.rightBottom);
}

TEST(HintGeometry, LongTextGrowsTheFrameAndMovesTheCorners) {
    const HintFrameMetrics f = frame();
    HintLayout l = hintLayout(&f, 100, 40);
    EXPECT_EQ(l.width, 100 + 6 + 4);
    EXPECT_EQ(l.height, 40 + 5 + 7);
    const int32_t dh = l.height - 30;
    EXPECT_EQ(l.clientRect, (Rect{6, 5, l.width - 4, 23 + dh}));
    EXPECT_EQ(l.leftTop, f.leftTop);
    EXPECT_EQ(l.rightTop, (Point{l.width - 4, 2}));
    EXPECT_EQ(l.leftBottom, (Point{2, 25 + dh}));
    EXPECT_EQ(l.rightBottom, (Point{l.width - 5, 26 + dh}));
    // The text area holds the text exactly.
    EXPECT_EQ(l.clientRect.width(), 100);
    EXPECT_EQ(l.clientRect.height(), 40);
}

TEST(HintGeometry, PlacementOpensUpAndLeftNearTheBottomRightCorner) {
    // Room on both sides: down and right of the point.
    EXPECT_EQ(placeHint({100, 100}, 60, 20, 800, 600), (Rect{100, 100, 160, 120}));
    // Near the right edge only.
    EXPECT_EQ(placeHint({780, 100}, 60, 20, 800, 600), (Rect{718, 100, 778, 120}));
    // Near the bottom only.
    EXPECT_EQ(placeHint({100, 590}, 60, 20, 800, 600), (Rect{100, 568, 160, 588}));
    // Bottom-right corner: up and to the left.
    EXPECT_EQ(placeHint({790, 595}, 60, 20, 800, 600), (Rect{728, 573, 788, 593}));
    // Exactly touching the edges still fits.
    EXPECT_EQ(placeHint({740, 580}, 60, 20, 800, 600), (Rect{740, 580, 800, 600}));
}

TEST(HintGeometry, TextIsCentredInTheTextArea) {
    EXPECT_EQ(hintTextOrigin({6, 5, 106, 45}, 40, 10), (Point{36, 20}));
    // Text wider than the area starts left of it rather than being clipped on one side only.
    EXPECT_EQ(hintTextOrigin({6, 5, 26, 15}, 40, 10), (Point{-4, 5}));
}

} // namespace
