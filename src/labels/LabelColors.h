#pragma once
// Colour arithmetic in hue-lightness-saturation space on the 0..240 scale of the platform's colour
// dialog. System colours are resolved to RGB first; results are always RGB.
#include "core/Color.h"

#include <cstdint>

namespace labels {

// In the order hlsToColor takes them.
struct Hls {
    uint8_t hue = 0;
    uint8_t saturation = 0;
    uint8_t lightness = 0;
    friend bool operator==(const Hls&, const Hls&) = default;
};

Hls colorToHls(core::Color color);
// Hue is scaled by 239, so 239 falls into the sixth sextant and is drawn like 0. Lightness and
// saturation above 240 are accepted (lightenColor produces up to 255); components saturate at 255.
core::Color hlsToColor(uint8_t hue, uint8_t saturation, uint8_t lightness);

// Lightness lowered by amount, not below 0.
core::Color darkenColor(core::Color color, int amount);
// Lightness raised by amount, not above 255.
core::Color lightenColor(core::Color color, int amount);
// Negative: darken by -amount; positive: lighten; 0: the colour as given.
core::Color adjustColorLightness(core::Color color, int amount);

} // namespace labels
