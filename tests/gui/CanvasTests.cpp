#include "gui/Bitmap.h"
#include "gui/Canvas.h"

#include <gtest/gtest.h>

using namespace gui;
using core::Color;

namespace {

// Number of pixels of r that differ from background.
int inkIn(const core::FBitmap& b, core::Rect r, Color background) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.pixel(x, y) != background)
                ++n;
    return n;
}

core::FBitmap region(const core::FBitmap& b, core::Rect r) {
    core::FBitmap out(r.width(), r.height());
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            out.setPixel(x, y, b.pixel(r.left + x, r.top + y));
    return out;
}

} // namespace

// Two different Chinese characters in a CJK face both leave ink and look different. A font that
// cannot show them draws the same empty box for both.
TEST(CanvasText, ChineseCharactersRenderDistinctGlyphs) {
    Bitmap b(80, 40);
    Canvas& c = b.canvas();
    c.brush().setColor(core::clWhite);
    c.fillRect({0, 0, 80, 40});
    c.font().setName("宋体");
    c.font().setHeight(-24);
    c.font().setCharset(GB2312_CHARSET);
    c.font().setColor(core::clBlack);
    c.brush().setStyle(BrushStyle::bsClear);
    c.textOut(2, 4, "安");
    c.textOut(40, 4, "装");
    const core::FBitmap& px = b.pixels();
    core::Rect first{0, 0, 40, 40}, second{40, 0, 80, 40};
    EXPECT_GT(inkIn(px, first, core::clWhite), 20);
    EXPECT_GT(inkIn(px, second, core::clWhite), 20);
    EXPECT_FALSE(region(px, first) == region(px, second));
    // A real glyph is wider than a couple of pixels and fits a 24-pixel cell.
    Size extent = c.textExtent("安装");
    EXPECT_GE(extent.width, 30);
    EXPECT_LE(extent.height, 40);
}

TEST(CanvasDrawing, FillAndFrameTouchExactlyTheirPixels) {
    Bitmap b(10, 10);
    Canvas& c = b.canvas();
    c.brush().setColor(core::clRed);
    c.fillRect({2, 3, 6, 5}); // right and bottom exclusive
    const core::FBitmap& px = b.pixels();
    EXPECT_EQ(inkIn(px, {0, 0, 10, 10}, core::clBlack), 8);
    EXPECT_EQ(px.pixel(2, 3), core::clRed);
    EXPECT_EQ(px.pixel(5, 4), core::clRed);
    EXPECT_EQ(px.pixel(6, 4), core::clBlack);
    EXPECT_EQ(px.pixel(5, 5), core::clBlack);

    c.brush().setColor(core::clBlue);
    c.frameRect({0, 0, 10, 10});
    EXPECT_EQ(b.pixels().pixel(0, 0), core::clBlue);
    EXPECT_EQ(b.pixels().pixel(9, 9), core::clBlue);
    EXPECT_EQ(b.pixels().pixel(1, 1), core::clBlack);

    // A clear brush fills nothing.
    c.brush().setStyle(BrushStyle::bsClear);
    c.fillRect({0, 0, 10, 10});
    EXPECT_EQ(b.pixels().pixel(1, 1), core::clBlack);
}

// Changing the pen while it is selected takes effect at once and does not leave the old pen
// selected (it would be freed while in use).
TEST(CanvasDrawing, PenChangesApplyWhileSelected) {
    Bitmap b(10, 4);
    Canvas& c = b.canvas();
    c.pen().setColor(core::clRed);
    c.moveTo(0, 1);
    c.lineTo(10, 1);
    c.pen().setColor(core::rgb(0, 255, 0));
    c.moveTo(0, 2);
    c.lineTo(10, 2);
    EXPECT_EQ(b.pixels().pixel(4, 1), core::clRed);
    EXPECT_EQ(b.pixels().pixel(4, 2), core::rgb(0, 255, 0));
    HGDIOBJ selected = GetCurrentObject(b.dc(), OBJ_PEN);
    EXPECT_EQ(selected, c.pen().handle());
}

// A canvas put back its DC's original objects when it detaches, so the DC can be deleted cleanly.
TEST(CanvasDrawing, DetachRestoresOriginalObjects) {
    winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
    HGDIOBJ pen = GetCurrentObject(dc.get(), OBJ_PEN);
    HGDIOBJ font = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        Canvas c(dc.get());
        c.pen().setColor(core::clRed);
        c.lineTo(1, 1);
        c.textExtent("x");
        EXPECT_NE(GetCurrentObject(dc.get(), OBJ_PEN), pen);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font);
}

// Equal sizes copy exactly; a doubled size repeats each pixel (no smoothing).
TEST(CanvasCopy, CopyRectScalesWithoutSmoothing) {
    Bitmap src(2, 1);
    src.pixels().setPixel(0, 0, core::clRed);
    src.pixels().setPixel(1, 0, core::clBlue);
    Bitmap dst(6, 2);
    dst.canvas().copyRect({0, 0, 2, 1}, src.canvas(), {0, 0, 2, 1});
    EXPECT_EQ(dst.pixels().pixel(0, 0), core::clRed);
    EXPECT_EQ(dst.pixels().pixel(1, 0), core::clBlue);
    dst.canvas().copyRect({2, 0, 6, 2}, src.pixels(), {0, 0, 2, 1});
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(dst.pixels().pixel(2, y), core::clRed);
        EXPECT_EQ(dst.pixels().pixel(3, y), core::clRed);
        EXPECT_EQ(dst.pixels().pixel(4, y), core::clBlue);
        EXPECT_EQ(dst.pixels().pixel(5, y), core::clBlue);
    }
}

// A transparent bitmap leaves out its bottom-left pixel's colour, also when stretched.
TEST(CanvasCopy, TransparentBitmapLeavesOutItsKeyColour) {
    const Color key = core::rgb(255, 0, 255);
    Bitmap glyph(3, 3);
    glyph.pixels().fill(key);
    glyph.pixels().setPixel(1, 1, core::clRed);
    glyph.setTransparent(true);

    Bitmap dst(9, 3);
    dst.pixels().fill(core::clWhite);
    dst.canvas().draw(0, 0, glyph);
    EXPECT_EQ(dst.pixels().pixel(1, 1), core::clRed);
    EXPECT_EQ(dst.pixels().pixel(0, 2), core::clWhite);
    EXPECT_EQ(dst.pixels().pixel(2, 0), core::clWhite);

    dst.canvas().stretchDraw({3, 0, 9, 3}, glyph);
    EXPECT_EQ(dst.pixels().pixel(3, 0), core::clWhite);
    EXPECT_EQ(dst.pixels().pixel(5, 1), core::clRed);

    glyph.setTransparent(false);
    dst.canvas().draw(0, 0, glyph);
    EXPECT_EQ(dst.pixels().pixel(0, 2), key);
}

TEST(CanvasCopy, BrushCopyPaintsTheChosenColourWithTheBrush) {
    Bitmap src(2, 1);
    src.pixels().setPixel(0, 0, core::clWhite);
    src.pixels().setPixel(1, 0, core::clRed);
    Bitmap dst(2, 1);
    dst.canvas().brush().setColor(core::clBlue);
    dst.canvas().brushCopy({0, 0, 2, 1}, src, {0, 0, 2, 1}, core::clWhite);
    EXPECT_EQ(dst.pixels().pixel(0, 0), core::clBlue);
    EXPECT_EQ(dst.pixels().pixel(1, 0), core::clRed);
}

// Text clipped to a rectangle leaves no ink outside it; DT_CALCRECT reports the size it needs.
TEST(CanvasText, TextRectClipsAndDrawTextMeasures) {
    Bitmap b(60, 30);
    Canvas& c = b.canvas();
    c.brush().setColor(core::clWhite);
    c.fillRect({0, 0, 60, 30});
    c.font().setName("Arial");
    c.font().setHeight(-20);
    c.font().setColor(core::clBlack);
    c.textRect({10, 0, 20, 30}, 0, 2, "WWWWWW");
    const core::FBitmap& px = b.pixels();
    EXPECT_GT(inkIn(px, {10, 0, 20, 30}, core::clWhite), 0);
    EXPECT_EQ(inkIn(px, {0, 0, 10, 30}, core::clWhite), 0);
    EXPECT_EQ(inkIn(px, {20, 0, 60, 30}, core::clWhite), 0);

    core::Rect r{0, 0, 0, 0};
    int h = c.drawText("Hello", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.width(), c.textWidth("Hello"));
    EXPECT_EQ(h, r.height());
    EXPECT_GT(h, 10);
}

// With a clear brush text goes on the existing background; with a solid one the cell is filled.
TEST(CanvasText, BrushDecidesTextBackground) {
    Bitmap b(40, 20);
    Canvas& c = b.canvas();
    b.pixels().fill(core::clRed);
    c.font().setColor(core::clBlack);
    c.brush().setStyle(BrushStyle::bsClear);
    c.textOut(0, 0, "i");
    EXPECT_EQ(inkIn(b.pixels(), {0, 0, 40, 20}, core::clRed) > 0, true);
    EXPECT_EQ(b.pixels().pixel(39, 19), core::clRed);
    int clearInk = inkIn(b.pixels(), {0, 0, 40, 20}, core::clRed);
    c.brush().setColor(core::clWhite);
    c.textOut(0, 0, "i");
    EXPECT_GT(inkIn(b.pixels(), {0, 0, 40, 20}, core::clRed), clearInk);
}

TEST(CanvasDrawing, ShapesAndPixels) {
    Bitmap b(10, 10);
    Canvas& c = b.canvas();
    c.pen().setColor(core::clRed);
    c.brush().setColor(core::clBlue);
    const core::Point tri[] = {{0, 0}, {9, 0}, {0, 9}};
    c.polygon(tri);
    EXPECT_EQ(b.pixels().pixel(0, 0), core::clRed);
    EXPECT_EQ(b.pixels().pixel(2, 2), core::clBlue);
    EXPECT_EQ(b.pixels().pixel(9, 9), core::clBlack);
    c.setPixel(9, 9, core::clWhite);
    EXPECT_EQ(c.pixel(9, 9), core::clWhite);
    EXPECT_EQ(c.pixel(50, 50), core::clNone);
    c.moveTo(3, 4);
    EXPECT_EQ(c.penPos(), (core::Point{3, 4}));

    Canvas none;
    none.fillRect({0, 0, 5, 5}); // no DC: nothing happens, nothing fails
    EXPECT_EQ(none.textWidth("abc"), 0);
}
