#include "skin/render/EffectBmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace skin;

namespace {

// A grey bitmap (all three channels equal) from a function of the position.
EffectBmp grey(int w, int h, const std::function<int(int, int)>& value) {
    EffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t v = uint8_t(value(x, y));
            b.setPixel(x, y, {v, v, v});
        }
    return b;
}

// Row y as grey values; fails when a pixel's channels differ or rows differ where they should not.
std::vector<int> row(const EffectBmp& b, int y = 0) {
    std::vector<int> values;
    for (int x = 0; x < b.width(); ++x) {
        const EffectBmp::Pixel p = b.pixel(x, y);
        EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << "pixel " << x << "," << y;
        values.push_back(p[0]);
    }
    return values;
}

std::vector<int> column(const EffectBmp& b, int x = 0) {
    std::vector<int> values;
    for (int y = 0; y < b.height(); ++y)
        values.push_back(b.pixel(x, y)[0]);
    return values;
}

struct BlendCase {
    Blend blend;
    double k;
    std::vector<int> expected; // every row
};

// own 0 and target 200: each result shows the target's weight at that column.
void checkWeights(const BlendCase& c) {
    EffectBmp own = grey(10, 3, [](int, int) { return 0; });
    const EffectBmp target = grey(10, 3, [](int, int) { return 200; });
    own.blend(c.blend, target, c.k);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(row(own, y), c.expected) << "blend " << int(c.blend) << " k " << c.k << " row " << y;
}

// own 10x and target 100 + 10x: each result shows which column it came from.
void checkPositions(const BlendCase& c) {
    EffectBmp own = grey(10, 2, [](int x, int) { return 10 * x; });
    const EffectBmp target = grey(10, 2, [](int x, int) { return 100 + 10 * x; });
    own.blend(c.blend, target, c.k);
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(row(own, y), c.expected) << "blend " << int(c.blend) << " k " << c.k << " row " << y;
}

} // namespace

TEST(Blends, WeightsAtTheEndsOutOfRangeAndMidway) {
    const std::vector<int> own(10, 0), target(10, 200);
    const BlendCase cases[] = {
        {Blend::CrossFade, 0, own},
        {Blend::CrossFade, 1, target},
        {Blend::CrossFade, 1.5, target},
        {Blend::CrossFade, -0.2, own},
        {Blend::CrossFade, NAN, own},
        {Blend::CrossFade, 0.25, std::vector<int>(10, 50)},
        // The centre column is the target even at k = 0; the ramps reach the own image at the edges.
        {Blend::CentreGradient, 0, {0, 40, 80, 120, 160, 200, 160, 120, 80, 40}},
        {Blend::CentreGradient, 0.5, {0, 0, 100, 200, 200, 200, 200, 200, 100, 0}},
        {Blend::CentreGradient, 1, target},
        {Blend::CentreGradient, 1.5, target},
        {Blend::CentreGradient, -1, {0, 40, 80, 120, 160, 200, 160, 120, 80, 40}},
        // At least one column changes even for k = 0; column a keeps the own image.
        {Blend::LeftGradient, 0, {200, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {Blend::LeftGradient, 0.5, {200, 160, 120, 80, 40, 0, 0, 0, 0, 0}},
        {Blend::LeftGradient, 1, {200, 178, 156, 133, 111, 89, 67, 44, 22, 0}},
        {Blend::LeftGradient, 7, {200, 178, 156, 133, 111, 89, 67, 44, 22, 0}},
        {Blend::RightGradient, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 200}},
        {Blend::RightGradient, 0.5, {0, 0, 0, 0, 0, 40, 80, 120, 160, 200}},
        {Blend::RightGradient, 1, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}},
        {Blend::RightGradient, -3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 200}},
    };
    for (const BlendCase& c : cases)
        checkWeights(c);
}

TEST(Blends, SlidesAndPushMoveWholeColumns) {
    const BlendCase cases[] = {
        {Blend::LeftSlide, 0, {190, 10, 20, 30, 40, 50, 60, 70, 80, 90}}, // at least one column
        {Blend::LeftSlide, 0.3, {170, 180, 190, 30, 40, 50, 60, 70, 80, 90}},
        {Blend::LeftSlide, 1, {110, 120, 130, 140, 150, 160, 170, 180, 190, 90}}, // at most W - 1
        {Blend::LeftSlide, 2, {110, 120, 130, 140, 150, 160, 170, 180, 190, 90}},
        {Blend::RightSlide, 0, {0, 10, 20, 30, 40, 50, 60, 70, 80, 100}},
        {Blend::RightSlide, 0.3, {0, 10, 20, 30, 40, 50, 60, 100, 110, 120}},
        {Blend::RightSlide, 1, {0, 100, 110, 120, 130, 140, 150, 160, 170, 180}},
        // The own image moves a + 1 columns right; the target's last a + 1 columns enter from the left.
        {Blend::Push, 0, {190, 0, 10, 20, 30, 40, 50, 60, 70, 80}},
        {Blend::Push, 0.3, {160, 170, 180, 190, 0, 10, 20, 30, 40, 50}},
        {Blend::Push, 1, {100, 110, 120, 130, 140, 150, 160, 170, 180, 190}},
        {Blend::Push, -1, {190, 0, 10, 20, 30, 40, 50, 60, 70, 80}},
    };
    for (const BlendCase& c : cases)
        checkPositions(c);
}

TEST(Blends, CentreGradientRunsOverRowsWhenTallerThanWide) {
    const EffectBmp target = grey(2, 10, [](int, int) { return 200; });
    EffectBmp own = grey(2, 10, [](int, int) { return 0; });
    own.centreGradient(target, 0);
    EXPECT_EQ(column(own, 0), (std::vector<int>{0, 0, 50, 100, 150, 200, 150, 100, 50, 0}));
    EXPECT_EQ(column(own, 1), column(own, 0));
    // At k = 1 the ramp length is 0: its step is 0, so the edges stay at the target.
    own = grey(2, 10, [](int, int) { return 0; });
    own.centreGradient(target, 1);
    EXPECT_EQ(column(own, 0), std::vector<int>(10, 200));
}

TEST(Blends, MismatchedSizesAndDegenerateBitmapsAreLeftAlone) {
    const EffectBmp other = grey(9, 3, [](int, int) { return 200; });
    for (Blend b : {Blend::CrossFade, Blend::CentreGradient, Blend::LeftGradient, Blend::RightGradient,
                    Blend::LeftSlide, Blend::RightSlide, Blend::Push}) {
        EffectBmp own = grey(10, 3, [](int, int) { return 7; });
        own.blend(b, other, 0.5);
        EXPECT_EQ(row(own), std::vector<int>(10, 7));
        // One column wide: whatever happens stays inside the bitmap.
        EffectBmp thin = grey(1, 4, [](int, int) { return 7; });
        thin.blend(b, grey(1, 4, [](int, int) { return 9; }), 0.5);
        EffectBmp none(0, 0);
        none.blend(b, EffectBmp(0, 0), 0.5);
    }
}

TEST(Rounding, NearestWithTiesToEven) {
    EXPECT_EQ(roundChannel(0.5), 0);
    EXPECT_EQ(roundChannel(1.5), 2);
    EXPECT_EQ(roundChannel(2.5), 2);
    EXPECT_EQ(roundChannel(2.5000001), 3);
    EXPECT_EQ(roundChannel(-3), 0);
    EXPECT_EQ(roundChannel(300), 255);
    EXPECT_EQ(roundChannel(NAN), 0);
    // Cross-fade halfway between 0 and 1, and between 0 and 3.
    EffectBmp own = grey(2, 1, [](int, int) { return 0; });
    own.crossFade(grey(2, 1, [](int x, int) { return x ? 3 : 1; }), 0.5);
    EXPECT_EQ(row(own), (std::vector<int>{0, 2}));
}

TEST(Filters, ChannelFormulas) {
    struct Case {
        std::function<void(EffectBmp&)> apply;
        std::vector<int> input, expected;
    } cases[] = {
        {[](EffectBmp& b) { b.brighten(0.5); }, {0, 1, 2, 3, 255}, {128, 128, 128, 129, 255}},
        {[](EffectBmp& b) { b.brighten(2); }, {0, 100, 255}, {255, 255, 255}},
        {[](EffectBmp& b) { b.brighten(-1); }, {0, 100, 255}, {0, 100, 255}},
        {[](EffectBmp& b) { b.darken(0.3); }, {255, 5, 100, 0}, {178, 4, 70, 0}},
        {[](EffectBmp& b) { b.invert(); }, {0, 1, 254, 255}, {255, 254, 1, 0}},
        {[](EffectBmp& b) { b.applyFilter(Filter::Brighten); }, {2}, {128}},
        {[](EffectBmp& b) { b.applyFilter(Filter::Darken); }, {100}, {70}},
    };
    for (const Case& c : cases) {
        EffectBmp b = grey(int(c.input.size()), 2, [&](int x, int) { return c.input[size_t(x)]; });
        c.apply(b);
        EXPECT_EQ(row(b, 0), c.expected);
        EXPECT_EQ(row(b, 1), c.expected);
    }
}

TEST(Filters, GrayscaleWeighsRedGreenBlue) {
    EffectBmp b(3, 1);
    b.setPixel(0, 0, {255, 255, 255});
    b.setPixel(1, 0, {0, 0, 0});
    b.setPixel(2, 0, {200, 150, 100}); // blue 200, green 150, red 100: 140.5, a tie
    b.grayscale();
    EXPECT_EQ(row(b), (std::vector<int>{255, 0, 140}));
}

TEST(Filters, InvertTwiceRestores) {
    EffectBmp b = grey(5, 3, [](int x, int y) { return x * 50 + y; });
    const core::FBitmap before = b.bitmap().clone();
    b.invert();
    EXPECT_FALSE(b.bitmap() == before);
    b.invert();
    EXPECT_TRUE(b.bitmap() == before);
}

TEST(Filters, NoiseAddsOneClampedOffsetPerPixel) {
    EffectBmp b(4, 1);
    b.setPixel(0, 0, {10, 100, 250});
    b.setPixel(1, 0, {10, 100, 250});
    b.setPixel(2, 0, {0, 0, 0});
    b.setPixel(3, 0, {255, 255, 255});
    std::vector<int32_t> draws{0, 49, 30, 10};
    size_t next = 0;
    b.noise(50, [&](int32_t n) {
        EXPECT_EQ(n, 50);
        return draws[next++];
    });
    EXPECT_EQ(next, 4u);
    EXPECT_EQ(b.pixel(0, 0), (EffectBmp::Pixel{0, 75, 225}));    // -25
    EXPECT_EQ(b.pixel(1, 0), (EffectBmp::Pixel{34, 124, 255}));  // +24
    EXPECT_EQ(b.pixel(2, 0), (EffectBmp::Pixel{5, 5, 5}));       // +5
    EXPECT_EQ(b.pixel(3, 0), (EffectBmp::Pixel{240, 240, 240})); // -15

    b.noise(0, [](int32_t) -> int32_t { throw std::logic_error("no draw for amount 0"); });
    b.noise(50); // the shared generator stays within the bitmap
}

TEST(Filters, SplitBlurWorksInPlaceAndTakesTheLastRowsSamplesFromRowOne) {
    const int values[3][3] = {{0, 40, 80}, {120, 160, 200}, {240, 20, 60}};
    EffectBmp b = grey(3, 3, [&](int x, int y) { return values[y][x]; });
    b.splitBlur(1);
    EXPECT_EQ(row(b, 0), (std::vector<int>{80, 120, 140})); // (0,0) already blurred when (1,0) is made
    EXPECT_EQ(row(b, 1), (std::vector<int>{115, 130, 70}));
    EXPECT_EQ(row(b, 2), (std::vector<int>{122, 92, 130})); // lower samples from row 3 - 2 = 1

    EffectBmp same = grey(3, 3, [&](int x, int y) { return values[y][x]; });
    same.splitBlur(0);
    EXPECT_EQ(row(same, 2), (std::vector<int>{240, 20, 60}));
}

TEST(Filters, SplitBlurStaysInsideSmallBitmaps) {
    EffectBmp dot = grey(1, 1, [](int, int) { return 77; });
    dot.splitBlur(1);
    EXPECT_EQ(row(dot), std::vector<int>{77});

    EffectBmp line = grey(3, 1, [](int x, int) { return 100 * x; });
    line.splitBlur(1);
    EXPECT_EQ(row(line), (std::vector<int>{50, 125, 125}));

    EffectBmp tall = grey(1, 3, [](int, int y) { return 100 * y; });
    tall.splitBlur(1);
    EXPECT_EQ(column(tall), (std::vector<int>{50, 125, 125}));

    // An amount past the size on both sides.
    EffectBmp small = grey(2, 2, [](int x, int y) { return 10 * x + 100 * y; });
    small.splitBlur(5);
    small.splitBlur(-2);
}

TEST(EffectBmp, FlipIntoMirrorsRows) {
    const EffectBmp b = grey(2, 3, [](int x, int y) { return 10 * y + x; });
    EffectBmp flipped(2, 3);
    b.flipInto(flipped);
    EXPECT_EQ(column(flipped, 1), (std::vector<int>{21, 11, 1}));
    EffectBmp wrongSize(2, 2);
    b.flipInto(wrongSize); // nothing
}

TEST(SelectionTables, MorphKindsAndInactiveEffects) {
    const Blend blends[] = {Blend::CrossFade,     Blend::CentreGradient, Blend::LeftGradient,
                            Blend::RightGradient, Blend::LeftSlide,      Blend::RightSlide,
                            Blend::Push};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(blendForMorphKind(i), blends[i]);
    EXPECT_EQ(blendForMorphKind(7), Blend::CrossFade);
    EXPECT_EQ(blendForMorphKind(-1), Blend::CrossFade);

    const Filter filters[] = {Filter::Brighten, Filter::Darken,    Filter::Grayscale,
                              Filter::Noise,    Filter::SplitBlur, Filter::Invert};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(filterForInactiveEffect(i), filters[i]);
    EXPECT_EQ(filterForInactiveEffect(6), Filter::Grayscale);
    EXPECT_EQ(filterForInactiveEffect(-1), Filter::Grayscale);
}

// The fixed-point rows of every path this machine has against the double formula, for every pair of
// channels, at factors whose sums land exactly on halves (k = 1/2, 1/4, 1/8 ...), near them at
// distances on both sides of what each path's precision resolves, and at arbitrary ones.
TEST(CrossFade, RowsMatchTheFormulaForEveryPairOnEveryPath) {
    std::vector<double> factors = {0,       1,   0.5, 0.25, 0.75, 0.125,    0.375,
                                   1.0 / 3, 0.1, 0.4, 0.6,  0.9,  1.0 / 510};
    for (int i = 1; i < 64; ++i)
        factors.push_back(i / 64.0);
    for (int i : {1, 3, 127, 129, 255})
        factors.push_back(i / 256.0);
    for (double k : {0.5, 0.25, 1.0 / 1024, 0.1})
        for (double d : {1e-9, 1e-7, 2e-6, 1e-5, 1e-4, 1e-3})
            for (double s : {-1.0, 1.0})
                factors.push_back(k + s * d);
    // The factors a morph steps through, up from 0 and down from 1 by fifths.
    for (double up = 0, down = 1; up < 1; up += 0.2, down -= 0.2) {
        factors.push_back(up);
        factors.push_back(down);
    }
    uint32_t seed = 12345;
    for (int i = 0; i < 20; ++i) {
        seed = seed * 1664525u + 1013904223u;
        factors.push_back(seed / 4294967296.0);
    }
    using Path = CrossFadeWeights::Path;
    std::vector<Path> paths;
    for (Path path : {Path::Portable, Path::Sse2, Path::Ssse3, Path::Avx2})
        if (CrossFadeWeights::available(path))
            paths.push_back(path);
    EXPECT_TRUE(CrossFadeWeights::available(CrossFadeWeights::fastestPath()));

    std::vector<uint8_t> a(256 * 256), b(256 * 256), out(256 * 256);
    for (size_t i = 0; i < a.size(); ++i) {
        a[i] = uint8_t(i >> 8);
        b[i] = uint8_t(i);
    }
    std::vector<uint8_t> expected(out.size()), inPlace(out.size());
    for (double k : factors) {
        for (size_t i = 0; i < out.size(); ++i)
            expected[i] = roundChannel((1 - k) * a[i] + k * b[i]);
        const CrossFadeWeights weights(k);
        weights.mixRowPortable(a.data(), b.data(), out.data(), out.size());
        EXPECT_EQ(out, expected) << "portable rows, k = " << k;
        for (Path path : paths) {
            weights.mixRow(path, a.data(), b.data(), out.data(), out.size());
            EXPECT_EQ(out, expected) << "path " << int(path) << ", k = " << k;
            // Into its own first image, from an odd start so that blocks and the row's tail fall
            // elsewhere.
            inPlace = a;
            weights.mixRow(path, inPlace.data() + 1, b.data() + 1, inPlace.data() + 1, out.size() - 1);
            EXPECT_EQ(inPlace[0], a[0]);
            EXPECT_TRUE(std::equal(inPlace.begin() + 1, inPlace.end(), expected.begin() + 1))
                << "in place, path " << int(path) << ", k = " << k;
        }
    }
}

// Bitmaps whose rows lie end to end mix as one run; padded rows mix row by row and keep their padding.
// Rows of 69 bytes and more reach the widest blocks; the factors take the rounding multiply (0.4), the
// near-half checks (0.3) and whole 256ths (0.5).
TEST(CrossFade, WholeBitmapsMatchTheFormulaWithAndWithoutRowPadding) {
    for (int w : {8, 7, 24, 23})
        for (double k : {0.3, 0.4, 0.5}) {
            EffectBmp own(w, 5), target(w, 5);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < w; ++x) {
                    own.setPixel(x, y, {uint8_t(x * 37), uint8_t(y * 51), uint8_t(255 - x * y)});
                    target.setPixel(x, y, {uint8_t(y * 61), uint8_t(x * 29 + 3), uint8_t(x ^ y)});
                }
            const EffectBmp before(own.bitmap());
            const uint8_t padding = 0xA5;
            if (own.bitmap().stride() > 3 * w)
                for (int y = 0; y < 5; ++y)
                    own.rowAddress(y)[3 * w] = padding;
            own.crossFade(target, k);
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < 3; ++c)
                        EXPECT_EQ(own.pixel(x, y)[c],
                                  crossFadeChannel(before.pixel(x, y)[c], target.pixel(x, y)[c], k))
                            << "width " << w << " k " << k << " pixel " << x << "," << y;
                if (own.bitmap().stride() > 3 * w) {
                    EXPECT_EQ(own.rowAddress(y)[3 * w], padding);
                }
            }
        }
}
