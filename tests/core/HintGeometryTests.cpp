#include "core/HintGeometry.h"

#include <gtest/gtest.h>

#include <vector>

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

namespace {

// A 32 x 32 monochrome cursor: 4 bytes a row, AND mask over XOR mask, bottom row first.
std::vector<uint8_t> cursorMask(int andVisibleRowFromTop, int xorVisibleRowFromTop) {
    std::vector<uint8_t> bits(64 * 4, 0);
    // Bottom-up: the XOR mask's rows come first, the AND mask's last.
    for (int row = 0; row < 32; ++row) {
        uint8_t* andRow = &bits[size_t(32 + 31 - row) * 4];
        for (int b = 0; b < 4; ++b)
            andRow[b] = row == andVisibleRowFromTop ? 0x0F : 0xFF;
        uint8_t* xorRow = &bits[size_t(31 - row) * 4];
        if (row == xorVisibleRowFromTop)
            xorRow[1] = 0x80;
    }
    return bits;
}

TEST(HintGeometry, CursorMarginReachesTheLowestVisibleRow) {
    // Lowest visible AND row is 18 from the top; the hot spot at 2: the hint goes 16 below it.
    EXPECT_EQ(cursorHintMargin(cursorMask(18, -1), 32, 64, 2, 32), 16);
    // Wholly clear AND mask: the XOR mask decides.
    EXPECT_EQ(cursorHintMargin(cursorMask(-1, 20), 32, 64, 0, 32), 20);
    // Nothing visible at all, or too few bits: the fallback.
    EXPECT_EQ(cursorHintMargin(cursorMask(-1, -1), 32, 64, 0, 32), 32);
    const std::vector<uint8_t> shortBits(10, 0);
    EXPECT_EQ(cursorHintMargin(shortBits, 32, 64, 0, 32), 32);
    EXPECT_EQ(cursorHintMargin(shortBits, 0, 0, 0, 21), 21);
}

} // namespace
