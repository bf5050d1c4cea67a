#include "TestBitmaps.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/SkinCompose.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace skin;
using core::Color;
using core::FBitmap;
using skintest::coordinateBitmap;
using skintest::sourceColor;

namespace {

// Where a destination pixel's colour must come from, in coordinates of the source picture; nullopt
// for pixels the operation must not touch.
using SourceMap = std::function<std::optional<Point>(int x, int y)>;

// Checks every pixel of dest against the map; stops at the first few mismatches.
void expectPixels(const FBitmap& dest, const SourceMap& map, Color untouched = core::clBlack, int tag = 7) {
    int failures = 0;
    for (int y = 0; y < dest.height() && failures < 5; ++y)
        for (int x = 0; x < dest.width() && failures < 5; ++x) {
            std::optional<Point> s = map(x, y);
            const Color want = s ? sourceColor(s->x, s->y, tag) : untouched;
            if (dest.pixel(x, y) != want) {
                ++failures;
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << dest.pixel(x, y)
                              << ", expected " << want;
            }
        }
}

// Position of x in a band whose middle [from, to) repeats source columns start..start+d and whose
// ends are fixed pieces shifted by `shift` (target minus source size) on the far side.
int bandIndex(int x, int from, int to, int start, int d, int shift) {
    if (x < from)
        return x;
    if (x >= to)
        return x - shift;
    return start + (x - from) % d;
}

// The test skin: a 40 x 30 picture, skin rect at (5, 2) of 30 x 25, every band with a corner piece on
// both sides of its middle.
const Rect kSkinRect{5, 2, 35, 27};
const SkinFrame kFrame{{6, 7}, {20, 7}, {7, 17}, {22, 18}, {4, 5, 26, 21}};
constexpr int kSkinW = 30, kSkinH = 25;

} // namespace

TEST(CopyRect, ExactCopyClipsToBothBitmaps) {
    FBitmap src = coordinateBitmap(6, 5);
    FBitmap dst(5, 5);
    // Source runs off src's right edge, destination off dst's top: only the overlap is copied.
    copyRect(dst, {2, -1, 6, 3}, src, {3, 1, 7, 5});
    expectPixels(dst, [](int x, int y) -> std::optional<Point> {
        if (x >= 2 && x < 5 && y < 3 && x + 1 < 6)
            return Point{x + 1, y + 2};
        return std::nullopt;
    });
}

TEST(CopyRect, ScalingIsNearestNeighbourFromTheRectOrigin) {
    FBitmap src = coordinateBitmap(10, 10);
    struct Case {
        Rect dst, src;
    } cases[] = {
        {{1, 2, 8, 5}, {2, 3, 5, 9}},   // widen 3 -> 7, shrink 6 -> 3
        {{0, 0, 3, 3}, {0, 0, 10, 10}}, // shrink both ways
        {{-2, -1, 9, 6}, {4, 4, 6, 5}}, // enlarge, partly off the destination
    };
    for (const Case& c : cases) {
        FBitmap dst(8, 6);
        copyRect(dst, c.dst, src, c.src);
        expectPixels(dst, [&](int x, int y) -> std::optional<Point> {
            if (!c.dst.contains({x, y}))
                return std::nullopt;
            // floor(i * srcSpan / dstSpan) from each rectangle's own origin
            return Point{c.src.left + (x - c.dst.left) * c.src.width() / c.dst.width(),
                         c.src.top + (y - c.dst.top) * c.src.height() / c.dst.height()};
        });
    }
}

// Scaled copies write whole rows at once (repeated source rows, pixels stored four bytes wide): every
// pixel is the nearest-neighbour one, pixels right of the rectangle keep their colour (also at the end
// of a row without padding), and source columns off the picture leave theirs.
TEST(CopyRect, ScaledRowsTouchOnlyTheirRectangle) {
    const FBitmap src = coordinateBitmap(12, 9);
    const Color keep = core::rgb(1, 2, 3);
    for (const Rect& from : {Rect{0, 0, 12, 9}, Rect{3, 2, 5, 4}, Rect{9, 6, 12, 9}, Rect{-2, 1, 14, 3}})
        for (const Rect& to : {Rect{0, 0, 16, 11}, Rect{2, 1, 15, 22}, Rect{1, 3, 6, 5}, Rect{5, 0, 16, 7}}) {
            FBitmap dst(16, 22);
            dst.fill(keep);
            copyRect(dst, to, src, from);
            expectPixels(
                dst,
                [&](int x, int y) -> std::optional<Point> {
                    const int sx = from.left + (x - to.left) * from.width() / to.width();
                    const int sy = from.top + (y - to.top) * from.height() / to.height();
                    if (!to.contains({x, y}) || sx < 0 || sx >= src.width())
                        return std::nullopt;
                    return Point{sx, sy};
                },
                keep);
        }
}

TEST(CopyRect, EmptyOrInvertedRectanglesCopyNothing) {
    FBitmap src = coordinateBitmap(4, 4);
    FBitmap dst(4, 4);
    copyRect(dst, {3, 0, 1, 4}, src, {3, 0, 1, 4});
    copyRect(dst, {0, 0, 4, 4}, src, {0, 2, 4, 2});
    copyRect(dst, {0, 0, 0, 4}, src, {0, 0, 4, 4});
    expectPixels(dst, [](int, int) { return std::nullopt; });
}

TEST(CopyRect, CopyWithinOneBitmapReadsTheOriginalPixels) {
    FBitmap b = coordinateBitmap(6, 1);
    copyRect(b, {1, 0, 6, 1}, b, {0, 0, 5, 1});
    expectPixels(b, [](int x, int y) { return std::optional<Point>({x == 0 ? 0 : x - 1, y}); });
}

TEST(ComposeSkinImage, TargetOfTheSkinSizeReproducesTheSkinRect) {
    FBitmap picture = coordinateBitmap(40, 30);
    const SkinFrame target = targetFrame(kFrame, kSkinW, kSkinH, kSkinW, kSkinH);
    ASSERT_EQ(target, kFrame);
    for (bool stretch : {false, true}) {
        FBitmap dest;
        composeSkinImage(kFrame, target, dest, picture, kSkinRect, kSkinW, kSkinH, DrawClient::Yes,
                         {stretch, stretch, stretch, stretch});
        ASSERT_EQ(dest.width(), kSkinW);
        expectPixels(dest, [](int x, int y) {
            return std::optional<Point>({kSkinRect.left + x, kSkinRect.top + y});
        });
    }
}

TEST(ComposeSkinImage, TiledBandsRepeatTheirMiddleAndCutTheLastTile) {
    // 17 wider and 23 higher: no band span is a multiple of its middle.
    const int W = kSkinW + 17, H = kSkinH + 23, dx = 17, dy = 23;
    FBitmap picture = coordinateBitmap(40, 30);
    const SkinFrame s = kFrame, t = targetFrame(kFrame, kSkinW, kSkinH, W, H);
    FBitmap dest;
    composeSkinImageTiled(s, t, dest, picture, kSkinRect, W, H, DrawClient::Yes);
    ASSERT_EQ(dest.width(), W);
    ASSERT_EQ(dest.height(), H);

    const Rect nc = t.client;
    expectPixels(dest, [&](int x, int y) -> std::optional<Point> {
        Point p;
        if (y < nc.top) {
            p = {bandIndex(x, t.leftTop.x, t.rightTop.x, s.leftTop.x, s.rightTop.x - s.leftTop.x, dx), y};
        } else if (y >= nc.bottom) {
            p = {bandIndex(x, t.leftBottom.x, t.rightBottom.x, s.leftBottom.x,
                           s.rightBottom.x - s.leftBottom.x, dx),
                 y - dy};
        } else if (x < nc.left) {
            p = {x, bandIndex(y, t.leftTop.y, t.leftBottom.y, s.leftTop.y, s.leftBottom.y - s.leftTop.y, dy)};
        } else if (x >= nc.right) {
            p = {x - dx, bandIndex(y, t.rightTop.y, t.rightBottom.y, s.rightTop.y,
                                   s.rightBottom.y - s.rightTop.y, dy)};
        } else {
            p = {s.client.left + (x - nc.left) % s.client.width(),
                 s.client.top + (y - nc.top) % s.client.height()};
        }
        return Point{kSkinRect.left + p.x, kSkinRect.top + p.y};
    });
}

// A destination that already has the size is reused: whatever it held, the frame comes out as in a
// fresh bitmap, whether the client is drawn, repeated from its first row of tiles, partly off the
// picture (nothing copied there) or placed partly outside the window.
TEST(ComposeSkinImage, ReusedDestinationGivesTheFreshBitmapsBytes) {
    const FBitmap picture = coordinateBitmap(40, 30);
    SkinFrame shifted = kFrame;
    shifted.client = {-3, -2, 26, 21};
    struct Case {
        SkinFrame target;
        Rect skinRect;
        int width, height;
        DrawClient client;
    } cases[] = {
        {targetFrame(kFrame, kSkinW, kSkinH, 97, 88), kSkinRect, 97, 88, DrawClient::Yes},
        {targetFrame(kFrame, kSkinW, kSkinH, 97, 88), kSkinRect, 97, 88, DrawClient::No},
        {targetFrame(kFrame, kSkinW, kSkinH, 97, 88), {18, 12, 48, 37}, 97, 88, DrawClient::Yes},
        {targetFrame(kFrame, kSkinW, kSkinH, 60, 50), kSkinRect, 40, 30, DrawClient::Yes},
        {targetFrame(shifted, kSkinW, kSkinH, 70, 60), kSkinRect, 70, 60, DrawClient::Yes},
    };
    for (const Case& c : cases) {
        FBitmap fresh, reused(c.width, c.height);
        composeSkinImage(kFrame, c.target, fresh, picture, c.skinRect, c.width, c.height, c.client, {});
        std::memset(reused.bits(), 0x5a, reused.byteSize());
        composeSkinImage(kFrame, c.target, reused, picture, c.skinRect, c.width, c.height, c.client, {});
        ASSERT_EQ(fresh.byteSize(), reused.byteSize());
        EXPECT_EQ(std::memcmp(fresh.bits(), reused.bits(), fresh.byteSize()), 0)
            << c.width << " x " << c.height << " from " << c.skinRect.left;
    }
}

TEST(ComposeSkinImage, StretchedBandsScaleTheMiddleOnceAndKeepTheCorners) {
    const int W = kSkinW + 9, H = kSkinH + 4, dx = 9, dy = 4;
    FBitmap picture = coordinateBitmap(40, 30);
    const SkinFrame s = kFrame, t = targetFrame(kFrame, kSkinW, kSkinH, W, H);
    FBitmap dest;
    // Top and right stretched, bottom and left tiled.
    composeSkinImage(s, t, dest, picture, kSkinRect, W, H, DrawClient::No, {false, true, true, false});

    auto scaled = [](int x, int from, int to, int start, int d, int shift) {
        if (x < from)
            return x;
        if (x >= to)
            return x - shift;
        return start + (x - from) * d / (to - from);
    };
    const Rect nc = t.client;
    expectPixels(dest, [&](int x, int y) -> std::optional<Point> {
        Point p;
        if (y < nc.top)
            p = {scaled(x, t.leftTop.x, t.rightTop.x, s.leftTop.x, s.rightTop.x - s.leftTop.x, dx), y};
        else if (y >= nc.bottom)
            p = {bandIndex(x, t.leftBottom.x, t.rightBottom.x, s.leftBottom.x,
                           s.rightBottom.x - s.leftBottom.x, dx),
                 y - dy};
        else if (x < nc.left)
            p = {x, bandIndex(y, t.leftTop.y, t.leftBottom.y, s.leftTop.y, s.leftBottom.y - s.leftTop.y, dy)};
        else if (x >= nc.right)
            p = {x - dx,
                 scaled(y, t.rightTop.y, t.rightBottom.y, s.rightTop.y, s.rightBottom.y - s.rightTop.y, dy)};
        else
            return std::nullopt; // client area not drawn
        return Point{kSkinRect.left + p.x, kSkinRect.top + p.y};
    });
}

TEST(ComposeSkinImage, DegenerateInputsOnlySizeTheDestination) {
    FBitmap picture = coordinateBitmap(40, 30);
    FBitmap empty;
    SkinFrame flat = kFrame;
    flat.rightBottom.x = flat.leftTop.x;
    const SkinFrame t = targetFrame(kFrame, kSkinW, kSkinH, 50, 40);
    struct Case {
        const SkinFrame& frame;
        const FBitmap& picture;
    } cases[] = {{flat, picture}, {kFrame, empty}};
    for (const Case& c : cases) {
        FBitmap dest;
        composeSkinImage(c.frame, t, dest, c.picture, kSkinRect, 50, 40, DrawClient::Yes, {});
        EXPECT_EQ(dest.width(), 50);
        EXPECT_EQ(dest.height(), 40);
        expectPixels(dest, [](int, int) { return std::nullopt; });
    }
}

TEST(ComposeSkinImage, ZeroSizeMiddleOrClientDoesNotDivideByZero) {
    FBitmap picture = coordinateBitmap(40, 30);
    SkinFrame s = kFrame;
    s.rightTop.x = s.leftTop.x; // top middle of no width
    s.client = {4, 5, 4, 21};   // client of no width
    SkinFrame t = targetFrame(s, kSkinW, kSkinH, 60, 40);
    FBitmap dest;
    composeSkinImage(s, t, dest, picture, kSkinRect, 60, 40, DrawClient::Yes, {});
    EXPECT_EQ(dest.width(), 60);
}

TEST(ComposeHorizontalSkinImage, MiddleTilesWholeAtExactMultiplesAndNeverOverwritesTheRightEnd) {
    FBitmap picture = coordinateBitmap(30, 8);
    const Rect r{2, 1, 22, 7}; // 20 wide: left 4, middle 10, right 6
    struct Case {
        int width;
    } cases[] = {{20}, {40}, {23}, {37}, {13}};
    for (const Case& c : cases) {
        FBitmap dest;
        composeHorizontalSkinImage(4, 6, dest, picture, r, c.width);
        ASSERT_EQ(dest.height(), 6);
        ASSERT_EQ(dest.width(), c.width);
        expectPixels(dest, [&](int x, int y) -> std::optional<Point> {
            int sx;
            if (x < 4)
                sx = x;
            else if (x >= c.width - 6)
                sx = 20 - (c.width - x);
            else
                sx = 4 + (x - 4) % 10;
            return Point{r.left + sx, r.top + y};
        });
    }
}

TEST(ComposeHorizontalSkinImage, MiddleOfNoWidthRepeatsOneColumn) {
    FBitmap picture = coordinateBitmap(30, 8);
    FBitmap dest;
    composeHorizontalSkinImage(5, 5, dest, picture, {0, 0, 10, 3}, 16);
    expectPixels(dest, [](int x, int y) {
        return std::optional<Point>({x < 5 ? x : x >= 11 ? x - 6 : 5, y});
    });
}

TEST(ComposeVerticalSkinImage, MirrorsTheHorizontalForm) {
    FBitmap picture = coordinateBitmap(8, 30);
    const Rect r{1, 2, 7, 22}; // 20 high: top 3, middle 12, bottom 5
    for (int height : {20, 44, 27, 9}) {
        FBitmap dest;
        composeVerticalSkinImage(3, 5, dest, picture, r, height);
        ASSERT_EQ(dest.width(), 6);
        expectPixels(dest, [&](int x, int y) -> std::optional<Point> {
            int sy;
            if (y < 3)
                sy = y;
            else if (y >= height - 5)
                sy = 20 - (height - y);
            else
                sy = 3 + (y - 3) % 12;
            return Point{r.left + x, r.top + sy};
        });
    }
}

TEST(ComposeVerticalSkinImage, MiddleOfNoHeightDrawsNothingBetweenTheEnds) {
    FBitmap picture = coordinateBitmap(8, 30);
    FBitmap dest;
    composeVerticalSkinImage(4, 6, dest, picture, {0, 0, 3, 10}, 15);
    expectPixels(dest, [](int x, int y) -> std::optional<Point> {
        if (y < 4)
            return Point{x, y};
        if (y >= 9)
            return Point{x, y - 5};
        return std::nullopt;
    });
}

TEST(ComposeFormBorderImages, StretchedStripsOfTheSkinSizeAreTheFramePieces) {
    FBitmap picture = coordinateBitmap(40, 30);
    FormBorderImages images;
    composeFormBorderImages(kFrame, kFrame, images, picture, kSkinRect, kSkinW, kSkinH,
                            {true, true, true, true});
    const Rect c = kFrame.client;
    ASSERT_EQ(images.top.width(), kSkinW);
    ASSERT_EQ(images.top.height(), c.top);
    ASSERT_EQ(images.bottom.height(), kSkinH - c.bottom);
    ASSERT_EQ(images.left.width(), c.left);
    ASSERT_EQ(images.left.height(), c.height());
    ASSERT_EQ(images.right.width(), kSkinW - c.right);
    auto at = [](int dx, int dy) {
        return [dx, dy](int x, int y) {
            return std::optional<Point>({kSkinRect.left + dx + x, kSkinRect.top + dy + y});
        };
    };
    expectPixels(images.top, at(0, 0));
    expectPixels(images.bottom, at(0, c.bottom));
    expectPixels(images.left, at(0, c.top));
    expectPixels(images.right, at(c.right, c.top));
}

namespace {

// Where a tiled strip pixel comes from along its band: the fixed piece before `from`, the fixed piece
// after `to` (which starts at source `after`), else the middle of d pieces from `start`, repeated
// from the strip's origin (not from `from`).
int stripIndex(int v, int from, int to, int start, int d, int after) {
    if (v < from)
        return v;
    if (v >= to)
        return after + (v - to);
    return start + v % d;
}

// The tiled strips of frame s composed to target t (size W x H), as source-picture coordinates.
struct TiledStripOracle {
    SkinFrame s, t;
    int W, H;
    Rect r;
    std::optional<Point> top(int x, int y) const {
        return Point{r.left + stripIndex(x, t.leftTop.x, t.rightTop.x, s.leftTop.x,
                                         s.rightTop.x - s.leftTop.x, s.rightTop.x),
                     r.top + y};
    }
    std::optional<Point> bottom(int x, int y) const {
        const int b = H - t.client.bottom;
        return Point{r.left + stripIndex(x, t.leftBottom.x, t.rightBottom.x, s.leftBottom.x,
                                         s.rightBottom.x - s.leftBottom.x, s.rightBottom.x),
                     r.bottom - b + y};
    }
    // A side strip of height h: fixed top rows c.top..topY, middle topY..bottomY, fixed rows to c.bottom.
    int sideRow(int y, int h, int topY, int bottomY) const {
        const Rect c = s.client;
        return stripIndex(y, topY - c.top, h - (c.bottom - bottomY), topY, bottomY - topY, bottomY) +
               (y < topY - c.top ? c.top : 0);
    }
    std::optional<Point> left(int x, int y) const {
        return Point{r.left + x, r.top + sideRow(y, t.client.height(), s.leftTop.y, s.leftBottom.y)};
    }
    std::optional<Point> right(int x, int y) const {
        return Point{r.left + s.client.right + x,
                     r.top + sideRow(y, t.client.height(), s.rightTop.y, s.rightBottom.y)};
    }
};

} // namespace

TEST(ComposeFormBorderImages, TiledMiddlesRepeatFromTheStripOriginUnderTheCorners) {
    // Stretched bands match the nine-piece composition; tiled ones start their repeat at x = 0 or
    // y = 0 of their strip, which differs from the nine-piece phase whenever the corner piece is not
    // a whole number of middles.
    FBitmap picture = coordinateBitmap(40, 30);
    for (auto [W, H] : {std::pair{kSkinW, kSkinH}, {kSkinW + 31, kSkinH + 13}, {kSkinW + 3, kSkinH + 40}}) {
        const SkinFrame s = kFrame, t = targetFrame(kFrame, kSkinW, kSkinH, W, H);
        const TiledStripOracle tiled{s, t, W, H, kSkinRect};
        for (BandStretch stretch :
             {BandStretch{}, BandStretch{true, true, true, true}, BandStretch{true, false, false, true}}) {
            SCOPED_TRACE(testing::Message() << W << "x" << H << " stretch " << stretch.left << stretch.top);
            FormBorderImages images;
            composeFormBorderImages(s, t, images, picture, kSkinRect, W, H, stretch);
            FBitmap whole;
            composeSkinImage(s, t, whole, picture, kSkinRect, W, H, DrawClient::No, stretch);
            const Rect nc = t.client;
            ASSERT_EQ(images.left.height(), nc.height());
            ASSERT_EQ(images.right.height(), nc.height());
            auto sameAs = [&](int ox, int oy) -> SourceMap {
                return [&whole, ox, oy](int x, int y) -> std::optional<Point> {
                    const Color c = whole.pixel(ox + x, oy + y);
                    return Point{core::redOf(c), core::greenOf(c)};
                };
            };
            using namespace std::placeholders;
            expectPixels(images.top, stretch.top
                                         ? sameAs(0, 0)
                                         : SourceMap(std::bind(&TiledStripOracle::top, &tiled, _1, _2)));
            expectPixels(images.bottom,
                         stretch.bottom ? sameAs(0, nc.bottom)
                                        : SourceMap(std::bind(&TiledStripOracle::bottom, &tiled, _1, _2)));
            expectPixels(images.left, stretch.left
                                          ? sameAs(0, nc.top)
                                          : SourceMap(std::bind(&TiledStripOracle::left, &tiled, _1, _2)));
            expectPixels(images.right, stretch.right
                                           ? sameAs(nc.right, nc.top)
                                           : SourceMap(std::bind(&TiledStripOracle::right, &tiled, _1, _2)));
        }
    }
}

TEST(ComposeFormBorderImages, BottomBandOfTheLauncherSkinRepeatsFromTheWindowsLeftEdge) {
    // The launcher skin's bottom band: corner 12 wide, middle 162 wide (12..174). Right after the
    // corner the strip shows middle column 12, not 0: the repeat is counted from x = 0.
    const FBitmap picture = coordinateBitmap(184, 141);
    const SkinFrame s{{16, 34}, {67, 34}, {12, 127}, {174, 128}, {8, 28, 179, 134}};
    const int W = 300, H = 200;
    const SkinFrame t = targetFrame(s, 184, 141, W, H);
    FormBorderImages images;
    composeFormBorderImages(s, t, images, picture, picture.bounds(), W, H, {false, true, false, false});
    ASSERT_EQ(images.bottom.height(), 141 - 134);
    const int row = 2, srcRow = 134 + row;
    EXPECT_EQ(images.bottom.pixel(11, row), sourceColor(11, srcRow));               // fixed corner
    EXPECT_EQ(images.bottom.pixel(12, row), sourceColor(12 + 12, srcRow));          // repeat from x = 0
    EXPECT_EQ(images.bottom.pixel(161, row), sourceColor(12 + 161, srcRow));        // last of the first piece
    EXPECT_EQ(images.bottom.pixel(162, row), sourceColor(12, srcRow));              // second piece starts
    EXPECT_EQ(images.bottom.pixel(t.rightBottom.x, row), sourceColor(174, srcRow)); // fixed corner
}

TEST(ComposeFormBorderImages, NoTopBandLeavesTheTopStripEmptyAndTheSidesTaller) {
    FBitmap picture = coordinateBitmap(40, 30);
    const int W = 45, H = 40;
    SkinFrame t = targetFrame(kFrame, kSkinW, kSkinH, W, H);
    FormBorderImages images;
    // A reused set of strips: the earlier top strip must not survive into the new size.
    composeFormBorderImages(kFrame, t, images, picture, kSkinRect, W, H, {});
    ASSERT_EQ(images.top.height(), kFrame.client.top);
    t.client.top = 0;
    composeFormBorderImages(kFrame, t, images, picture, kSkinRect, W, H, {});
    EXPECT_TRUE(images.top.isEmpty());
    EXPECT_EQ(images.left.height(), H - images.bottom.height());
    EXPECT_EQ(images.right.height(), H - images.bottom.height());
}

TEST(SkinGeometry, HelpersFollowTheirEdgeRules) {
    EXPECT_TRUE(pointIsNull({0, 5}));
    EXPECT_TRUE(pointIsNull({5, 0}));
    EXPECT_FALSE(pointIsNull({1, 1}));
    const Rect r{2, 2, 6, 6};
    EXPECT_TRUE(pointInRectInclusive(r, {6, 6}));
    EXPECT_TRUE(pointInRectInclusive(r, {2, 2}));
    EXPECT_FALSE(pointInRectInclusive(r, {7, 2}));
    // Platform test on both corners: the inner rect's bottom-right must lie strictly inside.
    EXPECT_TRUE(rectInsideRect({2, 2, 5, 5}, r));
    EXPECT_FALSE(rectInsideRect({2, 2, 6, 6}, r));
    EXPECT_TRUE(rectIsEmpty({3, 3, 3, 9}));
    Rect cleared{1, 2, 3, 4};
    clearRect(cleared);
    EXPECT_TRUE(cleared.isZero());

    // Corner pieces keep their size in the target.
    const SkinFrame t = targetFrame(kFrame, kSkinW, kSkinH, 100, 70);
    EXPECT_EQ(t.rightTop, (Point{90, 7}));
    EXPECT_EQ(t.leftBottom, (Point{7, 62}));
    EXPECT_EQ(t.rightBottom, (Point{92, 63}));
    EXPECT_EQ(t.client, (Rect{4, 5, 96, 66}));
}

TEST(ComposeSkinImage, DamagedCoordinatesDrawNothingAndAllocateNothingLarge) {
    FBitmap picture = coordinateBitmap(40, 30);
    SkinFrame huge = kFrame;
    huge.rightTop.x = INT32_MAX;
    huge.client.bottom = INT32_MIN;
    const SkinFrame t = targetFrame(huge, kSkinW, kSkinH, 50, 40); // 25 - INT32_MIN would overflow in 32 bits
    EXPECT_EQ(t.client.bottom, INT32_MIN + 15);
    FBitmap dest;
    composeSkinImage(huge, t, dest, picture, kSkinRect, 50, 40, DrawClient::Yes, {true, true, true, true});
    EXPECT_EQ(dest.width(), 50);
    expectPixels(dest, [](int, int) { return std::nullopt; });

    // A stretched piece tens of thousands of pixels high within range: scaled straight from the
    // picture, never copied into a bitmap of its own size; strips never outgrow the window.
    SkinFrame tall = kFrame;
    tall.client = {4, 60000, 26, 60010};
    FormBorderImages images;
    composeFormBorderImages(tall, targetFrame(tall, kSkinW, kSkinH, 45, 40), images, picture,
                            {0, 0, 60000, 60000}, 45, 40, {true, true, true, true});
    EXPECT_LE(images.top.height(), 40);
    EXPECT_LE(images.bottom.height(), 40);
}

// Tiling down reuses the tile above when it can; the pixels must be those of one copy per tile,
// also where tiles start above the bitmap, are cut, or reach past the source.
TEST(TileRows, EqualsACopyPerTile) {
    const FBitmap picture = coordinateBitmap(12, 20);
    struct Case {
        int srcLeft, srcRight, srcTop, d, from, to, dstLeft, dstRight;
    } cases[] = {
        {2, 8, 3, 4, 0, 30, 0, 6},  // whole rows: blocks after the first tile
        {2, 8, 3, 5, 0, 25, 0, 6},  // an exact multiple ends with a tile of no height
        {2, 8, 3, 4, -6, 30, 0, 6}, // starts above the bitmap
        {2, 9, 3, 4, 2, 17, -1, 6}, // columns left of the bitmap
        {2, 8, 17, 6, 0, 30, 0, 6}, // the piece reaches past the source's bottom
        {9, 15, 3, 4, 0, 30, 0, 6}, // and past its right edge
        {2, 6, 3, 4, 0, 30, 1, 5},  // not whole rows
        {2, 8, 3, 4, 0, 30, 0, 3},  // scaled
    };
    for (const Case& c : cases) {
        FBitmap tiled(6, 27), perTile(6, 27);
        for (FBitmap* b : {&tiled, &perTile})
            std::memset(b->bits(), 0x33, b->byteSize());
        tileRows(tiled, picture, c.srcLeft, c.srcRight, c.srcTop, c.d, c.from, c.to, c.dstLeft, c.dstRight);
        for (int k = c.from < 0 ? -c.from / c.d : 0; k <= (c.to - c.from) / c.d; ++k) {
            const int y = c.from + k * c.d, cut = std::max(y + c.d - c.to, 0);
            copyRect(perTile, {c.dstLeft, y, c.dstRight, y + c.d - cut}, picture,
                     {c.srcLeft, c.srcTop, c.srcRight, c.srcTop + c.d - cut});
        }
        EXPECT_TRUE(tiled == perTile) << "piece at row " << c.srcTop << ", tiles from " << c.from;
    }
}

// Widened rows are stored a run of repeated pixels at a time; each pixel must still be the nearest
// source pixel, and nothing right of the rectangle may be touched.
TEST(CopyRect, WidenedRowsOfEveryRunLengthKeepNearestNeighbourPixels) {
    const FBitmap picture = coordinateBitmap(40, 4);
    for (int sw : {1, 2, 3, 7, 13}) {
        for (int dw : {sw + 1, 2 * sw + 1, 8 * sw, 8 * sw + 7, 9 * sw + 5, 33}) {
            if (dw <= sw)
                continue;
            FBitmap dest(dw + 3, 4);
            dest.fill(core::rgb(1, 2, 3));
            copyRect(dest, {1, 0, 1 + dw, 4}, picture, {5, 0, 5 + sw, 4});
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < dest.width(); ++x) {
                    const Color want =
                        x < 1 || x > dw ? core::rgb(1, 2, 3) : sourceColor(5 + (x - 1) * sw / dw, y);
                    ASSERT_EQ(dest.pixel(x, y), want) << sw << " -> " << dw << " at " << x << ", " << y;
                }
        }
    }
}

// Neighbouring source pixels of one colour are widened as one run (long ones doubled from
// themselves, short ones in whole blocks that the next run overwrites); the pixels must be the same,
// and the blocks must never reach past the rectangle, wherever it ends in the row.
TEST(CopyRect, WidenedRunsOfOneColourStayInsideTheRectangle) {
    FBitmap picture(24, 1);
    for (int x = 0; x < 24; ++x) // groups of 1, 2, 3, ... equal pixels
        picture.setPixel(x, 0,
                         core::rgb(uint8_t(x < 1    ? 1
                                           : x < 3  ? 2
                                           : x < 6  ? 3
                                           : x < 10 ? 4
                                           : x < 15 ? 5
                                                    : 6),
                                   9, 9));
    for (int sw : {1, 3, 6, 15, 24})
        for (int dw : {sw + 1, 17, 47, 50, 100, 401}) {
            if (dw <= sw)
                continue;
            // The rectangle starts inside the row or left of it (its first columns cut off).
            for (auto [left, after] : {std::pair{2, 0}, {2, 1}, {2, 20}, {-7, 3}, {-dw / 2, 0}}) {
                FBitmap dest(std::max(left + dw + after, 1), 1);
                dest.fill(core::rgb(200, 201, 202));
                copyRect(dest, {left, 0, left + dw, 1}, picture, {24 - sw, 0, 24, 1});
                for (int x = 0; x < dest.width(); ++x) {
                    const Color want = x < left || x >= left + dw
                                           ? core::rgb(200, 201, 202)
                                           : picture.pixel(24 - sw + (x - left) * sw / dw, 0);
                    ASSERT_EQ(dest.pixel(x, 0), want)
                        << sw << " -> " << dw << " from " << left << " at " << x;
                }
            }
        }
}

// Reused strips are cleared in place only where the pieces would not write every pixel (a skin
// rectangle reaching past the picture); either way they must show the fresh strips' pixels.
TEST(ComposeFormBorderImages, ReusedStripsGiveTheFreshStripsPixels) {
    const FBitmap picture = coordinateBitmap(40, 30);
    for (Rect skinRect : {kSkinRect, Rect{15, 10, 45, 35}, Rect{-4, -3, 26, 22}}) {
        FormBorderImages reused;
        for (auto [w, h] : {std::pair{97, 88}, {97, 88}, {97, 60}, {50, 60}, {50, 60}, {12, 9}}) {
            const SkinFrame t = targetFrame(kFrame, kSkinW, kSkinH, w, h);
            for (BandStretch stretch : {BandStretch{}, BandStretch{true, true, true, true}}) {
                FormBorderImages fresh;
                composeFormBorderImages(kFrame, t, fresh, picture, skinRect, w, h, stretch);
                for (FBitmap* b : {&reused.top, &reused.bottom, &reused.left, &reused.right})
                    if (!b->isEmpty())
                        std::memset(b->bits(), 0x5a, b->byteSize());
                const uint8_t* topBits = reused.top.bits();
                const int32_t topWidth = reused.top.width(), topHeight = reused.top.height();
                composeFormBorderImages(kFrame, t, reused, picture, skinRect, w, h, stretch);
                if (topWidth == w && topHeight == reused.top.height()) {
                    EXPECT_EQ(reused.top.bits(), topBits) << "the top strip keeps its storage";
                }
                for (auto [a, b] : {std::pair{&fresh.top, &reused.top},
                                    {&fresh.bottom, &reused.bottom},
                                    {&fresh.left, &reused.left},
                                    {&fresh.right, &reused.right}})
                    EXPECT_TRUE(*a == *b) << w << " x " << h << " from " << skinRect.left << ", "
                                          << skinRect.top << (stretch.top ? " stretched" : " tiled");
            }
        }
    }
}

// A side band whose rows are all alike (a plain vertical border) is drawn as one row repeated down the
// strip; every row of a reused strip must then show that row, tiled or stretched, at any height.
TEST(ComposeFormBorderImages, PlainSideBandsFillTheirWholeStrips) {
    FBitmap picture = coordinateBitmap(40, 30);
    const Rect c = kFrame.client;
    for (int y = kSkinRect.top + c.top; y < kSkinRect.top + c.bottom; ++y)
        for (int x : {5, 6, 7, 8, 31, 32, 33, 34}) // the side bands' columns
            picture.setPixel(x, y, sourceColor(x, 0));
    FormBorderImages strips;
    for (auto [w, h] : {std::pair{97, 88}, {97, 300}, {50, 30}}) {
        for (BandStretch stretch : {BandStretch{}, BandStretch{true, true, true, true}}) {
            for (FBitmap* b : {&strips.left, &strips.right})
                if (!b->isEmpty())
                    std::memset(b->bits(), 0x5a, b->byteSize());
            composeFormBorderImages(kFrame, targetFrame(kFrame, kSkinW, kSkinH, w, h), strips, picture,
                                    kSkinRect, w, h, stretch);
            ASSERT_EQ(strips.left.height(), h - strips.top.height() - strips.bottom.height());
            expectPixels(strips.left, [](int x, int) { return Point{kSkinRect.left + x, 0}; });
            expectPixels(strips.right, [c](int x, int) { return Point{kSkinRect.left + c.right + x, 0}; });
        }
    }
}

// A source row with the same pixels as the one before it is not widened again but copied from the
// row just written; a row that differs only outside the copied columns counts as the same.
TEST(CopyRect, SourceRowsWithEqualPixelsGiveEqualRowsAndOthersTheirOwn) {
    FBitmap picture = coordinateBitmap(10, 4);
    for (int x = 2; x < 5; ++x) {
        picture.setPixel(x, 1, sourceColor(x, 0));
        picture.setPixel(x, 3, sourceColor(x, 2));
    }
    picture.setPixel(9, 3, core::clWhite); // outside the copied columns 2..4
    FBitmap dest(20, 4);
    copyRect(dest, {0, 0, 20, 4}, picture, {2, 0, 5, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(dest.pixel(x, y), sourceColor(2 + x * 3 / 20, y / 2 * 2)) << x << ", " << y;
}

// Tiling across repeats each row from itself when it can; the pixels must be those of one copy per
// tile, also for tiles starting left of the bitmap, cut ones, scaled rows and pieces past the source.
TEST(TileColumns, EqualsACopyPerTile) {
    const FBitmap picture = coordinateBitmap(20, 12);
    struct Case {
        int srcLeft, srcTop, srcBottom, d, from, to, dstTop, dstBottom;
    } cases[] = {
        {2, 3, 8, 4, 0, 30, 0, 5},  // whole tiles repeated along each row
        {2, 3, 8, 5, 3, 23, 1, 6},  // an exact multiple ends with a tile of no width
        {2, 3, 8, 1, 0, 27, 0, 5},  // one-pixel tiles
        {2, 3, 8, 4, -6, 30, 0, 5}, // starts left of the bitmap
        {2, 3, 8, 4, 25, 40, 0, 5}, // the first tile does not fit
        {17, 3, 8, 6, 0, 30, 0, 5}, // the piece reaches past the source's right edge
        {2, 9, 14, 4, 0, 30, 0, 5}, // and past its bottom
        {2, 3, 8, 4, 0, 30, 0, 3},  // scaled rows
        {2, 3, 8, 4, 0, 30, -2, 3}, // rows above the bitmap
    };
    for (const Case& c : cases) {
        FBitmap tiled(27, 6), perTile(27, 6);
        for (FBitmap* b : {&tiled, &perTile})
            std::memset(b->bits(), 0x33, b->byteSize());
        tileColumns(tiled, picture, c.srcLeft, c.srcTop, c.srcBottom, c.d, c.from, c.to, c.dstTop,
                    c.dstBottom);
        for (int k = c.from < 0 ? -c.from / c.d : 0; k <= (c.to - c.from) / c.d; ++k) {
            const int x = c.from + k * c.d, cut = std::max(x + c.d - c.to, 0);
            copyRect(perTile, {x, c.dstTop, x + c.d - cut, c.dstBottom}, picture,
                     {c.srcLeft, c.srcTop, c.srcLeft + c.d - cut, c.srcBottom});
        }
        EXPECT_TRUE(tiled == perTile) << "piece at column " << c.srcLeft << ", tiles from " << c.from;
    }
}
