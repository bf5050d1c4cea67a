#include "labels/LabelColors.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace labels;
using core::rgb;

TEST(LabelColors, ColorToHlsOfReferenceColours) {
    struct Case {
        core::Color color;
        Hls hls; // hue, saturation, lightness
    };
    const Case cases[] = {
        {core::clRed, {0, 240, 120}},
        {core::clWhite, {0, 0, 240}},
        {core::clBlack, {0, 0, 0}},
        {rgb(0, 255, 0), {80, 240, 120}},
        {rgb(0, 0, 255), {160, 240, 120}},
        {rgb(255, 0, 255), {200, 240, 120}}, // hue below 0 before the turn is added
        {rgb(128, 128, 128), {0, 0, 120}},   // 120.47 rounds down
        {core::clBtnFace, {0, 0, 181}},      // resolved first: 192, 192, 192
    };
    for (const Case& c : cases)
        EXPECT_EQ(colorToHls(c.color), c.hls) << std::hex << c.color;
}

TEST(LabelColors, HlsToColorOfReferenceValuesAndSextantSix) {
    EXPECT_EQ(hlsToColor(0, 240, 120), core::clRed);
    // 239 / 239 * 6 is exactly sextant 6, which is drawn like sextant 0.
    EXPECT_EQ(hlsToColor(239, 240, 120), core::clRed);
    EXPECT_EQ(hlsToColor(80, 0, 240), core::clWhite);
    EXPECT_EQ(hlsToColor(123, 200, 0), core::clBlack);
}

TEST(LabelColors, HlsRoundTripStaysClose) {
    // The hue scale of 239 against 240 shifts hues a little; every sextant must still come back.
    const core::Color colors[] = {rgb(200, 40, 40),  rgb(40, 200, 40),  rgb(40, 40, 200), rgb(200, 200, 40),
                                  rgb(40, 200, 200), rgb(200, 40, 200), rgb(90, 60, 30),  rgb(250, 240, 230)};
    for (core::Color c : colors) {
        Hls hls = colorToHls(c);
        core::Color back = hlsToColor(hls.hue, hls.saturation, hls.lightness);
        EXPECT_LE(std::abs(core::redOf(back) - core::redOf(c)), 6) << std::hex << c << " -> " << back;
        EXPECT_LE(std::abs(core::greenOf(back) - core::greenOf(c)), 6) << std::hex << c << " -> " << back;
        EXPECT_LE(std::abs(core::blueOf(back) - core::blueOf(c)), 6) << std::hex << c << " -> " << back;
    }
}

TEST(LabelColors, OversaturatedInputDoesNotWrapComponents) {
    // Saturation 255 at low lightness makes the smallest component negative; it is black, not 252.
    core::Color c = hlsToColor(0, 255, 60);
    EXPECT_EQ(core::greenOf(c), 0);
    EXPECT_EQ(core::blueOf(c), 0);
    EXPECT_GT(core::redOf(c), 120);
}

TEST(LabelColors, LightnessChangesClamp) {
    const core::Color light = rgb(230, 195, 195);
    ASSERT_EQ(colorToHls(light).lightness, 200);
    // 301 is clamped to 255, beyond 240: every component saturates at 255.
    EXPECT_EQ(lightenColor(light, 100), core::clWhite);
    EXPECT_EQ(darkenColor(light, 255), core::clBlack);
    EXPECT_EQ(adjustColorLightness(light, -255), core::clBlack);
    EXPECT_EQ(adjustColorLightness(light, 255), core::clWhite);
    EXPECT_EQ(adjustColorLightness(light, INT_MIN), core::clBlack);
    EXPECT_EQ(adjustColorLightness(light, INT_MAX), core::clWhite);
    // No change keeps even a system colour as it is.
    EXPECT_EQ(adjustColorLightness(core::clBtnShadow, 0), core::clBtnShadow);
    // A moderate change keeps hue and saturation.
    Hls before = colorToHls(rgb(40, 80, 160));
    Hls after = colorToHls(darkenColor(rgb(40, 80, 160), 30));
    EXPECT_NEAR(after.hue, before.hue, 1);
    EXPECT_NEAR(after.saturation, before.saturation, 2);
    EXPECT_NEAR(after.lightness, before.lightness - 30, 1);
}
