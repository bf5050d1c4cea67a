#include "skin/controls/core/BevelLines.h"
#include "skin/controls/core/PanelGeometry.h"
#include "skin/render/Glyphs.h"

#include <gtest/gtest.h>

using core::Color;
using core::Rect;
using skin::PanelLayout;
using skin::SkinBorderStyle;

namespace {

Color pixelAt(const core::FBitmap& b, int x, int y) {
    return b.pixel(x, y);
}

const Color face = core::colorToRgb(core::clBtnFace);
const Color shadow = core::colorToRgb(core::clBtnShadow);
const Color highlight = core::colorToRgb(core::clBtnHighlight);
constexpr Color lime = core::rgb(0, 255, 0);

} // namespace

TEST(PanelAlignRectTest, UnskinnedKeepsInsideTheBorderAndBelowTheCaption) {
    PanelLayout l;
    EXPECT_EQ(skin::panelAlignRect(l, 100, 80), (Rect{1, 1, 99, 79}));
    l.captionMode = true;
    l.defaultCaptionHeight = 22;
    EXPECT_EQ(skin::panelAlignRect(l, 100, 80), (Rect{1, 23, 99, 79}));
    l.borderStyle = SkinBorderStyle::bvNone;
    EXPECT_EQ(skin::panelAlignRect(l, 100, 80), (Rect{0, 22, 100, 80}));
}

TEST(PanelAlignRectTest, SkinnedUsesTheFittedClientUnlessThePanelTilesAPicture) {
    PanelLayout l;
    l.skinned = true;
    l.resizeMode = skin::ResizeMode::Both;
    l.fittedClient = {2, 22, 158, 322};
    EXPECT_EQ(skin::panelAlignRect(l, 160, 324), (Rect{2, 22, 158, 322}));
    l.hasBackgroundPicture = true;
    EXPECT_EQ(skin::panelAlignRect(l, 160, 324), (Rect{0, 0, 160, 324}));
    l.hasBackgroundPicture = false;
    l.borderStyle = SkinBorderStyle::bvNone;
    EXPECT_EQ(skin::panelAlignRect(l, 160, 324), (Rect{0, 0, 160, 324}));
    l.captionMode = true; // a caption band brings the frame back
    EXPECT_EQ(skin::panelAlignRect(l, 160, 324), (Rect{2, 22, 158, 322}));
    l.designing = true; // the designer always shows the unskinned layout
    EXPECT_EQ(skin::panelAlignRect(l, 160, 324), (Rect{0, 22, 160, 324}));
}

TEST(UnskinnedPanelTest, FrameStyleIsOneShadowRectangleOnButtonFace) {
    core::FBitmap b(20, 10);
    EXPECT_EQ(skin::paintUnskinnedPanel(b, SkinBorderStyle::bvFrame, false, 22), Rect{});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool edge = x == 0 || y == 0 || x == 19 || y == 9;
            ASSERT_EQ(pixelAt(b, x, y), edge ? shadow : face) << x << "," << y;
        }
}

TEST(UnskinnedPanelTest, RaisedAndLoweredCornersTakeTheSecondColour) {
    core::FBitmap b(10, 10);
    skin::paintUnskinnedPanel(b, SkinBorderStyle::bvRaised, false, 22);
    EXPECT_EQ(pixelAt(b, 0, 0), highlight);
    EXPECT_EQ(pixelAt(b, 9, 0), shadow);
    EXPECT_EQ(pixelAt(b, 0, 9), shadow);
    EXPECT_EQ(pixelAt(b, 0, 8), highlight);
    skin::paintUnskinnedPanel(b, SkinBorderStyle::bvLowered, false, 22);
    EXPECT_EQ(pixelAt(b, 0, 0), shadow);
    EXPECT_EQ(pixelAt(b, 9, 9), highlight);
    skin::paintUnskinnedPanel(b, SkinBorderStyle::bvNone, false, 22);
    EXPECT_EQ(pixelAt(b, 0, 0), face);
}

TEST(UnskinnedPanelTest, CaptionBandOfAFramedPanelIsTwoFramesDeep) {
    core::FBitmap b(60, 40);
    const Rect band = skin::paintUnskinnedPanel(b, SkinBorderStyle::bvFrame, true, 22);
    EXPECT_EQ(band, (Rect{2, 2, 58, 20}));
    EXPECT_EQ(band, skin::unskinnedCaptionBand(SkinBorderStyle::bvFrame, 60, 22));
    EXPECT_EQ(pixelAt(b, 5, 21), shadow);   // band's outer frame bottom
    EXPECT_EQ(pixelAt(b, 5, 1), highlight); // inner frame top
    EXPECT_EQ(pixelAt(b, 5, 20), face);     // inner frame bottom in button face
    EXPECT_EQ(skin::paintUnskinnedPanel(b, SkinBorderStyle::bvLowered, true, 22), (Rect{3, 3, 57, 20}));
    EXPECT_EQ(skin::unskinnedCaptionBand(SkinBorderStyle::bvLowered, 60, 22), (Rect{3, 3, 57, 20}));
}

TEST(CaptionTextTest, TextIsCentredVerticallyInTheBandAndIndentedOnlyUnskinned) {
    const Rect band{2, 2, 158, 20}; // rows 2 to 19
    const core::Point unskinned =
        skin::captionTextOrigin(band, skin::CaptionAlignment::taCenter, 50, 14, false);
    EXPECT_EQ(unskinned, (core::Point{2 + 2 + 78 - 25, 2 + 9 - 7}));
    EXPECT_GE(unskinned.y, 2);
    EXPECT_LE(unskinned.y + 14, 20);
    EXPECT_EQ(skin::captionTextOrigin(band, skin::CaptionAlignment::taCenter, 50, 14, true).x, 2 + 78 - 25);
    EXPECT_EQ(skin::captionTextOrigin(band, skin::CaptionAlignment::taLeftJustify, 50, 14, false).x, 4);
    EXPECT_EQ(skin::captionTextOrigin(band, skin::CaptionAlignment::taLeftJustify, 50, 14, true).x, 2);
    EXPECT_EQ(skin::captionTextOrigin(band, skin::CaptionAlignment::taRightJustify, 50, 14, false).x, 108);
}

namespace {

core::FBitmap drawBevel(skin::BevelShape shape, skin::BevelStyle style, bool divider, int w, int h) {
    core::FBitmap b(w, h);
    skin::fillRectangle(b, {0, 0, w, h}, core::clWhite);
    for (const skin::BevelLine& line : skin::bevelLines(shape, style, divider, w, h, lime, core::clRed))
        skin::drawPolyline(b, line.points.data(), line.points.size(), line.color);
    return b;
}

} // namespace

TEST(BevelLinesTest, LoweredBoxIsDarkTopLeftAndLightBottomRight) {
    // The launcher's bevel: 378 x 3, the rectangle (0, 0, 377, 2).
    const core::FBitmap b = drawBevel(skin::BevelShape::bsBox, skin::BevelStyle::bsLowered, false, 378, 3);
    EXPECT_EQ(pixelAt(b, 0, 0), core::clRed);
    EXPECT_EQ(pixelAt(b, 200, 0), core::clRed);
    EXPECT_EQ(pixelAt(b, 0, 1), core::clRed);
    EXPECT_EQ(pixelAt(b, 0, 2), core::clRed);
    EXPECT_EQ(pixelAt(b, 377, 0), lime);
    EXPECT_EQ(pixelAt(b, 377, 2), lime);
    EXPECT_EQ(pixelAt(b, 200, 2), lime);
    EXPECT_EQ(pixelAt(b, 200, 1), core::clWhite);

    const core::FBitmap raised =
        drawBevel(skin::BevelShape::bsBox, skin::BevelStyle::bsRaised, false, 10, 10);
    EXPECT_EQ(pixelAt(raised, 5, 0), lime);
    EXPECT_EQ(pixelAt(raised, 5, 9), core::clRed);
}

TEST(BevelLinesTest, DividerRunsAcrossTheMiddleWithTwoPixelMargins) {
    const core::FBitmap h = drawBevel(skin::BevelShape::bsTopLine, skin::BevelStyle::bsLowered, true, 40, 3);
    EXPECT_EQ(pixelAt(h, 1, 0), core::clWhite);
    EXPECT_EQ(pixelAt(h, 2, 0), core::clRed);
    EXPECT_EQ(pixelAt(h, 37, 0), core::clRed);
    EXPECT_EQ(pixelAt(h, 2, 1), core::clRed); // the dark line's left end
    EXPECT_EQ(pixelAt(h, 3, 1), lime);
    EXPECT_EQ(pixelAt(h, 38, 1), lime);
    EXPECT_EQ(pixelAt(h, 39, 0), core::clWhite);
    EXPECT_EQ(pixelAt(h, 20, 2), core::clWhite);

    const core::FBitmap v = drawBevel(skin::BevelShape::bsBox, skin::BevelStyle::bsLowered, true, 10, 30);
    EXPECT_EQ(pixelAt(v, 4, 10), core::clRed);
    EXPECT_EQ(pixelAt(v, 5, 10), lime);
    EXPECT_EQ(pixelAt(v, 4, 1), core::clWhite);
    EXPECT_EQ(pixelAt(v, 0, 0), core::clWhite);

    EXPECT_TRUE(skin::bevelLines(skin::BevelShape::bsSpacer, skin::BevelStyle::bsLowered, true, 10, 10, 1, 2)
                    .empty());
    EXPECT_TRUE(skin::bevelLines(skin::BevelShape::bsSpacer, skin::BevelStyle::bsLowered, false, 10, 10, 1, 2)
                    .empty());
}
