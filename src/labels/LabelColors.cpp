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
    double r, g, b;
    switch (k) {
    case 1:
        r = falling, g = m2, b = m1;
        break;
    case 2:
        r = m1, g = m2, b = rising;
        break;
    case 3:
        r = m1, g = falling, b = m2;
        break;
    case 4:
        r = rising, g = m1, b = m2;
        break;
    case 5:
        r = m2, g = m1, b = falling;
        break;
    default: // 0 and 6 (hue 239 and above)
        r = m2, g = rising, b = m1;
        break;
    }
    // Saturation above 240 can push m1 below 0; such a component is black rather than a wrapped byte.
    auto component = [](double v) { return uint8_t(core::roundHalfEven(std::clamp(v, 0.0, 1.0) * 255)); };
    return core::rgb(component(r), component(g), component(b));
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
