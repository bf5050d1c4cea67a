#include "TestBitmaps.h"
#include "skin/render/Glyphs.h"
#include "skin/render/TextEllipsis.h"

#include <gtest/gtest.h>

using namespace skin;
using core::FBitmap;

namespace {

constexpr core::Color kPen = core::rgb(200, 10, 10);

// The canvas as text: '#' for the pen colour, '.' for the white background.
std::string picture(const FBitmap& canvas) {
    std::string s;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            s += canvas.pixel(x, y) == kPen ? '#' : canvas.pixel(x, y) == core::clWhite ? '.' : '?';
        s += '\n';
    }
    return s;
}

std::string lines(std::initializer_list<std::string> rows) {
    std::string s;
    for (const std::string& r : rows)
        s += r + '\n';
    return s;
}

FBitmap whiteCanvas(int w, int h) {
    FBitmap b(w, h);
    b.fill(core::clWhite);
    return b;
}

} // namespace

TEST(Glyphs, ArrowsPointTheirWayWithExclusiveLineEnds) {
    struct Case {
        int kind;
        std::string expected;
    } cases[] = {
        {1, lines({"..........", "..........", "......#...", ".....##...", "....###...", "...####...",
                   "....###...", ".....##...", "......#...", ".........."})},
        {2, lines({"..........", "..........", "....#.....", "....##....", "....###...", "....####..",
                   "....###...", "....##....", "....#.....", ".........."})},
        {3, lines({"..........", "..........", "..........", ".....#....", "....###...", "...#####..",
                   "..#######.", "..........", "..........", ".........."})},
        {4, lines({"..........", "..........", "..........", "..........", "..#######.", "...#####..",
                   "....###...", ".....#....", "..........", ".........."})},
    };
    for (const Case& c : cases) {
        FBitmap canvas = whiteCanvas(10, 10);
        drawArrowGlyph(canvas, {0, 0, 10, 10}, kPen, c.kind);
        EXPECT_EQ(picture(canvas), c.expected) << "kind " << c.kind;
    }
    FBitmap canvas = whiteCanvas(10, 10);
    drawArrowGlyph(canvas, {0, 0, 10, 10}, kPen, 5);
    drawArrowGlyph(canvas, {0, 0, 10, 10}, core::clNone, 1);
    EXPECT_EQ(picture(canvas), picture(whiteCanvas(10, 10)));
}

TEST(Glyphs, CheckMarkIsThreeStackedPolylines) {
    FBitmap canvas = whiteCanvas(10, 10);
    drawCheckGlyph(canvas, 1, 1, kPen);
    EXPECT_EQ(picture(canvas), lines({"..........", "..........", ".......#..", "......##..", ".#...###..",
                                      ".##.###...", ".#####....", "..###.....", "...#......", ".........."}));
}

TEST(Glyphs, CaptionButtonSymbols) {
    struct Case {
        CaptionGlyph glyph;
        std::string expected;
    } cases[] = {
        {CaptionGlyph::Close, lines({"............", ".##.....##..", "..##...##...", "...##.##....",
                                     "....###.....", "....###.....", "...##.##....", "..##...##...",
                                     ".##.....##..", "............", "............"})},
        {CaptionGlyph::Maximize, lines({"###########.", "###########.", "#.........#.", "#.........#.",
                                        "#.........#.", "#.........#.", "#.........#.", "#.........#.",
                                        "#.........#.", "###########.", "............"})},
        {CaptionGlyph::Restore, lines({"..########..", "..########..", "..#......#..", "..#......#..",
                                       "#######..#..", "##########..", "#.....#.....", "#.....#.....",
                                       "#.....#.....", "#######.....", "............"})},
        {CaptionGlyph::Minimize, lines({"............", "............", "............", "............",
                                        "............", "............", "............", "............",
                                        ".########...", ".########...", "............"})},
        {CaptionGlyph::FlatBar, lines({"............", "............", "............", ".########...",
                                       ".#......#...", ".########...", "............", "............",
                                       "............", "............", "............"})},
        {CaptionGlyph::TriangleDown, lines({"............", "............", ".########...", "..######....",
                                            "...####.....", "....##......", "............", "............",
                                            "............", "............", "............"})},
        {CaptionGlyph::TriangleUp, lines({"............", "............", "............", "....##......",
                                          "...####.....", "..######....", ".########...", "............",
                                          "............", "............", "............"})},
        {CaptionGlyph::SmallSquare, lines({"............", "............", "..#####.....", "..#####.....",
                                           "..#####.....", "..#####.....", "..#####.....", "............",
                                           "............", "............", "............"})},
    };
    for (const Case& c : cases) {
        FBitmap canvas = whiteCanvas(12, 11);
        drawCaptionGlyph(canvas, c.glyph, 0, 0, kPen);
        EXPECT_EQ(picture(canvas), c.expected) << "glyph " << int(c.glyph);
    }
}

TEST(Glyphs, DrawingIsClippedToTheCanvas) {
    FBitmap canvas = whiteCanvas(4, 4);
    // Only the maximise box's bottom-right corner reaches the canvas.
    drawCaptionGlyph(canvas, CaptionGlyph::Maximize, -8, -7, kPen);
    drawLine(canvas, {-50, 3}, {50, 3}, kPen);
    EXPECT_EQ(picture(canvas), lines({"..#.", "..#.", "###.", "####"}));
}

TEST(Glyphs, GlyphFrameCopiesOneFrameLeavingOutItsBottomLeftColour) {
    // A 40 x 5 strip of four frames; frame 2 is columns 10..19.
    FBitmap strip = skintest::coordinateBitmap(40, 5);
    const core::Color key = strip.pixel(10, 4);
    strip.setPixel(12, 1, key);
    strip.setPixel(19, 0, key);
    FBitmap canvas = whiteCanvas(30, 10);
    drawGlyphFrame(canvas, 3, 2, 2, 4, strip);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x) {
            const int sx = x - 3 + 10, sy = y - 2;
            const bool inFrame = x >= 3 && x < 13 && sy >= 0 && sy < 5;
            const bool transparent = inFrame && strip.pixel(sx, sy) == key;
            const core::Color want = inFrame && !transparent ? strip.pixel(sx, sy) : core::clWhite;
            EXPECT_EQ(canvas.pixel(x, y), want) << x << "," << y;
        }

    const FBitmap before = canvas.clone();
    drawGlyphFrame(canvas, 0, 0, 1, 4, FBitmap());
    drawGlyphFrame(canvas, 0, 0, 1, 0, strip);
    drawGlyphFrame(canvas, 0, 0, 5, 4, strip);
    drawGlyphFrame(canvas, 0, 0, 1, 41, strip); // frames narrower than a pixel
    EXPECT_TRUE(canvas == before);
}

namespace {

// ASCII one unit wide, any other character two.
class FixedMeasurer : public TextMeasurer {
public:
    int textWidth(std::string_view s) const override {
        int w = 0;
        for (unsigned char c : s)
            if (c < 0x80)
                w += 1;
            else if ((c & 0xC0) == 0xC0)
                w += 2;
        return w;
    }
};

} // namespace

TEST(TextEllipsis, ShortensFromTheEndUntilTheDotsFit) {
    struct Case {
        std::string text;
        int maxWidth;
        std::string expected;
    } cases[] = {
        {"abc", 3, "abc"},                                   // fits: no dots
        {"abcdef", 5, "ab..."},                              // dots included in the width
        {"abcdef", 6, "abcdef"}, {"abc", 2, "..."},          // not even one character fits
        {"abc", -1, "..."},      {"安装向导", 7, "安装..."}, // whole characters only
        {"安装向导", 4, "..."},  {"", 0, ""},
    };
    FixedMeasurer m;
    for (const Case& c : cases) {
        std::string text = c.text;
        shortenTextWithEllipsis(m, text, c.maxWidth);
        EXPECT_EQ(text, c.expected) << c.text << " in " << c.maxWidth;
    }
}
