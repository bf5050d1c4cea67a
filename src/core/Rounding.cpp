#include "core/Rounding.h"

#include <cmath>

namespace core {

double roundHalfEven(double value) {
    double f = std::floor(value);
    double diff = value - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

} // namespace core
