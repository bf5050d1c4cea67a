#include "gui/Canvas.h"
#include "gui/ImageList.h"

#include <gtest/gtest.h>

using namespace gui;
using core::Color;

namespace {

// A strip of n 4x4 frames: frame i is filled with colours[i] except its bottom-left pixel, which
// holds the key colour.
Bitmap strip(const std::vector<Color>& colours, Color key) {
    Bitmap b(int(colours.size()) * 4, 4);
    for (size_t i = 0; i < colours.size(); ++i)
        b.pixels().fillRect({int(i) * 4, 0, int(i) * 4 + 4, 4}, colours[i]);
    b.pixels().fillRect({0, 3, int(colours.size()) * 4, 4}, key);
    return b;
}

} // namespace

TEST(ImageList, AddCutsStripIntoImagesAndDrawsByIndex) {
    const Color key = core::rgb(255, 0, 255);
    ImageList list(nullptr, 4, 4);
    int changes = 0;
    list.onChange = [&](ImageList&) { ++changes; };
    EXPECT_EQ(list.addMasked(strip({core::clRed, core::clBlue, core::rgb(0, 255, 0)}, key)), 0);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.add(Bitmap()), -1);

    Bitmap target(12, 4);
    target.pixels().fill(core::clWhite);
    list.draw(target.canvas(), 0, 0, 1);
    list.draw(target.canvas(), 4, 0, 2);
    list.draw(target.canvas(), 8, 0, 7);  // out of range: nothing
    list.draw(target.canvas(), 8, 0, -1); // none: nothing
    const core::FBitmap& px = target.pixels();
    EXPECT_EQ(px.pixel(1, 1), core::clBlue);
    EXPECT_EQ(px.pixel(5, 1), core::rgb(0, 255, 0));
    EXPECT_EQ(px.pixel(1, 3), core::clWhite); // key colour left out
    EXPECT_EQ(px.pixel(9, 1), core::clWhite);

    // Without a key every pixel is drawn.
    ImageList opaque(nullptr, 4, 4);
    opaque.add(strip({core::clRed}, key));
    opaque.draw(target.canvas(), 8, 0, 0);
    EXPECT_EQ(target.pixels().pixel(8, 3), key);
}

// A disabled image shows its shape in the shadow and highlight colours, never its own colours.
TEST(ImageList, DisabledImageIsDrawnEmbossed) {
    const Color key = core::rgb(255, 0, 255);
    ImageList list(nullptr, 4, 4);
    list.addMasked(strip({core::clNavy}, key));
    Bitmap target(6, 6);
    target.pixels().fill(core::clWhite);
    list.draw(target.canvas(), 0, 0, 0, false);
    const core::FBitmap& px = target.pixels();
    Color shadow = core::colorToRgb(core::clBtnShadow);
    Color highlight = core::colorToRgb(core::clBtnHighlight);
    EXPECT_EQ(px.pixel(1, 1), shadow);
    EXPECT_EQ(px.pixel(4, 3), highlight); // the highlight copy sticks out one pixel down-right
    EXPECT_EQ(px.pixel(0, 3), core::clWhite);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_NE(px.pixel(x, y), core::clNavy);
}

TEST(ImageList, EditingKeepsIndexesConsistent) {
    ImageList list(nullptr, 4, 4);
    list.add(strip({core::clRed, core::clBlue}, core::clBlack));
    list.remove(0);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.image(0)->pixels().pixel(0, 0), core::clBlue);
    list.replace(0, strip({core::rgb(0, 255, 0)}, core::clBlack));
    EXPECT_EQ(list.image(0)->pixels().pixel(0, 0), core::rgb(0, 255, 0));
    list.remove(5);
    EXPECT_EQ(list.image(1), nullptr);
    list.setSize(8, 8); // a new size empties the list
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.width(), 8);
}
