#include "LabelTestSupport.h"
#include "labels/BitmapPainter.h"
#include "labels/LabelColors.h"
#include "labels/LabelFrames.h"

#include <climits>
#include <gtest/gtest.h>

using namespace labels;
using namespace labels::test;
using core::Rect;
using Rows = std::vector<std::string>;

namespace {

constexpr core::Color green = core::rgb(0, 200, 0);

class LabelFrames : public ::testing::Test {
protected:
    ScopedTestColors m_colors;
};

} // namespace

TEST_F(LabelFrames, SideLinesDrawTopLeftFirstAndShrinkSelectedSides) {
    core::FBitmap bmp = canvas(5, 4);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawSideLines(p, bmp.bounds(), core::clRed, Sides::all(), core::clBlue), (Rect{1, 1, 4, 3}));
    EXPECT_EQ(picture(bmp), (Rows{"rrrrb", "r...b", "r...b", "bbbbb"}));
}

TEST_F(LabelFrames, NoneColourSkipsItsSidesButKeepsTheirRoom) {
    core::FBitmap bmp = canvas(5, 4);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawSideLines(p, bmp.bounds(), core::clNone, Sides::all(), core::clRed), (Rect{1, 1, 4, 3}));
    EXPECT_EQ(picture(bmp), (Rows{"....r", "....r", "....r", "rrrrr"}));

    core::FBitmap other = canvas(5, 4);
    BitmapPainter q(other);
    Sides topRight{Side::sdTop, Side::sdRight};
    EXPECT_EQ(drawSideLines(q, other.bounds(), core::clBlue, topRight, core::clNone), (Rect{0, 1, 4, 4}));
    EXPECT_EQ(picture(other), (Rows{"bbbbb", ".....", ".....", "....."}));
}

TEST_F(LabelFrames, EtchedGrooveOnAllSides) {
    core::FBitmap bmp = canvas(6, 5);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawFrameStyleSides(p, bmp.bounds(), FrameStyleEx::fsGroove, Sides::all()), (Rect{2, 2, 4, 3}));
    EXPECT_EQ(picture(bmp), (Rows{"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"}));
}

TEST_F(LabelFrames, EtchedGrooveOnTopOnlySetsItsCornerPixels) {
    core::FBitmap bmp = canvas(6, 4);
    BitmapPainter p(bmp);
    Rect r = drawFrameStyleSides(p, bmp.bounds(), FrameStyleEx::fsGroove, Sides{Side::sdTop});
    EXPECT_EQ(r, (Rect{0, 2, 6, 4}));
    // (R - 1, T) takes the shadow, (L, T + 1) the highlight: the groove runs out to both edges.
    EXPECT_EQ(picture(bmp), (Rows{"SSSSSS", "HHHHHH", "......", "......"}));
}

TEST_F(LabelFrames, EtchedBumpOnLeftAndBottom) {
    core::FBitmap bmp = canvas(5, 5);
    BitmapPainter p(bmp);
    Rect r = drawFrameStyleSides(p, bmp.bounds(), FrameStyleEx::fsBump, Sides{Side::sdLeft, Side::sdBottom});
    EXPECT_EQ(r, (Rect{2, 0, 5, 3}));
    // Corners: (0, 4) shadow for the bottom, (1, 0) shadow for a left side without top, (4, 3)
    // highlight for a bottom side without right.
    EXPECT_EQ(picture(bmp), (Rows{"HS...", "HS...", "HS...", "HHHHH", "SSSSS"}));
}

TEST_F(LabelFrames, FrameStylesColoursAndThickness) {
    // On a 4 x 4 square: outer top-left (0,0), outer bottom-right (3,3), inner top-left (1,1),
    // inner bottom-right (2,2).
    struct Case {
        FrameStyleEx style;
        const char* pixels;
        int thickness;
    };
    const Case cases[] = {
        {FrameStyleEx::fsNone, "....", 0},       {FrameStyleEx::fsFlat, "DD..", 1},
        {FrameStyleEx::fsGroove, "SHHS", 2},     {FrameStyleEx::fsBump, "HSSH", 2},
        {FrameStyleEx::fsLowered, "SHDL", 2},    {FrameStyleEx::fsRaised, "LDHS", 2},
        {FrameStyleEx::fsButtonDown, "TTSS", 2}, {FrameStyleEx::fsButtonUp, "HDLS", 2},
        {FrameStyleEx::fsStatus, "SH..", 1},     {FrameStyleEx::fsPopup, "HS..", 1},
        {FrameStyleEx::fsFlatBold, "SSSS", 2},
    };
    for (const Case& c : cases) {
        core::FBitmap bmp = canvas(4, 4);
        BitmapPainter p(bmp);
        Rect r = drawFrameStyleSides(p, bmp.bounds(), c.style, Sides::all());
        Rows rows = picture(bmp);
        std::string got{rows[0][0], rows[3][3], rows[1][1], rows[2][2]};
        EXPECT_EQ(got, c.pixels) << frameStyleName(c.style);
        EXPECT_EQ(r, (Rect{c.thickness, c.thickness, 4 - c.thickness, 4 - c.thickness}))
            << frameStyleName(c.style);
        EXPECT_EQ(frameThickness(c.style, 1), c.thickness) << frameStyleName(c.style);
    }
}

TEST_F(LabelFrames, RoundedFlatFrameCutsItsCorners) {
    core::FBitmap bmp = canvas(6, 5);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawRoundedFlatFrame(p, bmp.bounds(), core::clRed, Sides::all()), (Rect{2, 2, 4, 3}));
    EXPECT_EQ(picture(bmp), (Rows{"..rr..", ".r..r.", "r....r", ".r..r.", "..rr.."}));

    // Without the left side its lines run to the left edge and the left corners stay square.
    core::FBitmap open = canvas(6, 5);
    BitmapPainter q(open);
    Sides noLeft = Sides::all().without(Side::sdLeft);
    EXPECT_EQ(drawRoundedFlatFrame(q, open.bounds(), core::clRed, noLeft), (Rect{0, 2, 4, 3}));
    EXPECT_EQ(picture(open), (Rows{"rrrr..", "....r.", ".....r", "....r.", "rrrr.."}));
}

TEST_F(LabelFrames, LabelBordersRoundedOuterOverParentColour) {
    LabelBorders b;
    b.outer = FrameStyleEx::fsFlatRounded;
    b.flatColor = core::clRed;
    b.flatColorAdjustment = 0;
    b.parentColor = green;
    b.controlColor = core::clBlue;
    core::FBitmap bmp = canvas(8, 8);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawLabelBorders(p, bmp.bounds(), b), (Rect{2, 2, 6, 6}));
    EXPECT_EQ(picture(bmp), (Rows{"ggrrrrgg", "grbbbbrg", "rb....br", "rb....br", "rb....br", "rb....br",
                                  "grbbbbrg", "ggrrrrgg"}));

    // Transparent and with nothing inside: only the rounded frame.
    b.transparent = true;
    core::FBitmap clear = canvas(8, 8);
    BitmapPainter q(clear);
    EXPECT_EQ(drawLabelBorders(q, clear.bounds(), b), (Rect{2, 2, 6, 6}));
    EXPECT_EQ(picture(clear), (Rows{"..rrrr..", ".r....r.", "r......r", "r......r", "r......r", "r......r",
                                    ".r....r.", "..rrrr.."}));
}

TEST_F(LabelFrames, LabelBordersHotFlatInnerGoesAllRoundWithoutCorners) {
    LabelBorders b;
    b.inner = FrameStyleEx::fsFlat;
    b.hot = true;
    b.sides = Sides{Side::sdTop};
    b.flatColor = core::clRed;
    b.flatColorAdjustment = 0;
    core::FBitmap bmp = canvas(6, 4);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawLabelBorders(p, bmp.bounds(), b), (Rect{1, 1, 5, 3}));
    EXPECT_EQ(picture(bmp), (Rows{".rrrr.", "r....r", "r....r", ".rrrr."}));
}

TEST_F(LabelFrames, LabelBordersRingOnSelectedSides) {
    LabelBorders b;
    b.borderWidth = 2;
    b.borderColor = core::clBlue;
    b.sides = Sides{Side::sdLeft, Side::sdBottom};
    core::FBitmap bmp = canvas(5, 4);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawLabelBorders(p, bmp.bounds(), b), (Rect{2, 0, 5, 2}));
    EXPECT_EQ(picture(bmp), (Rows{"bb...", "bb...", "bbbbb", "bbbbb"}));
}

TEST_F(LabelFrames, LabelBordersFlatColourIsAdjustedAndStatusUsesBevelWidth) {
    LabelBorders b;
    b.outer = FrameStyleEx::fsFlatBold;
    b.inner = FrameStyleEx::fsStatus;
    b.bevelWidth = 3;
    b.borderShadow = core::clRed;
    b.borderHighlight = core::clBlue;
    b.flatColor = core::rgb(100, 100, 100);
    b.flatColorAdjustment = -30;
    core::FBitmap bmp = canvas(12, 12);
    BitmapPainter p(bmp);
    EXPECT_EQ(drawLabelBorders(p, bmp.bounds(), b), (Rect{5, 5, 7, 7}));
    const core::Color k = darkenColor(core::rgb(100, 100, 100), 30);
    ASSERT_NE(k, core::rgb(100, 100, 100));
    EXPECT_EQ(bmp.pixel(0, 0), k);
    EXPECT_EQ(bmp.pixel(10, 10), k);
    EXPECT_EQ(bmp.pixel(4, 4), core::clRed);
    EXPECT_EQ(bmp.pixel(7, 7), core::clBlue);
    EXPECT_EQ(bmp.pixel(5, 5), background);
}

TEST_F(LabelFrames, HugePassCountsEndOnceTheRectangleCollapses) {
    core::FBitmap bmp = canvas(6, 6);
    BitmapPainter p(bmp);
    Rect r = drawSideBevel(p, bmp.bounds(), core::clRed, Sides::all(), INT_MAX, core::clRed);
    EXPECT_EQ(r.left, INT_MAX);
    EXPECT_EQ(r.right, 6 - INT_MAX);
    EXPECT_EQ(picture(bmp), (Rows{"rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr"}));
}

TEST_F(LabelFrames, PainterClipsToTheBitmap) {
    core::FBitmap bmp = canvas(4, 3);
    BitmapPainter p(bmp);
    // A frame far larger than the bitmap draws only what falls inside.
    drawSideLines(p, {-100000, 1, 100000, 100000}, core::clRed, Sides::all(), core::clBlue);
    EXPECT_EQ(picture(bmp), (Rows{"....", "rrrr", "...."}));
    p.drawLine({3, 0}, {-1, 0}, core::clBlue); // backwards: (3,0) down to (0,0)
    p.drawLine({0, 2}, {3, 5}, core::clBlue);  // diagonal, end excluded
    EXPECT_EQ(picture(bmp), (Rows{"bbbb", "rrrr", "b..."}));
}
