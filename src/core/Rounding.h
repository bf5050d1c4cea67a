#pragma once
// Rounding that does not depend on the floating-point environment.

namespace core {

// Nearest integer, ties to even, whatever the current rounding mode. NaN and infinities come back
// as they are.
double roundHalfEven(double value);

} // namespace core
