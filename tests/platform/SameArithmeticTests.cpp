// Every build (native, i686, x86_64) must compute the same bytes for the blends, filters and colour
// conversions: skins look alike everywhere, and the i686 build is the one that ships. Each group's
// results are hashed and compared with digests taken from an x86_64 build; a differing digest means a
// build rounds differently (x87 precision, fused multiply-adds) or an output changed.
#include "labels/LabelColors.h"
#include "skin/render/EffectBmp.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>

namespace {

struct Digest {
    uint64_t value = 1469598103934665603ull; // FNV-1a
    void add(uint8_t byte) { value = (value ^ byte) * 1099511628211ull; }
    void add(const core::FBitmap& bitmap) {
        for (int32_t y = 0; y < bitmap.height(); ++y)
            for (int32_t x = 0; x < 3 * bitmap.width(); ++x)
                add(bitmap.row(y)[x]);
    }
    void add(core::Color color) {
        for (int shift = 0; shift < 32; shift += 8)
            add(uint8_t(uint32_t(color) >> shift));
    }
};

// A picture with every kind of channel value: ramps, extremes and odd steps.
skin::EffectBmp pattern(int32_t width, int32_t height, int seed) {
    skin::EffectBmp bmp(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bmp.setPixel(x, y,
                         {uint8_t((x * 37 + y * 11 + seed) & 0xFF), uint8_t((x * 5 + y * 53 + 3 * seed) & 0xFF),
                          uint8_t(((x + 1) * (y + 2) * 29 + seed) & 0xFF)});
    return bmp;
}

uint64_t blendDigest() {
    Digest d;
    const double factors[] = {0.0, 0.1, 0.2, 1.0 / 3.0, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    for (int kind = 0; kind < 7; ++kind)
        for (auto [w, h] : {std::pair{13, 7}, std::pair{6, 11}})
            for (double k : factors) {
                auto own = pattern(w, h, 1);
                own.morph(pattern(w, h, 77), k, kind);
                d.add(own.bitmap());
            }
    return d.value;
}

uint64_t filterDigest() {
    Digest d;
    for (int effect = 0; effect < 6; ++effect) {
        auto bmp = pattern(17, 9, 5);
        int32_t next = 0;
        if (effect == 3)
            bmp.noise(50, [&next](int32_t n) { return next++ % n; });
        else
            bmp.applyInactiveEffect(effect);
        d.add(bmp.bitmap());
    }
    for (double amount : {0.05, 0.3, 0.5, 0.77}) {
        auto bright = pattern(9, 4, 9);
        bright.brighten(amount);
        d.add(bright.bitmap());
        auto dark = pattern(9, 4, 9);
        dark.darken(amount);
        d.add(dark.bitmap());
    }
    return d.value;
}

uint64_t colourDigest() {
    Digest d;
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51) {
                const core::Color c = core::rgb(uint8_t(r), uint8_t(g), uint8_t(b));
                const labels::Hls hls = labels::colorToHls(c);
                d.add(hls.hue);
                d.add(hls.lightness);
                d.add(hls.saturation);
                d.add(labels::darkenColor(c, 40));
                d.add(labels::lightenColor(c, 60));
            }
    for (int hue = 0; hue <= 240; hue += 7)
        for (int sat = 0; sat <= 240; sat += 24)
            for (int light = 0; light <= 255; light += 15)
                d.add(labels::hlsToColor(uint8_t(hue), uint8_t(sat), uint8_t(light)));
    return d.value;
}

std::string hex(uint64_t v) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, v);
    return text;
}

} // namespace

TEST(SameArithmetic, BlendsFiltersAndColourConversionsMatchTheReferenceBuild) {
    EXPECT_EQ(hex(blendDigest()), "0x5607fe1f0ebb999b");
    EXPECT_EQ(hex(filterDigest()), "0x2ef0ae08f228dbde");
    EXPECT_EQ(hex(colourDigest()), "0x72c4e025fe58b5db");
}
