#include "labels/LabelColors.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace labels {

namespace {

uint8_t toByte(double unit, double scale) {
    return uint8_t(std::clamp(core::roundHalfEven(unit * scale), 0.0, 255.0));
}

} // namespace

Hls colorToHls(core::Color color) {
    core::Color c = core::colorToRgb(color);
    double r = core::redOf(c) / 255.0, g = core::greenOf(c) / 255.0, b = core::blueOf(c) / 255.0;
    double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    double l = (mx + mn) / 2;
    double h = 0, s = 0;
    if (mx != mn) {
        double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g != mx)
            h = (r - g) / d + 4;
        else
            h = (b - r) / d + 2;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    return Hls{toByte(h, 240), toByte(s, 240), toByte(l, 240)};
}

core::Color hlsToColor(uint8_t hue, uint8_t saturation, uint8_t lightness) {
    double l = lightness / 240.0, s = saturation / 240.0;
    double h6 = hue / 239.0 * 6;
    double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0)
        return core::clBlack;
    double m1 = 2 * l - m2;
    int k = int(h6);
    double f = h6 - k;
    double rising = m1 + (m2 - m1) * f;
    double falling = m2 - (m2 - m1) * f;
    // Per sextant (0..6, as hue is at most 255), what red, green and blue take; sextant 6 (hue 239
    // and above) is drawn like 0.
    enum Part { Low, High, Rising, Falling };
    static constexpr Part sextants[7][3] = {{High, Rising, Low},  {Falling, High, Low}, {Low, High, Rising},
                                            {Low, Falling, High}, {Rising, Low, High},  {High, Low, Falling},
                                            {High, Rising, Low}};
    const double parts[] = {m1, m2, rising, falling};
    const Part* sextant = sextants[k];
    // Saturation above 240 can push m1 below 0; such a component is black rather than a wrapped byte.
    auto component = [](double v) { return uint8_t(core::roundHalfEven(std::clamp(v, 0.0, 1.0) * 255)); };
    return core::rgb(component(parts[sextant[0]]), component(parts[sextant[1]]),
                     component(parts[sextant[2]]));
}

core::Color darkenColor(core::Color color, int amount) {
    Hls hls = colorToHls(color);
    int64_t l = std::clamp(int64_t(hls.lightness) - amount, int64_t(0), int64_t(255));
    return hlsToColor(hls.hue, hls.saturation, uint8_t(l));
}

core::Color lightenColor(core::Color color, int amount) {
    Hls hls = colorToHls(color);
    int64_t l = std::clamp(int64_t(hls.lightness) + amount, int64_t(0), int64_t(255));
    return hlsToColor(hls.hue, hls.saturation, uint8_t(l));
}

core::Color adjustColorLightness(core::Color color, int amount) {
    // Lightening by a negative amount is darkening with the same clamp (and no negation to overflow).
    return amount == 0 ? color : lightenColor(color, amount);
}

} // namespace labels
