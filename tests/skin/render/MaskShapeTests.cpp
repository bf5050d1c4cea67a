#include "skin/render/MaskShape.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace skin;
using core::FBitmap;
using core::Rect;

namespace {

// A mask of black (inside), white and other (outside) pixels; some rows repeat the one above, some
// whole columns are one colour, as skins' masks have.
FBitmap randomMask(std::mt19937& rng, int w, int h) {
    FBitmap mask(w, h);
    const core::Color colours[] = {core::clBlack, core::clBlack, core::clWhite, core::rgb(0, 0, 1)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (y > 0 && rng() % 3 == 0)
                mask.setPixel(x, y, mask.pixel(x, y - 1));
            else
                mask.setPixel(x, y, colours[rng() % 4]);
        }
    return mask;
}

int32_t pick(std::mt19937& rng, int32_t from, int32_t to) {
    return from + int32_t(rng() % uint32_t(to - from + 1));
}

// Mostly frames inside the mask, in order; sometimes anything near it.
SkinFrame randomFrame(std::mt19937& rng, int w, int h) {
    if (rng() % 5 == 0) {
        auto any = [&](int n) { return pick(rng, -3, n + 3); };
        return {{any(w), any(h)},
                {any(w), any(h)},
                {any(w), any(h)},
                {any(w), any(h)},
                {any(w), any(h), any(w), any(h)}};
    }
    Rect area{pick(rng, 0, w), pick(rng, 0, h), 0, 0};
    area.right = pick(rng, area.left, w);
    area.bottom = pick(rng, area.top, h);
    const int32_t ltx = pick(rng, 0, w), lbx = pick(rng, 0, w);
    const int32_t lty = pick(rng, area.top, area.bottom), rty = pick(rng, area.top, area.bottom);
    return {{ltx, lty},
            {pick(rng, ltx, w), rty},
            {lbx, pick(rng, lty, area.bottom)},
            {pick(rng, lbx, w), pick(rng, rty, area.bottom)},
            area};
}

} // namespace

namespace {
// Texts built with a stream: string concatenation trips a false -Wrestrict warning of GCC 12 at -O3.
std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ") ";
}

std::string text(const Region& region) {
    std::ostringstream s;
    for (const Rect& r : region.rects())
        s << r;
    return s.str();
}

std::ostream& operator<<(std::ostream& os, const SkinFrame& f) {
    for (const Point& p : {f.leftTop, f.rightTop, f.leftBottom, f.rightBottom})
        os << p.x << "," << p.y << " ";
    return os << f.client;
}

// A failing case in full: the mask's rows (# inside), both frames and the size.
std::string describe(int round, const FBitmap& mask, const SkinFrame& source, const SkinFrame& target, int w,
                     int h) {
    std::ostringstream s;
    s << "round " << round << ", " << w << " x " << h << "; source " << source << "; target " << target
      << "; mask ";
    for (int y = 0; y < mask.height(); ++y, s << "/")
        for (int x = 0; x < mask.width(); ++x)
            s << (mask.pixel(x, y) == core::clBlack ? '#' : '.');
    return s.str();
}

} // namespace

// Reading the pieces must give exactly what composing the strips gives: the same region and the same
// answer for every point, for any mask, frame and window size, also when one shape is laid out for
// one size after another.
TEST(MaskShape, GivesTheComposedStripsRegionAndInsideTest) {
    std::mt19937 rng(4);
    int direct = 0, layouts = 0;
    for (int round = 0; round < 1500; ++round) {
        const int mw = pick(rng, 1, 14), mh = pick(rng, 1, 14);
        const FBitmap mask = randomMask(rng, mw, mh);
        const SkinFrame source = randomFrame(rng, mw, mh);
        MaskShape shape(source, mask);
        for (int size = 0; size < 3; ++size) {
            const bool large = rng() % 10 == 0;
            const int w = pick(rng, 0, large ? 300 : 40), h = pick(rng, 0, large ? 300 : 40);
            SkinFrame target = targetFrame(source, mw, mh, w, h);
            if (rng() % 8 == 0)
                target.rightTop.x = pick(rng, -2, w + 2); // a right piece of another width
            MaskStrips strips;
            splitMaskBorders(source, target, mask, w, h, strips);
            shape.layout(target, w, h);
            SCOPED_TRACE(describe(round, mask, source, target, w, h));
            ++layouts;
            direct += shape.readsPieces();
            ASSERT_EQ(text(shape.region()), text(regionFromMaskStrips(strips, target.client)));
            for (int y = -2; y < std::min(h, 60) + 2; ++y)
                for (int x = -2; x < std::min(w, 60) + 2; ++x)
                    ASSERT_EQ(shape.contains(target.client, {x, y}),
                              maskShapeContains(strips, target.client, {x, y}))
                        << "at " << x << ", " << y;
        }
    }
    // Most layouts must take the direct path, or the comparison above proves little.
    EXPECT_GT(direct, layouts / 2);
}

// A window far taller than its mask costs a band per run of equal rows, not a walk over its rows.
TEST(MaskShape, ATallWindowIsBuiltABandAtATime) {
    FBitmap mask(10, 10); // black, with a notch in the top band's corner
    mask.setPixel(0, 0, core::clWhite);
    const SkinFrame frame{{3, 3}, {6, 3}, {3, 7}, {6, 7}, {2, 2, 8, 8}};
    MaskShape shape(frame, mask);
    const int32_t h = 60000;
    shape.layout(targetFrame(frame, 10, 10, 50, h), 50, h);
    ASSERT_TRUE(shape.readsPieces());
    EXPECT_EQ(shape.region().rects(), (std::vector<Rect>{{1, 0, 50, 1}, {0, 1, 50, h}}));
    EXPECT_FALSE(shape.contains({2, 2, 42, h - 2}, {0, 0}));
    EXPECT_TRUE(shape.contains({2, 2, 42, h - 2}, {0, h / 2}));
}
