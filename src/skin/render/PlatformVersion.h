#pragma once
// The platform version as the system reports it (major version in the low byte of the version word,
// minor in the next) and the rules that decide whether translucency and drop shadows are used.
#include <cstdint>

namespace skin {

struct PlatformVersion {
    int major = 0;
    int minor = 0;

    static PlatformVersion fromVersionWord(uint32_t word) {
        return {int(word & 0xFF), int((word >> 8) & 0xFF)};
    }

    // Exact version tests: 5.1, and 5.0 to 5.2.
    bool isWindowsXP() const { return major == 5 && minor == 1; }
    bool isWindows2000Family() const { return major == 5 && minor >= 0 && minor <= 2; }

    // What callers gate on. Layered windows exist from 5.0 on and drop shadows from 5.1 on, later
    // versions included; testing for exactly 5.x would leave every current system opaque and flat.
    bool hasLayeredWindows() const { return major >= 5; }
    bool hasDropShadow() const { return major > 5 || (major == 5 && minor >= 1); }
};

} // namespace skin
