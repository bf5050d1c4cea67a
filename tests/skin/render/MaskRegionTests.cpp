#include "TestBitmaps.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/SkinCompose.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>

using namespace skin;
using core::FBitmap;
using skintest::bitmapFromText;

namespace {

std::string regionText(const Region& region, int w, int h) {
    std::string s;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            s += region.contains({x, y}) ? '#' : '.';
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

int32_t readInt32(const std::vector<uint8_t>& b, size_t at) {
    int32_t v;
    std::memcpy(&v, &b[at], 4);
    return v;
}

// A mask with round corners and a notch in the middle of every side.
FBitmap notchedMask() {
    return bitmapFromText({
        "...##########...",
        ".##############.",
        ".######.#######.",
        "################",
        "#.############.#",
        "################",
        "################",
        ".##############.",
        "...####.#####...",
    });
}
// Its frame: mask area (2, 2, 14, 7), middles of 4 columns and 2 rows.
const SkinFrame kMaskFrame{{5, 3}, {9, 3}, {6, 5}, {10, 5}, {2, 2, 14, 7}};

} // namespace

TEST(MaskRuns, OnlyPureBlackIsInsideAndRunsStopAtTheEdge) {
    struct Case {
        std::initializer_list<std::string> mask;
        std::vector<Rect> runs; // at offset (10, 20)
    } cases[] = {
        {{"r#r", "..."}, {{11, 20, 12, 21}}},                                // (0, 0, 1) is outside
        {{"..##", "####"}, {{12, 20, 14, 21}, {10, 21, 14, 22}}},            // runs reaching the right edge
        {{"#.#.#"}, {{10, 20, 11, 21}, {12, 20, 13, 21}, {14, 20, 15, 21}}}, // one-pixel runs, left to right
        {{"###", "###", "###"},
         {{10, 20, 13, 21}, {10, 21, 13, 22}, {10, 22, 13, 23}}}, // one per row, not merged
        {{"....", "...."}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(maskRuns(bitmapFromText(c.mask), 10, 20), c.runs);
}

// Runs are found eight pixels at a time: random masks of many widths, with pixels that differ from
// black in one channel only, give the runs a pixel-by-pixel scan gives.
TEST(MaskRuns, WholeBlocksGiveThePixelByPixelRuns) {
    uint32_t seed = 7;
    auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    for (int w : {1, 7, 8, 9, 15, 16, 17, 23, 24, 25, 40, 63, 64, 65, 130}) {
        FBitmap mask(w, 12);
        for (int y = 0; y < mask.height(); ++y) {
            const uint32_t runLength = 1 + next() % 20; // long runs cross whole blocks
            bool inside = next() % 2;
            for (int x = 0; x < w; ++x) {
                if (x % int(runLength) == 0)
                    inside = next() % 3 != 0;
                const uint8_t off = uint8_t(1u << (next() % 8));
                const uint32_t channel = next() % 3;
                mask.setPixel(x, y,
                              inside ? core::clBlack
                                     : core::rgb(channel == 0 ? off : 0, channel == 1 ? off : 0,
                                                 channel == 2 ? off : 0));
            }
        }
        std::vector<core::Rect> expected;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < w;) {
                if (!isMaskPixelInside(mask.pixelAt(x, y))) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < w && isMaskPixelInside(mask.pixelAt(x, y)))
                    ++x;
                expected.push_back({start + 3, y - 2, x + 3, y - 1});
            }
        EXPECT_EQ(maskRuns(mask, 3, -2), expected) << "width " << w;
    }
}

TEST(RegionRectsFromMask, BlockHasTheRegionDataLayout) {
    FBitmap mask = bitmapFromText({".##.", "...."});
    const std::vector<uint8_t> block = regionRectsFromMask(mask, 3, -2);
    ASSERT_EQ(block.size(), 32u + 16u);
    EXPECT_EQ(readInt32(block, 0), 32);
    EXPECT_EQ(readInt32(block, 4), 1);
    EXPECT_EQ(readInt32(block, 8), 1);
    EXPECT_EQ(readInt32(block, 12), 0);
    // Bounds: the offset mask rectangle.
    EXPECT_EQ(readInt32(block, 16), 3);
    EXPECT_EQ(readInt32(block, 20), -2);
    EXPECT_EQ(readInt32(block, 24), 7);
    EXPECT_EQ(readInt32(block, 28), 0);
    EXPECT_EQ(regionDataRects(block), (std::vector<Rect>{{4, -2, 6, -1}}));
}

TEST(RegionRectsFromMask, BoundsStandWithoutBlackPixelsAndAnEmptyMaskGivesNoBlock) {
    FBitmap white = bitmapFromText({"...", "..."});
    const std::vector<uint8_t> block = regionRectsFromMask(white, 1, 1);
    ASSERT_EQ(block.size(), 32u);
    EXPECT_EQ(readInt32(block, 8), 0);
    EXPECT_EQ(readInt32(block, 24), 4);
    EXPECT_EQ(readInt32(block, 28), 3);
    EXPECT_TRUE(regionRectsFromMask(FBitmap(), 0, 0).empty());
}

TEST(RegionRectsFromMask, MoreRunsThanAnyFixedBufferAreAllKept) {
    // A checkerboard of 300 x 100: 15,000 runs, well past the old 10,001-run buffer.
    FBitmap mask(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            mask.setPixel(x, y, (x + y) % 2 ? core::clWhite : core::clBlack);
    const std::vector<uint8_t> block = regionRectsFromMask(mask, 0, 0);
    ASSERT_EQ(block.size(), 32u + 16u * 15000u);
    const std::vector<Rect> rects = regionDataRects(block);
    ASSERT_EQ(rects.size(), 15000u);
    EXPECT_EQ(rects.back(), (Rect{299, 99, 300, 100}));
    EXPECT_EQ(maskRegion(mask).rects().size(), 15000u);
}

TEST(RegionDataRects, RejectsBlocksThatClaimMoreThanTheyHold) {
    std::vector<uint8_t> block = makeRegionData({{0, 0, 1, 1}, {2, 0, 3, 1}}, {0, 0, 3, 1});
    block.resize(block.size() - 1);
    EXPECT_TRUE(regionDataRects(block).empty());
    EXPECT_TRUE(regionDataRects({1, 2, 3}).empty());
}

TEST(Region, UnionIsCanonicalWhateverTheInputOrder) {
    const std::vector<Rect> a{{0, 0, 4, 2}, {2, 1, 6, 3}, {10, 0, 12, 1}, {0, 3, 6, 5}, {5, 5, 5, 9}};
    std::vector<Rect> b(a.rbegin(), a.rend());
    const Region ra = Region::fromRects(a), rb = Region::fromRects(b);
    EXPECT_EQ(ra, rb);
    EXPECT_EQ(ra.rects(),
              (std::vector<Rect>{{0, 0, 4, 1}, {10, 0, 12, 1}, {0, 1, 6, 2}, {2, 2, 6, 3}, {0, 3, 6, 5}}));
    EXPECT_EQ(ra.bounds(), (Rect{0, 0, 12, 5}));
    // Touching spans merge, and bands with equal spans coalesce.
    EXPECT_EQ(Region::fromRects({{0, 0, 2, 1}, {2, 0, 4, 1}, {0, 1, 4, 3}}).rects(),
              (std::vector<Rect>{{0, 0, 4, 3}}));
    Region r(Rect{0, 0, 2, 2});
    r.unite(Region(Rect{5, 5, 6, 6}));
    r.translate(1, 1);
    EXPECT_TRUE(r.contains({6, 6}));
    EXPECT_FALSE(r.contains({3, 3}));
}

TEST(SplitMaskBorders, WiderWindowRepeatsTheMiddleColumnsInLine) {
    const FBitmap mask = bitmapFromText({
        ".######.",
        "########",
        "########",
        "########",
        "########",
        ".#.##.#.",
    });
    const SkinFrame s{{2, 2}, {6, 2}, {2, 4}, {6, 4}, {1, 1, 7, 5}};
    const SkinFrame t = targetFrame(s, 8, 6, 10, 6);
    const std::optional<Region> region = composeMaskRegion(s, t, mask, 10, 6);
    ASSERT_TRUE(region);
    EXPECT_EQ(regionText(*region, 10, 6),
              lines({
                  ".########.", "##########", "##########", "##########", "##########",
                  ".#.##..##.", // bottom middle: mask columns 2..5 from x 2, cut at 8
              }));
}

namespace {

// Where a strip pixel comes from along a band: fixed piece before `from`, fixed piece from `after`
// past `to`, else the middle of d pieces from `start`, repeated from `origin`.
int bandSource(int v, int from, int to, int start, int d, int after, int origin) {
    if (v < from)
        return v;
    if (v >= to)
        return after + (v - to);
    return start + (v - origin) % d;
}

// Whether window pixel (x, y) of a w x h window belongs to the window as the split mask says: the top
// and bottom middles repeat from the target corner points, the side middles from the strip's top.
bool expectedInside(const FBitmap& mask, const SkinFrame& s, const SkinFrame& t, int x, int y) {
    const Rect m = s.client, nm = t.client;
    if (nm.contains({x, y}))
        return true;
    auto black = [&](int mx, int my) { return mask.pixel(mx, my) == core::clBlack; };
    if (y < nm.top)
        return black(bandSource(x, t.leftTop.x, t.rightTop.x, s.leftTop.x, s.rightTop.x - s.leftTop.x,
                                s.rightTop.x, t.leftTop.x),
                     y);
    if (y >= nm.bottom)
        return black(bandSource(x, t.leftBottom.x, t.rightBottom.x, s.leftBottom.x,
                                s.rightBottom.x - s.leftBottom.x, s.rightBottom.x, t.leftBottom.x),
                     m.bottom + (y - nm.bottom));
    const int sy = y - nm.top, h = nm.height();
    auto sideRow = [&](int topY, int bottomY) {
        if (sy < topY - m.top)
            return m.top + sy;
        return bandSource(sy, topY - m.top, h - (m.bottom - bottomY), topY, bottomY - topY, bottomY, 0);
    };
    if (x < nm.left)
        return black(x, sideRow(s.leftTop.y, s.leftBottom.y));
    return black(m.right + (x - nm.right), sideRow(s.rightTop.y, s.rightBottom.y));
}

} // namespace

TEST(SplitMaskBorders, SideMiddlesRepeatFromTheStripTopAtEverySize) {
    // At the mask's own size too: the left and right middles (2 rows from row 3) start their repeat at
    // the strip's first row, so rows 3 and 4 of the window show mask rows 4 and 3.
    const FBitmap mask = notchedMask();
    for (auto [w, h] : {std::pair{16, 9}, {17, 9}, {16, 12}, {29, 23}, {40, 10}}) {
        const SkinFrame t = targetFrame(kMaskFrame, mask.width(), mask.height(), w, h);
        const std::optional<Region> region = composeMaskRegion(kMaskFrame, t, mask, w, h);
        ASSERT_TRUE(region);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(region->contains({x, y}), expectedInside(mask, kMaskFrame, t, x, y))
                    << w << "x" << h << " at " << x << "," << y << "\n"
                    << regionText(*region, w, h);
    }
    const SkinFrame own = targetFrame(kMaskFrame, 16, 9, 16, 9);
    const std::optional<Region> region = composeMaskRegion(kMaskFrame, own, mask, 16, 9);
    ASSERT_TRUE(region);
    EXPECT_EQ(regionText(*region, 16, 9), lines({
                                              "...##########...",
                                              ".##############.",
                                              ".##############.", // the notch lies in the mask area
                                              "#.############.#", // mask row 4
                                              "################", // mask row 3
                                              "################",
                                              "################",
                                              ".##############.",
                                              "...####.#####...",
                                          }));
}

TEST(SplitMaskBorders, OneDirectionResizingLetsTheFixedPiecesCarryTheBand) {
    // Width only: bottom points equal the top ones; the side strips have no tiled middle.
    const FBitmap mask = notchedMask();
    SkinFrame s = kMaskFrame;
    s.leftBottom = s.leftTop;
    s.rightBottom = s.rightTop;
    SkinFrame t = targetFrame(s, mask.width(), mask.height(), 30, mask.height());
    t.leftBottom = t.leftTop;
    t.rightBottom = t.rightTop;
    MaskStrips strips;
    splitMaskBorders(s, t, mask, 30, mask.height(), strips);
    ASSERT_EQ(strips.left.height(), 5);
    // Mask rows 2..3 of the left columns (fixed top piece), then rows 3..6 (fixed bottom piece).
    EXPECT_EQ(skintest::bitmapText(strips.left), lines({".#", "##", "#.", "##", "##"}));
}

TEST(ComposeMaskRegion, CrossedCornersGiveNoRegionAndTheMaskAreaIsAlwaysInside) {
    const FBitmap white = bitmapFromText({"........", "........", "........", "........"});
    const SkinFrame s{{2, 1}, {6, 1}, {2, 3}, {6, 3}, {1, 1, 7, 3}};
    SkinFrame t = targetFrame(s, 8, 4, 12, 6);
    std::optional<Region> region = composeMaskRegion(s, t, white, 12, 6);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, Region(t.client));

    SkinFrame crossed = t;
    crossed.rightTop.x = crossed.leftTop.x - 1;
    EXPECT_FALSE(composeMaskRegion(s, crossed, white, 12, 6));
    crossed = t;
    crossed.leftBottom.y = crossed.leftTop.y - 1;
    EXPECT_FALSE(composeMaskRegion(s, crossed, white, 12, 6));
}

TEST(ComposeMaskRegion, EmptyMaskAreaStillKeepsTheBorderStrips) {
    const FBitmap black = bitmapFromText({"####", "####", "####"});
    const SkinFrame s{{1, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 1, 3, 2}};
    SkinFrame t = targetFrame(s, 4, 3, 4, 3);
    t.client.right = t.client.left; // no area
    const std::optional<Region> region = composeMaskRegion(s, t, black, 4, 3);
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->contains({0, 0}));
    EXPECT_TRUE(region->contains({3, 2}));
}

TEST(SplitMaskBorders, BandsThatVanishEmptyTheirReusedStrips) {
    const FBitmap mask = notchedMask();
    MaskStrips strips;
    SkinFrame t = targetFrame(kMaskFrame, 16, 9, 20, 12);
    splitMaskBorders(kMaskFrame, t, mask, 20, 12, strips);
    ASSERT_FALSE(strips.left.isEmpty());
    t.client.bottom = t.client.top; // the window is now only as high as its top and bottom bands
    splitMaskBorders(kMaskFrame, t, mask, 20, 12, strips);
    EXPECT_TRUE(strips.left.isEmpty());
    EXPECT_TRUE(strips.right.isEmpty());
    EXPECT_FALSE(strips.top.isEmpty());
}

namespace {

// A strip of random black and white pixels whose rows come in runs of equal rows, as tiled middles do.
FBitmap randomStrip(std::mt19937& rng, int w, int h) {
    FBitmap strip(w, h);
    for (int y = 0; y < h; ++y) {
        if (y > 0 && rng() % 4 != 0) {
            std::memcpy(strip.row(y), strip.row(y - 1), size_t(3) * size_t(w));
            continue;
        }
        for (int x = 0; x < w; ++x)
            strip.setPixel(x, y, rng() % 3 == 0 ? core::clWhite : core::clBlack);
    }
    return strip;
}

// The strips' region as the union of all their runs, rectangle by rectangle.
Region regionOfRuns(const MaskStrips& s, const Rect& area) {
    std::vector<Rect> rects = maskRuns(s.top, 0, 0);
    for (const auto& [strip, x, y] : {std::tuple{&s.bottom, 0, area.bottom}, std::tuple{&s.left, 0, area.top},
                                      std::tuple{&s.right, area.right, area.top}}) {
        const std::vector<Rect> runs = maskRuns(*strip, x, y);
        rects.insert(rects.end(), runs.begin(), runs.end());
    }
    rects.push_back(area);
    return Region::fromRects(rects);
}

} // namespace

// The row-by-row build (with its skipping of repeated rows) must give the canonical union of the runs,
// whatever the strips' sizes and however they overlap the area and each other.
TEST(RegionFromMaskStrips, EqualsTheUnionOfTheStripsRuns) {
    std::mt19937 rng(19);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + int(rng() % 30), h = 1 + int(rng() % 40);
        const int top = int(rng() % 5), bottom = int(rng() % 5), side = 1 + int(rng() % 4);
        MaskStrips s;
        if (top)
            s.top = randomStrip(rng, w, top);
        if (bottom)
            s.bottom = randomStrip(rng, w, bottom);
        s.left = randomStrip(rng, side, h);
        s.right = randomStrip(rng, 1 + int(rng() % 4), rng() % 5 == 0 ? h / 2 : h);
        // Mostly an area between the bands; sometimes empty, sometimes overlapping the strips.
        const int areaTop = rng() % 6 == 0 ? int(rng() % 4) : top;
        Rect area{side, areaTop, w - 1, areaTop + h};
        if (rng() % 7 == 0)
            area.right = area.left;
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(regionFromMaskStrips(s, area), regionOfRuns(s, area));
    }
}

TEST(RegionFromMaskStrips, AnAreaFarTallerThanTheStripsCostsNoRowByRowWalk) {
    MaskStrips s;
    s.left = bitmapFromText({"#.", "##"});
    const Rect area{2, 0, 10, 1 << 30};
    const Region region = regionFromMaskStrips(s, area);
    EXPECT_EQ(region.rects(),
              (std::vector<Rect>{{0, 0, 1, 1}, {2, 0, 10, 1}, {0, 1, 10, 2}, {2, 2, 10, 1 << 30}}));
}

// Reused strips are only sized when their pieces cover them and painted white first otherwise (a
// frame reaching past the mask); whatever they held, they must show the fresh strips' pixels.
TEST(SplitMaskBorders, ReusedStripsGiveTheFreshStripsPixels) {
    const FBitmap mask = notchedMask();
    const SkinFrame frames[] = {kMaskFrame,
                                {{5, 3}, {9, 3}, {6, 5}, {10, 5}, {2, 2, 18, 11}},   // area past the mask
                                {{5, 3}, {19, 3}, {6, 5}, {10, 12}, {-1, 2, 14, 7}}, // points past it
                                {{5, 3}, {5, 3}, {6, 5}, {6, 5}, {2, 2, 14, 7}}};    // middles of no size
    for (const SkinFrame& frame : frames) {
        MaskStrips reused;
        for (auto [w, h] : {std::pair{20, 12}, {20, 12}, {31, 12}, {31, 25}, {9, 6}}) {
            const SkinFrame t = targetFrame(frame, 16, 9, w, h);
            MaskStrips fresh;
            splitMaskBorders(frame, t, mask, w, h, fresh);
            for (FBitmap* b : {&reused.top, &reused.bottom, &reused.left, &reused.right})
                if (!b->isEmpty())
                    b->fill(core::rgb(9, 9, 9)); // outside, where a fresh strip not painted over is inside
            splitMaskBorders(frame, t, mask, w, h, reused);
            for (auto [a, b] : {std::pair{&fresh.top, &reused.top},
                                {&fresh.bottom, &reused.bottom},
                                {&fresh.left, &reused.left},
                                {&fresh.right, &reused.right}})
                EXPECT_EQ(skintest::bitmapText(*b), skintest::bitmapText(*a))
                    << w << " x " << h << ", area right " << frame.client.right;
        }
    }
}

TEST(SplitMaskBorders, WhatNoPieceReachesLiesOutsideTheWindow) {
    // Middles of no size: between the fixed pieces of a wider window nothing is drawn.
    const SkinFrame frame{{5, 3}, {5, 3}, {6, 5}, {6, 5}, {2, 2, 14, 7}};
    MaskStrips strips;
    for (int round = 0; round < 2; ++round) { // fresh strips, then reused ones
        if (round == 1)
            strips.top.fill(core::clBlack);
        splitMaskBorders(frame, targetFrame(frame, 16, 9, 20, 12), notchedMask(), 20, 12, strips);
        // Columns 5..8 lie between the left piece (0..5) and the right one (9..20).
        EXPECT_EQ(skintest::bitmapText(strips.top), lines({"...##....########...", ".####....##########."}));
    }
}
